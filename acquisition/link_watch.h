#pragma once
// Supervision of the controller's answers during a bus pass.
//
// Every port access reports whether the controller answered whole and
// consistently. A few failed accesses in a row (silence, NAKs, replies cut
// short, garbage, the line gone) make the pass give up: its remaining ports
// are not read and the pass is published as stale instead of waiting out a
// time-out per transaction. A stop request gives up as well, between two
// transactions. Each good answer is a heartbeat for the hand-over, which shows
// the screens the stale look when the heartbeats stop.

#include <atomic>

class BusExchange;

class LinkWatch {
public:
    static constexpr int kFailedAccessesToGiveUp = 2;

    LinkWatch(BusExchange* exchange = nullptr, const std::atomic<bool>* stop = nullptr)
        : m_exchange(exchange)
        , m_stop(stop)
    {
    }

    // Outcome of one port access.
    void note(bool answered);
    // True once the pass should read nothing more.
    bool givenUp() const { return m_failuresInRow >= kFailedAccessesToGiveUp || (m_stop && m_stop->load()); }
    int failuresInRow() const { return m_failuresInRow; }

private:
    BusExchange* m_exchange;
    const std::atomic<bool>* m_stop;
    int m_failuresInRow = 0;
};
