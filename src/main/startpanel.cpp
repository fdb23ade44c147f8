#include "startpanel.h"

#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

StartPanel::StartPanel(QWidget* parent) : QFrame(parent)
{
    setFrameShape(QFrame::StyledPanel);
    auto* layout = new QVBoxLayout(this);
    auto* product = new QLabel(QStringLiteral("Morvane"), this);
    product->setObjectName(QStringLiteral("StartPicture"));
    QFont big = product->font();
    big.setPointSize(28);
    big.setBold(true);
    product->setFont(big);
    product->setAlignment(Qt::AlignCenter);
    product->setStyleSheet(QStringLiteral("color: navy;"));
    auto* title = new QLabel(QStringLiteral("*** Computation of geometric properties ***"), this);
    title->setObjectName(QStringLiteral("ProductName"));
    title->setAlignment(Qt::AlignCenter);
    auto* version = new QLabel(QStringLiteral("Version : 3.1 /  17. 04. 2004 "), this);
    version->setObjectName(QStringLiteral("Label69"));
    version->setAlignment(Qt::AlignCenter);
    auto* credit = new QLabel(QStringLiteral("Written by the Morvane developers"), this);
    credit->setObjectName(QStringLiteral("Label80"));
    credit->setAlignment(Qt::AlignCenter);
    m_startButton = new QPushButton(QStringLiteral("Click to Start"), this);
    m_startButton->setObjectName(QStringLiteral("BitBtn3"));
    layout->addStretch();
    layout->addWidget(product);
    layout->addWidget(title);
    layout->addWidget(version);
    layout->addWidget(credit);
    layout->addWidget(m_startButton, 0, Qt::AlignHCenter);
    layout->addStretch();
}

