#include "gui/common/colours.h"
#include "gui/junctions/junctionpictures.h"

#include "widgettest.h"
#include <QApplication>
#include <QDir>
#include <QPainter>
#include <QSet>

#include <QtTest>

using namespace tavix;
using namespace tavix::gui;

namespace {

QStringList allCodes()
{
    QStringList codes;
    for (int t = 0; t < JunctionTypeCount; ++t)
        for (int s = 0; s < SeparationCount; ++s)
            codes << junctionCodeText({static_cast<JunctionType>(t), static_cast<Separation>(s)});
    return codes;
}

int countColour(const QImage &image, const QColor &colour, const QRect &area)
{
    int n = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (image.pixelColor(x, y) == colour)
                ++n;
    return n;
}

QString outputDir()
{
    const QString dir = QStringLiteral(TAVIX_BINARY_DIR "/pictures/junctions");
    QDir().mkpath(dir);
    return dir;
}

} // namespace

class TestJunctionPictures : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void everyCodeHasItsOwnPicture()
    {
        QSet<QByteArray> seen;
        for (const QString &code : allCodes()) {
            const QImage image = junctionPicture(code).toImage();
            QCOMPARE(image.size(), QSize(JunctionPictureSize, JunctionPictureSize));
            const QByteArray bytes(reinterpret_cast<const char *>(image.constBits()), image.sizeInBytes());
            QVERIFY2(!seen.contains(bytes), qPrintable(code));
            seen.insert(bytes);
        }
        const QImage unknown = junctionPicture(QStringLiteral("TS_ohnetrennung")).toImage();
        QVERIFY(!seen.contains(
            QByteArray(reinterpret_cast<const char *>(unknown.constBits()), unknown.sizeInBytes())));
        QCOMPARE(countColour(unknown, colours::separatingElement(), unknown.rect()), 0);
    }

    void coloursTellTheParts_data()
    {
        QTest::addColumn<QString>("code");
        QTest::addColumn<bool>("decoupled");
        QTest::addColumn<int>("yellowSide"); // -1 left of the joint, 1 right, 0 at its top/bottom or none
        QTest::newRow("TS none") << "TS_ohneTrennung" << false << 0;
        QTest::newRow("TS TB") << "TS_TrennungTB" << true << 0;
        QTest::newRow("TS R1") << "TS_TrennungR1" << true << -1;
        QTest::newRow("TS R2") << "TS_TrennungR2" << true << 1;
        QTest::newRow("KS R1") << "KS_TrennungR1" << true << -1;
        QTest::newRow("KS R2") << "KS_TrennungR2" << true << 1;
        QTest::newRow("LSa R1") << "LSa_TrennungR1" << true << -1;
        QTest::newRow("LSb R2") << "LSb_TrennungR2" << true << 1;
        QTest::newRow("LSb none") << "LSb_ohneTrennung" << false << 0;
    }
    void coloursTellTheParts()
    {
        QFETCH(QString, code);
        QFETCH(bool, decoupled);
        QFETCH(int, yellowSide);
        const QImage image = junctionPicture(code).toImage();
        QVERIFY(countColour(image, colours::separatingElement(), image.rect()) > 40);
        QVERIFY(countColour(image, colours::room1(), image.rect()) > 40);
        QVERIFY(countColour(image, colours::room2(), image.rect()) > 40);
        const int yellow = countColour(image, colours::decoupling(), image.rect());
        QCOMPARE(yellow > 0, decoupled);
        if (yellowSide != 0) {
            const int left = countColour(image, colours::decoupling(), QRect(0, 0, 24, 48));
            const int right = countColour(image, colours::decoupling(), QRect(24, 0, 24, 48));
            QVERIFY(yellowSide < 0 ? left > right : right > left);
        }
    }

    void cornerJunctionsTurnTheirOwnFlank()
    {
        // Corner A turns the room-2 flank below the joint, corner B the room-1 flank.
        const QRect below(19, 34, 10, 12);
        const QImage a = junctionPicture(QStringLiteral("LSa_ohneTrennung")).toImage();
        const QImage b = junctionPicture(QStringLiteral("LSb_ohneTrennung")).toImage();
        QVERIFY(countColour(a, colours::room2(), below) > 50);
        QVERIFY(countColour(b, colours::room1(), below) > 50);
        QCOMPARE(countColour(a, colours::room2(), QRect(32, 22, 14, 10)), 0);
        QCOMPARE(countColour(b, colours::room1(), QRect(2, 22, 14, 10)), 0);
    }

    void pairs()
    {
        for (JunctionType type : {JunctionType::T, JunctionType::Cross}) {
            const QImage butt = junctionPairPicture(type, false).toImage();
            const QImage wall = junctionPairPicture(type, true).toImage();
            QVERIFY(butt != wall);
            QCOMPARE(butt, junctionPicture(junctionCodeText({type, Separation::None})).toImage());
            // The continuous wall owns the joint.
            QVERIFY(countColour(wall, colours::separatingElement(), QRect(20, 23, 8, 8)) >
                    countColour(butt, colours::separatingElement(), QRect(20, 23, 8, 8)));
        }
        QVERIFY(junctionPairPicture(JunctionType::CornerA, false).isNull());
        QVERIFY(junctionPairPicture(JunctionType::CornerB, true).isNull());
    }

    void sheetForReview()
    {
        // All pictures at button size and enlarged, for looking at them.
        const QStringList codes = allCodes();
        const int cell = 56;
        QImage sheet(5 * cell + 2 * cell + 20, 4 * cell + 10, QImage::Format_ARGB32);
        sheet.fill(QColor(240, 240, 240));
        QPainter p(&sheet);
        for (int i = 0; i < codes.size(); ++i) {
            const QPixmap picture = junctionPicture(codes.at(i));
            p.drawPixmap(5 + (i % 5) * cell, 5 + (i / 5) * cell, picture);
            QVERIFY(junctionPicture(codes.at(i), 144)
                        .save(outputDir() + QLatin1Char('/') + codes.at(i) + QStringLiteral(".png")));
        }
        p.drawPixmap(20 + 5 * cell, 5, junctionPairPicture(JunctionType::T, false));
        p.drawPixmap(20 + 6 * cell, 5, junctionPairPicture(JunctionType::T, true));
        p.drawPixmap(20 + 5 * cell, 5 + cell, junctionPairPicture(JunctionType::Cross, false));
        p.drawPixmap(20 + 6 * cell, 5 + cell, junctionPairPicture(JunctionType::Cross, true));
        p.drawPixmap(20 + 5 * cell, 5 + 3 * cell, junctionPicture(QStringLiteral("kaputt")));
        p.end();
        QVERIFY(sheet.save(outputDir() + QStringLiteral("/sheet.png")));
        QVERIFY(sheet.scaled(sheet.size() * 3).save(outputDir() + QStringLiteral("/sheet_x3.png")));
    }
};

TAVIX_WIDGET_TEST_MAIN(TestJunctionPictures)
#include "tst_junctionpictures.moc"
