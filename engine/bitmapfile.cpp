#include "engine/bitmapfile.h"

#include "engine/littleendian.h"

namespace {

constexpr uint32_t FILE_HEADER_SIZE = 14;
constexpr uint32_t CORE_HEADER_SIZE = 12;  // the old OS/2 header: 16-bit sizes
constexpr uint32_t INFO_HEADER_SIZE = 40;
// Larger than any picture a screen of this program shows.
constexpr int32_t MAX_SIDE = 32767;

enum Compression : uint32_t { RGB = 0, RLE8 = 1, RLE4 = 2, BITFIELDS = 3, ALPHA_BITFIELDS = 6 };

uint32_t u32(const std::string& b, size_t at) {
    return static_cast<uint32_t>(littleendian::getBits(reinterpret_cast<const unsigned char*>(b.data()) + at, 4));
}
uint16_t u16(const std::string& b, size_t at) {
    return static_cast<uint16_t>(littleendian::getBits(reinterpret_cast<const unsigned char*>(b.data()) + at, 2));
}

}  // namespace

bool readBitmapInfo(const std::string& bytes, BitmapInfo& info) {
    info = BitmapInfo();
    if (bytes.size() < FILE_HEADER_SIZE + 4 || bytes[0] != 'B' || bytes[1] != 'M') return false;
    const uint64_t pixelOffset = u32(bytes, 10);
    const uint32_t headerSize = u32(bytes, FILE_HEADER_SIZE);
    if (bytes.size() < FILE_HEADER_SIZE + static_cast<uint64_t>(headerSize)) return false;

    int64_t width, height;
    uint32_t bits, planes, compression = RGB, imageSize = 0;
    if (headerSize == CORE_HEADER_SIZE) {
        width = u16(bytes, 18);
        height = u16(bytes, 20);
        planes = u16(bytes, 22);
        bits = u16(bytes, 24);
    } else if (headerSize >= INFO_HEADER_SIZE) {
        width = static_cast<int32_t>(u32(bytes, 18));
        height = static_cast<int32_t>(u32(bytes, 22));
        planes = u16(bytes, 26);
        bits = u16(bytes, 28);
        compression = u32(bytes, 30);
        imageSize = u32(bytes, 34);
    } else {
        return false;
    }
    if (height < 0) height = -height;  // rows stored from the top
    if (width <= 0 || height <= 0 || width > MAX_SIDE || height > MAX_SIDE || planes != 1) return false;
    if (bits != 1 && bits != 4 && bits != 8 && bits != 16 && bits != 24 && bits != 32) return false;
    if (pixelOffset < FILE_HEADER_SIZE + headerSize) return false;

    uint64_t pixelBytes;
    switch (compression) {
    case RGB:
    case BITFIELDS:
    case ALPHA_BITFIELDS:
        // Each row padded to a multiple of four bytes.
        pixelBytes = static_cast<uint64_t>((width * bits + 31) / 32 * 4) * static_cast<uint64_t>(height);
        break;
    case RLE8:
    case RLE4:
        // Run-length data has no length of its own but the one the header states.
        if (imageSize == 0) return false;
        pixelBytes = imageSize;
        break;
    default:
        return false;
    }
    info.width = static_cast<int32_t>(width);
    info.height = static_cast<int32_t>(height);
    info.complete = pixelOffset + pixelBytes <= bytes.size();
    return true;
}
