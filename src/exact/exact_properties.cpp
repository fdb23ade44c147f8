#include "exact/exact_properties.h"

#include "exact/warping_mesh.h"
#include "sections/tab_computations.h"
#include "settings/message_table.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <numbers>

void addRingIntegrals(const std::vector<OutlinePoint>& p, AreaIntegrals& s)
{
    for (std::size_t i = 0, n = p.size(); i < n; ++i) {
        const double x0 = p[i].x, y0 = p[i].y;
        const double x1 = p[(i + 1) % n].x, y1 = p[(i + 1) % n].y;
        const double cr = x0 * y1 - x1 * y0;
        s.a += cr / 2;
        s.sx += (x0 + x1) * cr / 6;
        s.sy += (y0 + y1) * cr / 6;
        s.xx += (x0 * x0 + x0 * x1 + x1 * x1) * cr / 12;
        s.yy += (y0 * y0 + y0 * y1 + y1 * y1) * cr / 12;
        s.xy += (x0 * y1 + 2 * x0 * y0 + 2 * x1 * y1 + x1 * y0) * cr / 24;
    }
}

namespace {

// Green's theorem over each ring; holes run clockwise and subtract.
using Integrals = AreaIntegrals;
Integrals integrate(const Outline& outline)
{
    Integrals s;
    for (const OutlineRing& ring : outline.rings)
        addRingIntegrals(ring.points, s);
    return s;
}

// The part of the outline on the side coordinate >= level of an axis
// (horizontal line for axis 1 = y, vertical for axis 0 = x). Clipping each
// ring on its own keeps the signed integrals right; the seams along the
// cutting line cancel.
Outline clipped(const Outline& outline, int axis, double level)
{
    Outline out;
    auto coord = [axis](const OutlinePoint& p) { return axis == 0 ? p.x : p.y; };
    for (const OutlineRing& ring : outline.rings) {
        OutlineRing part;
        part.hole = ring.hole;
        const auto& p = ring.points;
        for (std::size_t i = 0, n = p.size(); i < n; ++i) {
            const OutlinePoint& a = p[i];
            const OutlinePoint& b = p[(i + 1) % n];
            const double ca = coord(a) - level, cb = coord(b) - level;
            if (ca >= 0)
                part.points.push_back(a);
            if ((ca >= 0) != (cb >= 0)) {
                const double t = ca / (ca - cb);
                part.points.push_back({a.x + t * (b.x - a.x), a.y + t * (b.y - a.y)});
            }
        }
        if (part.points.size() >= 3)
            out.rings.push_back(std::move(part));
    }
    return out;
}

// Plastic modulus about the equal-area line of the axis: twice the first
// moment of the part beyond that line, less the whole section's.
double plasticModulus(const Outline& outline, int axis, double area, double firstMoment, double lo, double hi)
{
    for (int k = 0; k < 80 && hi - lo > 1e-12 * std::max(1.0, std::abs(hi) + std::abs(lo)); ++k) {
        const double mid = (lo + hi) / 2;
        const Integrals part = integrate(clipped(outline, axis, mid));
        if (part.a > area / 2)
            lo = mid;
        else
            hi = mid;
    }
    const double level = (lo + hi) / 2;
    const Integrals part = integrate(clipped(outline, axis, level));
    const double beyond = axis == 0 ? part.sx : part.sy;
    return 2 * beyond - firstMoment;
}

} // namespace

std::optional<ExactProperties> outlineProperties(const Outline& outline)
{
    const Integrals s = integrate(outline);
    if (!(s.a > 0) || !std::isfinite(s.a))
        return std::nullopt;
    ExactProperties e;
    e.area = s.a;
    e.xc = s.sx / s.a;
    e.yc = s.sy / s.a;
    e.ix = s.yy - s.a * e.yc * e.yc;
    e.iy = s.xx - s.a * e.xc * e.xc;
    e.ixy = s.xy - s.a * e.xc * e.yc;
    if (!(e.ix > 0) || !(e.iy > 0))
        return std::nullopt;
    const double mean = (e.ix + e.iy) / 2;
    const double radius = std::hypot((e.ix - e.iy) / 2, e.ixy);
    e.i1 = mean + radius;
    e.i2 = mean - radius;
    e.alpha = 0.5 * std::atan2(-2 * e.ixy, e.ix - e.iy) * 180 / std::numbers::pi;
    if (e.alpha <= -90)
        e.alpha += 180;
    // Equal principal moments (a square, a circle) make every axis principal:
    // the angle is 0, not the angle of the rounding noise.
    if (radius <= 1e-9 * mean)
        e.alpha = 0;
    e.rx = std::sqrt(e.ix / e.area);
    e.ry = std::sqrt(e.iy / e.area);

    double xMin = std::numeric_limits<double>::max(), xMax = -xMin, yMin = xMin, yMax = -xMin;
    for (const OutlineRing& ring : outline.rings)
        for (const OutlinePoint& p : ring.points) {
            xMin = std::min(xMin, p.x);
            xMax = std::max(xMax, p.x);
            yMin = std::min(yMin, p.y);
            yMax = std::max(yMax, p.y);
        }
    e.yAbove = yMax - e.yc;
    e.yUnder = e.yc - yMin;
    e.xRight = xMax - e.xc;
    e.xLeft = e.xc - xMin;
    e.welXAbove = e.ix / e.yAbove;
    e.welXUnder = e.ix / e.yUnder;
    e.welYLeft = e.iy / e.xLeft;
    e.welYRight = e.iy / e.xRight;
    e.wplX = plasticModulus(outline, 1, e.area, s.sy, yMin, yMax);
    e.wplY = plasticModulus(outline, 0, e.area, s.sx, xMin, xMax);
    return e;
}

ExactOutcome computeExactProperties(const Outline& outline, double wall, const std::atomic<bool>* cancel)
{
    ExactOutcome out;
    auto props = outlineProperties(outline);
    if (!props) {
        out.error = QStringLiteral("the outline has no area");
        return out;
    }
    const WarpingOutcome warping = solveWarping(outline, props->xc, props->yc, wall, cancel);
    if (!warping.solution) {
        out.error = warping.error;
        return out;
    }
    const WarpingSolution& w = *warping.solution;
    ExactProperties& e = *props;
    e.it = w.torsionConstant;
    // Shear centre: the warping function about it is orthogonal to x and y
    // (integrals over the mesh, centroidal coordinates).
    const double det = w.ix * w.iy - w.ixy * w.ixy;
    e.ys = (w.ix * w.xOmega - w.ixy * w.yOmega) / det;
    e.xs = (w.ixy * w.xOmega - w.iy * w.yOmega) / det;
    // The warping constant about the shear centre, with the warping function
    // shifted to a zero mean: omega_s = omega - ys x + xs y.
    const double mean = w.omega / w.area;
    e.iw = w.omegaOmega - 2 * e.ys * w.xOmega + 2 * e.xs * w.yOmega + e.ys * e.ys * w.iy + e.xs * e.xs * w.ix -
           2 * e.xs * e.ys * w.ixy - w.area * mean * mean;
    if (e.iw < 0)
        e.iw = 0; // sections that do not warp (circles) come out a rounding error below zero
    e.kt = w.shearLever > 0 ? e.it / w.shearLever : 0;
    e.ktDefined = !hasSharpInnerCorner(outline);
    e.triangles = w.triangles;
    for (double v : {e.it, e.iw, e.xs, e.ys, e.kt, e.wplX, e.wplY})
        if (!std::isfinite(v)) {
            out.error = QStringLiteral("the torsion solution did not converge");
            return out;
        }
    out.properties = e;
    return out;
}

ExactOutcome exactForTab(const ExactRequest& request, const std::atomic<bool>* cancel)
{
    ExactOutcome out;
    ComputeContext ctx;
    ctx.angle = ((request.angle % 360) + 360) % 360;
    const bool custom = request.entry == MessageTable::english()(Msg::CustomSection);
    std::optional<TabResult> pass;
    const bool typedKind = request.kind == SectionKind::RectHollow || request.kind == SectionKind::CircHollow ||
                           request.kind == SectionKind::RectSolid || request.kind == SectionKind::FlatBar ||
                           request.kind == SectionKind::CircSolid;
    if (custom && typedKind)
        pass = computeCustom(request.kind, request.fields, 0, ctx);
    else
        pass = computeEntry(request.kind, request.entry, ctx, request.fields, request.arrangement);
    if (!pass || !pass->properties) {
        // A group heading of the tree is no section; the panel stays empty
        // without a message.
        const bool heading = !custom && pass && pass->messages.isEmpty();
        out.error = heading ? QStringLiteral("no section is selected")
                            : QStringLiteral("the section is refused (Error wrong data !)");
        return out;
    }
    // Catalogue rows of the simple kinds carry their sizes in the field
    // texts the pass writes.
    QStringList fields = request.fields;
    if (!custom && pass->fieldTexts)
        fields = *pass->fieldTexts;
    const OutlineResult shape =
        sectionOutline(request.kind, request.entry, custom, fields, request.arrangement, ctx.angle);
    if (!shape.outline) {
        out.error = shape.reason;
        return out;
    }
    return computeExactProperties(*shape.outline, shape.wall, cancel);
}
