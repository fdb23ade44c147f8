#include "fieldtexts.h"

#include <QComboBox>
#include <QLineEdit>
#include <QSignalBlocker>

QStringList itemsOf(const QComboBox* box)
{
    QStringList items;
    for (int i = 0; i < box->count(); ++i)
        items << box->itemText(i);
    return items;
}

void putBack(QLineEdit* edit, const QString& text, bool select)
{
    if (edit->text() != text) {
        const QSignalBlocker block(edit);
        edit->setText(text);
    }
    if (select)
        edit->selectAll();
}

void putBack(QComboBox* box, const QString& text, bool select)
{
    if (box->currentText() != text) {
        const QSignalBlocker block(box);
        box->setEditText(text);
    }
    if (select && box->lineEdit())
        box->lineEdit()->selectAll();
}
