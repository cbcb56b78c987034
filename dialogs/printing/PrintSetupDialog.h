#pragma once

class QPrinter;
class QWidget;

namespace kestrix::sdk::ui::dialogs {

// "Print Setup...": the toolkit's printer chooser run on a printer that starts from the host's
// settings and, when the user confirms, gives its choice back to the host.
class PrintSetupDialog {
public:
    PrintSetupDialog(QWidget* parent, QPrinter& printer);

    // Runs the chooser; a failure of the host's printer transfer is shown, not thrown.
    void show();

private:
    QWidget* m_parent;
    QPrinter& m_printer;
};

} // namespace kestrix::sdk::ui::dialogs
