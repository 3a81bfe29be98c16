// embedsoundarray.h: the window's control array of sound players, restored from its saved design.
#pragma once

#include <functional>
#include <memory>
#include <span>
#include <vector>

#include "designhost.h"
#include "embedsound.h"
#include "soundoutput.h"

namespace varn {

// Every instance of the design becomes a player in run mode, with its settings and clip. All
// players share `output`, which must outlive the array; `doEvents` is the window's "let pending
// events run once" and is called by every PlaySound.
class EmbedSoundArray {
  public:
    // Throws DesignError for damaged design data and SoundError for values of the wrong type.
    EmbedSoundArray(std::span<const std::uint8_t> savedDesign, SoundOutput& output,
                    std::function<void()> doEvents);
    // Each player ends with UserControl_Terminate, which stops any clip that plays.
    ~EmbedSoundArray();
    EmbedSoundArray(const EmbedSoundArray&) = delete;
    EmbedSoundArray& operator=(const EmbedSoundArray&) = delete;

    // The player of that index; throws std::out_of_range when the design has none.
    EmbedSound& operator[](int index);
    bool contains(int index) const { return find(index) != nullptr; }
    std::vector<int> indexes() const;

  private:
    struct Item;
    EmbedSound* find(int index) const;

    std::vector<std::unique_ptr<Item>> m_items;
};

}  // namespace varn
