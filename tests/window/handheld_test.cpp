// handheld_test.cpp: the window full screen on a handheld's 1280 by 800 screen, played with a
// controller, in every language: each text that the window and its dialogs lay out, menus and
// the on-screen keyboard among them, is at least 12 pixels tall and shows whole. The fonts are
// measured as laid out, not read off a picture.
#include <QDialogButtonBox>
#include <QFontInfo>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QTabWidget>
#include <QTextBrowser>

#include "challengeenddialog.h"
#include "designtable.h"
#include "fittedfont.h"
#include "gamenumberdialog.h"
#include "namedialog.h"
#include "onscreenkeyboard.h"
#include "padfixture.h"
#include "padglyphs.h"
#include "padhintline.h"
#include "scoresdialog.h"
#include "translations.h"
#include "watchcodedialog.h"

namespace varn::test {
namespace {

constexpr QSize kScreen(1280, 800);
constexpr int kSmallest = 12;

bool isDesigned(const QWidget& widget) {
    for (const Control& control : designTable().controls) {
        if (widget.objectName() == QLatin1String(control.name))
            return control.kind != Control::Kind::Box;
    }
    return false;
}

class HandheldTest : public PadWindowTest, public ::testing::WithParamInterface<std::string> {
  protected:
    void SetUp() override {
        PadWindowTest::SetUp();
        // A PlayStation controller, which marks its buttons with shapes, in other languages.
        if (GetParam() != "en") m_pad = std::make_unique<VirtualPad>(0x054c, 0x09cc);
        m_form->resize(kScreen);
        std::deque<Step> steps;
        press(steps, "B");  // the controller's glyphs from now on
        ASSERT_TRUE(play(std::move(steps)));
    }

    // Every text shown in `root`; the smallest is kept for the report.
    void measure(QWidget& root, const char* where) {
        // A dialog in its frame; the window full screen, without one.
        const QSize outside = &root == m_form.get() ? root.size() : root.frameGeometry().size();
        ASSERT_LE(outside.width(), kScreen.width()) << where;
        ASSERT_LE(outside.height(), kScreen.height()) << where;
        QList<QWidget*> widgets = root.findChildren<QWidget*>();
        widgets << &root;
        for (QWidget* widget : widgets) {
            if (!widget->isVisible() || !showsText(*widget)) continue;
            const int pixels = QFontInfo(widget->font()).pixelSize();
            m_smallest = std::min(m_smallest, pixels);
            const std::string name =
                QStringLiteral("%1 %2 %3")
                    .arg(where, widget->objectName(), widget->metaObject()->className())
                    .toStdString();
            EXPECT_GE(pixels, kSmallest) << name;
            EXPECT_TRUE(whole(*widget))
                << name << ' ' << widget->width() << 'x' << widget->height() << " wants "
                << widget->minimumSizeHint().width() << 'x' << widget->minimumSizeHint().height();
        }
    }
    static bool showsText(const QWidget& widget) {
        if (const auto* label = qobject_cast<const QLabel*>(&widget))
            return !label->text().isEmpty();
        if (const auto* button = qobject_cast<const QAbstractButton*>(&widget))
            return !button->text().isEmpty();
        return widget.inherits("QLineEdit") || widget.inherits("QTabBar") ||
               widget.inherits("QAbstractItemView") || widget.inherits("QHeaderView") ||
               widget.inherits("QTextEdit") || widget.inherits("QMenu") ||
               widget.inherits("QMenuBar") || widget.inherits("varn::PadHintLine");
    }
    // A label or a button as wide as its text wants; a design's control whose text fits its
    // box at the scale; the hint line with room for every hint.
    bool whole(const QWidget& widget) const {
        const bool wraps = widget.property("wordWrap").toBool();
        if (isDesigned(widget)) {
            return textFits(widget.font(), widget.property("text").toString(),
                            textBox(widget, m_form->scale().factor()), wraps);
        }
        if (const auto* line = qobject_cast<const PadHintLine*>(&widget))
            return line->shownCount() == line->count();
        // A button's own minimum is the style's, wider than a key's letter needs.
        if (const auto* button = qobject_cast<const QAbstractButton*>(&widget)) {
            const QString text = QString(button->text()).remove(QLatin1Char('&'));
            const int icon = button->icon().isNull() ? 0 : button->iconSize().width() + 4;
            return button->fontMetrics().horizontalAdvance(text) + icon <= button->width() &&
                   button->fontMetrics().height() <= button->height();
        }
        if (!widget.inherits("QLabel")) return true;
        if (wraps) return widget.height() >= widget.heightForWidth(widget.width());
        return widget.width() >= widget.minimumSizeHint().width() &&
               widget.height() >= widget.minimumSizeHint().height();
    }
    void measureDialog(QDialog& dialog, const char* where) {
        dialog.show();
        QTest::qWait(1);
        if (auto* line = dialog.findChild<QLineEdit*>(QStringLiteral("varnTyped"))) {
            OnScreenKeyboard::openUnder(*line);
            QTest::qWait(1);
        }
        measure(dialog, where);
        if (GetParam() == "en")
            saveScreenshot(dialog.grab().toImage(),
                           (std::string("handheld-") + where + ".png").c_str());
    }

    Translations m_translations{QLocale(QString::fromStdString(GetParam()))};
    int m_smallest = 1000;
};

TEST_P(HandheldTest, EveryTextIsTwelvePixelsTallAndWholeOn1280By800) {
    measure(*m_form, "window");
    saveScreenshot(m_form->grab().toImage(), ("handheld-" + GetParam() + ".png").c_str());
    m_form->pomoc_Click();
    measure(*m_form, "help");
    std::deque<Step> steps;
    press(steps, "]");  // turns the help's page
    ASSERT_TRUE(play(std::move(steps)));
    measure(*m_form, "controls");
    // The controls' page draws the buttons of the controller used last.
    auto* controls = m_form->findChild<QTextBrowser*>();
    const PadStyle style = GetParam() == "en" ? PadStyle::Lettered : PadStyle::Shapes;
    EXPECT_EQ(controls->document()->resource(QTextDocument::ImageResource, QUrl("glyph:0")),
              padGlyph(PadButton::A, style, controls->fontMetrics().height(),
                       controls->devicePixelRatioF())
                  .toImage());
    m_form->findChild<QTextBrowser*>()->scrollToAnchor(QStringLiteral("controller"));
    saveScreenshot(m_form->grab().toImage(), ("handheld-controls-" + GetParam() + ".png").c_str());
    m_form->Command5_Click();
    for (QMenu* menu : m_form->menuBar()->findChildren<QMenu*>()) {
        menu->popup({0, 0});
        measure(*menu, "menu");
        menu->hide();
    }
    NameDialog name(QStringLiteral("Player"), 1, 120,
                    {QStringLiteral("Anna"), QStringLiteral("Bo")}, m_form.get());
    name.findChild<QLineEdit*>()->setObjectName(QStringLiteral("varnTyped"));
    measureDialog(name, "name");
    GameNumberDialog number(2026, 0, m_form.get());
    number.findChildren<QLineEdit*>().last()->setObjectName(QStringLiteral("varnTyped"));
    measureDialog(number, "number");
    ScoresDialog scores(ScoreTable{}, {}, {}, true, m_form.get());
    measureDialog(scores, "scores");
    scores.findChild<QTabWidget*>()->setCurrentIndex(1);
    measure(scores, "challenges");
    ChallengeEndDialog end({.score = 171, .moves = 50, .rank = 1, .code = "x", .movePoints = {171}},
                           m_form.get());
    measureDialog(end, "end");
    WatchCodeDialog watch([](const QString&) { return QString(); }, m_form.get());
    measureDialog(watch, "watch");
    std::printf("smallest text in %s: %d px\n", GetParam().c_str(), m_smallest);
}

INSTANTIATE_TEST_SUITE_P(Languages, HandheldTest, ::testing::Values("en", VARN_LANGUAGES),
                         [](const auto& language) { return language.param; });

}  // namespace
}  // namespace varn::test
