#include "drawing/overlay.h"
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

TEST(LabelPlaces, ChannelWebThicknessClearOfItsLetter)
{
    const auto r = computeEntry(SectionKind::U, MessageTable::english()(96), ComputeContext{}, {"40", "10", "3", "3"});
    ASSERT_TRUE(r.has_value());
    ASSERT_EQ(r->labels.size(), 5u);
    const QRect web = labelBox(r->labels[3]);
    EXPECT_EQ(r->labels[3].text, QStringLiteral("3.0"));
    // "V1" is written at (116, 87) beside the web's thickness line.
    const QRect letter = textBox(116, 87, QStringLiteral("V1"), 8, true);
    EXPECT_FALSE(web.intersects(letter));
    EXPECT_LE(web.right(), 170); // inside the channel's opening
    for (const char* tw : {"12.5", "10.0"}) {
        DimensionLabel wide = r->labels[3];
        wide.text = QString::fromLatin1(tw);
        EXPECT_FALSE(labelBox(wide).intersects(letter)) << tw;
    }
}
