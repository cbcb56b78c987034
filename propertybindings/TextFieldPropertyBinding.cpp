#include "propertybindings/TextFieldPropertyBinding.h"

#include "propertybindings/intern/StringConverter.h"

#include <QLocale>
#include <QString>

#include <type_traits>

namespace kestrix::sdk::ui::dialogs::propertybindings {

template <typename T>
TextFieldPropertyBinding<T>::TextFieldPropertyBinding(QLineEdit& lineEdit,
                                                      std::shared_ptr<PropertyAbstract<T>> property,
                                                      kestrix::propertybindings::WidgetUpdateMode_e updateMode)
    : LineEditPropertyBindingAbstract<T>(lineEdit, std::move(property), updateMode)
{
    this->showPropertyAndObserve();
}

template <typename T>
T TextFieldPropertyBinding<T>::fromText(const std::string& text) const
{
    const intern::StringConverter converter(text);
    if constexpr (std::is_same_v<T, std::string>)
        return converter.toString();
    else if constexpr (std::is_same_v<T, int>)
        return converter.toInt();
    else
        return converter.toDouble();
}

template <typename T>
std::string TextFieldPropertyBinding<T>::toText(const T& value) const
{
    if constexpr (std::is_same_v<T, std::string>)
        return value;
    else if constexpr (std::is_same_v<T, int>)
        return std::to_string(value);
    else
        return QString::number(value, 'g', QLocale::FloatingPointShortest).toStdString();
}

template class TextFieldPropertyBinding<std::string>;
template class TextFieldPropertyBinding<int>;
template class TextFieldPropertyBinding<double>;

} // namespace kestrix::sdk::ui::dialogs::propertybindings
