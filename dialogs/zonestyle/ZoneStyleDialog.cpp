#include "dialogs/zonestyle/ZoneStyleDialog.h"

#include "ui_ZoneStyle.h"

#include "dialogs/uicontrols/MapSelectionByPattern.h"
#include "dialogs/uicontrols/RowSelectionModel.h"
#include "dialogs/uicontrols/SelectedRows.h"
#include "dialogs/uicontrols/TableColumnHeader.h"
#include "dialogs/zonestyle/intern/models/EditTarget.h"
#include "dialogs/zonestyle/intern/models/FieldContour3DModel.h"
#include "dialogs/zonestyle/intern/models/FieldContourModel.h"
#include "dialogs/zonestyle/intern/models/FieldEdgeModel.h"
#include "dialogs/zonestyle/intern/models/FieldEffects3DModel.h"
#include "dialogs/zonestyle/intern/models/FieldEffectsModel.h"
#include "dialogs/zonestyle/intern/models/FieldMeshModel.h"
#include "dialogs/zonestyle/intern/models/FieldPointsModel.h"
#include "dialogs/zonestyle/intern/models/FieldScatterModel.h"
#include "dialogs/zonestyle/intern/models/FieldShade3DModel.h"
#include "dialogs/zonestyle/intern/models/FieldShadeModel.h"
#include "dialogs/zonestyle/intern/models/FieldStaticAreaModel.h"
#include "dialogs/zonestyle/intern/models/FieldSurfacesModel.h"
#include "dialogs/zonestyle/intern/models/FieldVectorModel.h"
#include "dialogs/zonestyle/intern/models/FieldVolumeModel.h"
#include "dialogs/zonestyle/intern/models/LineBarsModel.h"
#include "dialogs/zonestyle/intern/models/LineCurvesModel.h"
#include "dialogs/zonestyle/intern/models/LineDefinitionsModel.h"
#include "dialogs/zonestyle/intern/models/LineDefinitionsPolarModel.h"
#include "dialogs/zonestyle/intern/models/LineDefinitionsXYModel.h"
#include "dialogs/zonestyle/intern/models/LineErrorBarsModel.h"
#include "dialogs/zonestyle/intern/models/LineIndicesModel.h"
#include "dialogs/zonestyle/intern/models/LineLinesModel.h"
#include "dialogs/zonestyle/intern/models/LineStaticAreaModel.h"
#include "dialogs/zonestyle/intern/models/LineSymbolsModel.h"
#include "dialogs/zonestyle/intern/models/ModelForPageMap.h"
#include "dialogs/zonestyle/intern/views/SelectionModelSignalSuspender.h"
#include "dialogs/zonestyle/intern/views/StyleTableView.h"

#include <kxsdkcommon/AppLock.h>
#include <kxsdkcommon/SdkCommon.h>
#include <kxsdkcommon/UndoStateGuard.h>
#include <kxsdkdialogs_common_qt/TabWidgetLaunchHelpAction.h>
#include <kxsdkdialogs_lineplot_qt/LineMapCreateDialog.h>
#include <kxsdkintegrationmanager/StateChange.h>
#include <kxsdkintegrationmanager/StateChangeEventObservable.h>
#include <kxsdkpropertymanager/DataSetExistsRelevance.h>
#include <kxsdkuicommon/OnIdleActionPerformerSingleShot.h>
#include <kxtoolbox/CheckedStyleValue.h>
#include <kxtoolbox/Set.h>
#include <kxtoolbox/StateChangeEventInterface.h>
#include <signals/SignalConnectionCollection.h>

#include <QItemSelectionModel>
#include <QMessageBox>
#include <QPushButton>
#include <QRegularExpression>
#include <QHeaderView>
#include <QScreen>
#include <QScrollBar>
#include <QVBoxLayout>

#include <array>
#include <functional>
#include <map>

namespace kestrix::sdk::ui::dialogs {

namespace models = zonestyle::intern::models;
namespace views = zonestyle::intern::views;
using kestrix::dialogs::common::TabWidgetLaunchHelpAction;
using uicontrols::SelectedRows;

ZoneStyleDialog* ZoneStyleDialog::m_dialogInstance = nullptr;
std::set<MappingStyleTab_e> ZoneStyleDialog::m_availableMappingTabs = ZoneStyleDialog::defaultAvailableMappingTabs();

namespace {

constexpr int PlotTypeCount = 6;
// The tab last shown for each plot type, for the life of the process.
std::array<int, PlotTypeCount> lastTabPerPlotType{};

bool isFieldPlot(int plotType)
{
    return plotType == PlotType_Cartesian3D || plotType == PlotType_Cartesian2D;
}

bool isLinePlot(int plotType)
{
    return plotType == PlotType_XYLine || plotType == PlotType_PolarLine;
}

bool styleChangeWantsRefresh(const std::string& keyword)
{
    for (const char* wanted : {"ACTIVEFIELDMAPS", "ACTIVEFIELDZONES", "ACTIVELINEMAPS", "FIELDMAP", "FIELDLAYERS",
                               "GLOBALSCATTER", "LINKING", "LINEMAP", "LINEPLOTLAYERS", "FRAMEMODE"}) {
        if (keyword == wanted)
            return true;
    }
    return false;
}

bool codeWantsRefresh(int code)
{
    switch (code) {
    case 0: case 1: case 2: case 3: case 5: case 8: case 9: case 10: case 11:
    case 14: case 16: case 19: case 21: case 22: case 29: case 44: case 56:
        return true;
    default:
        return false;
    }
}

QString translated(const char* text)
{
    return QCoreApplication::translate("ZoneStyle", text);
}

} // namespace

class ZoneStyleDialog::Private {
public:
    explicit Private(ZoneStyleDialog& dialog);
    ~Private();

    void createViewModels();
    void updateZoneStyleDialog();
    void updateTabs(int plotType);
    void showTab(QTabWidget& tabWidget, QWidget& page, bool show);
    void applyAvailableMappingTabs();
    QTabWidget* getCurrentTabWidget() const;
    void saveLastTab();
    void restoreLastTab();
    void showOptionalButtonBoxButtons(bool show);
    void setupTableView();
    void addTableViewAndFilterTo(QWidget* page);
    uicontrols::TableColumnHeader* getHeaderForModel(models::ModelAbstract* model);
    static void moveDefinitionsColumns(QHeaderView& header, int plotType);
    void replaceColumnHeader(uicontrols::TableColumnHeader* header);
    void configureColumnHeader(uicontrols::TableColumnHeader* header);
    void destroyHeaders();
    QItemSelectionModel* getSelectionModelFor(models::ModelAbstract* model);
    void copySelection(QItemSelectionModel* to, QItemSelectionModel* from);
    void makeSelectionFitModel();
    void destroySelectionModels();
    void stateChanged(const toolbox::StateChangeEventInterface& event);
    void processStateChangeOnIdle();
    void processStateChange();
    void selectPickedObjects();
    void scrollTableViewToSelection(int row);
    void selectRows(const SelectedRows::Runs& runs, int firstRow);
    void deleteLineMaps(const toolbox::Set& maps);
    void openLargeEnoughForTheTable();
    void shiftSelectedLineMaps(bool (*shift)(Set_pa maps));
    SelectedRows::Runs selectedRuns() const;
    toolbox::Set selectedMaps() const;

    ZoneStyleDialog& q;
    Ui::ZoneStyle ui;
    views::StyleTableView* view = nullptr;
    uicontrols::MapSelectionByPattern* filter = nullptr;
    std::unique_ptr<models::ModelForPageMap> modelTable;
    TabWidgetLaunchHelpAction* helpAction = nullptr;
    models::ModelAbstract* currentModel = nullptr;
    uicontrols::TableColumnHeader* currentHeader = nullptr;
    std::map<models::ModelAbstract*, uicontrols::TableColumnHeader*> headers;
    std::map<models::ModelAbstract*, QItemSelectionModel*> selectionModels;
    std::map<QWidget*, int> hiddenTabIndexes;
    std::map<QWidget*, QString> hiddenTabTitles;
    std::unique_ptr<sdk::ui::common::OnIdleActionPerformerSingleShot> pendingRefresh;
    std::unique_ptr<sdk::ui::common::OnIdleActionPerformerSingleShot> pendingPickSelection;
    signalling::SignalConnectionCollection connections;
    std::vector<QPushButton*> mapToolButtons;
};

ZoneStyleDialog::Private::Private(ZoneStyleDialog& dialog) : q(dialog), modelTable(std::make_unique<models::ModelForPageMap>())
{
}

ZoneStyleDialog::Private::~Private() = default;

// The chain of every tab, innermost link last; a chain serves one plot type or all of them.
void ZoneStyleDialog::Private::createViewModels()
{
    using namespace models;
    using Chain = std::function<ModelAbstract*()>;
    const auto field = [](std::function<ModelAbstract*(ModelAbstract*)> tab, Chain extension = nullptr) -> Chain {
        return [tab, extension] { return new FieldStaticAreaModel(tab(extension ? extension() : nullptr)); };
    };
    struct PageChain {
        QWidget* page;
        int plotType;
        Chain chain;
    };
    const int any = ModelForPageMap::AnyPlotType;
    const std::vector<PageChain> chains{
        {ui.plotAttr_FDMesh_Page, any, field([](ModelAbstract* sub) { return new FieldMeshModel(sub); })},
        {ui.plotAttr_FDCont_Page, PlotType_Cartesian2D, field([](ModelAbstract* sub) { return new FieldContourModel(sub); })},
        {ui.plotAttr_FDCont_Page, PlotType_Cartesian3D,
         field([](ModelAbstract* sub) { return new FieldContourModel(sub); }, [] { return new FieldContour3DModel(nullptr); })},
        {ui.plotAttr_FDVect_Page, any, field([](ModelAbstract* sub) { return new FieldVectorModel(sub); })},
        {ui.plotAttr_FDScat_Page, any, field([](ModelAbstract* sub) { return new FieldScatterModel(sub); })},
        {ui.plotAttr_FDShad_Page, PlotType_Cartesian2D, field([](ModelAbstract* sub) { return new FieldShadeModel(sub); })},
        {ui.plotAttr_FDShad_Page, PlotType_Cartesian3D,
         field([](ModelAbstract* sub) { return new FieldShadeModel(sub); }, [] { return new FieldShade3DModel(nullptr); })},
        {ui.plotAttr_FDEdge_Page, any, field([](ModelAbstract* sub) { return new FieldEdgeModel(sub); })},
        {ui.plotAttr_FDPoints_Page, any, field([](ModelAbstract* sub) { return new FieldPointsModel(sub); })},
        {ui.plotAttr_FDSurfaces_Page, any, field([](ModelAbstract* sub) { return new FieldSurfacesModel(sub); })},
        {ui.plotAttr_FDVolume_Page, any, field([](ModelAbstract* sub) { return new FieldVolumeModel(sub); })},
        {ui.plotAttr_FDEffect_Page, PlotType_Cartesian2D, field([](ModelAbstract* sub) { return new FieldEffectsModel(sub); })},
        {ui.plotAttr_FDEffect_Page, PlotType_Cartesian3D,
         field([](ModelAbstract* sub) { return new FieldEffectsModel(sub); }, [] { return new FieldEffects3DModel(nullptr); })},
    };
    const auto line = [](std::function<ModelAbstract*(ModelAbstract*)> tab) -> Chain {
        return [tab] { return new LineStaticAreaModel(tab(nullptr)); };
    };
    const auto definitions = [](std::function<ModelAbstract*()> extension) -> Chain {
        return [extension] { return new LineStaticAreaModel(new LineDefinitionsModel(extension())); };
    };
    const std::vector<PageChain> lineChains{
        {ui.plotAttr_LPDefn_Page, PlotType_XYLine, definitions([] { return new LineDefinitionsXYModel(nullptr); })},
        {ui.plotAttr_LPDefn_Page, PlotType_PolarLine, definitions([] { return new LineDefinitionsPolarModel(nullptr); })},
        {ui.plotAttr_LPLine_Page, any, line([](ModelAbstract* sub) { return new LineLinesModel(sub); })},
        {ui.plotAttr_LPCurv_Page, any, line([](ModelAbstract* sub) { return new LineCurvesModel(sub); })},
        {ui.plotAttr_LPSymb_Page, any, line([](ModelAbstract* sub) { return new LineSymbolsModel(sub); })},
        {ui.plotAttr_LPEBar_Page, any, line([](ModelAbstract* sub) { return new LineErrorBarsModel(sub); })},
        {ui.plotAttr_LPBars_Page, any, line([](ModelAbstract* sub) { return new LineBarsModel(sub); })},
        {ui.plotAttr_LPIndx_Page, any, line([](ModelAbstract* sub) { return new LineIndicesModel(sub); })},
    };
    for (const PageChain& entry : chains)
        modelTable->setModelForPage(entry.page, entry.chain(), entry.plotType);
    for (const PageChain& entry : lineChains) {
        ModelAbstract* model = entry.chain();
        modelTable->setModelForPage(entry.page, model, entry.plotType);
        if (entry.page == ui.plotAttr_LPDefn_Page)
            moveDefinitionsColumns(*getHeaderForModel(model), entry.plotType);
    }
}

// The variables come first on the definitions tab, and the legend last on the x-y one. The
// header keeps this order, and any the user makes, for the life of the dialog.
void ZoneStyleDialog::Private::moveDefinitionsColumns(QHeaderView& header, int plotType)
{
    header.moveSection(5, plotType == PlotType_PolarLine ? 7 : 9);
    header.moveSection(4, 6);
    header.moveSection(3, 5);
}

QTabWidget* ZoneStyleDialog::Private::getCurrentTabWidget() const
{
    const int plotType = VexUtilFrameGetPlotType();
    if (isFieldPlot(plotType))
        return ui.plotAttr_FD_PageGroup;
    if (isLinePlot(plotType))
        return ui.plotAttr_LP_PageGroup;
    return nullptr;
}

void ZoneStyleDialog::Private::updateZoneStyleDialog()
{
    const int plotType = VexUtilFrameGetPlotType();
    filter->setLabelText(translated(QT_TRANSLATE_NOOP("ZoneStyle", "S&election criteria:")));
    if (isFieldPlot(plotType)) {
        ui.plotTypeStackedWidget->setCurrentWidget(ui.fieldMapPage);
        q.setWindowTitle(translated(QT_TRANSLATE_NOOP("ZoneStyle", "Zone Style")));
        showOptionalButtonBoxButtons(false);
        // A line plot shown before renamed the apply button and hid the groups button.
        filter->applyButton()->setText(QCoreApplication::translate("MapSelectionByPattern", "&Zones"));
        filter->groupsButton()->show();
        helpAction->setTabWidget(ui.plotAttr_FD_PageGroup);
    } else {
        ui.plotTypeStackedWidget->setCurrentWidget(ui.lineMapPage);
        q.setWindowTitle(translated(QT_TRANSLATE_NOOP("ZoneStyle", "Mapping Style")));
        showOptionalButtonBoxButtons(true);
        filter->applyButton()->setText(translated(QT_TRANSLATE_NOOP("ZoneStyle", "&Select")));
        filter->groupsButton()->hide();
        helpAction->setTabWidget(ui.plotAttr_LP_PageGroup);
    }
    updateTabs(plotType);
    setupTableView();
}

void ZoneStyleDialog::Private::showOptionalButtonBoxButtons(bool show)
{
    for (QPushButton* button : mapToolButtons) {
        const bool inButtonBox = ui.buttonBox->buttons().contains(button);
        if (show && !inButtonBox) {
            ui.buttonBox->addButton(button, QDialogButtonBox::ActionRole);
            button->show();
        } else if (!show && inButtonBox) {
            // The button box lets go of the button without a parent; it stays the dialog's.
            ui.buttonBox->removeButton(button);
            ui.hboxLayout->addWidget(button);
        }
    }
}

void ZoneStyleDialog::Private::updateTabs(int plotType)
{
    QTabWidget& lineTabs = *ui.plotAttr_LP_PageGroup;
    switch (plotType) {
    case PlotType_PolarLine:
        showTab(lineTabs, *ui.plotAttr_LPBars_Page, false);
        showTab(lineTabs, *ui.plotAttr_LPEBar_Page, false);
        break;
    case PlotType_XYLine:
        showTab(lineTabs, *ui.plotAttr_LPEBar_Page, m_availableMappingTabs.count(MappingStyleTab_ErrorBars) > 0);
        showTab(lineTabs, *ui.plotAttr_LPBars_Page, m_availableMappingTabs.count(MappingStyleTab_Bars) > 0);
        break;
    case PlotType_Cartesian3D:
    case PlotType_Cartesian2D:
        showTab(*ui.plotAttr_FD_PageGroup, *ui.plotAttr_FDVolume_Page, plotType == PlotType_Cartesian3D);
        break;
    default:
        break;
    }
}

void ZoneStyleDialog::Private::showTab(QTabWidget& tabWidget, QWidget& page, bool show)
{
    const int index = tabWidget.indexOf(&page);
    if (!show) {
        if (index < 0)
            return;
        if (hiddenTabIndexes.find(&page) == hiddenTabIndexes.end()) {
            hiddenTabIndexes[&page] = index;
            hiddenTabTitles[&page] = tabWidget.tabText(index);
        }
        tabWidget.removeTab(index);
        return;
    }
    if (index >= 0)
        return;
    const auto rememberedIndex = hiddenTabIndexes.find(&page);
    const int insertAt = rememberedIndex == hiddenTabIndexes.end() ? tabWidget.count() : rememberedIndex->second;
    tabWidget.insertTab(insertAt, &page, hiddenTabTitles[&page]);
}

void ZoneStyleDialog::Private::applyAvailableMappingTabs()
{
    const std::array<QWidget*, 7> pages{ui.plotAttr_LPDefn_Page, ui.plotAttr_LPLine_Page, ui.plotAttr_LPCurv_Page,
                                        ui.plotAttr_LPSymb_Page, ui.plotAttr_LPEBar_Page, ui.plotAttr_LPBars_Page,
                                        ui.plotAttr_LPIndx_Page};
    for (int tab = MappingStyleTab_Definitions; tab <= MappingStyleTab_Indices; ++tab) {
        const bool available = m_availableMappingTabs.count(static_cast<MappingStyleTab_e>(tab)) > 0;
        showTab(*ui.plotAttr_LP_PageGroup, *pages[static_cast<size_t>(tab)], available);
    }
}

void ZoneStyleDialog::Private::saveLastTab()
{
    const int plotType = VexUtilFrameGetPlotType();
    QTabWidget* tabWidget = getCurrentTabWidget();
    if (tabWidget && plotType >= 0 && plotType < PlotTypeCount)
        lastTabPerPlotType[static_cast<size_t>(plotType)] = tabWidget->currentIndex();
}

void ZoneStyleDialog::Private::restoreLastTab()
{
    const int plotType = VexUtilFrameGetPlotType();
    QTabWidget* tabWidget = getCurrentTabWidget();
    if (tabWidget && plotType >= 0 && plotType < PlotTypeCount)
        tabWidget->setCurrentIndex(lastTabPerPlotType[static_cast<size_t>(plotType)]);
}

void ZoneStyleDialog::Private::setupTableView()
{
    QTabWidget* tabWidget = getCurrentTabWidget();
    QWidget* page = tabWidget ? tabWidget->currentWidget() : nullptr;
    models::ModelAbstract* model = page ? modelTable->getModelForPage(page) : nullptr;
    currentModel = model;
    if (!model) {
        views::SelectionModelSignalSuspender suspender(*view, *filter);
        view->setModel(nullptr, tabWidget ? tabWidget->currentIndex() : 0);
        return;
    }
    // The table shows the current frame: a frame id kept from a scene that was replaced names
    // no frame any more. Rows that came or went are announced before anything uses the table.
    model->followFrame(VexUtilFrameGetUniqueID());
    model->updateRowCount();
    if (view->parentWidget() == page && view->styleModel() == model) {
        makeSelectionFitModel();
        return;
    }
    uicontrols::TableColumnHeader* header = getHeaderForModel(model);
    replaceColumnHeader(header);

    QItemSelectionModel* oldSelectionModel = view->selectionModel();
    QItemSelectionModel* newSelectionModel = getSelectionModelFor(model);
    {
        views::SelectionModelSignalSuspender suspender(*view, *filter);
        view->setModel(model, tabWidget->currentIndex());
        // The view makes a selection model of its own for every model it is given.
        QItemSelectionModel* madeByView = view->selectionModel();
        view->setSelectionModel(newSelectionModel);
        if (madeByView && madeByView != newSelectionModel && madeByView->parent() == view)
            madeByView->deleteLater();
        if (oldSelectionModel && oldSelectionModel != newSelectionModel && oldSelectionModel->model())
            copySelection(newSelectionModel, oldSelectionModel);
    }
    configureColumnHeader(header);
    saveLastTab();
}

void ZoneStyleDialog::Private::addTableViewAndFilterTo(QWidget* page)
{
    if (!page || view->parentWidget() == page)
        return;
    QLayout* layout = page->layout();
    if (!layout)
        layout = new QVBoxLayout(page);
    if (auto* grid = qobject_cast<QGridLayout*>(layout)) {
        grid->addWidget(view, 0, 0);
        grid->addWidget(filter, 1, 0);
    } else {
        layout->addWidget(view);
        layout->addWidget(filter);
    }
    view->show();
    filter->show();
}

uicontrols::TableColumnHeader* ZoneStyleDialog::Private::getHeaderForModel(models::ModelAbstract* model)
{
    auto existing = headers.find(model);
    if (existing != headers.end())
        return existing->second;
    auto* header = new uicontrols::TableColumnHeader(model, &q);
    header->hide();
    QObject::connect(header, &QHeaderView::sectionResized, &q, &ZoneStyleDialog::headerSectionResized);
    headers[model] = header;
    return header;
}

void ZoneStyleDialog::Private::replaceColumnHeader(uicontrols::TableColumnHeader* header)
{
    header->setModel(currentModel);
    if (currentHeader && currentHeader != header) {
        currentHeader->saveSectionState();
        // The view connects every header it is given to itself and never lets go of one it
        // does not delete: a resting header would go on resizing the view's columns, and each
        // return to it would add the same connections once more.
        QObject::disconnect(currentHeader, nullptr, view, nullptr);
        // Keep the old header out of the view's hands: the view deletes headers it owns.
        currentHeader->setParent(&q);
        currentHeader->hide();
    }
    view->setHorizontalHeader(header);
    header->show();
    QTabWidget* tabWidget = getCurrentTabWidget();
    addTableViewAndFilterTo(tabWidget ? tabWidget->currentWidget() : nullptr);
}

void ZoneStyleDialog::Private::configureColumnHeader(uicontrols::TableColumnHeader* header)
{
    header->restoreSectionState();
    if (currentHeader && currentHeader != header)
        header->copySectionSizesFrom(*currentHeader);
    currentHeader = header;
}

void ZoneStyleDialog::Private::destroyHeaders()
{
    for (auto& [model, header] : headers) {
        if (header != view->horizontalHeader())
            delete header;
    }
    headers.clear();
    currentHeader = nullptr;
}

QItemSelectionModel* ZoneStyleDialog::Private::getSelectionModelFor(models::ModelAbstract* model)
{
    auto existing = selectionModels.find(model);
    if (existing != selectionModels.end())
        return existing->second;
    auto* selectionModel = new uicontrols::RowSelectionModel(model, &q);
    selectionModels[model] = selectionModel;
    return selectionModel;
}

void ZoneStyleDialog::Private::destroySelectionModels()
{
    for (auto& [model, selectionModel] : selectionModels)
        delete selectionModel;
    selectionModels.clear();
}

void ZoneStyleDialog::Private::copySelection(QItemSelectionModel* to, QItemSelectionModel* from)
{
    const QAbstractItemModel* toModel = to->model();
    const QAbstractItemModel* fromModel = from->model();
    if (!toModel || !fromModel || toModel->columnCount() < 1 || fromModel->columnCount() < 1)
        return;
    // Tables of one kind begin with the same column ("Zone\nNumber" or "Map\nNumber").
    if (toModel->headerData(0, Qt::Horizontal, Qt::DisplayRole).toString()
        != fromModel->headerData(0, Qt::Horizontal, Qt::DisplayRole).toString())
        return;
    SelectedRows::replaceSelection(*to, SelectedRows::runs(*from));
}

void ZoneStyleDialog::Private::makeSelectionFitModel()
{
    if (!currentModel)
        return;
    QItemSelectionModel* selectionModel = getSelectionModelFor(currentModel);
    const SelectedRows::Runs runs = SelectedRows::runs(*selectionModel);
    const SelectedRows::Runs fitting = SelectedRows::clipped(runs, currentModel->rowCount());
    if (fitting != runs)
        SelectedRows::replaceSelection(*selectionModel, fitting);
}

SelectedRows::Runs ZoneStyleDialog::Private::selectedRuns() const
{
    const QItemSelectionModel* selectionModel = view->selectionModel();
    if (!selectionModel || !selectionModel->model())
        return {};
    return SelectedRows::clipped(SelectedRows::runs(*selectionModel), selectionModel->model()->rowCount());
}

toolbox::Set ZoneStyleDialog::Private::selectedMaps() const
{
    return models::EditTarget::mapsOf(selectedRuns());
}

void ZoneStyleDialog::Private::shiftSelectedLineMaps(bool (*shift)(Set_pa maps))
{
    {
        AppLock lock(ImplicitMacroRecording_Off);
        const toolbox::Set maps = selectedMaps();
        if (maps.isEmpty())
            return;
        shift(maps.getRef());
    }
    processStateChange();
}

void ZoneStyleDialog::Private::stateChanged(const toolbox::StateChangeEventInterface& event)
{
    if (!VexUtilDataSetIsAvailable() || VexUtilFrameGetCount() == 0 || VexUtilFrameGetPlotType() == PlotType_Sketch) {
        q.close();
        return;
    }
    const int code = event.getStateChange();
    if (code == StateChange_CurrentFrame) {
        processStateChange();
        return;
    }
    bool wanted = codeWantsRefresh(code);
    if (code == StateChange_LineMapName)
        wanted = isLinePlot(VexUtilFrameGetPlotType());
    if (code == StateChange_Style) {
        const std::string keyword = event.getParamString(1);
        if (keyword == "PLOTTYPE") {
            restoreLastTab();
            processStateChange();
            return;
        }
        wanted = styleChangeWantsRefresh(keyword);
    }
    if (wanted)
        processStateChangeOnIdle();
}

void ZoneStyleDialog::Private::processStateChangeOnIdle()
{
    pendingRefresh = std::make_unique<sdk::ui::common::OnIdleActionPerformerSingleShot>([this] { processStateChange(); });
}

void ZoneStyleDialog::Private::processStateChange()
{
    models::ModelAbstract* rememberedModel = currentModel;
    updateZoneStyleDialog();
    if (rememberedModel && currentModel == rememberedModel)
        rememberedModel->refresh();
}

void ZoneStyleDialog::Private::selectPickedObjects()
{
    if (!view->model())
        return;
    QVector<int> rows;
    const int pickCount = VexUtilPickListGetCount();
    for (int pick = 1; pick <= pickCount; ++pick) {
        int map = 0;
        switch (VexUtilPickListGetType(pick)) {
        case PickObjects_Zone:
            map = VexUtilZoneGetFieldMap(VexUtilPickListGetZoneNumber(pick));
            break;
        case PickObjects_LineMapping:
            map = VexUtilPickListGetLineMapNumber(pick);
            break;
        default:
            continue;
        }
        if (map - 1 != -1)
            rows.append(map - 1);
    }
    const SelectedRows::Runs runs = SelectedRows::clipped(SelectedRows::runsFromRows(rows), view->model()->rowCount());
    {
        views::SelectionModelSignalSuspender suspender(*view, *filter);
        SelectedRows::replaceSelection(*view->selectionModel(), runs);
        if (!runs.isEmpty())
            scrollTableViewToSelection(SelectedRows::firstRow(runs));
    }
    view->setFocus();
}

void ZoneStyleDialog::Private::scrollTableViewToSelection(int row)
{
    const QModelIndex index = view->model() ? view->model()->index(row, 0) : QModelIndex();
    if (!index.isValid())
        return;
    view->scrollTo(index, QAbstractItemView::PositionAtTop);
    view->selectionModel()->setCurrentIndex(index, QItemSelectionModel::NoUpdate);
}

void ZoneStyleDialog::Private::selectRows(const SelectedRows::Runs& runs, int firstRow)
{
    if (firstRow >= 0 && firstRow < currentModel->rowCount())
        scrollTableViewToSelection(firstRow);
    SelectedRows::replaceSelection(*view->selectionModel(), runs);
    view->setFocus();
}

void ZoneStyleDialog::Private::deleteLineMaps(const toolbox::Set& maps)
{
    AppLock lock(ImplicitMacroRecording_Off);
    UndoStateGuard undoStep(6);
    toolbox::CheckedStyleValue("ACTIVELINEMAPS").set(maps, nullptr, -1, -1, AssignOp_MinusEquals);
    VexUtilLineMapDelete(maps.getRef());
}

// The form's own size shows a handful of rows; the table asks for its preferred rows and
// columns, and gets them as far as the screen has room.
void ZoneStyleDialog::Private::openLargeEnoughForTheTable()
{
    // The layouts between the table and the dialog still hold the sizes their widgets asked
    // for before the table and its rows arrived.
    for (QWidget* widget = view; widget && widget != &q; widget = widget->parentWidget())
        widget->updateGeometry();
    const QSize wanted = q.sizeHint().expandedTo(q.size());
    const QSize screenRoom = q.screen() ? q.screen()->availableGeometry().size() * 0.9 : wanted;
    QSize room = wanted.boundedTo(screenRoom);
    // Columns wider than the table gets bring a scroll bar, which takes a row's room.
    const int tableWidth = room.width() - (wanted.width() - view->sizeHint().width());
    if (view->horizontalHeader()->length() > tableWidth)
        room.setHeight(std::min(room.height() + view->horizontalScrollBar()->sizeHint().height(), screenRoom.height()));
    q.resize(room.expandedTo(q.minimumSizeHint()));
}

ZoneStyleDialog::ZoneStyleDialog(QWidget& parent) : QtDialogAbstract(parent, relevance()), d(std::make_unique<Private>(*this))
{
    d->view = new views::StyleTableView(this);
    d->filter = new uicontrols::MapSelectionByPattern(this);
    d->view->setPreferredNumberOfRows(24);
    d->view->setPreferredNumberOfColumns(10);
    d->view->setSelectionMode(QAbstractItemView::ExtendedSelection);

    d->ui.setupUi(this);
    d->ui.dialogButtonBoxStack->setCurrentWidget(d->ui.additionalButtonsPage);
    d->mapToolButtons = {d->ui.plotAttr_MaptoolsCreateMap_Button, d->ui.plotAttr_MaptoolsCopyMap_Button,
                           d->ui.plotAttr_MaptoolsDeleteMap_Button, d->ui.plotAttr_MaptoolsMoveToTop_Button,
                           d->ui.plotAttr_MaptoolsMoveToBottom_Button};

    const std::map<QWidget*, std::string> helpFiles{
        {d->ui.plotAttr_FDMesh_Page, "zone_style_mesh.html"},
        {d->ui.plotAttr_FDCont_Page, "zone_style_contour.html"},
        {d->ui.plotAttr_FDVect_Page, "zone_style_vector.html"},
        {d->ui.plotAttr_FDScat_Page, "zone_style_scatter.html"},
        {d->ui.plotAttr_FDShad_Page, "zone_style_shade.html"},
        {d->ui.plotAttr_FDEdge_Page, "zone_style_edge.html"},
        {d->ui.plotAttr_FDPoints_Page, "zone_style_points.html"},
        {d->ui.plotAttr_FDSurfaces_Page, "zone_style_surfaces.html"},
        {d->ui.plotAttr_FDVolume_Page, "zone_style_volume.html"},
        {d->ui.plotAttr_FDEffect_Page, "zone_style_effects.html"},
        {d->ui.plotAttr_LPDefn_Page, "mapping_style_definitions.html"},
        {d->ui.plotAttr_LPLine_Page, "mapping_style_lines.html"},
        {d->ui.plotAttr_LPCurv_Page, "mapping_style_curves.html"},
        {d->ui.plotAttr_LPSymb_Page, "mapping_style_symbols.html"},
        {d->ui.plotAttr_LPEBar_Page, "mapping_style_error_bars.html"},
        {d->ui.plotAttr_LPBars_Page, "mapping_style_bars.html"},
        {d->ui.plotAttr_LPIndx_Page, "mapping_style_indices.html"}};
    d->helpAction = new TabWidgetLaunchHelpAction(helpFiles, d->ui.plotAttr_LP_PageGroup, this);
    setHelpAction(d->helpAction);

    d->createViewModels();
    d->connections.add(sdk::integration::StateChangeEventObservable::getInstance().connect(
        [this](const toolbox::StateChangeEventInterface& event) { d->stateChanged(event); }));
    d->ui.dialogButtonBoxStack->setCurrentWidget(d->ui.finalButtonsPage);
    connect(d->ui.buttonBox, &QDialogButtonBox::rejected, this, &QDialog::close);

    d->restoreLastTab();
    d->applyAvailableMappingTabs();
    d->updateZoneStyleDialog();

    if (QPushButton* closeButton = d->ui.buttonBox->button(QDialogButtonBox::Close))
        setDefaultButton(*d->ui.buttonBox, closeButton);
    setSizePolicy(QSizePolicy::Minimum, QSizePolicy::Minimum);
    d->openLargeEnoughForTheTable();

    connect(d->filter, &uicontrols::MapSelectionByPattern::patternChanged, this,
            &ZoneStyleDialog::selectionPatternChanged);
}

ZoneStyleDialog::~ZoneStyleDialog()
{
    // Children emit signals while they are torn down (a tab widget losing its pages); none
    // may reach this half-destroyed dialog.
    for (QObject* child : findChildren<QObject*>())
        QObject::disconnect(child, nullptr, this, nullptr);
    d->connections.disconnectAll();
    d->pendingRefresh.reset();
    d->pendingPickSelection.reset();
    d->destroyHeaders();
    d->destroySelectionModels();
    delete d->view;
    delete d->filter;
    d->modelTable->deleteAllModels();
    m_dialogInstance = nullptr;
}

ZoneStyleDialog& ZoneStyleDialog::getInstance(QWidget& parent, kestrix::dialogs::common::DialogInitialization_e init)
{
    if (!m_dialogInstance)
        m_dialogInstance = new ZoneStyleDialog(parent);
    if (init == kestrix::dialogs::common::DialogInitialization_SelectPickedObjects) {
        ZoneStyleDialog* dialog = m_dialogInstance;
        dialog->d->pendingPickSelection = std::make_unique<sdk::ui::common::OnIdleActionPerformerSingleShot>(
            [dialog] { dialog->d->selectPickedObjects(); });
    }
    return *m_dialogInstance;
}

std::shared_ptr<const kestrix::propertymanager::RelevanceInterface> ZoneStyleDialog::relevance()
{
    static const std::shared_ptr<const kestrix::propertymanager::RelevanceInterface> dataSetExists =
        std::make_shared<kestrix::propertymanager::DataSetExistsRelevance>(true);
    return dataSetExists;
}

void ZoneStyleDialog::setAvailableMappingStyleTabs(const std::set<MappingStyleTab_e>& tabs)
{
    m_availableMappingTabs = tabs;
    if (m_dialogInstance)
        m_dialogInstance->d->applyAvailableMappingTabs();
}

std::set<MappingStyleTab_e> ZoneStyleDialog::defaultAvailableMappingTabs()
{
    return {MappingStyleTab_Definitions, MappingStyleTab_Lines,     MappingStyleTab_Curves, MappingStyleTab_Symbols,
            MappingStyleTab_ErrorBars,   MappingStyleTab_Bars,      MappingStyleTab_Indices};
}

void ZoneStyleDialog::on_plotAttr_FD_PageGroup_currentChanged(int)
{
    if (d->ui.plotAttr_FD_PageGroup->currentWidget() == d->ui.plotAttr_FDScat_Page) {
        AppLock lock(ImplicitMacroRecording_Off);
        autoAssignScatterVariable();
    }
    d->setupTableView();
}

void ZoneStyleDialog::on_plotAttr_LP_PageGroup_currentChanged(int)
{
    d->setupTableView();
}

void ZoneStyleDialog::on_plotAttr_MaptoolsCreateMap_Button_clicked(bool)
{
    kestrix::dialogs::lineplot::LineMapCreateDialog::getInstance(this).launch();
}

void ZoneStyleDialog::on_plotAttr_MaptoolsCopyMap_Button_clicked(bool)
{
    const SelectedRows::Runs runs = d->selectedRuns();
    if (runs.isEmpty())
        return;
    AppLock lock(ImplicitMacroRecording_Off);
    UndoStateGuard undoStep(6);
    for (const SelectedRows::Run& run : runs) {
        for (int row = run.first; row <= run.last; ++row) {
            const int source = row + 1;
            // The host appends the new map. Its set is made first: were it made after the
            // map and came out empty, the name below would go to every map.
            const int copy = VexUtilLineMapGetCount() + 1;
            toolbox::Set copySet;
            copySet.add(copy);
            if (!copySet.contains(copy) || !VexUtilLineMapCreate())
                return;
            if (VexUtilLineMapCopy(source, copy)) {
                char* name = nullptr;
                if (VexUtilLineMapGetName(source, &name) && name) {
                    toolbox::CheckedStyleValue("LINEMAP", "NAME").set(name, &copySet);
                    VexUtilStringDealloc(&name);
                }
            } else {
                VexUtilLineMapDelete(copySet.getRef());
            }
        }
    }
}

void ZoneStyleDialog::on_plotAttr_MaptoolsDeleteMap_Button_clicked(bool)
{
    if (!d->currentModel || d->selectedRuns().isEmpty())
        return;
    // The question runs an event loop of its own, in which the frame may change and maps may
    // go: only the maps of this frame that are still selected and still exist are deleted.
    const models::EditTarget target(*d->currentModel, *d->view->selectionModel(), 0);
    QMessageBox question(
        QMessageBox::Warning, translated(QT_TRANSLATE_NOOP("ZoneStyle", "Linemap Delete")),
        translated(QT_TRANSLATE_NOOP("ZoneStyle", "Are you sure you want to \ndelete the selected mappings?")),
        QMessageBox::Ok | QMessageBox::Cancel, this);
    question.setObjectName(QStringLiteral("lineMapDeleteQuestion"));
    question.setDefaultButton(QMessageBox::Cancel);
    if (question.exec() != QMessageBox::Ok)
        return;
    const toolbox::Set maps = models::EditTarget::mapsOf(target.rowsToWrite());
    if (!maps.isEmpty())
        d->deleteLineMaps(maps);
}

void ZoneStyleDialog::on_plotAttr_MaptoolsMoveToTop_Button_clicked(bool)
{
    d->shiftSelectedLineMaps(VexUtilLineMapShiftToTop);
}

void ZoneStyleDialog::on_plotAttr_MaptoolsMoveToBottom_Button_clicked(bool)
{
    d->shiftSelectedLineMaps(VexUtilLineMapShiftToBottom);
}

void ZoneStyleDialog::selectionPatternChanged(const std::string& pattern, uicontrols::SelectOption_s option)
{
    if (!d->currentModel)
        return;
    QString expression = QString::fromStdString(pattern);
    int column = 2;
    Qt::MatchFlags flags = Qt::MatchFixedString;
    if (option == uicontrols::SelectOption_MatchNames) {
        column = 1;
        if (!expression.startsWith(QLatin1Char('^')))
            expression.prepend(QStringLiteral("^.*"));
        if (!expression.endsWith(QLatin1Char('$')))
            expression.append(QStringLiteral(".*$"));
        flags = Qt::MatchRegularExpression | Qt::MatchWrap;
        // A pattern that is not a regular expression selects nothing and leaves the selection alone.
        if (!pattern.empty() && !QRegularExpression(expression).isValid())
            return;
    }
    views::SelectionModelSignalSuspender suspender(*d->view, *d->filter);
    d->view->selectionModel()->clearSelection();
    if (pattern.empty())
        return;
    const QModelIndexList hits = d->currentModel->match(d->currentModel->index(0, column), Qt::DisplayRole,
                                                        expression, -1, flags);
    QVector<int> rows;
    rows.reserve(hits.size());
    for (const QModelIndex& hit : hits)
        rows.append(hit.row());
    const SelectedRows::Runs runs = SelectedRows::runsFromRows(rows);
    if (runs.isEmpty())
        return;
    d->selectRows(runs, SelectedRows::firstRow(runs));
}

void ZoneStyleDialog::headerSectionResized(int logicalIndex, int, int)
{
    d->view->storeColumnWidth(logicalIndex);
}

} // namespace kestrix::sdk::ui::dialogs
