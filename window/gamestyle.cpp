// gamestyle.cpp: the desktop style, with one icon deferred.
#include "gamestyle.h"

#include "deferredicon.h"

namespace varn {

QIcon GameStyle::standardIcon(StandardPixmap which, const QStyleOption* option,
                              const QWidget* widget) const {
    if (which != SP_ToolBarHorizontalExtensionButton || option)
        return QProxyStyle::standardIcon(which, option, widget);
    // The desktop style picks this icon by the application's layout direction alone, so it can
    // be made without the widget, which may be gone by then; the style outlives every widget.
    return QIcon(new DeferredIcon(
        [this, which] { return QProxyStyle::standardIcon(which, nullptr, nullptr); }));
}

}  // namespace varn
