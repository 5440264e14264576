#include "gui/reports/form_c.h"

#include "core/model/numbers.h"
#include "core/reports/resultstext.h"
#include "core/session/projectsession.h"
#include "gui/common/monospacedfont.h"
#include "gui/reports/transmissionpaths.h"

#include <QCloseEvent>
#include <QFrame>
#include <QGuiApplication>
#include <QLabel>
#include <QPlainTextEdit>
#include <QScreen>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QVBoxLayout>

namespace tavix::gui {

TForm_C::TForm_C(ProjectSession &session, QWidget *parent)
    : QWidget(parent, Qt::Tool), m_model(session.model())
{
    connect(&session, &ProjectSession::recalculated, this, &TForm_C::sessionRecalculated);
    setObjectName(QStringLiteral("Form_C"));
    setWindowTitle(QStringLiteral(" Eingabedaten und Berechnungsergebnisse"));
    setMinimumSize(240, PictureAreaHeight + 80);

    QPalette pale = palette();
    pale.setColor(QPalette::Base, pale.color(QPalette::ToolTipBase));
    pale.setColor(QPalette::Window, pale.color(QPalette::ToolTipBase));
    pale.setColor(QPalette::Text, pale.color(QPalette::ToolTipText));

    memo_control = new QPlainTextEdit(this);
    memo_control->setObjectName(QStringLiteral("memo_control"));
    memo_control->setReadOnly(true);
    memo_control->setUndoRedoEnabled(false);
    memo_control->setLineWrapMode(QPlainTextEdit::NoWrap);
    memo_control->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    memo_control->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    memo_control->setFont(monospacedFont());
    memo_control->setPalette(pale);
    connect(memo_control->verticalScrollBar(), &QScrollBar::valueChanged, this, [this](int value) {
        if (!m_rewriting)
            m_readerTop = value;
    });
    connect(memo_control->horizontalScrollBar(), &QScrollBar::valueChanged, this, [this](int value) {
        if (!m_rewriting)
            m_readerLeft = value;
    });

    panel_Schema = new QFrame(this);
    panel_Schema->setObjectName(QStringLiteral("panel_Schema"));
    panel_Schema->setFrameShape(QFrame::StyledPanel);
    panel_Schema->setPalette(pale);
    panel_Schema->setAutoFillBackground(true);
    auto *layout = new QVBoxLayout(panel_Schema);
    layout->setContentsMargins(10, 8, 10, 8);
    auto *caption = new QLabel(QStringLiteral("Erläuterung der Schallübertragungswege"), panel_Schema);
    caption->setObjectName(QStringLiteral("label_Schema"));
    QFont bold = caption->font();
    bold.setBold(true);
    caption->setFont(bold);
    layout->addWidget(caption);
    auto *picture = new QLabel(panel_Schema);
    picture->setObjectName(QStringLiteral("Image_Schema"));
    picture->setPixmap(QPixmap::fromImage(transmissionPathsPicture()));
    layout->addWidget(picture, 0, Qt::AlignHCenter);
    layout->addStretch(1);

    resize(389, 560);
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
    FormResize();
}

void TForm_C::FormShow()
{
    m_model.ResultsShown = true;
    // The text of the model as it stands, in case the recalculation that follows stops at
    // a field that is not a number.
    BuildResultsText();
    show();
    raise();
    activateWindow();
}

void TForm_C::sessionRecalculated()
{
    if (m_model.ResultsShown)
        BuildResultsText();
}

void TForm_C::BuildResultsText()
{
    QStringList lines = tavix::BuildResultsText(m_model, localeDecimalSeparator());
    m_rewriting = true;
    // A line break inside a name would shift the lines against the blocks: then the whole
    // text is written anew.
    if (lines.size() == m_shownLines.size() && memo_control->document()->blockCount() == lines.size())
        replaceChangedLines(lines);
    else
        memo_control->setPlainText(lines.join(QLatin1Char('\n')));
    m_shownLines = std::move(lines);
    memo_control->verticalScrollBar()->setValue(m_readerTop);
    memo_control->horizontalScrollBar()->setValue(m_readerLeft);
    m_rewriting = false;
}

// A keystroke changes a few dozen numbers of a report that otherwise stays as it is; only
// those lines are laid out again.
void TForm_C::replaceChangedLines(const QStringList &lines)
{
    QTextDocument *document = memo_control->document();
    QTextCursor cursor(document);
    cursor.beginEditBlock();
    QTextBlock block = document->begin();
    for (qsizetype i = 0; i < lines.size() && block.isValid(); ++i, block = block.next()) {
        if (lines.at(i) == m_shownLines.at(i))
            continue;
        cursor.setPosition(block.position());
        cursor.setPosition(block.position() + block.length() - 1, QTextCursor::KeepAnchor);
        cursor.insertText(lines.at(i));
    }
    cursor.endEditBlock();
}

void TForm_C::closeEvent(QCloseEvent *event)
{
    FormClose();
    event->accept();
}

// Closing only hides the window; recalculations stop writing into it.
void TForm_C::FormClose()
{
    m_model.ResultsShown = false;
}

void TForm_C::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    FormResize();
}

// The text box takes all but the picture area, which keeps its fixed height.
void TForm_C::FormResize()
{
    const int textHeight = std::max(0, height() - PictureAreaHeight);
    memo_control->setGeometry(0, 0, width(), textHeight);
    panel_Schema->setGeometry(0, textHeight, width(), height() - textHeight);
}

} // namespace tavix::gui
