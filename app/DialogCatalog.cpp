#include "DialogCatalog.h"

#include "dialogs/zonestyle/ZoneStyleDialog.h"

#include <QtGlobal>

namespace kestrix::workbench {

namespace {

QDialog* openZoneStyleDialog(QWidget& parent)
{
    auto& dialog = sdk::ui::dialogs::ZoneStyleDialog::getInstance(
        parent, dialogs::common::DialogInitialization_SelectPickedObjects);
    dialog.launch();
    return &dialog;
}

std::vector<DialogEntry> makeEntries()
{
    std::vector<DialogEntry> entries;
    entries.push_back({QStringLiteral("zonestyle"),
                       QT_TRANSLATE_NOOP("MainWindow", "&Plot"),
                       QT_TRANSLATE_NOOP("MainWindow", "&Zone Style..."),
                       openZoneStyleDialog,
                       [] { return sdk::ui::dialogs::ZoneStyleDialog::relevance(); }});
    return entries;
}

} // namespace

const std::vector<DialogEntry>& DialogCatalog::entries()
{
    static const std::vector<DialogEntry> catalog = makeEntries();
    return catalog;
}

const DialogEntry* DialogCatalog::find(const QString& name)
{
    for (const DialogEntry& entry : entries()) {
        if (entry.name == name)
            return &entry;
    }
    return nullptr;
}

QStringList DialogCatalog::names()
{
    QStringList result;
    for (const DialogEntry& entry : entries())
        result.append(entry.name);
    return result;
}

} // namespace kestrix::workbench
