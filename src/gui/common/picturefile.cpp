#include "gui/common/picturefile.h"

#include "core/io/filelayer.h"

#include <QBuffer>
#include <QImageReader>

namespace tavix::gui {

QImage readPictureFile(const QString &path, const QSize &fitInto)
{
    if (path.trimmed().isEmpty())
        return {};
    const FileReadResult file = readFileCapped(path, MaxPictureFileBytes);
    if (!file.ok())
        return {};
    QByteArray content = file.content;
    QBuffer buffer(&content);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    const QSize size = reader.size();
    if (!size.isValid() || size.isEmpty() || qint64(size.width()) * size.height() > MaxPicturePixels)
        return {};
    if (fitInto.isValid() && (size.width() > fitInto.width() || size.height() > fitInto.height()))
        reader.setScaledSize(size.scaled(fitInto, Qt::KeepAspectRatio));
    QImage picture;
    if (!reader.read(&picture))
        return {};
    return picture;
}

} // namespace tavix::gui
