#pragma once

#include "output/print_page.h"

#include <QDialog>

class QButtonGroup;
class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class MessageTable;

// "Print": which pages and how many copies. Three mutually exclusive boxes
// (all pages, the current page, pages from-to) and the copies field.
class PrintRangeDialog : public QDialog {
    Q_OBJECT
public:
    explicit PrintRangeDialog(const MessageTable& messages, QWidget* parent = nullptr);

    void retranslate(const MessageTable& messages);
    // Resets the dialog for a preview on a page of a page count: all pages,
    // "from" 1, "to" the page count, one copy.
    void setPages(int currentPage, int pageCount);
    // The pages and copies the boxes and fields name.
    PrintRange range() const;

signals:
    void printRequested(const PrintRange& range);

private:
    void rangeEdited(QLineEdit* field);
    void copiesEdited();

    int m_currentPage = 1;
    int m_pageCount = 1;
    QGroupBox* m_pagesGroup = nullptr;
    QGroupBox* m_copiesGroup = nullptr;
    QButtonGroup* m_choice = nullptr;
    QCheckBox* m_all = nullptr;
    QCheckBox* m_current = nullptr;
    QCheckBox* m_fromTo = nullptr;
    QLineEdit* m_from = nullptr;
    QLineEdit* m_to = nullptr;
    QLineEdit* m_copies = nullptr;
    QPushButton* m_print = nullptr;
    QPushButton* m_cancel = nullptr;
};
