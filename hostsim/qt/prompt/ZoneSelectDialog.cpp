#include <kxsdkdialogs_prompt_qt/ZoneSelectDialog.h>

#include "ui_ZoneSelectDialog.h"

#include <kxsdkbase/KernelApi.h>
#include <kxsdkcommon/SdkCommon.h>
#include <kxtoolbox/Set.h>

#include <QPointer>
#include <QPushButton>

namespace kestrix::dialogs::prompt {

namespace {

constexpr int ZoneRole = Qt::UserRole;

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
};

void ZoneSelectDialog::Private::fillZones(int currentZone)
{
    QListWidget* list = ui.zoneSelect_Zones_List;
    list->clear();
    Set_pa handle = nullptr;
    if (!VexUtilZoneGetEnabled(&handle))
        return;
    const toolbox::Set zones(handle);
    const UniqueID_t frame = VexUtilFrameGetUniqueID();
    for (int zone = zones.getNextMember(0); zone != 0; zone = zones.getNextMember(zone)) {
        auto* item = new QListWidgetItem(
            QString::fromStdString(sdk::zoneNameWithIndexFormattedForFrame(frame, zone)), list);
        item->setData(ZoneRole, zone);
        if (zone == currentZone)
            list->setCurrentItem(item);
    }
    if (!list->currentItem() && list->count() > 0)
        list->setCurrentRow(0);
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
    else if (instance->parentWidget() != parent)
        instance->setParent(parent, instance->windowFlags());
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
    const QListWidgetItem* item = d->ui.zoneSelect_Zones_List->currentItem();
    return item ? item->data(ZoneRole).toInt() : d->initialZone;
}

} // namespace kestrix::dialogs::prompt
