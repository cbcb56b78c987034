#pragma once

#include <kxsdkdialogs_common_qt/QtDialogAbstract.h>

#include <memory>

class QShowEvent;

namespace kestrix::toolbox {
class StringList;
}

namespace kestrix::sdk::ui::dialogs {

// The modal "Select Font" dialog: edits the font family, the size units and the height of one
// text object of the host ("TEXTSHAPE" below the caller's keyword path) and writes them on OK
// as one undo step. One instance per process, serving the latest caller.
class FontSelectDialog : public kestrix::dialogs::common::QtDialogAbstract {
    Q_OBJECT
public:
    // Makes the dialog on the first call. Every call points it at the caller's text object;
    // grid and axis units are offered when allowed or when the object already uses them.
    static FontSelectDialog& getInstance(QWidget& parent, const toolbox::StringList& keywords, int objectIndex,
                                         bool allowGridUnits, bool allowAxisUnits);
    ~FontSelectDialog() override;

protected:
    void showEvent(QShowEvent* event) override;

private slots:
    void on_fontSelectModal_SizeByPoints_RadioButton_toggled(bool checked);
    void on_fontSelectModal_SizeByFrame_RadioButton_toggled(bool checked);
    void on_fontSelectModal_SizeByAxis_RadioButton_toggled(bool checked);
    void on_fontSelectModal_SizeByGrid_RadioButton_toggled(bool checked);
    void on_AxisGridHeight_doubleSpinBox_valueChanged(double value);
    void on_buttonBox_accepted();
    void fontSelectModal_PointFrameHeight_CmbBox1Text_currentIndexChanged(const QString& text);
    void fontSelectModal_PointFrameHeight_CmbBox1Text_LineEdit_editTextFinished();

private:
    FontSelectDialog(QWidget& parent, const toolbox::StringList& keywords, int objectIndex, bool allowGridUnits,
                     bool allowAxisUnits);

    static FontSelectDialog* m_dialogInstance;

    class Private;
    std::unique_ptr<Private> d;
};

} // namespace kestrix::sdk::ui::dialogs
