#include "dialogs/zonestyle/intern/models/FieldVolumeModel.h"

#include "dialogs/zonestyle/intern/models/Enumeration.h"
#include "dialogs/zonestyle/intern/models/StyleColumnTable.h"

namespace kestrix::sdk::ui::dialogs::zonestyle::intern::models {

FieldVolumeModel::FieldVolumeModel(ModelAbstract* subModel) : FieldModelAbstract(subModel, &columns()) {}

const StyleColumnTable& FieldVolumeModel::columns()
{
    static const StyleColumnTable table(
        "FIELDMAP", "VOLUMEMODE",
        {StyleColumn::boolean(QT_TRANSLATE_NOOP("StyleColumn", "Show\nIso-Surfaces"), "VOLUMEOBJECTSTOPLOT",
                              "SHOWISOSURFACES"),
         StyleColumn::boolean(QT_TRANSLATE_NOOP("StyleColumn", "Show\nSlices"), "VOLUMEOBJECTSTOPLOT", "SHOWSLICES"),
         StyleColumn::boolean(QT_TRANSLATE_NOOP("StyleColumn", "Show\nStreamtraces"), "VOLUMEOBJECTSTOPLOT",
                              "SHOWSTREAMTRACES")});
    return table;
}

bool FieldVolumeModel::ownIsEnabled(const QModelIndex& index) const
{
    return FieldModelAbstract::ownIsEnabled(index) && VexUtilFieldMapHasVolumeZonesForFrame(frameId(), index.row() + 1)
           && isThreeDimensional();
}

} // namespace kestrix::sdk::ui::dialogs::zonestyle::intern::models
