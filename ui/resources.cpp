#include "ui/resources.h"

#include "platform/platform.h"

// clang-format off

#define DDU_IMAGE(name, folder, file) QString name;
#include "ui/image_paths.def"
#undef DDU_IMAGE

void init_image_paths()
{
#define DDU_IMAGE(name, folder, file) \
    name = platform::dataPath(QStringLiteral("img/") + QLatin1String(folder) + QLatin1Char('/') + QLatin1String(file));
#include "ui/image_paths.def"

#undef DDU_IMAGE
}
// clang-format on
