// The host's widget bindings (kxsdkpropertybindings_qt/), through which the library's forms
// follow their properties and the user's edits. What each must do is in docs/integration.md,
// "The host contract".

#include <kxsdkpropertybindings_qt/ButtonBinding.h>
#include <kxsdkpropertybindings_qt/LabelPropertyBinding.h>
#include <kxsdkpropertybindings_qt/ListViewPropertyBinding.h>
#include <kxsdkpropertybindings_qt/OnIdleAfterPropertyChangeActionPerformer.h>
#include <kxsdkpropertybindings_qt/QTextFieldListenerInterface.h>
#include <kxsdkpropertybindings_qt/QTextFieldObservable.h>

#include <kxsdkpropertymanager/RelevanceInterface.h>
#include <kxsdkuicommon/OnIdleActionPerformerSingleShot.h>
#include <propertybindings/PropertyAbstract.h>

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>

#include <algorithm>

namespace kestrix::propertybindings {

ButtonBinding::ButtonBinding(QAbstractButton& button, std::function<void()> onClicked,
                             std::shared_ptr<const propertymanager::RelevanceInterface> relevance)
    : m_button(&button), m_onClicked(std::move(onClicked)), m_relevance(std::move(relevance))
{
    m_clickedConnection = QObject::connect(&button, &QAbstractButton::clicked, [this] { m_onClicked(); });
    if (m_relevance) {
        m_connections.add(m_relevance->relevanceChanged().connect([this] { updateEnabled(); }));
        updateEnabled();
    }
}

ButtonBinding::~ButtonBinding()
{
    QObject::disconnect(m_clickedConnection);
}

void ButtonBinding::updateEnabled()
{
    if (m_button)
        m_button->setEnabled(m_relevance->isRelevant());
}

// A label is never edited, so the update mode, which says when the property follows an edit,
// changes nothing.
LabelPropertyBinding::LabelPropertyBinding(QLabel* label, std::shared_ptr<PropertyAbstract<std::string>> property,
                                           WidgetUpdateMode_e)
    : m_label(label), m_property(std::move(property))
{
    m_connections.add(m_property->valueChanged().connect([this](const std::string&) { updateWidgetFromProperty(); }));
    updateWidgetFromProperty();
}

void LabelPropertyBinding::updateWidgetFromProperty()
{
    if (m_label)
        m_label->setText(QString::fromStdString(m_property->value()));
}

ListViewPropertyBinding::ListViewPropertyBinding(QAbstractItemView& view, std::function<void()> showProperty)
    : m_view(&view), m_showProperty(std::move(showProperty))
{
}

ListViewPropertyBinding::~ListViewPropertyBinding() = default;

void ListViewPropertyBinding::updateWidgetFromProperty()
{
    if (m_view)
        m_showProperty();
}

OnIdleAfterPropertyChangeActionPerformer::OnIdleAfterPropertyChangeActionPerformer(std::function<void()> action)
    : m_action(std::move(action))
{
}

OnIdleAfterPropertyChangeActionPerformer::~OnIdleAfterPropertyChangeActionPerformer() = default;

void OnIdleAfterPropertyChangeActionPerformer::propertyChanged()
{
    // Replacing the pending run cancels it, so a burst of changes runs the action once. The
    // performer runs its own copy of the action, which may destroy this object.
    if (m_enabled)
        m_pending = std::make_unique<sdk::ui::common::OnIdleActionPerformerSingleShot>(m_action);
}

void OnIdleAfterPropertyChangeActionPerformer::enable(bool enabled)
{
    m_enabled = enabled;
}

namespace qwidgetobservable {

namespace {

// Sees Return and the loss of focus before the line edit does: its own editingFinished() comes
// after its reaction to the key and stays silent about text that its validator refuses.
class CommitWatcher : public QObject {
public:
    CommitWatcher(QLineEdit& lineEdit, QObject* parent, std::function<void()> commit)
        : QObject(parent), m_commit(std::move(commit))
    {
        lineEdit.installEventFilter(this);
        connect(&lineEdit, &QLineEdit::textEdited, this, [this] { m_edited = true; });
    }

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        const auto* key = event->type() == QEvent::KeyPress ? static_cast<QKeyEvent*>(event) : nullptr;
        const bool returnPressed = key && (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter);
        // A popup, such as a context menu, takes the focus only for a moment.
        const bool focusLeft = event->type() == QEvent::FocusOut && m_edited
                               && static_cast<QFocusEvent*>(event)->reason() != Qt::PopupFocusReason;
        if (returnPressed || focusLeft) {
            m_edited = false;
            m_commit();
        }
        return QObject::eventFilter(watched, event);
    }

private:
    std::function<void()> m_commit;
    bool m_edited = false;
};

// Listeners may remove themselves, or others, while they are told: each is told only while it
// is still registered.
template <typename Tell> void tellListeners(const std::vector<QTextFieldListenerInterface*>& listeners, Tell tell)
{
    const std::vector<QTextFieldListenerInterface*> snapshot = listeners;
    for (QTextFieldListenerInterface* listener : snapshot) {
        if (std::find(listeners.begin(), listeners.end(), listener) != listeners.end())
            tell(*listener);
    }
}

} // namespace

QTextFieldObservable::QTextFieldObservable(QLineEdit& lineEdit) : m_lineEdit(&lineEdit)
{
    new CommitWatcher(lineEdit, this, [this] { reportCommitted(); });
    connect(&lineEdit, &QLineEdit::textEdited, this, &QTextFieldObservable::reportEdited);
}

QTextFieldObservable::~QTextFieldObservable() = default;

void QTextFieldObservable::addListener(QTextFieldListenerInterface* listener)
{
    if (listener && std::find(m_listeners.begin(), m_listeners.end(), listener) == m_listeners.end())
        m_listeners.push_back(listener);
}

void QTextFieldObservable::removeListener(QTextFieldListenerInterface* listener)
{
    m_listeners.erase(std::remove(m_listeners.begin(), m_listeners.end(), listener), m_listeners.end());
}

void QTextFieldObservable::reportCommitted()
{
    const QString text = m_lineEdit->text();
    tellListeners(m_listeners, [&text](QTextFieldListenerInterface& listener) { listener.textCommitted(text); });
}

void QTextFieldObservable::reportEdited(const QString& text)
{
    tellListeners(m_listeners, [&text](QTextFieldListenerInterface& listener) { listener.textEdited(text); });
}

} // namespace qwidgetobservable

} // namespace kestrix::propertybindings
