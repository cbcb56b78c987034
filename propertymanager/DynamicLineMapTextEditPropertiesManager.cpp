#include "propertymanager/DynamicLineMapTextEditPropertiesManager.h"

#include <QCoreApplication>
#include <QString>

#include <algorithm>
#include <array>

namespace kestrix::sdk::ui::propertymanager {

namespace {

using CodeEntry = DynamicLineMapTextEditPropertiesManager::CodeListModel::Entry;

// The list model refers to this table without copying it, so it lives for the process.
const std::array<CodeEntry, 9>& codeTable()
{
    static const std::array<CodeEntry, 9> table{{
        {QT_TRANSLATE_NOOP("DynamicLineMapTextEdit", "Zone name"), "&ZN&"},
        {QT_TRANSLATE_NOOP("DynamicLineMapTextEdit", "Zone number"), "&Z#&"},
        {QT_TRANSLATE_NOOP("DynamicLineMapTextEdit", "Dependent variable name"), "&DV&"},
        {QT_TRANSLATE_NOOP("DynamicLineMapTextEdit", "Dependent variable number"), "&D#&"},
        {QT_TRANSLATE_NOOP("DynamicLineMapTextEdit", "Independent variable name"), "&IV&"},
        {QT_TRANSLATE_NOOP("DynamicLineMapTextEdit", "Independent variable number"), "&I#&"},
        {QT_TRANSLATE_NOOP("DynamicLineMapTextEdit", "Map number"), "&M#&"},
        {QT_TRANSLATE_NOOP("DynamicLineMapTextEdit", "X-Axis number"), "&X#&"},
        {QT_TRANSLATE_NOOP("DynamicLineMapTextEdit", "Y-Axis number"), "&Y#&"},
    }};
    return table;
}

// The table holds the display texts as written; the list shows them translated in the
// editor's context, so that a translator installed later still applies.
class TranslatedCodeListModel : public DynamicLineMapTextEditPropertiesManager::CodeListModel {
public:
    using PremappedListModel::PremappedListModel;

    std::string getStr(int index) const override
    {
        return QCoreApplication::translate("DynamicLineMapTextEdit", PremappedListModel::getStr(index).c_str())
            .toStdString();
    }
};

} // namespace

DynamicLineMapTextEditPropertiesManager::DynamicLineMapTextEditPropertiesManager(const std::string& text)
    : m_text(std::make_shared<Property<std::string>>(text)),
      m_selectionStart(std::make_shared<Property<int>>(0)),
      m_selectionLength(std::make_shared<Property<int>>(0)),
      m_selectedCodes(std::make_shared<Property<std::set<std::string>>>()),
      m_codeList(std::make_shared<TranslatedCodeListModel>(codeTable().data(), static_cast<int>(codeTable().size())))
{
}

DynamicLineMapTextEditPropertiesManager::~DynamicLineMapTextEditPropertiesManager() = default;

std::shared_ptr<Property<std::string>> DynamicLineMapTextEditPropertiesManager::text() const
{
    return m_text;
}

std::shared_ptr<Property<int>> DynamicLineMapTextEditPropertiesManager::selectionStart() const
{
    return m_selectionStart;
}

std::shared_ptr<Property<int>> DynamicLineMapTextEditPropertiesManager::selectionLength() const
{
    return m_selectionLength;
}

std::shared_ptr<Property<std::set<std::string>>> DynamicLineMapTextEditPropertiesManager::selectedCodes() const
{
    return m_selectedCodes;
}

std::shared_ptr<DynamicLineMapTextEditPropertiesManager::CodeListModel>
DynamicLineMapTextEditPropertiesManager::codeList() const
{
    return m_codeList;
}

// The positions are those of the line edit, which counts in QString units; counting bytes of
// the UTF-8 text would cut names such as "Δp über Zone 2" apart. A position left over from
// an older text is brought back into the text rather than trusted, and off the middle of a
// character that takes two units, whose half left alone would turn into a replacement character.
bool DynamicLineMapTextEditPropertiesManager::insertCode()
{
    const std::set<std::string> codes = m_selectedCodes->value();
    if (codes.empty())
        return false;
    const QString code = QString::fromStdString(*codes.begin());
    QString text = QString::fromStdString(m_text->value());
    const auto onCharacterBoundary = [&text](qsizetype position) {
        const bool splitsPair = position > 0 && position < text.size() && text.at(position).isLowSurrogate()
                                && text.at(position - 1).isHighSurrogate();
        return splitsPair ? position - 1 : position;
    };
    const qsizetype begin = std::clamp<qsizetype>(m_selectionStart->value(), 0, text.size());
    const qsizetype start = onCharacterBoundary(begin);
    const qsizetype end =
        onCharacterBoundary(std::clamp<qsizetype>(begin + qsizetype(m_selectionLength->value()), begin, text.size()));
    text.replace(start, end - start, code);
    m_text->setValue(text.toStdString());
    m_selectionStart->setValue(static_cast<int>(start + code.size()));
    m_selectionLength->setValue(0);
    return true;
}

} // namespace kestrix::sdk::ui::propertymanager
