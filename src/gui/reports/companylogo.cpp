#include "gui/reports/companylogo.h"

namespace tavix::gui {

QImage loadCompanyLogo(const QString &path)
{
    return readPictureFile(path);
}

} // namespace tavix::gui
