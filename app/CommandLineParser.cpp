#include "CommandLineParser.h"

#include "DialogCatalog.h"
#include "HeadlessExport.h"
#include "PictureFile.h"

#include "dialogs/translations/DialogTranslations.h"

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QRegularExpression>

#include <map>

namespace kestrix::workbench {

namespace {

// A generated scene holds one frame with this many maps at most: more would only exhaust
// memory before the window could show anything.
constexpr int MaximumGeneratedMapCount = 1000000;
// Wider pictures would take more memory than they are worth.
constexpr int MaximumExportWidth = 20000;

// English is the language the texts are written in; every other needs the dialogs' translation.
const QString EnglishLanguage = QStringLiteral("en");

QStringList availableLanguages()
{
    return QStringList{EnglishLanguage} + sdk::ui::dialogs::DialogTranslations::languages();
}

} // namespace

bool CommandLineParser::parse(const QStringList& arguments)
{
    m_options = WorkbenchOptions();
    m_errorText.clear();

    const QCommandLineOption helpOption(QStringList{QStringLiteral("h"), QStringLiteral("help")});
    const QCommandLineOption offscreenOption(QStringLiteral("offscreen"));
    const QCommandLineOption sceneOption(QStringLiteral("scene"), QString(), QStringLiteral("FILE"));
    const QCommandLineOption generateOption(QStringLiteral("generate"), QString(), QStringLiteral("KIND:N"));
    const QCommandLineOption openOption(QStringLiteral("open"), QString(), QStringLiteral("NAME"));
    const QCommandLineOption screenshotOption(QStringLiteral("screenshot"), QString(), QStringLiteral("FILE"));
    const QCommandLineOption screenshotOfOption(QStringLiteral("screenshot-of"), QString(), QStringLiteral("PART"));
    const QCommandLineOption exportOption(QStringLiteral("export"), QString(), QStringLiteral("FILE"));
    const QCommandLineOption widthOption(QStringLiteral("width"), QString(), QStringLiteral("N"));
    const QCommandLineOption frameOption(QStringLiteral("frame"), QString(), QStringLiteral("K"));
    const QCommandLineOption languageOption(QStringLiteral("lang"), QString(), QStringLiteral("LANG"));

    QCommandLineParser parser;
    parser.addOptions({helpOption, offscreenOption, sceneOption, generateOption, openOption, screenshotOption,
                       screenshotOfOption, exportOption, widthOption, frameOption, languageOption});
    if (!parser.parse(arguments))
        return fail(parser.errorText());
    if (!parser.positionalArguments().isEmpty())
        return fail(QStringLiteral("Unexpected argument '%1'.").arg(parser.positionalArguments().constFirst()));

    m_options.help = parser.isSet(helpOption);
    if (m_options.help)
        return true;
    m_options.offscreen = parser.isSet(offscreenOption);

    // Every option with a value takes one, once: a second value would silently win otherwise.
    for (const QCommandLineOption* option :
         {&sceneOption, &generateOption, &openOption, &screenshotOption, &screenshotOfOption, &exportOption,
          &widthOption, &frameOption, &languageOption}) {
        const QStringList values = parser.values(*option);
        const QString name = QStringLiteral("--") + option->names().constFirst();
        if (values.size() > 1)
            return fail(QStringLiteral("%1 is given more than once.").arg(name));
        if (values.size() == 1 && values.constFirst().isEmpty())
            return fail(QStringLiteral("%1 needs a non-empty value.").arg(name));
    }

    m_options.sceneFile = parser.value(sceneOption);
    m_options.sceneGenerator = parser.value(generateOption);
    m_options.dialogToOpen = parser.value(openOption);
    m_options.screenshotFile = parser.value(screenshotOption);
    m_options.exportFile = parser.value(exportOption);

    if (!m_options.sceneFile.isEmpty() && !m_options.sceneGenerator.isEmpty())
        return fail(QStringLiteral("--scene and --generate cannot be used together."));
    if (!m_options.sceneGenerator.isEmpty() && !checkSceneGenerator(m_options.sceneGenerator))
        return false;
    if (!m_options.dialogToOpen.isEmpty() && !DialogCatalog::find(m_options.dialogToOpen))
        return fail(QStringLiteral("Unknown dialog '%1' for --open; available: %2.")
                        .arg(m_options.dialogToOpen, DialogCatalog::names().join(QStringLiteral(", "))));
    if (!m_options.screenshotFile.isEmpty() && PictureFile::formatOf(m_options.screenshotFile).isEmpty())
        return fail(QStringLiteral("Cannot write '%1': the file name must end in one of %2.")
                        .arg(m_options.screenshotFile, PictureFile::writableSuffixes()));
    if (parser.isSet(screenshotOfOption) && !checkScreenshotPart(parser.value(screenshotOfOption)))
        return false;
    if (parser.isSet(languageOption) && !checkLanguage(parser.value(languageOption)))
        return false;
    if (!m_options.exportFile.isEmpty() && !HeadlessExport::canWrite(m_options.exportFile))
        return fail(QStringLiteral("Cannot write '%1': the file name must end in one of %2.")
                        .arg(m_options.exportFile, HeadlessExport::writableSuffixes()));
    return checkExport(parser.value(widthOption), parser.value(frameOption));
}

// An export draws one frame without a window: it takes a width and a frame, and no dialog or
// screenshot.
bool CommandLineParser::checkExport(const QString& width, const QString& frame)
{
    if (m_options.exportFile.isEmpty()) {
        if (!width.isEmpty() || !frame.isEmpty())
            return fail(QStringLiteral("--width and --frame go with --export."));
        return true;
    }
    if (!m_options.dialogToOpen.isEmpty() || !m_options.screenshotFile.isEmpty())
        return fail(QStringLiteral("--export draws without a window: --open and --screenshot cannot go with it."));
    bool isNumber = true;
    if (!width.isEmpty())
        m_options.exportWidth = width.toInt(&isNumber);
    if (!isNumber || m_options.exportWidth < 1 || m_options.exportWidth > MaximumExportWidth)
        return fail(QStringLiteral("--width must be a number of pixels from 1 to %1.").arg(MaximumExportWidth));
    if (!frame.isEmpty())
        m_options.exportFrame = frame.toInt(&isNumber);
    if (!isNumber || (!frame.isEmpty() && m_options.exportFrame < 1))
        return fail(QStringLiteral("--frame must be a frame number from 1."));
    return true;
}

QString CommandLineParser::usage(const QString& programName)
{
    return QStringLiteral("Usage: %1 [options]\n"
                          "\n"
                          "Starts the Kestrix Workbench on a scene: the built-in demo scene unless --scene or\n"
                          "--generate names another.\n"
                          "\n"
                          "Options:\n"
                          "  --scene FILE        load the scene from the JSON file FILE\n"
                          "  --generate KIND:N   generate one frame with N maps (1 to %2); KIND is field3d,\n"
                          "                      field2d, xy or polar\n"
                          "  --open NAME         open a dialog at start; NAME is one of: %3\n"
                          "  --offscreen         use the offscreen platform (no display needed)\n"
                          "  --screenshot FILE   once the window has settled, write it and the open dialogs\n"
                          "                      as one picture to FILE (.png, .jpg, .bmp, .ppm) and exit\n"
                          "  --screenshot-of PART\n"
                          "                      what --screenshot shows: all (the window with the open\n"
                          "                      dialogs beside it, the default), window, or dialogs\n"
                          "  --export FILE       export a frame of the scene without a window and exit, in\n"
                          "                      the format of FILE's suffix: .png, .jpeg, .jpg, .tiff,\n"
                          "                      .tif, .eps (the host's export), .pdf, .ps, .cps (the\n"
                          "                      host's printing), .mp4, .avi (a movie of the frame's\n"
                          "                      zones), .bmp, .ppm\n"
                          "  --width N           the width of the exported picture or movie in pixels\n"
                          "                      (default 1200)\n"
                          "  --frame K           the frame to export, K-th of the current page (default: the\n"
                          "                      current frame)\n"
                          "  --lang LANG         show the dialogs and Qt's standard buttons in the language\n"
                          "                      LANG, one of: %4 (default en)\n"
                          "  -h, --help          print this help and exit\n"
                          "\n"
                          "Exit status: 0 on success; 1 when the screenshot cannot be written; 2 on bad\n"
                          "command-line input, an unknown dialog or frame, a refused scene, an export that\n"
                          "cannot be written, or no display for a window.\n")
        .arg(programName, QString::number(MaximumGeneratedMapCount), DialogCatalog::names().join(QStringLiteral(", ")),
             availableLanguages().join(QStringLiteral(", ")));
}

bool CommandLineParser::fail(const QString& errorText)
{
    m_errorText = errorText;
    return false;
}

bool CommandLineParser::checkScreenshotPart(const QString& part)
{
    static const std::map<QString, WindowPicture::Part> parts{
        {QStringLiteral("all"), WindowPicture::Part::WindowAndDialogs},
        {QStringLiteral("window"), WindowPicture::Part::Window},
        {QStringLiteral("dialogs"), WindowPicture::Part::Dialogs}};
    if (m_options.screenshotFile.isEmpty())
        return fail(QStringLiteral("--screenshot-of goes with --screenshot."));
    const auto found = parts.find(part);
    if (found == parts.end())
        return fail(QStringLiteral("Bad --screenshot-of value '%1': expected all, window or dialogs.").arg(part));
    m_options.screenshotPart = found->second;
    return true;
}

bool CommandLineParser::checkLanguage(const QString& language)
{
    if (!availableLanguages().contains(language))
        return fail(QStringLiteral("Unknown language '%1' for --lang; available: %2.")
                        .arg(language, availableLanguages().join(QStringLiteral(", "))));
    if (language != EnglishLanguage)
        m_options.language = language;
    return true;
}

bool CommandLineParser::checkSceneGenerator(const QString& generator)
{
    static const QRegularExpression pattern(QStringLiteral("^(field3d|field2d|xy|polar):([0-9]+)$"));
    const QRegularExpressionMatch match = pattern.match(generator);
    if (!match.hasMatch())
        return fail(QStringLiteral("Bad --generate value '%1': expected KIND:N with KIND one of field3d, "
                                   "field2d, xy, polar and N a number of maps.")
                        .arg(generator));
    bool isNumber = false;
    const int mapCount = match.captured(2).toInt(&isNumber);
    if (!isNumber || mapCount < 1 || mapCount > MaximumGeneratedMapCount)
        return fail(QStringLiteral("Bad --generate value '%1': the number of maps must be 1 to %2.")
                        .arg(generator, QString::number(MaximumGeneratedMapCount)));
    return true;
}

} // namespace kestrix::workbench
