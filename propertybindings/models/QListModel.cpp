#include "propertybindings/models/QListModel.h"

#include <exception/ExceptionBase.h>

namespace kestrix::sdk::ui::dialogs::propertybindings::models {

template <typename T>
QListModel<T>::QListModel(std::shared_ptr<ListModelInterface<T>> listModel, QObject* parent)
    : QAbstractListModel(parent)
    , m_listModel(std::move(listModel))
{
    if (!m_listModel)
        throw InvalidArgumentException("A list model is required");
    // The list model tells of a change after it happened, too late for Qt's announcements
    // ahead of inserted or removed rows; a reset is always correct.
    m_connections.add(m_listModel->connectDataChanged([this] { resetFromListModel(); }));
    m_connections.add(m_listModel->connectItemsInserted([this](int, int) { resetFromListModel(); }));
    m_connections.add(m_listModel->connectItemsRemoved([this](int, int) { resetFromListModel(); }));
    m_connections.add(m_listModel->connectItemChanged([this](int row) {
        if (row >= 0 && row < rowCount())
            Q_EMIT dataChanged(index(row), index(row));
    }));
}

template <typename T>
QListModel<T>::~QListModel() = default;

template <typename T>
int QListModel<T>::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : m_listModel->size();
}

template <typename T>
QModelIndex QListModel<T>::index(int row, int column, const QModelIndex& parent) const
{
    if (parent.isValid() || row < 0 || column != 0 || row >= m_listModel->size())
        return QModelIndex();
    return createIndex(row, column);
}

template <typename T>
QVariant QListModel<T>::data(const QModelIndex& index, int role) const
{
    if (!isItem(index))
        return QVariant();
    const int row = index.row();
    switch (role) {
    case Qt::DisplayRole:
        return QString::fromStdString(m_listModel->getStr(row));
    case Qt::EditRole:
        return QString::fromStdString(m_listModel->isEditable() ? m_listModel->getStrForEdit(row)
                                                                : m_listModel->getStr(row));
    default:
        return QVariant();
    }
}

template <typename T>
bool QListModel<T>::setData(const QModelIndex& index, const QVariant& value, int role)
{
    Q_UNUSED(role)
    if (!isItem(index))
        return false;
    if (!m_listModel->setEditedItem(value.toString().toStdString(), index.row()))
        return false;
    Q_EMIT dataChanged(index, index);
    return true;
}

template <typename T>
Qt::ItemFlags QListModel<T>::flags(const QModelIndex& index) const
{
    Qt::ItemFlags itemFlags = QAbstractListModel::flags(index);
    if (itemFlags != Qt::NoItemFlags && m_listModel->isEditable())
        itemFlags |= Qt::ItemIsEditable;
    return itemFlags;
}

template <typename T>
bool QListModel<T>::isItem(const QModelIndex& index) const
{
    return index.isValid() && index.model() == this && index.row() < m_listModel->size();
}

template <typename T>
void QListModel<T>::resetFromListModel()
{
    beginResetModel();
    endResetModel();
}

template class QListModel<std::string>;

} // namespace kestrix::sdk::ui::dialogs::propertybindings::models
