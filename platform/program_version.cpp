#include "platform/program_version.h"

#include <cstdint>

#ifndef DDU_VERSION
#error "DDU_VERSION is set by the build"
#endif

namespace platform {

// An ELF note: sizes and type in the processor's byte order, the owner and
// the text each padded to four bytes.
struct VersionNote {
    std::uint32_t ownerSize;
    std::uint32_t textSize;
    std::uint32_t type;
    char owner[4];
    char text[32];
};
static_assert(sizeof(VersionNote) == 48, "a note without padding between its fields");

} // namespace platform

// Named, so that the build can make every program take it from the library
// (the linker's --undefined: nothing calls for it in most programs).
extern "C" const platform::VersionNote ddu_version_note
    __attribute__((used, section(".note.ddu.version"), aligned(4))) = {sizeof(platform::kVersionNoteOwner),
                                                                       sizeof(platform::VersionNote::text),
                                                                       platform::kVersionNoteType, "DDU", DDU_VERSION};

namespace platform {

const char* programVersion()
{
    return ddu_version_note.text;
}

} // namespace platform
