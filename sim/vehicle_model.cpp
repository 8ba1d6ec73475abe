#include "sim/vehicle_model.h"

#include "sim/mvb_controller_emulator.h"

#include <algorithm>
#include <cmath>

namespace sim {

namespace {

// ---- the loco and its train ----
constexpr double kMaxTractiveKn = 460.0; // starting tractive effort
constexpr double kMaxBrakeKn = 260.0;    // regenerative braking effort
constexpr double kMaxPowerKw = 6000.0;   // at the wheel
constexpr double kTrainMassT = 1000.0;   // loco and train, rotating masses included
constexpr double kCruiseKmh = 100.0;
constexpr double kTractionNotchPct = 90.0;
constexpr double kReducedNotchPct = 60.0; // while the transformer oil pressure fault is present
constexpr double kBrakeNotchPct = -60.0;
constexpr double kServiceBrakePipe = 4.3; // brake pipe during a service application
constexpr double kChargedBrakePipe = 5.0;
constexpr double kAuxiliaryLoadKw = 150.0;
constexpr double kNominalCatenaryKv = 25.0;
constexpr double kMaxInchingKmh = 10.0;
constexpr double kInchingStepKmh = 0.5;

constexpr quint16 kDdaPort[2] = {3550, 3650};
constexpr quint16 kInchingPort[2] = {1302, 1800};

// Ports of the second part of the display's cycle and the other cab's output
// port, with their sizes in words.
// clang-format off
struct ExtraPort { quint16 port; int words; };
constexpr ExtraPort kExtraPorts[] = {
    {DdsLog::kPort, 16}, {2520, 16}, {2620, 16}, {2500, 8}, {2501, 4}, {2502, 8}, {2503, 4},
    {VehicleModel::kOutputPortCab1, 4}, {VehicleModel::kOutputPortCab2, 4},
};
// clang-format on

double wave(qint64 timeMs, double periodS, double phase = 0.0)
{
    return std::sin(2.0 * M_PI * (double(timeMs) / 1000.0 / periodS) + phase);
}

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

// Sets a flag in bus order (elements 0..7 in bits 8..15, 8..15 in bits 0..7).
void busOrder(QVector<quint16>& words, int element, bool on)
{
    const int word = element / 16;
    const int bit = busOrderBit(element % 16);
    if (words.size() <= word)
        words.resize(word + 1);
    if (on)
        words[word] = quint16(words[word] | (1u << bit));
}

// Sets a flag most significant bit first (element k in bit 15 - k).
void msbFirst(QVector<quint16>& words, int element, bool on)
{
    const int word = element / 16;
    const int bit = 15 - element % 16;
    if (words.size() <= word)
        words.resize(word + 1);
    if (on)
        words[word] = quint16(words[word] | (1u << bit));
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
{
    if (m_options.activeCab != 2)
        m_options.activeCab = 1;
    if (m_options.stalePorts.isEmpty())
        m_options.stalePorts = defaultStalePorts();
    std::lock_guard<std::mutex> lock(m_mutex);
    resetTimelineLocked();
    m_lastFrame = buildFrameLocked(); // what the first publication will carry
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
    VehicleState& s = m_state;
    const bool stays = m_options.scenario == Scenario::Standstill || m_options.scenario == Scenario::None;
    switch (s.phase) {
    case Phase::Parked:
        s.pan = PanState::Down;
        s.vcb = false;
        s.direction = 0;
        s.parkingBrake = true;
        s.locoBrake = true;
        if (!stays && s.phaseMs >= 5000)
            enterPhaseLocked(Phase::PanRaising);
        break;
    case Phase::PanRaising:
        if (s.phaseMs >= 6000)
            enterPhaseLocked(Phase::PanUp);
        break;
    case Phase::PanUp:
        if (s.phaseMs >= 4000)
            enterPhaseLocked(Phase::VcbClosed);
        break;
    case Phase::VcbClosed:
        if (s.phaseMs >= 3000)
            s.direction = 1;
        if (s.phaseMs >= 7000)
            s.parkingBrake = false;
        if (s.phaseMs >= 10000)
            enterPhaseLocked(Phase::Traction);
        break;
    case Phase::Traction:
        if (s.speedKmh >= kCruiseKmh - 0.5 || s.phaseMs >= 240000)
            enterPhaseLocked(Phase::Cruising);
        break;
    case Phase::Cruising:
        s.constantSpeed = true;
        // The vigilance control asks for the pedal once during the run.
        s.vigilanceWarning = s.phaseMs >= 20000 && s.phaseMs < 24000;
        if (s.phaseMs >= 40000)
            enterPhaseLocked(Phase::Braking);
        break;
    case Phase::Braking:
        if (s.speedKmh < 10.0)
            s.locoBrake = true;
        if (s.speedKmh <= 0.0 || s.phaseMs >= 240000)
            enterPhaseLocked(Phase::Stopped);
        break;
    case Phase::Stopped:
        if (s.phaseMs >= 10000)
            enterPhaseLocked(Phase::Shutdown);
        break;
    case Phase::Shutdown:
        if (s.phaseMs >= 1000)
            s.parkingBrake = true;
        if (s.phaseMs >= 2000)
            s.pan = PanState::Down;
        if (s.phaseMs >= 5000)
            enterPhaseLocked(Phase::Parked);
        break;
    }
}

void VehicleModel::updateDynamicsLocked(double dt)
{
    VehicleState& s = m_state;
    const double v = s.speedKmh / 3.6;

    // The driver's (or the constant speed control's) effort demand.
    double target = 0.0;
    switch (s.phase) {
    case Phase::Traction: target = s.powerReduced ? kReducedNotchPct : kTractionNotchPct; break;
    case Phase::Cruising: {
        const double wanted = (kCruiseKmh + 1.5 * wave(s.timeMs, 37.0)) / 3.6;
        const double force = resistanceKn(v) + 60.0 * (wanted - v);
        target =
            std::clamp(force / kMaxTractiveKn * 100.0, -30.0, s.powerReduced ? kReducedNotchPct : kTractionNotchPct);
        break;
    }
    case Phase::Braking: target = kBrakeNotchPct; break;
    default: target = 0.0; break;
    }
    if (!s.vcb)
        target = 0.0;
    const double notchRate = s.phase == Phase::Cruising ? 20.0 : 10.0; // % per second
    s.effortDemand = approach(s.effortDemand, target, notchRate * dt);
    s.throttle = std::abs(s.effortDemand);

    // The converters deliver what the demand asks, within the power limit;
    // electric braking fades out below 10 km/h.
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
    s.effortActual = approach(s.effortActual, actualTarget, 30.0 * dt);

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
    std::lock_guard<std::mutex> lock(m_mutex);
    handleOutputLocked(cab, words);
}

void VehicleModel::handleOutputLocked(int cab, const QVector<quint16>& words)
{
    QVector<quint16>& last = m_lastOutput[cab - 1];
    const auto at = [](const QVector<quint16>& w, int i) { return i < w.size() ? w[i] : quint16(0); };
    const quint16 rising0 = quint16(at(words, 0) & ~at(last, 0));
    const quint16 rising2 = quint16(at(words, 2) & ~at(last, 2));
    last = words;

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
    QVector<quint16> ports;
    for (const PortSpec& p : cyclePorts())
        ports << p.port;
    for (const ExtraPort& e : kExtraPorts)
        ports << e.port;
    return ports;
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
    m_lastFrame = buildFrameLocked();
    applyOverridesLocked(m_lastFrame);
    for (quint16 port : ports) {
        if (!m_silent.contains(port))
            m_emulator.publish(port, m_lastFrame.value(port));
    }
}

void VehicleModel::publishPortsLocked(const QList<quint16>& ports)
{
    m_lastFrame = buildFrameLocked();
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

QHash<quint16, QVector<quint16>> VehicleModel::buildFrameLocked() const
{
    const VehicleState& s = m_state;
    QHash<quint16, QVector<quint16>> f;
    for (const PortSpec& p : cyclePorts())
        f[p.port] = QVector<quint16>(p.sizeWords(), 0);
    for (const ExtraPort& e : kExtraPorts)
        f[e.port] = QVector<quint16>(e.words, 0);

    const auto put = [&f](sig::Id id, double value) {
        const SignalInfo& info = signalInfo(id);
        encodeSignal(info, value, f[info.port]);
    };
    const auto putWord = [&f](quint16 port, int word, quint16 value) {
        QVector<quint16>& w = f[port];
        if (w.size() <= word)
            w.resize(word + 1);
        w[word] = value;
    };

    const bool cab1 = s.activeCab == 1;
    const bool forward = s.direction == 1;
    const bool reverse = s.direction == 2;
    const bool traction = s.effortDemand > 0.5;
    const bool braking = s.effortDemand < -0.5;
    const bool throttleZero = !traction && !braking;
    const bool panUpWish = s.pan != PanState::Down;
    const bool panUp = s.pan == PanState::Up;
    const bool converters = s.vcb && s.vcbClosedMs >= 1500;
    const bool lowMr = s.mainReservoir < 6.4;
    const bool autoBrake = s.brakePipe < 4.8;
    const double absEffort = std::abs(s.effortActual);
    const double perBogieKw = s.inputPowerKw / 2.0;
    const double converterCurrent = s.uprimKv > 1.0 ? std::abs(perBogieKw) / (s.uprimKv * 0.97) : 0.0;
    const double auxCurrent = s.auxiliaries ? (kAuxiliaryLoadKw + 40.0 * s.ventilation) / 0.98 : 0.0;
    const bool faultLamp = s.message >= 10000; // a fault is present
    const bool priority1 = s.message >= 10000 && s.message < 20000;
    const double bogie1 = absEffort * (s.wheelSlip ? 0.9 : 1.0);

    // ---- FLG1 / FLG2: the vehicle control processors (FLG1 master) ----
    struct Flg {
        sig::Id cab1, cab2, panUp, panDn, vcb13, vcb07, pnBr, parkBk, hotel, throttle0, teDemand, teActual, uprim,
            iprim, battery, node, nodeB1, nodeB2, kWhR, mWhR, gWhR, kWhP, mWhP, gWhP, bpAuto, pnDemand, angle, bp01,
            meter1, meter2, speed, locoNum, odometer, swBur1;
        int node0;
    };
    const Flg flgs[2] = {
        {sig::FLG1_D23_MCab1Active,
         sig::FLG1_D23_MCab2Active,
         sig::FLG1_D13_LPanUpWish,
         sig::FLG1_D13_LPanDnWish,
         sig::FLG1_D13_MVCB_On,
         sig::FLG1_D07_MVCB_On,
         sig::FLG1_D01_MPnBrActivB1,
         sig::FLG1_D13_MPBkOn,
         sig::FLG1_D13_MContHotel,
         sig::FLG1_D26_MThTE_BEE0,
         sig::FLG1_D53_WTE_BE_Loco,
         sig::FLG1_D46_XTE_BE_Loco,
         sig::FLG1_D21_XUprim,
         sig::FLG1_D21_XIprim,
         sig::FLG1_D21_XU_Battery,
         sig::FLG1_D07_XNodeMSC,
         sig::FLG1_D21_XNodeB1,
         sig::FLG1_D21_XNodeB2,
         sig::FLG1_D56_XEnergKWh_,
         sig::FLG1_D56_XEnergMWh_,
         sig::FLG1_D56_XEnergGWh_,
         sig::FLG1_D56_XEnergKWhP,
         sig::FLG1_D56_XEnergMWhP,
         sig::FLG1_D56_XEnergGWhP,
         sig::FLG1_D45_XPrAutoBkLn,
         sig::FLG1_D45_WPnBEdem,
         sig::FLG1_D01_XAngTrans,
         sig::FLG1_D01_XPrAutoBkLn,
         sig::FLG1_D02_XMeterT_B1,
         sig::FLG1_D02_XMeterT_B2,
         sig::FLG1_D50_XSpeedLoco,
         sig::FLG1_D00_MLocoNum1,
         sig::FLG1_D00_MOdoMeter,
         sig::FLG1_00_SWVersionBUR1,
         504},
        {sig::FLG2_D23_MCab1Active,
         sig::FLG2_D23_MCab2Active,
         sig::FLG2_D13_LPanUpWish,
         sig::FLG2_D13_LPanDnWish,
         sig::FLG2_D13_MVCB_On,
         sig::FLG2_D07_MVCB_On,
         sig::FLG2_D01_MPnBrActivB1,
         sig::FLG2_D13_MPBkOn,
         sig::FLG2_D13_MContHotel,
         sig::FLG2_D26_MThTE_BEE0,
         sig::FLG2_D53_WTE_BE_Loco,
         sig::FLG2_D46_XTE_BE_Loco,
         sig::FLG2_D21_XUprim,
         sig::FLG2_D21_XIprim,
         sig::FLG2_D21_XU_Battery,
         sig::FLG2_D07_XNodeMSC,
         sig::FLG2_D21_XNodeB1,
         sig::FLG2_D21_XNodeB2,
         sig::FLG2_D56_XEnergKWh_,
         sig::FLG2_D56_XEnergMWh_,
         sig::FLG2_D56_XEnergGWh_,
         sig::FLG2_D56_XEnergKWhP,
         sig::FLG2_D56_XEnergMWhP,
         sig::FLG2_D56_XEnergGWhP,
         sig::FLG2_D45_XPrAutoBkLn,
         sig::FLG2_D45_WPnBEdem,
         sig::FLG2_D01_XAngTrans,
         sig::FLG2_D01_XPrAutoBkLn,
         sig::FLG2_D02_XMeterT_B1,
         sig::FLG2_D02_XMeterT_B2,
         sig::FLG2_D50_XSpeedLoco,
         sig::FLG2_D00_MLocoNum1,
         sig::FLG2_D00_MOdoMeter,
         sig::FLG2_00_SWVersionBUR1,
         502},
    };
    const qint64 consumed = qint64(s.consumedKWh);
    const qint64 regenerated = qint64(s.regeneratedKWh);
    const double pneumaticDemand = std::clamp((kChargedBrakePipe - s.brakePipe) / 1.5 * 100.0, 0.0, 100.0);
    for (const Flg& g : flgs) {
        put(g.cab1, cab1);
        put(g.cab2, !cab1);
        put(g.panUp, panUpWish);
        put(g.panDn, s.phase == Phase::Shutdown && s.phaseMs >= 1000 && s.phaseMs < 3000);
        put(g.vcb13, s.vcb);
        put(g.vcb07, s.vcb);
        put(g.pnBr, s.locoBrake);
        put(g.parkBk, s.parkingBrake);
        put(g.hotel, false);
        put(g.throttle0, throttleZero);
        put(g.teDemand, s.effortDemand);
        put(g.teActual, s.effortActual);
        put(g.uprim, s.uprimKv);
        put(g.iprim, s.iprimA);
        put(g.battery, s.batteryV);
        put(g.node, g.node0);
        put(g.nodeB1, 604);
        put(g.nodeB2, 602);
        put(g.kWhR, double(regenerated % 1000));
        put(g.mWhR, double(regenerated / 1000 % 1000));
        put(g.gWhR, double(regenerated / 1000000));
        put(g.kWhP, double(consumed % 1000));
        put(g.mWhP, double(consumed / 1000 % 1000));
        put(g.gWhP, double(consumed / 1000000));
        put(g.bpAuto, s.brakePipe);
        put(g.pnDemand, pneumaticDemand);
        put(g.angle, s.throttle);
        put(g.bp01, s.brakePipe);
        put(g.meter1, bogie1);
        put(g.meter2, absEffort);
        put(g.speed, s.speedKmh);
        put(g.locoNum, kLocoNumber);
        put(g.odometer, double(qint64(s.odometerKm) % 65536));
        put(g.swBur1, 421);
    }
    put(sig::FLG2_D54_MFLG2MastRq, 0); // FLG1 is master

    // Traction motors and line converters (master loco bits 8..15, second loco 0..5).
    const bool motorsOn = converters;
    for (sig::Id id : {sig::MVB_DDU_MotorMaster1_SLG1, sig::MVB_DDU_MotorMaster2_SLG1, sig::MVB_DDU_MotorMaster3_SLG1,
                       sig::MVB_DDU_MotorMaster1_SLG2, sig::MVB_DDU_MotorMaster2_SLG2, sig::MVB_DDU_MotorMaster3_SLG2,
                       sig::MVB_DDU_LineConverter1_SLG1, sig::MVB_DDU_LineConverter2_SLG1,
                       sig::MVB_DDU_LineConverter1_SLG2, sig::MVB_DDU_LineConverter2_SLG2})
        put(id, motorsOn);
    for (sig::Id id : {sig::MVB_DDU_MotorSlave1_SLG1, sig::MVB_DDU_MotorSlave2_SLG1, sig::MVB_DDU_MotorSlave3_SLG1,
                       sig::MVB_DDU_MotorSlave1_SLG2, sig::MVB_DDU_MotorSlave2_SLG2, sig::MVB_DDU_MotorSlave3_SLG2})
        put(id, motorsOn && s.multipleOperation);

    // ---- SLG1 / SLG2: traction converters of bogie 1 and 2 ----
    struct Slg {
        sig::Id earthF, filtOn85, vent1, vent2, vent3, xpn, uprim, iprim, nodeAlg, pressCv, tempOilCv, iBur, tm1, tm2,
            tm3, tempOilTr, pressTr, aiPr, aiBur, ldSEin, filtDhcOn, filtOn, filtAdpOn, hsHalte, druCzk, srSEin,
            extRLgez, bFiltOn, bFiltAdpOn, bFiltDhcOn, bSrSEin, bLdSEin, bExtRLabtr, bGuSpEin, bHsHalte, aiFilts,
            adruckTr, adruckSr, tmp1OelTr, tmp2OelTr, tmp1OelSr, tmp2OelSr, tmp1Mot1, tmp2Mot1, tmp1Mot2, tmp2Mot2,
            tmp1Mot3, tmp2Mot3, vist1, vist2, vist3, rdm1, rdm2, rdm3, afun, aud, version;
        int motor0;
        int alg;
        double temperatureBias;
    };
    // clang-format off
    const Slg slgs[2] = {
        {sig::SLG1_D09_PDistEarthF, sig::SLG1_D85_MFiltOn, sig::SLG1_D09_BVentLevel1, sig::SLG1_D09_BVentLevel2,
         sig::SLG1_D09_BVentLevel3, sig::SLG1_D04_XPN, sig::SLG1_D87_XUprim, sig::SLG1_D01_XIprim,
         sig::SLG1_D08_XNodeALG, sig::SLG1_D88_XPressureCv, sig::SLG1_D88_XTempOilCv, sig::SLG1_D01_XIBUR,
         sig::SLG1_D88_XTempMotor1, sig::SLG1_D88_XTempMotor2, sig::SLG1_D88_XTempMotor3, sig::SLG1_D88_XTempOilTr,
         sig::SLG1_D88_XPressureTr, sig::SLG1_D01_XAIpr, sig::SLG1_D01_XAIBUR, sig::SLG1_D01_MLdSEin,
         sig::SLG1_D01_MFiltDhcOn, sig::SLG1_D01_MFiltOn, sig::SLG1_D01_MFiltAdpOn, sig::SLG1_D01_MHSHalteKr,
         sig::SLG1_D01_MDruCZK, sig::SLG1_D01_MSRSEin, sig::SLG1_D01_MExtRLgez, sig::SLG1_D85_BFiltOn,
         sig::SLG1_D85_BFiltAdpOn, sig::SLG1_D85_BFiltDhcOn, sig::SLG1_D87_BSRSEin, sig::SLG1_D87_BLdSEin,
         sig::SLG1_D08_BExtRLabtr, sig::SLG1_D86_BGUSpEin, sig::SLG1_D08_BHSHalteKr, sig::SLG1_D01_XAIFilts,
         sig::SLG1_D01_XADruckTR, sig::SLG1_D01_XADruckSR, sig::SLG1_D01_XATmp1OelTR, sig::SLG1_D01_XATmp2OelTR,
         sig::SLG1_D01_XATmp1OelSR, sig::SLG1_D01_XATmp2OelSR, sig::SLG1_D01_XATmp1Mot1, sig::SLG1_D01_XATmp2Mot1,
         sig::SLG1_D01_XATmp1Mot2, sig::SLG1_D01_XATmp2Mot2, sig::SLG1_D01_XATmp1Mot3, sig::SLG1_D01_XATmp2Mot3,
         sig::SLG1_D90_XVist_A1, sig::SLG1_D90_XVist_A2, sig::SLG1_D90_XVist_A3, sig::SLG1_D04_XRDM_f1_TC,
         sig::SLG1_D04_XRDM_f2_TC, sig::SLG1_D04_XRDM_f3_TC, sig::SLG1_D04_NSC1_XAFUN, sig::SLG1_D04_NSC1_XAUD,
         sig::SLG1_00_SWVersionSLG1, 0, 0xA0A0, 0.0},
        {sig::SLG2_D09_PDistEarthF, sig::SLG2_D85_MFiltOn, sig::SLG2_D09_BVentLevel1, sig::SLG2_D09_BVentLevel2,
         sig::SLG2_D09_BVentLevel3, sig::SLG2_D04_XPN, sig::SLG2_D87_XUprim, sig::SLG2_D01_XIprim,
         sig::SLG2_D08_XNodeALG, sig::SLG2_D88_XPressureCv, sig::SLG2_D88_XTempOilCv, sig::SLG2_D01_XIBUR,
         sig::SLG2_D88_XTempMotor1, sig::SLG2_D88_XTempMotor2, sig::SLG2_D88_XTempMotor3, sig::SLG2_D88_XTempOilTr,
         sig::SLG2_D88_XPressureTr, sig::SLG2_D01_XAIpr, sig::SLG2_D01_XAIBUR, sig::SLG2_D01_MLdSEin,
         sig::SLG2_D01_MFiltDhcOn, sig::SLG2_D01_MFiltOn, sig::SLG2_D01_MFiltAdpOn, sig::SLG2_D01_MHSHalteKr,
         sig::SLG2_D01_MDruCZK, sig::SLG2_D01_MSRSEin, sig::SLG2_D01_MExtRLgez, sig::SLG2_D85_BFiltOn,
         sig::SLG2_D85_BFiltAdpOn, sig::SLG2_D85_BFiltDhcOn, sig::SLG2_D87_BSRSEin, sig::SLG2_D87_BLdSEin,
         sig::SLG2_D08_BExtRLabtr, sig::SLG2_D86_BGUSpEin, sig::SLG2_D08_BHSHalteKr, sig::SLG2_D01_XAIFilts,
         sig::SLG2_D01_XADruckTR, sig::SLG2_D01_XADruckSR, sig::SLG2_D01_XATmp1OelTR, sig::SLG2_D01_XATmp2OelTR,
         sig::SLG2_D01_XATmp1OelSR, sig::SLG2_D01_XATmp2OelSR, sig::SLG2_D01_XATmp1Mot1, sig::SLG2_D01_XATmp2Mot1,
         sig::SLG2_D01_XATmp1Mot2, sig::SLG2_D01_XATmp2Mot2, sig::SLG2_D01_XATmp1Mot3, sig::SLG2_D01_XATmp2Mot3,
         sig::SLG2_D90_XVist_A1, sig::SLG2_D90_XVist_A2, sig::SLG2_D90_XVist_A3, sig::SLG2_D04_XRDM_f1_TC,
         sig::SLG2_D04_XRDM_f2_TC, sig::SLG2_D04_XRDM_f3_TC, sig::SLG2_D04_NSC2_XAFUN, sig::SLG2_D04_NSC2_XAUD,
         sig::SLG2_00_SWVersionSLG2, 3, 0xB0B0, 1.2},
    };
    // clang-format on
    const bool precharging = s.vcb && s.vcbClosedMs < 1500;
    const double transformerPressure = !s.vcb ? 0.2 : s.message == 20102 ? 0.55 : 1.4;
    const double converterPressure = s.vcb ? 2.6 : 0.3;
    const double rotorHz = s.speedKmh * 0.78; // stator frequency of the traction motors
    for (const Slg& g : slgs) {
        put(g.earthF, false);
        put(g.filtOn85, converters);
        put(g.vent1, s.ventilation == 1);
        put(g.vent2, s.ventilation == 2);
        put(g.vent3, s.ventilation == 3);
        put(g.xpn, perBogieKw);
        put(g.uprim, s.uprimKv);
        put(g.iprim, converterCurrent);
        put(g.nodeAlg, g.alg);
        put(g.pressCv, converterPressure);
        put(g.tempOilCv, s.coolantConverterC + g.temperatureBias);
        put(g.iBur, auxCurrent / 2.0);
        put(g.tm1, s.motorC[size_t(g.motor0)]);
        put(g.tm2, s.motorC[size_t(g.motor0 + 1)]);
        put(g.tm3, s.motorC[size_t(g.motor0 + 2)]);
        put(g.tempOilTr, s.oilTransformerC + g.temperatureBias);
        put(g.pressTr, transformerPressure);
        put(g.aiPr, converterCurrent);
        put(g.aiBur, auxCurrent / 2.0);
        // On this converter type (the display's SR type 3) LdSEin reports the
        // input contactor and SRSEin the pre-charge contactor.
        put(g.ldSEin, converters);
        put(g.filtDhcOn, false);
        put(g.filtOn, converters);
        put(g.filtAdpOn, converters);
        put(g.hsHalte, s.vcb);
        put(g.druCzk, s.vcb);
        put(g.srSEin, precharging);
        put(g.extRLgez, false);
        put(g.bFiltOn, converters);
        put(g.bFiltAdpOn, converters);
        put(g.bFiltDhcOn, false);
        put(g.bSrSEin, precharging);
        put(g.bLdSEin, converters);
        put(g.bExtRLabtr, false);
        put(g.bGuSpEin, s.vcb);
        put(g.bHsHalte, s.vcb);
        // Analogue inputs of the converter electronics, in % of the sensor range.
        put(g.aiFilts, converters ? 34.0 + 2.0 * wave(s.timeMs, 11.0) : 0.0);
        put(g.adruckTr, transformerPressure / 2.5 * 100.0);
        put(g.adruckSr, converterPressure / 4.0 * 100.0);
        put(g.tmp1OelTr, (s.oilTransformerC + g.temperatureBias) / 1.5);
        put(g.tmp2OelTr, (s.oilTransformerC + g.temperatureBias + 0.8) / 1.5);
        put(g.tmp1OelSr, (s.coolantConverterC + g.temperatureBias) / 1.5);
        put(g.tmp2OelSr, (s.coolantConverterC + g.temperatureBias + 0.6) / 1.5);
        put(g.tmp1Mot1, s.motorC[size_t(g.motor0)] / 1.5);
        put(g.tmp2Mot1, (s.motorC[size_t(g.motor0)] + 0.7) / 1.5);
        put(g.tmp1Mot2, s.motorC[size_t(g.motor0 + 1)] / 1.5);
        put(g.tmp2Mot2, (s.motorC[size_t(g.motor0 + 1)] + 0.7) / 1.5);
        put(g.tmp1Mot3, s.motorC[size_t(g.motor0 + 2)] / 1.5);
        put(g.tmp2Mot3, (s.motorC[size_t(g.motor0 + 2)] + 0.7) / 1.5);
        put(g.vist1, rotorHz);
        put(g.vist2, rotorHz * (s.wheelSlip && g.motor0 == 0 ? 1.04 : 1.0));
        put(g.vist3, rotorHz);
        put(g.rdm1, s.coolantConverterC + 4.0 + 12.0 * absEffort / 100.0);
        put(g.rdm2, s.coolantConverterC + 6.0 + 14.0 * absEffort / 100.0);
        put(g.rdm3, s.coolantConverterC + 5.0 + 13.0 * absEffort / 100.0);
        put(g.afun, s.lineHz / 10.0);                // the display multiplies by 10
        put(g.aud, converters ? 2800.0 / 4.1 : 0.0); // and the DC link voltage by 4.1
        put(g.version, 207);
    }

    // ---- BUR1..BUR3: auxiliary converters ----
    const double busVoltage = s.auxiliaries ? 415.0 : 0.0;
    const double bur1Hz = s.ventilation == 3 ? 50.0 : s.ventilation == 2 ? 41.7 : s.ventilation == 1 ? 33.3 : 0.0;
    put(sig::BUR1_D76_MVentLevel1, s.ventilation == 1);
    put(sig::BUR1_D76_MVentLevel2, s.ventilation == 2);
    put(sig::BUR1_D76_MVentLevel3, s.ventilation == 3);
    put(sig::BUR1_D01_M52_4Close, false);
    put(sig::BUR1_D01_M52_5Close, false);
    put(sig::BUR1_D73_XUUN, busVoltage * bur1Hz / 50.0 / 12.5);
    put(sig::BUR1_D73_XUUZ1, s.auxiliaries ? 600.0 : 0.0);
    put(sig::BUR1_D73_XUIZ1, s.auxiliaries ? 40.0 + 15.0 * s.ventilation : 0.0);
    put(sig::BUR1_D01_XUFWR, bur1Hz);
    put(sig::BUR2_D76_MVentLevel1, s.ventilation == 1);
    put(sig::BUR2_D76_MVentLevel2, s.ventilation == 2);
    put(sig::BUR2_D76_MVentLevel3, s.ventilation == 3);
    put(sig::BUR2_D01_M52_1Close, s.auxiliaries);
    put(sig::BUR2_D01_M52_2Close, s.auxiliaries);
    put(sig::BUR2_D01_M52_4Close, false);
    put(sig::BUR2_D01_M100_OK, true);
    put(sig::BUR3_D01_M52_3Close, s.auxiliaries);
    put(sig::BUR3_D01_M100_OK, true);
    struct Bur {
        sig::Id battery, uun, iB, iLg, uz, iz, hz;
        double load;
    };
    const Bur burs[2] = {
        {sig::BUR2_D73_XU_Battery, sig::BUR2_D73_XUUN, sig::BUR2_D01_XUIB, sig::BUR2_D01_XUILG, sig::BUR2_D73_XUUZ1,
         sig::BUR2_D73_XUIZ1, sig::BUR2_D01_XUFWR, 1.0},
        {sig::BUR3_D73_XU_Battery, sig::BUR3_D73_XUUN, sig::BUR3_D01_XUIB, sig::BUR3_D01_XUILG, sig::BUR3_D73_XUUZ1,
         sig::BUR3_D73_XUIZ1, sig::BUR3_D01_XUFWR, 0.9},
    };
    for (const Bur& b : burs) {
        put(b.battery, s.batteryV);
        put(b.uun, busVoltage / 12.5);
        put(b.iB, s.auxiliaries ? 12.0 * b.load : 0.0);
        put(b.iLg, s.auxiliaries ? 35.0 * b.load : 0.0);
        put(b.uz, s.auxiliaries ? 600.0 : 0.0);
        put(b.iz, s.auxiliaries ? 55.0 * b.load : 0.0);
        put(b.hz, s.auxiliaries ? 50.0 : 0.0);
    }

    // ---- HBB1: auxiliary cubicle 1 (cab 1 side) ----
    put(sig::HBB1_D04_EFHtlLd, false);
    put(sig::HBB1_D04_EFFilterCkt, false);
    put(sig::HBB1_D04_EFAUXCkt, false);
    put(sig::HBB1_D04_EFContCkt, false);
    put(sig::HBB1_D24_LTrvDirFor, cab1 && forward);
    put(sig::HBB1_D24_LTrvDirRev, cab1 && reverse);
    put(sig::HBB1_D32_MVCB_On, s.vcb);
    put(sig::HBB1_D24_LTEDemand, traction);
    put(sig::HBB1_D24_LBEDemand, braking);
    put(sig::HBB1_D01_MRelMCEOn, true);
    put(sig::HBB1_D01_MMRBlowerOk, s.auxiliaries);
    put(sig::HBB1_D01_LMaxTELimit, s.powerReduced);
    put(sig::HBB1_D01_LTrvDirFor, cab1 && forward);
    put(sig::HBB1_D01_LTrvDirRev, cab1 && reverse);
    put(sig::HBB1_D01_LTEDemand, cab1 && traction);
    put(sig::HBB1_D01_LBEDemand, cab1 && braking);
    put(sig::HBB1_D01_LT_BDemG1_3, cab1 && absEffort > 33.0);
    put(sig::HBB1_D01_LT_BDemG2_3, cab1 && absEffort > 66.0);
    put(sig::HBB1_D01_MAuxConVCB, s.vcb);
    put(sig::HBB1_D01_LVCBOn, s.vcb);
    put(sig::HBB1_D01_BDetCoCo, true); // six traction motors
    put(sig::HBB1_D02_MLampFInd, faultLamp);
    put(sig::HBB1_D02_MLampFault, priority1);
    put(sig::HBB1_D02_BSelfMCE, false);
    put(sig::HBB1_D02_BContCP1, s.compressors);
    put(sig::HBB1_D02_BVCBOnPulse, s.vcb && s.vcbClosedMs < 500);
    put(sig::HBB1_D02_BContSelfH, false);
    put(sig::HBB1_D02_BVCBOn, s.vcb);
    put(sig::HBB1_00_SWVersionBUR2, 421);

    // ---- HBB2: auxiliary cubicle 2 (cab 2 side, brakes and pantographs) ----
    put(sig::HBB2_D24_LTrvDirFor, !cab1 && forward);
    put(sig::HBB2_D24_LTrvDirRev, !cab1 && reverse);
    put(sig::HBB2_D31_LPanUpWish, panUpWish);
    put(sig::HBB2_D31_LPanDnWish, false);
    put(sig::HBB2_D63_MPrSw75, s.mainReservoir >= 7.5);
    put(sig::HBB2_D44_MParkBkApp, s.parkingBrake);
    put(sig::HBB2_D01_MPrSwEmgBk, false);
    put(sig::HBB2_D01_MMCBCompr2, false);
    put(sig::HBB2_D24_LTEDemand, traction);
    put(sig::HBB2_D24_LBEDemand, braking);
    put(sig::HBB2_D01_MMRBlowerOk, s.auxiliaries);
    put(sig::HBB2_D01_LTrvDirFor, !cab1 && forward);
    put(sig::HBB2_D01_LTrvDirRev, !cab1 && reverse);
    put(sig::HBB2_D01_LTEDemand, !cab1 && traction);
    put(sig::HBB2_D01_LBEDemand, !cab1 && braking);
    put(sig::HBB2_D01_MPrSwPan1, panUp || (s.phase == Phase::PanRaising && s.phaseMs >= 1000));
    put(sig::HBB2_D01_MPrSwPan2, false);
    put(sig::HBB2_D01_MPrSwParkBk, s.parkingBrake);
    put(sig::HBB2_D01_MBrakElecOK, true);
    put(sig::HBB2_D01_LCockBkCon, true);
    put(sig::HBB2_D01_MPrSwLocoBk, s.locoBrake);
    put(sig::HBB2_D01_LPanUp, panUp);
    put(sig::HBB2_D01_MPrSw75bar, s.mainReservoir >= 7.5);
    put(sig::HBB2_D01_MPrSwBkCyl2, s.locoBrake);
    put(sig::HBB2_D01_MPrSwLowMR, lowMr);
    put(sig::HBB2_D01_MPrSw8bar, s.mainReservoir >= 8.0);
    put(sig::HBB2_D02_MLampFInd, faultLamp);
    put(sig::HBB2_D02_MLampFault, priority1);
    put(sig::HBB2_D02_BEPAutBkOut, autoBrake);
    put(sig::HBB2_D02_BEPAntSpin2, s.wheelSlip);
    put(sig::HBB2_D02_BVigControl, s.speedKmh > 0.0);
    put(sig::HBB2_D02_BEPRelPBk, !s.parkingBrake);
    put(sig::HBB2_D02_BEPPan1, panUpWish);
    put(sig::HBB2_D02_BEPSand13, s.wheelSlip);
    put(sig::HBB2_D02_BEPSand24, s.wheelSlip);
    put(sig::HBB2_D02_BContCompr2, s.compressors);
    put(sig::HBB2_D02_BEPApplyPBk, s.parkingBrake);
    put(sig::HBB2_D02_BEPLBkOut, s.locoBrake);
    put(sig::HBB2_00_SWVersionBUR2, 421);

    // ---- STB1: cab 1 processor ----
    put(sig::STB1_D09_MIPrimHigh, false);
    put(sig::STB1_D24_LTrvDirFor, cab1 && forward);
    put(sig::STB1_D24_LTrvDirRev, cab1 && reverse);
    put(sig::STB1_D32_MVCB_On, s.vcb);
    put(sig::STB1_D01_MMCBCompr1, false);
    put(sig::STB1_D01_LParkBrake, cab1 && s.parkingBrake);
    put(sig::STB1_D01_LActKSwD, cab1);
    put(sig::STB1_D01_LActKSwC, cab1);
    put(sig::STB1_D01_LConstSpeed, cab1 && s.constantSpeed);
    put(sig::STB1_D01_LFootSwSand, cab1 && s.wheelSlip);
    put(sig::STB1_D01_LTrvDirFor, cab1 && forward);
    put(sig::STB1_D01_LTrvDirRev, cab1 && reverse);
    put(sig::STB1_D01_MRelMCEOn, true);
    put(sig::STB1_D01_LVCBOn, s.vcb);
    put(sig::STB1_D01_MAuxConVCB, s.vcb);
    put(sig::STB1_D01_BDetCoCo, true);
    put(sig::STB1_D02_MLampWSlip, s.wheelSlip);
    put(sig::STB1_D02_MLampCSpeed, s.constantSpeed);
    put(sig::STB1_D02_MLampParkBk, s.parkingBrake);
    put(sig::STB1_D02_BAirDryer, s.compressors);
    put(sig::STB1_D02_BEPAntSpin1, s.wheelSlip);
    put(sig::STB1_D02_BVCBOn, s.vcb);
    put(sig::STB1_D02_BVCBOnPulse, s.vcb && s.vcbClosedMs < 500);
    put(sig::STB1_D02_BContCompr1, s.compressors);
    put(sig::STB1_00_SWVersionBUR3, 421);

    // ---- STB2: cab 2 processor (cab 2 desk, vigilance, speed supervision) ----
    put(sig::STB2_D04_EFAUXCkt, false);
    put(sig::STB2_D24_LTrvDirFor, !cab1 && forward);
    put(sig::STB2_D24_LTrvDirRev, !cab1 && reverse);
    put(sig::STB2_D31_LPanUpWish, panUpWish);
    put(sig::STB2_D44_MParkBkApp, s.parkingBrake);
    put(sig::STB2_D01_LParkBrake, !cab1 && s.parkingBrake);
    put(sig::STB2_D01_LActKSwD, !cab1);
    put(sig::STB2_D01_LActKSwC, !cab1);
    put(sig::STB2_D01_LConstSpeed, !cab1 && s.constantSpeed);
    put(sig::STB2_D01_LTrvDirFor, !cab1 && forward);
    put(sig::STB2_D01_LTrvDirRev, !cab1 && reverse);
    put(sig::STB2_D01_MSpeed105, s.speedKmh > 105.0);
    put(sig::STB2_D01_MSpeed110, s.speedKmh > 110.0);
    put(sig::STB2_D01_MSpeedAlarm, s.speedKmh > 105.0);
    put(sig::STB2_D01_LPanUp, panUp);
    put(sig::STB2_D01_MPrSwBkCyl1, s.locoBrake);
    put(sig::STB2_D01_MPrSwParkBk, s.parkingBrake);
    put(sig::STB2_D01_MVigWarn, s.vigilanceWarning);
    put(sig::STB2_D02_MLampWSlip, s.wheelSlip);
    put(sig::STB2_D02_MLampCSpeed, s.constantSpeed);
    put(sig::STB2_D02_MLampParkBk, s.parkingBrake);
    put(sig::STB2_D02_BContCompr2, s.compressors);
    put(sig::STB2_D02_BEPLBkOut, s.locoBrake);
    put(sig::STB2_D02_BEPPan2, false);
    put(sig::STB2_00_SWVersionBUR3, 421);

    // ---- diagnosis processors: message numbers, inching ----
    putWord(kDdaPort[0], 0, cab1 ? s.message : 0);
    putWord(kDdaPort[1], 0, cab1 ? 0 : s.message);
    put(sig::DDA1_97_InchScreenAct, cab1 && s.inchingActive);
    put(sig::DDA1_97_WSetSpeedInch, s.inchingSetKmh);
    put(sig::DDA2_97_InchScreenAct, !cab1 && s.inchingActive);
    put(sig::DDA2_97_WSetSpeedInch, s.inchingSetKmh);

    // ---- simulation switch, sub-systems, status words ----
    put(sig::FLG1_18_BSimulation, false);
    put(sig::FLG2_18_BSimulation, false);
    put(sig::HBB1_D01_BDetCoCoR, true);
    // Sub-system switch-off states: all in service (0) but SS05, the hotel
    // load converter, which a freight loco does not have (4: isolated).
    put(sig::FLG1_D54_BSubS05_Off, 4);
    const bool inaugurating = s.message == 93;
    const bool panRaising = s.phase == Phase::PanRaising;
    put(sig::FLG1_06_M590_Thr_0, throttleZero);
    put(sig::FLG2_06_M590_Thr_0, throttleZero);
    put(sig::FLG1_06_MTbInaugAct, inaugurating);
    put(sig::FLG2_06_MTbInaugAct, inaugurating);
    put(sig::FLG1_06_MPanRaising, panRaising);
    put(sig::FLG2_06_MPanRaising, panRaising);
    put(sig::FLG1_06_MPowerReduc, s.powerReduced);
    put(sig::FLG2_06_MPowerReduc, s.powerReduced);

    // ---- software versions, nodes, life signs, mastership ----
    put(sig::FLG1_00_SWVersionFLG1, 312);
    put(sig::FLG2_00_SWVersionFLG2, 312);
    put(sig::STB1_00_SWVersionSTB1, 105);
    put(sig::STB2_00_SWVersionSTB2, 105);
    put(sig::HBB1_00_SWVersionHBB1, 110);
    put(sig::HBB2_00_SWVersionHBB2, 110);
    put(sig::FLG1_13_XNodeMSC, 504);
    put(sig::FLG2_13_XNodeMSC, 502);
    const quint16 life = s.lifeSign;
    put(sig::FLG1_10_XMVBLifeSig, life);
    put(sig::FLG1_54_MFLG1MastRq, 1);
    put(sig::FLG2_10_XMVBLifeSig, quint16(life + 17));
    put(sig::STB1_05_XMVBLifeSig, quint16(life + 101));
    put(sig::STB2_05_XMVBLifeSig, quint16(life + 203));
    put(sig::HBB1_05_XMVBLifeSig, quint16(life + 307));
    put(sig::HBB2_05_XMVBLifeSig, quint16(life + 409));

    // ---- second loco in multiple operation (2510 words 4..7, 2610 words 6..7) ----
    put(sig::multiOpMode_slave1_active, s.multipleOperation);
    if (s.multipleOperation) {
        put(sig::FLG1_D00_MLocoNum2, kLoco2Number);
        putWord(2510, 4, quint16(f[2510][4] | (forward ? 0x0200 : 0) | (reverse ? 0x0400 : 0)));
        putWord(2610, 6, 514);
        putWord(2610, 7, s.loco2Message);
    }

    // ---- remote I/O: RIOM1/RIOM2 (cab desks), BRIO1/BRIO2 (brake units) ----
    const auto desk = [&](quint16 inPort, quint16 outPort, bool active) {
        QVector<quint16>& in = f[inPort];
        busOrder(in, 0, active);                                                     // cab activation key
        busOrder(in, 1, active && forward);                                          // reverser forward
        busOrder(in, 2, active && reverse);                                          // reverser reverse
        busOrder(in, 3, active && s.phase == Phase::PanRaising && s.phaseMs < 1000); // pan up button
        busOrder(in, 4, active && s.phase == Phase::Shutdown && s.phaseMs >= 1000 && s.phaseMs < 2000);
        busOrder(in, 5, active && s.vcb && s.vcbClosedMs < 1000);                   // VCB on button
        busOrder(in, 6, active && s.phase == Phase::Shutdown && s.phaseMs < 1000);  // VCB off button
        busOrder(in, 7, active && traction);                                        // throttle in traction
        busOrder(in, 8, active && braking);                                         // throttle in braking
        busOrder(in, 9, active && s.wheelSlip);                                     // sanding foot switch
        busOrder(in, 11, active && s.speedKmh > 0.0 && !s.vigilanceWarning);        // vigilance pedal
        busOrder(in, 12, active && s.direction != 0);                               // headlight
        busOrder(in, 14, active && s.phase == Phase::Traction && s.phaseMs < 2000); // horn
        for (int e = 16; e < 24; ++e)
            busOrder(in, e, true);                            // desk MCBs closed
        in[2] = scaledWord(active ? s.throttle : 0.0, 100.0); // throttle angle, %
        in[3] = scaledWord(active ? std::clamp((kChargedBrakePipe - s.brakePipe) / 1.5 * 100.0, 0.0, 100.0) : 0.0,
                           100.0); // automatic brake handle, %
        QVector<quint16>& out = f[outPort];
        busOrder(out, 0, active && s.constantSpeed);            // BPCS lamp
        busOrder(out, 1, active && s.wheelSlip);                // LSP lamp
        busOrder(out, 2, active && s.vigilanceWarning);         // LSVW lamp
        busOrder(out, 3, active && !s.vcb);                     // LSDJ lamp
        busOrder(out, 4, active && s.parkingBrake);             // BPPB lamp
        busOrder(out, 5, active && priority1);                  // LSFI lamp
        busOrder(out, 6, active && faultLamp);                  // BPFA lamp
        busOrder(out, 8, true);                                 // speed indicator supply
        out[1] = scaledWord(s.speedKmh / 160.0 * 100.0, 100.0); // speed indicator, %
        out[2] = scaledWord(active ? bogie1 : 0.0, 100.0);      // TE/BE meter bogie 1, %
        out[3] = scaledWord(active ? absEffort : 0.0, 100.0);   // TE/BE meter bogie 2, %
        out[4] = scaledWord(s.uprimKv / 30.0 * 100.0, 100.0);   // catenary voltmeter, %
    };
    desk(2510, 2610, cab1);
    desk(2520, 2620, !cab1);

    const auto brakeUnit = [&](quint16 inPort, quint16 outPort, int unit) {
        QVector<quint16>& in = f[inPort];
        msbFirst(in, 0, s.brakePipe >= 4.8);     // brake pipe charged
        msbFirst(in, 1, !lowMr);                 // main reservoir above 6.4
        msbFirst(in, 2, s.locoBrake);            // brake cylinder applied
        msbFirst(in, 3, s.parkingBrake);         // parking brake applied
        msbFirst(in, 5, s.compressors);          // compressor running
        msbFirst(in, 7, s.compressors);          // air dryer
        msbFirst(in, 8, panUpWish && unit == 1); // pan pressure switch
        msbFirst(in, 10, true);                  // sand box filled
        for (int e = 16; e < 19; ++e)
            msbFirst(in, e, true); // brake unit MCBs closed
        in[5] = scaledWord(unit == 1 ? s.brakePipe * 10.0 : s.mainReservoir * 10.0, 100.0);
        QVector<quint16>& out = f[outPort];
        msbFirst(out, 0, autoBrake);                                                    // brake application valve
        msbFirst(out, 1, s.phase == Phase::Stopped && s.brakePipe < kChargedBrakePipe); // release valve
        msbFirst(out, 2, s.compressors);                                                // compressor contactor
        msbFirst(out, 3, panUpWish && unit == 1);                                       // pan valve
        msbFirst(out, 4, s.wheelSlip);                                                  // sanding
        msbFirst(out, 5, s.wheelSlip && unit == 1);                                     // anti-spin brake
        if (unit == 2)
            out[2] = scaledWord(pneumaticDemand, 100.0); // pneumatic brake demand, %
    };
    brakeUnit(2500, 2501, 1);
    brakeUnit(2502, 2503, 2);

    // ---- DDS window, the display units' own output ports ----
    f[DdsLog::kPort] = m_dds.portWords();
    f[kOutputPortCab1] = {0, 1, 0, 0}; // a display unit showing its home screen
    f[kOutputPortCab2] = {0, 1, 0, 0};
    return f;
}

} // namespace sim
