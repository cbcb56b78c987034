#pragma once

#include <kxsdkdialogs_common_qt/QtDialogAbstract.h>

namespace kestrix::dialogs::prompt {

// Asks for three integers; each value must be at least its limit. Modal; result 1 is accepted.
class EnterThreeIntValuesDialog : public common::QtDialogAbstract {
    Q_OBJECT
public:
    static EnterThreeIntValuesDialog& getInstance(QWidget* parent, int value1, int value2, int value3,
                                                  const QString& title, const QString& prompt, const QString& label1,
                                                  const QString& label2, const QString& label3, int limit1,
                                                  int limit2, int limit3);
    ~EnterThreeIntValuesDialog() override;

    int value1() const;
    int value2() const;
    int value3() const;

private:
    explicit EnterThreeIntValuesDialog(QWidget* parent);
    class Private;
    std::unique_ptr<Private> d;
};

} // namespace kestrix::dialogs::prompt
