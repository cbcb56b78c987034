#include "dialogs/zonestyle/intern/models/FieldStaticAreaModel.h"

#include "dialogs/uicontrols/SelectedRows.h"
#include "dialogs/zonestyle/intern/actions/MapActivateAction.h"
#include "dialogs/zonestyle/intern/actions/StyleAction.h"
#include "dialogs/zonestyle/intern/models/EditorKind.h"

#include <kxtoolbox/FrameStyleValue.h>

#include <QItemSelectionModel>

namespace kestrix::sdk::ui::dialogs::zonestyle::intern::models {

namespace {
const char* const ActiveFieldMaps = "ACTIVEFIELDMAPS";
}

FieldStaticAreaModel::FieldStaticAreaModel(ModelAbstract* subModel) : FieldModelAbstract(subModel) {}

Qt::ItemFlags FieldStaticAreaModel::ownFlags(const QModelIndex& index) const
{
    Qt::ItemFlags flags = FieldModelAbstract::ownFlags(index);
    if (index.column() == Column_Group)
        flags |= Qt::ItemIsEditable;
    else if (index.column() == Column_Show)
        flags |= Qt::ItemIsUserCheckable;
    return flags;
}

int FieldStaticAreaModel::ownColumnCount(const QModelIndex&) const
{
    return ColumnCount;
}

QVariant FieldStaticAreaModel::ownHeaderData(int section) const
{
    switch (section) {
    case Column_ZoneNumber: return tr("Zone\nNumber");
    case Column_ZoneName: return tr("Zone\nName");
    case Column_Group: return tr("Group\nNumber");
    case Column_Show: return tr("Show\nZone");
    default: return {};
    }
}

QBrush FieldStaticAreaModel::ownHeaderBackground(int) const
{
    return staticAreaBrush();
}

QVariant FieldStaticAreaModel::zoneNumberText(int map) const
{
    const int zone = VexUtilFieldMapGetCandidateZoneForFrame(frameId(), map);
    if (zone < 1)
        return {};
    QString text = QString::number(zone);
    if (VexUtilFieldMapGetModeForFrame(frameId(), map) == 0)
        text += QLatin1Char('*');
    return text;
}

QVariant FieldStaticAreaModel::zoneName(int map) const
{
    const int zone = VexUtilFieldMapGetCandidateZoneForFrame(frameId(), map);
    char* name = nullptr;
    if (zone < 1 || !VexUtilZoneGetNameForFrame(frameId(), zone, &name) || !name)
        return {};
    const QString text = QString::fromUtf8(name);
    VexUtilStringDealloc(&name);
    return text;
}

QVariant FieldStaticAreaModel::groupNumber(int map) const
{
    int group = 0;
    if (!toolbox::StyleValue::returnCodeOk(toolbox::FrameStyleValue(frameId(), "FIELDMAP", "GROUP").get(group, map)))
        return {};
    return QString::number(group);
}

QVariant FieldStaticAreaModel::ownData(const QModelIndex& index, int role) const
{
    const int map = index.row() + 1;
    switch (index.column()) {
    case Column_ZoneNumber:
        return role == Qt::DisplayRole ? zoneNumberText(map) : QVariant();
    case Column_ZoneName:
        return role == Qt::DisplayRole || role == Qt::EditRole ? zoneName(map) : QVariant();
    case Column_Group:
        return role == Qt::DisplayRole || role == Qt::EditRole ? groupNumber(map) : QVariant();
    case Column_Show:
        if (role != Qt::CheckStateRole)
            return {};
        return static_cast<int>(VexUtilFieldMapIsActiveForFrame(frameId(), map) == 1 ? Qt::Checked : Qt::Unchecked);
    default:
        return {};
    }
}

bool FieldStaticAreaModel::ownSetData(const QModelIndexList& indexes, const QVariant& value, int role)
{
    if (indexes.isEmpty())
        return false;
    switch (indexes.first().column()) {
    case Column_Group: {
        if (role != Qt::EditRole)
            return false;
        // A text that is not a whole number must not become group 0.
        bool isNumber = false;
        const int group = value.toString().trimmed().toInt(&isNumber);
        if (!isNumber)
            return false;
        actions::StyleAction<int>(QString(), indexes, nullptr, group, "FIELDMAP", "GROUP").trigger();
        return true;
    }
    case Column_Show:
        actions::MapActivateAction::applyCheckState(indexes, value, ActiveFieldMaps);
        return true;
    default:
        return false;
    }
}

QList<QAction*>* FieldStaticAreaModel::ownColumnActions(QItemSelectionModel* selection, int column)
{
    if (column != Column_Show || !selection)
        return nullptr;
    // Invert reads the check state of the cells it is given, so they are cells of this column.
    return actions::MapActivateAction::createMenu(uicontrols::SelectedRows::indexes(*selection, column), ActiveFieldMaps);
}

int FieldStaticAreaModel::ownEditorKind(int column) const
{
    switch (column) {
    case Column_ZoneName:
    case Column_Group: return EditorKind_TextWithPopup;
    case Column_Show: return EditorKind_Boolean;
    default: return EditorKind_None;
    }
}

int FieldStaticAreaModel::ownEditorParameter(int column) const
{
    return column == Column_ZoneName ? 2 : 0;
}

} // namespace kestrix::sdk::ui::dialogs::zonestyle::intern::models
