#include "builtup/builtup.h"

#include "catalogue/profile_catalogue.h"
#include "exact/warping_mesh.h"
#include "sections/tab_computations.h"
#include "settings/message_table.h"

#include <clipper.hpp>

#include <algorithm>
#include <cmath>
#include <limits>
#include <numbers>

namespace {

namespace cl = ClipperLib;

// The union works on a grid of 10 nm; sections up to 10 m across stay in the
// clipper's fast integer range.
constexpr double GridPerMm = 1e5;
// Parts closer than this (mm) count as touching: a part turned by an angle
// meets its neighbour only to within rounding.
constexpr double TouchingGap = 1e-3;
// Snap moves a part this far (mm) past a candidate contact to see whether the
// parts would overlap there.
constexpr double SnapProbe = 0.01;
constexpr double SnapOverlapArea = 1e-6; // mm2

using Moments = AreaIntegrals;

Moments ringMoments(const std::vector<OutlinePoint>& p)
{
    Moments s;
    addRingIntegrals(p, s);
    return s;
}

Moments outlineMoments(const Outline& outline)
{
    Moments s;
    for (const OutlineRing& ring : outline.rings)
        s += ringMoments(ring.points);
    return s;
}

const MessageTable& english()
{
    return MessageTable::english();
}

bool typedKind(SectionKind kind)
{
    return kind == SectionKind::RectHollow || kind == SectionKind::CircHollow || kind == SectionKind::RectSolid ||
           kind == SectionKind::FlatBar || kind == SectionKind::CircSolid;
}

// Exact quarter turns, so that parts turned by 90 degrees still meet their
// neighbours exactly.
std::pair<double, double> cosSin(int degrees)
{
    switch (((degrees % 360) + 360) % 360) {
    case 0: return {1, 0};
    case 90: return {0, 1};
    case 180: return {-1, 0};
    case 270: return {0, -1};
    default: {
        const double a = degrees * std::numbers::pi / 180;
        return {std::cos(a), std::sin(a)};
    }
    }
}

cl::Path toPath(const std::vector<OutlinePoint>& points, double dx = 0, double dy = 0)
{
    cl::Path path;
    path.reserve(points.size());
    for (const OutlinePoint& p : points)
        path.emplace_back(cl::cInt(std::llround((p.x + dx) * GridPerMm)), cl::cInt(std::llround((p.y + dy) * GridPerMm)));
    return path;
}

cl::Paths toPaths(const Outline& outline, double dx = 0, double dy = 0)
{
    cl::Paths paths;
    for (const OutlineRing& ring : outline.rings)
        paths.push_back(toPath(ring.points, dx, dy));
    return paths;
}

std::vector<OutlinePoint> fromPath(const cl::Path& path)
{
    std::vector<OutlinePoint> points;
    points.reserve(path.size());
    for (const cl::IntPoint& p : path)
        points.push_back({double(p.X) / GridPerMm, double(p.Y) / GridPerMm});
    return points;
}

double pathsArea(const cl::Paths& paths)
{
    double a = 0;
    for (const cl::Path& p : paths)
        a += cl::Area(p);
    return a / (GridPerMm * GridPerMm);
}

cl::Paths clip(const cl::Paths& subject, const cl::Paths& other, cl::ClipType type)
{
    cl::Clipper c;
    c.AddPaths(subject, cl::ptSubject, true);
    if (!other.empty())
        c.AddPaths(other, cl::ptClip, true);
    cl::Paths out;
    c.Execute(type, out, cl::pftNonZero, cl::pftNonZero);
    return out;
}

// An outer ring and its holes become one piece; islands inside a hole are
// pieces of their own.
void collectPieces(const cl::PolyNode& node, BuiltUpUnion& u)
{
    for (const cl::PolyNode* outer : node.Childs) {
        Outline piece;
        piece.rings.push_back({fromPath(outer->Contour), false});
        for (const cl::PolyNode* hole : outer->Childs) {
            piece.rings.push_back({fromPath(hole->Contour), true});
            collectPieces(*hole, u);
        }
        orientRings(piece);
        for (const OutlineRing& ring : piece.rings)
            u.outline.rings.push_back(ring);
        u.pieces.push_back(std::move(piece));
    }
}

// Each piece warps on its own mesh about the section's centroid; the pieces'
// constants, and the shear centre, are those that make the warping least.
// For one piece this is the usual orthogonality of the warping function.
std::optional<QString> addSeparateWarping(const BuiltUpUnion& u, double wall, ExactProperties& e,
                                          const std::atomic<bool>* cancel)
{
    double it = 0, lever = 0, w = 0, pxx = 0, pyy = 0, pxy = 0, qx = 0, qy = 0;
    int triangles = 0;
    for (const Outline& piece : u.pieces) {
        const WarpingOutcome out = solveWarping(piece, e.xc, e.yc, wall, cancel);
        if (!out.solution)
            return out.error;
        const WarpingSolution& s = *out.solution;
        const Moments m = outlineMoments(piece);
        const double sx = m.sx - m.a * e.xc, sy = m.sy - m.a * e.yc; // first moments about the centroid
        it += s.torsionConstant;
        lever = std::max(lever, s.shearLever);
        triangles += s.triangles;
        w += s.omegaOmega - s.omega * s.omega / s.area;
        pxx += s.iy - sx * sx / s.area;
        pyy += s.ix - sy * sy / s.area;
        pxy += s.ixy - sx * sy / s.area;
        qx += s.xOmega - sx * s.omega / s.area;
        qy += s.yOmega - sy * s.omega / s.area;
    }
    const double det = pxx * pyy - pxy * pxy;
    const double a = (-qx * pyy + qy * pxy) / det;
    const double b = (-pxx * qy + pxy * qx) / det;
    e.it = it;
    e.ys = -a;
    e.xs = b;
    e.iw = std::max(0.0, w + a * qx + b * qy);
    e.kt = lever > 0 ? it / lever : 0;
    e.triangles = triangles;
    for (double v : {e.it, e.iw, e.xs, e.ys, e.kt})
        if (!std::isfinite(v))
            return QStringLiteral("the torsion solution did not converge");
    return std::nullopt;
}

std::vector<PartShare> partShares(const std::vector<Outline>& parts, const ExactProperties& e)
{
    std::vector<PartShare> shares;
    cl::Paths before;
    for (const Outline& part : parts) {
        const cl::Paths own = clip(toPaths(part), {}, cl::ctUnion);
        const cl::Paths counted = before.empty() ? own : clip(own, before, cl::ctDifference);
        Moments m;
        for (const cl::Path& p : counted)
            m += ringMoments(fromPath(p));
        PartShare s;
        s.area = outlineMoments(part).a;
        s.areaShare = 100 * m.a / e.area;
        s.ixShare = 100 * (m.yy - 2 * e.yc * m.sy + e.yc * e.yc * m.a) / e.ix;
        shares.push_back(s);
        before.insert(before.end(), own.begin(), own.end());
        before = clip(before, {}, cl::ctUnion);
    }
    return shares;
}

// Distance along (dx, dy) from point p to the segment a-b, when the ray hits it.
std::optional<double> rayHit(OutlinePoint p, double dx, double dy, OutlinePoint a, OutlinePoint b)
{
    const double ex = b.x - a.x, ey = b.y - a.y;
    const double denom = dx * ey - dy * ex;
    if (std::abs(denom) < 1e-12 * std::hypot(ex, ey))
        return std::nullopt;
    const double wx = a.x - p.x, wy = a.y - p.y;
    const double t = (wx * ey - wy * ex) / denom;
    const double u = (wx * dy - wy * dx) / denom;
    if (u < -1e-9 || u > 1 + 1e-9 || t < -1e-9)
        return std::nullopt;
    return std::max(0.0, t);
}

void collectHits(const Outline& moving, const Outline& fixed, double dx, double dy, std::vector<double>& hits)
{
    for (const OutlineRing& from : moving.rings)
        for (const OutlinePoint& p : from.points)
            for (const OutlineRing& to : fixed.rings)
                for (std::size_t i = 0, n = to.points.size(); i < n; ++i)
                    if (auto t = rayHit(p, dx, dy, to.points[i], to.points[(i + 1) % n]))
                        hits.push_back(*t);
}

} // namespace

QString partName(const BuiltUpPart& part)
{
    if (!part.entry.isEmpty())
        return part.entry;
    QString dims = part.dims.join(QLatin1Char('x'));
    switch (part.kind) {
    case SectionKind::RectSolid: return QStringLiteral("PL ") + dims;
    case SectionKind::RectHollow: return QStringLiteral("RHS ") + dims;
    case SectionKind::CircHollow: return QStringLiteral("CHS ") + dims;
    case SectionKind::CircSolid: return QStringLiteral("D ") + dims;
    case SectionKind::FlatBar: return QStringLiteral("FL ") + dims;
    case SectionKind::L: return QStringLiteral("L ") + dims;
    case SectionKind::T: return QStringLiteral("T ") + dims;
    case SectionKind::U: return QStringLiteral("U ") + dims;
    case SectionKind::I: return QStringLiteral("I ") + dims;
    case SectionKind::Plate: break;
    }
    return dims;
}

QString compositionName(const BuiltUpComposition& composition)
{
    if (!composition.name.trimmed().isEmpty())
        return composition.name;
    QStringList names;
    for (const BuiltUpPart& part : composition.parts)
        names << partName(part);
    return names.join(QStringLiteral(" + "));
}

QString separatePiecesNote()
{
    return QStringLiteral("the parts do not all touch: they act together only if they are connected");
}

QString entryProblem(const BuiltUpPart& part)
{
    if (part.kind == SectionKind::Plate)
        return QStringLiteral("a plate of the plate menu has no section; a plate is kind rs with its width and "
                              "thickness");
    if (part.entry.isEmpty())
        return {};
    const std::vector<MenuEntry>& menu = builtInMenu(part.kind);
    for (std::size_t i = 0; i < menu.size(); ++i) {
        if (menu[i].text != part.entry)
            continue;
        if (i == 0 && part.entry == english()(Msg::CustomSection))
            return QStringLiteral("typed dimensions are given as dims, not as the entry '%1'").arg(part.entry);
        if (i + 1 < menu.size() && menu[i + 1].depth > menu[i].depth)
            return QStringLiteral("'%1' is a group heading, not a section").arg(part.entry);
        return {};
    }
    return QStringLiteral("'%1' is not an entry of the %2 menu").arg(part.entry, kindCode(part.kind));
}

PlacedPart placePart(const BuiltUpPart& part)
{
    PlacedPart placed;
    if (QString why = entryProblem(part); !why.isEmpty()) {
        placed.reason = why;
        return placed;
    }
    const bool custom = part.entry.isEmpty();
    const QString entry = custom ? english()(Msg::CustomSection) : part.entry;
    if (custom && part.dims.size() != customFieldCount(part.kind)) {
        placed.reason = QStringLiteral("the %1 kind takes %2 dimensions").arg(kindCode(part.kind)).arg(customFieldCount(part.kind));
        return placed;
    }
    const ComputeContext ctx;
    const std::optional<TabResult> pass = custom && typedKind(part.kind) ? computeCustom(part.kind, part.dims, 0, ctx)
                                                                         : computeEntry(part.kind, entry, ctx, part.dims);
    if (!pass || !pass->properties) {
        placed.reason = QStringLiteral("the section is refused (Error wrong data !)");
        return placed;
    }
    QStringList fields = part.dims;
    if (!custom && pass->fieldTexts)
        fields = *pass->fieldTexts;
    const OutlineResult shape = sectionOutline(part.kind, entry, custom, fields, 0, 0);
    if (!shape.outline) {
        placed.reason = shape.reason;
        return placed;
    }
    const Moments m = outlineMoments(*shape.outline);
    if (!(m.a > 0)) {
        placed.reason = QStringLiteral("the section has no area");
        return placed;
    }
    const double cx = m.sx / m.a, cy = m.sy / m.a;
    const auto [c, s] = cosSin(part.angle);
    Outline out = *shape.outline;
    for (OutlineRing& ring : out.rings)
        for (OutlinePoint& p : ring.points) {
            const double x = part.mirror ? cx - p.x : p.x - cx;
            const double y = p.y - cy;
            p = {part.x + c * x - s * y, part.y + s * x + c * y};
        }
    orientRings(out);
    placed.outline = std::move(out);
    placed.wall = shape.wall;
    return placed;
}

BuiltUpUnion unitePlacedOutlines(const std::vector<Outline>& outlines)
{
    cl::Paths all;
    for (const Outline& o : outlines) {
        cl::Paths p = toPaths(o);
        all.insert(all.end(), p.begin(), p.end());
    }
    // Closing: grow every part by the touching gap, unite, and shrink the
    // union back. Mitred corners come back where they were; gaps and slivers
    // narrower than twice the gap close.
    const double gap = TouchingGap * GridPerMm;
    cl::ClipperOffset grow(1000);
    grow.AddPaths(all, cl::jtMiter, cl::etClosedPolygon);
    cl::Paths grown;
    grow.Execute(grown, gap);
    cl::ClipperOffset shrink(1000);
    shrink.AddPaths(grown, cl::jtMiter, cl::etClosedPolygon);
    cl::PolyTree tree;
    shrink.Execute(tree, -gap);
    BuiltUpUnion u;
    collectPieces(tree, u);
    // Drop the points the offsets leave within a grid step of a straight
    // edge, and the rings that shrink to nothing with them.
    const auto clean = [](std::vector<OutlineRing>& rings) {
        for (OutlineRing& ring : rings) {
            cl::Path p = toPath(ring.points);
            cl::CleanPolygon(p);
            ring.points = fromPath(p);
        }
        std::erase_if(rings, [](const OutlineRing& ring) { return ring.points.size() < 3; });
    };
    clean(u.outline.rings);
    for (Outline& piece : u.pieces)
        clean(piece.rings);
    std::erase_if(u.pieces, [](const Outline& piece) { return piece.rings.empty() || piece.rings.front().hole; });
    return u;
}

BuiltUpResult computeBuiltUp(const BuiltUpComposition& composition, const std::atomic<bool>* cancel)
{
    BuiltUpResult r;
    if (composition.parts.empty()) {
        r.error = QStringLiteral("the section has no parts");
        return r;
    }
    if (composition.parts.size() > std::size_t(BuiltUpMaxParts)) {
        r.error = QStringLiteral("a built-up section has at most %1 parts").arg(BuiltUpMaxParts);
        return r;
    }
    double wall = std::numeric_limits<double>::max();
    for (std::size_t i = 0; i < composition.parts.size(); ++i) {
        const PlacedPart placed = placePart(composition.parts[i]);
        if (!placed.outline) {
            r.failedPart = int(i);
            r.error = QStringLiteral("part %1 (%2): %3").arg(i + 1).arg(partName(composition.parts[i]), placed.reason);
            r.parts.clear();
            return r;
        }
        r.parts.push_back(*placed.outline);
        wall = std::min(wall, placed.wall);
    }
    r.united = unitePlacedOutlines(r.parts);
    r.separatePieces = r.united.pieces.size() > 1;
    if (r.united.pieces.empty()) {
        r.error = QStringLiteral("the outline has no area");
        return r;
    }
    if (!r.separatePieces) {
        ExactOutcome out = computeExactProperties(r.united.outline, wall, cancel);
        if (!out.properties) {
            r.error = out.error;
            return r;
        }
        r.properties = out.properties;
    } else {
        auto props = outlineProperties(r.united.outline);
        if (!props) {
            r.error = QStringLiteral("the outline has no area");
            return r;
        }
        if (auto why = addSeparateWarping(r.united, wall, *props, cancel)) {
            r.error = *why;
            return r;
        }
        r.properties = props;
    }
    r.shares = partShares(r.parts, *r.properties);
    return r;
}

std::optional<double> snapDistance(const BuiltUpComposition& composition, int partIndex, double dx, double dy)
{
    if (partIndex < 0 || partIndex >= int(composition.parts.size()))
        return std::nullopt;
    std::vector<Outline> outlines;
    for (const BuiltUpPart& part : composition.parts) {
        PlacedPart placed = placePart(part);
        if (!placed.outline)
            return std::nullopt;
        outlines.push_back(std::move(*placed.outline));
    }
    const Outline& moving = outlines[std::size_t(partIndex)];
    const cl::Paths movingAt0 = clip(toPaths(moving), {}, cl::ctUnion);
    std::optional<double> best;
    for (std::size_t k = 0; k < outlines.size(); ++k) {
        if (int(k) == partIndex)
            continue;
        const cl::Paths other = clip(toPaths(outlines[k]), {}, cl::ctUnion);
        std::vector<double> hits;
        collectHits(moving, outlines[k], dx, dy, hits);
        collectHits(outlines[k], moving, -dx, -dy, hits);
        std::sort(hits.begin(), hits.end());
        hits.erase(std::unique(hits.begin(), hits.end(), [](double a, double b) { return b - a < 1e-9; }), hits.end());
        // A hit is a contact when moving a little past it makes the parts
        // overlap more than they do where the part stands (parts that slide
        // along each other do not stop there).
        const double start = pathsArea(clip(movingAt0, other, cl::ctIntersection));
        for (double t : hits) {
            if (best && t >= *best)
                break;
            const double probe = t + SnapProbe;
            const cl::Paths moved = clip(toPaths(moving, probe * dx, probe * dy), {}, cl::ctUnion);
            if (pathsArea(clip(moved, other, cl::ctIntersection)) > start + SnapOverlapArea) {
                best = t;
                break;
            }
        }
    }
    return best;
}
