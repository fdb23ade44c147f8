#include "drawing/overlay.h"
#include "drawing/section_pictures.h"
#include "settings/message_table.h"

#include <QPainter>
#include <gtest/gtest.h>

namespace {
const QRgb White = qRgb(255, 255, 255);
const QRgb Silver = qRgb(192, 192, 192);
const QRgb NavyRgb = qRgb(0, 0, 128);

int countColour(const QImage& image, QRgb colour, QRect area = {})
{
    if (area.isNull())
        area = image.rect();
    int n = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (image.pixel(x, y) == colour)
                ++n;
    return n;
}

// Centre of the silver boxes (label backgrounds) inside an area.
QPointF silverCentre(const QImage& image, QRect area)
{
    long sx = 0, sy = 0, n = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (image.pixel(x, y) == Silver || image.pixel(x, y) == NavyRgb) {
                sx += x;
                sy += y;
                ++n;
            }
    return n ? QPointF(double(sx) / n, double(sy) / n) : QPointF(-1, -1);
}

QImage blankPicture(int w = 240, int h = 160)
{
    QImage image(w, h, QImage::Format_RGB32);
    image.fill(Qt::white);
    return image;
}

DimensionLabelTable oneLabel(int x, int y, const QString& text)
{
    DimensionLabelTable table;
    table.setLabels({{x, y, text}});
    return table;
}
} // namespace

TEST(rotatePicture, HalfTurnMirrorsThroughTheCentre)
{
    QImage source = blankPicture();
    source.setPixel(30, 20, qRgb(255, 0, 0));
    source.setPixel(200, 150, qRgb(0, 255, 0));
    const QImage turned = rotatePicture(source, 120, 80, 3.14159265358979323846L);
    EXPECT_EQ((std::array{turned.pixel(210, 140), turned.pixel(40, 10), turned.pixel(30, 20)}),
              (std::array{qRgb(255, 0, 0), qRgb(0, 255, 0), White}));
    EXPECT_EQ(turned.size(), source.size());
}

TEST(rotatePicture, QuarterTurnAndOutsidePixelsAreWhite)
{
    QImage source = blankPicture();
    source.fill(qRgb(0, 0, 0));
    const QImage turned = rotatePicture(source, 120, 80, 3.14159265358979323846L / 2);
    // Corners map outside a 240 x 160 source after a quarter turn.
    EXPECT_EQ((std::array{turned.pixel(0, 0), turned.pixel(239, 159), turned.pixel(120, 80)}),
              (std::array{White, White, qRgb(0, 0, 0)}));
    // Destination (x, y) samples the source at (cx + dx cos - dy sin, cy + dx sin + dy cos).
    QImage marker = blankPicture();
    marker.setPixel(120 - 10, 80 + 30, qRgb(1, 2, 3));
    const QImage m = rotatePicture(marker, 120, 80, 3.14159265358979323846L / 2);
    EXPECT_EQ(m.pixel(120 + 30, 80 + 10), qRgb(1, 2, 3));
}

TEST(redrawOverlay, UnturnedShowsCaptionsAndNoAxes)
{
    const QImage overlay =
        redrawOverlay(blankPicture(), 0, oneLabel(120, 100, "40"), MessageTable::english());
    // No axis line across the middle row away from the captions.
    EXPECT_EQ(countColour(overlay, NavyRgb, QRect(60, 80, 40, 1)), 0);
    // The label is centred on its position.
    const QPointF c = silverCentre(overlay, QRect(90, 85, 60, 30));
    EXPECT_NEAR(c.x(), 120, 2.5);
    EXPECT_NEAR(c.y(), 100, 2.5);
    // The edge captions sit at their corners.
    EXPECT_GT(countColour(overlay, Silver, QRect(6, 5, 20, 10)), 20);
    EXPECT_GT(countColour(overlay, Silver, QRect(6, 143, 20, 10)), 20);
}

TEST(redrawOverlay, TurnedDrawsAxesAndMovesTheLabel)
{
    // A label at (190, 105) about the centre (118, 79) turned by 90 degrees
    // lands at about (144, 7).
    const QImage picture = blankPicture(237, 158);
    const QImage overlay =
        redrawOverlay(picture, 90, oneLabel(190, 105, "20"), MessageTable::english(), QSize(237, 158));
    EXPECT_GT(countColour(overlay, NavyRgb, QRect(30, 78, 60, 3)), 50); // horizontal axis
    const QPointF c = silverCentre(overlay, QRect(130, 0, 30, 16));
    EXPECT_NEAR(c.x(), 144, 3);
    EXPECT_NEAR(c.y(), 7, 3);
    EXPECT_EQ(countColour(overlay, Silver, QRect(180, 95, 20, 20)), 0);
}

TEST(SectionPictures, TwelveDrawingsOfTheFrameSize)
{
    for (int k = 0; k < PictureKindCount; ++k) {
        const QImage& picture = sectionPicture(static_cast<PictureKind>(k));
        ASSERT_EQ(picture.size(), QSize(240, 160)) << k;
        const int white = countColour(picture, White);
        EXPECT_GT(white, 240 * 160 / 2) << k;
        EXPECT_GT(countColour(picture, NavyRgb), 200) << k;
    }
    EXPECT_EQ(pictureFor(SectionKind::U, UArrangement::Box), PictureKind::UBox);
    EXPECT_EQ(pictureFor(SectionKind::I), PictureKind::I);
}

TEST(SixteenColours, KeepsThePictureColours)
{
    const QImage overlay = redrawOverlay(sectionPicture(PictureKind::RectHollow), 0, oneLabel(120, 20, "40"),
                                         MessageTable::english());
    const QImage reduced = toSixteenColours(overlay);
    EXPECT_LE(reduced.colorCount(), 16);
    EXPECT_EQ(reduced.pixel(3, 3), White);
    // Pixels already in one of the sixteen colours keep it exactly.
    const QImage back = reduced.convertToFormat(QImage::Format_RGB32);
    int kept = 0, exact = 0;
    for (int y = 0; y < overlay.height(); ++y)
        for (int x = 0; x < overlay.width(); ++x) {
            const QRgb c = overlay.pixel(x, y);
            if (c == White || c == Silver || c == NavyRgb || c == qRgb(128, 0, 0)) {
                ++exact;
                kept += back.pixel(x, y) == c;
            }
        }
    EXPECT_GT(exact, 240 * 160 * 9 / 10);
    EXPECT_EQ(kept, exact);
}
