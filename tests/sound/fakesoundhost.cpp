// fakesoundhost.cpp: the recording host of the sound control tests.
#include "fakesoundhost.h"

namespace varn::test {

void FakeSoundHost::setSize(int widthTwips, int heightTwips) {
    m_width = widthTwips;
    m_height = heightTwips;
    if (m_onSetSize) m_onSetSize();
}

void FakeSoundHost::doEvents() {
    ++m_doEventsCount;
    if (m_onDoEvents) m_onDoEvents();
}

PropertyValue FakeSoundHost::readProperty(const std::string& key,
                                          const PropertyValue& defaultValue) {
    const auto found = m_saved.find(key);
    return found == m_saved.end() ? defaultValue : found->second;
}

void FakeSoundHost::writeProperty(const std::string& key, const PropertyValue& value,
                                  const PropertyValue& defaultValue) {
    m_written.push_back({key, value, defaultValue});
}

}  // namespace varn::test
