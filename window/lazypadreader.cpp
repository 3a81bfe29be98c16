// lazypadreader.cpp: finding and loading the controllers' module once, at the first poll.
#include "lazypadreader.h"

#include <QCoreApplication>
#include <QFile>
#include <QLibrary>
#include <cstdio>

namespace varn {

namespace {
constexpr const char* kModuleName = "varn-sdl.so";
constexpr const char* kFactory = "varn_make_pad_reader";
}  // namespace

LazyPadReader::LazyPadReader(QStringList modules, QString devices)
    : m_modules(std::move(modules)), m_devices(std::move(devices)) {}

LazyPadReader::~LazyPadReader() = default;

QStringList LazyPadReader::defaultModules() {
    const QString here = QCoreApplication::applicationDirPath() + QLatin1Char('/');
    const QString name = QString::fromLatin1(kModuleName);
    return {here + name, here + QStringLiteral(VARN_PAD_MODULE_DIR "/") + name};
}

// The library stays loaded to the end of the run, through Qt's clean-up at exit too: the
// reader's code lives in it.
PadPoll LazyPadReader::poll() {
    if (!m_tried) {
        m_tried = true;
        QString reasons;
        for (const QString& file : m_modules) {
            if (!QFile::exists(file)) continue;
            QLibrary module(file);
            module.setLoadHints(QLibrary::PreventUnloadHint);
            using Factory = PadReader* (*)(const char* devices);
            if (const auto make = reinterpret_cast<Factory>(module.resolve(kFactory))) {
                m_reader.reset(make(QFile::encodeName(m_devices).constData()));
                break;
            }
            reasons += QStringLiteral("\n  ") + module.errorString();
        }
        // A game built or installed without the module plays on without controllers, and says
        // nothing: most players have none. A module that is there and does not load is a fault.
        if (!m_reader && !reasons.isEmpty()) {
            std::fprintf(stderr, "varn: no game controller is read, the module does not load:%s\n",
                         qPrintable(reasons));
        }
    }
    if (m_reader) return m_reader->poll();
    PadPoll none;
    none.working = false;
    return none;
}

}  // namespace varn
