#include "dialogs/zonestyle/intern/models/LineIndicesModel.h"

#include "dialogs/zonestyle/intern/models/Enumeration.h"
#include "dialogs/zonestyle/intern/models/StyleColumnTable.h"

namespace kestrix::sdk::ui::dialogs::zonestyle::intern::models {

LineIndicesModel::LineIndicesModel(ModelAbstract* subModel) : LineModelAbstract(subModel, &columns()) {}

const StyleColumnTable& LineIndicesModel::columns()
{
    static const StyleColumnTable table(
        "LINEMAP", "INDICES",
        {StyleColumn::list(QT_TRANSLATE_NOOP("StyleColumn", "Varying\nIndex"), "IJKLINES", Enumeration::ijkLines())
             .editedBy(EditorKind_TextWithPopup, 1),
         StyleColumn::indexRange(QT_TRANSLATE_NOOP("StyleColumn", "I-Index\nRange"), "IRANGE").inSecondGroup(),
         StyleColumn::indexRange(QT_TRANSLATE_NOOP("StyleColumn", "J-Index\nRange"), "JRANGE").inSecondGroup(),
         StyleColumn::indexRange(QT_TRANSLATE_NOOP("StyleColumn", "K-Index\nRange"), "KRANGE").inSecondGroup()});
    return table;
}

Qt::ItemFlags LineIndicesModel::ownFlags(const QModelIndex& index) const
{
    return LineModelAbstract::ownFlags(index) & ~Qt::ItemIsEditable;
}

// The I range needs only an I dimension; the others and the varying index need an ordered zone.
bool LineIndicesModel::ownIsEnabled(const QModelIndex& index) const
{
    const int row = index.row();
    if (!mapIsActive(row))
        return false;
    const int zone = mapSetting(row, "ASSIGN", "ZONE").value_or(0);
    LgIndex_t iMax = 0;
    LgIndex_t jMax = 0;
    LgIndex_t kMax = 0;
    VexUtilZoneGetInfoForFrame(frameId(), zone, &iMax, &jMax, &kMax);
    if (index.column() == Column_IRange)
        return iMax > 1;
    if (!VexUtilZoneIsOrderedForFrame(frameId(), zone))
        return false;
    switch (index.column()) {
    case Column_JRange:
        return jMax > 1;
    case Column_KRange:
        return kMax > 1;
    default:
        return true;
    }
}

} // namespace kestrix::sdk::ui::dialogs::zonestyle::intern::models
