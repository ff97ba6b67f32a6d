#include <gtest/gtest.h>

#include <tuple>
#include <vector>

#include "feedback/animscript.h"
#include "tests/support/testfiles.h"

namespace {

AnimationRecord sample() {
    AnimationRecord record;
    record.playOnce = 0x01020304;
    record.phase = {"3", "14", "", "", "16"};
    record.intervalMs = -10;
    record.duration = 25;
    record.soundName = "maleok";
    return record;
}

std::string textAt(const unsigned char* bytes, int offset) {
    return std::string(reinterpret_cast<const char*>(bytes + offset + 1), bytes[offset]);
}

}  // namespace

TEST(AnimationRecordLayout, FieldsSitAtTheirOffsetsLittleEndian) {
    unsigned char bytes[ANIMATION_RECORD_SIZE];
    encodeAnimationRecord(sample(), bytes);
    EXPECT_EQ(std::vector<int>(bytes, bytes + 4), (std::vector<int>{0x04, 0x03, 0x02, 0x01}));
    for (int k = 0; k < 5; ++k) EXPECT_EQ(textAt(bytes, 61 + 13 * k), sample().phase[k]) << "phase " << k + 1;
    EXPECT_EQ(std::vector<int>(bytes + 128, bytes + 136), (std::vector<int>{0xF6, 0xFF, 0xFF, 0xFF, 25, 0, 0, 0}));
    EXPECT_EQ(textAt(bytes, 136), "maleok");
}

TEST(AnimationRecordLayout, RoundTripsAndKeepsLongTextsInsideTheirFields) {
    AnimationRecord record = sample();
    record.phase[0] = "1234567890123456";          // room for 12
    record.phase[1] = "7";
    record.soundName = "abcdefghijklmnopqrstuvwxyz";  // room for 19
    unsigned char bytes[ANIMATION_RECORD_SIZE];
    encodeAnimationRecord(record, bytes);
    AnimationRecord back = decodeAnimationRecord(bytes);
    EXPECT_EQ(std::make_tuple(back.phase[0], back.phase[1], back.soundName, back.playOnce, back.intervalMs,
                              back.duration),
              std::make_tuple("123456789012", "7", "abcdefghijklmnopqrs", record.playOnce, -10, 25));
    // Damaged length bytes too stay within their fields.
    bytes[61] = 200;
    bytes[136] = 255;
    back = decodeAnimationRecord(bytes);
    EXPECT_EQ(std::make_tuple(back.phase[0].size(), back.soundName.size()), std::make_tuple(12u, 19u));
}

using AnimationFile = ScratchFolder;

TEST_F(AnimationFile, RecordsAreFoundAtMultiplesOf156) {
    std::vector<AnimationRecord> records(3, sample());
    records[2].soundName = "hura";
    records[2].phase = {"4", "5", "6", "", ""};
    ASSERT_TRUE(writeAnimationFile(path("AN.DAX"), records));
    EXPECT_EQ(readBytes(path("AN.DAX")).size(), 3u * 156u);
    AnimationRecord read;
    ASSERT_TRUE(readAnimationFileRecord(path("AN.DAX"), 2, read));
    EXPECT_EQ(std::make_tuple(read.soundName, read.phase[2]), std::make_tuple("hura", "6"));
}

TEST_F(AnimationFile, MissingFileAndRecordsBeyondTheEndAreRefused) {
    AnimationRecord read = sample();
    EXPECT_FALSE(readAnimationFileRecord(path("none.dax"), 0, read));
    ASSERT_TRUE(writeAnimationFile(path("AN.DAX"), {sample(), sample()}));
    EXPECT_FALSE(readAnimationFileRecord(path("AN.DAX"), 2, read) || readAnimationFileRecord(path("AN.DAX"), -1, read));
    // An incomplete last record does not count.
    writeBytes(path("AN.DAX"), readBytes(path("AN.DAX")).substr(0, 2 * 156 - 1));
    EXPECT_EQ((std::vector<bool>{readAnimationFileRecord(path("AN.DAX"), 0, read),
                                 readAnimationFileRecord(path("AN.DAX"), 1, read),
                                 writeAnimationFile(path("no/such/folder/AN.DAX"), {sample()})}),
              (std::vector<bool>{true, false, false}));
}
