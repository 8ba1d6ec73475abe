#pragma once
// The keypad and the touch controller of the cab display, as seen from the
// display's two UARTs: frame builders and an injector that sends frames to
// the keypad and touch ptys of the simulator.
//
// Keypad frame: ASCII "$,<code>,\r\n". The display takes the text between the
// first and the second comma (its first two characters decide) and ignores
// what follows up to the next "$". Named keys: ESC 01, HOME 02, MENU 03,
// BRIGHT_UP 06, BRIGHT_DOWN 07, UP 08, DOWN 09, ENTER 10, DDS_UP 12,
// DDS_DOWN 13; any other code (a brightness report such as 3M or 7A, or an
// ignored code such as 04) is sent as given.
//
// Touch frame: A1, X high 7 bits, X low 7 bits, Y high 7 bits, Y low 7 bits,
// 41. The display converts raw values with x = trunc(rawX / 1.9375) and
// y = trunc((2047 - rawY) x 0.375); touchRaw() returns raw values that give
// back exactly the screen point asked for, for every point of the 1024 x 768
// screen.
//
// Several keys decoded by the display within one refresh tick (500 ms) count
// as one press, so a key sequence is sent with a gap between frames (600 ms
// by default) from the Qt event loop; every frame actually sent is logged
// ("sent key UP", "sent touch 512 384").

#include <QByteArray>
#include <QList>
#include <QPair>
#include <QPoint>
#include <QString>
#include <QStringList>
#include <QTimer>

#include <functional>
#include <optional>

namespace sim {

class CommandInterpreter;

namespace panel {

constexpr int kScreenWidth = 1024;
constexpr int kScreenHeight = 768;
constexpr int kDefaultKeyGapMs = 600;

// "ESC", "HOME", ... in code order.
QStringList keyNames();
// The code of a key name (case-insensitive) or a raw code (two ASCII letters
// or digits, such as 3M or 04); nullopt otherwise.
std::optional<QByteArray> keyCode(const QString& nameOrCode);
// The key's name when the code has one, else the code.
QString keyLabel(const QByteArray& code);
QByteArray keypadFrame(const QByteArray& code);

struct RawTouch {
    int x = 0;
    int y = 0;
};
// The display's conversion of raw touch values to screen coordinates.
int screenXFromRaw(int rawX);
int screenYFromRaw(int rawY);
// Raw values (0..2047) for the screen point (x 0..1023, y 0..767).
RawTouch touchRaw(int x, int y);
QByteArray touchFrameRaw(int rawX, int rawY);
QByteArray touchFrame(int x, int y);

} // namespace panel

class PanelInjector {
public:
    using Sender = std::function<void(const QByteArray& bytes)>;
    using Log = std::function<void(const QString& line)>;

    // `keypad` and `touch` write bytes towards the display; `log` receives the
    // line of every frame sent later from the queue (frames sent at once are
    // reported in the command's own output).
    PanelInjector(Sender keypad, Sender touch, Log log);

    // Sends one key frame now; returns "sent key <label>", or nullopt with `error`.
    std::optional<QString> sendKey(const QString& nameOrCode, QString* error = nullptr);
    // Sends one touch frame now; returns "sent touch <x> <y>".
    std::optional<QString> sendTouch(int x, int y, QString* error = nullptr);
    // Sends the first key now (its line is returned) and queues the others,
    // `gapMs` apart. With gapMs 0 all are sent now. Nothing is sent when one
    // of the keys is unknown.
    std::optional<QStringList> sendKeys(const QStringList& keys, int gapMs, QString* error = nullptr);
    // The same for touches of screen points: the first now, the others
    // queued `gapMs` apart (after the keys and touches queued before them).
    std::optional<QStringList> sendTouches(const QList<QPoint>& points, int gapMs, QString* error = nullptr);
    int pendingKeys() const { return int(m_queue.size()); }

private:
    struct Frame {
        QString label;
        QByteArray bytes;
        bool touch = false; // on the touch pty, else the keypad's
    };
    QStringList enqueue(QList<Frame> frames, int gapMs);
    void send(const Frame& f);
    void sendNextQueued();

    Sender m_keypad;
    Sender m_touch;
    Log m_log;
    QTimer m_timer;
    QList<Frame> m_queue;
};

// Adds "key <NAME|CODE>", "keys [gap=MS] <key> ...", "touch <x> <y>",
// "touches [gap=MS] <x>,<y> ..." and "panel" (lists the key names).
void registerPanelCommands(CommandInterpreter& interpreter, PanelInjector& injector);

} // namespace sim
