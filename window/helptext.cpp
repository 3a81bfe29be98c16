// helptext.cpp: the words of the help panel.
#include "helptext.h"

namespace varn {

namespace {

constexpr const char* kWelcome = "  Welcome to Varn,";
constexpr const char* kCredit =
    "Varn is drawn, composed and programmed by the Varn team for everyone who likes a quick "
    "game.";
constexpr const char* kRules =
    "Your goal is to remove at least the three same images. Keep your helpful jokers. The "
    "ladders and a bomb will sometime help you. Earn extra points by connecting the gems, 10 "
    "points per a gem. You can freely rotate and use mirror at any time. The more images you "
    "have the better player you are.";
constexpr const char* kGoodLuck = "  Good luck. Have a fun.";

}  // namespace

std::string helpText() {
    return std::string(kWelcome) + '\r' + kCredit + ' ' + kRules + '\r' + kGoodLuck;
}

}  // namespace varn
