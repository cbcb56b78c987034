#pragma once

#include <QObject>
#include <QPointer>

#include <vector>

class QLineEdit;

namespace kestrix::propertybindings::qwidgetobservable {

class QTextFieldListenerInterface;

// Watches a line edit and reports committed and edited text to its listeners.
class QTextFieldObservable : public QObject {
    Q_OBJECT
public:
    explicit QTextFieldObservable(QLineEdit& lineEdit);
    ~QTextFieldObservable() override;

    void addListener(QTextFieldListenerInterface* listener);
    void removeListener(QTextFieldListenerInterface* listener);
    QLineEdit* widget() const;

private:
    void reportCommitted();
    void reportEdited(const QString& text);

    QPointer<QLineEdit> m_lineEdit;
    std::vector<QTextFieldListenerInterface*> m_listeners;
};

} // namespace kestrix::propertybindings::qwidgetobservable
