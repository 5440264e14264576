#include "gui/buildup/form_btaufbau.h"

#include "core/buildup/buildupcalc.h"
#include "core/buildup/buildupclipboard.h"
#include "core/buildup/buildupsummary.h"
#include "core/buildup/catalogue.h"
#include "core/buildup/deliverynote.h"
#include "core/model/numbers.h"
#include "gui/common/codepageguard.h"
#include "gui/common/fieldinput.h"
#include "gui/common/userinteraction.h"
#include "ui_form_btaufbau.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QKeyEvent>
#include <QScopedValueRollback>
#include <QSignalBlocker>
#include <QVBoxLayout>

namespace tavix::gui {

namespace {

QFont scaledFont(const QFont &font, qreal factor)
{
    QFont scaled = font;
    scaled.setPointSizeF(font.pointSizeF() * factor);
    return scaled;
}

} // namespace

TForm_BT::TForm_BT(ProjectModel &model, QWidget *mainWindow)
    : EditingDialog(mainWindow), m_model(model), ui(std::make_unique<Ui::TForm_BT>())
{
    ui->setupUi(this);
    setCentredOnScreen(true);
    m_numberFields = {ui->edit_d1, ui->edit_roh1, ui->edit_d2, ui->edit_roh2, ui->edit_d3, ui->edit_roh3};
    for (QLineEdit *field : m_numberFields) {
        selectAllOnFocus(field);
        field->installEventFilter(this);
    }
    ui->edit_RwUser->installEventFilter(this);
    for (QLineEdit *name : {ui->edit_schichtName1, ui->edit_schichtName2, ui->edit_schichtName3})
        guardCodePage(name);
    ui->label_BT->setBackgroundRole(QPalette::Base);
    // The caption of layer 2 stands beside its list, also when it takes two lines.
    ui->label_WD->setContentsMargins(0, 0, 0, 6);
    // The secondary captions and the long notes in a smaller type.
    for (QWidget *small : std::initializer_list<QWidget *>{ui->rg_Zulassung1, ui->rg_Zulassung2,
                                                           ui->lb_Wandrohdichte, ui->lb_Vgl})
        small->setFont(scaledFont(small->font(), 0.85));
    ui->memo_Meldung->setFont(scaledFont(ui->memo_Meldung->font(), 0.8));
    ui->label_Meldung1->setText(deliveryNoteText());
    QPalette red = ui->label_Meldung1->palette();
    red.setColor(QPalette::WindowText, Qt::red);
    ui->label_Meldung1->setPalette(red);
    m_moertelGroup = new QButtonGroup(this);
    m_moertelGroup->addButton(ui->rg_Moertel_0, 0);
    m_moertelGroup->addButton(ui->rg_Moertel_1, 1);
    fillLists();
    buildReferenceTable();
    connectEvents();
    applyKindLayout(0);
}

TForm_BT::~TForm_BT() = default;

void TForm_BT::connectEvents()
{
    connect(ui->combo_Konstrukt, &QComboBox::currentIndexChanged, this, [this] { combo_KonstruktChange(); });
    for (QComboBox *list : {ui->combo_B1, ui->combo_B2, ui->combo_B2a, ui->combo_B2b, ui->combo_B3})
        connect(list, &QComboBox::currentIndexChanged, this, [this] { combo_B1Click(); });
    connect(m_moertelGroup, &QButtonGroup::idClicked, this, [this] { rg_MoertelClick(); });
    for (QRadioButton *variant : {ui->rg_Zulassung1, ui->rg_Zulassung2})
        connect(variant, &QRadioButton::clicked, this, [this] { rg_Zulassung1Click(); });
    connect(ui->chk_RwUser, &QCheckBox::clicked, this, [this] { chk_RwUserClick(); });
    for (QLineEdit *field :
         {ui->edit_d1, ui->edit_d2, ui->edit_d3, ui->edit_roh1, ui->edit_roh2, ui->edit_roh3})
        connect(field, &QLineEdit::textChanged, this, [this] { edit_d1Change(); });
    connect(ui->btn_OK, &QPushButton::clicked, this, &TForm_BT::btn_OKClick);
    connect(ui->btn_ECS, &QPushButton::clicked, this, &TForm_BT::btn_ECSClick);
}

void TForm_BT::openSlot(int element, int side)
{
    if (!isBuildUpSlot(element, side))
        return;
    m_element = element;
    m_side = side;
    m_model.editElement = element;
    m_model.editSide = side;
    m_working = m_model.buildUp[element][side];
    const BuildUpDialogInput input = dialogInputFromRecord(m_working, localeDecimalSeparator());
    {
        // Loading must not run the change handlers: one recomputation at the end.
        const QScopedValueRollback loading(m_model.RecalcEnabled, false);
        {
            const QSignalBlocker b0(ui->combo_Konstrukt), b1(ui->combo_B1), b2(ui->combo_B2),
                b3(ui->combo_B2a), b4(ui->combo_B2b), b5(ui->combo_B3);
            for (int i = 0; i < 6; ++i)
                setFieldText(numberFields()[i], input.fields[i]);
            setFieldText(ui->edit_schichtName1, m_working.schichtName1);
            setFieldText(ui->edit_schichtName2, m_working.schichtName2);
            setFieldText(ui->edit_schichtName3, m_working.schichtName3);
            ui->combo_B1->setCurrentIndex(m_working.B1);
            ui->combo_B2->setCurrentIndex(m_working.B2);
            ui->combo_B2a->setCurrentIndex(m_working.B2a);
            ui->combo_B2b->setCurrentIndex(m_working.B2b);
            ui->combo_B3->setCurrentIndex(m_working.B3);
            (m_working.Zulassung1 == 1 ? ui->rg_Zulassung1 : ui->rg_Zulassung2)->setChecked(true);
            setFieldText(ui->edit_RwUser, input.rwUserText);
            ui->combo_Konstrukt->setCurrentIndex(m_working.Konstrukt);
            if (QAbstractButton *mortar = m_moertelGroup->button(m_working.Moertel))
                mortar->setChecked(true);
        }

        if (element == 0)
            ui->label_BT->setText(QStringLiteral(" Trennbauteil"));
        else
            ui->label_BT->setText(QStringLiteral(" ") + m_model.fields.Flanke[element] +
                                  QStringLiteral(" / ") +
                                  (side == 1 ? m_model.fields.room1 : m_model.fields.room2));

        disableMainWindow();
    }

    // Opening shows the stored layer names: only the fixed wall name of kinds 2 to 4 is set.
    applyKindLayout(ui->combo_Konstrukt->currentIndex());
    ui->chk_RwUser->setChecked(input.rwUserTicked);
    setRwUserEditable(ui->chk_RwUser->isChecked());
    recompute();

    showOverMainWindow();
}

void TForm_BT::applyKindLayout(int kind)
{
    const bool lists = kind == 0 || kind == 1;
    const bool withTable = kind >= 2 && kind <= 4;
    setFixedSize(withTable ? WideWidth : NarrowWidth, FormHeight);
    ui->panel_Umrechnung->setVisible(withTable);
    ui->panel_Listen->setVisible(lists);
    ui->panel_Schichtaufbau->setVisible(!lists);

    ui->combo_B2->setVisible(kind == 0);
    ui->combo_B2b->setVisible(kind == 0);
    ui->rg_Moertel->setVisible(kind == 0);
    ui->combo_B2a->setVisible(kind == 1);
    ui->label_Rohdichteklasse->setVisible(kind == 0);
    ui->label_Wanddicke->setVisible(kind == 0);
    ui->label_WD->setText(kind == 1 ? QStringLiteral("Wand/ Decke:") : QStringLiteral("Wand:"));
    ui->Label4->setText(kind == 5 ? QStringLiteral("Bauteil:") : QStringLiteral("Wand:"));
    ui->lb_Wandrohdichte->setVisible(kind != 1);
    ui->lb_Vgl->setVisible(withTable);

    for (QLineEdit *field : {ui->edit_d1, ui->edit_d3, ui->edit_roh1, ui->edit_roh2, ui->edit_roh3})
        field->setEnabled(!lists);
    ui->edit_d2->setEnabled(kind != 0);

    if (withTable) {
        setFieldText(ui->edit_schichtName2, fixedLayer2Name(kind));
    }
    ui->edit_schichtName2->setEnabled(kind == 5);

    if (kind == 0)
        evaluateDeliveryNote();
    else
        ui->label_Meldung1->hide();
}

void TForm_BT::evaluateDeliveryNote()
{
    ui->label_Meldung1->setVisible(!tavixProductDeliverable(
        m_moertelGroup->checkedId(), ui->combo_B2->currentIndex(), ui->combo_B2b->currentIndex()));
}

void TForm_BT::setRwUserEditable(bool editable)
{
    ui->edit_RwUser->setEnabled(editable);
}

void TForm_BT::combo_KonstruktChange()
{
    const int kind = ui->combo_Konstrukt->currentIndex();
    applyKindLayout(kind);
    auto clearUserRw = [this] {
        ui->chk_RwUser->hide();
        ui->chk_RwUser->setChecked(false);
        setRwUserEditable(false);
    };
    switch (kind) {
    case 0:
        clearUserRw();
        ui->rg_Zulassung1->hide();
        ui->rg_Zulassung2->hide();
        break;
    case 1:
        clearUserRw();
        setFieldText(ui->edit_schichtName3, plasterLayerName());
        break;
    case 2:
    case 3:
    case 4:
    case 5:
        setFieldText(ui->edit_schichtName1, plasterLayerName());
        setFieldText(ui->edit_schichtName3, plasterLayerName());
        setFieldText(ui->edit_roh2, QStringLiteral("0"));
        if (kind == 3 || kind == 4)
            setFieldText(ui->edit_RwUser, QStringLiteral("0"));
        if (kind == 4 || kind == 5)
            clearUserRw();
        break;
    default:
        break;
    }
    recompute();
}

void TForm_BT::combo_B1Click()
{
    if (ui->combo_Konstrukt->currentIndex() == 0)
        evaluateDeliveryNote();
    recompute();
}

void TForm_BT::rg_MoertelClick()
{
    combo_B1Click();
}

void TForm_BT::rg_Zulassung1Click()
{
    recompute();
}

void TForm_BT::chk_RwUserClick()
{
    setRwUserEditable(ui->chk_RwUser->isChecked());
    recompute();
}

void TForm_BT::edit_d1Change()
{
    for (QLineEdit *field :
         {ui->edit_d1, ui->edit_d2, ui->edit_d3, ui->edit_roh1, ui->edit_roh2, ui->edit_roh3}) {
        if (field->text().isEmpty())
            setFieldText(field, QStringLiteral("0"));
    }
    if (m_model.RecalcEnabled)
        recompute();
}

bool TForm_BT::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::KeyPress) {
        if (auto *field = qobject_cast<QLineEdit *>(watched))
            return filterDecimalKey(field, static_cast<QKeyEvent *>(event));
    }
    return EditingDialog::eventFilter(watched, event);
}

void TForm_BT::btn_OKClick()
{
    if (m_element < 0)
        return;
    // A user Rw typed into ui->edit_RwUser only counts after a recomputation.
    if (!recompute())
        return;

    BuildUpRecord record = recordFromControls();

    BuildUpFieldTexts texts;
    const QLineEdit *names[3] = {ui->edit_schichtName1, ui->edit_schichtName2, ui->edit_schichtName3};
    for (int i = 0; i < 3; ++i) {
        texts.thickness[i] = numberFields()[2 * i]->text();
        texts.density[i] = numberFields()[2 * i + 1]->text();
        texts.name[i] = names[i]->text();
    }
    if (record.Konstrukt >= 2)
        ui->label_Meldung1->hide();

    const int element = m_element;
    const int side = m_side;
    m_working = commitBuildUp(m_model, element, side, record, texts).record;
    record = m_working;
    // Before any question, so the main window shows the committed state even if the user
    // keeps the dialog open.
    Q_EMIT buildUpCommitted(element, side);

    const bool massOk = record.m >= MinimumMass;
    if (record.Rw > 0 && massOk) {
        accept(element, side);
        return;
    }
    const QString warning =
        !massOk
            ? QStringLiteral(" WARNUNG! Flächenmasse kleiner 80 kg/m². Keine Berechnung der Schalldämmung "
                             "möglich !!! \r Möchten Sie die Eingabe trotzdem beenden ? ")
            : QStringLiteral(" WARNUNG! Keine Direktschalldämmung Rw angegeben! \r Möchten Sie die Eingabe "
                             "trotzdem beenden ? ");
    if (userInteraction().askYesNo(this, MessageKind::Warning, warning))
        accept(element, side);
}

void TForm_BT::accept(int element, int side)
{
    finish();
    Q_EMIT buildUpAccepted(element, side);
}

void TForm_BT::btn_ECSClick()
{
    finish();
}

void TForm_BT::fillLists()
{
    ui->combo_Konstrukt->addItems(constructionKindItems());
    ui->combo_B1->addItems(plasterItems());
    ui->combo_B3->addItems(plasterItems());
    ui->combo_B2->addItems(densityClassItems());
    ui->combo_B2b->addItems(thicknessItems());
    ui->combo_B2b->setMaxVisibleItems(thicknessItems().size()); // the whole list at once
    ui->combo_B2a->addItems(concreteItems());
    const QStringList &mortars = mortarItems();
    for (int i = 0; i < mortars.size(); ++i) {
        if (QAbstractButton *button = m_moertelGroup->button(i))
            button->setText(mortars.at(i));
    }
}

void TForm_BT::buildReferenceTable()
{
    // Filled from the catalogue's table, which the Designer file does not know.
    const ReferenceTableTexts &t = referenceTableTexts();
    QFont small = font();
    small.setPointSizeF(small.pointSizeF() * 0.8);
    QFont bold = font();
    bold.setBold(true);
    auto cell = [&](const QString &text, const QFont &f, Qt::Alignment align = Qt::AlignCenter) {
        auto *label = new QLabel(text);
        label->setFont(f);
        label->setAlignment(align);
        label->setWordWrap(true);
        return label;
    };

    auto *outer = new QVBoxLayout(ui->panel_Umrechnung);
    outer->setContentsMargins(6, 6, 6, 6);
    outer->setSpacing(4);
    QFont heading = bold;
    heading.setPointSizeF(heading.pointSizeF() * 0.82);
    outer->addWidget(cell(t.heading, heading));

    auto *grid = new QGridLayout;
    grid->setHorizontalSpacing(2);
    grid->setVerticalSpacing(2);
    QFont normal = font();
    normal.setPointSizeF(normal.pointSizeF() * 0.9);
    auto *stone = cell(t.stoneCaption, small);
    grid->addWidget(stone, 0, 0, 2, 1);
    grid->addWidget(cell(t.wallCaption + QStringLiteral(" ") + t.footnoteMarks, small), 0, 1, 1, 3);
    grid->addWidget(cell(t.normalCaption, small), 1, 1);
    auto *light = cell(t.lightCaption + QStringLiteral("\n") + t.lightNote, small);
    grid->addWidget(light, 1, 2);
    grid->addWidget(cell(t.thinBedCaption, small), 1, 3);
    grid->addWidget(cell(t.stoneUnit, small), 2, 0);
    for (int c = 1; c <= 3; ++c)
        grid->addWidget(cell(t.wallUnit, small), 2, c);
    for (int r = 0; r < ReferenceRowCount; ++r) {
        const ReferenceRow &row = ReferenceRows[r];
        const int values[3] = {row.normalMortar, row.lightweightMortar, row.thinBedMortar};
        grid->addWidget(cell(QString::fromLatin1(row.densityClass), normal), 3 + r, 0);
        for (int c = 0; c < 3; ++c)
            grid->addWidget(cell(QString::number(values[c]), normal), 3 + r, 1 + c);
    }
    for (int c = 0; c < 4; ++c)
        grid->setColumnStretch(c, c == 2 ? 6 : 5); // the lightweight-mortar note needs more room
    // Ruled like a printed table: a frame around the grid, lines between its cells.
    auto *tableFrame = new QFrame;
    tableFrame->setFrameShape(QFrame::Box);
    tableFrame->setLayout(grid);
    outer->addWidget(tableFrame);
    outer->addWidget(cell(t.footnote1, small, Qt::AlignLeft | Qt::AlignTop));
    outer->addWidget(cell(t.footnote2, small, Qt::AlignLeft | Qt::AlignTop));
    outer->addStretch(1);
}

// The working record with the choices of the lists and buttons.
BuildUpRecord TForm_BT::recordFromControls() const
{
    BuildUpRecord record = m_working;
    record.Konstrukt = ui->combo_Konstrukt->currentIndex();
    record.Moertel = qMax(0, m_moertelGroup->checkedId());
    record.B1 = ui->combo_B1->currentIndex();
    record.B2 = ui->combo_B2->currentIndex();
    record.B2a = ui->combo_B2a->currentIndex();
    record.B2b = ui->combo_B2b->currentIndex();
    record.B3 = ui->combo_B3->currentIndex();
    const bool variant1 = ui->rg_Zulassung1->isChecked();
    record.Zulassung1 = variant1 ? 1 : 0;
    record.Zulassung2 = variant1 ? 0 : 1;
    record.RwUserOn = ui->chk_RwUser->isChecked() ? 1 : 0;
    return record;
}

const std::array<QLineEdit *, 6> &TForm_BT::numberFields() const
{
    return m_numberFields;
}

bool TForm_BT::recompute()
{
    BuildUpDialogInput input;
    input.record = recordFromControls();
    const auto &fields = numberFields();
    for (int i = 0; i < 6; ++i)
        input.fields[i] = fields[i]->text();
    input.rwUserText = ui->edit_RwUser->text();
    input.rwUserTicked = ui->chk_RwUser->isChecked();

    const BuildUpDialogView view = recomputeBuildUp(input, localeDecimalSeparator());

    for (int i = 0; i < 6; ++i) {
        if (fields[i]->text() != view.fields[i])
            setFieldText(fields[i], view.fields[i]);
    }
    if (view.displayValid) {
        m_working = view.record;
        if (view.layerTextsFromLists) {
            setFieldText(ui->edit_schichtName1, view.layerTexts[0]);
            setFieldText(ui->edit_schichtName2, view.layerTexts[1]);
            setFieldText(ui->edit_schichtName3, view.layerTexts[2]);
        }
        ui->label_m->setText(view.massText);

        ui->lb_Rw->setText(view.rwCaption);
        QPalette captionColours = ui->lb_Rw->palette();
        captionColours.setColor(QPalette::WindowText,
                                view.rwCaptionRed ? QColor(Qt::red) : QColor(Qt::black));
        ui->lb_Rw->setPalette(captionColours);
        ui->label_Rw->setText(view.rwValueText);
        ui->label_Rw->setVisible(view.rwValueVisible);

        for (QWidget *w :
             std::initializer_list<QWidget *>{ui->chk_RwUser, ui->panel_RwUser, ui->memo_Meldung})
            w->setVisible(view.correctionVisible);
        ui->memo_Meldung->setPlainText(view.notes.join(QLatin1Char('\n')));
        if (ui->edit_RwUser->text() != view.rwUserText)
            setFieldText(ui->edit_RwUser, view.rwUserText);

        ui->rg_Zulassung1->setVisible(view.approvalVisible);
        ui->rg_Zulassung2->setVisible(view.approvalVisible);
        if (view.approvalVisible) {
            ui->rg_Zulassung1->setText(view.approval1Caption);
            ui->rg_Zulassung2->setText(view.approval2Caption);
        }
    }
    if (!view.error.isEmpty()) {
        showError(this, view.error);
        return false;
    }
    return view.displayValid;
}

} // namespace tavix::gui
