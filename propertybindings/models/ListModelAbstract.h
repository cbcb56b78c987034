#pragma once

#include "propertybindings/models/ListModelInterface.h"

namespace kestrix::sdk::ui::dialogs::propertybindings::models {

// A read-only list by default: derived models supply size, get and getStr, and override the
// editing operations when they accept edits.
template <typename T>
class ListModelAbstract : public virtual ListModelInterface<T> {
public:
    std::string getStrForEdit(int index) const override { return this->getStr(index); }
    void set(const T&, int) override {}
    bool setEditedItem(const std::string&, int) const override { return false; }
    bool isEditable() const override { return false; }
    int indexOf(const T& value) const override
    {
        const int count = this->size();
        for (int index = 0; index < count; ++index) {
            if (this->get(index) == value)
                return index;
        }
        return -1;
    }
};

extern template class ListModelAbstract<int>;
extern template class ListModelAbstract<double>;
extern template class ListModelAbstract<std::string>;

} // namespace kestrix::sdk::ui::dialogs::propertybindings::models
