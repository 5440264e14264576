#include "core/io/filelayer.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QSaveFile>

#include <cerrno>

#ifdef Q_OS_UNIX
#include <cstdio>
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
    const QByteArray name = nativeFileName(path);
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

// A strict UTF-8 sequence at `p` (no overlong forms, no surrogates, nothing above
// U+10FFFF): its length, 0 when the bytes there do not form one.
int utf8SequenceLength(const unsigned char *p, const unsigned char *end, char32_t &codePoint)
{
    const unsigned char lead = *p;
    int length = 0;
    char32_t minimum = 0;
    if (lead < 0x80) {
        codePoint = lead;
        return 1;
    }
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
        codePoint = lead & 0x1F;
        minimum = 0x80;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        codePoint = lead & 0x0F;
        minimum = 0x800;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        codePoint = lead & 0x07;
        minimum = 0x10000;
    } else {
        return 0;
    }
    if (end - p < length)
        return 0;
    for (int i = 1; i < length; ++i) {
        if ((p[i] & 0xC0) != 0x80)
            return 0;
        codePoint = (codePoint << 6) | (p[i] & 0x3F);
    }
    if (codePoint < minimum || codePoint > 0x10FFFF || (codePoint >= 0xD800 && codePoint <= 0xDFFF))
        return 0;
    return length;
}

constexpr char16_t EscapedByteBase = 0xDC00; // a byte b >= 0x80 that does not decode: U+DC00 + b

bool isEscapedByte(QStringView name, qsizetype i)
{
    const char16_t c = name.at(i).unicode();
    return c >= EscapedByteBase + 0x80 && c <= EscapedByteBase + 0xFF &&
           (i == 0 || !name.at(i - 1).isHighSurrogate());
}

bool holdsEscapedBytes(QStringView name)
{
    for (qsizetype i = 0; i < name.size(); ++i) {
        if (isEscapedByte(name, i))
            return true;
    }
    return false;
}

#ifdef Q_OS_UNIX
// QSaveFile can only reach names that are valid UTF-8; a name that is not is written the
// same way by hand: a new file beside the target, written, synced, closed, renamed over it.
QString writeNativeNameAtomically(const QString &path, const QByteArray &content)
{
    const QByteArray target = nativeFileName(path);
    auto failed = [&path](int error) {
        return fileWriteErrorText(path, ioErrorText(error));
    };
    struct stat existing = {};
    const bool exists = ::stat(target.constData(), &existing) == 0;
    if (exists && !S_ISREG(existing.st_mode))
        return failed(S_ISDIR(existing.st_mode) ? EISDIR : EACCES);
    if (int fault = injectedFault(WriteStep::Open))
        return failed(fault);
    QByteArray temporary;
    int fd = -1;
    for (int attempt = 0; attempt < 100 && fd < 0; ++attempt) {
        temporary = target + '.' + QByteArray::number(QRandomGenerator::global()->generate(), 16);
        fd = ::open(temporary.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC,
                    exists ? existing.st_mode & 07777 : 0666);
        if (fd < 0 && errno != EEXIST)
            return failed(errno);
    }
    if (fd < 0)
        return failed(EEXIST);
    auto discard = [&](int error) {
        if (fd >= 0)
            ::close(fd);
        ::unlink(temporary.constData());
        return failed(error);
    };
    if (int fault = injectedFault(WriteStep::Write))
        return discard(fault);
    for (qsizetype done = 0; done < content.size();) {
        const ssize_t n = ::write(fd, content.constData() + done, size_t(content.size() - done));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return discard(n < 0 ? errno : EIO);
        done += n;
    }
    if (int fault = injectedFault(WriteStep::Flush))
        return discard(fault);
    if (::fsync(fd) != 0 && errno != EINVAL)
        return discard(errno);
    const int closed = ::close(fd);
    fd = -1;
    if (closed != 0)
        return discard(errno);
    if (int fault = injectedFault(WriteStep::Commit))
        return discard(fault);
    if (::rename(temporary.constData(), target.constData()) != 0)
        return discard(errno);
    return {};
}
#endif

} // namespace

QString fileNameFromNative(const QByteArray &native)
{
    const auto *p = reinterpret_cast<const unsigned char *>(native.constData());
    const auto *const end = p + native.size();
    QString name;
    name.reserve(native.size());
    while (p < end) {
        char32_t codePoint = 0;
        const int length = utf8SequenceLength(p, end, codePoint);
        if (length == 0) {
            name += QChar(char16_t(EscapedByteBase + *p));
            ++p;
            continue;
        }
        name += QString::fromUcs4(&codePoint, 1);
        p += length;
    }
    return name;
}

QByteArray nativeFileName(const QString &name)
{
    if (!holdsEscapedBytes(name))
        return QFile::encodeName(name);
    QByteArray native;
    qsizetype start = 0;
    for (qsizetype i = 0; i < name.size(); ++i) {
        if (!isEscapedByte(name, i))
            continue;
        native += QStringView(name).sliced(start, i - start).toUtf8();
        native += char(name.at(i).unicode() - EscapedByteBase);
        start = i + 1;
    }
    native += QStringView(name).sliced(start).toUtf8();
    return native;
}

bool fileExists(const QString &name)
{
#ifdef Q_OS_UNIX
    struct stat status = {};
    return ::stat(nativeFileName(name).constData(), &status) == 0;
#else
    return QFileInfo::exists(name);
#endif
}

QString displayFileName(const QString &name)
{
    QString shown = QDir::toNativeSeparators(name);
    for (qsizetype i = 0; i < shown.size(); ++i) {
        if (isEscapedByte(shown, i))
            shown[i] = QChar::ReplacementCharacter;
    }
    return shown;
}

QString fileReadErrorText(const QString &path, const QString &reason)
{
    return QStringLiteral("Datei „%1“ konnte nicht gelesen werden: %2").arg(displayFileName(path), reason);
}

QString fileWriteErrorText(const QString &path, const QString &reason)
{
    return QStringLiteral("Datei „%1“ konnte nicht gespeichert werden: %2")
        .arg(displayFileName(path), reason);
}

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
        return QStringLiteral("Kapazität der Diskette/Festplatte erschöpft");
    default:
        return QStringLiteral("I/O-Fehler %1").arg(error);
    }
}

QString fileTooLargeText(qint64 maxBytes)
{
    return QStringLiteral("Die Datei ist zu groß (mehr als %1 Bytes)").arg(maxBytes);
}

FileReadResult readFileCapped(const QString &path, qint64 maxBytes)
{
    FileReadResult result;
    QFile file;
    if (const int error = openRegularFile(path, file)) {
        result.error = fileReadErrorText(path, ioErrorText(error));
        return result;
    }
    if (file.size() > maxBytes) {
        result.error = fileReadErrorText(path, fileTooLargeText(maxBytes));
        result.tooLarge = true;
        return result;
    }
    // Read in pieces up to one byte past the cap: a file that grows while it is read is
    // refused instead of read without end, and memory follows what is really there.
    constexpr qint64 Chunk = 64 * 1024;
    while (result.content.size() <= maxBytes) {
        errno = 0;
        const QByteArray piece = file.read(std::min(Chunk, maxBytes + 1 - result.content.size()));
        if (file.error() != QFileDevice::NoError) {
            result.error = fileReadErrorText(path, fileErrorText(file, errno));
            result.content.clear();
            return result;
        }
        if (piece.isEmpty())
            break;
        result.content += piece;
    }
    if (result.content.size() > maxBytes) {
        result.error = fileReadErrorText(path, fileTooLargeText(maxBytes));
        result.tooLarge = true;
        result.content.clear();
    }
    return result;
}

QString writeFileAtomically(const QString &path, const QByteArray &content)
{
    // Only a regular file is ever replaced: renaming over a folder fails, and renaming
    // over a FIFO or a device node (with a symbolic link followed to it) would swap a
    // system object for a plain file.
#ifdef Q_OS_UNIX
    if (holdsEscapedBytes(path))
        return writeNativeNameAtomically(path, content);
#endif
    const QFileInfo target(path);
    if (target.isDir())
        return fileWriteErrorText(path, ioErrorText(EISDIR));
    if (target.exists() && !target.isFile())
        return fileWriteErrorText(path, ioErrorText(EACCES));
    QSaveFile file(path);
    auto fail = [&file, &path](int savedErrno) {
        const QString error = fileWriteErrorText(path, fileErrorText(file, savedErrno));
        file.cancelWriting();
        return error;
    };
    errno = 0;
    if (int fault = injectedFault(WriteStep::Open))
        return fileWriteErrorText(path, ioErrorText(fault));
    if (!file.open(QIODevice::WriteOnly))
        return fileWriteErrorText(path, fileErrorText(file, errno));
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
        return fileWriteErrorText(path, fileErrorText(file, errno));
    return {};
}

void setWriteFaultHookForTesting(std::function<int(WriteStep)> hook)
{
    writeFaultHook() = std::move(hook);
}

} // namespace tavix
