#pragma once

#include <QDialog>

class MessageTable;
class QTextBrowser;

// The help page in a window of the program's own, for a desktop that cannot
// open it (no launcher for HTML pages).
class HelpWindow : public QDialog {
    Q_OBJECT
public:
    explicit HelpWindow(const MessageTable& messages, QWidget* parent = nullptr);
    void retranslate(const MessageTable& messages);
    // Shows the page of the file; false when the file cannot be read.
    bool showPage(const QString& path);
    QTextBrowser* browser() const { return m_browser; }

private:
    QTextBrowser* m_browser = nullptr;
};
