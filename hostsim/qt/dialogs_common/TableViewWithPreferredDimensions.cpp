#include <kxsdkdialogs_common_qt/TableViewWithPreferredDimensions.h>

#include <QHeaderView>
#include <QScrollBar>

namespace kestrix::dialogs::common {

TableViewWithPreferredDimensions::TableViewWithPreferredDimensions(QWidget* parent)
    : QTableView(parent)
{
}

void TableViewWithPreferredDimensions::setPreferredNumberOfRows(int rows)
{
    m_preferredRows = qMax(0, rows);
    updateGeometry();
}

void TableViewWithPreferredDimensions::setPreferredNumberOfColumns(int columns)
{
    m_preferredColumns = qMax(0, columns);
    updateGeometry();
}

QSize TableViewWithPreferredDimensions::sizeHint() const
{
    QSize hint = QTableView::sizeHint();
    const int frame = 2 * frameWidth();
    if (m_preferredColumns > 0) {
        int width = frame + m_preferredColumns * horizontalHeader()->defaultSectionSize();
        if (!verticalHeader()->isHidden())
            width += verticalHeader()->sizeHint().width();
        if (verticalScrollBarPolicy() == Qt::ScrollBarAlwaysOn)
            width += verticalScrollBar()->sizeHint().width();
        hint.setWidth(width);
    }
    if (m_preferredRows > 0) {
        int height = frame + m_preferredRows * verticalHeader()->defaultSectionSize();
        if (!horizontalHeader()->isHidden())
            height += horizontalHeader()->sizeHint().height();
        if (horizontalScrollBarPolicy() == Qt::ScrollBarAlwaysOn)
            height += horizontalScrollBar()->sizeHint().height();
        hint.setHeight(height);
    }
    return hint;
}

} // namespace kestrix::dialogs::common
