// Line-map names carry dynamic codes ("&ZN&: &DV&") that the host resolves for each map and
// that the library's name editor inserts where the user's cursor or selection is. Both meet
// whatever a user typed.
//
// The host's resolver must replace exactly the known codes by the map's values, once (a zone
// or variable whose name looks like a code stays as it is), leave all other text alone and
// leave the text whole for a map that does not exist. The editor must put the chosen code in
// place of the selection, whatever stale or out-of-range selection it is given, keep the text
// around it, and leave the cursor right after the code.
//
// Input: byte 0 chooses the map (maps -1 to count + 1), byte 1 the code to insert (none
// beyond the nine), bytes 2 and 3 the selection's start and length (signed), the rest is the
// name.

#include "FuzzCheck.h"
#include "QtFuzzApplication.h"

#include "hostsim/kernel/DynamicText.h"
#include "hostsim/kernel/SceneLoader.h"
#include "propertymanager/DynamicLineMapTextEditPropertiesManager.h"

#include <QByteArray>
#include <QString>

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <string_view>

using kestrix::hostsim::kernel::Frame;
using kestrix::hostsim::kernel::resolveLineMapText;
using kestrix::hostsim::kernel::Scene;
using kestrix::hostsim::kernel::SceneLoader;
using kestrix::sdk::ui::propertymanager::DynamicLineMapTextEditPropertiesManager;

namespace {

// Names that look like codes, a multi-byte name and axis assignments set by style, so that
// every code has a value of its own to check.
const QByteArray Scene = QByteArrayLiteral(R"({ "pages": [ { "frames": [
    { "name": "Lines", "plotType": 3, "variables": ["T", "Ü-velocity", "&ZN&"],
      "zones": [ { "name": "probe &M#&", "imax": 4 }, { "name": "Δp über Zone 2", "imax": 3 } ],
      "lineMaps": [ { "zone": 1, "x": 1, "y": 2 }, { "zone": 2, "x": 3, "y": 1 }, { "zone": 2, "x": 2, "y": 3 } ],
      "style": [ { "path": ["LINEMAP", "ASSIGN", "XAXIS"], "objects": [3], "value": 2 },
                 { "path": ["LINEMAP", "ASSIGN", "YAXIS"], "objects": [2, 3], "value": 5 } ] } ] } ] })");

using CodeValues = std::map<std::string, std::string>;

// What each code of each map stands for, written down from the scene above.
const std::array<CodeValues, 3> ExpectedValues{{
    {{"ZN", "probe &M#&"},
     {"Z#", "1"},
     {"DV", "Ü-velocity"},
     {"D#", "2"},
     {"IV", "T"},
     {"I#", "1"},
     {"M#", "1"},
     {"X#", "1"},
     {"Y#", "1"}},
    {{"ZN", "Δp über Zone 2"},
     {"Z#", "2"},
     {"DV", "T"},
     {"D#", "1"},
     {"IV", "&ZN&"},
     {"I#", "3"},
     {"M#", "2"},
     {"X#", "1"},
     {"Y#", "5"}},
    {{"ZN", "Δp über Zone 2"},
     {"Z#", "2"},
     {"DV", "&ZN&"},
     {"D#", "3"},
     {"IV", "Ü-velocity"},
     {"I#", "2"},
     {"M#", "3"},
     {"X#", "2"},
     {"Y#", "5"}},
}};

const std::array<const char*, 9> Codes{"&ZN&", "&Z#&", "&DV&", "&D#&", "&IV&", "&I#&", "&M#&", "&X#&", "&Y#&"};

const Frame& frame()
{
    static const std::unique_ptr<kestrix::hostsim::kernel::Scene> scene = [] {
        QString error;
        std::unique_ptr<kestrix::hostsim::kernel::Scene> loaded = SceneLoader::load(Scene, &error);
        KX_FUZZ_CHECK(loaded != nullptr, "the fuzzer's scene was refused: %s", qPrintable(error));
        return loaded;
    }();
    return *scene->pages.front().frames.front();
}

// Reads the text once from left to right: a code is "&", two characters and "&"; the
// characters of a replaced code are not read again.
std::string expectedResolution(std::string_view text, const CodeValues* values)
{
    if (!values)
        return std::string(text);
    std::string resolved;
    std::size_t position = 0;
    while (position < text.size()) {
        if (text[position] == '&' && position + 3 < text.size() && text[position + 3] == '&') {
            const auto value = values->find(std::string(text.substr(position + 1, 2)));
            if (value != values->end()) {
                resolved += value->second;
                position += 4;
                continue;
            }
        }
        resolved += text[position++];
    }
    return resolved;
}

void checkResolution(int map, std::string_view text)
{
    const bool exists = map >= 1 && map <= static_cast<int>(ExpectedValues.size());
    const std::string resolved = resolveLineMapText(frame(), map, text);
    const std::string expected = expectedResolution(text, exists ? &ExpectedValues[std::size_t(map - 1)] : nullptr);
    KX_FUZZ_CHECK(resolved == expected, "map %d resolved \"%.*s\" to \"%s\" instead of \"%s\"", map,
                  static_cast<int>(text.size()), text.data(), resolved.c_str(), expected.c_str());
}

void checkCodeInsertion(std::size_t codeIndex, int start, int length, const std::string& text)
{
    DynamicLineMapTextEditPropertiesManager editor(text);
    editor.selectionStart()->setValue(start);
    editor.selectionLength()->setValue(length);
    if (codeIndex < Codes.size())
        editor.selectedCodes()->setValue({Codes[codeIndex]});

    const bool inserted = editor.insertCode();
    KX_FUZZ_CHECK(inserted == (codeIndex < Codes.size()), "inserted: %d, code %zu", inserted ? 1 : 0, codeIndex);
    const QString before = QString::fromStdString(text);
    const QString after = QString::fromStdString(editor.text()->value());
    if (!inserted) {
        KX_FUZZ_CHECK(after == before, "the text changed without a code");
        return;
    }
    // The selection as the editor must take it: within the text, and never between the two
    // halves of a character.
    const auto boundary = [&before](qsizetype position) {
        return position > 0 && position < before.size() && before.at(position).isLowSurrogate() ? position - 1
                                                                                                : position;
    };
    const qsizetype begin = std::clamp<qsizetype>(start, 0, before.size());
    const qsizetype from = boundary(begin);
    const qsizetype to = boundary(std::clamp<qsizetype>(begin + length, begin, before.size()));
    const QString code = QString::fromLatin1(Codes[codeIndex]);
    const QString expected = before.left(from) + code + before.mid(to);
    KX_FUZZ_CHECK(after == expected, "start %d, length %d: \"%s\" instead of \"%s\"", start, length, qPrintable(after),
                  qPrintable(expected));
    KX_FUZZ_CHECK(editor.selectionStart()->value() == from + code.size(), "cursor at %d after a code at %lld",
                  editor.selectionStart()->value(), static_cast<long long>(from));
    KX_FUZZ_CHECK(editor.selectionLength()->value() == 0, "%d characters stay selected",
                  editor.selectionLength()->value());
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    kestrix::fuzzing::startQtApplication(argc, argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size < 4)
        return 0;
    const int map = data[0] % (static_cast<int>(ExpectedValues.size()) + 3) - 1;
    const std::size_t codeIndex = data[1] % 16;
    const int start = static_cast<std::int8_t>(data[2]);
    const int length = static_cast<std::int8_t>(data[3]);
    const std::string text(reinterpret_cast<const char*>(data + 4), size - 4);

    checkResolution(map, text);
    checkCodeInsertion(codeIndex, start, length, text);
    return 0;
}
