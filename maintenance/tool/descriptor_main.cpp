// Writes the signal descriptor of the port map (the build installs it into
// the data root as file/master/zav_descriptor.xml).
//
//   ddu-descriptor <file>

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QSaveFile>

#include <cstdio>

#include "maintenance/logic/descriptor.h"

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: ddu-descriptor <file>\n");
        return 2;
    }
    const QString path = QString::fromLocal8Bit(argv[1]);
    QDir().mkpath(QFileInfo(path).absolutePath());
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(descriptor::generate()) < 0 || !file.commit()) {
        std::fprintf(stderr, "ddu-descriptor: cannot write %s: %s\n", argv[1], qPrintable(file.errorString()));
        return 1;
    }
    return 0;
}
