#include "dialogs/zonestyle/intern/models/ModelAbstract.h"

#include "dialogs/uicontrols/SelectedRows.h"
#include "dialogs/zonestyle/intern/actions/Action.h"
#include "dialogs/zonestyle/intern/models/Enumeration.h"
#include "dialogs/zonestyle/intern/models/StyleColumnTable.h"

#include <kxsdkcommon/SdkCommon.h>
#include <kxsdkintegrationmanager/StateChange.h>
#include <kxsdkintegrationmanager/StateChangeEventObservable.h>
#include <kxtoolbox/FrameStyleValue.h>
#include <kxtoolbox/Set.h>
#include <kxtoolbox/StateChangeEventInterface.h>

#include <QColor>
#include <QCoreApplication>
#include <QItemSelectionModel>
#include <QSignalBlocker>

#include <algorithm>
#include <array>
#include <utility>

namespace kestrix::sdk::ui::dialogs::zonestyle::intern::models {

namespace {

QString multiColorText(int colorIndex)
{
    switch (colorIndex) {
    case -1: return QStringLiteral("MultiC1");
    case -3: return QStringLiteral("MultiC2");
    case -4: return QStringLiteral("MultiC3");
    case -5: return QStringLiteral("MultiC4");
    case -6: return QStringLiteral("RGB");
    case -7: return QStringLiteral("MultiC5");
    case -8: return QStringLiteral("MultiC6");
    case -9: return QStringLiteral("MultiC7");
    case -10: return QStringLiteral("MultiC8");
    default: return {};
    }
}

QString fromUtf8(const std::string& text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

} // namespace

ModelAbstract::ModelAbstract(ModelAbstract* subModel, const StyleColumnTable* columns)
    : uicontrols::ItemSubModelAbstract(subModel),
      m_frameId(VexUtilFrameGetUniqueID()),
      m_subModelAbstract(subModel),
      m_columns(columns)
{
    m_connections.add(sdk::integration::StateChangeEventObservable::getInstance().connect(
        [this](const toolbox::StateChangeEventInterface& event) { stateChanged(event); }));
}

ModelAbstract::~ModelAbstract() = default;

void ModelAbstract::stateChanged(const toolbox::StateChangeEventInterface& event)
{
    if (event.getStateChange() == StateChange_CurrentFrame)
        m_frameId = VexUtilFrameGetUniqueID();
}

int ModelAbstract::rowCount(const QModelIndex& parent) const
{
    if (parent.isValid())
        return 0;
    if (m_rowCount < 0)
        m_rowCount = std::max(0, mapCount());
    return m_rowCount;
}

void ModelAbstract::followFrame(UniqueID_t frameId)
{
    for (ModelAbstract* link = this; link; link = link->m_subModelAbstract)
        link->m_frameId = frameId;
}

void ModelAbstract::updateRowCount()
{
    const int announced = rowCount();
    const int now = std::max(0, mapCount());
    // The links behind this one are never shown on their own: they follow in silence, so
    // that this link does not pass their announcements on a second time.
    const auto updateSubModel = [this] {
        if (!m_subModelAbstract)
            return;
        const QSignalBlocker silence(m_subModelAbstract);
        m_subModelAbstract->updateRowCount();
    };
    if (now < announced) {
        beginRemoveRows(QModelIndex(), now, announced - 1);
        m_rowCount = now;
        updateSubModel();
        endRemoveRows();
    } else if (now > announced) {
        beginInsertRows(QModelIndex(), announced, now - 1);
        m_rowCount = now;
        updateSubModel();
        endInsertRows();
    } else {
        updateSubModel();
    }
}

// Every cell may have changed, rows keep their places and the columns stay. A layout change
// says so without touching editors that are open (a data change would reset them to the
// host's value). The vertical hint keeps it cheap for large selections: the selection model
// then keeps its selection by rows, not cell by cell.
void ModelAbstract::refresh()
{
    updateRowCount();
    emit layoutAboutToBeChanged({}, QAbstractItemModel::VerticalSortHint);
    emit layoutChanged({}, QAbstractItemModel::VerticalSortHint);
}

bool ModelAbstract::isEnabled(const QModelIndex& index) const
{
    if (!index.isValid())
        return false;
    if (isOwnColumn(index.column()))
        return ownIsEnabled(index);
    return m_subModelAbstract && m_subModelAbstract->isEnabled(subModelIndex(index));
}

QList<QAction*>* ModelAbstract::columnActions(QItemSelectionModel* selection, int column)
{
    if (column < 0)
        return nullptr;
    if (!isOwnColumn(column))
        return m_subModelAbstract ? m_subModelAbstract->columnActions(selection, column - ownColumns()) : nullptr;
    QList<QAction*>* menu = ownColumnActions(selection, column);
    // The menu's event loop runs state changes and selection changes: every action acts on
    // the rows that are still selected when it is chosen.
    if (menu) {
        for (QAction* action : *menu) {
            if (auto* styleAction = qobject_cast<actions::Action*>(action))
                styleAction->followSelection(selection);
        }
    }
    return menu;
}

int ModelAbstract::editorKind(int column) const
{
    if (column < 0)
        return 0;
    if (isOwnColumn(column))
        return ownEditorKind(column);
    return m_subModelAbstract ? m_subModelAbstract->editorKind(column - ownColumns()) : 0;
}

int ModelAbstract::editorParameter(int column) const
{
    if (column < 0)
        return 0;
    if (isOwnColumn(column))
        return ownEditorParameter(column);
    return m_subModelAbstract ? m_subModelAbstract->editorParameter(column - ownColumns()) : 0;
}

Qt::ItemFlags ModelAbstract::ownFlags(const QModelIndex& index) const
{
    Qt::ItemFlags flags = uicontrols::ItemSubModelAbstract::ownFlags(index);
    flags &= ~(Qt::ItemIsEditable | Qt::ItemIsUserCheckable);
    flags |= Qt::ItemIsSelectable | Qt::ItemIsEnabled;
    if (m_columns)
        flags |= m_columns->flags(index.column());
    return flags;
}

int ModelAbstract::ownColumnCount(const QModelIndex&) const
{
    return m_columns ? m_columns->count() : 0;
}

QVariant ModelAbstract::ownHeaderData(int section) const
{
    return QCoreApplication::translate("StyleColumn", m_columns->column(section).header);
}

QBrush ModelAbstract::ownHeaderBackground(int section) const
{
    return m_columns->column(section).group == HeaderGroup::Second ? secondGroupBrush() : firstGroupBrush();
}

QVariant ModelAbstract::ownData(const QModelIndex& index, int role) const
{
    const int column = index.column();
    const StyleColumn& definition = m_columns->column(column);
    // Only a list's text and the editors' choices need the choices, which may cost reads.
    const bool needsChoices = role == Qt::EditRole || (definition.kind == ColumnKind::List && role == Qt::DisplayRole);
    return m_columns->data(m_frameId, column, index.row() + 1, role, needsChoices ? columnChoices(column) : Choices());
}

bool ModelAbstract::ownSetData(const QModelIndexList& indexes, const QVariant& value, int role)
{
    if (!m_columns || indexes.isEmpty())
        return false;
    const int column = indexes.first().column();
    return m_columns->write(indexes, column, value, role, columnChoices(column));
}

QList<QAction*>* ModelAbstract::ownColumnActions(QItemSelectionModel* selection, int column)
{
    if (!m_columns || !selection)
        return nullptr;
    return m_columns->menu(selectedCells(*selection, column), column, columnChoices(column));
}

Choices ModelAbstract::columnChoices(int column) const
{
    return m_columns ? m_columns->choices(m_frameId, column) : Choices();
}

bool ModelAbstract::ownIsEnabled(const QModelIndex& index) const
{
    return mapIsActive(index.row());
}

bool ModelAbstract::showsLayer(int row, const char* layerKeyword) const
{
    return mapIsActive(row) && layerIsOn(layerKeyword) && isChecked(row, 0);
}

bool ModelAbstract::mapSettingIsOn(int row, const char* kw2, const char* kw3) const
{
    bool value = false;
    return toolbox::StyleValue::returnCodeOk(
               toolbox::FrameStyleValue(m_frameId, mapKeyword(), kw2, kw3).get(value, row + 1))
           && value;
}

std::optional<int> ModelAbstract::mapSetting(int row, const char* kw2, const char* kw3) const
{
    int value = 0;
    if (!toolbox::StyleValue::returnCodeOk(
            toolbox::FrameStyleValue(m_frameId, mapKeyword(), kw2, kw3).get(value, row + 1)))
        return std::nullopt;
    return value;
}

bool ModelAbstract::isChecked(int row, int column) const
{
    return m_columns->isChecked(m_frameId, column, row + 1);
}

std::optional<int> ModelAbstract::columnValue(int row, int column) const
{
    return m_columns->integer(m_frameId, column, row + 1);
}

QModelIndexList ModelAbstract::selectedCells(const QItemSelectionModel& selection, int column) const
{
    using uicontrols::SelectedRows;
    return SelectedRows::indexes(SelectedRows::clipped(SelectedRows::runs(selection), rowCount()), *this, column);
}

void* ModelAbstract::ownInternalPointer(int, int, const QModelIndex&) const
{
    return nullptr;
}

int ModelAbstract::ownEditorKind(int column) const
{
    return m_columns ? m_columns->column(column).editorKind : EditorKind_None;
}

int ModelAbstract::ownEditorParameter(int column) const
{
    return m_columns ? m_columns->column(column).editorParameter : 0;
}

const QBrush& ModelAbstract::staticAreaBrush()
{
    static const QBrush brush(QColor(QStringLiteral("#3A5A95")));
    return brush;
}

const QBrush& ModelAbstract::firstGroupBrush()
{
    static const QBrush brush(QColor(QStringLiteral("#1F731C")));
    return brush;
}

const QBrush& ModelAbstract::secondGroupBrush()
{
    static const QBrush brush(QColor(QStringLiteral("#C24809")));
    return brush;
}

QString ModelAbstract::indexText(int value)
{
    if (value < 0)
        return QStringLiteral("Mx%1").arg(value);
    if (value > 0)
        return QString::number(value);
    return QStringLiteral("Mx");
}

QString ModelAbstract::linePatternText(int value)
{
    return Enumeration::linePattern().text(value);
}

QString ModelAbstract::fillModeText(int value)
{
    return Enumeration::fillMode().text(value);
}

QString ModelAbstract::geomShapeText(int value)
{
    if (value == GeomShape_Invalid)
        return QCoreApplication::translate("StyleEnumeration", "Character");
    return Enumeration::geomShape().text(value);
}

QVariant ModelAbstract::getColorData(int map, const char* kw1, const char* kw2, const char* kw3) const
{
    return colorData(toolbox::FrameStyleValue(m_frameId, kw1, kw2, kw3), map);
}

QVariant ModelAbstract::colorData(const toolbox::StyleValue& value, int map)
{
    short colorIndex = 0;
    if (!toolbox::StyleValue::returnCodeOk(value.get(colorIndex, map)))
        return {};
    if (colorIndex >= 0 && colorIndex <= 63) {
        unsigned char red = 0;
        unsigned char green = 0;
        unsigned char blue = 0;
        if (!VexUtilColorMapGetBasicColorRGB(colorIndex, &red, &green, &blue))
            return {};
        return QColor(red, green, blue);
    }
    const QString text = multiColorText(colorIndex);
    return text.isEmpty() ? QVariant() : QVariant(text);
}

QString ModelAbstract::getIndexRangeText(int map, const char* kw1, const char* kw2, const char* kw3) const
{
    const toolbox::FrameStyleValue range(m_frameId, kw1, kw2, kw3);
    std::array<QString, 3> texts;
    const std::array<const char*, 3> members{"MIN", "MAX", "SKIP"};
    for (size_t i = 0; i < members.size(); ++i) {
        int value = 0;
        if (toolbox::StyleValue::returnCodeOk(toolbox::FrameStyleValue(range, members[i]).get(value, map)))
            texts[i] = indexText(value);
    }
    return QStringLiteral("%1,%2,%3").arg(texts[0], texts[1], texts[2]);
}

QString ModelAbstract::getSymbolShapeText(int map, const char* kw1, const char* kw2) const
{
    return symbolShapeText(m_frameId, map, kw1, kw2);
}

QString ModelAbstract::symbolShapeText(UniqueID_t frameId, int map, const char* kw1, const char* kw2)
{
    const toolbox::FrameStyleValue shape(frameId, kw1, kw2, "SYMBOLSHAPE");
    bool isAscii = false;
    if (toolbox::StyleValue::returnCodeOk(toolbox::FrameStyleValue(shape, "ISASCII").get(isAscii, map)) && isAscii) {
        std::string character;
        toolbox::FrameStyleValue(shape, "ASCIISHAPE", "ASCIICHAR").get(character, map);
        if (!character.empty() && character.front() == '\\')
            character.erase(0, 1);
        QString text = QLatin1Char('"') + fromUtf8(character) + QLatin1Char('"');
        bool useBaseFont = true;
        toolbox::FrameStyleValue(shape, "ASCIISHAPE", "USEBASEFONT").get(useBaseFont, map);
        if (!useBaseFont) {
            int font = Font_Invalid;
            toolbox::FrameStyleValue(shape, "ASCIISHAPE", "FONTOVERRIDE").get(font, map);
            if (font == Font_Greek)
                text += QCoreApplication::translate("StyleEnumeration", "(Greek)");
            else if (font == Font_Math)
                text += QCoreApplication::translate("StyleEnumeration", "(Math)");
            else if (font == Font_UserDefined)
                text += QCoreApplication::translate("StyleEnumeration", "(User)");
        }
        return text;
    }
    int geomShape = GeomShape_Invalid;
    if (!toolbox::StyleValue::returnCodeOk(toolbox::FrameStyleValue(shape, "GEOMSHAPE").get(geomShape, map)))
        return {};
    return geomShapeText(geomShape);
}

} // namespace kestrix::sdk::ui::dialogs::zonestyle::intern::models
