// "job add-private": an item typed in rather than computed, checked against
// its bounding rectangle and appended to a job file as the private data
// window's "To List" does.
#include "cli_common.h"
#include "job_cli.h"

#include "base/number_format.h"
#include "itemlist/job_file.h"
#include "itemlist/plausibility.h"
#include "itemlist/private_item.h"
#include "sections/material.h"
#include "settings/message_table.h"

#include <QFileInfo>

namespace {
const MessageTable& english()
{
    return MessageTable::english();
}

// A property as the window's field holds it: digits and at most one point.
bool isFieldNumber(const QString& text)
{
    return !text.isEmpty() && filterPropertyText(text) == text && readNumber(text).has_value();
}

// The typed properties from --ix, --iy, --kx, --ky, --ixx, --kxx and --area.
std::optional<PrivatePropertyTexts> propertyOptions(const Options& o, QString& error)
{
    PrivatePropertyTexts typed;
    const auto take = [&](const char* name, std::initializer_list<PrivateProperty> properties) {
        const auto value = o.get(QString::fromLatin1(name));
        if (!value) {
            error = QStringLiteral("%1 is required").arg(QString::fromLatin1(name));
            return false;
        }
        const QStringList parts = value->split(QLatin1Char(','));
        if (parts.size() != int(properties.size())) {
            error = QStringLiteral("%1 takes %2").arg(QString::fromLatin1(name),
                                                      properties.size() == 2 ? QStringLiteral("two values, A,B")
                                                                             : QStringLiteral("one value"));
            return false;
        }
        int i = 0;
        for (PrivateProperty p : properties) {
            const QString& text = parts[i++];
            if (!isFieldNumber(text)) {
                error = QStringLiteral("%1: '%2' is not digits with at most one point").arg(QString::fromLatin1(name), text);
                return false;
            }
            typed[std::size_t(p)] = text;
        }
        return true;
    };
    if (!take("--ix", {PrivateProperty::Ix}) || !take("--iy", {PrivateProperty::Iy}) ||
        !take("--kx", {PrivateProperty::KxAbove, PrivateProperty::KxUnder}) ||
        !take("--ky", {PrivateProperty::KyLeft, PrivateProperty::KyRight}) ||
        !take("--ixx", {PrivateProperty::Ixx}) || !take("--kxx", {PrivateProperty::Kxx}) ||
        !take("--area", {PrivateProperty::Area}))
        return std::nullopt;
    return typed;
}
} // namespace

int jobAddPrivateCommand(const QStringList& args)
{
    Options o;
    QByteArray path;
    const QStringList own{"--description", "--area", "--ix", "--iy", "--kx", "--ky", "--ixx", "--kxx"};
    if (const auto status = readJobAddOptions(args, QStringLiteral("job add-private"), own, {"--accept"}, o, path))
        return *status;
    QString error;

    PrivateItemTexts texts;
    const auto description = o.get("--description");
    if (!description || description->isEmpty())
        return fail(QStringLiteral("--description is required"));
    if (description->size() > PrivateDescriptionMaxLength)
        return fail(QStringLiteral("--description holds at most %1 characters").arg(PrivateDescriptionMaxLength));
    texts.description = *description;
    const auto typed = propertyOptions(o, error);
    if (!typed)
        return fail(error);
    texts.properties = *typed;

    return addPrivateItem(o, path, [&](const MaterialTexts& material, const UnitSettings&) {
        texts.material = material;
        return texts;
    }, [](const PrivateItemTexts& item, const UnitSettings& units) { return privatePreview(item.properties, units); });
}

int addPrivateItem(const Options& o, const QByteArray& path,
                   const std::function<PrivateItemTexts(const MaterialTexts&, const UnitSettings&)>& itemTexts,
                   const std::function<QImage(const PrivateItemTexts&, const UnitSettings&)>& picture)
{
    JobFile job;
    std::unique_ptr<QLockFile> lock;
    if (const auto status = openJobForAdding(o, path, job, lock))
        return *status;
    Options filtered = o;
    filterMaterialOptions(filtered, job);

    // The window's material boxes as a loaded job leaves them.
    const PrivateItemTexts texts = itemTexts(jobMaterial(filtered, job), job.units);

    const PlausibilityResult check = checkPlausibility(texts.properties, job.units, english());
    if (!check.report.isEmpty())
        printLine(stdout, check.report.trimmed());
    if (!check.plausible && !o.has("--accept")) {
        printLine(stderr, QStringLiteral("not listed: the item does not fit its bounding rectangle (--accept lists it)"));
        return ExitRejected;
    }

    const int r = int(job.rows.size()) + 1;
    const WriteOutcome out = writePrivateRow(r, texts, job.units, picture(texts, job.units), english());
    for (const QString& message : out.messages)
        printLine(stderr, message);
    if (!out.written) {
        printLine(stderr, out.refusal);
        return ExitRejected;
    }
    ListRow row = out.row;
    row.cells[0] = QString::number(r);
    job.rows.push_back(row);
    job.eItems = out.eItems;
    job.densityItems = out.densityItems;
    job.tensile = texts.material.tensile;
    job.pressure = texts.material.pressure;
    job.firstTabPicture = firstTabPicture();
    const QByteArray bytes = writeJob(job);
    if (bytes.isEmpty() || !saveJobFile(path, bytes))
        return ExitRejected;
    return 0;
}
