#include "ui/SectionDrawing.h"

#include "catalogue/SectionDimensions.h"
#include "ui/CoreText.h"
#include "ui/Fonts.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>
#include <QRectF>
#include <QTransform>
#include <QtMath>

#include <algorithm>
#include <cmath>
#include <vector>

namespace ui {
namespace {

using catalogue::Section;

// The pictures' palette.
const QColor Teal(0x00, 0x80, 0x80);
const QColor LightGrey(0xC0, 0xC0, 0xC0);
const QColor Grey(0x80, 0x80, 0x80);

using catalogue::Dimension;
using Shape = catalogue::SectionShape;

// How the section's family letters a dimension: "h" or "d", "b" or "bf".
QString LetterOf(const Section& s, Dimension dimension) {
    return FromCore(catalogue::DimensionLetter(s.Family, dimension));
}

double Length(QPointF v) {
    return std::hypot(v.x(), v.y());
}

QPointF Unit(QPointF v) {
    const double length = Length(v);
    return length > 0 ? v / length : QPointF();
}

// A corner of an outline, rounded with that radius (0: sharp).
struct Corner {
    QPointF At;
    double Radius = 0;
};

// The arc that rounds a corner: where it leaves the edge before, where it
// joins the edge after, and its centre. A radius too large for the shorter
// edge shrinks to fit, so a figure rounded off in a table cannot fold the
// outline over itself.
struct Fillet {
    QPointF From, To, Centre;
    double Radius = 0;
};

Fillet FilletOf(QPointF before, QPointF at, QPointF after, double radius) {
    const QPointF u1 = Unit(before - at), u2 = Unit(after - at);
    const double cosine = std::clamp(QPointF::dotProduct(u1, u2), -1.0, 1.0);
    const double half = std::acos(cosine) / 2;
    if (half < 1e-6 || radius <= 0) return {at, at, at, 0}; // no corner to round
    const double room = std::min(Length(before - at), Length(after - at)) / 2;
    const double reach = std::min(radius / std::tan(half), room);
    const double r = reach * std::tan(half);
    return {at + u1 * reach, at + u2 * reach, at + Unit(u1 + u2) * (r / std::sin(half)), r};
}

// Qt's angle of a point on a circle: degrees counter-clockwise from three
// o'clock, on a screen whose y runs down.
double AngleOf(QPointF centre, QPointF p) {
    return qRadiansToDegrees(std::atan2(centre.y() - p.y(), p.x() - centre.x()));
}

void AddOutline(QPainterPath& path, const std::vector<Corner>& corners) {
    const std::size_t n = corners.size();
    const auto at = [&](std::size_t i) { return corners[i % n].At; };
    path.moveTo((at(n - 1) + at(0)) / 2);
    for (std::size_t i = 0; i < n; ++i) {
        const Fillet f = FilletOf(at(i + n - 1), at(i), at(i + 1), corners[i].Radius);
        if (f.Radius <= 0) {
            path.lineTo(at(i));
            continue;
        }
        const double start = AngleOf(f.Centre, f.From);
        double sweep = AngleOf(f.Centre, f.To) - start;
        if (sweep > 180) sweep -= 360;
        if (sweep < -180) sweep += 360;
        path.arcTo(QRectF(f.Centre - QPointF(f.Radius, f.Radius), QSizeF(2, 2) * f.Radius), start,
                   sweep);
    }
    path.closeSubpath();
}

// A flange's thickness by its distance from the toe. IPN, UPN, S, C and MC
// are rolled with sloped inner faces, and the table gives the thickness where
// the standard measures it; we draw the slope itself rather than a parallel
// flange of that thickness, so the drawing is the shape the area was
// computed from.
struct Flange {
    double Slope = 0;
    double MeasuredAt = 0; // from the toe
    double Thickness = 0;  // there
    double At(double fromToe) const { return Thickness + Slope * (fromToe - MeasuredAt); }
};

Flange FlangeOf(const Section& s) {
    const catalogue::FlangeSlope slope = catalogue::FlangeSlopeOf(s);
    return {slope.Slope, slope.MeasuredAt, s.Tf};
}

// The outline of an I or H section, clockwise from the top left, in mm with
// the origin at the top left of its bounding box.
std::vector<Corner> IOutline(const Section& s) {
    const double b = s.B, h = s.H, left = (b - s.Tw) / 2, right = (b + s.Tw) / 2;
    const Flange f = FlangeOf(s);
    const double toe = f.At(0), web = f.At(left);
    return {{{0, 0}},
            {{b, 0}},
            {{b, toe}, s.R2},
            {{right, web}, s.R1},
            {{right, h - web}, s.R1},
            {{b, h - toe}, s.R2},
            {{b, h}},
            {{0, h}},
            {{0, h - toe}, s.R2},
            {{left, h - web}, s.R1},
            {{left, web}, s.R1},
            {{0, toe}, s.R2}};
}

// A channel with its back on the left.
std::vector<Corner> ChannelOutline(const Section& s) {
    const double b = s.B, h = s.H;
    const Flange f = FlangeOf(s);
    const double toe = f.At(0), web = f.At(b - s.Tw);
    return {{{0, 0}},
            {{b, 0}},
            {{b, toe}, s.R2},
            {{s.Tw, web}, s.R1},
            {{s.Tw, h - web}, s.R1},
            {{b, h - toe}, s.R2},
            {{b, h}},
            {{0, h}}};
}

// A tee cut from a W shape: its flange on top, its stem down the middle.
std::vector<Corner> TeeOutline(const Section& s) {
    const double b = s.B, h = s.H, tf = s.Tf, left = (b - s.Tw) / 2, right = (b + s.Tw) / 2;
    return {{{0, 0}},     {{b, 0}},    {{b, tf}},          {{right, tf}, s.R1},
            {{right, h}}, {{left, h}}, {{left, tf}, s.R1}, {{0, tf}}};
}

// An angle with its long leg up the left and its short leg along the bottom.
std::vector<Corner> AngleOutline(const Section& s) {
    const double b = s.B, h = s.H, t = s.T;
    return {{{0, 0}}, {{t, 0}, s.R2}, {{t, h - t}, s.R1}, {{b, h - t}, s.R2}, {{b, h}}, {{0, h}}};
}

std::vector<Corner> Rectangle(double left, double top, double right, double bottom, double r) {
    return {{{left, top}, r}, {{right, top}, r}, {{right, bottom}, r}, {{left, bottom}, r}};
}

double SquareSide(const Section& s) {
    return s.H > 0 ? s.H : s.B;
}

// The section's width and height in mm.
QSizeF SizeOf(const Section& s, Shape shape) {
    switch (shape) {
    case Shape::Circular:
    case Shape::RoundBar:
        return {s.D, s.D};
    case Shape::SquareBar:
        return {SquareSide(s), SquareSide(s)};
    case Shape::FlatBar:
        return {s.B, s.T};
    default:
        return {s.B, s.H};
    }
}

QPainterPath OutlineOf(const Section& s, Shape shape) {
    QPainterPath path;
    path.setFillRule(Qt::OddEvenFill);
    switch (shape) {
    case Shape::I:
        AddOutline(path, IOutline(s));
        break;
    case Shape::Channel:
        AddOutline(path, ChannelOutline(s));
        break;
    case Shape::Tee:
        AddOutline(path, TeeOutline(s));
        break;
    case Shape::Angle:
        AddOutline(path, AngleOutline(s));
        break;
    case Shape::Rectangular:
        AddOutline(path, Rectangle(0, 0, s.B, s.H, s.R1));
        AddOutline(path, Rectangle(s.T, s.T, s.B - s.T, s.H - s.T, s.R2));
        break;
    case Shape::Circular:
        path.addEllipse(QRectF(0, 0, s.D, s.D));
        path.addEllipse(QRectF(s.T, s.T, s.D - 2 * s.T, s.D - 2 * s.T));
        break;
    case Shape::RoundBar:
        path.addEllipse(QRectF(0, 0, s.D, s.D));
        break;
    case Shape::SquareBar:
        path.addRect(QRectF(0, 0, SquareSide(s), SquareSide(s)));
        break;
    case Shape::FlatBar:
        path.addRect(QRectF(0, 0, s.B, s.T));
        break;
    }
    return path;
}

// Room round the section for its dimensions, in pixels: the left one
// (h, or t of a flat), the one below (b, D, a), and what is lettered on the
// right and above.
QMarginsF LetterRoom(Shape shape) {
    switch (shape) {
    case Shape::I:
    case Shape::Channel:
        return {30, 10, 44, 34};
    case Shape::Tee:
        return {30, 34, 44, 10};
    case Shape::Angle:
        return {30, 10, 30, 34};
    case Shape::Rectangular:
        return {30, 28, 36, 34};
    case Shape::Circular:
        return {10, 10, 30, 34};
    case Shape::FlatBar:
        return {30, 10, 10, 34};
    default:
        return {10, 10, 10, 34};
    }
}

void DrawPanel(QPainter& p, const QRectF& box) {
    p.fillRect(box, Qt::black);
    p.fillRect(box.adjusted(0, 0, -1, -1), Qt::white);
    p.fillRect(box.adjusted(2, 2, -1, -1), Grey);
    p.fillRect(box.adjusted(2, 2, -2, -2), LightGrey);
}

// Dimension lines and letters in the pictures' style: thin black lines,
// filled arrow heads, the letters in bold italic serif beside them.
class Letters {
public:
    enum Side { Left, Right, Below, Above, AboveRight };

    explicit Letters(QPainter& p) : p_(p), font_(SerifFont(15, true)), small_(SerifFont(11, true)) {
        font_.setItalic(true);
        small_.setItalic(true);
        p_.setPen(QPen(Qt::black, 1.0));
    }

    // A thin line; one along an axis falls on the middle of a pixel row, so
    // it stays one pixel wide.
    void Line(QPointF a, QPointF b) {
        if (a.y() == b.y()) a.ry() = b.ry() = std::floor(a.y()) + 0.5;
        if (a.x() == b.x()) a.rx() = b.rx() = std::floor(a.x()) + 0.5;
        p_.drawLine(a, b);
    }

    // A filled head with its point at `tip`, pointing along `direction`.
    void Head(QPointF tip, QPointF direction) {
        const QPointF u = Unit(direction), n(-u.y(), u.x());
        const QPointF back = tip - u * HeadLength;
        const QPointF points[] = {tip, back + n * 2.6, back - n * 2.6};
        p_.setBrush(Qt::black);
        p_.setPen(Qt::NoPen);
        p_.drawPolygon(points, 3);
        p_.setPen(QPen(Qt::black, 1.0));
    }

    // A dimension from a to b: heads inside where there is room, otherwise
    // from outside pointing in.
    void Between(QPointF a, QPointF b) {
        const QPointF u = Unit(b - a);
        Line(a, b);
        if (Length(b - a) >= 2 * HeadLength + 4) {
            Head(a, -u);
            Head(b, u);
            return;
        }
        Line(a - u * Tail, a);
        Line(b, b + u * Tail);
        Head(a, u);
        Head(b, -u);
    }

    // A leader to a radius: from the letter's side to the arc, head on the arc.
    void Leader(QPointF onArc, QPointF outward, double length, const QString& letter) {
        const QPointF end = onArc + Unit(outward) * length;
        Line(end, onArc);
        Head(onArc, onArc - end);
        Write(end, AboveRight, letter);
    }

    // The letter beside `anchor`; "tw" and "tf" with the second letter
    // lowered and smaller.
    void Write(QPointF anchor, Side side, const QString& letter) {
        const QString main = letter.left(1), sub = letter.mid(1);
        const QFontMetricsF big(font_), little(small_);
        const double width = big.horizontalAdvance(main) + little.horizontalAdvance(sub);
        // The letters are lower case without descenders: centre on the x-height.
        const double height = big.xHeight();
        double left = anchor.x() - width / 2, base = anchor.y() + height / 2;
        switch (side) {
        case Left:
            left = anchor.x() - Gap - width;
            break;
        case Right:
            left = anchor.x() + Gap;
            break;
        case Below:
            base = anchor.y() + Gap + big.capHeight();
            break;
        case Above:
            base = anchor.y() - Gap - 1;
            break;
        case AboveRight:
            left = anchor.x() + 1;
            base = anchor.y() - Gap;
            break;
        }
        p_.setFont(font_);
        p_.drawText(QPointF(left, base), main);
        if (!sub.isEmpty()) {
            p_.setFont(small_);
            p_.drawText(QPointF(left + big.horizontalAdvance(main), base + 3), sub);
        }
    }

    static constexpr double HeadLength = 7;
    static constexpr double Tail = 9; // of an arrow from outside
    static constexpr double Gap = 3;  // between a line and its letter

private:
    QPainter& p_;
    QFont font_, small_;
};

// Places a section drawn in mm on the panel in pixels.
struct Scale {
    double Factor, Left, Top;
    QPointF operator()(double x, double y) const { return {Left + x * Factor, Top + y * Factor}; }
    QPointF operator()(QPointF mm) const { return (*this)(mm.x(), mm.y()); }
};

// The dimension below the section, between two points of its outline.
void Below(Letters& l, QPointF a, QPointF b, double bottom, const QString& letter) {
    const double line = bottom + 12;
    l.Line({a.x(), a.y() + 3}, {a.x(), line + 4});
    l.Line({b.x(), b.y() + 3}, {b.x(), line + 4});
    l.Between({a.x(), line}, {b.x(), line});
    l.Write({(a.x() + b.x()) / 2, line}, Letters::Below, letter);
}

// The dimension above the section, between two points of its top edge.
void Above(Letters& l, QPointF a, QPointF b, const QString& letter) {
    const double line = std::min(a.y(), b.y()) - 12;
    l.Line({a.x(), a.y() - 3}, {a.x(), line - 4});
    l.Line({b.x(), b.y() - 3}, {b.x(), line - 4});
    l.Between({a.x(), line}, {b.x(), line});
    l.Write({(a.x() + b.x()) / 2, line}, Letters::Above, letter);
}

// The dimension left of the section, between its top and bottom edges.
void LeftOf(Letters& l, QPointF top, QPointF bottom, const QString& letter) {
    const double line = top.x() - 12;
    l.Line({top.x() - 3, top.y()}, {line - 4, top.y()});
    l.Line({bottom.x() - 3, bottom.y()}, {line - 4, bottom.y()});
    l.Between({line, top.y()}, {line, bottom.y()});
    l.Write({line, (top.y() + bottom.y()) / 2}, Letters::Left, letter);
}

// A thickness across, at one height, lettered on its right.
void Across(Letters& l, QPointF left, QPointF right, const QString& letter) {
    l.Between(left, right);
    const bool outside = Length(right - left) < 2 * Letters::HeadLength + 4;
    l.Write({right.x() + (outside ? Letters::Tail : 0), right.y()}, Letters::Right, letter);
}

// The root fillet's letter at a corner: the leader runs from the arc through
// its centre into the open space the fillet faces.
void RootRadius(Letters& l, const Scale& at, const Section& s, const std::vector<Corner>& outline,
                std::size_t i) {
    const std::size_t n = outline.size();
    const QString letter = LetterOf(s, Dimension::Radius);
    if (outline[i].Radius <= 0 || letter.isEmpty()) return;
    const Fillet f = FilletOf(outline[(i + n - 1) % n].At, outline[i].At, outline[(i + 1) % n].At,
                              outline[i].Radius);
    const QPointF onArc = at(f.Centre + Unit(outline[i].At - f.Centre) * f.Radius);
    const QPointF centre = at(f.Centre);
    l.Leader(onArc, centre - onArc, Length(centre - onArc) + 14, letter);
}

// The flange's thickness on the right, from its top to where the table
// measures it.
void FlangeThickness(Letters& l, const Scale& at, const Section& s) {
    const Flange f = FlangeOf(s);
    const QPointF top = at(s.B, 0), measured = at(s.B - f.MeasuredAt, f.Thickness);
    const double line = top.x() + 12;
    l.Line({top.x() + 3, top.y()}, {line + 4, top.y()});
    l.Line({measured.x() + 3, measured.y()}, {line + 4, measured.y()});
    l.Between({line, top.y()}, {line, measured.y()});
    l.Write({line + Letters::Tail, (top.y() + measured.y()) / 2}, Letters::Right,
            LetterOf(s, Dimension::Flange));
}

// The letters of an I section or a channel: depth, width, the flange where
// the table measures it, the web across, the root radius at the lower root.
void LetterFlanged(Letters& l, const Scale& at, const Section& s, bool channel) {
    const std::vector<Corner> outline = channel ? ChannelOutline(s) : IOutline(s);
    LeftOf(l, at(0, 0), at(0, s.H), LetterOf(s, Dimension::Depth));
    Below(l, at(0, s.H), at(s.B, s.H), at(0, s.H).y(), LetterOf(s, Dimension::Width));
    FlangeThickness(l, at, s);
    // The web's thickness a little below the middle, clear of the depth's
    // letter beside a channel's back.
    const QPointF webLeft = outline[channel ? 7 : 9].At, webRight = outline[3].At;
    const double y = at(0, s.H / 2).y() + (channel ? 22 : 0);
    Across(l, {at(webLeft).x(), y}, {at(webRight).x(), y}, LetterOf(s, Dimension::Web));
    RootRadius(l, at, s, outline, 4);
}

// A tee's: its depth on the left, the flange's width above it, the flange
// on the right, the stem across, the root radius at the right root.
void LetterTee(Letters& l, const Scale& at, const Section& s) {
    const std::vector<Corner> outline = TeeOutline(s);
    const double left = (s.B - s.Tw) / 2, right = (s.B + s.Tw) / 2;
    LeftOf(l, at(0, 0), at(left, s.H), LetterOf(s, Dimension::Depth));
    Above(l, at(0, 0), at(s.B, 0), LetterOf(s, Dimension::Width));
    FlangeThickness(l, at, s);
    const double y = at(0, s.Tf + 0.6 * (s.H - s.Tf)).y();
    Across(l, {at(left, 0).x(), y}, {at(right, 0).x(), y}, LetterOf(s, Dimension::Web));
    RootRadius(l, at, s, outline, 3);
}

void Letter(Letters& l, const Scale& at, const Section& s, Shape shape) {
    switch (shape) {
    case Shape::I:
    case Shape::Channel:
        LetterFlanged(l, at, s, shape == Shape::Channel);
        break;
    case Shape::Tee:
        LetterTee(l, at, s);
        break;
    case Shape::Angle: {
        LeftOf(l, at(0, 0), at(0, s.H), LetterOf(s, Dimension::Depth));
        Below(l, at(0, s.H), at(s.B, s.H), at(0, s.H).y(), LetterOf(s, Dimension::Width));
        const double y = at(0, s.R2 + 0.25 * (s.H - s.T - s.R1 - s.R2)).y();
        Across(l, {at(0, 0).x(), y}, {at(s.T, 0).x(), y}, LetterOf(s, Dimension::Thickness));
        RootRadius(l, at, s, AngleOutline(s), 2);
        break;
    }
    case Shape::Rectangular: {
        LeftOf(l, at(0, 0), at(0, s.H), LetterOf(s, Dimension::Depth));
        Below(l, at(0, s.H), at(s.B, s.H), at(0, s.H).y(), LetterOf(s, Dimension::Width));
        Across(l, at(s.B - s.T, s.H / 2), at(s.B, s.H / 2), LetterOf(s, Dimension::Thickness));
        // The outer corner radius, from outside.
        const QPointF corner(s.B, 0), centre(s.B - s.R1, s.R1);
        const QPointF onArc = at(centre + Unit(corner - centre) * s.R1);
        l.Leader(onArc, corner - centre, 14, LetterOf(s, Dimension::Radius));
        break;
    }
    case Shape::Circular:
        Below(l, at(0, s.D / 2), at(s.D, s.D / 2), at(0, s.D).y(),
              LetterOf(s, Dimension::Diameter));
        Across(l, at(s.D - s.T, s.D / 2), at(s.D, s.D / 2), LetterOf(s, Dimension::Thickness));
        break;
    case Shape::RoundBar:
        Below(l, at(0, s.D / 2), at(s.D, s.D / 2), at(0, s.D).y(),
              LetterOf(s, Dimension::Diameter));
        break;
    case Shape::SquareBar:
        Below(l, at(0, SquareSide(s)), at(SquareSide(s), SquareSide(s)), at(0, SquareSide(s)).y(),
              LetterOf(s, Dimension::Side));
        break;
    case Shape::FlatBar:
        LeftOf(l, at(0, 0), at(0, s.T), LetterOf(s, Dimension::Thickness));
        Below(l, at(0, s.T), at(s.B, s.T), at(0, s.T).y(), LetterOf(s, Dimension::Width));
        break;
    }
}

} // namespace

void DrawSection(QPainter& painter, const QRectF& box, const Section& section, bool lettered) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    DrawPanel(painter, box);

    const Shape shape = catalogue::ShapeOf(section.Family);
    const QSizeF size = SizeOf(section, shape);
    const double inset = 3 + (lettered ? 0 : 0.06 * std::min(box.width(), box.height()));
    const QMarginsF room = lettered ? LetterRoom(shape) : QMarginsF();
    const QRectF free = box.adjusted(inset, inset, -inset, -inset) - room;
    if (size.width() > 0 && size.height() > 0 && free.width() > 0 && free.height() > 0) {
        // One factor for both axes: the drawing is to scale.
        const double factor = std::min(free.width() / size.width(), free.height() / size.height());
        const Scale at{factor, free.left() + (free.width() - size.width() * factor) / 2,
                       free.top() + (free.height() - size.height() * factor) / 2};
        QTransform toPanel;
        toPanel.translate(at.Left, at.Top);
        toPanel.scale(factor, factor);
        painter.setPen(QPen(Qt::black, 1.5, Qt::SolidLine, Qt::FlatCap, Qt::RoundJoin));
        painter.setBrush(Teal);
        painter.drawPath(toPanel.map(OutlineOf(section, shape)));
        if (lettered) {
            Letters letters(painter);
            Letter(letters, at, section, shape);
        }
    }
    painter.restore();
}

} // namespace ui
