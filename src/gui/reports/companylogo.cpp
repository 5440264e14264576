#include "gui/reports/companylogo.h"

#include "core/io/filelayer.h"

#include <QBuffer>
#include <QImageReader>

namespace tavix::gui {

namespace {
// Compressed pictures of 20 megapixels stay well below this.
constexpr qint64 MaxLogoFileBytes = 64 * 1024 * 1024;
} // namespace

QImage loadCompanyLogo(const QString &path)
{
    if (path.trimmed().isEmpty())
        return {};
    const FileReadResult file = readFileCapped(path, MaxLogoFileBytes);
    if (!file.ok())
        return {};
    QByteArray content = file.content;
    QBuffer buffer(&content);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    const QSize size = reader.size();
    if (!size.isValid() || qint64(size.width()) * size.height() > MaxLogoPixels)
        return {};
    QImage logo;
    if (!reader.read(&logo))
        return {};
    return logo;
}

} // namespace tavix::gui
