// The one way a picture file becomes a QImage: read through the regular-file
// helper, its BMP headers checked, then decoded.  A picture of another size
// than the place it is drawn for, or one cut short (which would decode with
// its missing rows black), is no picture at all: a control is never drawn
// from a damaged file.
#pragma once

#include <QImage>
#include <QSize>
#include <QString>

// The BMP file at `path` when it is exactly `expected` and whole; a null
// image otherwise (missing, not a regular file, not a BMP, another size, cut
// short, undecodable).
QImage loadPictureFile(const QString& path, QSize expected);
