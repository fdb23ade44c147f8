#pragma once

#include "prompter.h"
#include "itemlist/list_sort.h"
#include "settings/message_table.h"

#include <QDialog>
#include <QList>
#include <array>
#include <functional>
#include <vector>

class QHBoxLayout;
class QLabel;
class QPushButton;
class QTimer;
class QTreeWidget;
class ProgressWindow;

// "Edit....": the item list as one line per item, sorted by any column,
// reordered by dragging, with delete, correction, private data and units at
// hand. The window works on its own copy of the lines; the list owner applies
// the order when the window closes (orderApplied) and rebuilds it through
// setList after it changed the list.
class ListEditorWindow : public QDialog {
    Q_OBJECT
public:
    // Asks its questions through `prompter`, which outlives the window.
    ListEditorWindow(const MessageTable& messages, Prompter& prompter, QWidget* parent = nullptr);
    ~ListEditorWindow() override;

    // The question before deleting: the main window's hint of its delete
    // command, in the language shown.
    void setDeleteQuestion(const QString& question) { m_deleteQuestion = question; }

    void retranslate(const MessageTable& messages);
    // Builds the lines from the list in its order, with the plain captions.
    void setList(const ItemList& list);
    // The grid's header captions for the strip over the list.
    void setHeaderCaptions(const QStringList& captions);
    // The main grid's column widths; the list's columns follow them.
    void setColumnWidths(const std::array<int, ListColumns>& widths);

    // The row numbers of the lines in their present order.
    QList<int> order() const;
    // A column click: sorts by the column, a pair column by the value its
    // toggle chooses, and the toggle turns to the other value.
    void sortByColumn(int column);
    // Moves the selected lines to just before the line at position target
    // (the line count for the end).
    void moveSelectedLines(int target);
    // A drop at a point of the list's viewport.
    void dropAt(const QPoint& position);
    // "Delete selected item(s)" after the question.
    void deleteSelected();
    // The line's row in the main list, for a correction.
    void correctLine(int position);

    QTreeWidget* listView() const { return m_list; }
    const std::vector<EditorLine>& lines() const { return m_lines; }
    QString columnCaption(int column) const;
    int sortColumn() const { return m_sortColumn; }
    QLabel* headerStripLabel(int column) const { return m_strip[std::size_t(column)]; }
    ProgressWindow* progressWindow() const { return m_progress; }
    QPushButton* applyButton() const { return m_apply; }
    QPushButton* deleteButton() const { return m_delete; }
    QPushButton* correctButton() const { return m_correct; }
    QPushButton* privateButton() const { return m_private; }
    QPushButton* unitsButton() const { return m_units; }

    void done(int result) override;

signals:
    void orderApplied(const QList<int>& order);
    void deleteRequested(const QList<int>& rows);
    void correctionRequested(int row);
    void privateDataRequested();
    void unitsRequested();

protected:
    void showEvent(QShowEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void configureList();
    QHBoxLayout* buildButtons();
    void connectControls();
    Prompter& m_prompter;
    void showLines();
    void stripe();
    void resetCaptions();
    void layoutColumns();
    QList<int> selectedPositions() const;

    MessageTable m_messages;
    QString m_deleteQuestion = QStringLiteral("Delete selected item(s)");
    std::vector<EditorLine> m_lines;
    std::array<bool, ListColumns> m_secondValue{};
    std::array<int, ListColumns> m_gridWidths{20, 0, 137, 60, 40, 60, 80, 80, 80, 70, 40, 70};
    QStringList m_headerCaptions;
    int m_sortColumn = 0;
    int m_layoutRuns = 0;
    QTreeWidget* m_list = nullptr;
    QWidget* m_stripArea = nullptr;
    std::array<QLabel*, ListColumns> m_strip{};
    QTimer* m_layoutTimer = nullptr;
    ProgressWindow* m_progress = nullptr;
    QPushButton* m_apply = nullptr;
    QPushButton* m_delete = nullptr;
    QPushButton* m_correct = nullptr;
    QPushButton* m_private = nullptr;
    QPushButton* m_units = nullptr;
};
