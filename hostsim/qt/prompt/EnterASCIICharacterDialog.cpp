#include <kxsdkdialogs_prompt_qt/EnterASCIICharacterDialog.h>

#include "hostsim/qt/dialogs_common/PromptParent.h"

#include "ui_EnterASCIICharacterDialog.h"

#include <QPointer>
#include <QPushButton>

#include <array>

namespace kestrix::dialogs::prompt {

namespace {

// The symbol fonts a character may be drawn in, in the order of the font combo box.
constexpr std::array<Font_e, 3> SymbolFonts{Font_Greek, Font_Math, Font_UserDefined};

QPointer<EnterASCIICharacterDialog>& theInstance()
{
    static QPointer<EnterASCIICharacterDialog> instance;
    return instance;
}

} // namespace

class EnterASCIICharacterDialog::Private {
public:
    void updateSensitivities();

    Ui::EnterASCIICharacterDialog ui;
};

void EnterASCIICharacterDialog::Private::updateSensitivities()
{
    ui.enterAsciiChar_Font_CmbBox->setEnabled(!ui.enterAsciiChar_UseBaseFont_ToggleButton->isChecked());
    ui.enterAsciiChar_Font_Label->setEnabled(!ui.enterAsciiChar_UseBaseFont_ToggleButton->isChecked());
    ui.buttonBox->button(QDialogButtonBox::Ok)->setEnabled(!ui.enterAsciiChar_Char_Text->text().isEmpty());
}

EnterASCIICharacterDialog& EnterASCIICharacterDialog::getInstance(QWidget* parent, const QString& character,
                                                                  bool useBaseFont, Font_e fontOverride)
{
    QPointer<EnterASCIICharacterDialog>& instance = theInstance();
    if (!instance)
        instance = new EnterASCIICharacterDialog(parent);
    else
        common::moveToParent(*instance, parent);
    instance->configure(character, useBaseFont, fontOverride);
    return *instance;
}

EnterASCIICharacterDialog::EnterASCIICharacterDialog(QWidget* parent)
    : common::QtDialogAbstract(parent, nullptr)
    , d(std::make_unique<Private>())
{
    d->ui.setupUi(this);
    connect(d->ui.enterAsciiChar_UseBaseFont_ToggleButton, &QCheckBox::toggled, this,
            [this] { d->updateSensitivities(); });
    connect(d->ui.enterAsciiChar_Char_Text, &QLineEdit::textChanged, this, [this] { d->updateSensitivities(); });
}

EnterASCIICharacterDialog::~EnterASCIICharacterDialog() = default;

void EnterASCIICharacterDialog::configure(const QString& character, bool useBaseFont, Font_e fontOverride)
{
    d->ui.enterAsciiChar_Char_Text->setText(character.left(1));
    d->ui.enterAsciiChar_Char_Text->selectAll();
    d->ui.enterAsciiChar_Char_Text->setFocus();
    d->ui.enterAsciiChar_UseBaseFont_ToggleButton->setChecked(useBaseFont);
    int fontRow = 0;
    for (std::size_t row = 0; row < SymbolFonts.size(); ++row) {
        if (SymbolFonts[row] == fontOverride)
            fontRow = static_cast<int>(row);
    }
    d->ui.enterAsciiChar_Font_CmbBox->setCurrentIndex(fontRow);
    d->updateSensitivities();
}

QString EnterASCIICharacterDialog::selectedChar() const
{
    return d->ui.enterAsciiChar_Char_Text->text();
}

bool EnterASCIICharacterDialog::useBaseFont() const
{
    return d->ui.enterAsciiChar_UseBaseFont_ToggleButton->isChecked();
}

Font_e EnterASCIICharacterDialog::typeFaceOverride() const
{
    const int row = d->ui.enterAsciiChar_Font_CmbBox->currentIndex();
    return row >= 0 && row < static_cast<int>(SymbolFonts.size()) ? SymbolFonts[row] : Font_Greek;
}

} // namespace kestrix::dialogs::prompt
