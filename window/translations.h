// translations.h: the game's texts and Qt's own in the desktop's language, for as long as
// the object lives.
#pragma once

#include <QLocale>
#include <QString>
#include <QTranslator>

namespace varn {

class Translations {
  public:
    // Installs the game's translation for the first of `locale`'s languages that the game
    // speaks, with Qt's own for the same language. English, or a language the game lacks,
    // ahead of any other keeps the game's own English texts, and so does the C locale even
    // when LANGUAGE names others, as gettext does. Qt's translators take themselves out of
    // the application as they go, so the texts return to English when the object does.
    explicit Translations(const QLocale& locale = QLocale::system());

    // The translation in use, as its file names it ("de", "pt_BR"); empty for English.
    QString language() const { return m_language; }

  private:
    bool load(const QLocale& language);

    QTranslator m_game;
    QTranslator m_qt;
    QString m_language;
};

}  // namespace varn
