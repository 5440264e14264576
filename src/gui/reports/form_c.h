#pragma once

// The results window: the detailed results text of the project in a read-only text box and
// beneath it a picture that explains the transmission paths. It is created once, hidden,
// and shown beside the main window, which stays usable: a tool window of the main window,
// so that a click into the main window does not bury it. While it is open (ResultsShown)
// every recalculation of the session rewrites its text.

#include "core/model/variablen.h"

#include <QWidget>

class QFrame;
class QPlainTextEdit;

namespace tavix {
class ProjectSession;
}

namespace tavix::gui {

class TForm_C : public QWidget
{
    Q_OBJECT

public:
    static constexpr int PictureAreaHeight = 200; // what the text box leaves to the picture

    explicit TForm_C(ProjectSession &session, QWidget *parent = nullptr);

    // Shows the window and lets every recalculation refresh it; the caller recalculates.
    void FormShow();
    // Writes the report of the model from the top; the reader keeps his place in it as far
    // as the new text allows.
    void BuildResultsText();

protected:
    void closeEvent(QCloseEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    void FormClose();
    void FormResize();
    void sessionRecalculated();
    void replaceChangedLines(const QStringList &lines);

    ProjectModel &m_model;
    QPlainTextEdit *memo_control = nullptr;
    QFrame *panel_Schema = nullptr;
    // Where the reader scrolled to. A short text (the notice about missing inputs) cannot
    // hold that place, but the next full report returns to it.
    int m_readerTop = 0;
    int m_readerLeft = 0;
    bool m_rewriting = false;
    QStringList m_shownLines; // what the text box holds, line by line
};

} // namespace tavix::gui
