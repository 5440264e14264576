// The real message boxes behind the question interface: which answer each key and button
// gives, so that the scripted answers of the other tests stand for what a planner does.
#include "gui/common/userinteraction.h"
#include "widgettest.h"

#include <QMessageBox>
#include <QPushButton>
#include <QTimer>

using namespace tavix;
using namespace tavix::gui;

Q_DECLARE_METATYPE(tavix::Answer)

namespace {

// Does `action` to the message box once it is shown.
void whenShown(const QString &action)
{
    QTimer::singleShot(0, [action] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        if (!box)
            return;
        if (action == QLatin1String("Escape"))
            QTest::keyClick(box, Qt::Key_Escape);
        else if (action == QLatin1String("close box"))
            box->close();
        else
            for (QAbstractButton *button : box->buttons())
                if (button->text() == action)
                    button->click();
    });
}

} // namespace

class TestUserInteraction : public QObject
{
    Q_OBJECT

    UserInteraction *m_catcher = nullptr;

private Q_SLOTS:
    void init()
    {
        m_catcher = &userInteraction();
        setUserInteraction(nullptr); // the message boxes themselves
    }
    void cleanup() { setUserInteraction(m_catcher); }

    void answers_data()
    {
        QTest::addColumn<bool>("withCancel");
        QTest::addColumn<QString>("action");
        QTest::addColumn<Answer>("answer");
        QTest::newRow("Ja") << true << "&Ja" << Answer::Yes;
        QTest::newRow("Nein") << true << "&Nein" << Answer::No;
        QTest::newRow("Abbrechen") << true << "&Abbrechen" << Answer::Cancel;
        QTest::newRow("Escape cancels") << true << "Escape" << Answer::Cancel;
        QTest::newRow("close box cancels") << true << "close box" << Answer::Cancel;
        QTest::newRow("two buttons: Escape is Nein") << false << "Escape" << Answer::No;
        QTest::newRow("two buttons: Ja") << false << "&Ja" << Answer::Yes;
    }
    void answers()
    {
        QFETCH(bool, withCancel);
        QFETCH(QString, action);
        QFETCH(Answer, answer);
        whenShown(action);
        const QString question = QStringLiteral("Frage?");
        if (withCancel)
            QCOMPARE(userInteraction().askYesNoCancel(nullptr, MessageKind::Confirmation, question), answer);
        else
            QCOMPARE(userInteraction().askYesNo(nullptr, MessageKind::Confirmation, question),
                     answer == Answer::Yes);
    }
};

TAVIX_WIDGET_TEST_MAIN(TestUserInteraction)
#include "tst_userinteraction.moc"
