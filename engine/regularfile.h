// Opening the program's files: only regular files, never anything else that
// happens to carry the name.  A named pipe would block open() or read() for
// good, a directory opens on Linux and only fails at the first read, and a
// device may never end; each of them is a file that cannot be opened.
//
// Every file the program reads or changes is opened through here: the
// equation and exercise files, POM.CFG, AN.DAX and the pictures (read as
// bytes, then decoded).  Paths are names on the disk.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <string>

namespace regularfile {

// Whether `path` names a regular file (a link is followed); `size` gets its
// size when it does.
bool isRegular(const std::string& path, uint64_t* size = nullptr);

// open(2) of a regular file with `flags` (O_RDONLY or O_RDWR; O_CLOEXEC is
// added): the name is checked before opening, opened without blocking, so
// that a pipe put there meanwhile cannot hold it, and the open descriptor is
// checked again.  -1 otherwise; errno is then ENOENT only when nothing
// carries the name, so a caller may create the file only in that case.
int openRegular(const std::string& path, int flags);

// The same as a stdio stream; `mode` "rb" or "r+b".
std::FILE* fopenRegular(const std::string& path, const char* mode);

enum class ReadStatus { Read, NotOpened, TooLarge, ReadFailed };

// The whole file into `bytes` when it holds at most `maxBytes`.  A file too
// large is not read at all.  `bytes` is left empty unless it was read.
ReadStatus readRegular(const std::string& path, std::string& bytes, std::size_t maxBytes);

}  // namespace regularfile
