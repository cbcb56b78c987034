#include "dialogs/translations/DialogTranslations.h"

#include <QDir>
#include <QTranslator>

namespace kestrix::sdk::ui::dialogs {

namespace {

const QString FilePrefix = QStringLiteral("kxsdkdialogs_");
const QString FileSuffix = QStringLiteral(".qm");

QString resourceDirectory()
{
    return QStringLiteral(KX_TRANSLATIONS_RESOURCE_DIRECTORY);
}

} // namespace

QStringList DialogTranslations::languages()
{
    QStringList languages;
    const QStringList files =
        QDir(resourceDirectory()).entryList({FilePrefix + QLatin1Char('*') + FileSuffix}, QDir::Files, QDir::Name);
    for (const QString& file : files)
        languages.append(file.mid(FilePrefix.size(), file.size() - FilePrefix.size() - FileSuffix.size()));
    return languages;
}

bool DialogTranslations::load(QTranslator& translator, const QString& language)
{
    return languages().contains(language) && translator.load(FilePrefix + language, resourceDirectory());
}

} // namespace kestrix::sdk::ui::dialogs
