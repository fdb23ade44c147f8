#include "exact/outline.h"

#include "base/number_format.h"
#include "sections/profiles.h"

#include <QFile>
#include <QHash>

#include <algorithm>
#include <cmath>
#include <numbers>

namespace {

constexpr double PiD = std::numbers::pi;
// A rounded corner is drawn with one chord per this angle at most (12 to a
// right angle); its inner points lie a little off the arc, so that the
// chords leave the arc's area exactly as it is (see arcPoints).
constexpr double ChordAngle = PiD / 24;
// A turn into the material by more than this (radians) is a sharp corner.
constexpr double SharpTurn = 10 * PiD / 180;
// A circle's side may sag by this share of the wall it bounds: a thin tube's
// sides then kink so little that its torsion modulus stays within 0.2 % of
// the round tube's.
constexpr double SagittaShare = 1e-3;
constexpr int MinCircleSides = 128;
constexpr int MaxCircleSides = 4096;

OutlinePoint operator+(OutlinePoint a, OutlinePoint b) { return {a.x + b.x, a.y + b.y}; }
OutlinePoint operator-(OutlinePoint a, OutlinePoint b) { return {a.x - b.x, a.y - b.y}; }
OutlinePoint operator*(OutlinePoint a, double s) { return {a.x * s, a.y * s}; }

double length(OutlinePoint a) { return std::hypot(a.x, a.y); }

Outline single(std::vector<OutlinePoint> points)
{
    Outline o;
    o.rings.push_back({std::move(points), false});
    orientRings(o);
    return o;
}

// Sides of a circle: at least MinCircleSides, and enough that a side's
// sagitta stays a small share of the wall (a thin tube's wall would otherwise
// kink at every corner), up to MaxCircleSides.
int circleSides(double diameter, double wall)
{
    const double r = diameter / 2;
    if (!(wall > 0) || !(r > 0))
        return MinCircleSides;
    const double cosine = 1 - SagittaShare * std::min(wall, r) / r;
    const double sides = std::ceil(PiD / std::acos(std::clamp(cosine, -1.0, 1.0)));
    return int(std::clamp(sides, double(MinCircleSides), double(MaxCircleSides)));
}

std::vector<OutlinePoint> circlePoints(double diameter, int sides)
{
    const double r = diameter / 2;
    const double step = 2 * PiD / sides;
    // Circumradius that gives the polygon the circle's area.
    const double rEqual = r * std::sqrt(2 * PiD / (sides * std::sin(step)));
    std::vector<OutlinePoint> points;
    points.reserve(std::size_t(sides));
    for (int k = 0; k < sides; ++k)
        points.push_back({rEqual * std::cos(k * step), rEqual * std::sin(k * step)});
    return points;
}

// The points of an arc about c of radius r from angle a1 turning by da: its
// two ends on the arc, the inner points on the radius that gives the chords
// the area of the arc's sector, as circles are drawn; the outline then keeps
// the rounded corner's area exactly.
std::vector<OutlinePoint> arcPoints(OutlinePoint c, double r, double a1, double da)
{
    const int n = arcChords(da);
    const double s = std::sin(std::abs(da) / n);
    // Fan of chords from c: two end triangles r r' s / 2, n - 2 inner ones
    // r'^2 s / 2, together the sector r^2 |da| / 2.
    const double inner = n == 2 ? r * std::abs(da) / (2 * s)
                                : (-r * s + std::sqrt(r * r * s * s + (n - 2) * s * r * r * std::abs(da))) /
                                      ((n - 2) * s);
    std::vector<OutlinePoint> points;
    points.reserve(std::size_t(n) + 1);
    for (int k = 0; k <= n; ++k) {
        const double ang = a1 + da * k / n;
        const double radius = k == 0 || k == n ? r : inner;
        points.push_back({c.x + radius * std::cos(ang), c.y + radius * std::sin(ang)});
    }
    return points;
}

// The sides of a polyline of straight legs moved by d (to the left of its
// direction for d > 0): square at both ends, meeting at the inner points.
std::vector<OutlinePoint> offsetCorners(const std::vector<OutlinePoint>& path, double d)
{
    auto normal = [&](std::size_t leg) {
        const OutlinePoint dir = path[leg + 1] - path[leg];
        return OutlinePoint{-dir.y, dir.x} * (1 / length(dir));
    };
    std::vector<OutlinePoint> out{path.front() + normal(0) * d};
    for (std::size_t i = 1; i + 1 < path.size(); ++i) {
        const OutlinePoint a = normal(i - 1), b = normal(i);
        out.push_back(path[i] + (a + b) * (d / (1 + a.x * b.x + a.y * b.y)));
    }
    out.push_back(path.back() + normal(path.size() - 2) * d);
    return out;
}

// A cold-formed section: the centre line's straight legs, bent with the
// inner radius on the inside of each bend and inner + t on the outside.
Outline bent(const std::vector<OutlinePoint>& path, double t, double inner)
{
    std::vector<OutlinePoint> ring = offsetCorners(path, t / 2);
    const std::vector<OutlinePoint> right = offsetCorners(path, -t / 2);
    ring.insert(ring.end(), right.rbegin(), right.rend());
    const std::size_t m = path.size();
    std::vector<double> radii(ring.size(), 0);
    for (std::size_t i = 1; i + 1 < m; ++i) {
        const OutlinePoint u = path[i] - path[i - 1], v = path[i + 1] - path[i];
        const bool leftTurn = u.x * v.y - u.y * v.x > 0;
        radii[i] = leftTurn ? inner : inner + t;
        radii[2 * m - 1 - i] = leftTurn ? inner + t : inner;
    }
    return single(filletCorners(ring, radii));
}

// The channel's filleted ring, starting at the top of the web's back and
// ending at its bottom (the web's back is the closing edge).
std::vector<OutlinePoint> channelRing(double h, double b, double tw, double tf, double r1, double r2, double slope)
{
    const double tToe = tf - slope * b / 2;
    const double tRoot = tf + slope * (b / 2 - tw);
    const double top = h / 2;
    return filletCorners({{0, top}, {b, top}, {b, top - tToe}, {tw, top - tRoot}, {tw, -top + tRoot},
                          {b, -top + tToe}, {b, -top}, {0, -top}},
                         {0, 0, r2, r1, r1, r2, 0, 0});
}

OutlinePoint mirrored(OutlinePoint p) { return {-p.x, p.y}; }

double cornerRadiusOuter(double wall)
{
    // Cold-formed hollow sections: outer corner radius 2 t up to 6 mm walls,
    // 2.5 t up to 10 mm, 3 t above.
    if (wall <= 6)
        return 2 * wall;
    if (wall <= 10)
        return 2.5 * wall;
    return 3 * wall;
}

std::optional<double> number(const QStringList& fields, int i)
{
    if (i >= fields.size())
        return std::nullopt;
    QString text = fields[i].trimmed();
    text.replace(QLatin1Char(','), QLatin1Char('.'));
    const auto v = readNumber(text);
    if (!v || !std::isfinite(double(*v)))
        return std::nullopt;
    return double(*v);
}

OutlineResult refused(const QString& why)
{
    OutlineResult r;
    r.reason = why;
    return r;
}

OutlineResult fromShape(const CatalogueShape& s, int arrangement)
{
    const auto& n = s.numbers;
    auto need = [&](std::size_t count) { return n.size() == count; };
    OutlineResult r;
    if (s.shape == QLatin1String("i") && need(7)) {
        r.outline = iOutline(n[0], n[1], n[2], n[3], n[4], n[5], n[6]);
        r.wall = std::min(n[2], n[3]);
    } else if (s.shape == QLatin1String("channel") && need(7)) {
        if (arrangement == 1)
            r.outline = channelBoxOutline(n[0], n[1], n[2], n[3], n[4], n[5], n[6]);
        else if (arrangement == 2)
            r.outline = channelPairOutline(n[0], n[1], n[2], n[3], n[4], n[5], n[6]);
        else
            r.outline = channelOutline(n[0], n[1], n[2], n[3], n[4], n[5], n[6]);
        r.wall = std::min(n[2], n[3]) * (1 - n[6]);
    } else if (s.shape == QLatin1String("tee") && need(3)) {
        r.outline = rolledTeeOutline(n[0], n[1], n[2]);
        r.wall = n[2] * 0.8;
    } else if (s.shape == QLatin1String("angle") && need(5)) {
        r.outline = angleOutline(n[0], n[1], n[2], n[3], n[4]);
        r.wall = n[2];
    } else if (s.shape == QLatin1String("bentangle") && need(4)) {
        r.outline = bentAngleOutline(n[0], n[1], n[2], n[3]);
        r.wall = n[2];
    } else if (s.shape == QLatin1String("bentchannel") && need(4)) {
        r.outline = bentChannelOutline(n[0], n[1], n[2], n[3]);
        r.wall = n[2];
    } else {
        r.reason = QStringLiteral("the outline table has no usable shape for this profile");
    }
    return r;
}

} // namespace

double signedArea(const std::vector<OutlinePoint>& ring)
{
    double twice = 0;
    for (std::size_t i = 0, n = ring.size(); i < n; ++i) {
        const OutlinePoint& a = ring[i];
        const OutlinePoint& b = ring[(i + 1) % n];
        twice += a.x * b.y - b.x * a.y;
    }
    return twice / 2;
}

void orientRings(Outline& outline)
{
    for (OutlineRing& ring : outline.rings) {
        const bool ccw = signedArea(ring.points) > 0;
        if (ccw == ring.hole)
            std::reverse(ring.points.begin(), ring.points.end());
    }
}

Outline rotated(const Outline& outline, double degrees)
{
    const double a = degrees * PiD / 180;
    const double c = std::cos(a), s = std::sin(a);
    Outline out = outline;
    for (OutlineRing& ring : out.rings)
        for (OutlinePoint& p : ring.points)
            p = {c * p.x - s * p.y, s * p.x + c * p.y};
    return out;
}

bool hasSharpInnerCorner(const Outline& outline)
{
    // The material lies left of every ring (outer rings counter-clockwise,
    // holes clockwise): a right turn is a corner into the material. The chords
    // of arcs and circles turn by a few degrees at most.
    for (const OutlineRing& ring : outline.rings) {
        const auto& p = ring.points;
        for (std::size_t i = 0, n = p.size(); i < n; ++i) {
            const OutlinePoint in = p[i] - p[(i + n - 1) % n];
            const OutlinePoint out = p[(i + 1) % n] - p[i];
            const double turn = std::atan2(in.x * out.y - in.y * out.x, in.x * out.x + in.y * out.y);
            if (turn < -SharpTurn)
                return true;
        }
    }
    return false;
}

int arcChords(double angle)
{
    return std::max(2, int(std::ceil(std::abs(angle) / ChordAngle - 1e-9)));
}

std::vector<OutlinePoint> filletCorners(const std::vector<OutlinePoint>& corners, const std::vector<double>& radii)
{
    const std::size_t n = corners.size();
    // The turn at each rounded corner and the length of edge it takes from
    // both neighbouring edges (its tangent length).
    std::vector<double> theta(n, 0), tangent(n, 0);
    for (std::size_t i = 0; i < n; ++i) {
        if (radii[i] <= 0)
            continue;
        const OutlinePoint u = corners[(i + n - 1) % n] - corners[i];
        const OutlinePoint v = corners[(i + 1) % n] - corners[i];
        const double lu = length(u), lv = length(v);
        if (lu <= 0 || lv <= 0)
            continue;
        const double t = std::acos(std::clamp((u.x * v.x + u.y * v.y) / (lu * lv), -1.0, 1.0));
        if (t <= 1e-9 || t >= PiD - 1e-9)
            continue;
        theta[i] = t;
        tangent[i] = radii[i] / std::tan(t / 2);
    }
    // An arc may use each neighbouring edge up to where the next arc begins
    // (all of it when the far corner is sharp); two arcs that would overlap
    // on an edge shrink in proportion until they meet there.
    std::vector<double> fit(n, 1);
    for (std::size_t i = 0; i < n; ++i) {
        const std::size_t j = (i + 1) % n;
        const double both = tangent[i] + tangent[j];
        const double edge = length(corners[j] - corners[i]);
        if (both > edge) {
            fit[i] = std::min(fit[i], edge / both);
            fit[j] = std::min(fit[j], edge / both);
        }
    }
    std::vector<OutlinePoint> out;
    for (std::size_t i = 0; i < n; ++i) {
        const OutlinePoint p = corners[i];
        if (theta[i] <= 0) {
            if (out.empty() || length(out.back() - p) > 0)
                out.push_back(p);
            continue;
        }
        const OutlinePoint a = corners[(i + n - 1) % n];
        const OutlinePoint b = corners[(i + 1) % n];
        const OutlinePoint u = (a - p) * (1 / length(a - p));
        const OutlinePoint v = (b - p) * (1 / length(b - p));
        const double r = radii[i] * fit[i];
        const double d = tangent[i] * fit[i];
        const OutlinePoint t1 = p + u * d;
        const OutlinePoint t2 = p + v * d;
        OutlinePoint bis = u + v;
        bis = bis * (1 / length(bis));
        const OutlinePoint c = p + bis * (r / std::sin(theta[i] / 2));
        const double a1 = std::atan2(t1.y - c.y, t1.x - c.x);
        const double a2 = std::atan2(t2.y - c.y, t2.x - c.x);
        double da = a2 - a1;
        while (da > PiD)
            da -= 2 * PiD;
        while (da < -PiD)
            da += 2 * PiD;
        // Arcs that meet end to end share their meeting point once.
        const bool sameStart = !out.empty() && length(out.back() - t1) <= 1e-12 * (1 + length(t1));
        const std::vector<OutlinePoint> arc = arcPoints(c, r, a1, da);
        out.insert(out.end(), arc.begin() + (sameStart ? 1 : 0), arc.end());
    }
    if (out.size() > 1 && length(out.back() - out.front()) <= 1e-12 * (1 + length(out.front())))
        out.pop_back();
    return out;
}

Outline rectangleOutline(double width, double height, double outerRadius)
{
    const double w = width / 2, h = height / 2;
    const double r = std::min(outerRadius, std::min(w, h));
    return single(filletCorners({{-w, -h}, {w, -h}, {w, h}, {-w, h}}, {r, r, r, r}));
}

Outline tubeOutline(double width, double height, double wall, double outerRadius, double innerRadius)
{
    Outline o = rectangleOutline(width, height, outerRadius);
    const double w = width / 2 - wall, h = height / 2 - wall;
    if (w > 0 && h > 0) {
        const double r = std::min(innerRadius, std::min(w, h));
        o.rings.push_back({filletCorners({{-w, -h}, {w, -h}, {w, h}, {-w, h}}, {r, r, r, r}), true});
        orientRings(o);
    }
    return o;
}

Outline discOutline(double diameter)
{
    return single(circlePoints(diameter, MinCircleSides));
}

Outline pipeOutline(double diameter, double wall)
{
    const int sides = circleSides(diameter, wall);
    Outline o = single(circlePoints(diameter, sides));
    const double inner = diameter - 2 * wall;
    if (inner > 0) {
        o.rings.push_back({circlePoints(inner, sides), true});
        orientRings(o);
    }
    return o;
}

Outline iOutline(double h, double b, double tw, double tf, double r1, double r2, double slope)
{
    const double half = tw / 2;
    double tToe = tf, tRoot = tf;
    if (slope != 0) {
        tToe = tf - slope * b / 4;
        tRoot = tf + slope * (b / 4 - tw / 2);
    }
    const double top = h / 2;
    return single(filletCorners({{-b / 2, top}, {b / 2, top}, {b / 2, top - tToe}, {half, top - tRoot},
                                 {half, -top + tRoot}, {b / 2, -top + tToe}, {b / 2, -top}, {-b / 2, -top},
                                 {-b / 2, -top + tToe}, {-half, -top + tRoot}, {-half, top - tRoot},
                                 {-b / 2, top - tToe}},
                                {0, 0, r2, r1, r1, r2, 0, 0, r2, r1, r1, r2}));
}

Outline channelOutline(double h, double b, double tw, double tf, double r1, double r2, double slope)
{
    return single(channelRing(h, b, tw, tf, r1, r2, slope));
}

Outline channelBoxOutline(double h, double b, double tw, double tf, double r1, double r2, double slope)
{
    // The left channel, moved so that its toes lie on x = 0; the inner
    // boundary runs from the first point after the top toe face to the last
    // point before the bottom one. The right channel mirrors it.
    std::vector<OutlinePoint> ring = channelRing(h, b, tw, tf, r1, r2, slope);
    for (OutlinePoint& p : ring)
        p.x -= b;
    const std::vector<OutlinePoint> inner(ring.begin() + 2, ring.end() - 2);
    std::vector<OutlinePoint> hole = inner;
    for (auto it = inner.rbegin() + 1; it + 1 != inner.rend(); ++it)
        hole.push_back(mirrored(*it));
    Outline o;
    o.rings.push_back({{{-b, -h / 2}, {b, -h / 2}, {b, h / 2}, {-b, h / 2}}, false});
    o.rings.push_back({std::move(hole), true});
    orientRings(o);
    return o;
}

Outline channelPairOutline(double h, double b, double tw, double tf, double r1, double r2, double slope)
{
    // Webs back to back on x = 0: the right channel's ring from the top of
    // its web back round to the bottom, then the mirrored left channel back
    // up, without the shared web-back points twice.
    const std::vector<OutlinePoint> right = channelRing(h, b, tw, tf, r1, r2, slope);
    std::vector<OutlinePoint> ring = right;
    for (auto it = right.rbegin() + 1; it + 1 != right.rend(); ++it)
        ring.push_back(mirrored(*it));
    return single(std::move(ring));
}

Outline rolledTeeOutline(double b, double h, double t)
{
    const double fToe = t - 0.02 * (b / 4);
    const double fRoot = t + 0.02 * (b / 4 - t / 2);
    const double sTip = t - 0.04 * (h / 2);
    const double sRoot = t + 0.04 * (h / 2 - fRoot);
    return single(filletCorners({{-b / 2, 0}, {b / 2, 0}, {b / 2, -fToe}, {sRoot / 2, -fRoot}, {sTip / 2, -h},
                                 {-sTip / 2, -h}, {-sRoot / 2, -fRoot}, {-b / 2, -fToe}},
                                {0, 0, t / 2, t, t / 4, t / 4, t, t / 2}));
}

Outline teeOutline(double b, double h, double tw, double tf)
{
    return single({{-b / 2, 0}, {b / 2, 0}, {b / 2, -tf}, {tw / 2, -tf}, {tw / 2, -h}, {-tw / 2, -h},
                   {-tw / 2, -tf}, {-b / 2, -tf}});
}

Outline angleOutline(double p, double q, double t, double r1, double r2)
{
    return single(filletCorners({{0, 0}, {q, 0}, {q, t}, {t, t}, {t, p}, {0, p}}, {0, 0, r2, r1, r2, 0}));
}

Outline bentAngleOutline(double p, double q, double t, double inner)
{
    return bent({{q, t / 2}, {t / 2, t / 2}, {t / 2, p}}, t, inner);
}

Outline bentChannelOutline(double h, double b, double t, double inner)
{
    return bent({{b, h / 2 - t / 2}, {t / 2, h / 2 - t / 2}, {t / 2, -h / 2 + t / 2}, {b, -h / 2 + t / 2}}, t,
                inner);
}

std::vector<std::pair<QString, CatalogueShape>> parseOutlineTable(const QString& text)
{
    std::vector<std::pair<QString, CatalogueShape>> out;
    for (const QString& line : text.split(QLatin1Char('\n'))) {
        const QStringList cells = QString(line).remove(QLatin1Char('\r')).split(QLatin1Char('\t'));
        if (cells.size() != 3)
            continue;
        CatalogueShape shape;
        shape.shape = cells[1];
        bool ok = true;
        for (const QString& word : cells[2].split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
            const auto v = readNumber(word);
            if (!v || !std::isfinite(double(*v)) || *v < 0) {
                ok = false;
                break;
            }
            shape.numbers.push_back(double(*v));
        }
        if (ok && !shape.numbers.empty())
            out.emplace_back(cells[0], std::move(shape));
    }
    return out;
}

std::optional<CatalogueShape> catalogueShape(const QString& recordName)
{
    static const QHash<QString, CatalogueShape> table = [] {
        QHash<QString, CatalogueShape> h;
        QFile file(QStringLiteral(":/catalogue/data/outlines.txt"));
        if (file.open(QIODevice::ReadOnly))
            for (auto& [name, shape] : parseOutlineTable(QString::fromLatin1(file.readAll())))
                h.insert(name, shape);
        return h;
    }();
    const auto it = table.constFind(recordName);
    if (it == table.constEnd())
        return std::nullopt;
    return *it;
}

namespace {
OutlineResult notRead()
{
    return refused(QStringLiteral("the dimensions do not read"));
}

bool allPositive(std::initializer_list<std::optional<double>> values)
{
    return std::all_of(values.begin(), values.end(), [](const std::optional<double>& v) { return v && *v > 0; });
}

// The tubes and the solid sections, from their typed dimensions.
OutlineResult tubeOrSolidOutline(SectionKind kind, bool customEntry, const QStringList& fields)
{
    OutlineResult r;
    const auto f = [&](int i) { return number(fields, i); };
    switch (kind) {
    case SectionKind::RectHollow: {
        const auto a = f(0), b = f(1), v = f(2);
        if (!allPositive({a, b, v}))
            return notRead();
        const double ro = customEntry ? 0 : cornerRadiusOuter(*v);
        const double ri = customEntry ? 0 : std::max(0.0, ro - *v);
        r.outline = tubeOutline(*a, *b, *v, ro, ri);
        r.wall = *v;
        break;
    }
    case SectionKind::CircHollow: {
        const auto d = f(0), v = f(1);
        if (!allPositive({d, v}))
            return notRead();
        r.outline = pipeOutline(*d, *v);
        r.wall = std::min(*v, *d / 2);
        break;
    }
    case SectionKind::CircSolid: {
        const auto d = f(0);
        if (!allPositive({d}))
            return notRead();
        r.outline = discOutline(*d);
        r.wall = *d / 2;
        break;
    }
    default: { // a solid rectangle or a flat bar
        const auto a = f(0), b = f(1);
        if (!allPositive({a, b}))
            return notRead();
        r.outline = rectangleOutline(*a, *b);
        r.wall = std::min(*a, *b);
        break;
    }
    }
    return r;
}

// A rolled profile of the catalogue; a U entry names its arrangement.
OutlineResult catalogueOutline(SectionKind kind, const QString& entry)
{
    int arrangement = 0;
    QString name = entry;
    if (kind == SectionKind::U) {
        arrangement = entry.contains(QLatin1String("[]")) ? 1 : entry.contains(QLatin1String("][")) ? 2 : 0;
        name = channelLookupName(entry);
    }
    const auto shape = catalogueShape(name);
    if (!shape)
        return refused(QStringLiteral("no outline for '%1'").arg(entry));
    return fromShape(*shape, arrangement);
}

// An L, T, U or I profile from its typed dimensions, with sharp corners.
OutlineResult typedProfileOutline(SectionKind kind, const QStringList& fields, int arrangement)
{
    OutlineResult r;
    const auto f = [&](int i) { return number(fields, i); };
    if (kind == SectionKind::L) {
        const auto q = f(0), p = f(1), t = f(2);
        if (!allPositive({q, p, t}) || *t >= *q || *t >= *p)
            return notRead();
        r.outline = angleOutline(*p, *q, *t, 0, 0);
        r.wall = *t;
        return r;
    }
    const auto a = f(0), b = f(1), tw = f(2), tf = f(3);
    if (!allPositive({a, b, tw, tf}))
        return notRead();
    if (kind == SectionKind::T) {
        if (*tw >= *a || *tf >= *b)
            return notRead();
        r.outline = teeOutline(*a, *b, *tw, *tf);
    } else {
        if (*tw >= *a || 2 * *tf >= *b)
            return notRead();
        if (kind == SectionKind::I)
            r.outline = iOutline(*b, *a, *tw, *tf, 0, 0, 0);
        else if (arrangement == 1)
            r.outline = channelBoxOutline(*b, *a, *tw, *tf, 0, 0, 0);
        else if (arrangement == 2)
            r.outline = channelPairOutline(*b, *a, *tw, *tf, 0, 0, 0);
        else
            r.outline = channelOutline(*b, *a, *tw, *tf, 0, 0, 0);
    }
    r.wall = std::min(*tw, *tf);
    return r;
}
} // namespace

OutlineResult sectionOutline(SectionKind kind, const QString& entry, bool customEntry, const QStringList& fields,
                             int arrangement, int angle)
{
    OutlineResult r;
    switch (kind) {
    case SectionKind::RectHollow:
    case SectionKind::CircHollow:
    case SectionKind::RectSolid:
    case SectionKind::FlatBar:
    case SectionKind::CircSolid: r = tubeOrSolidOutline(kind, customEntry, fields); break;
    case SectionKind::Plate: return refused(QStringLiteral("a plate has no section"));
    case SectionKind::L:
    case SectionKind::T:
    case SectionKind::U:
    case SectionKind::I:
        r = customEntry ? typedProfileOutline(kind, fields, arrangement) : catalogueOutline(kind, entry);
        break;
    }
    if (r.outline && angle % 360 != 0)
        r.outline = rotated(*r.outline, angle % 360);
    return r;
}
