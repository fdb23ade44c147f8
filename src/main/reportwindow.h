#pragma once

#include "prompter.h"
#include "itemlist/item_list.h"
#include "output/report_options.h"
#include "output/report_page.h"

#include <QDialog>
#include <array>
#include <functional>

class QCheckBox;
class QLabel;
class QListWidget;
class QPushButton;
class QScrollBar;
class DesktopShell;
class MessageTable;
class ProgressWindow;

// "Report generator": the report options, "Html report", the print button and
// "Cancel". The options are the program's one shared set; every change is
// applied to it at once and announced through optionsChanged().
class ReportWindow : public QDialog {
    Q_OBJECT
public:
    // Tells its warnings through `prompter`, which outlives the window.
    ReportWindow(ReportOptions& options, const MessageTable& messages, Prompter& prompter,
                 QWidget* parent = nullptr);

    void retranslate(const MessageTable& messages);
    // The caption is the hint of the main window's report button, the print
    // button shows the main menu's print entry.
    void setCommandTexts(const QString& caption, const QString& printCaption);

    // What the next report shows: the list, the grid as seen, the title.
    void setReport(const ItemList* list, const ReportLayout& layout, const QString& title);
    // The settings' temporary folder, used as it is.
    void setTemporaryFolder(const QString& folder) { m_folder = folder; }
    QString temporaryFolder() const { return m_folder; }
    void setShell(DesktopShell* shell) { m_shell = shell; }
    void setProgressWindow(ProgressWindow* progress) { m_progress = progress; }
    void setPrintEnabled(bool enabled);
    // Shows the options again after another window changed them.
    void showOptions();
    const ReportOptions& options() const { return m_options; }

    // "Html report".
    void generate();

    QCheckBox* picturesBox() const { return m_pictures; }
    QScrollBar* imageSizeBar() const { return m_imageSize; }
    QScrollBar* measureFontBar() const { return m_measureFont; }
    QScrollBar* dataFontBar() const { return m_dataFont; }
    QLabel* imageSizeLabel() const { return m_imageSizeValue; }
    QLabel* measureFontLabel() const { return m_measureFontValue; }
    QLabel* dataFontLabel() const { return m_dataFontValue; }
    QListWidget* visibleList() const { return m_visible; }
    QPushButton* htmlButton() const { return m_html; }
    QPushButton* printButton() const { return m_print; }
    QPushButton* cancelButton() const { return m_cancel; }

signals:
    void optionsChanged();
    void printRequested();
    // The folder could not be used: the settings window lets the user pick another.
    void settingsRequested();

private:
    Prompter& m_prompter;
    void takeOptions();

    ReportOptions& m_options;
    const MessageTable* m_messages;
    const ItemList* m_list = nullptr;
    ReportLayout m_layout;
    QString m_title;
    QString m_folder;
    DesktopShell* m_shell = nullptr;
    ProgressWindow* m_progress = nullptr;
    ProgressWindow* m_ownProgress = nullptr;
    bool m_showing = false; // controls are being set from the options

    QCheckBox* m_pictures = nullptr;
    QLabel* m_imageSizeCaption = nullptr;
    QScrollBar* m_imageSize = nullptr;
    QLabel* m_imageSizeValue = nullptr;
    QLabel* m_measureFontCaption = nullptr;
    QScrollBar* m_measureFont = nullptr;
    QLabel* m_measureFontValue = nullptr;
    QLabel* m_dataFontCaption = nullptr;
    QScrollBar* m_dataFont = nullptr;
    QLabel* m_dataFontValue = nullptr;
    QLabel* m_htmlOnly = nullptr;
    QLabel* m_visibleCaption = nullptr;
    QListWidget* m_visible = nullptr;
    QPushButton* m_html = nullptr;
    QPushButton* m_print = nullptr;
    QPushButton* m_cancel = nullptr;
};
