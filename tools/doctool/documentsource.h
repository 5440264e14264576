#pragma once

// The markup of the help documents' Markdown sources beyond Markdown itself, shared by the
// renderer and the test that checks the worked examples against the program:
//
//  * `_{ij}` and `^{2}` write sub- and superscripts (R′_{w}, M^{2}), rendered as HTML.
//  * A line `<!-- Beispiel: FILE.dat CHANGE ... -->` names the project of the example that
//    follows (a file of examples/) and optional changes of it, each `NAME=VALUE` with a
//    decimal comma: a field of the main window (`L1=0,25`, `LF2=3`), a lining frequency
//    (`f0/0/2=80`), a construction layer (`d2/*/*=22,5`, `*` for every flank or room) or
//    an input of the floating screed (`EstrichMasse=130`, `Steifigkeit=20`, `Steifigkeit2=20`).
//    The line itself is not rendered.
//  * `{{KEY=VALUE}}` is a number the program computes for the current example, written as
//    the document shows it (`{{RwBau=51,8}}` renders as 51,8). The keys are listed in
//    tests/core/tst_documents.cpp, which recomputes every one of them.

#include <QList>
#include <QString>
#include <QStringList>

namespace tavix::docs {

struct ExampleValue
{
    QString project;     // file name in examples/
    QStringList changes; // "NAME=VALUE" in the order written
    QString key;
    QString text; // the number as written, e.g. "51,8"
    int line = 0; // 1-based line of the Markdown source
};

// Every `{{KEY=VALUE}}` of the source with the example it belongs to. A value before the
// first example line has an empty project.
QList<ExampleValue> exampleValues(const QString &markdown);

// The Markdown to render: example lines removed, values and sub-/superscripts expanded.
QString expandDocumentMarkup(const QString &markdown);

} // namespace tavix::docs
