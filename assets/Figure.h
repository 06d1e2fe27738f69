// A small picture in the making: filled faces, lines (solid, dashed, thin)
// and dimension labels in cm coordinates (x right, y up), laid out into a
// fixed pixel size at the largest scale where every label fits beside its
// edge without crossing a line, another label or the picture's border.
#pragma once

#include <QColor>
#include <QFont>
#include <QImage>
#include <QPointF>
#include <QPolygonF>
#include <QRectF>
#include <QSize>
#include <QString>
#include <vector>

namespace Drawing {

inline const QColor Paper{255, 255, 255};
inline const QColor Ink{0, 0, 128};       // navy lines
inline const QColor LabelInk{20, 20, 60}; // label text

enum class Line {
    Edge,   // a visible edge
    Hidden, // a hidden edge: dashed
    Fold,   // a fold line of a net: dashed
    Guide,  // a construction line (an altitude): dashed, thinner
    Thin,   // the grid of unit cubes on a visible face
};

struct Stroke {
    QPolygonF points; // cm
    Line style = Line::Edge;
};

struct Fill {
    QPolygonF points; // cm
    QColor color;
};

// One place a label may take: beside `anchor`, pushed out along `dir`
// (cm coordinates, y up) by a small gap. A zero `dir` centres the label on
// the anchor.
struct Spot {
    QPointF anchor;
    QPointF dir;
    int cost = 0; // how much worse than the best spot: the layout keeps the total low
};

struct Label {
    Label(QString t, std::vector<Spot> s) : text(std::move(t)), spots(std::move(s)) {}
    QString text;
    std::vector<Spot> spots; // tried in order (cheapest first)
    // A span label sits centred on the segment from → to and draws it as a
    // double arrow broken by the text (a width inside a net's face).
    bool span = false;
    QPointF from, to;
};

class Figure {
public:
    std::vector<Fill> fills; // painted in order
    std::vector<Stroke> strokes;
    std::vector<Label> labels;
    std::vector<QPointF> dots; // small filled dots (the centre of a circle)
    QString caption;           // "図１" or empty
    int labelPixels = 12;      // label font size

    void line(QPointF a, QPointF b, Line style = Line::Edge) { strokes.push_back({{a, b}, style}); }
};

struct Layout {
    bool ok = false;
    double scale = 0;               // pixels per cm
    QPointF origin;                 // pixel position of (0, 0)
    std::vector<QRectF> labelRects; // pixel rectangles of the label texts
    std::vector<int> spots;         // the spot each label took
    QRectF captionRect;
};

// The largest scale ≤ maxScale at which the figure fits into `size` (ok is
// false when none does; the picture is then drawn at the smallest scale tried).
Layout layOut(const Figure& figure, QSize size, double maxScale = 60);

QImage render(const Figure& figure, QSize size, const Layout& layout);

// The rounded Japanese font of labels and captions.
QFont labelFont(int pixelSize);

} // namespace Drawing
