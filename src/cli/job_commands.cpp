// The job commands: add an item to a job file, show a job file.
#include "cli_common.h"
#include "job_cli.h"

#include "catalogue/profile_catalogue.h"
#include "drawing/dimension_label_table.h"
#include "drawing/overlay.h"
#include "drawing/section_pictures.h"
#include "itemlist/job_file.h"
#include "itemlist/list_section.h"
#include "itemlist/list_table.h"
#include "itemlist/units_apply.h"
#include "sections/material.h"
#include "base/number_format.h"
#include "sections/profiles.h"
#include "settings/message_table.h"

#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include "base/save_file.h"

#include <unistd.h>

namespace {
const MessageTable& english()
{
    return MessageTable::english();
}
} // namespace

// The helpers below are shared with the private-item command (job_cli.h).

// A file that is not a job: message 1 and the reason.
int refuseFile(const QString& reason)
{
    printLine(stderr, english()(Msg::WrongData));
    printLine(stderr, reason);
    return ExitRejected;
}

std::optional<JobReading> readJobFile(const QByteArray& path, QString& error)
{
    if (path.isEmpty()) {
        error = QStringLiteral("two arguments decode to the same file name");
        return std::nullopt;
    }
    const auto bytes = readWholeNativeFile(path, largestJobFileSize(), &error);
    if (!bytes)
        return std::nullopt;
    return readJob(*bytes);
}

// A new job as the window starts one, its material texts in the job's units.
std::optional<int> readJobAddOptions(const QStringList& args, const QString& command, const QStringList& ownValued,
                                     const QStringList& flags, Options& options, QByteArray& path)
{
    static const QStringList itemOptions{"--emodulus", "--density", "--poisson", "--tensile",
                                         "--pressure", "--units",   "--name"};
    QString error;
    const auto parsed = parseOptions(args, ownValued + itemOptions, flags, error);
    if (!parsed)
        return fail(error);
    if (parsed->positional.size() != 1)
        return fail(QStringLiteral("%1 takes one job file").arg(command));
    options = *parsed;
    path = nativeFileName(options.positional.first());
    return std::nullopt;
}

std::optional<int> openJobForAdding(const Options& o, const QByteArray& path, JobFile& job,
                                    std::unique_ptr<QLockFile>& lock)
{
    QString error;
    if (path.isEmpty())
        return fail(QStringLiteral("two arguments decode to the same file name"));
    std::optional<UnitSettings> askedUnits;
    if (auto digits = o.get("--units")) {
        askedUnits = UnitSettings::fromDigits(*digits);
        if (!askedUnits)
            return fail(QStringLiteral("--units takes seven digits 1 to 3, such as 1122233"));
    }
    lock = lockForUpdate(QFile::decodeName(path), JobLockWaitMs, &error);
    if (!lock) {
        printLine(stderr, english()(Msg::WriteError) + QFile::decodeName(path));
        printLine(stderr, error);
        return ExitRejected;
    }
    if (::access(path.constData(), F_OK) == 0) {
        const auto read = readJobFile(path, error);
        if (!read)
            return refuseFile(error);
        if (!read->job)
            return refuseFile(read->reason);
        job = *read->job;
        if (askedUnits && *askedUnits != job.units)
            return fail(QStringLiteral("the job is in units %1; --units cannot change them").arg(job.units.digits()));
        if (auto name = o.get("--name"))
            job.name = name->left(24).isEmpty() ? QStringLiteral("Noname") : name->left(24);
    } else {
        job = newJob(o.get("--name").value_or(QString()), askedUnits.value_or(UnitSettings{}));
    }
    if (int(job.rows.size()) >= ItemListCapacity) {
        printLine(stderr, english()(Msg::ListFull));
        return ExitRejected;
    }
    return std::nullopt;
}

JobFile newJob(const QString& name, const UnitSettings& units)
{
    JobFile job;
    job.name = name.left(24).isEmpty() ? QStringLiteral("Noname") : name.left(24);
    job.units = units;
    const UnitSettings start;
    const auto factor = [&](UnitGroup g) { return unitFactor(g, start.choice(g), units.choice(g)); };
    for (const QString& item : eModulusItems())
        job.eItems << reexpressListText(item, factor(UnitGroup::EModulus), ListNumberStyle::Whole);
    for (const QString& item : densityItems())
        job.densityItems << reexpressListText(item, factor(UnitGroup::Density), ListNumberStyle::Density);
    const bool sameStress = start.choice(UnitGroup::Stress) == units.choice(UnitGroup::Stress);
    job.tensile = sameStress ? QStringLiteral("300")
                             : reexpressStress(QStringLiteral("300"), factor(UnitGroup::Stress), false);
    job.pressure = sameStress ? QStringLiteral("-300")
                              : reexpressStress(QStringLiteral("-300"), factor(UnitGroup::Stress), true);
    if (job.pressure.size() > 0 && !job.pressure.startsWith(QLatin1Char('-')))
        job.pressure.prepend(QLatin1Char('-')); // the field's filter puts the sign back
    return job;
}

// The picture the first tab shows before anything is computed on it.
QImage firstTabPicture()
{
    return redrawOverlay(sectionPicture(pictureFor(SectionKind::RectHollow)), 0, DimensionLabelTable{}, english());
}

MaterialTexts jobMaterial(const Options& o, const JobFile& job)
{
    MaterialTexts material;
    material.eItems = job.eItems;
    material.densityItems = job.densityItems;
    material.poissonItems = poissonItems();
    material.eModulus = o.get("--emodulus").value_or(job.eItems.value(0));
    material.density = o.get("--density").value_or(job.densityItems.value(0));
    material.poisson = o.get("--poisson").value_or(material.poissonItems.value(0));
    material.tensile = o.get("--tensile").value_or(job.tensile);
    material.pressure = o.get("--pressure").value_or(job.pressure);
    return material;
}

void filterMaterialOptions(Options& o, const JobFile& job)
{
    filterMaterialOption(o, QStringLiteral("--emodulus"), job.eItems);
    filterMaterialOption(o, QStringLiteral("--density"), job.densityItems);
    filterMaterialOption(o, QStringLiteral("--poisson"), poissonItems());
    filterMaterialOption(o, QStringLiteral("--tensile"), {});
    filterMaterialOption(o, QStringLiteral("--pressure"), {});
}

bool saveJobFile(const QByteArray& path, const QByteArray& bytes)
{
    QString error;
    if (!saveWholeNativeFile(path, bytes, &error)) {
        printLine(stderr, english()(Msg::WriteError) + QFile::decodeName(path));
        printLine(stderr, english()(Msg::RemoveWriteProtection));
        printLine(stderr, error);
        return false;
    }
    return true;
}

namespace {
// A plate's --lengths L1,L2 checked and taken out of the options, which then
// compute the plate's entry; other kinds take no --lengths.
std::optional<int> takePlateLengths(Options& o, SectionKind kind)
{
    if (kind != SectionKind::Plate) {
        if (o.get("--lengths"))
            return fail(QStringLiteral("--lengths is for plates only"));
        return std::nullopt;
    }
    const auto lengths = o.get("--lengths");
    const QStringList parts = lengths ? lengths->split(QLatin1Char(',')) : QStringList{};
    if (parts.size() != 2)
        return fail(QStringLiteral("a plate needs --lengths L1,L2 in millimetres"));
    o.values.erase(QStringLiteral("--lengths"));
    return std::nullopt;
}

// Prints a listing's messages; takes its row when it is written, else prints
// its refusal and gives the exit status.
template <typename Outcome>
std::optional<int> takeListedRow(const Outcome& out, ListRow& row)
{
    for (const QString& message : out.messages)
        printLine(stderr, message);
    if (!out.written) {
        printLine(stderr, out.refusal);
        return ExitRejected;
    }
    row = out.row;
    return std::nullopt;
}

// The row of a plate of the entry with the lengths L1,L2; an exit status when
// it is refused.
std::optional<int> plateRow(int r, const QString& entry, const QString& lengths, const ComputeContext& ctx,
                            ListRow& row)
{
    const PlateResult plate = plateEntry(entry, ctx, ProfileTable::builtIn());
    const QStringList l = lengths.split(QLatin1Char(','));
    const long double mass = readNumber(ProfileTable::builtIn().valueText(plate.record, 1)).value_or(0);
    return takeListedRow(writePlateRow(r, entry, l[0], l[1], QStringLiteral("1"), QString(), mass, english()), row);
}

// The row of a computed section, listed as the window lists it; the job takes
// the material lists and stresses the listing leaves. An exit status when the
// section is not computed or is refused.
std::optional<int> sectionRow(int r, SectionKind k, const Options& o, const ComputeContext& ctx,
                              const TabResult& result, const MaterialTexts& material, JobFile& job, ListRow& row)
{
    if (!result.properties || !result.toListEnabled) {
        for (const QString& message : result.messages)
            printLine(stderr, message);
        printLine(stderr, QStringLiteral("the section is not computed, so it cannot be listed"));
        return ExitRejected;
    }
    SectionListing listing;
    listing.kind = k;
    if (result.fieldTexts)
        listing.fields = *result.fieldTexts;
    else if (auto dims = o.get("--dims"))
        listing.fields = dims->split(QLatin1Char(','));
    listing.dataCaption = result.dataCaption.value_or(result.title);
    listing.angle = ctx.angle;
    listing.properties = *result.properties;
    DimensionLabelTable labels;
    labels.setLabels(result.labels);
    listing.overlay = redrawOverlay(sectionPicture(pictureFor(k, static_cast<UArrangement>(result.pictureVariant))),
                                    ctx.angle, labels, english());
    listing.material = material;
    listing.units = job.units;
    const WriteOutcome out = listSection(r, listing, english());
    if (const auto status = takeListedRow(out, row))
        return status;
    job.eItems = out.eItems;
    job.densityItems = out.densityItems;
    job.tensile = material.tensile;
    job.pressure = material.pressure;
    return std::nullopt;
}

int jobAddCommand(const QStringList& args)
{
    Options o;
    QByteArray path;
    if (const auto status = readJobAddOptions(
            args, QStringLiteral("job add"), {"--kind", "--entry", "--dims", "--arrangement", "--angle", "--lengths"},
            {}, o, path))
        return *status;

    JobFile job;
    std::unique_ptr<QLockFile> lock;
    if (const auto status = openJobForAdding(o, path, job, lock))
        return *status;
    filterMaterialOptions(o, job);
    const int r = int(job.rows.size()) + 1;

    // The material bar as a loaded job leaves it: the first list items and
    // the stress fields of the job.
    const MaterialTexts material = jobMaterial(o, job);

    o.values[QStringLiteral("--units")] = job.units.digits();
    o.values[QStringLiteral("--density")] = material.density;
    QString error;
    const auto kind = kindOption(o, error);
    if (!kind)
        return fail(error);
    const QString lengths = o.get("--lengths").value_or(QString()); // a plate's, taken out next
    if (const auto status = takePlateLengths(o, *kind))
        return *status;

    SectionKind k{};
    ComputeContext ctx;
    TabResult result;
    if (auto status = computeFromOptions(o, k, ctx, result))
        return *status;

    ListRow row;
    const auto status = k == SectionKind::Plate
                            ? plateRow(r, *o.get("--entry"), lengths, ctx, row)
                            : sectionRow(r, k, o, ctx, result, material, job, row);
    if (status)
        return *status;
    row.cells[0] = QString::number(r);
    job.rows.push_back(row);
    job.firstTabPicture = firstTabPicture();
    const QByteArray bytes = writeJob(job);
    if (bytes.isEmpty() || !saveJobFile(path, bytes))
        return ExitRejected;
    return 0;
}

int jobShowCommand(const QStringList& args)
{
    QString error;
    const auto o = parseOptions(args, {}, {"--json", "--csv"}, error);
    if (!o)
        return fail(error);
    if (o->positional.size() != 1)
        return fail(QStringLiteral("job show takes one job file"));
    if (o->has("--json") && o->has("--csv"))
        return fail(QStringLiteral("job show takes --json or --csv, not both"));
    const auto read = readJobFile(nativeFileName(o->positional.first()), error);
    if (!read)
        return refuseFile(error);
    if (!read->job)
        return refuseFile(read->reason);
    const JobFile& job = *read->job;
    constexpr int UsedSlots = 13;
    if (o->has("--csv")) {
        // The list as the window copies it, under the captions of the job's units.
        ItemList list;
        for (const ListRow& row : job.rows)
            list.put(list.nextListRow(), row);
        const QString text = csvText(listTable(list, 1, list.count(), headerCaptions(job.units, english())));
        std::fputs(text.toUtf8().constData(), stdout);
        return 0;
    }
    if (o->has("--json")) {
        QJsonArray items;
        for (const ListRow& row : job.rows) {
            QJsonArray cells, values;
            for (const QString& cell : row.cells)
                cells.append(cell);
            for (int s = 0; s < UsedSlots; ++s)
                values.append(double(row.itemValues[std::size_t(s)]));
            items.append(QJsonObject{{"cells", cells}, {"values", values}});
        }
        const QJsonObject object{{"name", job.name},
                                 {"count", int(job.rows.size())},
                                 {"items", items},
                                 {"units", job.units.digits()},
                                 {"eList", QJsonArray::fromStringList(job.eItems)},
                                 {"densityList", QJsonArray::fromStringList(job.densityItems)},
                                 {"tensile", job.tensile},
                                 {"pressure", job.pressure},
                                 {"limits", QJsonArray::fromStringList(requirementLines(job.limits))}};
        printLine(stdout, QString::fromUtf8(QJsonDocument(object).toJson(QJsonDocument::Indented)).trimmed());
        return 0;
    }
    printLine(stdout, QStringLiteral("name: ") + job.name);
    printLine(stdout, QStringLiteral("count: %1").arg(job.rows.size()));
    printLine(stdout, QStringLiteral("units: ") + job.units.digits());
    for (std::size_t i = 0; i < job.rows.size(); ++i) {
        QStringList cells;
        for (const QString& cell : job.rows[i].cells)
            cells << cell;
        printLine(stdout, QStringLiteral("item %1: ").arg(i + 1) + cells.join(QStringLiteral(" | ")));
    }
    printLine(stdout, QStringLiteral("E modulus list: ") + job.eItems.join(QStringLiteral(" | ")));
    printLine(stdout, QStringLiteral("density list: ") + job.densityItems.join(QStringLiteral(" | ")));
    printLine(stdout, QStringLiteral("tensile: ") + job.tensile);
    printLine(stdout, QStringLiteral("pressure: ") + job.pressure);
    printLine(stdout, QStringLiteral("limits: ") + requirementLines(job.limits).join(QLatin1Char(',')));
    return 0;
}

// One registration for the group: "job add ..." and "job show ...".
int jobCommand(const QStringList& args)
{
    if (args.isEmpty())
        return fail(QStringLiteral("job takes add, add-private or show"));
    const QString verb = args.first();
    if (verb == QLatin1String("add") && args.contains(QLatin1String("--builtup")))
        return jobAddBuiltUpCommand(args.mid(1));
    if (verb == QLatin1String("add"))
        return jobAddCommand(args.mid(1));
    if (verb == QLatin1String("show"))
        return jobShowCommand(args.mid(1));
    if (verb == QLatin1String("add-private"))
        return jobAddPrivateCommand(args.mid(1));
    return fail(QStringLiteral("job takes add, add-private or show, not '%1'").arg(verb));
}

const CliCommandRegistration jobRegistration({"job",
    "  morvane-cli job add FILE.mvn --kind KIND (--entry TEXT | --dims A,B,...) [--arrangement u|box|pair]\n"
    "                      [--angle N] [--lengths L1,L2] [--emodulus TEXT] [--density TEXT] [--poisson TEXT]\n"
    "                      [--tensile TEXT] [--pressure TEXT] [--units DIGITS] [--name JOB]\n"
    "  morvane-cli job add FILE.mvn --builtup FILE.mvb [--emodulus TEXT] [--density TEXT] [--poisson TEXT]\n"
    "                      [--tensile TEXT] [--pressure TEXT] [--units DIGITS] [--name JOB] [--accept]\n"
    "  morvane-cli job add-private FILE.mvn --description TEXT --area A --ix IX --iy IY --kx ABOVE,UNDER\n"
    "                      --ky LEFT,RIGHT --ixx IXX --kxx KXX [--emodulus TEXT] [--density TEXT]\n"
    "                      [--poisson TEXT] [--tensile TEXT] [--pressure TEXT] [--units DIGITS] [--name JOB]\n"
    "                      [--accept]\n"
    "  morvane-cli job show FILE.mvn [--json | --csv]",
    true, jobCommand});

} // namespace
