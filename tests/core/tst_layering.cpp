// The direction of the dependencies between the source folders: the core knows no
// widgets, and no window reaches into the main window; windows learn of changes from the
// project session.
#include <QDirIterator>
#include <QFile>
#include <QRegularExpression>
#include <QtTest>

namespace {

// "file: include" for every include of `sources` that matches `forbidden`.
QStringList offendingIncludes(const QString &folder, const QString &exceptUnder,
                              const QRegularExpression &forbidden)
{
    const QString root = QStringLiteral(TAVIX_SOURCE_DIR "/src/");
    const QRegularExpression include(QStringLiteral("^\\s*#\\s*include\\s*[<\"]([^>\"]+)[>\"]"),
                                     QRegularExpression::MultilineOption);
    QStringList found;
    QDirIterator it(root + folder, {QStringLiteral("*.h"), QStringLiteral("*.cpp")}, QDir::Files,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        const QString relative = path.mid(root.size());
        if (!exceptUnder.isEmpty() && relative.startsWith(exceptUnder))
            continue;
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly))
            return {relative + QStringLiteral(": unreadable")};
        const QString text = QString::fromUtf8(file.readAll());
        for (auto match = include.globalMatch(text); match.hasNext();) {
            const QString included = match.next().captured(1);
            if (forbidden.match(included).hasMatch())
                found << relative + QStringLiteral(": ") + included;
        }
    }
    return found;
}

} // namespace

class TestLayering : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void includes_data()
    {
        QTest::addColumn<QString>("folder");
        QTest::addColumn<QString>("exceptUnder");
        QTest::addColumn<QString>("forbidden");
        QTest::newRow("core: no widgets, no window layer")
            << "core"
            << ""
            << "^(gui/|app/|Qt(Widgets|Gui|PrintSupport|Charts|Svg)\\b|Q(Widget|Window|Painter|Image)\\b)";
        QTest::newRow("windows: nothing of the main window") << "gui"
                                                             << "gui/mainwindow/"
                                                             << "^gui/mainwindow/";
    }
    void includes()
    {
        QFETCH(QString, folder);
        QFETCH(QString, exceptUnder);
        QFETCH(QString, forbidden);
        QCOMPARE(offendingIncludes(folder, exceptUnder, QRegularExpression(forbidden)), QStringList());
    }
};

QTEST_GUILESS_MAIN(TestLayering)
#include "tst_layering.moc"
