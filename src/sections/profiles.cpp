#include "sections/profiles.h"

#include "catalogue/profile_catalogue.h"
#include "sections/compute_helpers.h"
#include "sections/material.h"
#include "base/number_format.h"
#include "settings/message_table.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <span>
#include <vector>

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

// Polar angle of a point in degrees 0..360, in the point's own quadrant.
long double polarAngle(long double x, long double y)
{
    long double a = radiansToDegrees(std::atan2(y, x));
    if (a < 0)
        a += 360;
    return a;
}

long double radius(long double x, long double y)
{
    return std::sqrt(x * x + y * y);
}

// The extremes of an outline given by its corners about the centroid, turned
// by angleDegrees.
TurnedExtremes turnedCorners(std::span<const std::pair<long double, long double>> corners, long double angleDegrees)
{
    std::vector<PolarCorner> polar;
    polar.reserve(corners.size());
    for (const auto& [x, y] : corners)
        polar.push_back({radius(x, y), polarAngle(x, y)});
    return turnedExtremes(polar, angleDegrees);
}

// Section moduli from the extreme fibre distances, in mm for cm moduli when
// perCm is MmPerCm, in cm when it is 1.
void setModuli(SectionProperties& p, const TurnedExtremes& ex, long double perCm)
{
    p.kxAbove = std::fabs(p.ix / (ex.yMax / perCm));
    p.kxUnder = std::fabs(p.ix / (ex.yMin / perCm));
    p.kyLeft = std::fabs(p.iy / (ex.xMin / perCm));
    p.kyRight = std::fabs(p.iy / (ex.xMax / perCm));
}

void writeInvalid(TabResult& result, const QString& entry, const ComputeContext& ctx)
{
    const MessageTable& m = ctx.msg();
    result.panel.write(PanelRow::LabelX, PanelRow::Title, entry + m(Msg::Features));
    result.panel.write(PanelRow::LabelX, PanelRow::Weight, m(Msg::WrongData));
    result.toListEnabled = false;
}


// Writes the standard lines and stores the section; false when the
// arithmetic failed (then nothing is written).
bool writeProfile(TabResult& result, const QString& title, const SectionProperties& p, const ComputeContext& ctx)
{
    const long double weight = weightOrReport(p.area, result, ctx);
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
    const std::optional<int> record = table.find(
        entry, {ProfileFamily::HotRolledI, ProfileFamily::Ipe, ProfileFamily::HeB, ProfileFamily::HeA});
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
        const long double area = (2 * B * tf + (H - 2 * tf) * tw) / Mm2PerCm2;
        const long double ix = (tw * std::pow(H - 2 * tf, 3.0L) / 12 + 2 * (B * tf * tf * tf / 12 +
                                B * tf * (H / 2 - tf / 2) * (H / 2 - tf / 2))) / Mm4PerCm4;
        const long double iy = ((H - 2 * tf) * tw * tw * tw / 12 + 2 * (tf * B * B * B / 12)) / Mm4PerCm4;
        v[2] = formatFixed(area, 18);
        v[3] = formatFixed(ix, 18);
        v[5] = formatFixed(iy, 18);
        result.dataCaption = QStringLiteral("I ") + fields.a + QLatin1Char('x') + fields.b + QStringLiteral("x(") +
                             fields.v1 + QLatin1Char('x') + fields.v2 + QLatin1Char(')') + m(Msg::SectionSuffix);
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
    p.area = areaCm2 * Mm2PerCm2;
    const RotatedInertia turned = rotateInertia(number(v[3]), number(v[5]), ctx.rotationAngle());
    p.ix = turned.ix;
    p.iy = turned.iy;
    const long double tmax = tw > tf ? tw : tf;
    const long double flanges = 2 * B * tf * tf * tf;
    p.ixx = ITorsionFactor * (flanges + (H - 2 * tf) * tw * tw * tw) / 3 / Mm4PerCm4;
    p.kxx = ITorsionFactor * (flanges + (H - tf) * tw * tw * tw) / (3 * tmax) / Mm3PerCm3;
    const long double h = H / 2 / MmPerCm, b = B / 2 / MmPerCm;
    const long double R = std::sqrt(h * h + b * b);
    const long double phi = radiansToDegrees(std::atan(h / b));
    p.kxAbove = p.kxUnder = std::fabs(p.ix / iDistance(ctx.rotationAngle(), R, phi));
    p.kyLeft = p.kyRight = std::fabs(p.iy / iDistance(ctx.rotationAngle() + 90, R, phi));
    writeProfile(result, entry + m(Msg::SectionFeatures), p, ctx);
    return result;
}

bool teeCustomValid(const FourFields& f)
{
    const long double W = number(f.a), H = number(f.b), tw = number(f.v1), tf = number(f.v2);
    return !(tw >= W || tf >= H || tw <= 0 || tf <= 0);
}

namespace {
// A tee as read: its sizes (mm), their texts for the picture, its name and
// its record values (a typed tee gets them computed).
struct TeeData {
    long double W = 0, H = 0, tw = 0, tf = 0;
    QString wText, hText, name;
    ValueTexts v;
};

// The typed tee's area, Ix, Kx, Iy and Ky as record texts.
ValueTexts customTeeValues(long double W, long double H, long double tw, long double tf)
{
    const long double stem = H - tf;
    const long double area = (tw * stem + tf * W) / Mm2PerCm2;
    const long double e = ((tf + stem / 2) * tw * stem + tf * tf * W / 2) / (Mm2PerCm2 * area);
    const long double ix = (tw * stem * std::pow(e - (tf + stem / 2), 2.0L) + stem * stem * stem * tw / 12 +
                            tf * W * (e - tf / 2) * (e - tf / 2) + tf * tf * tf * W / 12);
    const long double iy = stem * tw * tw * tw / 12 + W * W * W * tf / 12;
    const long double kx = ix / std::max(e, H - e);
    const long double ky = iy / (W / 2);
    ValueTexts v;
    v[2] = formatFixed(area, 18);
    v[3] = formatFixed(ix / Mm4PerCm4, 18);
    v[4] = formatFixed(kx / Mm3PerCm3, 18);
    v[5] = formatFixed(iy / Mm4PerCm4, 18);
    v[6] = formatFixed(ky / Mm3PerCm3, 18);
    return v;
}

// Reads the tee from the fields or the catalogue; false when there is
// nothing to compute.
bool readTee(const QString& entry, const FourFields& fields, const ComputeContext& ctx, const ProfileTable& table,
             TabResult& result, TeeData& tee)
{
    if (isCustomEntry(entry, ctx)) {
        if (!teeCustomValid(fields)) {
            writeInvalid(result, entry, ctx);
            return false;
        }
        tee.W = number(fields.a);
        tee.H = number(fields.b);
        tee.tw = number(fields.v1);
        tee.tf = number(fields.v2);
        tee.wText = fields.a;
        tee.hText = fields.b;
        tee.v = customTeeValues(tee.W, tee.H, tee.tw, tee.tf);
        tee.name = QStringLiteral("T ") + fields.a + QLatin1Char('x') + fields.b + QStringLiteral("x(") + fields.v1 +
                   QLatin1Char('x') + fields.v2 + QLatin1Char(')');
        result.dataCaption = tee.name + QStringLiteral(" section");
        return true;
    }
    QStringList pieces = splitEntry(entry);
    pieces[0].remove(0, 1);
    tee.wText = pieces[0];
    tee.hText = pieces[1];
    tee.W = readOrReport(pieces[0], result, ctx);
    tee.H = readOrReport(pieces[1], result, ctx);
    const long double t = readOrReport(pieces[2], result, ctx);
    const std::optional<int> record = table.find(entry, {ProfileFamily::Tee});
    if (!record) {
        result.toListEnabled = false; // no record: nothing to compute
        return false;
    }
    tee.v = readValues(table, *record, 7);
    tee.tw = tee.tf = t;
    tee.name = entry;
    return true;
}

// The tee's properties; c is the distance (mm) from the centroid to the
// stem tip.
SectionProperties teeProperties(const TeeData& tee, long double c, TabResult& result, const ComputeContext& ctx)
{
    const long double W = tee.W, H = tee.H, tw = tee.tw, tf = tee.tf;
    SectionProperties p;
    p.area = readOrReport(tee.v[2], result, ctx) * Mm2PerCm2;
    const long double tmax = tw >= tf ? tw : tf;
    const long double torsion = TeeTorsionFactor * (W * tf * tf * tf + (H - tf) * tw * tw * tw);
    p.ixx = torsion / 3 / Mm4PerCm4;
    p.kxx = torsion / (3 * tmax) / Mm3PerCm3;
    const RotatedInertia turned = rotateInertia(number(tee.v[3]), number(tee.v[5]), ctx.rotationAngle());
    p.ix = turned.ix;
    p.iy = turned.iy;
    // The outline's six vertices about the centroid, stem tip up; their
    // quadrants are fixed by the outline, not by the signs.
    struct Vertex {
        long double x, y;
        int quadrant; // 1: phi, 2: pi - phi, 3: pi + phi, 4: 2 pi - phi
    };
    const Vertex vertices[6] = {{-tw / 2, c, 2},         {tw / 2, c, 1},
                                {-W / 2, -(H - c), 3},   {-W / 2, -(H - c - tf), 3},
                                {W / 2, -(H - c), 4},    {W / 2, -(H - c - tf), 4}};
    std::array<PolarCorner, 6> corners;
    for (std::size_t k = 0; k < corners.size(); ++k) {
        const Vertex& vx = vertices[k];
        const long double phi = radiansToDegrees(std::atan(std::fabs(vx.y) / std::fabs(vx.x)));
        const long double angle = vx.quadrant == 1 ? phi : vx.quadrant == 2 ? 180 - phi
                                  : vx.quadrant == 3 ? 180 + phi : 360 - phi;
        corners[k] = {radius(vx.x, vx.y), angle};
    }
    setModuli(p, turnedExtremes(corners, ctx.rotationAngle()), MmPerCm);
    return p;
}
} // namespace

TabResult teeEntry(const QString& entry, const FourFields& fields, const ComputeContext& ctx,
                   const ProfileTable& table)
{
    const MessageTable& m = ctx.msg();
    TabResult result;
    result.labels = {{120, 150, QString()}};
    result.toListEnabled = true;
    result.dataCaption = entry + m(Msg::SectionSuffix);
    result.fieldsEnabled = isCustomEntry(entry, ctx);
    TeeData tee;
    if (!readTee(entry, fields, ctx, table, result, tee))
        return result;
    const long double c = MmPerCm * number(tee.v[3]) / number(tee.v[4]);
    result.labels = {{64, 70, tee.hText}, {120, 125, tee.wText}, {175, 62, oneDecimal(c)},
                     {140, 26, oneDecimal(tee.tw)}, {93, 61, oneDecimal(tee.tf)}};
    const SectionProperties p = teeProperties(tee, c, result, ctx);
    if (writeProfile(result, tee.name + m(Msg::SectionFeatures), p, ctx))
        result.panel.write(PanelRow::LabelX, PanelRow::Extra, m(Msg::Centroid) + oneDecimal(c) + QStringLiteral(" mm"));
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

namespace {
// A channel as read: its record values (a typed channel gets them computed),
// thicknesses (mm), title and the texts of its height and width.
struct ChannelData {
    ValueTexts v;
    long double tw = 0, tf = 0;
    QString title, hText, bText;
};

// The typed channel's area, Ix, Kx, Iy and Ky as record texts.
ValueTexts customChannelValues(long double B, long double H, long double tw, long double tf)
{
    const long double web = H - 2 * tf;
    const long double area = (tw * web + 2 * tf * B) / Mm2PerCm2;
    const long double e = (tw * tw * web / 2 + B * B * tf) / (Mm2PerCm2 * area);
    const long double ix = (web * web * web * tw / 12 + 2 * (tf * B * (H / 2 - tf / 2) * (H / 2 - tf / 2) +
                            tf * tf * tf * B / 12));
    const long double iy = tw * web * (e - tw / 2) * (e - tw / 2) + web * tw * tw * tw / 12 +
                           2 * (tf * B * (e - B / 2) * (e - B / 2) + B * B * B * tf / 12);
    ValueTexts v;
    v[2] = formatFixed(area, 18);
    v[3] = formatFixed(ix / Mm4PerCm4, 18);
    v[4] = formatFixed(ix / (H / 2) / Mm3PerCm3, 18);
    v[5] = formatFixed(iy / Mm4PerCm4, 18);
    v[6] = formatFixed(iy / std::max(e, B - e) / Mm3PerCm3, 18);
    return v;
}

// Reads the channel from the catalogue (hot-rolled, then cold-formed) or the
// fields; false when there is nothing to compute.
bool readChannel(const QString& entry, const FourFields& fields, ChannelArrangement ticked,
                 const ComputeContext& ctx, const ProfileTable& table, TabResult& result, ChannelData& ch)
{
    const bool custom = isCustomEntry(entry, ctx);
    const QString name = channelLookupName(entry);
    bool found = false;
    if (auto record = table.find(name, {ProfileFamily::HotRolledU})) {
        ch.v = readValues(table, *record, 9);
        ch.tw = table.value(*record, 8).value_or(0);
        ch.tf = table.value(*record, 9).value_or(0);
        found = true;
    } else if (auto cold = table.find(name, {ProfileFamily::ColdRolledU})) {
        ch.v = readValues(table, *cold, 6);
        found = true;
        ch.tw = ch.tf = number(splitEntry(name)[2]);
    }
    QStringList pieces = splitEntry(name);
    const int u = name.indexOf(QLatin1Char('U'));
    pieces[0].remove(0, u + 1);
    if (pieces[0].startsWith(QLatin1Char('U')))
        pieces[0].remove(0, 1);
    result.fieldsEnabled = custom;
    if (!found && !custom)
        return false; // a group heading

    result.toListEnabled = true;
    ch.title = entry;
    ch.hText = pieces[0];
    ch.bText = pieces[1];
    if (!custom) {
        result.dataCaption = entry + ctx.msg()(Msg::SectionSuffix);
        return true;
    }
    if (!channelCustomValid(fields)) {
        writeInvalid(result, entry, ctx);
        return false;
    }
    ch.tw = number(fields.v1);
    ch.tf = number(fields.v2);
    ch.v = customChannelValues(number(fields.a), number(fields.b), ch.tw, ch.tf);
    const QString arrangement = ticked == ChannelArrangement::Box    ? QStringLiteral("2xU [] ")
                                : ticked == ChannelArrangement::Pair ? QStringLiteral("2xU ][ ")
                                                                     : QStringLiteral("U ");
    ch.title = arrangement + fields.a + QLatin1Char('x') + fields.b + QStringLiteral("x(") + fields.v1 +
               QLatin1Char('x') + fields.v2 + QLatin1Char(')');
    result.dataCaption = ch.title + QStringLiteral(" section");
    ch.hText = fields.b;
    ch.bText = fields.a;
    return true;
}

ChannelArrangement arrangementOf(const QString& title)
{
    return title.contains(QLatin1String("[]"))   ? ChannelArrangement::Box
           : title.contains(QLatin1String("][")) ? ChannelArrangement::Pair
                                                 : ChannelArrangement::Single;
}

// One channel's sizes (mm) and record values (cm): area, Ix, Iy and d, the
// distance from its centroid to its flange tips.
struct ChannelSizes {
    long double H = 0, B = 0, tw = 0, tf = 0;
    long double a1 = 0, ix1 = 0, iy1 = 0, d = 0;
};

SectionProperties channelProperties(const ChannelSizes& s, ChannelArrangement arrangement, long double angle)
{
    const long double H = s.H, B = s.B, tw = s.tw, tf = s.tf, a1 = s.a1, d = s.d;
    const long double Hc = H / MmPerCm, Bc = B / MmPerCm;
    SectionProperties p;
    long double ix = s.ix1, iy = s.iy1;
    std::vector<std::pair<long double, long double>> corners;
    if (arrangement == ChannelArrangement::Single) {
        p.area = a1 * Mm2PerCm2;
        const long double flanges = 2 * B * tf * tf * tf;
        p.ixx = ChannelTorsionFactor * (flanges + (H - 2 * tf) * tw * tw * tw) / 3 / Mm4PerCm4;
        p.kxx = ChannelTorsionFactor * (flanges + (H - tf) * tw * tw * tw) / (3 * tf) / Mm3PerCm3;
        corners = {{d, Hc / 2}, {-(Bc - d), Hc / 2}, {-(Bc - d), -Hc / 2}, {d, -Hc / 2}};
    } else {
        p.area = 2 * a1 * Mm2PerCm2;
        ix = 2 * s.ix1;
        corners = {{Bc, Hc / 2}, {-Bc, Hc / 2}, {-Bc, -Hc / 2}, {Bc, -Hc / 2}};
        if (arrangement == ChannelArrangement::Box) {
            iy = 2 * (s.iy1 + a1 * d * d);
            const long double t = (tf + tw) / 2;
            p.ixx = 2 * t * (H - t) * (H - t) * (2 * B - t) * (2 * B - t) / ((H - t) + (2 * B - t)) / Mm4PerCm4;
            p.kxx = 2 * (H - t) * (2 * B - t) * t / Mm3PerCm3;
        } else {
            iy = 2 * (s.iy1 + a1 * (Bc - d) * (Bc - d));
            const long double flanges = 4 * B * tf * tf * tf;
            const long double web = 8 * tw * tw * tw;
            p.ixx = ITorsionFactor * (flanges + (H - 2 * tf) * web) / 3 / Mm4PerCm4;
            p.kxx = ITorsionFactor * (flanges + (H - tf) * web) / (3 * tf) / Mm3PerCm3;
        }
    }
    const RotatedInertia turned = rotateInertia(ix, iy, angle);
    p.ix = turned.ix;
    p.iy = turned.iy;
    setModuli(p, turnedCorners(corners, angle), 1);
    return p;
}

void labelChannel(TabResult& result, ChannelArrangement arrangement, const ChannelData& ch, const ChannelSizes& s,
                  const ComputeContext& ctx)
{
    const QString e = oneDecimal(MmPerCm * s.d);
    switch (arrangement) {
    case ChannelArrangement::Single:
        result.panel.write(PanelRow::LabelX, PanelRow::Extra, ctx.msg()(Msg::Centroid) + e + QStringLiteral(" mm"));
        // The channel is drawn with its centroid at the picture's centre:
        // the values sit on their lines, the web thickness right of its
        // letter V1, the width clear of the axis letter at the bottom.
        result.labels = {{142, 148, ch.bText}, {80, 65, ch.hText}, {172, 54, e}, {156, 93, oneDecimal(s.tw)},
                         {173, 16, oneDecimal(s.tf)}};
        break;
    case ChannelArrangement::Box:
        // The total width left of the axis letter at the bottom.
        result.labels = {{96, 146, formatFixed(2 * s.B, 2)}, {60, 80, ch.hText}, {107, 95, oneDecimal(s.tw)},
                         {97, 16, oneDecimal(s.tf)}};
        break;
    case ChannelArrangement::Pair:
        // The total width on its line above, right of the axis letter.
        result.labels = {{150, 12, formatFixed(2 * s.B, 2)}, {64, 82, ch.hText}, {145, 94, oneDecimal(s.tw)},
                         {187, 42, oneDecimal(s.tf)}};
        break;
    }
}
} // namespace

ChannelResult channelEntry(const QString& entry, const FourFields& fields, ChannelArrangement ticked,
                           const ComputeContext& ctx, const ProfileTable& table)
{
    ChannelResult out;
    TabResult& result = out.tab;
    result.labels = {{120, 150, QString()}};
    result.dataCaption = entry;
    ChannelData ch;
    if (!readChannel(entry, fields, ticked, ctx, table, result, ch))
        return out;
    out.arrangement = arrangementOf(ch.title);
    ChannelSizes s;
    s.H = readOrReport(ch.hText, result, ctx);
    s.B = readOrReport(ch.bText, result, ctx);
    s.tw = ch.tw;
    s.tf = ch.tf;
    s.a1 = readOrReport(ch.v[2], result, ctx);
    s.ix1 = number(ch.v[3]);
    s.iy1 = number(ch.v[5]);
    s.d = s.iy1 / number(ch.v[6]);
    const SectionProperties p = channelProperties(s, out.arrangement, ctx.rotationAngle());
    if (writeProfile(result, ch.title + ctx.msg()(Msg::SectionFeatures), p, ctx))
        labelChannel(result, out.arrangement, ch, s, ctx);
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

namespace {
// An angle as read: its legs P (upright) and Q (level) and thickness (mm),
// the legs' texts and its record values (a typed angle gets them computed).
struct AngleData {
    long double P = 0, Q = 0, t = 0;
    QString pText, qText;
    ValueTexts v;
};

// The typed angle's weight, area, Ix, Iy, Kx and Ky as record texts.
ValueTexts customAngleValues(long double P, long double Q, long double t)
{
    const long double aMm = t * (P - t) + t * Q;
    const long double eP = ((t + (P - t) / 2) * t * (P - t) + t * t * Q / 2) / aMm;
    const long double eQ = ((t + (Q - t) / 2) * t * (Q - t) + t * t * P / 2) / (t * (Q - t) + t * P);
    const long double ix = (t * (P - t) * std::pow(eP - (t + (P - t) / 2), 2.0L) + std::pow(P - t, 3.0L) * t / 12 +
                            t * Q * (eP - t / 2) * (eP - t / 2) + t * t * t * Q / 12) / Mm4PerCm4;
    const long double iy = (t * (Q - t) * std::pow(eQ - (t + (Q - t) / 2), 2.0L) + std::pow(Q - t, 3.0L) * t / 12 +
                            t * P * (eQ - t / 2) * (eQ - t / 2) + t * t * t * P / 12) / Mm4PerCm4;
    const long double kx = ix / ((P - eP) / MmPerCm);
    const long double ky = iy / ((Q - eQ) / MmPerCm);
    const long double area = aMm / Mm2PerCm2;
    ValueTexts v;
    v[1] = formatFixed(area * SteelDensity / Cm2PerM2, 2);
    v[2] = formatFixed(area, 3);
    v[3] = formatFixed(ix, 6);
    v[4] = formatFixed(iy, 6);
    v[5] = formatFixed(kx, 6);
    v[6] = formatFixed(ky, 6);
    return v;
}

// Reads the angle from the catalogue or the fields; false when there is
// nothing to compute.
bool readAngle(const QString& entry, const AngleFields& fields, const ComputeContext& ctx, const ProfileTable& table,
               TabResult& result, AngleData& a)
{
    if (!isCustomEntry(entry, ctx)) {
        QStringList pieces = splitEntry(entry);
        const QString cold = QStringLiteral("CR L section ");
        const QString hot = QStringLiteral("L section ");
        if (entry.startsWith(cold)) {
            pieces[0].remove(0, cold.size());
            a.pText = pieces[0];
            a.qText = pieces[1];
        } else {
            if (pieces[0].startsWith(hot))
                pieces[0].remove(0, hot.size());
            a.pText = pieces[1];
            a.qText = pieces[0];
        }
        a.P = readOrReport(a.pText, result, ctx);
        a.Q = readOrReport(a.qText, result, ctx);
        a.t = readOrReport(pieces[2], result, ctx);
        const std::optional<int> record = table.find(entry, {ProfileFamily::HotRolledL, ProfileFamily::ColdRolledL});
        if (!record)
            return false; // no record: nothing to compute
        a.v = readValues(table, *record, 6);
        result.dataCaption = entry;
        return true;
    }
    result.dataCaption = ctx.msg()(Msg::LSection) + QLatin1Char(' ') + fields.a + QLatin1Char('x') + fields.b +
                         QLatin1Char('x') + fields.t;
    const AngleCheck check = angleCustomCheck(fields);
    a.t = number(fields.t);
    if (!check.message.isEmpty())
        result.messages << check.message;
    if (!check.valid || a.t == 0) {
        writeInvalid(result, entry, ctx);
        return false;
    }
    a.Q = number(fields.a);
    a.P = number(fields.b);
    a.qText = fields.a;
    a.pText = fields.b;
    a.v = customAngleValues(a.P, a.Q, a.t);
    return true;
}

// The angle's properties about its turned axes, from its principal axes; u
// and w are the distances (cm) from the centroid to the tips of legs P and Q.
SectionProperties angleProperties(const AngleData& a, long double u, long double w, TabResult& result,
                                  const ComputeContext& ctx)
{
    const long double P = a.P, Q = a.Q, t = a.t;
    const long double ix0 = number(a.v[3]), iy0 = number(a.v[4]);
    const long double uMm = MmPerCm * u, wMm = MmPerCm * w;
    SectionProperties p;
    p.area = readOrReport(a.v[2], result, ctx) * Mm2PerCm2;
    // Product of inertia from the two legs taken as rectangles about the centroid.
    const long double ixy = (P - t) * t * (uMm - (P - t) / 2) * (-(Q - wMm - t / 2)) +
                            Q * t * (wMm - Q / 2) * (-(P - uMm - t / 2));
    const long double ixyCm = ixy / Mm4PerCm4;
    // The small term keeps the angle of a section with equal moments finite.
    long double alpha = radiansToDegrees(0.5L * std::atan(-2 * ixyCm / (ix0 - iy0 + 0.0000001L)));
    if (iy0 > ix0)
        alpha += 90;
    const long double mean = (ix0 + iy0) / 2;
    const long double spread = 0.5L * std::sqrt((ix0 - iy0) * (ix0 - iy0) + 4 * ixyCm * ixyCm);
    const long double i1 = mean + spread, i2 = mean - spread;
    p.ix = (i1 + i2) / 2 + (i1 - i2) / 2 * std::cos(2 * degreesToRadians(ctx.rotationAngle() + alpha));
    p.iy = (i1 + i2) / 2 + (i1 - i2) / 2 * std::cos(2 * degreesToRadians(ctx.rotationAngle() + 90 + alpha));
    const long double legs = Q * t * t * t + (P - t) * t * t * t;
    p.ixx = legs / 3 / Mm4PerCm4;
    p.kxx = legs / (3 * t) / Mm3PerCm3;
    const std::pair<long double, long double> corners[5] = {
        {-(Q - wMm - t), uMm}, {-(Q - wMm), uMm}, {-(Q - wMm), -(P - uMm)}, {wMm, -(P - uMm)}, {wMm, -(P - uMm - t)}};
    setModuli(p, turnedCorners(corners, ctx.rotationAngle()), MmPerCm);
    return p;
}
} // namespace

TabResult angleEntry(const QString& entry, const AngleFields& fields, const ComputeContext& ctx,
                     const ProfileTable& table)
{
    const MessageTable& m = ctx.msg();
    TabResult result;
    result.labels = {{0, 0, QString()}, {0, 0, QString()}, {0, 0, QString()}, {0, 0, QString()}};
    result.dataCaption = m(Msg::LSection);
    const bool custom = isCustomEntry(entry, ctx);
    result.fieldsEnabled = custom;
    if (!custom && (entry.endsWith(QLatin1Char('.')) || entry == m(Msg::HotRolledLSection) || entry == m(Msg::ColdRolledLSection)))
        return result; // a heading

    AngleData a;
    if (!readAngle(entry, fields, ctx, table, result, a))
        return result;
    result.toListEnabled = true;
    const long double u = number(a.v[3]) / number(a.v[5]);
    const long double w = number(a.v[4]) / number(a.v[6]);
    const QString e1 = oneDecimal(MmPerCm * u), e2 = oneDecimal(MmPerCm * w);
    result.labels = {{122, 135, a.qText}, {50, 49, a.pText}, {138, 119, e2}, {78, 44, e1}};
    const SectionProperties p = angleProperties(a, u, w, result, ctx);
    if (writeProfile(result, entry + m(Msg::SectionFeatures), p, ctx))
        result.panel.write(PanelRow::LabelX, PanelRow::Extra,
                           m(Msg::Centroid) + QStringLiteral("e1=") + e1 + QStringLiteral(" e2=") + e2 + QStringLiteral(" mm"));
    return result;
}

PlateResult plateEntry(const QString& entry, const ComputeContext& ctx, const ProfileTable& table)
{
    const MessageTable& m = ctx.msg();
    PlateResult out;
    TabResult& result = out.tab;
    result.fieldsEnabled = false;
    result.fieldTexts = QStringList{QStringLiteral("0"), QStringLiteral("0")};
    result.dataCaption = m(Msg::Plate) + entry;
    const std::optional<int> record = table.find(entry, {ProfileFamily::Plate});
    if (!record)
        return out;
    out.record = *record;
    out.weightText = table.valueText(*record, 1);
    result.fieldsEnabled = true;
    result.title = entry + m(Msg::Features);
    result.panel.write(PanelRow::LabelX, PanelRow::Title, result.title);
    result.panel.write(PanelRow::LabelX, PanelRow::Weight, m(Msg::WeightFormula));
    result.panel.write(PanelRow::ValueX, PanelRow::Weight, out.weightText + QStringLiteral(" Kg/m2"));
    return out;
}
