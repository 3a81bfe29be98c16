// devicewatch.h: files that turn readable when an input device comes or goes, or when a
// controller's device has something to say, so that a reader can sleep between polls.
#pragma once

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

namespace varn {

// The folder of the input devices (/dev/input) through inotify, or its parent until the
// folder appears; and a file of its own on each controller's event device in that folder, which
// reads as the device speaks without taking anything from SDL's file. A controller that SDL
// reads through hidraw, which talks all the time, is watched through the event devices that its
// kernel driver makes of it. Others (SDL's virtual ones) cannot be watched, and are polled.
class DeviceWatch {
  public:
    explicit DeviceWatch(std::string folder);
    ~DeviceWatch();
    DeviceWatch(const DeviceWatch&) = delete;
    DeviceWatch& operator=(const DeviceWatch&) = delete;

    // Watches controller `pad`'s device at `path` (null for none), when it can.
    void watch(std::int32_t pad, const char* path);
    void forget(std::int32_t pad);
    // Whether plugging in is watched, and whether `pad`'s device is.
    bool watchesFolder() const { return m_folderWatch >= 0 || m_parentWatch >= 0; }
    bool watches(std::int32_t pad) const;

    // Reads the files empty, so that they turn readable again only for news, before the devices
    // are read; a device's file that reports an error (the device is gone) is closed.
    void drain();
    std::vector<int> files() const;

  private:
    void watchFolder();

    std::string m_folder;
    int m_notify = -1;
    int m_folderWatch = -1;
    int m_parentWatch = -1;
    std::vector<std::pair<std::int32_t, int>> m_devices;  // pad, file or -1
};

}  // namespace varn
