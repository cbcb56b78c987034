#pragma once

#include "propertybindings/UIPropertyBindingAbstract.h"

#include <kxsdkpropertybindings_qt/WidgetUpdateMode.h>

#include <QPointer>
#include <QString>

#include <memory>
#include <string>

class QLineEdit;

namespace kestrix::propertybindings::qwidgetobservable {
class QTextFieldObservable;
}

namespace kestrix::sdk::ui::dialogs::propertybindings {

// The object name of a validator that a binding installed on a line edit. A new binding
// removes such a validator; a validator with any other name belongs to the line edit's owner
// and stays.
const QString& bindingInstalledValidatorName();

// Keeps a line edit's text and a property equal. The property takes the text when the user
// commits it (Return, or the focus leaves after an edit) or, in immediate mode, also while
// the user types. Text that the line edit's validator or the conversion refuses, or a value
// that the property rejects, leaves the property unchanged: the line edit shows the property
// again and gets the focus back.
template <typename T>
class LineEditPropertyBindingAbstract : public UIPropertyBindingAbstract<T> {
public:
    LineEditPropertyBindingAbstract(QLineEdit& lineEdit, std::shared_ptr<PropertyAbstract<T>> property,
                                    kestrix::propertybindings::WidgetUpdateMode_e updateMode);
    ~LineEditPropertyBindingAbstract() override;

    QLineEdit* lineEdit() const { return m_lineEdit; }
    kestrix::propertybindings::WidgetUpdateMode_e updateMode() const { return m_updateMode; }

    void updateWidgetFromProperty() override;

protected:
    // The value that the text (UTF-8) stands for; InvalidArgumentException when it stands for
    // none.
    virtual T fromText(const std::string& text) const = 0;
    virtual std::string toText(const T& value) const = 0;

    void updateWidgetState() override;
    // Called by the most derived constructor, once fromText and toText can be called: shows
    // the property and follows it from then on.
    void showPropertyAndObserve();

private:
    class QTextFieldListener;

    void textCommitted(const QString& text);
    void textEdited(const QString& text);
    bool takeText(QString text, bool allowFixup);
    void refuse();

    QPointer<QLineEdit> m_lineEdit;
    kestrix::propertybindings::WidgetUpdateMode_e m_updateMode;
    bool m_settingProperty = false;
    std::unique_ptr<kestrix::propertybindings::qwidgetobservable::QTextFieldObservable> m_observable;
    std::unique_ptr<QTextFieldListener> m_listener;
};

extern template class LineEditPropertyBindingAbstract<std::string>;
extern template class LineEditPropertyBindingAbstract<int>;
extern template class LineEditPropertyBindingAbstract<double>;

} // namespace kestrix::sdk::ui::dialogs::propertybindings
