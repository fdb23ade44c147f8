#pragma once

#include <QFrame>

class QPushButton;

// The panel over the section area at start: the product name, the version
// and "Click to Start".
class StartPanel : public QFrame {
    Q_OBJECT
public:
    explicit StartPanel(QWidget* parent = nullptr);
    QPushButton* startButton() const { return m_startButton; }

private:
    QPushButton* m_startButton = nullptr;
};
