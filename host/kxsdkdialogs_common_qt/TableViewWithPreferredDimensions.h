#pragma once

#include <QTableView>

namespace kestrix::dialogs::common {

// A table view whose size hint asks for room for a preferred number of rows and columns.
class TableViewWithPreferredDimensions : public QTableView {
    Q_OBJECT
public:
    explicit TableViewWithPreferredDimensions(QWidget* parent = nullptr);

    void setPreferredNumberOfRows(int rows);
    void setPreferredNumberOfColumns(int columns);
    int preferredNumberOfRows() const { return m_preferredRows; }
    int preferredNumberOfColumns() const { return m_preferredColumns; }
    QSize sizeHint() const override;

private:
    int m_preferredRows = 0;
    int m_preferredColumns = 0;
};

} // namespace kestrix::dialogs::common
