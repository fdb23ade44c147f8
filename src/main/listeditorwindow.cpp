#include "listeditorwindow.h"
#include "enterkey.h"

#include "progresswindow.h"

#include <QDropEvent>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QKeyEvent>
#include <QScrollBar>
#include <QTimer>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <algorithm>

namespace {
const QColor EvenLine(224, 228, 243);
const QColor OddLine(240, 242, 249);
const QColor Navy(0, 0, 128);
constexpr int RowRole = Qt::UserRole;

// The list takes drops of its own lines only; the window moves them.
class EditorListView : public QTreeWidget {
public:
    using QTreeWidget::QTreeWidget;
    std::function<void(const QPoint&)> onDrop;
    std::function<void()> onDeleteKey;

protected:
    void keyPressEvent(QKeyEvent* event) override
    {
        if (event->key() == Qt::Key_Delete && onDeleteKey) {
            onDeleteKey();
            return;
        }
        QTreeWidget::keyPressEvent(event);
    }
    void dragEnterEvent(QDragEnterEvent* event) override
    {
        if (event->source() == this)
            QTreeWidget::dragEnterEvent(event);
        else
            event->ignore();
    }
    void dropEvent(QDropEvent* event) override
    {
        if (event->source() != this) {
            event->ignore();
            return;
        }
        if (onDrop)
            onDrop(event->position().toPoint());
        // The lines are already in place; a move action would have the view
        // remove the dragged items once more.
        event->setDropAction(Qt::CopyAction);
        event->accept();
    }
};
} // namespace

// The list: whole rows selected, moved by drag and drop, sorted by a click on a caption.
void ListEditorWindow::configureList()
{
    m_list->setObjectName(QStringLiteral("ListView1"));
    m_list->setColumnCount(ListColumns);
    m_list->setRootIsDecorated(false);
    m_list->setUniformRowHeights(true);
    m_list->setSelectionMode(QAbstractItemView::ExtendedSelection);
    m_list->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_list->setDragEnabled(true);
    m_list->setAcceptDrops(true);
    m_list->setDropIndicatorShown(true);
    m_list->setDragDropMode(QAbstractItemView::DragDrop);
    m_list->setDefaultDropAction(Qt::MoveAction);
    m_list->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_list->header()->setSectionResizeMode(QHeaderView::Fixed);
    m_list->header()->setStretchLastSection(false);
    m_list->header()->setMinimumSectionSize(1);
    m_list->header()->setSectionsClickable(true);
    m_list->header()->setSortIndicatorShown(true);
    m_list->header()->setSortIndicator(0, Qt::AscendingOrder);
}

// Delete, Correction, Private, Units and the default Apply.
QHBoxLayout* ListEditorWindow::buildButtons()
{
    auto* buttons = new QHBoxLayout;
    const auto button = [&](const char* key) {
        auto* b = new QPushButton(this);
        b->setObjectName(QString::fromLatin1(key));
        // Enter presses the focused button, elsewhere the default "Apply".
        b->setAutoDefault(true);
        buttons->addWidget(b);
        return b;
    };
    m_delete = button("ButtonDelete");
    m_correct = button("ButtonCorrection");
    m_private = button("ButtonPrivate");
    m_units = button("ButtonUnits");
    buttons->addStretch();
    m_apply = button("ButtonApply");
    makeDefaultButton(m_apply);
    return buttons;
}

void ListEditorWindow::connectControls()
{
    connect(m_list->header(), &QHeaderView::sectionClicked, this, &ListEditorWindow::sortByColumn);
    connect(m_list->header(), &QHeaderView::geometriesChanged, this, &ListEditorWindow::layoutColumns);
    connect(m_list->horizontalScrollBar(), &QScrollBar::valueChanged, this, &ListEditorWindow::layoutColumns);
    connect(m_list, &QTreeWidget::itemDoubleClicked, this,
            [this](QTreeWidgetItem* item) { correctLine(m_list->indexOfTopLevelItem(item)); });
    connect(m_correct, &QPushButton::clicked, this, [this] {
        const QList<int> selected = selectedPositions();
        const int current = m_list->indexOfTopLevelItem(m_list->currentItem());
        correctLine(current >= 0 ? current : selected.value(0, -1));
    });
    connect(m_delete, &QPushButton::clicked, this, &ListEditorWindow::deleteSelected);
    connect(m_private, &QPushButton::clicked, this, &ListEditorWindow::privateDataRequested);
    connect(m_units, &QPushButton::clicked, this, &ListEditorWindow::unitsRequested);
    connect(m_apply, &QPushButton::clicked, this, &QDialog::accept);
}

ListEditorWindow::ListEditorWindow(const MessageTable& messages, Prompter& prompter, QWidget* parent)
    : QDialog(parent), m_prompter(prompter)
{
    setObjectName(QStringLiteral("ListEditorWindow"));
    setModal(true);
    resize(900, 480);

    auto* layout = new QVBoxLayout(this);
    m_stripArea = new QWidget(this);
    m_stripArea->setObjectName(QStringLiteral("HeaderStrip"));
    m_stripArea->setFixedHeight(48);
    for (int c = 0; c < ListColumns; ++c) {
        auto* label = new QLabel(m_stripArea);
        label->setAlignment(Qt::AlignCenter);
        label->setStyleSheet(QStringLiteral("QLabel { color: navy; font-size: 9px; }"));
        m_strip[std::size_t(c)] = label;
    }
    layout->addWidget(m_stripArea);

    auto* view = new EditorListView(this);
    m_list = view;
    configureList();
    view->onDrop = [this](const QPoint& at) { dropAt(at); };
    view->onDeleteKey = [this] { deleteSelected(); };
    layout->addWidget(m_list, 1);

    layout->addLayout(buildButtons());

    m_progress = new ProgressWindow(this);
    m_layoutTimer = new QTimer(this);
    m_layoutTimer->setInterval(250);
    connect(m_layoutTimer, &QTimer::timeout, this, [this] {
        layoutColumns();
        if (++m_layoutRuns >= 2)
            m_layoutTimer->stop();
    });

    connectControls();

    retranslate(messages);
}

ListEditorWindow::~ListEditorWindow() = default;

void ListEditorWindow::retranslate(const MessageTable& messages)
{
    m_messages = messages;
    setWindowTitle(tr("Edit...."));
    m_apply->setText(messages(Msg::ApplyAndClose));
    m_delete->setText(tr("Delete selected item(s)"));
    m_correct->setText(tr("Correction selected item..."));
    m_private->setText(tr("Private data editing ...."));
    m_units->setText(tr("Units for listing..."));
    resetCaptions();
    showLines();
}

void ListEditorWindow::resetCaptions()
{
    const auto captions = editorColumnCaptions(m_messages);
    m_list->setHeaderLabels(QStringList(captions.begin(), captions.end()));
}

QString ListEditorWindow::columnCaption(int column) const
{
    return m_list->headerItem()->text(column);
}

void ListEditorWindow::setList(const ItemList& list)
{
    m_lines = editorLines(list);
    resetCaptions();
    // The sort column and its key keep their marks from showing to showing.
    const int column = m_sortColumn;
    if (isPairColumn(column))
        m_list->headerItem()->setText(column, sortCaption(column, !m_secondValue[std::size_t(column)], m_messages));
    m_list->header()->setSortIndicatorShown(column >= 0);
    m_list->header()->setSortIndicator(std::max(column, 0), Qt::AscendingOrder);
    showLines();
}

void ListEditorWindow::setHeaderCaptions(const QStringList& captions)
{
    m_headerCaptions = captions;
    for (int c = 0; c < ListColumns; ++c)
        m_strip[std::size_t(c)]->setText(captions.value(c));
    layoutColumns();
}

void ListEditorWindow::setColumnWidths(const std::array<int, ListColumns>& widths)
{
    m_gridWidths = widths;
    layoutColumns();
}

void ListEditorWindow::showLines()
{
    m_list->clear();
    QList<QTreeWidgetItem*> items;
    items.reserve(qsizetype(m_lines.size()));
    for (const EditorLine& line : m_lines) {
        const auto texts = editorLineTexts(line, m_messages);
        auto* item = new QTreeWidgetItem(QStringList(texts.begin(), texts.end()));
        item->setData(0, RowRole, line.row);
        // The columns are as narrow as the grid's; the whole text is a hover away.
        for (int c = 0; c < ListColumns; ++c)
            item->setToolTip(c, texts[std::size_t(c)]);
        item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsDragEnabled);
        items << item;
    }
    m_list->addTopLevelItems(items);
    stripe();
}

void ListEditorWindow::stripe()
{
    for (int i = 0; i < m_list->topLevelItemCount(); ++i) {
        QTreeWidgetItem* item = m_list->topLevelItem(i);
        for (int c = 0; c < ListColumns; ++c) {
            item->setBackground(c, i % 2 == 0 ? EvenLine : OddLine);
            item->setForeground(c, Navy);
        }
    }
}

void ListEditorWindow::layoutColumns()
{
    // Each column is one pixel wider than the grid's and cannot be resized;
    // the item number column fits its numbers and the description takes
    // what is left of the list's width.
    std::array<int, ListColumns> widths{};
    for (int c = 0; c < ListColumns; ++c)
        widths[std::size_t(c)] = m_gridWidths[std::size_t(c)] + 1;
    widths[1] = 1;
    widths[0] = std::max(widths[0], m_list->fontMetrics().horizontalAdvance(QStringLiteral("0000")) + 8);
    int others = 0;
    for (int c = 0; c < ListColumns; ++c)
        if (c != 2)
            others += widths[std::size_t(c)];
    widths[2] = std::max(widths[2], m_list->viewport()->width() - others);
    QHeaderView* header = m_list->header();
    for (int c = 0; c < ListColumns; ++c) {
        header->resizeSection(c, widths[std::size_t(c)]);
    }
    const int left = m_list->geometry().left() + m_list->frameWidth();
    for (int c = 0; c < ListColumns; ++c) {
        QLabel* label = m_strip[std::size_t(c)];
        label->setGeometry(left + header->sectionViewportPosition(c), 0, header->sectionSize(c),
                           m_stripArea->height());
        label->setVisible(c != 1 && header->sectionViewportPosition(c) + header->sectionSize(c) > 0);
    }
}

void ListEditorWindow::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    m_layoutRuns = 0;
    m_layoutTimer->start();
    layoutColumns();
}

void ListEditorWindow::resizeEvent(QResizeEvent* event)
{
    QDialog::resizeEvent(event);
    m_layoutRuns = 0;
    m_layoutTimer->start();
}

QList<int> ListEditorWindow::order() const
{
    QList<int> rows;
    for (const EditorLine& line : m_lines)
        rows << line.row;
    return rows;
}

void ListEditorWindow::sortByColumn(int column)
{
    if (column < 0 || column >= ListColumns)
        return;
    const bool second = isPairColumn(column) && m_secondValue[std::size_t(column)];
    if (isPairColumn(column)) {
        resetCaptions();
        m_list->headerItem()->setText(column, sortCaption(column, second, m_messages));
        m_secondValue[std::size_t(column)] = !second;
    }
    m_progress->start(m_messages(Msg::SortingCaption), m_messages(Msg::SortingText), m_messages(Msg::PleaseWait), sortSteps);
    sortEditorLines(m_lines, column, second, [this](int step, int) { m_progress->setValue(step); });
    m_progress->finish();
    m_sortColumn = column;
    m_list->header()->setSortIndicatorShown(true);
    m_list->header()->setSortIndicator(column, Qt::AscendingOrder);
    showLines();
}

QList<int> ListEditorWindow::selectedPositions() const
{
    QList<int> positions;
    for (int i = 0; i < m_list->topLevelItemCount(); ++i)
        if (m_list->topLevelItem(i)->isSelected())
            positions << i;
    return positions;
}

void ListEditorWindow::moveSelectedLines(int target)
{
    const QList<int> selected = selectedPositions();
    if (selected.isEmpty())
        return;
    std::vector<int> positions(selected.begin(), selected.end());
    QList<int> movedRows;
    for (int p : selected)
        movedRows << m_lines[std::size_t(p)].row;
    moveEditorLines(m_lines, positions, target);
    resetCaptions();
    m_sortColumn = -1;
    m_list->header()->setSortIndicatorShown(false);
    showLines();
    for (int i = 0; i < m_list->topLevelItemCount(); ++i)
        m_list->topLevelItem(i)->setSelected(movedRows.contains(m_lines[std::size_t(i)].row));
}

void ListEditorWindow::dropAt(const QPoint& position)
{
    QTreeWidgetItem* over = m_list->itemAt(position);
    moveSelectedLines(over ? m_list->indexOfTopLevelItem(over) : m_list->topLevelItemCount());
}

void ListEditorWindow::deleteSelected()
{
    if (m_lines.empty() || m_prompter.askYesNo(this, windowTitle(), m_deleteQuestion) != Answer::Yes)
        return;
    QList<int> rows;
    for (int p : selectedPositions())
        rows << m_lines[std::size_t(p)].row;
    resetCaptions();
    m_sortColumn = 0;
    m_list->header()->setSortIndicator(0, Qt::AscendingOrder);
    if (!rows.isEmpty())
        emit deleteRequested(rows);
}

void ListEditorWindow::correctLine(int position)
{
    if (position < 0 || position >= int(m_lines.size()))
        return;
    emit correctionRequested(m_lines[std::size_t(position)].row);
}

void ListEditorWindow::done(int result)
{
    if (!m_lines.empty())
        emit orderApplied(order());
    QDialog::done(result);
}
