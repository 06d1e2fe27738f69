// The asset generators: each writes its files under the output folder and
// returns false (after printing why) when it could not.
#pragma once

#include <QString>

bool writeSounds(const QString& outDir);   // oto/*.wav
bool writePictures(const QString& outDir); // picture/*.bmp
bool writeIcon(const QString& outDir);     // icons/sorvelin.png
