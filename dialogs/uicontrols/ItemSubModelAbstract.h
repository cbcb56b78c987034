#pragma once

#include <QAbstractItemModel>
#include <QBrush>

namespace kestrix::sdk::ui::dialogs::uicontrols {

// One link of a chain of table models that share their rows and put their columns side by
// side: this link's own columns come first, then those of its sub model (the next link).
// Every column-wise request is answered by the link that owns the column, with the column
// number translated into that link's own numbering. The link owns its sub model.
class ItemSubModelAbstract : public QAbstractItemModel {
    Q_OBJECT
public:
    explicit ItemSubModelAbstract(ItemSubModelAbstract* subModel);
    ~ItemSubModelAbstract() override;

    QModelIndex index(int row, int column, const QModelIndex& parent = QModelIndex()) const override;
    QModelIndex parent(const QModelIndex& index) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

    // Writes one value to many rows of one column at once; the column of the first index
    // decides which link answers. False for an empty list.
    bool setDataForIndexes(const QModelIndexList& indexes, const QVariant& value, int role);

    ItemSubModelAbstract* subModel() const { return m_subModel; }

protected:
    virtual Qt::ItemFlags ownFlags(const QModelIndex& index) const;
    virtual void* ownInternalPointer(int row, int column, const QModelIndex& parent) const;
    virtual int ownColumnCount(const QModelIndex& parent) const = 0;
    virtual QVariant ownHeaderData(int section) const = 0;
    virtual QVariant ownData(const QModelIndex& index, int role) const = 0;
    virtual bool ownSetData(const QModelIndexList& indexes, const QVariant& value, int role);
    virtual QBrush ownHeaderBackground(int section) const = 0;

    int ownColumns() const { return ownColumnCount(QModelIndex()); }
    bool isOwnColumn(int column) const { return column < ownColumns(); }
    // The index of the sub model for a table index beyond this link's own columns.
    QModelIndex subModelIndex(const QModelIndex& index) const;

private slots:
    void rowsInsertedSlot(const QModelIndex& parent, int first, int last);
    void rowsRemovedSlot(const QModelIndex& parent, int first, int last);
    void columnsRemovedSlot(const QModelIndex& parent, int first, int last);
    void columnsInsertedSlot(const QModelIndex& parent, int first, int last);
    void modelResetSlot();
    void headerDataChangedSlot(Qt::Orientation orientation, int first, int last);
    void dataChangedSlot(const QModelIndex& topLeft, const QModelIndex& bottomRight);

private:
    QVariant headerBackground(int section) const;

    ItemSubModelAbstract* m_subModel;
};

} // namespace kestrix::sdk::ui::dialogs::uicontrols
