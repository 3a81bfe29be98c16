// gamestyle.h: the desktop's own style, with the menu bar's overflow icon made when first shown.
#pragma once

#include <QProxyStyle>

namespace varn {

// Qt gives every menu bar a button for the menus that do not fit, and loads its icon from an
// image file as the bar is made: that wakes Qt's image reader and its format plugins, a tenth of
// the game's start-up, for a button the game's few menus never need. This style hands out that
// icon deferred; everything else is the desktop style's own.
class GameStyle : public QProxyStyle {
  public:
    QIcon standardIcon(StandardPixmap which, const QStyleOption* option = nullptr,
                       const QWidget* widget = nullptr) const override;
};

}  // namespace varn
