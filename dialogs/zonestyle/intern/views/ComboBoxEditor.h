#pragma once

#include <common_ui_qt/ComboBoxAutoFilter.h>

namespace kestrix {

// The in-place editor of a list cell. Its value for the item delegates is the chosen row, the
// value that list columns write; it reports when the user has picked an item, so that the
// pick is committed without a further click.
class ComboBoxEditor : public kestrix::ui::ComboBoxAutoFilter {
    Q_OBJECT
    Q_PROPERTY(int chosenRow READ currentIndex WRITE setCurrentIndex USER true)
public:
    explicit ComboBoxEditor(QWidget* parent = nullptr);

signals:
    void itemChosen();
};

} // namespace kestrix
