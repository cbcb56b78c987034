#pragma once

// The tabs of an open Zone Style dialog as a user meets them: a tab opened by its page's
// object name, the table in it, its columns by title, and list popups answered by position.
// Header-only: only tests that link the library include it.

#include "dialogs/zonestyle/ZoneStyleDialog.h"
#include "dialogs/zonestyle/intern/models/ModelAbstract.h"
#include "support/ModalDialogAnswerer.h"
#include "support/TableClicks.h"

#include <QListWidget>
#include <QTabWidget>
#include <QTableView>
#include <QtTest>

#include <initializer_list>

namespace kestrix::testing {

class ZoneStyleTabs {
public:
    // `tabWidgetName`: "plotAttr_FD_PageGroup" (field plots) or "plotAttr_LP_PageGroup" (line plots).
    ZoneStyleTabs(sdk::ui::dialogs::ZoneStyleDialog& dialog, const char* tabWidgetName)
        : m_dialog(dialog),
          m_tabWidgetName(QString::fromLatin1(tabWidgetName))
    {
    }

    QTabWidget* tabWidget() const { return m_dialog.findChild<QTabWidget*>(m_tabWidgetName); }

    // False when the page is hidden for the current plot type.
    bool open(const char* pageName) const
    {
        auto* page = m_dialog.findChild<QWidget*>(QString::fromLatin1(pageName));
        if (tabWidget()->indexOf(page) < 0)
            return false;
        tabWidget()->setCurrentWidget(page);
        return true;
    }

    QTableView* view() const { return tabWidget()->currentWidget()->findChild<QTableView*>(); }
    QAbstractItemModel* model() const { return view()->model(); }
    QModelIndex index(int row, int column) const { return model()->index(row, column); }
    QString text(int row, int column) const { return index(row, column).data().toString(); }

    // -1 when the table has no column of that title.
    int column(const char* title) const
    {
        for (int column = 0; column < model()->columnCount(); ++column) {
            if (model()->headerData(column, Qt::Horizontal).toString() == QLatin1String(title))
                return column;
        }
        return -1;
    }

    bool enabled(int row, int column) const
    {
        auto* styleModel = qobject_cast<sdk::ui::dialogs::zonestyle::intern::models::ModelAbstract*>(model());
        return styleModel && styleModel->isEnabled(styleModel->index(row, column));
    }

    void selectRows(std::initializer_list<int> rows) const
    {
        view()->selectionModel()->clearSelection();
        for (int row : rows)
            view()->selectionModel()->select(model()->index(row, 0),
                                             QItemSelectionModel::Select | QItemSelectionModel::Rows);
    }

    // Right-clicks a list cell and picks the popup's entry at `entry`.
    void chooseInListPopup(int row, int column, int entry) const
    {
        ModalDialogAnswerer popup([entry](QWidget& window) {
            auto* list = window.findChild<QListWidget*>(QStringLiteral("listBox"));
            if (!list)
                window.close();
            QVERIFY(list);
            list->setCurrentRow(entry);
            QTest::keyClick(list, Qt::Key_Return);
        });
        TableClicks::rightClick(view(), row, column);
        QCOMPARE(popup.answered(), 1);
    }

    // The texts of the menu a right click on the cell opens, "|" for separators; the menu is
    // closed unused.
    QStringList menuEntries(int row, int column) const
    {
        QStringList entries;
        ModalDialogAnswerer menu([&entries](QWidget& window) {
            for (QAction* action : window.actions())
                entries.append(action->isSeparator() ? QStringLiteral("|") : action->text());
            window.close();
        });
        TableClicks::rightClick(view(), row, column);
        return entries;
    }

private:
    sdk::ui::dialogs::ZoneStyleDialog& m_dialog;
    QString m_tabWidgetName;
};

} // namespace kestrix::testing
