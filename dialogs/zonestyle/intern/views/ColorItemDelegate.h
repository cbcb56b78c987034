#pragma once

#include "dialogs/zonestyle/intern/views/ItemDelegate.h"

namespace kestrix::sdk::ui::dialogs::zonestyle::intern::views {

// The delegate of colour columns: a framed box of the cell's colour, washed towards grey
// when the cell is disabled. A value that names no colour (a multi-colour setting) is
// shown as its text.
class ColorItemDelegate : public ItemDelegate {
    Q_OBJECT
public:
    explicit ColorItemDelegate(StyleTableView* view);

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;

public slots:
    void renderColorBox(QPainter* painter, const QStyleOptionViewItem& option, QColor* color) const;

protected:
    QSize cellSizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;
};

} // namespace kestrix::sdk::ui::dialogs::zonestyle::intern::views
