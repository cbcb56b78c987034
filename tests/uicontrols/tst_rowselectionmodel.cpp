// The whole-row selection model must mean exactly what Qt's own selection model means for
// the same calls; only the way it gets there differs. Both are driven with the same random
// calls and compared after each one.

#include "dialogs/uicontrols/RowSelectionModel.h"
#include "dialogs/uicontrols/SelectedRows.h"

#include <QRandomGenerator>
#include <QSignalSpy>
#include <QStandardItemModel>
#include <QtTest>

using kestrix::sdk::ui::dialogs::uicontrols::RowSelectionModel;
using kestrix::sdk::ui::dialogs::uicontrols::SelectedRows;
using Flags = QItemSelectionModel::SelectionFlags;

namespace {

constexpr int Columns = 3;

SelectedRows::Runs rowsSelectedByQt(const QItemSelectionModel& selection)
{
    QVector<int> rows;
    for (int row = 0; row < selection.model()->rowCount(); ++row) {
        if (selection.isSelected(selection.model()->index(row, 0)))
            rows.append(row);
    }
    return SelectedRows::runsFromRows(rows);
}

QString describe(const SelectedRows::Runs& runs)
{
    QStringList texts;
    for (const SelectedRows::Run& run : runs)
        texts.append(QStringLiteral("%1-%2").arg(run.first).arg(run.last));
    return texts.join(QLatin1Char(','));
}

// A few separate blocks of rows, given as ranges in one column as views make them (a view
// never sends overlapping ranges in one call).
QItemSelection randomRows(const QAbstractItemModel& model, QRandomGenerator& random)
{
    QItemSelection selection;
    int next = random.bounded(std::max(1, model.rowCount() / 2));
    const int blocks = random.bounded(1, 4);
    for (int block = 0; block < blocks && next < model.rowCount(); ++block) {
        const int last = std::min(model.rowCount() - 1, next + random.bounded(6));
        const int column = random.bounded(Columns);
        selection.append(QItemSelectionRange(model.index(next, column), model.index(last, column)));
        next = last + 2 + random.bounded(5);
    }
    return selection;
}

// What views send for tables that select rows: clicks, Shift- and Ctrl-clicks, drags,
// keyboard extension, select all, clearing. (A single cell selected without the Rows flag
// becomes its whole row here, unlike in Qt; that is tested on its own.)
const std::vector<Flags> Commands{
    QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows,
    QItemSelectionModel::Select | QItemSelectionModel::Rows,
    QItemSelectionModel::Deselect | QItemSelectionModel::Rows,
    QItemSelectionModel::Toggle | QItemSelectionModel::Rows,
    QItemSelectionModel::SelectCurrent | QItemSelectionModel::Rows,
    QItemSelectionModel::Clear | QItemSelectionModel::SelectCurrent | QItemSelectionModel::Rows,
    QItemSelectionModel::ToggleCurrent | QItemSelectionModel::Rows,
    QItemSelectionModel::Deselect | QItemSelectionModel::Current | QItemSelectionModel::Rows,
    QItemSelectionModel::Clear,
    QItemSelectionModel::NoUpdate,
};

} // namespace

class TestRowSelectionModel : public QObject {
    Q_OBJECT
private slots:
    void meansWhatQtsSelectionModelMeans_data()
    {
        QTest::addColumn<quint32>("seed");
        for (quint32 seed = 1; seed <= 40; ++seed)
            QTest::addRow("seed %u", seed) << seed;
    }

    void meansWhatQtsSelectionModelMeans()
    {
        QFETCH(quint32, seed);
        QRandomGenerator random(seed);
        QStandardItemModel qtModel(40, Columns);
        QStandardItemModel rowModel(40, Columns);
        QItemSelectionModel qtSelection(&qtModel);
        RowSelectionModel rowSelection(&rowModel);
        for (int step = 0; step < 60; ++step) {
            // Now and then rows go away under the selection, as maps do.
            if (random.bounded(10) == 0 && qtModel.rowCount() > 5) {
                const int first = random.bounded(qtModel.rowCount() - 3);
                const int count = random.bounded(1, 4);
                qtModel.removeRows(first, count);
                rowModel.removeRows(first, count);
            }
            const QItemSelection rows = randomRows(qtModel, random);
            QItemSelection sameRows;
            for (const QItemSelectionRange& range : rows)
                sameRows.append(QItemSelectionRange(rowModel.index(range.top(), range.left()),
                                                    rowModel.index(range.bottom(), range.right())));
            const Flags command = Commands[static_cast<size_t>(random.bounded(int(Commands.size())))];
            qtSelection.select(rows, command);
            rowSelection.select(sameRows, command);
            const SelectedRows::Runs expected = rowsSelectedByQt(qtSelection);
            const SelectedRows::Runs actual = SelectedRows::runs(rowSelection);
            QVERIFY2(actual == expected, qPrintable(QStringLiteral("step %1, command %2: %3 instead of %4")
                                                        .arg(step)
                                                        .arg(int(command))
                                                        .arg(describe(actual), describe(expected))));
        }
    }

    void selectsWholeRowsAndAnnouncesTheChange()
    {
        QStandardItemModel model(10, Columns);
        RowSelectionModel selection(&model);
        QSignalSpy changed(&selection, &QItemSelectionModel::selectionChanged);
        selection.select(model.index(2, 1), QItemSelectionModel::Select);
        QVERIFY(selection.isRowSelected(2));
        QVERIFY(selection.isSelected(model.index(2, 0)));
        QCOMPARE(changed.count(), 1);

        // Selecting what is selected already changes nothing and says nothing.
        changed.clear();
        selection.select(model.index(2, 2), QItemSelectionModel::Select | QItemSelectionModel::Rows);
        QCOMPARE(changed.count(), 0);

        // Every other row, then all: one range over the whole table.
        QItemSelection everyOther;
        for (int row = 0; row < 10; row += 2)
            everyOther.append(QItemSelectionRange(model.index(row, 0), model.index(row, Columns - 1)));
        selection.select(everyOther, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
        QCOMPARE(selection.selection().size(), 5);
        selection.select(QItemSelection(model.index(0, 0), model.index(9, Columns - 1)),
                         QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
        QCOMPARE(selection.selection().size(), 1);
        QCOMPARE(SelectedRows::rowCount(SelectedRows::runs(selection)), 10);
    }
};

QTEST_MAIN(TestRowSelectionModel)
#include "tst_rowselectionmodel.moc"
