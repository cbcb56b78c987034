#include <kxsdkpropertybindings_qt/QTextFieldObservable.h>

#include <kxsdkpropertybindings_qt/QTextFieldListenerInterface.h>

#include <QEvent>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLineEdit>

#include <algorithm>
#include <functional>

namespace kestrix::propertybindings::qwidgetobservable {

namespace {

// Sees Return and the loss of focus before the line edit itself does. QLineEdit's own
// signals for these stay silent while its validator does not accept the text, and
// returnPressed() comes before editingFinished(): a listener must learn of the text before
// anybody reacts to the key.
class CommitWatcher : public QObject {
public:
    CommitWatcher(std::function<void()> commit, QObject* parent)
        : QObject(parent)
        , m_commit(std::move(commit))
    {
    }

    void markEdited() { m_edited = true; }

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        switch (event->type()) {
        case QEvent::KeyPress: {
            const int key = static_cast<QKeyEvent*>(event)->key();
            if (key == Qt::Key_Return || key == Qt::Key_Enter) {
                m_edited = false;
                m_commit();
            }
            break;
        }
        case QEvent::FocusOut:
            // A popup (a completer, a context menu) takes the focus only for a moment.
            if (m_edited && static_cast<QFocusEvent*>(event)->reason() != Qt::PopupFocusReason) {
                m_edited = false;
                m_commit();
            }
            break;
        default:
            break;
        }
        return QObject::eventFilter(watched, event);
    }

private:
    std::function<void()> m_commit;
    bool m_edited = false;
};

} // namespace

QTextFieldObservable::QTextFieldObservable(QLineEdit& lineEdit)
    : m_lineEdit(&lineEdit)
{
    auto* watcher = new CommitWatcher([this] { reportCommitted(); }, this);
    lineEdit.installEventFilter(watcher);
    connect(&lineEdit, &QLineEdit::textEdited, this, [this, watcher](const QString& text) {
        watcher->markEdited();
        reportEdited(text);
    });
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

QLineEdit* QTextFieldObservable::widget() const
{
    return m_lineEdit;
}

void QTextFieldObservable::reportCommitted()
{
    if (!m_lineEdit)
        return;
    const QString text = m_lineEdit->text();
    // A listener may remove itself or others while it is told.
    const std::vector<QTextFieldListenerInterface*> listeners = m_listeners;
    for (QTextFieldListenerInterface* listener : listeners) {
        if (std::find(m_listeners.begin(), m_listeners.end(), listener) != m_listeners.end())
            listener->textCommitted(text);
    }
}

void QTextFieldObservable::reportEdited(const QString& text)
{
    const std::vector<QTextFieldListenerInterface*> listeners = m_listeners;
    for (QTextFieldListenerInterface* listener : listeners) {
        if (std::find(m_listeners.begin(), m_listeners.end(), listener) != m_listeners.end())
            listener->textEdited(text);
    }
}

} // namespace kestrix::propertybindings::qwidgetobservable
