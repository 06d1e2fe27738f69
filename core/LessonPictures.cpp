// The table of lesson pictures (file names, sizes, solids, dimensions, the
// worked answers) and the volumes and surface areas computed from it.
#include "core/LessonPictures.h"

#include <QLineF>
#include <cmath>

namespace LessonPictures {

namespace {

using S = Shape;
using V = View;
using M = Measure;

// Sizes of the picture boxes on the two solid screens and of the
// parentheses of the mixed-operation screens.
constexpr int CuboidW = 130, CuboidH = 120;
constexpr int PrismW = 130, PrismH = 137;
constexpr int ParenW = 16, ParenH = 70;

// clang-format off
const Picture Table[] = {
    // Cuboid screen, menu item 1: the explanation (図１ … 図３), then problems 1 and 2.
    {"tyoku1.bmp",  CuboidW, CuboidH, S::Cuboid,        V::Solid, {1, 1, 1},       "図１", M::Volume, 1},
    {"tyoku2.bmp",  CuboidW, CuboidH, S::UnitCubes,     V::Solid, {2, 3, 2},       "図２", M::Volume, 12},
    {"tyoku3.bmp",  CuboidW, CuboidH, S::Cuboid,        V::Solid, {2, 3, 2},       "図３", M::Volume, 12},
    {"tyoku4.bmp",  CuboidW, CuboidH, S::Cuboid,        V::Solid, {3, 3, 3},       "",     M::Volume, 27},
    {"tyoku5.bmp",  CuboidW, CuboidH, S::Cuboid,        V::Solid, {4, 2, 3},       "",     M::Volume, 24},
    // Cuboid screen, menu item 2: the explanation (図１ … 図３), then problems 1 and 2.
    {"tyoku6.bmp",  CuboidW, CuboidH, S::CuboidAndCube, V::Solid, {2, 8, 3, 2},    "図１", M::Volume, 56},
    {"tyoku7.bmp",  CuboidW, CuboidH, S::Cuboid,        V::Solid, {2, 8, 3},       "図２", M::Volume, 48},
    {"tyoku8.bmp",  CuboidW, CuboidH, S::Cuboid,        V::Solid, {2, 2, 2},       "図３", M::Volume, 8},
    {"tyoku9.bmp",  CuboidW, CuboidH, S::LBlock,        V::Solid, {4, 2, 7, 3, 3}, "",     M::Volume, 92},
    {"tyoku10.bmp", CuboidW, CuboidH, S::NotchedCuboid, V::Solid, {3, 8, 4, 3},    "",     M::Volume, 69},
    // Prism and cylinder screen, 体積: examples 1 … 3, then problems 1 … 3.
    {"tyu1.bmp",  PrismW, PrismH, S::RightTrianglePrism,  V::Solid, {3, 4, 5},    "",     M::Volume, 30},
    {"tyu2.bmp",  PrismW, PrismH, S::RectPrism,           V::Solid, {3, 4, 5},    "",     M::Volume, 60},
    {"tyu3.bmp",  PrismW, PrismH, S::Cylinder,            V::Solid, {5, 6},       "",     M::Volume, 471},
    {"tyu4.bmp",  PrismW, PrismH, S::TrianglePrism,       V::Solid, {5, 3, 4},    "",     M::Volume, 30},
    {"tyu5.bmp",  PrismW, PrismH, S::TrapezoidPrism,      V::Solid, {5, 2, 3, 4}, "",     M::Volume, 42},
    {"tyu6.bmp",  PrismW, PrismH, S::Cylinder,            V::Solid, {5, 8},       "",     M::Volume, 628},
    // Prism and cylinder screen, 表面積: examples 1 … 3 (solid 図１ and net 図２), then problems 1 … 3.
    {"tyu7.bmp",  PrismW, PrismH, S::RightTrianglePrism,  V::Solid, {3, 4, 5},    "図１", M::SurfaceArea, 72},
    {"tyu8.bmp",  PrismW, PrismH, S::RightTrianglePrism,  V::Net,   {3, 4, 5},    "図２", M::SurfaceArea, 72},
    {"tyu9.bmp",  PrismW, PrismH, S::RectPrism,           V::Solid, {3, 4, 5},    "図１", M::SurfaceArea, 94},
    {"tyu10.bmp", PrismW, PrismH, S::RectPrism,           V::Net,   {3, 4, 5},    "図２", M::SurfaceArea, 94},
    {"tyu11.bmp", PrismW, PrismH, S::Cylinder,            V::Solid, {5, 5},       "図１", M::SurfaceArea, 314},
    {"tyu12.bmp", PrismW, PrismH, S::Cylinder,            V::Net,   {5, 5},       "図２", M::SurfaceArea, 314},
    {"tyu13.bmp", PrismW, PrismH, S::RightTrianglePrism,  V::Solid, {3, 4, 4},    "",     M::SurfaceArea, 60},
    {"tyu14.bmp", PrismW, PrismH, S::RightTrapezoidPrism, V::Solid, {3, 6, 4, 5}, "",     M::SurfaceArea, 126},
    {"tyu15.bmp", PrismW, PrismH, S::Cylinder,            V::Solid, {5, 10},      "",     M::SurfaceArea, 471},
    // The mixed-operation lesson and drill: the parentheses (Image2/Image4 "(", Image3/Image5 ")").
    {OpenParenFile,  ParenW, ParenH, S::OpenParen,  V::Solid, {}, "", M::None, 0},
    {CloseParenFile, ParenW, ParenH, S::CloseParen, V::Solid, {}, "", M::None, 0},
};
// clang-format on

double hundredths(double x) {
    return std::round(x * 100.0) / 100.0;
}

double polygonArea(const std::vector<QPointF>& p) {
    double twice = 0;
    for (std::size_t i = 0; i < p.size(); ++i) {
        const QPointF& a = p[i];
        const QPointF& b = p[(i + 1) % p.size()];
        twice += a.x() * b.y() - b.x() * a.y();
    }
    return std::abs(twice) / 2.0;
}

double polygonPerimeter(const std::vector<QPointF>& p) {
    double sum = 0;
    for (std::size_t i = 0; i < p.size(); ++i)
        sum += QLineF(p[i], p[(i + 1) % p.size()]).length();
    return sum;
}

std::vector<QPointF> rect(double x0, double y0, double x1, double y1) {
    return {{x0, y0}, {x1, y0}, {x1, y1}, {x0, y1}};
}

bool isPrism(Shape s) {
    switch (s) {
    case S::RightTrianglePrism:
    case S::TrianglePrism:
    case S::TrapezoidPrism:
    case S::RightTrapezoidPrism:
    case S::RectPrism:
        return true;
    default:
        return false;
    }
}

} // namespace

std::span<const Picture> all() {
    return Table;
}

const Picture* find(std::string_view file) {
    for (const Picture& p : Table)
        if (file == p.file)
            return &p;
    return nullptr;
}

QString relativePath(const Picture& picture) {
    return QLatin1String(Folder) + QLatin1Char('/') + QLatin1String(picture.file);
}

QString filePath(const QString& exeDir, std::string_view file) {
    const Picture* picture = find(file);
    Q_ASSERT_X(picture, "LessonPictures::filePath", "not a picture of the table");
    return picture ? exeDir + relativePath(*picture) : QString();
}

std::vector<Body> bodies(const Picture& p) {
    const auto& d = p.d;
    switch (p.shape) {
    case S::Cuboid:
    case S::UnitCubes:
        return {{rect(0, 0, d[1], d[2]), d[0]}};
    case S::CuboidAndCube:
        return {{rect(0, 0, d[1], d[2]), d[0]}, {rect(d[1] - d[3], d[2], d[1], d[2] + d[3]), d[3]}};
    case S::LBlock: {
        const double w = d[1] + d[3];
        return {{{{0, 0}, {w, 0}, {w, d[4]}, {d[1], d[4]}, {d[1], d[2]}, {0, d[2]}}, d[0]}};
    }
    case S::NotchedCuboid: {
        const double w = d[1], h = d[2], e = d[3];
        return {{{{0, 0}, {w, 0}, {w, h - e}, {w - e, h - e}, {w - e, h}, {0, h}}, d[0]}};
    }
    case S::RightTrianglePrism:
        return {{{{0, 0}, {d[0], 0}, {0, d[1]}}, d[2]}};
    case S::TrianglePrism:
        // The apex stands over a point three tenths along the side.
        return {{{{0, 0}, {d[0], 0}, {0.3 * d[0], d[1]}}, d[2]}};
    case S::TrapezoidPrism: {
        const double inset = (d[0] - d[1]) / 2;
        return {{{{0, 0}, {d[0], 0}, {inset + d[1], d[2]}, {inset, d[2]}}, d[3]}};
    }
    case S::RightTrapezoidPrism:
        // The perpendicular leg on the left, the slanted one on the right.
        return {{{{0, 0}, {d[1], 0}, {d[0], d[2]}, {0, d[2]}}, d[3]}};
    case S::RectPrism:
        return {{rect(0, 0, d[0], d[1]), d[2]}};
    case S::Cylinder:
    case S::OpenParen:
    case S::CloseParen:
        break;
    }
    return {};
}

std::vector<double> labelledLengths(const Picture& p) {
    const auto& d = p.d;
    const bool net = p.view == V::Net;
    switch (p.shape) {
    case S::Cuboid:
    case S::UnitCubes:
        return {d[1], d[2], d[0]};
    case S::CuboidAndCube:
    case S::NotchedCuboid:
        return {d[1], d[2], d[0], d[3]};
    case S::LBlock:
        return {d[2], d[1], d[3], d[4], d[0]};
    case S::RightTrianglePrism: {
        const double hyp = std::hypot(d[0], d[1]);
        if (net) // the side's strips in the order of the worked answer, and its height
            return {d[0], hyp, d[1], d[2]};
        if (p.measure == M::SurfaceArea)
            return {d[0], d[1], hyp, d[2]};
        return {d[0], d[1], d[2]};
    }
    case S::RectPrism:
        if (net)
            return {d[0], d[1], d[0], d[1], d[2]};
        return {d[0], d[1], d[2]};
    case S::TrianglePrism:
        return {d[0], d[1], d[2]};
    case S::TrapezoidPrism:
        return {d[0], d[1], d[2], d[3]};
    case S::RightTrapezoidPrism:
        return {d[1], d[2], d[0], std::hypot(d[1] - d[0], d[2]), d[3]};
    case S::Cylinder:
        if (net)
            return {d[0], d[1], basePerimeter(p)};
        return {d[0], d[1]};
    case S::OpenParen:
    case S::CloseParen:
        break;
    }
    return {};
}

double baseArea(const Picture& p) {
    if (p.shape == S::Cylinder)
        return hundredths(p.d[0] * p.d[0] * Pi);
    if (!isPrism(p.shape))
        return 0;
    return hundredths(polygonArea(bodies(p).front().front));
}

double basePerimeter(const Picture& p) {
    if (p.shape == S::Cylinder)
        return hundredths(p.d[0] * 2 * Pi);
    if (!isPrism(p.shape))
        return 0;
    return hundredths(polygonPerimeter(bodies(p).front().front));
}

double prismHeight(const Picture& p) {
    if (p.shape == S::Cylinder)
        return p.d[1];
    if (!isPrism(p.shape))
        return 0;
    return bodies(p).front().depth;
}

double sideArea(const Picture& p) {
    return hundredths(basePerimeter(p) * prismHeight(p));
}

double volume(const Picture& p) {
    if (p.shape == S::Cylinder)
        return hundredths(baseArea(p) * prismHeight(p));
    double sum = 0;
    for (const Body& b : bodies(p))
        sum += polygonArea(b.front) * b.depth;
    return hundredths(sum);
}

double surfaceArea(const Picture& p) {
    if (p.shape != S::Cylinder && !isPrism(p.shape))
        return 0;
    return hundredths(baseArea(p) * 2 + sideArea(p));
}

double measured(const Picture& p) {
    switch (p.measure) {
    case M::Volume:
        return volume(p);
    case M::SurfaceArea:
        return surfaceArea(p);
    case M::None:
        break;
    }
    return 0;
}

} // namespace LessonPictures
