#pragma once
// Tables for a spreadsheet (RFC 4180, UTF-8): a field quoted only when it
// holds a comma, a quote or a line end; lines end with CRLF.

#include <QByteArray>
#include <QStringList>

namespace csv {

QByteArray field(const QString& s);
// The fields joined by commas, and CRLF.
QByteArray line(const QStringList& fields);

} // namespace csv
