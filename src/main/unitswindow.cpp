#include "unitswindow.h"
#include "enterkey.h"

#include "settings/message_table.h"

#include <QCheckBox>
#include <QHeaderView>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

UnitsWindow::UnitsWindow(const MessageTable& m, QWidget* parent) : QDialog(parent)
{
    setWindowTitle(QStringLiteral("Units for listing"));
    setModal(true);
    auto* layout = new QVBoxLayout(this);
    m_grid = new QTableWidget(7, 4, this);
    m_grid->horizontalHeader()->hide();
    m_grid->verticalHeader()->hide();
    m_grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_grid->setSelectionMode(QAbstractItemView::NoSelection);
    const int widths[4] = {149, 66, 59, 59};
    for (int c = 0; c < 4; ++c)
        m_grid->setColumnWidth(c, widths[c]);
    m_grid->setRowHeight(0, 0);
    m_grid->setItem(0, 0, new QTableWidgetItem);
    for (int r = 1; r <= 6; ++r) {
        m_grid->setItem(r, 0, new QTableWidgetItem);
        for (int c = 1; c <= 3; ++c) {
            auto* item = new QTableWidgetItem(QLatin1Char(' ') + unitText(static_cast<UnitGroup>(r - 1), c));
            item->setTextAlignment(Qt::AlignCenter);
            m_grid->setItem(r, c, item);
        }
    }
    m_grid->setFixedSize(149 + 66 + 59 + 59 + 4, 6 * m_grid->rowHeight(1) + 4);
    layout->addWidget(m_grid);
    m_default = new QCheckBox(this);
    m_default->setChecked(true);
    layout->addWidget(m_default);
    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    layout->addWidget(ok);
    makeDefaultButton(ok);

    connect(m_grid, &QTableWidget::cellClicked, this, &UnitsWindow::choose);
    connect(m_default, &QCheckBox::clicked, this, [this](bool ticked) {
        if (ticked)
            m_units = UnitSettings{};
        repaintGrid();
    });
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    retranslate(m);
    repaintGrid();
}

void UnitsWindow::retranslate(const MessageTable& m)
{
    setWindowTitle(tr("Units for listing"));
    m_grid->item(0, 0)->setText(m(Msg::Data));
    const QString captions[6] = {m(Msg::EModulus) + QStringLiteral(" :"), m(Msg::Density) + QStringLiteral(" :"),
                                 m(Msg::Area) + QStringLiteral(" :"), m(Msg::Inertia) + QStringLiteral("[Ix,Iy,Ixx]:"),
                                 m(Msg::SectionModulusShort) + QStringLiteral("[Kx,Ky,Kxx]:"), m(Msg::Tensile) + QStringLiteral(" :")};
    for (int r = 1; r <= 6; ++r)
        m_grid->item(r, 0)->setText(captions[r - 1]);
    m_default->setText(m(Msg::Default));
}

void UnitsWindow::setUnits(const UnitSettings& units)
{
    m_units = units;
    repaintGrid();
}

void UnitsWindow::choose(int row, int column)
{
    if (row < 1 || row > 6 || column < 1 || column > 3)
        return;
    m_units.setChoice(static_cast<UnitGroup>(row - 1), column);
    repaintGrid();
}

void UnitsWindow::repaintGrid()
{
    const QColor even(224, 228, 243), odd(240, 242, 249), chosen(250, 255, 234);
    for (int r = 1; r <= 6; ++r) {
        for (int c = 0; c <= 3; ++c) {
            QTableWidgetItem* item = m_grid->item(r, c);
            const bool isChosen = c > 0 && m_units.choice(static_cast<UnitGroup>(r - 1)) == c;
            QFont font(QStringLiteral("Arial"));
            font.setPointSize(8);
            font.setBold(isChosen);
            item->setFont(font);
            item->setForeground(QColor(0, 0, 128));
            item->setBackground(isChosen ? chosen : (r % 2 == 0 ? even : odd));
        }
    }
    m_default->setChecked(m_units.isDefault());
}
