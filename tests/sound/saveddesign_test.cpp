// saveddesign_test.cpp: the saved design keeps key, type and value, and refuses damaged data.
#include "saveddesign.h"

#include <gtest/gtest.h>

#include "clipfile.h"
#include "designerror.h"
#include "sounderror.h"
#include "temporarydirectory.h"

namespace varn {
namespace {

// Instance 2 added before 1, keys in mixed case, values that look alike but differ in type,
// and a clip of some tens of kilobytes.
SavedDesign sample() {
    SavedDesign design;
    DesignInstance& second = design.add(2);
    second.setExtent(480, 360);
    second.set("SndFile", std::string("..\\zvuk\\varn2.wav"));
    ByteArray clip(34553);
    for (std::size_t i = 0; i < clip.size(); ++i)
        clip[i] = static_cast<std::uint8_t>(i * 31 + 7);
    second.set("MemWav", clip);
    const PropertyValue lookAlikes[] = {std::int16_t{0},  false, std::string(),    ByteArray{},
                                        std::int16_t{-7}, true,  std::string("1"), ByteArray{1}};
    DesignInstance& first = design.add(1);
    for (const PropertyValue& value : lookAlikes)
        first.set("Key" + std::to_string(first.properties().size()), value);
    first.set("KEY1", true);  // the same key in another case replaces the value in its place
    return design;
}

TEST(SavedDesign, KeepsEveryInstanceKeyTypeAndValueInIndexOrder) {
    const SavedDesign design = sample();
    const ByteArray bytes = design.encode();
    const SavedDesign restored = SavedDesign::decode(bytes);
    ASSERT_EQ(restored.instances().size(), 2u);
    for (int i = 0; i < 2; ++i) {
        EXPECT_EQ(restored.instances()[i].index(), i + 1);
        EXPECT_EQ(restored.instances()[i].properties(), design.instances()[i].properties());
    }
    EXPECT_EQ(restored.instances()[1].controlClass(), "Varn.EmbedSound");
    EXPECT_EQ(restored.instances()[1].heightTwips(), 360);
    EXPECT_EQ(restored.instances()[1].properties()[0].key, "sndfile");
    EXPECT_EQ(*restored.instances()[0].find("kEy1"), PropertyValue(true));
    EXPECT_EQ(restored.encode(), bytes) << "encoding again gives the same bytes";
}

// Two instances, the second with a 40000-byte clip and two flags. Its bytes from the start:
// signature 0, version 8, instance count 10, the first instance at 14 (class name, index,
// extent, value count), the second at 49: class name 53, index 68, value count 80, key "c" 84,
// type tag 89, length 90. From the end: "b" -3, its type tag -2.
ByteArray damageable() {
    SavedDesign design;
    design.add(1);
    DesignInstance& second = design.add(2);
    second.set("c", ByteArray(40000, 't'));
    second.set("a", true);
    second.set("b", true);
    return design.encode();
}

struct Damage {
    const char* name;
    long at;  // from the start, or from the end when negative; past the end adds a byte
    std::uint8_t byte;
};

void PrintTo(const Damage& damage, std::ostream* out) {
    *out << damage.name;
}

class DamagedDesignTest : public ::testing::TestWithParam<Damage> {};

TEST_P(DamagedDesignTest, IsRefused) {
    ByteArray bytes = damageable();
    const long at =
        GetParam().at < 0 ? static_cast<long>(bytes.size()) + GetParam().at : GetParam().at;
    if (at < static_cast<long>(bytes.size())) {
        bytes[static_cast<std::size_t>(at)] = GetParam().byte;
    } else {
        bytes.push_back(GetParam().byte);
    }
    EXPECT_THROW(static_cast<void>(SavedDesign::decode(bytes)), DesignError);
}

INSTANTIATE_TEST_SUITE_P(
    Bytes, DamagedDesignTest,
    ::testing::Values(Damage{"signature", 0, 'v'}, Damage{"version", 9, 2},
                      Damage{"instance_count", 10, 0x7F}, Damage{"class", 53, 'W'},
                      Damage{"negative_index", 68, 0x80}, Damage{"repeated_index", 71, 1},
                      Damage{"value_count", 80, 0x7F}, Damage{"clip_of_4_GB", 90, 0xFF},
                      Damage{"text_too_long", 89, 3}, Damage{"type_tag", -2, 9},
                      Damage{"repeated_key", -3, 'A'}, Damage{"stray_byte", 1 << 20, 0}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(SavedDesign, DataCutAtAnyLengthAreRefused) {
    const ByteArray bytes = sample().encode();
    // Every cut in the headers, then a coarser walk through the clip.
    for (std::size_t length = 0; length < bytes.size(); length += length < 400 ? 1 : 997) {
        EXPECT_THROW(static_cast<void>(SavedDesign::decode({bytes.data(), length})), DesignError)
            << length;
    }
}

TEST(SavedDesign, AsMuchAsCanBeReadBackIsSavedAndNoMore) {
    SavedDesign full;
    for (int i = 0; i < static_cast<int>(SavedDesign::kMaxInstances); ++i)
        full.add(i);
    full.add(0).set("memwav", ByteArray(ClipFile::kMaxClipBytes + 1));  // with its zero byte
    EXPECT_EQ(SavedDesign::decode(full.encode()).instances().size(), SavedDesign::kMaxInstances);
    SavedDesign tooMany = full;
    tooMany.add(SavedDesign::kMaxInstances);
    SavedDesign longClip;
    longClip.add(1).set("memwav", ByteArray(ClipFile::kMaxClipBytes + 2));
    SavedDesign longText;
    longText.add(1).set("sndfile", std::string(SavedDesign::kMaxTextLength + 1, 'x'));
    for (const SavedDesign* refused : {&tooMany, &longClip, &longText})
        EXPECT_THROW(static_cast<void>(refused->encode()), DesignError);
}

// A folder is no clip, and the descriptor that found it so is closed again.
TEST(ClipFile, AFolderIsRefusedAndLeavesNoDescriptorOpen) {
    const int descriptors = test::entryCount("/proc/self/fd");
    EXPECT_THROW(ClipFile("/"), SoundError);
    EXPECT_EQ(test::entryCount("/proc/self/fd"), descriptors);
}

}  // namespace
}  // namespace varn
