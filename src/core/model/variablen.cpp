#include "core/model/variablen.h"

namespace tavix {

const char *const DefaultJunctionCode = "TS_ohneTrennung";

bool BuildUpRecord::operator==(const BuildUpRecord &o) const
{
    return Konstrukt == o.Konstrukt && Moertel == o.Moertel && B1 == o.B1 && B2 == o.B2 && B2a == o.B2a &&
           B2b == o.B2b && B3 == o.B3 && roh1 == o.roh1 && roh2 == o.roh2 && roh3 == o.roh3 && d1 == o.d1 &&
           d2 == o.d2 && d3 == o.d3 && schichtName1 == o.schichtName1 && schichtName2 == o.schichtName2 &&
           schichtName3 == o.schichtName3 && m == o.m && Rw == o.Rw && RwUserOn == o.RwUserOn &&
           Zulassung1 == o.Zulassung1 && Zulassung2 == o.Zulassung2 && RwUser == o.RwUser;
}

QString buildUpSlotKey(int element, int side)
{
    if (element == 0)
        return QStringLiteral("TB");
    return QStringLiteral("F%1_R%2").arg(element).arg(side);
}

QString liningSlotName(int element, int side)
{
    return QStringLiteral("VS%1_%2").arg(element).arg(side);
}

QString defaultFlankName(int flank)
{
    return QStringLiteral("Flanke %1").arg(flank);
}

QString defaultRoomName(int room)
{
    return QStringLiteral("Raum %1").arg(room);
}

void resetModel(ProjectModel &model, QChar decimalSeparator)
{
    model.RecalcEnabled = false;

    const QString zero = QStringLiteral("0") + decimalSeparator + QStringLiteral("00");
    const QString one = QStringLiteral("1") + decimalSeparator + QStringLiteral("00");

    FieldTexts &f = model.fields;
    f = FieldTexts();
    f.TB = QStringLiteral("Trennbauteil");
    model.Orientation = 0;

    for (auto &row : model.buildUp)
        for (auto &record : row)
            record = BuildUpRecord();
    for (auto &row : model.f0)
        for (int &v : row)
            v = 0;
    model.impactInputs = ImpactInputs();
    model.requirement = ProjectRequirement();
    model.impact = ImpactResult();

    model.A = model.Vol1 = model.Vol2 = model.L1 = model.L2 = 0;
    f.A = f.Vol1 = f.Vol2 = f.L1 = f.L2 = zero;
    for (int n = 1; n <= FlankCount; ++n) {
        model.LF[n] = 0;
        f.LF[n] = zero;
        f.Flanke[n] = defaultFlankName(n);
        f.FF[n][1] = f.FF[n][2] = one;
        model.Stoss[n] = QString::fromLatin1(DefaultJunctionCode);
        model.IdF[n] = true;
    }
    f.room1 = defaultRoomName(1);
    f.room2 = defaultRoomName(2);
    model.liningCategory = 1;

    model.dnTwDirection = DnTwDirection::Room1ToRoom2;
    model.dnTwNoteShown = false;

    model.RecalcEnabled = true;
    model.Highlight = 0;
}

void copyFlankRoom1ToRoom2(ProjectModel &model, int flank)
{
    model.buildUp[flank][2] = model.buildUp[flank][1];
    model.fields.Memo[flank][2] = model.fields.Memo[flank][1];
    model.fields.VS[flank][2] = model.fields.VS[flank][1];
    model.f0[flank][2] = model.f0[flank][1];
}

bool isLockedRoom2(const ProjectModel &model, int element, int side)
{
    return element >= 1 && element <= FlankCount && side == 2 && model.IdF[element];
}

bool mirrorsToRoom2(const ProjectModel &model, int element, int side)
{
    return element >= 1 && element <= FlankCount && side == 1 && model.IdF[element];
}

namespace {

template<typename Fields, typename Text> std::array<Text *, NumberFieldCount> numberFieldsOf(Fields &f)
{
    std::array<Text *, NumberFieldCount> texts = {&f.Vol1, &f.Vol2, &f.L1, &f.L2, &f.A};
    int i = 5;
    for (int n = 1; n <= FlankCount; ++n) {
        texts[i++] = &f.FF[n][1];
        texts[i++] = &f.LF[n];
        texts[i++] = &f.FF[n][2];
    }
    return texts;
}

bool isFlankAreaField(int index)
{
    return index >= 5 && (index - 5) % 3 != 1;
}

} // namespace

std::array<QString *, NumberFieldCount> numberFieldTexts(FieldTexts &fields)
{
    return numberFieldsOf<FieldTexts, QString>(fields);
}

std::array<const QString *, NumberFieldCount> numberFieldTexts(const FieldTexts &fields)
{
    return numberFieldsOf<const FieldTexts, const QString>(fields);
}

QString numberFieldName(int index)
{
    static const char *const leading[5] = {"edit_Vol1", "edit_Vol2", "edit_L1", "edit_L2", "edit_A"};
    if (index < 0 || index >= NumberFieldCount)
        return {};
    if (index < 5)
        return QLatin1String(leading[index]);
    const int flank = (index - 5) / 3 + 1;
    switch ((index - 5) % 3) {
    case 0:
        return QStringLiteral("edit_FF%1_1").arg(flank);
    case 1:
        return QStringLiteral("edit_LF%1").arg(flank);
    default:
        return QStringLiteral("edit_FF%1_2").arg(flank);
    }
}

QString numberFieldDefault(int index)
{
    return isFlankAreaField(index) ? QStringLiteral("1") : QStringLiteral("0");
}

} // namespace tavix
