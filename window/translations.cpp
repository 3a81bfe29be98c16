// translations.cpp: choosing and installing the translations of the desktop's language.
#include "translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>

namespace varn {

Translations::Translations(const QLocale& locale) {
    if (locale.language() == QLocale::C) return;
    for (const QString& name : locale.uiLanguages()) {
        const QLocale language(name);
        // The sources are English: a desktop that puts English first gets no translation,
        // though a language it names later is one the game speaks.
        if (language.language() == QLocale::English || load(language)) break;
    }
}

bool Translations::load(const QLocale& language) {
    // The translations are built into the program under :/i18n as varn_<language>.qm.
    if (!m_game.load(language, QStringLiteral("varn"), QStringLiteral("_"),
                     QStringLiteral(":/i18n"))) {
        return false;
    }
    m_language = m_game.language();
    // Qt's standard dialogs and context menus speak the same language, where the system has
    // Qt's translations installed; without them they stay English.
    if (m_qt.load(language, QStringLiteral("qtbase"), QStringLiteral("_"),
                  QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QCoreApplication::installTranslator(&m_qt);
    }
    QCoreApplication::installTranslator(&m_game);
    return true;
}

}  // namespace varn
