#include "gui/linings/formdb.h"

#include "core/io/shippedfiles.h"
#include "core/linings/resonance.h"
#include "core/model/numbers.h"
#include "gui/common/fieldinput.h"
#include "gui/common/userinteraction.h"
#include "gui/linings/liningsketches.h"

#include <QAction>
#include <QButtonGroup>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QStackedWidget>
#include <QTableWidget>
#include <QVBoxLayout>
#include <QWindow>

namespace tavix::gui {

namespace {

const char *const ModeTexts[3] = {"Auswahl Vorsatzschalensystem aus Datei  ",
                                  "Berechnung der Vorsatzschalen-Resonanzfrequenz ",
                                  "Direkte Angabe der Vorsatzschalen-Resonanzfrequenz "};

const QString NoFrequency = QStringLiteral("???");
constexpr int EntryLength = 7;
constexpr int SystemLength = 100;
constexpr int DescriptionColumnWidth = 453;
constexpr int FrequencyColumnWidth = 53;
constexpr int RowHeight = 18;

QLabel *heading(const QString &text, QWidget *parent)
{
    auto *label = new QLabel(text, parent);
    QFont font = label->font();
    font.setBold(true);
    label->setFont(font);
    return label;
}

void setTextColour(QWidget *widget, const QColor &colour)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::ButtonText, colour);
    palette.setColor(QPalette::WindowText, colour);
    widget->setPalette(palette);
}

} // namespace

TForm_DB::TForm_DB(ProjectModel &model, QWidget *mainWindow)
    : EditingDialog(mainWindow), m_model(model), m_startDirectory(QDir::currentPath())
{
    setObjectName(QStringLiteral("TForm_DB"));
    setWindowTitle(QStringLiteral(" Vorsatzschalen-System "));
    buildControls();
    rg_AuswahlClick(CatalogueMode);
    setTableEditing(false);
    colourCategoryButtons();
}

void TForm_DB::buildControls()
{
    auto *layout = new QVBoxLayout(this);

    Label_VS = heading(QString(), this);
    Label_VS->setObjectName(QStringLiteral("Label_VS"));
    Label_VS->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    Label_VS->setMinimumHeight(22);
    layout->addWidget(Label_VS);

    rg_Auswahl = new QGroupBox(this);
    rg_Auswahl->setObjectName(QStringLiteral("rg_Auswahl"));
    auto *modeLayout = new QVBoxLayout(rg_Auswahl);
    modeLayout->setSpacing(2);
    m_modeGroup = new QButtonGroup(this);
    for (int i = 0; i < 3; ++i) {
        auto *radio = new QRadioButton(QString::fromUtf8(ModeTexts[i]), rg_Auswahl);
        radio->setObjectName(QStringLiteral("rg_Auswahl_%1").arg(i));
        m_modeGroup->addButton(radio, i);
        modeLayout->addWidget(radio);
    }
    connect(m_modeGroup, &QButtonGroup::idClicked, this, &TForm_DB::rg_AuswahlClick);
    layout->addWidget(rg_Auswahl);

    m_panels = new QStackedWidget(this);
    m_panels->addWidget(buildCataloguePanel());
    m_panels->addWidget(buildCalculationPanel());
    m_panels->addWidget(buildDirectPanel());
    layout->addWidget(m_panels);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    Button_Enter = new QPushButton(QStringLiteral("&Übernehmen"), this);
    Button_Enter->setObjectName(QStringLiteral("Button_Enter"));
    Button_Enter->setDefault(true);
    QFont bold = Button_Enter->font();
    bold.setBold(true);
    Button_Enter->setFont(bold);
    Button_ESC = new QPushButton(QStringLiteral("&Abbrechen"), this);
    Button_ESC->setObjectName(QStringLiteral("Button_ESC"));
    for (QPushButton *b : {Button_Enter, Button_ESC}) {
        b->setMinimumWidth(100);
        b->setAutoDefault(false);
        buttons->addWidget(b);
    }
    Button_Enter->setDefault(true);
    buttons->addStretch();
    layout->addLayout(buttons);
    connect(Button_Enter, &QPushButton::clicked, this, &TForm_DB::Button_EnterClick);
    connect(Button_ESC, &QPushButton::clicked, this, &TForm_DB::Button_ESCClick);

    layout->setSizeConstraint(QLayout::SetFixedSize);
}

QWidget *TForm_DB::buildCataloguePanel()
{
    auto *panel = new QFrame(this);
    panel->setObjectName(QStringLiteral("panel_Datei"));
    panel->setFrameStyle(QFrame::Panel | QFrame::Raised);
    auto *layout = new QVBoxLayout(panel);
    layout->addWidget(heading(QStringLiteral("Auswahl Vorsatzschalensystem aus Datei:"), panel));

    auto *categories = new QHBoxLayout;
    Button1 = new QPushButton(QStringLiteral("Wand - Vorsatzschalen"), panel);
    Button2 = new QPushButton(QStringLiteral("Abgehängte Decken"), panel);
    Button3 = new QPushButton(QStringLiteral("Schwimmende Estriche"), panel);
    Button1->setObjectName(QStringLiteral("Button1"));
    Button2->setObjectName(QStringLiteral("Button2"));
    Button3->setObjectName(QStringLiteral("Button3"));
    for (QPushButton *b : {Button1, Button2, Button3}) {
        b->setAutoDefault(false);
        categories->addWidget(b);
    }
    connect(Button1, &QPushButton::clicked, this, &TForm_DB::Button1Click);
    connect(Button2, &QPushButton::clicked, this, &TForm_DB::Button2Click);
    connect(Button3, &QPushButton::clicked, this, &TForm_DB::Button3Click);
    layout->addLayout(categories);

    grid_fres = new QTableWidget(1, 2, panel);
    grid_fres->setObjectName(QStringLiteral("grid_fres"));
    grid_fres->setHorizontalHeaderLabels(
        {QStringLiteral(" Vorsatzschalen-System und Resonanzfrequenz"), QStringLiteral("   [Hz]")});
    grid_fres->horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    grid_fres->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    grid_fres->horizontalHeader()->setHighlightSections(false);
    grid_fres->setColumnWidth(0, DescriptionColumnWidth);
    grid_fres->setColumnWidth(1, FrequencyColumnWidth);
    grid_fres->verticalHeader()->hide();
    grid_fres->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    grid_fres->verticalHeader()->setDefaultSectionSize(RowHeight);
    grid_fres->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    grid_fres->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    grid_fres->setWordWrap(false);
    grid_fres->setFixedSize(DescriptionColumnWidth + FrequencyColumnWidth + 2 * grid_fres->frameWidth() +
                                grid_fres->verticalScrollBar()->sizeHint().width(),
                            grid_fres->horizontalHeader()->sizeHint().height() + 10 * RowHeight +
                                2 * grid_fres->frameWidth());
    grid_fres->setContextMenuPolicy(Qt::CustomContextMenu);
    m_tableMenu = new QMenu(grid_fres);
    DeleteLibLine = m_tableMenu->addAction(QStringLiteral(" Zeile Löschen "));
    DeleteLibLine->setObjectName(QStringLiteral("DeleteLibLine"));
    connect(DeleteLibLine, &QAction::triggered, this, &TForm_DB::DeleteLibLineClick);
    connect(grid_fres, &QWidget::customContextMenuRequested, this,
            [this](const QPoint &pos) { m_tableMenu->popup(grid_fres->viewport()->mapToGlobal(pos)); });
    layout->addWidget(grid_fres);

    auto *tableButtons = new QHBoxLayout;
    btn_EditTab = new QPushButton(QStringLiteral("Tabelle editieren"), panel);
    btn_AddLine = new QPushButton(QStringLiteral(" Zeile einfügen"), panel);
    btn_SaveTab = new QPushButton(QStringLiteral("Tabelle speichern "), panel);
    btn_EditTab->setObjectName(QStringLiteral("btn_EditTab"));
    btn_AddLine->setObjectName(QStringLiteral("btn_AddLine"));
    btn_SaveTab->setObjectName(QStringLiteral("btn_SaveTab"));
    for (QPushButton *b : {btn_EditTab, btn_AddLine, btn_SaveTab}) {
        b->setAutoDefault(false);
        tableButtons->addWidget(b);
    }
    connect(btn_EditTab, &QPushButton::clicked, this, &TForm_DB::btn_EditTabClick);
    connect(btn_AddLine, &QPushButton::clicked, this, &TForm_DB::btn_AddLineClick);
    connect(btn_SaveTab, &QPushButton::clicked, this, &TForm_DB::btn_SaveTabClick);
    layout->addLayout(tableButtons);

    lb_DateiName = new QLabel(panel);
    lb_DateiName->setObjectName(QStringLiteral("lb_DateiName"));
    lb_DateiName->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setTextColour(lb_DateiName, QColor(128, 128, 128));
    layout->addWidget(lb_DateiName);
    return panel;
}

QWidget *TForm_DB::buildCalculationPanel()
{
    auto *panel = new QFrame(this);
    panel->setObjectName(QStringLiteral("panel_Berechnung"));
    panel->setFrameStyle(QFrame::Panel | QFrame::Raised);
    auto *layout = new QVBoxLayout(panel);
    layout->addWidget(heading(QStringLiteral("Berechnung der Vorsatzschalen-Resonanzfrequenz"), panel));

    RadioButton1 = new QRadioButton(
        QStringLiteral("biegeweiche Schale vor schwerer, biegesteifer Wand oder als Unterdecke von "), panel);
    RadioButton1->setObjectName(QStringLiteral("RadioButton1"));
    Label9 = new QLabel(QStringLiteral("Massivdecken, Luftschicht mit schallabsorbierender Einlage."), panel);
    Label9->setObjectName(QStringLiteral("Label9"));
    RadioButton2 = new QRadioButton(
        QStringLiteral("biegeweiche Schale vor schwerer, biegesteifer Wand mit Dämmschicht, die mit "),
        panel);
    RadioButton2->setObjectName(QStringLiteral("RadioButton2"));
    Label10 = new QLabel(
        QStringLiteral("beiden Schalen verbunden ist, auch schwimmender Estrich auf Massivdecke"), panel);
    Label10->setObjectName(QStringLiteral("Label10"));
    auto *constructions = new QButtonGroup(panel);
    constructions->addButton(RadioButton1, 1);
    constructions->addButton(RadioButton2, 2);
    RadioButton1->setChecked(true);
    connect(constructions, &QButtonGroup::idClicked, this, &TForm_DB::selectConstruction);
    const int indent = RadioButton1->style()->pixelMetric(QStyle::PM_ExclusiveIndicatorWidth) +
                       RadioButton1->style()->pixelMetric(QStyle::PM_RadioButtonLabelSpacing);
    for (QLabel *continuation : {Label9, Label10}) {
        continuation->setContentsMargins(indent, 0, 0, 0);
        continuation->setCursor(Qt::PointingHandCursor);
        continuation->installEventFilter(this);
    }
    layout->addWidget(RadioButton1);
    layout->addWidget(Label9);
    layout->addSpacing(4);
    layout->addWidget(RadioButton2);
    layout->addWidget(Label10);
    layout->addSpacing(6);

    auto *middle = new QHBoxLayout;
    m_sketch = new QLabel(panel);
    m_sketch->setObjectName(QStringLiteral("img_Konstruktion"));
    m_sketch->setFixedSize(LiningSketchWidth, LiningSketchHeight);
    m_sketch->setFrameStyle(QFrame::Box | QFrame::Plain);
    middle->addWidget(m_sketch, 0, Qt::AlignTop);

    auto *inputs = new QGridLayout;
    inputs->setColumnStretch(1, 1);
    auto addRow = [&](int row, QLabel *label, QLineEdit *edit, QLabel *unit) {
        label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        inputs->addWidget(label, row, 0);
        inputs->addWidget(edit, row, 1);
        if (unit)
            inputs->addWidget(unit, row, 2);
    };
    editSys = new QLineEdit(panel);
    editSys->setObjectName(QStringLiteral("editSys"));
    editSys->setMaxLength(SystemLength);
    editSys->setToolTip(QStringLiteral(" optionale Systembeschreibung "));
    auto *systemLabel = new QLabel(QStringLiteral("Vorsatzschalen-System:"), panel);
    inputs->addWidget(systemLabel, 0, 0, 1, 3);
    inputs->addWidget(editSys, 1, 0, 1, 3);

    lb_Eingabe1 = new QLabel(panel);
    lb_Eingabe1->setObjectName(QStringLiteral("lb_Eingabe1"));
    lb_Eingabe1a = new QLabel(panel);
    lb_Eingabe1a->setObjectName(QStringLiteral("lb_Eingabe1a"));
    edit_s = new QLineEdit(QStringLiteral("0"), panel);
    edit_s->setObjectName(QStringLiteral("edit_s"));
    edit_m = new QLineEdit(QStringLiteral("0"), panel);
    edit_m->setObjectName(QStringLiteral("edit_m"));
    for (QLineEdit *edit : {edit_s, edit_m}) {
        edit->setMaxLength(EntryLength);
        edit->setFixedWidth(70);
        edit->setAlignment(Qt::AlignRight);
        edit->installEventFilter(this);
        selectAllOnFocus(edit);
        connect(edit, &QLineEdit::textChanged, this, &TForm_DB::edit_sChange);
    }
    auto *massLabel = new QLabel(QStringLiteral("flächenbezogene Masse der biegeweichen Schale m' :"), panel);
    // Both constructions' captions of the first input wrap into the same column.
    for (QLabel *label : {lb_Eingabe1, massLabel}) {
        label->setWordWrap(true);
        label->setFixedWidth(180);
        label->setMinimumHeight(2 * label->fontMetrics().lineSpacing() + 2);
    }
    addRow(2, lb_Eingabe1, edit_s, lb_Eingabe1a);
    addRow(3, massLabel, edit_m, new QLabel(QStringLiteral("[kg/m²]"), panel));

    edit_calcFres = new QLineEdit(NoFrequency, panel);
    edit_calcFres->setObjectName(QStringLiteral("edit_calcFres"));
    edit_calcFres->setReadOnly(true);
    edit_calcFres->setFocusPolicy(Qt::NoFocus);
    edit_calcFres->setFixedWidth(70);
    edit_calcFres->setAlignment(Qt::AlignRight);
    QFont bold = edit_calcFres->font();
    bold.setBold(true);
    edit_calcFres->setFont(bold);
    QPalette grey = edit_calcFres->palette();
    grey.setColor(QPalette::Base, grey.color(QPalette::Button));
    edit_calcFres->setPalette(grey);
    auto *resultLabel = heading(QStringLiteral("Resonanzfrequenz:"), panel);
    addRow(4, resultLabel, edit_calcFres, new QLabel(QStringLiteral("[Hz]"), panel));
    middle->addLayout(inputs, 1);
    layout->addLayout(middle);

    m_note =
        new QLabel(QStringLiteral("ANMERKUNG: Die schallabsorbierende Einlage muß weichfedernd sein. Diese "
                                  "Bedingungen können z.B. von Faserdämmstoffen nach DIN 18165 Teil 1 "
                                  "erfüllt werden"),
                   panel);
    m_note->setObjectName(QStringLiteral("lb_Anmerkung"));
    m_note->setWordWrap(true);
    layout->addWidget(m_note);
    layout->addStretch();
    return panel;
}

QWidget *TForm_DB::buildDirectPanel()
{
    auto *panel = new QFrame(this);
    panel->setObjectName(QStringLiteral("panel_Direkt"));
    panel->setFrameStyle(QFrame::Panel | QFrame::Raised);
    auto *layout = new QVBoxLayout(panel);
    layout->addWidget(heading(QStringLiteral("Direkte Angabe der Vorsatzschalen-Resonanzfrequenz "), panel));
    layout->addSpacing(8);

    auto *grid = new QGridLayout;
    grid->setColumnStretch(3, 1);
    edit_VSsys = new QLineEdit(panel);
    edit_VSsys->setObjectName(QStringLiteral("edit_VSsys"));
    edit_VSsys->setMaxLength(SystemLength);
    edit_VSsys->setToolTip(QStringLiteral(" optionale Systembeschreibung "));
    grid->addWidget(new QLabel(QStringLiteral("Vorsatzschalen-System:"), panel), 0, 0, 1, 4);
    grid->addWidget(edit_VSsys, 1, 0, 1, 4);

    edit_fres = new QLineEdit(QStringLiteral("0"), panel);
    edit_fres->setObjectName(QStringLiteral("edit_fres"));
    edit_fres->setMaxLength(EntryLength);
    edit_fres->setFixedWidth(70);
    edit_fres->setAlignment(Qt::AlignRight);
    edit_fres->setToolTip(QStringLiteral(" Angabe der Frequenz ohne Nachkommastellen "));
    edit_fres->installEventFilter(this);
    connect(edit_fres, &QLineEdit::textChanged, this, &TForm_DB::edit_fresChange);
    grid->addWidget(new QLabel(QStringLiteral("Resonanzfrequenz:"), panel), 2, 0);
    grid->addWidget(edit_fres, 2, 1);
    grid->addWidget(new QLabel(QStringLiteral("[Hz]"), panel), 2, 2);
    layout->addLayout(grid);
    layout->addStretch();
    return panel;
}

void TForm_DB::setStartDirectory(const QString &directory)
{
    m_startDirectory = directory;
}

bool TForm_DB::openForSlot(const QString &slotText)
{
    const auto slot = liningSlotFromDialogKey(slotText);
    if (!slot)
        return false;
    m_slotText = slotText;
    m_slot = *slot;
    m_lastChange = {};
    setHeaderText(*slot);
    m_modeGroup->button(CatalogueMode)->setChecked(true);
    rg_AuswahlClick(CatalogueMode);
    colourCategoryButtons();
    setTableEditing(false);
    edit_VSsys->clear();
    edit_fres->setText(QStringLiteral("0"));
    editSys->clear();
    {
        // Both at once: a left-over invalid text in one must not be reported while the
        // other is reset.
        setFieldText(edit_s, QStringLiteral("0"));
        setFieldText(edit_m, QStringLiteral("0"));
    }
    edit_calcFres->setText(NoFrequency);
    disableMainWindow();
    loadCatalogue();
    showOverMainWindow();
    return true;
}

void TForm_DB::setHeaderText(LiningSlot slot)
{
    const QString room = slot.side == 1 ? m_model.fields.room1 : m_model.fields.room2;
    if (slot.element == 0)
        Label_VS->setText(QStringLiteral(" Vorsatzschale Trennbauteil ") + room);
    else
        Label_VS->setText(QStringLiteral(" Vorsatzschale ") + room + QStringLiteral(" / ") +
                          m_model.fields.Flanke[slot.element]);
}

int TForm_DB::mode() const
{
    return m_modeGroup->checkedId();
}

void TForm_DB::rg_AuswahlClick(int item)
{
    if (item < CatalogueMode || item > DirectMode)
        return;
    if (m_modeGroup->checkedId() != item)
        m_modeGroup->button(item)->setChecked(true);
    m_panels->setCurrentIndex(item);
    if (item == CalculationMode)
        selectConstruction(m_construction);
}

void TForm_DB::selectConstruction(int construction)
{
    if (construction != 1 && construction != 2)
        return;
    m_construction = construction;
    (construction == 1 ? RadioButton1 : RadioButton2)->setChecked(true);
    if (construction == 1) {
        lb_Eingabe1->setText(QStringLiteral("Schalenabstand s :"));
        lb_Eingabe1a->setText(QStringLiteral("[m]"));
    } else {
        lb_Eingabe1->setText(QStringLiteral("dynamische Steifigkeit der Dämmschicht s' :"));
        lb_Eingabe1a->setText(QStringLiteral("[MN/m³]"));
    }
    m_note->setVisible(construction == 1);
    m_sketch->setPixmap(liningConstructionSketch(construction));
    edit_sChange();
}

void TForm_DB::edit_sChange()
{
    // An emptied field stands for 0 at once; setText comes back here with "0".
    for (QLineEdit *edit : {edit_s, edit_m}) {
        if (edit->text().isEmpty()) {
            edit->setText(QStringLiteral("0"));
            return;
        }
    }
    const ResonanceText result =
        resonanceFrequencyText(static_cast<LiningConstruction>(m_construction), edit_s->text(),
                               edit_m->text(), localeDecimalSeparator());
    edit_calcFres->setText(result.text);
    if (!result.error.isEmpty())
        showError(this, result.error);
}

void TForm_DB::edit_fresChange()
{
    if (edit_fres->text().isEmpty())
        edit_fres->setText(QStringLiteral("80"));
}

void TForm_DB::edit_fresKeyUp()
{
    // Pasted text passes the key filter; what is not a whole number goes.
    if (!readFrequency(edit_fres->text()))
        edit_fres->clear();
}

bool TForm_DB::digitKeyFilter(QKeyEvent *event)
{
    const QString text = event->text();
    if (text.size() != 1 || !text.at(0).isPrint() || (event->modifiers() & Qt::ControlModifier))
        return false;
    const QChar c = text.at(0);
    return !(c >= QLatin1Char('0') && c <= QLatin1Char('9'));
}

bool TForm_DB::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::KeyPress) {
        auto *key = static_cast<QKeyEvent *>(event);
        if (watched == edit_s || watched == edit_m)
            return filterDecimalKey(static_cast<QLineEdit *>(watched), key);
        if (watched == edit_fres)
            return digitKeyFilter(key);
    } else if (event->type() == QEvent::KeyRelease && watched == edit_fres) {
        edit_fresKeyUp();
    } else if (event->type() == QEvent::MouseButtonPress && (watched == Label9 || watched == Label10)) {
        selectConstruction(watched == Label9 ? 1 : 2);
        (watched == Label9 ? RadioButton1 : RadioButton2)->setFocus();
        return true;
    }
    return EditingDialog::eventFilter(watched, event);
}

void TForm_DB::chooseCategory(int category)
{
    m_model.liningCategory = category;
    colourCategoryButtons();
    loadCatalogue();
}

void TForm_DB::colourCategoryButtons()
{
    QPushButton *buttons[3] = {Button1, Button2, Button3};
    for (int i = 0; i < 3; ++i)
        setTextColour(buttons[i], m_model.liningCategory == i + 1 ? QColor(255, 0, 0) : QColor(0, 0, 0));
}

void TForm_DB::setTableRows(const QList<LiningCatalogueRow> &rows)
{
    grid_fres->clearContents();
    grid_fres->setRowCount(std::max<qsizetype>(1, rows.size()));
    for (int r = 0; r < rows.size(); ++r) {
        grid_fres->setItem(r, 0, new QTableWidgetItem(rows.at(r).description));
        grid_fres->setItem(r, 1, new QTableWidgetItem(rows.at(r).frequency));
    }
}

QList<LiningCatalogueRow> TForm_DB::tableRows() const
{
    QList<LiningCatalogueRow> rows;
    for (int r = 0; r < grid_fres->rowCount(); ++r) {
        const QTableWidgetItem *description = grid_fres->item(r, 0);
        const QTableWidgetItem *frequency = grid_fres->item(r, 1);
        rows.append(
            {description ? description->text() : QString(), frequency ? frequency->text() : QString()});
    }
    return rows;
}

void TForm_DB::loadCatalogue()
{
    setTableRows({});
    m_partialCatalogue.clear();
    const QString fileName = liningCatalogueFileName(m_model.liningCategory);
    lb_DateiName->setText(QStringLiteral(" Dateiname: ") + fileName);
    QString path = QDir(m_startDirectory).filePath(fileName);
    if (!QFileInfo::exists(path)) {
        FileDialogOptions options;
        // The starter catalogues shipped with the program are the likely choice.
        const QStringList shipped = starterCatalogueFolders(QCoreApplication::applicationDirPath());
        options.directory = shipped.isEmpty() ? m_startDirectory : shipped.first();
        options.filter = QStringLiteral("Vorsatzschalen-Bibliothek (*.lib)");
        options.defaultSuffix = QStringLiteral("lib");
        path = userInteraction().getOpenFileName(this, options);
        if (path.isEmpty() || !QFileInfo::exists(path))
            return;
    }
    const LiningCatalogueReadResult result = readLiningCatalogue(path);
    setTableRows(result.rows);
    grid_fres->setCurrentCell(0, 0); // the first system is chosen until the user picks another
    if (result.partial())
        m_partialCatalogue = QFileInfo(path).absoluteFilePath();
    if (!result.error.isEmpty())
        showError(this, result.error);
    else if (result.rows.size() >= MaxCatalogueRows && result.truncated)
        userInteraction().showMessage(
            this, MessageKind::Warning,
            QStringLiteral(" Die Datei enthält mehr als %1 Einträge; nur die ersten "
                           "%1 werden angezeigt. ")
                .arg(MaxCatalogueRows));
    else if (result.truncated)
        userInteraction().showMessage(this, MessageKind::Warning,
                                      QStringLiteral(" Die Datei enthält Zeilen mit mehr als %1 Zeichen; "
                                                     "sie werden gekürzt angezeigt. ")
                                          .arg(MaxCatalogueLineLength));
}

bool TForm_DB::tableEditing() const
{
    return btn_AddLine->isEnabled();
}

void TForm_DB::setTableEditing(bool editing)
{
    QPalette palette = grid_fres->palette();
    palette.setColor(QPalette::Base,
                     editing ? QColor(255, 255, 255) : this->palette().color(QPalette::Button));
    grid_fres->setPalette(palette);
    if (editing) {
        grid_fres->setSelectionBehavior(QAbstractItemView::SelectItems);
        grid_fres->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                                   QAbstractItemView::AnyKeyPressed | QAbstractItemView::SelectedClicked);
    } else {
        grid_fres->setSelectionBehavior(QAbstractItemView::SelectRows);
        grid_fres->setEditTriggers(QAbstractItemView::NoEditTriggers);
    }
    grid_fres->setSelectionMode(QAbstractItemView::ContiguousSelection);
    btn_EditTab->setText(editing ? QStringLiteral("Tabelle sperren") : QStringLiteral("Tabelle editieren"));
    btn_AddLine->setEnabled(editing);
    btn_SaveTab->setEnabled(editing);
    DeleteLibLine->setEnabled(editing);
}

void TForm_DB::btn_EditTabClick()
{
    setTableEditing(!tableEditing());
}

void TForm_DB::btn_AddLineClick()
{
    grid_fres->setRowCount(grid_fres->rowCount() + 1);
}

int TForm_DB::lowestSelectedRow() const
{
    int row = -1;
    for (const QTableWidgetSelectionRange &range : grid_fres->selectedRanges())
        row = std::max(row, range.bottomRow());
    if (row < 0)
        row = grid_fres->currentRow();
    return row;
}

void TForm_DB::DeleteLibLineClick()
{
    if (!tableEditing())
        return;
    const int row = lowestSelectedRow();
    if (row < 0)
        return;
    for (int column = 0; column < 2; ++column) {
        if (QTableWidgetItem *item = grid_fres->item(row, column))
            item->setText(QString());
    }
}

void TForm_DB::btn_SaveTabClick()
{
    // Always the category's own file, also when the table came from another one.
    const QString path = QDir(m_startDirectory).filePath(liningCatalogueFileName(m_model.liningCategory));
    // A table that holds only part of the file it replaces would drop the rest for good.
    const bool replacesPartlyRead =
        !m_partialCatalogue.isEmpty() && QFileInfo(path).absoluteFilePath() == m_partialCatalogue;
    if (replacesPartlyRead && QFileInfo::exists(path) &&
        !userInteraction().askYesNo(
            this, MessageKind::Confirmation,
            QString::fromUtf8(" Die Datei \"%1\" wurde nur teilweise eingelesen.\rBeim Speichern gehen "
                              "die nicht eingelesenen Zeilen verloren.\rTrotzdem speichern?")
                .arg(liningCatalogueFileName(m_model.liningCategory))))
        return;
    const QString error = writeLiningCatalogue(path, m_model.liningCategory, tableRows());
    if (!error.isEmpty()) {
        showError(this, error);
        return;
    }
    m_partialCatalogue.clear();
}

void TForm_DB::Button_EnterClick()
{
    QString text;
    std::optional<int> f0;
    switch (mode()) {
    case CatalogueMode: {
        const int row = std::max(0, lowestSelectedRow());
        const QTableWidgetItem *description = grid_fres->item(row, 0);
        const QTableWidgetItem *frequency = grid_fres->item(row, 1);
        f0 = readFrequency(frequency ? frequency->text() : QString());
        if (f0)
            text = (description ? description->text() : QString()) + QStringLiteral(" / f = ") +
                   QString::number(*f0) + QStringLiteral("Hz");
        break;
    }
    case CalculationMode:
        f0 = readFrequency(edit_calcFres->text());
        text = editSys->text() + QStringLiteral(" / f = ") + edit_calcFres->text() + QStringLiteral("Hz");
        break;
    case DirectMode:
        f0 = readFrequency(edit_fres->text());
        text = edit_VSsys->text() + QStringLiteral(" / f = ") + edit_fres->text() + QStringLiteral("Hz");
        break;
    }
    if (!f0) {
        if (userInteraction().askYesNo(this, MessageKind::Warning,
                                       QStringLiteral(" keine zulässige Resonanzfrequenz! \r Möchten Sie die "
                                                      "Eingabe trotzdem beenden ? ")))
            finish();
        return;
    }
    m_lastChange = setLining(m_model, m_slot, text, *f0);
    finish();
    Q_EMIT liningAccepted(m_slot.element, m_slot.side);
}

void TForm_DB::Button_ESCClick()
{
    finish();
}

} // namespace tavix::gui
