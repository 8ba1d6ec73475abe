// Runs ddu-paint-images into a temporary data root and checks every image the
// display loads: present under its exact name, of the size its widget expects,
// really painted, the no-data and state variants distinct from their twins,
// and the meter scales where the markers point.

#include <QDir>
#include <QDirIterator>
#include <QImage>
#include <QProcess>
#include <QSet>
#include <QTemporaryDir>
#include <QtTest>

namespace {

// Names (".png" left out) as the display program loads them, by folder and by
// the size its widgets show them at.
const struct {
    const char* folder;
    int width, height;
    const char* names;
} kExpected[] = {
    {"rms", 72, 72, "dialog_fault dialog_info dialog_warning"},
    {"rms", 13, 17, "lock unlock"},
    {"rms", 110, 80, "panto_up panto_down panto_nomvb vcb_close vcb_open vcb_nomvb"},
    {"rms", 56, 56, "led_big_red led_big_grey led_big_green led_big_yellow led_big_nomvb"},
    {"rms", 40, 40, "led_medium_gray"},
    {"rms", 28, 28, "led_small_red led_small_orange led_small_grey led_small_green led_small_yellow led_small_nomvb"},
    {"rms", 44, 18, "led_small_long_nomvb led_small_long_grey led_small_long_red led_small_long_green"},
    {"rms", 90, 70, "brake_released brake_applied brake_nomvb"},
    {"rms", 44, 26, "forward reverse direction_nomvb"},
    {"rms", 145, 50,
     "rms_loco_grey rms_green_yellow_3w rms_red_red_2w rms_red_red_3w rms_white_red_2w rms_white_red_3w"},
    {"rms", 130, 300, "tebe_meter"},
    {"rms", 16, 16, "tebe_green tebe_orange"},
    {"rms", 45, 45, "close back Brightness Autobright"},
    {"rms", 140, 31, "loco_fault loco_iso"},
    {"rms", 91, 31, "loco_info"},
    {"rms", 100, 90, "loco_fault_symbol loco_info_symbol"},
    {"rms", 43, 40, "arrow_bottom arrow_top"},
    {"rms", 37, 37, "arrow_left arrow_right arrow_up arrow_down up_down"},
    {"rms", 20, 20, "arrow_small_down arrow_small_up"},
    {"rms", 200, 60, "qim_logo"},
    {"rms", 58, 53, "hin_icon eng_icon"},
    {"rms", 44, 44, "Img_Inv_green Img_Inv_red Img_Inv_grey"},
    {"rms", 36, 36,
     "Img_Inv_greycircle1 Img_Inv_greycircle2 Img_Inv_greycircle3 Img_Inv_greycircle4 "
     "Img_Inv_greycircle5 Img_Inv_greycircle6 Img_Inv_grncircle1 Img_Inv_grncircle2 "
     "Img_Inv_grncircle3 Img_Inv_grncircle4 Img_Inv_grncircle5 Img_Inv_grncircle6 "
     "Img_Inv_redcircle1 Img_Inv_redcircle2 Img_Inv_redcircle3 Img_Inv_redcircle4 "
     "Img_Inv_redcircle5 Img_Inv_redcircle6"},
    {"rms", 190, 35, "toggle toggle_old toggle_new"},
    {"rms", 27, 27, "tick"},
    {"ddu", 110, 80, "ddu_brake_released ddu_brake_applied ddu_brake_nomvb"},
    {"ddu", 130, 90, "ddu_panto_up ddu_panto_down ddu_panto_nomvb ddu_vcb_close ddu_vcb_open ddu_vcb_nomvb"},
    {"ddu", 136, 300, "ddu_tebe_meter"},
    {"ddu", 16, 16, "ddu_tebe_green ddu_tebe_orange ddu_vcat_green"},
    {"ddu", 116, 340, "ddu_ipri_meter ddu_vcat_meter"},
    {"ddu", 80, 44, "ddu_forward ddu_reverse ddu_direction_nomvb"},
    {"ddu", 232, 80,
     "ddu_loco_grey ddu_green_yellow_3w ddu_red_red_2w ddu_red_red_3w ddu_red_yellow_3w "
     "ddu_white_red_2w ddu_white_red_3w"},
};

QMap<QString, QSize> expectedFiles()
{
    QMap<QString, QSize> out;
    for (const auto& e : kExpected)
        for (const QString& n : QString::fromLatin1(e.names).split(' ', Qt::SkipEmptyParts))
            out.insert(QStringLiteral("img/%1/%2.png").arg(QLatin1String(e.folder), n), QSize(e.width, e.height));
    return out;
}

// Fraction of pixels that differ noticeably between two images of one size.
double differingFraction(const QImage& a, const QImage& b)
{
    int n = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y), q = b.pixel(x, y);
            n += std::abs(qRed(p) - qRed(q)) + std::abs(qGreen(p) - qGreen(q)) + std::abs(qBlue(p) - qBlue(q)) +
                    std::abs(qAlpha(p) - qAlpha(q)) >
                40;
        }
    return double(n) / (a.width() * a.height());
}

// The meters' tick marks are light on dark; a mark may straddle two rows.
bool tickAt(const QImage& img, int x, int y)
{
    auto light = [&](int row) {
        const QRgb c = img.pixel(x, row);
        return qAlpha(c) > 200 && qGray(c) > 120;
    };
    return light(y) || light(y - 1);
}

} // namespace

class TestImages : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;

    QString program() const
    {
        QString bin = qEnvironmentVariable("DDU_BIN_DIR");
        if (bin.isEmpty())
            bin = QCoreApplication::applicationDirPath() + QStringLiteral("/../bin");
        return QDir(bin).filePath(QStringLiteral("ddu-paint-images"));
    }

    QImage load(const QString& rel) const { return QImage(m_dir.filePath(rel)).convertToFormat(QImage::Format_ARGB32); }

    int paint() const
    {
        QProcess p;
        p.start(program(), {m_dir.path()});
        if (!p.waitForFinished(120000) || p.exitStatus() != QProcess::NormalExit)
            return -1;
        if (p.exitCode() != 0)
            qWarning("%s", p.readAllStandardError().constData());
        return p.exitCode();
    }

private slots:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        QVERIFY2(QFileInfo::exists(program()), qPrintable(program()));
        QCOMPARE(paint(), 0);
    }

    void everyFileHasItsSize_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QSize>("size");
        const QMap<QString, QSize> files = expectedFiles();
        QCOMPARE(files.size(), 113);
        for (auto it = files.cbegin(); it != files.cend(); ++it)
            QTest::newRow(qPrintable(it.key())) << it.key() << it.value();
    }

    void everyFileHasItsSize()
    {
        QFETCH(QString, path);
        QFETCH(QSize, size);
        QVERIFY2(QFileInfo::exists(m_dir.filePath(path)), qPrintable(path));
        const QImage img = load(path);
        QCOMPARE(img.size(), size);
        // Really painted: several colours, and not nearly all transparent.
        QSet<QRgb> colours;
        int opaque = 0;
        for (int y = 0; y < img.height(); ++y)
            for (int x = 0; x < img.width(); ++x) {
                colours.insert(img.pixel(x, y));
                opaque += qAlpha(img.pixel(x, y)) > 128;
            }
        QVERIFY2(colours.size() >= 8, "image is nearly blank");
        QVERIFY2(opaque >= img.width() * img.height() / 20, "too little is painted");
    }

    void noUnexpectedFiles()
    {
        const QMap<QString, QSize> expected = expectedFiles();
        QStringList extra;
        QDirIterator it(m_dir.filePath(QStringLiteral("img")), QDir::Files, QDirIterator::Subdirectories);
        while (it.hasNext()) {
            const QString rel = QDir(m_dir.path()).relativeFilePath(it.next());
            if (!expected.contains(rel))
                extra << rel;
        }
        QVERIFY2(extra.isEmpty(), qPrintable(extra.join(' ')));
    }

    // No-data images against the normal image they stand in for, and the
    // states of one symbol against each other.
    void variantsDiffer()
    {
        // clang-format off
        const char* const noData[][2] = {
            {"rms/panto_nomvb", "rms/panto_down"}, {"rms/vcb_nomvb", "rms/vcb_open"},
            {"rms/brake_nomvb", "rms/brake_released"}, {"rms/led_big_nomvb", "rms/led_big_grey"},
            {"rms/led_small_nomvb", "rms/led_small_grey"}, {"rms/led_small_long_nomvb", "rms/led_small_long_grey"},
            {"rms/rms_loco_grey", "rms/rms_white_red_3w"}, {"ddu/ddu_panto_nomvb", "ddu/ddu_panto_down"},
            {"ddu/ddu_vcb_nomvb", "ddu/ddu_vcb_open"}, {"ddu/ddu_brake_nomvb", "ddu/ddu_brake_released"},
            {"ddu/ddu_loco_grey", "ddu/ddu_white_red_3w"}, {"rms/direction_nomvb", "rms/forward"},
            {"ddu/ddu_direction_nomvb", "ddu/ddu_forward"},
        };
        const char* const states[][2] = {
            {"rms/panto_up", "rms/panto_down"}, {"rms/vcb_close", "rms/vcb_open"},
            {"rms/brake_applied", "rms/brake_released"}, {"rms/forward", "rms/reverse"},
            {"rms/lock", "rms/unlock"}, {"rms/Brightness", "rms/Autobright"},
            {"rms/toggle_new", "rms/toggle_old"}, {"rms/toggle_new", "rms/toggle"},
            {"rms/hin_icon", "rms/eng_icon"}, {"rms/Img_Inv_green", "rms/Img_Inv_red"},
            {"rms/Img_Inv_grncircle1", "rms/Img_Inv_grncircle2"}, {"rms/Img_Inv_grncircle3", "rms/Img_Inv_redcircle3"},
            {"rms/rms_red_red_2w", "rms/rms_red_red_3w"}, {"rms/rms_white_red_3w", "rms/rms_red_red_3w"},
            {"rms/loco_fault", "rms/loco_iso"}, {"rms/led_big_red", "rms/led_big_green"},
            {"rms/led_small_yellow", "rms/led_small_orange"}, {"rms/arrow_up", "rms/arrow_down"},
            {"ddu/ddu_red_yellow_3w", "ddu/ddu_red_red_3w"},
        };
        // clang-format on
        // Share of clearly different pixels; -1 when the sizes differ.
        auto difference = [this](const char* a, const char* b) {
            const QImage ia = load(QStringLiteral("img/%1.png").arg(QLatin1String(a)));
            const QImage ib = load(QStringLiteral("img/%1.png").arg(QLatin1String(b)));
            return ia.size() == ib.size() ? differingFraction(ia, ib) : -1.0;
        };
        for (const auto& p : noData)
            QVERIFY2(difference(p[0], p[1]) > 0.03, p[0]);
        for (const auto& p : states)
            QVERIFY2(difference(p[0], p[1]) > 0.02, p[0]);
    }

    void meterScalesSitWhereTheMarkersGo()
    {
        // The home screen moves the 16 x 16 markers by 1 pixel per 4 kN, per A
        // and per 0.1 kV; each marker points with its middle row. The scales'
        // major ticks must lie at those rows.
        const QImage tebe = load("img/rms/tebe_meter.png");
        for (int kN : {-500, -100, 0, 100, 500}) {
            QVERIFY2(tickAt(tebe, 6, 150 - kN / 4), qPrintable(QString::number(kN)));
            QVERIFY(tickAt(tebe, tebe.width() - 7, 150 - kN / 4));
        }
        QVERIFY(!tickAt(tebe, 6, 150 - 60 / 4 + 4)); // between ticks
        const QImage vcat = load("img/ddu/ddu_vcat_meter.png");
        for (int kV : {0, 5, 25, 30})
            QVERIFY2(tickAt(vcat, vcat.width() - 7, 320 - 10 * kV), qPrintable(QString::number(kV)));
        const QImage ipri = load("img/ddu/ddu_ipri_meter.png");
        for (int amps : {0, 50, 250, 300})
            QVERIFY2(tickAt(ipri, 6, 320 - amps), qPrintable(QString::number(amps)));

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

    void repaintOverwrites()
    {
        const QString file = m_dir.filePath(QStringLiteral("img/rms/lock.png"));
        QFile f(file);
        QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write("broken");
        f.close();
        QCOMPARE(paint(), 0);
        QCOMPARE(QImage(file).size(), QSize(13, 17));
        QVERIFY(!QFileInfo::exists(file + QStringLiteral(".part")));
    }
};

QTEST_GUILESS_MAIN(TestImages)
#include "tst_images.moc"
