// The home screen of the display: both layouts are fed signal snapshots
// through the window's hand-over (BusExchange::publish) and refreshed by the
// refresh tick (guiupdate_fun), as the acquisition thread and the timer do.
//
// The window is built with the bus side off, so that nothing but the test
// publishes; widgets are found by their names, their looks read from style
// sheets and from the image each picture label was given.

#include <QAbstractButton>
#include <QGroupBox>
#include <QLCDNumber>
#include <QLabel>
#include <QRegularExpression>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <initializer_list>
#include <memory>
#include <utility>

#include "app/mainwindow.h"
#include "maintenance/config_screen.h"
#include "screens/fault_screen.h"
#include "screens/home_layout.h"
#include "screens/home_screen.h"
#include "screens/home_view.h"
#include "screens/subsystem_screen.h"
#include "tests/support/environment.h"
#include "tests/support/window.h"
#include "tools/image_table.h"
#include "ui/resources.h"
#include "widgets/qgauge.h"

using namespace home;

namespace {

using testsupport::makeWindow;

// A locomotive in traction: every value known, every lamp off.
SignalStore running()
{
    SignalStore s;
    s.pass_count = 1;
    s.MVB_DDU_Panto = 1;
    s.MVB_DDU_VCB = 1;
    s.MVB_DDU_UPRIM = 25;
    s.MVB_DDU_UPRIM_String = QStringLiteral("25.30");
    s.MVB_DDU_IPRIM = 124;
    s.MVB_DDU_IPRIM_String = QStringLiteral("124.76");
    s.MVB_DDU_Battery = 110;
    s.MVB_DDU_Battery_String = QStringLiteral("110.4");
    s.MVB_DDU_MR = 0;
    s.MVB_DDU_BP_Demand = 5.0;
    s.MVB_DDU_BP_Pressure_String = QStringLiteral("5.0");
    s.MVB_DDU_Line_Frequency_INT_String = QStringLiteral("50");
    s.MVB_DDU_Input_Power = 2758;
    s.MVB_DDU_Input_Power_String = QStringLiteral("2758.40");
    s.MVB_DDU_FLG1_Node_String = QStringLiteral("504");
    s.MVB_DDU_FLG2_Node_String = QStringLiteral("502");
    s.MVB_DDU_SLG1_Node_String = QStringLiteral("604");
    s.MVB_DDU_SLG2_Node_String = QStringLiteral("602");
    s.MVB_DDU_SLV_Node_String = QStringLiteral("514");
    s.MVB_DDU_ALG1_Node_String = QStringLiteral("A0A0");
    s.MVB_DDU_ALG2_Node_String = QStringLiteral("B0B0");
    s.MVB_DDU_BE_Demand = 60;
    s.MVB_DDU_BE_Demand_String = QStringLiteral("60");
    s.MVB_DDU_BE_Actual = 58;
    s.MVB_DDU_BE_Actual_String = QStringLiteral("58");
    s.MVB_DDU_Speed = 33;
    s.MVB_DDU_Speed_String = QStringLiteral("33");
    s.LineConverter1_status_SLG1 = s.LineConverter2_status_SLG1 = 1;
    s.LineConverter1_status_SLG2 = s.LineConverter2_status_SLG2 = 1;
    s.CoCo_bogie_chasis = 1;
    for (int m = 0; m < 6; ++m)
        s.MVB_DDU_MotorMaster_Status[m] = 1;
    s.MVB_DDU_Direction = 1;
    s.MVB_DDU_Loco_Type_String = QStringLiteral("WAG9");
    s.MVB_DDU_Loco_NO_String = QStringLiteral("31028");
    s.MVB_DDU_Loco2_NO_String = QStringLiteral("????");
    s.MVB_DDU_Cab_Active = 1;
    for (int k = 0; k < 20; ++k)
        s.MVB_DDU_LOCO2_SUB_System[k] = 4;
    s.MVB_DDU_LOCO_SUB_System[19] = 99;
    return s;
}

// Colour of a style sheet's text ("color: rgb(...)", not "background-color").
QString textColour(const QWidget* w)
{
    static const QRegularExpression re(QStringLiteral("(?:^|[;\\s])color:\\s*(rgb\\([^)]*\\))"));
    const QRegularExpressionMatch m = re.match(w ? w->styleSheet() : QString());
    return m.hasMatch() ? m.captured(1) : QString();
}

// Whether a button shows the image file at `path` as its icon.
bool showsIcon(const QAbstractButton* b, const QString& path)
{
    const QImage file = QImage(path).convertToFormat(QImage::Format_ARGB32);
    const QImage icon = b->icon().pixmap(b->iconSize()).toImage().convertToFormat(QImage::Format_ARGB32);
    return !file.isNull() && file == icon;
}

} // namespace

class TestHome : public QObject {
    Q_OBJECT

    testsupport::TestRoot m_root;

    // The picture file a label was given, and a readout's text.
    static QString fileOf(const QObject* o) { return o ? o->property("image").toString().section('/', -1) : QString(); }
    static QString lcdText(const QWidget* w) { return w ? w->property("text").toString() : QString(); }

    static void tick(MainWindow& w, const SignalStore& s)
    {
        w.exchange.publish(s);
        w.guiupdate_fun();
    }

    template <class T = QLabel> static T* get(MainWindow& w, const char* name)
    {
        T* t = w.W<T>(QLatin1String(name));
        if (!t)
            qWarning("no widget %s", name);
        return t;
    }

    static bool shown(MainWindow& w, const char* name)
    {
        QWidget* x = w.W(QLatin1String(name));
        return x && x->isVisibleTo(x->parentWidget());
    }

    static void expectShown(MainWindow& w, bool visible, std::initializer_list<const char*> names)
    {
        for (const char* n : names)
            QVERIFY2(shown(w, n) == visible, n);
    }

    // Each widget shows its picture file.
    static void expectImages(MainWindow& w, std::initializer_list<std::pair<const char*, const char*>> want)
    {
        for (const auto& [name, file] : want) {
            const QString got = fileOf(w.W(QLatin1String(name)));
            QVERIFY2(got == QLatin1String(file),
                     qPrintable(QStringLiteral("%1 shows \"%2\"").arg(QLatin1String(name), got)));
        }
    }

private slots:
    void initTestCase()
    {
        QVERIFY(m_root.isValid());
        // The display's images, painted into the test's data root.
        QString error;
        QVERIFY2(imgpaint::writeAll(m_root.path(), &error) > 0, qPrintable(error));
    }

    // ------------------------------------------------------------ captions

    // Relabelling (after a language change) writes every caption of both
    // layouts' widget tables and of the top bar again.
    void relabellingWritesEveryCaption()
    {
        auto w = makeWindow();
        QList<const HomeWidget*> captions;
        for (int i = 0; i < kRmsWidgetCount + kDduWidgetCount; ++i) {
            const HomeWidget& h = i < kRmsWidgetCount ? kRmsWidgets[i] : kDduWidgets[i - kRmsWidgetCount];
            if (h.text && (h.kind == Kind::Caption || h.kind == Kind::Unit))
                captions << &h;
        }
        QVERIFY(captions.size() > 40);
        const std::pair<const char*, const char*> topBar[] = {{"menu", "MENU"},
                                                              {"process", "PROCESS INFO"},
                                                              {"diagnostic_process", "DIAGNOSIS"},
                                                              {"maintenance", "MAINTENANCE"}};
        for (const HomeWidget* h : captions)
            get(*w, h->name)->clear();
        for (const auto& [button, text] : topBar)
            get<QAbstractButton>(*w, button)->setText(QString());
        w->homeScreen->home_label_settext();
        w->homeScreen->ddu_label_textname();
        for (const HomeWidget* h : captions)
            QVERIFY2(get(*w, h->name)->text() == QLatin1String(h->text), h->name);
        for (const auto& [button, text] : topBar)
            QCOMPARE(get<QAbstractButton>(*w, button)->text(), QLatin1String(text));
    }

    void hindiCaptionsFindTheirFont()
    {
        auto w = makeWindow();
        w->DDU_Language_Select = 1;
        w->homeScreen->lbl_style_rms();
        QLabel* caption = get(*w, "cap_uprim");
        caption->ensurePolished();
        QCOMPARE(QFontInfo(caption->font()).family(), QStringLiteral("Lohit Devanagari"));
        w->DDU_Language_Select = 0;
        w->homeScreen->lbl_style_rms();
        QVERIFY(caption->styleSheet().contains(QLatin1String("DejaVu Sans")));
    }

    // ------------------------------------------------------------ change detection

    void firstTickDrawsEveryIndicator()
    {
        auto w = makeWindow();
        SignalStore s = running();
        tick(*w, s);
        // clang-format off
        for (const char* n : {"panto", "vcb", "loco_brake", "auto_brake", "lsdj_led", "bppb_led", "bpcs_led", "lsp_led",
                              "lsvw_led", "lsfi_led", "bpfa_led", "emg_led", "loco_inverter1", "loco_inverter4",
                              "loco_inverter_circle1", "loco_inverter_circle6", "direction", "lddu_panto_img",
                              "lddu_vcb_img", "lddu_parkbrk_img", "lddu_emgbrk_img", "lddu_locobrk_img",
                              "lddu_autobrk_img", "lddu_loco_img", "lddu_loco_dir_img", "loco_diag"})
            QVERIFY2(!fileOf(w->W(QLatin1String(n))).isEmpty(), n);
        // clang-format on
        // An unchanged signal is not drawn again: a look put on by hand stays.
        get(*w, "panto")->setProperty("image", QStringLiteral("marker"));
        get(*w, "oc_primary")->setStyleSheet(QStringLiteral("color: rgb(1, 2, 3);"));
        tick(*w, s);
        QCOMPARE(get(*w, "panto")->property("image").toString(), QStringLiteral("marker"));
        QCOMPARE(textColour(get(*w, "oc_primary")), QStringLiteral("rgb(1, 2, 3)"));
        // ... and a changed one is.
        s.MVB_DDU_Panto = 0;
        s.MVB_DDU_Primary_Over_Current = 1;
        tick(*w, s);
        QCOMPARE(fileOf(get(*w, "panto")), QStringLiteral("panto_down.png"));
        QCOMPARE(textColour(get(*w, "oc_primary")), rgbText(kRed));
    }

    // ------------------------------------------------------------ readouts

    void staleValuesShowDashInGrey()
    {
        auto w = makeWindow();
        SignalStore s = running();
        tick(*w, s);
        for (QString* t : {&s.MVB_DDU_UPRIM_String, &s.MVB_DDU_IPRIM_String, &s.MVB_DDU_Battery_String,
                           &s.MVB_DDU_BP_Pressure_String, &s.MVB_DDU_Line_Frequency_INT_String,
                           &s.MVB_DDU_Input_Power_String, &s.MVB_DDU_BE_Demand_String, &s.MVB_DDU_BE_Actual_String,
                           &s.MVB_DDU_FLG1_Node_String, &s.MVB_DDU_ALG2_Node_String, &s.MVB_DDU_Loco_NO_String})
            *t = QStringLiteral("????");
        tick(*w, s);
        const QString grey = rgbText(kNoDataGrey);
        for (const char* n : {"uprim_val", "iprim_val", "vbat", "freq_val", "power_val", "lcdtebe_w", "lcdtebe_x"}) {
            QCOMPARE(lcdText(w->W(QLatin1String(n))), QStringLiteral("--"));
            QCOMPARE(w->W<QLCDNumber>(QLatin1String(n))->digitCount(), 2);
            QVERIFY2(textColour(w->W(QLatin1String(n))) == grey, n);
        }
        for (const char* n : {"lddu_vcat_val", "lddu_ipri_val", "lddu_battery_val", "bp_val", "lddu_bp_val",
                              "lddu_freq_val", "lddu_input_val", "lddu_tebeW_val", "lddu_tebeX_val", "flg1val",
                              "lddu_flg1_val", "lddu_alg2_val", "loco_numb"}) {
            QCOMPARE(get(*w, n)->text(), QStringLiteral("--"));
            QVERIFY2(textColour(get(*w, n)) == grey, n);
        }
        // Markers of unknown values are taken away, and come back with the values.
        const auto markers = {"tebe_w_arrow", "tebe_x_arrow", "lddu_tebe_green_arrowimg", "lddu_vcat_arrowimg",
                              "lddu_ipri_arrowimg"};
        expectShown(*w, false, markers);
        tick(*w, running());
        expectShown(*w, true, markers);
        QCOMPARE(get(*w, "bp_val")->text(), QStringLiteral("5.0"));
        QCOMPARE(textColour(get(*w, "bp_val")), rgbText(kGreen)); // drawn again although 5.0 as before
        QCOMPARE(get(*w, "loco_numb")->text(), QStringLiteral("31028"));
    }

    void noDataBeforeTheFirstPass()
    {
        auto w = makeWindow();
        w->guiupdate_fun(); // nothing published yet
        QCOMPARE(fileOf(get(*w, "panto")), QStringLiteral("panto_nomvb.png"));
        QCOMPARE(fileOf(get(*w, "lsdj_led")), QStringLiteral("led_big_nomvb.png"));
        QCOMPARE(lcdText(w->W(QStringLiteral("uprim_val"))), QStringLiteral("--"));
        QCOMPARE(get(*w, "loco_cabval")->text(), QStringLiteral("?"));
        QVERIFY(!get<QGauge>(*w, "gaugeWidget_4")->isEnabled());
    }

    // The view finds every widget it writes by name; a name that is not in
    // the window (a misspelt one) is reported, not silently skipped.
    void viewFindsEveryWidget()
    {
        auto w = makeWindow();
        QCOMPARE(w->homeScreen->homeView->resolve(w.get()), QStringList());
        QVERIFY(HomeView::widgetNames().contains(QStringLiteral("gaugeWidget_4")));
        w->W(QStringLiteral("vbat"))->setObjectName(QStringLiteral("vbatt"));
        QCOMPARE(w->homeScreen->homeView->resolve(w.get()), QStringList{QStringLiteral("vbat")});
    }

    void unknownSpeedGreysTheGauges()
    {
        auto w = makeWindow();
        SignalStore s = running();
        tick(*w, s);
        s.MVB_DDU_Speed = 0;
        s.MVB_DDU_Speed_String = QStringLiteral("????");
        tick(*w, s);
        for (const char* n : {"gaugeWidget_4", "gaugeddu_speedo"}) {
            auto* g = get<QGauge>(*w, n);
            QVERIFY(!g->isEnabled());
            // The readout stays, as "--" in the no-data grey.
            QVERIFY(g->isNumericIndicatorEnabled());
            QCOMPARE(g->readoutText(), QStringLiteral("--"));
            QVERIFY(g->readout()->styleSheet().contains(QStringLiteral("#595959")));
            QCOMPARE(g->value(), 0.0);
        }
        tick(*w, running());
        for (const char* n : {"gaugeWidget_4", "gaugeddu_speedo"}) {
            auto* g = get<QGauge>(*w, n);
            QVERIFY(g->isEnabled());
            QCOMPARE(g->readoutText(), QStringLiteral("33"));
            QCOMPARE(g->value(), 33.0);
        }

        // Back from unknown with a speed beyond the gauge's scale: its number,
        // not the "0" the gauge was parked at.
        s.MVB_DDU_Speed_String = QStringLiteral("????");
        tick(*w, s);
        s.MVB_DDU_Speed = 205;
        s.MVB_DDU_Speed_String = QStringLiteral("205");
        tick(*w, s);
        for (const char* n : {"gaugeWidget_4", "gaugeddu_speedo"}) {
            auto* g = get<QGauge>(*w, n);
            QCOMPARE(g->readoutText(), QStringLiteral("205"));
            QCOMPARE(g->value(), 180.0); // the bar at the scale's end
        }
    }

    // Colour bands of the battery voltage and the brake pipe pressure, in
    // both layouts.
    void bands_data()
    {
        QTest::addColumn<bool>("battery");
        QTest::addColumn<double>("value");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QRgb>("colour");
        QTest::newRow("battery 85 red") << true << 85.0 << "85.0" << kRed;
        QTest::newRow("battery 86 orange") << true << 86.0 << "86.0" << kOrange;
        QTest::newRow("battery 92 orange") << true << 92.0 << "92.9" << kOrange;
        QTest::newRow("battery 93 green") << true << 93.0 << "93.0" << kGreen;
        QTest::newRow("battery 110 green") << true << 110.0 << "110.4" << kGreen;
        QTest::newRow("brake pipe 3.8 red") << false << 3.8 << "3.8" << kRed;
        QTest::newRow("brake pipe 3.81 green") << false << 3.81 << "3.8" << kGreen;
        QTest::newRow("brake pipe 0 red") << false << 0.0 << "0.0" << kRed;
        QTest::newRow("brake pipe 5.0 green") << false << 5.0 << "5.0" << kGreen;
    }

    void bands()
    {
        QFETCH(bool, battery);
        QFETCH(double, value);
        QFETCH(QString, text);
        QFETCH(QRgb, colour);
        auto w = makeWindow();
        SignalStore s = running();
        if (battery)
            s.MVB_DDU_Battery = int(value);
        else
            s.MVB_DDU_BP_Demand = value;
        (battery ? s.MVB_DDU_Battery_String : s.MVB_DDU_BP_Pressure_String) = text;
        tick(*w, s);
        for (const char* n : {battery ? "vbat" : "bp_val", battery ? "lddu_battery_val" : "lddu_bp_val"}) {
            QCOMPARE(lcdText(w->W(QLatin1String(n))), text);
            QCOMPARE(textColour(w->W(QLatin1String(n))), rgbText(colour));
        }
        if (battery) // the readout keeps every digit: a small decimal point takes no cell
            QCOMPARE(get<QLCDNumber>(*w, "vbat")->digitCount(), text.size() - 1);
    }

    // A current beyond the meter shows its number; only the marker stops at
    // the meter's ends.
    void primaryCurrentBeyondTheMeter()
    {
        auto w = makeWindow();
        SignalStore s = running();
        s.MVB_DDU_IPRIM = 120;
        s.MVB_DDU_IPRIM_String = QStringLiteral("120.40");
        tick(*w, s);
        QLabel* arrow = get(*w, "lddu_ipri_arrowimg");
        QCOMPARE(arrow->pos(), QPoint(451, 401));
        QCOMPARE(lcdText(w->W(QStringLiteral("iprim_val"))), QStringLiteral("120"));

        s.MVB_DDU_IPRIM = 1250; // an over-current
        s.MVB_DDU_IPRIM_String = QStringLiteral("1250.00");
        tick(*w, s);
        QCOMPARE(arrow->pos(), QPoint(451, 221)); // the meter's top (300 A)
        QVERIFY(arrow->isVisibleTo(arrow->parentWidget()));
        QCOMPARE(lcdText(w->W(QStringLiteral("iprim_val"))), QStringLiteral("1250"));
        QCOMPARE(get(*w, "lddu_ipri_val")->text(), QStringLiteral("1250.00"));

        // Below 10 A: the text's first three characters, the marker at the foot.
        s.MVB_DDU_IPRIM = 5;
        s.MVB_DDU_IPRIM_String = QStringLiteral("5.43");
        tick(*w, s);
        QCOMPARE(lcdText(w->W(QStringLiteral("iprim_val"))), QStringLiteral("5.4"));
        QCOMPARE(arrow->pos(), QPoint(451, 516));
        QCOMPARE(textColour(w->W(QStringLiteral("iprim_val"))), rgbText(kGreen));
    }

    void markerRows_data()
    {
        QTest::addColumn<int>("effort");
        QTest::addColumn<int>("rmsY");
        QTest::addColumn<int>("dduY");
        QTest::newRow("0") << 0 << 332 << 371;
        QTest::newRow("100") << 100 << 307 << 346;
        QTest::newRow("-100") << -100 << 357 << 396;
        QTest::newRow("7 truncates") << 7 << 331 << 370;
        QTest::newRow("-7 toward zero") << -7 << 333 << 372;
        QTest::newRow("-1") << -1 << 332 << 371;
        QTest::newRow("600 pinned at 500") << 600 << 207 << 246;
    }

    void markerRows()
    {
        QFETCH(int, effort);
        QFETCH(int, rmsY);
        QFETCH(int, dduY);
        auto w = makeWindow();
        SignalStore s = running();
        tick(*w, s); // from 60 / 58 ...
        s.MVB_DDU_BE_Demand = s.MVB_DDU_BE_Actual = effort;
        s.MVB_DDU_BE_Demand_String = s.MVB_DDU_BE_Actual_String = QString::number(effort);
        tick(*w, s); // ... to the row's effort
        QCOMPARE(get(*w, "tebe_w_arrow")->pos(), QPoint(639, rmsY));
        QCOMPARE(get(*w, "tebe_x_arrow")->pos(), QPoint(785, rmsY));
        QCOMPARE(get(*w, "lddu_tebe_green_arrowimg")->pos(), QPoint(11, dduY));
        QCOMPARE(get(*w, "lddu_tebe_orng_arrowimg")->pos(), QPoint(163, dduY));
        QCOMPARE(lcdText(w->W(QStringLiteral("lcdtebe_w"))), QString::number(effort));
        QCOMPARE(textColour(w->W(QStringLiteral("lcdtebe_w"))), rgbText(kGreen));
        QCOMPARE(textColour(w->W(QStringLiteral("lcdtebe_x"))), rgbText(kOrange));
    }

    void lineVoltageMarker()
    {
        QCOMPARE(vcatArrowY(0), 521);
        QCOMPARE(vcatArrowY(30), 221);
        QCOMPARE(vcatArrowY(35), 221); // pinned at the scale's end
        QCOMPARE(ipriArrowY(300), 221);
        auto w = makeWindow();
        tick(*w, running());
        QCOMPARE(get(*w, "lddu_vcat_arrowimg")->pos(), QPoint(300, 271));
        QCOMPARE(lcdText(w->W(QStringLiteral("uprim_val"))), QStringLiteral("25"));
        QCOMPARE(textColour(w->W(QStringLiteral("uprim_val"))), rgbText(kOrange));
        QCOMPARE(get(*w, "lddu_vcat_val")->text(), QStringLiteral("25.30"));
    }

    void mainReservoir_data()
    {
        QTest::addColumn<int>("state");
        QTest::addColumn<QString>("sign");
        QTest::addColumn<QString>("value");
        QTest::addColumn<QString>("ddu");
        QTest::addColumn<QRgb>("colour");
        // clang-format off
        QTest::newRow("low") << 1 << "<" << "6.4" << "< 6.4" << kRed;
        QTest::newRow("charged") << 0 << ">" << "6.4" << "> 6.4" << kGreen;
        QTest::newRow("no data") << 2 << "" << "--" << "--" << kNoDataGrey;
        // clang-format on
    }

    void mainReservoir()
    {
        QFETCH(int, state);
        QFETCH(QString, sign);
        QFETCH(QString, value);
        QFETCH(QString, ddu);
        QFETCH(QRgb, colour);
        auto w = makeWindow();
        SignalStore s = running();
        s.MVB_DDU_MR = state;
        tick(*w, s);
        QCOMPARE(get(*w, "mr_sign")->text(), sign);
        QCOMPARE(get(*w, "mr_val")->text(), value);
        QCOMPARE(get(*w, "lddu_mr_val")->text(), ddu);
        QCOMPARE(textColour(get(*w, "mr_val")), rgbText(colour));
    }

    // ------------------------------------------------------------ lamps, brakes, protections

    // Lamps, pantograph, breaker, brakes and the legends of the protections:
    // each follows its own signal, on, off or without data. The DDU layout
    // shows "ddu_" + the state picture (the parking and emergency lamps: of a
    // brake). Legends are red when raised, antispin and vigilance yellow.
    void indicators_data()
    {
        QTest::addColumn<int>("which");
        QTest::addColumn<int>("state");
        QTest::addColumn<QStringList>("looks"); // "widget=picture file" or "widget=rgb(text colour)"
        const char* lamps[8] = {"lsdj", "bppb", "bpcs", "lsp", "lsvw", "lsfi", "bpfa", "emg"};
        const char* lit[8] = {"red", "red", "green", "yellow", "yellow", "red", "yellow", "red"};
        const char* brake[3] = {"brake_released", "brake_applied", "brake_nomvb"};
        const QString legend[3] = {rgbText(kInactive), rgbText(kRed), rgbText(kNoMvbText)};
        // The DDU lamp legends: unknown in the no-data grey (a dashed frame).
        auto legendOf = [&legend](int state) { return state == 2 ? rgbText(kNoDataGrey) : legend[state]; };
        for (int i = 0; i < 8; ++i)
            for (int state = 0; state < 3; ++state) {
                const char* led = state == 1 ? lit[i] : state == 0 ? "grey" : "nomvb";
                QStringList looks{QStringLiteral("%1_led=led_big_%2.png").arg(lamps[i], led)};
                if (i == 1 || i == 7)
                    looks << QStringLiteral("lddu_%1_img=ddu_%2.png").arg(i == 1 ? "parkbrk" : "emgbrk", brake[state]);
                if (i == 4)
                    looks << QStringLiteral("lddu_vigilance_txt=") + (state == 1 ? rgbText(kYellow) : legendOf(state));
                QTest::addRow("%s %d", lamps[i], state) << i << state << looks;
            }
        const char* pictures[4][2] = {{"panto", "lddu_panto_img"},
                                      {"vcb", "lddu_vcb_img"},
                                      {"loco_brake", "lddu_locobrk_img"},
                                      {"auto_brake", "lddu_autobrk_img"}};
        const char* stems[4][3] = {{"panto_down", "panto_up", "panto_nomvb"},
                                   {"vcb_open", "vcb_close", "vcb_nomvb"},
                                   {brake[0], brake[1], brake[2]},
                                   {brake[0], brake[1], brake[2]}};
        for (int i = 0; i < 4; ++i)
            for (int state = 0; state < 3; ++state)
                QTest::addRow("%s %d", pictures[i][0], state)
                    << 8 + i << state
                    << QStringList{QStringLiteral("%1=%2.png").arg(pictures[i][0], stems[i][state]),
                                   QStringLiteral("%1=ddu_%2.png").arg(pictures[i][1], stems[i][state])};
        // clang-format off
        const QStringList legends[5] = {{"oc_primary", "lddu_ocpri1", "lddu_ocpri2"},
                                        {"ef_auxiliary", "lddu_efaux1", "lddu_efaux2"},
                                        {"ef_power", "lddu_efpow1", "lddu_efpow2"},
                                        {"ef_control", "lddu_efcontrl1", "lddu_efcontrl2"}, {"lddu_antispin_txt"}};
        // clang-format on
        for (int i = 0; i < 5; ++i)
            for (int state = 0; state < 3; ++state) {
                QStringList looks;
                const QString own = state == 1 && i == 4 ? rgbText(kYellow) : i == 4 ? legendOf(state) : legend[state];
                for (int k = 0; k < 5; ++k) // the other legends stay as they were
                    for (const QString& n : legends[k])
                        looks << n + QLatin1Char('=') + (k == i ? own : legend[0]);
                QTest::addRow("%s %d", qPrintable(legends[i][0]), state) << 12 + i << state << looks;
            }
    }

    void indicators()
    {
        QFETCH(int, which);
        QFETCH(int, state);
        QFETCH(QStringList, looks);
        auto w = makeWindow();
        SignalStore s = running();
        // clang-format off
        int* states[17] = {&s.MVB_DDU_LSDJ, &s.MVB_DDU_BPPB, &s.MVB_DDU_BPCS, &s.MVB_DDU_LSP, &s.MVB_DDU_LSVW,
                           &s.MVB_DDU_LSFI, &s.MVB_DDU_BPFA, &s.MVB_DDU_EMG, &s.MVB_DDU_Panto, &s.MVB_DDU_VCB,
                           &s.MVB_DDU_Loco_Break, &s.MVB_DDU_Auto_Break, &s.MVB_DDU_Primary_Over_Current,
                           &s.MVB_DDU_Earth_Fault_Auxiliary, &s.MVB_DDU_Earth_Fault_Power,
                           &s.MVB_DDU_Earth_Fault_Control, &s.MVB_DDU_Antispin};
        // clang-format on
        *states[which] = 1 - (state == 1); // a different state first: the row's state is a change
        tick(*w, s);
        *states[which] = state;
        tick(*w, s);
        for (const QString& look : looks) {
            QWidget* x = w->W(look.section(QLatin1Char('='), 0, 0));
            const QString want = look.section(QLatin1Char('='), 1);
            QVERIFY2((want.startsWith(QLatin1String("rgb(")) ? textColour(x) : fileOf(x)) == want, qPrintable(look));
        }
        if (which == 2 || which == 3) { // the BPCS and LSP legends of the DDU layout
            const QString legend = QLatin1String(which == 2 ? "BPCS" : "LSP");
            QLabel* text = which == 2 ? get(*w, "lddu_bpcs_txt") : get(*w, "lddu_lsp_txt");
            QCOMPARE(text->text(), state == 1 ? legend + QLatin1String(" ON") : legend);
            QCOMPARE(textColour(text),
                     rgbText(state == 2       ? kNoDataGrey
                                 : state == 0 ? kLampLegendOff
                                 : which == 2 ? kGreen
                                              : kYellow));
            QCOMPARE(text->styleSheet().contains(QLatin1String("dashed")), state == 2); // unknown is not unlit
        }
        if (which == 10) { // the brake cylinder text follows the loco brake
            const QString texts[3] = {QStringLiteral("RELEASED"), QStringLiteral("APPLIED"), QStringLiteral("--")};
            const QRgb colours[3] = {kGreen, kRed, kNoDataGrey};
            QCOMPARE(get(*w, "lddu_bc_val")->text(), texts[state]);
            QCOMPARE(textColour(get(*w, "lddu_bc_val")), rgbText(colours[state]));
        }
        // A colour change keeps the legends' sizes.
        QVERIFY(get(*w, "oc_primary")->styleSheet().contains(QLatin1String("21pt")));
        QVERIFY(get(*w, "lddu_ocpri1")->styleSheet().contains(QLatin1String("28pt")));
        QVERIFY(get(*w, "lddu_ocpri2")->styleSheet().contains(QLatin1String("16pt")));
    }

    void lampsLieUnderTheOtherWidgets()
    {
        auto w = makeWindow();
        QWidget* led = get(*w, "bpcs_led");
        led->raise();
        tick(*w, running());
        const QObjectList& children = led->parentWidget()->children();
        for (const char* n :
             {"lsdj_led", "bppb_led", "bpcs_led", "lsp_led", "lsvw_led", "lsfi_led", "bpfa_led", "emg_led"})
            QVERIFY2(children.indexOf(w->W(QLatin1String(n))) < 8, n);
    }

    // ------------------------------------------------------------ converters, motors, direction, cab

    void convertersAndMotors()
    {
        auto w = makeWindow();
        SignalStore s = running();
        s.LineConverter2_status_SLG2 = 0;
        s.MVB_DDU_MotorMaster_Status[4] = 0;
        tick(*w, s);
        expectShown(*w, true, {"loco_inverter_circle3", "loco_inverter_circle6"});
        expectImages(*w,
                     {{"loco_inverter1", "Img_Inv_green.png"},
                      {"loco_inverter4", "Img_Inv_red.png"},
                      {"loco_inverter_circle3", "Img_Inv_grncircle3.png"},
                      {"loco_inverter_circle5", "Img_Inv_redcircle5.png"},
                      {"loco_inverter_circle6", "Img_Inv_grncircle6.png"}});

        // Bo-Bo: four motors, circles 3 and 6 hidden.
        s.CoCo_bogie_chasis = 0;
        s.MVB_DDU_MotorMaster_Status[0] = 0;
        tick(*w, s);
        expectShown(*w, false, {"loco_inverter_circle3", "loco_inverter_circle6"});
        QVERIFY(shown(*w, "loco_inverter_circle4"));
        expectImages(*w, {{"loco_inverter_circle1", "Img_Inv_redcircle1.png"}});

        // The rear-end detection alone also means six motors.
        s.CoCo_bogie_chasisR = 1;
        tick(*w, s);
        expectShown(*w, true, {"loco_inverter_circle3", "loco_inverter_circle6"});

        // Their port stale: the decoding makes them unknown (2), drawn grey,
        // not red as if they had stopped.
        const SignalStore known = s;
        s.LineConverter1_status_SLG1 = s.LineConverter2_status_SLG2 = 2;
        std::fill(std::begin(s.MVB_DDU_MotorMaster_Status), std::end(s.MVB_DDU_MotorMaster_Status), 2);
        tick(*w, s);
        expectImages(*w,
                     {{"loco_inverter1", "Img_Inv_grey.png"},
                      {"loco_inverter4", "Img_Inv_grey.png"},
                      {"loco_inverter_circle2", "Img_Inv_greycircle2.png"},
                      {"loco_inverter_circle6", "Img_Inv_greycircle6.png"}});
        s = known;
        tick(*w, s);
        expectImages(*w,
                     {{"loco_inverter1", "Img_Inv_green.png"}, {"loco_inverter_circle2", "Img_Inv_grncircle2.png"}});
    }

    // Direction pictures and active cab in both layouts.
    void directionAndCab_data()
    {
        QTest::addColumn<int>("dir");
        QTest::addColumn<QString>("rms");
        QTest::addColumn<int>("cab");
        QTest::addColumn<QString>("text");
        QTest::newRow("cab 1 forward") << 1 << "forward.png" << 1 << "1";
        QTest::newRow("cab 2 reverse") << 2 << "reverse.png" << 2 << "2";
        QTest::newRow("no cab, no direction") << 0 << "" << 0 << "";
        QTest::newRow("undetermined cab") << 1 << "forward.png" << 3 << "?";
        QTest::newRow("direction not known") << 3 << "direction_nomvb.png" << 3 << "?";
    }

    void directionAndCab()
    {
        QFETCH(int, dir);
        QFETCH(QString, rms);
        QFETCH(int, cab);
        QFETCH(QString, text);
        auto w = makeWindow();
        SignalStore s = running();
        s.MVB_DDU_Direction = dir == 1 ? 2 : 1; // a different direction first: the row's is a change
        tick(*w, s);
        s.MVB_DDU_Direction = dir;
        s.MVB_DDU_Cab_Active = cab;
        tick(*w, s);
        QCOMPARE(shown(*w, "direction"), dir != 0);
        QCOMPARE(shown(*w, "lddu_loco_dir_img"), dir != 0);
        if (dir != 0) {
            QCOMPARE(fileOf(get(*w, "direction")), rms);
            QCOMPARE(fileOf(get(*w, "lddu_loco_dir_img")), QStringLiteral("ddu_") + rms);
        }
        QCOMPARE(get(*w, "loco_cabval")->text(), text);
        QCOMPARE(get(*w, "lddu_loco_cabval")->text(), text);
    }

    // ------------------------------------------------------------ loco number, pictograms, second loco

    void speedThresholdFromLocoNumber_data()
    {
        QTest::addColumn<QString>("number");
        QTest::addColumn<int>("threshold");
        const std::pair<const char*, int> rows[] = {{"31000", 140}, {"31001", 100}, {"33999", 100},
                                                    {"34000", 140}, {"30200", 140}, {"30201", 130},
                                                    {"30999", 130}, {"30150", 140}, {"????", 140}};
        for (const auto& [number, threshold] : rows)
            QTest::newRow(number) << QString::fromLatin1(number) << threshold;
    }

    void speedThresholdFromLocoNumber()
    {
        QFETCH(QString, number);
        QFETCH(int, threshold);
        QCOMPARE(speedThreshold(number), threshold);
        auto w = makeWindow();
        SignalStore s = running();
        s.MVB_DDU_Loco_NO_String = number;
        tick(*w, s);
        QCOMPARE(get<QGauge>(*w, "gaugeWidget_4")->threshold(), double(threshold));
        QCOMPARE(get<QGauge>(*w, "gaugeddu_speedo")->threshold(), double(threshold));
    }

    void locoPictograms_data()
    {
        QTest::addColumn<int>("iso");
        QTest::addColumn<QString>("type");
        QTest::addColumn<QString>("rms");
        QTest::addColumn<QString>("ddu");
        // clang-format off
        QTest::newRow("WAG9 normal") << 0 << "WAG9" << "rms_green_yellow_3w.png" << "ddu_green_yellow_3w.png";
        QTest::newRow("WAP7 normal") << 0 << "WAP7" << "rms_white_red_3w.png" << "ddu_white_red_3w.png";
        QTest::newRow("WAP5 normal") << 0 << "WAP5" << "rms_white_red_2w.png" << "ddu_white_red_2w.png";
        QTest::newRow("WAG9 isolated") << 1 << "WAG9" << "rms_red_red_3w.png" << "ddu_red_red_3w.png";
        QTest::newRow("WAP7 isolated") << 1 << "WAP7" << "rms_red_red_3w.png" << "ddu_red_red_3w.png";
        QTest::newRow("WAP5 isolated") << 1 << "WAP5" << "rms_red_red_2w.png" << "ddu_red_red_2w.png";
        QTest::newRow("no data") << 2 << "WAG9" << "rms_loco_grey.png" << "ddu_loco_grey.png";
        // clang-format on
    }

    void locoPictograms()
    {
        QFETCH(int, iso);
        QFETCH(QString, type);
        QFETCH(QString, rms);
        QFETCH(QString, ddu);
        auto w = makeWindow();
        SignalStore s = running();
        s.MVB_DDU_Loco_ISO_Status = iso;
        s.MVB_DDU_Loco_Type_String = type;
        tick(*w, s);
        QCOMPARE(fileOf(get<QAbstractButton>(*w, "loco_diag")), rms);
        QCOMPARE(fileOf(get(*w, "lddu_loco_img")), ddu);
        QCOMPARE(get(*w, "loco_type")->text(), type);
    }

    void secondLoco()
    {
        auto w = makeWindow();
        SignalStore s = running();
        tick(*w, s);
        const auto loco2 = {"loco_diag_2", "loco_numb_2", "slvnodeval", "nodeslv", "direction_2"};
        expectShown(*w, false, loco2);

        s.multiOpMode_slave1_active = 1;
        s.MVB_DDU_Loco2_NO_String = QStringLiteral("31029");
        s.MVB_DDU_Direction_2 = 2;
        s.MVB_DDU_Loco_ISO2_Status = 1;
        tick(*w, s);
        expectShown(*w, true, loco2);
        QCOMPARE(get(*w, "loco_numb_2")->text(), QStringLiteral("31029"));
        QCOMPARE(get(*w, "slvnodeval")->text(), QStringLiteral("514"));
        expectImages(*w, {{"direction_2", "reverse.png"}, {"loco_diag_2", "rms_red_red_3w.png"}});

        // Uncoupled: every widget of the second loco goes, its direction too.
        s.multiOpMode_slave1_active = 0;
        tick(*w, s);
        expectShown(*w, false, loco2);

        // Coupled again with the same loco: its number is written again.
        get(*w, "loco_numb_2")->setText(QStringLiteral("stale"));
        s.multiOpMode_slave1_active = 1;
        tick(*w, s);
        QCOMPARE(get(*w, "loco_numb_2")->text(), QStringLiteral("31029"));
        expectShown(*w, true, {"loco_diag_2", "direction_2"});
    }

    // ------------------------------------------------------------ subsystem strips

    void subsystemStrips_data()
    {
        QTest::addColumn<int>("strip"); // 0 RMS (loco 1), 1 DDU loco 1, 2 DDU loco 2
        QTest::addColumn<int>("code");
        QTest::addColumn<QRgb>("background");
        QTest::addColumn<QRgb>("text");
        const QRgb black = qRgb(0, 0, 0), dduText = qRgb(0xa3, 0xa3, 0xa3);
        QTest::newRow("rms 0") << 0 << 0 << qRgb(0x00, 0x50, 0x06) << black;
        QTest::newRow("rms 1 red") << 0 << 1 << qRgb(0x54, 0x04, 0x04) << black;
        QTest::newRow("rms 2") << 0 << 2 << qRgb(0x66, 0x66, 0x00) << black;
        QTest::newRow("rms 4") << 0 << 4 << black << kNoDataGrey;
        QTest::newRow("rms 99") << 0 << 99 << qRgb(0x3f, 0x3f, 0x3f) << black;
        QTest::newRow("rms 3 unknown: no data") << 0 << 3 << qRgb(0x3f, 0x3f, 0x3f) << black;
        QTest::newRow("ddu loco 1: 0") << 1 << 0 << qRgb(0x00, 0x50, 0x06) << dduText;
        QTest::newRow("ddu loco 1: 1 red") << 1 << 1 << qRgb(0x54, 0x04, 0x04) << dduText;
        QTest::newRow("ddu loco 1: 2") << 1 << 2 << qRgb(0xe6, 0xe6, 0x00) << dduText;
        QTest::newRow("ddu loco 1: 4") << 1 << 4 << black << dduText;
        QTest::newRow("ddu loco 1: 99") << 1 << 99 << qRgb(0x3f, 0x3f, 0x3f) << dduText;
        QTest::newRow("ddu loco 2: 0") << 2 << 0 << qRgb(0x00, 0x50, 0x06) << dduText;
        QTest::newRow("ddu loco 2: 1 black") << 2 << 1 << black << dduText;
        QTest::newRow("ddu loco 2: 2") << 2 << 2 << qRgb(0x54, 0x04, 0x04) << dduText;
        QTest::newRow("ddu loco 2: 3") << 2 << 3 << qRgb(0xe6, 0xe6, 0x00) << dduText;
        QTest::newRow("ddu loco 2: 4") << 2 << 4 << qRgb(0x3f, 0x3f, 0x3f) << dduText;
        QTest::newRow("ddu loco 2: 99 unknown: no data") << 2 << 99 << qRgb(0x3f, 0x3f, 0x3f) << dduText;
        QTest::newRow("ddu loco 1: 3 unknown: no data") << 1 << 3 << qRgb(0x3f, 0x3f, 0x3f) << dduText;
    }

    void subsystemStrips()
    {
        QFETCH(int, strip);
        QFETCH(int, code);
        QFETCH(QRgb, background);
        QFETCH(QRgb, text);
        auto w = makeWindow();
        if (strip != 0) {
            w->on_screen_toggle_clicked(); // the DDU strip is refreshed in the DDU layout
            w->subsystems->loco_subsys = strip;
        }
        SignalStore s = running();
        tick(*w, s); // every cell drawn first: the row's code is a change
        (strip == 2 ? s.MVB_DDU_LOCO2_SUB_System : s.MVB_DDU_LOCO_SUB_System)[6] = code;
        tick(*w, s);
        auto* t = get<QTableWidget>(*w, strip == 0 ? "homesub_table" : "ddu_subsys_table");
        QTableWidgetItem* item = strip == 0 ? t->item(1, 1) : t->item(0, 6);
        QVERIFY(item);
        QCOMPARE(item->text(), strip == 0 ? QStringLiteral("07") : QStringLiteral("SS07"));
        QCOMPARE(item->background().color().rgb(), background);
        QCOMPARE(item->foreground().color().rgb(), text);
    }

    // ------------------------------------------------------------ toggle and overview

    // The layout toggle shows only while it has the focus; Enter on it
    // switches the layout.
    void toggleShowsOnlyWhileFocused()
    {
        auto w = makeWindow();
        tick(*w, running());
        for (int i = 0; i < 5; ++i) {
            w->feedKeypad(QByteArrayLiteral("$,09,"));
            tick(*w, running());
        }
        QCOMPARE(w->key_press_count, 5);
        QVERIFY(shown(*w, "screen_toggle"));
        QVERIFY(showsIcon(get<QAbstractButton>(*w, "screen_toggle"), Dir_ddu_img_ToggleRMS));
        for (const char* n : {"direction", "lddu_loco_dir_img", "lddu_loco_img", "panto"})
            get(*w, n)->setProperty("image", QString());
        get<QAbstractButton>(*w, "loco_diag")->setProperty("image", QString());
        w->feedKeypad(QByteArrayLiteral("$,10,")); // Enter: switch the layout
        tick(*w, running());
        QCOMPARE(w->screen_toggle, 1);
        QVERIFY(w->W(QStringLiteral("Gmainwindow_ddu"))->isVisible());
        QVERIFY(showsIcon(get<QAbstractButton>(*w, "screen_toggle"), Dir_ddu_img_ToggleDDU));
        tick(*w, running());
        QVERIFY(!shown(*w, "screen_toggle")); // focus back on "home"
        // The switch redraws direction and pictograms; the pantograph is not reset by it: not redrawn.
        // clang-format off
        expectImages(*w, {{"lddu_loco_dir_img", "ddu_forward.png"}, {"direction", "forward.png"},
                          {"lddu_loco_img", "ddu_green_yellow_3w.png"}, {"loco_diag", "rms_green_yellow_3w.png"},
                          {"panto", ""}});
        // clang-format on
        w->on_screen_toggle_clicked();
        QCOMPARE(w->screen_toggle, 0);
        QVERIFY(!w->W(QStringLiteral("Gmainwindow_ddu"))->isVisible());

        // The display type without the second layout never shows the toggle.
        w.reset();
        auto type3 = makeWindow();
        type3->configScreen->Selected_DDU_Type = 3;
        for (int i = 0; i < 5; ++i) {
            type3->feedKeypad(QByteArrayLiteral("$,09,"));
            tick(*type3, running());
            QVERIFY(!shown(*type3, "screen_toggle"));
        }
    }

    void dduLayoutWithAFaultPresent()
    {
        auto w = makeWindow();
        w->faultScreen->DDU_Loco_Fault_Present = true;
        w->on_screen_toggle_clicked();
        auto* toggle = get<QAbstractButton>(*w, "screen_toggle");
        QVERIFY(!toggle->isEnabled());
        QVERIFY(showsIcon(toggle, Dir_ddu_img_Toggle));
        QVERIFY(shown(*w, "fault_button"));
        QVERIFY(!shown(*w, "info_button"));

        // The message goes: Home in the DDU layout enables the toggle again.
        w->faultScreen->DDU_Loco_Fault_Present = false;
        w->on_home_clicked();
        QVERIFY(toggle->isEnabled());
        QVERIFY(showsIcon(toggle, Dir_ddu_img_ToggleDDU));
        QVERIFY(!shown(*w, "fault_button"));
    }

    void subsystemOverview()
    {
        auto w = makeWindow();
        tick(*w, running());
        w->subsystems->on_homesub_table_cellClicked(2, 3);
        QWidget* g = w->W(QStringLiteral("Gsub_system"));
        QVERIFY(g->isVisible());
        QVERIFY(!shown(*w, "t_browseloco"));
        QCOMPARE(get(*w, "subsys_locono")->text(), QStringLiteral("LOCO 1"));
        QCOMPARE(w->screen_id, screen::Home);

        w->subsystems->on_loco_diag_2_clicked();
        QCOMPARE(w->subsystems->loco_subsys, 2);
        QCOMPARE(w->screen_id, screen::HomeSubsystems);
        QCOMPARE(w->screen_id_old, screen::HomeSubsystems);
        QCOMPARE(get(*w, "subsys_locono")->text(), QStringLiteral("LOCO 2"));

        // A touch on the loco 1 pictogram reaches the same place.
        w->on_home_clicked();
        w->touch.key_pressure = 0;
        w->Touch_Screen_Connect(80, 645);
        QCOMPARE(w->subsystems->loco_subsys, 1);
        QCOMPARE(w->screen_id, screen::HomeSubsystems);
        QVERIFY(g->isVisible());
    }
};

QTEST_MAIN(TestHome)
#include "tst_home.moc"
