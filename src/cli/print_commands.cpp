// The print command: a job laid out on paper and written as a PDF file.
#include "cli_common.h"

#include "base/save_file.h"
#include "itemlist/job_file.h"
#include "itemlist/units_apply.h"
#include "output/print_layout.h"
#include "output/print_page.h"
#include "base/number_format.h"
#include "settings/message_table.h"

#include <QDate>
#include <QFile>
#include <QLocale>

namespace {
const MessageTable& english()
{
    return MessageTable::english();
}

// What the options ask of the printed pages.
struct PrintRequest {
    PrintMargins margins;
    ReportOptions options;
    std::optional<int> font;
    int from = 1;
    int to = std::numeric_limits<int>::max();
    int copies = 1;
};

// --margins L,T,R,B in millimetres; the starting margins without it.
std::optional<PrintMargins> readMargins(const Options& o, const PrinterMetrics& metrics)
{
    const auto text = o.get("--margins");
    if (!text)
        return startingMargins(metrics, true);
    const QStringList parts = text->split(QLatin1Char(','));
    std::vector<double> values;
    for (const QString& part : parts) {
        const auto value = readNumber(part);
        if (!value || *value < 0 || *value > 1000)
            break;
        values.push_back(double(*value));
    }
    if (parts.size() != 4 || values.size() != 4)
        return std::nullopt;
    return PrintMargins{values[0], values[1], values[2], values[3]};
}

// --image-size, --hide and --no-pictures; the error when one does not read.
std::optional<ReportOptions> readReportOptions(const Options& o, QString& error)
{
    ReportOptions options;
    options.pictures = !o.has("--no-pictures");
    if (auto text = o.get("--image-size")) {
        const auto size = wholeNumber(*text, 25, 100);
        if (!size) {
            error = QStringLiteral("--image-size takes a whole number from 25 to 100");
            return std::nullopt;
        }
        options.imageSizePercent = *size;
    }
    if (auto text = o.get("--hide")) {
        for (const QString& part : text->split(QLatin1Char(','))) {
            const auto item = wholeNumber(part, 0, ReportOptions::VisibleColumnCount - 1);
            if (!item) {
                error = QStringLiteral("--hide takes visible-column items 0 to 8, such as 0,1,7");
                return std::nullopt;
            }
            options.visibleColumns[std::size_t(*item)] = false;
        }
    }
    return options;
}

// --font, --pages and --copies into the request; the error when one does not read.
QString readPageOptions(const Options& o, PrintRequest& request)
{
    if (auto text = o.get("--font")) {
        request.font = wholeNumber(*text, 1, 100);
        if (!request.font)
            return QStringLiteral("--font takes a whole number of points from 1 to 100");
    }
    if (auto text = o.get("--pages")) {
        const QStringList parts = text->split(QLatin1Char('-'));
        const auto first = parts.size() == 2 ? wholeNumber(parts[0], 1, 99999) : std::nullopt;
        const auto last = parts.size() == 2 ? wholeNumber(parts[1], 1, 99999) : std::nullopt;
        if (!first || !last || *first > *last)
            return QStringLiteral("--pages takes FROM-TO, such as 2-3");
        request.from = *first;
        request.to = *last;
    }
    if (auto text = o.get("--copies")) {
        const auto n = wholeNumber(*text, 1, 999);
        if (!n)
            return QStringLiteral("--copies takes a whole number from 1 to 999");
        request.copies = *n;
    }
    return {};
}

// The job to print, or nothing when it cannot be read or holds no items.
std::optional<JobFile> readPrintedJob(const QString& name)
{
    QString error;
    const QByteArray jobPath = nativeFileName(name);
    const auto bytes = readWholeNativeFile(jobPath, largestJobFileSize(), &error);
    if (jobPath.isEmpty() || !bytes) {
        printLine(stderr, jobPath.isEmpty() ? QStringLiteral("cannot read %1").arg(name) : error);
        return std::nullopt;
    }
    const JobReading reading = readJob(*bytes);
    if (!reading.job || reading.job->rows.empty()) {
        printLine(stderr, english()(Msg::WrongData));
        printLine(stderr, reading.job ? QStringLiteral("the job holds no items") : reading.reason);
        return std::nullopt;
    }
    return reading.job;
}

// The layout of the content at the asked font, or nothing when it does not fit.
std::optional<PrintLayout> fittedLayout(const PrinterMetrics& metrics, const PrintRequest& request,
                                        const PrintContent& content, const TextMeasure& measure)
{
    const LayoutOutcome outcome = layoutPrint(metrics, request.margins, content, measure);
    if (!outcome.layout) {
        printLine(stderr, english()(Msg::PaperTooSmall));
        return std::nullopt;
    }
    PrintLayout layout = *outcome.layout;
    if (request.font && *request.font != layout.fontSize) {
        if (*request.font > layout.maximumFontSize) {
            printLine(stderr, QStringLiteral("font %1 does not fit: the largest size is %2")
                                  .arg(*request.font)
                                  .arg(layout.maximumFontSize));
            return std::nullopt;
        }
        applyFontSize(layout, *request.font, content, measure);
    }
    if (request.from > layout.pageCount) {
        printLine(stderr, QStringLiteral("the job has %1 pages").arg(layout.pageCount));
        return std::nullopt;
    }
    return layout;
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
    PrintRequest request;
    const auto margins = readMargins(*o, metrics);
    if (!margins)
        return fail(QStringLiteral("--margins takes four millimetre values L,T,R,B"));
    request.margins = *margins;
    const auto options = readReportOptions(*o, error);
    if (!options)
        return fail(error);
    request.options = *options;
    error = readPageOptions(*o, request);
    if (!error.isEmpty())
        return fail(error);

    const auto job = readPrintedJob(o->positional.first());
    if (!job)
        return ExitRejected;
    ItemList list;
    for (const ListRow& row : job->rows)
        list.put(list.nextListRow(), row);
    PrintContent content;
    content.list = &list;
    content.headers = headerCaptions(job->units, english());
    content.options = request.options;
    const auto layout = fittedLayout(metrics, request, content, TextMeasure::arial());
    if (!layout)
        return ExitRejected;

    const PageTexts texts{english()(Msg::PageNumber), QLocale::system().toString(QDate::currentDate(), QLocale::ShortFormat),
                          pageFooter(QStringLiteral("*** Computation of geometric properties ***"))};
    const QByteArray pdfPath = fileNameOption(*o, QStringLiteral("--pdf"));
    if (pdfPath.isEmpty())
        return fail(QStringLiteral("two arguments decode to the same file name as --pdf"));
    PdfPageSink sink(pdfPath, *page, job->name);
    if (!printPages(sink, *layout, content, texts,
                    {request.from, std::min(request.to, layout->pageCount), request.copies})) {
        printLine(stderr, QStringLiteral("cannot write %1: %2").arg(*pdf, sink.errorString()));
        return ExitRejected;
    }
    printLine(stdout, QStringLiteral("pages: %1").arg(layout->pageCount));
    printLine(stdout, QStringLiteral("font: %1").arg(layout->fontSize));
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
