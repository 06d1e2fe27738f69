// Draws the pictures of the solid-geometry lessons (picture/tyoku*.bmp,
// picture/tyu*.bmp) from the table in core/LessonPictures, and the two
// parenthesis pictures of the mixed-operation screens. Solids are in cabinet
// projection (front face true shape, depth at 45° and half length) with the
// hidden edges dashed; nets show the bases pink, the side yellow, the fold
// lines dashed. Every label is computed from the table's dimensions, and the
// labels are checked against the table's list of lengths to show.
// SORVELIN_LAYOUT_DEBUG=1 in the environment prints each picture's scale and
// the spots its labels took.
#include "Figure.h"
#include "Generators.h"
#include "core/LessonPictures.h"
#include "core/Style.h"

#include <QDir>
#include <QFile>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <map>
#include <string>
#include <vector>

namespace {

using namespace Drawing;
using LessonPictures::Body;
using LessonPictures::Picture;
using LessonPictures::Shape;
using LessonPictures::View;

// ---------------------------------------------------------------- 3-D solids

constexpr double K = 0.35355339059327373; // ½ cos 45°: the depth's share in x and in y

struct V3 {
    double x = 0, y = 0, z = 0;
};
V3 operator+(V3 a, V3 b) {
    return {a.x + b.x, a.y + b.y, a.z + b.z};
}
V3 operator-(V3 a, V3 b) {
    return {a.x - b.x, a.y - b.y, a.z - b.z};
}
V3 operator*(V3 a, double f) {
    return {a.x * f, a.y * f, a.z * f};
}
double dot(V3 a, V3 b) {
    return a.x * b.x + a.y * b.y + a.z * b.z;
}

// The direction along which points share one picture point, pointing away
// from the viewer (who looks from the front, above and the right).
constexpr V3 Away{-K, -K, 1};

QPointF proj(V3 p) {
    return {p.x + K * p.z, p.y + K * p.z};
}

enum class Role { Base, Side };

struct Face {
    std::vector<V3> points;
    V3 normal; // outward
    Role role;
};

struct Model {
    std::vector<Face> faces;
    std::vector<std::pair<V3, V3>> edges;
};

void addBody(Model& m, const Body& b) {
    const std::size_t n = b.front.size();
    auto at = [&](std::size_t i, double z) {
        return V3{b.front[i % n].x(), b.front[i % n].y(), z};
    };
    Face front{{}, {0, 0, -1}, Role::Base}, back{{}, {0, 0, 1}, Role::Base};
    for (std::size_t i = 0; i < n; ++i) {
        front.points.push_back(at(i, 0));
        back.points.push_back(at(i, b.depth));
        const V3 e = at(i + 1, 0) - at(i, 0);
        const double len = std::hypot(e.x, e.y);
        m.faces.push_back({{at(i, 0), at(i + 1, 0), at(i + 1, b.depth), at(i, b.depth)},
                           {e.y / len, -e.x / len, 0},
                           Role::Side});
        m.edges.push_back({at(i, 0), at(i + 1, 0)});
        m.edges.push_back({at(i, b.depth), at(i + 1, b.depth)});
        m.edges.push_back({at(i, 0), at(i, b.depth)});
    }
    m.faces.push_back(front);
    m.faces.push_back(back);
}

double distanceToSegment(QPointF p, QPointF a, QPointF b) {
    const QPointF ab = b - a;
    const double len2 = QPointF::dotProduct(ab, ab);
    const double t = len2 > 0 ? std::clamp(QPointF::dotProduct(p - a, ab) / len2, 0.0, 1.0) : 0;
    const QPointF q = a + ab * t - p;
    return std::hypot(q.x(), q.y());
}

// True when the picture point of p lies strictly inside the face's picture.
bool coveredBy(QPointF q, const Face& f) {
    bool inside = false;
    const std::size_t n = f.points.size();
    for (std::size_t i = 0, j = n - 1; i < n; j = i++) {
        const QPointF a = proj(f.points[i]), b = proj(f.points[j]);
        if (distanceToSegment(q, a, b) < 1e-6)
            return false;
        if ((a.y() > q.y()) != (b.y() > q.y()) &&
            q.x() < (b.x() - a.x()) * (q.y() - a.y()) / (b.y() - a.y()) + a.x())
            inside = !inside;
    }
    return inside;
}

// True when some face lies between p and the viewer.
bool hidden(const Model& m, V3 p) {
    const QPointF q = proj(p);
    for (const Face& f : m.faces) {
        const double denom = dot(f.normal, Away);
        if (std::abs(denom) < 1e-9)
            continue;
        const double t = (dot(f.normal, f.points[0]) - dot(f.normal, p)) / denom;
        if (t < -1e-7 && coveredBy(q, f))
            return true;
    }
    return false;
}

// Adds the edge a–b, split into its visible (solid) and hidden (dashed) runs.
void addEdge(Figure& fig, const Model& m, V3 a, V3 b) {
    const QPointF pa = proj(a), pb = proj(b);
    const int n = std::max(16, int(std::hypot(pb.x() - pa.x(), pb.y() - pa.y()) * 60));
    int runStart = 0;
    bool runHidden = hidden(m, a + (b - a) * (0.5 / n));
    for (int i = 1; i <= n; ++i) {
        const bool h = i < n && hidden(m, a + (b - a) * ((i + 0.5) / n));
        if (i == n || h != runHidden) {
            fig.line(proj(a + (b - a) * (double(runStart) / n)),
                     proj(a + (b - a) * (double(i) / n)), runHidden ? Line::Hidden : Line::Edge);
            runStart = i;
            runHidden = h;
        }
    }
}

// Light fills: a blue family for the cuboids, and for the prisms
// and cylinders the bases pink and the sides yellow, as in the
// nets. Faces turned up are lightest, those turned to the right darkest.
struct Palette {
    QColor front, top, side;
};
const Palette BlockFill{{226, 238, 255}, {242, 247, 255}, {204, 221, 246}};
const Palette BaseFill{{255, 221, 232}, {255, 233, 240}, {250, 208, 222}};
const Palette SideFill{{255, 246, 204}, {255, 250, 222}, {250, 236, 176}};
const QColor NetBase{255, 196, 214};
const QColor NetSide{255, 238, 150};

QColor shade(const Palette& p, V3 n) {
    if (n.y > 0.5)
        return p.top;
    if (n.z < -0.5)
        return p.front;
    return p.side;
}

void addModel(Figure& fig, const Model& m, bool prismColours) {
    std::vector<const Face*> visible;
    for (const Face& f : m.faces)
        if (dot(f.normal, Away) < -1e-9)
            visible.push_back(&f);
    auto depth = [](const Face* f) {
        V3 c;
        for (const V3& p : f->points)
            c = c + p;
        return dot(c * (1.0 / f->points.size()), Away);
    };
    std::stable_sort(visible.begin(), visible.end(),
                     [&](const Face* a, const Face* b) { return depth(a) > depth(b); });
    for (const Face* f : visible) {
        QPolygonF poly;
        for (const V3& p : f->points)
            poly << proj(p);
        const Palette& pal = !prismColours           ? BlockFill
                             : f->role == Role::Base ? BaseFill
                                                     : SideFill;
        fig.fills.push_back({poly, shade(pal, f->normal)});
    }
    for (const auto& [a, b] : m.edges)
        addEdge(fig, m, a, b);
}

// ------------------------------------------------------------------ labels

QString cm(double v) {
    QString s = QString::number(v, 'f', 2);
    while (s.endsWith(QLatin1Char('0')))
        s.chop(1);
    if (s.endsWith(QLatin1Char('.')))
        s.chop(1);
    return s + QStringLiteral("cm");
}

// A spot beside the picture of the edge a–b, on the side away from `from`.
Spot beside(QPointF a, QPointF b, QPointF from) {
    const QPointF mid = (a + b) / 2;
    QPointF n(-(b.y() - a.y()), b.x() - a.x());
    if (QPointF::dotProduct(n, mid - from) < 0)
        n = -n;
    return {mid, n / std::hypot(n.x(), n.y())};
}
Spot beside(V3 a, V3 b, QPointF from) {
    return beside(proj(a), proj(b), from);
}
// A spot beside the edge a–b on the side towards `to`: inside a face, where
// a label reads less clearly than outside.
constexpr int InsideCost = 5;
Spot inward(V3 a, V3 b, QPointF to) {
    Spot s = beside(proj(a), proj(b), to);
    s.dir = -s.dir;
    s.cost = InsideCost;
    return s;
}

// A label whose spots are ranked by their order: the n-th costs at least n.
Label ranked(QString text, std::vector<Spot> spots) {
    for (std::size_t i = 0; i < spots.size(); ++i)
        spots[i].cost = std::max(spots[i].cost, int(i));
    return Label(std::move(text), std::move(spots));
}

QPointF centreOf(const Model& m) {
    QRectF r;
    for (const Face& f : m.faces)
        for (const V3& p : f.points)
            r = r.isNull() ? QRectF(proj(p), QSizeF(1e-9, 1e-9))
                           : r.united(QRectF(proj(p), QSizeF(1e-9, 1e-9)));
    return r.center();
}

// A small right-angle mark at corner c between the directions u and v (cm).
void rightAngle(Figure& fig, QPointF c, QPointF u, QPointF v, double size) {
    fig.strokes.push_back(
        {QPolygonF({c + u * size, c + (u + v) * size, c + v * size}), Line::Thin});
}

// ------------------------------------------------------------ the pictures

// Cuboids, cubes and the solids made of them.
Figure blockFigure(const Picture& pic) {
    Figure fig;
    Model m;
    for (const Body& b : LessonPictures::bodies(pic))
        addBody(m, b);
    addModel(fig, m, false);
    const QPointF c = centreOf(m);
    const auto& d = pic.d;
    const double D = d[0];

    // The width along the front, the height up the left and the depth at the
    // right of a cuboid of width w and height h.
    auto labelBox = [&](double w, double h) {
        fig.labels.push_back(ranked(cm(w), {beside(V3{0, 0, 0}, V3{w, 0, 0}, c)}));
        fig.labels.push_back(ranked(cm(h), {beside(V3{0, 0, 0}, V3{0, h, 0}, c)}));
        fig.labels.push_back(ranked(
            cm(D), {beside(V3{w, 0, 0}, V3{w, 0, D}, c), beside(V3{0, h, 0}, V3{0, h, D}, c)}));
    };

    switch (pic.shape) {
    case Shape::Cuboid:
    case Shape::UnitCubes: {
        const double w = d[1], h = d[2];
        const bool counts = pic.shape == Shape::UnitCubes;
        if (counts) {
            // The unit cubes: grid lines on the three visible faces.
            for (int i = 1; i < w; ++i) {
                fig.line(proj({double(i), 0, 0}), proj({double(i), h, 0}), Line::Thin);
                fig.line(proj({double(i), h, 0}), proj({double(i), h, D}), Line::Thin);
            }
            for (int j = 1; j < h; ++j) {
                fig.line(proj({0, double(j), 0}), proj({w, double(j), 0}), Line::Thin);
                fig.line(proj({w, double(j), 0}), proj({w, double(j), D}), Line::Thin);
            }
            for (int k = 1; k < D; ++k) {
                fig.line(proj({0, h, double(k)}), proj({w, h, double(k)}), Line::Thin);
                fig.line(proj({w, 0, double(k)}), proj({w, h, double(k)}), Line::Thin);
            }
        }
        auto text = [&](double v, const char* unit) {
            return counts ? QString::number(v) + QString::fromUtf8(unit) : cm(v);
        };
        fig.labels.push_back(ranked(text(w, "こ"), {beside(V3{0, 0, 0}, V3{w, 0, 0}, c),
                                                    beside(V3{0, h, D}, V3{w, h, D}, c)}));
        fig.labels.push_back(ranked(text(h, "だん"), {beside(V3{0, 0, 0}, V3{0, h, 0}, c),
                                                      beside(V3{w, 0, D}, V3{w, h, D}, c)}));
        fig.labels.push_back(ranked(text(D, "こ"), {beside(V3{w, 0, 0}, V3{w, 0, D}, c),
                                                    beside(V3{0, h, 0}, V3{0, h, D}, c)}));
        break;
    }
    case Shape::CuboidAndCube: {
        const double w = d[1], h = d[2], e = d[3];
        labelBox(w, h);
        fig.labels.push_back(ranked(cm(e), {beside(V3{w, h, e}, V3{w, h + e, e}, c),
                                            beside(V3{w - e, h + e, e}, V3{w, h + e, e}, c),
                                            beside(V3{w - e, h + e, 0}, V3{w - e, h + e, e}, c)}));
        break;
    }
    case Shape::LBlock: {
        const double w1 = d[1], h1 = d[2], w2 = d[3], h2 = d[4], w = w1 + w2;
        fig.labels.push_back(ranked(cm(h1), {beside(V3{0, 0, 0}, V3{0, h1, 0}, c)}));
        fig.labels.push_back(ranked(cm(w1), {beside(V3{0, h1, D}, V3{w1, h1, D}, c),
                                             inward(V3{0, h1, 0}, V3{w1, h1, 0}, c)}));
        fig.labels.push_back(ranked(cm(w2), {beside(V3{w1, h2, D}, V3{w, h2, D}, c),
                                             inward(V3{w1, h2, 0}, V3{w, h2, 0}, c)}));
        fig.labels.push_back(ranked(
            cm(h2), {beside(V3{w, 0, D}, V3{w, h2, D}, c), beside(V3{w, 0, 0}, V3{w, h2, 0}, c)}));
        fig.labels.push_back(ranked(
            cm(D), {beside(V3{w, 0, 0}, V3{w, 0, D}, c), beside(V3{0, h1, 0}, V3{0, h1, D}, c)}));
        break;
    }
    case Shape::NotchedCuboid: {
        const double w = d[1], h = d[2], e = d[3];
        labelBox(w, h);
        // The notch: its wall and its floor are e long.
        const V3 far{w + 10, h + 10, 0};
        const QPointF out = proj(far);
        fig.labels.push_back(
            ranked(cm(e), {beside(V3{w - e, h - e, D}, V3{w - e, h, D}, proj(V3{0, h, D})),
                           beside(V3{w - e, h - e, 0}, V3{w - e, h, 0}, proj(V3{0, h, 0})),
                           beside(V3{w - e, h - e, D}, V3{w, h - e, D}, proj(V3{w, 0, D})),
                           inward(V3{w - e, h - e, 0}, V3{w, h - e, 0}, out)}));
        break;
    }
    default:
        break;
    }
    return fig;
}

// Prisms lying on a side face, their base in front.
Figure prismFigure(const Picture& pic) {
    Figure fig;
    Model m;
    const Body body = LessonPictures::bodies(pic).front();
    addBody(m, body);
    addModel(fig, m, true);
    const QPointF c = centreOf(m);
    const double D = body.depth;
    const auto& p = body.front;
    auto v = [&](std::size_t i, double z = 0) { return V3{p[i].x(), p[i].y(), z}; };
    const bool surface = pic.measure == LessonPictures::Measure::SurfaceArea;
    // The side of the base from vertex i to the next, labelled by its length
    // outside its edge in front, or, when the side face behind that edge is
    // in view, outside the matching edge at the back; else inside the base.
    auto side = [&](std::size_t i) {
        const std::size_t j = (i + 1) % p.size();
        const double len = std::hypot(p[j].x() - p[i].x(), p[j].y() - p[i].y());
        const QPointF inner =
            proj(V3{(p[0].x() + p[1].x() + p[2].x()) / 3, (p[0].y() + p[1].y() + p[2].y()) / 3, 0});
        const bool faceInView = p[j].x() - p[i].x() < p[j].y() - p[i].y();
        Spot front = beside(v(i), v(j), c), back = beside(v(i, D), v(j, D), c);
        std::vector<Spot> spots;
        if (faceInView) {
            front.cost = 2;
            spots = {back, front};
        } else {
            spots = {front};
        }
        spots.push_back(inward(v(i), v(j), inner));
        fig.labels.push_back(Label(cm(len), spots));
    };
    // The prism's height along a receding edge: lower right, or upper left.
    auto height = [&](std::size_t right, std::size_t top) {
        fig.labels.push_back(
            ranked(cm(D), {beside(v(right), v(right, D), c), beside(v(top), v(top, D), c)}));
    };
    // A dashed altitude from vertex i down to the lower side, labelled beside it.
    auto altitude = [&](std::size_t i) {
        const QPointF top = p[i], foot(p[i].x(), 0);
        fig.line(top, foot, Line::Guide);
        rightAngle(fig, foot, {-1, 0}, {0, 1}, 0.35);
        std::vector<Spot> spots;
        for (QPointF dir : {QPointF(-1, 0), QPointF(1, 0)})
            for (double at : {0.5, 0.4, 0.3, 0.6})
                spots.push_back({foot + (top - foot) * at, dir});
        fig.labels.push_back({cm(top.y()), spots});
    };

    switch (pic.shape) {
    case Shape::RightTrianglePrism: // (0,0) (a,0) (0,b)
        side(0);
        side(2);
        if (surface)
            side(1);
        height(1, 2);
        rightAngle(fig, p[0], {1, 0}, {0, 1}, 0.35);
        break;
    case Shape::RectPrism: // (0,0) (a,0) (a,b) (0,b)
        side(0);
        side(3);
        height(1, 3);
        break;
    case Shape::TrianglePrism: // (0,0) (a,0) apex
        side(0);
        altitude(2);
        height(1, 2);
        break;
    case Shape::TrapezoidPrism: // (0,0) (a,0) upper right, upper left
        side(0);
        side(2);
        altitude(2);
        height(1, 3);
        break;
    case Shape::RightTrapezoidPrism: // (0,0) (lower,0) (upper,leg) (0,leg)
        side(0);
        side(3);
        side(2);
        side(1);
        height(1, 3);
        rightAngle(fig, p[0], {1, 0}, {0, 1}, 0.35);
        rightAngle(fig, p[3], {1, 0}, {0, -1}, 0.35);
        break;
    default:
        break;
    }
    return fig;
}

constexpr double EllipseRatio = 0.4; // the height of an end's ellipse to its width

QPolygonF arc(QPointF centre, double rx, double ry, double from, double to, int n = 64) {
    QPolygonF poly;
    for (int i = 0; i <= n; ++i) {
        const double t = from + (to - from) * i / n;
        poly << centre + QPointF(rx * std::cos(t), ry * std::sin(t));
    }
    return poly;
}

// An upright cylinder with elliptical ends, the radius drawn on the top.
Figure cylinderFigure(const Picture& pic) {
    constexpr double Pi = 3.14159265358979323846;
    Figure fig;
    const double r = pic.d[0], h = pic.d[1], ry = r * EllipseRatio;
    QPolygonF side;
    side << QPointF(-r, h);
    side << arc({0, 0}, r, ry, Pi, 2 * Pi);
    side << QPointF(r, h);
    fig.fills.push_back({side, SideFill.front});
    fig.fills.push_back({arc({0, h}, r, ry, 0, 2 * Pi, 96), BaseFill.top});
    fig.strokes.push_back({arc({0, h}, r, ry, 0, 2 * Pi, 96), Line::Edge});
    fig.strokes.push_back({arc({0, 0}, r, ry, Pi, 2 * Pi), Line::Edge});
    fig.strokes.push_back({arc({0, 0}, r, ry, 0, Pi), Line::Hidden});
    fig.line({-r, 0}, {-r, h});
    fig.line({r, 0}, {r, h});
    fig.line({0, h}, {r, h});
    fig.dots.push_back({0, h});
    // The radius above its line (or below it), else beside the rim.
    std::vector<Spot> radius;
    for (QPointF dir : {QPointF(0, 1), QPointF(0, -1)})
        for (double at : {0.5, 0.42, 0.35})
            radius.push_back({{r * at, h}, dir, dir.y() > 0 ? 0 : 2});
    radius.push_back({{r, h}, {1, 0}, 3});
    fig.labels.push_back(Label(cm(r), radius));
    fig.labels.push_back(ranked(cm(h), {beside(QPointF(r, 0), QPointF(r, h), {0, h / 2}),
                                        beside(QPointF(-r, 0), QPointF(-r, h), {0, h / 2})}));
    return fig;
}

// The net of a prism: the side as one rectangle of strips (its width the
// base's perimeter), a base on a strip above and another on a strip below.
Figure prismNetFigure(const Picture& pic) {
    Figure fig;
    const Body body = LessonPictures::bodies(pic).front();
    const double h = body.depth;
    std::vector<double> widths;
    std::vector<QPointF> outline;
    QPolygonF top, bottom;
    std::vector<std::pair<double, double>> topFold, bottomFold; // x ranges where bases attach
    if (pic.shape == Shape::RightTrianglePrism) {
        // Strips in the order of the worked answer: leg a, hypotenuse, leg b.
        const double a = pic.d[0], b = pic.d[1], c = std::hypot(a, b);
        widths = {a, c, b};
        top << QPointF(0, h) << QPointF(a, h) << QPointF(0, h + b);
        bottom << QPointF(a + c, 0) << QPointF(a + c + b, 0) << QPointF(a + c + b, -a);
        topFold = {{0, a}};
        bottomFold = {{a + c, a + c + b}};
    } else { // RectPrism: strips a, b, a, b
        const double a = pic.d[0], b = pic.d[1];
        widths = {a, b, a, b};
        top << QPointF(0, h) << QPointF(a, h) << QPointF(a, h + b) << QPointF(0, h + b);
        bottom << QPointF(a + b, 0) << QPointF(a + b + a, 0) << QPointF(a + b + a, -b)
               << QPointF(a + b, -b);
        topFold = {{0, a}};
        bottomFold = {{a + b, a + b + a}};
    }
    double total = 0;
    for (double w : widths)
        total += w;
    fig.fills.push_back({QPolygonF({{0, 0}, {total, 0}, {total, h}, {0, h}}), NetSide});
    fig.fills.push_back({top, NetBase});
    fig.fills.push_back({bottom, NetBase});
    // Cut edges: the outline of the whole net; folds: where faces meet.
    auto cutOrFold = [&](QPointF a, QPointF b, double y,
                         const std::vector<std::pair<double, double>>& folds) {
        // The horizontal edge a–b (at height y) is a fold where a base attaches.
        double x = std::min(a.x(), b.x());
        const double end = std::max(a.x(), b.x());
        for (const auto& [f0, f1] : folds) {
            if (f0 > x)
                fig.line({x, y}, {f0, y});
            fig.line({f0, y}, {f1, y}, Line::Fold);
            x = f1;
        }
        if (x < end)
            fig.line({x, y}, {end, y});
    };
    cutOrFold({0, 0}, {total, 0}, 0, bottomFold);
    cutOrFold({0, h}, {total, h}, h, topFold);
    fig.line({0, 0}, {0, h});
    fig.line({total, 0}, {total, h});
    double x = 0;
    for (std::size_t i = 0; i + 1 < widths.size(); ++i) {
        x += widths[i];
        fig.line({x, 0}, {x, h}, Line::Fold);
    }
    for (const QPolygonF* base : {&top, &bottom}) {
        const double y = base == &top ? h : 0;
        for (int i = 0; i < base->size(); ++i) {
            const QPointF a = (*base)[i], b = (*base)[(i + 1) % base->size()];
            if (std::abs(a.y() - y) < 1e-9 && std::abs(b.y() - y) < 1e-9)
                continue; // the fold, drawn above
            fig.line(a, b);
        }
    }
    // The strips' widths above or below them, then the height at an end.
    x = 0;
    const QPointF mid(total / 2, h / 2);
    for (double w : widths) {
        const QPointF lo0(x, 0), lo1(x + w, 0), hi0(x, h), hi1(x + w, h);
        bool topFree = true, bottomFree = true;
        for (const auto& [f0, f1] : topFold)
            topFree = topFree && !(x < f1 - 1e-9 && x + w > f0 + 1e-9);
        for (const auto& [f0, f1] : bottomFold)
            bottomFree = bottomFree && !(x < f1 - 1e-9 && x + w > f0 + 1e-9);
        Label label(cm(w), {});
        if (topFree)
            label.spots.push_back(beside(hi0, hi1, mid));
        if (bottomFree)
            label.spots.push_back(beside(lo0, lo1, mid));
        fig.labels.push_back(label);
        x += w;
    }
    fig.labels.push_back({cm(h),
                          {beside(QPointF(total, 0), QPointF(total, h), mid),
                           beside(QPointF(0, 0), QPointF(0, h), mid)}});
    fig.labelPixels = 11;
    return fig;
}

// The net of a cylinder: the side a rectangle as wide as the circumference
// (radius x 2 x 3.14), a circle above and below.
Figure cylinderNetFigure(const Picture& pic) {
    constexpr double Pi = 3.14159265358979323846;
    Figure fig;
    const double r = pic.d[0], h = pic.d[1];
    const double L = LessonPictures::basePerimeter(pic);
    const double cx = L / 4;
    fig.fills.push_back({QPolygonF({{0, 0}, {L, 0}, {L, h}, {0, h}}), NetSide});
    const QPolygonF upper = arc({cx, h + r}, r, r, -Pi / 2, 1.5 * Pi, 128);
    const QPolygonF lower = arc({cx, -r}, r, r, Pi / 2, 2.5 * Pi, 128);
    fig.fills.push_back({upper, NetBase});
    fig.fills.push_back({lower, NetBase});
    fig.strokes.push_back({QPolygonF({{0, 0}, {L, 0}, {L, h}, {0, h}, {0, 0}}), Line::Edge});
    fig.strokes.push_back({upper, Line::Edge});
    fig.strokes.push_back({lower, Line::Edge});
    fig.line({cx, h + r}, {cx + r, h + r});
    fig.dots.push_back({cx, h + r});
    fig.labels.push_back({cm(r), {{{cx + r / 2, h + r}, {0, 1}}, {{cx + r, h + r}, {1, 0}}}});
    fig.labels.push_back({cm(h),
                          {beside(QPointF(L, 0), QPointF(L, h), {L / 2, h / 2}),
                           beside(QPointF(0, 0), QPointF(0, h), {L / 2, h / 2})}});
    Label width(cm(L), {{{L / 2, h / 2}, {0, 0}}});
    width.span = true;
    width.from = {0, h / 2};
    width.to = {L, h / 2};
    fig.labels.push_back(width);
    fig.labelPixels = 12;
    return fig;
}

Figure figureOf(const Picture& pic) {
    Figure fig;
    switch (pic.shape) {
    case Shape::Cuboid:
    case Shape::UnitCubes:
    case Shape::CuboidAndCube:
    case Shape::LBlock:
    case Shape::NotchedCuboid:
        fig = blockFigure(pic);
        break;
    case Shape::Cylinder:
        fig = pic.view == View::Net ? cylinderNetFigure(pic) : cylinderFigure(pic);
        break;
    case Shape::OpenParen:
    case Shape::CloseParen:
        break;
    default:
        fig = pic.view == View::Net ? prismNetFigure(pic) : prismFigure(pic);
        break;
    }
    fig.caption = QString::fromUtf8(pic.caption);
    return fig;
}

// Pictures drawn at one common scale, so that the parts of a split solid
// (or the unit cube and the cubes it builds) keep their sizes side by side.
const std::vector<std::vector<std::string>> SameScale = {
    {"tyoku1.bmp", "tyoku2.bmp", "tyoku3.bmp"},
    {"tyoku6.bmp", "tyoku7.bmp", "tyoku8.bmp"},
};

// A tall parenthesis: a crescent, thickest at the middle, on the screen's
// background colour.
QImage parenthesis(const Picture& pic, bool open) {
    QImage img(pic.width, pic.height, QImage::Format_RGB32);
    img.fill(Style::Background);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    const double w = pic.width, h = pic.height;
    const double tipX = w * 0.72, top = 3, bottom = h - 3;
    const double bulgeOuter = w * 0.10, bulgeInner = w * 0.30;
    QPainterPath path;
    path.moveTo(tipX, top);
    path.cubicTo(bulgeOuter, top + h * 0.22, bulgeOuter, bottom - h * 0.22, tipX, bottom);
    path.lineTo(tipX + 0.9, bottom - 0.6);
    path.cubicTo(bulgeInner, bottom - h * 0.24, bulgeInner, top + h * 0.24, tipX + 0.9, top + 0.6);
    path.closeSubpath();
    if (!open) {
        QTransform mirror(-1, 0, 0, 1, w, 0);
        path = mirror.map(path);
    }
    p.setPen(QPen(Style::Navy, 0.6));
    p.setBrush(Style::Navy);
    p.drawPath(path);
    p.end();
    return img;
}

// True when the figure labels exactly the lengths the table says the
// picture must show (compared to hundredths, as multisets).
bool labelsMatchTable(const Picture& pic, const Figure& fig) {
    std::vector<long long> drawn, wanted;
    for (const Label& l : fig.labels) {
        int n = 0;
        while (n < l.text.size() && (l.text[n].isDigit() || l.text[n] == QLatin1Char('.')))
            ++n;
        drawn.push_back(std::llround(l.text.left(n).toDouble() * 100));
    }
    for (double v : LessonPictures::labelledLengths(pic))
        wanted.push_back(std::llround(v * 100));
    std::sort(drawn.begin(), drawn.end());
    std::sort(wanted.begin(), wanted.end());
    return drawn == wanted;
}

} // namespace

bool writePictures(const QString& outDir) {
    const QString dir = outDir + QLatin1Char('/') + QLatin1String(LessonPictures::Folder);
    if (!QDir().mkpath(dir)) {
        std::fprintf(stderr, "sorvelin-assets: cannot make %s\n", qPrintable(dir));
        return false;
    }
    // The folder holds the table's pictures only: drop any left from an
    // older table, so no screen can load a stale name.
    for (const QString& name : QDir(dir).entryList({QStringLiteral("*.bmp")}, QDir::Files))
        if (!LessonPictures::find(name.toStdString()))
            QFile::remove(dir + QLatin1Char('/') + name);

    // Lay every solid out, then bring the pictures of a group to their
    // common (smallest) scale.
    std::map<std::string, Figure> figures;
    std::map<std::string, Layout> layouts;
    for (const Picture& pic : LessonPictures::all()) {
        if (pic.shape == Shape::OpenParen || pic.shape == Shape::CloseParen)
            continue;
        figures[pic.file] = figureOf(pic);
        if (!labelsMatchTable(pic, figures[pic.file])) {
            std::fprintf(stderr, "sorvelin-assets: the labels of %s differ from its table entry\n",
                         pic.file);
            return false;
        }
        layouts[pic.file] = layOut(figures[pic.file], {pic.width, pic.height});
    }
    for (const auto& group : SameScale) {
        double scale = 1e9;
        for (const std::string& name : group)
            scale = std::min(scale, layouts[name].scale);
        for (bool settled = false; !settled;) {
            settled = true;
            for (const std::string& name : group) {
                const Picture* pic = LessonPictures::find(name);
                layouts[name] = layOut(figures[name], {pic->width, pic->height}, scale);
                if (layouts[name].scale < scale - 1e-9) {
                    scale = layouts[name].scale;
                    settled = false;
                }
            }
        }
    }

    bool ok = true;
    for (const Picture& pic : LessonPictures::all()) {
        QImage img;
        if (pic.shape == Shape::OpenParen || pic.shape == Shape::CloseParen) {
            img = parenthesis(pic, pic.shape == Shape::OpenParen);
        } else {
            const Layout& l = layouts[pic.file];
            if (!l.ok)
                std::fprintf(stderr, "sorvelin-assets: warning: the labels of %s do not all fit\n",
                             pic.file);
            if (qEnvironmentVariableIsSet("SORVELIN_LAYOUT_DEBUG")) {
                std::fprintf(stderr, "%s: %.2f px/cm, spots", pic.file, l.scale);
                for (int k : l.spots)
                    std::fprintf(stderr, " %d", k);
                std::fprintf(stderr, "\n");
            }
            img = render(figures[pic.file], {pic.width, pic.height}, l);
        }
        const QString path = dir + QLatin1Char('/') + QLatin1String(pic.file);
        if (!img.save(path, "BMP")) {
            std::fprintf(stderr, "sorvelin-assets: cannot write %s\n", qPrintable(path));
            ok = false;
        }
    }
    return ok;
}
