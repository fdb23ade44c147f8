// The report command: the HTML report of a job file, as the report window writes it.
#include "cli_common.h"

#include "base/save_file.h"
#include "itemlist/job_file.h"
#include "itemlist/units_apply.h"
#include "output/report_generator.h"
#include "settings/message_table.h"
#include "settings/settings_store.h"
#include "settings/temporary_folder.h"
#include "settings/translation_table.h"

#include <QFile>

namespace {

std::optional<int> intOption(const Options& o, const QString& name, int minimum, int maximum, int fallback,
                             QString& error)
{
    const auto text = o.get(name);
    if (!text)
        return fallback;
    const auto value = wholeNumber(text->trimmed(), minimum, maximum);
    if (!value)
        error = QStringLiteral("%1 takes a whole number from %2 to %3").arg(name).arg(minimum).arg(maximum);
    return value;
}

// The main window's product-name caption in the built-in English column.
QString englishProductName()
{
    const TranslationTable& table = TranslationTable::builtIn();
    for (int r = 1; r < table.rowCount(); ++r)
        if (table.cell(r, TranslationTable::KeyColumn) == QLatin1String("form1.ProductName"))
            return table.cell(r, TranslationTable::EnglishColumn);
    return QStringLiteral("*** Computation of geometric properties ***");
}

int reportCommand(const QStringList& args)
{
    QString error;
    const auto o = parseOptions(args, {"-o", "--image-size", "--hide", "--data-font", "--measure-font"},
                                {"--no-pictures"}, error);
    if (!o)
        return fail(error);
    if (o->positional.size() != 1)
        return fail(QStringLiteral("report takes one job file"));

    ReportOptions options;
    options.pictures = !o->has(QStringLiteral("--no-pictures"));
    const auto imageSize = intOption(*o, QStringLiteral("--image-size"), 25, 100, options.imageSizePercent, error);
    const auto dataFont = intOption(*o, QStringLiteral("--data-font"), 5, 25, options.dataFontSize, error);
    const auto measureFont = intOption(*o, QStringLiteral("--measure-font"), 5, 25, options.measureFontSize, error);
    if (!imageSize || !dataFont || !measureFont)
        return fail(error);
    options.imageSizePercent = *imageSize;
    options.dataFontSize = *dataFont;
    options.measureFontSize = *measureFont;
    if (const auto hide = o->get(QStringLiteral("--hide"))) {
        for (const QString& part : hide->split(QLatin1Char(','))) {
            const auto item = wholeNumber(part.trimmed(), 0, ReportOptions::VisibleColumnCount - 1);
            if (!item)
                return fail(QStringLiteral("--hide takes visible-column items 0 to 8, separated by commas"));
            options.visibleColumns[std::size_t(*item)] = false;
        }
    }

    const QString path = o->positional.first();
    const QByteArray nativePath = nativeFileName(path);
    const auto bytes = readWholeNativeFile(nativePath, largestJobFileSize(), &error);
    if (nativePath.isEmpty() || !bytes) {
        printLine(stderr, QStringLiteral("morvane-cli: ") + (nativePath.isEmpty() ? path : error));
        return ExitRejected;
    }
    const JobReading reading = readJob(*bytes);
    if (!reading.job) {
        printLine(stderr, QStringLiteral("morvane-cli: %1: %2").arg(path, reading.reason));
        return ExitRejected;
    }
    ItemList list;
    for (const ListRow& row : reading.job->rows)
        list.put(list.nextListRow(), row);
    if (list.isEmpty()) {
        printLine(stderr, QStringLiteral("morvane-cli: %1 holds no items").arg(path));
        return ExitRejected;
    }

    const MessageTable& messages = MessageTable::english();
    QByteArray folder;
    if (o->get(QStringLiteral("-o"))) {
        folder = fileNameOption(*o, QStringLiteral("-o"));
    } else {
        QSettingsStore store;
        folder = QFile::encodeName(readStartupSettings(store, TemporaryFolder::defaultPath()).temporaryFolder);
    }
    ReportPageInput input;
    input.title = englishProductName();
    input.version = reportVersionText();
    input.layout = designReportLayout(headerCaptions(reading.job->units, messages, !reading.job->units.isDefault()));
    input.options = options;
    if (!prepareReportFolder(folder, input.title, input.version, messages)) {
        printLine(stderr, QStringLiteral("morvane-cli: %1: ").arg(QFile::decodeName(folder)) + temporaryFolderWarning(messages).replace(QLatin1Char('\n'), QLatin1Char(' ')));
        return ExitRejected;
    }
    const ReportFilesOutcome outcome = writeReportFiles(folder, list, input);
    if (!outcome.written) {
        printLine(stderr, QStringLiteral("morvane-cli: cannot write %1").arg(outcome.failedPath));
        printLine(stderr, temporaryFolderWarning(messages).replace(QLatin1Char('\n'), QLatin1Char(' ')));
        return ExitRejected;
    }
    printLine(stdout, outcome.pagePath);
    return 0;
}

const CliCommandRegistration reportRegistration({"report",
    "  morvane-cli report FILE.mvn [-o DIR] [--image-size N] [--no-pictures] [--hide ITEMS]\n"
    "                      [--data-font N] [--measure-font N]",
    true, reportCommand});

} // namespace
