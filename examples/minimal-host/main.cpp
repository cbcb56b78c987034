// Opens the Zone Style dialog on a generated scene of the stand-in host. With --quit-after MS
// the program closes the dialog after that many milliseconds and reports whether it showed
// the scene's maps, which lets a script check an installed package end to end.

#include <dialogs/zonestyle/ZoneStyleDialog.h>
#include <hostsim/Host.h>

#include <QApplication>
#include <QMainWindow>
#include <QTableView>
#include <QTimer>

#include <algorithm>
#include <cstdio>

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    int quitAfterMilliseconds = -1;
    const QStringList arguments = QApplication::arguments();
    const qsizetype quitOption = arguments.indexOf(QStringLiteral("--quit-after"));
    if (quitOption >= 0 && quitOption + 1 < arguments.size())
        quitAfterMilliseconds = arguments.at(quitOption + 1).toInt();

    QString error;
    if (!kestrix::hostsim::Host::instance().loadGeneratedScene(QStringLiteral("field3d:20"), &error)) {
        std::fprintf(stderr, "Cannot generate the scene: %s\n", qPrintable(error));
        return 1;
    }

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
                    rows = std::max(rows, table->model()->rowCount());
            }
            std::printf("Zone Style shows %d maps\n", rows);
            QApplication::exit(rows > 0 ? 0 : 1);
        });
    }
    return application.exec();
}
