#include "dialogs/fontselect/intern/FontFamilies.h"

#include <kxsdkbase/KernelApi.h>
#include <kxtoolbox/StringList.h>

#include <QAbstractItemModel>

namespace kestrix::sdk::ui::dialogs::fontselect::intern {

namespace {

// A string the kernel handed out, released when it goes out of scope.
class KernelString {
public:
    KernelString() = default;
    KernelString(const KernelString&) = delete;
    KernelString& operator=(const KernelString&) = delete;
    ~KernelString() { VexUtilStringDealloc(&m_text); }

    char** receiver() { return &m_text; }
    const char* text() const { return m_text; }

private:
    char* m_text = nullptr;
};

} // namespace

QStringList hostFontFamilies()
{
    toolbox::StringList names;
    VexAppGetFontNameList(names.getRef());
    names.sort(nullptr, nullptr);
    QStringList families;
    families.reserve(names.size());
    for (int index = 1; index <= names.size(); ++index)
        families.append(QString::fromUtf8(names.getStringRef(index)));
    return families;
}

QString hostDefaultFontFamily()
{
    KernelString family;
    if (!VexAppGetDefaultFontFamily(family.receiver()) || !family.text())
        return {};
    return QString::fromUtf8(family.text());
}

int rowOfFamily(const QAbstractItemModel& families, const QString& family)
{
    if (family.isEmpty() || families.rowCount() == 0)
        return -1;
    const QModelIndexList hits =
        families.match(families.index(0, 0), Qt::DisplayRole, family, 1, Qt::MatchStartsWith | Qt::MatchWrap);
    return hits.isEmpty() ? -1 : hits.first().row();
}

} // namespace kestrix::sdk::ui::dialogs::fontselect::intern
