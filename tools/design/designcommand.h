// designcommand.h: the commands of varn-design, the design-mode host of the sound players.
#pragma once

#include <chrono>
#include <iosfwd>
#include <string>
#include <vector>

#include "embedsound.h"
#include "sdlsoundoutput.h"

namespace varn {

// varn-design FILE player N [--sync|--no-sync] [--loop|--no-loop] [--stop|--no-stop]
//                           [--file PATH]
// varn-design FILE play N
// varn-design FILE show
class DesignCommand {
  public:
    static constexpr int kSuccess = 0;
    static constexpr int kEmbedFailed = 1;  // the file was not embedded
    static constexpr int kCannotPlay = 1;   // no clip, one the output cannot play, a server
                                            // that does not answer, or a device that went away
                                            // or stopped answering during the clip
    static constexpr int kBadUsageOrData = 2;
    // How long `play` waits for the sound server to open the device, or to ask for samples.
    static constexpr std::chrono::milliseconds kServerWait{5000};

    DesignCommand(std::ostream& out, std::ostream& err);

    // The arguments after the program's name; returns the exit status.
    int run(const std::vector<std::string>& args);

  private:
    int player(const std::string& file, const std::vector<std::string>& args);
    int play(const std::string& file, const std::string& number);
    int show(const std::string& file);
    int usage();
    std::string auditionFailure() const;
    int fail(const std::string& reason, int status);
    static void restore(EmbedSound& control, const std::string& file, int index);

    std::ostream& m_out;
    std::ostream& m_err;
    // The real output: `play` is heard, and the other commands never open the device.
    SdlSoundOutput m_output;
};

}  // namespace varn
