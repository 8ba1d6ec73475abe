#pragma once
// Table cells of the process, subsystem and I/O screens, written without
// touching what did not change: a cell's text and colours are only set when
// they differ from what it shows, so a refresh tick whose data did not change
// repaints nothing. Every function accepts a null table or item.

#include <QFont>
#include <QRgb>
#include <QString>

class QTableWidget;
class QTableWidgetItem;
class QWidget;

namespace ui {

// The value grey of these screens' cells, and their cell background.
constexpr QRgb kCellText = qRgb(0x66, 0x66, 0x66);
constexpr QRgb kCellBackground = qRgb(0, 0, 0);

// A screen group painted black in full: the home layout it covers (which the
// tick keeps up to date) is not painted under it.
void opaqueGroup(QWidget* group);

// Table text: Tahoma, or where the unit lacks it the narrow DejaVu face.
QFont tableFont(int pointSize);

// Looks of a table: no headers, scroll bars, selection or focus; fixed cells,
// painted by the cell painter below.
void plainTable(QTableWidget* table, const QString& styleSheet);

// Paints the cells of `table` as the style does (background, then the text as
// aligned, 3 px in from the sides, wrapped at words), but lays each text out
// only once: a text shown again (a state's cell text, a value that returns) is
// drawn from its prepared layout instead of being shaped on every paint.
// Cells with an image, and texts that do not fit, are left to the style.
void useCellPainter(QTableWidget* table);

// The item of a cell, made (not selectable, not editable) when missing.
QTableWidgetItem* cellItem(QTableWidget* table, int row, int column, const QFont& font,
                           Qt::Alignment alignment = Qt::AlignCenter);

void putCellText(QTableWidgetItem* item, const QString& text);
// `text` in the table font of `pointSize`, or a smaller one (down to
// `minPointSize`) where it would not fit `width` whole: a long signal name
// is shown smaller, never cut off.
void putCellTextFitted(QTableWidgetItem* item, const QString& text, int width, int pointSize, int minPointSize = 10);
void putCellColours(QTableWidgetItem* item, QRgb text, QRgb background);
// A value: "--" in no-data grey while it is unknown ("????"), else the text in `colour`.
void putCellValue(QTableWidgetItem* item, const QString& text, QRgb colour = kCellText);

} // namespace ui
