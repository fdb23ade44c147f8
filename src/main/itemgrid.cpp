#include "itemgrid.h"

#include "fittedfont.h"
#include "itemgriddelegate.h"

#include "itemlist/item_list_model.h"

#include <QHeaderView>
#include <QMenu>
#include <QPainter>
#include <QStyleOptionHeader>
#include <QScopedValueRollback>
#include <QTimer>

ItemGridHeader::ItemGridHeader(QWidget* parent) : QHeaderView(Qt::Horizontal, parent)
{
    QFont small = font();
    small.setPixelSize(9);
    small.setBold(true);
    setFont(small);
    setFixedHeight(35);
    setSectionResizeMode(QHeaderView::Fixed);
}

QFont ItemGridHeader::captionFont(const QFont& base, const QString& caption, int width)
{
    return fittedFont(base, caption.split(QLatin1Char('\n')), width, 6);
}

ItemGridHeader::CaptionLayout ItemGridHeader::captionLayout(const QFont& base, const QString& caption, QSize cell)
{
    CaptionLayout plain{captionFont(base, caption, cell.width()), caption};
    if (plain.font.pixelSize() >= 7)
        return plain;
    QStringList lines = caption.split(QLatin1Char('\n'));
    const QFontMetrics plainMetrics(plain.font);
    qsizetype widest = 0;
    for (qsizetype i = 1; i < lines.size(); ++i)
        if (plainMetrics.horizontalAdvance(lines[i]) > plainMetrics.horizontalAdvance(lines[widest]))
            widest = i;
    // Before the unit in brackets, else at the last blank.
    qsizetype cut = lines[widest].lastIndexOf(QLatin1Char('['));
    if (cut <= 0)
        cut = lines[widest].lastIndexOf(QLatin1Char(' '));
    if (cut <= 0)
        return plain;
    const QString line = lines[widest];
    lines[widest] = line.left(cut).trimmed();
    lines.insert(widest + 1, line.mid(cut).trimmed());
    CaptionLayout broken{QFont(), lines.join(QLatin1Char('\n'))};
    broken.font = captionFont(base, broken.text, cell.width());
    const QFontMetrics metrics(broken.font);
    const bool tallEnough = int(lines.size() - 1) * metrics.lineSpacing() + metrics.height() <= cell.height();
    return tallEnough && broken.font.pixelSize() > plain.font.pixelSize() ? broken : plain;
}

void ItemGridHeader::paintSection(QPainter* painter, const QRect& rect, int logicalIndex) const
{
    QStyleOptionHeader option;
    initStyleOption(&option);
    option.rect = rect;
    option.section = logicalIndex;
    style()->drawControl(QStyle::CE_HeaderSection, &option, painter, this);
    const QString caption = model() ? model()->headerData(logicalIndex, orientation()).toString() : QString();
    // The caption has the cell less its one-pixel grid line.
    const QRect area = rect.adjusted(0, 0, -1, 0);
    painter->save();
    const CaptionLayout layout = captionLayout(font(), caption, area.size());
    painter->setFont(layout.font);
    painter->setPen(palette().color(QPalette::ButtonText));
    painter->drawText(area, Qt::AlignCenter, layout.text);
    painter->restore();
}

ItemGrid::ItemGrid(ItemList& list, QWidget* parent) : QTableView(parent)
{
    setHorizontalHeader(new ItemGridHeader(this));
    setObjectName(QStringLiteral("StringGrid1"));
    m_model = new ItemListModel(list, this);
    setModel(m_model);
    m_delegate = new ItemGridDelegate(this);
    setItemDelegate(m_delegate);
    verticalHeader()->hide();
    verticalHeader()->setDefaultSectionSize(32);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    // One block of rows: Delete removes from the first to the last selected
    // row, so nothing unselected may lie between them.
    setSelectionMode(QAbstractItemView::ContiguousSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setContextMenuPolicy(Qt::CustomContextMenu);
    const int widths[12] = {20, 0, 137, 60, 40, 60, 80, 80, 80, 70, 40, 70};
    for (int c = 0; c < 12; ++c)
        setColumnWidth(c, widths[c]);
    setColumnHidden(1, true);

    m_popup = new QMenu(this);
    connect(this, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& at) { m_popup->popup(viewport()->mapToGlobal(at)); });
    connect(this, &QTableView::doubleClicked, this, &ItemGrid::correctionRequested);
    // Any cell the user selects, by mouse or keyboard, ends a correction and
    // becomes the row the other windows work on.
    connect(this, &QTableView::pressed, this, [this](const QModelIndex& index) { emit rowChosen(index.row() + 1); });
    connect(selectionModel(), &QItemSelectionModel::currentChanged, this, [this](const QModelIndex& current) {
        if (!m_selectingRow && current.isValid())
            emit rowChosen(current.row() + 1);
    });
    connect(selectionModel(), &QItemSelectionModel::selectionChanged, this, &ItemGrid::updateRowHeights);

    m_blinkTimer = new QTimer(this);
    m_blinkTimer->setObjectName(QStringLiteral("RowBlinkTimer"));
    m_blinkTimer->setInterval(250);
    connect(m_blinkTimer, &QTimer::timeout, this, [this] {
        if (!m_blinking) {
            m_blinkTimer->stop();
            m_delegate->setBlinkRow(-1);
        } else {
            m_delegate->setBlinkRow(currentIndex().row());
            m_delegate->toggleBlinkPhase();
        }
        viewport()->update();
    });
}

void ItemGrid::setHeaderCaptions(const QStringList& captions)
{
    m_model->setHeaderCaptions(captions);
}

void ItemGrid::setContextActions(const QList<QAction*>& actions)
{
    m_popup->clear();
    m_popup->addActions(actions);
}

void ItemGrid::rebuild(int selectedRow)
{
    // The reset forgets the current row; the selected row stays selected.
    const QScopedValueRollback guard(m_selectingRow, true);
    m_model->reset();
    const int rows = m_model->rowCount();
    const int row = std::clamp(selectedRow, 1, std::max(1, rows));
    const QModelIndex index = m_model->index(row - 1, 0);
    setCurrentIndex(index);
    selectionModel()->select(index, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    // Selecting the row again has set the row heights.
}

void ItemGrid::selectListRow(int r)
{
    const QScopedValueRollback guard(m_selectingRow, true);
    const QModelIndex index = m_model->index(r - 1, 0);
    setCurrentIndex(index);
    selectionModel()->select(index, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    scrollTo(index);
}

std::pair<int, int> ItemGrid::selectedRange(int fallback) const
{
    const QModelIndexList rows = selectionModel()->selectedRows();
    if (rows.isEmpty())
        return {fallback, fallback};
    int first = rows.first().row() + 1, last = first;
    for (const QModelIndex& index : rows) {
        first = std::min(first, index.row() + 1);
        last = std::max(last, index.row() + 1);
    }
    return {first, last};
}

void ItemGrid::startBlinking()
{
    m_blinking = true;
    m_blinkTimer->start();
}

void ItemGrid::stopBlinking()
{
    m_blinkTimer->stop();
    m_blinking = false;
    m_delegate->setBlinkRow(-1);
    viewport()->update();
}

void ItemGrid::updateRowHeights()
{
    const QFontMetrics metrics(ItemGridDelegate::cellFont(true));
    const int width = columnWidth(2) - 4;
    for (int r = 0; r < m_model->rowCount(); ++r) {
        const bool selected = selectionModel()->isRowSelected(r, {});
        const QString designation = m_model->index(r, 2).data().toString();
        setRowHeight(r, selected ? ItemGridDelegate::designationHeight(designation, metrics, width) : 32);
    }
}
