#include "platform/device_paths.h"

#include <cstdlib>

namespace platform {

const char* envOr(const char* name, const char* fallback)
{
    const char* v = std::getenv(name);
    return (v && *v) ? v : fallback;
}

} // namespace platform
