// The pictures the lessons load from the folder picture/ beside the program:
// the solids of chapter 9 (volumes and surface areas) with the dimensions and answers
// of their worked examples, and the parenthesis pictures of the
// mixed-operation screens and drill. The one list of their names.
#pragma once

#include <QPointF>
#include <QString>
#include <array>
#include <span>
#include <string_view>
#include <vector>

namespace LessonPictures {

// What a picture shows. Dimensions d[0] … d[4] are in cm; "across" is to the
// right, "up" is up and "deep" is away from the viewer (たて of a cuboid).
enum class Shape {
    // d[0] deep (たて), d[1] across (横), d[2] up (高さ); a cube when all equal.
    Cuboid,
    // The Cuboid built of 1 cm cubes: d[0] deep, d[1] across, d[2] layers.
    UnitCubes,
    // The Cuboid d[0..2] with a cube of edge d[3] (= d[0]) on top of its right end.
    CuboidAndCube,
    // d[0] deep: a column d[1] across and d[2] up; at its right a block d[3] across, d[4] up.
    LBlock,
    // The Cuboid d[0..2] less a cube of edge d[3] (= d[0]) cut from its top right corner.
    NotchedCuboid,
    // Prisms lie with a base in front; the prism's height runs away from the viewer.
    // Base a right triangle with the legs d[0] (across) and d[1] (up); height d[2].
    RightTrianglePrism,
    // Base a triangle with the side d[0] and its altitude d[1]; height d[2].
    TrianglePrism,
    // Base a trapezoid: lower side d[0], upper side d[1], its height d[2]; height d[3].
    TrapezoidPrism,
    // Base a right trapezoid: upper side d[0], lower side d[1], perpendicular leg d[2]
    // (the slanted leg follows); height d[3].
    RightTrapezoidPrism,
    // Base a rectangle d[0] across and d[1] up; height d[2].
    RectPrism,
    // Upright: radius d[0], height d[1].
    Cylinder,
    // A tall "(" spanning a numerator, its fraction bar and its denominator.
    OpenParen,
    // The matching ")".
    CloseParen,
};

// Prisms and cylinders are drawn as the solid or as its net (展開図).
enum class View { Solid, Net };

// What the lesson's worked example computes from the picture.
enum class Measure { None, Volume, SurfaceArea };

struct Picture {
    const char* file; // file name inside the folder picture/, e.g. "tyoku1.bmp"
    int width;        // pixel size
    int height;
    Shape shape;
    View view;
    std::array<double, 5> d; // dimensions in cm, meaning by shape
    const char* caption;     // "図１", "図２", "図３", or "" when the lesson names none
    Measure measure;
    int answer; // the worked example's answer: cm3 or c㎡
};

// The 25 solid pictures tyoku1 … tyoku10, tyu1 … tyu15, then the two
// parenthesis pictures.
std::span<const Picture> all();

// The picture of that file name ("tyu8.bmp"), or nullptr.
const Picture* find(std::string_view file);

// The folder of the pictures, relative to the program folder.
inline constexpr const char* Folder = "picture";
// The parenthesis pictures of the mixed-operation screens.
inline constexpr const char* OpenParenFile = "kakko_left.bmp";
inline constexpr const char* CloseParenFile = "kakko_right.bmp";

// "picture/tyoku1.bmp": the path relative to the program folder.
QString relativePath(const Picture& picture);
// Where a screen loads a picture: exeDir (the program folder with its
// trailing separator, PracticeState::ExeDir) + "picture/" + file. The file
// must be one of the table's names.
QString filePath(const QString& exeDir, std::string_view file);

// π as the lessons take it.
inline constexpr double Pi = 3.14;

// A right prism: a polygon (cm; x across, y up; counter-clockwise) in the
// front plane, extruded `depth` cm away from the viewer.
struct Body {
    std::vector<QPointF> front;
    double depth = 0;
};

// The solid as right prisms (a prism's front polygon is its base, its depth
// the prism's height); empty for cylinders and parentheses.
std::vector<Body> bodies(const Picture& picture);

// Prisms and cylinders: the area of one base (底面積), the perimeter of the
// base (the width of the net's side), the height, and the side area (側面積).
double baseArea(const Picture& picture);
double basePerimeter(const Picture& picture);
double prismHeight(const Picture& picture);
double sideArea(const Picture& picture);

// The lengths the picture labels (cm; for UnitCubes the counts of cubes):
// every length its worked example uses. The generator checks its drawing's
// labels against this list.
std::vector<double> labelledLengths(const Picture& picture);

// Volume of any solid; surface area (底面積 x 2 + 側面積) of a prism or cylinder.
// Rounded to hundredths, as the worked answers (π = 3.14) are exact there.
double volume(const Picture& picture);
double surfaceArea(const Picture& picture);
// The volume or surface area the picture's worked example computes.
double measured(const Picture& picture);

} // namespace LessonPictures
