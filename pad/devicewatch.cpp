// devicewatch.cpp: inotify on the devices' folder, and a reading file on each event device.
#include "devicewatch.h"

#include <fcntl.h>
#include <sys/inotify.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>

namespace varn {

namespace {

// Reads `file` until it would block; false when it failed otherwise or ended.
bool readEmpty(int file) {
    char buffer[4096];
    for (;;) {
        const ssize_t got = ::read(file, buffer, sizeof buffer);
        if (got > 0) continue;
        if (got < 0 && errno == EINTR) continue;
        return got < 0 && errno == EAGAIN;
    }
}

// The input devices that the kernel's driver makes of a controller that SDL reads through
// `hidraw` (/dev/hidrawN), by their names in the folder of event devices. The motion sensors'
// device speaks all the time, like hidraw itself, and is left out.
std::vector<std::string> eventDevicesOf(const std::string& hidraw) {
    namespace fs = std::filesystem;
    constexpr unsigned long kAccelerometer = 1ul << 6;  // INPUT_PROP_ACCELEROMETER
    const fs::path inputs =
        fs::path("/sys/class/hidraw") / fs::path(hidraw).filename() / "device" / "input";
    std::vector<std::string> names;
    std::error_code error;
    for (const fs::directory_entry& input : fs::directory_iterator(inputs, error)) {
        // A bit mask in hexadecimal words, the lowest last.
        std::ifstream file(input.path() / "properties");
        std::string word;
        unsigned long properties = 0;
        while (file >> word)
            properties = std::strtoul(word.c_str(), nullptr, 16);
        if (properties & kAccelerometer) continue;
        for (const fs::directory_entry& device : fs::directory_iterator(input.path(), error)) {
            const std::string name = device.path().filename().string();
            if (name.starts_with("event")) names.push_back(name);
        }
    }
    return names;
}

}  // namespace

DeviceWatch::DeviceWatch(std::string folder) : m_folder(std::move(folder)) {
    m_notify = inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
    watchFolder();
}

DeviceWatch::~DeviceWatch() {
    for (const auto& [pad, file] : m_devices) {
        if (file >= 0) ::close(file);
    }
    if (m_notify >= 0) ::close(m_notify);
}

// Udev creates the folder with the first input device; a machine without any may lack it.
void DeviceWatch::watchFolder() {
    if (m_notify < 0 || m_folderWatch >= 0) return;
    m_folderWatch =
        inotify_add_watch(m_notify, m_folder.c_str(),
                          IN_CREATE | IN_DELETE | IN_ATTRIB | IN_MOVED_TO | IN_MOVED_FROM);
    if (m_folderWatch >= 0 || m_parentWatch >= 0) return;
    const std::size_t slash = m_folder.rfind('/');
    const std::string parent = slash == 0 ? "/" : m_folder.substr(0, slash);
    if (slash != std::string::npos)
        m_parentWatch = inotify_add_watch(m_notify, parent.c_str(), IN_CREATE | IN_MOVED_TO);
}

// An event device is watched itself; one read through hidraw by the event devices that its
// driver makes of it too.
void DeviceWatch::watch(std::int32_t pad, const char* path) {
    const std::string prefix = m_folder + '/';
    std::vector<std::string> files;
    if (path && std::strncmp(path, prefix.c_str(), prefix.size()) == 0) {
        files.emplace_back(path);
    } else if (path && std::strncmp(path, "/dev/hidraw", 11) == 0) {
        for (const std::string& name : eventDevicesOf(path))
            files.push_back(prefix + name);
    }
    bool watched = false;
    for (const std::string& name : files) {
        const int file = ::open(name.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
        if (file < 0) continue;
        m_devices.emplace_back(pad, file);
        watched = true;
    }
    if (!watched) m_devices.emplace_back(pad, -1);
}

void DeviceWatch::forget(std::int32_t pad) {
    std::erase_if(m_devices, [pad](const auto& device) {
        if (device.first != pad) return false;
        if (device.second >= 0) ::close(device.second);
        return true;
    });
}

bool DeviceWatch::watches(std::int32_t pad) const {
    return std::any_of(m_devices.begin(), m_devices.end(), [pad](const auto& device) {
        return device.first == pad && device.second >= 0;
    });
}

void DeviceWatch::drain() {
    if (m_notify >= 0) {
        alignas(inotify_event) char buffer[4096];
        ssize_t got;
        while ((got = ::read(m_notify, buffer, sizeof buffer)) > 0) {
            for (ssize_t at = 0; at < got;) {
                const auto* event = reinterpret_cast<const inotify_event*>(buffer + at);
                if (event->wd == m_folderWatch && (event->mask & IN_IGNORED)) m_folderWatch = -1;
                at += ssize_t(sizeof(inotify_event) + event->len);
            }
        }
        watchFolder();
    }
    for (auto& [pad, file] : m_devices) {
        if (file >= 0 && !readEmpty(file)) {
            ::close(file);
            file = -1;
        }
    }
}

std::vector<int> DeviceWatch::files() const {
    std::vector<int> files;
    if (watchesFolder()) files.push_back(m_notify);
    for (const auto& [pad, file] : m_devices) {
        if (file >= 0) files.push_back(file);
    }
    return files;
}

}  // namespace varn
