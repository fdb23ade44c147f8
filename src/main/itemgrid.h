#pragma once

#include <QList>
#include <QTableView>
#include <utility>

class ItemList;
class ItemListModel;
class ItemGridDelegate;
class QAction;
class QMenu;
class QTimer;

// The item grid: a view over the item list with its header strip, its cell
// painter, the blinking row of a correction, the pop-up menu, the selection
// rules and the row heights. Rows are 1-based in its interface, as in the list.
class ItemGrid : public QTableView {
    Q_OBJECT
public:
    explicit ItemGrid(ItemList& list, QWidget* parent = nullptr);

    ItemListModel* listModel() const { return m_model; }
    ItemGridDelegate* delegate() const { return m_delegate; }
    void setHeaderCaptions(const QStringList& captions);
    // The pop-up menu's commands.
    void setContextActions(const QList<QAction*>& actions);

    // Shows the list as it is now, keeping row `selectedRow` (clamped to the
    // list) selected.
    void rebuild(int selectedRow);
    // Selects row r and scrolls to it; not a user selection.
    void selectListRow(int r);
    // First and last selected row, or (fallback, fallback) when none is.
    std::pair<int, int> selectedRange(int fallback) const;

    // The row under correction blinks until stopBlinking.
    void startBlinking();
    void stopBlinking();
    bool isBlinking() const { return m_blinking; }

signals:
    // The user selected a row by mouse or keyboard.
    void rowChosen(int row);
    void correctionRequested();

private:
    // Selected rows as high as their wrapped designation, the others 32.
    void updateRowHeights();

    ItemListModel* m_model = nullptr;
    ItemGridDelegate* m_delegate = nullptr;
    QMenu* m_popup = nullptr;
    QTimer* m_blinkTimer = nullptr;
    bool m_blinking = false;
    bool m_selectingRow = false; // the program, not the user, moves the current row
};
