// soundhost.h: what the sound control needs of the window or designer that holds it.
#pragma once

#include <string>

#include "propertyvalue.h"

namespace varn {

class SoundHost {
  public:
    virtual ~SoundHost() = default;

    // True inside the running program, false while the window is being designed.
    virtual bool runMode() const = 0;
    // A saved property of the instance changed; the name as the control spells it.
    virtual void propertyChanged(const std::string& name) = 0;

    virtual int twipsPerPixelX() const = 0;
    virtual int twipsPerPixelY() const = 0;
    // Sets the instance's extent. It must not call the control's resize handler again.
    virtual void setSize(int widthTwips, int heightTwips) = 0;

    // Lets pending window events run once; any handler of the window may run inside.
    virtual void doEvents() = 0;

    // Named values of the saved design. A key that is missing reads as `defaultValue`; a value
    // equal to `defaultValue` is not written. Keys match without regard to case.
    virtual PropertyValue readProperty(const std::string& key,
                                       const PropertyValue& defaultValue) = 0;
    virtual void writeProperty(const std::string& key, const PropertyValue& value,
                               const PropertyValue& defaultValue) = 0;

    // A message box with an exclamation icon and one OK button; returns when it is closed.
    virtual void messageBox(const std::string& text, const std::string& title) = 0;
};

}  // namespace varn
