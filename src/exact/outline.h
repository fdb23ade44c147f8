#pragma once

// The true outline of a section: polygons with holes, in mm, in the frame of
// the section's picture (x to the right, y up), with the rounded corners of
// rolled and cold-formed profiles traced by short chords.

#include "base/section_kind.h"

#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

struct OutlinePoint {
    double x = 0;
    double y = 0;
};

// One closed ring; the last point does not repeat the first.
struct OutlineRing {
    std::vector<OutlinePoint> points;
    bool hole = false;
};

// Outer rings run counter-clockwise, holes clockwise.
struct Outline {
    std::vector<OutlineRing> rings;
};

// Signed area of a ring (positive when counter-clockwise).
double signedArea(const std::vector<OutlinePoint>& ring);
// Turns outer rings counter-clockwise and holes clockwise.
void orientRings(Outline& outline);
// Turns the outline counter-clockwise by degrees about the origin.
Outline rotated(const Outline& outline, double degrees);

// Replaces corner i of a closed polygon by an arc of radius radii[i] (a
// radius of 0 keeps the corner sharp), with the area of the round corner.
// An arc may use each neighbouring edge up to where the next arc begins; only
// two arcs that would overlap on an edge are shrunk, in proportion, until
// they meet.
std::vector<OutlinePoint> filletCorners(const std::vector<OutlinePoint>& corners, const std::vector<double>& radii);
// The chords an arc turning by angle (radians) is drawn with: one per 7.5
// degrees, at least two. Their inner points lie just off the arc, so that the
// rounded corner keeps its area exactly.
int arcChords(double angle);

// Whether the outline turns sharply into the material anywhere (a corner
// that is neither rounded nor convex): there the torsional shear stress has
// no bound, so the torsion modulus is not defined.
bool hasSharpInnerCorner(const Outline& outline);

// Shapes, dimensions in mm.
Outline rectangleOutline(double width, double height, double outerRadius = 0);
// A rectangular tube; radii 0 give sharp corners.
Outline tubeOutline(double width, double height, double wall, double outerRadius, double innerRadius);
// Circles are polygons whose area equals the circle's, so that area and
// second moments stay within a few parts per million of the round section;
// a tube has enough sides that each sags by at most a thousandth of its wall.
Outline discOutline(double diameter);
Outline pipeOutline(double diameter, double wall);
// I section centred on its web; slope is the flange taper (tf is measured at
// a quarter of the width from the toe when tapered).
Outline iOutline(double h, double b, double tw, double tf, double r1, double r2, double slope);
// Channel with its web on the left (x = 0..tw) and its toes to the right; tf
// at half the width from the web's back when tapered.
Outline channelOutline(double h, double b, double tw, double tf, double r1, double r2, double slope);
// Two channels toe to toe (a closed box 2b wide) and back to back, centred on
// the line where they meet.
Outline channelBoxOutline(double h, double b, double tw, double tf, double r1, double r2, double slope);
Outline channelPairOutline(double h, double b, double tw, double tf, double r1, double r2, double slope);
// Rolled tee b wide and h high, flange at the top: 2 % tapers, root radius t,
// toe radius t/2, stem tip radius t/4; and the sharp tee of typed dimensions
// (stem tw, flange tf).
Outline rolledTeeOutline(double b, double h, double t);
Outline teeOutline(double b, double h, double tw, double tf);
// Angle with leg P upright along x = 0..t and leg Q level along y = 0..t.
Outline angleOutline(double p, double q, double t, double r1, double r2);
// Cold-formed sections of constant wall t bent with an inner radius.
Outline bentAngleOutline(double p, double q, double t, double inner);
Outline bentChannelOutline(double h, double b, double t, double inner);

// The outline geometry of a catalogue record, read from the built-in
// outline table (one line per rolled or cold-formed record).
struct CatalogueShape {
    QString shape;               // i, channel, tee, angle, bentangle, bentchannel
    std::vector<double> numbers; // in the order the table gives them
};
std::optional<CatalogueShape> catalogueShape(const QString& recordName);
// Parses the outline table text; lines that do not read are skipped.
std::vector<std::pair<QString, CatalogueShape>> parseOutlineTable(const QString& text);

// The outline of what a tab shows: the entry (a catalogue row or the custom
// choice), the dimension field texts as they are after the computation pass,
// and the U tab's arrangement (0 single, 1 box, 2 back to back), turned by
// the tab's angle. Empty, with a reason, when the section has no outline.
struct OutlineResult {
    std::optional<Outline> outline;
    QString reason;
    double wall = 0; // the thinnest wall, mm: meshes are sized by it
};
OutlineResult sectionOutline(SectionKind kind, const QString& entry, bool customEntry, const QStringList& fields,
                             int arrangement, int angle);
