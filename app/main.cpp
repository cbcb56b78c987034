#include "CommandLineParser.h"
#include "DialogCatalog.h"
#include "HeadlessExport.h"
#include "MainWindow.h"
#include "WindowPicture.h"

#include "dialogs/translations/DialogTranslations.h"
#include "hostsim/Host.h"

#include <QApplication>
#include <QDialog>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QTimer>
#include <QTranslator>

#include <cstdio>

namespace {

// Exit statuses: bad input of any kind is 2, so that scripts can tell it from a failed run.
constexpr int ExitBadInput = 2;
constexpr int ExitFailure = 1;

// The windows settle (layouts, idle-time refreshes of the dialogs) before the picture is taken.
constexpr int ScreenshotDelayMilliseconds = 300;

void printTo(std::FILE* stream, const QString& text)
{
    std::fputs(text.toLocal8Bit().constData(), stream);
    std::fflush(stream);
}

int reportBadInput(const QString& programName, const QString& message)
{
    printTo(stderr, QStringLiteral("%1: %2\n").arg(programName, message));
    return ExitBadInput;
}

bool loadScene(const kestrix::workbench::WorkbenchOptions& options, QString* error)
{
    auto& host = kestrix::hostsim::Host::instance();
    if (!options.sceneFile.isEmpty()) {
        QString reason;
        if (host.loadSceneFile(options.sceneFile, &reason))
            return true;
        *error = QStringLiteral("The scene %1 was refused: %2").arg(options.sceneFile, reason);
        return false;
    }
    if (!options.sceneGenerator.isEmpty()) {
        QString reason;
        if (host.loadGeneratedScene(options.sceneGenerator, &reason))
            return true;
        *error = QStringLiteral("Cannot generate the scene %1: %2").arg(options.sceneGenerator, reason);
        return false;
    }
    host.loadDemoScene();
    return true;
}

// The dialogs' translation, checked by the parser, and Qt's own for the standard buttons; a
// missing Qt translation leaves those buttons in English and is only reported.
void installTranslations(const QString& programName, const QString& language, QTranslator& dialogs, QTranslator& qt)
{
    if (kestrix::sdk::ui::dialogs::DialogTranslations::load(dialogs, language))
        QApplication::installTranslator(&dialogs);
    const QString qtDirectory = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    if (qt.load(QStringLiteral("qtbase_") + language, qtDirectory))
        QApplication::installTranslator(&qt);
    else
        printTo(stderr, QStringLiteral("%1: Qt's translation qtbase_%2 is not in %3: standard buttons stay English.\n")
                            .arg(programName, language, qtDirectory));
}

bool hasDisplay()
{
    const QByteArray platform = qgetenv("QT_QPA_PLATFORM");
    if (!platform.isEmpty() && !platform.startsWith("xcb") && !platform.startsWith("wayland"))
        return true;
    return !qEnvironmentVariableIsEmpty("DISPLAY") || !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
}

} // namespace

int main(int argc, char* argv[])
{
    QStringList arguments;
    for (int index = 0; index < argc; ++index)
        arguments.append(QString::fromLocal8Bit(argv[index]));
    const QString programName = argc > 0 ? QFileInfo(arguments.constFirst()).fileName() : QStringLiteral("kxworkbench");

    kestrix::workbench::CommandLineParser parser;
    if (!parser.parse(arguments))
        return reportBadInput(programName, parser.errorText() + QStringLiteral("\nTry '%1 --help'.").arg(programName));
    const kestrix::workbench::WorkbenchOptions& options = parser.options();
    if (options.help) {
        printTo(stdout, kestrix::workbench::CommandLineParser::usage(programName));
        return 0;
    }
    // The platform is chosen when the application object is made, and without a display the
    // window system would abort there: a picture is then drawn offscreen, a window is refused.
    const bool picturesOnly = !options.exportFile.isEmpty() || !options.screenshotFile.isEmpty();
    if (!options.offscreen && !hasDisplay() && !picturesOnly)
        return reportBadInput(programName, QStringLiteral("No display found: give --offscreen, or --screenshot or "
                                                          "--export to draw into a picture."));
    if (options.offscreen || !options.exportFile.isEmpty() || !hasDisplay())
        qputenv("QT_QPA_PLATFORM", "offscreen");

    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Kestrix Workbench"));
    QTranslator dialogsTranslator;
    QTranslator qtTranslator;
    if (!options.language.isEmpty())
        installTranslations(programName, options.language, dialogsTranslator, qtTranslator);

    QString error;
    if (!loadScene(options, &error))
        return reportBadInput(programName, error);
    if (!options.exportFile.isEmpty()) {
        if (!kestrix::workbench::HeadlessExport::write(options, &error))
            return reportBadInput(programName, QStringLiteral("Cannot write %1: %2").arg(options.exportFile, error));
        return 0;
    }

    kestrix::workbench::MainWindow window;
    window.show();

    if (!options.dialogToOpen.isEmpty()) {
        const kestrix::workbench::DialogEntry* entry = kestrix::workbench::DialogCatalog::find(options.dialogToOpen);
        if (!entry || !window.mayOpen(*entry))
            return reportBadInput(
                programName, QStringLiteral("The dialog %1 cannot be opened on this scene.").arg(options.dialogToOpen));
        // A modal dialog runs its own event loop from its launch: it opens once the
        // application's loop runs, so that the picture below is still taken meanwhile.
        QTimer::singleShot(0, &window, [&window, entry] { window.openDialog(*entry); });
    }

    if (!options.screenshotFile.isEmpty()) {
        QTimer::singleShot(ScreenshotDelayMilliseconds, &window, [&] {
            QString writeError;
            if (kestrix::workbench::WindowPicture::write(window, options.screenshotFile, &writeError,
                                                         options.screenshotPart)) {
                QApplication::exit(0);
                return;
            }
            printTo(stderr,
                    QStringLiteral("%1: cannot write %2: %3\n").arg(programName, options.screenshotFile, writeError));
            QApplication::exit(ExitFailure);
        });
    }
    return QApplication::exec();
}
