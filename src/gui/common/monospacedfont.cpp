#include "gui/common/monospacedfont.h"

#include <QFontDatabase>
#include <QFontMetricsF>

namespace tavix::gui {

bool isMonospaced(const QFont &font)
{
    // Narrow, wide and blank, and the non-ASCII characters of the results text: a glyph
    // the family lacks comes from a fallback font with another width.
    const QString probe = QString::fromUtf8("iW ä³´");
    const QFontMetricsF metrics(font);
    const qreal advance = metrics.horizontalAdvance(probe.at(0));
    for (const QChar c : probe) {
        if (!qFuzzyCompare(metrics.horizontalAdvance(c), advance))
            return false;
    }
    return advance > 0;
}

QFont firstMonospacedFont(const QList<QFont> &candidates)
{
    for (const QFont &font : candidates) {
        if (isMonospaced(font))
            return font;
    }
    return candidates.isEmpty() ? QFont() : candidates.first();
}

QFont monospacedFont()
{
    const QFont system = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    QList<QFont> candidates{system};
    for (const char *family : {"DejaVu Sans Mono", "Liberation Mono"}) {
        QFont font(QString::fromLatin1(family));
        if (system.pointSizeF() > 0)
            font.setPointSizeF(system.pointSizeF());
        else
            font.setPixelSize(system.pixelSize());
        font.setStyleHint(QFont::TypeWriter);
        candidates << font;
    }
    return firstMonospacedFont(candidates);
}

} // namespace tavix::gui
