#include "dialogs/zonestyle/intern/models/StyleColumnTable.h"

#include "dialogs/zonestyle/intern/actions/EnterThreeValueAction.h"
#include "dialogs/zonestyle/intern/actions/MenuBuilder.h"
#include "dialogs/zonestyle/intern/actions/SelectColorAction.h"
#include "dialogs/zonestyle/intern/actions/StyleAction.h"
#include "dialogs/zonestyle/intern/actions/ThreeValueAction.h"
#include "dialogs/zonestyle/intern/models/Enumeration.h"
#include "dialogs/zonestyle/intern/models/ModelAbstract.h"

#include <QCoreApplication>
#include <QLocale>

#include <array>

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

} // namespace

StyleColumnTable::StyleColumnTable(const char* mapKeyword, const char* layerKeyword, std::vector<StyleColumn> columns)
    : m_mapKeyword(mapKeyword),
      m_layerKeyword(layerKeyword),
      m_columns(std::move(columns))
{
}

actions::StyleKeywords StyleColumnTable::keywords(int column) const
{
    const StyleColumn& definition = this->column(column);
    return {m_mapKeyword, m_layerKeyword, definition.keyword, definition.subKeyword};
}

toolbox::FrameStyleValue StyleColumnTable::style(UniqueID_t frameId, int column) const
{
    const StyleColumn& definition = this->column(column);
    return toolbox::FrameStyleValue(frameId, m_mapKeyword, m_layerKeyword, definition.keyword, definition.subKeyword);
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

Choices StyleColumnTable::choices(int column) const
{
    const StyleColumn& definition = this->column(column);
    if (definition.kind == ColumnKind::List && definition.enumeration)
        return definition.enumeration->choices();
    if (definition.kind == ColumnKind::Size && definition.size)
        return definition.size->presets();
    return {};
}

Qt::ItemFlags StyleColumnTable::flags(int column) const
{
    switch (this->column(column).kind) {
    case ColumnKind::Boolean:
        return Qt::ItemIsUserCheckable;
    case ColumnKind::List:
    case ColumnKind::Size:
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
    case ColumnKind::List: {
        if (role == Qt::EditRole)
            return choiceTexts(choices);
        if (role != Qt::DisplayRole && role != Qt::UserRole)
            return {};
        const std::optional<int> value = integer(frameId, column, map);
        if (!value)
            return {};
        return role == Qt::UserRole ? QVariant(*value) : QVariant(choiceText(choices, *value));
    }
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
    case ColumnKind::List: {
        if (role != Qt::EditRole)
            return false;
        const std::optional<QVariant> chosen = chosenValue(choices, value);
        if (!chosen)
            return false;
        actions::StyleAction<int>(QString(), cells, nullptr, chosen->toInt(), path.kw1, path.kw2, path.kw3, path.kw4)
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
                                                            {0, 0, 0}};
        new actions::EnterThreeValueAction(translated(QT_TRANSLATE_NOOP("StyleMenu", "Enter range...")), cells, menu,
                                           prompt, RangeKeys, path);
        return menu;
    }
    }
    return nullptr;
}

} // namespace kestrix::sdk::ui::dialogs::zonestyle::intern::models
