#include "engine/ui/picturefile.h"

#include <QFile>
#include <string>

#include "engine/bitmapfile.h"
#include "engine/regularfile.h"

namespace {

// The largest picture the program shows is 1024 x 768; a file many times
// that is not one of its pictures and is not read at all.
constexpr std::size_t MAX_PICTURE_BYTES = 16u << 20;

}  // namespace

QImage loadPictureFile(const QString& path, QSize expected) {
    std::string bytes;
    if (regularfile::readRegular(QFile::encodeName(path).toStdString(), bytes, MAX_PICTURE_BYTES) !=
        regularfile::ReadStatus::Read)
        return QImage();
    BitmapInfo info;
    // Checked before decoding, so that a header claiming a huge picture
    // costs nothing.
    if (!readBitmapInfo(bytes, info) || !info.complete || QSize(info.width, info.height) != expected)
        return QImage();
    QImage image = QImage::fromData(reinterpret_cast<const uchar*>(bytes.data()), static_cast<int>(bytes.size()),
                                    "BMP");
    if (image.size() != expected) return QImage();
    return image;
}
