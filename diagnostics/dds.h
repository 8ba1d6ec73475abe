#pragma once
// DDS message catalogue: the fixed English text of each message code that a
// processor records in its diagnostic data sets. Texts are not translated and
// are returned exactly as stored (character entities included).

#include <QString>

#include <cstddef>

// One catalogue row.
struct DdsMessage {
    int processor;    // processor index 0..10 (FLG1 .. HBB2)
    int code;         // message code within that processor
    const char* text; // message text, at most 39 characters
};

// Read-only view of the whole catalogue, sorted by processor, then code.
struct DdsTable {
    const DdsMessage* first = nullptr;
    std::size_t count = 0;

    const DdsMessage* begin() const { return first; }
    const DdsMessage* end() const { return first + count; }
    std::size_t size() const { return count; }
    const DdsMessage& operator[](std::size_t i) const { return first[i]; }
};

class dds {
public:
    // Number of processors with a catalogue (indices 0..ProcessorCount-1).
    static constexpr int ProcessorCount = 11;

    // Text of `code` for processor index `processor` (0 FLG1, 1 FLG2, 2 SLG1,
    // 3 SLG2, 4 BUR1, 5 BUR2, 6 BUR3, 7 STB1, 8 STB2, 9 HBB1, 10 HBB2).
    // Outside 0..10: "Unknown Message - <code>".
    QString Get_dds(int processor, int code) const;

    // Text of `code` for one processor; a code without text yields
    // "Unknown Message <code>".
    QString Get_flg1(int code) const;
    QString Get_flg2(int code) const;
    QString Get_slg1(int code) const;
    QString Get_slg2(int code) const;
    QString Get_bur1(int code) const;
    QString Get_bur2(int code) const;
    QString Get_bur3(int code) const;
    QString Get_stb1(int code) const;
    QString Get_stb2(int code) const;
    QString Get_hbb1(int code) const;
    QString Get_hbb2(int code) const;

    // Name of processor index 0..10 ("FLG1" .. "HBB2"); empty outside.
    static QString processorName(int processor);

    // The raw catalogue (processor, code, text), for the diagnosis reference
    // file and for checks.
    static DdsTable table();

private:
    static QString lookup(int processor, int code);
};

// The single catalogue instance.
extern dds dds_fun;
