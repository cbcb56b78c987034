#pragma once

#include "dialogs/fontselect/TextHeight.h"

#include <kxtoolbox/CheckedStyleValue.h>

#include <string>

namespace kestrix::toolbox {
class StringList;
}

namespace kestrix::sdk::ui::dialogs::fontselect::intern {

// The font settings ("TEXTSHAPE") of one text object of the host, named by a keyword path and
// an object index (-1 when the path needs none).
class TextShapeStyle {
public:
    TextShapeStyle(const toolbox::StringList& keywords, int objectIndex);

    // Empty when the host refuses the read.
    std::string storedFamily() const;
    // What the host stores may lie outside what the dialog edits: a height outside the range
    // of its units gives their default height, invalid units the default height in points.
    TextHeight storedHeight() const;
    // Family, units and height as one undo step.
    void write(const std::string& family, const TextHeight& height) const;

private:
    toolbox::CheckedStyleValue setting(const char* keyword) const;

    toolbox::CheckedStyleValue m_path;
    int m_objectIndex;
};

} // namespace kestrix::sdk::ui::dialogs::fontselect::intern
