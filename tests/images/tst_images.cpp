// Runs ddu-paint-images into a temporary data root and checks every image the
// display loads: present under its exact name, of the size its widget expects,
// really painted, and the no-data variants distinct from their normal twins.

#include <QDir>
#include <QDirIterator>
#include <QImage>
#include <QProcess>
#include <QSet>
#include <QTemporaryDir>
#include <QtTest>

namespace {

struct Expected {
    const char* path;
    int width;
    int height;
};

// Names as the display program loads them; sizes as its widgets show them.
const Expected kExpected[] = {
    {"img/rms/dialog_fault.png", 72, 72},
    {"img/rms/dialog_warning.png", 72, 72},
    {"img/rms/lock.png", 13, 17},
    {"img/rms/unlock.png", 13, 17},
    {"img/rms/panto_up.png", 110, 80},
    {"img/rms/panto_down.png", 110, 80},
    {"img/rms/panto_nomvb.png", 110, 80},
    {"img/rms/vcb_close.png", 110, 80},
    {"img/rms/vcb_open.png", 110, 80},
    {"img/rms/vcb_nomvb.png", 110, 80},
    {"img/rms/led_big_red.png", 56, 56},
    {"img/rms/led_big_grey.png", 56, 56},
    {"img/rms/led_big_green.png", 56, 56},
    {"img/rms/led_big_yellow.png", 56, 56},
    {"img/rms/led_big_nomvb.png", 56, 56},
    {"img/rms/led_medium_gray.png", 40, 40},
    {"img/rms/led_small_red.png", 28, 28},
    {"img/rms/led_small_orange.png", 28, 28},
    {"img/rms/led_small_grey.png", 28, 28},
    {"img/rms/led_small_green.png", 28, 28},
    {"img/rms/led_small_yellow.png", 28, 28},
    {"img/rms/led_small_nomvb.png", 28, 28},
    {"img/rms/led_small_long_nomvb.png", 44, 18},
    {"img/rms/led_small_long_grey.png", 44, 18},
    {"img/rms/led_small_long_red.png", 44, 18},
    {"img/rms/led_small_long_green.png", 44, 18},
    {"img/rms/brake_released.png", 90, 70},
    {"img/rms/brake_applied.png", 90, 70},
    {"img/rms/brake_nomvb.png", 90, 70},
    {"img/rms/forward.png", 44, 26},
    {"img/rms/reverse.png", 44, 26},
    {"img/rms/rms_loco_grey.png", 145, 50},
    {"img/rms/rms_green_yellow_3w.png", 145, 50},
    {"img/rms/rms_red_red_2w.png", 145, 50},
    {"img/rms/rms_red_red_3w.png", 145, 50},
    {"img/rms/rms_white_red_2w.png", 145, 50},
    {"img/rms/rms_white_red_3w.png", 145, 50},
    {"img/rms/tebe_meter.png", 130, 300},
    {"img/rms/tebe_green.png", 16, 16},
    {"img/rms/tebe_orange.png", 16, 16},
    {"img/rms/close.png", 45, 45},
    {"img/rms/back.png", 45, 45},
    {"img/rms/loco_fault.png", 140, 31},
    {"img/rms/loco_info.png", 91, 31},
    {"img/rms/loco_iso.png", 140, 31},
    {"img/rms/loco_fault_symbol.png", 100, 90},
    {"img/rms/loco_info_symbol.png", 100, 90},
    {"img/rms/arrow_bottom.png", 43, 40},
    {"img/rms/arrow_top.png", 43, 40},
    {"img/rms/arrow_left.png", 37, 37},
    {"img/rms/arrow_right.png", 37, 37},
    {"img/rms/arrow_up.png", 37, 37},
    {"img/rms/arrow_down.png", 37, 37},
    {"img/rms/up_down.png", 37, 37},
    {"img/rms/arrow_small_down.png", 20, 20},
    {"img/rms/arrow_small_up.png", 20, 20},
    {"img/rms/qim_logo.png", 200, 60},
    {"img/rms/hin_icon.png", 58, 53},
    {"img/rms/eng_icon.png", 58, 53},
    {"img/rms/Brightness.png", 45, 45},
    {"img/rms/Autobright.png", 45, 45},
    {"img/rms/Img_Inv_green.png", 44, 44},
    {"img/rms/Img_Inv_red.png", 44, 44},
    {"img/rms/Img_Inv_grey.png", 44, 44},
    {"img/rms/Img_Inv_greycircle1.png", 36, 36},
    {"img/rms/Img_Inv_greycircle2.png", 36, 36},
    {"img/rms/Img_Inv_greycircle3.png", 36, 36},
    {"img/rms/Img_Inv_greycircle4.png", 36, 36},
    {"img/rms/Img_Inv_greycircle5.png", 36, 36},
    {"img/rms/Img_Inv_greycircle6.png", 36, 36},
    {"img/rms/Img_Inv_grncircle1.png", 36, 36},
    {"img/rms/Img_Inv_grncircle2.png", 36, 36},
    {"img/rms/Img_Inv_grncircle3.png", 36, 36},
    {"img/rms/Img_Inv_grncircle4.png", 36, 36},
    {"img/rms/Img_Inv_grncircle5.png", 36, 36},
    {"img/rms/Img_Inv_grncircle6.png", 36, 36},
    {"img/rms/Img_Inv_redcircle1.png", 36, 36},
    {"img/rms/Img_Inv_redcircle2.png", 36, 36},
    {"img/rms/Img_Inv_redcircle3.png", 36, 36},
    {"img/rms/Img_Inv_redcircle4.png", 36, 36},
    {"img/rms/Img_Inv_redcircle5.png", 36, 36},
    {"img/rms/Img_Inv_redcircle6.png", 36, 36},
    {"img/rms/toggle.png", 190, 35},
    {"img/rms/toggle_old.png", 190, 35},
    {"img/rms/toggle_new.png", 190, 35},
    {"img/rms/tick.png", 27, 27},
    {"img/ddu/ddu_brake_released.png", 110, 80},
    {"img/ddu/ddu_brake_applied.png", 110, 80},
    {"img/ddu/ddu_brake_nomvb.png", 110, 80},
    {"img/ddu/ddu_panto_up.png", 130, 90},
    {"img/ddu/ddu_panto_down.png", 130, 90},
    {"img/ddu/ddu_panto_nomvb.png", 130, 90},
    {"img/ddu/ddu_vcb_close.png", 130, 90},
    {"img/ddu/ddu_vcb_open.png", 130, 90},
    {"img/ddu/ddu_vcb_nomvb.png", 130, 90},
    {"img/ddu/ddu_tebe_meter.png", 136, 300},
    {"img/ddu/ddu_tebe_green.png", 16, 16},
    {"img/ddu/ddu_tebe_orange.png", 16, 16},
    {"img/ddu/ddu_ipri_meter.png", 116, 340},
    {"img/ddu/ddu_vcat_meter.png", 116, 340},
    {"img/ddu/ddu_vcat_green.png", 16, 16},
    {"img/ddu/ddu_forward.png", 80, 44},
    {"img/ddu/ddu_reverse.png", 80, 44},
    {"img/ddu/ddu_loco_grey.png", 232, 80},
    {"img/ddu/ddu_green_yellow_3w.png", 232, 80},
    {"img/ddu/ddu_red_red_2w.png", 232, 80},
    {"img/ddu/ddu_red_red_3w.png", 232, 80},
    {"img/ddu/ddu_red_yellow_3w.png", 232, 80},
    {"img/ddu/ddu_white_red_2w.png", 232, 80},
    {"img/ddu/ddu_white_red_3w.png", 232, 80},
};

// No-data image and the normal image it stands in for.
const char* const kNoDataPairs[][2] = {
    {"img/rms/panto_nomvb.png", "img/rms/panto_down.png"},
    {"img/rms/vcb_nomvb.png", "img/rms/vcb_open.png"},
    {"img/rms/brake_nomvb.png", "img/rms/brake_released.png"},
    {"img/rms/led_big_nomvb.png", "img/rms/led_big_grey.png"},
    {"img/rms/led_small_nomvb.png", "img/rms/led_small_grey.png"},
    {"img/rms/led_small_long_nomvb.png", "img/rms/led_small_long_grey.png"},
    {"img/rms/rms_loco_grey.png", "img/rms/rms_white_red_3w.png"},
    {"img/ddu/ddu_panto_nomvb.png", "img/ddu/ddu_panto_down.png"},
    {"img/ddu/ddu_vcb_nomvb.png", "img/ddu/ddu_vcb_open.png"},
    {"img/ddu/ddu_brake_nomvb.png", "img/ddu/ddu_brake_released.png"},
    {"img/ddu/ddu_loco_grey.png", "img/ddu/ddu_white_red_3w.png"},
};

int distinctColours(const QImage& img, int stopAt)
{
    QSet<QRgb> seen;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x) {
            seen.insert(img.pixel(x, y));
            if (seen.size() >= stopAt)
                return int(seen.size());
        }
    return int(seen.size());
}

int opaquePixels(const QImage& img)
{
    int n = 0;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            if (qAlpha(img.pixel(x, y)) > 128)
                ++n;
    return n;
}

// Fraction of pixels that differ noticeably between two images of one size.
double differingFraction(const QImage& a, const QImage& b)
{
    int n = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y), q = b.pixel(x, y);
            const int d = std::abs(qRed(p) - qRed(q)) + std::abs(qGreen(p) - qGreen(q)) + std::abs(qBlue(p) - qBlue(q)) +
                          std::abs(qAlpha(p) - qAlpha(q));
            if (d > 40)
                ++n;
        }
    return double(n) / (a.width() * a.height());
}

// Brightness of a row segment: the meters' tick marks are light on dark.
bool lightAt(const QImage& img, int x, int y)
{
    const QRgb c = img.pixel(x, y);
    return qAlpha(c) > 200 && qGray(c) > 120;
}

} // namespace

class TestImages : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void everyFileHasItsSize_data();
    void everyFileHasItsSize();
    void noUnexpectedFiles();
    void noDataDiffersFromNormal_data();
    void noDataDiffersFromNormal();
    void statesDiffer();
    void meterScalesSitWhereTheMarkersGo();
    void markerTipsOnTheMiddleRow();
    void repaintOverwrites();
    void refusesMissingRoot();

private:
    QString program() const;
    QImage load(const char* rel) const;
    QTemporaryDir m_dir;
};

QString TestImages::program() const
{
    QString bin = qEnvironmentVariable("DDU_BIN_DIR");
    if (bin.isEmpty())
        bin = QCoreApplication::applicationDirPath() + QStringLiteral("/../bin");
    return QDir(bin).filePath(QStringLiteral("ddu-paint-images"));
}

QImage TestImages::load(const char* rel) const
{
    return QImage(m_dir.filePath(QString::fromLatin1(rel))).convertToFormat(QImage::Format_ARGB32);
}

void TestImages::initTestCase()
{
    QVERIFY(m_dir.isValid());
    QVERIFY2(QFileInfo::exists(program()), qPrintable(program()));
    QProcess p;
    p.start(program(), {m_dir.path()});
    QVERIFY(p.waitForFinished(120000));
    QCOMPARE(p.exitStatus(), QProcess::NormalExit);
    QVERIFY2(p.exitCode() == 0, p.readAllStandardError().constData());
}

void TestImages::everyFileHasItsSize_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QSize>("size");
    for (const Expected& e : kExpected)
        QTest::newRow(e.path) << QString::fromLatin1(e.path) << QSize(e.width, e.height);
}

void TestImages::everyFileHasItsSize()
{
    QFETCH(QString, path);
    QFETCH(QSize, size);
    const QString file = m_dir.filePath(path);
    QVERIFY2(QFileInfo::exists(file), qPrintable(path));
    const QImage img = QImage(file).convertToFormat(QImage::Format_ARGB32);
    QVERIFY(!img.isNull());
    QCOMPARE(img.size(), size);
    QVERIFY2(distinctColours(img, 8) >= 8, "image is nearly blank");
    QVERIFY2(opaquePixels(img) >= img.width() * img.height() / 20, "too little is painted");
}

void TestImages::noUnexpectedFiles()
{
    QSet<QString> expected;
    for (const Expected& e : kExpected)
        expected.insert(QString::fromLatin1(e.path));
    QStringList extra;
    QDirIterator it(m_dir.filePath(QStringLiteral("img")), {QStringLiteral("*")}, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString rel = QDir(m_dir.path()).relativeFilePath(it.next());
        if (!expected.contains(rel))
            extra << rel;
    }
    QVERIFY2(extra.isEmpty(), qPrintable(extra.join(QLatin1Char(' '))));
}

void TestImages::noDataDiffersFromNormal_data()
{
    QTest::addColumn<QString>("noData");
    QTest::addColumn<QString>("normal");
    for (const auto& pair : kNoDataPairs)
        QTest::newRow(pair[0]) << QString::fromLatin1(pair[0]) << QString::fromLatin1(pair[1]);
}

void TestImages::noDataDiffersFromNormal()
{
    QFETCH(QString, noData);
    QFETCH(QString, normal);
    const QImage a = load(noData.toLatin1().constData());
    const QImage b = load(normal.toLatin1().constData());
    QCOMPARE(a.size(), b.size());
    QVERIFY2(differingFraction(a, b) > 0.03, "no-data image looks like the normal one");
}

void TestImages::statesDiffer()
{
    const char* const pairs[][2] = {
        {"img/rms/panto_up.png", "img/rms/panto_down.png"},
        {"img/rms/vcb_close.png", "img/rms/vcb_open.png"},
        {"img/rms/brake_applied.png", "img/rms/brake_released.png"},
        {"img/rms/forward.png", "img/rms/reverse.png"},
        {"img/rms/lock.png", "img/rms/unlock.png"},
        {"img/rms/Brightness.png", "img/rms/Autobright.png"},
        {"img/rms/toggle_new.png", "img/rms/toggle_old.png"},
        {"img/rms/toggle_new.png", "img/rms/toggle.png"},
        {"img/rms/hin_icon.png", "img/rms/eng_icon.png"},
        {"img/rms/Img_Inv_green.png", "img/rms/Img_Inv_red.png"},
        {"img/rms/Img_Inv_grncircle1.png", "img/rms/Img_Inv_grncircle2.png"},
        {"img/rms/Img_Inv_grncircle3.png", "img/rms/Img_Inv_redcircle3.png"},
        {"img/rms/rms_red_red_2w.png", "img/rms/rms_red_red_3w.png"},
        {"img/rms/rms_white_red_3w.png", "img/rms/rms_red_red_3w.png"},
        {"img/rms/loco_fault.png", "img/rms/loco_iso.png"},
        {"img/rms/led_big_red.png", "img/rms/led_big_green.png"},
        {"img/rms/led_small_yellow.png", "img/rms/led_small_orange.png"},
        {"img/rms/arrow_up.png", "img/rms/arrow_down.png"},
        {"img/ddu/ddu_red_yellow_3w.png", "img/ddu/ddu_red_red_3w.png"},
    };
    for (const auto& pair : pairs) {
        const QImage a = load(pair[0]);
        const QImage b = load(pair[1]);
        QCOMPARE(a.size(), b.size());
        QVERIFY2(differingFraction(a, b) > 0.02, pair[0]);
    }
}

void TestImages::meterScalesSitWhereTheMarkersGo()
{
    // The home screen moves the 16 x 16 markers by 1 pixel per 4 kN, per A and
    // per 0.1 kV; each marker points with its middle row. The scales' major
    // ticks must lie at those rows.
    const QImage tebe = load("img/rms/tebe_meter.png");
    for (int kN : {-500, -100, 0, 100, 500}) {
        const int y = 150 - kN / 4;
        QVERIFY2(lightAt(tebe, 6, y) || lightAt(tebe, 6, y - 1), qPrintable(QString::number(kN)));
        QVERIFY(lightAt(tebe, tebe.width() - 7, y) || lightAt(tebe, tebe.width() - 7, y - 1));
    }
    QVERIFY(!lightAt(tebe, 6, 150 - 60 / 4 + 3));  // between ticks

    const QImage vcat = load("img/ddu/ddu_vcat_meter.png");
    for (int kV : {0, 5, 25, 30}) {
        const int y = 320 - 10 * kV;
        QVERIFY2(lightAt(vcat, vcat.width() - 7, y) || lightAt(vcat, vcat.width() - 7, y - 1), qPrintable(QString::number(kV)));
    }
    const QImage ipri = load("img/ddu/ddu_ipri_meter.png");
    for (int amps : {0, 50, 250, 300}) {
        const int y = 320 - amps;
        QVERIFY2(lightAt(ipri, 6, y) || lightAt(ipri, 6, y - 1), qPrintable(QString::number(amps)));
    }
}

void TestImages::markerTipsOnTheMiddleRow()
{
    // Green markers point right, orange ones left; the tip is on rows 7/8.
    const QImage green = load("img/rms/tebe_green.png");
    const QImage orange = load("img/ddu/ddu_tebe_orange.png");
    QVERIFY(qAlpha(green.pixel(14, 8)) > 100 || qAlpha(green.pixel(14, 7)) > 100);
    QVERIFY(qAlpha(green.pixel(14, 1)) < 60);
    QVERIFY(qAlpha(orange.pixel(1, 8)) > 100 || qAlpha(orange.pixel(1, 7)) > 100);
    QVERIFY(qAlpha(orange.pixel(1, 14)) < 60);
    QVERIFY(qGreen(green.pixel(8, 8)) > qRed(green.pixel(8, 8)));
    QVERIFY(qRed(orange.pixel(8, 8)) > qBlue(orange.pixel(8, 8)));
}

void TestImages::repaintOverwrites()
{
    const QString file = m_dir.filePath(QStringLiteral("img/rms/lock.png"));
    QFile f(file);
    QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write("broken");
    f.close();
    QProcess p;
    p.start(program(), {m_dir.path()});
    QVERIFY(p.waitForFinished(120000));
    QCOMPARE(p.exitCode(), 0);
    QCOMPARE(QImage(file).size(), QSize(13, 17));
    QVERIFY(!QFileInfo::exists(file + QStringLiteral(".part")));
}

void TestImages::refusesMissingRoot()
{
    QProcess p;
    p.start(program(), QStringList());
    QVERIFY(p.waitForFinished(60000));
    QCOMPARE(p.exitCode(), 2);
}

QTEST_GUILESS_MAIN(TestImages)
#include "tst_images.moc"
