#pragma once

#include "support/ModalDialogAnswerer.h"

#include <QPoint>
#include <QString>

#include <functional>
#include <memory>

class QLineEdit;
class QTableView;

namespace kestrix::testing {

// A user's hands on a table view.
class TableClicks {
public:
    static QPoint cell(QTableView* table, int row, int column);
    // Where a check-box cell draws its box: at the cell's left, centred vertically.
    static QPoint checkBox(QTableView* table, int row, int column);
    static void rightClick(QTableView* table, int row, int column);
    // The menu key on the cell, made current first.
    static void menuKey(QTableView* table, int row, int column);
    static void doubleClick(QTableView* table, const QPoint& position);
    // The in-place editor that is open in the table, or null.
    static QLineEdit* openEditor(QTableView* table);
    // Answers the context menu that opens next: runs `before` while it is open, then moves to
    // `entry` and presses Return.
    static ModalDialogAnswerer::Answer choose(const QString& entry, std::function<void()> before = {});
    // Chooses `entry` as `choose` does and answers the prompt that the entry opens.
    static ModalDialogAnswerer::Answer chooseThenAnswer(const QString& entry, ModalDialogAnswerer::Answer prompt);
    // Answers the text popup that opens next: runs `before`, then types `text` and presses Return.
    static ModalDialogAnswerer::Answer typeIntoPopup(const QString& text, std::function<void()> before = {});
};

} // namespace kestrix::testing
