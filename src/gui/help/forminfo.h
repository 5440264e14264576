#pragma once

#include <QDialog>

#include <memory>

namespace Ui {
class TForm_Info;
}

namespace tavix::gui {

// The liability notice ("Haftung"), shown without blocking the main window.
class TForm_Info : public QDialog
{
    Q_OBJECT

public:
    explicit TForm_Info(QWidget *parent = nullptr);
    ~TForm_Info() override;

    static QStringList liabilityLines();

private:
    std::unique_ptr<Ui::TForm_Info> ui;
};

} // namespace tavix::gui
