#pragma once

// The program's own pictures: its icon on every window and the pictures of the main
// window's tool bar, drawn in one style (24 × 24, dark outline, light fills, one accent),
// with a disabled look that is unmistakably grey and faint.

#include <QIcon>

namespace tavix::gui {

enum class ToolBarPicture
{
    New,
    Open,
    Save,
    SaveAs,
    PrintPreview,
    VariantStudy,
    Results,
    Proof,
    Manual,            // "Programmbedienung": a question mark, the picture of help
    CalculationBasics, // an open book with a formula
    PracticeTips       // a light bulb
};

QIcon programIcon();
QIcon toolBarPicture(ToolBarPicture picture);

// Gives every window of the program its icon and tells the desktop which entry the program
// belongs to, so that task bars show the installed icon.
void installProgramIdentity();

} // namespace tavix::gui
