#pragma once

#include <QString>
#include <QStringList>

class QAbstractItemModel;

namespace kestrix::sdk::ui::dialogs::fontselect::intern {

// The font families the host offers, in the host's sort order.
QStringList hostFontFamilies();
// Empty when the host names none.
QString hostDefaultFontFamily();
// The first row, in the display role, whose family starts with `family` in any case; -1 when
// none does or `family` is empty.
int rowOfFamily(const QAbstractItemModel& families, const QString& family);

} // namespace kestrix::sdk::ui::dialogs::fontselect::intern
