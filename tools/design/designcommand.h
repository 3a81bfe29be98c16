// designcommand.h: the commands of varn-design, the design-mode host of the sound players.
#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace varn {

// varn-design FILE player N [--sync|--no-sync] [--loop|--no-loop] [--stop|--no-stop]
//                           [--file PATH]
// varn-design FILE show
class DesignCommand {
  public:
    static constexpr int kSuccess = 0;
    static constexpr int kEmbedFailed = 1;
    static constexpr int kBadUsageOrData = 2;

    DesignCommand(std::ostream& out, std::ostream& err);

    // The arguments after the program's name; returns the exit status.
    int run(const std::vector<std::string>& args);

  private:
    int player(const std::string& file, const std::vector<std::string>& args);
    int show(const std::string& file);
    int usage();

    std::ostream& m_out;
    std::ostream& m_err;
};

}  // namespace varn
