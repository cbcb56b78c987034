#include "FramesPanel.h"

#include "hostsim/Host.h"

#include <kxsdkbase/Enumerations.h>
#include <kxsdkintegrationmanager/StateChangeEventObservable.h>

#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QSignalBlocker>
#include <QTimer>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <boost/signals2/connection.hpp>

namespace kestrix::workbench {

namespace {

enum FrameColumn {
    FrameColumn_Name,
    FrameColumn_PlotType,
    FrameColumn_Zones,
    FrameColumn_Variables,
    FrameColumn_FieldMaps,
    FrameColumn_LineMaps,
    FrameColumn_Count
};

QString plotTypeName(int plotType)
{
    switch (plotType) {
    case PlotType_Automatic:
        return FramesPanel::tr("Automatic");
    case PlotType_Cartesian3D:
        return FramesPanel::tr("3D Cartesian");
    case PlotType_Cartesian2D:
        return FramesPanel::tr("2D Cartesian");
    case PlotType_XYLine:
        return FramesPanel::tr("XY Line");
    case PlotType_Sketch:
        return FramesPanel::tr("Sketch");
    case PlotType_PolarLine:
        return FramesPanel::tr("Polar Line");
    default:
        return FramesPanel::tr("Unknown (%1)").arg(plotType);
    }
}

QLabel* makeValueLabel(QWidget* parent, const QString& objectName)
{
    auto* label = new QLabel(parent);
    label->setObjectName(objectName);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    return label;
}

} // namespace

class FramesPanel::Private {
public:
    QComboBox* pageComboBox = nullptr;
    QTreeWidget* framesTree = nullptr;
    QLabel* nameLabel = nullptr;
    QLabel* plotTypeLabel = nullptr;
    QLabel* zonesLabel = nullptr;
    QLabel* variablesLabel = nullptr;
    QLabel* fieldMapsLabel = nullptr;
    QLabel* lineMapsLabel = nullptr;
    // Refreshes wait for the event loop: a state change may arrive while the tree itself is
    // emitting (choosing a frame notifies at once), and bursts of changes need one refresh.
    QTimer refreshTimer;
    boost::signals2::scoped_connection stateChangeConnection;
};

FramesPanel::FramesPanel(QWidget* parent)
    : QWidget(parent)
    , d(std::make_unique<Private>())
{
    auto* pageLabel = new QLabel(tr("&Page:"), this);
    d->pageComboBox = new QComboBox(this);
    d->pageComboBox->setObjectName(QStringLiteral("workbench_Page_CmbBox"));
    pageLabel->setBuddy(d->pageComboBox);

    d->framesTree = new QTreeWidget(this);
    d->framesTree->setObjectName(QStringLiteral("workbench_Frames_Tree"));
    d->framesTree->setRootIsDecorated(false);
    d->framesTree->setUniformRowHeights(true);
    d->framesTree->setAlternatingRowColors(true);
    d->framesTree->setSelectionMode(QAbstractItemView::SingleSelection);
    d->framesTree->setColumnCount(FrameColumn_Count);
    d->framesTree->setHeaderLabels(
        {tr("Frame"), tr("Plot Type"), tr("Zones"), tr("Variables"), tr("Field Maps"), tr("Line Maps")});
    d->framesTree->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    d->framesTree->header()->setSectionResizeMode(FrameColumn_Name, QHeaderView::Stretch);
    d->framesTree->header()->setStretchLastSection(false);

    auto* currentFrameBox = new QGroupBox(tr("Current Frame"), this);
    auto* form = new QFormLayout(currentFrameBox);
    d->nameLabel = makeValueLabel(currentFrameBox, QStringLiteral("workbench_FrameName_Label"));
    d->plotTypeLabel = makeValueLabel(currentFrameBox, QStringLiteral("workbench_PlotType_Label"));
    d->zonesLabel = makeValueLabel(currentFrameBox, QStringLiteral("workbench_Zones_Label"));
    d->variablesLabel = makeValueLabel(currentFrameBox, QStringLiteral("workbench_Variables_Label"));
    d->fieldMapsLabel = makeValueLabel(currentFrameBox, QStringLiteral("workbench_FieldMaps_Label"));
    d->lineMapsLabel = makeValueLabel(currentFrameBox, QStringLiteral("workbench_LineMaps_Label"));
    form->addRow(tr("Name:"), d->nameLabel);
    form->addRow(tr("Plot type:"), d->plotTypeLabel);
    form->addRow(tr("Zones:"), d->zonesLabel);
    form->addRow(tr("Variables:"), d->variablesLabel);
    form->addRow(tr("Field maps:"), d->fieldMapsLabel);
    form->addRow(tr("Line maps:"), d->lineMapsLabel);

    auto* pageRow = new QHBoxLayout;
    pageRow->addWidget(pageLabel);
    pageRow->addWidget(d->pageComboBox);
    pageRow->addStretch();

    auto* framesColumn = new QVBoxLayout;
    framesColumn->addLayout(pageRow);
    framesColumn->addWidget(d->framesTree);

    auto* detailsColumn = new QVBoxLayout;
    detailsColumn->addWidget(currentFrameBox);
    detailsColumn->addStretch();

    auto* layout = new QHBoxLayout(this);
    layout->addLayout(framesColumn, 1);
    layout->addLayout(detailsColumn);

    d->refreshTimer.setSingleShot(true);
    d->refreshTimer.setInterval(0);
    connect(&d->refreshTimer, &QTimer::timeout, this, &FramesPanel::refresh);
    connect(d->framesTree, &QTreeWidget::currentItemChanged, this, &FramesPanel::chooseFrame);
    connect(d->pageComboBox, qOverload<int>(&QComboBox::activated), this, &FramesPanel::choosePage);
    connect(&hostsim::Host::instance(), &hostsim::Host::sceneChanged, this, &FramesPanel::scheduleRefresh);
    d->stateChangeConnection = sdk::integration::StateChangeEventObservable::getInstance().connect(
        [this](const toolbox::StateChangeEventInterface&) { scheduleRefresh(); });

    refresh();
}

FramesPanel::~FramesPanel() = default;

void FramesPanel::refresh()
{
    d->refreshTimer.stop();
    const hostsim::Host& host = hostsim::Host::instance();

    {
        const QSignalBlocker blocker(d->pageComboBox);
        d->pageComboBox->clear();
        for (int page = 1; page <= host.pageCount(); ++page)
            d->pageComboBox->addItem(tr("Page %1 of %2").arg(page).arg(host.pageCount()));
        d->pageComboBox->setCurrentIndex(host.currentPage() - 1);
        d->pageComboBox->setEnabled(host.pageCount() > 1);
    }

    const QList<hostsim::Host::FrameInfo> frames = host.framesOfCurrentPage();
    const int currentFrame = host.currentFrame();
    const QSignalBlocker blocker(d->framesTree);
    d->framesTree->clear();
    QList<QTreeWidgetItem*> items;
    items.reserve(frames.size());
    for (const hostsim::Host::FrameInfo& frame : frames) {
        auto* item = new QTreeWidgetItem;
        item->setText(FrameColumn_Name, frame.name);
        item->setText(FrameColumn_PlotType, plotTypeName(frame.plotType));
        item->setText(FrameColumn_Zones, QString::number(frame.zoneCount));
        item->setText(FrameColumn_Variables, QString::number(frame.variableCount));
        item->setText(FrameColumn_FieldMaps, QString::number(frame.fieldMapCount));
        item->setText(FrameColumn_LineMaps, QString::number(frame.lineMapCount));
        for (int column = FrameColumn_Zones; column < FrameColumn_Count; ++column)
            item->setTextAlignment(column, Qt::AlignRight | Qt::AlignVCenter);
        items.append(item);
    }
    d->framesTree->addTopLevelItems(items);

    const bool hasCurrentFrame = currentFrame >= 1 && currentFrame <= frames.size();
    if (!hasCurrentFrame) {
        for (QLabel* label : {d->nameLabel, d->plotTypeLabel, d->zonesLabel, d->variablesLabel, d->fieldMapsLabel,
                              d->lineMapsLabel})
            label->setText(tr("-"));
        return;
    }
    QTreeWidgetItem* currentItem = items.at(currentFrame - 1);
    QFont boldFont = currentItem->font(FrameColumn_Name);
    boldFont.setBold(true);
    currentItem->setFont(FrameColumn_Name, boldFont);
    d->framesTree->setCurrentItem(currentItem);

    const hostsim::Host::FrameInfo& frame = frames.at(currentFrame - 1);
    d->nameLabel->setText(frame.name);
    d->plotTypeLabel->setText(plotTypeName(frame.plotType));
    d->zonesLabel->setText(QString::number(frame.zoneCount));
    d->variablesLabel->setText(QString::number(frame.variableCount));
    d->fieldMapsLabel->setText(QString::number(frame.fieldMapCount));
    d->lineMapsLabel->setText(QString::number(frame.lineMapCount));
}

void FramesPanel::scheduleRefresh()
{
    d->refreshTimer.start();
}

void FramesPanel::chooseFrame()
{
    QTreeWidgetItem* item = d->framesTree->currentItem();
    if (!item)
        return;
    const int frame = d->framesTree->indexOfTopLevelItem(item) + 1;
    hostsim::Host& host = hostsim::Host::instance();
    if (frame != host.currentFrame())
        host.setCurrentFrame(frame);
    scheduleRefresh();
}

void FramesPanel::choosePage(int index)
{
    hostsim::Host& host = hostsim::Host::instance();
    if (index + 1 != host.currentPage())
        host.setCurrentPage(index + 1);
    scheduleRefresh();
}

} // namespace kestrix::workbench
