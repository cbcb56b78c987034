#include "dialogs/zonestyle/intern/views/ItemDelegate.h"

#include "dialogs/uicontrols/SelectedRows.h"
#include "dialogs/zonestyle/intern/models/ModelAbstract.h"
#include "dialogs/zonestyle/intern/views/StyleTableView.h"

#include <QApplication>
#include <QFontMetrics>
#include <QItemSelectionModel>
#include <QStyle>

#include <algorithm>

namespace kestrix::sdk::ui::dialogs::zonestyle::intern::views {

using uicontrols::SelectedRows;

ItemDelegate::ItemDelegate(StyleTableView* view)
    : QItemDelegate(view), m_view(view), m_blackPen(QColor(0, 0, 0)), m_darkGreyPen(QColor(64, 64, 64))
{
}

void ItemDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    if (!index.isValid())
        return;
    QStyleOptionViewItem cellOption(option);
    applyEnabledState(cellOption, index);
    const bool hasFocus = cellOption.state & QStyle::State_HasFocus;
    cellOption.state &= ~QStyle::State_HasFocus;
    QItemDelegate::paint(painter, cellOption, index);
    if (hasFocus)
        cellOption.state |= QStyle::State_HasFocus;
    drawFocus(painter, cellOption, cellOption.rect);
}

void ItemDelegate::applyEnabledState(QStyleOptionViewItem& option, const QModelIndex& index) const
{
    const auto* model = qobject_cast<const models::ModelAbstract*>(index.model());
    if (!model || model->isEnabled(index)) {
        option.state |= QStyle::State_Enabled;
        return;
    }
    option.state &= ~QStyle::State_Enabled;
    const QPalette::ColorGroup highlightGroup = (option.state & QStyle::State_Active) ? QPalette::Active
                                                                                     : QPalette::Disabled;
    option.palette.setBrush(QPalette::Inactive, QPalette::Highlight,
                            option.palette.brush(highlightGroup, QPalette::Highlight));
    option.palette.setColor(QPalette::Inactive, QPalette::HighlightedText,
                            option.palette.color(QPalette::Inactive, QPalette::Text));
}

int ItemDelegate::focusFrameMargin(const QStyleOptionViewItem& option)
{
    const QStyle* style = option.widget ? option.widget->style() : QApplication::style();
    return style->pixelMetric(QStyle::PM_FocusFrameVMargin, &option, option.widget);
}

int ItemDelegate::minimumCellHeight(const QStyleOptionViewItem& option)
{
    const QStyle* style = option.widget ? option.widget->style() : QApplication::style();
    const int content = std::max(QFontMetrics(option.font).height(),
                                 style->pixelMetric(QStyle::PM_IndicatorHeight, &option, option.widget));
    // The text is drawn raised by half the margin: the margin below must also hold it.
    return content + 2 * (focusFrameMargin(option) + 1);
}

int ItemDelegate::letterWidth(const QFont& font, int count)
{
    return QFontMetrics(font).boundingRect(QString(count, QLatin1Char('m'))).width();
}

void ItemDelegate::drawDisplay(QPainter* painter, const QStyleOptionViewItem& option, const QRect& rect,
                               const QString& text) const
{
    if (rect.isEmpty())
        return;
    const int shift = (focusFrameMargin(option) + 1) / 2;
    QItemDelegate::drawDisplay(painter, option, rect.translated(0, -shift), text);
}

QSize ItemDelegate::sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    QSize hint = cellSizeHint(option, index);
    hint.setHeight(std::max(hint.height(), minimumCellHeight(option)));
    return hint;
}

QSize ItemDelegate::cellSizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    return QItemDelegate::sizeHint(option, index);
}

bool ItemDelegate::editorEvent(QEvent* event, QAbstractItemModel* model, const QStyleOptionViewItem& option,
                               const QModelIndex& index)
{
    const bool startsEdit = event->type() == QEvent::MouseButtonDblClick || event->type() == QEvent::KeyPress;
    if (startsEdit && index.isValid() && (index.flags() & Qt::ItemIsEditable))
        selectOnlyRow(index);
    return QItemDelegate::editorEvent(event, model, option, index);
}

void ItemDelegate::setModelData(QWidget* editor, QAbstractItemModel* model, const QModelIndex& index) const
{
    QItemDelegate::setModelData(editor, model, index);
    makeCurrent(index);
}

void ItemDelegate::selectOnlyRow(const QModelIndex& index) const
{
    QItemSelectionModel* selection = m_view->selectionModel();
    if (!selection || selection->model() != index.model())
        return;
    SelectedRows::replaceSelection(*selection, SelectedRows::Runs{SelectedRows::Run{index.row(), index.row()}});
}

// NoUpdate rather than Current: both leave the selection alone, but Current makes the
// selection model compare the whole selection with itself, which costs time on large ones.
void ItemDelegate::makeCurrent(const QModelIndex& index) const
{
    QItemSelectionModel* selection = m_view->selectionModel();
    if (selection && selection->model() == index.model())
        selection->setCurrentIndex(index, QItemSelectionModel::NoUpdate);
}

} // namespace kestrix::sdk::ui::dialogs::zonestyle::intern::views
