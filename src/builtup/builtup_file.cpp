#include "builtup/builtup_file.h"

#include "base/number_format.h"
#include "sections/dimension_filter.h"
#include "sections/tab_computations.h"
#include "settings/eight_bit_text.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonParseError>

#include <cmath>

namespace {

const QString FormatName = QStringLiteral("morvane-builtup");
// Positions beyond this (mm) are typing errors, not sections.
constexpr double MaxPosition = 100000;

// A number the file gives as a dimension, as the field would hold it.
QString dimensionText(double value)
{
    return QString::number(value, 'g', 12);
}

std::optional<BuiltUpPart> readPart(const QJsonValue& value, QString& why)
{
    if (!value.isObject()) {
        why = QStringLiteral("is not an object");
        return std::nullopt;
    }
    const QJsonObject o = value.toObject();
    static const QStringList known{"kind", "entry", "dims", "x", "y", "angle", "mirror"};
    for (const QString& key : o.keys())
        if (!known.contains(key)) {
            why = QStringLiteral("has an unknown key \"%1\"").arg(key);
            return std::nullopt;
        }
    BuiltUpPart part;
    const auto kind = kindFromCode(o.value(QStringLiteral("kind")).toString());
    if (!kind || *kind == SectionKind::Plate) {
        why = QStringLiteral("has no kind of rh, ch, rs, cs, flat, l, t, u or i (a plate is rs)");
        return std::nullopt;
    }
    part.kind = *kind;
    const bool hasEntry = o.contains(QStringLiteral("entry")), hasDims = o.contains(QStringLiteral("dims"));
    if (hasEntry == hasDims) {
        why = QStringLiteral("needs either an entry or dims");
        return std::nullopt;
    }
    if (hasEntry) {
        const QJsonValue entry = o.value(QStringLiteral("entry"));
        if (!entry.isString() || entry.toString().isEmpty()) {
            why = QStringLiteral("has an entry that is not a text");
            return std::nullopt;
        }
        part.entry = entry.toString();
        if (const QString problem = entryProblem(part); !problem.isEmpty()) {
            why = problem;
            return std::nullopt;
        }
    } else {
        const QJsonArray dims = o.value(QStringLiteral("dims")).toArray();
        if (!o.value(QStringLiteral("dims")).isArray() || dims.size() != customFieldCount(part.kind)) {
            why = QStringLiteral("needs %1 dims for the %2 kind").arg(customFieldCount(part.kind)).arg(kindCode(part.kind));
            return std::nullopt;
        }
        for (const QJsonValue& d : dims) {
            const QString text = d.isDouble() ? dimensionText(d.toDouble()) : QString();
            if (text.isEmpty() || filterDimensionText(text) != text || !readNumber(text)) {
                why = QStringLiteral("has a dimension that is not 0 to 999.99 mm with at most two decimals");
                return std::nullopt;
            }
            part.dims << text;
        }
    }
    for (const char* axis : {"x", "y"}) {
        const QJsonValue v = o.value(QLatin1String(axis));
        if (!v.isDouble() || !std::isfinite(v.toDouble()) || std::abs(v.toDouble()) > MaxPosition) {
            why = QStringLiteral("needs %1 as a number of mm").arg(QLatin1String(axis));
            return std::nullopt;
        }
        (axis[0] == 'x' ? part.x : part.y) = v.toDouble();
    }
    if (o.contains(QStringLiteral("angle"))) {
        const double angle = o.value(QStringLiteral("angle")).toDouble(-1);
        if (!o.value(QStringLiteral("angle")).isDouble() || angle != std::floor(angle) || angle < 0 || angle > 359) {
            why = QStringLiteral("has an angle that is not a whole number of degrees 0 to 359");
            return std::nullopt;
        }
        part.angle = int(angle);
    }
    if (o.contains(QStringLiteral("mirror"))) {
        if (!o.value(QStringLiteral("mirror")).isBool()) {
            why = QStringLiteral("has a mirror that is not true or false");
            return std::nullopt;
        }
        part.mirror = o.value(QStringLiteral("mirror")).toBool();
    }
    return part;
}

BuiltUpReading refused(const QString& why)
{
    BuiltUpReading r;
    r.reason = why;
    return r;
}

} // namespace

BuiltUpReading readBuiltUp(const QByteArray& bytes)
{
    if (bytes.size() > BuiltUpFileMaxBytes)
        return refused(QStringLiteral("the file is too large for a built-up section"));
    QJsonParseError error;
    const QJsonDocument doc = QJsonDocument::fromJson(decodeEightBit(bytes).toUtf8(), &error);
    if (error.error != QJsonParseError::NoError)
        return refused(QStringLiteral("the file is not JSON: %1 at %2").arg(error.errorString()).arg(error.offset));
    if (!doc.isObject())
        return refused(QStringLiteral("the file holds no object"));
    const QJsonObject o = doc.object();
    if (o.value(QStringLiteral("format")).toString() != FormatName)
        return refused(QStringLiteral("the file is not a built-up section (\"format\" is not \"%1\")").arg(FormatName));
    const QJsonValue version = o.value(QStringLiteral("version"));
    if (!version.isDouble() || version.toDouble() != BuiltUpFileVersion)
        return refused(QStringLiteral("the file's version is not %1").arg(BuiltUpFileVersion));
    for (const QString& key : o.keys())
        if (key != QLatin1String("format") && key != QLatin1String("version") && key != QLatin1String("name") &&
            key != QLatin1String("parts"))
            return refused(QStringLiteral("the file has an unknown key \"%1\"").arg(key));
    BuiltUpComposition c;
    const QJsonValue name = o.value(QStringLiteral("name"));
    if (!name.isUndefined() && !name.isString())
        return refused(QStringLiteral("the name is not a text"));
    c.name = name.toString();
    if (c.name.size() > BuiltUpNameMaxLength)
        return refused(QStringLiteral("the name is longer than %1 characters").arg(BuiltUpNameMaxLength));
    const QJsonArray parts = o.value(QStringLiteral("parts")).toArray();
    if (!o.value(QStringLiteral("parts")).isArray() || parts.isEmpty() || parts.size() > BuiltUpMaxParts)
        return refused(QStringLiteral("the file needs 1 to %1 parts").arg(BuiltUpMaxParts));
    for (qsizetype i = 0; i < parts.size(); ++i) {
        QString why;
        const auto part = readPart(parts[i], why);
        if (!part)
            return refused(QStringLiteral("part %1 %2").arg(i + 1).arg(why));
        c.parts.push_back(*part);
    }
    BuiltUpReading r;
    r.composition = std::move(c);
    return r;
}

QJsonObject builtUpPartJson(const BuiltUpPart& p)
{
    QJsonObject part{{"kind", kindCode(p.kind)}, {"x", p.x}, {"y", p.y}, {"angle", p.angle}, {"mirror", p.mirror}};
    if (!p.entry.isEmpty()) {
        part.insert(QStringLiteral("entry"), p.entry);
    } else {
        QJsonArray dims;
        for (const QString& d : p.dims)
            dims.append(double(readNumber(d).value_or(0)));
        part.insert(QStringLiteral("dims"), dims);
    }
    return part;
}

QByteArray writeBuiltUp(const BuiltUpComposition& c)
{
    QJsonArray parts;
    for (const BuiltUpPart& p : c.parts)
        parts.append(builtUpPartJson(p));
    const QJsonObject o{{"format", FormatName}, {"version", BuiltUpFileVersion}, {"name", c.name}, {"parts", parts}};
    return QJsonDocument(o).toJson(QJsonDocument::Indented);
}
