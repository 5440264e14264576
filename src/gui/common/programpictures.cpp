#include "gui/common/programpictures.h"

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPixmap>
#include <QSvgRenderer>

// Resources of a static library are registered by hand before their first use.
static void registerPictures()
{
    Q_INIT_RESOURCE(pictures);
}

namespace tavix::gui {

namespace {

QString resourceName(ToolBarPicture picture)
{
    switch (picture) {
    case ToolBarPicture::New:
        return QStringLiteral("neu");
    case ToolBarPicture::Open:
        return QStringLiteral("oeffnen");
    case ToolBarPicture::Save:
        return QStringLiteral("speichern");
    case ToolBarPicture::SaveAs:
        return QStringLiteral("speichern-unter");
    case ToolBarPicture::PrintPreview:
        return QStringLiteral("druckvorschau");
    case ToolBarPicture::VariantStudy:
        return QStringLiteral("varianten");
    case ToolBarPicture::Results:
        return QStringLiteral("ergebnisse");
    case ToolBarPicture::Proof:
        return QStringLiteral("nachweis");
    case ToolBarPicture::Manual:
        return QStringLiteral("handbuch");
    case ToolBarPicture::CalculationBasics:
        return QStringLiteral("grundlagen");
    case ToolBarPicture::PracticeTips:
        return QStringLiteral("praxistipps");
    }
    return {};
}

QString picturePath(const QString &name)
{
    static const bool registered = (registerPictures(), true);
    Q_UNUSED(registered);
    return QStringLiteral(":/pictures/pictures/%1.svg").arg(name);
}

QImage rendered(QSvgRenderer &renderer, int size)
{
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    renderer.render(&painter);
    return image;
}

// Grey and faint: the lightness of each pixel, lifted towards white, at 40 % opacity.
QImage disabledLook(const QImage &image)
{
    QImage grey = image.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < grey.height(); ++y) {
        auto *line = reinterpret_cast<QRgb *>(grey.scanLine(y));
        for (int x = 0; x < grey.width(); ++x) {
            const QRgb pixel = line[x];
            const int lightness = 110 + qGray(pixel) * 3 / 5;
            line[x] = qRgba(lightness, lightness, lightness, qAlpha(pixel) * 2 / 5);
        }
    }
    return grey;
}

} // namespace

QIcon programIcon()
{
    static const bool registered = (registerPictures(), true);
    Q_UNUSED(registered);
    return QIcon(QStringLiteral(":/pictures/tavix-schallschutz.svg"));
}

QIcon toolBarPicture(ToolBarPicture picture)
{
    QSvgRenderer renderer(picturePath(resourceName(picture)));
    QIcon icon;
    for (const int size : {16, 22, 24, 32, 48}) {
        const QImage image = rendered(renderer, size);
        icon.addPixmap(QPixmap::fromImage(image), QIcon::Normal);
        icon.addPixmap(QPixmap::fromImage(image), QIcon::Active);
        icon.addPixmap(QPixmap::fromImage(disabledLook(image)), QIcon::Disabled);
    }
    return icon;
}

void installProgramIdentity()
{
    QGuiApplication::setWindowIcon(programIcon());
    QGuiApplication::setDesktopFileName(QStringLiteral("tavix-schallschutz"));
}

} // namespace tavix::gui
