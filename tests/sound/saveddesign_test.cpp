// saveddesign_test.cpp: the saved design keeps key, type and value, and refuses damaged data.
#include "saveddesign.h"

#include <gtest/gtest.h>

#include "crc32.h"
#include "designerror.h"

namespace varn {
namespace {

ByteArray clipOf(std::size_t size) {
    ByteArray clip(size);
    for (std::size_t i = 0; i < size; ++i)
        clip[i] = static_cast<std::uint8_t>(i * 31 + 7);
    return clip;
}

SavedDesign sampleDesign() {
    SavedDesign design;
    DesignInstance& second = design.add(2);
    second.setExtent(480, 480);
    second.set("SndFile", std::string("..\\zvuk\\varn2.wav"));
    second.set("SyncSnd", true);
    second.set("MemWav", clipOf(34553));
    DesignInstance& first = design.add(1);
    first.set("level", std::int16_t{-7});
    first.set("MemWav", ByteArray{});
    return design;
}

// A design with the single value `value` of instance 1.
ByteArray oneValue(const PropertyValue& value) {
    SavedDesign design;
    design.add(1).set("key", value);
    return design.encode();
}

void expectRefused(const ByteArray& bytes, const std::string& what) {
    try {
        static_cast<void>(SavedDesign::decode(bytes));
        ADD_FAILURE() << "damaged data taken: " << what;
    } catch (const DesignError& error) {
        EXPECT_NE(std::string(error.what()), "") << what;
    }
}

TEST(SavedDesign, RoundTripKeepsEveryInstanceKeyTypeAndValue) {
    const SavedDesign design = sampleDesign();
    const ByteArray bytes = design.encode();
    const SavedDesign restored = SavedDesign::decode(bytes);
    ASSERT_EQ(restored.instances().size(), 2u);
    EXPECT_EQ(restored.instances()[0].index(), 1) << "instances are kept in index order";
    const DesignInstance& second = restored.instances()[1];
    EXPECT_EQ(second.controlClass(), "Varn.EmbedSound");
    EXPECT_EQ(second.widthTwips(), 480);
    ASSERT_EQ(second.properties().size(), 3u);
    EXPECT_EQ(second.properties()[0].key, "sndfile");
    EXPECT_EQ(second.properties()[0].value, PropertyValue(std::string("..\\zvuk\\varn2.wav")));
    EXPECT_EQ(second.properties()[1].value, PropertyValue(true));
    EXPECT_EQ(second.properties()[2].value, PropertyValue(clipOf(34553)));
    EXPECT_EQ(*restored.instances()[0].find("LEVEL"), PropertyValue(std::int16_t{-7}));
    EXPECT_EQ(*restored.instances()[0].find("memwav"), PropertyValue(ByteArray{}));
    EXPECT_EQ(restored.encode(), bytes) << "encoding again gives the same bytes";
}

TEST(SavedDesign, TypesStayApartEvenForLookAlikeValues) {
    const PropertyValue values[] = {std::int16_t{0}, false, std::string(),    ByteArray{},
                                    std::int16_t{1}, true,  std::string("1"), ByteArray{1}};
    for (const PropertyValue& value : values) {
        const SavedDesign restored = SavedDesign::decode(oneValue(value));
        EXPECT_EQ(*restored.instances()[0].find("key"), value) << value.index();
    }
}

TEST(SavedDesign, KeysAreStoredInLowerCaseAndMatchInAnyCase) {
    DesignInstance instance(1);
    instance.set("MemWav", ByteArray{1});
    instance.set("MEMWAV", ByteArray{2});
    ASSERT_EQ(instance.properties().size(), 1u);
    EXPECT_EQ(instance.properties()[0].key, "memwav");
    EXPECT_EQ(*instance.find("mEmWaV"), PropertyValue(ByteArray{2}));
    instance.erase("MEMwav");
    EXPECT_EQ(instance.find("memwav"), nullptr);
}

TEST(SavedDesign, TruncatedDataFailAtEveryLength) {
    const ByteArray bytes = sampleDesign().encode();
    // Every cut in the headers, then a coarser walk through the clip.
    for (std::size_t length = 0; length < bytes.size(); length += length < 200 ? 1 : 997) {
        expectRefused(ByteArray(bytes.begin(), bytes.begin() + length),
                      "cut at " + std::to_string(length));
    }
}

TEST(SavedDesign, ForeignOrDamagedHeadersAreRefused) {
    const ByteArray good = sampleDesign().encode();
    ByteArray signature = good;
    signature[0] = 'v';
    expectRefused(signature, "signature");
    ByteArray version = good;
    version[9] = 2;
    expectRefused(version, "version");
    ByteArray trailing = good;
    trailing.push_back(0);
    expectRefused(trailing, "trailing byte");
    ByteArray manyInstances = good;
    manyInstances[10] = 0x7F;
    expectRefused(manyInstances, "instance count");
    expectRefused(ByteArray(64, 0), "zeros");
}

TEST(SavedDesign, HugeLengthsFailWithoutTakingTheirMemory) {
    ByteArray bytes = oneValue(ByteArray(16, 1));
    // The byte array's length is the 4 bytes before its 16 bytes of content.
    const std::size_t length = bytes.size() - 16 - 4;
    bytes[length] = 0xFF;
    bytes[length + 1] = 0xFF;
    bytes[length + 2] = 0xFF;
    bytes[length + 3] = 0xFE;
    expectRefused(bytes, "4 GB byte array");
    bytes[length] = 0x10;  // 256 MB, more than a clip may be and more than there is
    expectRefused(bytes, "256 MB byte array");
}

TEST(SavedDesign, BadInstancesAndKeysAreRefused) {
    SavedDesign design;
    design.add(1).setControlClass("Varn.Other");
    expectRefused(design.encode(), "unknown class");

    SavedDesign twoKeys;
    twoKeys.add(1).set("a", true);
    twoKeys.add(1).set("b", true);
    ByteArray repeatedKey = twoKeys.encode();
    ASSERT_EQ(repeatedKey[repeatedKey.size() - 3], 'b');
    repeatedKey[repeatedKey.size() - 3] = 'A';  // the same key as "a" in another case
    expectRefused(repeatedKey, "repeated key");

    SavedDesign twoInstances;
    twoInstances.add(1);
    twoInstances.add(2);
    ByteArray repeatedIndex = twoInstances.encode();
    // The last instance ends with its index, extent and value count, 4 bytes each.
    ASSERT_EQ(repeatedIndex[repeatedIndex.size() - 13], 2);
    repeatedIndex[repeatedIndex.size() - 13] = 1;
    expectRefused(repeatedIndex, "repeated index");
    repeatedIndex[repeatedIndex.size() - 16] = 0x80;  // a negative index
    expectRefused(repeatedIndex, "negative index");

    ByteArray unknownType = oneValue(true);
    unknownType[unknownType.size() - 2] = 9;
    expectRefused(unknownType, "type tag");
}

TEST(SavedDesign, TextThatCouldNotBeReadBackIsNotSaved) {
    SavedDesign design;
    design.add(1).set("sndfile", std::string(SavedDesign::kMaxTextLength + 1, 'x'));
    EXPECT_THROW(static_cast<void>(design.encode()), DesignError);
}

TEST(Crc32, MatchesTheStandardCheckValue) {
    const std::string check = "123456789";
    EXPECT_EQ(crc32({reinterpret_cast<const std::uint8_t*>(check.data()), check.size()}),
              0xCBF43926u);
    EXPECT_EQ(crc32({}), 0u);
}

}  // namespace
}  // namespace varn
