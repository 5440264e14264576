#include "gui/variants/form_variant.h"

#include "core/model/numbers.h"
#include "core/model/variablen.h"
#include "core/session/projectsession.h"
#include "gui/common/userinteraction.h"
#include "gui/variants/variantchartview.h"
#include "gui/variants/variantpictures.h"

#include <QAction>
#include <QCloseEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QStackedWidget>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>

namespace tavix::gui {

namespace {

QLabel *explanation(const QString &text, QWidget *parent)
{
    auto *label = new QLabel(text, parent);
    label->setWordWrap(true);
    return label;
}

QPushButton *commandButton(const QString &name, const QString &caption, const QString &toolTip,
                           VariantPicture picture, QWidget *parent)
{
    auto *button = new QPushButton(variantPicture(picture), caption, parent);
    button->setObjectName(name);
    button->setIconSize(QSize(24, 24));
    if (!toolTip.isEmpty())
        button->setToolTip(toolTip);
    return button;
}

QToolButton *scaleButton(const QString &name, const QString &toolTip, VariantPicture picture, QWidget *parent)
{
    auto *button = new QToolButton(parent);
    button->setObjectName(name);
    button->setIcon(variantPicture(picture));
    button->setIconSize(QSize(24, 24));
    button->setToolTip(toolTip);
    button->setAutoRaise(false);
    return button;
}

QLabel *heading(const QString &text, QWidget *parent)
{
    auto *label = new QLabel(text, parent);
    QFont font = label->font();
    font.setBold(true);
    label->setFont(font);
    return label;
}

} // namespace

TForm_Variant::TForm_Variant(ProjectSession &session, QWidget *parent)
    : QWidget(parent,
              Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowMinimizeButtonHint),
      m_session(session), m_model(session.model())
{
    setObjectName(QStringLiteral("Form_Variant"));
    setWindowTitle(QStringLiteral("Variantenuntersuchung"));
    setWindowModality(Qt::NonModal);
    resize(800, 680);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(10, 10, 10, 10);
    layout->setSpacing(8);

    layout->addWidget(explanation(
        QString::fromUtf8(
            "Für eine Variantenuntersuchung muss dieses Formular ständig geöffnet sein. Ändern Sie im "
            "Hauptprogramm die Eingaben und fügen Sie die aktuellen Berechnungs- ergebnisse in diesem "
            "Formular hinzu."),
        this));

    auto *commands = new QHBoxLayout;
    auto *add = commandButton(QStringLiteral("btn_AddVariant"),
                              QString::fromUtf8(" Ergebnis aus aktueller Berechnung hinzufügen "), {},
                              VariantPicture::Add, this);
    auto *clear =
        commandButton(QStringLiteral("btn_ClearVariant"), QString::fromUtf8("Angaben löschen "),
                      QString::fromUtf8(" Varianten-Resultate löschen "), VariantPicture::Clear, this);
    auto *exit = commandButton(QStringLiteral("btn_Exit"), QString::fromUtf8("Schließen"),
                               QString::fromUtf8(" Formular schließen "), VariantPicture::Close, this);
    commands->addWidget(add);
    commands->addWidget(clear);
    commands->addStretch(1);
    commands->addWidget(exit);
    layout->addLayout(commands);

    memo_Variant = new QPlainTextEdit(this);
    memo_Variant->setObjectName(QStringLiteral("memo_Variant"));
    memo_Variant->setLineWrapMode(QPlainTextEdit::NoWrap);
    memo_Variant->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    memo_Variant->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    memo_Variant->setMinimumHeight(120);
    layout->addWidget(memo_Variant, 2);
    connect(memo_Variant, &QPlainTextEdit::textChanged, this, [this] {
        m_session.setVariantStudyFilled(VariantStudy::closeNeedsConfirmation(memo_Variant->toPlainText()));
    });

    layout->addWidget(
        explanation(QString::fromUtf8(
                        "Das Ergebnis-Ausgabefeld ist editiertbar. Über die rechte Maustaste lassen sich die "
                        "Angaben zu den Varianten und die untere Grafik zur Sicherung in die Zwischenablage "
                        "kopieren, und in Ihre Berichte einfügen."),
                    this));

    panel_Chart = createChartArea();
    layout->addWidget(panel_Chart, 5);
    layout->addStretch(0);

    connect(add, &QPushButton::clicked, this, &TForm_Variant::btn_AddVariantClick);
    connect(clear, &QPushButton::clicked, this, &TForm_Variant::btn_ClearVariantClick);
    connect(exit, &QPushButton::clicked, this, &TForm_Variant::btn_ExitClick);

    rg_RwDnTW->setChecked(true);
    showChart(Chart_RwDnTW);
    refreshChartArea();
}

QWidget *TForm_Variant::createChartArea()
{
    auto *area = new QWidget(this);
    area->setObjectName(QStringLiteral("panel_Chart"));
    auto *row = new QHBoxLayout(area);
    row->setContentsMargins(0, 0, 0, 0);

    Chart_Rw = new VariantChartView(QStringLiteral("Chart_Rw"), QStringLiteral("R'w  [dB]"),
                                    {{QStringLiteral("R'w"), rwColour()}}, area);
    Chart_DnTW = new VariantChartView(QStringLiteral("Chart_DnTW"), QStringLiteral("DnT,w  [dB]"),
                                      {{QStringLiteral("DnTW"), dnTwColour()}}, area);
    Chart_RwDnTW = new VariantChartView(
        QStringLiteral("Chart_RwDnTW"), QStringLiteral("R'w / DnT,w  [dB]"),
        {{QStringLiteral("R'w"), rwColour()}, {QStringLiteral("DnT,w"), dnTwColour()}}, area);
    Chart_RwDnTW->copyAction()->setObjectName(QStringLiteral("ZA1"));
    Chart_Rw->copyAction()->setObjectName(QStringLiteral("ZA2"));
    Chart_DnTW->copyAction()->setObjectName(QStringLiteral("ZA3"));
    connect(Chart_RwDnTW->copyAction(), &QAction::triggered, this, &TForm_Variant::ZA1Click);
    connect(Chart_Rw->copyAction(), &QAction::triggered, this, &TForm_Variant::ZA2Click);
    connect(Chart_DnTW->copyAction(), &QAction::triggered, this, &TForm_Variant::ZA3Click);

    // One chart shows at a time, in a stack of the same size whichever it is.
    stack_Charts = new QStackedWidget(area);
    stack_Charts->setObjectName(QStringLiteral("stack_Charts"));
    for (VariantChartView *chart : {Chart_Rw, Chart_DnTW, Chart_RwDnTW}) {
        chart->setMinimumSize(420, 300);
        stack_Charts->addWidget(chart);
    }
    row->addWidget(stack_Charts, 1);

    auto *side = new QVBoxLayout;
    side->addWidget(createViewPanel());
    side->addWidget(createScalePanel());
    side->addStretch(1);
    row->addLayout(side, 0);
    applyLimits();
    return area;
}

QWidget *TForm_Variant::createViewPanel()
{
    auto *panel = new QFrame(panel_Chart);
    panel->setObjectName(QStringLiteral("panel_Ansicht"));
    panel->setFrameShape(QFrame::StyledPanel);
    auto *grid = new QGridLayout(panel);
    grid->addWidget(heading(QString::fromUtf8("Grafikansicht für:"), panel), 0, 0, 1, 2);

    struct Choice
    {
        QRadioButton *&button;
        const char *name;
        const char *caption;
        const char *toolTip;
        QList<QColor> colours;
        void (TForm_Variant::*handler)();
    };
    const Choice choices[] = {
        {rg_Rw,
         "rg_Rw",
         "R'w ",
         "Darstellung für Bau-Schalldämm-Maß R'w ",
         {rwColour()},
         &TForm_Variant::rg_RwClick},
        {rg_DnTW,
         "rg_DnTW",
         "DnT,w ",
         " Darstellung für bewertete Standard-Schallpegeldifferenz DnTW ",
         {dnTwColour()},
         &TForm_Variant::rg_DnTWClick},
        {rg_RwDnTW,
         "rg_RwDnTW",
         "R'w / DnT,w ",
         "Darstellung für Schalldämm-Maß R'w und Schallpegeldifferenz DnTW ",
         {rwColour(), dnTwColour()},
         &TForm_Variant::rg_RwDnTWClick},
    };
    int row = 1;
    for (const Choice &choice : choices) {
        auto *mark = new QLabel(panel);
        mark->setPixmap(colourMark(choice.colours));
        choice.button = new QRadioButton(QString::fromUtf8(choice.caption), panel);
        choice.button->setObjectName(QString::fromLatin1(choice.name));
        choice.button->setToolTip(QString::fromUtf8(choice.toolTip));
        connect(choice.button, &QRadioButton::clicked, this, choice.handler);
        grid->addWidget(mark, row, 0);
        grid->addWidget(choice.button, row, 1);
        ++row;
    }
    grid->setColumnStretch(1, 1);
    return panel;
}

QWidget *TForm_Variant::createScalePanel()
{
    auto *panel = new QFrame(panel_Chart);
    panel->setObjectName(QStringLiteral("panel_Skalierung"));
    panel->setFrameShape(QFrame::StyledPanel);
    auto *grid = new QGridLayout(panel);
    grid->addWidget(heading(QStringLiteral("Skalierung:"), panel), 0, 0, 1, 3);

    const QString top = QStringLiteral(" obere Skalierungsgrenze verschieben ");
    const QString bottom = QStringLiteral(" untere Skalierungsgrenze verschieben ");
    struct Button
    {
        const char *name;
        QString toolTip;
        VariantPicture picture;
        void (TForm_Variant::*handler)();
        int row, column;
    };
    const Button buttons[] = {
        {"btn_UpTop", top, VariantPicture::TopUp, &TForm_Variant::btn_UpTopClick, 1, 1},
        {"btn_DownTop", top, VariantPicture::TopDown, &TForm_Variant::btn_DownTopClick, 1, 2},
        {"btn_UpBottom", bottom, VariantPicture::BottomUp, &TForm_Variant::btn_UpBottomClick, 2, 1},
        {"btn_DownBottom", bottom, VariantPicture::BottomDown, &TForm_Variant::btn_DownBottomClick, 2, 2},
        {"SpeedButton1", QStringLiteral(" automatische Skalierung "), VariantPicture::Automatic,
         &TForm_Variant::SpeedButton1Click, 3, 1},
    };
    for (const Button &b : buttons) {
        auto *button = scaleButton(QString::fromLatin1(b.name), b.toolTip, b.picture, panel);
        connect(button, &QToolButton::clicked, this, b.handler);
        grid->addWidget(button, b.row, b.column);
    }
    grid->addWidget(new QLabel(QStringLiteral("oben:"), panel), 1, 0);
    grid->addWidget(new QLabel(QStringLiteral("unten:"), panel), 2, 0);
    grid->addWidget(new QLabel(QStringLiteral("automatisch:"), panel), 3, 0);
    grid->setColumnStretch(3, 1);
    return panel;
}

void TForm_Variant::openStudy()
{
    switch (m_study.open(m_model.Calculated)) {
    case VariantStudy::OpenOutcome::NoResults:
        userInteraction().showMessage(parentWidget(), MessageKind::Information,
                                      VariantStudy::noResultsMessage());
        return;
    case VariantStudy::OpenOutcome::Started:
        startEmpty();
        break;
    case VariantStudy::OpenOutcome::Running:
        break;
    }
    if (!isVisible())
        placeOnScreen();
    show();
    raise();
    activateWindow();
}

void TForm_Variant::placeOnScreen()
{
    const QWidget *mainWindow = parentWidget();
    QScreen *shownOn = mainWindow ? mainWindow->screen() : screen();
    if (!shownOn)
        return;
    const QRect free = shownOn->availableGeometry();
    // The window system's frame is known once the window was shown; before, allow for a
    // title bar and thin borders.
    const QRect inner = geometry();
    const QRect outerNow = frameGeometry();
    const QMargins frame =
        outerNow != inner ? QMargins(inner.left() - outerNow.left(), inner.top() - outerNow.top(),
                                     outerNow.right() - inner.right(), outerNow.bottom() - inner.bottom())
                          : QMargins(4, 32, 4, 4);
    const QSize frameExtra(frame.left() + frame.right(), frame.top() + frame.bottom());
    const QSize fitted = size().boundedTo(free.size() - frameExtra).expandedTo(minimumSizeHint());
    resize(fitted);
    QRect outer(QPoint(), fitted + frameExtra);
    outer.moveCenter(mainWindow ? mainWindow->frameGeometry().center() : free.center());
    outer.moveLeft(
        std::clamp(outer.left(), free.left(), std::max(free.left(), free.right() - outer.width() + 1)));
    outer.moveTop(
        std::clamp(outer.top(), free.top(), std::max(free.top(), free.bottom() - outer.height() + 1)));
    move(outer.topLeft());
}

void TForm_Variant::startEmpty()
{
    memo_Variant->clear();
    for (VariantChartView *chart : {Chart_Rw, Chart_DnTW, Chart_RwDnTW})
        chart->clearBars();
    applyLimits();
    refreshChartArea();
}

void TForm_Variant::btn_AddVariantClick()
{
    const qsizetype before = m_study.bars().size();
    memo_Variant->appendPlainText(m_study.add(currentVariantResult(m_model), localeDecimalSeparator()));
    if (m_study.bars().size() == before)
        return;
    const VariantBar &bar = m_study.bars().last();
    Chart_Rw->appendBar(bar.number, {bar.rw});
    Chart_DnTW->appendBar(bar.number, {bar.dnTw});
    Chart_RwDnTW->appendBar(bar.number, {bar.rw, bar.dnTw});
    applyLimits();
    refreshChartArea();
}

void TForm_Variant::btn_ClearVariantClick()
{
    m_study.clear();
    startEmpty();
}

void TForm_Variant::btn_ExitClick()
{
    if (VariantStudy::closeNeedsConfirmation(memo_Variant->toPlainText()) &&
        !userInteraction().askYesNo(this, MessageKind::Confirmation, VariantStudy::closeQuestion()))
        return;
    m_study.close();
    m_session.setVariantStudyFilled(false);
    hide();
}

void TForm_Variant::closeEvent(QCloseEvent *event)
{
    // While the main window is open, a close request (the window system's close box or
    // keys) is the close button's. Once the main window has closed, the program is ending
    // and closes this window too: the study ends without a question, which would keep the
    // program running without its main window.
    const QWidget *mainWindow = parentWidget();
    if (mainWindow && mainWindow->isVisible()) {
        event->ignore();
        btn_ExitClick();
        return;
    }
    m_study.close();
    event->accept();
}

void TForm_Variant::showChart(VariantChartView *shown)
{
    stack_Charts->setCurrentWidget(shown);
}

void TForm_Variant::rg_RwClick()
{
    showChart(Chart_Rw);
}

void TForm_Variant::rg_DnTWClick()
{
    showChart(Chart_DnTW);
}

void TForm_Variant::rg_RwDnTWClick()
{
    showChart(Chart_RwDnTW);
}

void TForm_Variant::applyLimits()
{
    Chart_Rw->setLimits(m_study.limits(VariantChart::Rw));
    Chart_DnTW->setLimits(m_study.limits(VariantChart::DnTw));
    Chart_RwDnTW->setLimits(m_study.limits(VariantChart::RwDnTw));
}

void TForm_Variant::refreshChartArea()
{
    panel_Chart->setVisible(m_study.chartsShown());
}

void TForm_Variant::btn_UpTopClick()
{
    m_study.raiseTop();
    applyLimits();
}

void TForm_Variant::btn_DownTopClick()
{
    m_study.lowerTop();
    applyLimits();
}

void TForm_Variant::btn_UpBottomClick()
{
    m_study.raiseBottom();
    applyLimits();
}

void TForm_Variant::btn_DownBottomClick()
{
    m_study.lowerBottom();
    applyLimits();
}

void TForm_Variant::SpeedButton1Click()
{
    m_study.scaleAutomatically();
    applyLimits();
}

void TForm_Variant::ZA1Click()
{
    Chart_RwDnTW->copyToClipboard();
}

void TForm_Variant::ZA2Click()
{
    Chart_Rw->copyToClipboard();
}

void TForm_Variant::ZA3Click()
{
    Chart_DnTW->copyToClipboard();
}

} // namespace tavix::gui
