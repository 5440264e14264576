#include "gui/mainwindow/mainwindowcontrols.h"

#include "core/model/appversion.h"
#include "gui/common/codepageguard.h"
#include "gui/common/colours.h"
#include "gui/common/programpictures.h"
#include "gui/sketch/schematic.h"
#include "ui_roompanel.h"

#include <QAction>
#include <QButtonGroup>
#include <QCheckBox>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QIcon>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStackedWidget>
#include <QStyle>
#include <QTabWidget>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

namespace tavix::gui {

namespace {

// The sketch keeps its colours while the main window is disabled behind an editing
// dialog: a plain label would grey its picture out exactly while the user chooses a
// build-up for the highlighted flank.
class SketchLabel : public QLabel
{
public:
    using QLabel::QLabel;

protected:
    void paintEvent(QPaintEvent *event) override
    {
        const QPixmap shown = pixmap();
        if (isEnabled() || shown.isNull()) {
            QLabel::paintEvent(event);
            return;
        }
        QPainter painter(this);
        const QSize size = shown.deviceIndependentSize().toSize();
        painter.drawPixmap(QStyle::alignedRect(layoutDirection(), alignment(), size, contentsRect()), shown);
    }
};

template<typename W> W *named(W *widget, const QString &name)
{
    widget->setObjectName(name);
    return widget;
}

QLabel *caption(const QString &text, QWidget *parent = nullptr)
{
    return new QLabel(text, parent);
}

// Rich-text caption whose blanks are kept, for the captions with subscripts.
QLabel *subscriptCaption(const QString &name, const QString &before, const QString &sub, const QString &after,
                         bool bold)
{
    auto *label = named(new QLabel, name);
    label->setTextFormat(Qt::RichText);
    label->setText(QStringLiteral("<span style=\"white-space:pre\">%1<sub>%2</sub>%3</span>")
                       .arg(before.toHtmlEscaped(), sub.toHtmlEscaped(), after.toHtmlEscaped()));
    if (bold) {
        QFont f = label->font();
        f.setBold(true);
        label->setFont(f);
    }
    return label;
}

QLineEdit *lineField(const QString &name, int maxLength)
{
    auto *edit = named(new QLineEdit, name);
    edit->setMaxLength(maxLength);
    return edit;
}

// Names and texts go into the project file: only what its code page holds.
QLineEdit *textField(const QString &name, int maxLength)
{
    auto *edit = lineField(name, maxLength);
    guardCodePage(edit);
    return edit;
}

// Number fields are as wide as eight digits of their font.
void sizeNumberField(QLineEdit *edit)
{
    edit->setFixedWidth(edit->fontMetrics().horizontalAdvance(QStringLiteral("00000000")) + 14);
}

QLineEdit *numberField(const QString &name, int maxLength)
{
    auto *edit = lineField(name, maxLength);
    edit->setAlignment(Qt::AlignRight);
    sizeNumberField(edit);
    return edit;
}

// White on the room's colour, as in the sketch.
void colourRoomStrip(QLabel *label, int side)
{
    label->setText(QStringLiteral(" Raum %1").arg(side));
    QPalette p = label->palette();
    p.setColor(QPalette::Window, colours::room(side));
    p.setColor(QPalette::WindowText, Qt::white);
    label->setPalette(p);
}

QLabel *roomStripLabel(const QString &name, int side)
{
    auto *label = named(new QLabel, name);
    label->setAutoFillBackground(true);
    colourRoomStrip(label, side);
    QFont f = label->font();
    f.setBold(true);
    label->setFont(f);
    label->setMargin(2);
    return label;
}

// Three lines of the memo's font, whatever font the desktop uses.
void sizeSummaryMemo(QPlainTextEdit *memo)
{
    const int lineHeight = memo->fontMetrics().lineSpacing();
    memo->setFixedHeight(3 * lineHeight + 2 * memo->frameWidth() + 10);
}

// The lining text is only shown, on the window's colour, and selected by a right click.
void greyLiningText(QLineEdit *text)
{
    text->setToolTip(LiningFieldHint);
    QPalette p = text->palette();
    p.setColor(QPalette::Base, p.color(QPalette::Window));
    text->setPalette(p);
}

QFrame *boxFrame(const QString &name)
{
    auto *frame = named(new QFrame, name);
    frame->setFrameShape(QFrame::StyledPanel);
    frame->setFrameShadow(QFrame::Sunken);
    return frame;
}

void makeBold(QWidget *w)
{
    QFont f = w->font();
    f.setBold(true);
    w->setFont(f);
}

void greyText(QWidget *w)
{
    QPalette p = w->palette();
    p.setColor(QPalette::WindowText, Qt::gray);
    p.setColor(QPalette::Text, Qt::gray);
    w->setPalette(p);
}

} // namespace

void MainWindowControls::setupUi(QMainWindow *window)
{
    window->setObjectName(QStringLiteral("SimplifiedModel"));
    window->setWindowTitle(QStringLiteral(" Tavix-Schallschutz Rechner (Version " TAVIX_VERSION_STRING ")"));
    setupMenus(window);
    setupToolBar(window);

    auto *central = new QWidget(window);
    auto *columns = new QHBoxLayout(central);
    columns->setContentsMargins(6, 6, 6, 6);
    columns->setSpacing(8);

    auto *left = new QVBoxLayout;
    left->addWidget(setupProjectPanel());
    PageControl = named(new QTabWidget, QStringLiteral("PageControl"));
    TabSheet[0] = setupSeparatingTab();
    PageControl->addTab(TabSheet[0], QStringLiteral("Trennbauteil"));
    for (int n = 1; n <= FlankCount; ++n) {
        TabSheet[n] = setupFlankTab(n);
        PageControl->addTab(TabSheet[n], defaultFlankName(n));
    }
    left->addWidget(PageControl, 1);
    columns->addLayout(left, 1);

    auto *right = new QVBoxLayout;
    // The result area takes its full height first; the drawing gets what is left.
    right->addWidget(setupResultArea(), 100);
    right->addWidget(setupDrawingPanel(), 1);
    columns->addLayout(right, 0);

    window->setCentralWidget(central);

    buildUpMenu = named(new QMenu(window), QStringLiteral("popup_Aufbau"));
    copy = named(buildUpMenu->addAction(QStringLiteral("Aufbau kopieren")), QStringLiteral("copy"));
    Insert = named(buildUpMenu->addAction(QStringLiteral("Aufbau einfügen")), QStringLiteral("Insert"));
    Insert->setEnabled(false);
    liningMenu = named(new QMenu(window), QStringLiteral("popup_Vorsatzschale"));
    copyVS = named(liningMenu->addAction(QStringLiteral("Vorsatzschale kopieren")), QStringLiteral("copyVS"));
    InsertVS =
        named(liningMenu->addAction(QStringLiteral("Vorsatzschale einfügen")), QStringLiteral("InsertVS"));
    InsertVS->setEnabled(false);

    for (int k = 0; k < NumberFieldCount; ++k)
        numberFields[k] = window->findChild<QLineEdit *>(numberFieldName(k));
}

void MainWindowControls::setupMenus(QMainWindow *window)
{
    QMenuBar *bar = window->menuBar();
    auto action = [window](QMenu *menu, const QString &name, const QString &text) {
        auto *a = named(new QAction(text, window), name);
        menu->addAction(a);
        return a;
    };
    QMenu *datei = named(bar->addMenu(QStringLiteral("&Datei")), QStringLiteral("menu_Datei"));
    FileNewItem = action(datei, QStringLiteral("FileNewItem"), QStringLiteral("&Neu"));
    FileOpenItem = action(datei, QStringLiteral("FileOpenItem"), QStringLiteral("&Öffnen..."));
    FileSaveItem = action(datei, QStringLiteral("FileSaveItem"), QStringLiteral("&Speichern"));
    save_as = action(datei, QStringLiteral("save_as"), QStringLiteral("&Speichern unter..."));
    FileNewItem->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_N));
    FileOpenItem->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_O));
    FileSaveItem->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));
    save_as->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S));
    datei->addSeparator();
    FilePrintItem = action(datei, QStringLiteral("FilePrintItem"), QStringLiteral("&Druckvorschau"));
    datei->addSeparator();
    FileExitItem = action(datei, QStringLiteral("FileExitItem"), QStringLiteral("&Beenden"));

    QMenu *settings =
        named(bar->addMenu(QStringLiteral("Ein&stellungen")), QStringLiteral("menu_Einstellungen"));
    Firmendaten1 = action(settings, QStringLiteral("Firmendaten1"), QStringLiteral("Firmendaten editieren"));

    QMenu *results = named(bar->addMenu(QStringLiteral("&Ergebnisse")), QStringLiteral("menu_Ergebnisse"));
    Berechnungsergebnisse1 =
        action(results, QStringLiteral("Berechnungsergebnisse1"), QStringLiteral("Berechnungsergebnisse"));
    Variantenuntersuchung1 =
        action(results, QStringLiteral("Variantenuntersuchung1"), QStringLiteral("Variantenuntersuchung"));
    Nachweis1 = action(results, QStringLiteral("Nachweis1"), QStringLiteral("Nachweis und Übertragungswege"));

    QMenu *info = named(bar->addMenu(QStringLiteral("&Info")), QStringLiteral("menu_Info"));
    Internet1 = action(info, QStringLiteral("Internet1"), QStringLiteral("Haftung"));
    Internet2 = action(info, QStringLiteral("Internet2"), QStringLiteral("Impressum"));

    QMenu *manual = named(bar->addMenu(QStringLiteral("&Handbuch")), QStringLiteral("menu_Handbuch"));
    Handbuch = action(manual, QStringLiteral("Handbuch"), QStringLiteral("Programmbedienung (pdf-Datei)"));
    BeschreibungdesRechenverfahrenspdfFormat1 =
        action(manual, QStringLiteral("BeschreibungdesRechenverfahrenspdfFormat1"),
               QStringLiteral("Berechnungsgrundlagen (pdf-Datei)"));
    TavixPraxistipps =
        action(manual, QStringLiteral("TavixPraxistipps"), QStringLiteral("Tavix Praxistipps (pdf-Datei) "));
}

void MainWindowControls::setupToolBar(QMainWindow *window)
{
    SpeedBar = named(new QToolBar(window), QStringLiteral("SpeedBar"));
    SpeedBar->setMovable(false);
    SpeedBar->setFloatable(false);
    SpeedBar->setIconSize(QSize(24, 24)); // the size the tool-bar pictures are drawn for
    window->addToolBar(Qt::TopToolBarArea, SpeedBar);
    auto button = [&](const QString &name, ToolBarPicture picture, const QString &hint) {
        auto *b = named(new QToolButton(SpeedBar), name);
        b->setIcon(toolBarPicture(picture));
        b->setToolTip(hint);
        b->setAutoRaise(true);
        SpeedBar->addWidget(b);
        return b;
    };
    SpeedButtonNew = button(QStringLiteral("SpeedButtonNew"), ToolBarPicture::New,
                            QStringLiteral(" Neues Projekt (alle Eingaben rücksetzen) "));
    SpeedButtonOpen = button(QStringLiteral("SpeedButtonOpen"), ToolBarPicture::Open,
                             QStringLiteral(" Neues Projekt öffnen "));
    SpeedButtonSaveFile = button(QStringLiteral("SpeedButtonSaveFile"), ToolBarPicture::Save,
                                 QStringLiteral(" Projekt speichern (Strg+S) "));
    SpeedButtonSave = button(QStringLiteral("SpeedButtonSave"), ToolBarPicture::SaveAs,
                             QStringLiteral(" Projekt speichern unter... "));
    SpeedBar->addSeparator();
    SpeedButtonPrint = button(QStringLiteral("SpeedButtonPrint"), ToolBarPicture::PrintPreview,
                              QStringLiteral(" Druckvorschau "));
    button_Variant = button(QStringLiteral("button_Variant"), ToolBarPicture::VariantStudy,
                            QStringLiteral(" Variantenuntersuchung "));
    button_Nachweis = button(QStringLiteral("button_Nachweis"), ToolBarPicture::Proof,
                             QStringLiteral(" Nachweis und Übertragungswege "));
    btn_Results = button(QStringLiteral("btn_Results"), ToolBarPicture::Results,
                         QStringLiteral(" detaillierte Berechnungsergebnisse "));
    SpeedBar->addSeparator();
    SpeedButtonHandbuch = button(QStringLiteral("SpeedButtonHandbuch"), ToolBarPicture::Manual,
                                 QStringLiteral(" Programmbedienung "));
    SpeedButtonBerechnungsgrundlagen =
        button(QStringLiteral("SpeedButtonBerechnungsgrundlagen"), ToolBarPicture::CalculationBasics,
               QStringLiteral(" Berechnungsgrundlagen "));
    SpeedButtonTavixTipps = button(QStringLiteral("SpeedButtonTavixTipps"), ToolBarPicture::PracticeTips,
                                   QStringLiteral(" Tavix Praxistipps "));
    SpeedBar->addSeparator();

    // The toolbar owns the visibility of the widgets it holds directly; the file line sits in
    // a holder so that it can be hidden and shown by itself.
    auto *holder = new QWidget(SpeedBar);
    auto *holderLayout = new QHBoxLayout(holder);
    holderLayout->setContentsMargins(4, 0, 4, 0);
    Bevel_Datei = named(new QFrame(holder), QStringLiteral("Bevel_Datei"));
    Bevel_Datei->setFrameShape(QFrame::StyledPanel);
    Bevel_Datei->setFrameShadow(QFrame::Sunken);
    auto *fileLine = new QHBoxLayout(Bevel_Datei);
    fileLine->setContentsMargins(6, 2, 6, 2);
    lb_Datei = named(new QLabel(QStringLiteral("Projektdatei:")), QStringLiteral("lb_Datei"));
    label_DatName = named(new QLabel, QStringLiteral("label_DatName"));
    label_DatName->setTextInteractionFlags(Qt::TextSelectableByMouse);
    fileLine->addWidget(lb_Datei);
    fileLine->addWidget(label_DatName, 1);
    holderLayout->addWidget(Bevel_Datei, 1);
    holder->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
    SpeedBar->addWidget(holder);
    Bevel_Datei->hide();
    lb_Datei->hide();
    label_DatName->hide();
}

QWidget *MainWindowControls::setupProjectPanel()
{
    panel_Tavix = boxFrame(QStringLiteral("panel_Tavix"));
    auto *grid = new QGridLayout(panel_Tavix);
    grid->setContentsMargins(8, 6, 8, 6);
    grid->setHorizontalSpacing(6);
    grid->setVerticalSpacing(4);

    PanelTavix = named(new QFrame, QStringLiteral("PanelTavix"));
    PanelTavix->setToolTip(QStringLiteral(" Homepage Tavix-Info GmbH "));
    PanelTavix->setFrameShape(QFrame::StyledPanel);
    auto *logoLayout = new QVBoxLayout(PanelTavix);
    logoLayout->setContentsMargins(4, 4, 4, 4);
    ImageTavix = named(new QLabel(QStringLiteral("TAVIX")), QStringLiteral("ImageTavix"));
    ImageTavix->setAlignment(Qt::AlignCenter);
    ImageTavix->setCursor(Qt::PointingHandCursor);
    ImageTavix->setToolTip(PanelTavix->toolTip());
    QFont logoFont = ImageTavix->font();
    logoFont.setBold(true);
    logoFont.setPointSizeF(logoFont.pointSizeF() * 1.8);
    ImageTavix->setFont(logoFont);
    QPalette logoPalette = ImageTavix->palette();
    logoPalette.setColor(QPalette::WindowText, QColor(0, 0, 128));
    ImageTavix->setPalette(logoPalette);
    ImageTavix->setMinimumWidth(76);
    logoLayout->addWidget(ImageTavix);
    grid->addWidget(PanelTavix, 0, 0, 4, 1);

    edit_Projekt = textField(QStringLiteral("edit_Projekt"), 60);
    edit_Str = textField(QStringLiteral("edit_Str"), 50);
    edit_PLZ = textField(QStringLiteral("edit_PLZ"), 8);
    edit_PLZ->setFixedWidth(edit_PLZ->fontMetrics().horizontalAdvance(QStringLiteral("000000000")) + 12);
    edit_Ort = textField(QStringLiteral("edit_Ort"), 50);
    edit_Variante = textField(QStringLiteral("edit_Variante"), 33);
    edit_Ort->setMinimumWidth(100);
    edit_Projekt->setMinimumWidth(170);
    grid->addWidget(caption(QStringLiteral("Projekt:")), 0, 1);
    grid->addWidget(edit_Projekt, 0, 2, 1, 2);
    grid->addWidget(caption(QStringLiteral("Straße:")), 1, 1);
    grid->addWidget(edit_Str, 1, 2, 1, 2);
    grid->addWidget(caption(QStringLiteral("PLZ / Ort:")), 2, 1);
    grid->addWidget(edit_PLZ, 2, 2);
    grid->addWidget(edit_Ort, 2, 3);
    grid->addWidget(caption(QStringLiteral("Variante:")), 3, 1);
    grid->addWidget(edit_Variante, 3, 2, 1, 2);

    // The two rooms side by side, each with its name as a heading field.
    QLineEdit **names[3] = {nullptr, &edit_room1, &edit_room2};
    QLineEdit **depths[3] = {nullptr, &edit_L1, &edit_L2};
    QLineEdit **volumes[3] = {nullptr, &edit_Vol1, &edit_Vol2};
    for (int room = 1; room <= 2; ++room) {
        const int col = 4 + 2 * (room - 1);
        *names[room] = textField(QStringLiteral("edit_room%1").arg(room), 18);
        (*names[room])->setText(defaultRoomName(room));
        QPalette p = (*names[room])->palette();
        p.setColor(QPalette::Text, colours::room(room));
        (*names[room])->setPalette(p);
        makeBold(*names[room]);
        (*names[room])->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
        *depths[room] = numberField(QStringLiteral("edit_L%1").arg(room), 6);
        *volumes[room] = numberField(QStringLiteral("edit_Vol%1").arg(room), 6);
        grid->addWidget(*names[room], 0, col, 1, 2);
        grid->addWidget(caption(QStringLiteral("Raumtiefe/Raumhöhe [m]:")), 1, col);
        grid->addWidget(*depths[room], 1, col + 1);
        grid->addWidget(caption(QStringLiteral("Raumvolumen V%1 [m³]:").arg(room)), 2, col);
        grid->addWidget(*volumes[room], 2, col + 1);
    }
    grid->setColumnStretch(3, 1);
    return panel_Tavix;
}

QWidget *MainWindowControls::setupLiningRow(int element, int side, const QString &buttonText)
{
    auto *row = new QWidget;
    auto *layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(4);
    const QString suffix =
        element == 0 ? QStringLiteral("TB_VS%1").arg(side) : QStringLiteral("VS%1_%2").arg(element).arg(side);
    liningButton[element][side] = named(new QPushButton(buttonText), QStringLiteral("Button_") + suffix);
    liningClear[element][side] = named(new QPushButton(QStringLiteral("löschen")),
                                       QStringLiteral("Button_") + suffix + QStringLiteral("clear"));
    liningClear[element][side]->setEnabled(false);
    auto *text = named(new QLineEdit, QStringLiteral("edit_VS%1_%2").arg(element).arg(side));
    text->setReadOnly(true);
    text->setContextMenuPolicy(Qt::CustomContextMenu);
    text->setFocusPolicy(Qt::ClickFocus);
    greyLiningText(text);
    liningText[element][side] = text;
    layout->addWidget(liningButton[element][side]);
    layout->addWidget(liningClear[element][side]);
    layout->addWidget(text, 1);
    return row;
}

static QPlainTextEdit *summaryMemo(const QString &name)
{
    auto *memo = named(new QPlainTextEdit, name);
    memo->setReadOnly(true);
    memo->setLineWrapMode(QPlainTextEdit::NoWrap);
    memo->setToolTip(QStringLiteral(" Bauteilaufbau kopieren, einfügen mit rechter Maustaste "));
    memo->setContextMenuPolicy(Qt::CustomContextMenu);
    memo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    memo->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    sizeSummaryMemo(memo);
    return memo;
}

QWidget *MainWindowControls::setupSeparatingTab()
{
    auto *page = named(new QWidget, QStringLiteral("TabSheet_0"));
    auto *grid = new QGridLayout(page);
    grid->setContentsMargins(10, 10, 10, 10);
    grid->setVerticalSpacing(8);

    edit_TB = textField(QStringLiteral("edit_TB"), 25);
    edit_TB->setText(QStringLiteral("Trennbauteil"));
    edit_A = numberField(QStringLiteral("edit_A"), 6);
    grid->addWidget(caption(QStringLiteral("Bauteilbezeichnung:")), 0, 0);
    grid->addWidget(edit_TB, 0, 1, 1, 2);
    grid->addWidget(caption(QStringLiteral("Fläche Trennbauteil [m²]:")), 1, 0);
    grid->addWidget(edit_A, 1, 1, Qt::AlignLeft);

    auto *orientation = named(new QFrame, QStringLiteral("rg_Orientation"));
    orientation->setFrameShape(QFrame::StyledPanel);
    auto *orientationLayout = new QVBoxLayout(orientation);
    orientationLayout->setContentsMargins(8, 4, 8, 4);
    rg_horizontal =
        named(new QRadioButton(QStringLiteral("horizontal (Wand) ")), QStringLiteral("rg_horizontal"));
    rg_vertikal =
        named(new QRadioButton(QStringLiteral("vertikal (Decke/Boden) ")), QStringLiteral("rg_vertikal"));
    rg_horizontal->setChecked(true);
    orientationLayout->addWidget(rg_horizontal);
    orientationLayout->addWidget(rg_vertikal);
    grid->addWidget(orientation, 0, 3, 2, 1);

    buildUpButton[0][0] =
        named(new QPushButton(QStringLiteral("Bauteilaufbau")), QStringLiteral("Button_TB"));
    memo[0][0] = summaryMemo(QStringLiteral("Memo_TB"));
    grid->addWidget(buildUpButton[0][0], 2, 0, Qt::AlignTop);
    grid->addWidget(memo[0][0], 2, 1, 1, 3);

    auto *airborne = caption(QStringLiteral("Luftschalldämmung:"));
    makeBold(airborne);
    label_DirRw = named(new QLabel, QStringLiteral("label_DirRw"));
    label_VS =
        named(new QLabel(QStringLiteral("(ohne Vorsatzschalen und Nebenwegen)")), QStringLiteral("label_VS"));
    label_DirRw->hide();
    label_VS->hide();
    auto *direct = new QVBoxLayout;
    direct->setSpacing(0);
    direct->addWidget(label_DirRw);
    direct->addWidget(label_VS);
    grid->addWidget(airborne, 3, 0, Qt::AlignTop);
    grid->addLayout(direct, 3, 1, 1, 3);

    auto *sides = new QHBoxLayout;
    sides->setSpacing(10);
    for (int side = 1; side <= 2; ++side) {
        auto *box = boxFrame(QStringLiteral("panel_TB_%1").arg(side));
        auto *v = new QVBoxLayout(box);
        v->setContentsMargins(6, 6, 6, 6);
        roomStrip[0][side] = roomStripLabel(QStringLiteral("label_room0_%1").arg(side), side);
        v->addWidget(roomStrip[0][side]);
        v->addWidget(setupLiningRow(0, side, QStringLiteral("Vorsatzschale")));
        sides->addWidget(box, 1);
    }
    grid->addLayout(sides, 4, 0, 1, 4);
    grid->setRowStretch(5, 1);
    grid->setColumnStretch(2, 1);
    return page;
}

// The room panel of a flank tab comes from a form that carries the names of flank 1 in
// room 2; each of the eight copies takes the names of its own slot.
QWidget *MainWindowControls::setupRoomPanel(int flank, int side)
{
    auto *box = new QFrame;
    Ui::RoomPanel form;
    form.setupUi(box);
    const QString slot = QStringLiteral("%1_%2").arg(flank).arg(side);
    box->setObjectName(QStringLiteral("panel_F") + slot);

    roomStrip[flank][side] = named(form.label_room1_2, QStringLiteral("label_room") + slot);
    colourRoomStrip(roomStrip[flank][side], side);
    if (side == 2) {
        chk_id[flank] = named(form.chk_id_F1, QStringLiteral("chk_id_F%1").arg(flank));
    } else {
        // Room 1 has no such box; its invisible twin keeps both panels' rows aligned.
        form.chk_id_F1->setObjectName(QString());
        QSizePolicy policy = form.chk_id_F1->sizePolicy();
        policy.setRetainSizeWhenHidden(true);
        form.chk_id_F1->setSizePolicy(policy);
        form.chk_id_F1->hide();
    }
    buildUpButton[flank][side] = named(form.Button_F1_2, QStringLiteral("Button_F") + slot);
    memo[flank][side] = named(form.Memo_F1_2, QStringLiteral("Memo_F") + slot);
    sizeSummaryMemo(memo[flank][side]);
    liningButton[flank][side] = named(form.Button_VS1_2, QStringLiteral("Button_VS") + slot);
    liningClear[flank][side] = named(form.Button_VS1_2clear, QStringLiteral("Button_VS%1clear").arg(slot));
    liningText[flank][side] = named(form.edit_VS1_2, QStringLiteral("edit_VS") + slot);
    greyLiningText(liningText[flank][side]);
    flankAreaLabel[flank][side] = named(form.label_FF1_2, QStringLiteral("label_FF") + slot);
    flankArea[flank][side] = named(form.edit_FF1_2, QStringLiteral("edit_FF") + slot);
    sizeNumberField(flankArea[flank][side]);
    // Reserve the row's height so that showing the field for a corner junction moves nothing.
    form.layout_panel->setRowMinimumHeight(5, flankArea[flank][side]->sizeHint().height());
    flankAreaLabel[flank][side]->hide();
    flankArea[flank][side]->hide();
    return box;
}

QWidget *MainWindowControls::setupFlankTab(int flank)
{
    auto *page = named(new QWidget, QStringLiteral("TabSheet_%1").arg(flank));
    auto *grid = new QGridLayout(page);
    grid->setContentsMargins(10, 10, 10, 10);
    grid->setVerticalSpacing(8);

    edit_Flanke[flank] = textField(QStringLiteral("edit_Flanke%1").arg(flank), 14);
    edit_Flanke[flank]->setText(defaultFlankName(flank));
    edit_LF[flank] = numberField(QStringLiteral("edit_LF%1").arg(flank), 8);
    grid->addWidget(caption(QStringLiteral("Flankenbezeichnung:")), 0, 0);
    grid->addWidget(edit_Flanke[flank], 0, 1, 1, 2);
    grid->addWidget(caption(QStringLiteral("gemeinsame Kantenlänge [m]:")), 1, 0);
    grid->addWidget(edit_LF[flank], 1, 1);
    grid->addWidget(caption(QStringLiteral("(Flanke mit Trennbauteil)")), 1, 2);

    auto *stoss =
        named(new QPushButton(QStringLiteral(" Stoßstelle")), QStringLiteral("button_Stoss%1").arg(flank));
    stoss->setToolTip(QStringLiteral("Stoßstelle"));
    makeBold(stoss);
    stoss->setIconSize(QSize(48, 40));
    button_Stoss[flank] = stoss;
    grid->addWidget(stoss, 0, 4, 2, 1, Qt::AlignRight);

    auto *rooms = new QHBoxLayout;
    rooms->setSpacing(10);
    rooms->addWidget(setupRoomPanel(flank, 1), 1);
    rooms->addWidget(setupRoomPanel(flank, 2), 1);
    grid->addLayout(rooms, 2, 0, 1, 5);
    grid->setRowStretch(3, 1);
    grid->setColumnStretch(3, 1);
    return page;
}

QWidget *MainWindowControls::setupDnTwRow()
{
    dnTwRow = named(new QStackedWidget, QStringLiteral("row_DnTW"));
    dnTwRow->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Maximum);

    dnTwValues = new QWidget;
    auto *grid = new QGridLayout(dnTwValues);
    grid->setContentsMargins(0, 4, 0, 0);
    grid->setVerticalSpacing(2);
    grid->addWidget(subscriptCaption(QStringLiteral("lb_DnTW"), QStringLiteral("Schallpegeldifferenz D"),
                                     QStringLiteral("nT,w"), QString(), true),
                    0, 0, 1, 2);
    rg_DnTW1 = named(new QRadioButton(QStringLiteral("Raum 1 --> Raum 2")), QStringLiteral("rg_DnTW1"));
    rg_DnTW2 = named(new QRadioButton(QStringLiteral("Raum 2 --> Raum 1")), QStringLiteral("rg_DnTW2"));
    rg_DnTW1->setChecked(true);
    dnTwGroup = new QButtonGroup(dnTwValues);
    dnTwGroup->addButton(rg_DnTW1, 0);
    dnTwGroup->addButton(rg_DnTW2, 1);
    label_DnTW = named(new QLabel(QStringLiteral("--- [dB]")), QStringLiteral("label_DnTW"));
    label_DnTW->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    makeBold(label_DnTW);
    grid->addWidget(rg_DnTW1, 1, 0);
    grid->addWidget(rg_DnTW2, 2, 0);
    grid->addWidget(label_DnTW, 1, 1, 2, 1);
    grid->setColumnStretch(0, 1);
    const QString hint = QStringLiteral(" bewertete Standard-Schallpegeldifferenz ");
    dnTwValues->setToolTip(hint);
    label_DnTW->setToolTip(hint);

    panel_DnTW = named(new QFrame, QStringLiteral("panel_DnTW"));
    auto *hintLayout = new QVBoxLayout(panel_DnTW);
    hintLayout->setContentsMargins(0, 0, 0, 0);
    hintLayout->setSpacing(2);
    auto *hinweis = caption(QStringLiteral("HINWEIS:"));
    auto *hintText =
        caption(QStringLiteral("Zur Berechnung der Schallpegeldifferenz  DnTW müssen die Raumvolumen "
                               "vorgegeben werden"));
    hintText->setWordWrap(true);
    greyText(hinweis);
    greyText(hintText);
    hintLayout->addWidget(hinweis);
    hintLayout->addWidget(hintText);
    hintLayout->addStretch(1);

    dnTwRow->addWidget(dnTwValues);
    dnTwRow->addWidget(panel_DnTW);
    dnTwRow->setCurrentWidget(panel_DnTW);
    return dnTwRow;
}

QWidget *MainWindowControls::setupResultPanel()
{
    panel_results = named(new QFrame, QStringLiteral("panel_results"));
    auto *grid = new QGridLayout(panel_results);
    grid->setContentsMargins(8, 6, 8, 6);
    grid->setHorizontalSpacing(8);
    grid->setVerticalSpacing(4);

    auto valueLabel = [](const QString &name, const QString &text) {
        auto *l = named(new QLabel(text), name);
        l->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        return l;
    };

    // Left column
    auto *rges = subscriptCaption(QStringLiteral("lb_Rges"), QStringLiteral("Bau-Schalldämm-Maß R'"),
                                  QStringLiteral("w"), QString(), true);
    label_Rges = valueLabel(QStringLiteral("label_Rges"), QStringLiteral("$$.$ [dB]"));
    makeBold(label_Rges);
    const QString rgesHint = QStringLiteral(" bewertetes Bau-Schalldämm-Maß ");
    rges->setToolTip(rgesHint);
    label_Rges->setToolTip(rgesHint);
    grid->addWidget(rges, 0, 0);
    grid->addWidget(label_Rges, 0, 1);

    auto *ri0 = subscriptCaption(QStringLiteral("lb_Ri0"), QStringLiteral("Trennbauteil R"),
                                 QStringLiteral("d,w"), QStringLiteral("       :"), false);
    label_Ri[0] = valueLabel(QStringLiteral("label_Ri0"), QStringLiteral("$$.$ [dB]"));
    const QString ri0Hint = QStringLiteral(
        " bewertetes Schalldämm-Maß Trennbauteil mit Vorsatzschalen und d-Nebenwegen (Wege 1 und 3) ");
    ri0->setToolTip(ri0Hint);
    label_Ri[0]->setToolTip(ri0Hint);
    grid->addWidget(ri0, 1, 0);
    grid->addWidget(label_Ri[0], 1, 1);

    auto *rule = new QFrame;
    rule->setFrameShape(QFrame::HLine);
    rule->setFrameShadow(QFrame::Sunken);
    grid->addWidget(rule, 2, 0, 1, 2);
    grid->addWidget(setupDnTwRow(), 3, 0, 3, 2, Qt::AlignTop);

    auto *separator = new QFrame;
    separator->setFrameShape(QFrame::VLine);
    separator->setFrameShadow(QFrame::Sunken);
    grid->addWidget(separator, 0, 2, 6, 1);

    // Right column
    grid->addWidget(subscriptCaption(QStringLiteral("lb_Rfw"), QStringLiteral("Flankendämm-Maß R"),
                                     QStringLiteral("f,w"), QStringLiteral("      :"), false),
                    0, 3, 1, 2);
    for (int n = 1; n <= FlankCount; ++n) {
        label_resF[n] = named(new QLabel(defaultFlankName(n)), QStringLiteral("label_resF%1").arg(n));
        label_Ri[n] = valueLabel(QStringLiteral("label_Ri%1").arg(n), QStringLiteral("$$.$ [dB]"));
        grid->addWidget(label_resF[n], n, 3);
        grid->addWidget(label_Ri[n], n, 4);
    }

    auto *notes = new QStackedWidget;
    lb_Vorhaltemass = named(new QLabel(QStringLiteral("Berechnungsergebnisse ohne Vorhaltemaß")),
                            QStringLiteral("lb_Vorhaltemass"));
    lb_Vorhaltemass->setAlignment(Qt::AlignLeft | Qt::AlignBottom);
    lb_Vorhaltemass->setWordWrap(true);
    lb_AnmDnTW = named(
        new QLabel(QStringLiteral("ANMERKUNG:                 Richtung zur Bestimmung von DnT,w ist nicht "
                                  "normgerecht ! (Normrichtung: vom größeren Raumvolumen zum kleineren)")),
        QStringLiteral("lb_AnmDnTW"));
    lb_AnmDnTW->setWordWrap(true);
    QPalette red = lb_AnmDnTW->palette();
    red.setColor(QPalette::WindowText, Qt::red);
    lb_AnmDnTW->setPalette(red);
    notes->addWidget(lb_Vorhaltemass);
    notes->addWidget(lb_AnmDnTW);
    notes->setCurrentWidget(lb_Vorhaltemass);
    grid->addWidget(notes, 5, 3, 1, 2);
    grid->setColumnStretch(0, 1);
    grid->setColumnStretch(3, 1);
    grid->setRowStretch(5, 1);
    return panel_results;
}

QWidget *MainWindowControls::setupMessagePanel()
{
    panel_errorMsg = named(new QFrame, QStringLiteral("panel_errorMsg"));
    auto *v = new QVBoxLayout(panel_errorMsg);
    v->setContentsMargins(8, 6, 8, 6);
    auto *title = caption(QStringLiteral("Meldungen:"));
    makeBold(title);
    memo_error = named(new QPlainTextEdit, QStringLiteral("memo_error"));
    memo_error->setReadOnly(true);
    memo_error->setFrameShape(QFrame::NoFrame);
    memo_error->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    memo_error->setLineWrapMode(QPlainTextEdit::NoWrap);
    QPalette p = memo_error->palette();
    p.setColor(QPalette::Base, p.color(QPalette::Window));
    p.setColor(QPalette::Text, Qt::darkGray);
    memo_error->setPalette(p);
    v->addWidget(title);
    v->addWidget(memo_error, 1);
    return panel_errorMsg;
}

QWidget *MainWindowControls::setupResultArea()
{
    auto *frame = boxFrame(QStringLiteral("frame_results"));
    auto *layout = new QHBoxLayout(frame);
    layout->setContentsMargins(1, 1, 1, 1);
    auto *rightTop = new QVBoxLayout;
    resultArea = named(new QStackedWidget, QStringLiteral("resultArea"));
    resultArea->addWidget(setupResultPanel());
    resultArea->addWidget(setupMessagePanel());
    layout->addWidget(resultArea, 1);
    SpeedButton3 = named(new QToolButton, QStringLiteral("SpeedButton3"));
    SpeedButton3->setText(QStringLiteral("?"));
    SpeedButton3->setToolTip(QStringLiteral(" Hilfe Berechnungsgrundlagen "));
    SpeedButton3->setAutoRaise(true);
    rightTop->addWidget(SpeedButton3);
    rightTop->addStretch(1);
    layout->addLayout(rightTop);
    // Tall enough for the seventeen lines of a fresh project without scrolling where the
    // screen allows; on a 768-pixel laptop screen the message list scrolls instead, so
    // that the whole window fits.
    frame->setMinimumHeight(240);
    frame->setMaximumHeight(352);
    return frame;
}

QWidget *MainWindowControls::setupDrawingPanel()
{
    panel_Grafic = boxFrame(QStringLiteral("panel_Grafic"));
    const QString hint = QStringLiteral(" Rechte Maustaste: Grafik in Zwischenablage kopieren ");
    panel_Grafic->setToolTip(hint);
    auto *layout = new QGridLayout(panel_Grafic);
    layout->setContentsMargins(4, 4, 4, 4);
    Image1 = named(new SketchLabel, QStringLiteral("Image1"));
    Image2 = named(new SketchLabel, QStringLiteral("Image2"));
    Image1->setFixedSize(WallPictureWidth, WallPictureHeight);
    Image2->setFixedSize(FloorPictureWidth, FloorPictureHeight);
    graphicMenu = named(new QMenu(panel_Grafic), QStringLiteral("popup_Grafik"));
    GrafikinZwschenablagekopieren1 =
        named(graphicMenu->addAction(QStringLiteral("&Grafik in Zwischenablage kopieren")),
              QStringLiteral("GrafikinZwschenablagekopieren1"));
    for (QLabel *image : {Image1, Image2}) {
        image->setToolTip(hint);
        image->setContextMenuPolicy(Qt::CustomContextMenu);
        layout->addWidget(image, 0, 0, Qt::AlignCenter);
    }
    Image2->hide();
    panel_Grafic->setMinimumSize(WallPictureWidth + 10, WallPictureHeight + 10);
    return panel_Grafic;
}

} // namespace tavix::gui
