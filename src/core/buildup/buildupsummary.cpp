#include "core/buildup/buildupsummary.h"

namespace tavix {

namespace {

// Density of the plaster item in the summary of the list-based kinds; index 0 is
// "no plaster" and has no suffix.
QString plasterDensitySuffix(int plasterItem)
{
    switch (plasterItem) {
    case 1:
        return QStringLiteral(" (1200 kg/m³)");
    case 2:
        return QStringLiteral(" (1000 kg/m³)");
    case 3:
        return QStringLiteral(" (1800 kg/m³)");
    default:
        return {};
    }
}

} // namespace

BuildUpSummary buildUpSummary(const BuildUpRecord &record, const BuildUpFieldTexts &texts)
{
    const long double d[3] = {record.d1, record.d2, record.d3};
    const long double roh[3] = {record.roh1, record.roh2, record.roh3};
    bool present[3];
    BuildUpSummary out;
    for (int i = 0; i < 3; ++i) {
        present[i] = d[i] * roh[i] > 0;
        out.layerNames[i] = present[i] ? texts.name[i] : QString();
    }

    QString lines[3];
    switch (record.Konstrukt) {
    case 0: {
        // Tavix masonry: the plaster lines follow the list choice alone.
        const int plaster[2] = {record.B1, record.B3};
        for (int k = 0; k < 2; ++k) {
            const int layer = k * 2;
            if (plaster[k] != 0)
                lines[layer] = texts.name[layer] + plasterDensitySuffix(plaster[k]);
        }
        lines[1] = texts.thickness[1] + QStringLiteral(" cm  Tavix, ") + texts.name[1];
        break;
    }
    case 1: {
        const int plaster[2] = {record.B1, record.B3};
        for (int k = 0; k < 2; ++k) {
            const int layer = k * 2;
            if (present[layer])
                lines[layer] = texts.name[layer] + plasterDensitySuffix(plaster[k]);
        }
        lines[1] = texts.thickness[1] + QStringLiteral(" cm  ") + texts.name[1];
        break;
    }
    default:
        for (int i = 0; i < 3; ++i) {
            if (present[i])
                lines[i] = texts.thickness[i] + QStringLiteral(" cm  ") + texts.name[i] +
                           QStringLiteral(" (") + texts.density[i] + QStringLiteral(" kg/m³)");
        }
        break;
    }
    out.lines = QStringList{lines[0], lines[1], lines[2]};
    // The list-based kinds store the summary lines as their layer texts.
    if (record.Konstrukt == 0 || record.Konstrukt == 1) {
        for (int i = 0; i < 3; ++i)
            out.layerNames[i] = lines[i];
    }
    return out;
}

} // namespace tavix
