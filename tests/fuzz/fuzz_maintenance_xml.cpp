// Fuzz target of the maintenance tools' XML readers: the same bytes are read
// as a signal descriptor, as a port list and as a signal set. Invariants:
// - a file that cannot be read gives nothing and a reason for the debug
//   stream; one that can stays within the readers' limits;
// - every port listed is usable (address 1..4095, F-code 0..4) and listed once;
// - a set holds at most twenty entries, each with a name, and every entry the
//   monitor fetches lies within its port;
// - rows of the descriptor saved as a set and read back give the same
//   entries (the first twenty), whatever characters the cells hold.

#include "maintenance/logic/descriptor.h"
#include "maintenance/logic/micview_set.h"
#include "maintenance/logic/port_list.h"
#include "tests/fuzz/fuzz_support.h"

#include <QSet>

namespace {

void checkDescriptor(const descriptor::Descriptor& d)
{
    if (d.status != maint::ReadStatus::Ok) {
        FUZZ_CHECK(d.rows.isEmpty());
        FUZZ_CHECK(!d.problem.isEmpty());
        FUZZ_CHECK(!descriptor::report(d, QStringLiteral("d.xml")).isEmpty());
        return;
    }
    FUZZ_CHECK(d.rows.size() <= descriptor::kMaxRows);
    FUZZ_CHECK(!d.truncated || d.rows.size() == descriptor::kMaxRows);
    for (const descriptor::Row& r : d.rows)
        for (int c = descriptor::Telegram; c < descriptor::ColumnCount; ++c)
            FUZZ_CHECK(r[c] == r[c].trimmed());
}

void checkPorts(const portlist::PortList& list)
{
    if (list.status != maint::ReadStatus::Ok) {
        FUZZ_CHECK(list.ports.isEmpty());
        FUZZ_CHECK(!list.problem.isEmpty());
        FUZZ_CHECK(!portlist::report(list, QStringLiteral("p.xml")).isEmpty());
        return;
    }
    FUZZ_CHECK(list.ports.size() <= portlist::kMaxPorts);
    FUZZ_CHECK(list.skipped >= 0);
    QSet<int> seen;
    for (const portlist::Port& p : list.ports) {
        FUZZ_CHECK(p.telegram >= 1 && p.telegram <= 4095);
        FUZZ_CHECK(p.fun_code >= 0 && p.fun_code <= 4);
        FUZZ_CHECK(!seen.contains(p.telegram));
        seen.insert(p.telegram);
        FUZZ_CHECK(portlist::funCodeOf(list.ports, p.telegram) == p.fun_code);
        const QString dir = QLatin1String(portlist::direction(p, 1));
        FUZZ_CHECK(dir == QLatin1String("Source Port") || dir == QLatin1String("Sink Port"));
    }
    ViewerSelection selection;
    portlist::fillSelection(list.ports, selection);
    FUZZ_CHECK(selection.port_buffer_count == list.ports.size());
}

void checkSet(const micview::SetFile& set, const QVector<portlist::Port>& ports)
{
    if (set.status != maint::ReadStatus::Ok) {
        FUZZ_CHECK(set.entries.isEmpty());
        FUZZ_CHECK(!set.problem.isEmpty());
        return;
    }
    FUZZ_CHECK(set.entries.size() <= micview::kMaxEntries);
    FUZZ_CHECK(set.leftOut >= 0);
    FUZZ_CHECK(set.leftOut == 0 || set.entries.size() == micview::kMaxEntries);
    for (const micview::Entry& e : set.entries) {
        const micview::Fetch f = micview::fetchOf(e, ports);
        if (!f.valid)
            continue;
        // What the monitor reads lies within the port and the word.
        FUZZ_CHECK(portlist::contains(ports, f.details.telegram));
        FUZZ_CHECK(f.details.byte_offset >= 0 && f.details.byte_offset < (2 << f.details.fun_code));
        if (f.details.data_type == 1)
            FUZZ_CHECK(f.details.bite_offset >= 0 && f.details.bite_offset <= 15);
    }
}

// Ticked rows saved as a set read back as the same entries.
void checkRoundTrip(const QVector<descriptor::Row>& rows)
{
    const QVector<descriptor::Row> ticked = rows.mid(0, micview::kMaxEntries);
    const micview::SetFile back = micview::parseSet(micview::serialize(ticked));
    FUZZ_CHECK(back.status == maint::ReadStatus::Ok || ticked.isEmpty());
    FUZZ_CHECK(back.entries.size() == ticked.size());
    for (int i = 0; i < ticked.size(); ++i) {
        const micview::Entry want = micview::entryOf(ticked[i]);
        const micview::Entry& got = back.entries[i];
        FUZZ_CHECK(got.name == want.name);
        FUZZ_CHECK(got.type == want.type);
        FUZZ_CHECK(got.port == want.port);
        FUZZ_CHECK(got.byteOff == want.byteOff);
        FUZZ_CHECK(got.bitOff == want.bitOff);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray bytes = QByteArray::fromRawData(reinterpret_cast<const char*>(data), int(size));

    const descriptor::Descriptor d = descriptor::parseDescriptor(bytes);
    checkDescriptor(d);
    checkRoundTrip(d.rows);

    const portlist::PortList list = portlist::parsePorts(bytes);
    checkPorts(list);

    // The set against the ports of the same input, and against a list where
    // every address is a port of F-code 4.
    const micview::SetFile set = micview::parseSet(bytes);
    checkSet(set, list.ports);
    QVector<portlist::Port> all;
    for (const micview::Entry& e : set.entries)
        if (e.port >= 1 && e.port <= 4095 && !portlist::contains(all, e.port))
            all.append(portlist::Port{e.port, 0, 4});
    checkSet(set, all);
    return 0;
}
