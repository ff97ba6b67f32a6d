// What the program takes from its files before it uses them: only regular
// files, whole pictures, equations a pupil can be given, and file names that
// can be shown.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <tuple>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "engine/bitmapfile.h"
#include "engine/cp1250.h"
#include "engine/engine.h"
#include "engine/littleendian.h"
#include "engine/regularfile.h"
#include "tests/support/testfiles.h"

namespace {

using regularfile::ReadStatus;

// An uncompressed BMP as Qt and most programs write it.
std::string bitmap(int width, int height, int bits = 24, uint32_t compression = 0, uint32_t imageSize = 0) {
    const int stride = (width * bits + 31) / 32 * 4;
    const int palette = bits <= 8 ? 4 << bits : 0;
    const uint32_t offset = 14 + 40 + palette;
    std::string b(offset + static_cast<size_t>(stride) * static_cast<size_t>(std::abs(height)), '\0');
    auto* p = reinterpret_cast<unsigned char*>(&b[0]);
    p[0] = 'B';
    p[1] = 'M';
    littleendian::putInt32(p + 2, static_cast<int32_t>(b.size()));
    littleendian::putInt32(p + 10, static_cast<int32_t>(offset));
    littleendian::putInt32(p + 14, 40);
    littleendian::putInt32(p + 18, width);
    littleendian::putInt32(p + 22, height);
    littleendian::putBits(p + 26, 1, 2);
    littleendian::putBits(p + 28, static_cast<uint64_t>(bits), 2);
    littleendian::putInt32(p + 30, static_cast<int32_t>(compression));
    littleendian::putInt32(p + 34, static_cast<int32_t>(imageSize));
    return b;
}

using RegularFiles = ScratchFolder;

TEST_F(RegularFiles, OnlyARegularFileOpensAndNothingElseBlocks) {
    writeBytes(path("plain"), "12345");
    ASSERT_EQ(::mkfifo(path("pipe").c_str(), 0600), 0);
    ASSERT_EQ(::mkdir(path("folder").c_str(), 0700), 0);
    ASSERT_EQ(::symlink(path("plain").c_str(), path("link").c_str()), 0);
    ASSERT_EQ(::symlink(path("pipe").c_str(), path("linktopipe").c_str()), 0);

    // A pipe with nobody writing would block open() and read() for good;
    // reaching the end of this test is the proof that nothing blocks.
    const struct {
        const char* name;
        bool opens;
        int errnoWhenNot;
    } cases[] = {
        {"plain", true, 0},           {"link", true, 0},          {"pipe", false, EINVAL},
        {"linktopipe", false, EINVAL}, {"folder", false, EISDIR}, {"absent", false, ENOENT},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const int fd = regularfile::openRegular(path(c.name), O_RDONLY);
        EXPECT_EQ(fd >= 0, c.opens);
        if (fd >= 0) {
            // Blocking again, as an ordinary descriptor.
            EXPECT_EQ(::fcntl(fd, F_GETFL) & O_NONBLOCK, 0);
            ::close(fd);
        } else {
            // Only a name nobody carries may be created in its place.
            EXPECT_EQ(errno, c.errnoWhenNot);
        }
        std::FILE* f = regularfile::fopenRegular(path(c.name), "r+b");
        EXPECT_EQ(f != nullptr, c.opens);
        if (f) std::fclose(f);

        std::string bytes = "old";
        uint64_t size = 0;
        const ReadStatus read = regularfile::readRegular(path(c.name), bytes, 100);
        const bool regular = regularfile::isRegular(path(c.name), &size);
        EXPECT_EQ(std::make_tuple(read, bytes, regular, size),
                  std::make_tuple(c.opens ? ReadStatus::Read : ReadStatus::NotOpened, c.opens ? "12345" : "", c.opens,
                                  c.opens ? 5u : 0u));
    }
    std::string bytes;
    const ReadStatus tooLarge = regularfile::readRegular(path("plain"), bytes, 4);
    EXPECT_EQ(std::make_tuple(tooLarge, bytes), std::make_tuple(ReadStatus::TooLarge, ""));
    EXPECT_EQ(regularfile::readRegular(path("plain"), bytes, 5), ReadStatus::Read);
}

TEST(BitmapFiles, SizeAndCompletenessComeFromTheHeaders) {
    // Read or not, width, height, complete.
    auto read = [](const std::string& bytes) {
        BitmapInfo info;
        const bool ok = readBitmapInfo(bytes, info);
        return std::make_tuple(ok, info.width, info.height, info.complete);
    };
    EXPECT_EQ(read(bitmap(47, 70)), std::make_tuple(true, 47, 70, true));

    // Rows stored from the top, palettes, 32-bit and run-length pictures.
    EXPECT_EQ(read(bitmap(10, -20)), std::make_tuple(true, 10, 20, true));
    for (int bits : {1, 4, 8, 16, 32}) EXPECT_EQ(read(bitmap(33, 7, bits)), std::make_tuple(true, 33, 7, true)) << bits;
    std::string rle = bitmap(8, 8, 8, 1, 40);
    rle.resize(rle.size() - 64 + 40);
    EXPECT_EQ(read(rle), std::make_tuple(true, 8, 8, true));
    rle.pop_back();
    EXPECT_EQ(read(rle), std::make_tuple(true, 8, 8, false));

    // A picture cut anywhere in its pixels is known to be incomplete.
    const std::string whole = bitmap(1024, 768);
    for (size_t cut : {whole.size() - 1, whole.size() / 2, size_t(54)})
        EXPECT_EQ(read(whole.substr(0, cut)), std::make_tuple(true, 1024, 768, false)) << cut;
}

TEST(BitmapFiles, WhatIsNoPictureOfThisProgram) {
    auto with = [](std::string b, size_t at, int32_t value, size_t width = 4) {
        unsigned char field[4];
        littleendian::putInt32(field, value);
        return b.replace(at, width, reinterpret_cast<const char*>(field), width);
    };
    const std::string good = bitmap(20, 10);
    const struct {
        const char* what;
        std::string bytes;
    } cases[] = {
        {"empty", ""},
        {"headers cut", good.substr(0, 30)},
        {"not BM", "PM" + good.substr(2)},
        {"zero width", with(good, 18, 0)},
        {"negative width", with(good, 18, -20)},
        {"zero height", with(good, 22, 0)},
        {"huge", with(with(good, 18, 100000), 22, 100000)},
        {"odd bit count", with(good, 28, 7, 2)},
        {"two planes", with(good, 26, 2, 2)},
        {"JPEG inside", with(good, 30, 4)},
        {"run-length without its length", with(good, 30, 1)},
        {"pixels inside the headers", with(good, 10, 20)},
        {"unknown header", with(good, 14, 20)},
    };
    for (const auto& c : cases) {
        BitmapInfo info;
        EXPECT_FALSE(readBitmapInfo(c.bytes, info)) << c.what;
    }
}

TEST(StoredEquations, OnlyAnEquationThePupilCanSolveIsGiven) {
    const std::string fraction = writtenFraction("x", "3");  // x over 3
    const std::string power = std::string("x") + char(POWER_START) + "2" + char(POWER_END);
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    const struct {
        std::string line;
        double root;
        bool given;
    } cases[] = {
        {"2x-5=-14-2x", -2.25, true},
        {"x=4", 4, true},
        {fraction + "=2", 6, true},
        {"(x+1)=2/ poznámka", 1, true},
        {power + "-" + power + "+x=3", 3, true},
        {"x=4/" + std::string(96, 'a'), 4, true},  // 100 bytes
        // Damaged: nothing, control characters, too long, markers that form
        // no fraction or power, bytes the code page lacks.
        {"", 0, false},
        {std::string("2x=\x01"), 0, false},
        {std::string("x=4\x7f"), 4, false},
        {"x=4/" + std::string(97, 'a'), 4, false},  // 101 bytes
        {std::string(1, char(FRACTION_START)) + "x=1", 1, false},
        {"x=" + std::string(1, char(NUMERATOR_END)) + "1", 1, false},
        {fraction.substr(0, 5) + "=2", 6, false},
        {"x" + std::string(1, char(POWER_START)) + "=1", 1, false},
        {"x=1" + std::string(1, char(0x81)), 1, false},
        {std::string(255, '\x82'), 0, false},
        // Not an equation in the unknown: no "=", an empty side, no unknown,
        // two unknowns, a line that cannot begin so, a syntax error.
        {"2x+4", -2, false},
        {"x=", 0, false},
        {"=x", 0, false},
        {"4=4", 0, false},
        {"x=y", 1, false},
        {"*x=4", 4, false},
        {"x=((4", 4, false},
        // The root is not finite, or the equation does not hold at it: no
        // line the pupil writes could pass the check.
        {"x=4", nan, false},
        {"x=4", inf, false},
        {"x=4", 5, false},
    };
    for (const auto& c : cases) {
        errorCode = SIDES_DIFFER;  // whatever a pupil's last check left
        const bool given = isPresentableEquation(c.line, c.root);
        EXPECT_EQ(std::make_tuple(given, errorCode), std::make_tuple(c.given, SIDES_DIFFER))
            << cp1250::toUtf8(c.line) << " at " << c.root;
    }
    errorCode = 0;
}

TEST(DiskNames, ShownInWindows1250AndOnlyWhenTheyCanBe) {
    const struct {
        std::string disk;
        bool shown;
        const char* asShownUtf8;
    } cases[] = {
        {"test.cvc", true, "test.cvc"},
        {"část 1.cvc", true, "část 1.cvc"},                // UTF-8, as Linux writes it
        {"\xE8\xE1st 1.cvc", true, "část 1.cvc"},          // Windows-1250 bytes from a Windows medium
        {"\xCE\xA9mega.cvc", true, "?mega.cvc"},          // Ω: UTF-8 the code page lacks
        {"a\nb.cvc", false, ""},                          // a control character
        {"\x81x.cvc", false, ""},                         // no UTF-8, and undefined in the code page
        {"\xE8\x01.cvc", false, ""},
    };
    for (const auto& c : cases) {
        std::string shown;
        const bool ok = cp1250::fromDiskName(c.disk, shown);
        EXPECT_EQ(std::make_tuple(ok, ok ? cp1250::toUtf8(shown) : ""),
                  std::make_tuple(c.shown, c.asShownUtf8)) << c.disk;
    }
}

}  // namespace
