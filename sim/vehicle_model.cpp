#include "sim/vehicle_model.h"

#include "sim/mvb_controller_emulator.h"
#include "sim/vehicle_loco.h"
#include "sim/vehicle_ports.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace sim {

namespace {

using namespace loco;

double approach(double value, double target, double maxStep)
{
    if (value < target)
        return std::min(target, value + maxStep);
    return std::max(target, value - maxStep);
}

// Running resistance of the train in kN at v m/s.
double resistanceKn(double v)
{
    return v <= 0.0 ? 0.0 : 12.0 + 0.25 * v + 0.03 * v * v;
}

// The run goes through the phases in their order and, once shut down, starts
// again parked.
Phase nextPhase(Phase phase)
{
    return phase == Phase::Shutdown ? Phase::Parked : Phase(int(phase) + 1);
}

quint32 overrideKey(quint16 port, int word)
{
    return (quint32(port) << 8) | quint32(word & 0xFF);
}

} // namespace

QString scenarioName(Scenario scenario)
{
    switch (scenario) {
    case Scenario::None: return QStringLiteral("none");
    case Scenario::Run: return QStringLiteral("run");
    case Scenario::Standstill: return QStringLiteral("standstill");
    case Scenario::Stale: return QStringLiteral("stale");
    case Scenario::Multi: return QStringLiteral("multi");
    case Scenario::Demo: return QStringLiteral("demo");
    }
    return QString();
}

std::optional<Scenario> parseScenario(const QString& name)
{
    for (Scenario s :
         {Scenario::None, Scenario::Run, Scenario::Standstill, Scenario::Stale, Scenario::Multi, Scenario::Demo}) {
        if (name == scenarioName(s))
            return s;
    }
    return std::nullopt;
}

QStringList scenarioNames()
{
    return {QStringLiteral("run"),   QStringLiteral("standstill"), QStringLiteral("stale"),
            QStringLiteral("multi"), QStringLiteral("demo"),       QStringLiteral("none")};
}

QString phaseName(Phase phase)
{
    switch (phase) {
    case Phase::Parked: return QStringLiteral("parked");
    case Phase::PanRaising: return QStringLiteral("pan-raising");
    case Phase::PanUp: return QStringLiteral("pan-up");
    case Phase::VcbClosed: return QStringLiteral("vcb-closed");
    case Phase::Traction: return QStringLiteral("traction");
    case Phase::Cruising: return QStringLiteral("cruising");
    case Phase::Braking: return QStringLiteral("braking");
    case Phase::Stopped: return QStringLiteral("stopped");
    case Phase::Shutdown: return QStringLiteral("shutdown");
    }
    return QString();
}

QVector<quint16> VehicleModel::defaultStalePorts()
{
    return {3100, 3110, 1000, 1010, 1020, 1035, 1070, 1310};
}

VehicleModel::VehicleModel(MvbControllerEmulator& emulator)
    : VehicleModel(emulator, Options())
{
}

VehicleModel::VehicleModel(MvbControllerEmulator& emulator, const Options& options)
    : m_emulator(emulator)
    , m_options(options)
    , m_printLine([](const QString& line) {
        std::printf("%s\n", line.toLocal8Bit().constData());
        std::fflush(stdout);
    })
{
    if (m_options.activeCab != 2)
        m_options.activeCab = 1;
    if (m_options.stalePorts.isEmpty())
        m_options.stalePorts = defaultStalePorts();
    std::lock_guard<std::mutex> lock(m_mutex);
    resetTimelineLocked();
    m_lastFrame = buildVehiclePorts(m_state, m_dds); // what the first publication will carry
}

void VehicleModel::attachToEmulator()
{
    m_emulator.setSourceListener(
        [this](quint16 port, const QVector<quint16>& words) { handleDisplayOutput(port, words); });
}

// ---------------------------------------------------------------- clock

void VehicleModel::advance(qint64 modelMs)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    if (!m_paused) {
        while (modelMs > 0) {
            const qint64 dt = std::min<qint64>(modelMs, kStepMs);
            stepLocked(dt);
            modelMs -= dt;
        }
    }
    publishLocked();
}

void VehicleModel::tick(qint64 realMs)
{
    qint64 modelMs = 0;
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_tickCarry += double(std::max<qint64>(realMs, 0)) * m_timeScale;
        modelMs = qint64(m_tickCarry);
        m_tickCarry -= double(modelMs);
    }
    advance(modelMs);
}

void VehicleModel::setTimeScale(double factor)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_timeScale = factor > 0.0 && std::isfinite(factor) ? factor : 1.0;
}

double VehicleModel::timeScale() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_timeScale;
}

void VehicleModel::pause()
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_paused = true;
}

void VehicleModel::resume()
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_paused = false;
}

bool VehicleModel::isPaused() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_paused;
}

qint64 VehicleModel::timeMs() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_state.timeMs;
}

// ---------------------------------------------------------------- scenario

void VehicleModel::setScenario(Scenario scenario)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_options.scenario = scenario;
    resetTimelineLocked();
    publishLocked();
}

Scenario VehicleModel::scenario() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_options.scenario;
}

void VehicleModel::setStalePorts(const QVector<quint16>& ports, qint64 afterMs)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_options.stalePorts = ports.isEmpty() ? defaultStalePorts() : ports;
    m_options.staleAfterMs = std::max<qint64>(0, afterMs);
}

void VehicleModel::resetTimelineLocked()
{
    // A new timeline starts with the loco parked; what the vehicle counts
    // (energy, odometer, life signs, recorded events, acknowledgements) goes on.
    const VehicleState old = m_state;
    m_state = VehicleState();
    m_state.timeMs = old.timeMs;
    m_state.odometerKm = old.odometerKm;
    m_state.consumedKWh = old.consumedKWh;
    m_state.regeneratedKWh = old.regeneratedKWh;
    m_state.lifeSign = old.lifeSign;
    m_state.publications = old.publications;
    m_state.acknowledgements = old.acknowledgements;
    m_state.inchingSetKmh = old.inchingSetKmh;
    m_state.presentScreen[0] = old.presentScreen[0];
    m_state.presentScreen[1] = old.presentScreen[1];
    m_state.scenario = m_options.scenario;
    m_state.activeCab = m_options.activeCab;
    m_state.multipleOperation = m_options.scenario == Scenario::Multi;
    m_state.inchingActive = m_state.presentScreen[m_state.activeCab - 1] == 15;

    if (m_staleApplied) {
        for (quint16 port : m_options.stalePorts)
            m_silent.remove(port);
    }
    m_staleApplied = false;
    m_scenarioMs = 0;
    m_messageUntilMs = -1;
    m_loco2MessageUntilMs = -1;
    m_followUp = 0;
    m_wheelSlipUntilMs = 0;
}

QVector<VehicleModel::ScheduledMessage> VehicleModel::scheduleLocked() const
{
    // Messages of the diagnosis processors along the run: phase, time in the
    // phase, number, hold time (-1: until acknowledged), second loco, follow-up.
    QVector<ScheduledMessage> s;
    switch (m_options.scenario) {
    case Scenario::None: break;
    case Scenario::Standstill:
        // Pan lowered longer than ten minutes.
        s.append({Phase::Parked, 600000, 10903, -1, false, 0, 0});
        break;
    case Scenario::Demo:
        s.append({Phase::PanRaising, 500, 95, 5000, false, 0, 0});
        // Transformer oil pressure not OK: effort limited until it clears,
        // then "full TE/BE restored".
        s.append({Phase::Traction, 15000, 20102, 30000, false, 94, 6000});
        s.append({Phase::Braking, 8000, 20207, 10000, false, 0, 0});
        break;
    case Scenario::Multi:
        s.append({Phase::Parked, 500, 93, 4000, false, 0, 0});
        s.append({Phase::PanRaising, 500, 95, 5000, false, 0, 0});
        s.append({Phase::Cruising, 10000, 21202, 15000, true, 0, 0});
        s.append({Phase::Braking, 8000, 20207, 8000, false, 0, 0});
        break;
    case Scenario::Run:
    case Scenario::Stale:
        s.append({Phase::PanRaising, 500, 95, 5000, false, 0, 0});
        s.append({Phase::Braking, 8000, 20207, 8000, false, 0, 0});
        break;
    }
    return s;
}

// ---------------------------------------------------------------- one step

void VehicleModel::stepLocked(qint64 dtMs)
{
    const double dt = double(dtMs) / 1000.0;
    const qint64 before = m_state.phaseMs;
    const Phase phaseBefore = m_state.phase;
    m_state.timeMs += dtMs;
    m_state.phaseMs += dtMs;
    m_scenarioMs += dtMs;
    if (m_state.vcb)
        m_state.vcbClosedMs += dtMs;

    updatePhaseLocked(dt);
    updateDynamicsLocked(dt);
    updatePowerLocked(dt);
    updateAirLocked(dt);
    updateThermalLocked(dt);
    if (m_state.phase == phaseBefore)
        updateMessagesLocked(before, m_state.phaseMs);
    else
        updateMessagesLocked(-1, m_state.phaseMs);
    refreshMessageFlagsLocked();
    applyStaleScheduleLocked();
}

void VehicleModel::enterPhaseLocked(Phase phase)
{
    m_state.phase = phase;
    m_state.phaseMs = 0;
    switch (phase) {
    case Phase::Parked: break;
    case Phase::PanRaising: m_state.pan = PanState::Raising; break;
    case Phase::PanUp: m_state.pan = PanState::Up; break;
    case Phase::VcbClosed:
        m_state.vcb = true;
        m_state.vcbClosedMs = 0;
        break;
    case Phase::Traction:
        m_state.locoBrake = false;
        m_state.parkingBrake = false;
        break;
    case Phase::Cruising: break;
    case Phase::Braking:
        m_state.constantSpeed = false;
        m_state.vigilanceWarning = false;
        break;
    case Phase::Stopped: m_state.locoBrake = true; break;
    case Phase::Shutdown:
        m_state.vcb = false;
        m_state.direction = 0;
        break;
    }
}

void VehicleModel::updatePhaseLocked(double)
{
    holdPhaseLocked();
    if (phaseOverLocked())
        enterPhaseLocked(nextPhase(m_state.phase));
}

void VehicleModel::holdPhaseLocked()
{
    // What the crew and the equipment do while a phase lasts.
    VehicleState& s = m_state;
    switch (s.phase) {
    case Phase::Parked:
        s.pan = PanState::Down;
        s.vcb = false;
        s.direction = 0;
        s.parkingBrake = true;
        s.locoBrake = true;
        break;
    case Phase::VcbClosed:
        if (s.phaseMs >= 3000)
            s.direction = 1;
        if (s.phaseMs >= 7000)
            s.parkingBrake = false;
        break;
    case Phase::Cruising:
        s.constantSpeed = true;
        // The vigilance control asks for the pedal once during the run.
        s.vigilanceWarning = s.phaseMs >= 20000 && s.phaseMs < 24000;
        break;
    case Phase::Braking:
        if (s.speedKmh < 10.0)
            s.locoBrake = true;
        break;
    case Phase::Shutdown:
        if (s.phaseMs >= 1000)
            s.parkingBrake = true;
        if (s.phaseMs >= 2000)
            s.pan = PanState::Down;
        break;
    case Phase::PanRaising:
    case Phase::PanUp:
    case Phase::Traction:
    case Phase::Stopped: break;
    }
}

bool VehicleModel::phaseOverLocked() const
{
    // Most phases last a set time; traction ends at cruising speed, braking at
    // standstill. Standing still (and publishing nothing) never leaves parked.
    const VehicleState& s = m_state;
    const bool stays = m_options.scenario == Scenario::Standstill || m_options.scenario == Scenario::None;
    switch (s.phase) {
    case Phase::Parked: return !stays && s.phaseMs >= 5000;
    case Phase::PanRaising: return s.phaseMs >= 6000;
    case Phase::PanUp: return s.phaseMs >= 4000;
    case Phase::VcbClosed: return s.phaseMs >= 10000;
    case Phase::Traction: return s.speedKmh >= kCruiseKmh - 0.5 || s.phaseMs >= 240000;
    case Phase::Cruising: return s.phaseMs >= 40000;
    case Phase::Braking: return s.speedKmh <= 0.0 || s.phaseMs >= 240000;
    case Phase::Stopped: return s.phaseMs >= 10000;
    case Phase::Shutdown: return s.phaseMs >= 5000;
    }
    return false;
}

namespace {

// The effort the driver (or the constant speed control) asks for, %.
double effortTarget(const VehicleState& s, double v)
{
    switch (s.phase) {
    case Phase::Traction: return s.powerReduced ? kReducedNotchPct : kTractionNotchPct;
    case Phase::Cruising: {
        const double wanted = (kCruiseKmh + 1.5 * wave(s.timeMs, 37.0)) / 3.6;
        const double force = resistanceKn(v) + 60.0 * (wanted - v);
        return std::clamp(force / kMaxTractiveKn * 100.0, -30.0, s.powerReduced ? kReducedNotchPct : kTractionNotchPct);
    }
    case Phase::Braking: return kBrakeNotchPct;
    default: return 0.0;
    }
}

// The effort the converters deliver for the demand, %: within the power limit,
// less while the wheels slip; electric braking fades out below 10 km/h.
double deliveredEffortTarget(const VehicleState& s, double v)
{
    double actualTarget = s.effortDemand;
    if (actualTarget > 0.0) {
        const double limit = kMaxPowerKw / std::max(v, 0.1) / kMaxTractiveKn * 100.0;
        actualTarget = std::min(actualTarget, limit);
        if (s.wheelSlip)
            actualTarget *= 0.85;
    } else if (actualTarget < 0.0) {
        const double limit = kMaxPowerKw / std::max(v, 0.1) / kMaxBrakeKn * 100.0;
        actualTarget = std::max(actualTarget, -limit) * std::clamp(s.speedKmh / 10.0, 0.0, 1.0);
    }
    return actualTarget;
}

} // namespace

void VehicleModel::updateDynamicsLocked(double dt)
{
    VehicleState& s = m_state;
    const double v = s.speedKmh / 3.6;
    const double target = s.vcb ? effortTarget(s, v) : 0.0;
    const double notchRate = s.phase == Phase::Cruising ? 20.0 : 10.0; // % per second
    s.effortDemand = approach(s.effortDemand, target, notchRate * dt);
    s.throttle = std::abs(s.effortDemand);
    s.effortActual = approach(s.effortActual, deliveredEffortTarget(s, v), 30.0 * dt);
    moveTrainLocked(v, dt);
}

void VehicleModel::moveTrainLocked(double v, double dt)
{
    // Speed (from v m/s) and odometer under the electric effort, the brakes
    // and the running resistance.
    VehicleState& s = m_state;
    const double electricKn =
        s.effortActual >= 0.0 ? s.effortActual / 100.0 * kMaxTractiveKn : s.effortActual / 100.0 * kMaxBrakeKn;
    const double trainBrakeKn = std::max(0.0, kChargedBrakePipe - s.brakePipe) / 1.5 * 900.0;
    const double locoBrakeKn = s.locoBrake ? 120.0 : 0.0;
    const double holding = trainBrakeKn + locoBrakeKn + resistanceKn(v);
    double net = electricKn;
    if (v > 0.0)
        net -= holding;
    else if (net > 0.0)
        net = std::max(0.0, net - holding); // break-away against the brakes
    else
        net = 0.0;
    const double newV = std::max(0.0, v + net / kTrainMassT * dt);
    s.odometerKm += (v + newV) / 2.0 * dt / 1000.0;
    // The wheels slip once on the first notches, at 18 km/h; the anti-slip
    // control sands and reduces the effort for two seconds.
    if (s.phase == Phase::Traction && s.speedKmh < 18.0 && newV * 3.6 >= 18.0)
        m_wheelSlipUntilMs = s.timeMs + 2000;
    s.speedKmh = newV * 3.6;
    if (s.speedKmh < 0.01 && s.phase != Phase::Traction)
        s.speedKmh = 0.0;
}

void VehicleModel::updatePowerLocked(double dt)
{
    VehicleState& s = m_state;
    const double v = s.speedKmh / 3.6;
    s.auxiliaries = s.vcb && s.vcbClosedMs >= 2000;

    const double electricKn =
        s.effortActual >= 0.0 ? s.effortActual / 100.0 * kMaxTractiveKn : s.effortActual / 100.0 * kMaxBrakeKn;
    const double mechanicalKw = electricKn * v;
    const bool converters = s.vcb && s.vcbClosedMs >= 1500;
    s.inputPowerKw = !converters ? 0.0 : mechanicalKw >= 0.0 ? mechanicalKw / 0.92 : mechanicalKw * 0.88;

    if (!s.auxiliaries)
        s.ventilation = 0;
    else if (std::abs(s.effortActual) > 50.0)
        s.ventilation = 3;
    else if (std::abs(s.effortActual) > 10.0)
        s.ventilation = 2;
    else
        s.ventilation = 1;
    const double auxKw = s.auxiliaries ? kAuxiliaryLoadKw + 40.0 * s.ventilation : (s.vcb ? 20.0 : 0.0);

    if (s.pan == PanState::Up)
        s.uprimKv = kNominalCatenaryKv + 0.3 * wave(s.timeMs, 47.0) - 0.6 * std::abs(s.inputPowerKw) / 6500.0;
    else
        s.uprimKv = 0.0;
    s.iprimA = s.vcb && s.uprimKv > 1.0 ? (std::abs(s.inputPowerKw) + auxKw) / (s.uprimKv * 0.97) : 0.0;
    s.lineHz = converters ? 50.0 + 0.05 * wave(s.timeMs, 13.0) : 0.0;

    if (s.vcb && s.uprimKv > 1.0) {
        const double netKw = s.inputPowerKw + auxKw;
        if (netKw >= 0.0)
            s.consumedKWh += netKw * dt / 3600.0;
        else
            s.regeneratedKWh += -netKw * dt / 3600.0;
    }

    // The battery floats at charging voltage while the auxiliary converters
    // run, and slowly sinks without them.
    const double batteryTarget = s.auxiliaries ? 110.4 + 0.2 * wave(s.timeMs, 29.0) : 105.5;
    s.batteryV = approach(s.batteryV, batteryTarget, (s.auxiliaries ? 0.5 : 0.002) * dt);
}

void VehicleModel::updateAirLocked(double dt)
{
    VehicleState& s = m_state;
    if (!s.auxiliaries)
        s.compressors = false;
    else if (s.mainReservoir < 8.0)
        s.compressors = true;
    else if (s.mainReservoir >= 10.0)
        s.compressors = false;

    const double target = s.phase == Phase::Braking ? kServiceBrakePipe : kChargedBrakePipe;
    const double before = s.brakePipe;
    if (target < s.brakePipe)
        s.brakePipe = approach(s.brakePipe, target, 0.15 * dt);
    else if (s.mainReservoir > s.brakePipe + 0.5)
        s.brakePipe = approach(s.brakePipe, target, 0.08 * dt);
    if (s.brakePipe > s.mainReservoir - 0.3) // a parked loco slowly loses its air
        s.brakePipe = approach(s.brakePipe, std::max(0.0, s.mainReservoir - 0.3), 0.01 * dt);
    const double recharge = std::max(0.0, s.brakePipe - before);
    s.mainReservoir += (s.compressors ? 0.3 : 0.0) * dt - 0.001 * dt - recharge * 0.6;
    s.mainReservoir = std::clamp(s.mainReservoir, 0.0, 10.2);
}

void VehicleModel::updateThermalLocked(double dt)
{
    VehicleState& s = m_state;
    const double load = std::abs(s.effortActual) / 100.0;
    const double powerLoad = std::abs(s.inputPowerKw) / 6500.0;
    static const double offsets[6] = {0.0, 1.5, 3.0, 0.5, 2.0, 2.5};
    for (int i = 0; i < 6; ++i) {
        const double target = 56.0 + 32.0 * load + offsets[i];
        s.motorC[size_t(i)] += (target - s.motorC[size_t(i)]) * std::min(1.0, dt / 90.0);
    }
    const double oilTarget = (s.vcb ? 48.0 : 40.0) + 20.0 * powerLoad;
    s.oilTransformerC += (oilTarget - s.oilTransformerC) * std::min(1.0, dt / 240.0);
    const double coolantTarget = (s.vcb ? 42.0 : 36.0) + 14.0 * powerLoad;
    s.coolantConverterC += (coolantTarget - s.coolantConverterC) * std::min(1.0, dt / 150.0);
}

void VehicleModel::updateMessagesLocked(qint64 before, qint64 after)
{
    VehicleState& s = m_state;
    if (s.message != 0 && m_messageUntilMs >= 0 && s.timeMs >= m_messageUntilMs)
        withdrawMessageLocked();
    if (s.loco2Message != 0 && m_loco2MessageUntilMs >= 0 && s.timeMs >= m_loco2MessageUntilMs) {
        s.loco2Message = 0;
        m_loco2MessageUntilMs = -1;
    }
    for (const ScheduledMessage& m : scheduleLocked()) {
        if (m.phase != s.phase || !(before < m.atMs && m.atMs <= after))
            continue;
        if (m.loco2) {
            if (s.multipleOperation) {
                s.loco2Message = m.number;
                m_loco2MessageUntilMs = m.holdMs < 0 ? -1 : s.timeMs + m.holdMs;
            }
        } else {
            raiseMessageLocked(m.number, m.holdMs, m.followUp, m.followUpHoldMs);
        }
    }
}

void VehicleModel::refreshMessageFlagsLocked()
{
    // What the messages shown stand for on the vehicle: the transformer oil
    // pressure fault limits the effort, a wheel skid lights the slip lamp.
    VehicleState& s = m_state;
    s.powerReduced = s.message == 20102;
    s.wheelSlip = s.timeMs < m_wheelSlipUntilMs || (s.message == 20207 && s.speedKmh > 0.0);
}

void VehicleModel::withdrawMessageLocked()
{
    m_state.message = 0;
    m_messageUntilMs = -1;
    if (m_followUp != 0) {
        const quint16 next = m_followUp;
        m_followUp = 0;
        raiseMessageLocked(next, m_followUpHoldMs);
    }
    refreshMessageFlagsLocked();
}

void VehicleModel::raiseMessageLocked(quint16 number, qint64 holdMs, quint16 followUp, qint64 followUpHoldMs)
{
    m_state.message = number;
    m_messageUntilMs = number != 0 && holdMs >= 0 ? m_state.timeMs + holdMs : -1;
    m_followUp = number != 0 ? followUp : 0;
    m_followUpHoldMs = followUpHoldMs;
    refreshMessageFlagsLocked();
}

void VehicleModel::applyStaleScheduleLocked()
{
    if (m_options.scenario != Scenario::Stale || m_staleApplied || m_scenarioMs < m_options.staleAfterMs)
        return;
    m_staleApplied = true;
    for (quint16 port : m_options.stalePorts) {
        m_silent.insert(port);
        m_emulator.unpublish(port);
    }
}

// ---------------------------------------------------------------- messages, DDS

void VehicleModel::raiseMessage(quint16 number, qint64 holdMs)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    raiseMessageLocked(number, holdMs);
    publishPortsLocked({kDdaPort[0], kDdaPort[1]});
}

void VehicleModel::raiseLoco2Message(quint16 number, qint64 holdMs)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_state.loco2Message = number;
    m_loco2MessageUntilMs = number != 0 && holdMs >= 0 ? m_state.timeMs + holdMs : -1;
    publishPortsLocked({2610});
}

DdsLog VehicleModel::ddsLog() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_dds;
}

void VehicleModel::pageDds(DdsPage page)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    switch (page) {
    case DdsPage::Up: m_dds.pageUp(); break;
    case DdsPage::Down: m_dds.pageDown(); break;
    case DdsPage::Top: m_dds.toTop(); break;
    case DdsPage::Bottom: m_dds.toBottom(); break;
    }
    publishPortsLocked({DdsLog::kPort});
}

// ---------------------------------------------------------------- the display's output port

void VehicleModel::handleDisplayOutput(quint16 port, const QVector<quint16>& words)
{
    const int cab = port == kOutputPortCab1 ? 1 : port == kOutputPortCab2 ? 2 : 0;
    if (cab == 0)
        return;
    QStringList lines;
    LinePrinter print;
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        lines = handleOutputLocked(cab, words);
        print = m_printLine;
    }
    if (print)
        for (const QString& line : lines)
            print(line);
}

void VehicleModel::setLinePrinter(LinePrinter printer)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_printLine = std::move(printer);
}

QStringList VehicleModel::handleOutputLocked(int cab, const QVector<quint16>& words)
{
    QVector<quint16>& last = m_lastOutput[cab - 1];
    const auto at = [](const QVector<quint16>& w, int i) { return i < w.size() ? w[i] : quint16(0); };
    const quint16 rising0 = quint16(at(words, 0) & ~at(last, 0));
    const quint16 falling0 = quint16(at(last, 0) & ~at(words, 0));
    const quint16 rising2 = quint16(at(words, 2) & ~at(last, 2));
    last = words;

    // The acknowledge bit, both edges, for whoever watches the simulator; the
    // falling edge says for how many writes the bit was up.
    QStringList lines;
    const quint16 port = cab == 1 ? kOutputPortCab1 : kOutputPortCab2;
    int& held = m_ackWrites[cab - 1];
    if (rising0 & 0x0100) {
        lines << QStringLiteral("ack on %1").arg(port);
        held = 0;
    }
    if (at(words, 0) & 0x0100)
        ++held;
    if (falling0 & 0x0100)
        lines << QStringLiteral("ack off %1 (held %2 writes)").arg(port).arg(held);

    VehicleState& s = m_state;
    QList<quint16> changed;
    if (rising0 & 0x0100) {
        // Acknowledged: the diagnosis processor withdraws the message shown
        // (the own loco's first, else the second loco's).
        ++s.acknowledgements;
        if (s.message != 0) {
            withdrawMessageLocked();
            changed << kDdaPort[0] << kDdaPort[1];
        } else if (s.loco2Message != 0) {
            s.loco2Message = 0;
            m_loco2MessageUntilMs = -1;
            changed << 2610;
        }
    }
    if (rising0 & 0x1E00) {
        if (rising0 & 0x0200)
            m_dds.pageUp();
        if (rising0 & 0x0400)
            m_dds.pageDown();
        if (rising0 & 0x0800)
            m_dds.toTop();
        if (rising0 & 0x1000)
            m_dds.toBottom();
        changed << DdsLog::kPort;
    }

    const int screen = at(words, 1);
    if (s.presentScreen[cab - 1] != screen) {
        s.presentScreen[cab - 1] = screen;
        const bool active = s.presentScreen[s.activeCab - 1] == 15;
        if (active != s.inchingActive) {
            s.inchingActive = active;
            changed << kInchingPort[0] << kInchingPort[1];
        }
    }
    if (s.inchingActive && cab == s.activeCab && (rising2 & 0x0300)) {
        if (rising2 & 0x0100)
            s.inchingSetKmh = std::min(kMaxInchingKmh, s.inchingSetKmh + kInchingStepKmh);
        if (rising2 & 0x0200)
            s.inchingSetKmh = std::max(0.0, s.inchingSetKmh - kInchingStepKmh);
        changed << kInchingPort[0] << kInchingPort[1];
    }
    if (!changed.isEmpty())
        publishPortsLocked(changed);
    return lines;
}

// ---------------------------------------------------------------- overrides

bool VehicleModel::overrideSignal(const QString& name, double value, QString* error)
{
    if (!findSignal(name)) {
        if (error)
            *error = QStringLiteral("unknown signal: %1").arg(name);
        return false;
    }
    if (!std::isfinite(value)) {
        if (error)
            *error = QStringLiteral("not a number: %1").arg(value);
        return false;
    }
    std::lock_guard<std::mutex> lock(m_mutex);
    m_signalOverrides.insert(name, value);
    publishPortsLocked({findSignal(name)->port});
    return true;
}

bool VehicleModel::releaseSignal(const QString& name)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    if (m_signalOverrides.remove(name) == 0)
        return false;
    publishPortsLocked({findSignal(name)->port});
    return true;
}

void VehicleModel::overrideWord(quint16 port, int word, quint16 value)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_wordOverrides.insert(overrideKey(port, word), value);
    publishPortsLocked({port});
}

bool VehicleModel::releaseWord(quint16 port, int word)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    if (m_wordOverrides.remove(overrideKey(port, word)) == 0)
        return false;
    publishPortsLocked({port});
    return true;
}

void VehicleModel::releaseAll()
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_signalOverrides.clear();
    m_wordOverrides.clear();
    publishLocked();
}

QStringList VehicleModel::overrides() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    QStringList list;
    for (auto it = m_signalOverrides.constBegin(); it != m_signalOverrides.constEnd(); ++it)
        list << QStringLiteral("%1=%2").arg(it.key()).arg(it.value());
    for (auto it = m_wordOverrides.constBegin(); it != m_wordOverrides.constEnd(); ++it)
        list << QStringLiteral("%1.%2=0x%3")
                    .arg(it.key() >> 8)
                    .arg(it.key() & 0xFF)
                    .arg(it.value(), 4, 16, QLatin1Char('0'));
    return list;
}

void VehicleModel::silencePort(quint16 port)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_silent.insert(port);
    m_emulator.unpublish(port);
}

void VehicleModel::resumePort(quint16 port)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_silent.remove(port);
    publishPortsLocked({port});
}

QList<quint16> VehicleModel::silentPorts() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    QList<quint16> ports = m_silent.values();
    std::sort(ports.begin(), ports.end());
    return ports;
}

QVector<quint16> VehicleModel::portWords(quint16 port) const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_lastFrame.value(port);
}

std::optional<double> VehicleModel::signalValue(const QString& name) const
{
    const SignalInfo* info = findSignal(name);
    if (!info)
        return std::nullopt;
    std::lock_guard<std::mutex> lock(m_mutex);
    return decodeSignal(*info, m_lastFrame.value(info->port));
}

QVector<quint16> VehicleModel::modelPorts() const
{
    return vehiclePorts();
}

// ---------------------------------------------------------------- state

VehicleState VehicleModel::state() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_state;
}

QString VehicleModel::summary() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    const VehicleState& s = m_state;
    const char* pan = s.pan == PanState::Up ? "up" : s.pan == PanState::Raising ? "raising" : "down";
    return QStringLiteral("vehicle time=%1 scenario=%2 phase=%3 speed=%4 effort=%5 pan=%6 vcb=%7 bp=%8 message=%9%10")
        .arg(double(s.timeMs) / 1000.0, 0, 'f', 1)
        .arg(scenarioName(s.scenario), phaseName(s.phase))
        .arg(s.speedKmh, 0, 'f', 1)
        .arg(qRound(s.effortActual))
        .arg(QLatin1String(pan), s.vcb ? QStringLiteral("on") : QStringLiteral("off"))
        .arg(s.brakePipe, 0, 'f', 1)
        .arg(s.message)
        .arg(m_paused ? QStringLiteral(" paused") : QString());
}

// ---------------------------------------------------------------- publication

void VehicleModel::publish()
{
    std::lock_guard<std::mutex> lock(m_mutex);
    publishLocked();
}

void VehicleModel::publishLocked()
{
    ++m_state.lifeSign;
    ++m_state.publications;
    QList<quint16> ports;
    if (m_options.scenario != Scenario::None)
        ports = modelPorts();
    // Words set by commands are published in every scenario, also on ports
    // the model does not know.
    QList<quint16> extra = overriddenPortsLocked().values();
    std::sort(extra.begin(), extra.end());
    for (quint16 port : extra) {
        if (!ports.contains(port))
            ports << port;
    }
    m_lastFrame = buildVehiclePorts(m_state, m_dds);
    applyOverridesLocked(m_lastFrame);
    for (quint16 port : ports) {
        if (!m_silent.contains(port))
            m_emulator.publish(port, m_lastFrame.value(port));
    }
}

void VehicleModel::publishPortsLocked(const QList<quint16>& ports)
{
    m_lastFrame = buildVehiclePorts(m_state, m_dds);
    applyOverridesLocked(m_lastFrame);
    const QVector<quint16> own = modelPorts();
    const QSet<quint16> overridden = overriddenPortsLocked();
    for (quint16 port : ports) {
        if (m_silent.contains(port))
            continue;
        if ((m_options.scenario != Scenario::None && own.contains(port)) || overridden.contains(port))
            m_emulator.publish(port, m_lastFrame.value(port));
    }
}

QSet<quint16> VehicleModel::overriddenPortsLocked() const
{
    QSet<quint16> ports;
    for (auto it = m_wordOverrides.constBegin(); it != m_wordOverrides.constEnd(); ++it)
        ports.insert(quint16(it.key() >> 8));
    for (auto it = m_signalOverrides.constBegin(); it != m_signalOverrides.constEnd(); ++it)
        ports.insert(findSignal(it.key())->port);
    return ports;
}

void VehicleModel::applyOverridesLocked(QHash<quint16, QVector<quint16>>& frame) const
{
    for (auto it = m_signalOverrides.constBegin(); it != m_signalOverrides.constEnd(); ++it) {
        const SignalInfo* info = findSignal(it.key());
        QVector<quint16>& words = frame[info->port];
        if (words.isEmpty())
            words.resize(MvbControllerEmulator::kMaxPortWords);
        encodeSignal(*info, it.value(), words);
    }
    for (auto it = m_wordOverrides.constBegin(); it != m_wordOverrides.constEnd(); ++it) {
        QVector<quint16>& words = frame[quint16(it.key() >> 8)];
        const int word = int(it.key() & 0xFF);
        if (words.isEmpty())
            words.resize(MvbControllerEmulator::kMaxPortWords);
        if (words.size() <= word)
            words.resize(word + 1);
        words[word] = it.value();
    }
}

} // namespace sim
