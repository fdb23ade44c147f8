#include "builtup/builtup_listing.h"

#include "base/number_format.h"

#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>
#include <numbers>

namespace {

// mm4 to cm4, mm3 to cm3, mm6 to cm6: the stored units of the list.
constexpr double Cm4 = 1e4, Cm3 = 1e3, Cm6 = 1e6;

QPainterPath outlinePath(const Outline& outline, const QTransform& t)
{
    QPainterPath path;
    path.setFillRule(Qt::OddEvenFill);
    for (const OutlineRing& ring : outline.rings) {
        if (ring.points.empty())
            continue;
        QPolygonF polygon;
        for (const OutlinePoint& p : ring.points)
            polygon << t.map(QPointF(p.x, p.y));
        polygon << polygon.first();
        path.addPolygon(polygon);
    }
    return path;
}

} // namespace

std::vector<BuiltUpValue> builtUpValues(const ExactProperties& e, const UnitSettings& units, double density)
{
    const double area = double(unitDivisor(units, UnitGroup::Area));
    const double inertia = double(unitDivisor(units, UnitGroup::Inertia));
    const double modulus = double(unitDivisor(units, UnitGroup::Modulus));
    const QString areaUnit = unitText(units, UnitGroup::Area), inertiaUnit = unitText(units, UnitGroup::Inertia),
                  modulusUnit = unitText(units, UnitGroup::Modulus);
    QString warpingUnit = inertiaUnit;
    warpingUnit.replace(QLatin1Char('4'), QLatin1Char('6'));
    const QString mm = QStringLiteral("[mm]");
    return {
        {QStringLiteral("A"), e.area / area, areaUnit},
        {QStringLiteral("G"), density * e.area / 1e6, QStringLiteral("[Kg/m]")},
        {QStringLiteral("Ix"), e.ix / Cm4 / inertia, inertiaUnit},
        {QStringLiteral("Iy"), e.iy / Cm4 / inertia, inertiaUnit},
        {QStringLiteral("Ixy"), e.ixy / Cm4 / inertia, inertiaUnit},
        {QStringLiteral("I1"), e.i1 / Cm4 / inertia, inertiaUnit},
        {QStringLiteral("I2"), e.i2 / Cm4 / inertia, inertiaUnit},
        {QStringLiteral("alpha"), e.alpha, QStringLiteral("[deg]")},
        {QStringLiteral("Kx above"), e.welXAbove / Cm3 / modulus, modulusUnit},
        {QStringLiteral("Kx under"), e.welXUnder / Cm3 / modulus, modulusUnit},
        {QStringLiteral("Ky left"), e.welYLeft / Cm3 / modulus, modulusUnit},
        {QStringLiteral("Ky right"), e.welYRight / Cm3 / modulus, modulusUnit},
        {QStringLiteral("Wpl x"), e.wplX / Cm3 / modulus, modulusUnit},
        {QStringLiteral("Wpl y"), e.wplY / Cm3 / modulus, modulusUnit},
        {QStringLiteral("It"), e.it / Cm4 / inertia, inertiaUnit},
        {QStringLiteral("Iw"), e.iw / Cm6 / std::pow(inertia, 1.5), warpingUnit},
        {QStringLiteral("Kt"), e.ktDefined ? e.kt / Cm3 / modulus : std::numeric_limits<double>::quiet_NaN(), modulusUnit},
        {QStringLiteral("xs"), e.xs, mm},
        {QStringLiteral("ys"), e.ys, mm},
        {QStringLiteral("xc"), e.xc, mm},
        {QStringLiteral("yc"), e.yc, mm},
    };
}

QString builtUpValueText(double value)
{
    if (std::isnan(value))
        return QStringLiteral("-"); // not defined for this outline
    return formatFixed(value, std::abs(value) >= 0.01 ? 2 : 10);
}

QColor partColour(int part)
{
    static const std::array<QColor, 8> colours{QColor(255, 0, 0),   QColor(0, 0, 255),   QColor(0, 128, 0),
                                               QColor(255, 0, 255), QColor(0, 128, 128), QColor(128, 0, 0),
                                               QColor(128, 0, 128), QColor(128, 128, 0)};
    return colours[std::size_t(std::max(0, part)) % colours.size()];
}

QImage builtUpPicture(const BuiltUpResult& result, QSize size, int selectedPart)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::white);
    double xMin = std::numeric_limits<double>::max(), xMax = -xMin, yMin = xMin, yMax = -xMin;
    for (const Outline& part : result.parts)
        for (const OutlineRing& ring : part.rings)
            for (const OutlinePoint& p : ring.points) {
                xMin = std::min(xMin, p.x), xMax = std::max(xMax, p.x);
                yMin = std::min(yMin, p.y), yMax = std::max(yMax, p.y);
            }
    if (result.parts.empty() || !(xMax > xMin) || !(yMax > yMin))
        return image;
    const double margin = 12;
    const double scale = std::min((size.width() - 2 * margin) / (xMax - xMin), (size.height() - 2 * margin) / (yMax - yMin));
    // y up, the parts' box centred.
    QTransform t;
    t.translate(size.width() / 2.0, size.height() / 2.0);
    t.scale(scale, -scale);
    t.translate(-(xMin + xMax) / 2, -(yMin + yMax) / 2);

    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing, false);
    if (result.properties)
        painter.fillPath(outlinePath(result.united.outline, t), QColor(192, 192, 192));
    for (std::size_t i = 0; i < result.parts.size(); ++i) {
        painter.setPen(QPen(partColour(int(i)), int(i) == selectedPart ? 3 : 1));
        painter.setBrush(Qt::NoBrush);
        painter.drawPath(outlinePath(result.parts[i], t));
    }
    if (!result.properties)
        return image;
    const ExactProperties& e = *result.properties;
    const QPointF c = t.map(QPointF(e.xc, e.yc));
    // Extreme fibres: dashed lines along the section's edges.
    painter.setPen(QPen(QColor(128, 128, 128), 1, Qt::DashLine));
    for (double y : {e.yc + e.yAbove, e.yc - e.yUnder})
        painter.drawLine(QLineF(t.map(QPointF(xMin, y)), t.map(QPointF(xMax, y))));
    for (double x : {e.xc - e.xLeft, e.xc + e.xRight})
        painter.drawLine(QLineF(t.map(QPointF(x, yMin)), t.map(QPointF(x, yMax))));
    // Principal axes through the centroid: 1 solid, 2 dash-dotted.
    const double reach = std::hypot(xMax - xMin, yMax - yMin) * 0.6;
    const double a = e.alpha * std::numbers::pi / 180;
    const QPointF u(std::cos(a) * reach, std::sin(a) * reach), v(-std::sin(a) * reach, std::cos(a) * reach);
    const QPointF centre(e.xc, e.yc);
    painter.setPen(QPen(QColor(0, 0, 128), 1));
    painter.drawLine(QLineF(t.map(centre - u), t.map(centre + u)));
    painter.setPen(QPen(QColor(0, 0, 128), 1, Qt::DashDotLine));
    painter.drawLine(QLineF(t.map(centre - v), t.map(centre + v)));
    // The centroid: a cross in a circle; the shear centre: a filled square.
    painter.setPen(QPen(Qt::black, 1));
    painter.drawEllipse(c, 4, 4);
    painter.drawLine(c - QPointF(6, 0), c + QPointF(6, 0));
    painter.drawLine(c - QPointF(0, 6), c + QPointF(0, 6));
    const QPointF s = t.map(QPointF(e.xc + e.xs, e.yc + e.ys));
    painter.fillRect(QRectF(s - QPointF(3, 3), QSizeF(7, 7)), QColor(255, 0, 0));
    return image;
}

PrivateItemTexts builtUpItemTexts(const QString& name, const ExactProperties& e, const MaterialTexts& material,
                                  const UnitSettings& units)
{
    PrivateItemTexts texts;
    texts.description = name.left(PrivateDescriptionMaxLength);
    texts.material = material;
    const auto field = [&](PrivateProperty p, double baseValue) {
        texts.properties[std::size_t(p)] = formatSignificant(baseValue / unitDivisor(units, propertyGroup(p)));
    };
    field(PrivateProperty::Ix, e.ix / Cm4);
    field(PrivateProperty::Iy, e.iy / Cm4);
    field(PrivateProperty::KxAbove, e.welXAbove / Cm3);
    field(PrivateProperty::KxUnder, e.welXUnder / Cm3);
    field(PrivateProperty::KyLeft, e.welYLeft / Cm3);
    field(PrivateProperty::KyRight, e.welYRight / Cm3);
    field(PrivateProperty::Ixx, e.it / Cm4);
    // Where the outline has a sharp inner corner the torsion modulus has no
    // value (the shear stress there has no bound); the row carries 0 rather
    // than a figure that depends on the mesh.
    field(PrivateProperty::Kxx, e.ktDefined ? e.kt / Cm3 : 0.0);
    field(PrivateProperty::Area, e.area);
    return texts;
}
