#include "dialogs/zonestyle/intern/models/LineStaticAreaModel.h"

#include "dialogs/uicontrols/SelectedRows.h"
#include "dialogs/zonestyle/intern/actions/MapActivateAction.h"
#include "dialogs/zonestyle/intern/actions/MapRenameAction.h"
#include "dialogs/zonestyle/intern/models/EditorKind.h"

#include <kxsdkcommon/AppLock.h>

#include <QItemSelectionModel>

namespace kestrix::sdk::ui::dialogs::zonestyle::intern::models {

namespace {

const char* const ActiveLineMaps = "ACTIVELINEMAPS";

QString takeKernelString(char*& text)
{
    const QString result = QString::fromUtf8(text);
    VexUtilStringDealloc(&text);
    return result;
}

} // namespace

LineStaticAreaModel::LineStaticAreaModel(ModelAbstract* subModel) : LineModelAbstract(subModel) {}

Qt::ItemFlags LineStaticAreaModel::ownFlags(const QModelIndex& index) const
{
    Qt::ItemFlags flags = LineModelAbstract::ownFlags(index);
    if (index.column() == Column_MapName)
        flags |= Qt::ItemIsEditable;
    else if (index.column() == Column_Show)
        flags |= Qt::ItemIsUserCheckable;
    return flags;
}

int LineStaticAreaModel::ownColumnCount(const QModelIndex&) const
{
    return ColumnCount;
}

QVariant LineStaticAreaModel::ownHeaderData(int section) const
{
    switch (section) {
    case Column_MapNumber:
        return tr("Map\nNumber");
    case Column_MapName:
        return tr("Map\nName");
    case Column_Show:
        return tr("Show\nMap");
    default:
        return {};
    }
}

QBrush LineStaticAreaModel::ownHeaderBackground(int) const
{
    return staticAreaBrush();
}

QVariant LineStaticAreaModel::displayName(int map) const
{
    char* name = nullptr;
    if (!VexUtilLineMapGetNameForFrame(frameId(), map, &name) || !name)
        return {};
    return takeKernelString(name);
}

QVariant LineStaticAreaModel::rawName(int map) const
{
    AppLock lock(ImplicitMacroRecording_Off);
    char* name = VexUtilLineMapStyleGetArbValueForFrame(frameId(), map, "NAME", nullptr, nullptr);
    if (!name)
        return {};
    return takeKernelString(name);
}

QVariant LineStaticAreaModel::ownData(const QModelIndex& index, int role) const
{
    const int map = index.row() + 1;
    switch (index.column()) {
    case Column_MapNumber:
        return role == Qt::DisplayRole ? QVariant(map) : QVariant();
    case Column_MapName:
        if (role == Qt::DisplayRole)
            return displayName(map);
        return role == Qt::EditRole ? rawName(map) : QVariant();
    case Column_Show:
        if (role != Qt::CheckStateRole)
            return {};
        return static_cast<int>(VexUtilLineMapIsActiveForFrame(frameId(), map) == 1 ? Qt::Checked : Qt::Unchecked);
    default:
        return {};
    }
}

bool LineStaticAreaModel::ownSetData(const QModelIndexList& indexes, const QVariant& value, int role)
{
    if (indexes.isEmpty())
        return false;
    switch (indexes.first().column()) {
    case Column_MapName:
        if (role != Qt::EditRole)
            return false;
        actions::MapRenameAction(indexes, value.toString()).trigger();
        return true;
    case Column_Show:
        actions::MapActivateAction::applyCheckState(indexes, value, ActiveLineMaps);
        return true;
    default:
        return false;
    }
}

QList<QAction*>* LineStaticAreaModel::ownColumnActions(QItemSelectionModel* selection, int column)
{
    if (column != Column_Show || !selection)
        return nullptr;
    // Invert reads the check state of the cells it is given, so they are cells of this column.
    return actions::MapActivateAction::createMenu(uicontrols::SelectedRows::indexes(*selection, column),
                                                  ActiveLineMaps);
}

int LineStaticAreaModel::ownEditorKind(int column) const
{
    switch (column) {
    case Column_MapName:
        return EditorKind_LineMapText;
    case Column_Show:
        return EditorKind_Boolean;
    default:
        return EditorKind_None;
    }
}

int LineStaticAreaModel::ownEditorParameter(int column) const
{
    return column == Column_MapName ? 2 : 0;
}

} // namespace kestrix::sdk::ui::dialogs::zonestyle::intern::models
