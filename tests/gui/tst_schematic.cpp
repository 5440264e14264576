// Pixel checks of the schematic sketch at points whose colour the drawing rules fix, and
// pictures of typical situations written into the build tree for a visual review.
#include "gui/sketch/schematic.h"

#include "fixtures.h"

#include "widgettest.h"
#include <QDir>

#include <QtTest>

using namespace tavix;
using namespace tavix::gui;

namespace {

const QColor Background(236, 233, 216);
const QColor Grey(128, 128, 128);
const QColor Blue(0, 0, 255);
const QColor Olive(128, 128, 0);
const QColor Navy(0, 0, 128);
const QColor Green(0, 128, 0);
const QColor White(Qt::white);
const QColor Black(Qt::black);

// Points inside a face (clear of labels, outlines and plates) of the wall picture.
const QPoint Room1Front(90, 210);
const QPoint Room1FrontEdgeStrip(111, 200); // face thickness right of the front face
const QPoint Room1RearThroughNotch(100, 150);
const QPoint Room2Front(290, 210);
const QPoint Room1FrontClearOfFloor(30, 150); // nothing lies behind this part of the face
const QPoint Room2FrontClearOfFloor(230, 150);
const QPoint Room2RearThroughNotch(300, 150);
const QPoint SeparatingElement(180, 150);
const QPoint FrontPlate(145, 200);
const QPoint CeilingPlate(180, 50);
const QPoint RearPlate(217, 100);
const QPoint FloorPlate(180, 250);

ProjectModel freshProject()
{
    ProjectModel model;
    resetModel(model, QLatin1Char(','));
    return model;
}

struct Pictures
{
    QImage wall;
    QImage floor;
};

Pictures draw(const ProjectModel &model, int activeTab = 0)
{
    Pictures pictures;
    DrawSchematic(model, PrepareSchematicColours(model, Background), activeTab, pictures.wall,
                  pictures.floor);
    return pictures;
}

QColor at(const QImage &image, QPoint point)
{
    return image.pixelColor(point);
}

// Number of pixels in `area` that are neither white nor the given background: text or a box.
int inkIn(const QImage &image, const QRect &area, const QColor &background = White)
{
    int count = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x) {
            const QColor c = image.pixelColor(x, y);
            if (c != White && c != background)
                ++count;
        }
    return count;
}

// Number of pixels of roughly the given colour; antialiased text blends towards white.
int pixelsNear(const QImage &image, const QRect &area, const QColor &colour)
{
    int count = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x) {
            const QColor c = image.pixelColor(x, y);
            if (qAbs(c.red() - colour.red()) < 40 && qAbs(c.green() - colour.green()) < 40 &&
                qAbs(c.blue() - colour.blue()) < 40)
                ++count;
        }
    return count;
}

ProjectModel workedExampleWithLinings()
{
    ProjectModel model = fixtures::workedExample();
    model.fields.VS[0][2] = QStringLiteral("Gipskarton auf Ständer / f = 63Hz");
    model.f0[0][2] = 63;
    model.fields.VS[4][1] = QStringLiteral("Zementestrich / f = 71Hz");
    model.f0[4][1] = 71;
    model.fields.VS[3][2] = QStringLiteral("Vorsatzschale / f = 80Hz");
    model.f0[3][2] = 80;
    return model;
}

} // namespace

class TestSchematic : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void coloursFollowMass_data();
    void coloursFollowMass();
    void freshProject_();
    void heavyElementsAreGreyAndBlue();
    void junctionPlates_data();
    void junctionPlates();
    void highlightedRearFlank();
    void highlightedCornerPlate_data();
    void highlightedCornerPlate();
    void liningsAreOlive();
    void volumesAndRwInLabels();
    void floorPictureIsTurned();
    void imagesAreReused();
    void redrawFollowsEveryChange_data();
    void redrawFollowsEveryChange();
    void savePictures();
};

void TestSchematic::coloursFollowMass_data()
{
    QTest::addColumn<int>("element");
    QTest::addColumn<int>("side");
    QTest::addColumn<double>("mass");
    QTest::addColumn<QColor>("fill");
    QTest::addColumn<QColor>("edge");

    QTest::newRow("flank empty") << 2 << 1 << 0.0 << Background << Background;
    QTest::newRow("flank just light") << 2 << 2 << 79.9 << Background << Background;
    QTest::newRow("flank at limit") << 3 << 1 << 80.0 << Grey << Black;
    QTest::newRow("flank heavy") << 4 << 2 << 250.0 << Grey << Black;
    QTest::newRow("separating light") << 0 << 0 << 79.0 << Background << Background;
    QTest::newRow("separating at limit") << 0 << 0 << 80.0 << Blue << Black;
}

void TestSchematic::coloursFollowMass()
{
    QFETCH(int, element);
    QFETCH(int, side);
    QFETCH(double, mass);
    QFETCH(QColor, fill);
    QFETCH(QColor, edge);

    ProjectModel model = ::freshProject();
    model.buildUp[element][side].m = mass;
    const SchematicColours colours = PrepareSchematicColours(model, Background);
    QCOMPARE(colours.fill[element][side], fill);
    QCOMPARE(colours.edge[element][side], edge);
    QCOMPARE(colours.lining[element][side], Olive);
    QCOMPARE(colours.pen[element][side], Black);
}

void TestSchematic::freshProject_()
{
    const Pictures p = draw(::freshProject());
    QCOMPARE(p.wall.size(), QSize(WallPictureWidth, WallPictureHeight));
    QCOMPARE(p.floor.size(), QSize(FloorPictureWidth, FloorPictureHeight));
    QCOMPARE(p.wall.format(), QImage::Format_RGB32);

    // faces in the window background, outlined in black
    QCOMPARE(at(p.wall, Room1Front), Background);
    QCOMPARE(at(p.wall, QPoint(10, 210)), Black);
    QCOMPARE(at(p.wall, Room1RearThroughNotch), Background);
    QCOMPARE(at(p.wall, Room2Front), Background);
    QCOMPARE(at(p.wall, SeparatingElement), Background);
    QCOMPARE(at(p.wall, QPoint(160, 150)), Black);
    // T-junctions: no continuation plates
    for (QPoint plate : {FrontPlate, CeilingPlate, FloorPlate})
        QCOMPARE(at(p.wall, plate), White);

    // empty legend, room names without volumes
    QCOMPARE(inkIn(p.wall, QRect(20, 305, 340, 50)), 0);
    QVERIFY(pixelsNear(p.wall, QRect(50, 30, 60, 13), Navy) > 10);
    QVERIFY(pixelsNear(p.wall, QRect(250, 30, 60, 13), Green) > 10);
    QCOMPARE(inkIn(p.wall, QRect(40, 45, 120, 14)), 0);
    QCOMPARE(inkIn(p.wall, QRect(240, 45, 120, 14)), 0);
    // flank labels on the faces they name
    QVERIFY(inkIn(p.wall, QRect(15, 185, 50, 12), Background) > 10);
    QVERIFY(inkIn(p.wall, QRect(250, 83, 50, 12), Background) > 10);
    // the floor picture stays white in the horizontal orientation
    QCOMPARE(inkIn(p.floor, p.floor.rect()), 0);
}

void TestSchematic::heavyElementsAreGreyAndBlue()
{
    const Pictures p = draw(fixtures::workedExample());
    QCOMPARE(at(p.wall, Room1Front), Grey);
    QCOMPARE(at(p.wall, Room1FrontEdgeStrip), Black);
    QCOMPARE(at(p.wall, Room1RearThroughNotch), Grey);
    QCOMPARE(at(p.wall, Room2Front), Grey);
    QCOMPARE(at(p.wall, SeparatingElement), Blue);
}

void TestSchematic::junctionPlates_data()
{
    QTest::addColumn<int>("flank");
    QTest::addColumn<QString>("code");
    QTest::addColumn<QPoint>("plate");
    QTest::addColumn<QColor>("plateColour");

    QTest::newRow("T front") << 1 << "TS_TrennungR1" << FrontPlate << White;
    QTest::newRow("cross ceiling") << 2 << "KS_ohneTrennung" << CeilingPlate << Grey;
    QTest::newRow("cross rear") << 3 << "KS_TrennungTB" << RearPlate << Grey;
    QTest::newRow("cross floor") << 4 << "KS_TrennungR1R2" << FloorPlate << Grey;
    QTest::newRow("corner A front") << 1 << "LSa_ohneTrennung" << FrontPlate << Background;
    QTest::newRow("corner B front") << 1 << "LSb_TrennungR2" << FrontPlate << Background;
    QTest::newRow("corner B floor") << 4 << "LSb_ohneTrennung" << FloorPlate << Background;
}

void TestSchematic::junctionPlates()
{
    QFETCH(int, flank);
    QFETCH(QString, code);
    QFETCH(QPoint, plate);
    QFETCH(QColor, plateColour);

    ProjectModel model = ::freshProject();
    model.Stoss[flank] = code;
    const Pictures p = draw(model);
    QCOMPARE(at(p.wall, plate), plateColour);
    if (flank != 1)
        return;

    // A corner junction leaves out the flank in the room it turns away from.
    const bool cornerA = code.startsWith(QLatin1String("LSa"));
    const bool cornerB = code.startsWith(QLatin1String("LSb"));
    QCOMPARE(at(p.wall, Room1FrontClearOfFloor), cornerB ? White : Background);
    QCOMPARE(at(p.wall, Room2FrontClearOfFloor), cornerA ? White : Background);
    // flank 1's room-1 label goes with the face (the floor's outline starts right of x 32)
    QCOMPARE(inkIn(p.wall, QRect(15, 185, 18, 12), Background) > 5, !cornerB);
    QVERIFY(inkIn(p.wall, QRect(225, 190, 40, 12), Background) > 10);
}

void TestSchematic::highlightedRearFlank()
{
    ProjectModel model = ::freshProject();
    model.Highlight = 3;
    const Pictures p = draw(model, 3);
    QCOMPARE(at(p.wall, Room1RearThroughNotch), Navy);
    QCOMPARE(at(p.wall, Room2RearThroughNotch), Green);
    QCOMPARE(at(p.wall, Room1Front), Background);
    // two-entry flank legend, no element legend
    QCOMPARE(at(p.wall, QPoint(40, 320)), Navy);
    QCOMPARE(at(p.wall, QPoint(40, 335)), Green);
    QVERIFY(inkIn(p.wall, QRect(55, 313, 80, 28)) > 20);
    QCOMPARE(inkIn(p.wall, QRect(230, 305, 130, 50)), 0);

    // a separating-element tab shows no flank legend
    const Pictures q = draw(model, 0);
    QCOMPARE(at(q.wall, QPoint(40, 320)), White);
}

void TestSchematic::highlightedCornerPlate_data()
{
    QTest::addColumn<QString>("code");
    QTest::addColumn<QColor>("plateColour");
    QTest::addColumn<QColor>("labelBackground");
    QTest::newRow("corner A") << "LSa_ohneTrennung" << Green << Navy;
    QTest::newRow("corner B") << "LSb_ohneTrennung" << Navy << Green;
    QTest::newRow("cross stays grey") << "KS_ohneTrennung" << Grey << Navy;
}

void TestSchematic::highlightedCornerPlate()
{
    QFETCH(QString, code);
    QFETCH(QColor, plateColour);
    QFETCH(QColor, labelBackground);

    ProjectModel model = fixtures::workedExample();
    model.Stoss[4] = code;
    model.Highlight = 4;
    const Pictures p = draw(model, 4);
    QCOMPARE(at(p.wall, FloorPlate), plateColour);
    // the floor's label stays readable: silver on the highlight colour of its room
    const QPoint label = code.startsWith(QLatin1String("LSb")) ? QPoint(221, 231) : QPoint(51, 231);
    QCOMPARE(at(p.wall, label), labelBackground);
}

void TestSchematic::liningsAreOlive()
{
    ProjectModel model = workedExampleWithLinings();
    model.fields.VS[0][1] = QStringLiteral("Vorsatzschale / f = 60Hz");
    Pictures p = draw(model);
    QCOMPARE(at(p.wall, QPoint(156, 180)), Olive); // separating element, room-1 side, in front
    QCOMPARE(at(p.wall, QPoint(204, 130)), Olive); // room-2 side, peeking out behind
    QCOMPARE(at(p.wall, QPoint(118, 200)), Olive); // floating screed on room 1's floor
    QCOMPARE(at(p.wall, QPoint(116, 212)), Grey);  // the floor's edge stays visible beside it
    QCOMPARE(at(p.wall, QPoint(250, 335)), Olive);
    QVERIFY(inkIn(p.wall, QRect(265, 340, 80, 13)) > 10); // "(schw. Estrich)"
    QCOMPARE(at(p.wall, QPoint(250, 320)), Blue);

    // without a floor lining the screed note goes, the lining legend stays
    model.fields.VS[4][1].clear();
    p = draw(model);
    QCOMPARE(at(p.wall, QPoint(118, 200)), Grey);
    QCOMPARE(at(p.wall, QPoint(250, 335)), Olive);
    QCOMPARE(inkIn(p.wall, QRect(265, 340, 80, 13)), 0);
}

void TestSchematic::volumesAndRwInLabels()
{
    ProjectModel model = fixtures::workedExample();
    model.Vol1 = 60;
    model.Vol2 = 0; // a missing volume shows no volume line
    const Pictures p = draw(model);
    QVERIFY(pixelsNear(p.wall, QRect(50, 45, 80, 13), Navy) > 10);
    QCOMPARE(inkIn(p.wall, QRect(250, 45, 100, 13)), 0);
}

void TestSchematic::floorPictureIsTurned()
{
    ProjectModel model = fixtures::workedExample();
    model.Orientation = 1;
    model.Vol1 = 60;
    model.Vol2 = 48;
    const Pictures p = draw(model, 2);
    // a wall point (x, y) lands at (358 - y, x): room 1 on top, room 2 below
    QCOMPARE(at(p.floor, QPoint(358 - Room1Front.y(), Room1Front.x())), Grey);
    QCOMPARE(at(p.floor, QPoint(358 - Room2Front.y(), Room2Front.x())), Grey);
    QCOMPARE(at(p.floor, QPoint(358 - SeparatingElement.y(), SeparatingElement.x())), Blue);
    QVERIFY(pixelsNear(p.floor, QRect(20, 20, 60, 13), Navy) > 10);
    QVERIFY(pixelsNear(p.floor, QRect(20, 35, 80, 13), Navy) > 10);
    QVERIFY(pixelsNear(p.floor, QRect(20, 215, 60, 13), Green) > 10);
    QVERIFY(pixelsNear(p.floor, QRect(20, 230, 80, 13), Green) > 10);
    // the floor picture has no legend, and the hidden wall picture carries no labels
    QCOMPARE(inkIn(p.floor, QRect(0, 300, 120, 59)), 0);
    QCOMPARE(inkIn(p.wall, QRect(20, 300, 340, 55)), 0);
    QCOMPARE(inkIn(p.wall, QRect(50, 30, 60, 13)), 0);
}

void TestSchematic::imagesAreReused()
{
    // The window keeps its pictures and redraws into them on every keystroke.
    const ProjectModel model = fixtures::workedExample();
    const SchematicColours colours = PrepareSchematicColours(model, Background);
    QImage wall(10, 10, QImage::Format_Indexed8);
    QImage floor;
    DrawSchematic(model, colours, 0, wall, floor);
    QCOMPARE(wall.format(), QImage::Format_RGB32);
    QCOMPARE(wall.size(), QSize(WallPictureWidth, WallPictureHeight));
    const QImage first = wall.copy();
    const uchar *bits = wall.constBits();
    DrawSchematic(model, colours, 0, wall, floor);
    QCOMPARE(wall.constBits(), bits);
    QCOMPARE(wall, first);
}

void TestSchematic::redrawFollowsEveryChange_data()
{
    QTest::addColumn<int>("change");
    QTest::addColumn<QPoint>("point");
    QTest::addColumn<QColor>("before");
    QTest::addColumn<QColor>("after");
    QTest::newRow("mass below limit") << 0 << Room1Front << Grey << Background;
    QTest::newRow("lining added") << 1 << QPoint(156, 180) << White << Olive;
    QTest::newRow("junction changed") << 2 << CeilingPlate << White << Grey;
    QTest::newRow("highlight moved") << 3 << Room1Front << Grey << Navy;
    // the floor picture is blank while the wall picture is shown
    QTest::newRow("orientation changed")
        << 4 << QPoint(358 - Room1Front.y(), Room1Front.x()) << White << Grey;
}

void TestSchematic::redrawFollowsEveryChange()
{
    QFETCH(int, change);
    QFETCH(QPoint, point);
    QFETCH(QColor, before);
    QFETCH(QColor, after);

    // Drawn one after the other, as on successive keystrokes: nothing of the earlier
    // picture may linger in the later one.
    auto picture = [change](const Pictures &p) {
        return change == 4 ? p.floor : p.wall;
    };
    ProjectModel model = fixtures::workedExample();
    QCOMPARE(at(picture(draw(model)), point), before);
    switch (change) {
    case 0:
        model.buildUp[1][1].m = 79;
        break;
    case 1:
        model.fields.VS[0][1] = QStringLiteral("Vorsatzschale / f = 60Hz");
        break;
    case 2:
        model.Stoss[2] = QStringLiteral("KS_TrennungR1");
        break;
    case 3:
        model.Highlight = 1;
        break;
    case 4:
        model.Orientation = 1;
        break;
    }
    QCOMPARE(at(picture(draw(model)), point), after);
    QCOMPARE(at(picture(draw(fixtures::workedExample())), point), before);
}

void TestSchematic::savePictures()
{
    const QString dir = QStringLiteral(TAVIX_BINARY_DIR);
    auto save = [&](const QString &name, const ProjectModel &model, int tab) {
        const Pictures p = draw(model, tab);
        const QImage &shown = model.Orientation == 1 ? p.floor : p.wall;
        QVERIFY(shown.save(QDir(dir).filePath(QStringLiteral("schematic-%1.png").arg(name))));
    };

    save(QStringLiteral("fresh"), ::freshProject(), 0);

    ProjectModel example = workedExampleWithLinings();
    example.Vol1 = 60;
    example.Vol2 = 48;
    save(QStringLiteral("worked-example"), example, 0);

    ProjectModel junctions = example;
    junctions.Stoss[1] = QStringLiteral("LSb_ohneTrennung");
    junctions.Stoss[2] = QStringLiteral("KS_ohneTrennung");
    junctions.Stoss[3] = QStringLiteral("KS_TrennungTB");
    junctions.Stoss[4] = QStringLiteral("LSa_TrennungR1");
    junctions.fields.VS[4][2] = QStringLiteral("Zementestrich / f = 71Hz");
    save(QStringLiteral("junctions"), junctions, 0);

    ProjectModel cornerA = example;
    cornerA.Stoss[1] = QStringLiteral("LSa_ohneTrennung");
    cornerA.Stoss[4] = QStringLiteral("LSb_ohneTrennung");
    cornerA.fields.VS[1][2] = QStringLiteral("Vorsatzschale / f = 80Hz");
    cornerA.fields.VS[4][1] = QStringLiteral("Zementestrich / f = 71Hz");
    save(QStringLiteral("corners"), cornerA, 0);

    ProjectModel highlighted = example;
    highlighted.Highlight = 3;
    save(QStringLiteral("highlight-flank3"), highlighted, 3);

    ProjectModel floor = example;
    floor.Orientation = 1;
    floor.Highlight = 1;
    floor.Stoss[2] = QStringLiteral("KS_ohneTrennung");
    save(QStringLiteral("floor"), floor, 1);
}

TAVIX_WIDGET_TEST_MAIN(TestSchematic)
#include "tst_schematic.moc"
