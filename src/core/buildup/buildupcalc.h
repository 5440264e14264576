#pragma once

// The build-up recomputation: from what the build-up dialog holds (the working record
// with kind, list choices, mortar and approval variant, and the texts of its number
// fields) to the layer values, m', Rw and every text and visibility the dialog shows.
// The dialog only displays the result; it computes nothing itself.
//
// The approval variant is read from the working record: variant 1 when Zulassung1 is 1,
// variant 2 otherwise (the dialog sets the record from its radio buttons first).
//
// Below 80 kg/m² no Rw is derived. For thick bricks (kind 3) and lightweight concrete
// (kind 4) the mass law overrates the insulation; there Rw is the mass-law value less a
// fixed deduction, or the user's own value from a test certificate ("correction path").

#include "core/model/variablen.h"

#include <QString>
#include <QStringList>

namespace tavix {

// Mass per unit area in kg/m² from densities in kg/m³ and thicknesses in cm.
long double massPerUnitArea(long double roh1, long double d1, long double roh2, long double d2,
                            long double roh3, long double d3);

// Rw of the mass law ("Massekurve") in dB for a construction kind 0..5, m' in kg/m² and
// the wall density roh2 in kg/m³. 0 for an unknown kind and for m' <= 0.
long double massLawRw(int kind, long double m, long double roh2);

struct BuildUpDialogInput
{
    BuildUpRecord record; // working record; m and Rw are the dialog's earlier results
    // Texts of edit_d1, edit_roh1, edit_d2, edit_roh2, edit_d3, edit_roh3 in this order.
    QString fields[6];
    QString rwUserText;        // edit_RwUser
    bool rwUserTicked = false; // chk_RwUser
};

// Order of BuildUpDialogInput::fields and BuildUpDialogView::fields.
enum BuildUpField
{
    FieldD1 = 0,
    FieldRoh1,
    FieldD2,
    FieldRoh2,
    FieldD3,
    FieldRoh3
};

struct BuildUpDialogView
{
    // Non-empty: a field is not a number ("'…' ist kein gültiger Fließkommawert"). Show
    // it, write back `fields`, and keep the rest of the display unless displayValid.
    QString error;
    // False when the error stopped the mass half: nothing but `fields` is to be shown.
    // True (also without error) when every display member below is valid; after an error
    // in edit_RwUser the working Rw and RwUser are still the earlier ones.
    bool displayValid = false;

    // Working record: layer values, m (unrounded), Rw, RwUser, Zulassung1/2. The layer
    // texts schichtName1..3 are left as they came in; see layerTexts.
    BuildUpRecord record;
    QString fields[6]; // texts to write back into the six number fields

    bool layerTextsFromLists = false; // kinds 0 and 1: the layer-name fields show list items
    QString layerTexts[3];

    QString massText; // label_m: "m´ = 417.6 [kg/m²]"

    QString rwCaption; // lb_Rw
    bool rwCaptionRed = false;
    QString rwValueText; // label_Rw: "Rw = 58.8 [dB]" or "---"
    bool rwValueVisible = true;

    bool correctionVisible = false; // chk_RwUser, edit_RwUser, lb_UnitRw and memo_Meldung
    QStringList notes;              // the six lines of memo_Meldung, empty off the correction path
    QString rwUserText;             // new text of edit_RwUser

    bool approvalVisible = false; // rg_Zulassung1, rg_Zulassung2
    QString approval1Caption, approval2Caption;
};

BuildUpDialogView recomputeBuildUp(const BuildUpDialogInput &input, QChar decimalSeparator);

// Where the Rw of a stored build-up comes from, as the recomputation decides it: the mass
// law, the mass law less the deduction of its kind, or the user's value from a test
// certificate (the correction path); with the caption of the approval variant chosen where
// the kind has variants.
struct RwOrigin
{
    enum class Kind
    {
        MassLaw,
        Deduction,
        TestCertificate
    };
    Kind kind = Kind::MassLaw;
    long double massLawRw = 0; // dB
    QString approval;          // empty where the build-up has no approval variants
};
RwOrigin rwOrigin(const BuildUpRecord &record);

// The dialog state as opening the build-up dialog on a stored record shows it: the number
// fields in general form, the user Rw and its check box from the record.
BuildUpDialogInput dialogInputFromRecord(const BuildUpRecord &record, QChar decimalSeparator);

// The three summary lines of a build-up as the main window shows them after a project
// was read: one line per layer whose thickness × density is above 0; kinds 0 and 1 the
// layer text alone, kinds 2 and up "d cm  name (roh kg/m³)" with numbers in general form.
QStringList buildUpSummaryFromRecord(const BuildUpRecord &record, QChar decimalSeparator);

} // namespace tavix
