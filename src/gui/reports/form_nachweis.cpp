#include "gui/reports/form_nachweis.h"

#include "core/calculate/pathshares.h"
#include "core/io/filelayer.h"
#include "core/model/numbers.h"
#include "core/reports/requirements.h"
#include "core/session/projectsession.h"
#include "gui/common/userinteraction.h"

#include <QAbstractItemView>
#include <QClipboard>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QSettings>
#include <QStandardItemModel>
#include <QStyledItemDelegate>
#include <QTableWidget>
#include <QVBoxLayout>

namespace tavix::gui {

namespace {

const QString ChoiceKey = QStringLiteral("Nachweis/Anforderung");
const QString OwnValueKey = QStringLiteral("Nachweis/eigeneAnforderung");
const QString DefaultRequirement = QStringLiteral("mfh-wand");

constexpr int BarColumn = 5;
constexpr int BarRole = Qt::UserRole + 1; // bar length, 0..1 of the column

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
        painter->save();
        painter->fillRect(bar, QColor(0x3a, 0x6e, 0xa5));
        painter->restore();
    }
};

QLabel *valueLabel(const QString &name)
{
    auto *label = new QLabel(QStringLiteral("–"));
    label->setObjectName(name);
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    label->setMinimumWidth(70);
    return label;
}

QTableWidget *table(const QString &name, int columns)
{
    auto *grid = new QTableWidget(0, columns);
    grid->setObjectName(name);
    grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid->setSelectionMode(QAbstractItemView::NoSelection);
    grid->setFocusPolicy(Qt::NoFocus);
    grid->verticalHeader()->hide();
    grid->setAlternatingRowColors(true);
    grid->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    grid->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    grid->verticalHeader()->setDefaultSectionSize(grid->fontMetrics().height() + 6);
    // The table is as tall as its rows, so that the window shows all of them at once.
    grid->setSizeAdjustPolicy(QAbstractScrollArea::AdjustToContents);
    grid->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    return grid;
}

void fillTable(QTableWidget *grid, const QList<QStringList> &rows, const QList<int> &rightAligned,
               int skipColumn)
{
    const QStringList header = rows.value(0);
    grid->setRowCount(rows.size() - 1);
    for (int r = 1; r < rows.size(); ++r) {
        const QStringList &cells = rows.at(r);
        for (int c = 0; c < cells.size(); ++c) {
            const int column = skipColumn >= 0 && c >= skipColumn ? c + 1 : c;
            auto *item = new QTableWidgetItem(cells.at(c));
            if (rightAligned.contains(c))
                item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            grid->setItem(r - 1, column, item);
        }
    }
    QStringList labels = header;
    if (skipColumn >= 0)
        labels.insert(skipColumn, QString());
    grid->setHorizontalHeaderLabels(labels);
}

} // namespace

TForm_Nachweis::TForm_Nachweis(ProjectSession &session, QWidget *parent)
    : QWidget(parent, Qt::Window), m_model(session.model())
{
    connect(&session, &ProjectSession::recalculated, this, &TForm_Nachweis::refresh);
    setObjectName(QStringLiteral("Form_Nachweis"));
    setWindowTitle(QString::fromUtf8(" Nachweis und Übertragungswege"));
    setupUi();
    restoreChoice();
}

QString TForm_Nachweis::settingsOrganization()
{
    return QStringLiteral("Tavix");
}

QString TForm_Nachweis::settingsApplication()
{
    return QStringLiteral("Tavix-Schallschutz Rechner");
}

void TForm_Nachweis::setupUi()
{
    auto *layout = new QVBoxLayout(this);

    auto *choiceBox = new QGroupBox(QStringLiteral("Anforderung"));
    auto *choice = new QGridLayout(choiceBox);
    combo_Anforderung = new QComboBox;
    combo_Anforderung->setObjectName(QStringLiteral("combo_Anforderung"));
    combo_Anforderung->setMaxVisibleItems(30);
    fillRequirementChoice();
    // The field stays of moderate width; the open list shows the long entries in full.
    combo_Anforderung->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    combo_Anforderung->setMinimumContentsLength(60);
    combo_Anforderung->view()->setMinimumWidth(combo_Anforderung->view()->sizeHintForColumn(0) + 24);
    edit_eigeneAnforderung = new QLineEdit;
    edit_eigeneAnforderung->setObjectName(QStringLiteral("edit_eigeneAnforderung"));
    edit_eigeneAnforderung->setMaximumWidth(80);
    choice->addWidget(combo_Anforderung, 0, 0);
    choice->addWidget(new QLabel(QString::fromUtf8("eigene Anforderung erf. R'w:")), 0, 1);
    choice->addWidget(edit_eigeneAnforderung, 0, 2);
    choice->addWidget(new QLabel(QStringLiteral("dB")), 0, 3);
    choice->setColumnStretch(0, 1);
    layout->addWidget(choiceBox);

    auto *checkBox = new QGroupBox(QString::fromUtf8("Nachweis durch Berechnung (DIN 4109-2:2018)"));
    auto *check = new QGridLayout(checkBox);
    label_Rw = valueLabel(QStringLiteral("label_Rw"));
    label_RwMinusU = valueLabel(QStringLiteral("label_RwMinusU"));
    label_erfRw = valueLabel(QStringLiteral("label_erfRw"));
    label_Urteil = new QLabel(QStringLiteral("–"));
    label_Urteil->setObjectName(QStringLiteral("label_Urteil"));
    QFont bold = label_Urteil->font();
    bold.setBold(true);
    bold.setPointSizeF(bold.pointSizeF() * 1.15);
    label_Urteil->setFont(bold);
    int row = 0;
    check->addWidget(new QLabel(QString::fromUtf8("bewertetes Bau-Schalldämm-Maß R'w:")), row, 0);
    check->addWidget(label_Rw, row++, 1);
    check->addWidget(new QLabel(QString::fromUtf8("R'w − u_prog (u_prog = 2 dB):")), row, 0);
    check->addWidget(label_RwMinusU, row++, 1);
    check->addWidget(new QLabel(QString::fromUtf8("Anforderung erf. R'w:")), row, 0);
    check->addWidget(label_erfRw, row++, 1);
    check->addWidget(new QLabel(QStringLiteral("Ergebnis:")), row, 0);
    check->addWidget(label_Urteil, row++, 1, 1, 2);
    check->setColumnStretch(2, 1);
    auto *elementsBox = new QGroupBox(QString::fromUtf8("Anteile der Bauteile (je Flanke ihre drei Wege)"));
    auto *elements = new QVBoxLayout(elementsBox);
    grid_Bauteile = table(QStringLiteral("grid_Bauteile"), 4);
    grid_Bauteile->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    elements->addWidget(grid_Bauteile);
    elements->addStretch(1);
    auto *middle = new QHBoxLayout;
    middle->addWidget(checkBox, 1);
    middle->addWidget(elementsBox, 0);
    layout->addLayout(middle);

    auto *pathsBox =
        new QGroupBox(QString::fromUtf8("Übertragungswege, nach Anteil an der übertragenen Schallenergie"));
    auto *paths = new QVBoxLayout(pathsBox);
    grid_Wege = table(QStringLiteral("grid_Wege"), 7);
    grid_Wege->setItemDelegateForColumn(BarColumn, new ShareBarDelegate(grid_Wege));
    paths->addWidget(grid_Wege);
    layout->addWidget(pathsBox);

    label_Hinweise = new QLabel;
    label_Hinweise->setObjectName(QStringLiteral("label_Hinweise"));
    label_Hinweise->setWordWrap(true);
    label_Hinweise->setTextFormat(Qt::PlainText);
    layout->addWidget(label_Hinweise);

    auto *buttons = new QHBoxLayout;
    btn_Kopieren = new QPushButton(QStringLiteral("Tabelle kopieren"));
    btn_Kopieren->setObjectName(QStringLiteral("btn_Kopieren"));
    btn_CSV = new QPushButton(QStringLiteral("als CSV speichern"));
    btn_CSV->setObjectName(QStringLiteral("btn_CSV"));
    btn_Schliessen = new QPushButton(QString::fromUtf8("Schließen"));
    btn_Schliessen->setObjectName(QStringLiteral("btn_Schliessen"));
    buttons->addWidget(btn_Kopieren);
    buttons->addWidget(btn_CSV);
    buttons->addStretch(1);
    buttons->addWidget(btn_Schliessen);
    layout->addLayout(buttons);
    layout->addStretch(1);

    connect(combo_Anforderung, &QComboBox::currentIndexChanged, this,
            &TForm_Nachweis::combo_AnforderungChange);
    connect(edit_eigeneAnforderung, &QLineEdit::textChanged, this,
            &TForm_Nachweis::edit_eigeneAnforderungChange);
    connect(btn_Kopieren, &QPushButton::clicked, this, &TForm_Nachweis::btn_KopierenClick);
    connect(btn_CSV, &QPushButton::clicked, this, &TForm_Nachweis::btn_CSVClick);
    connect(btn_Schliessen, &QPushButton::clicked, this, &QWidget::close);
}

void TForm_Nachweis::fillRequirementChoice()
{
    auto *items = new QStandardItemModel(combo_Anforderung);
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
        auto *entry = new QStandardItem(QStringLiteral("    ") + requirementEntryText(r));
        entry->setData(r.id, Qt::UserRole);
        items->appendRow(entry);
    }
    combo_Anforderung->setModel(items);
}

void TForm_Nachweis::restoreChoice()
{
    const QSettings settings(settingsOrganization(), settingsApplication());
    QString id = settings.value(ChoiceKey, DefaultRequirement).toString();
    if (!findRequirement(id))
        id = DefaultRequirement;
    QString own = settings.value(OwnValueKey).toString();
    own.replace(QLatin1Char('.'), localeDecimalSeparator());

    const QSignalBlocker blockCombo(combo_Anforderung);
    const QSignalBlocker blockEdit(edit_eigeneAnforderung);
    combo_Anforderung->setCurrentIndex(combo_Anforderung->findData(id, Qt::UserRole));
    edit_eigeneAnforderung->setText(own);
    edit_eigeneAnforderung->setEnabled(id == QLatin1String(OwnRequirementId));
}

void TForm_Nachweis::rememberChoice() const
{
    QSettings settings(settingsOrganization(), settingsApplication());
    settings.setValue(ChoiceKey, chosenRequirement().id);
    // Stored with "." so that a change of the locale does not lose the value.
    QString own = edit_eigeneAnforderung->text().trimmed();
    own.replace(localeDecimalSeparator(), QLatin1Char('.'));
    settings.setValue(OwnValueKey, own);
}

const Requirement &TForm_Nachweis::chosenRequirement() const
{
    const Requirement *r = findRequirement(combo_Anforderung->currentData(Qt::UserRole).toString());
    return r ? *r : *findRequirement(DefaultRequirement);
}

std::optional<long double> TForm_Nachweis::requiredRw() const
{
    const Requirement &r = chosenRequirement();
    if (r.id != QLatin1String(OwnRequirementId))
        return r.erfRw;
    return parseRequirementValue(edit_eigeneAnforderung->text(), localeDecimalSeparator());
}

void TForm_Nachweis::combo_AnforderungChange()
{
    edit_eigeneAnforderung->setEnabled(chosenRequirement().id == QLatin1String(OwnRequirementId));
    rememberChoice();
    refresh();
}

void TForm_Nachweis::edit_eigeneAnforderungChange()
{
    rememberChoice();
    refresh();
}

void TForm_Nachweis::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    refresh();
}

void TForm_Nachweis::refresh()
{
    if (!isVisible())
        return;
    if (!m_model.Calculated) {
        showNoResults();
        return;
    }
    btn_Kopieren->setEnabled(true);
    btn_CSV->setEnabled(true);
    showCheck();
    showTables();
}

void TForm_Nachweis::showCheck()
{
    const QChar sep = localeDecimalSeparator();
    const std::optional<long double> erf = requiredRw();
    const Requirement &requirement = chosenRequirement();
    const RequirementCheck check = checkRequirement(m_model.RwBau, erf.value_or(0));
    label_Rw->setText(decibelText(check.rw, sep));
    label_RwMinusU->setText(decibelText(check.rwMinusU, sep));
    QPalette palette = label_Urteil->palette();
    if (erf) {
        label_erfRw->setText(decibelText(check.erfRw, sep));
        label_Urteil->setText(verdictText(check, sep));
        palette.setColor(QPalette::WindowText,
                         check.fulfilled ? QColor(0x1b, 0x7a, 0x2e) : QColor(0xc0, 0x10, 0x10));
    } else {
        label_erfRw->setText(QStringLiteral("–"));
        label_Urteil->setText(requirement.id == QLatin1String(OwnRequirementId)
                                  ? QString::fromUtf8("bitte eine eigene Anforderung in dB eingeben")
                                  : QString::fromUtf8("keine Anforderung an R'w"));
        palette.setColor(QPalette::WindowText, Qt::gray);
    }
    label_Urteil->setPalette(palette);

    QStringList notes = requirementNotes(&requirement, m_model.Orientation, m_model.A, false);
    for (QString &note : notes)
        note.prepend(QStringLiteral("•  "));
    label_Hinweise->setText(QStringLiteral("Hinweise:\n") + notes.join(QLatin1Char('\n')));
}

void TForm_Nachweis::showTables()
{
    const QChar sep = localeDecimalSeparator();
    const PathShares shares = computePathShares(m_model);
    fillTable(grid_Wege, pathTable(shares, m_model.fields, sep), {3, 4, 5}, BarColumn);
    const long double largest = shares.paths[0].share;
    for (int r = 0; r < TransmissionPathCount; ++r) {
        auto *bar = new QTableWidgetItem;
        bar->setData(BarRole, largest > 0 ? static_cast<double>(shares.paths[r].share / largest) : 0.0);
        grid_Wege->setItem(r, BarColumn, bar);
    }
    fillTable(grid_Bauteile, elementTable(shares, m_model.fields, sep), {2, 3}, -1);

    for (QTableWidget *grid : {grid_Wege, grid_Bauteile}) {
        grid->resizeColumnsToContents();
        grid->updateGeometry(); // the layout asks again for the size that fits all rows
    }
    grid_Wege->horizontalHeader()->setSectionResizeMode(BarColumn, QHeaderView::Stretch);
    grid_Wege->horizontalHeader()->setMinimumSectionSize(40);
}

void TForm_Nachweis::showNoResults()
{
    for (QLabel *label : {label_Rw, label_RwMinusU, label_erfRw})
        label->setText(QStringLiteral("–"));
    label_Urteil->setText(QString::fromUtf8("keine Ergebnisse: die Eingaben sind unvollständig"));
    QPalette palette = label_Urteil->palette();
    palette.setColor(QPalette::WindowText, Qt::gray);
    label_Urteil->setPalette(palette);
    label_Hinweise->clear();
    grid_Wege->setRowCount(0);
    grid_Bauteile->setRowCount(0);
    btn_Kopieren->setEnabled(false);
    btn_CSV->setEnabled(false);
}

void TForm_Nachweis::btn_KopierenClick()
{
    if (!m_model.Calculated)
        return;
    const PathShares shares = computePathShares(m_model);
    QGuiApplication::clipboard()->setText(
        tableAsTabSeparated(pathTable(shares, m_model.fields, localeDecimalSeparator())));
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
    const PathShares shares = computePathShares(m_model);
    const QString error =
        writeFileAtomically(path, tableAsCsv(pathTable(shares, m_model.fields, localeDecimalSeparator())));
    if (!error.isEmpty())
        showError(this, error);
}

} // namespace tavix::gui
