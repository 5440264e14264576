#include "gui/help/forminfo.h"

#include "ui_forminfo.h"

namespace tavix::gui {

TForm_Info::TForm_Info(QWidget *parent) : QDialog(parent), ui(std::make_unique<Ui::TForm_Info>())
{
    ui->setupUi(this);
    setModal(false);
    QFont headingFont = ui->label_Haftung->font();
    headingFont.setPointSizeF(headingFont.pointSizeF() * 1.2);
    ui->label_Haftung->setFont(headingFont);
    const QStringList lines = liabilityLines();
    QLabel *const labels[] = {ui->label_Zeile1, ui->label_Zeile2, ui->label_Zeile3, ui->label_Zeile4,
                              ui->label_Zeile5};
    for (int i = 0; i < lines.size(); ++i)
        labels[i]->setText(lines.at(i));
    connect(ui->btn_OK, &QPushButton::clicked, this, &QDialog::close);
}

TForm_Info::~TForm_Info() = default;

QStringList TForm_Info::liabilityLines()
{
    return {QStringLiteral("Der Anwender lädt und verwendet die Software auf eigenes Risiko."),
            QStringLiteral("Alle Angaben erfolgen nach bestem Wissen und Gewissen, jedoch ohne Gewähr. "),
            QStringLiteral("Herausgeber und  Programmentwickler haften nicht für unrichtige Angaben,"),
            QStringLiteral("Rechenfehler und Schäden jeder Art, die sich aus der Anwendung des"),
            QStringLiteral(" Programms oder der Programmhilfe ergeben.")};
}

} // namespace tavix::gui
