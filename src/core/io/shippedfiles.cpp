#include "core/io/shippedfiles.h"

#include <QDir>
#include <QFileInfo>

namespace tavix {

namespace {

QStringList existingFolders(const QString &programDir, const QStringList &relativePaths)
{
    QStringList folders;
    const QDir dir(programDir);
    for (const QString &relative : relativePaths) {
        const QString folder = QDir::cleanPath(dir.absoluteFilePath(relative));
        if (QFileInfo(folder).isDir())
            folders.append(folder);
    }
    return folders;
}

} // namespace

QStringList helpDocumentFolders(const QString &programDir)
{
    return existingFolders(programDir,
                           {QStringLiteral("../share/doc/tavix-schallschutz"), QStringLiteral("docs")});
}

QStringList starterCatalogueFolders(const QString &programDir)
{
    return existingFolders(
        programDir, {QStringLiteral("../share/tavix-schallschutz/catalogues"), QStringLiteral("catalogues")});
}

QString findShippedFile(const QStringList &folders, const QString &fileName)
{
    for (const QString &folder : folders) {
        const QFileInfo file(QDir(folder).filePath(fileName));
        if (file.isFile())
            return file.absoluteFilePath();
    }
    return {};
}

} // namespace tavix
