#include "sim/mvb_controller_emulator.h"

#include <algorithm>

namespace sim {

namespace {

constexpr quint16 kRegisterBlock = 0xFF80;        // internal registers, 64 KB mode
constexpr quint16 kRegisterBlockAtReset = 0x3F80; // the same block in 16 KB mode
constexpr quint16 kMask16KB = 0x3FFF;
constexpr quint16 kMcrWritableBits = 0x007F;
constexpr quint16 kPitEnd = 0x2000; // logical-address port index table
constexpr quint16 kPcsEnd = 0xF000; // end of the logical-address PCS area
constexpr quint16 kErrorBitsMask = 0x001F;
constexpr quint16 kPageBit = 0x0040;
constexpr quint16 kSinkCode = 0x402;
constexpr quint16 kSourceCode = 0x802;
constexpr int kSlots = MvbControllerEmulator::kMaxPortIndex + 1;

} // namespace

QString faultModeName(FaultMode mode)
{
    switch (mode) {
    case FaultMode::Normal: return QStringLiteral("normal");
    case FaultMode::Silent: return QStringLiteral("silent");
    case FaultMode::NakAll: return QStringLiteral("nak");
    case FaultMode::ShortReply: return QStringLiteral("short");
    case FaultMode::Garbage: return QStringLiteral("garbage");
    }
    return QString();
}

std::optional<FaultMode> parseFaultMode(const QString& name)
{
    for (FaultMode m :
         {FaultMode::Normal, FaultMode::Silent, FaultMode::NakAll, FaultMode::ShortReply, FaultMode::Garbage}) {
        if (faultModeName(m) == name)
            return m;
    }
    return std::nullopt;
}

QString controllerStateName(ControllerState state)
{
    switch (state) {
    case ControllerState::Reset: return QStringLiteral("reset");
    case ControllerState::Configuration: return QStringLiteral("configuration");
    case ControllerState::FullOperation: return QStringLiteral("full-operation");
    }
    return QString();
}

MvbControllerEmulator::MvbControllerEmulator()
    : m_slotOwner(kSlots, -1)
    , m_sourceFlips(kSlots, 0)
    , m_random(0x4d564243u)
{
    m_elapsed.start();
    m_memory.setWord(kMcr, kMcrFixedBits);
}

// ---------------------------------------------------------------- wire

int MvbControllerEmulator::parseFrame(const QByteArray& bytes, int pos, Frame* frame)
{
    const int available = bytes.size() - pos;
    const quint8 b0 = quint8(bytes.at(pos));
    if (!(b0 & 0x80)) {
        frame->kind = FrameKind::Invalid;
        return 1;
    }
    const quint8 code = b0 & 0xE0;
    if (code == 0x80) {
        frame->kind = FrameKind::Nop;
        return 1;
    }
    const int length = (code == 0xC0) ? 5 : 3;
    // Address bytes carry 7 and 3 bits; bit 7 set means a new command started
    // and this frame lost bytes on the way.
    for (int i = 1; i <= 2; ++i) {
        if (available <= i)
            return 0;
        if (quint8(bytes.at(pos + i)) & 0x80) {
            frame->kind = FrameKind::Invalid;
            return i;
        }
    }
    if (available < length)
        return 0;
    const quint8 d1 = quint8(bytes.at(pos + 1));
    const quint8 d2 = quint8(bytes.at(pos + 2));
    if (d2 & 0x78) {
        frame->kind = FrameKind::Invalid;
        return length;
    }
    const quint16 word = quint16((b0 & 0x1F) | (d1 << 5) | (d2 << 12));
    frame->byteAddress = quint16(word << 1);
    switch (code) {
    case 0xA0: frame->kind = FrameKind::Read; break;
    case 0xC0:
        frame->kind = FrameKind::Write;
        frame->value = quint16(quint8(bytes.at(pos + 3)) | (quint8(bytes.at(pos + 4)) << 8));
        break;
    default: frame->kind = FrameKind::ReadPort; break;
    }
    return length;
}

QByteArray MvbControllerEmulator::process(const QByteArray& bytes)
{
    std::vector<SourceEvent> events;
    QByteArray out;
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_counters.bytesIn += quint64(bytes.size());
        if (m_faultMode == FaultMode::Silent) {
            m_pending.clear();
            return out;
        }
        sweepIfDueLocked();
        m_pending.append(bytes);
        int pos = 0;
        while (pos < m_pending.size()) {
            Frame frame;
            const int used = parseFrame(m_pending, pos, &frame);
            if (used == 0)
                break;
            pos += used;
            QByteArray reply = serveLocked(frame, events);
            if (m_faultMode == FaultMode::ShortReply)
                reply.chop(std::min<int>(m_shortBy, reply.size()));
            else if (m_faultMode == FaultMode::Garbage)
                for (char& c : reply)
                    c = char(m_random.bounded(256));
            out.append(reply);
        }
        m_pending.remove(0, pos);
        m_counters.bytesOut += quint64(out.size());
    }
    deliver(events);
    return out;
}

QByteArray MvbControllerEmulator::serveLocked(const Frame& frame, std::vector<SourceEvent>& events)
{
    ++m_counters.transactions;
    const auto nak = [this] {
        ++m_counters.naks;
        return QByteArray(1, char(kNak));
    };
    if (m_faultMode == FaultMode::NakAll)
        return nak();
    switch (frame.kind) {
    case FrameKind::Nop: ++m_counters.nops; return QByteArray(1, char(kAck));
    case FrameKind::Read: {
        ++m_counters.reads;
        const quint16 value = readPhysicalLocked(decodeLocked(frame.byteAddress));
        QByteArray reply(2, 0);
        reply[0] = char(value & 0xFF);
        reply[1] = char(value >> 8);
        return reply;
    }
    case FrameKind::Write:
        ++m_counters.writes;
        if (!writePhysicalLocked(decodeLocked(frame.byteAddress), frame.value, events))
            return nak();
        return QByteArray(1, char(kAck));
    case FrameKind::ReadPort:
    case FrameKind::Invalid: break;
    }
    return nak();
}

void MvbControllerEmulator::resetStream()
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_pending.clear();
}

// ---------------------------------------------------------------- memory

quint16 MvbControllerEmulator::decodeLocked(quint16 byteAddress) const
{
    byteAddress &= 0xFFFE;
    if (m_memory.word(kMcr) & kMcr64KB)
        return byteAddress;
    const quint16 folded = byteAddress & kMask16KB;
    if (folded >= kRegisterBlockAtReset)
        return quint16(kRegisterBlock + (folded - kRegisterBlockAtReset));
    return folded;
}

ControllerState MvbControllerEmulator::stateLocked() const
{
    switch (m_memory.word(kScr) & 0x3) {
    case 0: return ControllerState::Reset;
    case 3: return ControllerState::FullOperation;
    default: return ControllerState::Configuration;
    }
}

int MvbControllerEmulator::ownerOfLocked(int index) const
{
    if (index <= 0 || index >= kSlots)
        return -1;
    const int l = m_slotOwner[size_t(index)];
    if (l < 0 || m_memory.word(quint16(2 * l)) != index)
        return -1;
    return l;
}

PortDirection MvbControllerEmulator::directionOfLocked(int index) const
{
    if (index <= 0 || index >= kSlots)
        return PortDirection::None;
    const quint16 word0 = m_memory.word(pcsAddress(index));
    switch (word0 & 0x0FFF) {
    case kSinkCode: return PortDirection::Sink;
    case kSourceCode: return PortDirection::Source;
    default: return PortDirection::Other;
    }
}

int MvbControllerEmulator::sizeWordsLocked(int index) const
{
    const int fcode = m_memory.word(pcsAddress(index)) >> 12;
    return fcode >= 4 ? kMaxPortWords : (1 << fcode);
}

int MvbControllerEmulator::indexOfLocked(quint16 logicalAddress) const
{
    if (logicalAddress >= kPitEnd / 2)
        return 0;
    const int index = m_memory.word(quint16(2 * logicalAddress));
    return (index > 0 && index < kSlots) ? index : 0;
}

quint16 MvbControllerEmulator::readPhysicalLocked(quint16 physical) const
{
    if (physical >= kPcsBase && physical < kPcsEnd && (physical & 0x7) == 4) {
        const int index = (physical - kPcsBase) / 8;
        const int l = ownerOfLocked(index);
        if (l >= 0 && directionOfLocked(index) == PortDirection::Sink) {
            const auto it = m_ports.constFind(quint16(l));
            if (it != m_ports.constEnd()) {
                if (it->stale)
                    return 0;
                if (it->transferred) {
                    const qint64 age = std::clamp<qint64>(nowLocked() - it->lastTransferMs, 0, 0xFFFF);
                    return quint16(~quint16(age));
                }
            }
        }
    }
    return m_memory.word(physical);
}

bool MvbControllerEmulator::writePhysicalLocked(quint16 physical, quint16 value, std::vector<SourceEvent>& events)
{
    if (physical == kScr) {
        m_memory.setWord(kScr, value);
        if ((value & 0x3) == 0)
            m_memory.setWord(kMcr, kMcrFixedBits); // reset: back to 16 KB
        return true;
    }
    if (physical == kMcr) {
        if (stateLocked() == ControllerState::FullOperation)
            return false;
        m_memory.setWord(kMcr, quint16(kMcrFixedBits | (value & kMcrWritableBits)));
        return true;
    }
    if (physical < kPitEnd) {
        const int l = physical / 2;
        const quint16 old = m_memory.word(physical);
        m_memory.setWord(physical, value);
        if (value > 0 && value < kSlots)
            m_slotOwner[value] = l;
        if (old != value)
            forgetTransferLocked(l);
        return true;
    }
    if (physical >= kPcsBase && physical < kPcsEnd) {
        const int index = (physical - kPcsBase) / 8;
        const int offset = physical & 0x7;
        const quint16 old = m_memory.word(physical);
        m_memory.setWord(physical, value);
        if (offset == 0) {
            // (Re)configuration of the port: a new start for its bookkeeping.
            forgetTransferLocked(ownerOfLocked(index));
            m_sourceFlips[size_t(index)] = 0;
        } else if (offset == 2 && ((old ^ value) & kPageBit) && directionOfLocked(index) == PortDirection::Source) {
            ++m_sourceFlips[size_t(index)];
            const int l = ownerOfLocked(index);
            if (l >= 0 && m_sourceListener)
                events.push_back({quint16(l), sourceWordsLocked(index)});
        }
        return true;
    }
    m_memory.setWord(physical, value);
    return true;
}

quint16 MvbControllerEmulator::readWord(quint16 byteAddress)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return readPhysicalLocked(decodeLocked(byteAddress));
}

bool MvbControllerEmulator::writeWord(quint16 byteAddress, quint16 value)
{
    std::vector<SourceEvent> events;
    bool ok;
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        ok = writePhysicalLocked(decodeLocked(byteAddress), value, events);
    }
    deliver(events);
    return ok;
}

quint16 MvbControllerEmulator::peek(quint16 physicalByteAddress) const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_memory.word(physicalByteAddress);
}

void MvbControllerEmulator::poke(quint16 physicalByteAddress, quint16 value)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_memory.setWord(physicalByteAddress, value);
}

ControllerState MvbControllerEmulator::state() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return stateLocked();
}

bool MvbControllerEmulator::is64KBMode() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_memory.word(kMcr) & kMcr64KB;
}

void MvbControllerEmulator::powerOn()
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_memory.clear();
    m_memory.setWord(kMcr, kMcrFixedBits);
    m_pending.clear();
    std::fill(m_slotOwner.begin(), m_slotOwner.end(), -1);
    std::fill(m_sourceFlips.begin(), m_sourceFlips.end(), 0);
    for (PortState& port : m_ports)
        port.transferred = false;
}

// ---------------------------------------------------------------- ports

void MvbControllerEmulator::forgetTransferLocked(int logicalAddress)
{
    if (logicalAddress < 0)
        return;
    const auto it = m_ports.find(quint16(logicalAddress));
    if (it != m_ports.end())
        it->transferred = false;
}

bool MvbControllerEmulator::transferLocked(quint16 logicalAddress, PortState& port, qint64 now)
{
    if (stateLocked() != ControllerState::FullOperation)
        return false;
    const int index = indexOfLocked(logicalAddress);
    if (index == 0 || directionOfLocked(index) != PortDirection::Sink)
        return false;
    m_slotOwner[size_t(index)] = logicalAddress;
    const quint16 pcs = pcsAddress(index);
    const quint16 word1 = m_memory.word(pcs + 2);
    if (port.errorBits) {
        m_memory.setWord(pcs + 2, word1 | port.errorBits);
        return false;
    }
    const int target = (word1 & kPageBit) ? 0 : 1;
    const quint16 page = pageAddress(index, target);
    const int n = sizeWordsLocked(index);
    for (int k = 0; k < n; ++k)
        m_memory.setWord(quint16(page + 2 * k), k < port.dataset.size() ? port.dataset.at(k) : 0);
    m_memory.setWord(pcs + 2, quint16((word1 & ~kPageBit) | (target ? kPageBit : 0)));
    port.transferred = true;
    port.lastTransferMs = now;
    return true;
}

void MvbControllerEmulator::applyErrorLocked(quint16 logicalAddress, const PortState& port)
{
    if (stateLocked() != ControllerState::FullOperation)
        return;
    const int index = indexOfLocked(logicalAddress);
    if (index == 0 || directionOfLocked(index) != PortDirection::Sink || !port.errorBits)
        return;
    m_slotOwner[size_t(index)] = logicalAddress;
    const quint16 pcs = pcsAddress(index);
    m_memory.setWord(pcs + 2, m_memory.word(pcs + 2) | port.errorBits);
}

bool MvbControllerEmulator::publishLocked(quint16 logicalAddress, const QVector<quint16>& words)
{
    PortState& port = m_ports[logicalAddress];
    port.dataset = words.mid(0, kMaxPortWords);
    port.published = true;
    if (port.stale || port.errorBits)
        return false;
    return transferLocked(logicalAddress, port, nowLocked());
}

bool MvbControllerEmulator::publish(quint16 logicalAddress, const QVector<quint16>& words)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return publishLocked(logicalAddress, words);
}

bool MvbControllerEmulator::setPublishedWord(quint16 logicalAddress, int index, quint16 value)
{
    if (index < 0 || index >= kMaxPortWords)
        return false;
    std::lock_guard<std::mutex> lock(m_mutex);
    QVector<quint16> words;
    const auto it = m_ports.constFind(logicalAddress);
    if (it != m_ports.constEnd() && it->published)
        words = it->dataset;
    else
        words = QVector<quint16>(kMaxPortWords, 0);
    if (words.size() <= index)
        words.resize(index + 1);
    words[index] = value;
    return publishLocked(logicalAddress, words);
}

QVector<quint16> MvbControllerEmulator::publishedDataset(quint16 logicalAddress) const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    const auto it = m_ports.constFind(logicalAddress);
    return (it != m_ports.constEnd() && it->published) ? it->dataset : QVector<quint16>();
}

void MvbControllerEmulator::unpublish(quint16 logicalAddress)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    const auto it = m_ports.find(logicalAddress);
    if (it != m_ports.end()) {
        it->published = false;
        it->dataset.clear();
    }
}

void MvbControllerEmulator::setStale(quint16 logicalAddress, bool stale)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    PortState& port = m_ports[logicalAddress];
    port.stale = stale;
    if (!stale && port.published && !port.errorBits)
        transferLocked(logicalAddress, port, nowLocked());
}

bool MvbControllerEmulator::isStale(quint16 logicalAddress) const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    const auto it = m_ports.constFind(logicalAddress);
    return it != m_ports.constEnd() && it->stale;
}

void MvbControllerEmulator::setPortError(quint16 logicalAddress, quint16 errorBits)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    PortState& port = m_ports[logicalAddress];
    port.errorBits = errorBits & kErrorBitsMask;
    applyErrorLocked(logicalAddress, port);
}

QVector<quint16> MvbControllerEmulator::sourceWordsLocked(int index) const
{
    const quint16 word1 = m_memory.word(pcsAddress(index) + 2);
    const int latest = (word1 & kPageBit) ? 0 : 1;
    const quint16 page = pageAddress(index, latest);
    QVector<quint16> words(sizeWordsLocked(index));
    for (int k = 0; k < words.size(); ++k)
        words[k] = m_memory.word(quint16(page + 2 * k));
    return words;
}

SourceData MvbControllerEmulator::readSource(quint16 logicalAddress) const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    SourceData data;
    const int index = indexOfLocked(logicalAddress);
    if (index == 0 || directionOfLocked(index) != PortDirection::Source)
        return data;
    data.words = sourceWordsLocked(index);
    data.flips = m_sourceFlips[size_t(index)];
    data.valid = data.flips > 0;
    return data;
}

PortInfo MvbControllerEmulator::portInfoLocked(quint16 logicalAddress) const
{
    PortInfo info;
    info.logicalAddress = logicalAddress;
    const int index = indexOfLocked(logicalAddress);
    if (index == 0)
        return info;
    info.index = quint16(index);
    info.direction = directionOfLocked(index);
    info.pcsAddress = pcsAddress(index);
    info.page0Address = pageAddress(index, 0);
    info.fcode = m_memory.word(info.pcsAddress) >> 12;
    info.sizeWords = sizeWordsLocked(index);
    const quint16 word1 = m_memory.word(info.pcsAddress + 2);
    info.page = (word1 & kPageBit) ? 1 : 0;
    info.errorBits = word1 & kErrorBitsMask;
    return info;
}

PortInfo MvbControllerEmulator::portInfo(quint16 logicalAddress) const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return portInfoLocked(logicalAddress);
}

QVector<PortInfo> MvbControllerEmulator::configuredPorts() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    QVector<PortInfo> ports;
    for (quint16 l = 0; l < kPitEnd / 2; ++l) {
        if (indexOfLocked(l) != 0)
            ports.append(portInfoLocked(l));
    }
    return ports;
}

void MvbControllerEmulator::setSourceListener(SourceListener listener)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_sourceListener = std::move(listener);
}

void MvbControllerEmulator::deliver(std::vector<SourceEvent>& events)
{
    if (events.empty())
        return;
    SourceListener listener;
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        listener = m_sourceListener;
    }
    if (!listener)
        return;
    for (const SourceEvent& e : events)
        listener(e.logicalAddress, e.words);
}

// ---------------------------------------------------------------- time

void MvbControllerEmulator::setClock(Clock clock)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_clock = std::move(clock);
    m_swept = false;
}

qint64 MvbControllerEmulator::nowLocked() const
{
    return m_clock ? m_clock() : m_elapsed.elapsed();
}

qint64 MvbControllerEmulator::nowMs() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return nowLocked();
}

void MvbControllerEmulator::setPublicationPeriodMs(int periodMs)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_periodMs = std::max(1, periodMs);
}

int MvbControllerEmulator::publicationPeriodMs() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_periodMs;
}

void MvbControllerEmulator::sweepIfDueLocked()
{
    const qint64 now = nowLocked();
    if (m_swept && now - m_lastSweepMs < m_periodMs)
        return;
    m_swept = true;
    m_lastSweepMs = now;
    for (auto it = m_ports.begin(); it != m_ports.end(); ++it) {
        PortState& port = it.value();
        if (port.stale)
            continue;
        if (port.errorBits)
            applyErrorLocked(it.key(), port);
        else if (port.published)
            transferLocked(it.key(), port, now);
    }
}

void MvbControllerEmulator::serviceTransfers()
{
    std::lock_guard<std::mutex> lock(m_mutex);
    sweepIfDueLocked();
}

// ---------------------------------------------------------------- faults, counters

void MvbControllerEmulator::setFaultMode(FaultMode mode, int shortBy)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_faultMode = mode;
    m_shortBy = std::max(0, shortBy);
}

FaultMode MvbControllerEmulator::faultMode() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_faultMode;
}

int MvbControllerEmulator::shortBy() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_shortBy;
}

void MvbControllerEmulator::setGarbageSeed(quint32 seed)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_random.seed(seed);
}

Counters MvbControllerEmulator::counters() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_counters;
}

void MvbControllerEmulator::resetCounters()
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_counters = Counters();
}

} // namespace sim
