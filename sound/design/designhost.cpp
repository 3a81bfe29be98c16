// designhost.cpp: saved values by key, defaults left out, sizes and messages for one player.
#include "designhost.h"

#include <algorithm>

namespace varn {

DesignHost::DesignHost(DesignInstance& instance, Mode mode) : m_instance(instance), m_mode(mode) {}

void DesignHost::setTwipsPerPixel(int x, int y) {
    m_twipsX = x;
    m_twipsY = y;
}

void DesignHost::save(EmbedSound& control) {
    m_instance.clear();
    control.UserControl_WriteProperties();
}

void DesignHost::propertyChanged(const std::string& name) {
    m_changed.push_back(name);
}

bool DesignHost::modified(const std::string& name) const {
    return std::find(m_changed.begin(), m_changed.end(), name) != m_changed.end();
}

void DesignHost::setSize(int widthTwips, int heightTwips) {
    m_instance.setExtent(widthTwips, heightTwips);
}

void DesignHost::doEvents() {
    if (m_doEvents) m_doEvents();
}

PropertyValue DesignHost::readProperty(const std::string& key, const PropertyValue& defaultValue) {
    const PropertyValue* value = m_instance.find(key);
    return value ? *value : defaultValue;
}

void DesignHost::writeProperty(const std::string& key, const PropertyValue& value,
                               const PropertyValue& defaultValue) {
    // A value equal to its default is not written; reading it back gives the default anyway.
    // save() has cleared the instance, so nothing of an earlier save is left.
    if (value != defaultValue) m_instance.set(key, value);
}

void DesignHost::messageBox(const std::string& text, const std::string& title) {
    if (m_messageBox) m_messageBox(text, title);
}

}  // namespace varn
