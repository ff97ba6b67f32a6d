#include "teacher/settingswrite.h"


#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "engine/cp1250.h"
#include "engine/littleendian.h"
#include "engine/regularfile.h"

namespace {

// The whole file, read through the open descriptor.
bool readWhole(int fd, std::string& bytes) {
    struct stat info;
    if (::fstat(fd, &info) != 0 || info.st_size < 0) return false;
    bytes.assign(static_cast<size_t>(info.st_size), '\0');
    size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::pread(fd, &bytes[done], bytes.size() - done, static_cast<off_t>(done));
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        done += static_cast<size_t>(n);
    }
    return true;
}

std::string encodeRecords(const std::vector<double>& values) {
    std::string bytes(values.size() * SETTINGS_RECORD_SIZE, '\0');
    for (size_t k = 0; k < values.size(); ++k)
        littleendian::putDouble(reinterpret_cast<unsigned char*>(&bytes[k * SETTINGS_RECORD_SIZE]), values[k]);
    return bytes;
}

SettingsWrite writeFailed(const SettingsWarning& warn) {
    if (warn) warn(cp1250::w1250(" Nelze zapsat do souboru POM.CFG!"));
    return SettingsWrite::WriteFailed;
}

// Closes the descriptor on every way out.
struct Descriptor {
    int fd;
    ~Descriptor() {
        if (fd >= 0) ::close(fd);
    }
};

}  // namespace

SettingsWrite replaceSettingsRecords(int first, const std::vector<double>& values, const SettingsWarning& warn,
                                     const std::string& path, savefile::Output& out) {
    const Descriptor file{regularfile::openRegular(path, O_RDWR)};
    if (file.fd < 0) return SettingsWrite::OpenFailed;

    std::string old;
    if (!readWhole(file.fd, old)) return writeFailed(warn);
    const size_t offset = static_cast<size_t>(first) * SETTINGS_RECORD_SIZE;
    const std::string patch = encodeRecords(values);
    // Records beyond the end would make the file longer; it never changes length.
    if (first < 0 || offset + patch.size() > old.size()) return writeFailed(warn);

    std::string changed = old;
    changed.replace(offset, patch.size(), patch);
    if (savefile::replaceFile(path, changed, out)) return SettingsWrite::Written;

    // No room for a second copy: the records are overwritten where they are,
    // in one write, and put back as they were if that write fails.
    if (out.writeAt(file.fd, static_cast<off_t>(offset), patch.data(), patch.size()) && ::fsync(file.fd) == 0)
        return SettingsWrite::Written;
    out.writeAt(file.fd, static_cast<off_t>(offset), old.data() + offset, patch.size());
    ::fsync(file.fd);
    return writeFailed(warn);
}
