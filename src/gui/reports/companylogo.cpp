#include "gui/reports/companylogo.h"

#include "gui/common/picturefile.h"

namespace tavix::gui {

QImage loadCompanyLogo(const QString &path)
{
    return readPictureFile(path);
}

} // namespace tavix::gui
