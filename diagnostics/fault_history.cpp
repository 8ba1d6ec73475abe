#include "diagnostics/fault_history.h"

#include <QDebug>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QXmlStreamReader>
#include <QXmlStreamWriter>

#include "diagnostics/csv.h"
#include "platform/file_io.h"

namespace {

const QString kRoot = QStringLiteral("FaultHistory");
const QString kEvent = QStringLiteral("Event");
const QString kTime = QStringLiteral("Time");
const QString kKind = QStringLiteral("Kind");
const QString kLoco = QStringLiteral("Loco");
const QString kNumber = QStringLiteral("Number");
const QString kFaultCode = QStringLiteral("FaultCode");
const QString kSubsystem = QStringLiteral("Subsystem");
const QString kText = QStringLiteral("Text");
// <FaultHistory><Event><Time>: three levels, and room to spare.
constexpr int kMaxDepth = 8;

void setReason(QString* reason, const QString& text)
{
    if (reason)
        *reason = text;
}

// A field as the file can hold it: line ends become "\n" (a reader turns a
// bare CR into one anyway), characters XML cannot carry (controls but tab
// and line end, a lone surrogate, U+FFFE and U+FFFF) become blanks, and the
// text ends after kMaxFieldChars characters (never inside a pair).
QString fieldText(const QString& in)
{
    QString out = in.left(FaultHistory::kMaxFieldChars + 1);
    out.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace(QLatin1Char('\r'), QLatin1Char('\n'));
    if (out.size() > FaultHistory::kMaxFieldChars) {
        out.truncate(FaultHistory::kMaxFieldChars);
        if (out.back().isHighSurrogate())
            out.chop(1);
    }
    for (int i = 0; i < out.size(); ++i) {
        const char16_t c = out.at(i).unicode();
        const bool pairStart = QChar::isHighSurrogate(c) && i + 1 < out.size() && out.at(i + 1).isLowSurrogate();
        if (pairStart) {
            ++i;
            continue;
        }
        const bool control = c < 0x20 && c != u'\t' && c != u'\n';
        if (control || QChar::isSurrogate(c) || c == 0xFFFE || c == 0xFFFF)
            out[i] = QLatin1Char(' ');
    }
    return out;
}

// ISO 8601 with the offset the time had, so that a time of the hour the
// clocks go back reads back as the same instant.
QString isoTime(const QDateTime& t)
{
    return t.toOffsetFromUtc(t.offsetFromUtc()).toString(Qt::ISODate);
}

bool kindFromName(const QString& name, FaultHistoryEvent::Kind* kind)
{
    for (const FaultHistoryEvent::Kind k :
         {FaultHistoryEvent::Raised, FaultHistoryEvent::Acknowledged, FaultHistoryEvent::Cleared}) {
        if (name == FaultHistory::kindName(k)) {
            *kind = k;
            return true;
        }
    }
    return false;
}

// Why an event cannot go into the history, or nothing when it can.
QString refusal(const FaultHistoryEvent& e)
{
    if (!e.time.isValid())
        return QStringLiteral("no valid time");
    if (e.kind < FaultHistoryEvent::Raised || e.kind > FaultHistoryEvent::Cleared)
        return QStringLiteral("unknown kind %1").arg(int(e.kind));
    if (e.loco != 1 && e.loco != 2)
        return QStringLiteral("unknown loco %1").arg(e.loco);
    return QString();
}

// The children of one <Event>; on a problem the reader is left in error.
void readEvent(QXmlStreamReader& xml, FaultHistoryEvent* e)
{
    QString time, kind, loco, number;
    while (xml.readNextStartElement()) {
        const QString tag = xml.name().toString();
        const QString value = xml.readElementText(QXmlStreamReader::ErrorOnUnexpectedElement);
        if (tag == kTime)
            time = value;
        else if (tag == kKind)
            kind = value;
        else if (tag == kLoco)
            loco = value;
        else if (tag == kNumber)
            number = value;
        else if (tag == kFaultCode)
            e->faultCode = value;
        else if (tag == kSubsystem)
            e->subsystem = value;
        else if (tag == kText)
            e->text = value;
        else
            xml.raiseError(QStringLiteral("unexpected element <%1> in an event").arg(tag));
    }
    if (xml.hasError())
        return;
    bool numberOk = false;
    e->time = QDateTime::fromString(time, Qt::ISODate);
    e->loco = loco.toInt();
    e->number = number.toInt(&numberOk);
    if (!kindFromName(kind, &e->kind))
        xml.raiseError(QStringLiteral("event of unknown kind \"%1\"").arg(kind));
    else if (!numberOk)
        xml.raiseError(QStringLiteral("event with no valid number (\"%1\")").arg(number));
    else if (const QString why = refusal(*e); !why.isEmpty())
        xml.raiseError(QStringLiteral("event with %1").arg(why));
}

// The events of a history document, at most the newest kMaxEvents; false and
// the problem in words when the document is not a history.
bool parseHistory(const QByteArray& data, QVector<FaultHistoryEvent>* events, QString* problem)
{
    // Declared entities (a few megabytes expanding into gigabytes) and
    // nesting no history has are refused before the events are read.
    if (!platform::xmlWithinDepth(data, kMaxDepth, problem))
        return false;
    QXmlStreamReader xml(data);
    if (xml.readNextStartElement() && xml.name() != kRoot)
        xml.raiseError(QStringLiteral("root element <%1>, not <%2>").arg(xml.name().toString(), kRoot));
    while (!xml.hasError() && xml.readNextStartElement()) {
        if (xml.name() != kEvent) {
            xml.raiseError(QStringLiteral("unexpected element <%1>").arg(xml.name().toString()));
            break;
        }
        FaultHistoryEvent e;
        readEvent(xml, &e);
        events->append(e);
    }
    while (!xml.atEnd()) // what follows the root: only comments and blanks
        xml.readNext();
    if (xml.hasError()) {
        *problem = QStringLiteral("%1, line %2").arg(xml.errorString()).arg(xml.lineNumber());
        return false;
    }
    if (events->size() > FaultHistory::kMaxEvents)
        events->remove(0, events->size() - FaultHistory::kMaxEvents);
    return true;
}

} // namespace

bool operator==(const FaultHistoryEvent& a, const FaultHistoryEvent& b)
{
    return a.kind == b.kind && a.time == b.time && a.loco == b.loco && a.number == b.number &&
        a.faultCode == b.faultCode && a.subsystem == b.subsystem && a.text == b.text;
}

FaultHistory::FaultHistory(QString path)
    : m_path(std::move(path))
{
}

QString FaultHistory::kindName(FaultHistoryEvent::Kind kind)
{
    switch (kind) {
    case FaultHistoryEvent::Raised: return QStringLiteral("raised");
    case FaultHistoryEvent::Acknowledged: return QStringLiteral("acknowledged");
    case FaultHistoryEvent::Cleared: return QStringLiteral("cleared");
    }
    return QString();
}

// Reads the history once. A missing file is an empty history; one that
// cannot be read is set aside and a new one started. Events appended while
// the file could not be opened follow those of the file.
bool FaultHistory::load(QString* problem) const
{
    if (m_loaded)
        return true;
    const platform::FileRead file = platform::readRegularFile(m_path, kMaxFileBytes);
    if (file.status == platform::ReadStatus::CannotOpen) {
        const QString why = QStringLiteral("fault history %1 cannot be opened: %2").arg(m_path, file.problem);
        qWarning().noquote() << why;
        setReason(problem, why);
        return false;
    }
    m_loaded = true;
    if (file.status == platform::ReadStatus::Missing)
        return true;
    QVector<FaultHistoryEvent> read;
    QString why = file.problem;
    if (file.status == platform::ReadStatus::Ok && parseHistory(file.data, &read, &why)) {
        m_events = read + m_events;
        if (m_events.size() > kMaxEvents)
            m_events.remove(0, m_events.size() - kMaxEvents);
        return true;
    }
    setAside(why);
    return true;
}

QString FaultHistory::readProblem(const QString& path)
{
    const platform::FileRead file = platform::readRegularFile(path, kMaxFileBytes);
    if (file.status != platform::ReadStatus::Ok)
        return file.problem.isEmpty() ? QStringLiteral("cannot be read") : file.problem;
    QVector<FaultHistoryEvent> events;
    QString why;
    return parseHistory(file.data, &events, &why) ? QString() : why;
}

// The unreadable file goes beside the history under a name of its own
// (".unreadable", then ".unreadable.1" to ".9": an earlier one is not
// written over). Should it not move, the history is not written over it:
// events are then kept in memory only.
void FaultHistory::setAside(const QString& problem) const
{
    QString aside = m_path + unreadableSuffix();
    for (int n = 1; n <= 9 && QFileInfo::exists(aside); ++n)
        aside = m_path + unreadableSuffix() + QLatin1Char('.') + QString::number(n);
    const bool kept = !QFileInfo::exists(aside) && QFile::rename(m_path, aside);
    m_keepInMemory = !kept;
    qWarning().noquote() << "fault history" << m_path << "could not be read (" + problem + ")"
                         << (kept ? QStringLiteral("- kept as %1, a new history is started").arg(aside)
                                  : QStringLiteral("- it cannot be kept aside and is not written over; new events "
                                                   "are held in memory only"));
}

QByteArray FaultHistory::toXml() const
{
    load(nullptr);
    return serialize();
}

// The last event of this message of this loco, when it is still open
// (raised or acknowledged, not cleared).
const FaultHistoryEvent* FaultHistory::openRaise(int loco, int number) const
{
    for (auto it = m_events.crbegin(); it != m_events.crend(); ++it) {
        if (it->loco == loco && it->number == number)
            return it->kind == FaultHistoryEvent::Cleared ? nullptr : &*it;
    }
    return nullptr;
}

QByteArray FaultHistory::serialize() const
{
    QByteArray bytes;
    bytes.reserve(int(m_events.size()) * 400);
    QXmlStreamWriter xml(&bytes);
    xml.setAutoFormatting(true);
    xml.setAutoFormattingIndent(4);
    xml.writeStartDocument();
    xml.writeStartElement(kRoot);
    for (const FaultHistoryEvent& e : m_events) {
        xml.writeStartElement(kEvent);
        xml.writeTextElement(kTime, isoTime(e.time));
        xml.writeTextElement(kKind, kindName(e.kind));
        xml.writeTextElement(kLoco, QString::number(e.loco));
        xml.writeTextElement(kNumber, QString::number(e.number));
        xml.writeTextElement(kFaultCode, e.faultCode);
        xml.writeTextElement(kSubsystem, e.subsystem);
        xml.writeTextElement(kText, e.text);
        xml.writeEndElement();
    }
    xml.writeEndDocument();
    return bytes;
}

bool FaultHistory::write(QString* reason)
{
    QByteArray bytes = serialize();
    // Only events of texts far beyond the catalogue's come near the limit;
    // the oldest go so that the file can always be read again.
    while (bytes.size() > kMaxFileBytes && m_events.size() > 1) {
        const qint64 excess = bytes.size() - kMaxFileBytes;
        const int drop = int(qBound<qint64>(1, excess * m_events.size() / bytes.size() + 1, m_events.size() - 1));
        qWarning().noquote() << "fault history" << m_path << "beyond" << kMaxFileBytes << "bytes: the oldest" << drop
                             << "events are dropped";
        m_events.remove(0, drop);
        bytes = serialize();
    }
    QString why;
    if (m_keepInMemory)
        why = QStringLiteral("the unreadable history is still in its place");
    else if (!QDir().mkpath(QFileInfo(m_path).absolutePath()))
        why = QStringLiteral("its folder cannot be made");
    else if (platform::saveFile(m_path, bytes, &why))
        return true;
    why = QStringLiteral("fault history %1 not written: %2").arg(m_path, why);
    setReason(reason, why);
    qWarning().noquote() << why;
    return false;
}

bool FaultHistory::append(const FaultHistoryEvent& event, QString* reason)
{
    if (const QString why = refusal(event); !why.isEmpty()) {
        setReason(reason, QStringLiteral("fault event refused: %1").arg(why));
        qWarning().noquote() << "fault history" << m_path << "- event refused:" << why;
        return false;
    }
    FaultHistoryEvent e = event;
    e.time = e.time.addMSecs(-e.time.time().msec());
    e.faultCode = fieldText(e.faultCode);
    e.subsystem = fieldText(e.subsystem);
    e.text = fieldText(e.text);
    const bool loaded = load(reason);
    const FaultHistoryEvent* open = openRaise(e.loco, e.number);
    // Still open from before a restart (the display was off, the message
    // stayed): the same raise, not a second one.
    if (e.kind == FaultHistoryEvent::Raised && open)
        return true;
    // A clear carries the texts of its raise.
    if (e.kind == FaultHistoryEvent::Cleared && open && e.faultCode.isEmpty() && e.subsystem.isEmpty() &&
        e.text.isEmpty()) {
        e.faultCode = open->faultCode;
        e.subsystem = open->subsystem;
        e.text = open->text;
    }
    m_events.append(e);
    if (m_events.size() > kMaxEvents)
        m_events.remove(0, m_events.size() - kMaxEvents);
    // Not read yet: writing now would replace the events of the file.
    return loaded && write(reason);
}

bool FaultHistory::settle(int loco, int currentNumber, const QDateTime& time, QString* reason)
{
    const bool loaded = load(reason);
    if (!time.isValid())
        return false;
    // The last event of each message of the loco, newest first.
    QVector<int> seen;
    QVector<FaultHistoryEvent> gone;
    for (auto it = m_events.crbegin(); it != m_events.crend(); ++it) {
        if (it->loco != loco || seen.contains(it->number))
            continue;
        seen.append(it->number);
        if (it->kind != FaultHistoryEvent::Cleared && it->number != currentNumber)
            gone.prepend(*it);
    }
    if (gone.isEmpty())
        return loaded;
    for (FaultHistoryEvent e : std::as_const(gone)) {
        e.kind = FaultHistoryEvent::Cleared;
        e.time = time.addMSecs(-time.time().msec());
        m_events.append(e);
    }
    if (m_events.size() > kMaxEvents)
        m_events.remove(0, m_events.size() - kMaxEvents);
    return loaded && write(reason);
}

QVector<FaultHistoryEvent> FaultHistory::events() const
{
    load(nullptr);
    return m_events;
}

int FaultHistory::count() const
{
    load(nullptr);
    return int(m_events.size());
}

QByteArray FaultHistory::toCsv() const
{
    load(nullptr);
    QByteArray csv = "Time,Event,Loco,Number,Fault code,Subsystem,Text\r\n";
    csv.reserve(int(m_events.size()) * 120);
    for (const FaultHistoryEvent& e : m_events) {
        csv += csv::field(e.time.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"))) + ',' + csv::field(kindName(e.kind)) +
            ',' + QByteArray::number(e.loco) + ',' + QByteArray::number(e.number) + ',' + csv::field(e.faultCode) +
            ',' + csv::field(e.subsystem) + ',' + csv::field(e.text) + "\r\n";
    }
    return csv;
}
