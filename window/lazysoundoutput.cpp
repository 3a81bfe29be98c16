// lazysoundoutput.cpp: finding and loading the sound module once, at the first clip.
#include "lazysoundoutput.h"

#include <QCoreApplication>
#include <QLibrary>
#include <cstdio>

namespace varn {

namespace {
constexpr const char* kModuleName = "varn-sdl.so";
constexpr const char* kFactory = "varn_make_sound_output";
}  // namespace

LazySoundOutput::LazySoundOutput(QStringList modules) : m_modules(std::move(modules)) {}

LazySoundOutput::~LazySoundOutput() = default;

QStringList LazySoundOutput::defaultModules() {
    const QString here = QCoreApplication::applicationDirPath() + QLatin1Char('/');
    const QString name = QString::fromLatin1(kModuleName);
    return {here + name, here + QStringLiteral(VARN_SOUND_MODULE_DIR "/") + name};
}

// The library stays loaded to the end of the run, also through Qt's clean-up at exit: the
// output's code lives in it, and so does that of its device thread, which a frozen sound server
// may still hold when the program ends.
SoundOutput* LazySoundOutput::loaded() {
    if (m_tried) return m_output.get();
    m_tried = true;
    QString reasons;
    for (const QString& file : m_modules) {
        QLibrary module(file);
        module.setLoadHints(QLibrary::PreventUnloadHint);
        using Factory = SoundOutput* (*)();
        if (const auto make = reinterpret_cast<Factory>(module.resolve(kFactory))) {
            m_output.reset(make());
            return m_output.get();
        }
        reasons += QStringLiteral("\n  ") + module.errorString();
    }
    std::fprintf(stderr, "varn: the game stays silent, no sound module loads:%s\n",
                 qPrintable(reasons));
    return nullptr;
}

bool LazySoundOutput::play(std::span<const std::uint8_t> image, std::uint32_t flags) {
    SoundOutput* output = loaded();
    return output && output->play(image, flags);
}

void LazySoundOutput::stop() {
    if (m_output) m_output->stop();
}

bool LazySoundOutput::rest() {
    return !m_output || m_output->rest();
}

}  // namespace varn
