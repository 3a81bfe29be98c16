// fontwarmup.h: the desktop's font configuration read on a thread of its own while Qt starts.
#pragma once

#include <thread>

namespace varn {

// Fontconfig's first use parses the desktop's configuration and reads its font cache, which
// costs as much as the rest of the start-up up to the window's first frame; Qt first asks for
// fonts when it sizes the menu bar. Started first thing, the reading runs beside Qt's own
// start: the connection to the display, its plugins, the window's controls.
class FontWarmUp {
  public:
    FontWarmUp();
    ~FontWarmUp();
    FontWarmUp(const FontWarmUp&) = delete;
    FontWarmUp& operator=(const FontWarmUp&) = delete;

    // Once the application exists and before the window is built: Qt's font database is filled
    // on the same thread while the window builds its controls. A font asked for meanwhile waits
    // for the database, which Qt guards, instead of reading the configuration a second time.
    void fillDatabase();
    // Waits for the thread: before the application ends, whose font database it fills.
    void finish();

  private:
    std::thread m_thread;
};

}  // namespace varn
