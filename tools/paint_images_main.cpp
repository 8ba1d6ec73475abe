// ddu-paint-images: paints every image of the display into a data root.
//
//   ddu-paint-images <root>                     writes <root>/img/rms/*.png, <root>/img/ddu/*.png
//   ddu-paint-images <root> --contact-sheet F   also writes one review sheet F
//   ddu-paint-images --list                     prints the image table (Markdown)

#include "tools/image_table.h"

#include <QGuiApplication>
#include <QStringList>
#include <QTextStream>

#include <cstdio>

namespace {

int listTable()
{
    QTextStream out(stdout);
    out << "| folder | file | size | globals | shows |\n|---|---|---|---|---|\n";
    for (const imgpaint::ImageEntry& e : imgpaint::imageTable())
        out << "| " << e.folder << " | " << e.file << " | " << e.width << " × " << e.height << " | " << e.globals
            << " | " << e.role << " |\n";
    return 0;
}

int usage()
{
    std::fprintf(stderr,
                 "usage: ddu-paint-images <root> [--contact-sheet <file.png>]\n"
                 "       ddu-paint-images --list\n");
    return 2;
}

} // namespace

int main(int argc, char** argv)
{
    // Painting needs fonts but no screen.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);

    const QStringList args = QCoreApplication::arguments().mid(1);
    if (args == QStringList{QStringLiteral("--list")})
        return listTable();
    if (args.isEmpty() || args.first().startsWith(QLatin1Char('-')))
        return usage();

    const QString& root = args.first();
    QString sheetPath;
    for (int i = 1; i < args.size(); ++i) {
        if (args.at(i) == QLatin1String("--contact-sheet") && i + 1 < args.size())
            sheetPath = args.at(++i);
        else
            return usage();
    }

    QString error;
    const int written = imgpaint::writeAll(root, &error);
    const int expected = int(imgpaint::imageTable().size());
    if (written != expected) {
        std::fprintf(stderr, "ddu-paint-images: %s\n", qPrintable(error));
        return 1;
    }
    if (!sheetPath.isEmpty() && !imgpaint::contactSheet().save(sheetPath, "PNG")) {
        std::fprintf(stderr, "ddu-paint-images: cannot write %s\n", qPrintable(sheetPath));
        return 1;
    }
    std::printf("ddu-paint-images: %d images under %s/img\n", written, qPrintable(root));
    return 0;
}
