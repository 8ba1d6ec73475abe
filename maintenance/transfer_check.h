#pragma once
// Whether a data file brought by a transfer reads as the program reads it,
// before it replaces anything. Each file is given to the reader of the
// program that takes it from its place under the data root:
//
//   file/master/DDU.xml                    the configuration; its cab must be
//                                          1 or 2 (with another cab the unit
//                                          writes no output port)
//   file/master/zav_port.xml               the port list; it must name a port
//   file/master/zav_descriptor.xml         the signal descriptor
//   file/master/zav_DDSMessages_details.xml  the diagnosis reference
//   file/micview/<name>.xml                a signal set
//   file/fault/Driver_Details              the driver's trip details
//   file/fault/fault_history.xml           the fault history
//   file/fault/<name>.xml                  a fault log (zav_MessagesVCU_temp.xml)
//   img/...                                an image: PNG, JPEG or BMP
//
// Any other XML file must be well-formed; any other file is taken as it is.
// Every XML file is first read to its end by a stream reader, so that a file
// that is not XML at all is told with its line whichever reader takes it.
//
// Plain logic, no widget and nothing shared with the window: the transfer
// calls it on its worker thread.

#include <QString>

namespace update {

// Why a file is refused: `reason` is a text marked for translation (context
// "QObject"), nullptr when the file reads. When the text holds "%1", `arg`
// fills it in (a line number).
struct Refusal {
    const char* reason = nullptr;
    QString arg;

    explicit operator bool() const { return reason != nullptr; }
};

// Checks the file at `path`, which is to be installed as `relative` below the
// data root ("file/master/DDU.xml", "img/rms/led.png").
Refusal checkDataFile(const QString& path, const QString& relative);

} // namespace update
