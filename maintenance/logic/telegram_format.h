#pragma once
// Texts of the telegram screen's detail table: the selected port's words as
// bits, bytes or words. Row 0 is a heading; the data rows follow.
//
// Bytes are counted in bus order, which is the order of the port map and of
// the variable monitor: the first octet of a word is its high byte. So the
// byte labelled 0x05 is the byte the monitor shows for byte offset 5, and
// the byte view reads like the word view.

#include <QString>

#include <cstdint>

namespace telegram {

enum class Mode { Bits = 1, Bytes = 2, Words = 3 };

constexpr int kDetailRows = 17; // heading + at most 16 data rows

// Data rows of a port with F-code `fcode` (0..4; others count as 0): bits one
// word a row (2^F rows), bytes and words eight bytes a row (at least one).
int dataRows(Mode mode, int fcode);
QString heading(Mode mode);
// Column 0 of data row `row` (1..): the row's first byte offset, "0X00" ...
QString offsetLabel(Mode mode, int row);
// Column 1 of a data row before the first value arrives.
QString placeholder(Mode mode);
// Column 1 of data row `row` (1..) for the port's 16 words.
QString rowText(Mode mode, int fcode, const uint16_t* words, int row);

// A freshness in milliseconds, or "" for a port that is stale (at or above
// `maxFreshness`) or was never measured.
QString freshnessText(int freshness, int maxFreshness);

} // namespace telegram
