#pragma once

#include <QComboBox>
#include <QCompleter>

namespace kestrix::ui {

// A combo box over a list of texts whose typed text can filter the list through a completer.
class ComboBoxAutoFilter : public QComboBox {
    Q_OBJECT
public:
    explicit ComboBoxAutoFilter(QWidget* parent = nullptr);

    void setList(const QStringList& items);
    QStringList list() const;
    void setCompleterAttributes(bool enabled, QCompleter::CompletionMode mode, Qt::CaseSensitivity caseSensitivity,
                                Qt::TextElideMode elideMode, Qt::MatchFlags matchFlags);
    // Makes the current index follow the typed text: the item equal to it (ignoring case), else
    // the first item containing it; without such an item the current item's text is restored.
    // True when the text named an item.
    bool validateEntry();
};

} // namespace kestrix::ui
