#include "output/print_page.h"

#include "base/save_file.h"

#include "itemlist/item_list.h"

#include <QFont>
#include <QPageSize>
#include <QPdfWriter>
#include <QFile>

#include <algorithm>
#include <cmath>

PageStyle PageStyle::preview(const PrintLayout& layout)
{
    PageStyle style;
    style.scale = 1;
    style.originX = mmToPx(layout.margins.left);
    style.originY = mmToPx(layout.margins.top);
    style.ink = QColor(0, 0, 128);
    style.penWidth = 2;
    style.cellFontHeight = layout.fontSize * LayoutDpi / 72.0;
    style.headerFontHeight = 10 * LayoutDpi / 72.0;
    style.smallFontHeight = 8 * LayoutDpi / 72.0;
    style.headerBold = true;
    style.smallBold = true;
    style.outlinePrintable = true;
    return style;
}

PageStyle PageStyle::printer(const PrintLayout& layout)
{
    const double k = HundredthsMmPerPixel;
    PageStyle style;
    style.scale = k;
    // The printable area's corner plus the offsets (L - unprintable left) and
    // (T - unprintable top): the margins from the paper's corner.
    style.originX = mmToPx(layout.metrics.unprintableLeftMm())
                    + mmToPx(layout.margins.left - layout.metrics.unprintableLeftMm());
    style.originY = mmToPx(layout.metrics.unprintableTopMm())
                    + mmToPx(layout.margins.top - layout.metrics.unprintableTopMm());
    style.ink = Qt::black;
    style.penWidth = qRound(2 * k);
    style.cellFontHeight = qRound(layout.fontSize * LayoutDpi / 72.0 * k);
    style.headerFontHeight = qRound(10.6666666667 * k);
    style.smallFontHeight = style.headerFontHeight;
    style.headerBold = false;
    style.smallBold = false;
    style.outlinePrintable = false;
    return style;
}

namespace {
QFont arialOfHeight(const QPainter& painter, double deviceUnits, bool bold)
{
    QFont font(QStringLiteral("Arial"));
    font.setHintingPreference(QFont::PreferNoHinting);
    const int dpi = painter.device() ? painter.device()->logicalDpiY() : int(LayoutDpi);
    font.setPointSizeF(deviceUnits * 72.0 / dpi);
    font.setBold(bold);
    return font;
}

// Placement of layout-pixel geometry on the device.
struct Device {
    const PageStyle& style;
    double x(double px) const { return qRound((style.originX + px) * style.scale); }
    double y(double px) const { return qRound((style.originY + px) * style.scale); }
    double length(double px) const { return qRound(px * style.scale); }
};

enum class Align { Left, Centre, Right };

// A line of text whose top stands at y, placed within [left, right).
void textLine(QPainter& painter, const Device& d, double left, double right, double top, double lineHeight,
              const QString& text, Align align)
{
    const QRectF box(d.x(left), d.y(top), d.length(right - left), d.length(lineHeight));
    const int horizontal = align == Align::Left ? Qt::AlignLeft : align == Align::Right ? Qt::AlignRight
                                                                                          : Qt::AlignHCenter;
    painter.drawText(box, horizontal | Qt::AlignTop | Qt::TextDontClip | Qt::TextSingleLine, text);
}

// The dashed outline of the printable area.
void drawPrintableOutline(QPainter& painter, const PrinterMetrics& m, const PageStyle& style)
{
    QPen dashed(style.ink, 1, Qt::DashLine);
    painter.setPen(dashed);
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(QRectF(qRound(mmToPx(m.unprintableLeftMm()) * style.scale),
                            qRound(mmToPx(m.unprintableTopMm()) * style.scale),
                            qRound(mmToPx(m.printableWidthMm()) * style.scale),
                            qRound(mmToPx(m.printableHeightMm()) * style.scale)));
}

// The lines of the table of k items whose top left corner is (left, top).
void drawGrid(QPainter& painter, const Device& d, const PrintLayout& layout, double left, double top, int k)
{
    const int pitch = layout.pitchPx;
    for (int c = 0; c < PrintGridColumns; ++c)
        painter.drawLine(QPointF(d.x(left + layout.columnLeft[std::size_t(c)]), d.y(top)),
                         QPointF(d.x(left + layout.columnLeft[std::size_t(c)]), d.y(top + k * pitch)));
    painter.drawLine(QPointF(d.x(left + layout.tableWidth()), d.y(top)),
                     QPointF(d.x(left + layout.tableWidth()), d.y(top + k * pitch)));
    for (int j = 0; j <= k; ++j)
        painter.drawLine(QPointF(d.x(left), d.y(top + j * pitch)),
                         QPointF(d.x(left + layout.tableWidth()), d.y(top + j * pitch)));
}

// One item's row whose top left corner is (left, rowTop): the cells' texts,
// the designation wrapped as the layout measured it, and the picture.
void drawItemRow(QPainter& painter, const Device& d, const PrintLayout& layout, const PrintContent& content,
                 int item, double left, double rowTop)
{
    const ReportOptions& o = content.options;
    const int lh = layout.lineHeight;
    const int pitch = layout.pitchPx;
    for (int c = 0; c < PrintGridColumns; ++c) {
        if (!isPrintedColumn(o, c) || c == 2)
            continue;
        const double colLeft = left + layout.columnLeft[std::size_t(c)];
        const double colRight = left + layout.columnRight[std::size_t(c)];
        const QStringList lines = cellLines(content, item, c);
        const double first = rowTop + qRound((pitch - double(lines.size()) * lh) / 2.0) + 1;
        for (int i = 0; i < lines.size(); ++i)
            textLine(painter, d, colLeft, colRight, first + i * lh, lh, lines.at(i), Align::Centre);
    }
    const double colLeft = left + layout.columnLeft[2];
    const double colRight = left + layout.columnRight[2];
    const QStringList& lines = layout.designations.at(std::size_t(item - 1));
    const double first = o.pictures ? rowTop + 3 : rowTop + qRound((pitch - double(lines.size()) * lh) / 2.0) + 2;
    for (int i = 0; i < lines.size(); ++i)
        textLine(painter, d, colLeft, colRight, first + i * lh, lh, lines.at(i), Align::Centre);
    if (o.pictures) {
        const QImage& picture = content.list->row(item).rowPicture;
        const int w = printPictureWidth(o);
        const int h = printPictureHeight(o);
        const double x = colLeft + qRound((layout.columnWidth[2] - w) / 2.0);
        const double y = rowTop + pitch - 2 - h;
        if (!picture.isNull())
            painter.drawImage(QRectF(d.x(x), d.y(y), d.length(w), d.length(h)), picture);
    }
}

// The page number, the date and the footer in the margin area.
void drawPageTexts(QPainter& painter, const Device& d, const PrintLayout& layout, const PageTexts& texts, int page)
{
    const PageStyle& style = d.style;
    const double areaW = layout.areaWidthPx();
    const double areaH = layout.areaHeightPx();
    painter.setFont(arialOfHeight(painter, style.headerFontHeight, style.headerBold));
    const double headerHeight = style.headerFontHeight / style.scale;
    textLine(painter, d, 0, areaW - 20, 10, headerHeight,
             texts.pageNumberCaption + QStringLiteral(" :") + QString::number(page) + QLatin1Char('/')
                 + QString::number(layout.pageCount),
             Align::Right);
    painter.setFont(arialOfHeight(painter, style.smallFontHeight, style.smallBold));
    const double smallHeight = style.smallFontHeight / style.scale;
    textLine(painter, d, 20, areaW, 12, smallHeight, texts.date, Align::Left);
    textLine(painter, d, 0, areaW, areaH - 20, smallHeight, texts.footer, Align::Centre);
}
} // namespace

void drawPage(QPainter& painter, const PrintLayout& layout, const PrintContent& content, const PageTexts& texts,
              int page, const PageStyle& style)
{
    const Device d{style};
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setRenderHint(QPainter::SmoothPixmapTransform, true);
    if (style.outlinePrintable)
        drawPrintableOutline(painter, layout.metrics, style);

    const int k = layout.itemsOnPage(page);
    // The table, full height also on the last page, centred in the area;
    // every coordinate inside it is offset by one pixel.
    const double left = qRound((layout.areaWidthPx() - layout.tableWidth()) / 2.0) + 1;
    const double top = qRound((layout.areaHeightPx() - layout.tableHeight()) / 2.0) + 1;
    QPen pen(style.ink, style.penWidth, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin);
    painter.setPen(pen);
    if (k > 0)
        drawGrid(painter, d, layout, left, top, k);
    painter.setFont(arialOfHeight(painter, style.cellFontHeight, false));
    for (int j = 0; j < k; ++j)
        drawItemRow(painter, d, layout, content, layout.firstItem(page) + j, left, top + j * layout.pitchPx);
    drawPageTexts(painter, d, layout, texts, page);
    painter.restore();
}

QImage previewPage(const PrintLayout& layout, const PrintContent& content, const PageTexts& texts, int page)
{
    const PrinterMetrics& m = layout.metrics;
    // Whole pixels that hold the whole paper.
    const auto pixels = [](double mm) { return std::max(1, int(std::ceil(mmToPx(mm) - 1e-6))); };
    QImage image(pixels(m.paperWidthMm()), pixels(m.paperHeightMm()), QImage::Format_RGB32);
    image.setDotsPerMeterX(qRound(LayoutDpi / 0.0254));
    image.setDotsPerMeterY(qRound(LayoutDpi / 0.0254));
    image.fill(Qt::white);
    QPainter painter(&image);
    drawPage(painter, layout, content, texts, page, PageStyle::preview(layout));
    return image;
}

bool printPages(PageSink& sink, const PrintLayout& layout, const PrintContent& content, const PageTexts& texts,
                const PrintRange& range)
{
    const int from = std::max(1, range.from);
    const int to = std::min(layout.pageCount, range.to);
    if (range.copies <= 0 || from > to)
        return true;
    const PageStyle style = PageStyle::printer(layout);
    for (int copy = 0; copy < range.copies; ++copy) {
        QPainter* painter = sink.beginJob();
        if (!painter)
            return false;
        for (int page = from; page <= to; ++page) {
            if (page > from && !sink.newPage())
                return false;
            drawPage(*painter, layout, content, texts, page, style);
        }
        if (!sink.endJob())
            return false;
    }
    return sink.finish();
}

PdfPageSink::PdfPageSink(const QString& fileName, const QPageLayout& page, const QString& title)
    : PdfPageSink(QFile::encodeName(fileName), page, title)
{
}

PdfPageSink::PdfPageSink(const QByteArray& nativeFileName, const QPageLayout& page, const QString& title)
    : m_fileName(nativeFileName), m_page(page), m_title(title)
{
    m_page.setMargins(QMarginsF(0, 0, 0, 0));
}

PdfPageSink::~PdfPageSink()
{
    // An unfinished document is never saved: the old file stays.
    if (m_painter.isActive())
        m_painter.end();
}

void PdfPageSink::setUnits()
{
    const double perHundredth = Resolution / 2540.0;
    m_painter.resetTransform();
    m_painter.scale(perHundredth, perHundredth);
}

QPainter* PdfPageSink::beginJob()
{
    ++m_jobs;
    if (m_painter.isActive()) {
        // The next copy follows the previous one in the same file.
        if (!newPage())
            return nullptr;
        return &m_painter;
    }
    if (!m_document.open(QIODevice::WriteOnly)) {
        m_error = m_document.errorString();
        return nullptr;
    }
    m_writer = std::make_unique<QPdfWriter>(&m_document);
    m_writer->setResolution(Resolution);
    m_writer->setPageLayout(m_page);
    m_writer->setTitle(m_title);
    m_writer->setCreator(QStringLiteral("Morvane"));
    if (!m_painter.begin(m_writer.get())) {
        m_error = QStringLiteral("the PDF file cannot be written");
        return nullptr;
    }
    setUnits();
    return &m_painter;
}

bool PdfPageSink::newPage()
{
    if (!m_writer || !m_writer->newPage())
        return false;
    setUnits();
    return true;
}

bool PdfPageSink::endJob()
{
    return m_painter.isActive();
}

bool PdfPageSink::finish()
{
    if (!m_painter.isActive())
        return false;
    const bool ended = m_painter.end();
    m_writer.reset();
    m_document.close();
    // A document the painter did not finish has no trailer.
    if (!ended || !m_document.data().trimmed().endsWith("%%EOF")) {
        m_error = QStringLiteral("the PDF document was not finished");
        return false;
    }
    return saveWholeNativeFile(m_fileName, m_document.data(), &m_error);
}

std::optional<QPageLayout> paperLayout(const QString& name, bool landscape)
{
    static const std::pair<const char*, QPageSize::PageSizeId> papers[] = {
        {"A4", QPageSize::A4}, {"A3", QPageSize::A3}, {"A5", QPageSize::A5},
        {"Letter", QPageSize::Letter}, {"Legal", QPageSize::Legal}};
    for (const auto& [paperName, id] : papers)
        if (name.compare(QLatin1String(paperName), Qt::CaseInsensitive) == 0)
            return QPageLayout(QPageSize(id), landscape ? QPageLayout::Landscape : QPageLayout::Portrait,
                               QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter);
    return std::nullopt;
}
