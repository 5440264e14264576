#pragma once

#include <QDialog>

namespace tavix::gui {

// The liability notice ("Haftung"), shown without blocking the main window.
class TForm_Info : public QDialog
{
    Q_OBJECT

public:
    explicit TForm_Info(QWidget *parent = nullptr);

    static QStringList liabilityLines();
};

} // namespace tavix::gui
