// gamestyle_test.cpp: the menu bar's overflow icon, made late, is the desktop style's own.
#include "gamestyle.h"

#include <gtest/gtest.h>

namespace varn {
namespace {

TEST(GameStyle, MenuBarOverflowIconIsTheDesktopStylesOwn) {
    GameStyle style;
    const QIcon own = style.baseStyle()->standardIcon(QStyle::SP_ToolBarHorizontalExtensionButton);
    const QIcon deferred = style.standardIcon(QStyle::SP_ToolBarHorizontalExtensionButton);
    ASSERT_FALSE(own.isNull());
    EXPECT_EQ(deferred.availableSizes(), own.availableSizes());
    for (const int side : {16, 24, 32}) {
        for (const QIcon::Mode mode : {QIcon::Normal, QIcon::Disabled})
            EXPECT_EQ(deferred.pixmap(side, mode).toImage(), own.pixmap(side, mode).toImage());
    }
}

}  // namespace
}  // namespace varn
