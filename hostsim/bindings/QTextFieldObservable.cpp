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
// anybody reacts to the key. editingFinished() is still heard, for text that arrives without
// a key stroke (a completer's choice), unless it only repeats the commit just reported.
class CommitWatcher : public QObject {
public:
    CommitWatcher(QLineEdit& lineEdit, std::function<void()> onCommit, QObject* parent)
        : QObject(parent)
        , m_lineEdit(lineEdit)
        , m_commit(std::move(onCommit))
    {
        lineEdit.installEventFilter(this);
        connect(&lineEdit, &QLineEdit::textEdited, this, [this] {
            m_edited = true;
            m_justCommitted = false;
        });
        connect(&lineEdit, &QLineEdit::editingFinished, this, [this] {
            const bool repeated = m_justCommitted && m_lineEdit.text() == m_committedText;
            m_justCommitted = false;
            if (!repeated)
                commit();
        });
    }

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        switch (event->type()) {
        case QEvent::KeyPress: {
            const int key = static_cast<QKeyEvent*>(event)->key();
            if (key == Qt::Key_Return || key == Qt::Key_Enter)
                commit();
            break;
        }
        case QEvent::FocusOut:
            // A popup (a completer, a context menu) takes the focus only for a moment.
            if (m_edited && static_cast<QFocusEvent*>(event)->reason() != Qt::PopupFocusReason)
                commit();
            break;
        default:
            break;
        }
        return QObject::eventFilter(watched, event);
    }

private:
    void commit()
    {
        m_edited = false;
        m_commit();
        // What the line edit shows now (a listener may have replaced refused text) is what its
        // editingFinished() would repeat.
        m_justCommitted = true;
        m_committedText = m_lineEdit.text();
    }

    QLineEdit& m_lineEdit;
    std::function<void()> m_commit;
    bool m_edited = false;
    bool m_justCommitted = false;
    QString m_committedText;
};

} // namespace

QTextFieldObservable::QTextFieldObservable(QLineEdit& lineEdit)
    : m_lineEdit(&lineEdit)
{
    new CommitWatcher(lineEdit, [this] { reportCommitted(); }, this);
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
