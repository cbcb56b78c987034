#include "support/TableClicks.h"

#include <QAction>
#include <QContextMenuEvent>
#include <QItemSelectionModel>
#include <QLineEdit>
#include <QMenu>
#include <QStyle>
#include <QTableView>
#include <QtTest>

namespace kestrix::testing {

QPoint TableClicks::cell(QTableView* table, int row, int column)
{
    return table->visualRect(table->model()->index(row, column)).center();
}

QPoint TableClicks::checkBox(QTableView* table, int row, int column)
{
    const QStyle* style = table->style();
    const int margin = style->pixelMetric(QStyle::PM_FocusFrameHMargin) + 1;
    const int indicator = style->pixelMetric(QStyle::PM_IndicatorWidth);
    const QRect area = table->visualRect(table->model()->index(row, column));
    return QPoint(area.left() + margin + indicator / 2, area.center().y());
}

void TableClicks::rightClick(QTableView* table, int row, int column)
{
    const QPoint position = cell(table, row, column);
    QContextMenuEvent event(QContextMenuEvent::Mouse, position, table->viewport()->mapToGlobal(position));
    QCoreApplication::sendEvent(table->viewport(), &event);
}

void TableClicks::menuKey(QTableView* table, int row, int column)
{
    table->selectionModel()->setCurrentIndex(table->model()->index(row, column), QItemSelectionModel::NoUpdate);
    const QPoint position = table->viewport()->rect().center();
    QContextMenuEvent event(QContextMenuEvent::Keyboard, position, table->viewport()->mapToGlobal(position));
    QCoreApplication::sendEvent(table->viewport(), &event);
}

void TableClicks::doubleClick(QTableView* table, const QPoint& position)
{
    QTest::mouseClick(table->viewport(), Qt::LeftButton, {}, position);
    QTest::mouseDClick(table->viewport(), Qt::LeftButton, {}, position);
    QTest::mouseRelease(table->viewport(), Qt::LeftButton, {}, position);
}

QLineEdit* TableClicks::openEditor(QTableView* table)
{
    for (QLineEdit* editor : table->viewport()->findChildren<QLineEdit*>()) {
        if (editor->isVisible())
            return editor;
    }
    return nullptr;
}

ModalDialogAnswerer::Answer TableClicks::choose(const QString& entry, std::function<void()> before)
{
    return [entry, before](QWidget& window) {
        auto* menu = qobject_cast<QMenu*>(&window);
        QVERIFY(menu);
        if (before)
            before();
        for (QAction* action : menu->actions()) {
            if (action->text() == entry)
                menu->setActiveAction(action);
        }
        QVERIFY2(menu->activeAction(), qPrintable(entry));
        QTest::keyClick(menu, Qt::Key_Return);
    };
}

// The prompt's answerer starts while the menu is open, so that it does not take the menu for
// the prompt; the menu closes before the entry opens its prompt.
ModalDialogAnswerer::Answer TableClicks::chooseThenAnswer(const QString& entry, ModalDialogAnswerer::Answer prompt)
{
    auto promptAnswerer = std::make_shared<std::unique_ptr<ModalDialogAnswerer>>();
    return choose(entry, [promptAnswerer, prompt] { *promptAnswerer = std::make_unique<ModalDialogAnswerer>(prompt); });
}

ModalDialogAnswerer::Answer TableClicks::typeIntoPopup(const QString& text, std::function<void()> before)
{
    return [text, before](QWidget& window) {
        if (before)
            before();
        QCoreApplication::processEvents();
        auto* edit = window.findChild<QLineEdit*>(QStringLiteral("lineEdit"));
        QVERIFY(edit);
        edit->setText(text);
        QTest::keyClick(edit, Qt::Key_Return);
    };
}

} // namespace kestrix::testing
