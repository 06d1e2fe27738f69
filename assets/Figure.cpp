// Lays a figure out into its picture size and paints it: the scale search,
// the placing of labels and caption, and the painting with QPainter.
#include "Figure.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <cmath>

namespace Drawing {

namespace {

constexpr double Margin = 3;   // pixels kept free at the picture's border
constexpr double Gap = 2.5;    // pixels between an edge and its label
constexpr double TextPad = 1;  // pixels around a label's ink
constexpr double LabelGap = 5; // pixels at least between two labels
constexpr int CaptionPixels = 14;
// A layout gives up this share of its scale for each unit of cost of its
// labels' spots (Spot::cost), up to a total cost of MaxBudget.
constexpr double CostShare = 0.04;
constexpr int MaxBudget = 12;

struct Segment {
    QPointF a, b;
};

QRectF inkRect(const QFont& font, const QString& text) {
    return QFontMetricsF(font).tightBoundingRect(text);
}

// True when the segment a–b meets the rectangle r (Liang–Barsky clipping).
bool segmentHitsRect(QPointF a, QPointF b, const QRectF& r) {
    if (std::max(a.x(), b.x()) < r.left() || std::min(a.x(), b.x()) > r.right() ||
        std::max(a.y(), b.y()) < r.top() || std::min(a.y(), b.y()) > r.bottom())
        return false;
    double t0 = 0, t1 = 1;
    const double dx = b.x() - a.x(), dy = b.y() - a.y();
    const double p[4] = {-dx, dx, -dy, dy};
    const double q[4] = {a.x() - r.left(), r.right() - a.x(), a.y() - r.top(), r.bottom() - a.y()};
    for (int i = 0; i < 4; ++i) {
        if (p[i] == 0) {
            if (q[i] < 0)
                return false;
        } else {
            const double t = q[i] / p[i];
            if (p[i] < 0)
                t0 = std::max(t0, t);
            else
                t1 = std::min(t1, t);
            if (t0 > t1)
                return false;
        }
    }
    return true;
}

bool pointInPolygon(QPointF p, const QPolygonF& poly) {
    bool inside = false;
    for (int i = 0, j = int(poly.size()) - 1; i < int(poly.size()); j = i++) {
        const QPointF& a = poly[i];
        const QPointF& b = poly[j];
        if ((a.y() > p.y()) != (b.y() > p.y()) &&
            p.x() < (b.x() - a.x()) * (p.y() - a.y()) / (b.y() - a.y()) + a.x())
            inside = !inside;
    }
    return inside;
}

// The working state of one layout attempt.
struct Placer {
    const Figure& fig;
    QSize size;
    std::vector<Segment> segments; // cm
    std::vector<QSizeF> labelSizes;
    QSizeF captionSize;
    QRectF geometry; // cm, y up

    double s = 1;
    QPointF o;

    QPointF px(QPointF cm) const { return {o.x() + s * cm.x(), o.y() - s * cm.y()}; }

    bool inside(const QRectF& r) const {
        return r.left() >= Margin - 1 && r.top() >= Margin - 1 &&
               r.right() <= size.width() - Margin + 1 && r.bottom() <= size.height() - Margin + 1;
    }

    bool hitsLines(const QRectF& r) const {
        for (const Segment& seg : segments)
            if (segmentHitsRect(px(seg.a), px(seg.b), r))
                return true;
        return false;
    }

    bool hitsFills(const QRectF& r) const {
        for (const Fill& f : fig.fills) {
            QPolygonF poly;
            for (const QPointF& p : f.points)
                poly << px(p);
            if (!poly.boundingRect().intersects(r))
                continue;
            for (const QPointF& c : {r.topLeft(), r.topRight(), r.bottomLeft(), r.bottomRight()})
                if (pointInPolygon(c, poly))
                    return true;
            for (const QPointF& p : poly)
                if (r.contains(p))
                    return true;
            for (int i = 0; i < poly.size(); ++i)
                if (segmentHitsRect(poly[i], poly[(i + 1) % poly.size()], r))
                    return true;
        }
        return false;
    }

    QRectF spotRect(const Spot& spot, QSizeF ts) const {
        const QPointF a = px(spot.anchor);
        QPointF d(spot.dir.x(), -spot.dir.y());
        const double len = std::hypot(d.x(), d.y());
        QPointF c = a;
        if (len > 0) {
            d /= len;
            const double push =
                Gap + std::abs(d.x()) * ts.width() / 2 + std::abs(d.y()) * ts.height() / 2;
            c = a + d * push;
        }
        return QRectF(c.x() - ts.width() / 2, c.y() - ts.height() / 2, ts.width(), ts.height());
    }

    // Places every label and the caption at the current scale and origin,
    // each label at its first free spot; fails when the spots taken cost
    // more than `budget` in all.
    bool place(Layout& out, int budget) const {
        out.labelRects.clear();
        out.spots.clear();
        std::vector<QRectF> taken;
        int cost = 0;
        for (std::size_t i = 0; i < fig.labels.size(); ++i) {
            const Label& label = fig.labels[i];
            bool placed = false;
            for (std::size_t k = 0; k < label.spots.size(); ++k) {
                if (cost + label.spots[k].cost > budget)
                    continue;
                const QRectF r = spotRect(label.spots[k], labelSizes[i]);
                if (!inside(r) || hitsLines(r))
                    continue;
                bool clash = false;
                for (const QRectF& t : taken)
                    clash =
                        clash || t.adjusted(-LabelGap, -LabelGap, LabelGap, LabelGap).intersects(r);
                if (clash)
                    continue;
                out.labelRects.push_back(r);
                out.spots.push_back(int(k));
                taken.push_back(r);
                cost += label.spots[k].cost;
                placed = true;
                break;
            }
            if (!placed)
                return false;
        }
        out.captionRect = QRectF();
        if (fig.caption.isEmpty())
            return true;
        const double w = captionSize.width(), h = captionSize.height();
        const double right = size.width() - Margin - w, bottom = size.height() - Margin - h;
        for (const QPointF& corner : {QPointF(Margin, Margin), QPointF(right, Margin),
                                      QPointF(Margin, bottom), QPointF(right, bottom)}) {
            const QRectF r(corner, QSizeF(w, h));
            const QRectF near = r.adjusted(-2, -2, 2, 2);
            if (hitsLines(near) || hitsFills(near))
                continue;
            bool clash = false;
            for (const QRectF& t : taken)
                clash = clash || t.intersects(near);
            if (clash)
                continue;
            out.captionRect = r;
            return true;
        }
        return false;
    }

    // The largest scale from `from` down to `to` at which everything can be
    // placed within `budget`, at the origin that centres the picture best.
    Layout search(double from, double to, int budget) {
        const QPointF centre(size.width() / 2.0, size.height() / 2.0);
        for (double sc = from; sc >= to; sc *= 0.995) {
            s = sc;
            // The origins that keep the geometry inside the border.
            const double x0 = Margin - s * geometry.left(),
                         x1 = size.width() - Margin - s * geometry.right();
            const double y0 = Margin + s * geometry.bottom(),
                         y1 = size.height() - Margin + s * geometry.top();
            constexpr int Steps = 8;
            double bestScore = 1e9;
            Layout best;
            for (int i = 0; i <= Steps; ++i)
                for (int j = 0; j <= Steps; ++j) {
                    o = QPointF(x0 + (x1 - x0) * i / Steps, y0 + (y1 - y0) * j / Steps);
                    Layout l;
                    if (!place(l, budget))
                        continue;
                    const QPointF off = extent(l).center() - centre;
                    const double score = std::hypot(off.x(), off.y());
                    if (score < bestScore - 1e-9) {
                        bestScore = score;
                        l.ok = true;
                        l.scale = s;
                        l.origin = o;
                        best = l;
                    }
                }
            if (best.ok)
                return best;
        }
        return {};
    }

    // The union of the geometry and the labels, in pixels.
    QRectF extent(const Layout& l) const {
        QRectF u = QRectF(px(geometry.topLeft()), px(geometry.bottomRight())).normalized();
        for (const QRectF& r : l.labelRects)
            u = u.united(r);
        return u;
    }
};

QSizeF padded(QRectF ink) {
    return {ink.width() + 2 * TextPad, ink.height() + 2 * TextPad};
}

} // namespace

QFont labelFont(int pixelSize) {
    QFont font;
    font.setFamilies({QStringLiteral("HG丸ｺﾞｼｯｸM-PRO"), QStringLiteral("MotoyaLMaru"),
                      QStringLiteral("Noto Sans CJK JP")});
    font.setPixelSize(pixelSize);
    return font;
}

Layout layOut(const Figure& fig, QSize size, double maxScale) {
    Placer pl{fig, size, {}, {}, {}, {}, 1, {}};
    QRectF geo;
    auto grow = [&](QPointF p) {
        geo = geo.isNull() ? QRectF(p, QSizeF(1e-9, 1e-9))
                           : geo.united(QRectF(p, QSizeF(1e-9, 1e-9)));
    };
    for (const Stroke& st : fig.strokes) {
        for (int i = 0; i + 1 < st.points.size(); ++i)
            pl.segments.push_back({st.points[i], st.points[i + 1]});
        for (const QPointF& p : st.points)
            grow(p);
    }
    for (const Fill& f : fig.fills)
        for (const QPointF& p : f.points)
            grow(p);
    pl.geometry = geo;
    const QFont font = labelFont(fig.labelPixels);
    for (const Label& l : fig.labels)
        pl.labelSizes.push_back(padded(inkRect(font, l.text)));
    pl.captionSize = padded(inkRect(labelFont(CaptionPixels), fig.caption));

    const double usableW = size.width() - 2 * Margin, usableH = size.height() - 2 * Margin;
    const double top = std::min({maxScale, usableW / geo.width(), usableH / geo.height()});
    constexpr double Floor = 1;
    // Each cost unit of the labels' spots is worth a few percent of scale:
    // the best trade between a large drawing and labels at their best spots.
    const Layout anywhere = pl.search(top, Floor, 1 << 20);
    if (anywhere.ok) {
        Layout best;
        double bestValue = 0;
        for (int budget = 0; budget <= MaxBudget; ++budget) {
            const double factor = 1 - CostShare * budget;
            if (anywhere.scale * factor <= bestValue)
                break; // no larger budget can do better
            const Layout l = pl.search(top, std::max(Floor, bestValue / factor), budget);
            if (l.ok && l.scale * factor > bestValue) {
                best = l;
                bestValue = l.scale * factor;
            }
        }
        if (best.ok)
            return best;
        return anywhere;
    }
    // Nothing fits: the smallest scale, centred, labels at their first spots.
    const QPointF centre(size.width() / 2.0, size.height() / 2.0);
    Layout best;
    best.scale = Floor;
    best.origin =
        QPointF(centre.x() - Floor * geo.center().x(), centre.y() + Floor * geo.center().y());
    pl.s = best.scale;
    pl.o = best.origin;
    for (std::size_t i = 0; i < fig.labels.size(); ++i)
        best.labelRects.push_back(pl.spotRect(fig.labels[i].spots.front(), pl.labelSizes[i]));
    best.captionRect = QRectF(QPointF(Margin, Margin), pl.captionSize);
    return best;
}

QImage render(const Figure& fig, QSize size, const Layout& l) {
    QImage img(size, QImage::Format_RGB32);
    img.fill(Paper);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    auto px = [&](QPointF cm) {
        return QPointF(l.origin.x() + l.scale * cm.x(), l.origin.y() - l.scale * cm.y());
    };
    auto map = [&](const QPolygonF& poly) {
        QPolygonF out;
        for (const QPointF& q : poly)
            out << px(q);
        return out;
    };

    p.setPen(Qt::NoPen);
    for (const Fill& f : fig.fills) {
        p.setBrush(f.color);
        p.drawPolygon(map(f.points));
    }
    p.setBrush(Qt::NoBrush);

    auto penFor = [](Line style) {
        QPen pen(Ink, 1.5, Qt::SolidLine, Qt::RoundCap, Qt::MiterJoin);
        switch (style) {
        case Line::Edge:
            break;
        case Line::Hidden:
        case Line::Fold:
            pen.setWidthF(1.2);
            pen.setCapStyle(Qt::FlatCap);
            pen.setDashPattern({3.0, 2.5});
            break;
        case Line::Guide:
            pen.setWidthF(1.1);
            pen.setCapStyle(Qt::FlatCap);
            pen.setDashPattern({2.5, 2.5});
            break;
        case Line::Thin:
            pen.setWidthF(1.0);
            break;
        }
        return pen;
    };
    // Thin and dashed lines first, so the solid edges lie on top.
    for (Line pass : {Line::Thin, Line::Guide, Line::Hidden, Line::Fold, Line::Edge})
        for (const Stroke& st : fig.strokes)
            if (st.style == pass) {
                p.setPen(penFor(pass));
                p.drawPolyline(map(st.points));
            }

    p.setPen(Qt::NoPen);
    p.setBrush(Ink);
    for (const QPointF& d : fig.dots)
        p.drawEllipse(px(d), 1.8, 1.8);

    const QFont font = labelFont(fig.labelPixels);
    p.setFont(font);
    for (std::size_t i = 0; i < fig.labels.size() && i < l.labelRects.size(); ++i) {
        const Label& label = fig.labels[i];
        const QRectF r = l.labelRects[i];
        if (label.span) {
            // A double arrow from → to, broken where the text sits.
            const QPointF a = px(label.from), b = px(label.to);
            p.setPen(QPen(Ink, 1.0));
            p.drawLine(a, QPointF(r.left() - 2, a.y()));
            p.drawLine(QPointF(r.right() + 2, b.y()), b);
            p.setPen(Qt::NoPen);
            p.setBrush(Ink);
            p.drawPolygon(QPolygonF({a, a + QPointF(5, -2.5), a + QPointF(5, 2.5)}));
            p.drawPolygon(QPolygonF({b, b + QPointF(-5, -2.5), b + QPointF(-5, 2.5)}));
        }
        const QRectF ink = inkRect(font, label.text);
        p.setPen(LabelInk);
        p.drawText(QPointF(r.left() + TextPad - ink.left(), r.top() + TextPad - ink.top()),
                   label.text);
    }
    if (!fig.caption.isEmpty()) {
        const QFont cf = labelFont(CaptionPixels);
        p.setFont(cf);
        const QRectF ink = inkRect(cf, fig.caption);
        p.setPen(LabelInk);
        p.drawText(QPointF(l.captionRect.left() + TextPad - ink.left(),
                           l.captionRect.top() + TextPad - ink.top()),
                   fig.caption);
    }
    p.end();
    return img;
}

} // namespace Drawing
