#pragma once
// The link through which the acquisition reads and writes process data ports.
// The display uses the MVB driver; tests put a scripted bus in its place.

#include <cstdint>

class ProcessDataBus {
public:
    virtual ~ProcessDataBus() = default;

    // Brings the controller into full operation (serial link, configuration,
    // device address 0, activation). True only when every step succeeded.
    virtual bool bringUp() { return true; }

    // Reads a sink port (configured on first use with `fcode`). The buffer
    // holds 16 words; words of a port with error bits are left as they were.
    // Returns false when the controller's answer was incomplete or
    // contradicted its configuration: the words are then left as they were
    // and the freshness reads 0xFFFF (stale).
    virtual bool read(uint16_t port, uint16_t fcode, uint16_t* words, uint16_t* freshness) = 0;
    // Writes a source port (configured on first use with `fcode`). False as
    // for read(); nothing is written then.
    virtual bool write(uint16_t port, uint16_t fcode, uint16_t* words) = 0;
    // Freshness of a sink port without reading its data; false as for read().
    virtual bool freshness(uint16_t port, uint16_t fcode, uint16_t* freshness) = 0;

    // Looks, with a short time-out, whether the controller answers and is in
    // full operation (used while the link is down, instead of a full pass).
    // `status` receives the controller's status word when it answered.
    enum class Probe { Answers, Silent, NotOperating };
    virtual Probe probe(uint16_t* status)
    {
        (void)status;
        return Probe::Answers;
    }
    // True when the line itself is gone (device closed by its far end, I/O
    // error); only a new bringUp() can help then.
    virtual bool lineLost() const { return false; }
    // From any thread: cuts short the transaction in progress and fails every
    // later one at once (used to stop the acquisition without waiting).
    virtual void interrupt() { }
};

// The real link: the MVB driver.
class MvbDriverBus : public ProcessDataBus {
public:
    // Ends an interruption left by the last user of the driver.
    ~MvbDriverBus() override;
    bool bringUp() override;
    bool read(uint16_t port, uint16_t fcode, uint16_t* words, uint16_t* freshness) override;
    bool write(uint16_t port, uint16_t fcode, uint16_t* words) override;
    bool freshness(uint16_t port, uint16_t fcode, uint16_t* freshness) override;
    Probe probe(uint16_t* status) override;
    bool lineLost() const override;
    void interrupt() override;
};
