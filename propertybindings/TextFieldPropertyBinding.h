#pragma once

#include "propertybindings/LineEditPropertyBindingAbstract.h"

namespace kestrix::sdk::ui::dialogs::propertybindings {

// Binds a line edit to a text or number property. Numbers are read from the start of the
// text; text that does not start with one is refused.
template <typename T>
class TextFieldPropertyBinding : public LineEditPropertyBindingAbstract<T> {
public:
    TextFieldPropertyBinding(QLineEdit& lineEdit, std::shared_ptr<PropertyAbstract<T>> property,
                             kestrix::propertybindings::WidgetUpdateMode_e updateMode
                             = kestrix::propertybindings::WidgetUpdateMode_OnCommit);

protected:
    T fromText(const std::string& text) const override;
    std::string toText(const T& value) const override;
};

extern template class TextFieldPropertyBinding<std::string>;
extern template class TextFieldPropertyBinding<int>;
extern template class TextFieldPropertyBinding<double>;

} // namespace kestrix::sdk::ui::dialogs::propertybindings
