// saveddesign_test.cpp: the saved design keeps key, type and value, and refuses damaged data.
#include "saveddesign.h"

#include <gtest/gtest.h>

#include "designerror.h"

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
        const DesignInstance& saved = design.instances()[i];
        const DesignInstance& read = restored.instances()[i];
        EXPECT_EQ(read.index(), i + 1);
        EXPECT_EQ(read.controlClass(), "Varn.EmbedSound");
        EXPECT_EQ(read.widthTwips(), saved.widthTwips());
        EXPECT_EQ(read.heightTwips(), saved.heightTwips());
        ASSERT_EQ(read.properties().size(), saved.properties().size());
        for (std::size_t k = 0; k < saved.properties().size(); ++k) {
            EXPECT_EQ(read.properties()[k].key, saved.properties()[k].key);
            EXPECT_EQ(read.properties()[k].value, saved.properties()[k].value) << k;
        }
    }
    EXPECT_EQ(restored.instances()[1].properties()[0].key, "sndfile");
    EXPECT_EQ(*restored.instances()[0].find("kEy1"), PropertyValue(true));
    EXPECT_EQ(restored.encode(), bytes) << "encoding again gives the same bytes";
}

// A design whose last instance holds the single value `value`.
ByteArray ending(const PropertyValue& value, int instances = 1) {
    SavedDesign design;
    for (int index = 1; index <= instances; ++index)
        design.add(index);
    design.add(instances).set("a", value);
    return design.encode();
}

struct Damage {
    const char* name;
    ByteArray (*bytes)();
};

void PrintTo(const Damage& damage, std::ostream* out) {
    *out << damage.name;
}

class DamagedDesignTest : public ::testing::TestWithParam<Damage> {};

TEST_P(DamagedDesignTest, IsRefused) {
    EXPECT_THROW(static_cast<void>(SavedDesign::decode(GetParam().bytes())), DesignError);
}

// Offsets from the end: an instance ends with its index, extent and value count, 4 bytes each,
// then each value: its key (length and bytes), a type tag and the value.
INSTANTIATE_TEST_SUITE_P(Bytes, DamagedDesignTest,
                         ::testing::Values(Damage{"zeros", [] { return ByteArray(64, 0); }},
                                           Damage{"signature",
                                                  [] {
                                                      auto b = sample().encode();
                                                      b[0] = 'v';
                                                      return b;
                                                  }},
                                           Damage{"version",
                                                  [] {
                                                      auto b = sample().encode();
                                                      b[9] = 2;
                                                      return b;
                                                  }},
                                           Damage{"stray_byte",
                                                  [] {
                                                      auto b = sample().encode();
                                                      b.push_back(0);
                                                      return b;
                                                  }},
                                           Damage{"instance_count",
                                                  [] {
                                                      auto b = sample().encode();
                                                      b[10] = 0x7F;
                                                      return b;
                                                  }},
                                           Damage{"class",
                                                  [] {
                                                      SavedDesign d;
                                                      d.add(1).setControlClass("Varn.Other");
                                                      return d.encode();
                                                  }},
                                           Damage{"repeated_index",
                                                  [] {
                                                      auto b = ending(true, 2);
                                                      b[b.size() - 20] = 1;
                                                      return b;
                                                  }},
                                           Damage{"negative_index",
                                                  [] {
                                                      auto b = ending(true);
                                                      b[b.size() - 23] = 0x80;
                                                      return b;
                                                  }},
                                           Damage{"value_count",
                                                  [] {
                                                      auto b = ending(true);
                                                      b[b.size() - 11] = 0x7F;
                                                      return b;
                                                  }},
                                           Damage{"repeated_key",
                                                  [] {
                                                      SavedDesign d;
                                                      d.add(1).set("a", true);
                                                      d.add(1).set("b", true);
                                                      auto b = d.encode();
                                                      b[b.size() - 3] = 'A';
                                                      return b;
                                                  }},
                                           Damage{"type_tag",
                                                  [] {
                                                      auto b = ending(true);
                                                      b[b.size() - 2] = 9;
                                                      return b;
                                                  }},
                                           Damage{"long_text",
                                                  [] {
                                                      auto b = ending(ByteArray(40000, 't'));
                                                      b[b.size() - 40005] = 3;
                                                      return b;
                                                  }},
                                           Damage{"4_GB_clip",
                                                  [] {
                                                      auto b = ending(ByteArray(16, 1));
                                                      b[b.size() - 20] = 0xFF;
                                                      b[b.size() - 19] = 0xFF;
                                                      return b;
                                                  }}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(SavedDesign, DataCutAtAnyLengthAreRefused) {
    const ByteArray bytes = sample().encode();
    // Every cut in the headers, then a coarser walk through the clip.
    for (std::size_t length = 0; length < bytes.size(); length += length < 400 ? 1 : 997) {
        EXPECT_THROW(static_cast<void>(SavedDesign::decode({bytes.data(), length})), DesignError)
            << length;
    }
}

TEST(SavedDesign, TextThatCouldNotBeReadBackIsNotSaved) {
    EXPECT_THROW(static_cast<void>(ending(std::string(SavedDesign::kMaxTextLength + 1, 'x'))),
                 DesignError);
}

}  // namespace
}  // namespace varn
