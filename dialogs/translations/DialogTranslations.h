#pragma once

#include <QString>
#include <QStringList>

class QTranslator;

namespace kestrix::sdk::ui::dialogs {

// The translations of the dialogs' texts that the library carries as resources, one for each
// language besides English, the language the texts are written in. A host loads the one for
// its language into a translator and installs that before it makes the first dialog.
class DialogTranslations {
public:
    // The language codes with a translation, such as "de", in ascending order.
    static QStringList languages();
    // Loads the translation for language into translator; false when there is none.
    static bool load(QTranslator& translator, const QString& language);
};

} // namespace kestrix::sdk::ui::dialogs
