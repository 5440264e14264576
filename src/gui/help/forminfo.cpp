#include "gui/help/forminfo.h"

#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace tavix::gui {

TForm_Info::TForm_Info(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("Form_Info"));
    setWindowTitle(QStringLiteral(" Haftung"));
    setModal(false);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(20, 16, 20, 12);
    auto *heading = new QLabel(QStringLiteral("Haftung:"), this);
    heading->setObjectName(QStringLiteral("label_Haftung"));
    QFont headingFont = heading->font();
    headingFont.setBold(true);
    headingFont.setPointSizeF(headingFont.pointSizeF() * 1.2);
    heading->setFont(headingFont);
    layout->addWidget(heading);
    layout->addSpacing(6);

    for (const QString &line : liabilityLines()) {
        auto *label = new QLabel(line, this);
        layout->addWidget(label);
    }
    layout->addSpacing(10);

    auto *close = new QPushButton(QStringLiteral("&OK"), this);
    close->setObjectName(QStringLiteral("btn_OK"));
    close->setDefault(true);
    connect(close, &QPushButton::clicked, this, &QDialog::close);
    layout->addWidget(close, 0, Qt::AlignRight);
}

QStringList TForm_Info::liabilityLines()
{
    return {QStringLiteral("Der Anwender lädt und verwendet die Software auf eigenes Risiko."),
            QStringLiteral("Alle Angaben erfolgen nach bestem Wissen und Gewissen, jedoch ohne Gewähr. "),
            QStringLiteral("Herausgeber und  Programmentwickler haften nicht für unrichtige Angaben,"),
            QStringLiteral("Rechenfehler und Schäden jeder Art, die sich aus der Anwendung des"),
            QStringLiteral(" Programms oder der Programmhilfe ergeben.")};
}

} // namespace tavix::gui
