// embedsoundarray.cpp: decoding the design and bringing each saved player back in run mode.
#include "embedsoundarray.h"

#include <stdexcept>
#include <string>

#include "saveddesign.h"

namespace varn {

struct EmbedSoundArray::Item {
    Item(DesignInstance saved, SoundOutput& output)
        : instance(std::move(saved)),
          host(instance, DesignHost::Mode::Run),
          control(host, output) {}

    DesignInstance instance;
    DesignHost host;
    EmbedSound control;
};

EmbedSoundArray::EmbedSoundArray(std::span<const std::uint8_t> savedDesign, SoundOutput& output,
                                 std::function<void()> doEvents) {
    const SavedDesign design = SavedDesign::decode(savedDesign);
    for (const DesignInstance& saved : design.instances()) {
        auto item = std::make_unique<Item>(saved, output);
        item->host.setDoEvents(doEvents);
        item->control.UserControl_ReadProperties();
        item->control.UserControl_Resize();
        // The player holds its clip now; the decoded copy is not needed at run time.
        item->instance.clear();
        m_items.push_back(std::move(item));
    }
}

EmbedSoundArray::~EmbedSoundArray() {
    for (const auto& item : m_items)
        item->control.UserControl_Terminate();
}

EmbedSound* EmbedSoundArray::find(int index) const {
    for (const auto& item : m_items) {
        if (item->instance.index() == index) return &item->control;
    }
    return nullptr;
}

EmbedSound& EmbedSoundArray::operator[](int index) {
    if (EmbedSound* player = find(index)) return *player;
    throw std::out_of_range("no sound player of index " + std::to_string(index));
}

std::vector<int> EmbedSoundArray::indexes() const {
    std::vector<int> indexes;
    for (const auto& item : m_items)
        indexes.push_back(item->instance.index());
    return indexes;
}

}  // namespace varn
