// The "Print" dialog, shown as the host shows it and worked through its widgets as a user
// would; the file chooser, the printer chooser and the messages are answered by timers.

#include "dialogs/printing/PrintingDialog.h"
#include "dialogs/printing/WindowsPrintingManagerInterface.h"
#include "hostsim/Host.h"
#include "support/ChildWidget.h"
#include "support/ModalDialogAnswerer.h"
#include "support/SaveFileChooserAnswer.h"

#include <kxsdkintegrationmanager/Manager.h>
#include <kxsdkpropertymanager/RelevanceInterface.h>
#include <kxtoolbox/CheckedStyleValue.h>

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

using kestrix::hostsim::Host;
using kestrix::sdk::integration::Manager;
using kestrix::sdk::integration::WindowsPrintingManagerInterface;
using kestrix::sdk::ui::dialogs::PrintingDialog;
using kestrix::testing::answerSaveFileChooser;
using kestrix::testing::child;
using kestrix::testing::ModalDialogAnswerer;
using kestrix::testing::SaveFileChooserRequest;
using kestrix::toolbox::CheckedStyleValue;

namespace {

QVariant printSetup(const char* keyword)
{
    return Host::instance().styleValue({QStringLiteral("PRINTSETUP"), QString::fromLatin1(keyword)});
}

template <typename T> void store(const CheckedStyleValue& value, T newValue)
{
    QVERIFY(CheckedStyleValue::returnCodeOk(value.set(newValue)));
}

template <typename T> void storePrintSetup(const char* keyword, T value)
{
    store(CheckedStyleValue("PRINTSETUP", keyword), value);
}

void press(QWidget& dialog, const char* name)
{
    auto* button = child<QAbstractButton>(dialog, name);
    button->setFocus();
    QTest::keyClick(button, Qt::Key_Space);
}

void typeInto(QWidget& dialog, const char* name, const QString& text)
{
    auto* edit = child<QLineEdit>(dialog, name);
    edit->setFocus();
    QTest::keySequence(edit, QKeySequence::SelectAll);
    QTest::keyClick(edit, Qt::Key_Backspace);
    QTest::keyClicks(edit, text);
}

void pressOk(QWidget& dialog)
{
    child<QDialogButtonBox>(dialog, "buttonBox")->button(QDialogButtonBox::Ok)->click();
}

std::unique_ptr<ModalDialogAnswerer> answerMessage(QString& text)
{
    return std::make_unique<ModalDialogAnswerer>(
        [&text](QWidget& window) {
            auto* box = qobject_cast<QMessageBox*>(&window);
            QVERIFY(box);
            text = box->windowTitle() + QLatin1String(": ") + box->text();
            box->accept();
        },
        QStringLiteral("printingErrorMessageBox"));
}

// A printing manager that remembers what it was given.
class RecordingPrintingManager : public WindowsPrintingManagerInterface {
public:
    explicit RecordingPrintingManager(bool succeeds) : m_succeeds(succeeds) {}

    bool print(QPrinter& printer) override
    {
        ++calls;
        outputFileName = printer.outputFileName();
        copies = printer.copyCount();
        lockDepth = Host::instance().appLockDepth();
        waitDepth = Host::instance().waitStateDepth();
        return m_succeeds;
    }

    int calls = 0;
    QString outputFileName;
    int copies = 0;
    int lockDepth = 0;
    int waitDepth = 0;

private:
    bool m_succeeds;
};

// Puts the host's own printing manager back whatever a test does.
class PrintingManagerSwap {
public:
    explicit PrintingManagerSwap(WindowsPrintingManagerInterface* manager)
        : m_previous(Manager::getInstance().getPrintingManager())
    {
        Manager::getInstance().setPrintingManager(manager);
    }
    ~PrintingManagerSwap() { Manager::getInstance().setPrintingManager(m_previous); }
    PrintingManagerSwap(const PrintingManagerSwap&) = delete;
    PrintingManagerSwap& operator=(const PrintingManagerSwap&) = delete;

private:
    WindowsPrintingManagerInterface* m_previous;
};

} // namespace

class TestPrintingDialog : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QVERIFY(m_dir.isValid()); }

    void init()
    {
        Host::instance().loadDemoScene();
        m_parent = std::make_unique<QWidget>();
    }

    void cleanup() { m_parent.reset(); }

    void withoutPrintDriversTheStoredCopiesStay();
    void withPrintDriversTheCopiesAreWritten();
    void imageRenderTypeEnablesTheResolution();
    void anEmptyResolutionKeepsTheStoredOne();
    void everyShowingReadsWhatTheHostHoldsNow();
    void printToFileProposesPostScriptNamesInTheWorkingDirectory();
    void withoutPrintDriversTheChooserOffersAllFiles();
    void aCancelledFileChooserPrintsNothingAndCloses();
    void theManagerPrintsToTheChosenFileUnderTheLock();
    void aFailedPrintIsReportedAndTheDialogCloses();
    void aHostWithoutPrintingSaysSo();
    void printSetupCancelledKeepsThePrinter();
    void printsAPdfThroughTheHostsManager();
    void relevantWhileAPageHasFrames();

private:
    PrintingDialog& showDialog()
    {
        PrintingDialog& dialog = PrintingDialog::getInstance(*m_parent);
        dialog.show();
        return dialog;
    }

    QTemporaryDir m_dir;
    std::unique_ptr<QWidget> m_parent;
};

void TestPrintingDialog::withoutPrintDriversTheStoredCopiesStay()
{
    store(CheckedStyleValue("INTERFACE", "USEKESTRIXPRINTDRIVERS"), false);
    storePrintSetup("NUMHARDCOPYCOPIES", 5);
    storePrintSetup("SENDPRINTTOFILE", true);
    PrintingDialog& dialog = showDialog();
    QVERIFY(child<QSpinBox>(dialog, "printing_Copies_1Text")->isHidden());
    QVERIFY(child<QLabel>(dialog, "printing_Copies_Label")->isHidden());
    QVERIFY(child<QCheckBox>(dialog, "printing_ToFile_ToggleButton")->isHidden());

    SaveFileChooserRequest request;
    auto chooser = answerSaveFileChooser(request, QString());
    pressOk(dialog);
    QCOMPARE(chooser->answered(), 1);
    QCOMPARE(printSetup("NUMHARDCOPYCOPIES").toInt(), 5);
}

void TestPrintingDialog::withPrintDriversTheCopiesAreWritten()
{
    storePrintSetup("NUMHARDCOPYCOPIES", 5);
    storePrintSetup("SENDPRINTTOFILE", true);
    PrintingDialog& dialog = showDialog();
    auto* copies = child<QSpinBox>(dialog, "printing_Copies_1Text");
    QVERIFY(!copies->isHidden());
    QCOMPARE(copies->value(), 5);
    QCOMPARE(copies->maximum(), 500);
    copies->setFocus();
    QTest::keyClick(copies, Qt::Key_Down);
    SaveFileChooserRequest request;
    auto chooser = answerSaveFileChooser(request, QString());
    pressOk(dialog);
    QCOMPARE(printSetup("NUMHARDCOPYCOPIES").toInt(), 4);
}

void TestPrintingDialog::imageRenderTypeEnablesTheResolution()
{
    storePrintSetup("PRINTRENDERTYPE", 0);
    PrintingDialog& dialog = showDialog();
    QVERIFY(child<QRadioButton>(dialog, "printRenderOpts_Vector_RadioButton")->isChecked());
    QVERIFY(!child<QWidget>(dialog, "printRenderOpts_Resolution_1Text")->isEnabled());
    QVERIFY(child<QWidget>(dialog, "printRenderOpts_ExtraSort_ToggleButton")->isEnabled());

    press(dialog, "printRenderOpts_Image_RadioButton");
    QVERIFY(child<QWidget>(dialog, "printRenderOpts_Resolution_1Text")->isEnabled());
    QVERIFY(child<QWidget>(dialog, "printRenderOpts_Resolution_Label")->isEnabled());
    QVERIFY(!child<QWidget>(dialog, "printRenderOpts_ExtraSort_ToggleButton")->isEnabled());
}

void TestPrintingDialog::anEmptyResolutionKeepsTheStoredOne()
{
    storePrintSetup("PRINTRENDERTYPE", 1);
    storePrintSetup("IMAGERESOLUTION", 300);
    storePrintSetup("SENDPRINTTOFILE", true);
    PrintingDialog& dialog = showDialog();
    QCOMPARE(child<QLineEdit>(dialog, "printRenderOpts_Resolution_1Text")->text(), QStringLiteral("300"));
    typeInto(dialog, "printRenderOpts_Resolution_1Text", QStringLiteral("-"));
    QCOMPARE(child<QLineEdit>(dialog, "printRenderOpts_Resolution_1Text")->text(), QString());
    SaveFileChooserRequest request;
    {
        auto chooser = answerSaveFileChooser(request, QString());
        pressOk(dialog);
    }
    QCOMPARE(printSetup("IMAGERESOLUTION").toInt(), 300);

    showDialog();
    typeInto(dialog, "printRenderOpts_Resolution_1Text", QStringLiteral("600"));
    {
        auto chooser = answerSaveFileChooser(request, QString());
        pressOk(dialog);
    }
    QCOMPARE(printSetup("IMAGERESOLUTION").toInt(), 600);
}

void TestPrintingDialog::everyShowingReadsWhatTheHostHoldsNow()
{
    storePrintSetup("PALETTE", 2);
    storePrintSetup("SENDPRINTTOFILE", true);
    PrintingDialog& dialog = showDialog();
    QVERIFY(child<QCheckBox>(dialog, "printRenderOpts_Color_ToggleButton")->isChecked());
    dialog.hide();

    // Export, an undo or a scene load changes the shared render options meanwhile.
    storePrintSetup("PALETTE", 0);
    storePrintSetup("PRINTRENDERTYPE", 1);
    showDialog();
    QVERIFY(!child<QCheckBox>(dialog, "printRenderOpts_Color_ToggleButton")->isChecked());
    QVERIFY(child<QRadioButton>(dialog, "printRenderOpts_Image_RadioButton")->isChecked());
    SaveFileChooserRequest request;
    auto chooser = answerSaveFileChooser(request, QString());
    pressOk(dialog);
    QCOMPARE(printSetup("PALETTE").toInt(), 0);
    QCOMPARE(printSetup("PRINTRENDERTYPE").toInt(), 1);
}

void TestPrintingDialog::printToFileProposesPostScriptNamesInTheWorkingDirectory()
{
    storePrintSetup("SENDPRINTTOFILE", true);
    storePrintSetup("PALETTE", 2);
    storePrintSetup("PRINTFNAME", std::string("/data.v2/plot.ps"));
    PrintingDialog& dialog = showDialog();
    SaveFileChooserRequest request;
    {
        auto chooser = answerSaveFileChooser(request, QString());
        pressOk(dialog);
    }
    QCOMPARE(request.caption, QStringLiteral("Print to File"));
    QCOMPARE(request.fileName, QStringLiteral("plot.cps"));
    QCOMPARE(request.directory, QDir::current().absolutePath());
    QCOMPARE(request.filters, QStringList{QStringLiteral("Color PostScript Files (*.cps)")});

    // A dot in a directory's name is not the file's extension.
    storePrintSetup("PALETTE", 0);
    storePrintSetup("PRINTFNAME", std::string("/data.v2/plot"));
    showDialog();
    {
        auto chooser = answerSaveFileChooser(request, QString());
        pressOk(dialog);
    }
    QCOMPARE(request.fileName, QStringLiteral("plot.ps"));
    QCOMPARE(request.filters, QStringList{QStringLiteral("PostScript Files (*.ps)")});
}

void TestPrintingDialog::withoutPrintDriversTheChooserOffersAllFiles()
{
    store(CheckedStyleValue("INTERFACE", "USEKESTRIXPRINTDRIVERS"), false);
    storePrintSetup("SENDPRINTTOFILE", true);
    storePrintSetup("PRINTFNAME", std::string("/tmp/page.pdf"));
    PrintingDialog& dialog = showDialog();
    SaveFileChooserRequest request;
    auto chooser = answerSaveFileChooser(request, QString());
    pressOk(dialog);
    QCOMPARE(request.fileName, QStringLiteral("page.pdf"));
    QCOMPARE(request.filters, QStringList{QStringLiteral("All Files (*)")});
}

void TestPrintingDialog::aCancelledFileChooserPrintsNothingAndCloses()
{
    RecordingPrintingManager manager(true);
    PrintingManagerSwap swap(&manager);
    storePrintSetup("SENDPRINTTOFILE", true);
    PrintingDialog& dialog = showDialog();
    SaveFileChooserRequest request;
    auto chooser = answerSaveFileChooser(request, QString());
    pressOk(dialog);
    QCOMPARE(chooser->answered(), 1);
    QCOMPARE(manager.calls, 0);
    QVERIFY(!dialog.isVisible());
}

void TestPrintingDialog::theManagerPrintsToTheChosenFileUnderTheLock()
{
    RecordingPrintingManager manager(true);
    PrintingManagerSwap swap(&manager);
    storePrintSetup("SENDPRINTTOFILE", true);
    storePrintSetup("NUMHARDCOPYCOPIES", 2);
    PrintingDialog& dialog = showDialog();
    const QString target = m_dir.filePath(QStringLiteral("page.cps"));
    SaveFileChooserRequest request;
    QString message;
    auto chooser = answerSaveFileChooser(request, target);
    auto reply = answerMessage(message);
    pressOk(dialog);
    QCOMPARE(manager.calls, 1);
    QCOMPARE(manager.outputFileName, target);
    QCOMPARE(manager.copies, 2);
    QCOMPARE(manager.lockDepth, 1);
    QCOMPARE(manager.waitDepth, 1);
    QCOMPARE(printSetup("PRINTFNAME").toString(), target);
    QCOMPARE(reply->answered(), 0);
    QVERIFY(!dialog.isVisible());
    QCOMPARE(Host::instance().appLockDepth(), 0);
    QCOMPARE(Host::instance().waitStateDepth(), 0);
}

void TestPrintingDialog::aFailedPrintIsReportedAndTheDialogCloses()
{
    RecordingPrintingManager manager(false);
    PrintingManagerSwap swap(&manager);
    PrintingDialog& dialog = showDialog();
    QString message;
    auto reply = answerMessage(message);
    pressOk(dialog);
    QCOMPARE(manager.calls, 1);
    QCOMPARE(message, QStringLiteral("Error: Printing failed"));
    QVERIFY(!dialog.isVisible());
}

void TestPrintingDialog::aHostWithoutPrintingSaysSo()
{
    PrintingManagerSwap swap(nullptr);
    PrintingDialog& dialog = showDialog();
    QString message;
    auto reply = answerMessage(message);
    pressOk(dialog);
    QCOMPARE(reply->answered(), 1);
    QVERIFY(message.contains(QLatin1String("no printing manager")));
    QVERIFY(!dialog.isVisible());
    QCOMPARE(Host::instance().appLockDepth(), 0);
}

void TestPrintingDialog::printSetupCancelledKeepsThePrinter()
{
    storePrintSetup("NUMHARDCOPYCOPIES", 3);
    PrintingDialog& dialog = showDialog();
    const QString shownBefore = child<QLabel>(dialog, "format_Label")->text();
    QString title;
    ModalDialogAnswerer chooser([&title](QWidget& window) {
        auto* printChooser = qobject_cast<QPrintDialog*>(&window);
        QVERIFY(printChooser);
        title = window.objectName();
        printChooser->reject();
    });
    QTest::mouseClick(child<QPushButton>(dialog, "printing_Setup_Button"), Qt::LeftButton);
    QCOMPARE(chooser.answered(), 1);
    QCOMPARE(title, QStringLiteral("printSetupChooser"));
    QCOMPARE(dialog.printer().copyCount(), 3);
    QCOMPARE(child<QLabel>(dialog, "format_Label")->text(), shownBefore);
    QCOMPARE(printSetup("NUMHARDCOPYCOPIES").toInt(), 3);
}

void TestPrintingDialog::printsAPdfThroughTheHostsManager()
{
    storePrintSetup("SENDPRINTTOFILE", true);
    store(CheckedStyleValue("INTERFACE", "USEKESTRIXPRINTDRIVERS"), false);
    PrintingDialog& dialog = showDialog();
    const QString target = m_dir.filePath(QStringLiteral("Seite 1.pdf"));
    SaveFileChooserRequest request;
    QString message;
    auto chooser = answerSaveFileChooser(request, target);
    auto reply = answerMessage(message);
    pressOk(dialog);
    QCOMPARE(reply->answered(), 0);
    QFile written(target);
    QVERIFY(written.open(QIODevice::ReadOnly));
    QVERIFY(written.read(5) == "%PDF-");
}

void TestPrintingDialog::relevantWhileAPageHasFrames()
{
    const auto relevance = PrintingDialog::relevance();
    QVERIFY(relevance->isRelevant());
    Host::instance().clearScene();
    QVERIFY(!relevance->isRelevant());
}

QTEST_MAIN(TestPrintingDialog)
#include "tst_printingdialog.moc"
