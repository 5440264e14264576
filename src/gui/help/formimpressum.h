#pragma once

#include <QDialog>

#include <memory>

namespace Ui {
class TForm_Impressum;
}

namespace tavix::gui {

// The imprint of this program: title, version, release and who made it.
class TForm_Impressum : public QDialog
{
    Q_OBJECT

public:
    explicit TForm_Impressum(QWidget *parent = nullptr);
    ~TForm_Impressum() override;

private:
    std::unique_ptr<Ui::TForm_Impressum> ui;
};

} // namespace tavix::gui
