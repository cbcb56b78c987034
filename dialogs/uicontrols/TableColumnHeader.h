#pragma once

#include <QHeaderView>

#include <memory>

namespace kestrix::sdk::ui::dialogs::uicontrols {

// The column header of a style table: titles in white on the colour that the model gives per
// column, sections never narrower than their titles. A header keeps its section sizes and
// order across model changes and can take over the widths of equally titled columns from
// another header.
class TableColumnHeader : public QHeaderView {
    Q_OBJECT
public:
    explicit TableColumnHeader(QAbstractItemModel* model, QWidget* parent = nullptr);
    ~TableColumnHeader() override;

    void setModel(QAbstractItemModel* model) override;

    // Remembers the size and visual position of every section.
    void saveSectionState();
    // Gives every remembered section its size and visual position again.
    void restoreSectionState();
    // Gives each section the size of the first section of `other` with the same title.
    void copySectionSizesFrom(const TableColumnHeader& other);

public slots:
    void ensureMinimumSize(int logicalIndex, int oldSize, int newSize);

protected:
    void paintSection(QPainter* painter, const QRect& rect, int logicalIndex) const override;

private:
    class Private;
    std::unique_ptr<Private> d;
};

} // namespace kestrix::sdk::ui::dialogs::uicontrols
