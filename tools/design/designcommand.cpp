// designcommand.cpp: creating, updating and listing saved designs from the command line.
#include "designcommand.h"

#include <QFile>
#include <cerrno>
#include <charconv>
#include <cstdio>
#include <cstring>
#include <iomanip>
#include <optional>
#include <ostream>

#include "crc32.h"
#include "designerror.h"
#include "designhost.h"
#include "embedsound.h"
#include "readfile.h"
#include "replacefile.h"
#include "saveddesign.h"
#include "sdlsoundoutput.h"
#include "sounderror.h"

namespace varn {

namespace {

// A design is a few clips; anything larger is no design of ours and is not loaded.
constexpr std::size_t kMaxDesignFileBytes = 256 << 20;

// The settings given on the command line; a setting not given stays as it was.
struct Settings {
    std::optional<bool> sync;
    std::optional<bool> loop;
    std::optional<bool> stop;
    std::optional<std::string> file;
};

std::optional<Settings> parseSettings(const std::vector<std::string>& args, std::size_t from) {
    Settings settings;
    for (std::size_t i = from; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (arg == "--sync" || arg == "--no-sync") {
            settings.sync = arg == "--sync";
        } else if (arg == "--loop" || arg == "--no-loop") {
            settings.loop = arg == "--loop";
        } else if (arg == "--stop" || arg == "--no-stop") {
            settings.stop = arg == "--stop";
        } else if (arg == "--file" && i + 1 < args.size()) {
            settings.file = args[++i];
        } else {
            return std::nullopt;
        }
    }
    return settings;
}

void apply(EmbedSound& control, const Settings& settings) {
    control.UserControl_Resize();
    if (settings.sync) control.SyncSnd(*settings.sync);
    if (settings.loop) control.LoopSnd(*settings.loop);
    if (settings.stop) control.StopSnd(*settings.stop);
    if (settings.file) control.SndFile(*settings.file);
}

std::optional<int> parseIndex(const std::string& text) {
    int index = -1;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), index);
    if (error != std::errc() || end != text.data() + text.size() || index < 0 || index > 32767) {
        return std::nullopt;
    }
    return index;
}

// The design in FILE; an empty design when there is no such file. Throws DesignError.
SavedDesign loadDesign(const std::string& path) {
    const FileBytes file = readFile(path, kMaxDesignFileBytes, LongFile::Refuse);
    switch (file.status) {
        case FileBytes::Status::Missing:
            return {};
        case FileBytes::Status::TooLong:
            throw DesignError(path + " is too large for a design");
        case FileBytes::Status::NotAFile:
            throw DesignError("cannot read " + path + ": it is not a file");
        case FileBytes::Status::Unreadable:
            throw DesignError("cannot read " + path + ": " + std::strerror(file.error));
        case FileBytes::Status::Read:
            break;
    }
    try {
        return SavedDesign::decode(
            {reinterpret_cast<const std::uint8_t*>(file.bytes.data()), file.bytes.size()});
    } catch (const DesignError& error) {
        throw DesignError(path + " holds damaged design data: " + error.what());
    }
}

// Written to a temporary file and renamed over the old one: a failure leaves the old design.
void saveDesign(const std::string& path, const SavedDesign& design) {
    const ByteArray bytes = design.encode();
    if (!replaceFile(path, {reinterpret_cast<const char*>(bytes.data()), bytes.size()}))
        throw DesignError("cannot write " + path + ": " + std::strerror(errno));
}

std::string quoted(const std::string& text) {
    std::string out = "\"";
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == '"' || c == '\\') {
            out += '\\';
            out += c;
        } else if (byte < 0x20 || byte == 0x7F) {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\x%02X", byte);
            out += escaped;
        } else {
            out += c;
        }
    }
    return out + "\"";
}

void printValue(std::ostream& out, const PropertyValue& value) {
    if (const auto* number = std::get_if<std::int16_t>(&value)) {
        out << "integer " << *number;
    } else if (const auto* flag = std::get_if<bool>(&value)) {
        out << "boolean " << (*flag ? "True" : "False");
    } else if (const auto* text = std::get_if<std::string>(&value)) {
        out << "text " << quoted(*text);
    } else {
        const ByteArray& bytes = std::get<ByteArray>(value);
        out << "bytes " << bytes.size() << " elements, CRC-32 " << std::hex << std::setw(8)
            << std::setfill('0') << crc32(bytes) << std::dec << std::setfill(' ');
    }
}

}  // namespace

// An audition may wait for a slow server, but not for one that does not answer.
DesignCommand::DesignCommand(std::ostream& out, std::ostream& err)
    : m_out(out),
      m_err(err),
      m_output(SdlSoundOutput::Options{.openWait = kServerWait, .stallWait = kServerWait}) {}

int DesignCommand::run(const std::vector<std::string>& args) {
    if (args.size() >= 3 && args[1] == "player") return player(args[0], args);
    if (args.size() == 3 && args[1] == "play") return play(args[0], args[2]);
    if (args.size() == 2 && args[1] == "show") return show(args[0]);
    return usage();
}

int DesignCommand::usage() {
    m_err << "usage: varn-design FILE player N [--sync|--no-sync] [--loop|--no-loop]"
             " [--stop|--no-stop] [--file PATH]\n"
             "       varn-design FILE play N\n"
             "       varn-design FILE show\n"
             "play waits for the clip's end; status 0 when it played, 1 with the reason when it\n"
             "cannot be played, the sound server does not answer within 5 s, or the device went\n"
             "away or stopped answering during it, 2 for bad usage or damaged design data\n";
    return kBadUsageOrData;
}

// Restores a saved player; throws DesignError when its values cannot be.
void DesignCommand::restore(EmbedSound& control, const std::string& file, int index) {
    try {
        control.UserControl_ReadProperties();
    } catch (const SoundError& error) {
        throw DesignError(file + " holds damaged design data: instance " + std::to_string(index) +
                          ": " + error.what());
    }
}

int DesignCommand::player(const std::string& file, const std::vector<std::string>& args) {
    const std::optional<int> index = parseIndex(args[2]);
    const std::optional<Settings> settings = parseSettings(args, 3);
    if (!index || !settings) return usage();
    try {
        SavedDesign design = loadDesign(file);
        const bool isNew = design.find(*index) == nullptr;
        DesignInstance& instance = design.add(*index);
        DesignHost host(instance, DesignHost::Mode::Design);
        host.setMessageBox([&](const std::string& text, const std::string& title) {
            m_out << title << '\n' << text << '\n';
        });
        EmbedSound control(host, m_output);
        if (isNew) {
            control.UserControl_InitProperties();
        } else {
            restore(control, file, *index);
        }
        apply(control, *settings);
        host.save(control);
        saveDesign(file, design);
        // The player reports a new clip to its host only once the whole file is in.
        return settings->file && !host.modified("MemWav") ? kEmbedFailed : kSuccess;
    } catch (const std::exception& error) {
        return fail(error.what(), kBadUsageOrData);
    }
}

int DesignCommand::play(const std::string& file, const std::string& number) {
    const std::optional<int> index = parseIndex(number);
    if (!index) return usage();
    try {
        if (!QFile::exists(QString::fromStdString(file)))
            throw DesignError("no such file: " + file);
        SavedDesign design = loadDesign(file);
        DesignInstance* instance = design.find(*index);
        if (!instance) throw DesignError("no player " + number + " in " + file);
        DesignHost host(*instance, DesignHost::Mode::Run);
        EmbedSound control(host, m_output);
        restore(control, file, *index);
        // Whatever the player's setting, the command waits for the clip to end.
        control.SyncSnd(true);
        if (!control.PlaySound()) return fail("player " + number + " has no clip", kCannotPlay);
        const std::string refusal = auditionFailure();
        return refusal.empty() ? kSuccess : fail("player " + number + ": " + refusal, kCannotPlay);
    } catch (const std::exception& error) {
        return fail(error.what(), kBadUsageOrData);
    }
}

// Why the clip just played was no audition; empty when it was one. A clip cut short where no
// one heard it is none.
std::string DesignCommand::auditionFailure() const {
    if (!m_output.refusal().empty()) return m_output.refusal();
    if (m_output.deviceLost()) return "the sound device went away during the clip";
    if (m_output.deviceStalled()) return "the sound device stopped answering during the clip";
    return {};
}

int DesignCommand::fail(const std::string& reason, int status) {
    m_err << "varn-design: " << reason << '\n';
    return status;
}

int DesignCommand::show(const std::string& file) {
    try {
        if (!QFile::exists(QString::fromStdString(file)))
            throw DesignError("no such file: " + file);
        const SavedDesign design = loadDesign(file);
        for (const DesignInstance& instance : design.instances()) {
            m_out << "instance " << instance.index() << ": " << instance.controlClass()
                  << ", extent " << instance.widthTwips() << " x " << instance.heightTwips()
                  << " twips\n";
            for (const DesignProperty& property : instance.properties()) {
                m_out << "  " << property.key << ": ";
                printValue(m_out, property.value);
                m_out << '\n';
            }
        }
        return kSuccess;
    } catch (const std::exception& error) {
        return fail(error.what(), kBadUsageOrData);
    }
}

}  // namespace varn
