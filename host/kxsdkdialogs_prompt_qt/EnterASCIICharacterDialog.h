#pragma once

#include <kxsdkbase/Enumerations.h>
#include <kxsdkdialogs_common_qt/QtDialogAbstract.h>

namespace kestrix::dialogs::prompt {

// Asks for a symbol character and the font it is drawn in. Modal; result 1 is accepted.
class EnterASCIICharacterDialog : public common::QtDialogAbstract {
    Q_OBJECT
public:
    static EnterASCIICharacterDialog& getInstance(QWidget* parent, const QString& character, bool useBaseFont,
                                                  Font_e fontOverride);
    ~EnterASCIICharacterDialog() override;

    QString selectedChar() const;
    bool useBaseFont() const;
    Font_e typeFaceOverride() const;

private:
    explicit EnterASCIICharacterDialog(QWidget* parent);
    void configure(const QString& character, bool useBaseFont, Font_e fontOverride);
    class Private;
    std::unique_ptr<Private> d;
};

} // namespace kestrix::dialogs::prompt
