#include "gui/junctions/form_stoss.h"

#include "gui/junctions/junctionpictures.h"

#include <QButtonGroup>
#include <QCloseEvent>
#include <QGroupBox>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>
#include <QWindow>

#include <algorithm>

namespace tavix::gui {

namespace {

// Widths and positions of the two layouts: T and cross junctions have the wide variant
// button 0 with the two equivalent pictures, corner junctions a single picture.
struct TypeLayout
{
    int dialogWidth, contentWidth, frameWidth, stripX, exitX, escX, panel0Width;
};
constexpr TypeLayout WideLayout{391, 365, 377, 121, 110, 195, 103};
constexpr TypeLayout NarrowLayout{343, 317, 329, 73, 85, 170, 58};

constexpr int Margin = 13;
constexpr int HeaderY = 14, TypesY = 42, StripY = 100, HintY = 164, LegendY = 216, ButtonsY = 266;
constexpr int PanelSize = 58, PanelStep = 61, ButtonInset = 3;
constexpr int FrameBottom = 256, DialogHeight = 299;
constexpr int LegendGap = 12;

const QColor Highlight(0, 255, 0);

// Platform fonts are wider than the layout's fixed widths allow for: shrink a caption's
// font until it fits rather than clip it.
void fitText(QWidget *widget, const QString &text, int room)
{
    QFont font = widget->font();
    while (QFontMetrics(font).horizontalAdvance(text) > room && font.pointSizeF() > 6)
        font.setPointSizeF(font.pointSizeF() - 0.5);
    widget->setFont(font);
}

void setFrameColour(QFrame *frame, const QColor &colour)
{
    QPalette palette = frame->palette();
    palette.setColor(QPalette::Window, colour);
    frame->setPalette(palette);
}

} // namespace

TForm_SS::TForm_SS(ProjectModel &model, QWidget *mainWindow)
    : QDialog(nullptr, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint), m_model(model),
      m_mainWindow(mainWindow)
{
    setObjectName(QStringLiteral("TForm_SS"));
    setWindowTitle(QStringLiteral(" Stoßstelle"));
    setModal(false);
    buildControls();
    layoutForType(JunctionType::T);
}

void TForm_SS::buildControls()
{
    m_frame = new QFrame(this);
    m_frame->setObjectName(QStringLiteral("Bevel1"));
    m_frame->setFrameStyle(QFrame::Box | QFrame::Sunken);

    lb_Stoss = new QLabel(this);
    lb_Stoss->setObjectName(QStringLiteral("lb_Stoss"));
    lb_Stoss->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    QFont bold = lb_Stoss->font();
    bold.setBold(true);
    lb_Stoss->setFont(bold);
    lb_Stoss->setText(QStringLiteral(" Flanke: "));

    rgStoss = new QGroupBox(this);
    rgStoss->setObjectName(QStringLiteral("rgStoss"));
    m_typeGroup = new QButtonGroup(this);
    for (int i = 0; i < JunctionTypeCount; ++i) {
        auto *radio = new QRadioButton(junctionTypeItem(static_cast<JunctionType>(i)), rgStoss);
        radio->setObjectName(QStringLiteral("rgStoss_%1").arg(i));
        m_typeGroup->addButton(radio, i);
    }
    m_typeGroup->button(0)->setChecked(true);
    connect(m_typeGroup, &QButtonGroup::idClicked, this, &TForm_SS::rgStossClick);

    for (int i = 0; i < SeparationCount; ++i) {
        panel[i] = new QFrame(this);
        panel[i]->setObjectName(QStringLiteral("panel_%1").arg(i));
        panel[i]->setAutoFillBackground(true);
        panel[i]->setFrameStyle(QFrame::Panel | QFrame::Raised);
        button[i] = new QToolButton(panel[i]);
        button[i]->setObjectName(QStringLiteral("button_%1").arg(i));
        button[i]->setIconSize(QSize(JunctionPictureSize, JunctionPictureSize));
        button[i]->setGeometry(ButtonInset, ButtonInset, PanelSize - 2 * ButtonInset,
                               PanelSize - 2 * ButtonInset);
        connect(button[i], &QToolButton::clicked, this, [this, i] { button_0Click(i); });
    }
    // The two equivalent forms of variant 0 for T and cross junctions, over button 0.
    button_0_large = new QFrame(panel[0]);
    button_0_large->setObjectName(QStringLiteral("button_0_large"));
    button_0_large->setFrameStyle(QFrame::Panel | QFrame::Raised);
    button_0_large->setLineWidth(2);
    button_0_large->setAutoFillBackground(true);
    button_0_large->setGeometry(ButtonInset, ButtonInset, WideLayout.panel0Width - 2 * ButtonInset,
                                PanelSize - 2 * ButtonInset);
    button_0_large->installEventFilter(this);
    img_button0a = new QLabel(button_0_large);
    img_button0a->setObjectName(QStringLiteral("img_button0a"));
    img_button0b = new QLabel(button_0_large);
    img_button0b->setObjectName(QStringLiteral("img_button0b"));
    img_button0a->setGeometry(2, 2, JunctionPictureSize, JunctionPictureSize);
    img_button0b->setGeometry(button_0_large->width() - 2 - JunctionPictureSize, 2, JunctionPictureSize,
                              JunctionPictureSize);
    for (QLabel *picture : {img_button0a, img_button0b})
        picture->setAttribute(Qt::WA_TransparentForMouseEvents); // clicks go to the button

    lb_Remark = new QLabel(this);
    lb_Remark->setObjectName(QStringLiteral("lb_Remark"));
    lb_Remark->setWordWrap(true);
    lb_Remark->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    lb_Remark->setText(initialJunctionHint());

    // Legend: the captions begin with ten blanks, which leave room for the colour mark.
    const struct
    {
        const char *text;
        QColor colour;
        QSize mark;
    } legend[] = {{"          Trennbauteil", separatingElementColour(), {22, 8}},
                  {"          akustisch entkoppelt", decouplingColour(), {5, 11}},
                  {"          Flankenbauteil Raum 1", flankRoom1Colour(), {22, 8}},
                  {"          Flankenbauteil Raum 2", flankRoom2Colour(), {22, 8}}};
    // One legend font for both layouts, small enough for the narrow one.
    QFont legendFont = font();
    auto legendWidth = [&legend](const QFont &f) {
        const QFontMetrics metrics(f);
        auto width = [&metrics](const char *text) {
            return metrics.horizontalAdvance(QString::fromUtf8(text));
        };
        return std::max(width(legend[0].text), width(legend[1].text)) + LegendGap +
               std::max(width(legend[2].text), width(legend[3].text)) + 8;
    };
    while (legendWidth(legendFont) > NarrowLayout.contentWidth && legendFont.pointSizeF() > 6)
        legendFont.setPointSizeF(legendFont.pointSizeF() - 0.5);
    for (const auto &entry : legend) {
        auto *label = new QLabel(QString::fromUtf8(entry.text), this);
        label->setFont(legendFont);
        auto *mark = new QFrame(label);
        mark->setAutoFillBackground(true);
        setFrameColour(mark, entry.colour);
        mark->setFrameStyle(QFrame::Box | QFrame::Plain);
        mark->setGeometry(3 + (22 - entry.mark.width()) / 2, (16 - entry.mark.height()) / 2,
                          entry.mark.width(), entry.mark.height());
        m_legend << label;
    }

    btn_Exit = new QPushButton(QStringLiteral("&Übernehmen"), this);
    btn_Exit->setObjectName(QStringLiteral("btn_Exit"));
    btn_Exit->setDefault(true);
    btn_ESC = new QPushButton(QStringLiteral("&Abbrechen"), this);
    btn_ESC->setObjectName(QStringLiteral("btn_ESC"));
    // Both buttons in one font: the one in which the wider caption fits its button.
    fitText(btn_Exit, QStringLiteral("Übernehmen"), 82 - 12);
    btn_ESC->setFont(btn_Exit->font());
    connect(btn_Exit, &QPushButton::clicked, this, &TForm_SS::btn_ExitClick);
    connect(btn_ESC, &QPushButton::clicked, this, &TForm_SS::btn_ESCClick);
}

void TForm_SS::layoutForType(JunctionType type)
{
    const bool wide = type == JunctionType::T || type == JunctionType::Cross;
    const TypeLayout &l = wide ? WideLayout : NarrowLayout;
    setFixedSize(l.dialogWidth, DialogHeight);
    m_frame->setGeometry(7, 7, l.frameWidth, FrameBottom - 7);
    lb_Stoss->setGeometry(Margin, HeaderY, l.contentWidth, 22);
    rgStoss->setGeometry(Margin, TypesY, l.contentWidth, 52);
    const int column = l.contentWidth / 2;
    for (int i = 0; i < JunctionTypeCount; ++i)
        m_typeGroup->button(i)->setGeometry(10 + (i % 2) * column, 6 + (i / 2) * 22, column - 14, 20);

    panel[0]->setGeometry(Margin, StripY, l.panel0Width, PanelSize);
    for (int i = 1; i < SeparationCount; ++i)
        panel[i]->setGeometry(l.stripX + (i - 1) * PanelStep, StripY, PanelSize, PanelSize);
    for (int i = 0; i < SeparationCount; ++i)
        button[i]->setIcon(junctionIcon(junctionCodeText({type, static_cast<Separation>(i)})));
    button_0_large->setVisible(wide);
    button[0]->setVisible(!wide);
    if (wide) {
        img_button0a->setPixmap(junctionPairPicture(type, false));
        img_button0b->setPixmap(junctionPairPicture(type, true));
    }

    lb_Remark->setGeometry(Margin, HintY, l.contentWidth, 48);
    // The first column is as wide as its longer caption, the second takes the rest.
    const QFontMetrics metrics(m_legend[0]->font());
    const int firstColumn = std::max(metrics.horizontalAdvance(m_legend[0]->text()),
                                     metrics.horizontalAdvance(m_legend[1]->text())) +
                            LegendGap;
    for (int i = 0; i < m_legend.size(); ++i) {
        const int x = i < 2 ? 0 : firstColumn;
        m_legend[i]->setGeometry(Margin + x, LegendY + (i % 2) * 17, i < 2 ? firstColumn : l.contentWidth - x,
                                 16);
    }
    btn_Exit->setGeometry(l.exitX, ButtonsY, 82, 25);
    btn_ESC->setGeometry(l.escX, ButtonsY, 80, 25);
}

bool TForm_SS::openForFlank(int flank)
{
    if (flank < 1 || flank > FlankCount)
        return false;
    lb_Stoss->setText(QStringLiteral(" Flanke: ") + m_model.fields.Flanke[flank]);
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
    if (m_mainWindow)
        m_mainWindow->setEnabled(false);
    showOverMainWindow();
    return true;
}

int TForm_SS::selectedType() const
{
    return m_typeGroup->checkedId();
}

QString TForm_SS::hintText() const
{
    return lb_Remark->text();
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
    lb_Remark->setText(
        separationHint(static_cast<Separation>(variant), m_model.fields.room1, m_model.fields.room2));
}

void TForm_SS::btn_ExitClick()
{
    const int flank = m_flank;
    if (m_variant >= 0 && flank >= 1 && flank <= FlankCount) {
        m_model.Stoss[flank] =
            junctionCodeText({static_cast<JunctionType>(selectedType()), static_cast<Separation>(m_variant)});
    }
    m_model.Saved = false;
    finish();
    Q_EMIT junctionAccepted(flank);
}

void TForm_SS::btn_ESCClick()
{
    finish();
}

void TForm_SS::showOverMainWindow()
{
    // Not a child of the main window, which is disabled meanwhile, but kept above it.
    if (m_mainWindow && m_mainWindow->window()->windowHandle()) {
        winId();
        windowHandle()->setTransientParent(m_mainWindow->window()->windowHandle());
    }
    show();
    activateWindow();
}

void TForm_SS::finish()
{
    if (m_mainWindow)
        m_mainWindow->setEnabled(true);
    hide();
}

void TForm_SS::reject()
{
    btn_ESCClick(); // Escape cancels
}

void TForm_SS::closeEvent(QCloseEvent *event)
{
    // No close box, but the window system may still close it: that is a cancel.
    if (m_mainWindow)
        m_mainWindow->setEnabled(true);
    QDialog::closeEvent(event);
}

bool TForm_SS::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == button_0_large) {
        if (event->type() == QEvent::MouseButtonPress) {
            button_0_large->setFrameShadow(QFrame::Sunken);
            return true;
        }
        if (event->type() == QEvent::MouseButtonRelease) {
            button_0_large->setFrameShadow(QFrame::Raised);
            const auto *mouse = static_cast<QMouseEvent *>(event);
            if (button_0_large->rect().contains(mouse->position().toPoint()))
                button_0Click(0);
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

} // namespace tavix::gui
