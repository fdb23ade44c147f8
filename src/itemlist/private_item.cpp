#include "itemlist/private_item.h"

#include "drawing/overlay.h"
#include "drawing/private_preview.h"
#include "base/number_format.h"
#include "settings/message_table.h"

QString PrivateItemTexts::currentValues() const
{
    QString joined;
    for (const QString& text : properties)
        joined += text;
    return joined;
}

int PrivateItemTexts::filledFields() const
{
    int filled = 0;
    for (const QString& text : properties)
        filled += text.isEmpty() ? 0 : 1;
    for (const QString* text : {&description, &material.tensile, &material.pressure})
        filled += text->isEmpty() ? 0 : 1;
    return filled;
}

QString filterPropertyText(const QString& input)
{
    QString text = input;
    for (;;) {
        bool point = false;
        int bad = -1;
        for (int i = 0; i < text.size() && bad < 0; ++i) {
            const QChar c = text[i];
            if (c == QLatin1Char('.') && !point)
                point = true;
            else if (c.unicode() < '0' || c.unicode() > '9')
                bad = i;
        }
        if (bad < 0)
            return text;
        text.remove(bad, 1);
    }
}

std::pair<QString, QString> splitPairCell(const QString& cell)
{
    const int at = cell.indexOf(QLatin1Char('&'));
    QString upper = at < 0 ? cell : cell.left(at);
    QString lower = at < 0 ? QString() : cell.mid(at + 1);
    upper.remove(QLatin1Char(' '));
    lower.remove(QLatin1Char(' '));
    return {upper, lower};
}

PrivateItemTexts correctionTexts(const ListRow& row)
{
    PrivateItemTexts t;
    for (int c = 0; c < 4; ++c) {
        const auto [upper, lower] = splitPairCell(row.cells[std::size_t(6 + c)]);
        t.properties[std::size_t(2 * c)] = upper;
        t.properties[std::size_t(2 * c + 1)] = lower;
    }
    t.properties[std::size_t(PrivateProperty::Area)] = row.cells[5];
    const auto [tensile, pressure] = splitPairCell(row.cells[11]);
    t.material.tensile = tensile;
    t.material.pressure = pressure;
    t.description = row.cells[2];
    t.material.density = row.cells[4];
    t.material.eModulus = row.cells[3];
    t.material.poisson = row.cells[10].trimmed();
    return t;
}

QString correctionStartValues(const ListRow& row)
{
    return correctionTexts(row).currentValues();
}

QImage privatePreview(const PrivatePropertyTexts& typed, const UnitSettings& units)
{
    const ExtremeFibreDistances e = extremeFibreDistances(typed, units);
    PreviewDistances d;
    if (e.aboveKnown)
        d.above = e.above;
    if (e.underKnown)
        d.under = e.under;
    if (e.leftKnown)
        d.left = e.left;
    if (e.rightKnown)
        d.right = e.right;
    return drawPrivatePreview(d);
}

WriteOutcome writePrivateRow(int r, const PrivateItemTexts& texts, const UnitSettings& units, const QImage& preview,
                             const MessageTable& m, const QString& keptMark)
{
    long double stored[PrivatePropertyCount];
    for (int k = 0; k < PrivatePropertyCount; ++k) {
        const auto value = readNumber(texts.properties[std::size_t(k)]);
        if (!value) {
            WriteOutcome refused;
            refused.refusal = m(Msg::WrongData);
            refused.eItems = texts.material.eItems;
            refused.densityItems = texts.material.densityItems;
            refused.poissonItems = texts.material.poissonItems;
            return refused;
        }
        stored[k] = *value * unitDivisor(units, propertyGroup(static_cast<PrivateProperty>(k)));
    }
    SectionProperties p;
    p.ix = stored[0];
    p.iy = stored[1];
    p.kxAbove = stored[2];
    p.kxUnder = stored[3];
    p.kyLeft = stored[4];
    p.kyRight = stored[5];
    p.ixx = stored[6];
    p.kxx = stored[7];
    p.area = stored[8];
    WriteOutcome out = writeSectionRow(r, texts.material, p, units, 0, m);
    if (!out.written)
        return out;
    out.row.cells[1] = keptMark.isEmpty() ? QStringLiteral("10") : keptMark;
    out.row.cells[2] = texts.description;
    out.row.rowPicture = toSixteenColours(preview);
    return out;
}
