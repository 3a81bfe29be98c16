// fonts.cpp: the fonts of the design, named by the faces that draw them.
#include "fonts.h"

#include <QStringList>
#include <cstring>

namespace varn {

namespace {

// Comic Neue was drawn after Comic Sans; DejaVu Sans Condensed has Tahoma's narrow build;
// Liberation Sans has the metrics of the Arial family that replaced MS Sans Serif. Naming
// them outright spares start-up Qt's search through the system's faces and aliases for the
// design's own names, which no Debian system has.
struct LookAlike {
    const char* design;
    const char* face;
};
constexpr LookAlike kLookAlikes[] = {
    {"Comic Sans MS", "Comic Neue"},
    {"Tahoma", "DejaVu Sans Condensed"},
    {"MS Sans Serif", "Liberation Sans"},
};

QString faceFor(const char* family) {
    for (const LookAlike& lookAlike : kLookAlikes) {
        if (std::strcmp(lookAlike.design, family) == 0) return QString::fromLatin1(lookAlike.face);
    }
    return QString::fromLatin1(family);
}

}  // namespace

QFont designFont(const char* family, qreal points, bool bold, bool italic) {
    QFont font;
    font.setFamilies({faceFor(family), QStringLiteral("DejaVu Sans")});
    font.setPointSizeF(points);
    font.setBold(bold);
    font.setItalic(italic);
    return font;
}

}  // namespace varn
