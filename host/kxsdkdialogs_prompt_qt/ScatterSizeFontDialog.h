#pragma once

#include <kxsdkdialogs_common_qt/QtDialogAbstract.h>

namespace kestrix::dialogs::prompt {

// Edits the host's scatter-size settings ("GLOBALSCATTER" "VAR" and its reference size)
// itself on OK. Modal.
class ScatterSizeFontDialog : public common::QtDialogAbstract {
    Q_OBJECT
public:
    static ScatterSizeFontDialog& getInstance(QWidget* parent);
    ~ScatterSizeFontDialog() override;

    void accept() override;

private:
    explicit ScatterSizeFontDialog(QWidget* parent);
    class Private;
    std::unique_ptr<Private> d;
};

} // namespace kestrix::dialogs::prompt
