#pragma once

#include <boost/signals2/connection.hpp>
#include <boost/signals2/signal.hpp>

#include <string>

namespace kestrix::sdk::ui::dialogs::propertybindings::models {

// A sequence of values that Qt views show through QListModel. Observers connect through the
// connect* operations; a model that computes its items lazily learns from the matching hook
// that somebody listens.
//
// The signals: dataChanged, everything may have changed, the number of items too;
// itemChanged(index), the value of one item changed in place; itemsInserted(first, last) and
// itemsRemoved(first, last), the items first..last (inclusive, positions after an insertion,
// before a removal) were inserted or removed. They are emitted after the change.
template <typename T>
class ListModelInterface {
public:
    using DataChangedSignal = boost::signals2::signal<void()>;
    using ItemChangedSignal = boost::signals2::signal<void(int)>;
    using ItemRangeSignal = boost::signals2::signal<void(int, int)>;

    ListModelInterface() = default;
    ListModelInterface(const ListModelInterface&) = delete;
    ListModelInterface& operator=(const ListModelInterface&) = delete;
    virtual ~ListModelInterface() = default;

    virtual int size() const = 0;
    virtual T get(int index) const = 0;
    virtual std::string getStr(int index) const = 0;
    virtual std::string getStrForEdit(int index) const = 0;
    virtual void set(const T& value, int index) = 0;
    // Takes an edited text for the item; true when the model accepted it.
    virtual bool setEditedItem(const std::string& text, int index) const = 0;
    virtual bool isEditable() const = 0;
    // The position of the first item equal to value, or -1.
    virtual int indexOf(const T& value) const = 0;

    boost::signals2::connection connectDataChanged(const typename DataChangedSignal::slot_type& slot)
    {
        boost::signals2::connection connection = m_dataChanged.connect(slot);
        signalDataChangedConnected();
        return connection;
    }
    boost::signals2::connection connectItemChanged(const typename ItemChangedSignal::slot_type& slot)
    {
        boost::signals2::connection connection = m_itemChanged.connect(slot);
        signalItemChangedConnected();
        return connection;
    }
    boost::signals2::connection connectItemsInserted(const typename ItemRangeSignal::slot_type& slot)
    {
        boost::signals2::connection connection = m_itemsInserted.connect(slot);
        signalItemsInsertedConnected();
        return connection;
    }
    boost::signals2::connection connectItemsRemoved(const typename ItemRangeSignal::slot_type& slot)
    {
        boost::signals2::connection connection = m_itemsRemoved.connect(slot);
        signalItemsRemovedConnected();
        return connection;
    }

protected:
    void notifyDataChanged() const { m_dataChanged(); }
    void notifyItemChanged(int index) const { m_itemChanged(index); }
    void notifyItemsInserted(int first, int last) const { m_itemsInserted(first, last); }
    void notifyItemsRemoved(int first, int last) const { m_itemsRemoved(first, last); }

private:
    virtual void signalDataChangedConnected() {}
    virtual void signalItemChangedConnected() {}
    virtual void signalItemsInsertedConnected() {}
    virtual void signalItemsRemovedConnected() {}

    mutable DataChangedSignal m_dataChanged;
    mutable ItemChangedSignal m_itemChanged;
    mutable ItemRangeSignal m_itemsInserted;
    mutable ItemRangeSignal m_itemsRemoved;
};

extern template class ListModelInterface<int>;
extern template class ListModelInterface<double>;
extern template class ListModelInterface<std::string>;

} // namespace kestrix::sdk::ui::dialogs::propertybindings::models
