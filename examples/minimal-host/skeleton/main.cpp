// Opens the Zone Style dialog on the skeleton host, which has no data: the dialog shows no maps.
// With --quit-after MS the program closes the dialog after that many milliseconds and reports
// what it showed, which lets a script check that a host defining the whole contract itself
// links and runs.

#include <dialogs/zonestyle/ZoneStyleDialog.h>

#include <QApplication>
#include <QMainWindow>
#include <QTableView>
#include <QTimer>

#include <cstdio>

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    int quitAfterMilliseconds = -1;
    const QStringList arguments = QApplication::arguments();
    const qsizetype quitOption = arguments.indexOf(QStringLiteral("--quit-after"));
    if (quitOption >= 0 && quitOption + 1 < arguments.size())
        quitAfterMilliseconds = arguments.at(quitOption + 1).toInt();

    QMainWindow window;
    window.resize(900, 600);
    window.show();
    using kestrix::sdk::ui::dialogs::ZoneStyleDialog;
    ZoneStyleDialog& dialog =
        ZoneStyleDialog::getInstance(window, kestrix::dialogs::common::DialogInitialization_SelectPickedObjects);
    dialog.launch();

    if (quitAfterMilliseconds >= 0) {
        QTimer::singleShot(quitAfterMilliseconds, &application, [&dialog] {
            int rows = 0;
            for (const QTableView* table : dialog.findChildren<QTableView*>()) {
                if (table->isVisible() && table->model())
                    rows += table->model()->rowCount();
            }
            std::printf("Zone Style on the empty skeleton host: %s, showing %d maps\n",
                        dialog.isVisible() ? "open" : "not open", rows);
            QApplication::exit(dialog.isVisible() && rows == 0 ? 0 : 1);
        });
    }
    return application.exec();
}
