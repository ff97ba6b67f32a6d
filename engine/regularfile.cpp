#include "engine/regularfile.h"

#include <cerrno>
#include <cstring>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace regularfile {

bool isRegular(const std::string& path, uint64_t* size) {
    struct stat info;
    if (::stat(path.c_str(), &info) != 0 || !S_ISREG(info.st_mode)) return false;
    if (size) *size = static_cast<uint64_t>(info.st_size);
    return true;
}

int openRegular(const std::string& path, int flags) {
    struct stat info;
    if (::stat(path.c_str(), &info) != 0) return -1;  // errno from stat: ENOENT when absent
    if (!S_ISREG(info.st_mode)) {
        errno = S_ISDIR(info.st_mode) ? EISDIR : EINVAL;
        return -1;
    }
    int fd;
    do {
        fd = ::open(path.c_str(), flags | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    } while (fd < 0 && errno == EINTR);
    if (fd < 0) return -1;
    // Swapped for a pipe or a device between the check and the open.
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        ::close(fd);
        errno = EINVAL;
        return -1;
    }
    const int fileFlags = ::fcntl(fd, F_GETFL);
    if (fileFlags >= 0) ::fcntl(fd, F_SETFL, fileFlags & ~O_NONBLOCK);
    return fd;
}

std::FILE* fopenRegular(const std::string& path, const char* mode) {
    const bool update = std::strchr(mode, '+') != nullptr;
    const int fd = openRegular(path, update ? O_RDWR : O_RDONLY);
    if (fd < 0) return nullptr;
    std::FILE* file = ::fdopen(fd, mode);
    if (!file) {
        const int saved = errno;
        ::close(fd);
        errno = saved;
    }
    return file;
}

ReadStatus readRegular(const std::string& path, std::string& bytes, std::size_t maxBytes) {
    bytes.clear();
    const int fd = openRegular(path, O_RDONLY);
    if (fd < 0) return ReadStatus::NotOpened;
    struct stat info;
    ReadStatus status = ReadStatus::Read;
    if (::fstat(fd, &info) != 0 || info.st_size < 0) {
        status = ReadStatus::ReadFailed;
    } else if (static_cast<uint64_t>(info.st_size) > maxBytes) {
        status = ReadStatus::TooLarge;
    } else {
        bytes.resize(static_cast<std::size_t>(info.st_size));
        std::size_t done = 0;
        while (done < bytes.size()) {
            const ssize_t n = ::read(fd, &bytes[done], bytes.size() - done);
            if (n < 0 && errno == EINTR) continue;
            if (n <= 0) break;
            done += static_cast<std::size_t>(n);
        }
        // A file that shrank while it was read is as damaged as one cut short.
        if (done != bytes.size()) status = ReadStatus::ReadFailed;
    }
    ::close(fd);
    if (status != ReadStatus::Read) bytes.clear();
    return status;
}

}  // namespace regularfile
