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
    explicit Sketch(QImage& image) : m_p(&image)
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
        for (int k = -PictureHeight; k < PictureWidth + PictureHeight; k += 5)
            m_p.drawLine(k, PictureHeight, k + PictureHeight, 0);
        m_p.restore();
        outline(shape);
    }

    void outline(const QPainterPath& shape)
    {
        m_p.setPen(QPen(Navy, 2));
        m_p.setBrush(Qt::NoBrush);
        m_p.drawPath(shape);
    }

    // Dash-dot centroidal axes through (x, y) with their letters at both ends.
    void axes(int x, int y, int left, int right, int top, int bottom, const QString& xName, const QString& yName)
    {
        QPen pen(AxisColour, 1, Qt::DashDotLine);
        m_p.setPen(pen);
        m_p.drawLine(left, y, right, y);
        m_p.drawLine(x, top, x, bottom);
        m_p.setPen(AxisColour);
        text(left - 9, y - 6, xName);
        text(right + 2, y - 6, xName);
        text(x + 3, top - 2, yName);
        text(x + 3, bottom - 10, yName);
    }

    // Horizontal dimension from x1 to x2 at height y, with extension lines
    // down (or up) to the edge at edgeY.
    void dimH(int x1, int x2, int y, int edgeY, const QString& letter = {}, int letterX = -1)
    {
        m_p.setPen(QPen(Navy, 1));
        m_p.drawLine(x1, y, x2, y);
        m_p.drawLine(x1, edgeY, x1, y + (y < edgeY ? -3 : 3));
        m_p.drawLine(x2, edgeY, x2, y + (y < edgeY ? -3 : 3));
        arrow(x1, y, 1, 0);
        arrow(x2, y, -1, 0);
        if (!letter.isEmpty())
            text(letterX >= 0 ? letterX : x1 + 4, y - 12, letter);
    }

    void dimV(int y1, int y2, int x, int edgeX, const QString& letter = {}, int letterY = -1)
    {
        m_p.setPen(QPen(Navy, 1));
        m_p.drawLine(x, y1, x, y2);
        m_p.drawLine(edgeX, y1, x + (x < edgeX ? -3 : 3), y1);
        m_p.drawLine(edgeX, y2, x + (x < edgeX ? -3 : 3), y2);
        arrow(x, y1, 0, 1);
        arrow(x, y2, 0, -1);
        if (!letter.isEmpty())
            text(x + (x < edgeX ? -12 : 4), letterY >= 0 ? letterY : y1 + 2, letter);
    }

    // A thickness mark: two arrows pointing at the faces from outside.
    void thicknessH(int x1, int x2, int y, const QString& letter = {})
    {
        m_p.setPen(QPen(Navy, 1));
        m_p.drawLine(x1 - 12, y, x2 + 12, y);
        arrow(x1, y, -1, 0);
        arrow(x2, y, 1, 0);
        if (!letter.isEmpty())
            text(x2 + 14, y - 6, letter);
    }

    void thicknessV(int y1, int y2, int x, const QString& letter = {})
    {
        m_p.setPen(QPen(Navy, 1));
        m_p.drawLine(x, y1 - 12, x, y2 + 12);
        arrow(x, y1, 0, -1);
        arrow(x, y2, 0, 1);
        if (!letter.isEmpty())
            text(x + 3, y1 - 14, letter);
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
    s.axes(120, 80, 55, 185, 32, 128, "X", "Y");
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
    s.axes(120, 85, 52, 188, 22, 148, "X", "Y");
    s.dimH(62, 178, 16, 85, Diameter, 68);
    // Wall mark at the lower left, across the ring.
    s.radialMark(120, 85, 48, 58, 225);
}

void drawRectSolid(Sketch& s)
{
    s.material(rect(80, 40, 80, 80));
    s.axes(120, 80, 65, 175, 32, 128, "X", "Y");
    s.dimH(80, 160, 26, 40, "A", 84);
    s.dimV(40, 120, 182, 160, "B", 44);
}

void drawCircSolid(Sketch& s)
{
    QPainterPath disc;
    disc.addEllipse(QPointF(120, 88), 55, 55);
    s.material(disc);
    s.axes(120, 88, 55, 185, 28, 150, "X", "Y");
    s.dimH(65, 175, 20, 88, Diameter, 72);
}

void drawFlatBar(Sketch& s)
{
    s.material(rect(40, 80, 160, 26));
    s.axes(120, 93, 28, 212, 60, 122, "x", "y");
    s.dimH(40, 200, 48, 80, "A", 46);
    s.dimV(80, 106, 212, 200, "B", 82);
}

void drawL(Sketch& s)
{
    // Long leg upright on the left, the other along the bottom to the right.
    s.material(polygon({{70, 20}, {84, 20}, {84, 108}, {190, 108}, {190, 122}, {70, 122}}));
    s.axes(95, 97, 60, 200, 12, 132, "x", "y");
    s.dimV(20, 122, 40, 70);
    s.dimH(70, 190, 146, 122);
    s.dimH(95, 190, 130, 122); // centroid to the tip of the level leg
    s.dimV(20, 97, 66, 70);    // centroid to the tip of the upright leg
    s.thicknessH(70, 84, 32);
}

void drawT(Sketch& s)
{
    s.material(polygon({{112, 25}, {128, 25}, {128, 100}, {190, 100}, {190, 115}, {50, 115}, {50, 100}, {112, 100}}));
    s.axes(120, 88, 38, 202, 12, 124, "x", "y");
    s.dimV(25, 115, 76, 50, "B", 28);
    s.dimH(50, 190, 136, 115, "A", 54);
    s.dimV(25, 88, 170, 128);
    s.thicknessH(112, 128, 32, "V1");
    s.thicknessV(100, 115, 93, "V2");
}

void drawUSingle(Sketch& s)
{
    s.material(polygon({{90, 25}, {170, 25}, {170, 37}, {102, 37}, {102, 123}, {170, 123}, {170, 135}, {90, 135}}));
    s.axes(112, 80, 62, 190, 14, 146, "x", "y");
    s.dimV(25, 135, 70, 90, "B", 28);
    s.dimH(90, 170, 148, 135, "A", 94);
    s.dimH(112, 170, 56, 37);
    s.thicknessH(90, 102, 93, "V1");
    s.thicknessV(25, 37, 180, "V2");
}

void drawUBox(Sketch& s)
{
    QPainterPath box = polygon({{70, 25}, {170, 25}, {170, 135}, {70, 135}});
    box.addPolygon(QPolygonF(QPolygon(QList<QPoint>{{82, 37}, {158, 37}, {158, 123}, {82, 123}})));
    box.setFillRule(Qt::OddEvenFill);
    s.material(box);
    s.outline(polygon({{120, 25}, {120, 37}})); // the joint of the two channels
    s.outline(polygon({{120, 123}, {120, 135}}));
    s.axes(120, 80, 50, 190, 14, 146, "X", "Y");
    s.dimV(25, 135, 48, 70, "B", 28);
    s.dimH(70, 170, 146, 135, "A", 74);
    s.thicknessH(70, 82, 95, "V1");
    s.thicknessV(25, 37, 100, "V2");
}

void drawUPair(Sketch& s)
{
    s.material(polygon({{60, 30}, {180, 30}, {180, 42}, {126, 42}, {126, 118}, {180, 118}, {180, 130},
                        {60, 130}, {60, 118}, {114, 118}, {114, 42}, {60, 42}}));
    s.outline(polygon({{120, 42}, {120, 118}})); // the backs of the two webs
    s.axes(120, 80, 45, 195, 20, 142, "X", "Y");
    s.dimH(120, 180, 18, 30, "A", 150);
    s.dimV(30, 130, 50, 60, "B", 32);
    s.thicknessH(114, 126, 94, "V1");
    s.thicknessV(30, 42, 196, "V2");
}

void drawI(Sketch& s)
{
    s.material(polygon({{70, 25}, {170, 25}, {170, 37}, {126, 37}, {126, 113}, {170, 113}, {170, 125},
                        {70, 125}, {70, 113}, {114, 113}, {114, 37}, {70, 37}}));
    s.axes(120, 75, 55, 185, 14, 136, "X", "Y");
    s.dimH(70, 170, 140, 125, "A", 74);
    s.dimV(25, 125, 52, 70, "B", 28);
    s.thicknessV(25, 37, 180, "V2");
    s.thicknessH(114, 126, 95, "V1");
}

void drawPlate(Sketch& s)
{
    s.outline(rect(60, 25, 100, 100));
    s.axes(110, 75, 48, 172, 15, 135, "x", "y");
    s.dimH(60, 160, 18, 25, "a", 64);
    s.dimV(25, 125, 168, 160, "b", 30);
}

QImage draw(PictureKind kind)
{
    QImage image(PictureWidth, PictureHeight, QImage::Format_RGB32);
    image.fill(Qt::white);
    Sketch s(image);
    switch (kind) {
    case PictureKind::RectHollow: drawRectHollow(s); break;
    case PictureKind::CircHollow: drawCircHollow(s); break;
    case PictureKind::RectSolid: drawRectSolid(s); break;
    case PictureKind::CircSolid: drawCircSolid(s); break;
    case PictureKind::FlatBar: drawFlatBar(s); break;
    case PictureKind::L: drawL(s); break;
    case PictureKind::T: drawT(s); break;
    case PictureKind::Plate: drawPlate(s); break;
    case PictureKind::USingle: drawUSingle(s); break;
    case PictureKind::UBox: drawUBox(s); break;
    case PictureKind::UPair: drawUPair(s); break;
    case PictureKind::I: drawI(s); break;
    }
    return image;
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
    static std::array<QImage, PictureKindCount> pictures;
    QImage& picture = pictures[std::size_t(kind)];
    if (picture.isNull())
        picture = draw(kind);
    return picture;
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
