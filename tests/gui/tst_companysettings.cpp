// The company data window: what accepting, cancelling and the shortcuts do to the fields,
// the logo and "Firma.set", and how the main window opens it and reads the file at start.
#include "core/io/filelayer.h"
#include "core/reports/companydata.h"
#include "gui/common/startdirectory.h"
#include "gui/mainwindow/simplifiedmodel.h"
#include "gui/reports/form_faset.h"
#include "widgettest.h"

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

QLineEdit *field(const TForm_FaSet &form, const char *name)
{
    return form.findChild<QLineEdit *>(QLatin1String(name));
}

void click(const TForm_FaSet &form, const char *button)
{
    QTest::mouseClick(form.findChild<QPushButton *>(QLatin1String(button)), Qt::LeftButton);
}

// The header of a 24-bit bitmap of 6000 x 4000 pixels (24 megapixels) with only a few of its pixels.
QByteArray oversizedBmp()
{
    QByteArray bytes;
    QDataStream out(&bytes, QIODevice::WriteOnly);
    out.setByteOrder(QDataStream::LittleEndian);
    out.writeRawData("BM", 2);
    out << quint32(54 + 6000 * 4000 * 3) << quint32(0) << quint32(54) << quint32(40) << qint32(6000)
        << qint32(4000) << quint16(1) << quint16(24) << quint32(0) << quint32(0) << qint32(3780)
        << qint32(3780) << quint32(0) << quint32(0);
    return bytes + QByteArray(4096, '\x7f');
}

// "kind:text" of every message shown.
QStringList shown(const ScriptedInteraction &dialogs)
{
    QStringList out;
    for (const RecordedDialog &d : dialogs.recorded)
        out << QString::number(int(d.kind)) + QLatin1Char(':') + d.text;
    return out;
}

QString info(const QString &text)
{
    return QString::number(int(MessageKind::Information)) + QLatin1Char(':') + text;
}

QString error(const QString &text)
{
    return QString::number(int(MessageKind::Error)) + QLatin1Char(':') + text;
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
        QWidget *widget = m_form->findChild<QWidget *>(control.section(QLatin1Char(' '), 0, 0));
        QVERIFY(widget);
        if (control.endsWith(QLatin1String(" hint")))
            QCOMPARE(widget->toolTip(), text);
        else if (auto *box = qobject_cast<QGroupBox *>(widget))
            QCOMPARE(box->title(), text);
        else
            QCOMPARE(widget->property("text").toString(), text);
    }

    // Accepting the fresh window: the logo message comes before the file is written; the
    // next start finds single blanks, and a logo path of one blank names no file.
    void acceptEmptyFieldsAndReadBack()
    {
        QSignalSpy accepted(m_form, &TForm_FaSet::companyDataAccepted);
        m_form->openSettings();
        QVERIFY(m_form->isVisible() && !m_mainWindow->isEnabled());
        click(*m_form, "Button_Save_FaDat");
        QCOMPARE(shown(*m_dialogs), QStringList{info(noCompanyLogoText())});
        QCOMPARE(companyFile(), QByteArray(" \r\n \r\n \r\n \r\n \r\n \r\n \r\n \r\n \r\n \r\n \r\n"
                                           "0\r\n0\r\n0\r\n0\r\n1\r\n"));
        QVERIFY(!m_form->isVisible() && m_mainWindow->isEnabled());
        QCOMPARE(accepted.count(), 1);

        const auto next = nextStart();
        const CompanyData read = next->companyData();
        QCOMPARE(read.Fa, QStringLiteral(" "));
        QCOMPARE(read.www, QStringLiteral(" "));
        QCOMPARE(read.Logo, QString());
        QCOMPARE(read.FaNameTop, QStringLiteral("0"));
        QVERIFY(next->logo().isNull());
        QCOMPARE(m_dialogs->recorded.size(), 1);
    }

    void refused_data()
    {
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("messages");
        // The refusal says which field and which limits.
        auto refused = [](const char *field, const char *value) {
            return QStringList{info(companySettingsRefusedText() +
                                    QString::fromUtf8("\r\r%1: %2 Pixel; erlaubt sind 0 bis 10000 Pixel.")
                                        .arg(QString::fromUtf8(field), QString::fromUtf8(value)))};
        };
        QTest::newRow("negative") << QStringLiteral("edit_LogoTop") << QStringLiteral("-5")
                                  << refused("Firmenlogo, Abstand vom oberen Rand", "-5");
        QTest::newRow("beyond any page") << QStringLiteral("edit_FaNameLeft") << QStringLiteral("12000")
                                         << refused("Firmenname, Abstand vom linken Rand", "12000");
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
        QFETCH(QStringList, messages);
        if (qstrcmp(QTest::currentDataTag(), "folder missing") == 0) {
            m_form->setStartDirectory(path(QStringLiteral("nirgends")));
            messages.last() = error(fileWriteErrorText(path(QStringLiteral("nirgends/Firma.set")),
                                                       QStringLiteral("Datei nicht gefunden")));
        }
        m_form->openSettings();
        m_form->findChild<QLineEdit *>(control)->setText(text); // pasted: the key filter passes no sign
        click(*m_form, "Button_Save_FaDat");
        QCOMPARE(shown(*m_dialogs), messages);
        QVERIFY(!QFileInfo::exists(path(CompanyDataFileName)));
        QVERIFY(m_form->isVisible() && !m_mainWindow->isEnabled());
    }

    void positionFieldsTakeDigitsOnly()
    {
        QLineEdit *left = field(*m_form, "edit_LogoLeft");
        left->selectAll();
        QTest::keyClicks(left, QStringLiteral("1a-2,5 x"));
        QCOMPARE(left->text(), QStringLiteral("125"));
        left->selectAll();
        QTest::keyClick(left, Qt::Key_Backspace);
        QCOMPARE(left->text(), QStringLiteral("0")); // an emptied field restores "0" at once
        QTest::keyClicks(left, QStringLiteral("240"));
        QCOMPARE(left->text(), QStringLiteral("240")); // typed after the "0": no leading zero
    }

    void unreadFileIsReplacedOnlyOnRequest_data()
    {
        QTest::addColumn<QByteArray>("content"); // empty: a folder named Firma.set
        QTest::addColumn<QString>("reason");
        QTest::addColumn<bool>("errorAtStart");
        const QByteArray lines =
            "Muster GmbH\r\n" + QByteArray(" \r\n").repeated(10) + "0\r\n0\r\n0\r\n0\r\n1\r\n";
        QTest::newRow("over the size cap")
            << QByteArray(1024 * 1024 + 1, 'x') << QString::fromUtf8("Die Datei ist zu groß") << true;
        QTest::newRow("a folder") << QByteArray() << QStringLiteral("konnte nicht gelesen werden") << true;
        QTest::newRow("lines after line 16")
            << lines + "Niederlassung Nord\r\nTel. 0123\r\n"
            << QStringLiteral("enthält nach Zeile 16 noch 2 Zeile(n), die das Programm nicht liest") << false;
    }
    // A company file whose content the window does not show completely is replaced only
    // after a question that says so; "Nein" keeps the file and the window.
    void unreadFileIsReplacedOnlyOnRequest()
    {
        QFETCH(QByteArray, content);
        QFETCH(QString, reason);
        QFETCH(bool, errorAtStart);
        const QString file = path(CompanyDataFileName);
        if (content.isEmpty())
            QVERIFY(QDir().mkdir(file));
        else
            QCOMPARE(writeFileAtomically(file, content), QString());
        m_form->readCompanyFile();
        QCOMPARE(m_dialogs->recorded.size(), errorAtStart ? 1 : 0);
        m_dialogs->recorded.clear();
        m_form->openSettings();
        m_dialogs->yesNoAnswers << false;
        click(*m_form, "Button_Save_FaDat");
        QCOMPARE(m_dialogs->recorded.size(), 1);
        const RecordedDialog question = m_dialogs->recorded.last();
        QCOMPARE(question.type, QStringLiteral("question"));
        QVERIFY2(question.text.contains(QDir::toNativeSeparators(file)) && question.text.contains(reason) &&
                     question.text.contains(QString::fromUtf8("ihr bisheriger Inhalt geht dabei verloren")),
                 qPrintable(question.text));
        QVERIFY(m_form->isVisible());
        if (content.isEmpty())
            return;
        QCOMPARE(readFileCapped(file, 2 * 1024 * 1024).content, content);
        m_dialogs->yesNoAnswers << true;
        click(*m_form, "Button_Save_FaDat"); // the question again, then the missing logo
        QCOMPARE(m_dialogs->recorded.size(), 3);
        QVERIFY(!m_form->isVisible());
        QCOMPARE(companyFile().count('\n'), 16);
    }

    // The first print without company data says where to enter them, once.
    void missingDataHintOnce()
    {
        m_form->hintMissingDataOnce(m_mainWindow);
        m_form->hintMissingDataOnce(m_mainWindow);
        QCOMPARE(shown(*m_dialogs), QStringList{info(missingCompanyDataHint())});
        QVERIFY(missingCompanyDataHint().contains(
            QString::fromUtf8("„Einstellungen“ → „Firmendaten editieren“")));
        auto other = std::make_unique<TForm_FaSet>(m_mainWindow);
        field(*other, "edit_Fa")->setText(QStringLiteral("Ingenieurbüro Muster"));
        other->hintMissingDataOnce(m_mainWindow);
        QCOMPARE(m_dialogs->recorded.size(), 1);
    }

    void cancelKeepsTypedTexts()
    {
        CompanyData old;
        old.Fa = QStringLiteral("Alt GmbH");
        QCOMPARE(saveCompanyData(old, path(CompanyDataFileName)), QString());
        const QByteArray before = companyFile();
        m_form->readCompanyFile();
        m_form->openSettings();
        field(*m_form, "edit_Fa")->selectAll();
        QTest::keyClicks(field(*m_form, "edit_Fa"), QStringLiteral("Neu GmbH"));
        QTest::keyClick(m_form, Qt::Key_Escape);
        QVERIFY(!m_form->isVisible() && m_mainWindow->isEnabled());
        QCOMPARE(m_form->companyData().Fa, QStringLiteral("Neu GmbH")); // the report prints it
        QCOMPARE(companyFile(), before);
        QCOMPARE(nextStart()->companyData().Fa, QStringLiteral("Alt GmbH"));
        QVERIFY(m_dialogs->recorded.isEmpty());
    }

    void logo_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QByteArray>("content"); // empty: no file
        QTest::addColumn<bool>("usable");
        QImage picture(40, 20, QImage::Format_RGB32);
        picture.fill(Qt::darkBlue);
        QByteArray bmp;
        QBuffer buffer(&bmp);
        QVERIFY(buffer.open(QIODevice::WriteOnly) && picture.save(&buffer, "BMP"));
        QTest::newRow("bitmap") << QStringLiteral("logo.bmp") << bmp << true;
        QTest::newRow("missing") << QStringLiteral("fehlt.bmp") << QByteArray() << false;
        QTest::newRow("not a picture") << QStringLiteral("logo.jpg") << QByteArray("kein Bild\r\n") << false;
        QTest::newRow("24 megapixels") << QStringLiteral("gross.bmp") << oversizedBmp() << false;
        QTest::newRow("named pipe") << QStringLiteral("pipe.bmp") << QByteArray() << false;
    }
    // A logo that cannot be used counts as none: a message on accepting, an emptied logo
    // field at the next start, never a crash or a wait.
    void logo()
    {
        QFETCH(QString, file);
        QFETCH(QByteArray, content);
        QFETCH(bool, usable);
        const QString logoPath = path(file);
        if (qstrcmp(QTest::currentDataTag(), "named pipe") == 0)
            QCOMPARE(::mkfifo(QFile::encodeName(logoPath).constData(), 0600), 0);
        else if (!content.isEmpty())
            QCOMPARE(writeFileAtomically(logoPath, content), QString());

        field(*m_form, "edit_Logo")->setText(logoPath);
        click(*m_form, "Button_Save_FaDat");
        QCOMPARE(shown(*m_dialogs), usable ? QStringList() : QStringList{info(noCompanyLogoText())});
        QCOMPARE(m_form->logo().size(), usable ? QSize(40, 20) : QSize(0, 0));
        QCOMPARE(parseCompanyData(companyFile()).Logo, logoPath);

        const auto next = nextStart();
        QCOMPARE(next->companyData().Logo, usable ? logoPath : QString());
        QCOMPARE(next->logo().size(), usable ? QSize(40, 20) : QSize(0, 0));
        QCOMPARE(m_dialogs->recorded.size(), usable ? 0 : 1);
    }

    // "Firmenlogo" only fills in the path; the picture is loaded on accepting.
    void chooseLogo()
    {
        const QString chosen = path(QStringLiteral("firmenlogo.bmp"));
        m_dialogs->openPictureAnswers << chosen << QString();
        click(*m_form, "Button1");
        click(*m_form, "Button1"); // cancelled
        QCOMPARE(field(*m_form, "edit_Logo")->text(), chosen);
        QCOMPARE(m_dialogs->recorded.size(), 2);
        QCOMPARE(m_dialogs->recorded.first().type, QStringLiteral("openPicture"));
        QCOMPARE(m_dialogs->recorded.first().options.directory, m_dir->path());
        QCOMPARE(m_dialogs->recorded.first().options.filter.section(QLatin1Char(' '), 0, 0),
                 QStringLiteral("*.bmp"));
        QVERIFY(m_form->logo().isNull());
    }

    void dateDoubleClick()
    {
        QLineEdit *date = field(*m_form, "edit_Date");
        date->setText(QStringLiteral("irgendwann"));
        QTest::mouseDClick(date, Qt::LeftButton);
        QCOMPARE(date->text(), companyDateText(QDate::currentDate()));
        QCOMPARE(date->maxLength(), 20);
    }

    void mainWindowOpensAndReadsAtStart()
    {
        CompanyData data;
        data.Fa = QStringLiteral("Schall & Rauch Ingenieure");
        QCOMPARE(saveCompanyData(data, path(CompanyDataFileName)), QString());
        setStartDirectory(m_dir->path());
        TSimplifiedModel window;
        window.readCompanySettings();
        const TForm_FaSet &settings = window.companySettings();
        QCOMPARE(settings.companyData().Fa, data.Fa);

        window.controls().Firmendaten1->trigger();
        QVERIFY(settings.isVisible() && !window.isEnabled());
        QCOMPARE(settings.windowTitle(), QStringLiteral(" Einstellungen Druckausgabe"));
        QVERIFY(!(settings.windowFlags() & (Qt::WindowCloseButtonHint | Qt::WindowMinMaxButtonsHint)));
        click(settings, "Button2");
        QVERIFY(!settings.isVisible() && window.isEnabled());
        QVERIFY(m_dialogs->recorded.isEmpty());
        setStartDirectory(QString());
    }

    void picture()
    {
        const QByteArray file =
            QString::fromUtf8("Ingenieurbüro Müller Bauphysik GmbH\nGroße Bleiche 12\n55116\n"
                              "Mainz\nDipl.-Ing. Anna Schmidt\n7. 12. 2026\n06131 123456\n"
                              "06131 123457\ninfo@mueller-bauphysik.de\n"
                              "www.mueller-bauphysik.de\n \n25\n0\n300\n12\n")
                .toLatin1();
        QCOMPARE(writeFileAtomically(path(CompanyDataFileName), file), QString());
        m_form->readCompanyFile();
        field(*m_form, "edit_Logo")->setText(QStringLiteral("/home/planer/Briefkopf/logo.bmp"));
        m_form->openSettings();
        QDir().mkpath(QStringLiteral(TAVIX_BINARY_DIR "/pictures"));
        QVERIFY(m_form->grab().save(QStringLiteral(TAVIX_BINARY_DIR "/pictures/companysettings.png")));
    }
};

TAVIX_WIDGET_TEST_MAIN(TestCompanySettings)
#include "tst_companysettings.moc"
