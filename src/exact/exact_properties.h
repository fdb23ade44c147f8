#pragma once

// Section properties computed from the true outline rather than from the
// panel's table factors: second moments and plastic moduli integrated over
// the polygon, and the St Venant torsion constant, the warping constant and
// the shear centre from a finite-element solution of the warping function.

#include "exact/outline.h"

#include <QString>

#include <atomic>
#include <optional>
#include <vector>

// Everything in mm, mm2, mm3, mm4, mm6 and degrees, about the centroid, with
// X the horizontal axis of the section as shown (turned by the tab's angle).
// Integrals over the region a set of rings bounds (Green's theorem; holes run
// clockwise and subtract): area, first moments and second moments about the
// origin, in mm^n.
struct AreaIntegrals {
    double a = 0, sx = 0, sy = 0;  // area, integrals of x and of y
    double xx = 0, yy = 0, xy = 0; // integrals of x^2, y^2, xy
    AreaIntegrals& operator+=(const AreaIntegrals& o)
    {
        a += o.a, sx += o.sx, sy += o.sy, xx += o.xx, yy += o.yy, xy += o.xy;
        return *this;
    }
};
// Adds one ring's share to `into`.
void addRingIntegrals(const std::vector<OutlinePoint>& ring, AreaIntegrals& into);

struct ExactProperties {
    double area = 0;
    double xc = 0, yc = 0;        // centroid in the outline's frame
    double ix = 0, iy = 0, ixy = 0; // second moments about the centroidal X and Y axes, product moment
    double i1 = 0, i2 = 0;        // principal second moments, i1 the larger
    double alpha = 0;             // angle of the i1 axis from X, degrees, -90 < alpha <= 90
    double rx = 0, ry = 0;        // radii of gyration
    double yAbove = 0, yUnder = 0, xLeft = 0, xRight = 0; // extreme-fibre distances from the centroid
    double welXAbove = 0, welXUnder = 0, welYLeft = 0, welYRight = 0;
    double wplX = 0, wplY = 0;    // plastic moduli about the equal-area axes parallel to X and Y
    double it = 0;                // St Venant torsion constant
    double iw = 0;                // warping constant about the shear centre
    double xs = 0, ys = 0;        // shear centre relative to the centroid
    double kt = 0;                // torsion modulus: It over the largest shear-stress lever e max (the
                                  // radius of a circle, the thickness of a thin wall)
    bool ktDefined = true;        // false where the outline has a sharp inner corner: the stress there
                                  // has no bound and kt is only the figure of one mesh
    int triangles = 0;            // size of the mesh the torsion values come from
};

// Area integrals of the outline alone (no mesh): area, centroid, second
// moments, extreme fibres, elastic and plastic moduli, radii of gyration and
// principal axes. Fails (nullopt) when the outline has no positive area.
std::optional<ExactProperties> outlineProperties(const Outline& outline);

struct ExactOutcome {
    std::optional<ExactProperties> properties;
    QString error; // why there are none
};

// The full computation: outline integrals, then the mesh and the warping
// solution. wall sizes the mesh (the thinnest wall of the section, mm).
// A set cancel flag ends the work early with an error.
ExactOutcome computeExactProperties(const Outline& outline, double wall,
                                    const std::atomic<bool>* cancel = nullptr);

// The section a tab shows, computed exactly: the same inputs as the tab's
// computation pass. Sections the panel refuses get no exact values.
struct ExactRequest {
    SectionKind kind = SectionKind::RectHollow;
    QString entry;          // the selected tree entry
    QStringList fields;     // the dimension field texts
    int arrangement = 0;    // U tab: 0 single, 1 "2xU []", 2 "2xU ]["
    int angle = 0;          // degrees
};
ExactOutcome exactForTab(const ExactRequest& request, const std::atomic<bool>* cancel = nullptr);
