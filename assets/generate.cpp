// The asset generator run by the build: sound cues, pictures and icon.
#include "Generators.h"
#include "core/Mascot.h"

#include <QDir>
#include <QGuiApplication>
#include <cstdio>

bool writeIcon(const QString& outDir) {
    QDir().mkpath(outDir + QStringLiteral("/icons"));
    const QString path = outDir + QStringLiteral("/icons/sorvelin.png");
    if (!Mascot::image(64).save(path)) {
        std::fprintf(stderr, "sorvelin-assets: cannot write %s\n", qPrintable(path));
        return false;
    }
    return true;
}

int main(int argc, char* argv[]) {
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: sorvelin-assets OUTPUT-FOLDER\n");
        return 2;
    }
    const QString out = QString::fromLocal8Bit(argv[1]);
    const bool ok = writeSounds(out) && writePictures(out) && writeIcon(out);
    return ok ? 0 : 1;
}
