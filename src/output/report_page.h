#pragma once

#include "itemlist/item_list.h"
#include "output/report_options.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <array>

// The page every report overwrites in the temporary folder.
inline QString reportPageFileName() { return QStringLiteral("morvane_report.html"); }
// The version text the report names in its title.
inline QString reportVersionText() { return QStringLiteral("Version 4.0 / 29. 08. 2004/"); }

// What the page takes from the list grid as the user sees it.
struct ReportLayout {
    QStringList headerCaptions;                 // twelve captions, line breaks kept
    std::array<int, ListColumns> columnWidths{}; // on-screen widths in pixels
    int gridWidth = 0;                          // the grid's on-screen width in pixels
};

// The grid as designed, for a report made without a window: the designed
// column widths, and a grid just as wide as its shown columns.
ReportLayout designReportLayout(const QStringList& headerCaptions);

struct ReportPageInput {
    QString title;   // the product-name caption of the main window
    QString version; // reportVersionText()
    ReportLayout layout;
    ReportOptions options;
};

// A header cell's width in percent of the grid: width x 100 / grid width,
// taken to the nearest integer with halves to the even neighbour.
int headerPercent(int columnWidth, int gridWidth);

// The size a picture is shown at: n% of the section picture size, rounded.
struct ReportImageSize {
    int width = 0;
    int height = 0;
};
ReportImageSize reportImageSize(int percent);

// A text as HTML shows it literally: &, <, > and " become references.
QString escapeHtmlText(const QString& text);

// The page's bytes in iso-8859-1: every character outside Latin-1 is written
// as a numeric character reference.
QByteArray latin1WithReferences(const QString& text);

// The columns the report shows, in order: 0, 2 and each visible one of 3..11.
std::vector<int> reportedColumns(const ReportOptions& options);

// The page as its lines (the last one empty).
QStringList reportPageLines(const ItemList& list, const ReportPageInput& input);
// The lines, each ended by CR LF, in iso-8859-1.
QByteArray reportPage(const ItemList& list, const ReportPageInput& input);
