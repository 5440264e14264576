// The build-up dialog driven like a planner would: open a slot, choose, type, confirm.

#include "buildup/buildupclipboard.h"
#include "buildup/deliverynote.h"
#include "buildup/form_btaufbau.h"
#include "model/numbers.h"
#include "scriptedinteraction.h"

#include <QtTest>
#include <QtWidgets>

using namespace tavix;
using namespace tavix::gui;

class TestBuildUpDialog : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void cleanupTestCase();
    void init();
    void cleanup();
    void pictures();

private:
    template<typename T> T *child(const char *name) const
    {
        T *w = m_dialog->findChild<T *>(QLatin1String(name));
        if (!w)
            qFatal("no control %s", name);
        return w;
    }
    void save(const QString &name) const
    {
        QDir().mkpath(QStringLiteral(TAVIX_BINARY_DIR "/pictures"));
        QVERIFY(m_dialog->grab().save(QStringLiteral(TAVIX_BINARY_DIR "/pictures/") + name + ".png"));
    }

    QLocale m_savedLocale;
    ProjectModel m_model;
    QWidget *m_mainWindow = nullptr;
    TForm_BT *m_dialog = nullptr;
    ScriptedInteraction *m_answers = nullptr;
};

void TestBuildUpDialog::initTestCase()
{
    m_savedLocale = QLocale();
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
}

void TestBuildUpDialog::cleanupTestCase()
{
    QLocale::setDefault(m_savedLocale);
}

void TestBuildUpDialog::init()
{
    resetModel(m_model, localeDecimalSeparator());
    m_mainWindow = new QWidget;
    m_dialog = new TForm_BT(m_model, m_mainWindow);
    m_answers = new ScriptedInteraction;
}

void TestBuildUpDialog::cleanup()
{
    delete m_answers;
    delete m_dialog;
    delete m_mainWindow;
}

void TestBuildUpDialog::pictures()
{
    for (int kind = 0; kind < 6; ++kind) {
        m_dialog->openSlot(1, 1);
        child<QComboBox>("combo_Konstrukt")->setCurrentIndex(kind);
        save(QStringLiteral("buildup_kind%1").arg(kind));
        m_dialog->btn_ECSClick();
    }
}

QTEST_MAIN(TestBuildUpDialog)
#include "tst_buildupdialog.moc"
