#pragma once

#include <QItemDelegate>
#include <QPen>

namespace kestrix::sdk::ui::dialogs::zonestyle::intern::views {

class StyleTableView;

// The cell delegate of the style tables: cells of inactive maps are drawn disabled, and
// starting an edit in a cell makes its row the only selected one, the rows the edit goes to.
class ItemDelegate : public QItemDelegate {
    Q_OBJECT
public:
    explicit ItemDelegate(StyleTableView* view);

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    void setModelData(QWidget* editor, QAbstractItemModel* model, const QModelIndex& index) const override;
    bool editorEvent(QEvent* event, QAbstractItemModel* model, const QStyleOptionViewItem& option,
                     const QModelIndex& index) override;

protected:
    void drawDisplay(QPainter* painter, const QStyleOptionViewItem& option, const QRect& rect,
                     const QString& text) const override;
    // The size of one cell; the column's width class decides it in the subclasses. The
    // height is raised to what a line of text or a check box needs in any case.
    virtual QSize cellSizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const;

    // Draws the cell enabled or disabled as the model says for it.
    void applyEnabledState(QStyleOptionViewItem& option, const QModelIndex& index) const;
    // The margin between a cell's border and its contents.
    static int focusFrameMargin(const QStyleOptionViewItem& option);
    // A line of the cell's font, or a check box, with the focus frame's margins around it.
    static int minimumCellHeight(const QStyleOptionViewItem& option);
    // The width of `count` letters m in `font`, the unit of the width classes.
    static int letterWidth(const QFont& font, int count);
    void selectOnlyRow(const QModelIndex& index) const;
    void makeCurrent(const QModelIndex& index) const;

    StyleTableView* view() const { return m_view; }
    const QPen& blackPen() const { return m_blackPen; }
    const QPen& darkGreyPen() const { return m_darkGreyPen; }

private:
    StyleTableView* m_view;
    QPen m_blackPen;
    QPen m_darkGreyPen;
};

} // namespace kestrix::sdk::ui::dialogs::zonestyle::intern::views
