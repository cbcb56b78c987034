#include <kxsdkdialogs_prompt_qt/ZoneSelectDialog.h>

#include "hostsim/qt/dialogs_common/PromptParent.h"

#include "ui_ZoneSelectDialog.h"

#include <kxsdkbase/KernelApi.h>
#include <kxsdkcommon/SdkCommon.h>
#include <kxtoolbox/Set.h>

#include <QPointer>
#include <QPushButton>

#include <algorithm>
#include <vector>

namespace kestrix::dialogs::prompt {

namespace {

QPointer<ZoneSelectDialog>& theInstance()
{
    static QPointer<ZoneSelectDialog> instance;
    return instance;
}

} // namespace

class ZoneSelectDialog::Private {
public:
    void fillZones(int currentZone);
    void updateSensitivities();

    Ui::ZoneSelectDialog ui;
    int initialZone = 0;
    // The zone of each row, ascending. Frames may hold very many zones: the list gets its
    // texts in one insertion, which per-item data would defeat.
    std::vector<int> zones;
};

void ZoneSelectDialog::Private::fillZones(int currentZone)
{
    QListWidget* list = ui.zoneSelect_Zones_List;
    list->clear();
    zones.clear();
    Set_pa handle = nullptr;
    if (!VexUtilZoneGetEnabled(&handle))
        return;
    const toolbox::Set enabled(handle);
    const UniqueID_t frame = VexUtilFrameGetUniqueID();
    QStringList names;
    for (int zone = enabled.getNextMember(0); zone != 0; zone = enabled.getNextMember(zone)) {
        zones.push_back(zone);
        names.append(QString::fromStdString(sdk::zoneNameWithIndexFormattedForFrame(frame, zone)));
    }
    list->addItems(names);
    const auto current = std::lower_bound(zones.begin(), zones.end(), currentZone);
    const bool found = current != zones.end() && *current == currentZone;
    if (!zones.empty())
        list->setCurrentRow(found ? static_cast<int>(current - zones.begin()) : 0);
}

void ZoneSelectDialog::Private::updateSensitivities()
{
    ui.buttonBox->button(QDialogButtonBox::Ok)->setEnabled(ui.zoneSelect_Zones_List->currentItem() != nullptr);
}

ZoneSelectDialog& ZoneSelectDialog::getInstance(QWidget* parent, int zone)
{
    QPointer<ZoneSelectDialog>& instance = theInstance();
    if (!instance)
        instance = new ZoneSelectDialog(parent);
    else
        common::moveToParent(*instance, parent);
    instance->d->initialZone = zone;
    instance->d->fillZones(zone);
    instance->d->updateSensitivities();
    return *instance;
}

ZoneSelectDialog::ZoneSelectDialog(QWidget* parent)
    : common::QtDialogAbstract(parent, nullptr)
    , d(std::make_unique<Private>())
{
    d->ui.setupUi(this);
    connect(d->ui.zoneSelect_Zones_List, &QListWidget::currentItemChanged, this,
            [this] { d->updateSensitivities(); });
    connect(d->ui.zoneSelect_Zones_List, &QListWidget::itemActivated, this, [this] { accept(); });
}

ZoneSelectDialog::~ZoneSelectDialog() = default;

int ZoneSelectDialog::selectedZone() const
{
    const int row = d->ui.zoneSelect_Zones_List->currentRow();
    return row >= 0 && row < static_cast<int>(d->zones.size()) ? d->zones[static_cast<std::size_t>(row)]
                                                               : d->initialZone;
}

} // namespace kestrix::dialogs::prompt
