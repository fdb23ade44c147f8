#include "printrangedialog.h"

#include "output/print_fields.h"
#include "settings/message_table.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

PrintRangeDialog::PrintRangeDialog(const MessageTable& messages, QWidget* parent) : QDialog(parent)
{
    setWindowModality(Qt::WindowModal);
    auto* layout = new QVBoxLayout(this);

    m_pagesGroup = new QGroupBox(this);
    auto* pages = new QGridLayout(m_pagesGroup);
    m_all = new QCheckBox(m_pagesGroup);
    m_all->setObjectName(QStringLiteral("AllPages"));
    m_current = new QCheckBox(m_pagesGroup);
    m_current->setObjectName(QStringLiteral("CurrentPage"));
    m_fromTo = new QCheckBox(m_pagesGroup);
    m_fromTo->setObjectName(QStringLiteral("PagesFromTo"));
    m_from = new QLineEdit(m_pagesGroup);
    m_from->setObjectName(QStringLiteral("FromPage"));
    m_to = new QLineEdit(m_pagesGroup);
    m_to->setObjectName(QStringLiteral("ToPage"));
    m_from->setFixedWidth(50);
    m_to->setFixedWidth(50);
    // Entering one box clears the others; the one that is on stays on.
    m_choice = new QButtonGroup(this);
    m_choice->setExclusive(true);
    m_choice->addButton(m_all);
    m_choice->addButton(m_current);
    m_choice->addButton(m_fromTo);
    pages->addWidget(m_all, 0, 0, 1, 4);
    pages->addWidget(m_current, 1, 0, 1, 4);
    pages->addWidget(m_fromTo, 2, 0);
    pages->addWidget(m_from, 2, 1);
    pages->addWidget(new QLabel(QStringLiteral("-"), m_pagesGroup), 2, 2);
    pages->addWidget(m_to, 2, 3);
    layout->addWidget(m_pagesGroup);

    m_copiesGroup = new QGroupBox(this);
    auto* copies = new QHBoxLayout(m_copiesGroup);
    m_copies = new QLineEdit(m_copiesGroup);
    m_copies->setObjectName(QStringLiteral("Copies"));
    m_copies->setFixedWidth(50);
    copies->addWidget(m_copies);
    copies->addStretch();
    layout->addWidget(m_copiesGroup);

    auto* buttons = new QHBoxLayout;
    m_print = new QPushButton(this);
    m_print->setObjectName(QStringLiteral("PrintButton"));
    m_print->setDefault(true);
    m_cancel = new QPushButton(this);
    m_cancel->setObjectName(QStringLiteral("CancelButton"));
    buttons->addStretch();
    buttons->addWidget(m_print);
    buttons->addWidget(m_cancel);
    layout->addLayout(buttons);

    connect(m_from, &QLineEdit::textEdited, this, [this] { rangeEdited(m_from); });
    connect(m_to, &QLineEdit::textEdited, this, [this] { rangeEdited(m_to); });
    connect(m_copies, &QLineEdit::textEdited, this, &PrintRangeDialog::copiesEdited);
    connect(m_cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(m_print, &QPushButton::clicked, this, [this] {
        const PrintRange chosen = range();
        accept();
        emit printRequested(chosen);
    });

    retranslate(messages);
    setPages(1, 1);
}

void PrintRangeDialog::retranslate(const MessageTable& m)
{
    setWindowTitle(m(Msg::Print));
    m_pagesGroup->setTitle(m(Msg::MultipageImages));
    m_all->setText(m(Msg::PrintAllPages));
    m_current->setText(m(Msg::PrintCurrentPage));
    m_fromTo->setText(m(Msg::Pages));
    m_copiesGroup->setTitle(m(Msg::Copies));
    m_print->setText(m(Msg::Print));
    m_cancel->setText(m(Msg::Cancel));
}

void PrintRangeDialog::setPages(int currentPage, int pageCount)
{
    m_currentPage = currentPage;
    m_pageCount = std::max(1, pageCount);
    m_all->setChecked(true);
    m_from->setText(QStringLiteral("1"));
    m_to->setText(QString::number(m_pageCount));
    m_copies->setText(QStringLiteral("1"));
}

PrintRange PrintRangeDialog::range() const
{
    PrintRange r;
    r.copies = m_copies->text().toInt();
    if (m_current->isChecked()) {
        r.from = r.to = m_currentPage;
    } else if (m_fromTo->isChecked()) {
        r.from = m_from->text().toInt();
        r.to = m_to->text().toInt();
    } else {
        r.from = 1;
        r.to = m_pageCount;
    }
    return r;
}

void PrintRangeDialog::rangeEdited(QLineEdit* field)
{
    const RangeField filtered = filterRangeField(field->text(), m_pageCount);
    if (filtered.text != field->text())
        field->setText(filtered.text);
    if (filtered.wasEmpty)
        field->setFocus();
    if (m_from->text().toInt() > m_to->text().toInt())
        m_from->setText(m_to->text());
}

void PrintRangeDialog::copiesEdited()
{
    const QString filtered = filterCopiesField(m_copies->text());
    if (filtered != m_copies->text())
        m_copies->setText(filtered);
}
