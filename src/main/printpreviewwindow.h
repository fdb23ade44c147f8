#pragma once

#include "prompter.h"
#include "output/print_fields.h"
#include "output/print_layout.h"
#include "output/print_page.h"
#include "output/report_options.h"

#include <QDialog>
#include <QImage>
#include <array>
#include <functional>
#include <memory>
#include <optional>

class ItemList;
class MessageTable;
class PrintRangeDialog;
class QCheckBox;
class QGroupBox;
class QHBoxLayout;
class QLabel;
class QLineEdit;
class QListWidget;
class QPrinter;
class QPushButton;
class QScrollBar;
class QSpinBox;
class QTimer;
class QVBoxLayout;

// The page of the preview at its natural size, moved by two scroll bars
// whose positions run 0..20 (vertical -1..21) when the page is larger than
// the view less 20 pixels; otherwise the bar is hidden and the page centred.
class PreviewPageView : public QWidget {
    Q_OBJECT
public:
    explicit PreviewPageView(QWidget* parent = nullptr);

    void setPage(const QImage& page);
    const QImage& page() const { return m_page; }
    QScrollBar* horizontalBar() const { return m_horizontal; }
    QScrollBar* verticalBar() const { return m_vertical; }
    // Where the page's corner stands in the view.
    QPoint pageOrigin() const;

    // The page offset of a bar position: position / 20 x (page - view + 20).
    static int scrolledOffset(int position, int pageSize, int viewSize);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;

private:
    void updateBars();

    QImage m_page;
    QScrollBar* m_horizontal = nullptr;
    QScrollBar* m_vertical = nullptr;
};

// "Printer and Page settings": the laid-out pages, the font size, the printer
// and margin settings with the options shared with the report window, and
// printing through the range dialog. The printer is the system's default
// printer, or a PDF file when the system has none.
class PrintPreviewWindow : public QDialog {
    Q_OBJECT
public:
    // Asks its questions through `prompter`, which outlives the window.
    PrintPreviewWindow(ReportOptions& options, const MessageTable& messages, Prompter& prompter,
                       QWidget* parent = nullptr);
    ~PrintPreviewWindow() override;

    void retranslate(const MessageTable& messages);
    // The caption of the main menu's settings entry, shown on the button
    // that slides the side panel.
    void setSettingsCaption(const QString& caption);

    // What the next layout prints: the list, its header captions, the page
    // texts and the job name (the proposed PDF file name).
    void setJob(const ItemList* list, const QStringList& headers, const PageTexts& texts, const QString& jobName);
    void setTemporaryFolder(const QString& folder) { m_temporaryFolder = folder; }

    // Lays the job out on the printer's paper and shows the preview at page 1.
    // A paper too small shows message 200, resets the margins and returns false.
    bool startLayout();

    // Shows the shared options again after the report window changed them.
    void refreshOptions();

    // Prints a range through the printer (or into the PDF file asked for).
    bool printRange(const PrintRange& range);

    const std::optional<PrintLayout>& layout() const { return m_layout; }
    int currentPage() const { return m_page; }
    PrinterMetrics printerMetrics() const;
    PrintMargins margins() const;
    PrintRangeDialog* rangeDialog() const { return m_range; }
    PreviewPageView* pageView() const { return m_view; }
    QPrinter& printer() const { return *m_printer; }

    // Replaceable for tests: the printer set-up dialog and whether the
    // system's printers are used.
    std::function<bool(QPrinter&)> runSetupDialog;
    void useSystemPrinter(bool use);
    bool usesSystemPrinter() const { return m_systemPrinter; }

signals:
    // The user changed a shared option (to be mirrored in the report window).
    void optionsChanged();
    // A layout was shown (the report window closes).
    void previewShown();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    Prompter& m_prompter;
    void buildControls();
    QHBoxLayout* buildPageBar();
    QVBoxLayout* buildPrinterColumn();
    QVBoxLayout* buildSharedOptions();
    void connectControls();
    void showPage(int page);
    void fontSizeChanged(int size);
    void pageFieldEdited();
    void marginEdited(int side);
    void marginLeft(int side);
    // The margins a new page starts with (10 mm for a PDF file), or the
    // printer minimum after a paper that was too small.
    enum class MarginReset { Starting, PrinterMinimum };
    void resetMargins(MarginReset reset = MarginReset::Starting);
    void refreshPaperLabels();
    void slidePanel();
    void toggleOrientation();
    void setupPrinter();
    void optionEdited();

    ReportOptions& m_options;
    const MessageTable* m_messages;
    std::unique_ptr<QPrinter> m_printer;
    bool m_systemPrinter = false;

    const ItemList* m_list = nullptr;
    QStringList m_headers;
    PageTexts m_texts;
    QString m_jobName = QStringLiteral("Noname");
    QString m_temporaryFolder;
    PrintContent m_content;
    TextMeasure m_measure;
    std::optional<PrintLayout> m_layout;
    int m_page = 1;
    bool m_panelOpening = false;

    QLabel* m_pageLabel = nullptr;
    QLineEdit* m_pageField = nullptr;
    QLabel* m_pageCount = nullptr;
    QPushButton* m_previous = nullptr;
    QPushButton* m_next = nullptr;
    QLabel* m_fontLabel = nullptr;
    QSpinBox* m_fontSize = nullptr;
    QPushButton* m_print = nullptr;
    QPushButton* m_settings = nullptr;
    QWidget* m_panel = nullptr;
    QTimer* m_slide = nullptr;
    QPushButton* m_setup = nullptr;
    QLabel* m_paper = nullptr;
    QLabel* m_orientation = nullptr;
    QPushButton* m_turn = nullptr;
    QGroupBox* m_marginGroup = nullptr;
    std::array<QLabel*, 4> m_marginLabels{};
    std::array<QLineEdit*, 4> m_marginFields{}; // left, right, top, bottom
    QLabel* m_visibleLabel = nullptr;
    QListWidget* m_visible = nullptr;
    QCheckBox* m_pictures = nullptr;
    QLabel* m_imageSizeLabel = nullptr;
    QScrollBar* m_imageSize = nullptr;
    QLabel* m_imageSizePercent = nullptr;
    QPushButton* m_accept = nullptr;
    PreviewPageView* m_view = nullptr;
    PrintRangeDialog* m_range = nullptr;
};
