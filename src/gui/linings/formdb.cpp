#include "gui/linings/formdb.h"

#include "core/io/shippedfiles.h"
#include "core/linings/resonance.h"
#include "core/model/numbers.h"
#include "gui/common/codepageguard.h"
#include "gui/common/fieldinput.h"
#include "gui/common/userinteraction.h"
#include "gui/linings/liningsketches.h"
#include "ui_formdb.h"

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

const QString NoFrequency = QStringLiteral("???");
constexpr int DescriptionColumnWidth = 453;
constexpr int FrequencyColumnWidth = 53;
constexpr int RowHeight = 18;

void setTextColour(QWidget *widget, const QColor &colour)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::ButtonText, colour);
    palette.setColor(QPalette::WindowText, colour);
    widget->setPalette(palette);
}

} // namespace

TForm_DB::TForm_DB(ProjectModel &model, QWidget *mainWindow)
    : EditingDialog(mainWindow), m_model(model), m_startDirectory(QDir::currentPath()),
      ui(std::make_unique<Ui::TForm_DB>())
{
    ui->setupUi(this);
    m_modeGroup = new QButtonGroup(this);
    m_modeGroup->addButton(ui->rg_Auswahl_0, CatalogueMode);
    m_modeGroup->addButton(ui->rg_Auswahl_1, CalculationMode);
    m_modeGroup->addButton(ui->rg_Auswahl_2, DirectMode);
    auto *constructions = new QButtonGroup(this);
    constructions->addButton(ui->RadioButton1, 1);
    constructions->addButton(ui->RadioButton2, 2);
    setUpCatalogueTable();
    setUpCalculation();
    setTextColour(ui->lb_DateiName, QColor(128, 128, 128));
    ui->edit_fres->installEventFilter(this);
    // System descriptions go into the project file, table cells into the catalogue file.
    guardCodePage(ui->editSys);
    guardCodePage(ui->edit_VSsys);
    guardCodePage(ui->grid_fres);
    connectControls(constructions);
    rg_AuswahlClick(CatalogueMode);
    setTableEditing(false);
    colourCategoryButtons();
}

TForm_DB::~TForm_DB() = default;

void TForm_DB::setUpCatalogueTable()
{
    QTableWidget *grid = ui->grid_fres;
    grid->horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    grid->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    grid->setColumnWidth(0, DescriptionColumnWidth);
    grid->setColumnWidth(1, FrequencyColumnWidth);
    grid->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    grid->verticalHeader()->setDefaultSectionSize(RowHeight);
    // Ten rows and both columns in view, whatever the style's frame and scroll bar.
    grid->setFixedSize(DescriptionColumnWidth + FrequencyColumnWidth + 2 * grid->frameWidth() +
                           grid->verticalScrollBar()->sizeHint().width(),
                       grid->horizontalHeader()->sizeHint().height() + 10 * RowHeight +
                           2 * grid->frameWidth());
    m_tableMenu = new QMenu(grid);
    DeleteLibLine = m_tableMenu->addAction(QStringLiteral(" Zeile Löschen "));
    DeleteLibLine->setObjectName(QStringLiteral("DeleteLibLine"));
}

void TForm_DB::setUpCalculation()
{
    // The second line of a construction's text starts under the first line's text.
    const int indent = style()->pixelMetric(QStyle::PM_ExclusiveIndicatorWidth) +
                       style()->pixelMetric(QStyle::PM_RadioButtonLabelSpacing);
    for (QLabel *continuation : {ui->Label9, ui->Label10}) {
        continuation->setContentsMargins(indent, 0, 0, 0);
        continuation->installEventFilter(this);
    }
    // Both constructions' captions of the first input wrap into the same two lines.
    for (QLabel *label : {ui->lb_Eingabe1, ui->label_Masse})
        label->setMinimumHeight(2 * label->fontMetrics().lineSpacing() + 2);
    for (QLineEdit *edit : {ui->edit_s, ui->edit_m}) {
        edit->installEventFilter(this);
        selectAllOnFocus(edit);
    }
    QPalette grey = ui->edit_calcFres->palette();
    grey.setColor(QPalette::Base, grey.color(QPalette::Button));
    ui->edit_calcFres->setPalette(grey);
}

void TForm_DB::connectControls(QButtonGroup *constructions)
{
    connect(m_modeGroup, &QButtonGroup::idClicked, this, &TForm_DB::rg_AuswahlClick);
    connect(constructions, &QButtonGroup::idClicked, this, &TForm_DB::selectConstruction);
    connect(ui->Button1, &QPushButton::clicked, this, &TForm_DB::Button1Click);
    connect(ui->Button2, &QPushButton::clicked, this, &TForm_DB::Button2Click);
    connect(ui->Button3, &QPushButton::clicked, this, &TForm_DB::Button3Click);
    connect(DeleteLibLine, &QAction::triggered, this, &TForm_DB::DeleteLibLineClick);
    connect(ui->grid_fres, &QWidget::customContextMenuRequested, this,
            [this](const QPoint &pos) { m_tableMenu->popup(ui->grid_fres->viewport()->mapToGlobal(pos)); });
    connect(ui->btn_EditTab, &QPushButton::clicked, this, &TForm_DB::btn_EditTabClick);
    connect(ui->btn_AddLine, &QPushButton::clicked, this, &TForm_DB::btn_AddLineClick);
    connect(ui->btn_SaveTab, &QPushButton::clicked, this, &TForm_DB::btn_SaveTabClick);
    connect(ui->grid_fres, &QTableWidget::itemChanged, this, [this] { m_tableChanged = true; });
    for (QLineEdit *edit : {ui->edit_s, ui->edit_m})
        connect(edit, &QLineEdit::textChanged, this, &TForm_DB::edit_sChange);
    connect(ui->edit_fres, &QLineEdit::textChanged, this, &TForm_DB::edit_fresChange);
    connect(ui->Button_Enter, &QPushButton::clicked, this, &TForm_DB::Button_EnterClick);
    connect(ui->Button_ESC, &QPushButton::clicked, this, &TForm_DB::Button_ESCClick);
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
    ui->edit_VSsys->clear();
    ui->edit_fres->setText(QStringLiteral("0"));
    ui->editSys->clear();
    {
        // Both at once: a left-over invalid text in one must not be reported while the
        // other is reset.
        setFieldText(ui->edit_s, QStringLiteral("0"));
        setFieldText(ui->edit_m, QStringLiteral("0"));
    }
    ui->edit_calcFres->setText(NoFrequency);
    disableMainWindow();
    loadCatalogue();
    showOverMainWindow();
    return true;
}

void TForm_DB::setHeaderText(LiningSlot slot)
{
    const QString room = slot.side == 1 ? m_model.fields.room1 : m_model.fields.room2;
    if (slot.element == 0)
        ui->Label_VS->setText(QStringLiteral(" Vorsatzschale Trennbauteil ") + room);
    else
        ui->Label_VS->setText(QStringLiteral(" Vorsatzschale ") + room + QStringLiteral(" / ") +
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
    ui->panels_Auswahl->setCurrentIndex(item);
    if (item == CalculationMode)
        selectConstruction(m_construction);
}

void TForm_DB::selectConstruction(int construction)
{
    if (construction != 1 && construction != 2)
        return;
    m_construction = construction;
    (construction == 1 ? ui->RadioButton1 : ui->RadioButton2)->setChecked(true);
    if (construction == 1) {
        ui->lb_Eingabe1->setText(QStringLiteral("Schalenabstand s :"));
        ui->lb_Eingabe1a->setText(QStringLiteral("[m]"));
    } else {
        ui->lb_Eingabe1->setText(QStringLiteral("dynamische Steifigkeit der Dämmschicht s' :"));
        ui->lb_Eingabe1a->setText(QStringLiteral("[MN/m³]"));
    }
    ui->lb_Anmerkung->setVisible(construction == 1);
    ui->img_Konstruktion->setPixmap(liningConstructionSketch(construction));
    edit_sChange();
}

void TForm_DB::edit_sChange()
{
    // An emptied field stands for 0 at once; setText comes back here with "0".
    for (QLineEdit *edit : {ui->edit_s, ui->edit_m}) {
        if (edit->text().isEmpty()) {
            edit->setText(QStringLiteral("0"));
            return;
        }
    }
    const ResonanceText result =
        resonanceFrequencyText(static_cast<LiningConstruction>(m_construction), ui->edit_s->text(),
                               ui->edit_m->text(), localeDecimalSeparator());
    ui->edit_calcFres->setText(result.text);
    if (!result.error.isEmpty())
        showError(this, result.error);
}

void TForm_DB::edit_fresChange()
{
    if (ui->edit_fres->text().isEmpty())
        ui->edit_fres->setText(QStringLiteral("80"));
}

void TForm_DB::edit_fresKeyUp()
{
    // Pasted text passes the key filter; what is not a whole number goes.
    if (!readFrequency(ui->edit_fres->text()))
        ui->edit_fres->clear();
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
        if (watched == ui->edit_s || watched == ui->edit_m)
            return filterDecimalKey(static_cast<QLineEdit *>(watched), key);
        if (watched == ui->edit_fres)
            return digitKeyFilter(key);
    } else if (event->type() == QEvent::KeyRelease && watched == ui->edit_fres) {
        edit_fresKeyUp();
    } else if (event->type() == QEvent::MouseButtonPress &&
               (watched == ui->Label9 || watched == ui->Label10)) {
        selectConstruction(watched == ui->Label9 ? 1 : 2);
        (watched == ui->Label9 ? ui->RadioButton1 : ui->RadioButton2)->setFocus();
        return true;
    }
    return EditingDialog::eventFilter(watched, event);
}

void TForm_DB::chooseCategory(int category)
{
    if (!mayDropTableEdits())
        return;
    m_model.liningCategory = category;
    colourCategoryButtons();
    loadCatalogue();
}

void TForm_DB::colourCategoryButtons()
{
    QPushButton *buttons[3] = {ui->Button1, ui->Button2, ui->Button3};
    for (int i = 0; i < 3; ++i)
        setTextColour(buttons[i], m_model.liningCategory == i + 1 ? QColor(255, 0, 0) : QColor(0, 0, 0));
}

void TForm_DB::setTableRows(const QList<LiningCatalogueRow> &rows)
{
    ui->grid_fres->clearContents();
    ui->grid_fres->setRowCount(std::max<qsizetype>(1, rows.size()));
    for (int r = 0; r < rows.size(); ++r) {
        ui->grid_fres->setItem(r, 0, new QTableWidgetItem(rows.at(r).description));
        ui->grid_fres->setItem(r, 1, new QTableWidgetItem(rows.at(r).frequency));
    }
    m_tableChanged = false; // the table is what the file holds
}

QList<LiningCatalogueRow> TForm_DB::tableRows() const
{
    QList<LiningCatalogueRow> rows;
    for (int r = 0; r < ui->grid_fres->rowCount(); ++r) {
        const QTableWidgetItem *description = ui->grid_fres->item(r, 0);
        const QTableWidgetItem *frequency = ui->grid_fres->item(r, 1);
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
    ui->lb_DateiName->setText(QStringLiteral(" Dateiname: ") + fileName);
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
    ui->grid_fres->setCurrentCell(0, 0); // the first system is chosen until the user picks another
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
    return ui->btn_AddLine->isEnabled();
}

void TForm_DB::setTableEditing(bool editing)
{
    QPalette palette = ui->grid_fres->palette();
    palette.setColor(QPalette::Base,
                     editing ? QColor(255, 255, 255) : this->palette().color(QPalette::Button));
    ui->grid_fres->setPalette(palette);
    if (editing) {
        ui->grid_fres->setSelectionBehavior(QAbstractItemView::SelectItems);
        ui->grid_fres->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                                       QAbstractItemView::AnyKeyPressed | QAbstractItemView::SelectedClicked);
    } else {
        ui->grid_fres->setSelectionBehavior(QAbstractItemView::SelectRows);
        ui->grid_fres->setEditTriggers(QAbstractItemView::NoEditTriggers);
    }
    ui->grid_fres->setSelectionMode(QAbstractItemView::ContiguousSelection);
    ui->btn_EditTab->setText(editing ? QStringLiteral("Tabelle sperren")
                                     : QStringLiteral("Tabelle editieren"));
    ui->btn_AddLine->setEnabled(editing);
    ui->btn_SaveTab->setEnabled(editing);
    DeleteLibLine->setEnabled(editing);
}

void TForm_DB::btn_EditTabClick()
{
    setTableEditing(!tableEditing());
}

void TForm_DB::btn_AddLineClick()
{
    ui->grid_fres->setRowCount(ui->grid_fres->rowCount() + 1);
}

int TForm_DB::lowestSelectedRow() const
{
    int row = -1;
    for (const QTableWidgetSelectionRange &range : ui->grid_fres->selectedRanges())
        row = std::max(row, range.bottomRow());
    if (row < 0)
        row = ui->grid_fres->currentRow();
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
        if (QTableWidgetItem *item = ui->grid_fres->item(row, column))
            item->setText(QString());
    }
}

void TForm_DB::btn_SaveTabClick()
{
    saveTable();
}

bool TForm_DB::saveTable()
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
        return false;
    const QString error = writeLiningCatalogue(path, m_model.liningCategory, tableRows());
    if (!error.isEmpty()) {
        showError(this, error);
        return false;
    }
    m_partialCatalogue.clear();
    m_tableChanged = false;
    return true;
}

bool TForm_DB::mayDropTableEdits()
{
    if (!m_tableChanged)
        return true;
    const QString question =
        QString::fromUtf8(
            " Die Tabelle wurde geändert.\r Sollen die Änderungen in \"%1\" gespeichert werden? ")
            .arg(liningCatalogueFileName(m_model.liningCategory));
    switch (userInteraction().askYesNoCancel(this, MessageKind::Confirmation, question)) {
    case Answer::Yes:
        return saveTable();
    case Answer::No:
        m_tableChanged = false;
        return true;
    case Answer::Cancel:
        break;
    }
    return false;
}

void TForm_DB::Button_EnterClick()
{
    QString text;
    std::optional<int> f0;
    switch (mode()) {
    case CatalogueMode: {
        const int row = std::max(0, lowestSelectedRow());
        const QTableWidgetItem *description = ui->grid_fres->item(row, 0);
        const QTableWidgetItem *frequency = ui->grid_fres->item(row, 1);
        f0 = readFrequency(frequency ? frequency->text() : QString());
        if (f0)
            text = (description ? description->text() : QString()) + QStringLiteral(" / f = ") +
                   QString::number(*f0) + QStringLiteral("Hz");
        break;
    }
    case CalculationMode:
        f0 = readFrequency(ui->edit_calcFres->text());
        text = ui->editSys->text() + QStringLiteral(" / f = ") + ui->edit_calcFres->text() +
               QStringLiteral("Hz");
        break;
    case DirectMode:
        f0 = readFrequency(ui->edit_fres->text());
        text =
            ui->edit_VSsys->text() + QStringLiteral(" / f = ") + ui->edit_fres->text() + QStringLiteral("Hz");
        break;
    }
    if (!f0) {
        if (userInteraction().askYesNo(this, MessageKind::Warning,
                                       QStringLiteral(" keine zulässige Resonanzfrequenz! \r Möchten Sie die "
                                                      "Eingabe trotzdem beenden ? ")) &&
            mayDropTableEdits())
            finish();
        return;
    }
    if (!mayDropTableEdits())
        return;
    m_lastChange = setLining(m_model, m_slot, text, *f0);
    finish();
    Q_EMIT liningAccepted(m_slot.element, m_slot.side);
}

void TForm_DB::Button_ESCClick()
{
    if (mayDropTableEdits())
        finish();
}

} // namespace tavix::gui
