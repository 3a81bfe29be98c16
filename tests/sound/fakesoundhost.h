// fakesoundhost.h: a scripted host for the sound control that records what the control asked.
#pragma once

#include <functional>
#include <map>
#include <string>
#include <vector>

#include "soundhost.h"

namespace varn::test {

struct MessageBoxShown {
    std::string text;
    std::string title;
};

struct PropertyWritten {
    std::string key;
    PropertyValue value;
    PropertyValue defaultValue;
};

class FakeSoundHost : public SoundHost {
  public:
    bool runMode() const override { return m_runMode; }
    void propertyChanged(const std::string& name) override { m_changed.push_back(name); }
    int twipsPerPixelX() const override { return m_twipsX; }
    int twipsPerPixelY() const override { return m_twipsY; }
    void setSize(int widthTwips, int heightTwips) override;
    void doEvents() override;
    PropertyValue readProperty(const std::string& key, const PropertyValue& defaultValue) override;
    void writeProperty(const std::string& key, const PropertyValue& value,
                       const PropertyValue& defaultValue) override;
    void messageBox(const std::string& text, const std::string& title) override {
        m_boxes.push_back({text, title});
    }

    bool m_runMode = false;
    int m_twipsX = 15;
    int m_twipsY = 15;
    int m_width = 0;
    int m_height = 0;
    int m_doEventsCount = 0;
    std::function<void()> m_onDoEvents;
    std::function<void()> m_onSetSize;
    std::map<std::string, PropertyValue> m_saved;  // what readProperty finds, by exact key
    std::vector<std::string> m_changed;
    std::vector<MessageBoxShown> m_boxes;
    std::vector<PropertyWritten> m_written;
};

}  // namespace varn::test
