#pragma once

#include <kxsdkdialogs_common_qt/QtDialogAbstract.h>
#include <kxsdkpropertymanager/RelevanceInterface.h>

#include <memory>

class QPrinter;
class QShowEvent;

namespace kestrix::sdk::ui::dialogs {

// The modal "Print" dialog: the printer, the number of copies and the render options shared
// with export. OK writes them to the host's print settings, asks for the output file when the
// host prints to a file, and hands the printer to the host's printing manager. One instance per
// process; the printer chosen with "Print Setup..." stays chosen while it lives, and every
// showing reads the host's settings afresh.
class PrintingDialog : public kestrix::dialogs::common::QtDialogAbstract {
    Q_OBJECT
public:
    static PrintingDialog& getInstance(QWidget& parent);
    static std::shared_ptr<const kestrix::propertymanager::RelevanceInterface> relevance();

    ~PrintingDialog() override;

    QPrinter& printer() const;

protected:
    void showEvent(QShowEvent* event) override;

private slots:
    void on_printing_Setup_Button_clicked(bool checked);
    void on_printRenderOpts_Vector_RadioButton_toggled(bool checked);
    void on_printRenderOpts_Image_RadioButton_toggled(bool checked);

private:
    explicit PrintingDialog(QWidget& parent);

    void updateDialog();
    // What the printer transfer also holds: the printer's name, output to a file, the copies
    // and the colour.
    void updatePrinterControls();
    void updatePrintRenderOptsDialogSensitivities();
    void assignPrintRenderOpts();
    void assignPrintingValues();
    bool selectFileToPrint();
    void print();
    void accept() override;

    static PrintingDialog* m_dialogInstance;

    class Private;
    std::unique_ptr<Private> d;
};

} // namespace kestrix::sdk::ui::dialogs
