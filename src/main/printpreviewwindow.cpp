#include "printpreviewwindow.h"

#include "printrangedialog.h"

#include "itemlist/item_list.h"
#include "settings/message_table.h"

#include <QCheckBox>
#include <QDir>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPageSetupDialog>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QTimer>
#include <QVBoxLayout>
#include <QWheelEvent>

#include <algorithm>

namespace {
constexpr int PanelHeight = 400;
constexpr int SlideStep = 10;

// The messages of the nine visible-column items, in order.
constexpr int VisibleCaptions[ReportOptions::VisibleColumnCount] = {79, 80, 114, 83, 115, 116, 89, 90, 117};

// The system printer: one job per copy, painted in hundredths of a
// millimetre from the paper's corner.
class PrinterSink : public PageSink {
public:
    explicit PrinterSink(QPrinter& printer) : m_printer(printer) {}

    QPainter* beginJob() override
    {
        m_printer.setFullPage(true);
        m_printer.setCopyCount(1);
        if (!m_painter.begin(&m_printer))
            return nullptr;
        setUnits();
        return &m_painter;
    }
    bool newPage() override
    {
        if (!m_printer.newPage())
            return false;
        setUnits();
        return true;
    }
    bool endJob() override { return m_painter.end(); }

private:
    void setUnits()
    {
        const double perHundredth = m_printer.resolution() / 2540.0;
        m_painter.resetTransform();
        m_painter.scale(perHundredth, perHundredth);
    }

    QPrinter& m_printer;
    QPainter m_painter;
};
} // namespace

PreviewPageView::PreviewPageView(QWidget* parent) : QWidget(parent)
{
    m_horizontal = new QScrollBar(Qt::Horizontal, this);
    m_horizontal->setObjectName(QStringLiteral("HorizontalBar"));
    m_horizontal->setRange(0, 20);
    m_vertical = new QScrollBar(Qt::Vertical, this);
    m_vertical->setObjectName(QStringLiteral("VerticalBar"));
    m_vertical->setRange(-1, 21);
    m_vertical->setValue(0);
    m_horizontal->setPageStep(1);
    m_vertical->setPageStep(1);
    connect(m_horizontal, &QScrollBar::valueChanged, this, qOverload<>(&QWidget::update));
    connect(m_vertical, &QScrollBar::valueChanged, this, qOverload<>(&QWidget::update));
    setMinimumSize(100, 100);
}

void PreviewPageView::setPage(const QImage& page)
{
    m_page = page;
    updateBars();
    update();
}

int PreviewPageView::scrolledOffset(int position, int pageSize, int viewSize)
{
    return qRound(position / 20.0 * (pageSize - viewSize + 20));
}

QPoint PreviewPageView::pageOrigin() const
{
    const int x = m_horizontal->isVisible() ? -scrolledOffset(m_horizontal->value(), m_page.width(), width())
                                            : (width() - m_page.width()) / 2;
    const int y = m_vertical->isVisible() ? -scrolledOffset(m_vertical->value(), m_page.height(), height())
                                          : (height() - m_page.height()) / 2;
    return {x, y};
}

void PreviewPageView::updateBars()
{
    const int thickness = style()->pixelMetric(QStyle::PM_ScrollBarExtent);
    m_horizontal->setVisible(!m_page.isNull() && m_page.width() > width() - 20);
    m_vertical->setVisible(!m_page.isNull() && m_page.height() > height() - 20);
    m_horizontal->setGeometry(0, height() - thickness, width() - thickness, thickness);
    m_vertical->setGeometry(width() - thickness, 0, thickness, height() - thickness);
}

void PreviewPageView::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), palette().color(QPalette::Mid));
    if (!m_page.isNull())
        painter.drawImage(pageOrigin(), m_page);
}

void PreviewPageView::resizeEvent(QResizeEvent*)
{
    updateBars();
}

void PreviewPageView::wheelEvent(QWheelEvent* event)
{
    // One wheel notch moves the vertical bar by one position.
    const int notches = event->angleDelta().y() / 120;
    const int step = notches != 0 ? notches : (event->angleDelta().y() > 0 ? 1 : -1);
    if (m_vertical->isVisible())
        m_vertical->setValue(m_vertical->value() - step);
    event->accept();
}

PrintPreviewWindow::PrintPreviewWindow(ReportOptions& options, const MessageTable& messages, Prompter& prompter,
                                       QWidget* parent)
    : QDialog(parent), m_prompter(prompter), m_options(options), m_messages(&messages), m_measure(TextMeasure::arial())
{
    setWindowModality(Qt::ApplicationModal);
    m_temporaryFolder = QDir::tempPath();
    m_printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    // The system's default printer, or its first one when none is the
    // default; a PDF file when it has none.
    const QStringList printers = QPrinterInfo::availablePrinterNames();
    if (!printers.isEmpty() && QPrinterInfo::defaultPrinter().isNull())
        m_printer->setPrinterName(printers.first());
    useSystemPrinter(!printers.isEmpty() && m_printer->isValid());

    runSetupDialog = [this](QPrinter& printer) {
        QPageSetupDialog dialog(&printer, this);
        return dialog.exec() == QDialog::Accepted;
    };

    buildControls();
    retranslate(messages);
    refreshPaperLabels();
    resetMargins();
    refreshOptions();

    QSize size(600, 450);
    if (const QScreen* screen = this->screen())
        size = size.expandedTo(screen->availableGeometry().size() - QSize(100, 100));
    resize(size);
}

PrintPreviewWindow::~PrintPreviewWindow() = default;

void PrintPreviewWindow::useSystemPrinter(bool use)
{
    m_systemPrinter = use;
    if (!use)
        m_printer->setOutputFormat(QPrinter::PdfFormat);
    else
        m_printer->setOutputFormat(QPrinter::NativeFormat);
}

// The bar above the page: page number, paging, font size, Print and Settings.
QHBoxLayout* PrintPreviewWindow::buildPageBar()
{
    auto* bar = new QHBoxLayout;
    m_pageLabel = new QLabel(this);
    m_pageField = new QLineEdit(QStringLiteral("1"), this);
    m_pageField->setObjectName(QStringLiteral("PageField"));
    m_pageField->setMaxLength(PageFieldLength);
    m_pageField->setFixedWidth(36);
    m_pageCount = new QLabel(QStringLiteral("/ 1"), this);
    m_pageCount->setObjectName(QStringLiteral("PageCount"));
    m_previous = new QPushButton(QStringLiteral("<"), this);
    m_previous->setObjectName(QStringLiteral("PreviousPage"));
    m_next = new QPushButton(QStringLiteral(">"), this);
    m_next->setObjectName(QStringLiteral("NextPage"));
    m_previous->setFixedWidth(36);
    m_next->setFixedWidth(36);
    m_fontLabel = new QLabel(this);
    m_fontLabel->setObjectName(QStringLiteral("FontSizeLabel"));
    m_fontSize = new QSpinBox(this);
    m_fontSize->setObjectName(QStringLiteral("FontSize"));
    m_fontSize->setRange(1, 1);
    m_print = new QPushButton(this);
    m_print->setObjectName(QStringLiteral("PrintButton"));
    m_settings = new QPushButton(QStringLiteral("Settings...."), this);
    m_settings->setObjectName(QStringLiteral("SettingsButton"));
    for (QWidget* w : std::initializer_list<QWidget*>{m_pageLabel, m_pageField, m_pageCount, m_previous, m_next,
                                                      m_fontLabel, m_fontSize, m_print, m_settings})
        bar->addWidget(w);
    bar->addStretch();
    return bar;
}

// The printer column of the side panel: printer, paper, turn and margins.
QVBoxLayout* PrintPreviewWindow::buildPrinterColumn()
{
    m_setup = new QPushButton(m_panel);
    m_setup->setObjectName(QStringLiteral("PrinterSetup"));
    m_paper = new QLabel(m_panel);
    m_paper->setObjectName(QStringLiteral("PaperSize"));
    m_orientation = new QLabel(m_panel);
    m_orientation->setObjectName(QStringLiteral("PaperOrientation"));
    m_turn = new QPushButton(m_panel);
    m_turn->setObjectName(QStringLiteral("TurnPaper"));
    auto* printer = new QVBoxLayout;
    printer->addWidget(m_setup);
    printer->addWidget(m_paper);
    auto* turn = new QHBoxLayout;
    turn->addWidget(m_orientation);
    turn->addWidget(m_turn);
    printer->addLayout(turn);

    m_marginGroup = new QGroupBox(m_panel);
    auto* margins = new QGridLayout(m_marginGroup);
    static const char* const fieldNames[4] = {"LeftMargin", "RightMargin", "TopMargin", "BottomMargin"};
    for (int i = 0; i < 4; ++i) {
        m_marginLabels[std::size_t(i)] = new QLabel(m_marginGroup);
        auto* field = new QLineEdit(m_marginGroup);
        field->setObjectName(QLatin1String(fieldNames[i]));
        field->setMaxLength(10);
        field->setFixedWidth(70);
        field->installEventFilter(this);
        m_marginFields[std::size_t(i)] = field;
        margins->addWidget(m_marginLabels[std::size_t(i)], i, 0);
        margins->addWidget(field, i, 1);
        connect(field, &QLineEdit::textEdited, this, [this, i] { marginEdited(i); });
    }
    printer->addWidget(m_marginGroup);
    printer->addStretch();
    return printer;
}

// The options the report shares: visible columns, pictures and their size.
QVBoxLayout* PrintPreviewWindow::buildSharedOptions()
{
    auto* shared = new QVBoxLayout;
    m_visibleLabel = new QLabel(m_panel);
    m_visible = new QListWidget(m_panel);
    m_visible->setObjectName(QStringLiteral("VisibleColumns"));
    for (int i = 0; i < ReportOptions::VisibleColumnCount; ++i) {
        auto* item = new QListWidgetItem(m_visible);
        item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsUserCheckable);
        item->setCheckState(Qt::Checked);
    }
    m_pictures = new QCheckBox(m_panel);
    m_pictures->setObjectName(QStringLiteral("PlotPictures"));
    m_imageSizeLabel = new QLabel(m_panel);
    m_imageSize = new QScrollBar(Qt::Horizontal, m_panel);
    m_imageSize->setObjectName(QStringLiteral("ImageSize"));
    m_imageSize->setRange(25, 100);
    m_imageSizePercent = new QLabel(m_panel);
    m_imageSizePercent->setObjectName(QStringLiteral("ImageSizePercent"));
    shared->addWidget(m_visibleLabel);
    shared->addWidget(m_visible);
    shared->addWidget(m_pictures);
    auto* size = new QHBoxLayout;
    size->addWidget(m_imageSizeLabel);
    size->addWidget(m_imageSize, 1);
    size->addWidget(m_imageSizePercent);
    shared->addLayout(size);
    return shared;
}

void PrintPreviewWindow::buildControls()
{
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(buildPageBar());

    // The side panel, closed at first.
    m_panel = new QWidget(this);
    m_panel->setObjectName(QStringLiteral("SidePanel"));
    m_panel->setFixedHeight(0);
    auto* panel = new QGridLayout(m_panel);
    panel->addLayout(buildPrinterColumn(), 0, 0);
    panel->addLayout(buildSharedOptions(), 0, 1);
    m_accept = new QPushButton(m_panel);
    m_accept->setObjectName(QStringLiteral("AcceptButton"));
    panel->addWidget(m_accept, 1, 1, Qt::AlignRight);
    layout->addWidget(m_panel);

    m_view = new PreviewPageView(this);
    m_view->setObjectName(QStringLiteral("PageView"));
    layout->addWidget(m_view, 1);

    m_range = new PrintRangeDialog(*m_messages, this);
    m_range->setObjectName(QStringLiteral("PrintRangeDialog"));

    m_slide = new QTimer(this);
    m_slide->setInterval(10);

    connectControls();
}

void PrintPreviewWindow::connectControls()
{
    connect(m_pageField, &QLineEdit::textEdited, this, &PrintPreviewWindow::pageFieldEdited);
    connect(m_previous, &QPushButton::clicked, this, [this] { showPage(m_page - 1); });
    connect(m_next, &QPushButton::clicked, this, [this] { showPage(m_page + 1); });
    connect(m_fontSize, &QSpinBox::valueChanged, this, &PrintPreviewWindow::fontSizeChanged);
    connect(m_print, &QPushButton::clicked, this, [this] {
        if (!m_layout)
            return;
        m_range->setPages(m_page, m_layout->pageCount);
        m_range->open();
    });
    connect(m_range, &PrintRangeDialog::printRequested, this, &PrintPreviewWindow::printRange);
    connect(m_settings, &QPushButton::clicked, this, [this] {
        // A click while sliding turns the panel back.
        m_panelOpening = m_slide->isActive() ? !m_panelOpening : m_panel->height() == 0;
        m_slide->start();
    });
    connect(m_slide, &QTimer::timeout, this, &PrintPreviewWindow::slidePanel);
    connect(m_setup, &QPushButton::clicked, this, &PrintPreviewWindow::setupPrinter);
    connect(m_turn, &QPushButton::clicked, this, &PrintPreviewWindow::toggleOrientation);
    connect(m_visible, &QListWidget::itemChanged, this, &PrintPreviewWindow::optionEdited);
    connect(m_pictures, &QCheckBox::toggled, this, &PrintPreviewWindow::optionEdited);
    connect(m_imageSize, &QScrollBar::valueChanged, this, &PrintPreviewWindow::optionEdited);
    // The pages are laid out again in the open window: a window hidden and
    // shown again from its own button is not activated again, and its
    // margin fields would then see no focus changes (and no checks). A layout
    // that fails closes the preview.
    connect(m_accept, &QPushButton::clicked, this, [this] {
        if (!startLayout())
            hide();
    });
}

void PrintPreviewWindow::retranslate(const MessageTable& m)
{
    m_messages = &m;
    setWindowTitle(m(Msg::PrinterAndPage));
    m_pageLabel->setText(m(Msg::Page));
    m_print->setText(m(Msg::Print));
    m_setup->setText(m(Msg::PrinterAndPage));
    m_marginGroup->setTitle(m(Msg::Margin));
    for (int i = 0; i < 4; ++i)
        m_marginLabels[std::size_t(i)]->setText(m(178 + i));
    m_visibleLabel->setText(m(Msg::Visible));
    for (int i = 0; i < ReportOptions::VisibleColumnCount; ++i) {
        const QSignalBlocker block(m_visible);
        m_visible->item(i)->setText(m(VisibleCaptions[i]));
    }
    m_pictures->setText(m(Msg::PlotsSectionImage));
    m_imageSizeLabel->setText(m(Msg::ImageSize));
    m_accept->setText(m(Msg::Accept));
    m_texts.pageNumberCaption = m(Msg::PageNumber);
    m_range->retranslate(m);
    refreshPaperLabels();
    if (m_layout)
        fontSizeChanged(m_fontSize->value());
    else
        m_fontLabel->setText(m(Msg::FontSize) + QStringLiteral(" :"));
}

void PrintPreviewWindow::setSettingsCaption(const QString& caption)
{
    m_settings->setText(caption);
}

void PrintPreviewWindow::setJob(const ItemList* list, const QStringList& headers, const PageTexts& texts,
                                const QString& jobName)
{
    m_list = list;
    m_headers = headers;
    m_texts = texts;
    m_texts.pageNumberCaption = (*m_messages)(169);
    m_jobName = jobName.isEmpty() ? QStringLiteral("Noname") : jobName;
}

PrinterMetrics PrintPreviewWindow::printerMetrics() const
{
    const QPageLayout page = m_printer->pageLayout();
    const QMarginsF strips = m_systemPrinter ? page.minimumMargins() : QMarginsF();
    const QPageLayout printable(page.pageSize(), page.orientation(), strips, page.units(), strips);
    return PrinterMetrics::fromPageLayout(printable, m_printer->resolution());
}

PrintMargins PrintPreviewWindow::margins() const
{
    const auto value = [this](int i) { return m_marginFields[std::size_t(i)]->text().toDouble(); };
    return {value(0), value(2), value(1), value(3)};
}

void PrintPreviewWindow::resetMargins(MarginReset reset)
{
    const PrintMargins minimum = reset == MarginReset::Starting ? startingMargins(printerMetrics(), !m_systemPrinter)
                                                                : printerMinimumMargins(printerMetrics());
    m_marginFields[0]->setText(marginText(minimum.left));
    m_marginFields[1]->setText(marginText(minimum.right));
    m_marginFields[2]->setText(marginText(minimum.top));
    m_marginFields[3]->setText(marginText(minimum.bottom));
}

void PrintPreviewWindow::refreshPaperLabels()
{
    if (!m_paper)
        return;
    const MessageTable& m = *m_messages;
    const PrinterMetrics metrics = printerMetrics();
    m_paper->setText(m(Msg::PageSize) + QStringLiteral(" : ") + QString::number(qRound(metrics.paperWidthMm())) + QLatin1Char('x')
                     + QString::number(qRound(metrics.paperHeightMm())) + QStringLiteral(" mm"));
    const bool landscape = m_printer->pageLayout().orientation() == QPageLayout::Landscape;
    m_orientation->setText(m(Msg::PageOrientation) + QStringLiteral(" : ") + (landscape ? m(Msg::Landscape) : m(Msg::Portrait)));
    m_turn->setText(landscape ? m(Msg::Portrait) : m(Msg::Landscape));
}

bool PrintPreviewWindow::startLayout()
{
    if (!m_list || m_list->isEmpty())
        return false;
    m_content.list = m_list;
    m_content.headers = m_headers;
    m_content.options = m_options;
    const LayoutOutcome outcome = layoutPrint(printerMetrics(), margins(), m_content, m_measure);
    if (!outcome.layout) {
        m_prompter.showWarning(this, windowTitle(), (*m_messages)(200));
        resetMargins(MarginReset::PrinterMinimum);
        return false;
    }
    m_layout = outcome.layout;
    {
        const QSignalBlocker block(m_fontSize);
        m_fontSize->setRange(1, m_layout->maximumFontSize);
        m_fontSize->setValue(m_layout->maximumFontSize);
    }
    fontSizeChanged(m_layout->maximumFontSize);
    showPage(1);
    show();
    raise();
    emit previewShown();
    return true;
}

void PrintPreviewWindow::fontSizeChanged(int size)
{
    if (!m_layout)
        return;
    applyFontSize(*m_layout, size, m_content, m_measure);
    m_fontLabel->setText((*m_messages)(168) + QStringLiteral(" :") + QString::number(m_layout->fontSize)
                         + QLatin1Char('/') + QString::number(m_layout->maximumFontSize));
    m_pageCount->setText(QStringLiteral("/ ") + QString::number(m_layout->pageCount));
    showPage(m_page);
}

void PrintPreviewWindow::showPage(int page)
{
    if (!m_layout)
        return;
    m_page = std::clamp(page, 1, std::max(1, m_layout->pageCount));
    if (m_pageField->text() != QString::number(m_page))
        m_pageField->setText(QString::number(m_page));
    m_previous->setEnabled(m_page > 1);
    m_next->setEnabled(m_page < m_layout->pageCount);
    m_view->setPage(previewPage(*m_layout, m_content, m_texts, m_page));
}

void PrintPreviewWindow::pageFieldEdited()
{
    const int count = m_layout ? m_layout->pageCount : 1;
    const QString filtered = filterPageField(m_pageField->text(), count);
    if (filtered != m_pageField->text())
        m_pageField->setText(filtered);
    showPage(filtered.toInt());
}

void PrintPreviewWindow::marginEdited(int side)
{
    QLineEdit* field = m_marginFields[std::size_t(side)];
    const QString filtered = filterMarginField(field->text());
    if (filtered != field->text())
        field->setText(filtered);
}

void PrintPreviewWindow::marginLeft(int side)
{
    static const MarginSide sides[4] = {MarginSide::Left, MarginSide::Right, MarginSide::Top, MarginSide::Bottom};
    const PrintMargins minimum = printerMinimumMargins(printerMetrics());
    const double width = m_layout ? m_layout->areaWidthMm : 0;
    const double height = m_layout ? m_layout->areaHeightMm : 0;
    const auto problem = checkMargin(sides[side], margins(), minimum, width, height, *m_messages);
    if (!problem)
        return;
    const double least[4] = {minimum.left, minimum.right, minimum.top, minimum.bottom};
    QLineEdit* field = m_marginFields[std::size_t(side)];
    m_prompter.showWarning(this, windowTitle(), *problem);
    field->setText(marginText(least[side]));
    field->setFocus();
}

bool PrintPreviewWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::FocusOut && m_layout) {
        for (int i = 0; i < 4; ++i)
            if (watched == m_marginFields[std::size_t(i)])
                marginLeft(i);
    }
    return QDialog::eventFilter(watched, event);
}

void PrintPreviewWindow::slidePanel()
{
    const int height = std::clamp(m_panel->height() + (m_panelOpening ? SlideStep : -SlideStep), 0, PanelHeight);
    m_panel->setFixedHeight(height);
    if (height == 0 || height == PanelHeight)
        m_slide->stop();
}

void PrintPreviewWindow::toggleOrientation()
{
    const bool landscape = m_printer->pageLayout().orientation() == QPageLayout::Landscape;
    m_printer->setPageOrientation(landscape ? QPageLayout::Portrait : QPageLayout::Landscape);
    refreshPaperLabels();
    resetMargins();
}

void PrintPreviewWindow::setupPrinter()
{
    if (!runSetupDialog(*m_printer))
        return;
    refreshPaperLabels();
    resetMargins();
}

void PrintPreviewWindow::refreshOptions()
{
    const QSignalBlocker a(m_visible), b(m_pictures), c(m_imageSize);
    for (int i = 0; i < ReportOptions::VisibleColumnCount; ++i)
        m_visible->item(i)->setCheckState(m_options.visibleColumns[std::size_t(i)] ? Qt::Checked : Qt::Unchecked);
    m_pictures->setChecked(m_options.pictures);
    m_imageSize->setValue(m_options.imageSizePercent);
    m_imageSizePercent->setText(QString::number(m_options.imageSizePercent) + QStringLiteral(" %"));
}

void PrintPreviewWindow::optionEdited()
{
    for (int i = 0; i < ReportOptions::VisibleColumnCount; ++i)
        m_options.visibleColumns[std::size_t(i)] = m_visible->item(i)->checkState() == Qt::Checked;
    m_options.pictures = m_pictures->isChecked();
    m_options.imageSizePercent = m_imageSize->value();
    m_imageSizePercent->setText(QString::number(m_options.imageSizePercent) + QStringLiteral(" %"));
    emit optionsChanged();
}

bool PrintPreviewWindow::printRange(const PrintRange& range)
{
    if (!m_layout || range.copies <= 0)
        return false;
    if (m_systemPrinter) {
        m_printer->setDocName(m_jobName);
        PrinterSink sink(*m_printer);
        return printPages(sink, *m_layout, m_content, m_texts, range);
    }
    QString name = m_jobName;
    name.replace(QLatin1Char('/'), QLatin1Char('_'));
    name.replace(QLatin1Char('\\'), QLatin1Char('_'));
    const QString proposed = QDir(m_temporaryFolder).filePath(name + QStringLiteral(".pdf"));
    const QString file =
        m_prompter.askSaveFileName(this, {m_print->text(), proposed, QStringLiteral("PDF (*.pdf)"), QString()});
    if (file.isEmpty())
        return false;
    PdfPageSink sink(file, m_printer->pageLayout(), m_jobName);
    if (!printPages(sink, *m_layout, m_content, m_texts, range)) {
        const QString reason = sink.errorString();
        m_prompter.showWarning(this, windowTitle(), reason.isEmpty() ? file : file + QStringLiteral("\n") + reason);
        return false;
    }
    return true;
}
