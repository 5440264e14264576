// The file layer and the two file formats on top of it, against real file systems:
// no failed save may touch the old file, no read may hang on a special file.

#include "core/io/codepage.h"
#include "core/io/filelayer.h"
#include "core/linings/liningcatalogue.h"
#include "core/projectfile/projectfile.h"
#include "fixtures.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include <cerrno>
#include <chrono>
#include <dirent.h>
#include <fcntl.h>
#include <future>
#include <sys/stat.h>
#include <unistd.h>

using namespace tavix;

namespace {

const QChar Dot = QLatin1Char('.');
const QString DiskFull = QStringLiteral("Kapazität der Diskette/Festplatte erschöpft");
const QString AccessDenied = QStringLiteral("Dateizugriff verweigert");
const QString NotFound = QStringLiteral("Datei nicht gefunden");

QByteArray readAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

// The entries of a folder as the file system holds them, names that are not UTF-8 included
// (QDir leaves those out).
QStringList entries(const QString &folder)
{
    QStringList names;
    if (DIR *d = ::opendir(QFile::encodeName(folder).constData())) {
        while (const dirent *e = ::readdir(d)) {
            if (qstrcmp(e->d_name, ".") != 0 && qstrcmp(e->d_name, "..") != 0)
                names << fileNameFromNative(e->d_name);
        }
        ::closedir(d);
    }
    names.sort();
    return names;
}

// Removes what QTemporaryDir cannot: files under names that are not UTF-8.
void removeEntries(const QString &folder)
{
    for (const QString &name : entries(folder))
        ::unlink(nativeFileName(folder + QLatin1Char('/') + name).constData());
}

void writeRaw(const QString &path, const QByteArray &content)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(content), content.size());
}

// The three writers the program has, by name, so that one table covers them all.
QString writeWith(const QString &writer, const QString &path, int size)
{
    if (writer == QLatin1String("layer"))
        return writeFileAtomically(path, QByteArray(size, 'n'));
    if (writer == QLatin1String("project")) {
        ProjectModel m = fixtures::workedExample(Dot);
        m.fields.Projekt = QString(size, QLatin1Char('p'));
        return saveProject(m, path, Dot);
    }
    QList<LiningCatalogueRow> rows;
    for (int i = 0; i * 20 < size; ++i)
        rows.append({QStringLiteral("System %1").arg(i), QStringLiteral("85")});
    return writeLiningCatalogue(path, 1, rows);
}

// The readers the program has; the error text, empty on success.
QString readWith(const QString &reader, const QString &path)
{
    if (reader == QLatin1String("layer"))
        return readFileCapped(path, 1024 * 1024).error;
    if (reader == QLatin1String("project"))
        return loadProject(path, Dot).error;
    return readLiningCatalogue(path).error;
}

// A small tmpfs of its own, for the full and the read-only file system; needs root.
class TmpfsMount
{
public:
    explicit TmpfsMount(const QString &options)
    {
        m_mounted = m_dir.isValid() &&
                    QProcess::execute(QStringLiteral("mount"),
                                      {QStringLiteral("-t"), QStringLiteral("tmpfs"), QStringLiteral("-o"),
                                       options, QStringLiteral("tmpfs"), m_dir.path()}) == 0;
    }
    ~TmpfsMount()
    {
        if (m_mounted)
            QProcess::execute(QStringLiteral("umount"), {m_dir.path()});
    }
    bool mounted() const { return m_mounted; }
    QString filePath(const QString &name) const { return m_dir.filePath(name); }
    bool remountReadOnly() const
    {
        return QProcess::execute(QStringLiteral("mount"),
                                 {QStringLiteral("-o"), QStringLiteral("remount,ro"), m_dir.path()}) == 0;
    }

private:
    QTemporaryDir m_dir;
    bool m_mounted = false;
};

} // namespace

class TestFileIo : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void failedWriteKeepsOldFile_data();
    void failedWriteKeepsOldFile();
    void fullFileSystem_data();
    void fullFileSystem();
    void readOnlyFileSystem();
    void specialFilesAreRefused_data();
    void specialFilesAreRefused();
    void readCap();
    void errorTexts_data();
    void errorTexts();
    void nativeFileNames_data();
    void nativeFileNames();
    void codePageHoldsWhatItWrites_data();
    void codePageHoldsWhatItWrites();
};

void TestFileIo::failedWriteKeepsOldFile_data()
{
    QTest::addColumn<QString>("writer");
    QTest::addColumn<int>("step"); // WriteStep that fails, -1 none
    QTest::addColumn<int>("error");
    // "file", "folder", "missing folder", "fifo", "link to fifo", "non-UTF-8 name"
    QTest::addColumn<QString>("target");
    QTest::addColumn<QString>("expected"); // the reason in the message that names the file
    for (const char *writer : {"layer", "project", "catalogue"}) {
        const QString w = QString::fromLatin1(writer);
        QTest::addRow("%s: write fails", writer) << w << int(WriteStep::Write) << EIO << "file"
                                                 << "I/O-Fehler 5";
        QTest::addRow("%s: flush fails", writer)
            << w << int(WriteStep::Flush) << ENOSPC << "file" << DiskFull;
        QTest::addRow("%s: commit fails", writer) << w << int(WriteStep::Commit) << EIO << "file"
                                                  << "I/O-Fehler 5";
        QTest::addRow("%s: target is a folder", writer) << w << -1 << 0 << "folder" << AccessDenied;
        QTest::addRow("%s: folder missing", writer) << w << -1 << 0 << "missing folder" << NotFound;
        QTest::addRow("%s: target is a FIFO", writer) << w << -1 << 0 << "fifo" << AccessDenied;
        QTest::addRow("%s: link to a FIFO", writer) << w << -1 << 0 << "link to fifo" << AccessDenied;
        QTest::addRow("%s: non-UTF-8 name, flush fails", writer)
            << w << int(WriteStep::Flush) << ENOSPC << "non-UTF-8 name" << DiskFull;
        QTest::addRow("%s: non-UTF-8 name, commit fails", writer)
            << w << int(WriteStep::Commit) << EIO << "non-UTF-8 name"
            << "I/O-Fehler 5";
    }
}

void TestFileIo::failedWriteKeepsOldFile()
{
    QFETCH(QString, writer);
    QFETCH(int, step);
    QFETCH(int, error);
    QFETCH(QString, target);
    QFETCH(QString, expected);
    QTemporaryDir dir;
    const QString old = dir.filePath(QStringLiteral("alt.dat"));
    writeRaw(old, "old content\r\n");
    QString path = old;
    if (target == QLatin1String("non-UTF-8 name")) {
        // The old file under a name that only exists as bytes ("ä" in Latin-1).
        const QByteArray native = QFile::encodeName(dir.path()) + "/alt-\xe4.dat";
        const int fd = ::open(native.constData(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        QVERIFY(fd >= 0 && ::write(fd, "old content\r\n", 13) == 13 && ::close(fd) == 0);
        path = fileNameFromNative(native);
    } else if (target == QLatin1String("folder")) {
        path = dir.filePath(QStringLiteral("ordner.dat"));
        QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("ordner.dat")));
    } else if (target == QLatin1String("missing folder")) {
        path = dir.filePath(QStringLiteral("fehlt/neu.dat"));
    } else if (target.contains(QLatin1String("fifo"))) {
        path = dir.filePath(QStringLiteral("fifo.dat"));
        QCOMPARE(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
        if (target.startsWith(QLatin1String("link"))) {
            QVERIFY(QFile::link(path, dir.filePath(QStringLiteral("link.dat"))));
            path = dir.filePath(QStringLiteral("link.dat"));
        }
    }
    const QStringList before = entries(dir.path());

    setWriteFaultHookForTesting([=](WriteStep s) { return int(s) == step ? error : 0; });
    const QString result = writeWith(writer, path, 100);
    setWriteFaultHookForTesting({});

    QCOMPARE(result, fileWriteErrorText(path, expected));
    QCOMPARE(readAll(old), QByteArray("old content\r\n"));
    if (target == QLatin1String("non-UTF-8 name"))
        QCOMPARE(readFileCapped(path, 100).content, QByteArray("old content\r\n"));
    // No temporary file left behind, the FIFO or folder still what it was.
    QCOMPARE(entries(dir.path()), before);
    if (target.contains(QLatin1String("fifo")))
        QVERIFY(!QFileInfo(path).isFile());
    removeEntries(dir.path());
}

void TestFileIo::fullFileSystem_data()
{
    QTest::addColumn<QString>("writer");
    QTest::newRow("project file") << "project";
    QTest::newRow("lining catalogue") << "catalogue";
}

void TestFileIo::fullFileSystem()
{
    QFETCH(QString, writer);
    TmpfsMount disk(QStringLiteral("size=64k"));
    if (!disk.mounted())
        QSKIP("No small tmpfs can be mounted here (needs root)");
    const QString path = disk.filePath(QStringLiteral("ziel"));
    QCOMPARE(writeWith(writer, path, 200), QString());
    const QByteArray saved = readAll(path);
    // Fill the rest of the file system; a few bytes stay buffered, as in a real save.
    {
        QFile filler(disk.filePath(QStringLiteral("filler")));
        QVERIFY(filler.open(QIODevice::WriteOnly));
        const QByteArray block(4096, 'x');
        while (filler.write(block) == block.size() && filler.flush()) {
        }
    }
    QCOMPARE(writeWith(writer, path, 3000), fileWriteErrorText(path, DiskFull));
    QCOMPARE(readAll(path), saved);
    QCOMPARE(QDir(disk.filePath(QString())).entryList(QDir::Files).size(), 2);
}

void TestFileIo::readOnlyFileSystem()
{
    // Root ignores file permissions; a read-only mount holds for everybody.
    TmpfsMount disk(QStringLiteral("size=64k"));
    if (!disk.mounted())
        QSKIP("No tmpfs can be mounted here (needs root)");
    const QString path = disk.filePath(QStringLiteral("projekt.dat"));
    QCOMPARE(writeWith(QStringLiteral("project"), path, 10), QString());
    const QByteArray saved = readAll(path);
    QVERIFY(disk.remountReadOnly());
    for (const char *writer : {"layer", "project", "catalogue"})
        QCOMPARE(writeWith(QString::fromLatin1(writer), path, 10), fileWriteErrorText(path, AccessDenied));
    QCOMPARE(readAll(path), saved);
    QCOMPARE(readWith(QStringLiteral("project"), path), QString());
}

void TestFileIo::specialFilesAreRefused_data()
{
    QTest::addColumn<QString>("reader");
    QTest::addColumn<QString>("file"); // "fifo", "link to fifo", "/dev/zero", "folder", "missing"
    QTest::addColumn<QString>("expected");
    for (const char *reader : {"layer", "project", "catalogue"}) {
        const QString r = QString::fromLatin1(reader);
        QTest::addRow("%s: FIFO", reader) << r << "fifo" << AccessDenied;
        QTest::addRow("%s: link to a FIFO", reader) << r << "link to fifo" << AccessDenied;
        QTest::addRow("%s: /dev/zero", reader) << r << "/dev/zero" << AccessDenied;
        QTest::addRow("%s: folder", reader) << r << "folder" << AccessDenied;
        QTest::addRow("%s: missing", reader) << r << "missing" << NotFound;
    }
}

void TestFileIo::specialFilesAreRefused()
{
    QFETCH(QString, reader);
    QFETCH(QString, file);
    QFETCH(QString, expected);
    QTemporaryDir dir;
    QString path = dir.filePath(QStringLiteral("eingabe"));
    if (file.contains(QLatin1String("fifo"))) {
        QCOMPARE(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
        if (file.startsWith(QLatin1String("link"))) {
            QVERIFY(QFile::link(path, dir.filePath(QStringLiteral("link"))));
            path = dir.filePath(QStringLiteral("link"));
        }
    } else if (file == QLatin1String("/dev/zero")) {
        path = file;
    } else if (file == QLatin1String("folder")) {
        path = dir.path();
    }
    auto reading = std::async(std::launch::async, [&] { return readWith(reader, path); });
    if (reading.wait_for(std::chrono::seconds(10)) != std::future_status::ready) {
        // Release a reader that waits for a writer on the FIFO, then fail.
        const int fd = ::open(QFile::encodeName(dir.filePath(QStringLiteral("eingabe"))).constData(),
                              O_WRONLY | O_NONBLOCK);
        if (fd >= 0)
            ::close(fd);
        QFAIL("reading did not return");
    }
    QCOMPARE(reading.get(), fileReadErrorText(path, expected));
}

void TestFileIo::readCap()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("datei"));
    writeRaw(path, QByteArray(1000, 'a'));
    QCOMPARE(readFileCapped(path, 1000).content.size(), 1000);
    const FileReadResult over = readFileCapped(path, 999);
    QCOMPARE(over.error, fileReadErrorText(path, fileTooLargeText(999)));
    QVERIFY(over.content.isEmpty());

    // A catalogue beyond its size cap is not read, and is marked as read in part.
    {
        QFile big(path);
        QVERIFY(big.open(QIODevice::WriteOnly));
        QVERIFY(big.resize(MaxCatalogueFileSize + 1));
    }
    const LiningCatalogueReadResult catalogue = readLiningCatalogue(path);
    QCOMPARE(catalogue.error, fileReadErrorText(path, fileTooLargeText(MaxCatalogueFileSize)));
    QVERIFY(catalogue.partial());
}

void TestFileIo::errorTexts_data()
{
    QTest::addColumn<int>("error");
    QTest::addColumn<QString>("text");
    QTest::newRow("missing") << ENOENT << NotFound;
    QTest::newRow("no folder") << ENOTDIR << NotFound;
    QTest::newRow("permission") << EACCES << AccessDenied;
    QTest::newRow("read-only") << EROFS << AccessDenied;
    QTest::newRow("folder") << EISDIR << AccessDenied;
    QTest::newRow("full") << ENOSPC << DiskFull;
    QTest::newRow("quota") << EDQUOT << DiskFull;
    QTest::newRow("other") << EIO << "I/O-Fehler 5";
}

void TestFileIo::errorTexts()
{
    QFETCH(int, error);
    QFETCH(QString, text);
    QCOMPARE(ioErrorText(error), text);
    // The whole message names the file.
    QCOMPARE(fileWriteErrorText(QStringLiteral("/home/p/projekt.dat"), text),
             QStringLiteral("Datei „/home/p/projekt.dat“ konnte nicht gespeichert werden: ") + text);
    QCOMPARE(fileReadErrorText(QStringLiteral("projekt.dat"), text),
             QStringLiteral("Datei „projekt.dat“ konnte nicht gelesen werden: ") + text);
}

void TestFileIo::nativeFileNames_data()
{
    QTest::addColumn<QByteArray>("native");
    QTest::addColumn<QString>("shown");
    QTest::newRow("ASCII") << QByteArray("projekt.dat") << "projekt.dat";
    QTest::newRow("UTF-8 umlaut and emoji")
        << QByteArray("gr\xc3\xbc\xc3\x9f\x65 \xf0\x9f\x8f\xa0") << "grüße 🏠";
    QTest::newRow("Latin-1 umlaut") << QByteArray("gr\xfc\xdf\x65.dat") << "gr\uFFFD\uFFFDe.dat";
    QTest::newRow("encoded surrogate") << QByteArray("\xed\xb2\x80") << "\uFFFD\uFFFD\uFFFD";
    QTest::newRow("overlong slash") << QByteArray("a\xc0\xaf\x62") << "a\uFFFD\uFFFDb";
    QTest::newRow("cut sequence at the end") << QByteArray("x\xe2\x82") << "x\uFFFD\uFFFD";
    QTest::newRow("escape after a pair") << QByteArray("\xf0\x9f\x8f\xa0\xff") << "🏠\uFFFD";
}

// Any bytes a name may have reach the file system unchanged; only the shown name differs.
void TestFileIo::nativeFileNames()
{
    QFETCH(QByteArray, native);
    QFETCH(QString, shown);
    const QString name = fileNameFromNative(native);
    QCOMPARE(nativeFileName(name), native);
    QCOMPARE(displayFileName(name), shown);
    QTemporaryDir dir;
    const QString path = fileNameFromNative(QFile::encodeName(dir.path()) + '/' + native);
    QCOMPARE(writeFileAtomically(path, "inhalt"), QString());
    QCOMPARE(readFileCapped(path, 100).content, QByteArray("inhalt"));
    QCOMPARE(entries(dir.path()), QStringList{fileNameFromNative(native)});
    removeEntries(dir.path());
}

// The rule the text fields follow: a text passes when the code page holds every character
// of it, and then it is written and read back unchanged.
void TestFileIo::codePageHoldsWhatItWrites_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("refused");
    QTest::newRow("umlauts and euro") << QString::fromUtf8("Größe 5 € ß") << QString();
    QTest::newRow("control range of the code page") << QString(QChar(0x81)) << QString();
    QTest::newRow("Polish") << QString::fromUtf8("Łódź") << QString::fromUtf8("Ł");
    QTest::newRow("Japanese after Latin") << QString::fromUtf8("Haus 日本") << QString::fromUtf8("日");
    QTest::newRow("surrogate pair is one character") << QString::fromUtf8("Note 𝄞") << QString::fromUtf8("𝄞");
}

void TestFileIo::codePageHoldsWhatItWrites()
{
    QFETCH(QString, text);
    QFETCH(QString, refused);
    QCOMPARE(firstCharacterOutsideCodePage(text), refused);
    if (refused.isEmpty())
        QCOMPARE(decodeCodePage(encodeCodePageLine(text)), text);
}

QTEST_APPLESS_MAIN(TestFileIo)
#include "tst_fileio.moc"
