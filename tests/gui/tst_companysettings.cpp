// The company data window: what accepting, cancelling and the shortcuts do to the fields,
// the logo and "Firma.set", and how the main window opens it and reads the file at start.
#include "core/io/filelayer.h"
#include "core/reports/companydata.h"
#include "gui/mainwindow/simplifiedmodel.h"
#include "gui/reports/form_faset.h"
#include "scriptedinteraction.h"

#include <QAction>
#include <QBuffer>
#include <QDataStream>
#include <QDate>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

#include <sys/stat.h>

using namespace tavix;
using namespace tavix::gui;

namespace {

const char *const TextFields[] = {"edit_Fa",         "edit_Str",  "edit_PLZ", "edit_Ort",
                                  "edit_Bearbeiter", "edit_Date", "edit_Tel", "edit_Fax",
                                  "edit_Mail",       "edit_www",  "edit_Logo"};

QLineEdit *field(const TForm_FaSet &form, const char *name)
{
    auto *edit = form.findChild<QLineEdit *>(QLatin1String(name));
    if (!edit)
        qWarning() << "no field" << name;
    return edit;
}

QPushButton *button(const TForm_FaSet &form, const char *name)
{
    return form.findChild<QPushButton *>(QLatin1String(name));
}

QByteArray bmpBytes(const QImage &image)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "BMP");
    return bytes;
}

// The header of a 24-bit bitmap of 6000 x 4000 pixels (24 megapixels) without its pixels.
QByteArray oversizedBmpHeader()
{
    QByteArray bytes;
    QDataStream out(&bytes, QIODevice::WriteOnly);
    out.setByteOrder(QDataStream::LittleEndian);
    out.writeRawData("BM", 2);
    out << quint32(54 + 6000 * 4000 * 3) << quint32(0) << quint32(54);
    out << quint32(40) << qint32(6000) << qint32(4000) << quint16(1) << quint16(24) << quint32(0)
        << quint32(0) << qint32(3780) << qint32(3780) << quint32(0) << quint32(0);
    bytes.append(4096, '\x7f');
    return bytes;
}

QString messageOf(const RecordedDialog &d)
{
    return d.type + QLatin1Char(':') + QString::number(int(d.kind)) + QLatin1Char(':') + d.text;
}

QStringList dialogsOf(const ScriptedInteraction &dialogs)
{
    QStringList out;
    for (const RecordedDialog &d : dialogs.recorded)
        out << messageOf(d);
    return out;
}

QString info(const QString &text)
{
    return QStringLiteral("message:%1:").arg(int(MessageKind::Information)) + text;
}

QString error(const QString &text)
{
    return QStringLiteral("message:%1:").arg(int(MessageKind::Error)) + text;
}

} // namespace

class TestCompanySettings : public QObject
{
    Q_OBJECT

    QTemporaryDir *m_dir = nullptr;
    QWidget *m_mainWindow = nullptr;
    TForm_FaSet *m_form = nullptr;
    ScriptedInteraction *m_dialogs = nullptr;

    QString path(const QString &name) const { return QDir(m_dir->path()).filePath(name); }
    QByteArray companyFile() const { return readFileCapped(path(CompanyDataFileName), 4096).content; }
    void writeFile(const QString &name, const QByteArray &content) const
    {
        QCOMPARE(writeFileAtomically(path(name), content), QString());
    }
    // A second window as the next program start creates it.
    std::unique_ptr<TForm_FaSet> nextStart() const
    {
        auto form = std::make_unique<TForm_FaSet>(nullptr);
        form->setStartDirectory(m_dir->path());
        form->readCompanyFile();
        return form;
    }

private Q_SLOTS:
    void init()
    {
        m_dir = new QTemporaryDir;
        m_mainWindow = new QWidget;
        m_form = new TForm_FaSet(m_mainWindow);
        m_form->setStartDirectory(m_dir->path());
        m_dialogs = new ScriptedInteraction;
    }
    void cleanup()
    {
        QCOMPARE(m_dialogs->unexpected, 0);
        delete m_dialogs;
        delete m_form;
        delete m_mainWindow;
        delete m_dir;
    }

    void controlTexts_data()
    {
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("text");
        const char *const rows[][2] = {
            {"TForm_FaSet", " Einstellungen Druckausgabe"},
            {"gb_Deckblatt", "Firmenangaben für Deckblatt Druckausgabe:"},
            {"label_Fa", "Firma : .................."},
            {"label_Str", "Straße : ................"},
            {"label_PLZ", "PLZ / Ort : ............"},
            {"label_Bearbeiter", "Bearbeiter : ........."},
            {"label_Date", "Datum : ..............."},
            {"label_Tel", "Tel. : .................."},
            {"label_Fax", "Fax : ..................."},
            {"label_Mail", "Email : ................"},
            {"label_www", "Internet : .............."},
            {"gb_Kopfzeile", "Kopfzeile für Druckausgabe:"},
            {"label_Logo", "Pfad und Dateiname (bmp /jpg)"},
            {"label_LogoLeft", "Abstand vom linken Rand:"},
            {"label_LogoTop", "Abstand vom oberen Rand:"},
            {"label_FaName", "Firmenname:"},
            {"label_FaNameLeft", "Abstand vom linken Rand:"},
            {"label_FaNameTop", "Abstand vom oberen Rand:"},
            {"label_FaNameTopUnit", "[Pixel]"},
            {"Button_Save_FaDat", "&Übernehmen"},
            {"Button2", "&Abbrechen"},
            {"Button1", "Firmenlogo"},
            {"Button1 hint", " Firmenlogo (Bitmap *.bmp) aus Verzeichnis laden "},
            {"edit_Date hint", " Doppelklick für aktuelles Datum"},
        };
        for (const auto &row : rows)
            QTest::newRow(row[0]) << QString::fromUtf8(row[0]) << QString::fromUtf8(row[1]);
    }
    void controlTexts()
    {
        QFETCH(QString, control);
        QFETCH(QString, text);
        const bool hint = control.endsWith(QLatin1String(" hint"));
        const QString name = control.section(QLatin1Char(' '), 0, 0);
        QWidget *widget = name == QLatin1String("TForm_FaSet") ? m_form : m_form->findChild<QWidget *>(name);
        QVERIFY2(widget, qPrintable(name));
        QString shown;
        if (hint)
            shown = widget->toolTip();
        else if (widget == m_form)
            shown = m_form->windowTitle();
        else if (auto *label = qobject_cast<QLabel *>(widget))
            shown = label->text();
        else if (auto *box = qobject_cast<QGroupBox *>(widget))
            shown = box->title();
        else if (auto *push = qobject_cast<QPushButton *>(widget))
            shown = push->text();
        QCOMPARE(shown, text);
    }

    // Fresh fields, no title-bar buttons, the date limited to 20 characters.
    void initialState()
    {
        for (const char *name : TextFields)
            QCOMPARE(field(*m_form, name)->text(), QString());
        for (const char *name : {"edit_LogoLeft", "edit_LogoTop", "edit_FaNameLeft", "edit_FaNameTop"})
            QCOMPARE(field(*m_form, name)->text(), QStringLiteral("0"));
        QCOMPARE(field(*m_form, "edit_Date")->maxLength(), 20);
        const Qt::WindowFlags flags = m_form->windowFlags();
        QVERIFY(
            !(flags & (Qt::WindowCloseButtonHint | Qt::WindowMinMaxButtonsHint | Qt::WindowSystemMenuHint)));
        QVERIFY(m_form->logo().isNull());
    }

    void acceptEmptyFieldsAndReadBack()
    {
        QSignalSpy accepted(m_form, &TForm_FaSet::companyDataAccepted);
        m_form->openSettings();
        QVERIFY(m_form->isVisible());
        QVERIFY(!m_mainWindow->isEnabled());
        QTest::mouseClick(button(*m_form, "Button_Save_FaDat"), Qt::LeftButton);

        QCOMPARE(dialogsOf(*m_dialogs), QStringList{info(noCompanyLogoText())});
        QCOMPARE(companyFile(), QByteArray(" \r\n \r\n \r\n \r\n \r\n \r\n \r\n \r\n \r\n \r\n \r\n"
                                           "0\r\n0\r\n0\r\n0\r\n1\r\n"));
        QVERIFY(!m_form->isVisible());
        QVERIFY(m_mainWindow->isEnabled());
        QCOMPARE(accepted.count(), 1);

        // The next start: single blanks in the text fields, and a logo path of one blank
        // names no file, so the logo field is emptied.
        const auto next = nextStart();
        for (const char *name : TextFields)
            QCOMPARE(field(*next, name)->text(), QString::fromLatin1(qstrcmp(name, "edit_Logo") ? " " : ""));
        QCOMPARE(field(*next, "edit_FaNameTop")->text(), QStringLiteral("0"));
        QVERIFY(next->logo().isNull());
        QCOMPARE(m_dialogs->recorded.size(), 1);
    }

    void refused_data()
    {
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("dialogs");
        const QString refused = info(companySettingsRefusedText());
        QTest::newRow("negative") << QStringLiteral("edit_LogoTop") << QStringLiteral("-5")
                                  << QStringList{refused};
        QTest::newRow("beyond any page")
            << QStringLiteral("edit_FaNameLeft") << QStringLiteral("250000") << QStringList{refused};
        QTest::newRow("not a whole number")
            << QStringLiteral("edit_LogoLeft") << QStringLiteral("12a")
            << QStringList{error(QString::fromUtf8("'12a' ist kein gültiger Integerwert"))};
        QTest::newRow("folder missing")
            << QStringLiteral("edit_Fa") << QStringLiteral("Muster GmbH")
            << QStringList{info(noCompanyLogoText()), error(QStringLiteral("Datei nicht gefunden"))};
    }
    // Nothing is written and the window stays open, the main window disabled.
    void refused()
    {
        QFETCH(QString, control);
        QFETCH(QString, text);
        QFETCH(QStringList, dialogs);
        if (qstrcmp(QTest::currentDataTag(), "folder missing") == 0)
            m_form->setStartDirectory(path(QStringLiteral("nirgends")));
        m_form->openSettings();
        // Pasted: the key filter would not let a sign or a letter through.
        m_form->findChild<QLineEdit *>(control)->setText(text);
        QTest::mouseClick(button(*m_form, "Button_Save_FaDat"), Qt::LeftButton);
        QCOMPARE(dialogsOf(*m_dialogs), dialogs);
        QVERIFY(!QFileInfo::exists(path(CompanyDataFileName)));
        QVERIFY(m_form->isVisible());
        QVERIFY(!m_mainWindow->isEnabled());
    }

    void positionFieldsTakeDigitsOnly()
    {
        QLineEdit *left = field(*m_form, "edit_LogoLeft");
        left->clear();
        QCOMPARE(left->text(), QStringLiteral("0")); // an emptied field restores "0" at once
        left->selectAll();
        QTest::keyClicks(left, QStringLiteral("1a-2,5 x"));
        QCOMPARE(left->text(), QStringLiteral("125"));
        QTest::keyClick(left, Qt::Key_Left);
        QTest::keyClick(left, Qt::Key_Backspace);
        QCOMPARE(left->text(), QStringLiteral("15"));
        left->selectAll();
        QTest::keyClick(left, Qt::Key_Backspace);
        QCOMPARE(left->text(), QStringLiteral("0"));
    }

    void cancelKeepsTypedTexts()
    {
        CompanyData old;
        old.Fa = QStringLiteral("Alt GmbH");
        writeFile(CompanyDataFileName, companyDataFileContent(old));
        const QByteArray before = companyFile();
        m_form->readCompanyFile();
        m_form->openSettings();
        QLineEdit *name = field(*m_form, "edit_Fa");
        name->selectAll();
        QTest::keyClicks(name, QStringLiteral("Neu GmbH"));
        QTest::keyClick(m_form, Qt::Key_Escape);
        QVERIFY(!m_form->isVisible());
        QVERIFY(m_mainWindow->isEnabled());
        QCOMPARE(m_form->companyData().Fa, QStringLiteral("Neu GmbH")); // the report prints it
        QCOMPARE(companyFile(), before);
        QCOMPARE(field(*nextStart(), "edit_Fa")->text(), QStringLiteral("Alt GmbH"));
        QVERIFY(m_dialogs->recorded.isEmpty());
    }

    void logo_data()
    {
        QTest::addColumn<QString>("file"); // empty: no file of that name
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<bool>("usable");
        QImage picture(40, 20, QImage::Format_RGB32);
        picture.fill(Qt::darkBlue);
        QTest::newRow("bitmap") << QStringLiteral("logo.bmp") << bmpBytes(picture) << true;
        QTest::newRow("missing") << QStringLiteral("") << QByteArray() << false;
        QTest::newRow("not a picture")
            << QStringLiteral("logo.jpg") << QByteArray("Briefkopf, kein Bild\r\n") << false;
        QTest::newRow("24 megapixels") << QStringLiteral("gross.bmp") << oversizedBmpHeader() << false;
        QTest::newRow("named pipe") << QStringLiteral("pipe.bmp") << QByteArray() << false;
    }
    // A logo that cannot be used counts as none: a message on accepting, an emptied logo
    // field at the next start, never a crash or a wait.
    void logo()
    {
        QFETCH(QString, file);
        QFETCH(QByteArray, content);
        QFETCH(bool, usable);
        const QString logoPath = path(file.isEmpty() ? QStringLiteral("fehlt.bmp") : file);
        if (qstrcmp(QTest::currentDataTag(), "named pipe") == 0)
            QCOMPARE(::mkfifo(QFile::encodeName(logoPath).constData(), 0600), 0);
        else if (!file.isEmpty())
            writeFile(file, content);

        m_form->openSettings();
        field(*m_form, "edit_Logo")->setText(logoPath);
        QTest::mouseClick(button(*m_form, "Button_Save_FaDat"), Qt::LeftButton);
        QCOMPARE(dialogsOf(*m_dialogs), usable ? QStringList() : QStringList{info(noCompanyLogoText())});
        QCOMPARE(m_form->logo().isNull(), !usable);
        QVERIFY(!m_form->isVisible());
        QCOMPARE(parseCompanyData(companyFile()).Logo, logoPath);

        const auto next = nextStart();
        QCOMPARE(field(*next, "edit_Logo")->text(), usable ? logoPath : QString());
        QCOMPARE(next->logo().size(), usable ? QSize(40, 20) : QSize(0, 0));
        QCOMPARE(m_dialogs->recorded.size(), usable ? 0 : 1);
    }

    // "Firmenlogo" only fills in the path; the picture is loaded on accepting.
    void chooseLogo()
    {
        const QString chosen = path(QStringLiteral("firmenlogo.bmp"));
        m_dialogs->openPictureAnswers << chosen << QString();
        QTest::mouseClick(button(*m_form, "Button1"), Qt::LeftButton);
        QCOMPARE(field(*m_form, "edit_Logo")->text(), chosen);
        QTest::mouseClick(button(*m_form, "Button1"), Qt::LeftButton); // cancelled
        QCOMPARE(field(*m_form, "edit_Logo")->text(), chosen);
        QCOMPARE(m_dialogs->recorded.size(), 2);
        const FileDialogOptions &options = m_dialogs->recorded.first().options;
        QCOMPARE(m_dialogs->recorded.first().type, QStringLiteral("openPicture"));
        QCOMPARE(options.directory, m_dir->path());
        QVERIFY(options.filter.startsWith(QLatin1String("*.bmp (*.bmp")));
        QVERIFY(options.filter.contains(QLatin1String(";;*.jpg (*.jpg")));
        QVERIFY(m_form->logo().isNull());
    }

    void dateDoubleClick()
    {
        QLineEdit *date = field(*m_form, "edit_Date");
        date->setText(QStringLiteral("irgendwann"));
        QTest::mouseDClick(date, Qt::LeftButton);
        QCOMPARE(date->text(), companyDateText(QDate::currentDate()));
    }

    void mainWindowOpensAndReadsAtStart()
    {
        CompanyData data;
        data.Fa = QString::fromUtf8("Schall & Rauch Ingenieure");
        data.LogoLeft = QStringLiteral("25");
        writeFile(CompanyDataFileName, companyDataFileContent(data));
        setStartDirectory(m_dir->path());
        TSimplifiedModel window;
        window.readCompanySettings();
        const TForm_FaSet &settings = window.companySettings();
        QCOMPARE(settings.companyData().Fa, data.Fa);
        QCOMPARE(settings.companyData().LogoLeft, QStringLiteral("25"));

        window.controls().Firmendaten1->trigger();
        QVERIFY(settings.isVisible());
        QVERIFY(!window.isEnabled());
        QTest::mouseClick(button(settings, "Button2"), Qt::LeftButton);
        QVERIFY(!settings.isVisible());
        QVERIFY(window.isEnabled());
        QVERIFY(m_dialogs->recorded.isEmpty());
        setStartDirectory(QString());
    }

    void picture()
    {
        CompanyData data;
        data.Fa = QString::fromUtf8("Ingenieurbüro Müller Bauphysik GmbH");
        data.Str = QString::fromUtf8("Große Bleiche 12");
        data.PLZ = QStringLiteral("55116");
        data.Ort = QStringLiteral("Mainz");
        data.Bearbeiter = QStringLiteral("Dipl.-Ing. Anna Schmidt");
        data.Date = QStringLiteral("7. 12. 2026");
        data.Tel = QStringLiteral("06131 123456");
        data.Fax = QStringLiteral("06131 123457");
        data.Mail = QStringLiteral("info@mueller-bauphysik.de");
        data.www = QStringLiteral("www.mueller-bauphysik.de");
        data.Logo = QStringLiteral("/home/planer/Briefkopf/logo.bmp");
        data.LogoLeft = QStringLiteral("25");
        data.FaNameLeft = QStringLiteral("300");
        data.FaNameTop = QStringLiteral("12");
        writeFile(CompanyDataFileName, companyDataFileContent(data));
        m_form->readCompanyFile();
        field(*m_form, "edit_Logo")->setText(data.Logo);
        m_form->openSettings();
        QDir().mkpath(QStringLiteral(TAVIX_BINARY_DIR "/pictures"));
        QVERIFY(m_form->grab().save(QStringLiteral(TAVIX_BINARY_DIR "/pictures/companysettings.png")));
    }
};

QTEST_MAIN(TestCompanySettings)
#include "tst_companysettings.moc"
