// Runs of rows against plain sets of rows: every operation must give the rows a set gives.

#include "dialogs/uicontrols/SelectedRows.h"

#include <QRandomGenerator>
#include <QtTest>

#include <algorithm>
#include <functional>
#include <set>

using kestrix::sdk::ui::dialogs::uicontrols::SelectedRows;

namespace {

std::set<int> randomRows(QRandomGenerator& random)
{
    std::set<int> rows;
    const int count = random.bounded(30);
    for (int i = 0; i < count; ++i)
        rows.insert(random.bounded(40));
    return rows;
}

SelectedRows::Runs runsOf(const std::set<int>& rows)
{
    return SelectedRows::runsFromRows(QVector<int>(rows.begin(), rows.end()));
}

std::set<int> rowsOf(const SelectedRows::Runs& runs)
{
    std::set<int> rows;
    for (const SelectedRows::Run& run : runs) {
        for (int row = run.first; row <= run.last; ++row)
            rows.insert(row);
    }
    return rows;
}

// Runs are ascending, disjoint and never touch: the one form every operation gives.
bool isCanonical(const SelectedRows::Runs& runs)
{
    for (int i = 0; i < runs.size(); ++i) {
        if (runs[i].last < runs[i].first)
            return false;
        if (i > 0 && runs[i].first <= runs[i - 1].last + 1)
            return false;
    }
    return true;
}

} // namespace

class TestSelectedRows : public QObject {
    Q_OBJECT
private slots:
    void setOperationsGiveTheRowsOfSets()
    {
        using Operation = std::function<SelectedRows::Runs(const SelectedRows::Runs&, const SelectedRows::Runs&)>;
        using SetOperation = std::function<bool(bool, bool)>;
        const std::vector<std::tuple<const char*, Operation, SetOperation>> operations{
            {"united", SelectedRows::united, [](bool a, bool b) { return a || b; }},
            {"intersected", SelectedRows::intersected, [](bool a, bool b) { return a && b; }},
            {"subtracted", SelectedRows::subtracted, [](bool a, bool b) { return a && !b; }},
            {"toggled", SelectedRows::toggled, [](bool a, bool b) { return a != b; }},
        };
        QRandomGenerator random(7);
        for (int round = 0; round < 300; ++round) {
            const std::set<int> a = randomRows(random);
            const std::set<int> b = randomRows(random);
            for (const auto& [name, operation, setOperation] : operations) {
                std::set<int> expected;
                for (int row = 0; row < 40; ++row) {
                    if (setOperation(a.count(row) > 0, b.count(row) > 0))
                        expected.insert(row);
                }
                const SelectedRows::Runs result = operation(runsOf(a), runsOf(b));
                QVERIFY2(rowsOf(result) == expected, name);
                QVERIFY2(isCanonical(result), name);
            }
        }
    }

    void emptyOperands()
    {
        const SelectedRows::Runs some{{2, 4}, {8, 8}};
        QCOMPARE(SelectedRows::united({}, some), some);
        QCOMPARE(SelectedRows::intersected(some, {}), SelectedRows::Runs());
        QCOMPARE(SelectedRows::subtracted(some, {}), some);
        QCOMPARE(SelectedRows::toggled({}, some), some);
    }
};

QTEST_MAIN(TestSelectedRows)
#include "tst_selectedrows.moc"
