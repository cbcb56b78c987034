#pragma once

#include <kxsdkdialogs_common_qt/QtDialogAbstract.h>

namespace kestrix::dialogs::lineplot {

// Creates a line map of the current frame from a chosen zone and x and y variables.
// Modal; on OK the map is created as one undo step.
class LineMapCreateDialog : public common::QtDialogAbstract {
    Q_OBJECT
public:
    static LineMapCreateDialog& getInstance(QWidget* parent);
    ~LineMapCreateDialog() override;

    void accept() override;

private:
    explicit LineMapCreateDialog(QWidget* parent);
    class Private;
    std::unique_ptr<Private> d;
};

} // namespace kestrix::dialogs::lineplot
