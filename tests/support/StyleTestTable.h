#pragma once

// A table of the Zone Style dialog as the dialog sets it up: a view in a page, with the
// column header of its model, and the clicks of a user on it. Header-only: only tests that
// link the library include it.

#include "dialogs/uicontrols/SelectedRows.h"
#include "dialogs/uicontrols/TableColumnHeader.h"
#include "dialogs/zonestyle/intern/models/ModelAbstract.h"
#include "dialogs/zonestyle/intern/views/StyleTableView.h"
#include "support/TableClicks.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QHeaderView>
#include <QVBoxLayout>
#include <QtTest>

namespace kestrix::testing {

class StyleTestTable {
public:
    using ModelAbstract = sdk::ui::dialogs::zonestyle::intern::models::ModelAbstract;
    using StyleTableView = sdk::ui::dialogs::zonestyle::intern::views::StyleTableView;
    using SelectedRows = sdk::ui::dialogs::uicontrols::SelectedRows;

    StyleTestTable(ModelAbstract* model, int tab)
    {
        auto* layout = new QVBoxLayout(&page);
        view = new StyleTableView(&page);
        view->setSelectionMode(QAbstractItemView::ExtendedSelection);
        layout->addWidget(view);
        setModel(model, tab);
        page.resize(900, 400);
        page.show();
    }

    // As the dialog does on a tab change: a header of the model's own, whose resizes are stored.
    void setModel(ModelAbstract* model, int tab)
    {
        auto* header = new sdk::ui::dialogs::uicontrols::TableColumnHeader(model, view);
        QObject::connect(header, &QHeaderView::sectionResized, view,
                         [this](int logicalIndex) { view->storeColumnWidth(logicalIndex); });
        view->setHorizontalHeader(header);
        view->setModel(model, tab);
    }

    QModelIndex index(int row, int column) const { return view->model()->index(row, column); }
    QRect rect(int row, int column) const { return view->visualRect(index(row, column)); }
    QPoint cell(int row, int column) const { return rect(row, column).center(); }
    QPoint checkBox(int row, int column) const { return TableClicks::checkBox(view, row, column); }

    void click(const QPoint& position, Qt::KeyboardModifiers modifiers = {})
    {
        QTest::mouseClick(view->viewport(), Qt::LeftButton, modifiers, position);
    }
    void click(int row, int column, Qt::KeyboardModifiers modifiers = {}) { click(cell(row, column), modifiers); }
    // A double click as the window system delivers it: press, release, double click, release.
    void doubleClick(int row, int column) { TableClicks::doubleClick(view, cell(row, column)); }
    // A click and a Shift-click, in a column whose cells do nothing on a click.
    void selectRows(int first, int last, int column = 0)
    {
        click(first, column);
        click(last, column, Qt::ShiftModifier);
    }
    // The press (which selects as the view does for a right button) and then the context
    // menu request that the window system sends.
    void rightClick(int row, int column)
    {
        const QPoint position = cell(row, column);
        QTest::mouseClick(view->viewport(), Qt::RightButton, {}, position);
        QContextMenuEvent event(QContextMenuEvent::Mouse, position, view->viewport()->mapToGlobal(position));
        QApplication::sendEvent(view->viewport(), &event);
    }
    SelectedRows::Runs selectedRows() const { return SelectedRows::runs(*view->selectionModel()); }

    QWidget page;
    StyleTableView* view = nullptr;
};

} // namespace kestrix::testing
