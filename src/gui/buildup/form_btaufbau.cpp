#include "gui/buildup/form_btaufbau.h"

#include "core/buildup/buildupcalc.h"
#include "core/buildup/buildupclipboard.h"
#include "core/buildup/buildupsummary.h"
#include "core/buildup/catalogue.h"
#include "core/buildup/deliverynote.h"
#include "core/model/numbers.h"
#include "gui/common/fieldinput.h"
#include "gui/common/userinteraction.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScopedValueRollback>
#include <QScreen>
#include <QSignalBlocker>
#include <QVBoxLayout>

namespace tavix::gui {

namespace {

QLabel *caption(QWidget *parent, const QString &text, const QRect &geometry,
                Qt::Alignment align = Qt::AlignLeft | Qt::AlignVCenter)
{
    auto *label = new QLabel(text, parent);
    label->setGeometry(geometry);
    label->setAlignment(align);
    return label;
}

void setNumberFieldEditable(QLineEdit *edit, bool editable)
{
    edit->setEnabled(editable);
}

} // namespace

TForm_BT::TForm_BT(ProjectModel &model, QWidget *mainWindow) : EditingDialog(mainWindow), m_model(model)
{
    setObjectName(QStringLiteral("TForm_BT"));
    setWindowTitle(QStringLiteral(" Bauteilaufbau"));
    setCentredOnScreen(true);
    buildControls();
    fillLists();
    buildReferenceTable();
    connectEvents();
    applyKindLayout(0);
}

TForm_BT::~TForm_BT() = default;

void TForm_BT::buildControls()
{
    setFixedSize(NarrowWidth, FormHeight);

    caption(this, QStringLiteral("Bauteil:"), QRect(12, 12, 56, 22));
    label_BT = new QLabel(this);
    label_BT->setObjectName(QStringLiteral("label_BT"));
    label_BT->setGeometry(70, 12, 383, 22);
    label_BT->setFrameShape(QFrame::Panel);
    label_BT->setFrameShadow(QFrame::Sunken);
    label_BT->setAutoFillBackground(true);
    label_BT->setBackgroundRole(QPalette::Base);
    QFont headerFont = label_BT->font();
    headerFont.setBold(true);
    label_BT->setFont(headerFont);

    caption(this, QStringLiteral("Typ:"), QRect(12, 42, 56, 24));
    combo_Konstrukt = new QComboBox(this);
    combo_Konstrukt->setObjectName(QStringLiteral("combo_Konstrukt"));
    combo_Konstrukt->setGeometry(70, 42, 260, 24);

    // Column captions of the layer values
    caption(this, QStringLiteral("Dicke"), QRect(322, 74, 52, 16), Qt::AlignCenter);
    caption(this, QStringLiteral("[cm]"), QRect(322, 90, 52, 16), Qt::AlignCenter);
    caption(this, QStringLiteral("Rohdichte"), QRect(380, 74, 74, 16), Qt::AlignCenter);
    caption(this, QStringLiteral("[kg/m³]"), QRect(380, 90, 74, 16), Qt::AlignCenter);

    // List area of kinds 0 and 1; rows at y 38 (layer 1), 94 (layer 2), 168 (layer 3).
    const QRect layerArea(8, 72, 310, 206);
    panel_Listen = new QFrame(this);
    panel_Listen->setObjectName(QStringLiteral("panel_Listen"));
    panel_Listen->setGeometry(layerArea);
    panel_Listen->setFrameShape(QFrame::StyledPanel);
    caption(panel_Listen, QStringLiteral("Schichtaufbau"), QRect(8, 6, 200, 20));
    caption(panel_Listen, QStringLiteral("Putz:"), QRect(8, 38, 50, 24));
    combo_B1 = new QComboBox(panel_Listen);
    combo_B1->setObjectName(QStringLiteral("combo_B1"));
    combo_B1->setGeometry(62, 38, 240, 24);

    label_Rohdichteklasse =
        caption(panel_Listen, QStringLiteral("Stein-Rohdichteklasse"), QRect(58, 74, 156, 18));
    label_Rohdichteklasse->setObjectName(QStringLiteral("label_Rohdichteklasse"));
    label_Wanddicke = caption(panel_Listen, QStringLiteral("Dicke [cm]"), QRect(218, 74, 84, 18));
    label_Wanddicke->setObjectName(QStringLiteral("label_Wanddicke"));
    label_WD =
        caption(panel_Listen, QStringLiteral("Wand:"), QRect(8, 90, 54, 32), Qt::AlignLeft | Qt::AlignTop);
    label_WD->setObjectName(QStringLiteral("label_WD"));
    label_WD->setWordWrap(true);
    label_WD->setContentsMargins(0, 4, 0, 0);
    combo_B2 = new QComboBox(panel_Listen);
    combo_B2->setObjectName(QStringLiteral("combo_B2"));
    combo_B2->setGeometry(58, 94, 156, 24);
    combo_B2b = new QComboBox(panel_Listen);
    combo_B2b->setObjectName(QStringLiteral("combo_B2b"));
    combo_B2b->setGeometry(218, 94, 84, 24);
    combo_B2a = new QComboBox(panel_Listen);
    combo_B2a->setObjectName(QStringLiteral("combo_B2a"));
    combo_B2a->setGeometry(62, 94, 240, 24);

    rg_Moertel = new QGroupBox(panel_Listen);
    rg_Moertel->setObjectName(QStringLiteral("rg_Moertel"));
    rg_Moertel->setGeometry(62, 122, 240, 30);
    rg_Moertel->setFlat(true);
    rg_Moertel->setStyleSheet(QStringLiteral("QGroupBox { border: 0; }"));
    m_moertelGroup = new QButtonGroup(this);
    for (int i = 0; i < 2; ++i) {
        auto *rb = new QRadioButton(rg_Moertel);
        rb->setObjectName(QStringLiteral("rg_Moertel_%1").arg(i));
        rb->setGeometry(i == 0 ? 0 : 124, 4, i == 0 ? 122 : 116, 22);
        m_moertelGroup->addButton(rb, i);
    }

    caption(panel_Listen, QStringLiteral("Putz:"), QRect(8, 168, 50, 24));
    combo_B3 = new QComboBox(panel_Listen);
    combo_B3->setObjectName(QStringLiteral("combo_B3"));
    combo_B3->setGeometry(62, 168, 240, 24);

    // Free-entry area of kinds 2 to 5, lying over the list area.
    panel_Schichtaufbau = new QFrame(this);
    panel_Schichtaufbau->setObjectName(QStringLiteral("panel_Schichtaufbau"));
    panel_Schichtaufbau->setGeometry(layerArea);
    panel_Schichtaufbau->setFrameShape(QFrame::StyledPanel);
    panel_Schichtaufbau->setAutoFillBackground(true);
    caption(panel_Schichtaufbau, QStringLiteral("Schichtbezeichnung"), QRect(8, 6, 200, 20));
    caption(panel_Schichtaufbau, QStringLiteral("Schicht 1:"), QRect(8, 38, 66, 24));
    edit_schichtName1 = new QLineEdit(panel_Schichtaufbau);
    edit_schichtName1->setObjectName(QStringLiteral("edit_schichtName1"));
    edit_schichtName1->setGeometry(78, 38, 224, 24);
    Label4 = caption(panel_Schichtaufbau, QStringLiteral("Wand:"), QRect(8, 94, 66, 24));
    Label4->setObjectName(QStringLiteral("Label4"));
    edit_schichtName2 = new QLineEdit(panel_Schichtaufbau);
    edit_schichtName2->setObjectName(QStringLiteral("edit_schichtName2"));
    edit_schichtName2->setGeometry(78, 94, 224, 24);
    QFont approvalFont = font();
    approvalFont.setPointSizeF(approvalFont.pointSizeF() * 0.85);
    rg_Zulassung1 = new QRadioButton(panel_Schichtaufbau);
    rg_Zulassung1->setObjectName(QStringLiteral("rg_Zulassung1"));
    rg_Zulassung1->setGeometry(8, 122, 298, 20);
    rg_Zulassung1->setFont(approvalFont);
    rg_Zulassung2 = new QRadioButton(panel_Schichtaufbau);
    rg_Zulassung2->setObjectName(QStringLiteral("rg_Zulassung2"));
    rg_Zulassung2->setGeometry(8, 142, 298, 20);
    rg_Zulassung2->setFont(approvalFont);
    caption(panel_Schichtaufbau, QStringLiteral("Schicht 3:"), QRect(8, 168, 66, 24));
    edit_schichtName3 = new QLineEdit(panel_Schichtaufbau);
    edit_schichtName3->setObjectName(QStringLiteral("edit_schichtName3"));
    edit_schichtName3->setGeometry(78, 168, 224, 24);

    // Layer values, on the rows of the layers.
    QLineEdit **thickness[3] = {&edit_d1, &edit_d2, &edit_d3};
    QLineEdit **density[3] = {&edit_roh1, &edit_roh2, &edit_roh3};
    const int rowY[3] = {72 + 38, 72 + 94, 72 + 168};
    for (int i = 0; i < 3; ++i) {
        auto *d = new QLineEdit(this);
        d->setObjectName(QStringLiteral("edit_d%1").arg(i + 1));
        d->setGeometry(324, rowY[i], 50, 24);
        auto *roh = new QLineEdit(this);
        roh->setObjectName(QStringLiteral("edit_roh%1").arg(i + 1));
        roh->setGeometry(382, rowY[i], 70, 24);
        for (QLineEdit *e : {d, roh}) {
            e->setMaxLength(6);
            e->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
            e->installEventFilter(this);
            selectAllOnFocus(e);
        }
        *thickness[i] = d;
        *density[i] = roh;
        m_numberFields[2 * i] = d;
        m_numberFields[2 * i + 1] = roh;
    }
    QFont smallFont = font();
    smallFont.setPointSizeF(smallFont.pointSizeF() * 0.85);
    lb_Wandrohdichte = caption(this, QStringLiteral("Wand- Rohdichte"), QRect(322, 146, 130, 18),
                               Qt::AlignRight | Qt::AlignVCenter);
    lb_Wandrohdichte->setObjectName(QStringLiteral("lb_Wandrohdichte"));
    lb_Wandrohdichte->setFont(smallFont);
    lb_Vgl = caption(this, QStringLiteral("(siehe Tabelle)"), QRect(322, 192, 130, 18),
                     Qt::AlignRight | Qt::AlignVCenter);
    lb_Vgl->setObjectName(QStringLiteral("lb_Vgl"));
    lb_Vgl->setFont(smallFont);

    // m' and Rw
    caption(this, QStringLiteral("flächenbezogene Gesamtmasse:"), QRect(12, 290, 290, 22));
    label_m = caption(this, QString(), QRect(302, 290, 152, 22));
    label_m->setObjectName(QStringLiteral("label_m"));
    QFont boldFont = font();
    boldFont.setBold(true);
    label_m->setFont(boldFont);

    lb_Rw = caption(this, QString(), QRect(12, 318, 290, 24));
    lb_Rw->setObjectName(QStringLiteral("lb_Rw"));
    label_Rw = caption(this, QString(), QRect(302, 318, 152, 24));
    label_Rw->setObjectName(QStringLiteral("label_Rw"));
    label_Rw->setFont(boldFont);
    // The caption leaves a gap of blanks in which the field sits.
    const QString unitText = QStringLiteral("Rw =              [dB]");
    lb_UnitRw = caption(this, unitText, QRect(302, 318, 152, 24));
    lb_UnitRw->setObjectName(QStringLiteral("lb_UnitRw"));
    edit_RwUser = new QLineEdit(this);
    edit_RwUser->setObjectName(QStringLiteral("edit_RwUser"));
    edit_RwUser->setMaxLength(4);
    edit_RwUser->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    edit_RwUser->installEventFilter(this);
    {
        const QFontMetrics fm(lb_UnitRw->font());
        const int gapStart = fm.horizontalAdvance(QStringLiteral("Rw = "));
        const int gapEnd = fm.horizontalAdvance(unitText.left(unitText.indexOf(QLatin1Char('['))));
        edit_RwUser->setGeometry(302 + gapStart, 318, qMax(40, gapEnd - gapStart - 4), 24);
    }

    chk_RwUser = new QCheckBox(QStringLiteral("alternativer Anwender-Eintrag nach Prüfzeugnis "), this);
    chk_RwUser->setObjectName(QStringLiteral("chk_RwUser"));
    chk_RwUser->setGeometry(12, 346, 440, 22);

    memo_Meldung = new QPlainTextEdit(this);
    memo_Meldung->setObjectName(QStringLiteral("memo_Meldung"));
    memo_Meldung->setGeometry(8, 372, 449, 96);
    memo_Meldung->setReadOnly(true);
    memo_Meldung->setLineWrapMode(QPlainTextEdit::NoWrap);
    memo_Meldung->setFocusPolicy(Qt::NoFocus);
    QFont memoFont = font();
    memoFont.setPointSizeF(memoFont.pointSizeF() * 0.8);
    memo_Meldung->setFont(memoFont);
    memo_Meldung->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);

    label_Meldung1 = caption(this, deliveryNoteText(), QRect(12, 350, 440, 22));
    label_Meldung1->setObjectName(QStringLiteral("label_Meldung1"));
    label_Meldung1->setFont(boldFont);
    QPalette red = label_Meldung1->palette();
    red.setColor(QPalette::WindowText, Qt::red);
    label_Meldung1->setPalette(red);

    btn_OK = new QPushButton(QStringLiteral("&Übernehmen"), this);
    btn_OK->setObjectName(QStringLiteral("btn_OK"));
    btn_OK->setGeometry(240, 478, 104, 28);
    btn_OK->setDefault(true);
    btn_OK->setAutoDefault(true);
    btn_ECS = new QPushButton(QStringLiteral("&Abbrechen"), this);
    btn_ECS->setObjectName(QStringLiteral("btn_ECS"));
    btn_ECS->setGeometry(350, 478, 104, 28);
    btn_ECS->setAutoDefault(false);
}

void TForm_BT::connectEvents()
{
    connect(combo_Konstrukt, &QComboBox::currentIndexChanged, this, [this] { combo_KonstruktChange(); });
    for (QComboBox *list : {combo_B1, combo_B2, combo_B2a, combo_B2b, combo_B3})
        connect(list, &QComboBox::currentIndexChanged, this, [this] { combo_B1Click(); });
    connect(m_moertelGroup, &QButtonGroup::idClicked, this, [this] { rg_MoertelClick(); });
    for (QRadioButton *variant : {rg_Zulassung1, rg_Zulassung2})
        connect(variant, &QRadioButton::clicked, this, [this] { rg_Zulassung1Click(); });
    connect(chk_RwUser, &QCheckBox::clicked, this, [this] { chk_RwUserClick(); });
    for (QLineEdit *field : {edit_d1, edit_d2, edit_d3, edit_roh1, edit_roh2, edit_roh3})
        connect(field, &QLineEdit::textChanged, this, [this] { edit_d1Change(); });
    connect(btn_OK, &QPushButton::clicked, this, &TForm_BT::btn_OKClick);
    connect(btn_ECS, &QPushButton::clicked, this, &TForm_BT::btn_ECSClick);
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
            const QSignalBlocker b0(combo_Konstrukt), b1(combo_B1), b2(combo_B2), b3(combo_B2a),
                b4(combo_B2b), b5(combo_B3);
            for (int i = 0; i < 6; ++i)
                setFieldText(numberFields()[i], input.fields[i]);
            setFieldText(edit_schichtName1, m_working.schichtName1);
            setFieldText(edit_schichtName2, m_working.schichtName2);
            setFieldText(edit_schichtName3, m_working.schichtName3);
            combo_B1->setCurrentIndex(m_working.B1);
            combo_B2->setCurrentIndex(m_working.B2);
            combo_B2a->setCurrentIndex(m_working.B2a);
            combo_B2b->setCurrentIndex(m_working.B2b);
            combo_B3->setCurrentIndex(m_working.B3);
            (m_working.Zulassung1 == 1 ? rg_Zulassung1 : rg_Zulassung2)->setChecked(true);
            setFieldText(edit_RwUser, input.rwUserText);
            combo_Konstrukt->setCurrentIndex(m_working.Konstrukt);
            if (QAbstractButton *mortar = m_moertelGroup->button(m_working.Moertel))
                mortar->setChecked(true);
        }

        if (element == 0)
            label_BT->setText(QStringLiteral(" Trennbauteil"));
        else
            label_BT->setText(QStringLiteral(" ") + m_model.fields.Flanke[element] + QStringLiteral(" / ") +
                              (side == 1 ? m_model.fields.room1 : m_model.fields.room2));

        disableMainWindow();
    }

    // Opening shows the stored layer names: only the fixed wall name of kinds 2 to 4 is set.
    applyKindLayout(combo_Konstrukt->currentIndex());
    chk_RwUser->setChecked(input.rwUserTicked);
    setRwUserEditable(chk_RwUser->isChecked());
    recompute();

    showOverMainWindow();
}

void TForm_BT::applyKindLayout(int kind)
{
    const bool lists = kind == 0 || kind == 1;
    const bool withTable = kind >= 2 && kind <= 4;
    setFixedSize(withTable ? WideWidth : NarrowWidth, FormHeight);
    panel_Umrechnung->setVisible(withTable);
    panel_Listen->setVisible(lists);
    panel_Schichtaufbau->setVisible(!lists);

    combo_B2->setVisible(kind == 0);
    combo_B2b->setVisible(kind == 0);
    rg_Moertel->setVisible(kind == 0);
    combo_B2a->setVisible(kind == 1);
    label_Rohdichteklasse->setVisible(kind == 0);
    label_Wanddicke->setVisible(kind == 0);
    label_WD->setText(kind == 1 ? QStringLiteral("Wand/ Decke:") : QStringLiteral("Wand:"));
    Label4->setText(kind == 5 ? QStringLiteral("Bauteil:") : QStringLiteral("Wand:"));
    lb_Wandrohdichte->setVisible(kind != 1);
    lb_Vgl->setVisible(withTable);

    for (QLineEdit *field : {edit_d1, edit_d3, edit_roh1, edit_roh2, edit_roh3})
        setNumberFieldEditable(field, !lists);
    setNumberFieldEditable(edit_d2, kind != 0);

    if (withTable) {
        setFieldText(edit_schichtName2, fixedLayer2Name(kind));
    }
    edit_schichtName2->setEnabled(kind == 5);

    if (kind == 0)
        evaluateDeliveryNote();
    else
        label_Meldung1->hide();
}

void TForm_BT::evaluateDeliveryNote()
{
    label_Meldung1->setVisible(!tavixProductDeliverable(m_moertelGroup->checkedId(), combo_B2->currentIndex(),
                                                        combo_B2b->currentIndex()));
}

void TForm_BT::setRwUserEditable(bool editable)
{
    edit_RwUser->setEnabled(editable);
}

void TForm_BT::combo_KonstruktChange()
{
    const int kind = combo_Konstrukt->currentIndex();
    applyKindLayout(kind);
    auto clearUserRw = [this] {
        chk_RwUser->hide();
        chk_RwUser->setChecked(false);
        setRwUserEditable(false);
    };
    switch (kind) {
    case 0:
        clearUserRw();
        rg_Zulassung1->hide();
        rg_Zulassung2->hide();
        break;
    case 1:
        clearUserRw();
        setFieldText(edit_schichtName3, plasterLayerName());
        break;
    case 2:
    case 3:
    case 4:
    case 5:
        setFieldText(edit_schichtName1, plasterLayerName());
        setFieldText(edit_schichtName3, plasterLayerName());
        setFieldText(edit_roh2, QStringLiteral("0"));
        if (kind == 3 || kind == 4)
            setFieldText(edit_RwUser, QStringLiteral("0"));
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
    if (combo_Konstrukt->currentIndex() == 0)
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
    setRwUserEditable(chk_RwUser->isChecked());
    recompute();
}

void TForm_BT::edit_d1Change()
{
    for (QLineEdit *field : {edit_d1, edit_d2, edit_d3, edit_roh1, edit_roh2, edit_roh3}) {
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
    // A user Rw typed into edit_RwUser only counts after a recomputation.
    if (!recompute())
        return;

    BuildUpRecord record = recordFromControls();

    BuildUpFieldTexts texts;
    const QLineEdit *names[3] = {edit_schichtName1, edit_schichtName2, edit_schichtName3};
    for (int i = 0; i < 3; ++i) {
        texts.thickness[i] = numberFields()[2 * i]->text();
        texts.density[i] = numberFields()[2 * i + 1]->text();
        texts.name[i] = names[i]->text();
    }
    if (record.Konstrukt >= 2)
        label_Meldung1->hide();

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
    combo_Konstrukt->addItems(constructionKindItems());
    combo_B1->addItems(plasterItems());
    combo_B3->addItems(plasterItems());
    combo_B2->addItems(densityClassItems());
    combo_B2b->addItems(thicknessItems());
    combo_B2b->setMaxVisibleItems(thicknessItems().size()); // the whole list at once
    combo_B2a->addItems(concreteItems());
    const QStringList &mortars = mortarItems();
    for (int i = 0; i < mortars.size(); ++i) {
        if (QAbstractButton *button = m_moertelGroup->button(i))
            button->setText(mortars.at(i));
    }
}

void TForm_BT::buildReferenceTable()
{
    panel_Umrechnung = new QFrame(this);
    panel_Umrechnung->setObjectName(QStringLiteral("panel_Umrechnung"));
    panel_Umrechnung->setGeometry(NarrowWidth + 2, 8, WideWidth - NarrowWidth - 10, FormHeight - 16);
    panel_Umrechnung->setFrameShape(QFrame::StyledPanel);

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

    auto *outer = new QVBoxLayout(panel_Umrechnung);
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
    record.Konstrukt = combo_Konstrukt->currentIndex();
    record.Moertel = qMax(0, m_moertelGroup->checkedId());
    record.B1 = combo_B1->currentIndex();
    record.B2 = combo_B2->currentIndex();
    record.B2a = combo_B2a->currentIndex();
    record.B2b = combo_B2b->currentIndex();
    record.B3 = combo_B3->currentIndex();
    const bool variant1 = rg_Zulassung1->isChecked();
    record.Zulassung1 = variant1 ? 1 : 0;
    record.Zulassung2 = variant1 ? 0 : 1;
    record.RwUserOn = chk_RwUser->isChecked() ? 1 : 0;
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
    input.rwUserText = edit_RwUser->text();
    input.rwUserTicked = chk_RwUser->isChecked();

    const BuildUpDialogView view = recomputeBuildUp(input, localeDecimalSeparator());

    for (int i = 0; i < 6; ++i) {
        if (fields[i]->text() != view.fields[i])
            setFieldText(fields[i], view.fields[i]);
    }
    if (view.displayValid) {
        m_working = view.record;
        if (view.layerTextsFromLists) {
            setFieldText(edit_schichtName1, view.layerTexts[0]);
            setFieldText(edit_schichtName2, view.layerTexts[1]);
            setFieldText(edit_schichtName3, view.layerTexts[2]);
        }
        label_m->setText(view.massText);

        lb_Rw->setText(view.rwCaption);
        QPalette captionColours = lb_Rw->palette();
        captionColours.setColor(QPalette::WindowText,
                                view.rwCaptionRed ? QColor(Qt::red) : QColor(Qt::black));
        lb_Rw->setPalette(captionColours);
        label_Rw->setText(view.rwValueText);
        label_Rw->setVisible(view.rwValueVisible);

        for (QWidget *w : std::initializer_list<QWidget *>{chk_RwUser, edit_RwUser, lb_UnitRw, memo_Meldung})
            w->setVisible(view.correctionVisible);
        memo_Meldung->setPlainText(view.notes.join(QLatin1Char('\n')));
        if (edit_RwUser->text() != view.rwUserText)
            setFieldText(edit_RwUser, view.rwUserText);

        rg_Zulassung1->setVisible(view.approvalVisible);
        rg_Zulassung2->setVisible(view.approvalVisible);
        if (view.approvalVisible) {
            rg_Zulassung1->setText(view.approval1Caption);
            rg_Zulassung2->setText(view.approval2Caption);
        }
    }
    if (!view.error.isEmpty()) {
        showError(this, view.error);
        return false;
    }
    return view.displayValid;
}

} // namespace tavix::gui
