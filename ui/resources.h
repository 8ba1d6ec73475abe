#pragma once
// The paths of every image the display shows. They are built from the data
// root by init_image_paths() at start. (The styles are ui/look.h.)

#include <QString>

#include "ui/look.h"

// ----- image paths -----
#define DDU_IMAGE(name, folder, file) extern QString name;
#include "ui/image_paths.def"
#undef DDU_IMAGE

// Builds every image path from the data root (img/rms/ and img/ddu/).
void init_image_paths();
