#pragma once

#include <QString>
#include <QStringList>

#include <functional>
#include <memory>
#include <vector>

class QDialog;
class QWidget;

namespace kestrix::propertymanager {
class RelevanceInterface;
}

namespace kestrix::workbench {

// One dialog of the library as the workbench offers it: in a menu, and by name for --open.
struct DialogEntry {
    QString name;           // the --open name
    const char* menuTitle;  // the menu that holds its entry, translated in context "MainWindow"
    const char* actionText; // the menu entry, translated in context "MainWindow"
    // Opens the dialog the way a host does (getInstance, then launch) and returns it.
    std::function<QDialog*(QWidget& parent)> open;
    // When the dialog may be offered; empty when always.
    std::function<std::shared_ptr<const propertymanager::RelevanceInterface>()> relevance;
};

// The dialogs that the workbench can open. Only dialogs that exist are listed, so that no
// menu entry or --open name leads nowhere.
class DialogCatalog {
public:
    static const std::vector<DialogEntry>& entries();
    static const DialogEntry* find(const QString& name);
    static QStringList names();
};

} // namespace kestrix::workbench
