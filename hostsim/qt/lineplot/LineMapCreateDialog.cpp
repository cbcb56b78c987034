#include <kxsdkdialogs_lineplot_qt/LineMapCreateDialog.h>

#include "hostsim/qt/dialogs_common/PromptParent.h"

#include "ui_LineMapCreateDialog.h"

#include <kxsdkbase/KernelApi.h>
#include <kxsdkcommon/AppLock.h>
#include <kxsdkcommon/SdkCommon.h>
#include <kxsdkcommon/UndoStateGuard.h>
#include <kxtoolbox/CheckedStyleValue.h>
#include <kxtoolbox/Set.h>

#include <QMessageBox>
#include <QPointer>
#include <QPushButton>

#include <vector>

namespace kestrix::dialogs::lineplot {

namespace {

// Map creation and its assignments are one undo step of the map-edit category.
constexpr int MapEditUndoCategory = 6;

QPointer<LineMapCreateDialog>& theInstance()
{
    static QPointer<LineMapCreateDialog> instance;
    return instance;
}

enum class CreateResult { Created, NotCreated, NotAssigned };

} // namespace

class LineMapCreateDialog::Private {
public:
    void fillChoices();
    CreateResult createMap() const;
    void showError(QWidget* parent, const QString& message) const;

    Ui::LineMapCreateDialog ui;
    // The zone of each entry of the zone box. Frames may hold very many zones: the box gets
    // its texts in one insertion, which per-item data would defeat.
    std::vector<int> zones;
};

void LineMapCreateDialog::Private::fillChoices()
{
    ui.lineMapCreate_Zone_CmbBox->clear();
    ui.lineMapCreate_XVar_CmbBox->clear();
    ui.lineMapCreate_YVar_CmbBox->clear();

    zones.clear();
    const UniqueID_t frame = VexUtilFrameGetUniqueID();
    Set_pa zoneHandle = nullptr;
    if (VexUtilZoneGetEnabled(&zoneHandle)) {
        const toolbox::Set enabled(zoneHandle);
        QStringList names;
        for (int zone = enabled.getNextMember(0); zone != 0; zone = enabled.getNextMember(zone)) {
            zones.push_back(zone);
            names.append(QString::fromStdString(sdk::zoneNameWithIndexFormattedForFrame(frame, zone)));
        }
        ui.lineMapCreate_Zone_CmbBox->addItems(names);
    }
    const toolbox::Set vars = sdk::getEnabledVars();
    for (int var = vars.getNextMember(0); var != 0; var = vars.getNextMember(var)) {
        const QString name = QString::fromStdString(sdk::variableNameWithIndexFormattedForAliasesForFrame(frame, var));
        ui.lineMapCreate_XVar_CmbBox->addItem(name, var);
        ui.lineMapCreate_YVar_CmbBox->addItem(name, var);
    }
    // A new map plots the second variable against the first unless the user says otherwise.
    if (ui.lineMapCreate_YVar_CmbBox->count() > 1)
        ui.lineMapCreate_YVar_CmbBox->setCurrentIndex(1);

    const bool complete = ui.lineMapCreate_Zone_CmbBox->count() > 0 && ui.lineMapCreate_XVar_CmbBox->count() > 0;
    ui.buttonBox->button(QDialogButtonBox::Ok)->setEnabled(complete);
}

CreateResult LineMapCreateDialog::Private::createMap() const
{
    const int zoneRow = ui.lineMapCreate_Zone_CmbBox->currentIndex();
    if (zoneRow < 0 || zoneRow >= static_cast<int>(zones.size()))
        return CreateResult::NotCreated;
    const int zone = zones[static_cast<std::size_t>(zoneRow)];
    const int xVar = ui.lineMapCreate_XVar_CmbBox->currentData().toInt();
    const int yVar = ui.lineMapCreate_YVar_CmbBox->currentData().toInt();

    sdk::AppLock lock;
    sdk::UndoStateGuard undoStep(MapEditUndoCategory);
    if (!VexUtilLineMapCreate())
        return CreateResult::NotCreated;
    toolbox::Set newMap;
    newMap.add(VexUtilLineMapGetCount());
    // A set the host could not make names no map, and a write to it would reach every map.
    if (!newMap.contains(VexUtilLineMapGetCount()))
        return CreateResult::NotAssigned;
    bool assigned = toolbox::StyleValue::returnCodeOk(
        toolbox::CheckedStyleValue("LINEMAP", "ASSIGN", "ZONE").set(zone, &newMap));
    assigned = toolbox::StyleValue::returnCodeOk(
                   toolbox::CheckedStyleValue("LINEMAP", "ASSIGN", "XAXISVAR").set(xVar, &newMap))
               && assigned;
    assigned = toolbox::StyleValue::returnCodeOk(
                   toolbox::CheckedStyleValue("LINEMAP", "ASSIGN", "YAXISVAR").set(yVar, &newMap))
               && assigned;
    return assigned ? CreateResult::Created : CreateResult::NotAssigned;
}

void LineMapCreateDialog::Private::showError(QWidget* parent, const QString& message) const
{
    QMessageBox error(QMessageBox::Critical, LineMapCreateDialog::tr("Error"), message, QMessageBox::Ok, parent);
    error.setObjectName(QStringLiteral("lineMapCreate_Error_MessageBox"));
    error.exec();
}

LineMapCreateDialog& LineMapCreateDialog::getInstance(QWidget* parent)
{
    QPointer<LineMapCreateDialog>& instance = theInstance();
    if (!instance)
        instance = new LineMapCreateDialog(parent);
    else
        kestrix::dialogs::common::moveToParent(*instance, parent);
    instance->d->fillChoices();
    return *instance;
}

LineMapCreateDialog::LineMapCreateDialog(QWidget* parent)
    : common::QtDialogAbstract(parent, nullptr)
    , d(std::make_unique<Private>())
{
    d->ui.setupUi(this);
}

LineMapCreateDialog::~LineMapCreateDialog() = default;

void LineMapCreateDialog::accept()
{
    switch (d->createMap()) {
    case CreateResult::Created:
        break;
    case CreateResult::NotCreated:
        d->showError(this, tr("The line map could not be created."));
        return;
    case CreateResult::NotAssigned:
        // The map exists; the user completes its assignment in the mapping table.
        d->showError(this, tr("The line map was created, but its zone or variables could not be assigned."));
        break;
    }
    common::QtDialogAbstract::accept();
}

} // namespace kestrix::dialogs::lineplot
