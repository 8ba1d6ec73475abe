#pragma once
// The display's images: one row per file, with its size and the painter that
// draws it. `ddu-paint-images` walks this table.

#include "tools/symbols.h"

#include <QImage>
#include <QString>

#include <vector>

namespace imgpaint {

struct ImageEntry {
    const char* folder;  // "rms" or "ddu": img/rms/ or img/ddu/ under the data root
    const char* file;    // file name, exactly as the program loads it
    const char* globals; // image path globals that name this file
    int width;
    int height;
    PaintFn paint;
    SymbolParams params;
    const char* role; // what the image shows
};

const std::vector<ImageEntry>& imageTable();

// Relative path of an entry under the data root ("img/rms/lock.png").
QString relativePath(const ImageEntry& e);

// Paints one entry into a transparent ARGB image of its size.
QImage paintImage(const ImageEntry& e);

// Writes every image under <root>/img/rms/ and <root>/img/ddu/.
// Returns the number of files written; `error` names the first failure.
int writeAll(const QString& root, QString* error);

// One sheet with every image and its name, for review.
QImage contactSheet();

} // namespace imgpaint
