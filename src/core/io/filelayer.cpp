#include "core/io/filelayer.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <cerrno>

namespace tavix {

namespace {

std::function<int(WriteStep)> &writeFaultHook()
{
    static std::function<int(WriteStep)> hook;
    return hook;
}

int injectedFault(WriteStep step)
{
    const auto &hook = writeFaultHook();
    return hook ? hook(step) : 0;
}

// The error of a failed file operation: errno where the platform left one, else the
// device's own classification.
QString fileErrorText(const QFileDevice &file, int savedErrno)
{
    if (savedErrno != 0)
        return ioErrorText(savedErrno);
    switch (file.error()) {
    case QFileDevice::PermissionsError:
        return ioErrorText(EACCES);
    case QFileDevice::ResourceError:
        return ioErrorText(ENOSPC);
    default:
        return ioErrorText(EIO);
    }
}

} // namespace

QString ioErrorText(int error)
{
    switch (error) {
    case ENOENT:
    case ENOTDIR:
        return QStringLiteral("Datei nicht gefunden");
    case EACCES:
    case EPERM:
    case EROFS:
    case EISDIR:
        return QStringLiteral("Dateizugriff verweigert");
    case ENOSPC:
#ifdef EDQUOT
    case EDQUOT:
#endif
        return QString::fromUtf8("Kapazität der Diskette/Festplatte erschöpft");
    default:
        return QStringLiteral("I/O-Fehler %1").arg(error);
    }
}

QString fileTooLargeText(qint64 maxBytes)
{
    return QString::fromUtf8("Die Datei ist zu groß (mehr als %1 Bytes)").arg(maxBytes);
}

FileReadResult readFileCapped(const QString &path, qint64 maxBytes)
{
    FileReadResult result;
    const QFileInfo info(path);
    if (!info.exists()) {
        result.error = ioErrorText(ENOENT);
        return result;
    }
    // Only regular files: a FIFO would block the open, a device such as /dev/zero would
    // never end, a folder is no file.
    if (!info.isFile()) {
        result.error = ioErrorText(EACCES);
        return result;
    }
    if (info.size() > maxBytes) {
        result.error = fileTooLargeText(maxBytes);
        return result;
    }
    QFile file(path);
    errno = 0;
    if (!file.open(QIODevice::ReadOnly)) {
        result.error = fileErrorText(file, errno);
        return result;
    }
    // One byte more than allowed tells a file that grew after the size check.
    errno = 0;
    result.content = file.read(maxBytes + 1);
    if (file.error() != QFileDevice::NoError) {
        result.error = fileErrorText(file, errno);
        result.content.clear();
    } else if (result.content.size() > maxBytes) {
        result.error = fileTooLargeText(maxBytes);
        result.content.clear();
    }
    return result;
}

QString writeFileAtomically(const QString &path, const QByteArray &content)
{
    if (QFileInfo(path).isDir())
        return ioErrorText(EISDIR);
    QSaveFile file(path);
    auto fail = [&file](int savedErrno) {
        const QString error = fileErrorText(file, savedErrno);
        file.cancelWriting();
        return error;
    };
    errno = 0;
    if (int fault = injectedFault(WriteStep::Open))
        return ioErrorText(fault);
    if (!file.open(QIODevice::WriteOnly))
        return fileErrorText(file, errno);
    errno = 0;
    if (int fault = injectedFault(WriteStep::Write))
        return fail(fault);
    if (file.write(content) != content.size())
        return fail(errno);
    errno = 0;
    if (int fault = injectedFault(WriteStep::Flush))
        return fail(fault);
    if (!file.flush())
        return fail(errno);
    errno = 0;
    if (int fault = injectedFault(WriteStep::Commit))
        return fail(fault);
    if (!file.commit())
        return fileErrorText(file, errno);
    return {};
}

void setWriteFaultHookForTesting(std::function<int(WriteStep)> hook)
{
    writeFaultHook() = std::move(hook);
}

} // namespace tavix
