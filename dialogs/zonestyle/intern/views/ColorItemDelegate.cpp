#include "dialogs/zonestyle/intern/views/ColorItemDelegate.h"

#include <QPainter>

namespace kestrix::sdk::ui::dialogs::zonestyle::intern::views {

namespace {

QColor washedTowardsGrey(const QColor& color)
{
    const auto wash = [](int channel) { return (channel - 127) / 2 + 127; };
    return QColor(wash(color.red()), wash(color.green()), wash(color.blue()));
}

} // namespace

ColorItemDelegate::ColorItemDelegate(StyleTableView* view) : ItemDelegate(view) {}

void ColorItemDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    if (!index.isValid())
        return;
    QStyleOptionViewItem cellOption(option);
    applyEnabledState(cellOption, index);
    const QVariant value = index.data(Qt::DisplayRole);
    QColor color = qvariant_cast<QColor>(value);
    if (color.isValid())
        renderColorBox(painter, cellOption, &color);
    else if (value.isValid())
        drawDisplay(painter, cellOption, cellOption.rect, value.toString());
    drawFocus(painter, cellOption, cellOption.rect);
}

void ColorItemDelegate::renderColorBox(QPainter* painter, const QStyleOptionViewItem& option, QColor* color) const
{
    if (!painter || !color)
        return;
    const int margin = focusFrameMargin(option);
    const QRect box = option.rect.adjusted(margin, margin, -margin, -margin);
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing);
    if (option.state & QStyle::State_Enabled) {
        painter->setPen(blackPen());
        painter->setBrush(QBrush(*color, Qt::SolidPattern));
    } else {
        painter->setPen(darkGreyPen());
        painter->setBrush(QBrush(washedTowardsGrey(*color), Qt::Dense4Pattern));
    }
    painter->drawRect(box);
    painter->restore();
}

QSize ColorItemDelegate::cellSizeHint(const QStyleOptionViewItem&, const QModelIndex&) const
{
    return QSize(0, 0);
}

} // namespace kestrix::sdk::ui::dialogs::zonestyle::intern::views
