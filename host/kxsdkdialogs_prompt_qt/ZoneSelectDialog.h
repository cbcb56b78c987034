#pragma once

#include <kxsdkdialogs_common_qt/QtDialogAbstract.h>

namespace kestrix::dialogs::prompt {

// Chooses one zone of the current frame. Modal; result 1 is accepted.
class ZoneSelectDialog : public common::QtDialogAbstract {
    Q_OBJECT
public:
    static ZoneSelectDialog& getInstance(QWidget* parent, int zone);
    ~ZoneSelectDialog() override;

    int selectedZone() const;

private:
    explicit ZoneSelectDialog(QWidget* parent);
    class Private;
    std::unique_ptr<Private> d;
};

} // namespace kestrix::dialogs::prompt
