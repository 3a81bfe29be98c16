// translation_test.cpp: in each language the window's texts fit their controls and have their
// glyphs; atspi_check.py proves in German that the real program reads in the language.
#include <QMenuBar>
#include <QRegularExpression>
#include <QToolButton>

#include "fittedfont.h"
#include "form1fixture.h"
#include "translations.h"

namespace varn::test {
namespace {

// Every translation in the language's source file, those kept for texts on their way in too.
QStringList translationsOf(const std::string& language) {
    QFile file(QStringLiteral(VARN_TRANSLATIONS_DIR "/varn_%1.ts").arg(language.c_str()));
    const QString xml = file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : "";
    static const QRegularExpression kText(
        QStringLiteral("<(?:translation|numerusform)[^>]*>([^<]+)<"));
    QStringList texts;
    for (const auto& match : kText.globalMatch(xml))
        texts << match.captured(1);
    return texts;
}

// The window built once the translation of the parameter's language is in place.
class LanguageTest : public Form1Test, public ::testing::WithParamInterface<std::string> {
  protected:
    void SetUp() override {
        ASSERT_EQ(m_translations.language().toStdString(), GetParam());
        Form1Test::SetUp();
    }
    Translations m_translations{QLocale(QString::fromStdString(GetParam()))};
};

TEST_P(LanguageTest, EveryTextFitsItsControlAtTheDesignSizeAndHasItsGlyphs) {
    saveScreenshot(m_form->grab().toImage(), ("varn-" + GetParam() + ".png").c_str());
    m_form->pomoc_Click();
    saveScreenshot(m_form->grab().toImage(), ("varn-help-" + GetParam() + ".png").c_str());
    for (const char* name : {"Label2", "Label7", "Label3", "Command1", "Command5", "Command6"}) {
        const QWidget& shown = *control(name);
        const QString text = shown.property("text").toString();
        EXPECT_TRUE(
            textFits(shown.font(), text, textBox(shown), shown.property("wordWrap").toBool()) &&
            shown.font().pointSizeF() >= kMinimumPoints)
            << name;
    }
    // The menu bar shows every title, with no overflow button.
    EXPECT_TRUE(m_form->menuBar()->findChild<QToolButton*>()->isHidden());
    // Every character has a glyph in the fonts installed, which Qt falls back on.
    const QString texts = translationsOf(GetParam()).join(QLatin1Char(' '));
    EXPECT_GT(texts.size(), 200);
    const QFontMetrics metrics(control("Label3")->font());
    for (const char32_t c : texts.toUcs4())
        EXPECT_TRUE(QChar::isSpace(c) || metrics.inFontUcs4(c)) << "U+" << std::hex << unsigned(c);
}

INSTANTIATE_TEST_SUITE_P(Languages, LanguageTest, ::testing::Values(VARN_LANGUAGES),
                         [](const auto& language) { return language.param; });

}  // namespace
}  // namespace varn::test
