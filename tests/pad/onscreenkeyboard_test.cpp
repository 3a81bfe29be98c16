// onscreenkeyboard_test.cpp: a name typed on the on-screen keyboard with the arrows and Return
// alone, as a controller's d-pad and A give them, and keys that a screen reader names and a
// handheld's screen holds.
#include "onscreenkeyboard.h"

#include <gtest/gtest.h>

#include <QAccessible>
#include <QLineEdit>
#include <QPushButton>
#include <QSet>
#include <QSignalSpy>
#include <QTest>

#include "padglyphs.h"

namespace varn {
namespace {

TEST(OnScreenKeyboard, TypesANameWithTheArrowsAndReturn) {
    QLineEdit line;
    OnScreenKeyboard keyboard(&line);
    QSignalSpy closed(&keyboard, &OnScreenKeyboard::closed);
    keyboard.show();
    // u d l r: arrows; a: Return; x: Backspace. The cursor starts on Q.
    const struct {
        const char* keys;
        const char* want;
    } steps[] = {
        {"da", "A"},           // a capital to begin a name
        {"drrrrraa", "Ann"},   // down from A to Z, along to N
        {"ulllllla", "Anna"},  // up from N to J, back to A
        {"la", "Annal"},       // round the row's left edge to L
        {"x", "Anna"},         // Backspace
        {"xxxxa", "L"},        // a capital again once all is erased
        {"uuua", "L"},         // from L up over the top edge to Done
    };
    for (const auto& step : steps) {
        for (const char* key = step.keys; *key; ++key) {
            const Qt::Key code = *key == 'u'   ? Qt::Key_Up
                                 : *key == 'd' ? Qt::Key_Down
                                 : *key == 'l' ? Qt::Key_Left
                                 : *key == 'r' ? Qt::Key_Right
                                 : *key == 'a' ? Qt::Key_Return
                                               : Qt::Key_Backspace;
            QTest::keyClick(&keyboard, code);
        }
        EXPECT_EQ(line.text().toStdString(), step.want) << step.keys;
    }
    ASSERT_EQ(closed.count(), 1);
    EXPECT_TRUE(closed.front().front().toBool());
    EXPECT_FALSE(keyboard.isVisible());
}

TEST(OnScreenKeyboard, NamesEveryKeyAndFitsAHandheldScreen) {
    QLineEdit line;
    OnScreenKeyboard keyboard(&line);
    keyboard.ensurePolished();  // the style sheet's font
    const auto keys = keyboard.findChildren<QPushButton*>();
    QSet<QString> names;
    for (QPushButton* key : keys) {
        names.insert(QAccessible::queryAccessibleInterface(key)->text(QAccessible::Name));
        EXPECT_GE(QFontMetrics(key->font()).capHeight(), 12) << key->text().toStdString();
    }
    EXPECT_FALSE(names.contains(QString()));
    EXPECT_EQ(names.size(), keys.size());
    EXPECT_LE(keyboard.sizeHint().width(), 1280);
    EXPECT_LE(keyboard.sizeHint().height(), 800);
}

// A wrong row of a table draws a button twice, or draws nothing.
TEST(PadGlyphs, EachButtonHasAPictureOfItsOwnInEachStyle) {
    std::vector<QImage> faces;  // A, B, X and Y of every style
    for (const PadStyle style : {PadStyle::Lettered, PadStyle::Shapes, PadStyle::Nintendo}) {
        std::vector<QImage> seen;
        for (std::size_t button = 0; button < kPadButtonCount; ++button) {
            const QImage glyph = padGlyph(PadButton(button), style, 14).toImage();
            int opaque = 0;
            for (int y = 0; y < glyph.height(); ++y) {
                for (int x = 0; x < glyph.width(); ++x)
                    opaque += qAlpha(glyph.pixel(x, y)) > 128;
            }
            EXPECT_GT(opaque, glyph.width() * glyph.height() / 3) << button;
            EXPECT_EQ(std::count(seen.begin(), seen.end(), glyph), 0) << button;
            seen.push_back(glyph);
            if (PadButton(button) > PadButton::Y) continue;
            EXPECT_EQ(std::count(faces.begin(), faces.end(), glyph), 0) << button;
            faces.push_back(glyph);
        }
    }
}

}  // namespace
}  // namespace varn
