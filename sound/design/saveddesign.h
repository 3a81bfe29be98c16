// saveddesign.h: the saved design of the window's controls, encoded as typed values.
#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "designinstance.h"
#include "propertyvalue.h"

namespace varn {

// The encoding is a QDataStream (Qt 6.0 format) after a signature and a format version: per
// instance its class, index and extent, then each value as key, type tag and value. Reading
// checks every count and length against fixed bounds and the bytes actually there, so damaged
// or hostile data fail with a DesignError and never allocate more than they hold.
class SavedDesign {
  public:
    static constexpr std::uint32_t kMaxInstances = 1024;
    static constexpr std::uint32_t kMaxProperties = 64;
    static constexpr std::size_t kMaxKeyLength = 64;
    static constexpr std::size_t kMaxTextLength = 32768;

    static SavedDesign decode(std::span<const std::uint8_t> bytes);
    // Throws DesignError for what decode() would refuse: nothing is saved that cannot be read.
    ByteArray encode() const;

    // Instances in the order of their indexes.
    const std::vector<DesignInstance>& instances() const { return m_instances; }
    DesignInstance* find(int index);
    // The instance of that index, added without values when there is none.
    DesignInstance& add(int index);

  private:
    std::vector<DesignInstance> m_instances;
};

}  // namespace varn
