// Saving a whole file so that it is never left half-written: the new content
// goes to a temporary file beside the old one, which it then replaces with one
// rename.  A full disk or a failed write leaves the old file as it was.
//
// Header-only and plain POSIX, so that both the settings file and the
// exercise files can use it without linking anything more.
#pragma once

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <string>

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/types.h>
#include <unistd.h>

namespace savefile {

// Where the bytes go.  The program writes to the disk; tests put in one that
// stops part-way, as a full disk does.
class Output {
public:
    virtual ~Output() = default;
    // Writes all `size` bytes at `offset` of the open file `fd`; false when
    // any of them did not get there.
    virtual bool writeAt(int fd, off_t offset, const char* data, size_t size) = 0;
};

class DiskOutput : public Output {
public:
    bool writeAt(int fd, off_t offset, const char* data, size_t size) override {
        while (size > 0) {
            const ssize_t n = ::pwrite(fd, data, size, offset);
            if (n < 0 && errno == EINTR) continue;
            if (n <= 0) return false;
            data += n;
            size -= static_cast<size_t>(n);
            offset += n;
        }
        return true;
    }
};

inline Output& diskOutput() {
    static DiskOutput output;
    return output;
}

// The temporary file is hidden and matches neither "*.cvc" nor "*.dat", so no
// list of the program ever shows it, even when a crash leaves it behind.
constexpr char TEMPORARY_NAME[] = ".velmir-XXXXXX";

// Replaces the file `path` (a name on disk) by `bytes`, or creates it.  The
// new file keeps the old one's permissions (or gets the usual ones of a new
// file); a symbolic link stays a link and its target is replaced.  Returns
// false, with the old file untouched and no temporary file left, when
// anything fails.
inline bool replaceFile(std::string path, const std::string& bytes, Output& out = diskOutput()) {
    struct stat info;
    if (::lstat(path.c_str(), &info) == 0 && S_ISLNK(info.st_mode)) {
        char target[PATH_MAX];
        if (!::realpath(path.c_str(), target)) return false;
        path = target;
    }
    const size_t slash = path.rfind('/');
    std::string temporary = (slash == std::string::npos ? std::string() : path.substr(0, slash + 1)) + TEMPORARY_NAME;
    const int fd = ::mkstemp(&temporary[0]);
    if (fd < 0) return false;

    mode_t mode;
    if (::stat(path.c_str(), &info) == 0) {
        mode = info.st_mode & 07777;
    } else {
        const mode_t mask = ::umask(0);
        ::umask(mask);
        mode = 0666 & ~mask;
    }
    bool ok = ::fchmod(fd, mode) == 0 && out.writeAt(fd, 0, bytes.data(), bytes.size()) && ::fsync(fd) == 0;
    ok = ::close(fd) == 0 && ok;
    ok = ok && ::rename(temporary.c_str(), path.c_str()) == 0;
    if (!ok) ::unlink(temporary.c_str());
    return ok;
}

}  // namespace savefile
