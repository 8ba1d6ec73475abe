#pragma once
// Vehicle model of the cab simulator: a three-phase electric locomotive (a
// WAG9, number 31028, hauling a train) whose processors publish every port
// the display reads, with values that follow a plausible run:
//
//   parked (pan down, VCB open, parking brake on)
//   -> pantograph raising -> pan up (25 kV) -> VCB closed (auxiliaries start,
//   compressors fill the main reservoir, reverser forward, parking brake off)
//   -> traction (notch-up to 90 % effort, power-limited at 6000 kW, 0 to
//   100 km/h in about a minute and a half) -> cruising at 100 km/h (constant
//   speed control) -> braking (regenerative effort -60 %, brake pipe reduced
//   to 4.3 kg/cm2, loco brake below 10 km/h) -> stopped (brake pipe recharged)
//   -> shutdown (VCB open, pan down) -> parked again, and so on.
//
// Clock. The model has its own clock in milliseconds of model time. advance(ms)
// moves it (in steps of at most 100 ms) and then publishes every port once;
// tick(realMs) advances by realMs x time scale (ddu-sim calls it from a
// 100 ms timer). pause() freezes the model's clock: publication goes on (the
// processors' life signs keep counting), nothing else moves. Tests drive the
// model with advance() and never wait.
//
// What it publishes (port words encoded from named signals of the port map,
// sim/signal_encoding.h): every port of the first part of the display's
// cycle; the DDS window (2650); the remote I/O ports RIOM1/RIOM2 (2510/2610,
// 2520/2620) and BRIO1/BRIO2 (2500/2501, 2502/2503); and, standing in for the
// display units of both cabs, the output ports 3015 and 3201 (the emulator
// transfers a dataset only into the ports the display configured as sinks,
// so the display's own output port is never overwritten). Every life sign
// (1000, 1500, 1100, 1600, 1200, 1700) counts up at each publication.
//
// The display's output port (3015 from the cab 1 unit, 3201 from cab 2) is
// read through the emulator's source listener (attachToEmulator()); each
// request is reacted to on its rising edge: word 0 bit 8 acknowledges the
// message shown (the diagnosis processor then withdraws it; the model prints
// "ack on <port>" when the bit rises and "ack off <port>" when it falls, so
// that a person or a test can watch the acknowledge), bits 9/10/11/12
// page the DDS window up/down/to the top/to the bottom, word 1 is the screen
// shown (15 = inching screen, which makes the active cab's diagnosis
// processor report the inching screen active), word 2 bits 8/9 step the
// inching set speed up/down by 0.5 km/h (0 .. 10 km/h) while it is active.
//
// Scenarios: none (publishes nothing of its own: only words set by commands),
// run (the loop above), standstill (parked for ever; after ten minutes with
// the pan down the diagnosis processor reports 10903), stale (the run, and
// after a while a set of ports stops being published: by default the FLG1
// ports after 20 s), multi (the run with a second loco in multiple
// operation), demo (the run with a fault and information messages early on).
//
// Overrides: a named signal (physical units) or a raw word set by a command
// replaces the model's value at every publication until released. A port can
// be silenced (no longer published: its freshness then grows in the
// emulator) and resumed.
//
// Thread safety: one internal mutex; the source listener runs on the pty
// thread, everything else on the thread that owns the model.

#include "sim/dds_log.h"
#include "sim/signal_encoding.h"

#include <QHash>
#include <QList>
#include <QMap>
#include <QSet>
#include <QString>
#include <QStringList>
#include <QVector>

#include <array>
#include <functional>
#include <mutex>
#include <optional>

namespace sim {

class MvbControllerEmulator;

enum class Scenario { None, Run, Standstill, Stale, Multi, Demo };
QString scenarioName(Scenario scenario);
std::optional<Scenario> parseScenario(const QString& name);
QStringList scenarioNames();

enum class Phase { Parked, PanRaising, PanUp, VcbClosed, Traction, Cruising, Braking, Stopped, Shutdown };
// "parked", "pan-raising", "pan-up", "vcb-closed", "traction", "cruising", "braking", "stopped", "shutdown"
QString phaseName(Phase phase);

enum class PanState { Down, Raising, Up };

struct VehicleState {
    qint64 timeMs = 0; // model time
    Scenario scenario = Scenario::Run;
    Phase phase = Phase::Parked;
    qint64 phaseMs = 0; // time in the phase
    int activeCab = 1;
    int direction = 0; // 0 neutral, 1 forward, 2 reverse
    bool multipleOperation = false;

    double speedKmh = 0.0;
    double odometerKm = 41235.0;
    double effortDemand = 0.0; // % of the maximum effort; braking negative
    double effortActual = 0.0; // %
    double throttle = 0.0;     // master controller angle, %

    double brakePipe = 5.0;     // kg/cm2
    double mainReservoir = 6.2; // kg/cm2
    bool compressors = false;
    bool locoBrake = true; // brake cylinders applied
    bool parkingBrake = true;

    PanState pan = PanState::Down;
    bool vcb = false;
    qint64 vcbClosedMs = 0;   // time since the VCB closed
    bool auxiliaries = false; // auxiliary converters running
    double uprimKv = 0.0;
    double iprimA = 0.0;
    double lineHz = 0.0;
    double inputPowerKw = 0.0; // both line converters; regenerating negative
    double batteryV = 106.0;
    int ventilation = 0; // 0..3

    double oilTransformerC = 48.0;
    double coolantConverterC = 42.0;
    std::array<double, 6> motorC{{61.0, 63.0, 60.0, 62.0, 64.0, 60.5}};

    double consumedKWh = 1234567.0;
    double regeneratedKWh = 345678.0;

    bool constantSpeed = false;
    bool wheelSlip = false;
    bool vigilanceWarning = false;
    bool powerReduced = false;

    quint16 message = 0;      // message number on the active cab's diagnosis port
    quint16 loco2Message = 0; // message number of the second loco (port 2610)
    int acknowledgements = 0; // acknowledge requests seen

    int presentScreen[2] = {0, 0}; // screen reported by the cab 1 / cab 2 display
    bool inchingActive = false;
    double inchingSetKmh = 1.0;

    quint16 lifeSign = 0;
    quint64 publications = 0;
};

class VehicleModel {
public:
    static constexpr int kStepMs = 100;
    static constexpr quint16 kLocoNumber = 31028;
    static constexpr quint16 kLoco2Number = 31029;
    static constexpr quint16 kOutputPortCab1 = 3015;
    static constexpr quint16 kOutputPortCab2 = 3201;

    struct Options {
        Scenario scenario = Scenario::Run;
        int activeCab = 1;           // 1 or 2
        QVector<quint16> stalePorts; // stale scenario; empty: the FLG1 ports
        qint64 staleAfterMs = 20000; // stale scenario: time until they go quiet
    };

    // The FLG1 ports that the stale scenario silences by default.
    static QVector<quint16> defaultStalePorts();

    explicit VehicleModel(MvbControllerEmulator& emulator);
    VehicleModel(MvbControllerEmulator& emulator, const Options& options);

    // Makes the emulator's source listener feed handleDisplayOutput().
    void attachToEmulator();

    // ---- clock ----
    void advance(qint64 modelMs);
    void tick(qint64 realMs);
    void setTimeScale(double factor);
    double timeScale() const;
    void pause();
    void resume();
    bool isPaused() const;
    qint64 timeMs() const;

    // Publishes every port from the current state (advance() does it too).
    void publish();

    // ---- scenario ----
    // Restarts the timeline with the given scenario: the loco is parked again,
    // counters (energy, odometer, life signs, DDS list) carry on.
    void setScenario(Scenario scenario);
    Scenario scenario() const;
    void setStalePorts(const QVector<quint16>& ports, qint64 afterMs);

    VehicleState state() const;
    // "vehicle time=12.3 scenario=run phase=traction speed=56.2 effort=90 pan=up vcb=on bp=5.0 message=0"
    QString summary() const;

    // ---- display output ----
    void handleDisplayOutput(quint16 port, const QVector<quint16>& words);
    // Where the lines about the display's output go ("ack on 3015", "ack off
    // 3015"): by default standard output, flushed at each line; an empty
    // printer drops them. Called on the thread that delivers the output (the
    // pty thread in ddu-sim), never with the model locked.
    using LinePrinter = std::function<void(const QString& line)>;
    void setLinePrinter(LinePrinter printer);

    // ---- messages ----
    // Publishes `number` on the diagnosis port of the active cab (0 clears it);
    // holdMs < 0 holds it until acknowledged or replaced.
    void raiseMessage(quint16 number, qint64 holdMs = -1);
    void raiseLoco2Message(quint16 number, qint64 holdMs = -1);

    // ---- DDS ----
    DdsLog ddsLog() const;
    enum class DdsPage { Up, Down, Top, Bottom };
    void pageDds(DdsPage page);

    // ---- overrides ----
    bool overrideSignal(const QString& name, double value, QString* error = nullptr);
    bool releaseSignal(const QString& name);
    void overrideWord(quint16 port, int word, quint16 value);
    bool releaseWord(quint16 port, int word);
    void releaseAll();
    QStringList overrides() const; // "FLG1_D50_XSpeedLoco=87.5", "3100.0=0x1234"

    void silencePort(quint16 port);
    void resumePort(quint16 port);
    QList<quint16> silentPorts() const;

    // Words of the latest publication of `port` (after overrides), empty if never built.
    QVector<quint16> portWords(quint16 port) const;
    // The physical value of a named signal in the latest publication.
    std::optional<double> signalValue(const QString& name) const;
    // Every port the model publishes, in publication order.
    QVector<quint16> modelPorts() const;

private:
    struct ScheduledMessage {
        Phase phase;
        qint64 atMs; // time in the phase
        quint16 number;
        qint64 holdMs; // < 0: until acknowledged
        bool loco2;
        quint16 followUp; // raised when this one is withdrawn (0: none)
        qint64 followUpHoldMs;
    };

    void resetTimelineLocked();
    void stepLocked(qint64 dtMs);
    void enterPhaseLocked(Phase phase);
    void updatePhaseLocked(double dt);
    void holdPhaseLocked();
    bool phaseOverLocked() const;
    void updateDynamicsLocked(double dt);
    void moveTrainLocked(double v, double dt);
    void updatePowerLocked(double dt);
    void updateAirLocked(double dt);
    void updateThermalLocked(double dt);
    void updateMessagesLocked(qint64 before, qint64 after);
    void withdrawMessageLocked();
    void refreshMessageFlagsLocked();
    void applyStaleScheduleLocked();
    QVector<ScheduledMessage> scheduleLocked() const;

    void raiseMessageLocked(quint16 number, qint64 holdMs, quint16 followUp = 0, qint64 followUpHoldMs = 0);
    void publishLocked();
    void publishPortsLocked(const QList<quint16>& ports);
    QSet<quint16> overriddenPortsLocked() const;
    void applyOverridesLocked(QHash<quint16, QVector<quint16>>& frame) const;
    // Returns the lines to print about what it saw.
    QStringList handleOutputLocked(int cab, const QVector<quint16>& words);

    MvbControllerEmulator& m_emulator;
    mutable std::mutex m_mutex;
    Options m_options;
    VehicleState m_state;
    DdsLog m_dds;

    double m_timeScale = 1.0;
    double m_tickCarry = 0.0;
    bool m_paused = false;
    qint64 m_scenarioMs = 0; // time since the scenario (re)started
    bool m_staleApplied = false;

    qint64 m_messageUntilMs = -1;
    quint16 m_followUp = 0;
    qint64 m_followUpHoldMs = 0;
    qint64 m_loco2MessageUntilMs = -1;
    qint64 m_wheelSlipUntilMs = 0;

    QVector<quint16> m_lastOutput[2]; // latest words of 3015 / 3201
    int m_ackWrites[2] = {0, 0};      // writes of 3015 / 3201 with the acknowledge bit up
    LinePrinter m_printLine;

    QMap<QString, double> m_signalOverrides;
    QMap<quint32, quint16> m_wordOverrides; // (port << 8 | word) -> value
    QSet<quint16> m_silent;
    QHash<quint16, QVector<quint16>> m_lastFrame;
};

} // namespace sim
