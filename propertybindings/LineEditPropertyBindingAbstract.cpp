#include "propertybindings/LineEditPropertyBindingAbstract.h"

#include "propertybindings/intern/ScopeExit.h"

#include <exception/ExceptionBase.h>
#include <kxsdkcommon/AppLock.h>
#include <kxsdkpropertybindings_qt/QTextFieldListenerInterface.h>
#include <kxsdkpropertybindings_qt/QTextFieldObservable.h>

#include <QCoreApplication>
#include <QFocusEvent>
#include <QLineEdit>
#include <QTimer>
#include <QValidator>

namespace kestrix::sdk::ui::dialogs::propertybindings {

namespace {

void returnFocusTo(QLineEdit& lineEdit)
{
    lineEdit.activateWindow();
    lineEdit.setFocus(Qt::OtherFocusReason);
    QWidget* target = lineEdit.focusProxy() ? lineEdit.focusProxy() : &lineEdit;
    QFocusEvent focusIn(QEvent::FocusIn, Qt::OtherFocusReason);
    QCoreApplication::sendEvent(target, &focusIn);
}

} // namespace

const QString& bindingInstalledValidatorName()
{
    static const QString name = QStringLiteral("KestrixBindingInstalledValidator");
    return name;
}

template <typename T>
class LineEditPropertyBindingAbstract<T>::QTextFieldListener
    : public kestrix::propertybindings::qwidgetobservable::QTextFieldListenerInterface {
public:
    explicit QTextFieldListener(LineEditPropertyBindingAbstract& binding) : m_binding(binding) {}
    void textCommitted(const QString& text) override { m_binding.textCommitted(text); }
    void textEdited(const QString& text) override { m_binding.textEdited(text); }

private:
    LineEditPropertyBindingAbstract& m_binding;
};

template <typename T>
LineEditPropertyBindingAbstract<T>::LineEditPropertyBindingAbstract(
    QLineEdit& lineEdit, std::shared_ptr<PropertyAbstract<T>> property,
    kestrix::propertybindings::WidgetUpdateMode_e updateMode)
    : UIPropertyBindingAbstract<T>(std::move(property))
    , m_lineEdit(&lineEdit)
    , m_updateMode(updateMode)
{
    const QValidator* validator = lineEdit.validator();
    if (!validator || validator->objectName() == bindingInstalledValidatorName())
        lineEdit.setValidator(nullptr);
    m_observable = std::make_unique<kestrix::propertybindings::qwidgetobservable::QTextFieldObservable>(lineEdit);
    m_listener = std::make_unique<QTextFieldListener>(*this);
    m_observable->addListener(m_listener.get());
}

template <typename T>
LineEditPropertyBindingAbstract<T>::~LineEditPropertyBindingAbstract()
{
    this->stopObservingProperty();
    m_observable->removeListener(m_listener.get());
}

template <typename T>
void LineEditPropertyBindingAbstract<T>::updateWidgetFromProperty()
{
    // While the binding itself writes the widget's text into the property, the widget keeps
    // the text as typed ("1.50" stays, although the property shows as "1.5").
    if (!m_lineEdit || m_settingProperty)
        return;
    const QString text = QString::fromStdString(toText(this->property()->value()));
    if (m_lineEdit->text() != text)
        m_lineEdit->setText(text);
}

template <typename T>
void LineEditPropertyBindingAbstract<T>::updateWidgetState()
{
    if (!m_lineEdit)
        return;
    m_lineEdit->setEnabled(this->property()->isEnabled());
    m_lineEdit->setVisible(this->property()->isVisible());
}

template <typename T>
void LineEditPropertyBindingAbstract<T>::showPropertyAndObserve()
{
    updateWidgetFromProperty();
    // Only states that differ from a fresh widget's are applied now: showing a line edit
    // that has no parent yet would open it as a window.
    if (!this->property()->isEnabled())
        m_lineEdit->setEnabled(false);
    if (!this->property()->isVisible())
        m_lineEdit->setVisible(false);
    this->observeProperty();
}

template <typename T>
void LineEditPropertyBindingAbstract<T>::textCommitted(const QString& text)
{
    if (!m_lineEdit)
        return;
    kestrix::sdk::AppLock lock;
    if (takeText(text, true))
        updateWidgetFromProperty();
    else
        refuse();
}

template <typename T>
void LineEditPropertyBindingAbstract<T>::textEdited(const QString& text)
{
    // Half-typed text ("-" on the way to "-5") is not refused; the commit decides.
    if (m_updateMode != kestrix::propertybindings::WidgetUpdateMode_Immediate || !m_lineEdit)
        return;
    kestrix::sdk::AppLock lock;
    takeText(text, false);
}

template <typename T>
bool LineEditPropertyBindingAbstract<T>::takeText(QString text, bool allowFixup)
{
    if (const QValidator* validator = m_lineEdit->validator()) {
        int position = 0;
        QValidator::State state = validator->validate(text, position);
        if (state == QValidator::Intermediate && allowFixup) {
            validator->fixup(text);
            state = validator->validate(text, position);
        }
        if (state != QValidator::Acceptable)
            return false;
    }
    try {
        const T value = fromText(text.toStdString());
        m_settingProperty = true;
        const intern::ScopeExit settingDone([this] { m_settingProperty = false; });
        this->property()->setValue(value);
    } catch (const InvalidArgumentException&) {
        return false;
    } catch (const InvalidPropertyValueException&) {
        return false;
    }
    return true;
}

template <typename T>
void LineEditPropertyBindingAbstract<T>::refuse()
{
    updateWidgetFromProperty();
    QLineEdit* lineEdit = m_lineEdit;
    // When the focus is on its way to another widget, it comes back once it has arrived
    // there; taking it back in the middle of the move leaves both widgets confused.
    if (lineEdit->hasFocus())
        returnFocusTo(*lineEdit);
    else
        QTimer::singleShot(0, lineEdit, [lineEdit] { returnFocusTo(*lineEdit); });
}

template class LineEditPropertyBindingAbstract<std::string>;
template class LineEditPropertyBindingAbstract<int>;
template class LineEditPropertyBindingAbstract<double>;

} // namespace kestrix::sdk::ui::dialogs::propertybindings
