#include "dialogs/zonestyle/intern/views/ColumnWidthStore.h"

#include <map>
#include <tuple>

namespace kestrix::sdk::ui::dialogs::zonestyle::intern::views {

namespace {

using Key = std::tuple<int, int, int>;

std::map<Key, int>& widths()
{
    static std::map<Key, int> store;
    return store;
}

} // namespace

int ColumnWidthStore::width(int plotType, int tabIndex, int column)
{
    const auto found = widths().find(Key{plotType, tabIndex, column});
    return found == widths().end() ? 0 : found->second;
}

void ColumnWidthStore::setWidth(int plotType, int tabIndex, int column, int width)
{
    widths()[Key{plotType, tabIndex, column}] = width;
}

} // namespace kestrix::sdk::ui::dialogs::zonestyle::intern::views
