// What a BMP file's headers promise, checked against its bytes before it is
// decoded: a picture cut short decodes without complaint, its missing rows
// simply black, so the pixel data's length is checked here.
#pragma once

#include <cstdint>
#include <string>

struct BitmapInfo {
    int32_t width = 0;
    int32_t height = 0;  // rows, whichever way they are stored
    // The file holds all the pixel data its headers describe.
    bool complete = false;
};

// False when `bytes` is no BMP this program can take: not "BM", headers cut
// short, no size, or a compression it does not use (JPEG, PNG).
bool readBitmapInfo(const std::string& bytes, BitmapInfo& info);
