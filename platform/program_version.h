#pragma once
// The version of this program, carried in the program file as an ELF note
// (section ".note.ddu.version", owner "DDU", type 1, the version as text) so
// that the software update can show which version a program on a stick is
// without running it (update::programVersionOf reads it back).

namespace platform {

inline constexpr char kVersionNoteSection[] = ".note.ddu.version";
inline constexpr char kVersionNoteOwner[] = "DDU";
inline constexpr unsigned kVersionNoteType = 1;

// This program's version, e.g. "1.0".
const char* programVersion();

} // namespace platform
