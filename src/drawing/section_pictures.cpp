#include "drawing/section_pictures.h"

#include <QPainter>
#include <QPainterPath>
#include <array>
#include <cmath>

namespace {
const QColor Navy(0, 0, 128);
const QColor Hatch(0, 0, 128);
const QColor AxisColour(128, 0, 0);

class Sketch {
public:
    Sketch(QImage& image, PictureLayout& layout) : m_p(&image), m_layout(layout)
    {
        m_p.setRenderHint(QPainter::Antialiasing, false);
        QFont font(QStringLiteral("Arial"));
        font.setPointSize(8);
        font.setBold(true);
        m_p.setFont(font);
    }

    // Cut material: hatched with thin diagonal lines, outlined in navy.
    void material(const QPainterPath& shape)
    {
        m_p.save();
        m_p.setClipPath(shape);
        m_p.setPen(QPen(Hatch, 1));
        constexpr int width = SectionPictureSize.width();
        constexpr int height = SectionPictureSize.height();
        for (int k = -height; k < width + height; k += 5)
            m_p.drawLine(k, height, k + height, 0);
        m_p.restore();
        outline(shape);
    }

    void outline(const QPainterPath& shape)
    {
        m_p.setPen(QPen(Navy, 2));
        m_p.setBrush(Qt::NoBrush);
        m_p.drawPath(shape);
    }

    // Where the letters at the axis ends go: beside the ends of the
    // horizontal axis (centred on it, or above it where a caption or a value
    // sits beside the end) and right or left of the vertical axis's ends.
    enum class Ends { Beside, Above };
    enum class Side { Right, Left };

    // Dash-dot centroidal axes through (x, y) with their letters at both ends.
    void axes(int x, int y, int left, int right, int top, int bottom, const QString& xName, const QString& yName,
              Ends ends = Ends::Beside, Side bottomSide = Side::Right)
    {
        m_layout.axisCrossing = QPoint(x, y);
        QPen pen(AxisColour, 1, Qt::DashDotLine);
        m_p.setPen(pen);
        m_p.drawLine(left, y, right, y);
        m_p.drawLine(x, top, x, bottom);
        m_p.setPen(AxisColour);
        const int endY = ends == Ends::Above ? y - 18 : y - 6;
        text(left - 9, endY, xName);
        text(right + 2, endY, xName);
        text(x + 3, top - 2, yName);
        text(bottomSide == Side::Right ? x + 3 : x - 11, bottom - 10, yName);
    }

    // Horizontal dimension from x1 to x2 at height y, with extension lines
    // down (or up) to the edge at edgeY.
    void dimH(int x1, int x2, int y, int edgeY, const QString& letter = {}, int letterX = -1)
    {
        dimH(x1, x2, y, edgeY, edgeY, letter, letterX);
    }

    // The same with the extension lines from two edges (edge1Y under x1).
    void dimH(int x1, int x2, int y, int edge1Y, int edge2Y, const QString& letter, int letterX = -1,
              int letterY = -1)
    {
        m_p.setPen(QPen(Navy, 1));
        m_p.drawLine(x1, y, x2, y);
        m_p.drawLine(x1, edge1Y, x1, y + (y < edge1Y ? -3 : 3));
        m_p.drawLine(x2, edge2Y, x2, y + (y < edge2Y ? -3 : 3));
        arrow(x1, y, 1, 0);
        arrow(x2, y, -1, 0);
        if (!letter.isEmpty())
            text(letterX >= 0 ? letterX : x1 + 4, letterY >= 0 ? letterY : y - 12, letter);
    }

    void dimV(int y1, int y2, int x, int edgeX, const QString& letter = {}, int letterY = -1)
    {
        dimV(y1, y2, x, edgeX, edgeX, letter, letterY);
    }

    // The same with the extension lines from two edges (edge1X beside y1).
    void dimV(int y1, int y2, int x, int edge1X, int edge2X, const QString& letter, int letterY = -1)
    {
        m_p.setPen(QPen(Navy, 1));
        m_p.drawLine(x, y1, x, y2);
        m_p.drawLine(edge1X, y1, x + (x < edge1X ? -3 : 3), y1);
        m_p.drawLine(edge2X, y2, x + (x < edge2X ? -3 : 3), y2);
        arrow(x, y1, 0, 1);
        arrow(x, y2, 0, -1);
        if (!letter.isEmpty())
            text(x + (x < edge1X ? -12 : 4), letterY >= 0 ? letterY : y1 + 2, letter);
    }

    // A thickness mark: two arrows pointing at the faces from outside, the
    // line running on by `before` and `after` pixels; the letter at
    // (letterX, letterY).
    void thicknessH(int x1, int x2, int y, const QString& letter = {}, int letterX = 0, int letterY = 0,
                    int before = 12, int after = 12)
    {
        m_p.setPen(QPen(Navy, 1));
        m_p.drawLine(x1 - before, y, x2 + after, y);
        arrow(x1, y, -1, 0);
        arrow(x2, y, 1, 0);
        if (!letter.isEmpty())
            text(letterX, letterY, letter);
    }

    void thicknessV(int y1, int y2, int x, const QString& letter = {}, int letterX = 0, int letterY = 0,
                    int before = 12, int after = 12)
    {
        m_p.setPen(QPen(Navy, 1));
        m_p.drawLine(x, y1 - before, x, y2 + after);
        arrow(x, y1, 0, -1);
        arrow(x, y2, 0, 1);
        if (!letter.isEmpty())
            text(letterX, letterY, letter);
    }

    // A wall mark along a radius: arrows pointing at the inner and outer
    // circle from either side, at the given direction (degrees, y up).
    void radialMark(int cx, int cy, int inner, int outer, int degrees)
    {
        const double a = degrees * 3.14159265358979 / 180.0;
        const auto at = [&](double r) { return QPointF(cx + r * std::cos(a), cy - r * std::sin(a)); };
        m_p.setPen(QPen(Navy, 1));
        m_p.drawLine(at(inner - 14), at(outer + 16));
        for (auto [r, dir] : {std::pair{double(inner), -1.0}, std::pair{double(outer), 1.0}}) {
            const QPointF tip = at(r);
            const QPointF back = at(r + 6 * dir);
            const QPointF side(-(back - tip).y() / 3, (back - tip).x() / 3);
            m_p.setBrush(Navy);
            m_p.drawPolygon(QPolygonF{tip, back + side, back - side});
            m_p.setBrush(Qt::NoBrush);
        }
    }

    void leader(int x1, int y1, int x2, int y2)
    {
        m_p.setPen(QPen(Navy, 1));
        m_p.drawLine(x1, y1, x2, y2);
    }

    void text(int x, int y, const QString& s)
    {
        m_p.drawText(QRect(x, y, 40, 14), Qt::AlignLeft | Qt::AlignTop, s);
        const QFontMetrics metrics(m_p.font());
        m_layout.letters.append({s, metrics.boundingRect(QRect(x, y, 40, 14), Qt::AlignLeft | Qt::AlignTop, s)});
    }

    QPainter& painter() { return m_p; }

private:
    // An arrow tick at (x, y) whose point lies at (x, y), opening along (dx, dy).
    void arrow(int x, int y, int dx, int dy)
    {
        QPolygon head;
        head << QPoint(x, y) << QPoint(x + 6 * dx - 2 * dy, y + 6 * dy - 2 * dx)
             << QPoint(x + 6 * dx + 2 * dy, y + 6 * dy + 2 * dx);
        m_p.setBrush(Navy);
        m_p.setPen(QPen(Navy, 1));
        m_p.drawPolygon(head);
        m_p.setBrush(Qt::NoBrush);
    }

    QPainter m_p;
    PictureLayout& m_layout;
};

QPainterPath rect(int x, int y, int w, int h)
{
    QPainterPath path;
    path.addRect(x, y, w, h);
    return path;
}

QPainterPath polygon(std::initializer_list<QPoint> points)
{
    QPainterPath path;
    path.addPolygon(QPolygonF(QPolygon(QList<QPoint>(points))));
    path.closeSubpath();
    return path;
}

const QString Diameter = QString(QChar(0x00D8));

void drawRectHollow(Sketch& s)
{
    QPainterPath ring = rect(70, 40, 100, 80);
    ring.addRect(80, 50, 80, 60);
    ring.setFillRule(Qt::OddEvenFill);
    s.material(ring);
    s.axes(120, 80, 55, 183, 32, 128, "X", "Y");
    s.dimH(70, 170, 24, 40, "A", 74);
    s.dimV(40, 120, 196, 170, "B", 44);
    s.thicknessH(70, 80, 112);
    s.leader(58, 112, 74, 125);
}

void drawCircHollow(Sketch& s)
{
    QPainterPath ring;
    ring.addEllipse(QPointF(120, 85), 58, 58);
    ring.addEllipse(QPointF(120, 85), 48, 48);
    ring.setFillRule(Qt::OddEvenFill);
    s.material(ring);
    s.axes(120, 85, 52, 182, 22, 148, "X", "Y");
    s.dimH(62, 178, 16, 85, Diameter, 68);
    // Wall mark at the lower left, across the ring.
    s.radialMark(120, 85, 48, 58, 225);
}

void drawRectSolid(Sketch& s)
{
    s.material(rect(80, 40, 80, 80));
    // The right axis end stops short of the height's value at (192, 82).
    s.axes(120, 80, 65, 168, 32, 128, "X", "Y");
    s.dimH(80, 160, 26, 40, "A", 84);
    s.dimV(40, 120, 182, 160, "B", 44);
}

void drawCircSolid(Sketch& s)
{
    QPainterPath disc;
    disc.addEllipse(QPointF(120, 88), 55, 55);
    s.material(disc);
    s.axes(120, 88, 55, 183, 28, 150, "X", "Y");
    s.dimH(65, 175, 20, 88, Diameter, 72);
}

// The turning pictures have their centroidal axes cross at the picture's
// centre (120, 80), the point the overlay turns them about. Letters at the
// right end of a horizontal axis stay left of x 194 or above y 82, where the
// longest "RIGHT" caption (Dutch) begins.

void drawFlatBar(Sketch& s)
{
    s.material(rect(40, 67, 160, 26));
    // Axis letters above the ends: the right end meets the "RIGHT" caption.
    s.axes(120, 80, 28, 206, 54, 106, "x", "y", Sketch::Ends::Above);
    s.dimH(40, 200, 48, 67, "A", 46);
    // The height at the right end; its line runs on down to the thickness
    // value written beside it under the "RIGHT" caption.
    s.dimV(67, 93, 212, 200, "B", 50);
    s.leader(212, 93, 212, 104);
}

void drawL(Sketch& s)
{
    // Long leg upright on the left, the other along the bottom to the right;
    // heel at (94, 106), legs 92 long and 14 thick, so that the centroid
    // (28 from the outer faces) lies at the picture's centre.
    s.material(polygon({{94, 14}, {108, 14}, {108, 92}, {186, 92}, {186, 106}, {94, 106}}));
    s.axes(120, 80, 66, 192, 8, 152, "x", "y", Sketch::Ends::Above);
    s.dimV(14, 106, 50, 94);              // leg P, its value at (50, 49)
    s.dimV(14, 80, 78, 94, 108, QString()); // tip of P to the centroid, value at (78, 44)
    s.dimH(94, 186, 135, 106);              // leg Q, value at (122, 135)
    s.dimH(120, 186, 119, 80, 106, QString()); // centroid to the tip of Q, value at (138, 119)
    s.thicknessH(94, 108, 26, {}, 0, 0, 10, 10);
}

void drawT(Sketch& s)
{
    // Stem 16 wide from y 15 to the flange, flange 100 by 18: the centroid
    // lies on the picture's centre line.
    s.material(polygon({{112, 15}, {128, 15}, {128, 90}, {170, 90}, {170, 108}, {70, 108}, {70, 90}, {112, 90}}));
    s.axes(120, 80, 50, 192, 8, 150, "x", "y", Sketch::Ends::Above);
    s.dimV(15, 108, 64, 112, 70, "B", 20);         // height, value at (64, 70)
    s.dimH(70, 170, 125, 108, 108, "A", 74, 127);  // flange width, value at (120, 125)
    s.dimV(15, 80, 175, 128);                      // stem tip to the centroid, value at (175, 62)
    // Stem thickness under its value at (140, 26), flange thickness under
    // its value at (93, 61).
    s.thicknessH(112, 128, 38, "V1", 86, 31);
    s.thicknessV(90, 108, 93, "V2", 78, 110, 22, 12);
}

void drawUSingle(Sketch& s)
{
    s.material(polygon({{98, 25}, {178, 25}, {178, 37}, {110, 37}, {110, 123}, {178, 123}, {178, 135}, {98, 135}}));
    s.axes(120, 80, 70, 192, 14, 145, "x", "y", Sketch::Ends::Above);
    s.dimV(25, 135, 78, 98, "B", 28);
    s.dimH(98, 178, 148, 135, "A", 102);
    s.dimH(120, 178, 56, 37);
    s.thicknessH(98, 110, 93, "V1", 124, 87);
    s.thicknessV(25, 37, 188, "V2", 191, 11);
}

void drawUBox(Sketch& s)
{
    QPainterPath box = polygon({{70, 25}, {170, 25}, {170, 135}, {70, 135}});
    box.addPolygon(QPolygonF(QPolygon(QList<QPoint>{{82, 37}, {158, 37}, {158, 123}, {82, 123}})));
    box.setFillRule(Qt::OddEvenFill);
    s.material(box);
    s.outline(polygon({{120, 25}, {120, 37}})); // the joint of the two channels
    s.outline(polygon({{120, 123}, {120, 135}}));
    s.axes(120, 80, 38, 190, 14, 146, "X", "Y", Sketch::Ends::Above); // left letter beyond the height line
    s.dimV(25, 135, 48, 70, "B", 28);
    s.dimH(70, 170, 146, 135, 135, "A", 150, 133);
    // The letters inside the box, clear of the values beside the marks.
    s.thicknessH(70, 82, 95, "V1", 83, 103);
    s.thicknessV(25, 37, 100, "V2", 103, 40);
}

void drawUPair(Sketch& s)
{
    s.material(polygon({{60, 30}, {180, 30}, {180, 42}, {126, 42}, {126, 118}, {180, 118}, {180, 130},
                        {60, 130}, {60, 118}, {114, 118}, {114, 42}, {60, 42}}));
    s.outline(polygon({{120, 42}, {120, 118}})); // the backs of the two webs
    s.axes(120, 80, 48, 192, 20, 142, "X", "Y", Sketch::Ends::Above);
    s.dimH(120, 180, 12, 30, 30, "A", 183, 5);
    s.dimV(30, 130, 50, 60, "B", 32);
    s.thicknessH(114, 126, 94, "V1", 86, 88);
    s.thicknessV(30, 42, 196, "V2", 199, 16);
}

void drawI(Sketch& s)
{
    s.material(polygon({{70, 30}, {170, 30}, {170, 42}, {126, 42}, {126, 118}, {170, 118}, {170, 130},
                        {70, 130}, {70, 118}, {114, 118}, {114, 42}, {70, 42}}));
    s.axes(120, 80, 45, 185, 17, 141, "X", "Y", Sketch::Ends::Above);
    s.dimH(70, 170, 145, 130, "A", 74);
    s.dimV(30, 130, 52, 70, "B", 33);
    s.thicknessV(30, 42, 180, "V2", 183, 16);
    s.thicknessH(114, 126, 100, "V1", 86, 94);
}

void drawPlate(Sketch& s)
{
    s.outline(rect(60, 25, 100, 100));
    s.axes(110, 75, 48, 172, 15, 135, "x", "y");
    s.dimH(60, 160, 18, 25, "a", 64);
    s.dimV(25, 125, 168, 160, "b", 30);
}

QImage draw(PictureKind kind, PictureLayout& layout)
{
    QImage image(SectionPictureSize, QImage::Format_RGB32);
    image.fill(Qt::white);
    Sketch s(image, layout);
    // In the order of PictureKind.
    static constexpr void (*Drawers[])(Sketch&) = {drawRectHollow, drawCircHollow, drawRectSolid, drawCircSolid,
                                                   drawFlatBar,    drawL,          drawT,         drawPlate,
                                                   drawUSingle,    drawUBox,       drawUPair,     drawI};
    static_assert(std::size(Drawers) == PictureKindCount);
    Drawers[static_cast<std::size_t>(kind)](s);
    return image;
}

struct Drawn {
    QImage image;
    PictureLayout layout;
};

// All twelve are drawn together on first use; the static's initialisation
// is what makes a first use from several threads at once safe.
const Drawn& drawn(PictureKind kind)
{
    static const std::array<Drawn, PictureKindCount> pictures = [] {
        std::array<Drawn, PictureKindCount> all;
        for (int k = 0; k < PictureKindCount; ++k)
            all[std::size_t(k)].image = draw(PictureKind(k), all[std::size_t(k)].layout);
        return all;
    }();
    return pictures[std::size_t(kind)];
}
} // namespace

PictureKind pictureFor(SectionKind kind, UArrangement arrangement)
{
    switch (kind) {
    case SectionKind::RectHollow: return PictureKind::RectHollow;
    case SectionKind::CircHollow: return PictureKind::CircHollow;
    case SectionKind::RectSolid: return PictureKind::RectSolid;
    case SectionKind::CircSolid: return PictureKind::CircSolid;
    case SectionKind::FlatBar: return PictureKind::FlatBar;
    case SectionKind::L: return PictureKind::L;
    case SectionKind::T: return PictureKind::T;
    case SectionKind::Plate: return PictureKind::Plate;
    case SectionKind::U:
        return arrangement == UArrangement::Box ? PictureKind::UBox
               : arrangement == UArrangement::Pair ? PictureKind::UPair
                                                   : PictureKind::USingle;
    case SectionKind::I: return PictureKind::I;
    }
    return PictureKind::RectHollow;
}

const QImage& sectionPicture(PictureKind kind)
{
    return drawn(kind).image;
}

const PictureLayout& pictureLayout(PictureKind kind)
{
    return drawn(kind).layout;
}

QImage platePicture(bool chosen, const QString& length1, const QString& length2)
{
    QImage image = sectionPicture(PictureKind::Plate).copy();
    QPainter p(&image);
    QFont font(QStringLiteral("Arial"));
    font.setPointSize(8);
    p.setFont(font);
    p.fillRect(QRect(QPoint(165, 95), QPoint(190, 107)), Qt::white);
    p.fillRect(QRect(QPoint(103, 5), QPoint(133, 17)), Qt::white);
    p.setPen(QColor(0, 0, 128));
    if (chosen) {
        p.drawText(QRect(165, 95, 60, 14), Qt::AlignLeft | Qt::AlignTop, length2);
        p.drawText(QRect(103, 5, 60, 14), Qt::AlignLeft | Qt::AlignTop, length1);
    }
    return image;
}
