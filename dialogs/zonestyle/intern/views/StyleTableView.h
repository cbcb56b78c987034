#pragma once

#include "dialogs/uicontrols/TableView.h"

#include <memory>
#include <utility>

class QContextMenuEvent;

namespace kestrix::sdk::ui::dialogs::zonestyle::intern::models {
class ModelAbstract;
}

namespace kestrix::sdk::ui::dialogs::zonestyle::intern::views {

// The table of the Zone Style dialog. It shows the model chain of the current tab with a
// delegate per column chosen by the column's editor kind; a right click opens the column's
// popup editor, whose value goes to every selected row, or the column's menu of actions.
// Column widths are kept per plot type, tab and column for the life of the process.
class StyleTableView : public uicontrols::TableView {
    Q_OBJECT
public:
    explicit StyleTableView(QWidget* parent = nullptr);
    ~StyleTableView() override;

    void setModel(models::ModelAbstract* model, int tabIndex);
    // A model given without a tab keeps the current tab.
    void setModel(QAbstractItemModel* model) override;
    models::ModelAbstract* styleModel() const;
    int tabIndex() const;

    // Stores the column's current width for the current plot type and this view's tab.
    void storeColumnWidth(int column);
    // The stored width for the current plot type and this view's tab, 0 if none.
    int storedColumnWidth(int column) const;

    QSize minimumSizeHint() const override;
    bool eventFilter(QObject* watched, QEvent* event) override;

public slots:
    void sectionCountChanged(int oldCount, int newCount);

protected:
    void contextMenuEvent(QContextMenuEvent* event) override;
    QModelIndex moveCursor(CursorAction cursorAction, Qt::KeyboardModifiers modifiers) override;
    bool edit(const QModelIndex& index, EditTrigger trigger, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

protected slots:
    // An in-place editor may stay open while the host switches frames or deletes maps: its
    // value is written only while the cell it was opened for still stands for the same map.
    void commitData(QWidget* editor) override;

private:
    void installDelegates();
    void fitColumnWidths(bool remeasure);
    std::pair<int, int> rowsToMeasure() const;
    void rememberColumnWidth(int column);
    void selectCellIfRowUnselected(const QModelIndex& index);
    bool runPopupEditor(const QContextMenuEvent& event, const QModelIndex& index);
    void showColumnMenu(QContextMenuEvent& event, int column, const QPoint& position);

    class Private;
    std::unique_ptr<Private> d;
};

} // namespace kestrix::sdk::ui::dialogs::zonestyle::intern::views
