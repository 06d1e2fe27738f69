// The program's friendly picture: a smiling round face in a school cap,
// drawn in code. It is the 64 × 64 picture of every screen and the window
// icon; the asset generator also writes it out as the installed icon.
#pragma once

#include <QImage>
#include <QPixmap>

namespace Mascot {
// The drawing at size × size pixels on a transparent background.
QImage image(int size);
// The 64 × 64 picture, drawn once.
const QPixmap& pixmap();
} // namespace Mascot
