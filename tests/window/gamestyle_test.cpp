// gamestyle_test.cpp: the game's style defers the menu bar's overflow icon, and that icon is the
// desktop style's own once made, in every size and mode it is drawn in.
#include "gamestyle.h"

#include <gtest/gtest.h>

#include <QPainter>

namespace varn {
namespace {

// The icon painted into a square of `side`.
QImage painted(const QIcon& icon, int side, QIcon::Mode mode) {
    QImage image(side, side, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    icon.paint(&painter, image.rect(), Qt::AlignCenter, mode);
    return image;
}

TEST(GameStyle, MenuBarOverflowIconIsTheDesktopStylesOwn) {
    GameStyle style;
    const QIcon own = style.baseStyle()->standardIcon(QStyle::SP_ToolBarHorizontalExtensionButton);
    const QIcon deferred = style.standardIcon(QStyle::SP_ToolBarHorizontalExtensionButton);
    ASSERT_FALSE(own.isNull());
    EXPECT_EQ(deferred.availableSizes(), own.availableSizes());
    for (const int side : {16, 24, 32}) {
        for (const QIcon::Mode mode : {QIcon::Normal, QIcon::Disabled}) {
            EXPECT_EQ(deferred.actualSize(QSize(side, side), mode),
                      own.actualSize(QSize(side, side), mode));
            EXPECT_EQ(deferred.pixmap(side, mode).toImage(), own.pixmap(side, mode).toImage())
                << side;
            EXPECT_EQ(painted(deferred, side, mode), painted(own, side, mode)) << side;
        }
    }
    // Every other icon is the desktop style's, as asked.
    EXPECT_EQ(style.standardIcon(QStyle::SP_TitleBarCloseButton).pixmap(16).toImage(),
              style.baseStyle()->standardIcon(QStyle::SP_TitleBarCloseButton).pixmap(16).toImage());
}

}  // namespace
}  // namespace varn
