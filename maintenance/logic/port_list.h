#pragma once
// The port list of the telegram and freshness screens
// (file/master/zav_port.xml under the data root): every port the display
// watches, with its direction and F-code. The acquisition watches the
// freshness of these ports; the variable monitor looks F-codes up in it.
//
// File layout: one root element; under it one Port_Details element per port
// with the children Port_No (port address, decimal), Port_Type (1: a port
// this unit sources, anything else: a sink) and Fun_Code (F-code 0..4).
//
// Reading rules:
// - The file is read whole or not at all: missing, empty, larger than
//   kMaxFileBytes or not well-formed XML gives an empty list and the reason.
// - A Port_Details element is one port whatever the order of its children;
//   one without a port address 1..4095 or an F-code 0..4 is skipped (and
//   counted), as is a second entry for the same port. Port_Type that is not a
//   number reads 0 (sink).
// - At most kMaxPorts ports are listed.

#include <QString>
#include <QVector>

#include "acquisition/bus_exchange.h"
#include "maintenance/logic/xml_input.h"

namespace portlist {

struct Port {
    int telegram = 0;  // port address
    int port_type = 0; // 1: the display writes it (an output port)
    int fun_code = 0;  // F-code
};

constexpr int kMaxPorts = TELEGRAM_DETAILS_MAX;
constexpr qint64 kMaxFileBytes = 1024 * 1024;

struct PortList {
    QVector<Port> ports;
    maint::ReadStatus status = maint::ReadStatus::Ok;
    QString problem;        // why nothing was read ("" when Ok)
    int skipped = 0;        // entries without a usable port or F-code, or repeated
    bool truncated = false; // more than kMaxPorts: the first ones are listed
};

PortList parsePorts(const QByteArray& data);
PortList loadPorts(const QString& path);
// The debug lines that tell what went wrong or was left out (none when all is well).
QStringList report(const PortList& list, const QString& path);

// F-code of the first entry for `port`, 0 when the list has none.
int funCodeOf(const QVector<Port>& ports, int port);
bool contains(const QVector<Port>& ports, int port);

// Direction shown for a port: "Source Port" only for the output port this
// display writes (3015 in cab 1, 3201 in cab 2) when the list marks it as
// one, else "Sink Port". English; the screen translates it.
const char* direction(const Port& port, int cab);

// The list as the telegram rows of the viewer selection.
void fillSelection(const QVector<Port>& ports, ViewerSelection& selection);

} // namespace portlist
