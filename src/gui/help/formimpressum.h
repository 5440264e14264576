#pragma once

#include <QDialog>

namespace tavix::gui {

// The imprint of this program: title, version, release and who made it.
class TForm_Impressum : public QDialog
{
    Q_OBJECT

public:
    explicit TForm_Impressum(QWidget *parent = nullptr);
};

} // namespace tavix::gui
