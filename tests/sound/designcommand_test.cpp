// designcommand_test.cpp: varn-design creates, updates and lists saved designs.
#include "designcommand.h"

#include <gtest/gtest.h>

#include <sstream>

#include "crc32.h"
#include "saveddesign.h"
#include "temporarydirectory.h"

namespace varn {
namespace {

class DesignCommandTest : public ::testing::Test {
  protected:
    int run(std::vector<std::string> args) {
        m_out.str("");
        m_err.str("");
        args.insert(args.begin(), m_design);
        return DesignCommand(m_out, m_err).run(args);
    }
    std::string clip(std::size_t size, const std::string& name = "clip.wav") {
        test::writeWhole(m_dir.file(name), std::string(size, 'w'));
        return m_dir.file(name);
    }
    SavedDesign saved() const {
        const std::string bytes = test::readWhole(m_design);
        return SavedDesign::decode(
            {reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size()});
    }

    test::TemporaryDirectory m_dir;
    std::string m_design = m_dir.file("form.design");
    std::ostringstream m_out;
    std::ostringstream m_err;
};

TEST_F(DesignCommandTest, NewPlayerWithAClipPrintsTheSuccessBox) {
    const std::string path = clip(10262);
    EXPECT_EQ(run({"player", "1", "--sync", "--file", path}), 0);
    EXPECT_EQ(m_out.str(),
              "Success\nFile " + path + " was successfully embed.\r\nFile Size : 11 KB.\n");
    SavedDesign design = saved();
    ASSERT_EQ(design.instances().size(), 1u);
    const DesignInstance& instance = design.instances()[0];
    EXPECT_EQ(instance.index(), 1);
    EXPECT_EQ(instance.widthTwips(), 480);
    EXPECT_EQ(*instance.find("syncsnd"), PropertyValue(true));
    EXPECT_EQ(std::get<ByteArray>(*instance.find("memwav")).size(), 10263u);
    EXPECT_EQ(instance.find("loopsnd"), nullptr);
}

TEST_F(DesignCommandTest, UpdateKeepsWhatIsNotGivenAndOtherInstances) {
    ASSERT_EQ(run({"player", "2", "--loop", "--stop", "--file", clip(2048)}), 0);
    ASSERT_EQ(run({"player", "1", "--sync"}), 0);
    EXPECT_EQ(m_out.str(), "") << "no box without a file";
    ASSERT_EQ(run({"player", "2", "--no-loop"}), 0);
    SavedDesign design = saved();
    ASSERT_EQ(design.instances().size(), 2u);
    const DesignInstance& second = *design.find(2);
    EXPECT_EQ(second.find("loopsnd"), nullptr);
    EXPECT_EQ(*second.find("stopsnd"), PropertyValue(true));
    EXPECT_EQ(std::get<ByteArray>(*second.find("memwav")).size(), 2049u);
    EXPECT_EQ(*second.find("sndfile"), PropertyValue(m_dir.file("clip.wav")));
}

TEST_F(DesignCommandTest, FailedLoadPrintsTheErrorBoxKeepsTheClipAndExitsWithOne) {
    ASSERT_EQ(run({"player", "3", "--file", clip(100)}), 0);
    EXPECT_EQ(run({"player", "3", "--file", m_dir.file("missing.wav")}), 1);
    EXPECT_EQ(m_out.str(), "EmbedSound Error\nAn error occured.\r\nFile not found\n");
    SavedDesign design = saved();
    const DesignInstance& instance = *design.find(3);
    EXPECT_EQ(std::get<ByteArray>(*instance.find("memwav")).size(), 101u);
    EXPECT_EQ(*instance.find("sndfile"), PropertyValue(m_dir.file("missing.wav")));
}

TEST_F(DesignCommandTest, ShowListsKeysAndTheClipAsCountAndCrc) {
    ASSERT_EQ(run({"player", "1", "--sync", "--file", clip(5)}), 0);
    ASSERT_EQ(run({"player", "4"}), 0);
    ASSERT_EQ(run({"show"}), 0);
    const ByteArray bytes{'w', 'w', 'w', 'w', 'w', 0};
    char crc[16];
    std::snprintf(crc, sizeof crc, "%08x", crc32(bytes));
    EXPECT_EQ(m_out.str(),
              "instance 1: Varn.EmbedSound, extent 480 x 480 twips\n"
              "  sndfile: text \"" +
                  m_dir.file("clip.wav") +
                  "\"\n"
                  "  syncsnd: boolean True\n"
                  "  memwav: bytes 6 elements, CRC-32 " +
                  std::string(crc) +
                  "\n"
                  "instance 4: Varn.EmbedSound, extent 480 x 480 twips\n"
                  "  memwav: bytes 0 elements, CRC-32 00000000\n");
}

TEST_F(DesignCommandTest, BadUsageExitsWithTwoAndWritesNothing) {
    const std::vector<std::vector<std::string>> bad = {{},
                                                       {"player"},
                                                       {"player", "x"},
                                                       {"player", "-1"},
                                                       {"player", "40000"},
                                                       {"player", "1", "--file"},
                                                       {"player", "1", "--shout"},
                                                       {"show", "more"},
                                                       {"play", "1"}};
    for (const auto& args : bad) {
        EXPECT_EQ(run(args), 2) << (args.empty() ? "" : args[0]);
        EXPECT_NE(m_err.str().find("usage"), std::string::npos);
    }
    EXPECT_EQ(test::entryCount(m_dir.path()), 0);
    EXPECT_EQ(run({"show"}), 2) << "a missing design cannot be shown";
}

TEST_F(DesignCommandTest, DamagedDesignIsNeitherUsedNorOverwritten) {
    ASSERT_EQ(run({"player", "1", "--file", clip(300)}), 0);
    std::string bytes = test::readWhole(m_design);
    bytes.resize(bytes.size() - 10);
    test::writeWhole(m_design, bytes);
    EXPECT_EQ(run({"player", "1", "--sync"}), 2);
    EXPECT_NE(m_err.str().find("damaged"), std::string::npos) << m_err.str();
    EXPECT_EQ(run({"show"}), 2);
    EXPECT_EQ(test::readWhole(m_design), bytes);

    // Well-formed data whose flag is a text cannot restore the player either.
    SavedDesign wrongType;
    wrongType.add(1).set("loopsnd", std::string("often"));
    const ByteArray encoded = wrongType.encode();
    test::writeWhole(m_design, std::string(encoded.begin(), encoded.end()));
    EXPECT_EQ(run({"player", "1", "--sync"}), 2);
    EXPECT_NE(m_err.str().find("instance 1: Type mismatch"), std::string::npos) << m_err.str();
    EXPECT_EQ(run({"show"}), 0) << "listing needs no restore";
}

}  // namespace
}  // namespace varn
