#include "drawing/overlay.h"
#include "drawing/section_pictures.h"
#include "sections/solid.h"
#include "sections/tab_computations.h"
#include "settings/message_table.h"

#include <QFontMetrics>
#include <gtest/gtest.h>

namespace {
// The box a label takes on the picture: its text centred on (x, y).
QRect labelBox(const DimensionLabel& label)
{
    const QFontMetrics metrics(labelFont());
    const int w = metrics.horizontalAdvance(label.text);
    const int h = metrics.height();
    return {label.x - w / 2, label.y - h / 2, w, h};
}

// A letter or caption written with its top-left corner at (x, y).
QRect textBox(int x, int y, const QString& text, int pointSize, bool bold)
{
    QFont font(QStringLiteral("Arial"));
    font.setPointSize(pointSize);
    font.setBold(bold);
    const QFontMetrics metrics(font);
    return {x, y, metrics.horizontalAdvance(text), metrics.height()};
}
} // namespace

TEST(LabelPlaces, FlatBarThicknessSitsBesideItsDimensionLine)
{
    for (const char* b : {"5", "12.5", "40"}) {
        const TabResult r = flatBarCustom(QStringLiteral("100"), QString::fromLatin1(b), ComputeContext{});
        ASSERT_GE(r.labels.size(), 1u);
        const QRect box = labelBox(r.labels[0]);
        EXPECT_EQ(r.labels[0].text, QString::fromLatin1(b));
        // Right of the vertical dimension line at x 212 that spans y 80..106.
        EXPECT_GT(box.left(), 212) << b;
        EXPECT_LT(box.top(), 106) << b;
        EXPECT_GT(box.bottom(), 80) << b;
        EXPECT_LE(box.right(), 240) << b;
        // Clear of the "RIGHT" edge caption written at (205, 82).
        const QRect right = textBox(205, 82, MessageTable::english()(12), 8, true);
        EXPECT_FALSE(box.intersects(right)) << b;
    }
}

namespace {
// The letter the picture writes with that text.
QRect letterBox(PictureKind picture, const QString& text)
{
    for (const PictureLetter& letter : pictureLayout(picture).letters)
        if (letter.text == text)
            return letter.box;
    ADD_FAILURE() << "no letter " << text.toStdString();
    return {};
}
} // namespace

TEST(LabelPlaces, ChannelWebThicknessRightOfItsLetter)
{
    const auto r = computeEntry(SectionKind::U, MessageTable::english()(96), ComputeContext{}, {"40", "10", "3", "3"});
    ASSERT_TRUE(r.has_value());
    ASSERT_EQ(r->labels.size(), 5u);
    EXPECT_EQ(r->labels[3].text, QStringLiteral("3.0"));
    const QRect letter = letterBox(PictureKind::USingle, QStringLiteral("V1"));
    for (const char* tw : {"3.0", "12.5", "10.0"}) {
        DimensionLabel wide = r->labels[3];
        wide.text = QString::fromLatin1(tw);
        const QRect web = labelBox(wide);
        EXPECT_GT(web.left(), letter.right()) << tw;
        EXPECT_LE(web.right(), 186) << tw; // within a few pixels of the flange tips
        EXPECT_TRUE(web.top() <= 93 && web.bottom() >= 93) << tw; // on the mark's line
    }
}

// The stem and flange thickness values of the tee sit at the ends of their
// marks' lines, each clear of its letter.
TEST(LabelPlaces, TeeThicknessValuesBesideTheirMarks)
{
    const auto r = computeEntry(SectionKind::T, QStringLiteral("T100x100x11"), ComputeContext{});
    ASSERT_TRUE(r.has_value());
    ASSERT_EQ(r->labels.size(), 5u);
    const QRect stem = labelBox(r->labels[3]);
    const QRect flange = labelBox(r->labels[4]);
    EXPECT_EQ(r->labels[3].text, QStringLiteral("11.0"));
    const QRect v1 = letterBox(PictureKind::T, QStringLiteral("V1"));
    const QRect v2 = letterBox(PictureKind::T, QStringLiteral("V2"));
    EXPECT_FALSE(stem.intersects(v1));
    EXPECT_FALSE(flange.intersects(v2));
    // The stem mark at y 38 runs to x 140, the flange mark at x 93 starts at y 68.
    EXPECT_TRUE(stem.left() <= 140 && stem.bottom() < 38 && stem.bottom() > 26);
    EXPECT_TRUE(flange.left() <= 93 && flange.right() >= 93 && flange.bottom() < 68 && flange.bottom() > 58);
    // Both letters clear of the centroidal axis at y 80.
    EXPECT_FALSE(v1.top() <= 80 && v1.bottom() >= 80);
    EXPECT_FALSE(v2.top() <= 80 && v2.bottom() >= 80);
}
