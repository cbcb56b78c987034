#pragma once

#include "propertybindings/models/ListModelAbstract.h"

#include <exception/ExceptionBase.h>

#include <string>
#include <utility>

namespace kestrix::sdk::ui::dialogs::propertybindings::models {

// A fixed list over a table of (display text, value) entries. The table is not copied: it
// must outlive the model, which suits the static tables it is made for.
template <typename T>
class PremappedListModel : public ListModelAbstract<T> {
public:
    using Entry = std::pair<std::string, T>;

    PremappedListModel(const Entry* entries, int count) : m_entries(entries), m_count(entries ? count : 0)
    {
        if (count < 0 || (count > 0 && !entries))
            throw InvalidArgumentException("A premapped list needs a table of entries");
    }

    int size() const override { return m_count; }
    T get(int index) const override { return entry(index).second; }
    std::string getStr(int index) const override { return entry(index).first; }

private:
    const Entry& entry(int index) const
    {
        if (index < 0 || index >= m_count)
            throw InvalidArgumentException("List index " + std::to_string(index) + " is out of range");
        return m_entries[index];
    }

    const Entry* m_entries;
    int m_count;
};

extern template class PremappedListModel<std::string>;

} // namespace kestrix::sdk::ui::dialogs::propertybindings::models
