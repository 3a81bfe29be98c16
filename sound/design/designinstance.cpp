// designinstance.cpp: case-insensitive access to the named values of one saved control.
#include "designinstance.h"

#include <algorithm>

namespace varn {

void DesignInstance::setExtent(int widthTwips, int heightTwips) {
    m_widthTwips = widthTwips;
    m_heightTwips = heightTwips;
}

std::string DesignInstance::lowerCase(std::string_view key) {
    std::string lower(key);
    for (char& c : lower) {
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    }
    return lower;
}

const PropertyValue* DesignInstance::find(std::string_view key) const {
    const std::string lower = lowerCase(key);
    const auto found = std::ranges::find(m_properties, lower, &DesignProperty::key);
    return found == m_properties.end() ? nullptr : &found->value;
}

void DesignInstance::set(std::string_view key, PropertyValue value) {
    std::string lower = lowerCase(key);
    const auto found = std::ranges::find(m_properties, lower, &DesignProperty::key);
    if (found != m_properties.end()) {
        found->value = std::move(value);
    } else {
        m_properties.push_back({std::move(lower), std::move(value)});
    }
}

}  // namespace varn
