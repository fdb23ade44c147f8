#include "helpwindow.h"

#include <QFileInfo>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

HelpWindow::HelpWindow(const MessageTable& messages, QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("HelpWindow"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    m_browser = new QTextBrowser(this);
    m_browser->setOpenExternalLinks(true);
    layout->addWidget(m_browser);
    resize(640, 560);
    retranslate(messages);
}

void HelpWindow::retranslate(const MessageTable&)
{
    // The menu entry's text; the message table has no entry of its own for it.
    setWindowTitle(tr("Help"));
}

bool HelpWindow::showPage(const QString& path)
{
    const QFileInfo file(path);
    if (!file.isFile() || !file.isReadable())
        return false;
    m_browser->setSource(QUrl::fromLocalFile(file.absoluteFilePath()));
    return true;
}
