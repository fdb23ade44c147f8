#include "catalogue/profile_catalogue.h"
#include "drawing/overlay.h"
#include "drawing/section_pictures.h"
#include "sections/tab_computations.h"
#include "settings/message_table.h"

#include <QFontMetrics>
#include <gtest/gtest.h>

namespace {
constexpr QPoint PictureCentre(SectionPictureSize.width() / 2, SectionPictureSize.height() / 2);

struct Placed {
    QString entry;
    PictureKind picture;
    std::vector<DimensionLabel> labels;
};

// The labels every catalogue row of the kind and its custom section (with
// the fields the custom entry fills in) put on the picture, per arrangement
// for the U tab.
std::vector<Placed> everyLabelling(SectionKind kind)
{
    std::vector<Placed> all;
    const ComputeContext ctx;
    const int arrangements = kind == SectionKind::U ? 3 : 1;
    for (int arrangement = 0; arrangement < arrangements; ++arrangement) {
        for (const MenuEntry& e : builtInMenu(kind)) {
            const auto r = computeEntry(kind, e.text, ctx, {}, arrangement);
            if (!r || r->labels.empty())
                continue;
            all.push_back({e.text, pictureFor(kind, UArrangement(r->pictureVariant)), r->labels});
            if (r->fieldTexts) {
                const auto custom = computeEntry(kind, e.text, ctx, *r->fieldTexts, arrangement);
                if (custom && !custom->labels.empty())
                    all.push_back({e.text + QStringLiteral(" (typed)"),
                                   pictureFor(kind, UArrangement(custom->pictureVariant)), custom->labels});
            }
        }
    }
    return all;
}

QString describe(const QPoint& p)
{
    return QStringLiteral("(%1,%2)").arg(p.x()).arg(p.y());
}

QString describe(const QRect& r)
{
    return QStringLiteral("(%1,%2 %3x%4)").arg(r.x()).arg(r.y()).arg(r.width()).arg(r.height());
}
} // namespace

TEST(PictureLayout, TurningPicturesHaveTheirAxesCrossAtTheCentre)
{
    // The overlay turns a picture about its centre and draws the turned
    // section's axes through it, so they pass through the centroid only
    // when the picture's own axes cross there.
    for (int k = 0; k < SectionKindCount; ++k) {
        const SectionKind kind = SectionKind(k);
        for (UArrangement a : {UArrangement::Single, UArrangement::Box, UArrangement::Pair}) {
            const PictureLayout& layout = pictureLayout(pictureFor(kind, a));
            if (isRotatable(kind)) {
                EXPECT_TRUE(layout.axisCrossing == PictureCentre)
                    << "kind " << k << " arrangement " << int(a) << " axes cross at "
                    << describe(layout.axisCrossing).toStdString();
            }
            EXPECT_GE(layout.letters.size(), 4) << "kind " << k; // at least the axis letters
        }
    }
}

TEST(PictureLayout, LettersAndCaptionsStayInsideThePicture)
{
    const QRect frame(QPoint(0, 0), SectionPictureSize);
    for (int p = 0; p < PictureKindCount; ++p)
        for (const PictureLetter& letter : pictureLayout(PictureKind(p)).letters)
            EXPECT_TRUE(frame.contains(letter.box))
                << "picture " << p << " letter " << describe(letter.box).toStdString();
    // Whole in every built-in language, whatever the angle.
    for (int language = 0; language < 3; ++language)
        for (int angle : {0, 7, 45, 180, 359})
            for (const QRect& caption : overlayCaptionBoxes(MessageTable::forLanguage(language), angle))
                EXPECT_TRUE(frame.contains(caption))
                    << "language " << language << " angle " << angle << " " << describe(caption).toStdString();
    // No letter of a picture lies under an edge caption, in any language.
    for (int language = 0; language < 3; ++language) {
        const QList<QRect> captions = overlayCaptionBoxes(MessageTable::forLanguage(language), 0);
        for (int p = 0; p < PictureKindCount; ++p)
            for (const PictureLetter& letter : pictureLayout(PictureKind(p)).letters)
                for (const QRect& caption : captions)
                    EXPECT_FALSE(letter.box.intersects(caption))
                        << "language " << language << " picture " << p << " letter " << letter.text.toStdString()
                        << " " << describe(letter.box).toStdString() << " under caption "
                        << describe(caption).toStdString();
    }
}

// Every label that any catalogue row or custom section puts on the unturned
// picture stays clear of the picture's letters and of the edge captions.
TEST(PictureLayout, LabelsClearOfLettersAndCaptions)
{
    const QFontMetrics metrics(labelFont());
    const QList<QRect> captions = overlayCaptionBoxes(MessageTable::english(), 0);
    for (int k = 0; k < SectionKindCount; ++k) {
        if (SectionKind(k) == SectionKind::Plate)
            continue; // its two lengths are written by the plate picture itself
        const std::vector<Placed> placed = everyLabelling(SectionKind(k));
        ASSERT_FALSE(placed.empty()) << "kind " << k;

        int faults = 0;
        for (const Placed& p : placed) {
            const PictureLayout& layout = pictureLayout(p.picture);
            for (const DimensionLabel& label : p.labels) {
                if (label.text.isEmpty())
                    continue;
                const QRect box = rotatedLabelBox(metrics, PictureCentre.x(), PictureCentre.y(), 0, label.x,
                                                  label.y, label.text);
                QList<QRect> others = captions;
                for (const PictureLetter& letter : layout.letters)
                    others.append(letter.box);
                for (const QRect& other : others) {
                    if (box.intersects(other) && faults++ < 400)
                        ADD_FAILURE() << "kind " << k << " " << p.entry.toStdString() << ": label "
                                      << label.text.toStdString() << " " << describe(box).toStdString()
                                      << " meets " << describe(other).toStdString();
                }
            }
        }
        EXPECT_EQ(faults, 0) << "kind " << k;
    }
}
