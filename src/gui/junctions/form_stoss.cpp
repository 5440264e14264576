#include "gui/junctions/form_stoss.h"

#include "gui/common/colours.h"

#include "gui/junctions/junctionpictures.h"
#include "ui_form_stoss.h"

#include <QButtonGroup>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>

#include <algorithm>

namespace tavix::gui {

namespace {

// What the two layouts fix: T and cross junctions have the wide variant button 0 with the
// two equivalent pictures, corner junctions a single picture. The Designer file holds the
// wide layout.
struct TypeLayout
{
    int dialogWidth, contentWidth, frameWidth, stripX, exitX, escX, panel0Width;
};
constexpr TypeLayout WideLayout{391, 365, 377, 121, 110, 195, 103};
constexpr TypeLayout NarrowLayout{343, 317, 329, 73, 85, 170, 58};
constexpr int PanelStep = 61;

const QColor Highlight(0, 255, 0);

void setFrameColour(QFrame *frame, const QColor &colour)
{
    QPalette palette = frame->palette();
    palette.setColor(QPalette::Window, colour);
    frame->setPalette(palette);
}

} // namespace

TForm_SS::TForm_SS(ProjectModel &model, QWidget *mainWindow)
    : EditingDialog(mainWindow), m_model(model), ui(std::make_unique<Ui::TForm_SS>())
{
    ui->setupUi(this);
    m_typeGroup = new QButtonGroup(this);
    QRadioButton *const types[] = {ui->rgStoss_0, ui->rgStoss_1, ui->rgStoss_2, ui->rgStoss_3};
    for (int i = 0; i < JunctionTypeCount; ++i) {
        types[i]->setText(junctionTypeItem(static_cast<JunctionType>(i)));
        m_typeGroup->addButton(types[i], i);
    }
    types[0]->setChecked(true);
    QFrame *const panels[] = {ui->panel_0, ui->panel_1, ui->panel_2, ui->panel_3, ui->panel_4};
    QToolButton *const buttons[] = {ui->button_0, ui->button_1, ui->button_2, ui->button_3, ui->button_4};
    std::copy(std::begin(panels), std::end(panels), panel);
    std::copy(std::begin(buttons), std::end(buttons), button);
    ui->button_0_large->installEventFilter(this);
    for (QLabel *picture : {ui->img_button0a, ui->img_button0b})
        picture->setAttribute(Qt::WA_TransparentForMouseEvents); // clicks go to the button
    ui->lb_Remark->setText(initialJunctionHint());
    setFrameColour(ui->mark_Trennbauteil, colours::separatingElement());
    setFrameColour(ui->mark_entkoppelt, colours::decoupling());
    setFrameColour(ui->mark_Raum1, colours::room1());
    setFrameColour(ui->mark_Raum2, colours::room2());
    connectControls();
    layoutForType(JunctionType::T);
}

TForm_SS::~TForm_SS() = default;

void TForm_SS::connectControls()
{
    connect(m_typeGroup, &QButtonGroup::idClicked, this, &TForm_SS::rgStossClick);
    for (int i = 0; i < SeparationCount; ++i)
        connect(button[i], &QToolButton::clicked, this, [this, i] { button_0Click(i); });
    connect(ui->btn_Exit, &QPushButton::clicked, this, &TForm_SS::btn_ExitClick);
    connect(ui->btn_ESC, &QPushButton::clicked, this, &TForm_SS::btn_ESCClick);
}

void TForm_SS::layoutForType(JunctionType type)
{
    const bool wide = type == JunctionType::T || type == JunctionType::Cross;
    const TypeLayout &l = wide ? WideLayout : NarrowLayout;
    setFixedSize(l.dialogWidth, height());
    ui->Bevel1->resize(l.frameWidth, ui->Bevel1->height());
    for (QWidget *row :
         std::initializer_list<QWidget *>{ui->lb_Stoss, ui->rgStoss, ui->lb_Remark, ui->panel_Legende})
        row->resize(l.contentWidth, row->height());
    ui->panel_0->resize(l.panel0Width, ui->panel_0->height());
    for (int i = 1; i < SeparationCount; ++i)
        panel[i]->move(l.stripX + (i - 1) * PanelStep, panel[i]->y());
    ui->btn_Exit->move(l.exitX, ui->btn_Exit->y());
    ui->btn_ESC->move(l.escX, ui->btn_ESC->y());

    for (int i = 0; i < SeparationCount; ++i)
        button[i]->setIcon(junctionIcon(junctionCodeText({type, static_cast<Separation>(i)})));
    ui->button_0_large->setVisible(wide);
    button[0]->setVisible(!wide);
    if (wide) {
        ui->img_button0a->setPixmap(junctionPairPicture(type, false));
        ui->img_button0b->setPixmap(junctionPairPicture(type, true));
    }
}

bool TForm_SS::openForFlank(int flank)
{
    if (flank < 1 || flank > FlankCount)
        return false;
    ui->lb_Stoss->setText(QStringLiteral(" Flanke: ") + m_model.fields.Flanke[flank]);
    m_flank = flank;
    highlight(-1);
    const auto code = parseJunctionCode(m_model.Stoss[flank]);
    if (code) {
        // A damaged code selects nothing: the type stays, no frame lights up.
        const int variant = static_cast<int>(code->separation);
        setHint(variant);
        m_typeGroup->button(static_cast<int>(code->type))->setChecked(true);
        rgStossClick(static_cast<int>(code->type));
        highlight(variant);
    }
    showOverMainWindow();
    return true;
}

int TForm_SS::selectedType() const
{
    return m_typeGroup->checkedId();
}

QString TForm_SS::hintText() const
{
    return ui->lb_Remark->text();
}

void TForm_SS::rgStossClick(int typeIndex)
{
    if (typeIndex < 0 || typeIndex >= JunctionTypeCount)
        return;
    if (m_typeGroup->checkedId() != typeIndex)
        m_typeGroup->button(typeIndex)->setChecked(true);
    layoutForType(static_cast<JunctionType>(typeIndex));
}

void TForm_SS::button_0Click(int variant)
{
    if (variant < 0 || variant >= SeparationCount)
        return;
    highlight(variant);
    setHint(variant);
}

void TForm_SS::highlight(int variant)
{
    m_variant = variant;
    for (int i = 0; i < SeparationCount; ++i)
        setFrameColour(panel[i], i == variant ? Highlight : palette().color(QPalette::Button));
}

void TForm_SS::setHint(int variant)
{
    ui->lb_Remark->setText(
        separationHint(static_cast<Separation>(variant), m_model.fields.room1, m_model.fields.room2));
}

void TForm_SS::btn_ExitClick()
{
    const int flank = m_flank;
    if (m_variant >= 0 && flank >= 1 && flank <= FlankCount) {
        m_model.Stoss[flank] =
            junctionCodeText({static_cast<JunctionType>(selectedType()), static_cast<Separation>(m_variant)});
    }
    finish();
    Q_EMIT junctionAccepted(flank);
}

void TForm_SS::btn_ESCClick()
{
    finish();
}

bool TForm_SS::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == ui->button_0_large) {
        if (event->type() == QEvent::MouseButtonPress) {
            ui->button_0_large->setFrameShadow(QFrame::Sunken);
            return true;
        }
        if (event->type() == QEvent::MouseButtonRelease) {
            ui->button_0_large->setFrameShadow(QFrame::Raised);
            const auto *mouse = static_cast<QMouseEvent *>(event);
            if (ui->button_0_large->rect().contains(mouse->position().toPoint()))
                button_0Click(0);
            return true;
        }
    }
    return EditingDialog::eventFilter(watched, event);
}

} // namespace tavix::gui
