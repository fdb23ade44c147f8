#pragma once

// Built-up sections: rolled profiles, typed sections and plates welded into
// one section. Each part keeps the true outline its tab would compute; the
// section is the union of the placed outlines, and its values come from the
// same outline integrals and warping solution as a single section's.

#include "base/section_kind.h"
#include "exact/exact_properties.h"

#include <QString>
#include <QStringList>

#include <atomic>
#include <optional>
#include <vector>

inline constexpr int BuiltUpMaxParts = 20;

// One part: a catalogue entry of its kind's menu, or typed dimensions (the
// texts of the kind's custom fields, as `section --dims` takes them). A plate
// is a typed rectangular solid (kind rs): width x thickness.
struct BuiltUpPart {
    SectionKind kind = SectionKind::RectSolid;
    QString entry;      // empty for typed dimensions
    QStringList dims;   // used when entry is empty
    double x = 0, y = 0; // where the part's own centroid lies in the section, mm
    int angle = 0;      // counter-clockwise about its centroid, whole degrees 0..359
    bool mirror = false; // mirrored about its own vertical axis before it is turned

    bool operator==(const BuiltUpPart&) const = default;
};

struct BuiltUpComposition {
    QString name; // empty: the parts' names joined with " + "
    std::vector<BuiltUpPart> parts;

    bool operator==(const BuiltUpComposition&) const = default;
};

// The part as the list and the picture name it: the catalogue entry, "PL a x b"
// for a plate, else the kind's letters and the dimensions ("I 300x150x7.1x10.7").
QString partName(const BuiltUpPart& part);
// The composition's own name, or the parts' names joined with " + ".
QString compositionName(const BuiltUpComposition& composition);

// The outline of one part where the composition puts it, and the thinnest
// wall (mm) that sizes its mesh. Empty, with the reason, for a part that has
// no section (an unknown entry, a group heading, dimensions the tab refuses).
struct PlacedPart {
    std::optional<Outline> outline;
    double wall = 0;
    QString reason;
};
PlacedPart placePart(const BuiltUpPart& part);
// Why a part's entry is not a section of its kind's menu; empty when it is
// one (or the part has typed dimensions).
QString entryProblem(const BuiltUpPart& part);

// The union of the placed outlines: overlapping and touching parts (gaps
// under a micrometre count as touching) become one piece, cells closed on
// every side become holes. Pieces that do not touch stay separate rings.
struct BuiltUpUnion {
    Outline outline;
    std::vector<Outline> pieces; // one outline per piece (its outer ring and its holes)
};
BuiltUpUnion unitePlacedOutlines(const std::vector<Outline>& outlines);

// Each part's share of the area and of Ix about the section's centroidal X
// axis, in % (where parts overlap, the steel counts for the part higher in
// the list, so the shares add up to 100).
struct PartShare {
    double area = 0;      // the part's own area, mm2
    double areaShare = 0; // %
    double ixShare = 0;   // %
};

struct BuiltUpResult {
    std::optional<ExactProperties> properties;
    QString error;        // why there are none
    int failedPart = -1;  // the part (0-based) the error is about, if one
    std::vector<Outline> parts; // the placed outlines, in list order
    BuiltUpUnion united;
    std::vector<PartShare> shares;
    bool separatePieces = false; // parts that do not touch: they act together only if connected
};

// The whole computation; a set cancel flag ends it early with an error.
// With separate pieces, It adds up over the pieces and each piece warps with
// its own constant: Iw and the shear centre are those of the least warping.
BuiltUpResult computeBuiltUp(const BuiltUpComposition& composition, const std::atomic<bool>* cancel = nullptr);

// "Snap": how far the part must move in the direction (dx, dy), a unit step
// such as (-1, 0) for left, until it touches another part ahead of it: 0
// when it touches one already, nothing when no part lies ahead.
std::optional<double> snapDistance(const BuiltUpComposition& composition, int partIndex, double dx, double dy);

// The note for a section whose parts do not all touch.
QString separatePiecesNote();
