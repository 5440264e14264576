#include "gui/help/formimpressum.h"
#include "core/model/appversion.h"

#include <QDate>
#include <QGridLayout>
#include <QLabel>
#include <QLocale>
#include <QPushButton>

namespace tavix::gui {

TForm_Impressum::TForm_Impressum(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("Form_Impressum"));
    setWindowTitle(QStringLiteral(" Impressum"));
    setModal(false);
    setMinimumWidth(500); // the wrapped texts in lines of a readable length

    auto *layout = new QGridLayout(this);
    layout->setContentsMargins(20, 16, 20, 12);
    layout->setHorizontalSpacing(16);
    layout->setColumnStretch(1, 1);

    auto *title =
        new QLabel(QStringLiteral("Tavix-Schallschutz Rechner (Version " TAVIX_VERSION_STRING ")"), this);
    title->setObjectName(QStringLiteral("label_Titel"));
    QFont titleFont = title->font();
    titleFont.setBold(true);
    titleFont.setPointSizeF(titleFont.pointSizeF() * 1.2);
    title->setFont(titleFont);
    layout->addWidget(title, 0, 0, 1, 2);

    auto *subtitle = new QLabel(
        QStringLiteral("Rechnerischer Nachweis der Luftschalldämmung zwischen zwei Räumen im Massivbau nach "
                       "dem vereinfachten Modell der DIN EN 12354-1 und DIN\u00a04109-2"),
        this);
    subtitle->setWordWrap(true);
    layout->addWidget(subtitle, 1, 0, 1, 2);
    layout->setRowMinimumHeight(2, 10);

    const QDate released = QDate::fromString(QStringLiteral(TAVIX_RELEASE_DATE), Qt::ISODate);
    const QList<QPair<QString, QString>> rows{
        {QStringLiteral("Herausgeber:"), QStringLiteral("Tavix-Info GmbH")},
        {QStringLiteral("Programmversion:"), QStringLiteral(TAVIX_VERSION_STRING)},
        {QStringLiteral("Stand:"),
         QLocale(QLocale::German).toString(released, QStringLiteral("d. MMMM yyyy"))},
        {QStringLiteral("Autoren:"), QStringLiteral("Entwicklerteam der Tavix-Info GmbH")},
        {QStringLiteral("Lizenz:"), QStringLiteral("Alle Rechte vorbehalten. Nutzung auf eigenes Risiko "
                                                   "(siehe „Info“ → „Haftung“).")},
        {QStringLiteral("Erstellt mit:"), QStringLiteral("Qt %1").arg(QString::fromLatin1(qVersion()))},
    };
    int row = 3;
    for (const auto &[caption, value] : rows) {
        auto *captionLabel = new QLabel(caption, this);
        captionLabel->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        auto *valueLabel = new QLabel(value, this);
        valueLabel->setWordWrap(true);
        valueLabel->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        valueLabel->setTextInteractionFlags(Qt::TextSelectableByMouse);
        layout->addWidget(captionLabel, row, 0);
        layout->addWidget(valueLabel, row, 1);
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
