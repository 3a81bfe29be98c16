// fonts.cpp: font substitutes and the fonts of the design.
#include "fonts.h"

#include <QStringList>

namespace varn {

void installFontSubstitutes() {
    // Comic Neue was drawn after Comic Sans; DejaVu Sans Condensed has Tahoma's narrow build;
    // Liberation Sans has the metrics of the Arial family that replaced MS Sans Serif.
    QFont::insertSubstitutions(QStringLiteral("Comic Sans MS"),
                               {QStringLiteral("Comic Neue"), QStringLiteral("DejaVu Sans")});
    QFont::insertSubstitutions(QStringLiteral("Tahoma"), {QStringLiteral("DejaVu Sans Condensed"),
                                                          QStringLiteral("DejaVu Sans")});
    QFont::insertSubstitutions(QStringLiteral("MS Sans Serif"),
                               {QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")});
}

QFont designFont(const char* family, qreal points, bool bold, bool italic) {
    QFont font(QString::fromLatin1(family));
    font.setPointSizeF(points);
    font.setBold(bold);
    font.setItalic(italic);
    return font;
}

}  // namespace varn
