#include "itemlist/item_list_model.h"

ItemListModel::ItemListModel(ItemList& list, QObject* parent) : QAbstractTableModel(parent), m_list(list) {}

int ItemListModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : std::max(1, m_list.count());
}

int ItemListModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : ListColumns;
}

QVariant ItemListModel::data(const QModelIndex& index, int role) const
{
    const int r = index.row() + 1;
    if (!index.isValid() || r > m_list.count())
        return role == Qt::DisplayRole ? QVariant(QString()) : QVariant();
    const ListRow& row = m_list.row(r);
    switch (role) {
    case Qt::DisplayRole:
    case Qt::ToolTipRole: {
        const QString& cell = row.cells[std::size_t(index.column())];
        if (index.column() == 5 && !row.isPlate)
            return QString(cell + QLatin1Char('&') + ItemList::weightCell(row));
        return cell;
    }
    case PrivateRowRole: return row.cells[1].startsWith(QLatin1Char('1'));
    default: return {};
    }
}

QVariant ItemListModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole && section < m_headers.size())
        return m_headers[section];
    return QAbstractTableModel::headerData(section, orientation, role);
}

void ItemListModel::setHeaderCaptions(const QStringList& captions)
{
    m_headers = captions;
    emit headerDataChanged(Qt::Horizontal, 0, ListColumns - 1);
}

void ItemListModel::reset()
{
    beginResetModel();
    endResetModel();
}
