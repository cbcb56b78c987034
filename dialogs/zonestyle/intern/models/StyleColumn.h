#pragma once

#include "dialogs/zonestyle/intern/models/Choice.h"
#include "dialogs/zonestyle/intern/models/EditorKind.h"

#include <vector>

namespace kestrix::sdk::ui::dialogs::zonestyle::intern::models {

class Enumeration;

// A size setting's presets and the limits of its "Enter..." prompt.
struct SizeLimits {
    // The host's basic sizes of this kind ("BASICSIZE" <kind> "TINY" ... "HUGE") are the presets.
    const char* basicSizeKind;
    const char* title;
    const char* label;
    double minimum;
    double maximum;

    // The presets as choices: texts with two decimals, values the sizes.
    Choices presets() const;

    static const SizeLimits& patternLength();
    static const SizeLimits& lineThickness();
    static const SizeLimits& symbolSize();
    static const SizeLimits& lineSymbolSize();
    static const SizeLimits& barSize();
    static const SizeLimits& errorBarSize();
};

// What a column holds; each kind reads, writes, flags and offers its menu in one way for
// every table.
enum class ColumnKind {
    Boolean,    // a check box; menu "Yes", "No"
    List,       // one of a list of choices; menu one entry per choice
    Color,      // a colour index; a right click opens the colour chooser
    Size,       // a size in percent; menu of presets and "Enter..."
    IndexSkip,  // three skips I, J, K; menu "No skip", "Enter skip..."
    IndexRange, // begin, end and skip of an index range; menu "Enter range..."
    SymbolShape, // a geometric shape or a character; menu the shapes and "&Character..."
    Skip,        // a skipping by index or by distance (its sibling "SKIPMODE" says which); menu of skips
    Variable,    // a variable number; edited as the list of enabled variables; menu "Select Variable..."
    Zone,        // a zone number; edited as the list of enabled zones; menu "Select Zone..."
    Text,        // shown, edited and offered by the link alone
};

enum class HeaderGroup { First, Second };

// One column of a style table: its title, the setting it shows under the table's map and
// layer keywords, its kind and how the table edits it. Titles are translated in the context
// "StyleColumn".
struct StyleColumn {
    const char* header = nullptr;
    ColumnKind kind = ColumnKind::Boolean;
    const char* keyword = nullptr;
    // The layer keyword of this column where it differs from the table's.
    const char* layer = nullptr;
    // A second keyword below the first, where the setting is nested deeper.
    const char* subKeyword = nullptr;
    int editorKind = EditorKind_None;
    int editorParameter = 0;
    HeaderGroup group = HeaderGroup::First;
    const Enumeration* enumeration = nullptr;
    const SizeLimits* size = nullptr;

    static StyleColumn boolean(const char* header, const char* keyword, const char* subKeyword = nullptr);
    static StyleColumn list(const char* header, const char* keyword, const Enumeration& enumeration);
    // A list whose choices the link gives itself.
    static StyleColumn list(const char* header, const char* keyword);
    static StyleColumn color(const char* header, const char* keyword);
    static StyleColumn sizeOf(const char* header, const char* keyword, const SizeLimits& limits);
    static StyleColumn indexSkip(const char* header, const char* keyword);
    static StyleColumn indexRange(const char* header, const char* keyword);
    // "SYMBOLSHAPE" "GEOMSHAPE" of the table's layer.
    static StyleColumn symbolShape(const char* header);
    // "SKIPPING" of the table's layer.
    static StyleColumn skip(const char* header);
    static StyleColumn variable(const char* header, const char* keyword);
    static StyleColumn zone(const char* header, const char* keyword);
    static StyleColumn text(const char* header, const char* keyword = nullptr);

    // `leading`, then the line pattern, its length and the line thickness in the second
    // header group: the columns of every tab that draws lines.
    static std::vector<StyleColumn> withLineStyle(std::vector<StyleColumn> leading);
    // `leading`, then the outline colour, line thickness, fill mode and fill colour in the second
    // header group: the columns of every line tab that draws filled shapes.
    static std::vector<StyleColumn> withOutlineAndFill(std::vector<StyleColumn> leading);

    StyleColumn inSecondGroup() const;
    StyleColumn editedBy(int kind, int parameter) const;
    StyleColumn nestedIn(const char* subKeyword) const;
    StyleColumn underLayer(const char* layerKeyword) const;
};

} // namespace kestrix::sdk::ui::dialogs::zonestyle::intern::models
