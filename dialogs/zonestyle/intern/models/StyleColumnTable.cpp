#include "dialogs/zonestyle/intern/models/StyleColumnTable.h"

#include "dialogs/zonestyle/intern/actions/CompanionStyleAction.h"
#include "dialogs/zonestyle/intern/actions/EnterASCIICharacterAction.h"
#include "dialogs/zonestyle/intern/actions/EnterThreeValueAction.h"
#include "dialogs/zonestyle/intern/actions/MenuBuilder.h"
#include "dialogs/zonestyle/intern/actions/SelectColorAction.h"
#include "dialogs/zonestyle/intern/actions/SkipAction.h"
#include "dialogs/zonestyle/intern/actions/StyleAction.h"
#include "dialogs/zonestyle/intern/actions/ThreeValueAction.h"
#include "dialogs/zonestyle/intern/actions/VariableSelectAction.h"
#include "dialogs/zonestyle/intern/actions/ZoneSelectAction.h"
#include "dialogs/zonestyle/intern/models/Enumeration.h"
#include "dialogs/zonestyle/intern/models/ModelAbstract.h"

#include <kxsdkcommon/SdkCommon.h>
#include <kxtoolbox/Set.h>

#include <QCoreApplication>
#include <QLocale>

#include <array>
#include <limits>

namespace kestrix::sdk::ui::dialogs::zonestyle::intern::models {

namespace {

QString translated(const char* text)
{
    return QCoreApplication::translate("StyleMenu", text);
}

const actions::ThreeValueAction::Keys SkipKeys{"I", "J", "K"};
const actions::ThreeValueAction::Keys RangeKeys{"MIN", "MAX", "SKIP"};

// A typed size: a number, in the C locale or the user's, with or without a percent sign.
std::optional<double> typedSize(const QString& text)
{
    QString number = text.trimmed();
    if (number.endsWith(QLatin1Char('%')))
        number.chop(1);
    number = number.trimmed();
    bool ok = false;
    double value = QLocale::c().toDouble(number, &ok);
    if (!ok)
        value = QLocale().toDouble(number, &ok);
    if (!ok)
        return std::nullopt;
    return value;
}

QString fromUtf8(const std::string& text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

Choices variableChoices(UniqueID_t frameId)
{
    Choices choices;
    const toolbox::Set variables = sdk::getEnabledVars();
    for (int var = variables.getNextMember(0); var != 0; var = variables.getNextMember(var))
        choices.append(Choice{fromUtf8(sdk::variableNameWithIndexFormattedForAliasesForFrame(frameId, var)), var});
    return choices;
}

Choices zoneChoices(UniqueID_t frameId)
{
    Choices choices;
    Set_pa zonesHandle = nullptr;
    if (!VexUtilZoneGetEnabled(&zonesHandle))
        return choices;
    const toolbox::Set zones(zonesHandle);
    for (int zone = zones.getNextMember(0); zone != 0; zone = zones.getNextMember(zone))
        choices.append(Choice{fromUtf8(sdk::zoneNameWithIndexFormattedForFrame(frameId, zone)), zone});
    return choices;
}

// Range members are stored relative to the last index when zero or negative ("Mx-1"): the
// prompt takes them as they are stored.
constexpr int RelativeIndexLimit = -std::numeric_limits<int>::max();

} // namespace

StyleColumnTable::StyleColumnTable(const char* mapKeyword, const char* layerKeyword, std::vector<StyleColumn> columns)
    : m_mapKeyword(mapKeyword),
      m_layerKeyword(layerKeyword),
      m_columns(std::move(columns))
{
}

const char* StyleColumnTable::layerOf(int column) const
{
    const char* layer = this->column(column).layer;
    return layer ? layer : m_layerKeyword;
}

actions::StyleKeywords StyleColumnTable::keywords(int column) const
{
    const StyleColumn& definition = this->column(column);
    return {m_mapKeyword, layerOf(column), definition.keyword, definition.subKeyword};
}

toolbox::FrameStyleValue StyleColumnTable::style(UniqueID_t frameId, int column) const
{
    const StyleColumn& definition = this->column(column);
    return toolbox::FrameStyleValue(frameId, m_mapKeyword, layerOf(column), definition.keyword, definition.subKeyword);
}

std::optional<int> StyleColumnTable::integer(UniqueID_t frameId, int column, int map) const
{
    int value = 0;
    if (!toolbox::StyleValue::returnCodeOk(style(frameId, column).get(value, map)))
        return std::nullopt;
    return value;
}

std::optional<double> StyleColumnTable::number(UniqueID_t frameId, int column, int map) const
{
    double value = 0.0;
    if (!toolbox::StyleValue::returnCodeOk(style(frameId, column).get(value, map)))
        return std::nullopt;
    return value;
}

bool StyleColumnTable::isChecked(UniqueID_t frameId, int column, int map) const
{
    bool value = false;
    return toolbox::StyleValue::returnCodeOk(style(frameId, column).get(value, map)) && value;
}

Choices StyleColumnTable::choices(UniqueID_t frameId, int column) const
{
    const StyleColumn& definition = this->column(column);
    switch (definition.kind) {
    case ColumnKind::List:
    case ColumnKind::SymbolShape:
        return definition.enumeration ? definition.enumeration->choices() : Choices();
    case ColumnKind::Size:
        return definition.size ? definition.size->presets() : Choices();
    case ColumnKind::Variable:
        return variableChoices(frameId);
    case ColumnKind::Zone:
        return zoneChoices(frameId);
    default:
        return {};
    }
}

Qt::ItemFlags StyleColumnTable::flags(int column) const
{
    switch (this->column(column).kind) {
    case ColumnKind::Boolean:
        return Qt::ItemIsUserCheckable;
    case ColumnKind::List:
    case ColumnKind::Size:
    case ColumnKind::SymbolShape:
    case ColumnKind::Variable:
    case ColumnKind::Zone:
        return Qt::ItemIsEditable;
    default:
        return Qt::NoItemFlags;
    }
}

QVariant StyleColumnTable::data(UniqueID_t frameId, int column, int map, int role, const Choices& choices) const
{
    switch (this->column(column).kind) {
    case ColumnKind::Boolean: {
        if (role != Qt::CheckStateRole)
            return {};
        bool value = false;
        if (!toolbox::StyleValue::returnCodeOk(style(frameId, column).get(value, map)))
            return {};
        return static_cast<int>(value ? Qt::Checked : Qt::Unchecked);
    }
    case ColumnKind::List:
    case ColumnKind::SymbolShape:
    case ColumnKind::Variable:
    case ColumnKind::Zone: {
        if (role == Qt::EditRole)
            return choiceTexts(choices);
        if (role != Qt::DisplayRole && role != Qt::UserRole)
            return {};
        const std::optional<int> value = integer(frameId, column, map);
        if (!value)
            return {};
        if (role == Qt::UserRole)
            return *value;
        return valueText(frameId, column, map, *value, choices);
    }
    case ColumnKind::Skip:
        return role == Qt::DisplayRole ? skipText(frameId, column, map) : QVariant();
    case ColumnKind::Text:
        return {};
    case ColumnKind::Color:
        if (role != Qt::DisplayRole && role != Qt::EditRole)
            return {};
        return ModelAbstract::colorData(style(frameId, column), map);
    case ColumnKind::Size:
        if (role == Qt::EditRole)
            return choiceTexts(choices);
        return role == Qt::DisplayRole ? sizeText(frameId, column, map) : QVariant();
    case ColumnKind::IndexSkip:
    case ColumnKind::IndexRange:
        return role == Qt::DisplayRole ? threeValueText(frameId, column, map) : QVariant();
    }
    return {};
}

// The variable and zone columns name the value itself: the lists of all enabled ones are
// made only for editing.
QVariant StyleColumnTable::valueText(UniqueID_t frameId, int column, int map, int value, const Choices& choices) const
{
    switch (this->column(column).kind) {
    case ColumnKind::SymbolShape:
        return ModelAbstract::symbolShapeText(frameId, map, m_mapKeyword, layerOf(column));
    case ColumnKind::Variable:
        return fromUtf8(sdk::variableNameWithIndexFormattedForAliasesForFrame(frameId, value));
    case ColumnKind::Zone:
        return fromUtf8(sdk::zoneNameWithIndexFormattedForFrame(frameId, value));
    default:
        return choiceText(choices, value);
    }
}

// By index, 1 (and 0, which is taken as 1) draws every point; by distance, 0 does.
QVariant StyleColumnTable::skipText(UniqueID_t frameId, int column, int map) const
{
    const std::optional<double> skipping = number(frameId, column, map);
    if (!skipping)
        return {};
    int mode = SkipMode_ByIndex;
    toolbox::FrameStyleValue(frameId, m_mapKeyword, layerOf(column), "SKIPMODE").get(mode, map);
    const QString drawAll = QCoreApplication::translate("StyleColumn", "Draw all");
    if (mode == SkipMode_ByFrameUnits)
        return *skipping == 0.0 ? drawAll
                                : QCoreApplication::translate("StyleColumn", "D=%1%").arg(QString::number(*skipping));
    return *skipping == 1.0 || *skipping == 0.0
               ? drawAll
               : QCoreApplication::translate("StyleColumn", "I=%1").arg(QString::number(*skipping));
}

QVariant StyleColumnTable::sizeText(UniqueID_t frameId, int column, int map) const
{
    const std::optional<double> value = number(frameId, column, map);
    if (!value)
        return {};
    return QString::asprintf("%.2f%%", *value);
}

QVariant StyleColumnTable::threeValueText(UniqueID_t frameId, int column, int map) const
{
    const bool isRange = this->column(column).kind == ColumnKind::IndexRange;
    const actions::ThreeValueAction::Keys& keys = isRange ? RangeKeys : SkipKeys;
    std::array<QString, 3> texts;
    for (size_t i = 0; i < keys.size(); ++i) {
        int value = 0;
        if (toolbox::StyleValue::returnCodeOk(
                toolbox::FrameStyleValue(style(frameId, column), keys[i]).get(value, map)))
            texts[i] = isRange ? ModelAbstract::indexText(value) : QString::number(value);
    }
    return QStringLiteral("%1,%2,%3").arg(texts[0], texts[1], texts[2]);
}

bool StyleColumnTable::write(const QModelIndexList& cells, int column, const QVariant& value, int role,
                             const Choices& choices) const
{
    const actions::StyleKeywords path = keywords(column);
    switch (this->column(column).kind) {
    case ColumnKind::Boolean:
        actions::StyleAction<char>(QString(), cells, nullptr, value.toInt() == Qt::Checked ? 1 : 0, path.kw1, path.kw2,
                                   path.kw3, path.kw4)
            .trigger();
        return true;
    case ColumnKind::List:
    case ColumnKind::SymbolShape:
    case ColumnKind::Variable:
    case ColumnKind::Zone: {
        if (role != Qt::EditRole)
            return false;
        const std::optional<QVariant> chosen = chosenValue(choices, value);
        if (!chosen)
            return false;
        if (this->column(column).kind == ColumnKind::SymbolShape)
            actions::CompanionStyleAction(QString(), cells, nullptr, chosen->toInt(), path, 0, characterSwitch(column))
                .trigger();
        else
            actions::StyleAction<int>(QString(), cells, nullptr, chosen->toInt(), path.kw1, path.kw2, path.kw3,
                                      path.kw4)
                .trigger();
        return true;
    }
    case ColumnKind::Size:
        return role == Qt::EditRole && writeSize(cells, column, value, choices);
    default:
        return false;
    }
}

// A preset chosen in a popup comes as its position, a typed size as text; a size outside the
// limits of the column's "Enter..." prompt writes nothing.
bool StyleColumnTable::writeSize(const QModelIndexList& cells, int column, const QVariant& value,
                                 const Choices& choices) const
{
    std::optional<double> size;
    if (value.typeId() == QMetaType::Int) {
        if (const std::optional<QVariant> preset = chosenValue(choices, value))
            size = preset->toDouble();
    } else {
        size = typedSize(value.toString());
    }
    const SizeLimits& limits = *this->column(column).size;
    if (!size || *size < limits.minimum || *size > limits.maximum)
        return false;
    const actions::StyleKeywords path = keywords(column);
    actions::StyleAction<double>(QString(), cells, nullptr, *size, path.kw1, path.kw2, path.kw3, path.kw4).trigger();
    return true;
}

QList<QAction*>* StyleColumnTable::menu(const QModelIndexList& cells, int column, const Choices& choices) const
{
    const actions::StyleKeywords path = keywords(column);
    switch (this->column(column).kind) {
    case ColumnKind::Boolean:
        return actions::MenuBuilder::yesNo(cells, path);
    case ColumnKind::List:
        return actions::MenuBuilder::choices(cells, choices, path);
    case ColumnKind::Color:
        actions::SelectColorAction(translated(QT_TRANSLATE_NOOP("StyleMenu", "Select Color")), cells, nullptr, path.kw1,
                                   path.kw2, path.kw3)
            .trigger();
        return nullptr;
    case ColumnKind::Size:
        return actions::MenuBuilder::sizes(cells, *this->column(column).size, path);
    case ColumnKind::IndexSkip: {
        auto* menu = new QList<QAction*>();
        new actions::ThreeValueAction(translated(QT_TRANSLATE_NOOP("StyleMenu", "No skip")), cells, menu, {1, 1, 1},
                                      SkipKeys, path);
        const actions::EnterThreeValueAction::Prompt prompt{
            translated(QT_TRANSLATE_NOOP("StyleMenu", "Enter Index Skipping")),
            QString(),
            {translated(QT_TRANSLATE_NOOP("StyleMenu", "&I skip")),
             translated(QT_TRANSLATE_NOOP("StyleMenu", "&J skip")),
             translated(QT_TRANSLATE_NOOP("StyleMenu", "&K skip"))},
            {1, 1, 1}};
        new actions::EnterThreeValueAction(translated(QT_TRANSLATE_NOOP("StyleMenu", "Enter skip...")), cells, menu,
                                           prompt, SkipKeys, path);
        return menu;
    }
    case ColumnKind::IndexRange: {
        auto* menu = new QList<QAction*>();
        const actions::EnterThreeValueAction::Prompt prompt{translated(QT_TRANSLATE_NOOP("StyleMenu", "Enter Range")),
                                                            QString(),
                                                            {translated(QT_TRANSLATE_NOOP("StyleMenu", "&Begin")),
                                                             translated(QT_TRANSLATE_NOOP("StyleMenu", "&End")),
                                                             translated(QT_TRANSLATE_NOOP("StyleMenu", "&Skip"))},
                                                            {RelativeIndexLimit, RelativeIndexLimit, 0}};
        new actions::EnterThreeValueAction(translated(QT_TRANSLATE_NOOP("StyleMenu", "Enter range...")), cells, menu,
                                           prompt, RangeKeys, path);
        return menu;
    }
    case ColumnKind::SymbolShape: {
        auto* menu = new QList<QAction*>();
        for (const Choice& shape : choices)
            new actions::CompanionStyleAction(shape.text, cells, menu, shape.value.toInt(), path, 0,
                                              characterSwitch(column));
        actions::MenuBuilder::appendSeparator(*menu);
        new actions::EnterASCIICharacterAction(m_mapKeyword, layerOf(column), cells, menu);
        return menu;
    }
    case ColumnKind::Skip:
        return skipMenu(cells, column);
    case ColumnKind::Variable: {
        auto* menu = new QList<QAction*>();
        const QString question = translated(QT_TRANSLATE_NOOP("StyleMenu", "Choose the variable"));
        new actions::VariableSelectAction(translated(QT_TRANSLATE_NOOP("StyleMenu", "Select Variable...")), cells,
                                          menu, question, question, path.kw2, path.kw3);
        return menu;
    }
    case ColumnKind::Zone: {
        auto* menu = new QList<QAction*>();
        new actions::ZoneSelectAction(cells, menu);
        return menu;
    }
    case ColumnKind::Text:
        return nullptr;
    }
    return nullptr;
}

// A geometric shape is shown only while the symbol is not a character.
actions::StyleKeywords StyleColumnTable::characterSwitch(int column) const
{
    return {m_mapKeyword, layerOf(column), "SYMBOLSHAPE", "ISASCII"};
}

QList<QAction*>* StyleColumnTable::skipMenu(const QModelIndexList& cells, int column) const
{
    using actions::SkipAction;
    const char* layer = layerOf(column);
    auto* menu = new QList<QAction*>();
    new SkipAction(translated(QT_TRANSLATE_NOOP("StyleMenu", "Draw all")), cells, menu, layer, 1.0,
                   SkipAction::Mode_DrawAll);
    actions::MenuBuilder::appendSeparator(*menu);
    for (int skip = 2; skip <= 4; ++skip)
        new SkipAction(translated(QT_TRANSLATE_NOOP("StyleMenu", "I skip=%1")).arg(skip), cells, menu, layer, skip,
                       SkipAction::Mode_ByIndex);
    actions::MenuBuilder::appendSeparator(*menu);
    for (int distance = 1; distance <= 3; ++distance)
        new SkipAction(translated(QT_TRANSLATE_NOOP("StyleMenu", "Distance=%1")).arg(distance), cells, menu, layer,
                       distance, SkipAction::Mode_ByDistance);
    actions::MenuBuilder::appendSeparator(*menu);
    new SkipAction(translated(QT_TRANSLATE_NOOP("StyleMenu", "Enter index...")), cells, menu, layer, 0.0,
                   SkipAction::Mode_EnterIndex);
    new SkipAction(translated(QT_TRANSLATE_NOOP("StyleMenu", "Enter distance...")), cells, menu, layer, 0.0,
                   SkipAction::Mode_EnterDistance);
    return menu;
}

} // namespace kestrix::sdk::ui::dialogs::zonestyle::intern::models
