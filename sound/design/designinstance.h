// designinstance.h: one control of the saved design: its class, index, extent and named values.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "embedsound.h"
#include "propertyvalue.h"

namespace varn {

struct DesignProperty {
    std::string key;  // lower case
    PropertyValue value;

    bool operator==(const DesignProperty&) const = default;
};

class DesignInstance {
  public:
    explicit DesignInstance(int index = 0) : m_index(index) {}

    int index() const { return m_index; }
    const std::string& controlClass() const { return m_controlClass; }
    void setControlClass(std::string name) { m_controlClass = std::move(name); }

    int widthTwips() const { return m_widthTwips; }
    int heightTwips() const { return m_heightTwips; }
    void setExtent(int widthTwips, int heightTwips);

    // The values in the order they were written; keys match without regard to case.
    const std::vector<DesignProperty>& properties() const { return m_properties; }
    const PropertyValue* find(std::string_view key) const;
    // Replaces the value of an existing key in its place, or appends the key in lower case.
    void set(std::string_view key, PropertyValue value);
    void clear() { m_properties.clear(); }

    static std::string lowerCase(std::string_view key);

  private:
    int m_index;
    std::string m_controlClass = kEmbedSoundClass;
    int m_widthTwips = 0;
    int m_heightTwips = 0;
    std::vector<DesignProperty> m_properties;
};

}  // namespace varn
