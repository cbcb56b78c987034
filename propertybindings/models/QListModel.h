#pragma once

#include "propertybindings/models/ListModelInterface.h"

#include <signals/SignalConnectionCollection.h>

#include <QAbstractListModel>

#include <memory>

namespace kestrix::sdk::ui::dialogs::propertybindings::models {

// Shows a list model to Qt's views: one row per item, the item's display text in the display
// role and its edit text in the edit role. Changes of the list model reach the views as a
// model reset, except a change of one item, which stays a change of that row.
template <typename T>
class QListModel : public QAbstractListModel {
public:
    explicit QListModel(std::shared_ptr<ListModelInterface<T>> listModel, QObject* parent = nullptr);
    ~QListModel() override;

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    QModelIndex index(int row, int column = 0, const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

    const std::shared_ptr<ListModelInterface<T>>& listModel() const { return m_listModel; }

private:
    bool isItem(const QModelIndex& index) const;
    void resetFromListModel();

    std::shared_ptr<ListModelInterface<T>> m_listModel;
    kestrix::signalling::SignalConnectionCollection m_connections;
};

extern template class QListModel<std::string>;

} // namespace kestrix::sdk::ui::dialogs::propertybindings::models
