#pragma once

// Where the files shipped with the program are found: the help documents and the starter
// lining catalogues. An installed program lives in <prefix>/bin and finds them under
// <prefix>/share; a program run from the build tree finds them in the build folder.
// Files of the same name in the start directory always come first: they are the user's.

#include <QString>
#include <QStringList>

namespace tavix {

// Folders searched for the help documents after the start directory, in order.
QStringList helpDocumentFolders(const QString &programDir);
// Folders that may hold the starter lining catalogues, in order.
QStringList starterCatalogueFolders(const QString &programDir);

// The first folder of `folders` that holds `fileName`, as a full path; empty when none.
QString findShippedFile(const QStringList &folders, const QString &fileName);

} // namespace tavix
