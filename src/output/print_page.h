#pragma once

#include "output/print_layout.h"

#include <QBuffer>
#include <QByteArray>
#include <QColor>
#include <QImage>
#include <QPageLayout>
#include <QPainter>
#include <QString>
#include <memory>
#include <optional>

class QPdfWriter;

// Hundredths of a millimetre per layout pixel: the printer's unit.
inline constexpr double HundredthsMmPerPixel = 26.46;

// The version text of the page footer (the report's as well).
inline QString printVersionText() { return QStringLiteral("Version 4.0 / 29. 08. 2004/"); }
// The footer: "Morvane " + the product caption + the version text.
inline QString pageFooter(const QString& productCaption)
{
    return QStringLiteral("Morvane ") + productCaption + printVersionText();
}

// The texts around the table of every page.
struct PageTexts {
    QString pageNumberCaption; // "Page number"
    QString date;              // today in the system's short date format
    QString footer;            // "Morvane " + the product caption + the version text
};

// How one device shows a page. Geometry is always in layout pixels; the
// device gets every coordinate times the scale, rounded.
struct PageStyle {
    double scale = 1;   // device units per layout pixel
    double originX = 0; // the margin area's top-left corner on the paper, in layout pixels
    double originY = 0;
    QColor ink;
    int penWidth = 2;
    double cellFontHeight = 0; // device units
    double headerFontHeight = 0;
    bool headerBold = true;
    double smallFontHeight = 0; // the date and the footer
    bool smallBold = true;
    bool outlinePrintable = false;

    // The preview bitmap: 96 dpi, navy, bold page texts, the printable area
    // outlined with a dashed line.
    static PageStyle preview(const PrintLayout& layout);
    // The printer in hundredths of a millimetre from the paper's corner:
    // black, pen 53, page texts in 8 points.
    static PageStyle printer(const PrintLayout& layout);
};

// Draws one page (1-based) into a painter whose origin is the paper's corner.
void drawPage(QPainter& painter, const PrintLayout& layout, const PrintContent& content, const PageTexts& texts,
              int page, const PageStyle& style);

// The preview of a page: a white bitmap the size of the paper at 96 dpi.
QImage previewPage(const PrintLayout& layout, const PrintContent& content, const PageTexts& texts, int page);

// Where printed pages go. Every copy is one job; the painter's unit is a
// hundredth of a millimetre from the paper's top-left corner.
class PageSink {
public:
    virtual ~PageSink() = default;
    virtual QPainter* beginJob() = 0; // nullptr when the job cannot start
    virtual bool newPage() = 0;
    virtual bool endJob() = 0;
    // After the last job: false when the output could not be completed.
    virtual bool finish() { return true; }
};

struct PrintRange {
    int from = 1;
    int to = 1;
    int copies = 1;
};

// Prints pages from..to (clamped to the layout's pages), one job per copy;
// 0 copies print nothing. False when a job failed.
bool printPages(PageSink& sink, const PrintLayout& layout, const PrintContent& content, const PageTexts& texts,
                const PrintRange& range);

// A PDF file as the printer: every copy one after another in the same file.
// The document is made in memory and saved whole at the end, so an existing
// file is replaced only by a complete one and a disk too full for it leaves
// the old file and an error.
class PdfPageSink : public PageSink {
public:
    PdfPageSink(const QString& fileName, const QPageLayout& page, const QString& title);
    // A file named as the system spells it (a name that is not UTF-8).
    PdfPageSink(const QByteArray& nativeFileName, const QPageLayout& page, const QString& title);
    ~PdfPageSink() override;

    QPainter* beginJob() override;
    bool newPage() override;
    bool endJob() override;
    bool finish() override;

    int jobs() const { return m_jobs; }
    QString errorString() const { return m_error; }

    // The resolution the file is written at.
    static constexpr int Resolution = 1200;

private:
    void setUnits();

    QByteArray m_fileName; // as the system spells it
    QBuffer m_document;
    std::unique_ptr<QPdfWriter> m_writer;
    QPainter m_painter;
    QPageLayout m_page;
    QString m_title;
    QString m_error;
    int m_jobs = 0;
};

// A page layout of a paper named A4, A3, A5, Letter or Legal, without margins.
std::optional<QPageLayout> paperLayout(const QString& name, bool landscape);
