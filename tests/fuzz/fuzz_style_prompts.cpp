// The Zone Style dialog asks for numbers in prompts: the symbol spacing by index or by
// distance, and sizes ("Enter..."). The user types anything into them; the menu and the
// prompt are worked as a user works them, with the keyboard.
//
// Besides not crashing: what a prompt writes lies within the limits it offers, a cancelled
// prompt writes nothing, a whole number typed within the limits is written as it is, and the
// spacing's mode follows the entry chosen.
//
// Input: byte 0 chooses the prompt and whether it is cancelled, the rest is typed into it.

#include "FuzzCheck.h"
#include "FuzzScene.h"

#include "dialogs/zonestyle/ZoneStyleDialog.h"
#include "dialogs/zonestyle/intern/models/StyleColumn.h"
#include "hostsim/Host.h"
#include "support/ModalDialogAnswerer.h"
#include "support/StyleWrites.h"
#include "support/TableClicks.h"

#include <QAbstractItemModel>
#include <QCoreApplication>
#include <QInputDialog>
#include <QKeyEvent>
#include <QItemSelectionModel>
#include <QLineEdit>
#include <QMainWindow>
#include <QTabWidget>
#include <QTableView>
#include <QTest>

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>

using kestrix::hostsim::Host;
using kestrix::sdk::ui::dialogs::ZoneStyleDialog;
using kestrix::sdk::ui::dialogs::zonestyle::intern::models::SizeLimits;
using kestrix::testing::ModalDialogAnswerer;
using kestrix::testing::readMapStyle;
using kestrix::testing::TableClicks;
using kestrix::testing::writeMapStyle;

namespace {

const QByteArray Scene = QByteArrayLiteral(R"({ "pages": [ { "frames": [
    { "name": "Curves", "plotType": 3, "variables": ["X", "Y"],
      "zones": [ { "name": "line", "imax": 10 } ],
      "lineMaps": [ { "zone": 1, "x": 1, "y": 2 }, { "zone": 1, "x": 1, "y": 2 } ],
      "style": [ { "path": ["LINEPLOTLAYERS", "SHOWSYMBOLS"], "value": true } ] } ] } ],
  "current": { "page": 1, "frame": 1 } })");

struct Prompt {
    const char* column;
    const char* entry;
    const char* keyword;
    // The spacing's mode the entry sets (0 by index, 1 by distance); -1 for sizes.
    int skipMode;
    double minimum;
    double maximum;
};

const std::array<Prompt, 3>& prompts()
{
    static const std::array<Prompt, 3> all{{
        {"Symbol\nSpacing", "Enter index...", "SKIPPING", 0, 1.0, 2147483647.0},
        {"Symbol\nSpacing", "Enter distance...", "SKIPPING", 1, 1.0, 100.0},
        {"Symbol\nSize", "Enter...", "SIZE", -1, SizeLimits::lineSymbolSize().minimum,
         SizeLimits::lineSymbolSize().maximum},
    }};
    return all;
}

QTableView& symbolTable()
{
    static ZoneStyleDialog& dialog = []() -> ZoneStyleDialog& {
        static QMainWindow* const parent = new QMainWindow;
        parent->show();
        ZoneStyleDialog& opened =
            ZoneStyleDialog::getInstance(*parent, kestrix::dialogs::common::DialogInitialization_None);
        opened.launch();
        return opened;
    }();
    auto* tabs = dialog.findChild<QTabWidget*>(QStringLiteral("plotAttr_LP_PageGroup"));
    KX_FUZZ_CHECK(tabs, "no line plot tabs");
    tabs->setCurrentWidget(dialog.findChild<QWidget*>(QStringLiteral("plotAttr_LPSymb_Page")));
    return *tabs->currentWidget()->findChild<QTableView*>();
}

int columnOf(const QAbstractItemModel& model, const char* title)
{
    for (int column = 0; column < model.columnCount(); ++column) {
        if (model.headerData(column, Qt::Horizontal).toString() == QLatin1String(title))
            return column;
    }
    return -1;
}

// Digits alone, without a leading zero: typed key by key, every beginning of such a number
// within the limits stays acceptable to the prompt, so that it must take the number whole.
std::optional<double> plainWholeNumber(const QString& text)
{
    if (text.isEmpty() || text.size() > 9 || text.front() == QLatin1Char('0'))
        return std::nullopt;
    for (const QChar character : text) {
        if (character < QLatin1Char('0') || character > QLatin1Char('9'))
            return std::nullopt;
    }
    return text.toDouble();
}

// Types the text key by key. Beyond printable ASCII, which has keys of its own, a key press
// carries its character as text, as an input method delivers it; control characters never
// act as Return or Escape here.
void type(QWidget& field, const QString& text)
{
    for (const QChar character : text) {
        if (character.unicode() >= 0x20 && character.unicode() < 0x7f)
            QTest::keyClick(&field, char(character.unicode()));
        else
            for (const QEvent::Type type : {QEvent::KeyPress, QEvent::KeyRelease}) {
                QKeyEvent key(type, Qt::Key_unknown, Qt::NoModifier, QString(character));
                QCoreApplication::sendEvent(&field, &key);
            }
    }
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    kestrix::fuzzing::startQtApplicationOnScene(argc, argv, Scene);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size < 1 || size > 40)
        return 0;
    const Prompt& prompt = prompts()[data[0] % prompts().size()];
    const bool cancel = data[0] & 0x80;
    const QString typed = QString::fromUtf8(reinterpret_cast<const char*>(data + 1), qsizetype(size - 1));

    writeMapStyle({"LINEMAP", "SYMBOLS", "SKIPMODE"}, {1, 2}, 0);
    writeMapStyle({"LINEMAP", "SYMBOLS", "SKIPPING"}, {1, 2}, 2);
    writeMapStyle({"LINEMAP", "SYMBOLS", "SIZE"}, {1, 2}, 2.5);
    QTableView& table = symbolTable();
    const int column = columnOf(*table.model(), prompt.column);
    KX_FUZZ_CHECK(column >= 0, "no column %s", prompt.column);
    // The first map's row alone is selected, as a click on its header leaves it.
    table.selectionModel()->select(table.model()->index(0, 0),
                                   QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);

    bool prompted = false;
    ModalDialogAnswerer answerer(TableClicks::chooseThenAnswer(QString::fromLatin1(prompt.entry), [&](QWidget& window) {
        auto* input = qobject_cast<QInputDialog*>(&window);
        auto* field = input ? input->findChild<QLineEdit*>() : nullptr;
        KX_FUZZ_CHECK(field, "the prompt has no text field");
        prompted = true;
        field->selectAll();
        type(*field, typed);
        QTest::keyClick(field, cancel ? Qt::Key_Escape : Qt::Key_Return);
        // A prompt that refused the Return stays open; the user gives up.
        if (input->isVisible())
            input->reject();
    }));
    TableClicks::rightClick(&table, 0, column);
    KX_FUZZ_CHECK(prompted, "the entry %s opened no prompt", prompt.entry);

    const double stored = readMapStyle({"LINEMAP", "SYMBOLS", prompt.keyword}, 1);
    const double before = prompt.skipMode < 0 ? 2.5 : 2.0;
    KX_FUZZ_CHECK(readMapStyle({"LINEMAP", "SYMBOLS", prompt.keyword}, 2) == before, "map 2 was written");
    if (cancel) {
        KX_FUZZ_CHECK(stored == before, "a cancelled prompt wrote %g", stored);
        return 0;
    }
    KX_FUZZ_CHECK(stored == before || (stored >= prompt.minimum && stored <= prompt.maximum),
                  "%s %g written for \"%s\"", prompt.keyword, stored, qPrintable(typed));
    if (prompt.skipMode >= 0 && stored != before)
        KX_FUZZ_CHECK(readMapStyle({"LINEMAP", "SYMBOLS", "SKIPMODE"}, 1) == prompt.skipMode,
                      "the spacing's mode did not follow %s", prompt.entry);
    const std::optional<double> number = plainWholeNumber(typed);
    if (number && *number >= prompt.minimum && *number <= prompt.maximum)
        KX_FUZZ_CHECK(stored == *number, "typed \"%s\", written %.17g", qPrintable(typed), stored);
    return 0;
}
