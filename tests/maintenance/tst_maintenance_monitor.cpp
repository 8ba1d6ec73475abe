// The variable monitor against the simulator's vehicle model, over a real
// pseudo-terminal: every signal of the descriptor we ship, picked as a
// maintainer picks it (descriptor row, signal set entry, hand-over), shows
// the value the vehicle model publishes; a stale port shows unknown; signals
// of the cycle's ports cost no extra transaction on the line.

#include <QtTest>

#include <cmath>

#include "acquisition/mvb_thread.h"
#include "maintenance/logic/descriptor.h"
#include "maintenance/logic/micview_set.h"
#include "maintenance/logic/port_list.h"
#include "mvb/mvb_log.h"
#include "mvb/mvblpi.h"
#include "mvb/mvbspc.h"
#include "sim/mvb_controller_emulator.h"
#include "sim/pty_server.h"
#include "sim/signal_encoding.h"
#include "sim/vehicle_model.h"

namespace {

void quiet(const char*, void*) { }

// The number in a monitor text ("87.5 %" -> 87.5, "3C" -> 60 for a byte).
double shown(const QString& text, const QString& type)
{
    if (type == QLatin1String("BYTE"))
        return text.toInt(nullptr, 16);
    return text.section(QLatin1Char(' '), 0, 0).toDouble();
}

// What the monitor must show for a published value, and how close.
struct Expect {
    double value;
    double tolerance;
};

Expect expected(const sim::SignalInfo& info, double value, const QString& type)
{
    if (type == QLatin1String("ANALOG")) {
        // The physical value, to the word's step and the places shown.
        const bool scaled =
            info.encoding == sim::SignalEncoding::Scaled || info.encoding == sim::SignalEncoding::SignedScaled;
        const double factor = scaled ? info.factor : 100.0;
        const micview::Reading r = micview::readingOf(info.name);
        return {value, factor / 4096.0 + 0.5 * std::pow(10.0, -r.decimals)};
    }
    if (type == QLatin1String("GANZOHNE"))
        return {double(quint16(qint64(value))), 0.0};
    return {value, 0.0};
}

struct Rig {
    sim::MvbControllerEmulator emulator;
    sim::VehicleModel model{emulator};
    sim::PtyServer server{emulator};
    BusExchange exchange;
    std::unique_ptr<Mvb_Thread> thread;
    QVector<portlist::Port> ports;

    bool start()
    {
        if (!server.start())
            return false;
        qputenv("DDU_MVB_DEVICE", server.slavePath().toLocal8Bit());
        mvb_setLogSink(quiet, nullptr);
        siu_closePort();
        lp_resetState();
        exchange.requests.Selected_CAB_Type = 1;
        thread = std::make_unique<Mvb_Thread>(exchange);
        model.advance(70000); // traction: speed, effort and currents above 0
        ports = portlist::loadPorts(qEnvironmentVariable("DDU_SOURCE_DIR") + "/data/master/zav_port.xml").ports;
        if (!thread->bringUp())
            return false;
        // The first pass configures the ports; passes go on until their data
        // are in (the loco number of the cycle's ports), however slow the
        // machine.
        return QTest::qWaitFor(
            [this] {
                thread->runPass();
                return exchange.snapshot().MVB_DDU_Loco_NO_String == QLatin1String("31028");
            },
            20000);
    }
    ~Rig() { siu_closePort(); }

    // One pass monitoring `rows`; returns the store published.
    SignalStore monitor(const QVector<descriptor::Row>& rows)
    {
        ViewerSelection sel;
        portlist::fillSelection(ports, sel);
        sel.DDU_Micview_Start = 1;
        sel.DDU_Micview_Data_Count = rows.size();
        for (int i = 0; i < rows.size(); ++i)
            sel.DDU_Micview_Details[i] = micview::fetchOf(micview::entryOf(rows[i]), ports).details;
        exchange.setSelection(sel);
        thread->runPass();
        return exchange.snapshot();
    }
};

const descriptor::Row* find(const QVector<descriptor::Row>& rows, const char* name)
{
    for (const descriptor::Row& r : rows)
        if (r[descriptor::SignalName] == QLatin1String(name))
            return &r;
    return nullptr;
}

} // namespace

class TestMaintenanceMonitor : public QObject {
    Q_OBJECT

private slots:
    // Each kind of signal in its own unit and scale: a speed in km/h, the line
    // voltage in kV (never "87.5 %" or "251.001 %"), signed efforts in per
    // cent, energy counters with their unit, flags and bytes as they are, and
    // a name the port map does not know as its type alone.
    void unitsPerSignalType_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("type");
        QTest::addColumn<int>("value");
        QTest::addColumn<QString>("text");
        QTest::newRow("speed") << "FLG1_D50_XSpeedLoco"
                               << "ANALOG" << 3584 << "87.5 km/h";
        QTest::newRow("line voltage") << "FLG1_D21_XUprim"
                                      << "ANALOG" << 10281 << "25.1 kV";
        QTest::newRow("primary current, masked") << "FLG1_D21_XIprim"
                                                 << "ANALOG" << 0xE200 << "125 A";
        QTest::newRow("battery") << "FLG2_D21_XU_Battery"
                                 << "ANALOG" << 4506 << "110.0 V";
        QTest::newRow("brake pipe") << "FLG1_D45_XPrAutoBkLn"
                                    << "ANALOG" << 2048 << "5.00 bar";
        QTest::newRow("motor temperature") << "SLG1_D88_XTempMotor1"
                                           << "ANALOG" << 2867 << "70.0 °C";
        QTest::newRow("braking effort") << "FLG1_D46_XTE_BE_Loco"
                                        << "ANALOG" << 0xF800 << "-50.0 %";
        QTest::newRow("input power") << "SLG1_D04_XPN"
                                     << "ANALOG" << 0x0800 << "5000 kW";
        QTest::newRow("energy counter") << "FLG1_D56_XEnergKWh_"
                                        << "GANZOHNE" << 1234 << "1234 kWh";
        QTest::newRow("loco number") << "FLG1_D00_MLocoNum1"
                                     << "GANZOHNE" << 31028 << "31028";
        QTest::newRow("flag") << "FLG1_D13_MVCB_On"
                              << "BIT" << 1 << "1";
        QTest::newRow("byte") << "FLG1_D54_BSubS01_Off"
                              << "BYTE" << 0x3C << "3C";
        QTest::newRow("word") << "FLG1_D54_BSubS01_Off"
                              << "WORD" << 0x3C << "003C";
        QTest::newRow("unknown name") << "XYZ1_D00_Unknown"
                                      << "ANALOG" << 0x0800 << "50 %";
    }
    void unitsPerSignalType()
    {
        QFETCH(QString, name);
        QFETCH(QString, type);
        QFETCH(int, value);
        QFETCH(QString, text);
        micview::Entry e;
        e.name = name;
        e.type = type;
        const DDU_Micview_Details_struct d = micview::fetchOf(e, {}).details;
        QCOMPARE(Mvb_Thread::micviewText(value, d, QStringLiteral("previous")), text);
    }

    void everySignalShowsThePublishedValue()
    {
        Rig rig;
        QVERIFY(rig.start());
        const QVector<descriptor::Row> rows = descriptor::parseDescriptor(descriptor::generate()).rows;
        int nonZero = 0;
        for (int first = 0; first < rows.size(); first += micview::kMaxEntries) {
            const QVector<descriptor::Row> batch = rows.mid(first, micview::kMaxEntries);
            const SignalStore s = rig.monitor(batch);
            for (int i = 0; i < batch.size(); ++i) {
                const QString name = batch[i][descriptor::SignalName];
                const QString type = batch[i][descriptor::Type];
                const sim::SignalInfo* info = sim::findSignal(name);
                QVERIFY2(info, qPrintable(name));
                const double value = sim::decodeSignal(*info, rig.emulator.publishedDataset(info->port));
                const Expect want = expected(*info, value, type);
                const double got = shown(s.DDU_Micview_Data[i], type);
                QVERIFY2(std::abs(got - want.value) <= want.tolerance + 1e-9,
                         qPrintable(QStringLiteral("%1 (%2): shows \"%3\", published %4")
                                        .arg(name, type, s.DDU_Micview_Data[i])
                                        .arg(value)));
                nonZero += value != 0.0;
            }
        }
        QVERIFY(nonZero > 100); // a moving locomotive, not a port of zeros
    }

    // A signal of a port that stops being published reads unknown.
    void stalePortReadsUnknown()
    {
        Rig rig;
        QVERIFY(rig.start());
        const QVector<descriptor::Row> rows = descriptor::parseDescriptor(descriptor::generate()).rows;
        const descriptor::Row* speed = find(rows, "FLG1_D50_XSpeedLoco");
        QVERIFY(speed);
        QVERIFY(rig.monitor({*speed}).DDU_Micview_Data[0].endsWith(" km/h"));
        rig.emulator.setStale(3110, true);
        QCOMPARE(rig.monitor({*speed}).DDU_Micview_Data[0], QStringLiteral("????"));
    }

    // Twenty signals of the cycle's ports add nothing to the line: the monitor
    // takes the words the cycle read, and so does the freshness of the
    // listed ports. A port outside the cycle is read once a pass, however
    // many of its signals are monitored.
    void monitorReadsNoPortTwice()
    {
        Rig rig;
        QVERIFY(rig.start());
        const QVector<descriptor::Row> rows = descriptor::parseDescriptor(descriptor::generate()).rows;
        const QVector<portlist::Port> shipped = rig.ports;
        rig.ports.clear();
        rig.monitor({});
        rig.emulator.resetCounters();
        rig.monitor({});
        const auto bare = rig.emulator.counters();
        rig.ports = shipped;
        rig.ports.removeIf([](const portlist::Port& p) { return p.telegram == 3201; }); // outside cab 1's cycle
        rig.emulator.resetCounters();
        rig.monitor({});
        QCOMPARE(rig.emulator.counters().transactions, bare.transactions);
        rig.ports = shipped;

        rig.monitor({});
        rig.emulator.resetCounters();
        rig.monitor({});
        const auto plain = rig.emulator.counters();
        rig.emulator.resetCounters();
        rig.monitor(rows.mid(100, 20));
        const auto monitored = rig.emulator.counters();
        QCOMPARE(monitored.bytesIn + monitored.bytesOut, plain.bytesIn + plain.bytesOut);

        rig.emulator.publish(1234, QVector<quint16>(16, 0x00A5));
        rig.ports.append({1234, 0, 4});
        descriptor::Row own = rows[0];
        own.cells[descriptor::Port] = QStringLiteral("1234");
        own.cells[descriptor::Type] = QStringLiteral("BYTE");
        // The first pass configures the port; passes go on until its data are in.
        QVERIFY(QTest::qWaitFor(
            [&] {
                const QString shown = rig.monitor({own}).DDU_Micview_Data[0];
                return !shown.isEmpty() && shown != QLatin1String("????");
            },
            20000));
        rig.emulator.resetCounters();
        rig.monitor({own});
        const auto once = rig.emulator.counters();
        rig.emulator.resetCounters();
        const SignalStore s = rig.monitor({own, own, own});
        QCOMPARE(s.DDU_Micview_Data[2], QStringLiteral("00")); // byte 0: the high byte
        QVERIFY(once.reads > plain.reads);
        QCOMPARE(rig.emulator.counters().reads, once.reads);
    }
};

QTEST_MAIN(TestMaintenanceMonitor)
#include "tst_maintenance_monitor.moc"
