#include "gui/reports/form_nachweis.h"

#include "ui_form_nachweis.h"

#include "core/calculate/pathshares.h"
#include "core/impact/impacttext.h"
#include "core/io/filelayer.h"
#include "core/model/numbers.h"
#include "core/reports/requirements.h"
#include "core/session/projectsession.h"
#include "gui/common/fieldinput.h"
#include "gui/common/userinteraction.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QHeaderView>
#include <QKeyEvent>
#include <QPainter>
#include <QScreen>
#include <QSettings>
#include <QStandardItemModel>
#include <QStyledItemDelegate>

namespace tavix::gui {

namespace {

const QString ChoiceKey = QStringLiteral("Nachweis/Anforderung");
const QString OwnValueKey = QStringLiteral("Nachweis/eigeneAnforderung");
const QString OwnLnwKey = QStringLiteral("Nachweis/eigeneAnforderungLnw");

constexpr int BarColumn = 5;
constexpr int BarRole = Qt::UserRole + 1;      // bar length, 0..1 of the column
constexpr int ListTextRole = Qt::UserRole + 2; // an entry as the open list shows it

// A horizontal bar per path, its length the path's share relative to the largest.
class ShareBarDelegate : public QStyledItemDelegate
{
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const override
    {
        QStyledItemDelegate::paint(painter, option, index);
        const double length = index.data(BarRole).toDouble();
        if (length <= 0)
            return;
        const QRect area = option.rect.adjusted(4, 4, -4, -4);
        QRect bar = area;
        bar.setWidth(std::max(1, static_cast<int>(area.width() * length + 0.5)));
        painter->fillRect(bar, QColor(0x3a, 0x6e, 0xa5));
    }
};

// The open requirement list groups the entries under headings of building kind and
// standard and shows each entry short; the closed box shows the chosen entry in full.
class RequirementListDelegate : public QStyledItemDelegate
{
public:
    using QStyledItemDelegate::QStyledItemDelegate;

protected:
    void initStyleOption(QStyleOptionViewItem *option, const QModelIndex &index) const override
    {
        QStyledItemDelegate::initStyleOption(option, index);
        const QString listText = index.data(ListTextRole).toString();
        if (!listText.isEmpty())
            option->text = listText;
    }
};

void prepareTable(QTableWidget *grid, int columns)
{
    grid->setColumnCount(columns);
    grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid->setSelectionMode(QAbstractItemView::NoSelection);
    grid->setFocusPolicy(Qt::NoFocus);
    grid->verticalHeader()->hide();
    grid->setAlternatingRowColors(true);
    grid->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    grid->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    grid->verticalHeader()->setDefaultSectionSize(grid->fontMetrics().height() + 6);
}

// Fills the rows below the header row; `skipColumn` is left for a picture. Columns are as
// wide as their texts, and `stretchColumn` takes the rest of the width.
void fillTable(QTableWidget *grid, const QList<QStringList> &rows, const QList<int> &rightAligned,
               int skipColumn, int stretchColumn)
{
    const QStringList header = rows.value(0);
    grid->setRowCount(rows.size() - 1);
    for (int r = 1; r < rows.size(); ++r) {
        const QStringList &cells = rows.at(r);
        for (int c = 0; c < cells.size(); ++c) {
            const int column = skipColumn >= 0 && c >= skipColumn ? c + 1 : c;
            QTableWidgetItem *item = grid->item(r - 1, column);
            if (!item) {
                item = new QTableWidgetItem;
                if (rightAligned.contains(c))
                    item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
                grid->setItem(r - 1, column, item);
            }
            item->setText(cells.at(c));
        }
    }
    QStringList labels = header;
    if (skipColumn >= 0)
        labels.insert(skipColumn, QString());
    grid->setHorizontalHeaderLabels(labels);
    QHeaderView *columns = grid->horizontalHeader();
    columns->setSectionResizeMode(stretchColumn, QHeaderView::Interactive);
    grid->resizeColumnsToContents();
    columns->setSectionResizeMode(stretchColumn, QHeaderView::Stretch);
}

// The full height of a table's rows and header, so that it needs no scroll bar when the
// window has the room.
int tableHeight(const QTableWidget *grid, int rows)
{
    return grid->horizontalHeader()->sizeHint().height() + rows * grid->verticalHeader()->defaultSectionSize() +
           2 * grid->frameWidth();
}

void showVerdict(QLabel *label, const QString &text, VerdictState state)
{
    label->setText(text);
    QPalette palette = label->palette();
    const QColor colour = state == VerdictState::Fulfilled      ? QColor(0x1b, 0x7a, 0x2e)
                          : state == VerdictState::NotFulfilled ? QColor(0xc0, 0x10, 0x10)
                                                                : QColor(Qt::gray);
    palette.setColor(QPalette::WindowText, colour);
    label->setPalette(palette);
}

QString bullets(const QStringList &lines)
{
    QStringList marked;
    for (const QString &line : lines)
        marked << QStringLiteral("•  ") + line;
    return marked.join(QLatin1Char('\n'));
}

// A number as a field shows it: the locale's separator, nothing for 0 (not given).
QString fieldText(long double value)
{
    return value > 0 ? formatGeneral(value, localeDecimalSeparator()) : QString();
}

} // namespace

TForm_Nachweis::TForm_Nachweis(ProjectSession &session, QWidget *parent)
    : QWidget(parent, Qt::Window), m_session(session), m_model(session.model()),
      ui(std::make_unique<Ui::TForm_Nachweis>())
{
    ui->setupUi(this);
    prepareControls();
    connect(&session, &ProjectSession::recalculated, this, &TForm_Nachweis::refresh);
    connect(&session, &ProjectSession::projectReplaced, this, &TForm_Nachweis::showInputs);
    connect(ui->combo_Anforderung, &QComboBox::currentIndexChanged, this,
            &TForm_Nachweis::combo_AnforderungChange);
    connect(ui->combo_Estrichart, &QComboBox::currentIndexChanged, this, &TForm_Nachweis::combo_EstrichartChange);
    for (QLineEdit *field : {ui->edit_eigeneAnforderung, ui->edit_eigeneAnforderungLnw})
        connect(field, &QLineEdit::textEdited, this, &TForm_Nachweis::edit_eigeneAnforderungChange);
    for (QLineEdit *field : {ui->edit_EstrichMasse, ui->edit_Steifigkeit, ui->edit_Steifigkeit2, ui->edit_DeltaLw})
        connect(field, &QLineEdit::textEdited, this, &TForm_Nachweis::edit_EstrichMasseChange);
    connect(ui->btn_Kopieren, &QPushButton::clicked, this, &TForm_Nachweis::btn_KopierenClick);
    connect(ui->btn_CSV, &QPushButton::clicked, this, &TForm_Nachweis::btn_CSVClick);
    connect(ui->btn_Schliessen, &QPushButton::clicked, this, &QWidget::close);
    showInputs();
}

TForm_Nachweis::~TForm_Nachweis() = default;

QString TForm_Nachweis::settingsOrganization()
{
    return QStringLiteral("Tavix");
}

QString TForm_Nachweis::settingsApplication()
{
    return QStringLiteral("Tavix-Schallschutz Rechner");
}

ProjectRequirement TForm_Nachweis::newProjectRequirement()
{
    const QSettings settings(settingsOrganization(), settingsApplication());
    ProjectRequirement requirement;
    const QString id = settings.value(ChoiceKey).toString();
    if (!findRequirement(id))
        return requirement;
    requirement.id = id;
    // Stored with "." so that a change of the locale does not lose the values.
    requirement.ownRw = parseProofValue(settings.value(OwnValueKey).toString(), QLatin1Char('.')).value_or(0);
    requirement.ownLnw = parseProofValue(settings.value(OwnLnwKey).toString(), QLatin1Char('.')).value_or(0);
    return requirement;
}

void TForm_Nachweis::prepareControls()
{
    using A = AirborneQuantity;
    using I = ImpactQuantity;
    const auto caption = [](const QString &label) { return label + QLatin1Char(':'); };
    ui->lb_Rw->setText(caption(airborneLabel(A::Rw)));
    ui->lb_RwMinusU->setText(caption(airborneLabel(A::RwMinusU)));
    ui->lb_erfRw->setText(caption(airborneLabel(A::ErfRw)));
    ui->lb_Urteil->setText(caption(airborneLabel(A::Verdict)));
    const std::pair<QLabel *, I> impactCaptions[] = {
        {ui->lb_Estrichart, I::Screed},  {ui->lb_ms, I::SlabMass},      {ui->lb_Lneq0w, I::Lneq0w},
        {ui->lb_sResultierend, I::CombinedStiffness},                    {ui->lb_DeltaLw, I::DeltaLw},
        {ui->lb_mfm, I::MeanFlankMass},  {ui->lb_K, I::Correction},      {ui->lb_Lnw, I::Lnw},
        {ui->lb_LnTw, I::LnTw},          {ui->lb_LnwPlusU, I::LnwPlusU}, {ui->lb_zulLnw, I::ZulLnw},
        {ui->lb_UrteilTrittschall, I::Verdict}};
    for (const auto &[label, quantity] : impactCaptions)
        label->setText(caption(impactLabel(quantity)));
    const std::pair<QLabel *, I> inputCaptions[] = {{ui->lb_EstrichMasse, I::ScreedMass},
                                                    {ui->lb_Steifigkeit, I::Stiffness},
                                                    {ui->lb_Steifigkeit2, I::Stiffness2},
                                                    {ui->lb_DeltaLwEingabe, I::DeltaLw}};
    for (const auto &[label, quantity] : inputCaptions) {
        label->setText(caption(impactInputCaption(quantity)));
        label->setToolTip(impactLabel(quantity));
    }
    ui->lb_Steifigkeit2->setToolTip(impactLabel(I::Stiffness2) +
                                    QString::fromUtf8(" (leer lassen bei nur einer Dämmschicht)"));

    for (int kind = 0; kind < ScreedKindCount; ++kind)
        ui->combo_Estrichart->addItem(screedKindText(static_cast<ScreedKind>(kind)));
    fillRequirementChoice();

    m_numberFields = {ui->edit_eigeneAnforderung, ui->edit_eigeneAnforderungLnw, ui->edit_EstrichMasse,
                      ui->edit_Steifigkeit, ui->edit_Steifigkeit2, ui->edit_DeltaLw};
    for (QLineEdit *field : m_numberFields) {
        field->installEventFilter(this);
        selectAllOnFocus(field);
    }

    // Texts that change with the project must not change the window's width: they wrap
    // or elide within the room the fixed texts give them.
    for (QLabel *label : {ui->label_Urteil, ui->label_UrteilTrittschall, ui->label_Waende,
                          ui->label_TrittschallHinweise, ui->label_Hinweise})
        label->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    // A verdict keeps to one line; longer explanations wrap.
    const int verdictWidth = ui->label_Urteil->fontMetrics().horizontalAdvance(
        QString::fromUtf8("nicht erfüllt (Unterschreitung 10,0 dB)"));
    ui->label_Urteil->setMinimumWidth(verdictWidth);
    ui->label_UrteilTrittschall->setMinimumWidth(verdictWidth);
    for (QLineEdit *field : m_numberFields)
        field->setMinimumWidth(field->fontMetrics().horizontalAdvance(QStringLiteral("00000,0")) + 12);

    prepareTable(ui->grid_Bauteile, 4);
    prepareTable(ui->grid_Wege, 7);
    ui->grid_Wege->setItemDelegateForColumn(BarColumn, new ShareBarDelegate(ui->grid_Wege));
    // The element table shows its five rows; the path table takes the height that is left
    // and scrolls when the window is too low for its thirteen rows.
    ui->grid_Bauteile->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);

    ui->grid_Bauteile->setFixedHeight(tableHeight(ui->grid_Bauteile, FlankCount + 1));
    ui->grid_Wege->setMinimumHeight(tableHeight(ui->grid_Wege, 4));
    ui->grid_Wege->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    ui->layout_Form->setStretchFactor(ui->gb_Wege, 1);

    // As tall as everything wants and wide enough for the long requirement texts, but never
    // beyond the screen: the path table gives way.
    QSize size = sizeHint().expandedTo(QSize(1200, 0));
    size.setHeight(size.height() - ui->grid_Wege->sizeHint().height() +
                   tableHeight(ui->grid_Wege, TransmissionPathCount));
    if (const QScreen *screen = this->screen())
        size = size.boundedTo(screen->availableSize() - QSize(40, 80));
    resize(size);
}

void TForm_Nachweis::fillRequirementChoice()
{
    auto *items = new QStandardItemModel(ui->combo_Anforderung);
    auto *none = new QStandardItem(QString::fromUtf8("keine Anforderung gewählt"));
    none->setData(QString(), Qt::UserRole);
    items->appendRow(none);
    QString group;
    for (const Requirement &r : requirementCatalogue()) {
        if (requirementGroupText(r) != group) {
            group = requirementGroupText(r);
            auto *heading = new QStandardItem(group);
            heading->setFlags(Qt::NoItemFlags);
            QFont font = heading->font();
            font.setBold(true);
            heading->setFont(font);
            items->appendRow(heading);
        }
        auto *entry = new QStandardItem(requirementLabel(r));
        entry->setData(QStringLiteral("    ") + requirementEntryText(r), ListTextRole);
        entry->setData(r.id, Qt::UserRole);
        items->appendRow(entry);
    }
    ui->combo_Anforderung->setModel(items);
    ui->combo_Anforderung->setItemDelegate(new RequirementListDelegate(ui->combo_Anforderung));
    ui->combo_Anforderung->view()->setMinimumWidth(ui->combo_Anforderung->view()->sizeHintForColumn(0) + 24);
}

// The project's inputs into the controls, without running any handler.
void TForm_Nachweis::showInputs()
{
    const ProjectRequirement &requirement = m_model.requirement;
    const ImpactInputs &impact = m_model.impactInputs;
    {
        const QSignalBlocker blockRequirement(ui->combo_Anforderung);
        const QSignalBlocker blockScreed(ui->combo_Estrichart);
        ui->combo_Anforderung->setCurrentIndex(
            std::max(0, ui->combo_Anforderung->findData(requirement.id, Qt::UserRole)));
        ui->combo_Estrichart->setCurrentIndex(static_cast<int>(impact.screed));
    }
    setFieldText(ui->edit_eigeneAnforderung, fieldText(requirement.ownRw));
    setFieldText(ui->edit_eigeneAnforderungLnw, fieldText(requirement.ownLnw));
    setFieldText(ui->edit_EstrichMasse, fieldText(impact.screedMass));
    setFieldText(ui->edit_Steifigkeit, fieldText(impact.stiffness));
    setFieldText(ui->edit_Steifigkeit2, fieldText(impact.stiffness2));
    setFieldText(ui->edit_DeltaLw, fieldText(impact.deltaLw));
    enableInputs();
}

// The own values only for the own requirement; the screed only for a floor, and of its
// values those its kind uses.
void TForm_Nachweis::enableInputs()
{
    // Shown only for the own requirement, so that a catalogue entry has the whole width.
    const bool own = m_model.requirement.id == QLatin1String(OwnRequirementId);
    for (QWidget *w : std::initializer_list<QWidget *>{
             ui->lb_eigeneAnforderung, ui->edit_eigeneAnforderung, ui->lb_eigeneAnforderungDb,
             ui->lb_eigeneAnforderungLnw, ui->edit_eigeneAnforderungLnw, ui->lb_eigeneAnforderungLnwDb})
        w->setVisible(own);
    // A long entry may not fit the closed box: the tool tip has it whole.
    ui->combo_Anforderung->setToolTip(ui->combo_Anforderung->currentText());
    const bool floor = m_model.Orientation == 1;
    const ScreedKind kind = m_model.impactInputs.screed;
    const bool formula = kind == ScreedKind::CementOrCalciumSulphate || kind == ScreedKind::MasticAsphaltOrDry;
    ui->combo_Estrichart->setEnabled(floor);
    for (QLineEdit *field : {ui->edit_EstrichMasse, ui->edit_Steifigkeit, ui->edit_Steifigkeit2})
        field->setEnabled(floor && formula);
    ui->edit_DeltaLw->setEnabled(floor && kind == ScreedKind::TypedImprovement);
}

void TForm_Nachweis::rememberChoice() const
{
    QSettings settings(settingsOrganization(), settingsApplication());
    const ProjectRequirement &requirement = m_model.requirement;
    settings.setValue(ChoiceKey, requirement.id);
    settings.setValue(OwnValueKey, requirement.ownRw > 0 ? formatGeneral(requirement.ownRw, QLatin1Char('.'))
                                                         : QString());
    settings.setValue(OwnLnwKey, requirement.ownLnw > 0 ? formatGeneral(requirement.ownLnw, QLatin1Char('.'))
                                                         : QString());
    m_session.setNewProjectRequirement(requirement);
}

// An edit of the requirement or of the screed: the project changed, its results follow.
void TForm_Nachweis::inputChanged()
{
    enableInputs();
    // A recalculation refreshes the window through recalculated(); without one (switched
    // off, or a field elsewhere is not a number) the window still shows the edit.
    const bool refreshed = m_session.Recalculate();
    m_session.markChanged();
    if (!refreshed)
        refresh();
}

void TForm_Nachweis::combo_AnforderungChange()
{
    m_model.requirement.id = ui->combo_Anforderung->currentData(Qt::UserRole).toString();
    rememberChoice();
    inputChanged();
}

void TForm_Nachweis::edit_eigeneAnforderungChange()
{
    const QChar sep = localeDecimalSeparator();
    const long double rw = parseProofValue(ui->edit_eigeneAnforderung->text(), sep).value_or(0);
    const long double lnw = parseProofValue(ui->edit_eigeneAnforderungLnw->text(), sep).value_or(0);
    // "53" and "53," are the same requirement: nothing changed.
    if (rw == m_model.requirement.ownRw && lnw == m_model.requirement.ownLnw)
        return;
    m_model.requirement.ownRw = rw;
    m_model.requirement.ownLnw = lnw;
    rememberChoice();
    inputChanged();
}

void TForm_Nachweis::combo_EstrichartChange()
{
    m_model.impactInputs.screed = static_cast<ScreedKind>(ui->combo_Estrichart->currentIndex());
    inputChanged();
}

void TForm_Nachweis::edit_EstrichMasseChange()
{
    const QChar sep = localeDecimalSeparator();
    auto value = [sep](const QLineEdit *field) { return parseProofValue(field->text(), sep).value_or(0); };
    ImpactInputs inputs = m_model.impactInputs;
    inputs.screedMass = value(ui->edit_EstrichMasse);
    inputs.stiffness = value(ui->edit_Steifigkeit);
    inputs.stiffness2 = value(ui->edit_Steifigkeit2);
    inputs.deltaLw = value(ui->edit_DeltaLw);
    if (inputs == m_model.impactInputs)
        return;
    m_model.impactInputs = inputs;
    inputChanged();
}

bool TForm_Nachweis::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::KeyPress) {
        auto *field = qobject_cast<QLineEdit *>(watched);
        if (field && m_numberFields.contains(field))
            return filterDecimalKey(field, static_cast<QKeyEvent *>(event));
    }
    return QWidget::eventFilter(watched, event);
}

void TForm_Nachweis::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    showInputs();
    refresh();
}

void TForm_Nachweis::refresh()
{
    if (!isVisible())
        return;
    enableInputs();
    showAirborne();
    showImpact();
    showNotes();
    showTables();
    ui->btn_Kopieren->setEnabled(m_model.Calculated);
    ui->btn_CSV->setEnabled(m_model.Calculated);
}

void TForm_Nachweis::showAirborne()
{
    QLabel *const values[] = {ui->label_Rw, ui->label_RwMinusU, ui->label_erfRw, ui->label_Urteil};
    for (const AirborneLine &line : airborneLines(m_model, localeDecimalSeparator())) {
        if (line.quantity == AirborneQuantity::Verdict)
            showVerdict(ui->label_Urteil, line.value, airborneVerdictState(m_model));
        else
            values[static_cast<int>(line.quantity)]->setText(line.value);
    }
}

void TForm_Nachweis::showImpact()
{
    using I = ImpactQuantity;
    const QChar sep = localeDecimalSeparator();
    const std::pair<I, QLabel *> values[] = {
        {I::SlabMass, ui->label_ms},         {I::Lneq0w, ui->label_Lneq0w},
        {I::CombinedStiffness, ui->label_sResultierend}, {I::DeltaLw, ui->label_DeltaLw},
        {I::MeanFlankMass, ui->label_mfm},   {I::Correction, ui->label_K},
        {I::Lnw, ui->label_Lnw},             {I::LnTw, ui->label_LnTw},
        {I::LnwPlusU, ui->label_LnwPlusU},   {I::ZulLnw, ui->label_zulLnw}};
    for (const auto &[quantity, label] : values)
        label->setText(QStringLiteral("–"));
    QString verdict = impactPartStatusText(m_model);
    bool twoLayers = false; // the combined stiffness has a line only with a second layer
    const QList<ImpactLine> lines = impactLines(m_model, sep);
    for (const ImpactLine &line : lines) {
        if (line.quantity == I::Verdict)
            verdict = line.value;
        twoLayers = twoLayers || line.quantity == I::CombinedStiffness;
        for (const auto &[quantity, label] : values) {
            if (quantity == line.quantity)
                label->setText(line.value);
        }
    }
    ui->lb_sResultierend->setVisible(twoLayers);
    ui->label_sResultierend->setVisible(twoLayers);
    if (verdict.isEmpty()) // computed, but no L'n,w: the L'n,w line says why
        verdict = ui->label_Lnw->text();
    showVerdict(ui->label_UrteilTrittschall, verdict, impactVerdictState(m_model));
    const bool walls = m_model.impact.computed() && m_model.impact.hasK;
    ui->label_Waende->setText(walls ? QString::fromUtf8("gezählte Wände: ") + countedWallsText(m_model, sep)
                                    : QString());
    ui->label_Waende->setVisible(walls);
    const QStringList hints = impactHints(m_model);
    ui->label_TrittschallHinweise->setText(bullets(hints));
    ui->label_TrittschallHinweise->setVisible(!hints.isEmpty());
}

void TForm_Nachweis::showNotes()
{
    if (!m_model.Calculated) {
        ui->label_Hinweise->clear();
        return;
    }
    ui->label_Hinweise->setText(QStringLiteral("Hinweise:\n") + bullets(proofNotes(m_model)));
}

void TForm_Nachweis::showTables()
{
    if (!m_model.Calculated) {
        ui->grid_Wege->setRowCount(0);
        ui->grid_Bauteile->setRowCount(0);
        return;
    }
    const QChar sep = localeDecimalSeparator();
    const PathShares shares = computePathShares(m_model);
    // The rows first: an item set on a row the table does not have yet is dropped, and the
    // bars of the first showing with it.
    fillTable(ui->grid_Wege, pathTable(shares, m_model.fields, sep), {3, 4, 5}, BarColumn, BarColumn);
    const long double largest = shares.paths[0].share;
    for (int r = 0; r < TransmissionPathCount; ++r) {
        QTableWidgetItem *bar = ui->grid_Wege->item(r, BarColumn);
        if (!bar) {
            bar = new QTableWidgetItem;
            ui->grid_Wege->setItem(r, BarColumn, bar);
        }
        bar->setData(BarRole, largest > 0 ? static_cast<double>(shares.paths[r].share / largest) : 0.0);
    }
    fillTable(ui->grid_Bauteile, elementTable(shares, m_model.fields, sep), {2, 3}, -1, 0);
}

void TForm_Nachweis::btn_KopierenClick()
{
    if (!m_model.Calculated)
        return;
    QGuiApplication::clipboard()->setText(tableAsTabSeparated(proofTable(m_model, localeDecimalSeparator())));
}

void TForm_Nachweis::btn_CSVClick()
{
    if (!m_model.Calculated)
        return;
    FileDialogOptions options;
    options.caption = QStringLiteral("Tabelle als CSV speichern");
    options.filter = QStringLiteral("CSV-Dateien (*.csv)");
    options.defaultSuffix = QStringLiteral("csv");
    const QString path = userInteraction().getSaveFileName(this, options);
    if (path.isEmpty())
        return;
    const QString error = writeFileAtomically(path, tableAsCsv(proofTable(m_model, localeDecimalSeparator())));
    if (!error.isEmpty())
        showError(this, error);
}

} // namespace tavix::gui
