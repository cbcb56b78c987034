#include "dialogs/zonestyle/intern/models/StyleColumn.h"

#include "dialogs/zonestyle/intern/models/Enumeration.h"

#include <kxtoolbox/CheckedStyleValue.h>

#include <QCoreApplication>

namespace kestrix::sdk::ui::dialogs::zonestyle::intern::models {

Choices SizeLimits::presets() const
{
    Choices presets;
    for (const char* size : {"TINY", "SMALL", "MEDIUM", "LARGE", "HUGE"}) {
        double value = 0.0;
        toolbox::CheckedStyleValue("BASICSIZE", basicSizeKind, size).get(value);
        presets.append(Choice{QString::asprintf("%.2f", value), value});
    }
    return presets;
}

const SizeLimits& SizeLimits::patternLength()
{
    static const SizeLimits limits{"LINEPATLENGTHS",
                                   QT_TRANSLATE_NOOP("StyleSize", "Enter the value for the line pattern length"),
                                   QT_TRANSLATE_NOOP("StyleSize", "Line Pattern Length [%]"), 0.01, 100.0};
    return limits;
}

const SizeLimits& SizeLimits::lineThickness()
{
    static const SizeLimits limits{"LINETHICKNESSES",
                                   QT_TRANSLATE_NOOP("StyleSize", "Enter the value for the line thickness"),
                                   QT_TRANSLATE_NOOP("StyleSize", "Line Thickness [%]"), 0.0001, 100.0};
    return limits;
}

const SizeLimits& SizeLimits::symbolSize()
{
    static const SizeLimits limits{"SYMBOLSIZES",
                                   QT_TRANSLATE_NOOP("StyleSize", "Enter the size of scatter symbols in frame units"),
                                   QT_TRANSLATE_NOOP("StyleSize", "Size [%]"), 0.0, 100.0};
    return limits;
}

const SizeLimits& SizeLimits::lineSymbolSize()
{
    static const SizeLimits limits{"SYMBOLSIZES",
                                   QT_TRANSLATE_NOOP("StyleSize", "Enter the size of symbols in frame units"),
                                   QT_TRANSLATE_NOOP("StyleSize", "Size [%]"), 0.0, 100.0};
    return limits;
}

const SizeLimits& SizeLimits::barSize()
{
    static const SizeLimits limits{"SYMBOLSIZES",
                                   QT_TRANSLATE_NOOP("StyleSize", "Enter the width of the bars in frame units"),
                                   QT_TRANSLATE_NOOP("StyleSize", "Size [%]"), 0.0, 100.0};
    return limits;
}

const SizeLimits& SizeLimits::errorBarSize()
{
    static const SizeLimits limits{"SYMBOLSIZES",
                                   QT_TRANSLATE_NOOP("StyleSize", "Enter the size of error bars in frame units"),
                                   QT_TRANSLATE_NOOP("StyleSize", "Size [%]"), 0.0, 100.0};
    return limits;
}

namespace {

StyleColumn columnOf(const char* header, ColumnKind kind, const char* keyword, int editorKind, int parameter = 0)
{
    StyleColumn column;
    column.header = header;
    column.kind = kind;
    column.keyword = keyword;
    column.editorKind = editorKind;
    column.editorParameter = parameter;
    return column;
}

} // namespace

StyleColumn StyleColumn::boolean(const char* header, const char* keyword, const char* subKeyword)
{
    StyleColumn column = columnOf(header, ColumnKind::Boolean, keyword, EditorKind_Boolean);
    column.subKeyword = subKeyword;
    return column;
}

StyleColumn StyleColumn::list(const char* header, const char* keyword, const Enumeration& enumeration)
{
    StyleColumn column = list(header, keyword);
    column.enumeration = &enumeration;
    return column;
}

StyleColumn StyleColumn::list(const char* header, const char* keyword)
{
    return columnOf(header, ColumnKind::List, keyword, EditorKind_ListWithPopup, 1);
}

StyleColumn StyleColumn::color(const char* header, const char* keyword)
{
    return columnOf(header, ColumnKind::Color, keyword, EditorKind_Color);
}

StyleColumn StyleColumn::sizeOf(const char* header, const char* keyword, const SizeLimits& limits)
{
    StyleColumn column = columnOf(header, ColumnKind::Size, keyword, EditorKind_EditableList);
    column.size = &limits;
    return column;
}

StyleColumn StyleColumn::indexSkip(const char* header, const char* keyword)
{
    return columnOf(header, ColumnKind::IndexSkip, keyword, EditorKind_TextWithPopup);
}

StyleColumn StyleColumn::indexRange(const char* header, const char* keyword)
{
    return columnOf(header, ColumnKind::IndexRange, keyword, EditorKind_Text);
}

StyleColumn StyleColumn::symbolShape(const char* header)
{
    StyleColumn column = columnOf(header, ColumnKind::SymbolShape, "SYMBOLSHAPE", EditorKind_List, 1);
    column.subKeyword = "GEOMSHAPE";
    column.enumeration = &Enumeration::geomShape();
    return column;
}

StyleColumn StyleColumn::skip(const char* header)
{
    return columnOf(header, ColumnKind::Skip, "SKIPPING", EditorKind_None);
}

StyleColumn StyleColumn::variable(const char* header, const char* keyword)
{
    return columnOf(header, ColumnKind::Variable, keyword, EditorKind_FilteredListWithPopup, 3);
}

StyleColumn StyleColumn::zone(const char* header, const char* keyword)
{
    return columnOf(header, ColumnKind::Zone, keyword, EditorKind_FilteredListWithPopup, 2);
}

StyleColumn StyleColumn::text(const char* header, const char* keyword)
{
    return columnOf(header, ColumnKind::Text, keyword, EditorKind_None);
}

std::vector<StyleColumn> StyleColumn::withLineStyle(std::vector<StyleColumn> leading)
{
    leading.push_back(list(QT_TRANSLATE_NOOP("StyleColumn", "Line\nPattern"), "LINEPATTERN", Enumeration::linePattern())
                          .inSecondGroup());
    leading.push_back(
        sizeOf(QT_TRANSLATE_NOOP("StyleColumn", "Pattern\nLength"), "PATTERNLENGTH", SizeLimits::patternLength())
            .inSecondGroup());
    leading.push_back(
        sizeOf(QT_TRANSLATE_NOOP("StyleColumn", "Line\nThickness"), "LINETHICKNESS", SizeLimits::lineThickness())
            .inSecondGroup());
    return leading;
}

std::vector<StyleColumn> StyleColumn::withOutlineAndFill(std::vector<StyleColumn> leading)
{
    leading.push_back(color(QT_TRANSLATE_NOOP("StyleColumn", "Outline\nColor"), "COLOR").inSecondGroup());
    leading.push_back(
        sizeOf(QT_TRANSLATE_NOOP("StyleColumn", "Line\nThickness"), "LINETHICKNESS", SizeLimits::lineThickness())
            .inSecondGroup());
    leading.push_back(
        list(QT_TRANSLATE_NOOP("StyleColumn", "Fill\nMode"), "FILLMODE", Enumeration::fillMode()).inSecondGroup());
    leading.push_back(color(QT_TRANSLATE_NOOP("StyleColumn", "Fill\nColor"), "FILLCOLOR").inSecondGroup());
    return leading;
}

StyleColumn StyleColumn::inSecondGroup() const
{
    StyleColumn column(*this);
    column.group = HeaderGroup::Second;
    return column;
}

StyleColumn StyleColumn::editedBy(int kind, int parameter) const
{
    StyleColumn column(*this);
    column.editorKind = kind;
    column.editorParameter = parameter;
    return column;
}

StyleColumn StyleColumn::nestedIn(const char* subKeyword) const
{
    StyleColumn column(*this);
    column.subKeyword = subKeyword;
    return column;
}

StyleColumn StyleColumn::underLayer(const char* layerKeyword) const
{
    StyleColumn column(*this);
    column.layer = layerKeyword;
    return column;
}

} // namespace kestrix::sdk::ui::dialogs::zonestyle::intern::models
