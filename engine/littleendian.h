// Integers and doubles in byte buffers, least significant byte first: the
// layout of every record file the program reads and writes, whatever the
// byte order of the machine it runs on.
#pragma once

#include <cstdint>
#include <cstring>

namespace littleendian {

// The low `count` bytes of `bits` (count at most 8).
inline void putBits(unsigned char* at, uint64_t bits, int count) {
    for (int i = 0; i < count; ++i) at[i] = static_cast<unsigned char>(bits >> (8 * i));
}

inline uint64_t getBits(const unsigned char* at, int count) {
    uint64_t bits = 0;
    for (int i = 0; i < count; ++i) bits |= static_cast<uint64_t>(at[i]) << (8 * i);
    return bits;
}

inline void putInt32(unsigned char* at, int32_t value) {
    putBits(at, static_cast<uint32_t>(value), 4);
}

inline int32_t getInt32(const unsigned char* at) {
    return static_cast<int32_t>(static_cast<uint32_t>(getBits(at, 4)));
}

// IEEE 754 double precision, 8 bytes.
inline void putDouble(unsigned char* at, double value) {
    uint64_t bits;
    std::memcpy(&bits, &value, sizeof bits);
    putBits(at, bits, 8);
}

inline double getDouble(const unsigned char* at) {
    const uint64_t bits = getBits(at, 8);
    double value;
    std::memcpy(&value, &bits, sizeof value);
    return value;
}

}  // namespace littleendian
