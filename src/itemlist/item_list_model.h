#pragma once

#include "itemlist/item_list.h"

#include <QAbstractTableModel>
#include <QStringList>

// The item grid's model: one row per item (at least one, empty, row), twelve
// columns. Column 5 shows the area over the weight per metre computed from
// the stored values; the other two-line cells keep their "&".
class ItemListModel : public QAbstractTableModel {
    Q_OBJECT
public:
    enum Roles { PrivateRowRole = Qt::UserRole + 1 };

    explicit ItemListModel(ItemList& list, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

    void setHeaderCaptions(const QStringList& captions);
    // Tells the views that the list changed as a whole.
    void reset();

private:
    ItemList& m_list;
    QStringList m_headers;
};
