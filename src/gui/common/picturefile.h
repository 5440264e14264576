#pragma once

// Pictures chosen by the user (the company logo, its preview in the open dialog) are read
// defensively: through the file layer, so that a device or FIFO is refused before it could
// block, with a cap on the bytes, and with a cap on the pixels checked from the header
// before anything is decoded. Whatever fails gives a null image.

#include <QImage>
#include <QSize>
#include <QString>

namespace tavix::gui {

// More pixels than any sensible letterhead logo; larger pictures are refused unread.
constexpr qint64 MaxPicturePixels = 20'000'000;
// Compressed pictures of that size stay well below this.
constexpr qint64 MaxPictureFileBytes = 64 * 1024 * 1024;

// The picture at `path`, decoded at most `fitInto` large (keeping its proportions) when
// that is given; a null image when there is none that can be used.
QImage readPictureFile(const QString &path, const QSize &fitInto = QSize());

} // namespace tavix::gui
