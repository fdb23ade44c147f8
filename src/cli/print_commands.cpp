// The print command: a job laid out on paper and written as a PDF file.
#include "cli_common.h"

#include "base/save_file.h"
#include "itemlist/job_file.h"
#include "itemlist/units_apply.h"
#include "output/print_layout.h"
#include "output/print_page.h"
#include "sections/number_format.h"
#include "settings/message_table.h"

#include <QDate>
#include <QFile>
#include <QLocale>

namespace {
const MessageTable& english()
{
    return MessageTable::english();
}

int printCommand(const QStringList& args)
{
    QString error;
    const auto o = parseOptions(args,
                                {"--pdf", "--paper", "--margins", "--font", "--image-size", "--hide", "--pages",
                                 "--copies"},
                                {"--landscape", "--no-pictures"}, error);
    if (!o)
        return fail(error);
    if (o->positional.size() != 1)
        return fail(QStringLiteral("print takes one job file"));
    const auto pdf = o->get("--pdf");
    if (!pdf || pdf->isEmpty())
        return fail(QStringLiteral("print needs --pdf OUT.pdf"));
    const auto page = paperLayout(o->get("--paper").value_or(QStringLiteral("A4")), o->has("--landscape"));
    if (!page)
        return fail(QStringLiteral("--paper takes A4, A3, A5, Letter or Legal"));

    // A PDF page has no unprintable strips; unless given, its margins are 10 mm.
    const PrinterMetrics metrics = PrinterMetrics::fromPageLayout(*page, PdfPageSink::Resolution);
    PrintMargins margins = startingMargins(metrics, true);
    if (auto text = o->get("--margins")) {
        const QStringList parts = text->split(QLatin1Char(','));
        std::vector<double> values;
        for (const QString& part : parts) {
            const auto value = readNumber(part);
            if (!value || *value < 0 || *value > 1000)
                break;
            values.push_back(double(*value));
        }
        if (parts.size() != 4 || values.size() != 4)
            return fail(QStringLiteral("--margins takes four millimetre values L,T,R,B"));
        margins = {values[0], values[1], values[2], values[3]};
    }

    ReportOptions options;
    options.pictures = !o->has("--no-pictures");
    if (auto text = o->get("--image-size")) {
        const auto size = wholeNumber(*text, 25, 100);
        if (!size)
            return fail(QStringLiteral("--image-size takes a whole number from 25 to 100"));
        options.imageSizePercent = *size;
    }
    if (auto text = o->get("--hide")) {
        for (const QString& part : text->split(QLatin1Char(','))) {
            const auto item = wholeNumber(part, 0, ReportOptions::VisibleColumnCount - 1);
            if (!item)
                return fail(QStringLiteral("--hide takes visible-column items 0 to 8, such as 0,1,7"));
            options.visibleColumns[std::size_t(*item)] = false;
        }
    }
    std::optional<int> font;
    if (auto text = o->get("--font")) {
        font = wholeNumber(*text, 1, 100);
        if (!font)
            return fail(QStringLiteral("--font takes a whole number of points from 1 to 100"));
    }
    int from = 1, to = std::numeric_limits<int>::max();
    if (auto text = o->get("--pages")) {
        const QStringList parts = text->split(QLatin1Char('-'));
        const auto first = parts.size() == 2 ? wholeNumber(parts[0], 1, 99999) : std::nullopt;
        const auto last = parts.size() == 2 ? wholeNumber(parts[1], 1, 99999) : std::nullopt;
        if (!first || !last || *first > *last)
            return fail(QStringLiteral("--pages takes FROM-TO, such as 2-3"));
        from = *first;
        to = *last;
    }
    int copies = 1;
    if (auto text = o->get("--copies")) {
        const auto n = wholeNumber(*text, 1, 999);
        if (!n)
            return fail(QStringLiteral("--copies takes a whole number from 1 to 999"));
        copies = *n;
    }

    const QByteArray jobPath = nativeFileName(o->positional.first());
    const auto bytes = readWholeNativeFile(jobPath, largestJobFileSize(), &error);
    if (jobPath.isEmpty() || !bytes) {
        printLine(stderr, jobPath.isEmpty() ? QStringLiteral("cannot read %1").arg(o->positional.first()) : error);
        return ExitRejected;
    }
    const JobReading reading = readJob(*bytes);
    if (!reading.job || reading.job->rows.empty()) {
        printLine(stderr, english()(1));
        printLine(stderr, reading.job ? QStringLiteral("the job holds no items") : reading.reason);
        return ExitRejected;
    }
    ItemList list;
    for (const ListRow& row : reading.job->rows)
        list.put(list.NextListRow(), row);

    PrintContent content;
    content.list = &list;
    content.headers = headerCaptions(reading.job->units, english());
    content.options = options;
    const TextMeasure measure = TextMeasure::arial();
    const LayoutOutcome outcome = layoutPrint(metrics, margins, content, measure);
    if (!outcome.layout) {
        printLine(stderr, english()(200));
        return ExitRejected;
    }
    PrintLayout layout = *outcome.layout;
    if (font && *font != layout.fontSize) {
        if (*font > layout.maximumFontSize) {
            printLine(stderr, QStringLiteral("font %1 does not fit: the largest size is %2")
                                  .arg(*font)
                                  .arg(layout.maximumFontSize));
            return ExitRejected;
        }
        applyFontSize(layout, *font, content, measure);
    }
    if (from > layout.pageCount) {
        printLine(stderr, QStringLiteral("the job has %1 pages").arg(layout.pageCount));
        return ExitRejected;
    }

    const PageTexts texts{english()(169), QLocale::system().toString(QDate::currentDate(), QLocale::ShortFormat),
                          pageFooter(QStringLiteral("*** Computation of geometric properties ***"))};
    const QByteArray pdfPath = fileNameOption(*o, QStringLiteral("--pdf"));
    if (pdfPath.isEmpty())
        return fail(QStringLiteral("two arguments decode to the same file name as --pdf"));
    PdfPageSink sink(pdfPath, *page, reading.job->name);
    if (!printPages(sink, layout, content, texts, {from, std::min(to, layout.pageCount), copies})) {
        printLine(stderr, QStringLiteral("cannot write %1: %2").arg(*pdf, sink.errorString()));
        return ExitRejected;
    }
    printLine(stdout, QStringLiteral("pages: %1").arg(layout.pageCount));
    printLine(stdout, QStringLiteral("font: %1").arg(layout.fontSize));
    return 0;
}

const CliCommandRegistration registration({
    "print",
    "  morvane-cli print FILE.mvn --pdf OUT.pdf [--paper A4|A3|A5|Letter|Legal] [--landscape]\n"
    "              [--margins L,T,R,B] [--font N] [--image-size N] [--no-pictures] [--hide ITEMS]\n"
    "              [--pages FROM-TO] [--copies N]   (ITEMS: visible-column items 0-8, comma-separated)",
    true,
    printCommand,
});
} // namespace
