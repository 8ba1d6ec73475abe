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
