#include "sim/panel_input.h"

#include "sim/command_interpreter.h"

#include <QRegularExpression>

#include <algorithm>

namespace sim {

namespace panel {

namespace {

struct Key {
    const char* name;
    const char* code;
};

constexpr Key kKeys[] = {
    {"ESC", "01"}, {"HOME", "02"}, {"MENU", "03"},  {"BRIGHT_UP", "06"}, {"BRIGHT_DOWN", "07"},
    {"UP", "08"},  {"DOWN", "09"}, {"ENTER", "10"}, {"DDS_UP", "12"},    {"DDS_DOWN", "13"},
};

} // namespace

QStringList keyNames()
{
    QStringList names;
    for (const Key& k : kKeys)
        names << QString::fromLatin1(k.name);
    return names;
}

std::optional<QByteArray> keyCode(const QString& nameOrCode)
{
    for (const Key& k : kKeys) {
        if (nameOrCode.compare(QLatin1String(k.name), Qt::CaseInsensitive) == 0)
            return QByteArray(k.code);
    }
    // A raw code is two letters or digits, as the keypad sends them; longer
    // texts are more likely a misspelt key name than a code.
    if (nameOrCode.size() != 2)
        return std::nullopt;
    for (QChar c : nameOrCode) {
        if (c.unicode() > 0x7F || !c.isLetterOrNumber())
            return std::nullopt;
    }
    return nameOrCode.toLatin1();
}

QString keyLabel(const QByteArray& code)
{
    for (const Key& k : kKeys) {
        if (code == k.code)
            return QString::fromLatin1(k.name);
    }
    return QString::fromLatin1(code);
}

QByteArray keypadFrame(const QByteArray& code)
{
    return QByteArray("$,") + code + QByteArray(",\r\n");
}

int screenXFromRaw(int rawX)
{
    return int(double(rawX) / 1.9375);
}

int screenYFromRaw(int rawY)
{
    return int(double(2047 - rawY) * 0.375);
}

RawTouch touchRaw(int x, int y)
{
    // The smallest raw value whose conversion reaches the point: x x 1.9375 =
    // 31x / 16 and y / 0.375 = 8y / 3, rounded up. Checked against the
    // display's conversion, with a small search should rounding ever differ.
    const auto pick = [](int candidate, int target, auto forward) {
        for (int d : {0, -1, 1, -2, 2}) {
            const int raw = candidate + d;
            if (raw >= 0 && raw <= 2047 && forward(raw) == target)
                return raw;
        }
        return std::clamp(candidate, 0, 2047);
    };
    RawTouch raw;
    raw.x = pick((31 * x + 15) / 16, x, screenXFromRaw);
    raw.y = pick(2047 - (8 * y + 2) / 3, y, screenYFromRaw);
    return raw;
}

QByteArray touchFrameRaw(int rawX, int rawY)
{
    rawX = std::clamp(rawX, 0, 0x3FFF);
    rawY = std::clamp(rawY, 0, 0x3FFF);
    QByteArray frame;
    frame.append(char(0xA1));
    frame.append(char(rawX >> 7));
    frame.append(char(rawX & 0x7F));
    frame.append(char(rawY >> 7));
    frame.append(char(rawY & 0x7F));
    frame.append(char(0x41));
    return frame;
}

QByteArray touchFrame(int x, int y)
{
    const RawTouch raw = touchRaw(x, y);
    return touchFrameRaw(raw.x, raw.y);
}

} // namespace panel

PanelInjector::PanelInjector(Sender keypad, Sender touch, Log log)
    : m_keypad(std::move(keypad))
    , m_touch(std::move(touch))
    , m_log(std::move(log))
{
    m_timer.setSingleShot(true);
    QObject::connect(&m_timer, &QTimer::timeout, [this] { sendNextQueued(); });
}

std::optional<QString> PanelInjector::sendKey(const QString& nameOrCode, QString* error)
{
    const auto code = panel::keyCode(nameOrCode);
    if (!code) {
        if (error)
            *error = QStringLiteral("unknown key: %1 (names: %2, or a code such as 3M)")
                         .arg(nameOrCode, panel::keyNames().join(QLatin1Char(' ')));
        return std::nullopt;
    }
    if (m_keypad)
        m_keypad(panel::keypadFrame(*code));
    return QStringLiteral("sent key %1").arg(panel::keyLabel(*code));
}

std::optional<QString> PanelInjector::sendTouch(int x, int y, QString* error)
{
    if (x < 0 || x >= panel::kScreenWidth || y < 0 || y >= panel::kScreenHeight) {
        if (error)
            *error = QStringLiteral("touch point outside the screen (0..%1, 0..%2): %3 %4")
                         .arg(panel::kScreenWidth - 1)
                         .arg(panel::kScreenHeight - 1)
                         .arg(x)
                         .arg(y);
        return std::nullopt;
    }
    if (m_touch)
        m_touch(panel::touchFrame(x, y));
    return QStringLiteral("sent touch %1 %2").arg(x).arg(y);
}

std::optional<QStringList> PanelInjector::sendKeys(const QStringList& keys, int gapMs, QString* error)
{
    QList<Frame> frames;
    for (const QString& key : keys) {
        const auto code = panel::keyCode(key);
        if (!code) {
            if (error)
                *error = QStringLiteral("unknown key: %1").arg(key);
            return std::nullopt;
        }
        frames.append({QStringLiteral("sent key %1").arg(panel::keyLabel(*code)), panel::keypadFrame(*code), false});
    }
    return enqueue(frames, gapMs);
}

std::optional<QStringList> PanelInjector::sendTouches(const QList<QPoint>& points, int gapMs, QString* error)
{
    QList<Frame> frames;
    for (const QPoint& p : points) {
        if (p.x() < 0 || p.x() >= panel::kScreenWidth || p.y() < 0 || p.y() >= panel::kScreenHeight) {
            if (error)
                *error = QStringLiteral("touch point outside the screen: %1,%2").arg(p.x()).arg(p.y());
            return std::nullopt;
        }
        frames.append(
            {QStringLiteral("sent touch %1 %2").arg(p.x()).arg(p.y()), panel::touchFrame(p.x(), p.y()), true});
    }
    return enqueue(frames, gapMs);
}

void PanelInjector::send(const Frame& f)
{
    const Sender& to = f.touch ? m_touch : m_keypad;
    if (to)
        to(f.bytes);
}

QStringList PanelInjector::enqueue(QList<Frame> frames, int gapMs)
{
    QStringList sentNow;
    if (gapMs <= 0) {
        for (const Frame& f : frames) {
            send(f);
            sentNow << f.label;
        }
        return sentNow;
    }
    m_timer.setInterval(gapMs);
    if (m_queue.isEmpty() && !m_timer.isActive() && !frames.isEmpty()) {
        const Frame first = frames.takeFirst();
        send(first);
        sentNow << first.label;
    }
    m_queue.append(frames);
    if (!m_queue.isEmpty() && !m_timer.isActive())
        m_timer.start();
    return sentNow;
}

void PanelInjector::sendNextQueued()
{
    if (m_queue.isEmpty())
        return;
    const Frame next = m_queue.takeFirst();
    send(next);
    if (m_log)
        m_log(next.label);
    if (!m_queue.isEmpty())
        m_timer.start();
}

namespace {

using Result = CommandInterpreter::Result;

Result keyCommand(PanelInjector& in, const QStringList& args)
{
    if (args.size() != 1)
        return Result::failure(QStringLiteral("usage: key <NAME|CODE>"));
    QString error;
    const auto line = in.sendKey(args[0], &error);
    return line ? Result::success(*line) : Result::failure(error);
}

// Keys may be separated by spaces or commas; a leading "gap=MS" sets the gap.
Result keysCommand(PanelInjector& in, const QStringList& args)
{
    static const QRegularExpression separators(QStringLiteral("[,\\s]+"));
    QStringList keys = args.join(QLatin1Char(' ')).split(separators, Qt::SkipEmptyParts);
    int gap = panel::kDefaultKeyGapMs;
    if (!keys.isEmpty() && keys.first().startsWith(QLatin1String("gap="))) {
        QString error;
        const auto g =
            CommandInterpreter::parseNumber(keys.takeFirst().mid(4), 0, 60000, QStringLiteral("gap"), &error);
        if (!g)
            return Result::failure(error);
        gap = int(*g);
    }
    if (keys.isEmpty())
        return Result::failure(QStringLiteral("usage: keys [gap=MS] <NAME|CODE> ..."));
    QString error;
    const auto lines = in.sendKeys(keys, gap, &error);
    return lines ? Result::success(lines->join(QLatin1Char('\n'))) : Result::failure(error);
}

// Points as "x,y" separated by spaces; a leading "gap=MS" sets the gap.
Result touchesCommand(PanelInjector& in, const QStringList& args)
{
    QStringList items = args;
    int gap = panel::kDefaultKeyGapMs;
    QString error;
    if (!items.isEmpty() && items.first().startsWith(QLatin1String("gap="))) {
        const auto g =
            CommandInterpreter::parseNumber(items.takeFirst().mid(4), 0, 60000, QStringLiteral("gap"), &error);
        if (!g)
            return Result::failure(error);
        gap = int(*g);
    }
    QList<QPoint> points;
    for (const QString& item : items) {
        const QStringList xy = item.split(QLatin1Char(','));
        const auto x = xy.size() == 2
            ? CommandInterpreter::parseNumber(xy[0], 0, panel::kScreenWidth - 1, QStringLiteral("x"), &error)
            : std::nullopt;
        const auto y = x
            ? CommandInterpreter::parseNumber(xy[1], 0, panel::kScreenHeight - 1, QStringLiteral("y"), &error)
            : std::nullopt;
        if (!y)
            return Result::failure(error.isEmpty() ? QStringLiteral("not a point x,y: %1").arg(item) : error);
        points.append(QPoint(int(*x), int(*y)));
    }
    if (points.isEmpty())
        return Result::failure(QStringLiteral("usage: touches [gap=MS] <x>,<y> ..."));
    const auto lines = in.sendTouches(points, gap, &error);
    return lines ? Result::success(lines->join(QLatin1Char('\n'))) : Result::failure(error);
}

Result touchCommand(PanelInjector& in, const QStringList& args)
{
    if (args.size() != 2)
        return Result::failure(QStringLiteral("usage: touch <x> <y>"));
    QString error;
    const auto x = CommandInterpreter::parseNumber(args[0], 0, panel::kScreenWidth - 1, QStringLiteral("x"), &error);
    const auto y = x
        ? CommandInterpreter::parseNumber(args[1], 0, panel::kScreenHeight - 1, QStringLiteral("y"), &error)
        : std::nullopt;
    if (!y)
        return Result::failure(error);
    const auto line = in.sendTouch(int(*x), int(*y), &error);
    return line ? Result::success(*line) : Result::failure(error);
}

Result panelCommand(const QStringList& args)
{
    if (!args.isEmpty())
        return Result::failure(QStringLiteral("panel takes no arguments"));
    QStringList pairs;
    for (const QString& name : panel::keyNames())
        pairs << QStringLiteral("%1=%2").arg(name, QString::fromLatin1(*panel::keyCode(name)));
    return Result::success(QStringLiteral("panel keys ") + pairs.join(QLatin1Char(' ')));
}

} // namespace

void registerPanelCommands(CommandInterpreter& interpreter, PanelInjector& injector)
{
    PanelInjector* in = &injector;
    interpreter.add(QStringLiteral("key"), QStringLiteral("<NAME|CODE>"),
                    QStringLiteral("sends one keypad frame (names: see panel)"),
                    [in](const QStringList& args) { return keyCommand(*in, args); });
    interpreter.add(QStringLiteral("keys"), QStringLiteral("[gap=MS] <NAME|CODE> ..."),
                    QStringLiteral("sends keypad frames one after the other (default gap 600 ms)"),
                    [in](const QStringList& args) { return keysCommand(*in, args); });
    interpreter.add(QStringLiteral("touch"), QStringLiteral("<x> <y>"),
                    QStringLiteral("sends one touch frame for the screen point (x 0..1023, y 0..767)"),
                    [in](const QStringList& args) { return touchCommand(*in, args); });
    interpreter.add(QStringLiteral("touches"), QStringLiteral("[gap=MS] <x>,<y> ..."),
                    QStringLiteral("sends touch frames one after the other (default gap 600 ms)"),
                    [in](const QStringList& args) { return touchesCommand(*in, args); });
    interpreter.add(QStringLiteral("panel"), QString(), QStringLiteral("lists the keypad key names and codes"),
                    panelCommand);
}

} // namespace sim
