#include "dialogs/zonestyle/intern/models/LineErrorBarsModel.h"

#include "dialogs/zonestyle/intern/actions/VariableSelectAction.h"
#include "dialogs/zonestyle/intern/models/Enumeration.h"
#include "dialogs/zonestyle/intern/models/StyleColumnTable.h"

#include <kxsdkcommon/SdkCommon.h>

#include <QCoreApplication>
#include <QItemSelectionModel>

namespace kestrix::sdk::ui::dialogs::zonestyle::intern::models {

LineErrorBarsModel::LineErrorBarsModel(ModelAbstract* subModel)
    : LineLayerModelAbstract(subModel, columns(), "SHOWERRORBARS")
{
}

const StyleColumnTable& LineErrorBarsModel::columns()
{
    static const StyleColumnTable table(
        "LINEMAP", "ERRORBARS",
        {StyleColumn::boolean(QT_TRANSLATE_NOOP("StyleColumn", "Show\nError Bars"), "SHOW"),
         StyleColumn::variable(QT_TRANSLATE_NOOP("StyleColumn", "Error Bar\nVariable"), "VAR"),
         StyleColumn::list(QT_TRANSLATE_NOOP("StyleColumn", "Error Bar\nType"), "BARTYPE", Enumeration::errorBar()),
         StyleColumn::skip(QT_TRANSLATE_NOOP("StyleColumn", "Error Bar\nSpacing")),
         StyleColumn::color(QT_TRANSLATE_NOOP("StyleColumn", "Error Bar\nColor"), "COLOR"),
         StyleColumn::sizeOf(QT_TRANSLATE_NOOP("StyleColumn", "Error Bar\nSize"), "SIZE", SizeLimits::errorBarSize()),
         StyleColumn::sizeOf(QT_TRANSLATE_NOOP("StyleColumn", "Line\nThickness"), "LINETHICKNESS",
                             SizeLimits::lineThickness())
             .inSecondGroup()});
    return table;
}

QVariant LineErrorBarsModel::ownData(const QModelIndex& index, int role) const
{
    if (role != Qt::DisplayRole || index.column() != Column_Variable)
        return LineLayerModelAbstract::ownData(index, role);
    const std::optional<int> variable = columnValue(index.row(), Column_Variable);
    if (!variable)
        return {};
    const std::string name =
        *variable > 0 ? sdk::variableNameFormattedForAliasesForFrame(frameId(), *variable) : std::string();
    return name.empty() ? tr("<Undef>") : QString::fromStdString(name);
}

bool LineErrorBarsModel::ownSetData(const QModelIndexList& indexes, const QVariant& value, int role)
{
    if (indexes.isEmpty() || indexes.first().column() != Column_Show)
        return LineLayerModelAbstract::ownSetData(indexes, value, role);
    if (role != Qt::CheckStateRole)
        return false;
    ShowAction(QString(), indexes, nullptr, value.toInt() == Qt::Checked ? 1 : 0).trigger();
    return true;
}

QList<QAction*>* LineErrorBarsModel::ownColumnActions(QItemSelectionModel* selection, int column)
{
    if (!selection || (column != Column_Show && column != Column_Variable))
        return LineLayerModelAbstract::ownColumnActions(selection, column);
    const QModelIndexList cells = selectedCells(*selection, column);
    auto* menu = new QList<QAction*>();
    if (column == Column_Show) {
        new ShowAction(QCoreApplication::translate("StyleMenu", "Yes"), cells, menu, 1);
        new ShowAction(QCoreApplication::translate("StyleMenu", "No"), cells, menu, 0);
        return menu;
    }
    const QString question = QCoreApplication::translate("StyleMenu", "Select the error bar variable");
    menu->append(new actions::VariableSelectAction(QCoreApplication::translate("StyleMenu", "Select Variable..."),
                                                   cells, question, question));
    return menu;
}

} // namespace kestrix::sdk::ui::dialogs::zonestyle::intern::models
