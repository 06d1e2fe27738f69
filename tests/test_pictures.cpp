// The pictures of the solid-geometry lessons and the parenthesis pictures:
// the table's dimensions give the worked answers of the two solid screens, each
// picture labels every length its worked answer uses, and the build wrote
// every file under the exact name the screens load, at its exact size.
#include "core/LessonPictures.h"

#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QImageReader>
#include <QTest>
#include <algorithm>
#include <cmath>

using namespace LessonPictures;

namespace {

QString pictureFolder() {
    return QStringLiteral(SORVELIN_BUILD_DIR) + QLatin1Char('/') + QLatin1String(Folder);
}

long long hundredths(double v) {
    return std::llround(v * 100);
}

// The file names the screens load (Overview "External interfaces"; the
// parenthesis pictures of the mixed-operation screens).
QStringList expectedNames() {
    QStringList names;
    for (int i = 1; i <= 10; ++i)
        names << QStringLiteral("tyoku%1.bmp").arg(i);
    for (int i = 1; i <= 15; ++i)
        names << QStringLiteral("tyu%1.bmp").arg(i);
    names << QStringLiteral("kakko_left.bmp") << QStringLiteral("kakko_right.bmp");
    return names;
}

} // namespace

class PicturesTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void workedAnswers_data();
    void workedAnswers();
    void prismParts_data();
    void prismParts();
    void tableHoldsTheNamesTheScreensLoad();
    void files_data();
    void files();
    void folderHoldsNothingElse();
};

void PicturesTest::workedAnswers_data() {
    QTest::addColumn<QString>("file");
    QTest::addColumn<int>("measure");
    QTest::addColumn<int>("answer");
    QTest::addColumn<QList<double>>("lengths"); // what the worked answer multiplies
    const int V = int(Measure::Volume), S = int(Measure::SurfaceArea);
    using L = QList<double>;
    // Cuboid screen, menu item 1: 図１ a 1 cm cube, 図２ 2 x 3 x 2 cubes, 図３ 2 x 3 x 2 = 12.
    QTest::newRow("tyoku1 図１") << "tyoku1.bmp" << V << 1 << L{1, 1, 1};
    QTest::newRow("tyoku2 図２") << "tyoku2.bmp" << V << 12 << L{2, 3, 2};
    QTest::newRow("tyoku3 図３") << "tyoku3.bmp" << V << 12 << L{2, 3, 2};
    QTest::newRow("tyoku4 3 x 3 x 3") << "tyoku4.bmp" << V << 27 << L{3, 3, 3};
    QTest::newRow("tyoku5 4 x 2 x 3") << "tyoku5.bmp" << V << 24 << L{4, 2, 3};
    // Menu 2: (2 x 8 x 3) + (2 x 2 x 2) = 56, split into 図２ and 図３.
    QTest::newRow("tyoku6 図１") << "tyoku6.bmp" << V << 56 << L{2, 8, 3, 2};
    QTest::newRow("tyoku7 図２") << "tyoku7.bmp" << V << 48 << L{2, 8, 3};
    QTest::newRow("tyoku8 図３") << "tyoku8.bmp" << V << 8 << L{2};
    // (3 x 4 x 3) + (2 x 4 x 7), (5 x 4 x 3) + (2 x 4 x 4), (5 x 4 x 7) - (3 x 4 x 4).
    QTest::newRow("tyoku9 92") << "tyoku9.bmp" << V << 92 << L{4, 3, 2, 7, 3};
    QTest::newRow("tyoku10 (3 x 8 x 4) - (3 x 3 x 3)") << "tyoku10.bmp" << V << 69 << L{3, 8, 4, 3};
    // Prism and cylinder screen, 体積: examples, then problems.
    QTest::newRow("tyu1 6 x 5") << "tyu1.bmp" << V << 30 << L{3, 4, 5};
    QTest::newRow("tyu2 12 x 5") << "tyu2.bmp" << V << 60 << L{3, 4, 5};
    QTest::newRow("tyu3 78.5 x 6") << "tyu3.bmp" << V << 471 << L{5, 6};
    QTest::newRow("tyu4 (5 x 3) x 1/2 x 4") << "tyu4.bmp" << V << 30 << L{5, 3, 4};
    QTest::newRow("tyu5 (5 + 2) x 3 x 1/2 x 4") << "tyu5.bmp" << V << 42 << L{5, 2, 3, 4};
    QTest::newRow("tyu6 (5 x 5 x 3.14) x 8") << "tyu6.bmp" << V << 628 << L{5, 8};
    // 表面積: examples (solid 図１, net 図２), then problems.
    QTest::newRow("tyu7 6 x 2 + 60") << "tyu7.bmp" << S << 72 << L{3, 4, 5, 5};
    QTest::newRow("tyu8 net of tyu7") << "tyu8.bmp" << S << 72 << L{3, 5, 4, 5};
    QTest::newRow("tyu9 12 x 2 + 70") << "tyu9.bmp" << S << 94 << L{3, 4, 5};
    QTest::newRow("tyu10 net of tyu9") << "tyu10.bmp" << S << 94 << L{3, 4, 3, 4, 5};
    QTest::newRow("tyu11 78.5 x 2 + 157") << "tyu11.bmp" << S << 314 << L{5, 5};
    QTest::newRow("tyu12 net of tyu11") << "tyu12.bmp" << S << 314 << L{5, 5, 31.4};
    QTest::newRow("tyu13 (3 x 4 x 1/2 x 2) + (3 + 5 + 4) x 4")
        << "tyu13.bmp" << S << 60 << L{3, 4, 5, 4};
    QTest::newRow("tyu14 (3 + 6) x 4 x 1/2 x 2 + (5 + 3 + 4 + 6) x 5")
        << "tyu14.bmp" << S << 126 << L{3, 6, 4, 5, 5};
    QTest::newRow("tyu15 (5 x 5 x 3.14 x 2) + (5 x 2 x 3.14) x 10")
        << "tyu15.bmp" << S << 471 << L{5, 10};
}

void PicturesTest::workedAnswers() {
    QFETCH(QString, file);
    QFETCH(int, measure);
    QFETCH(int, answer);
    QFETCH(QList<double>, lengths);
    const Picture* pic = find(file.toStdString());
    QVERIFY(pic);
    QCOMPARE(int(pic->measure), measure);
    QCOMPARE(pic->answer, answer);
    // With π = 3.14 the worked answers are exact whole numbers.
    QCOMPARE(hundredths(measured(*pic)), answer * 100LL);
    // Every length of the worked answer is labelled on the picture.
    std::vector<long long> labelled;
    for (double v : labelledLengths(*pic))
        labelled.push_back(hundredths(v));
    for (double v : lengths) {
        const auto it = std::find(labelled.begin(), labelled.end(), hundredths(v));
        QVERIFY2(it != labelled.end(), qPrintable(QStringLiteral("%1 not labelled").arg(v)));
        labelled.erase(it);
    }
}

void PicturesTest::prismParts_data() {
    QTest::addColumn<QString>("file");
    QTest::addColumn<double>("base");      // 底面積
    QTest::addColumn<double>("perimeter"); // the side's width; < 0 where no text names it
    QTest::addColumn<double>("height");
    QTest::newRow("tyu1") << "tyu1.bmp" << 6.0 << -1.0 << 5.0;
    QTest::newRow("tyu2") << "tyu2.bmp" << 12.0 << -1.0 << 5.0;
    QTest::newRow("tyu3") << "tyu3.bmp" << 78.5 << -1.0 << 6.0;
    QTest::newRow("tyu4") << "tyu4.bmp" << 7.5 << -1.0 << 4.0;
    QTest::newRow("tyu5") << "tyu5.bmp" << 10.5 << -1.0 << 4.0;
    QTest::newRow("tyu6") << "tyu6.bmp" << 78.5 << -1.0 << 8.0;
    QTest::newRow("tyu7") << "tyu7.bmp" << 6.0 << 12.0 << 5.0; // (3 + 5 + 4) x 5 = 60
    QTest::newRow("tyu8") << "tyu8.bmp" << 6.0 << 12.0 << 5.0;
    QTest::newRow("tyu9") << "tyu9.bmp" << 12.0 << 14.0 << 5.0; // (3 + 4 + 3 + 4) x 5 = 70
    QTest::newRow("tyu10") << "tyu10.bmp" << 12.0 << 14.0 << 5.0;
    QTest::newRow("tyu11") << "tyu11.bmp" << 78.5 << 31.4 << 5.0; // 5 x 2 x 3.14 x 5 = 157
    QTest::newRow("tyu12") << "tyu12.bmp" << 78.5 << 31.4 << 5.0;
    QTest::newRow("tyu13") << "tyu13.bmp" << 6.0 << 12.0 << 4.0;
    QTest::newRow("tyu14") << "tyu14.bmp" << 18.0 << 18.0 << 5.0; // (5 + 3 + 4 + 6) x 5
    QTest::newRow("tyu15") << "tyu15.bmp" << 78.5 << 31.4 << 10.0;
}

void PicturesTest::prismParts() {
    QFETCH(QString, file);
    QFETCH(double, base);
    QFETCH(double, perimeter);
    QFETCH(double, height);
    const Picture* pic = find(file.toStdString());
    QVERIFY(pic);
    QCOMPARE(hundredths(baseArea(*pic)), hundredths(base));
    QCOMPARE(hundredths(prismHeight(*pic)), hundredths(height));
    QCOMPARE(hundredths(volume(*pic)), hundredths(base * height));
    if (perimeter >= 0) {
        QCOMPARE(hundredths(basePerimeter(*pic)), hundredths(perimeter));
        QCOMPARE(hundredths(sideArea(*pic)), hundredths(perimeter * height));
        QCOMPARE(hundredths(surfaceArea(*pic)), hundredths(base * 2 + perimeter * height));
    }
}

void PicturesTest::tableHoldsTheNamesTheScreensLoad() {
    QStringList names;
    for (const Picture& pic : all())
        names << QString::fromLatin1(pic.file);
    QStringList expected = expectedNames();
    names.sort();
    expected.sort();
    QCOMPARE(names, expected);
    QCOMPARE(QString::fromLatin1(OpenParenFile), QStringLiteral("kakko_left.bmp"));
    QCOMPARE(QString::fromLatin1(CloseParenFile), QStringLiteral("kakko_right.bmp"));
    QCOMPARE(relativePath(*find("tyoku10.bmp")), QStringLiteral("picture/tyoku10.bmp"));
    QCOMPARE(filePath(QStringLiteral("/opt/sorvelin/"), "tyu12.bmp"),
             QStringLiteral("/opt/sorvelin/picture/tyu12.bmp"));
    QVERIFY(!find("Tyoku1.bmp"));
    QVERIFY(!find("tyu16.bmp"));
}

void PicturesTest::files_data() {
    QTest::addColumn<QString>("file");
    QTest::addColumn<QSize>("size");
    QTest::addColumn<bool>("white"); // the solids on white; the parentheses on the screen colour
    // Sizes of the picture boxes: 130 x 120 on the cuboid screen, 130 x 137 on the prism screen.
    for (int i = 1; i <= 10; ++i)
        QTest::addRow("tyoku%d", i)
            << QStringLiteral("tyoku%1.bmp").arg(i) << QSize(130, 120) << true;
    for (int i = 1; i <= 15; ++i)
        QTest::addRow("tyu%d", i) << QStringLiteral("tyu%1.bmp").arg(i) << QSize(130, 137) << true;
    QTest::newRow("(") << "kakko_left.bmp" << QSize(16, 70) << false;
    QTest::newRow(")") << "kakko_right.bmp" << QSize(16, 70) << false;
}

void PicturesTest::files() {
    QFETCH(QString, file);
    QFETCH(QSize, size);
    QFETCH(bool, white);
    const Picture* pic = find(file.toStdString());
    QVERIFY(pic);
    QCOMPARE(QSize(pic->width, pic->height), size);

    const QString path = pictureFolder() + QLatin1Char('/') + file;
    QVERIFY2(QFileInfo::exists(path), qPrintable(path));
    QImageReader reader(path);
    QCOMPARE(reader.format(), QByteArray("bmp"));
    const QImage img = reader.read();
    QVERIFY2(!img.isNull(), qPrintable(reader.errorString()));
    QCOMPARE(img.size(), size);

    // Nothing is cut off: the outermost pixels are all background.
    const QRgb paper = img.pixel(0, 0);
    if (white)
        QCOMPARE(paper, qRgb(255, 255, 255));
    for (int x = 0; x < img.width(); ++x)
        for (int y : {0, img.height() - 1})
            QCOMPARE(img.pixel(x, y), paper);
    for (int y = 0; y < img.height(); ++y)
        for (int x : {0, img.width() - 1})
            QCOMPARE(img.pixel(x, y), paper);
    // And something is drawn.
    int inked = 0;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            inked += img.pixel(x, y) != paper;
    QVERIFY(inked > img.width() * img.height() / 20);
}

void PicturesTest::folderHoldsNothingElse() {
    QStringList found = QDir(pictureFolder()).entryList(QDir::Files);
    QStringList expected = expectedNames();
    found.sort();
    expected.sort();
    QCOMPARE(found, expected);
}

QTEST_GUILESS_MAIN(PicturesTest)
#include "test_pictures.moc"
