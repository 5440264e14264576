#include "gui/help/formimpressum.h"
#include "core/model/appversion.h"

#include <QGridLayout>
#include <QLabel>
#include <QPushButton>

namespace tavix::gui {

TForm_Impressum::TForm_Impressum(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("Form_Impressum"));
    setWindowTitle(QStringLiteral(" Impressum"));
    setModal(false);

    auto *layout = new QGridLayout(this);
    layout->setContentsMargins(20, 16, 20, 12);
    layout->setHorizontalSpacing(16);
    layout->setColumnStretch(1, 1);

    auto *title = new QLabel(QStringLiteral("Tavix-Schallschutz Rechner (Version " TAVIX_VERSION_STRING ")"), this);
    title->setObjectName(QStringLiteral("label_Titel"));
    QFont titleFont = title->font();
    titleFont.setBold(true);
    titleFont.setPointSizeF(titleFont.pointSizeF() * 1.2);
    title->setFont(titleFont);
    layout->addWidget(title, 0, 0, 1, 2);

    auto *subtitle = new QLabel(
        QStringLiteral(
            "Luftschalldämmung zwischen Räumen im Massivbau nach DIN EN 12354-1 (vereinfachtes Modell)"),
        this);
    layout->addWidget(subtitle, 1, 0, 1, 2);
    layout->setRowMinimumHeight(2, 10);

    const QList<QPair<QString, QString>> rows{
        {QStringLiteral("Herausgeber:"), QStringLiteral("Tavix-Info GmbH")},
        {QStringLiteral("Programmversion:"), QStringLiteral(TAVIX_VERSION_STRING)},
        {QStringLiteral("Stand:"), QStringLiteral("Dezember 2026")},
        {QStringLiteral("Programmentwicklung:"), QStringLiteral("Entwicklerteam Tavix-Schallschutz Rechner")},
    };
    int row = 3;
    for (const auto &[caption, value] : rows) {
        layout->addWidget(new QLabel(caption, this), row, 0);
        layout->addWidget(new QLabel(value, this), row, 1);
        ++row;
    }
    layout->setRowMinimumHeight(row++, 10);

    auto *close = new QPushButton(QStringLiteral("&OK"), this);
    close->setObjectName(QStringLiteral("btn_OK"));
    close->setDefault(true);
    connect(close, &QPushButton::clicked, this, &QDialog::close);
    layout->addWidget(close, row, 1, Qt::AlignRight);
}

} // namespace tavix::gui
