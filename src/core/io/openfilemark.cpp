#include "core/io/openfilemark.h"

#include <QDir>
#include <QFileInfo>
#include <QLockFile>

namespace tavix {

namespace {

QString markPath(const QString &path)
{
    const QFileInfo file(path);
    return file.dir().filePath(QLatin1Char('.') + file.fileName() + QStringLiteral(".lock"));
}

bool marksEnabled = true;

} // namespace

void setOpenFileMarksEnabledForTesting(bool enabled)
{
    marksEnabled = enabled;
}

OpenFileMark::OpenFileMark() = default;

OpenFileMark::~OpenFileMark() = default;
OpenFileMark::OpenFileMark(OpenFileMark &&other) noexcept = default;
OpenFileMark &OpenFileMark::operator=(OpenFileMark &&other) noexcept = default;

OpenFileMark::Outcome OpenFileMark::mark(const QString &path)
{
    if (m_lock && path == m_path)
        return Outcome::Marked;
    if (!marksEnabled)
        return Outcome::Unmarkable;
    auto lock = std::make_unique<QLockFile>(markPath(path));
    // Only a process that is gone makes a mark stale, never its age: a project stays open
    // for hours.
    lock->setStaleLockTime(0);
    if (!lock->tryLock(0))
        return lock->error() == QLockFile::LockFailedError ? Outcome::OpenElsewhere : Outcome::Unmarkable;
    m_lock = std::move(lock);
    m_path = path;
    return Outcome::Marked;
}

void OpenFileMark::clear()
{
    m_lock.reset();
    m_path.clear();
}

QString OpenFileMark::holderOf(const QString &path)
{
    QLockFile lock(markPath(path));
    lock.setStaleLockTime(0);
    qint64 pid = 0;
    QString hostName;
    QString application;
    if (!lock.getLockInfo(&pid, &hostName, &application))
        return {};
    return QStringLiteral("Rechner „%1“, Prozess %2").arg(hostName).arg(pid);
}

} // namespace tavix
