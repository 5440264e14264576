#include "gui/help/formimpressum.h"

#include "core/model/appversion.h"
#include "ui_formimpressum.h"

#include <QDate>
#include <QLocale>

namespace tavix::gui {

TForm_Impressum::TForm_Impressum(QWidget *parent)
    : QDialog(parent), ui(std::make_unique<Ui::TForm_Impressum>())
{
    ui->setupUi(this);
    setModal(false);
    ui->label_Titel->setText(QStringLiteral("Tavix-Schallschutz Rechner (Version " TAVIX_VERSION_STRING ")"));
    QFont titleFont = ui->label_Titel->font();
    titleFont.setPointSizeF(titleFont.pointSizeF() * 1.2);
    ui->label_Titel->setFont(titleFont);
    ui->label_VersionWert->setText(QStringLiteral(TAVIX_VERSION_STRING));
    const QDate released = QDate::fromString(QStringLiteral(TAVIX_RELEASE_DATE), Qt::ISODate);
    ui->label_StandWert->setText(QLocale(QLocale::German).toString(released, QStringLiteral("d. MMMM yyyy")));
    ui->label_ErstelltWert->setText(QStringLiteral("Qt %1").arg(QString::fromLatin1(qVersion())));
    connect(ui->btn_OK, &QPushButton::clicked, this, &QDialog::close);
}

TForm_Impressum::~TForm_Impressum() = default;

} // namespace tavix::gui
