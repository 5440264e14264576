// The pictures of the manual: every window it shows, with the shipped impact example
// (examples/impact-example.dat) under German settings, written into <build>/pictures/handbuch.
// scripts/update-doc-pictures.sh copies them to docs/bilder. A picture wider than the text
// column of the manual (642 px) is printed smaller, so the wide windows are also written as
// details at full size.
#include "exampleproject.h"
#include "gui/common/startdirectory.h"
#include "gui/mainwindow/simplifiedmodel.h"
#include "gui/reports/form_faset.h"
#include "gui/reports/form_nachweis.h"
#include "gui/reports/form_qrep.h"
#include "gui/variants/form_variant.h"
#include "widgettest.h"

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QTabWidget>
#include <QToolButton>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

using namespace tavix;
using namespace tavix::gui;

namespace {

// The visible top-level window of class T, or nullptr.
template<typename T> T *shownWindow()
{
    for (QWidget *widget : QApplication::topLevelWidgets())
        if (auto *window = qobject_cast<T *>(widget); window && window->isVisible())
            return window;
    return nullptr;
}

} // namespace

class TestHelpPictures : public QObject
{
    Q_OBJECT

private:
    QString m_dir;
    QTemporaryDir m_startDir;
    ScriptedInteraction m_dialogs;
    std::unique_ptr<TSimplifiedModel> m_window;

    void save(QWidget *window, const QString &name, const QRect &detail = {})
    {
        QVERIFY2(window, qPrintable(name));
        QCoreApplication::processEvents();
        QTest::qWait(20);
        const QString path = m_dir + QLatin1Char('/') + name + QStringLiteral(".png");
        QVERIFY2(window->grab(detail.isNull() ? QRect(QPoint(), window->size()) : detail).save(path),
                 qPrintable(path));
    }

private Q_SLOTS:
    void initTestCase()
    {
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        m_dir = QStringLiteral(TAVIX_BINARY_DIR "/pictures/handbuch");
        QVERIFY(QDir().mkpath(m_dir));
        setStartDirectory(m_startDir.path());
        for (const char *name : {"VS_Wand.lib", "VS_Decke.lib", "VS_Estrich.lib"})
            QVERIFY(QFile::copy(QStringLiteral(TAVIX_BINARY_DIR "/catalogues/") + QLatin1String(name),
                                m_startDir.filePath(QLatin1String(name))));
    }

    // Every picture starts from the example in a fresh main window, opened from a folder of
    // this run (so that test runs side by side never share a project file); the main window
    // names it as a planner's project folder would, the same on every machine.
    void init()
    {
        m_dialogs.unexpected = 0;
        m_window = std::make_unique<TSimplifiedModel>();
        TSimplifiedModel &window = *m_window;
        const QString path = m_startDir.filePath(QStringLiteral("Lindenhof Haus B.dat"));
        QFile::remove(path);
        QVERIFY(QFile::copy(QStringLiteral(TAVIX_SOURCE_DIR "/examples/impact-example.dat"), path));
        window.show();
        QVERIFY(window.session().openFile(path));
        QVERIFY(window.model().Calculated);
        auto *fileName = window.findChild<QLabel *>(QStringLiteral("label_DatName"));
        QCOMPARE(fileName->text(), path);
        fileName->setText(QStringLiteral("/home/weber/Projekte/Lindenhof Haus B.dat"));
    }

    void cleanup()
    {
        QCOMPARE(m_dialogs.unexpected, 0);
        m_window.reset();
    }

    void mainWindowAndDialogs()
    {
        TSimplifiedModel &window = *m_window;
        save(&window, QStringLiteral("hauptfenster"));
        const QRect inputs = window.findChild<QTabWidget *>(QStringLiteral("PageControl"))->geometry();
        const QRect results(inputs.right() + 1, 60, window.width() - inputs.right() - 1, 260);
        save(&window, QStringLiteral("hauptfenster-ergebnisse"), results);
        window.findChild<QTabWidget *>(QStringLiteral("PageControl"))->setCurrentIndex(1);
        save(&window, QStringLiteral("hauptfenster-flanke"), QRect(0, 60, inputs.right() + 1, 400));

        window.Button_TBClick(1, 1);
        save(shownWindow<QDialog>(), QStringLiteral("bauteilaufbau"));
        shownWindow<QDialog>()->reject();
        window.Button_TB_VS1Click(0, 1);
        for (QPushButton *button : shownWindow<QDialog>()->findChildren<QPushButton *>())
            if (button->text() == QLatin1String("Schwimmende Estriche"))
                button->click();
        save(shownWindow<QDialog>(), QStringLiteral("vorsatzschale"));
        shownWindow<QDialog>()->reject();
        window.button_Stoss1Click(2);
        save(shownWindow<QDialog>(), QStringLiteral("stossstelle"));
        shownWindow<QDialog>()->reject();
    }

    void resultsAndProof()
    {
        TSimplifiedModel &window = *m_window;
        window.btn_ResultsClick();
        save(window.findChild<QWidget *>(QStringLiteral("Form_C")), QStringLiteral("ergebnisse"));
        window.button_NachweisClick();
        auto *proof = window.findChild<TForm_Nachweis *>();
        QVERIFY(proof);
        proof->resize(proof->sizeHint());
        save(proof, QStringLiteral("nachweis"));
    }

    // Three variants of the floor: as shipped, with the outer wall lined in the room below,
    // and with a thicker slab as well.
    void variants()
    {
        TSimplifiedModel &window = *m_window;
        window.button_VariantClick();
        auto *form = window.findChild<TForm_Variant *>();
        QVERIFY(form);
        auto add = [&]() {
            form->findChild<QPushButton *>(QStringLiteral("btn_AddVariant"))->click();
        };
        add();
        window.model().fields.Variante = QStringLiteral("Vorsatzschale Außenwand EG");
        window.model().fields.VS[1][2] = QStringLiteral("Gipskarton-Vorsatzschale 50 mm / f = 75Hz");
        window.model().f0[1][2] = 75;
        window.model().IdF[1] = false;
        window.refreshFromModel();
        window.session().Recalculate();
        add();
        window.model().fields.Variante = QStringLiteral("Stahlbeton 22 cm");
        BuildUpRecord slab = window.model().buildUp[0][0];
        slab.d2 = 22;
        fixtures::acceptBuildUp(window.model(), 0, 0, slab,
                                {QString(), QStringLiteral("Stahlbeton"), QString()});
        window.refreshFromModel();
        window.session().Recalculate();
        add();
        form->findChild<QToolButton *>(QStringLiteral("SpeedButton1"))->click();
        save(form, QStringLiteral("varianten"));
    }

    void companyDataAndPreview()
    {
        TSimplifiedModel &window = *m_window;
        // Company data as an engineering office enters them, saved to the start folder.
        window.Firmendaten1Click();
        QWidget *form = shownWindow<TForm_FaSet>();
        QVERIFY(form);
        const std::pair<const char *, const char *> fields[] = {
            {"edit_Fa", "Ingenieurbüro für Bauphysik Weber & Partner"},
            {"edit_Str", "Friedrich-Ebert-Straße 48"},
            {"edit_PLZ", "34119"},
            {"edit_Ort", "Kassel"},
            {"edit_Bearbeiter", "Dipl.-Ing. Katharina Weber"},
            {"edit_Tel", "0561 739 48-0"},
            {"edit_Mail", "info@bauphysik-weber.de"}};
        for (const auto &[name, text] : fields) {
            auto *edit = form->findChild<QLineEdit *>(QLatin1String(name));
            QVERIFY2(edit, name);
            edit->setText(QString::fromUtf8(text));
        }
        save(form, QStringLiteral("firmendaten"));
        form->findChild<QPushButton *>(QStringLiteral("Button_Save_FaDat"))->click();
        QVERIFY(!form->isVisible());
        window.SpeedButtonPrintClick();
        auto *preview = window.findChild<TForm_QRep *>();
        QVERIFY(preview && preview->isVisible());
        QTest::qWait(50);
        save(preview, QStringLiteral("druckvorschau"));
        // The proof page whole, as large as the manual's text column allows.
        auto *proofPage = preview->findChild<QCheckBox *>(QStringLiteral("chk_Nachweis"));
        QVERIFY(proofPage);
        if (proofPage->isEnabled()) {
            proofPage->setChecked(true);
            preview->resize(642, 960);
            preview->btn_Page3Click();
            preview->btn_ZoomPageClick();
            QTest::qWait(50);
            save(preview, QStringLiteral("druckvorschau-nachweis"));
        }
    }
};

TAVIX_WIDGET_TEST_MAIN(TestHelpPictures)
#include "tst_help_pictures.moc"
