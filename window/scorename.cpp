// scorename.cpp: the spoken names of the score labels.
#include "scorename.h"

#include <QCoreApplication>

namespace varn {

namespace {

// The count that picks the plural form. A score may outgrow an int; the languages' rules look
// no further than the last two digits and whether the number is below a few, so the last six
// digits of a large number, kept large, pick the same form.
int pluralCount(const QString& digits) {
    bool small = false;
    const int whole = digits.toInt(&small);
    return small ? whole : 1'000'000 + digits.right(6).toInt();
}

}  // namespace

QString scoreName(bool highScore, const QString& digits) {
    // Named for the window, where the labels live, so the captions and their spoken names are
    // translated side by side.
    const int count = pluralCount(digits);
    const QString text =
        highScore ? QCoreApplication::translate("varn::Form1", "High score %1", nullptr, count)
                  : QCoreApplication::translate("varn::Form1", "Score %1", nullptr, count);
    return text.arg(digits);
}

}  // namespace varn
