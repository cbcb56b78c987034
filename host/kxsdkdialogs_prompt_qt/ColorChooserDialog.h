#pragma once

#include <kxsdkdialogs_common_qt/QtDialogAbstract.h>

namespace kestrix::dialogs::prompt {

// Chooses a colour index: one of the 64 basic colours (0-63) or, when allowed, a
// multi-colour setting (-1, -3 ... -5, -7 ... -10) or RGB (-6). Modal; result 1 is accepted.
class ColorChooserDialog : public common::QtDialogAbstract {
    Q_OBJECT
public:
    static ColorChooserDialog& getInstance(QWidget* parent, bool allowMultiColor);
    ~ColorChooserDialog() override;

    short selectedColor() const;
    void setSelectedColor(short color);
    bool allowsMultiColor() const;
    // The display text of a colour index ("Black", "Multi-color 1", "RGB" ...); with
    // `withIndex` basic colours are followed by their index in parentheses.
    static QString colorToString(short color, bool withIndex);

private:
    explicit ColorChooserDialog(QWidget* parent);
    void configure(bool allowMultiColor);
    class Private;
    std::unique_ptr<Private> d;
};

} // namespace kestrix::dialogs::prompt
