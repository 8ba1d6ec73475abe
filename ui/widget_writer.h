#pragma once
// Writing into widgets on a refresh tick without touching what did not
// change: every call compares with what the widget shows (or last showed) and
// writes only a difference, so a tick whose data did not change costs no
// restyling, no relayout and no repaint. Images are loaded once per file.
// Every function accepts a null widget and does nothing.

#include <QHash>
#include <QRgb>
#include <QSize>
#include <QString>
#include <QStringList>
#include <QWidget>

class QAbstractButton;
class QLCDNumber;
class QLabel;
class QPixmap;
class QWidget;

namespace ui {

// "--": how a value without data is shown (in kNoDataGrey).
extern const QString kDash;

// Each image file is loaded once and shared by every label that shows it.
const QPixmap& pixmap(const QString& path);

void putImage(QLabel* label, const QString& path);
void putIcon(QAbstractButton* button, const QString& path, QSize size);
// The four paging arrows of a list (first row, up, down, last row), each
// `size` at column `x` and its own y, with their arrow icons.
void placePagingArrows(QAbstractButton* const (&arrows)[4], int x, const int (&y)[4], QSize size);
void putText(QLabel* label, const QString& text);
void putStyle(QWidget* widget, const QString& style);
void putShown(QWidget* widget, bool shown);
void putPos(QWidget* widget, int x, int y);
// Shows a screen group over what is drawn and brings it to the front.
void showRaised(QWidget* widget);
// Text and colour of a label in one go.
void putValue(QLabel* label, const QString& text, int pointSize, QRgb colour, bool bold = true, bool condensed = false);
// A value text: "--" in grey while it is unknown, else the text in `colour`.
void putString(QLabel* label, const QString& text, int pointSize, QRgb colour);

// Number of LCD digit cells a text needs (a small decimal point takes none).
int lcdDigits(const QString& text);

// LCD readouts show as many digit cells as their text needs, so that the
// readout stays centred whatever the number of digits. A readout cannot tell
// its text: the writer remembers it.
class LcdWriter {
public:
    void put(QLCDNumber* lcd, const QString& text, QRgb colour);

private:
    QHash<const QLCDNumber*, QString> m_text;
};

// Finds the widget called `name` under `root` as a T. A widget that is not
// there, or not a T, is added to `missing` (views report those loudly).
template <class T> void findWidget(QWidget* root, T*& member, const char* name, QStringList& missing)
{
    member = qobject_cast<T*>(root->findChild<QWidget*>(QLatin1String(name)));
    if (!member)
        missing << QLatin1String(name);
}

// The look of a tri-state signal: off, on, or no data.
template <class T> const T& pick3(int state, const T& off, const T& on, const T& noData)
{
    return state == 0 ? off : state == 1 ? on : noData;
}

} // namespace ui
