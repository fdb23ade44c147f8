#pragma once

#include <QDialog>

class QLabel;
class QProgressBar;

// The small "Save to file" window every long loop shows: a caption, a navy
// bar, a status line and a file line. It does not block; each advance lets
// pending window events run so that the program repaints between items.
class ProgressWindow : public QDialog {
    Q_OBJECT
public:
    explicit ProgressWindow(QWidget* parent = nullptr);

    // Shows the window with the bar at 0 of maximum.
    void start(const QString& caption, const QString& status, const QString& file, int maximum);
    void setValue(int value);
    void finish();

    int value() const;
    int maximum() const;
    QString statusText() const;
    QString fileText() const;

private:
    QLabel* m_status;
    QLabel* m_file;
    QProgressBar* m_bar;
};
