// fontwarmup.cpp: reading fontconfig's configuration and Qt's font database ahead of need.
#include "fontwarmup.h"

#include <fontconfig/fontconfig.h>

#include <QFontDatabase>
#include <QStringList>

namespace varn {

FontWarmUp::FontWarmUp() : m_thread([] { FcInit(); }) {}

FontWarmUp::~FontWarmUp() {
    finish();
}

void FontWarmUp::finish() {
    if (m_thread.joinable()) m_thread.join();
}

// Fontconfig loads its configuration once for the whole process, but two threads that find it
// not yet loaded would each load it: the first reading ends before Qt can start its own.
void FontWarmUp::fillDatabase() {
    m_thread.join();
    m_thread = std::thread([] { QFontDatabase::families(); });
}

}  // namespace varn
