// The pictures of the solid-geometry lessons (picture/*.bmp).
#include "Generators.h"

#include <QDir>

bool writePictures(const QString& outDir) {
    return QDir().mkpath(outDir + QStringLiteral("/picture"));
}
