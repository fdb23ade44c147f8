#include "reportwindow.h"

#include "progresswindow.h"

#include "output/report_generator.h"
#include "settings/desktop_shell.h"
#include "settings/message_table.h"
#include "settings/temporary_folder.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QScrollBar>
#include <QVBoxLayout>

namespace {

// The message of each visible-column item, in item order.
constexpr std::array<int, ReportOptions::VisibleColumnCount> VisibleItemMessages{79, 80, 114, 83, 115, 116, 89, 90, 117};

QScrollBar* optionBar(QWidget* parent, const char* name, int minimum, int maximum)
{
    auto* bar = new QScrollBar(Qt::Horizontal, parent);
    bar->setObjectName(QString::fromLatin1(name));
    bar->setRange(minimum, maximum);
    bar->setPageStep(5);
    bar->setMinimumWidth(160);
    return bar;
}

// Buttons and check boxes take "&" as a shortcut mark; these texts show it.
QString literal(const QString& text)
{
    QString shown = text;
    return shown.replace(QLatin1Char('&'), QStringLiteral("&&"));
}

QLabel* namedLabel(QWidget* parent, const char* name)
{
    auto* label = new QLabel(parent);
    label->setObjectName(QString::fromLatin1(name));
    return label;
}

} // namespace

ReportWindow::ReportWindow(ReportOptions& options, const MessageTable& messages, Prompter& prompter,
                           QWidget* parent)
    : QDialog(parent)
    , m_prompter(prompter)
    , m_options(options)
    , m_messages(&messages)
    , m_folder(TemporaryFolder::defaultPath())
{
    setObjectName(QStringLiteral("ReportWindow"));
    setModal(true);

    m_pictures = new QCheckBox(this);
    m_pictures->setObjectName(QStringLiteral("PlotPictures"));
    m_imageSizeCaption = namedLabel(this, "ImageSizeCaption");
    m_imageSize = optionBar(this, "ImageSize", 25, 100);
    m_imageSizeValue = namedLabel(this, "ImageSizeValue");
    m_measureFontCaption = namedLabel(this, "MeasureFontCaption");
    m_measureFont = optionBar(this, "MeasureFont", 5, 25);
    m_measureFontValue = namedLabel(this, "MeasureFontValue");
    m_dataFontCaption = namedLabel(this, "DataFontCaption");
    m_dataFont = optionBar(this, "DataFont", 5, 25);
    m_dataFontValue = namedLabel(this, "DataFontValue");
    m_htmlOnly = namedLabel(this, "HtmlOnlyNote");
    m_visibleCaption = namedLabel(this, "VisibleCaption");
    m_visible = new QListWidget(this);
    m_visible->setObjectName(QStringLiteral("VisibleColumns"));
    for (std::size_t k = 0; k < VisibleItemMessages.size(); ++k) {
        auto* item = new QListWidgetItem(QStringLiteral("E modulus"), m_visible);
        item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsUserCheckable);
        item->setCheckState(Qt::Checked);
    }
    // All nine items in view, without a scroll bar.
    m_visible->setFixedHeight(m_visible->sizeHintForRow(0) * m_visible->count() + 2 * m_visible->frameWidth() + 2);
    m_html = new QPushButton(this);
    m_html->setObjectName(QStringLiteral("HtmlReport"));
    m_html->setDefault(true);
    m_print = new QPushButton(this);
    m_print->setObjectName(QStringLiteral("PrintReport"));
    m_print->setEnabled(false);
    m_cancel = new QPushButton(this);
    m_cancel->setObjectName(QStringLiteral("CancelReport"));

    auto* grid = new QGridLayout;
    grid->addWidget(m_pictures, 0, 0, 1, 3);
    grid->addWidget(m_imageSizeCaption, 1, 0);
    grid->addWidget(m_imageSize, 1, 1);
    grid->addWidget(m_imageSizeValue, 1, 2);
    grid->addWidget(m_measureFontCaption, 2, 0);
    grid->addWidget(m_measureFont, 2, 1);
    grid->addWidget(m_measureFontValue, 2, 2);
    grid->addWidget(m_dataFontCaption, 3, 0);
    grid->addWidget(m_dataFont, 3, 1);
    grid->addWidget(m_dataFontValue, 3, 2);
    grid->addWidget(m_htmlOnly, 4, 0, 1, 3);
    grid->addWidget(m_visibleCaption, 5, 0, 1, 3);
    grid->addWidget(m_visible, 6, 0, 1, 3);
    grid->setColumnMinimumWidth(2, 40);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(m_html);
    buttons->addWidget(m_print);
    buttons->addWidget(m_cancel);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addLayout(buttons);

    setCommandTexts(QStringLiteral("Report generator"), QStringLiteral("Print & Print preview"));
    retranslate(messages);
    showOptions();

    connect(m_pictures, &QCheckBox::toggled, this, &ReportWindow::takeOptions);
    connect(m_imageSize, &QScrollBar::valueChanged, this, &ReportWindow::takeOptions);
    connect(m_measureFont, &QScrollBar::valueChanged, this, &ReportWindow::takeOptions);
    connect(m_dataFont, &QScrollBar::valueChanged, this, &ReportWindow::takeOptions);
    connect(m_visible, &QListWidget::itemChanged, this, &ReportWindow::takeOptions);
    connect(m_html, &QPushButton::clicked, this, &ReportWindow::generate);
    connect(m_print, &QPushButton::clicked, this, &ReportWindow::printRequested);
    connect(m_cancel, &QPushButton::clicked, this, &QDialog::reject);
}

void ReportWindow::retranslate(const MessageTable& m)
{
    m_messages = &m;
    setWindowTitle(tr("Report generator"));
    m_pictures->setText(literal(m(Msg::PlotsSectionImage)));
    m_imageSizeCaption->setText(m(Msg::ImageSize));
    m_measureFontCaption->setText(m(Msg::MeasureFontSize));
    m_dataFontCaption->setText(m(Msg::DataFontSize));
    m_visibleCaption->setText(m(Msg::Visible));
    m_htmlOnly->setText(m(Msg::OnlyHtmlReport));
    m_html->setText(literal(m(Msg::HtmlReport)));
    m_cancel->setText(literal(m(Msg::Cancel)));
    m_showing = true;
    for (int k = 0; k < m_visible->count(); ++k)
        m_visible->item(k)->setText(m(VisibleItemMessages[std::size_t(k)]));
    m_showing = false;
}

void ReportWindow::setCommandTexts(const QString& caption, const QString& printCaption)
{
    setWindowTitle(caption);
    m_print->setText(literal(printCaption));
}

void ReportWindow::setReport(const ItemList* list, const ReportLayout& layout, const QString& title)
{
    m_list = list;
    m_layout = layout;
    m_title = title;
}

void ReportWindow::setPrintEnabled(bool enabled) { m_print->setEnabled(enabled); }

void ReportWindow::showOptions()
{
    m_showing = true;
    m_pictures->setChecked(m_options.pictures);
    m_imageSize->setValue(m_options.imageSizePercent);
    m_measureFont->setValue(m_options.measureFontSize);
    m_dataFont->setValue(m_options.dataFontSize);
    for (int k = 0; k < m_visible->count(); ++k)
        m_visible->item(k)->setCheckState(m_options.visibleColumns[std::size_t(k)] ? Qt::Checked : Qt::Unchecked);
    m_imageSizeValue->setText(QString::number(m_imageSize->value()) + QStringLiteral(" %"));
    m_measureFontValue->setText(QString::number(m_measureFont->value()));
    m_dataFontValue->setText(QString::number(m_dataFont->value()));
    m_showing = false;
}

void ReportWindow::takeOptions()
{
    if (m_showing)
        return;
    ReportOptions changed = m_options;
    changed.pictures = m_pictures->isChecked();
    changed.imageSizePercent = m_imageSize->value();
    changed.measureFontSize = m_measureFont->value();
    changed.dataFontSize = m_dataFont->value();
    for (int k = 0; k < m_visible->count(); ++k)
        changed.visibleColumns[std::size_t(k)] = m_visible->item(k)->checkState() == Qt::Checked;
    m_imageSizeValue->setText(QString::number(changed.imageSizePercent) + QStringLiteral(" %"));
    m_measureFontValue->setText(QString::number(changed.measureFontSize));
    m_dataFontValue->setText(QString::number(changed.dataFontSize));
    if (changed == m_options)
        return;
    m_options = changed;
    emit optionsChanged();
}

void ReportWindow::generate()
{
    const MessageTable& m = *m_messages;
    if (!m_list || m_list->isEmpty()) {
        setEnabled(true);
        accept();
        return;
    }
    const QString folder = m_folder;
    if (!prepareReportFolder(folder, m_title, reportVersionText(), m)) {
        m_prompter.showWarning(this, windowTitle(), temporaryFolderWarning(m));
        emit settingsRequested();
        return;
    }

    ProgressWindow* progress = m_progress;
    if (!progress) {
        if (!m_ownProgress)
            m_ownProgress = new ProgressWindow(this);
        progress = m_ownProgress;
    }
    const int count = m_list->count();
    progress->start(progress->windowTitle(), m(Msg::CreatingHtmlWait), reportFilePath(folder, reportPageFileName()), count);
    setEnabled(false);
    QCoreApplication::processEvents();

    ReportPageInput input;
    input.title = m_title;
    input.version = reportVersionText();
    input.layout = m_layout;
    input.options = m_options;
    const ReportFilesOutcome outcome = writeReportFiles(folder, *m_list, input, [&](std::size_t finished, std::size_t) {
        progress->setValue(int(finished));
        return true;
    });
    progress->finish();
    setEnabled(true);

    if (!outcome.written) {
        // A picture or the page could not be written: the same way out as an
        // unusable folder, and no half-written report is opened.
        m_prompter.showWarning(this, windowTitle(), temporaryFolderWarning(m));
        emit settingsRequested();
        return;
    }
    if (m_shell)
        m_shell->open(outcome.pagePath); // the shell's answer is not reported
    accept();
}
