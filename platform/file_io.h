#pragma once
// Reading and writing the unit's own files, one way for all of them.
//
// - A save replaces the file atomically and only when every byte is on the
//   disk: the bytes go to a temporary file beside it (QSaveFile), each write
//   and the flush are checked, and only then is it renamed over the old file.
//   On any failure (a full disk, a size limit, a write error) the temporary
//   file goes and the old file stays byte for byte.
// - A read takes a regular file whole, up to a limit; a FIFO, device, socket
//   or folder in its place is refused before it is opened (opening or reading
//   one can block for ever), and so is a file beyond the limit.

#include <QByteArray>
#include <QString>

#include <atomic>

namespace platform {

// Replaces the file at `path` with `bytes` (its folder must exist). False
// when it could not, with the reason in words ("disk full", or the system's
// text) in `reason`.
bool saveFile(const QString& path, const QByteArray& bytes, QString* reason = nullptr);

// Tests: the next save writes only this many bytes and then stops, as the
// power failing would (the temporary file never replaces the old file), and
// reports the disk full. -1: off. Atomic: saves run on several threads (the
// fault history's writer, the update's worker), and exactly one save takes it.
extern std::atomic<int> interruptNextSaveAfter;

// Removes the temporary files an interrupted save left beside `path` (a kill
// between a save's write and its rename): "<name>.XXXXXX". Returns how many.
int removeSaveLeftovers(const QString& path);
// The same in `folder` for every file name matching the regular expression
// `names` (anchored): "<a name>.XXXXXX".
int removeSaveLeftoversIn(const QString& folder, const QString& names);

enum class ReadStatus { Ok, Missing, NotRegular, CannotOpen, TooLarge };

struct FileRead {
    ReadStatus status = ReadStatus::Ok;
    QByteArray data;
    QString problem; // in words, for the debug output
};

// The whole file at `path` when it is a regular file of at most `maxBytes`.
FileRead readRegularFile(const QString& path, qint64 maxBytes);

// True when no element of the XML document `data` lies deeper than
// `maxDepth` levels; else false and where in `problem`. A tree builder takes
// time growing with the square of the depth (100 000 levels: minutes), so a
// document nested beyond any real file is refused before it is parsed, and
// so is one that declares entities (a few kilobytes could expand into
// gigabytes). Not-well-formed input passes: the parser that follows tells
// that.
bool xmlWithinDepth(const QByteArray& data, int maxDepth, QString* problem = nullptr);

// True for a regular file (a link to one counts); else false and the reason
// ("no such file", "not a regular file").
bool isRegularFile(const QString& path, QString* problem = nullptr);

} // namespace platform
