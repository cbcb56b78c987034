#include "dialogs/uicontrols/ItemSubModelAbstract.h"

#include <QSize>

namespace kestrix::sdk::ui::dialogs::uicontrols {

ItemSubModelAbstract::ItemSubModelAbstract(ItemSubModelAbstract* subModel) : m_subModel(subModel)
{
    if (!m_subModel)
        return;
    m_subModel->setParent(this);
    connect(m_subModel, &QAbstractItemModel::rowsInserted, this, &ItemSubModelAbstract::rowsInsertedSlot);
    connect(m_subModel, &QAbstractItemModel::rowsRemoved, this, &ItemSubModelAbstract::rowsRemovedSlot);
    connect(m_subModel, &QAbstractItemModel::columnsRemoved, this, &ItemSubModelAbstract::columnsRemovedSlot);
    connect(m_subModel, &QAbstractItemModel::columnsInserted, this, &ItemSubModelAbstract::columnsInsertedSlot);
    connect(m_subModel, &QAbstractItemModel::modelReset, this, &ItemSubModelAbstract::modelResetSlot);
    connect(m_subModel, &QAbstractItemModel::headerDataChanged, this, &ItemSubModelAbstract::headerDataChangedSlot);
    connect(m_subModel, &QAbstractItemModel::dataChanged, this, &ItemSubModelAbstract::dataChangedSlot);
}

ItemSubModelAbstract::~ItemSubModelAbstract() = default;

QModelIndex ItemSubModelAbstract::index(int row, int column, const QModelIndex& parent) const
{
    if (parent.isValid() || row < 0 || column < 0 || column >= columnCount() || row >= rowCount())
        return {};
    if (isOwnColumn(column))
        return createIndex(row, column, ownInternalPointer(row, column, parent));
    const QModelIndex subIndex = m_subModel->index(row, column - ownColumns(), parent);
    return createIndex(row, column, subIndex.internalPointer());
}

QModelIndex ItemSubModelAbstract::parent(const QModelIndex&) const
{
    return {};
}

int ItemSubModelAbstract::columnCount(const QModelIndex& parent) const
{
    if (parent.isValid())
        return 0;
    return ownColumnCount(parent) + (m_subModel ? m_subModel->columnCount() : 0);
}

QModelIndex ItemSubModelAbstract::subModelIndex(const QModelIndex& index) const
{
    if (!m_subModel)
        return {};
    return m_subModel->index(index.row(), index.column() - ownColumns());
}

QVariant ItemSubModelAbstract::data(const QModelIndex& index, int role) const
{
    if (index.row() < 0 || index.column() < 0 || index.model() != this || index.row() >= rowCount())
        return {};
    if (isOwnColumn(index.column()))
        return ownData(index, role);
    return m_subModel ? m_subModel->data(subModelIndex(index), role) : QVariant();
}

bool ItemSubModelAbstract::setData(const QModelIndex& index, const QVariant& value, int role)
{
    if (index.row() < 0 || index.column() < 0 || index.model() != this)
        return false;
    if (isOwnColumn(index.column()))
        return ownSetData(QModelIndexList{index}, value, role);
    return m_subModel && m_subModel->setData(subModelIndex(index), value, role);
}

bool ItemSubModelAbstract::setDataForIndexes(const QModelIndexList& indexes, const QVariant& value, int role)
{
    if (indexes.isEmpty())
        return false;
    if (isOwnColumn(indexes.first().column()))
        return ownSetData(indexes, value, role);
    if (!m_subModel)
        return false;
    QModelIndexList translated;
    translated.reserve(indexes.size());
    for (const QModelIndex& index : indexes)
        translated.append(subModelIndex(index));
    return m_subModel->setDataForIndexes(translated, value, role);
}

Qt::ItemFlags ItemSubModelAbstract::flags(const QModelIndex& index) const
{
    if (!index.isValid())
        return QAbstractItemModel::flags(index);
    if (isOwnColumn(index.column()))
        return ownFlags(index);
    return m_subModel ? m_subModel->flags(subModelIndex(index)) : Qt::NoItemFlags;
}

QVariant ItemSubModelAbstract::headerBackground(int section) const
{
    if (isOwnColumn(section))
        return QVariant(ownHeaderBackground(section));
    return m_subModel ? m_subModel->headerData(section - ownColumns(), Qt::Horizontal, Qt::BackgroundRole)
                      : QVariant();
}

QVariant ItemSubModelAbstract::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (section < 0)
        return {};
    if (role == Qt::DisplayRole) {
        if (orientation != Qt::Horizontal)
            return {};
        if (isOwnColumn(section))
            return ownHeaderData(section);
        return m_subModel ? m_subModel->headerData(section - ownColumns(), Qt::Horizontal, Qt::DisplayRole)
                          : QVariant();
    }
    if (role == Qt::BackgroundRole && orientation == Qt::Horizontal)
        return headerBackground(section);
    if (role == Qt::SizeHintRole && orientation == Qt::Vertical)
        return QSize(0, 0);
    return {};
}

Qt::ItemFlags ItemSubModelAbstract::ownFlags(const QModelIndex& index) const
{
    return QAbstractItemModel::flags(index);
}

void* ItemSubModelAbstract::ownInternalPointer(int, int, const QModelIndex&) const
{
    return nullptr;
}

bool ItemSubModelAbstract::ownSetData(const QModelIndexList&, const QVariant&, int)
{
    return false;
}

void ItemSubModelAbstract::rowsInsertedSlot(const QModelIndex& parent, int first, int last)
{
    beginInsertRows(parent, first, last);
    endInsertRows();
}

void ItemSubModelAbstract::rowsRemovedSlot(const QModelIndex& parent, int first, int last)
{
    beginRemoveRows(parent, first, last);
    endRemoveRows();
}

void ItemSubModelAbstract::columnsRemovedSlot(const QModelIndex& parent, int first, int last)
{
    beginRemoveColumns(parent, first + ownColumns(), last + ownColumns());
    endRemoveColumns();
}

void ItemSubModelAbstract::columnsInsertedSlot(const QModelIndex& parent, int first, int last)
{
    beginInsertColumns(parent, first + ownColumns(), last + ownColumns());
    endInsertColumns();
}

void ItemSubModelAbstract::modelResetSlot()
{
    beginResetModel();
    endResetModel();
}

void ItemSubModelAbstract::headerDataChangedSlot(Qt::Orientation orientation, int first, int last)
{
    if (orientation == Qt::Horizontal)
        emit headerDataChanged(orientation, first + ownColumns(), last + ownColumns());
}

void ItemSubModelAbstract::dataChangedSlot(const QModelIndex& topLeft, const QModelIndex& bottomRight)
{
    emit dataChanged(index(topLeft.row(), topLeft.column() + ownColumns()),
                     index(bottomRight.row(), bottomRight.column() + ownColumns()));
}

} // namespace kestrix::sdk::ui::dialogs::uicontrols
