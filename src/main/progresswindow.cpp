#include "progresswindow.h"

#include <QCoreApplication>
#include <QLabel>
#include <QProgressBar>
#include <QVBoxLayout>

ProgressWindow::ProgressWindow(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint)
    , m_status(new QLabel(this))
    , m_file(new QLabel(this))
    , m_bar(new QProgressBar(this))
{
    setObjectName(QStringLiteral("ProgressWindow"));
    setModal(false);
    setFixedWidth(420);
    m_bar->setTextVisible(false);
    m_bar->setStyleSheet(QStringLiteral("QProgressBar::chunk { background: navy; }"));
    m_file->setWordWrap(true);
    m_file->setTextInteractionFlags(Qt::TextSelectableByMouse);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_bar);
    layout->addWidget(m_status);
    layout->addWidget(m_file);
}

void ProgressWindow::start(const QString& caption, const QString& status, const QString& file, int maximum)
{
    setWindowTitle(caption);
    m_status->setText(status);
    m_file->setText(file);
    m_bar->setRange(0, std::max(1, maximum));
    m_bar->setValue(0);
    show();
    raise();
    QCoreApplication::processEvents();
}

void ProgressWindow::setValue(int value)
{
    m_bar->setValue(value);
    QCoreApplication::processEvents();
}

void ProgressWindow::finish()
{
    hide();
    QCoreApplication::processEvents();
}

int ProgressWindow::value() const { return m_bar->value(); }
int ProgressWindow::maximum() const { return m_bar->maximum(); }
QString ProgressWindow::statusText() const { return m_status->text(); }
QString ProgressWindow::fileText() const { return m_file->text(); }
