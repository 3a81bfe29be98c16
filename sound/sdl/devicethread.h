// devicethread.h: the one thread of the process that calls into SDL's audio, so that a sound
// server that does not answer holds it and never the caller.
#pragma once

#include <condition_variable>
#include <deque>
#include <functional>
#include <mutex>

namespace varn {

// Opening and closing a device, and starting and ending SDL's audio, can wait inside the sound
// library for as long as the server makes them (libpulse gives up on a frozen server after 30 s,
// and a close waits for SDL's audio thread, which a frozen server holds for good). Every such call
// runs here, one after another, in the order posted: SDL's audio is not made to be entered from
// two threads at once.
//
// The thread lives as long as the process and is never joined: one held by a frozen server must
// not keep the process from ending. Whatever a job needs, it owns.
class DeviceThread {
  public:
    static void post(std::function<void()> job);

  private:
    DeviceThread();
    [[noreturn]] void run();

    std::mutex m_mutex;
    std::condition_variable m_posted;
    std::deque<std::function<void()>> m_jobs;
};

}  // namespace varn
