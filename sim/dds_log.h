#pragma once
// The diagnostic data sets (DDS) recorded by the vehicle's processors, as the
// vehicle serves them to the display: a list of events, newest first, of
// which a window of four records is published in port 2650. The display pages
// through the list with requests on its output port (up, down, top, bottom);
// each request moves the window by one window of four records, or to an end.
//
// A record on the bus is four words: event number; processor index (high
// byte) and message code (low byte); event time high word; time low word
// (seconds since 1970-01-01 00:00 UTC). Slots past the end of the list are
// published as four zero words (event 0 = empty slot).

#include <QString>
#include <QVector>
#include <QtGlobal>

namespace sim {

struct DdsEvent {
    quint16 number = 0;   // event (reference) number, 1..65535
    quint8 processor = 0; // 0 FLG1, 1 FLG2, 2 SLG1, 3 SLG2, 4..6 BUR1..3, 7 STB1, 8 STB2, 9 HBB1, 10 HBB2
    quint8 code = 0;      // message code within the processor
    quint32 time = 0;     // seconds since 1970-01-01 00:00 UTC
};

class DdsLog {
public:
    static constexpr quint16 kPort = 2650;
    static constexpr int kWindow = 4;

    DdsLog(); // the default list of 40 events
    explicit DdsLog(QVector<DdsEvent> newestFirst);

    const QVector<DdsEvent>& events() const { return m_events; }
    int size() const { return m_events.size(); }

    // Index (into events()) of the first record of the window.
    int top() const { return m_top; }
    // The largest index the window may start at (the last window is full when the list allows).
    int lastTop() const;

    void pageUp();   // one window towards the newest events
    void pageDown(); // one window towards the oldest events
    void toTop();    // the newest events
    void toBottom(); // the oldest events

    // The four records of the window (empty records past the end of the list).
    QVector<DdsEvent> window() const;
    // The 16 words of port 2650.
    QVector<quint16> portWords() const;

    // The recorded events the vehicle model starts with: 40 events of all
    // eleven processors over some days, each with a message code the
    // processor defines.
    static QVector<DdsEvent> defaultEvents();
    // Whether `code` is a message code of processor `processor` (index 0..10).
    static bool codeValid(int processor, int code);
    // "FLG1" .. "HBB2"; empty outside 0..10.
    static QString processorName(int processor);

private:
    QVector<DdsEvent> m_events;
    int m_top = 0;
};

} // namespace sim
