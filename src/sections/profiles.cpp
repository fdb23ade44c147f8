#include "sections/profiles.h"

#include "catalogue/profile_catalogue.h"
#include "sections/compute_helpers.h"
#include "sections/material.h"
#include "base/number_format.h"
#include "settings/message_table.h"

#include <algorithm>
#include <cmath>

namespace {
// Values 1..9 of a record as texts (index 0 unused).
using ValueTexts = std::array<QString, 10>;

ValueTexts readValues(const ProfileTable& table, int record, int count)
{
    ValueTexts v;
    for (int k = 1; k <= count; ++k)
        v[std::size_t(k)] = table.valueText(record, k);
    return v;
}

QString oneDecimal(long double v)
{
    return formatFixed(v, 1);
}

long double number(const QString& text)
{
    return readNumber(text).value_or(0);
}

// Largest and smallest rotated heights (sin) and widths (cos) of polar points.
struct Extremes {
    long double yMax = -1e300L, yMin = 1e300L, xMax = -1e300L, xMin = 1e300L;
    void add(long double radius, long double angleDegrees)
    {
        const long double a = degreesToRadians(angleDegrees);
        yMax = std::max(yMax, radius * std::sin(a));
        yMin = std::min(yMin, radius * std::sin(a));
        xMax = std::max(xMax, radius * std::cos(a));
        xMin = std::min(xMin, radius * std::cos(a));
    }
};

// Polar angle of a point in degrees 0..360, in the point's own quadrant.
long double polarAngle(long double x, long double y)
{
    long double a = std::atan2(y, x) * 180.0L / Pi;
    if (a < 0)
        a += 360;
    return a;
}

long double radius(long double x, long double y)
{
    return std::sqrt(x * x + y * y);
}

void writeInvalid(TabResult& result, const QString& entry, const ComputeContext& ctx)
{
    const MessageTable& m = ctx.msg();
    result.panel.write(PanelRow::LabelX, PanelRow::Title, entry + m(56));
    result.panel.write(PanelRow::LabelX, PanelRow::Weight, m(1));
    result.toListEnabled = false;
}


// Writes the standard lines and stores the section; false when the
// arithmetic failed (then nothing is written).
bool writeProfile(TabResult& result, const QString& title, const SectionProperties& p, const ComputeContext& ctx)
{
    const long double weight = weightOrReport(p.Area, result, ctx);
    if (!allShowable(p))
        return false;
    result.properties = p;
    result.title = title;
    writeStandardResults(result.panel, title, weightText(weight, QStringLiteral(" Kg/m")), p, ctx);
    return true;
}

long double readOrReport(const QString& text, TabResult& result, const ComputeContext& ctx)
{
    return readDecimalOrReport(text, result, ctx);
}

// Extreme-fibre distance of the I outline for an angle in degrees.
long double iDistance(long double alphaDegrees, long double R, long double phiDegrees)
{
    int alpha = int(std::fmod(std::fmod(alphaDegrees, 360.0L) + 360.0L, 360.0L));
    const bool plus = (alpha >= 0 && alpha <= 90) || (alpha >= 181 && alpha <= 270);
    return R * std::sin(degreesToRadians(plus ? alpha + phiDegrees : alpha - phiDegrees));
}
} // namespace

bool iBeamCustomValid(const FourFields& f)
{
    const long double B = number(f.a), H = number(f.b), tw = number(f.v1), tf = number(f.v2);
    return !(tw >= B || H <= 2 * tf || tw <= 0 || tf <= 0);
}

TabResult iBeamEntry(const QString& entry, const FourFields& fields, const ComputeContext& ctx,
                     const ProfileTable& table)
{
    const MessageTable& m = ctx.msg();
    TabResult result;
    result.labels = {{120, 150, QString()}};
    result.dataCaption = entry;
    const bool custom = isCustomEntry(entry, ctx);
    std::optional<int> record = table.find(entry, 0, 320);
    if (!record)
        record = table.find(entry, 1200, 2000);
    result.fieldsEnabled = custom;
    if (!record && !custom)
        return result; // a group heading

    ValueTexts v;
    long double H = 0, B = 0, tw = 0, tf = 0;
    QString hText, bText;
    if (custom) {
        if (!iBeamCustomValid(fields)) {
            writeInvalid(result, entry, ctx);
            return result;
        }
        B = number(fields.a);
        H = number(fields.b);
        tw = number(fields.v1);
        tf = number(fields.v2);
        hText = fields.b;
        bText = fields.a;
        const long double area = (2 * B * tf + (H - 2 * tf) * tw) / 100;
        const long double ix = (tw * std::pow(H - 2 * tf, 3.0L) / 12 + 2 * (B * tf * tf * tf / 12 +
                                B * tf * (H / 2 - tf / 2) * (H / 2 - tf / 2))) / 10000;
        const long double iy = ((H - 2 * tf) * tw * tw * tw / 12 + 2 * (tf * B * B * B / 12)) / 10000;
        v[2] = formatFixed(area, 18);
        v[3] = formatFixed(ix, 18);
        v[5] = formatFixed(iy, 18);
        result.dataCaption = QStringLiteral("I ") + fields.a + QLatin1Char('x') + fields.b + QStringLiteral("x(") +
                             fields.v1 + QLatin1Char('x') + fields.v2 + QLatin1Char(')') + m(62);
    } else {
        v = readValues(table, *record, 9);
        tw = table.value(*record, 8).value_or(0);
        tf = table.value(*record, 9).value_or(0);
        QStringList pieces = splitEntry(entry);
        const QChar family = entry.size() > 2 ? entry[2] : QChar();
        const int prefix = family == QLatin1Char('E') ? 4 : family == QLatin1Char('B') ? 9
                           : family == QLatin1Char('P') ? 17 : 4;
        pieces[0].remove(0, prefix);
        hText = pieces[0];
        bText = pieces[1];
        H = readOrReport(hText, result, ctx);
        B = readOrReport(bText, result, ctx);
    }
    result.labels = {{120, 150, bText}, {64, 81, hText}, {158, 43, oneDecimal(tf)}, {145, 95, oneDecimal(tw)}};
    result.toListEnabled = true;

    SectionProperties p;
    const long double areaCm2 = readOrReport(v[2], result, ctx);
    p.Area = areaCm2 * 100;
    const RotatedInertia turned = rotateInertia(number(v[3]), number(v[5]), ctx.rotationAngle());
    p.Ix = turned.ix;
    p.Iy = turned.iy;
    const long double tmax = tw > tf ? tw : tf;
    const long double flanges = 2 * B * tf * tf * tf;
    p.Ixx = 1.31L * (flanges + (H - 2 * tf) * tw * tw * tw) / 3 / 10000;
    p.Kxx = 1.31L * (flanges + (H - tf) * tw * tw * tw) / (3 * tmax) / 1000;
    const long double h = H / 20, b = B / 20;
    const long double R = std::sqrt(h * h + b * b);
    const long double phi = std::atan(h / b) * 180.0L / Pi;
    p.KxAbove = p.KxUnder = std::fabs(p.Ix / iDistance(ctx.rotationAngle(), R, phi));
    p.KyLeft = p.KyRight = std::fabs(p.Iy / iDistance(ctx.rotationAngle() + 90, R, phi));
    writeProfile(result, entry + m(63), p, ctx);
    return result;
}

bool teeCustomValid(const FourFields& f)
{
    const long double W = number(f.a), H = number(f.b), tw = number(f.v1), tf = number(f.v2);
    return !(tw >= W || tf >= H || tw <= 0 || tf <= 0);
}

TabResult teeEntry(const QString& entry, const FourFields& fields, const ComputeContext& ctx,
                   const ProfileTable& table)
{
    const MessageTable& m = ctx.msg();
    TabResult result;
    result.labels = {{120, 150, QString()}};
    result.toListEnabled = true;
    result.dataCaption = entry + m(62);
    const bool custom = isCustomEntry(entry, ctx);
    result.fieldsEnabled = custom;

    ValueTexts v;
    long double W = 0, H = 0, tw = 0, tf = 0;
    QString wText, hText;
    QString name = entry;
    if (custom) {
        if (!teeCustomValid(fields)) {
            writeInvalid(result, entry, ctx);
            return result;
        }
        W = number(fields.a);
        H = number(fields.b);
        tw = number(fields.v1);
        tf = number(fields.v2);
        wText = fields.a;
        hText = fields.b;
        const long double stem = H - tf;
        const long double area = (tw * stem + tf * W) / 100;
        const long double e = ((tf + stem / 2) * tw * stem + tf * tf * W / 2) / (100 * area);
        const long double ix = (tw * stem * std::pow(e - (tf + stem / 2), 2.0L) + stem * stem * stem * tw / 12 +
                                tf * W * (e - tf / 2) * (e - tf / 2) + tf * tf * tf * W / 12);
        const long double iy = stem * tw * tw * tw / 12 + W * W * W * tf / 12;
        const long double kx = ix / std::max(e, H - e);
        const long double ky = iy / (W / 2);
        v[2] = formatFixed(area, 18);
        v[3] = formatFixed(ix / 10000, 18);
        v[4] = formatFixed(kx / 1000, 18);
        v[5] = formatFixed(iy / 10000, 18);
        v[6] = formatFixed(ky / 1000, 18);
        name = QStringLiteral("T ") + fields.a + QLatin1Char('x') + fields.b + QStringLiteral("x(") + fields.v1 +
               QLatin1Char('x') + fields.v2 + QLatin1Char(')');
        result.dataCaption = name + QStringLiteral(" section");
    } else {
        QStringList pieces = splitEntry(entry);
        pieces[0].remove(0, 1);
        wText = pieces[0];
        hText = pieces[1];
        W = readOrReport(pieces[0], result, ctx);
        H = readOrReport(pieces[1], result, ctx);
        const long double t = readOrReport(pieces[2], result, ctx);
        const std::optional<int> record = table.find(entry, 0, 500);
        if (!record) {
            result.toListEnabled = false; // no record: nothing to compute
            return result;
        }
        v = readValues(table, *record, 7);
        tw = tf = t;
    }
    const long double ix0 = number(v[3]);
    const long double c = 10 * ix0 / number(v[4]);
    result.labels = {{64, 70, hText}, {120, 125, wText}, {175, 62, oneDecimal(c)}, {140, 26, oneDecimal(tw)},
                     {93, 61, oneDecimal(tf)}};

    SectionProperties p;
    p.Area = readOrReport(v[2], result, ctx) * 100;
    const long double tmax = tw >= tf ? tw : tf;
    const long double torsion = 1.15L * (W * tf * tf * tf + (H - tf) * tw * tw * tw);
    p.Ixx = torsion / 3 / 10000;
    p.Kxx = torsion / (3 * tmax) / 1000;
    const RotatedInertia turned = rotateInertia(ix0, number(v[5]), ctx.rotationAngle());
    p.Ix = turned.ix;
    p.Iy = turned.iy;
    // The outline's six vertices about the centroid, stem tip up; their
    // quadrants are fixed by the outline, not by the signs.
    struct Vertex {
        long double x, y;
        int quadrant; // 1: phi, 2: pi - phi, 3: pi + phi, 4: 2 pi - phi
    };
    const Vertex vertices[6] = {{-tw / 2, c, 2},         {tw / 2, c, 1},
                                {-W / 2, -(H - c), 3},   {-W / 2, -(H - c - tf), 3},
                                {W / 2, -(H - c), 4},    {W / 2, -(H - c - tf), 4}};
    Extremes ex;
    for (const Vertex& vx : vertices) {
        const long double phi = std::atan(std::fabs(vx.y) / std::fabs(vx.x)) * 180.0L / Pi;
        const long double angle = vx.quadrant == 1 ? phi : vx.quadrant == 2 ? 180 - phi
                                  : vx.quadrant == 3 ? 180 + phi : 360 - phi;
        ex.add(radius(vx.x, vx.y), angle + ctx.rotationAngle());
    }
    p.KxAbove = std::fabs(p.Ix / (ex.yMax / 10));
    p.KxUnder = std::fabs(p.Ix / (ex.yMin / 10));
    p.KyLeft = std::fabs(p.Iy / (ex.xMin / 10));
    p.KyRight = std::fabs(p.Iy / (ex.xMax / 10));
    if (writeProfile(result, name + m(63), p, ctx))
        result.panel.write(PanelRow::LabelX, PanelRow::Extra, m(65) + oneDecimal(c) + QStringLiteral(" mm"));
    return result;
}

bool channelCustomValid(const FourFields& f)
{
    return iBeamCustomValid(f);
}

QString channelLookupName(const QString& entry)
{
    int marker = entry.indexOf(QLatin1String("[]"));
    if (marker < 0)
        marker = entry.indexOf(QLatin1String("]["));
    if (marker < 0)
        return entry;
    const int two = entry.indexOf(QLatin1Char('2'));
    if (two < 0 || two > marker)
        return entry;
    QString name = entry;
    name.remove(two, marker - two + 3);
    return name;
}

ChannelResult channelEntry(const QString& entry, const FourFields& fields, ChannelArrangement ticked,
                           const ComputeContext& ctx, const ProfileTable& table)
{
    const MessageTable& m = ctx.msg();
    ChannelResult out;
    TabResult& result = out.tab;
    result.labels = {{120, 150, QString()}};
    result.dataCaption = entry;
    const bool custom = isCustomEntry(entry, ctx);
    const QString name = channelLookupName(entry);
    ValueTexts v;
    long double tw = 0, tf = 0;
    bool found = false;
    if (auto record = table.find(name, 0, 500)) {
        v = readValues(table, *record, 9);
        tw = table.value(*record, 8).value_or(0);
        tf = table.value(*record, 9).value_or(0);
        found = true;
    } else if (auto cold = table.find(name, 2350, 3625)) {
        v = readValues(table, *cold, 6);
        found = true;
        const QStringList pieces = splitEntry(name);
        tw = tf = number(pieces[2]);
    }
    QStringList pieces = splitEntry(name);
    const int u = name.indexOf(QLatin1Char('U'));
    pieces[0].remove(0, u + 1);
    if (pieces[0].startsWith(QLatin1Char('U')))
        pieces[0].remove(0, 1);
    result.fieldsEnabled = custom;
    if (!found && !custom)
        return out; // a group heading

    result.toListEnabled = true;
    QString title = entry;
    QString hText = pieces[0], bText = pieces[1];
    if (!custom) {
        result.dataCaption = entry + m(62);
    } else {
        if (!channelCustomValid(fields)) {
            writeInvalid(result, entry, ctx);
            return out;
        }
        const long double B = number(fields.a), H = number(fields.b);
        tw = number(fields.v1);
        tf = number(fields.v2);
        const long double web = H - 2 * tf;
        const long double area = (tw * web + 2 * tf * B) / 100;
        const long double e = (tw * tw * web / 2 + B * B * tf) / (100 * area);
        const long double ix = (web * web * web * tw / 12 + 2 * (tf * B * (H / 2 - tf / 2) * (H / 2 - tf / 2) +
                                tf * tf * tf * B / 12));
        const long double iy = tw * web * (e - tw / 2) * (e - tw / 2) + web * tw * tw * tw / 12 +
                               2 * (tf * B * (e - B / 2) * (e - B / 2) + B * B * B * tf / 12);
        v[2] = formatFixed(area, 18);
        v[3] = formatFixed(ix / 10000, 18);
        v[4] = formatFixed(ix / (H / 2) / 1000, 18);
        v[5] = formatFixed(iy / 10000, 18);
        v[6] = formatFixed(iy / std::max(e, B - e) / 1000, 18);
        const QString arrangement = ticked == ChannelArrangement::Box    ? QStringLiteral("2xU [] ")
                                    : ticked == ChannelArrangement::Pair ? QStringLiteral("2xU ][ ")
                                                                         : QStringLiteral("U ");
        title = arrangement + fields.a + QLatin1Char('x') + fields.b + QStringLiteral("x(") + fields.v1 +
                QLatin1Char('x') + fields.v2 + QLatin1Char(')');
        result.dataCaption = title + QStringLiteral(" section");
        hText = fields.b;
        bText = fields.a;
    }
    out.arrangement = title.contains(QLatin1String("[]"))   ? ChannelArrangement::Box
                      : title.contains(QLatin1String("][")) ? ChannelArrangement::Pair
                                                            : ChannelArrangement::Single;
    const long double H = readOrReport(hText, result, ctx);
    const long double B = readOrReport(bText, result, ctx);
    const long double a1 = readOrReport(v[2], result, ctx);
    const long double ix1 = number(v[3]);
    const long double iy1 = number(v[5]);
    const long double ky1 = number(v[6]);
    const long double d = iy1 / ky1; // centroid to flange tips, cm
    const long double Hc = H / 10, Bc = B / 10;

    SectionProperties p;
    long double ix = ix1, iy = iy1;
    std::vector<std::pair<long double, long double>> corners;
    if (out.arrangement == ChannelArrangement::Single) {
        p.Area = a1 * 100;
        const long double flanges = 2 * B * tf * tf * tf;
        p.Ixx = 1.2L * (flanges + (H - 2 * tf) * tw * tw * tw) / 3 / 10000;
        p.Kxx = 1.2L * (flanges + (H - tf) * tw * tw * tw) / (3 * tf) / 1000;
        corners = {{d, Hc / 2}, {-(Bc - d), Hc / 2}, {-(Bc - d), -Hc / 2}, {d, -Hc / 2}};
    } else {
        p.Area = 2 * a1 * 100;
        ix = 2 * ix1;
        corners = {{Bc, Hc / 2}, {-Bc, Hc / 2}, {-Bc, -Hc / 2}, {Bc, -Hc / 2}};
        if (out.arrangement == ChannelArrangement::Box) {
            iy = 2 * (iy1 + a1 * d * d);
            const long double t = (tf + tw) / 2;
            p.Ixx = 2 * t * (H - t) * (H - t) * (2 * B - t) * (2 * B - t) / ((H - t) + (2 * B - t)) / 10000;
            p.Kxx = 2 * (H - t) * (2 * B - t) * t / 1000;
        } else {
            iy = 2 * (iy1 + a1 * (Bc - d) * (Bc - d));
            const long double flanges = 4 * B * tf * tf * tf;
            const long double web = 8 * tw * tw * tw;
            p.Ixx = 1.31L * (flanges + (H - 2 * tf) * web) / 3 / 10000;
            p.Kxx = 1.31L * (flanges + (H - tf) * web) / (3 * tf) / 1000;
        }
    }
    const RotatedInertia turned = rotateInertia(ix, iy, ctx.rotationAngle());
    p.Ix = turned.ix;
    p.Iy = turned.iy;
    Extremes ex;
    for (const auto& [x, y] : corners)
        ex.add(radius(x, y), ctx.rotationAngle() + polarAngle(x, y));
    p.KxAbove = std::fabs(p.Ix / ex.yMax);
    p.KxUnder = std::fabs(p.Ix / ex.yMin);
    p.KyLeft = std::fabs(p.Iy / ex.xMin);
    p.KyRight = std::fabs(p.Iy / ex.xMax);
    if (!writeProfile(result, title + m(63), p, ctx))
        return out;
    const QString e = oneDecimal(10 * d);
    switch (out.arrangement) {
    case ChannelArrangement::Single:
        result.panel.write(PanelRow::LabelX, PanelRow::Extra, m(65) + e + QStringLiteral(" mm"));
        // The channel is drawn with its centroid at the picture's centre:
        // the values sit on their lines, the web thickness right of its
        // letter V1, the width clear of the axis letter at the bottom.
        result.labels = {{142, 148, bText}, {80, 65, hText}, {172, 54, e}, {156, 93, oneDecimal(tw)},
                         {173, 16, oneDecimal(tf)}};
        break;
    case ChannelArrangement::Box:
        // The total width left of the axis letter at the bottom.
        result.labels = {{96, 146, formatFixed(2 * B, 2)}, {60, 80, hText}, {107, 95, oneDecimal(tw)},
                         {97, 16, oneDecimal(tf)}};
        break;
    case ChannelArrangement::Pair:
        // The total width on its line above, right of the axis letter.
        result.labels = {{150, 12, formatFixed(2 * B, 2)}, {64, 82, hText}, {145, 94, oneDecimal(tw)},
                         {187, 42, oneDecimal(tf)}};
        break;
    }
    return out;
}

AngleCheck angleCustomCheck(const AngleFields& f)
{
    AngleCheck check;
    const auto t = readNumber(f.t);
    if (!t)
        check.message = f.t;
    const long double tv = t.value_or(0);
    check.valid = !(tv >= number(f.a) || tv >= number(f.b));
    return check;
}

TabResult angleEntry(const QString& entry, const AngleFields& fields, const ComputeContext& ctx,
                     const ProfileTable& table)
{
    const MessageTable& m = ctx.msg();
    TabResult result;
    result.labels = {{0, 0, QString()}, {0, 0, QString()}, {0, 0, QString()}, {0, 0, QString()}};
    result.dataCaption = m(72);
    const bool custom = isCustomEntry(entry, ctx);
    result.fieldsEnabled = custom;
    if (!custom && (entry.endsWith(QLatin1Char('.')) || entry == m(156) || entry == m(157)))
        return result; // a heading

    ValueTexts v;
    long double P = 0, Q = 0, t = 0;
    QString pText, qText;
    if (!custom) {
        QStringList pieces = splitEntry(entry);
        const QString cold = QStringLiteral("CR L section ");
        const QString hot = QStringLiteral("L section ");
        if (entry.startsWith(cold)) {
            pieces[0].remove(0, cold.size());
            pText = pieces[0];
            qText = pieces[1];
        } else {
            if (pieces[0].startsWith(hot))
                pieces[0].remove(0, hot.size());
            pText = pieces[1];
            qText = pieces[0];
        }
        P = readOrReport(pText, result, ctx);
        Q = readOrReport(qText, result, ctx);
        t = readOrReport(pieces[2], result, ctx);
        const std::optional<int> record = table.find(entry, 0, table.lineCount() - 1);
        if (!record)
            return result; // no record: nothing to compute
        v = readValues(table, *record, 6);
        result.dataCaption = entry;
    } else {
        result.dataCaption = m(72) + QLatin1Char(' ') + fields.a + QLatin1Char('x') + fields.b + QLatin1Char('x') +
                             fields.t;
        const AngleCheck check = angleCustomCheck(fields);
        t = number(fields.t);
        if (!check.message.isEmpty())
            result.messages << check.message;
        if (!check.valid || t == 0) {
            writeInvalid(result, entry, ctx);
            return result;
        }
        Q = number(fields.a);
        P = number(fields.b);
        qText = fields.a;
        pText = fields.b;
        const long double aMm = t * (P - t) + t * Q;
        const long double eP = ((t + (P - t) / 2) * t * (P - t) + t * t * Q / 2) / aMm;
        const long double eQ = ((t + (Q - t) / 2) * t * (Q - t) + t * t * P / 2) / (t * (Q - t) + t * P);
        const long double ix = (t * (P - t) * std::pow(eP - (t + (P - t) / 2), 2.0L) + std::pow(P - t, 3.0L) * t / 12 +
                                t * Q * (eP - t / 2) * (eP - t / 2) + t * t * t * Q / 12) / 10000;
        const long double iy = (t * (Q - t) * std::pow(eQ - (t + (Q - t) / 2), 2.0L) + std::pow(Q - t, 3.0L) * t / 12 +
                                t * P * (eQ - t / 2) * (eQ - t / 2) + t * t * t * P / 12) / 10000;
        const long double kx = ix / ((P - eP) / 10);
        const long double ky = iy / ((Q - eQ) / 10);
        const long double area = aMm / 100;
        v[1] = formatFixed(area * 7850 / 10000, 2);
        v[2] = formatFixed(area, 3);
        v[3] = formatFixed(ix, 6);
        v[4] = formatFixed(iy, 6);
        v[5] = formatFixed(kx, 6);
        v[6] = formatFixed(ky, 6);
    }
    result.toListEnabled = true;
    const long double ix0 = number(v[3]), iy0 = number(v[4]);
    const long double u = ix0 / number(v[5]);
    const long double w = iy0 / number(v[6]);
    const QString e1 = oneDecimal(10 * u), e2 = oneDecimal(10 * w);
    result.labels = {{122, 135, qText}, {50, 49, pText}, {138, 119, e2}, {78, 44, e1}};

    SectionProperties p;
    p.Area = readOrReport(v[2], result, ctx) * 100;
    // Product of inertia from the two legs taken as rectangles about the centroid.
    const long double ixy = (P - t) * t * (10 * u - (P - t) / 2) * (-(Q - 10 * w - t / 2)) +
                            Q * t * (10 * w - Q / 2) * (-(P - 10 * u - t / 2));
    const long double ixyCm = ixy / 10000;
    long double alpha = 0.5L * std::atan(-2 * ixyCm / (ix0 - iy0 + 0.0000001L)) * 180.0L / Pi;
    if (iy0 > ix0)
        alpha += 90;
    const long double mean = (ix0 + iy0) / 2;
    const long double spread = 0.5L * std::sqrt((ix0 - iy0) * (ix0 - iy0) + 4 * ixyCm * ixyCm);
    const long double i1 = mean + spread, i2 = mean - spread;
    p.Ix = (i1 + i2) / 2 + (i1 - i2) / 2 * std::cos(2 * degreesToRadians(ctx.rotationAngle() + alpha));
    p.Iy = (i1 + i2) / 2 + (i1 - i2) / 2 * std::cos(2 * degreesToRadians(ctx.rotationAngle() + 90 + alpha));
    const long double legs = Q * t * t * t + (P - t) * t * t * t;
    p.Ixx = legs / 3 / 10000;
    p.Kxx = legs / (3 * t) / 1000;
    const std::pair<long double, long double> corners[5] = {
        {-(Q - 10 * w - t), 10 * u}, {-(Q - 10 * w), 10 * u}, {-(Q - 10 * w), -(P - 10 * u)},
        {10 * w, -(P - 10 * u)},     {10 * w, -(P - 10 * u - t)}};
    Extremes ex;
    for (const auto& [x, y] : corners)
        ex.add(radius(x, y), ctx.rotationAngle() + polarAngle(x, y));
    p.KxAbove = std::fabs(p.Ix / (ex.yMax / 10));
    p.KxUnder = std::fabs(p.Ix / (ex.yMin / 10));
    p.KyLeft = std::fabs(p.Iy / (ex.xMin / 10));
    p.KyRight = std::fabs(p.Iy / (ex.xMax / 10));
    if (writeProfile(result, entry + m(63), p, ctx))
        result.panel.write(PanelRow::LabelX, PanelRow::Extra,
                           m(65) + QStringLiteral("e1=") + e1 + QStringLiteral(" e2=") + e2 + QStringLiteral(" mm"));
    return result;
}

PlateResult plateEntry(const QString& entry, const ComputeContext& ctx, const ProfileTable& table)
{
    const MessageTable& m = ctx.msg();
    PlateResult out;
    TabResult& result = out.tab;
    result.fieldsEnabled = false;
    result.fieldTexts = QStringList{QStringLiteral("0"), QStringLiteral("0")};
    result.dataCaption = m(75) + entry;
    const std::optional<int> record = table.find(entry, 1000, 1400);
    if (!record)
        return out;
    out.record = *record;
    out.weightText = table.valueText(*record, 1);
    result.fieldsEnabled = true;
    result.title = entry + m(56);
    result.panel.write(PanelRow::LabelX, PanelRow::Title, result.title);
    result.panel.write(PanelRow::LabelX, PanelRow::Weight, m(21));
    result.panel.write(PanelRow::ValueX, PanelRow::Weight, out.weightText + QStringLiteral(" Kg/m2"));
    return out;
}
