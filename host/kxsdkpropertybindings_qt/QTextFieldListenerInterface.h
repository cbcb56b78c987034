#pragma once

class QString;

namespace kestrix::propertybindings::qwidgetobservable {

class QTextFieldListenerInterface {
public:
    virtual ~QTextFieldListenerInterface() = default;
    // The user committed the text (Return, or the field lost the focus after an edit).
    virtual void textCommitted(const QString& text) = 0;
    // The text changed while the user types.
    virtual void textEdited(const QString& text) { (void)text; }
};

} // namespace kestrix::propertybindings::qwidgetobservable
