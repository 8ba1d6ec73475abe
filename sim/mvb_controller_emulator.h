#pragma once
// Emulator of the MVB controller that sits behind the display's UART.
//
// It serves the controller's serial command frames (no-operation, word read,
// word write) on a 64 KB traffic memory and plays the bus side of the
// process-data ports that the display sets up in that memory: datasets
// published by the vehicle's processors are copied into the display's sink
// ports, and what the display writes into its source ports can be read back.
//
// Wire protocol (the display is always the initiator, one reply per frame):
//   0x80..0x9F               no-operation, 1 byte            -> 0x06
//   0xA0|d0 d1 d2            read word W                     -> low byte, high byte
//   0xC0|d0 d1 d2 lo hi      write word W                    -> 0x06 (0x15 if refused)
//   0xE0|d0 d1 d2            read port: not served           -> 0x15
// with the word address W = d0 bits 0..4 | d1 << 5 | d2 << 12 and the byte
// address 2 x W. The low five bits of a no-operation byte are ignored.
//
// What is answered with NAK (0x15), and how the byte stream is resynchronised:
//   - a byte with bit 7 clear where a command byte is expected: one NAK, the
//     byte is dropped and parsing goes on with the next byte;
//   - a frame whose d1 or d2 byte has bit 7 set: the frame was cut short (a
//     byte was lost); one NAK for the broken frame, and the byte with bit 7 set
//     is taken as the start of the next command;
//   - d2 with any of bits 3..6 set (a word address wider than 15 bits): the
//     whole frame (3 bytes, or 5 for a write) is consumed and answered by NAK;
//   - the read-port command 0xE0: consumed as a 3-byte frame, one NAK;
//   - a write to the memory configuration register in full operation: the
//     memory layout is locked while the bus runs, NAK, nothing written.
//
// Controller states follow the two low bits of the status control register
// (SCR): 00 reset, 01 configuration, 11 full operation (10, a self-test mode on
// real parts, is treated as configuration). Writing SCR with low bits 00 puts
// the controller back into its reset configuration: the memory configuration
// register (MCR) returns to its reset value and the memory decode to 16 KB.
// The traffic memory itself keeps its contents across a reset, as RAM does.
//
// Memory decode. MCR bit 0x0002 selects 64 KB decoding. MCR reads as
// 0x9080 | (written bits 0..6): bits 7..15 are fixed (0x9080), so that after
// the display ORs 0x0002 into it, it reads 0x9082. Until bit 0x0002 is set the
// controller decodes 16 KB: every address is taken modulo 0x4000, and the
// internal register block (0xFF80..0xFFFF in 64 KB mode) is seen at
// 0x3F80..0x3FFF. So in 16 KB mode 0x3F80, 0x7F80 and 0xFF80 all reach SCR,
// and 0xC020 reaches the word stored at 0x0020. In 64 KB mode 0x3F80 is a
// plain memory word. All other registers (decoder 0xFF88, STSR 0xFF8C,
// DAOR 0xFFD8, DAOK 0xFFDC, ...) are plain read/write words.
//
// Port model (all byte addresses):
//   port index table entry of logical address L (0..4095): 2 x L, holds P
//   port control words of index P: C = 0xC000 + 8 x P:
//     C+0 pcs_word0 (bits 12..15 F-code, low part 0x402 sink, 0x802 source)
//     C+2 pcs_word1 (bits 0..4 error bits, bit 6 page selector)
//     C+4 tack, C+6 crc
//   data page 0 at 0x4000 + (P >> 2) x 64, page 1 at +32
//   port size 1 << F words, at most 16 (a page holds 16 words).
// Indices 1..1535 (port control words 0xC008..0xEFF8) are served.
//
// Publication. publish() stores the dataset a processor sends for logical
// address L. In full operation, for a port the display has configured as a
// sink, a transfer writes the dataset (the port's size in words; missing words
// as 0, extra words dropped) into the page NOT selected by bit 6 of pcs_word1
// and then flips bit 6 to that page (other bits of pcs_word1 kept). A transfer
// happens at once on publish() and again every publication period (16 ms by
// default) in serviceTransfers(), for every published port that is not stale.
//
// Tack clock. Once a sink has had a transfer, its tack word reads as the
// bitwise complement of the milliseconds since that transfer, saturating at
// 65535 ms (tack 0), so the display's freshness ~tack is the age in ms. A
// stale port (setStale) reads tack 0 at once (freshness 65535) and is no
// longer transferred. A sink that never had a transfer reads whatever the
// display wrote into tack. The display rewriting pcs_word0 of the port, or its
// port index table entry, forgets the transfer. The interval code in STSR is
// stored but not applied: the tack always counts milliseconds (the code the
// display writes, 1, stands for 1 ms).
//
// Error injection. setPortError(L, bits) sets error bits 0..4 of the port's
// pcs_word1 at once and again at each transfer time (like transfers, only in
// full operation and for a configured sink); while bits are injected
// no data is transferred and the tack is not refreshed (a frame with errors is
// not taken). setPortError(L, 0) ends it; bits already set stay until the
// display clears pcs_word1.
//
// Source ports. When the display flips bit 6 of pcs_word1 of a source port
// (0x802), the flip is counted and the source listener is told. The latest
// data is on the page NOT selected after the flip (the display writes the
// selected page, then flips).
//
// Fault modes act on the wire only (word-level calls are not affected):
//   Silent      bytes are swallowed: no frame is decoded or executed, no reply
//   NakAll      frames are decoded but not executed; each is answered by NAK
//   ShortReply  frames are executed; each reply loses its last `shortBy` bytes
//   Garbage     frames are executed; each reply byte is replaced by a random one
//
// Counters: bytesIn (every byte received, any mode), bytesOut (bytes actually
// sent, after fault modes), transactions (frames decoded and answered,
// NAK-answered frames included), naks (frames the controller answered with
// NAK, before a fault mode alters the reply), reads, writes, nops (frames
// executed by kind).
//
// Thread safety: every public method takes one internal mutex, so the pty
// thread can serve frames while another thread publishes. The source listener
// is called without the mutex held, on the thread that served the frame.

#include "sim/traffic_memory.h"

#include <QByteArray>
#include <QElapsedTimer>
#include <QMap>
#include <QRandomGenerator>
#include <QString>
#include <QVector>

#include <functional>
#include <mutex>
#include <optional>
#include <vector>

namespace sim {

enum class ControllerState { Reset, Configuration, FullOperation };

enum class FaultMode { Normal, Silent, NakAll, ShortReply, Garbage };

// "normal", "silent", "nak", "short", "garbage".
QString faultModeName(FaultMode mode);
std::optional<FaultMode> parseFaultMode(const QString& name);

QString controllerStateName(ControllerState state); // "reset", "configuration", "full-operation"

enum class PortDirection { None, Sink, Source, Other };

struct PortInfo {
    quint16 logicalAddress = 0;
    quint16 index = 0; // port index P from the table, 0 = not configured
    PortDirection direction = PortDirection::None;
    int fcode = 0;            // pcs_word0 bits 12..15
    int sizeWords = 0;        // 1 << fcode, at most 16
    int page = 0;             // pcs_word1 bit 6
    quint16 errorBits = 0;    // pcs_word1 bits 0..4
    quint16 pcsAddress = 0;   // 0xC000 + 8 x P
    quint16 page0Address = 0; // 0x4000 + (P >> 2) x 64
};

struct SourceData {
    bool valid = false;     // the display has flipped the port at least once
    QVector<quint16> words; // latest data (port size), empty when not a source port
    quint32 flips = 0;      // page flips by the display since the port was configured
};

struct Counters {
    quint64 bytesIn = 0;
    quint64 bytesOut = 0;
    quint64 transactions = 0;
    quint64 naks = 0;
    quint64 reads = 0;
    quint64 writes = 0;
    quint64 nops = 0;
};

class MvbControllerEmulator {
public:
    // Register and area addresses (64 KB mode).
    static constexpr quint16 kScr = 0xFF80;
    static constexpr quint16 kMcr = 0xFF84;
    static constexpr quint16 kDecoderRegister = 0xFF88;
    static constexpr quint16 kStsr = 0xFF8C;
    static constexpr quint16 kDaor = 0xFFD8;
    static constexpr quint16 kDaok = 0xFFDC;
    static constexpr quint16 kScrAtReset = 0x3F80;
    static constexpr quint16 kMcrAtReset = 0x3F84;
    static constexpr quint16 kMcrFixedBits = 0x9080;
    static constexpr quint16 kMcr64KB = 0x0002;
    static constexpr quint16 kPcsBase = 0xC000;
    static constexpr quint16 kDataBase = 0x4000;
    static constexpr int kMaxPortIndex = 1535;
    static constexpr int kMaxPortWords = 16;
    static constexpr int kDefaultPublicationPeriodMs = 16;

    static constexpr quint8 kAck = 0x06;
    static constexpr quint8 kNak = 0x15;

    using Clock = std::function<qint64()>; // milliseconds, monotonic
    using SourceListener = std::function<void(quint16 logicalAddress, const QVector<quint16>& words)>;

    MvbControllerEmulator();

    // ---- wire ----
    // Feeds received bytes; returns the reply bytes of every frame completed
    // by them, in order. A partial frame is kept for the next call. Also runs
    // a due periodic transfer first.
    QByteArray process(const QByteArray& bytes);
    // Drops a partial frame kept from earlier calls.
    void resetStream();

    // ---- word access as a frame would do it (decode, registers, tack), no counters ----
    quint16 readWord(quint16 byteAddress);
    bool writeWord(quint16 byteAddress, quint16 value); // false: refused
    // Raw access to the physical traffic memory (no decoding, no side effects).
    quint16 peek(quint16 physicalByteAddress) const;
    void poke(quint16 physicalByteAddress, quint16 value);

    ControllerState state() const;
    bool is64KBMode() const;
    // Back to power-on: memory cleared, SCR 0, MCR at its reset value, 16 KB,
    // publications, stale marks, errors, counters and fault mode kept.
    void powerOn();

    // ---- vehicle side ----
    // Stores the dataset (at most 16 words) of logical address L and transfers
    // it at once when possible; returns true when it was transferred now.
    bool publish(quint16 logicalAddress, const QVector<quint16>& words);
    // Sets word `index` (0..15) of L's dataset, creating it with 16 zero words
    // (or extending it with zeros) as needed, then publishes it.
    bool setPublishedWord(quint16 logicalAddress, int index, quint16 value);
    QVector<quint16> publishedDataset(quint16 logicalAddress) const;
    // Stops publishing L (its tack then ages like a processor that went quiet).
    void unpublish(quint16 logicalAddress);
    void setStale(quint16 logicalAddress, bool stale);
    bool isStale(quint16 logicalAddress) const;
    void setPortError(quint16 logicalAddress, quint16 errorBits);
    SourceData readSource(quint16 logicalAddress) const;
    PortInfo portInfo(quint16 logicalAddress) const;
    QVector<PortInfo> configuredPorts() const; // every L with a non-zero table entry
    void setSourceListener(SourceListener listener);

    // ---- time ----
    void setClock(Clock clock);
    qint64 nowMs() const;
    void setPublicationPeriodMs(int periodMs);
    int publicationPeriodMs() const;
    // Runs the periodic transfer of every published, non-stale sink when a
    // publication period has passed since the last one.
    void serviceTransfers();

    // ---- faults ----
    void setFaultMode(FaultMode mode, int shortBy = 1);
    FaultMode faultMode() const;
    int shortBy() const;
    void setGarbageSeed(quint32 seed);

    // ---- counters ----
    Counters counters() const;
    void resetCounters();

private:
    struct PortState {
        QVector<quint16> dataset;
        bool published = false;
        bool stale = false;
        quint16 errorBits = 0;
        bool transferred = false;
        qint64 lastTransferMs = 0;
    };

    enum class FrameKind { Nop, Read, Write, ReadPort, Invalid };
    struct Frame {
        FrameKind kind = FrameKind::Invalid;
        quint16 byteAddress = 0;
        quint16 value = 0;
    };
    struct SourceEvent {
        quint16 logicalAddress;
        QVector<quint16> words;
    };

    static int parseFrame(const QByteArray& bytes, int pos, Frame* frame);
    QByteArray serveLocked(const Frame& frame, std::vector<SourceEvent>& events);

    quint16 decodeLocked(quint16 byteAddress) const;
    quint16 readPhysicalLocked(quint16 physical) const;
    bool writePhysicalLocked(quint16 physical, quint16 value, std::vector<SourceEvent>& events);
    ControllerState stateLocked() const;

    int ownerOfLocked(int index) const; // logical address of port index P, -1 if none
    PortDirection directionOfLocked(int index) const;
    int sizeWordsLocked(int index) const;
    static quint16 pcsAddress(int index) { return quint16(kPcsBase + 8 * index); }
    static quint16 pageAddress(int index, int page) { return quint16(kDataBase + (index >> 2) * 64 + page * 32); }
    int indexOfLocked(quint16 logicalAddress) const; // configured index or 0
    QVector<quint16> sourceWordsLocked(int index) const;
    PortInfo portInfoLocked(quint16 logicalAddress) const;

    qint64 nowLocked() const;
    bool publishLocked(quint16 logicalAddress, const QVector<quint16>& words);
    bool transferLocked(quint16 logicalAddress, PortState& port, qint64 now);
    void applyErrorLocked(quint16 logicalAddress, const PortState& port);
    void forgetTransferLocked(int logicalAddress);
    void sweepIfDueLocked();
    void deliver(std::vector<SourceEvent>& events);

    mutable std::mutex m_mutex;
    TrafficMemory m_memory;
    QByteArray m_pending;
    QMap<quint16, PortState> m_ports;
    std::vector<int> m_slotOwner;       // index P -> logical address last entered for it
    std::vector<quint32> m_sourceFlips; // index P -> page flips by the display
    SourceListener m_sourceListener;

    Clock m_clock;
    QElapsedTimer m_elapsed;
    int m_periodMs = kDefaultPublicationPeriodMs;
    bool m_swept = false;
    qint64 m_lastSweepMs = 0;

    FaultMode m_faultMode = FaultMode::Normal;
    int m_shortBy = 1;
    QRandomGenerator m_random;
    Counters m_counters;
};

} // namespace sim
