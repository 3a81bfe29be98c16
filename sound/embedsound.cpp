// embedsound.cpp: flags, properties, sizing, saving and clip loading of the sound-player control.
#include "embedsound.h"

#include <exception>
#include <new>
#include <utility>

#include "clipfile.h"
#include "sounderror.h"

namespace varn {

namespace {

constexpr const char* kSndFile = "SndFile";
constexpr const char* kLoopSnd = "LoopSnd";
constexpr const char* kSyncSnd = "SyncSnd";
constexpr const char* kStopSnd = "StopSnd";
constexpr const char* kMemWav = "MemWav";

// A byte array never equals this default, so the clip is always written.
const PropertyValue kNoClip = std::int16_t{0};

SoundError typeMismatch() {
    return SoundError(SoundError::kTypeMismatch, "Type mismatch");
}

bool toBoolean(const PropertyValue& value) {
    if (const auto* flag = std::get_if<bool>(&value)) return *flag;
    if (const auto* number = std::get_if<std::int16_t>(&value)) return *number != 0;
    throw typeMismatch();
}

std::string toText(const PropertyValue& value) {
    if (const auto* text = std::get_if<std::string>(&value)) return *text;
    if (const auto* number = std::get_if<std::int16_t>(&value)) return std::to_string(*number);
    if (const auto* flag = std::get_if<bool>(&value)) return *flag ? "True" : "False";
    throw typeMismatch();
}

// Saved data without a clip (the number 0 in place of the array) restore a player without one.
ByteArray toClip(PropertyValue value) {
    if (auto* bytes = std::get_if<ByteArray>(&value)) return std::move(*bytes);
    if (const auto* number = std::get_if<std::int16_t>(&value); number && *number == 0) return {};
    throw typeMismatch();
}

}  // namespace

EmbedSound::EmbedSound(SoundHost& host, SoundOutput& output) : m_host(host), m_output(output) {}

std::uint32_t EmbedSound::playFlags() const {
    std::uint32_t flags = SND_NODEFAULT | SND_MEMORY;
    if (m_loopSnd) flags |= SND_LOOP;
    if (!m_stopSnd) flags |= SND_NOSTOP;
    if (!m_syncSnd) flags |= SND_ASYNC;
    return flags;
}

bool EmbedSound::PlaySound() {
    try {
        const std::uint32_t flags = playFlags();
        m_host.doEvents();
        if (m_memWav.empty()) return false;
        // The output's own result is not looked at: a clip it cannot play is still handed over.
        m_output.play(m_memWav, flags);
        return true;
    } catch (...) {
        return false;
    }
}

bool EmbedSound::StopSound() {
    m_output.stop();
    return true;
}

std::string EmbedSound::SndFile() const {
    if (m_host.runMode()) {
        throw SoundError(SoundError::kCannotReadAtRunTime,
                         "Property SndFile cannot be read at run time");
    }
    return m_sndFile;
}

void EmbedSound::SndFile(const std::string& path) {
    if (m_host.runMode()) {
        throw SoundError(SoundError::kCannotSetAtRunTime,
                         "Property SndFile cannot be set at run time");
    }
    m_sndFile = path;
    m_host.propertyChanged(kSndFile);
    EmbedSndFile();
}

void EmbedSound::LoopSnd(bool value) {
    m_loopSnd = value;
    m_host.propertyChanged(kLoopSnd);
}

void EmbedSound::SyncSnd(bool value) {
    m_syncSnd = value;
    m_host.propertyChanged(kSyncSnd);
}

void EmbedSound::StopSnd(bool value) {
    m_stopSnd = value;
    m_host.propertyChanged(kStopSnd);
}

void EmbedSound::UserControl_InitProperties() {
    m_sndFile.clear();
    m_loopSnd = false;
    m_syncSnd = false;
    m_stopSnd = false;
}

void EmbedSound::UserControl_ReadProperties() {
    // Everything is converted before anything is stored, so bad saved data change nothing.
    std::string sndFile = toText(m_host.readProperty(kSndFile, std::string()));
    const bool loopSnd = toBoolean(m_host.readProperty(kLoopSnd, false));
    const bool syncSnd = toBoolean(m_host.readProperty(kSyncSnd, false));
    const bool stopSnd = toBoolean(m_host.readProperty(kStopSnd, false));
    ByteArray memWav = toClip(m_host.readProperty(kMemWav, kNoClip));
    m_sndFile = std::move(sndFile);
    m_loopSnd = loopSnd;
    m_syncSnd = syncSnd;
    m_stopSnd = stopSnd;
    m_memWav = std::move(memWav);
}

void EmbedSound::UserControl_WriteProperties() {
    m_host.writeProperty(kSndFile, m_sndFile, std::string());
    m_host.writeProperty(kLoopSnd, m_loopSnd, false);
    m_host.writeProperty(kSyncSnd, m_syncSnd, false);
    m_host.writeProperty(kStopSnd, m_stopSnd, false);
    m_host.writeProperty(kMemWav, m_memWav, kNoClip);
}

void EmbedSound::UserControl_Resize() {
    // A host that resizes on every change of size would bring us straight back here.
    if (m_resizing) return;
    struct Guard {
        bool& flag;
        ~Guard() { flag = false; }
    } guard{m_resizing = true};
    m_host.setSize(kFacePixels * m_host.twipsPerPixelX(), kFacePixels * m_host.twipsPerPixelY());
}

void EmbedSound::UserControl_Terminate() {
    StopSound();
}

void EmbedSound::EmbedSndFile() {
    std::string path;
    std::uint64_t size = 0;
    std::string description;
    try {
        path = SndFile();
        const ClipFile file(path);
        size = file.size();
        // Read into a new buffer: a failed read keeps the clip the player had.
        if (size > 0) m_memWav = file.readWithTrailingZero();
    } catch (const std::bad_alloc&) {
        size = 0;
        description = "Out of memory";
    } catch (const std::exception& error) {
        size = 0;
        description = error.what();
    }
    if (size == 0) {
        m_host.messageBox("An error occured.\r\n" + description, "EmbedSound Error");
        return;
    }
    m_host.propertyChanged(kMemWav);
    m_host.messageBox("File " + path + " was successfully embed.\r\nFile Size : " +
                          std::to_string(size / 1024 + 1) + " KB.",
                      "Success");
}

}  // namespace varn
