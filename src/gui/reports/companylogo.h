#pragma once

// The company logo of the report header. A file that is missing, not a readable picture,
// or absurdly large is treated as no logo: the report must never crash or stall on it.

#include <QImage>
#include <QString>

namespace tavix::gui {

// The picture at `path`, or a null image when there is none that can be used.
QImage loadCompanyLogo(const QString &path);

} // namespace tavix::gui
