#include "output/report_page.h"

#include "drawing/section_picture_size.h"

#include <algorithm>
#include <cmath>

namespace {

// Header captions keep their line breaks, written as the page's own breaks.
QString headerText(const QString& caption)
{
    QString escaped = escapeHtmlText(caption);
    escaped.replace(QStringLiteral("\r\n"), QStringLiteral("<br>"));
    escaped.replace(QLatin1Char('\n'), QStringLiteral("<br>"));
    escaped.replace(QLatin1Char('\r'), QStringLiteral("<br>"));
    return escaped;
}

QString caption(const ReportLayout& layout, int column)
{
    return column < layout.headerCaptions.size() ? layout.headerCaptions.at(column) : QString();
}

// A two-line cell: the part before the first "&" above, the rest below; a
// text without "&" has an empty upper line.
QString pairLines(const QString& text)
{
    const qsizetype at = text.indexOf(QLatin1Char('&'));
    const QString upper = at < 0 ? QString() : text.left(at);
    const QString lower = at < 0 ? text : text.mid(at + 1);
    return escapeHtmlText(upper) + QStringLiteral("<br>") + escapeHtmlText(lower);
}

// `em` is the column's caption as the cell repeats it: "<em>caption</em><H1>".
QString cellLine(const ListRow& row, int r, int column, const QString& em, const ReportPageInput& input)
{
    const QString& x = row.cells[std::size_t(column)];
    QString middle;
    if (row.isPlate && column >= 3) {
        // A plate row's cells say what they hold; the section cells stay empty.
        const QString plateCaption = plateCellCaption(column);
        if (!plateCaption.isEmpty())
            middle = QStringLiteral("<em>") + headerText(plateCaption) + QStringLiteral("</em><H1>") + escapeHtmlText(x);
        return QStringLiteral("<td align=\"center\">") + middle + QStringLiteral("</H1></td>");
    }
    switch (column) {
    case 0:
        middle = QStringLiteral("<em></em><H1>") + escapeHtmlText(x);
        break;
    case 2:
        middle = QStringLiteral("<H1>") + escapeHtmlText(x);
        if (input.options.pictures) {
            const ReportImageSize size = reportImageSize(input.options.imageSizePercent);
            middle += QStringLiteral("<br><img src=\"kep%1.jpg\" width=\"%2\" height=\"%3\">")
                          .arg(r)
                          .arg(size.width)
                          .arg(size.height);
        }
        break;
    case 3:
    case 4:
    case 10:
        middle = em + escapeHtmlText(x);
        break;
    case 5:
        middle = em + escapeHtmlText(x) + QStringLiteral("<br>") + ItemList::weightCell(row);
        break;
    default:
        middle = em + pairLines(x);
        break;
    }
    return QStringLiteral("<td align=\"center\">") + middle + QStringLiteral("</H1></td>");
}

} // namespace

ReportLayout designReportLayout(const QStringList& headerCaptions)
{
    ReportLayout layout;
    layout.headerCaptions = headerCaptions;
    layout.columnWidths = {20, 0, 137, 60, 40, 60, 80, 80, 80, 70, 40, 70};
    for (const int width : layout.columnWidths)
        layout.gridWidth += width;
    return layout;
}

int headerPercent(int columnWidth, int gridWidth)
{
    if (gridWidth <= 0)
        return 0;
    const long long numerator = 100LL * columnWidth;
    long long quotient = numerator / gridWidth;
    const long long twiceRest = 2 * (numerator % gridWidth);
    if (twiceRest > gridWidth || (twiceRest == gridWidth && quotient % 2 != 0))
        ++quotient;
    return int(quotient);
}

ReportImageSize reportImageSize(int percent)
{
    return {int(std::lround(percent * SectionPictureSize.width() / 100.0)),
            int(std::lround(percent * SectionPictureSize.height() / 100.0))};
}

QString escapeHtmlText(const QString& text)
{
    return text.toHtmlEscaped(); // &, <, > and "
}

QByteArray latin1WithReferences(const QString& text)
{
    const bool latin1 = std::all_of(text.cbegin(), text.cend(), [](QChar c) { return c.unicode() <= 0xFF; });
    if (latin1)
        return text.toLatin1();
    QByteArray out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c.unicode() <= 0xFF) {
            out += char(c.unicode());
            continue;
        }
        char32_t code = c.unicode();
        if (c.isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate()) {
            code = QChar::surrogateToUcs4(c, text.at(i + 1));
            ++i;
        } else if (c.isSurrogate()) {
            code = 0xFFFD; // a lone half of a pair is no character
        }
        out += "&#" + QByteArray::number(quint32(code)) + ';';
    }
    return out;
}

std::vector<int> reportedColumns(const ReportOptions& options)
{
    std::vector<int> columns{0, 2};
    for (int c = 3; c < ListColumns; ++c)
        if (options.columnVisible(c))
            columns.push_back(c);
    return columns;
}

QStringList reportPageLines(const ItemList& list, const ReportPageInput& input)
{
    const QString title = escapeHtmlText(input.title);
    QStringList lines;
    lines << QStringLiteral("<!DOCTYPE HTML PUBLIC \"Morvane ") + title + QStringLiteral("\">");
    lines << QStringLiteral("<html> <head> <title>Morvane ") + title + QLatin1Char(' ') + escapeHtmlText(input.version)
                 + QStringLiteral("</title> <meta http-equiv=\"Content-Type\" content=\"text/html; "
                                  "charset=iso-8859-1\"> <STYLE TYPE=\"text/css\"><!--H1 {font: bold ")
                 + QString::number(input.options.dataFontSize) + QStringLiteral("pt Arial} em {font: bold ")
                 + QString::number(input.options.measureFontSize - 1)
                 + QStringLiteral("pt Arial}--></STYLE> </head> <body>");
    lines << QStringLiteral("<strong>");
    lines << QStringLiteral("<table width=\"100%\"  align=\"center\" border=\"4\" cellpadding=\"0\" cellspacing=\"0\">");
    lines << QStringLiteral("<tr bgcolor=\"#cccccc\">");
    const std::vector<int> columns = reportedColumns(input.options);
    for (const int c : columns) {
        const int percent = headerPercent(input.layout.columnWidths[std::size_t(c)], input.layout.gridWidth);
        lines << QStringLiteral("<td align=\"center\" width=\"%1%\"><H1>").arg(percent)
                     + headerText(caption(input.layout, c)) + QStringLiteral("</H1></td>");
    }
    lines << QStringLiteral("</tr>");
    // Each column's caption as every cell of it repeats it, escaped once.
    std::vector<QString> em(static_cast<std::size_t>(ListColumns));
    for (const int c : columns)
        em[std::size_t(c)] =
            QStringLiteral("<em>") + headerText(caption(input.layout, c)) + QStringLiteral("</em><H1>");
    lines.reserve(lines.size() + qsizetype(list.count()) * qsizetype(columns.size() + 2) + 3);
    for (int r = 1; r <= list.count(); ++r) {
        const ListRow& row = list.row(r);
        lines << (r % 2 != 0 ? QStringLiteral("<tr bgcolor=\"#ffffff\">") : QStringLiteral("<tr bgcolor=\"#dddddd\">"));
        for (const int c : columns)
            lines << cellLine(row, r, c, em[std::size_t(c)], input);
        lines << QStringLiteral("</tr>");
    }
    lines << QStringLiteral("</strong>");
    lines << QStringLiteral("</font> </table> </body> </html>");
    lines << QString();
    return lines;
}

QByteArray reportPage(const ItemList& list, const ReportPageInput& input)
{
    const QStringList lines = reportPageLines(list, input);
    qsizetype size = 0;
    for (const QString& line : lines)
        size += line.size() + 2;
    QByteArray out;
    out.reserve(size);
    for (const QString& line : lines) {
        out += latin1WithReferences(line);
        out += "\r\n";
    }
    return out;
}
