#include "core/io/filelayer.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <cerrno>

#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

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

// Opens `path` for reading only if it is a regular file. On Unix the type is checked on
// the opened descriptor (opened without blocking), so a FIFO swapped in after a check by
// name cannot make the open wait for a writer.
int openRegularFile(const QString &path, QFile &file)
{
#ifdef Q_OS_UNIX
    const QByteArray name = QFile::encodeName(path);
    const int fd = ::open(name.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return errno;
    struct stat status = {};
    if (::fstat(fd, &status) != 0 || !S_ISREG(status.st_mode)) {
        const int error = S_ISDIR(status.st_mode) ? EISDIR : EACCES;
        ::close(fd);
        return error;
    }
    // Reads of a regular file never block; the flag is cleared all the same.
    ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    if (!file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        return EIO;
    }
    return 0;
#else
    const QFileInfo info(path);
    if (!info.exists())
        return ENOENT;
    if (!info.isFile())
        return info.isDir() ? EISDIR : EACCES;
    errno = 0;
    if (!file.open(QIODevice::ReadOnly))
        return errno != 0 ? errno : (file.error() == QFileDevice::PermissionsError ? EACCES : EIO);
    return 0;
#endif
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
    case ETXTBSY:
        return QStringLiteral("Dateizugriff verweigert");
    case ENOSPC:
#ifdef EDQUOT
    case EDQUOT:
#endif
    case EFBIG:
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
    QFile file;
    if (const int error = openRegularFile(path, file)) {
        result.error = ioErrorText(error);
        return result;
    }
    if (file.size() > maxBytes) {
        result.error = fileTooLargeText(maxBytes);
        return result;
    }
    // Read in pieces up to one byte past the cap: a file that grows while it is read is
    // refused instead of read without end, and memory follows what is really there.
    constexpr qint64 Chunk = 64 * 1024;
    while (result.content.size() <= maxBytes) {
        errno = 0;
        const QByteArray piece = file.read(std::min(Chunk, maxBytes + 1 - result.content.size()));
        if (file.error() != QFileDevice::NoError) {
            result.error = fileErrorText(file, errno);
            result.content.clear();
            return result;
        }
        if (piece.isEmpty())
            break;
        result.content += piece;
    }
    if (result.content.size() > maxBytes) {
        result.error = fileTooLargeText(maxBytes);
        result.content.clear();
    }
    return result;
}

QString writeFileAtomically(const QString &path, const QByteArray &content)
{
    // Only a regular file is ever replaced: renaming over a folder fails, and renaming
    // over a FIFO or a device node (with a symbolic link followed to it) would swap a
    // system object for a plain file.
    const QFileInfo target(path);
    if (target.isDir())
        return ioErrorText(EISDIR);
    if (target.exists() && !target.isFile())
        return ioErrorText(EACCES);
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
    // commit() alone may report success although its own last flush failed.
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
