#include "gui/reports/form_faset.h"

#include "core/io/codepage.h"
#include "gui/common/codepageguard.h"
#include "gui/common/userinteraction.h"
#include "gui/reports/companylogo.h"
#include "ui_form_faset.h"

#include <QDate>
#include <QDir>
#include <QFileInfo>
#include <QKeyEvent>

namespace tavix::gui {

TForm_FaSet::TForm_FaSet(QWidget *mainWindow)
    : EditingDialog(mainWindow), ui(std::make_unique<Ui::TForm_FaSet>())
{
    ui->setupUi(this);
    setCentredOnScreen(true);
    ui->edit_Date->setMaxLength(CompanyDateMaxLength);
    ui->edit_Date->installEventFilter(this);
    // Every text of this window goes into "Firma.set".
    for (QLineEdit *field :
         {ui->edit_Fa, ui->edit_Str, ui->edit_PLZ, ui->edit_Ort, ui->edit_Bearbeiter, ui->edit_Date,
          ui->edit_Tel, ui->edit_Fax, ui->edit_Mail, ui->edit_www, ui->edit_Logo})
        guardCodePage(field);
    for (QLineEdit *field : positionFields()) {
        field->installEventFilter(this);
        connect(field, &QLineEdit::textChanged, this, [this, field] { edit_LogoLeftChange(field); });
    }
    connect(ui->Button_Save_FaDat, &QPushButton::clicked, this, &TForm_FaSet::Button_Save_FaDatClick);
    connect(ui->Button2, &QPushButton::clicked, this, &TForm_FaSet::Button2Click);
    connect(ui->Button1, &QPushButton::clicked, this, &TForm_FaSet::Button1Click);
}

TForm_FaSet::~TForm_FaSet() = default;

QList<QLineEdit *> TForm_FaSet::positionFields() const
{
    return {ui->edit_LogoLeft, ui->edit_LogoTop, ui->edit_FaNameLeft, ui->edit_FaNameTop};
}

QString TForm_FaSet::companyFilePath() const
{
    return QDir(m_startDirectory).filePath(CompanyDataFileName);
}

CompanyData TForm_FaSet::companyData() const
{
    CompanyData d;
    d.Fa = ui->edit_Fa->text();
    d.Str = ui->edit_Str->text();
    d.PLZ = ui->edit_PLZ->text();
    d.Ort = ui->edit_Ort->text();
    d.Bearbeiter = ui->edit_Bearbeiter->text();
    d.Date = ui->edit_Date->text();
    d.Tel = ui->edit_Tel->text();
    d.Fax = ui->edit_Fax->text();
    d.Mail = ui->edit_Mail->text();
    d.www = ui->edit_www->text();
    d.Logo = ui->edit_Logo->text();
    d.LogoLeft = ui->edit_LogoLeft->text();
    d.LogoTop = ui->edit_LogoTop->text();
    d.FaNameLeft = ui->edit_FaNameLeft->text();
    d.FaNameTop = ui->edit_FaNameTop->text();
    return d;
}

void TForm_FaSet::setCompanyData(const CompanyData &d)
{
    ui->edit_Fa->setText(d.Fa);
    ui->edit_Str->setText(d.Str);
    ui->edit_PLZ->setText(d.PLZ);
    ui->edit_Ort->setText(d.Ort);
    ui->edit_Bearbeiter->setText(d.Bearbeiter);
    ui->edit_Date->setText(d.Date);
    ui->edit_Tel->setText(d.Tel);
    ui->edit_Fax->setText(d.Fax);
    ui->edit_Mail->setText(d.Mail);
    ui->edit_www->setText(d.www);
    ui->edit_Logo->setText(d.Logo);
    // Through the change handlers: a position missing from the file becomes "0".
    ui->edit_LogoLeft->setText(d.LogoLeft);
    ui->edit_LogoTop->setText(d.LogoTop);
    ui->edit_FaNameLeft->setText(d.FaNameLeft);
    ui->edit_FaNameTop->setText(d.FaNameTop);
}

void TForm_FaSet::readCompanyFile()
{
    const LoadedCompanyData loaded = loadCompanyData(companyFilePath());
    m_readAtStart = loaded;
    if (!loaded.ok()) {
        showError(mainWindow() ? mainWindow() : this, loaded.error);
        return;
    }
    if (!loaded.found)
        return; // the initial texts stay, no logo
    setCompanyData(loaded.data);
    m_logo = loadCompanyLogo(ui->edit_Logo->text());
    if (m_logo.isNull())
        ui->edit_Logo->clear();
}

void TForm_FaSet::openSettings()
{
    adjustSize();
    showOverMainWindow();
}

void TForm_FaSet::Button_Save_FaDatClick()
{
    const CheckedCompanyPositions positions = checkCompanyPositions(companyData());
    switch (positions.problem) {
    case CheckedCompanyPositions::Problem::NotAnInteger:
        showError(this, positions.message);
        return;
    case CheckedCompanyPositions::Problem::OutOfRange:
        userInteraction().showMessage(this, MessageKind::Information, positions.message);
        positionFields().value(positions.field)->setFocus();
        positionFields().value(positions.field)->selectAll();
        return;
    case CheckedCompanyPositions::Problem::None:
        break;
    }
    // A file the fields did not come from completely is replaced only when the user says so.
    const QString question = companyFileOverwriteQuestion(QDir::toNativeSeparators(companyFilePath()),
                                                          m_readAtStart, loadCompanyData(companyFilePath()));
    if (!question.isEmpty() && !userInteraction().askYesNo(this, MessageKind::Warning, question))
        return;
    m_logo = loadCompanyLogo(ui->edit_Logo->text());
    if (m_logo.isNull())
        userInteraction().showMessage(this, MessageKind::Information, noCompanyLogoText());
    const QString error = saveCompanyData(companyData(), companyFilePath());
    if (!error.isEmpty()) {
        showError(this, error);
        return;
    }
    m_readAtStart = loadCompanyData(companyFilePath()); // the file now holds what the window shows
    finish();
    Q_EMIT companyDataAccepted();
}

void TForm_FaSet::Button2Click()
{
    // The typed texts stay: the report uses them until the program ends.
    finish();
}

void TForm_FaSet::Button1Click()
{
    FileDialogOptions options;
    options.caption = QStringLiteral("Firmenlogo öffnen");
    options.directory = logoDialogDirectory();
    options.filter = QStringLiteral("*.bmp (*.bmp *.BMP);;*.jpg (*.jpg *.jpeg *.JPG *.JPEG)");
    const QString path = userInteraction().getOpenPictureFileName(this, options);
    if (path.isEmpty())
        return;
    const QString logo = QDir::toNativeSeparators(QFileInfo(path).absoluteFilePath());
    // A path the company file cannot hold would be stored with a "?" and not found again.
    const QString refused = firstCharacterOutsideCodePage(logo);
    if (!refused.isEmpty()) {
        userInteraction().showMessage(this, MessageKind::Information, codePageRefusalText(refused));
        return;
    }
    ui->edit_Logo->setText(logo);
}

QString TForm_FaSet::logoDialogDirectory() const
{
    const QString logo = ui->edit_Logo->text().trimmed();
    if (!logo.isEmpty()) {
        const QFileInfo folder(QFileInfo(logo).absolutePath());
        if (folder.isDir())
            return folder.absoluteFilePath();
    }
    return m_startDirectory;
}

void TForm_FaSet::edit_DateDblClick()
{
    ui->edit_Date->setText(companyDateText(QDate::currentDate()));
}

void TForm_FaSet::edit_LogoLeftChange(QLineEdit *field)
{
    if (field->text().isEmpty())
        field->setText(QStringLiteral("0"));
    // Typing into a field that shows "0" writes the number, not "0240".
    const QString shown = withoutLeadingZeros(field->text());
    if (shown != field->text())
        field->setText(shown);
}

void TForm_FaSet::hintMissingDataOnce(QWidget *parent)
{
    if (m_missingDataHinted || !companyDataEmpty(companyData()))
        return;
    m_missingDataHinted = true;
    userInteraction().showMessage(parent, MessageKind::Information, missingCompanyDataHint());
}

bool TForm_FaSet::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == ui->edit_Date && event->type() == QEvent::MouseButtonDblClick) {
        edit_DateDblClick();
        return true;
    }
    if (event->type() == QEvent::KeyPress && positionFields().contains(qobject_cast<QLineEdit *>(watched))) {
        const QString text = static_cast<QKeyEvent *>(event)->text();
        // Keys without a character (arrows, Delete) pass; of the characters only digits.
        if (text.size() == 1 && !isPositionFieldCharacter(text.at(0)))
            return true;
    }
    return EditingDialog::eventFilter(watched, event);
}

void TForm_FaSet::cancel()
{
    Button2Click();
}

} // namespace tavix::gui
