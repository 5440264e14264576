#include "gui/common/startdirectory.h"

namespace tavix::gui {

namespace {

QString &recordedStartDirectory()
{
    static QString path;
    return path;
}

} // namespace

QString startDirectory()
{
    return recordedStartDirectory();
}

void setStartDirectory(const QString &path)
{
    recordedStartDirectory() = path;
}

} // namespace tavix::gui
