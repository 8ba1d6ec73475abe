#pragma once
// How "not known" is written everywhere: one text for a value whose source is
// stale, and the three states of an on/off signal. The store keeps the states
// as int (0, 1, 2: the values the screens and files have always used); code
// names them with TriState instead of bare numbers.

#include <QString>

// The text of a value whose source port is stale ("????"); the screens show it
// as "--" in grey.
inline const QString& unknownText()
{
    static const QString text = QStringLiteral("????");
    return text;
}

inline bool isUnknown(const QString& text)
{
    return text == unknownText();
}

// Off / on / no data (source stale) of a two-state signal.
enum TriState : int {
    TriOff = 0,
    TriOn = 1,
    TriNoData = 2,
};

inline TriState triState(bool on)
{
    return on ? TriOn : TriOff;
}

// The active cab (MVB_DDU_Cab_Active) and the direction of travel
// (MVB_DDU_Direction, MVB_DDU_Direction_2) when their sources are stale or
// contradict each other: both cabs named at once, forward and reverse at once.
constexpr int kCabUnknown = 3;
constexpr int kDirectionUnknown = 3;

// A message number (MVB_DDU_Fault_No, MVB_DDU_Fault2_No) that cannot be read:
// its port is stale or the active cab is not known. It neither raises nor
// clears a message; 0 is "no message".
constexpr int kMessageUnknown = -1;
