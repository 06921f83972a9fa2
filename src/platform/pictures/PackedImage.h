#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>

// Pictures built into the program as raw pixels. Reading one decodes nothing and needs none of
// Qt's image readers, whose first use costs the start-up several milliseconds.
namespace PackedImage {

// The picture as bytes: "PKIM", its width and height as 32-bit little-endian numbers, then its
// premultiplied ARGB pixels as 32-bit little-endian numbers, row after row.
QByteArray pack(const QImage &image);
// The picture in those bytes, or a null image when they do not hold one.
QImage unpack(const QByteArray &bytes);
// The picture packed in the resource at path (":/art/title"), or a null image.
QImage load(const QString &path);

} // namespace PackedImage
