// The host's common controls, save-file choosers and application settings.

#include <common_settings/ApplicationSettings.h>
#include <common_ui_qt/ComboBoxAutoFilter.h>
#include <common_ui_qt/QScientificSpinBox.h>
#include <common_ui_qt/SaveFileQtDialog.h>
#include <common_ui_qt/SaveFileWinDialog.h>

#include <QAbstractItemView>
#include <QApplication>
#include <QFileDialog>
#include <QLineEdit>
#include <QSettings>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include "support/ModalDialogAnswerer.h"

#include <functional>

using kestrix::settings::ApplicationSettings;
using kestrix::ui::ComboBoxAutoFilter;
using kestrix::ui::QScientificSpinBox;

using kestrix::testing::ModalDialogAnswerer;

namespace {

const QStringList ZoneNames{QStringLiteral("inlet 1"), QStringLiteral("outlet 2"), QStringLiteral("Wall 3"),
                            QStringLiteral("wall 4"), QStringLiteral("farfield 5")};

} // namespace

class TestCommonControls : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();

    void comboBoxCompleterFiltersByContainedText();
    void comboBoxCompleterFollowsTheList();
    void comboBoxCompleterCanBeSwitchedOff();
    void validateEntryFollowsTypedText_data();
    void validateEntryFollowsTypedText();
    void validateEntryOnAFixedList();

    void scientificSpinBoxWritesLargeValuesWithExponent();
    void scientificSpinBoxReadsExponentInput();
    void scientificSpinBoxValidatesAsTyped_data();
    void scientificSpinBoxValidatesAsTyped();

    void saveFileDialogReturnsTheChosenFile();
    void saveFileDialogCancelled();
    void nativeSaveFileDialogStandsInWithTheToolkitChooser();

    void settingsComeFromTheNamedFile();

private:
    QTemporaryDir m_dir;
    QString m_settingsPath;
};

void TestCommonControls::initTestCase()
{
    QVERIFY(m_dir.isValid());
    m_settingsPath = m_dir.filePath(QStringLiteral("settings.ini"));
    {
        QSettings seed(m_settingsPath, QSettings::IniFormat);
        seed.setValue(QStringLiteral("USE_WINDOWS_NATIVE_DIALOG"), QStringLiteral("YES"));
        seed.setValue(QStringLiteral("export/lastDirectory"), QStringLiteral("/tmp/plots"));
    }
    // The settings are read once per process, from the file named at first use.
    qputenv("KESTRIX_SETTINGS", QFile::encodeName(m_settingsPath));
}

void TestCommonControls::comboBoxCompleterFiltersByContainedText()
{
    ComboBoxAutoFilter combo;
    combo.setList(ZoneNames);
    QCOMPARE(combo.list(), ZoneNames);
    combo.setCompleterAttributes(true, QCompleter::PopupCompletion, Qt::CaseInsensitive, Qt::ElideRight,
                                 Qt::MatchContains);

    QVERIFY(combo.isEditable());
    QCompleter* completer = combo.completer();
    QVERIFY(completer);
    QCOMPARE(completer->filterMode(), Qt::MatchContains);
    QCOMPARE(completer->caseSensitivity(), Qt::CaseInsensitive);
    QCOMPARE(completer->completionMode(), QCompleter::PopupCompletion);
    QCOMPARE(completer->popup()->textElideMode(), Qt::ElideRight);

    completer->setCompletionPrefix(QStringLiteral("WALL"));
    QCOMPARE(completer->completionCount(), 2);
    completer->setCompletionPrefix(QStringLiteral("let"));
    QStringList hits;
    for (int row = 0; completer->setCurrentRow(row); ++row)
        hits.append(completer->currentCompletion());
    QCOMPARE(hits, QStringList({QStringLiteral("inlet 1"), QStringLiteral("outlet 2")}));
}

void TestCommonControls::comboBoxCompleterFollowsTheList()
{
    ComboBoxAutoFilter combo;
    combo.setCompleterAttributes(true, QCompleter::PopupCompletion, Qt::CaseSensitive, Qt::ElideMiddle,
                                 Qt::MatchStartsWith);
    combo.setList(ZoneNames);
    QCompleter* completer = combo.completer();
    QCOMPARE(completer->filterMode(), Qt::MatchStartsWith);
    completer->setCompletionPrefix(QStringLiteral("wall"));
    QCOMPARE(completer->completionCount(), 1);
    QCOMPARE(completer->currentCompletion(), QStringLiteral("wall 4"));

    combo.setList({QStringLiteral("wall A"), QStringLiteral("wall B"), QStringLiteral("core")});
    completer->setCompletionPrefix(QStringLiteral("wall"));
    QCOMPARE(completer->completionCount(), 2);
}

void TestCommonControls::comboBoxCompleterCanBeSwitchedOff()
{
    ComboBoxAutoFilter combo;
    combo.setList(ZoneNames);
    combo.setCompleterAttributes(true, QCompleter::PopupCompletion, Qt::CaseInsensitive, Qt::ElideRight,
                                 Qt::MatchContains);
    QPointer<QCompleter> first = combo.completer();
    combo.setCompleterAttributes(true, QCompleter::InlineCompletion, Qt::CaseInsensitive, Qt::ElideRight,
                                 Qt::MatchContains);
    QVERIFY(combo.completer() != first.data());
    QCOMPARE(combo.completer()->completionMode(), QCompleter::InlineCompletion);
    combo.setCompleterAttributes(false, QCompleter::PopupCompletion, Qt::CaseInsensitive, Qt::ElideRight,
                                 Qt::MatchContains);
    QVERIFY(combo.completer() == nullptr);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(first.isNull());

    // An editable combo box already has a completer of its line edit's, which the line edit
    // deletes itself when it is replaced.
    ComboBoxAutoFilter editable;
    editable.setEditable(true);
    editable.setList(ZoneNames);
    editable.setCompleterAttributes(true, QCompleter::PopupCompletion, Qt::CaseInsensitive, Qt::ElideRight,
                                    Qt::MatchContains);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(editable.completer());
    QCOMPARE(editable.completer()->filterMode(), Qt::MatchContains);
    editable.setCompleterAttributes(false, QCompleter::PopupCompletion, Qt::CaseInsensitive, Qt::ElideRight,
                                    Qt::MatchContains);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(editable.completer() == nullptr);
}

void TestCommonControls::validateEntryFollowsTypedText_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("valid");
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("shown");

    // The combo box starts on "outlet 2" (index 1).
    QTest::newRow("exact") << "wall 4" << true << 3 << "wall 4";
    QTest::newRow("exact ignoring case before containing") << "WALL 4" << true << 3 << "wall 4";
    QTest::newRow("contained") << "field" << true << 4 << "farfield 5";
    QTest::newRow("first of several containing") << "wall" << true << 2 << "Wall 3";
    QTest::newRow("no item") << "core" << false << 1 << "outlet 2";
    QTest::newRow("empty") << "" << false << 1 << "outlet 2";
}

void TestCommonControls::validateEntryFollowsTypedText()
{
    QFETCH(QString, typed);
    QFETCH(bool, valid);
    QFETCH(int, index);
    QFETCH(QString, shown);

    ComboBoxAutoFilter combo;
    combo.setList(ZoneNames);
    combo.setCompleterAttributes(true, QCompleter::PopupCompletion, Qt::CaseInsensitive, Qt::ElideRight,
                                 Qt::MatchContains);
    combo.setCurrentIndex(1);
    combo.show();
    QVERIFY(QTest::qWaitForWindowExposed(&combo));
    combo.lineEdit()->selectAll();
    QTest::keyClick(combo.lineEdit(), Qt::Key_Backspace);
    QTest::keyClicks(combo.lineEdit(), typed);

    QCOMPARE(combo.validateEntry(), valid);
    QCOMPARE(combo.currentIndex(), index);
    QCOMPARE(combo.currentText(), shown);
}

void TestCommonControls::validateEntryOnAFixedList()
{
    ComboBoxAutoFilter combo;
    QVERIFY(!combo.validateEntry());
    combo.setList(ZoneNames);
    combo.setCurrentIndex(2);
    QVERIFY(!combo.isEditable());
    QVERIFY(combo.validateEntry());
    QCOMPARE(combo.currentIndex(), 2);
}

void TestCommonControls::scientificSpinBoxWritesLargeValuesWithExponent()
{
    QScientificSpinBox box;
    box.setDecimals(4);
    box.setRange(0.0, 1e150);
    // The user reads the decimal separator and exponent mark of their own locale.
    const auto usersNotation = [](QString text) {
        return text.replace(QLatin1Char('.'), QLocale().decimalPoint())
            .replace(QLatin1Char('e'), QLocale().exponential());
    };
    box.setValue(3.5);
    QCOMPARE(box.text(), usersNotation(QStringLiteral("3.5")));
    box.setValue(12.0);
    QCOMPARE(box.text(), QStringLiteral("12"));
    box.setValue(2.5e7);
    QCOMPARE(box.text(), usersNotation(QStringLiteral("2.5e+07")));
    box.setValue(1e150);
    QCOMPARE(box.value(), 1e150);
    QCOMPARE(box.text(), usersNotation(QStringLiteral("1e+150")));
    // The size hint is taken from the text of the maximum: it must stay a sensible width.
    QVERIFY(box.sizeHint().width() < 300);
}

void TestCommonControls::scientificSpinBoxReadsExponentInput()
{
    QScientificSpinBox box;
    box.setDecimals(4);
    box.setRange(0.0, 1e150);
    box.setKeyboardTracking(false);
    box.show();
    QVERIFY(QTest::qWaitForWindowExposed(&box));
    QLineEdit* edit = box.findChild<QLineEdit*>();
    QVERIFY(edit);
    edit->selectAll();
    QTest::keyClicks(edit, QStringLiteral("2.5e3"));
    QTest::keyClick(edit, Qt::Key_Return);
    QCOMPARE(box.value(), 2500.0);

    edit->selectAll();
    QTest::keyClicks(edit, QStringLiteral("7E+8"));
    QTest::keyClick(edit, Qt::Key_Return);
    QCOMPARE(box.value(), 7e8);
}

void TestCommonControls::scientificSpinBoxValidatesAsTyped_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("state");

    QTest::newRow("integer") << "12" << int(QValidator::Acceptable);
    QTest::newRow("fraction") << "0.25" << int(QValidator::Acceptable);
    QTest::newRow("exponent") << "1.5e-2" << int(QValidator::Acceptable);
    QTest::newRow("exponent started") << "1e" << int(QValidator::Intermediate);
    QTest::newRow("exponent sign") << "1e-" << int(QValidator::Intermediate);
    QTest::newRow("empty") << "" << int(QValidator::Intermediate);
    QTest::newRow("below the minimum") << "-1" << int(QValidator::Intermediate);
    QTest::newRow("above the maximum") << "1e200" << int(QValidator::Intermediate);
    QTest::newRow("letters") << "abc" << int(QValidator::Invalid);
    QTest::newRow("two points") << "1.2.3" << int(QValidator::Invalid);
    QTest::newRow("two exponents") << "1e2e3" << int(QValidator::Invalid);
}

void TestCommonControls::scientificSpinBoxValidatesAsTyped()
{
    QFETCH(QString, text);
    QFETCH(int, state);
    QScientificSpinBox box;
    box.setDecimals(4);
    box.setRange(0.0, 1e150);
    int position = text.size();
    QCOMPARE(int(box.validate(text, position)), state);
}

void TestCommonControls::saveFileDialogReturnsTheChosenFile()
{
    kestrix::ui::SaveFileQtDialog chooser(nullptr, "Select Export File", m_dir.path().toStdString(), "plot.png",
                                          "PNG (*.png)", "export_save.html");
    QString caption;
    bool saving = false;
    QString proposed;
    ModalDialogAnswerer answer([&](QWidget& modal) {
        auto* dialog = qobject_cast<QFileDialog*>(&modal);
        QVERIFY(dialog);
        QCOMPARE(dialog->objectName(), QStringLiteral("saveFileDialog"));
        caption = dialog->windowTitle();
        saving = dialog->acceptMode() == QFileDialog::AcceptSave;
        QCOMPARE(dialog->directory().absolutePath(), QDir(m_dir.path()).absolutePath());
        proposed = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))->text();
        dialog->selectFile(QStringLiteral("wing"));
        static_cast<QDialog*>(dialog)->accept();
    });
    QVERIFY(chooser.launch());
    QCOMPARE(answer.answered(), 1);
    QCOMPARE(caption, QStringLiteral("Select Export File"));
    QVERIFY(saving);
    QCOMPARE(proposed, QStringLiteral("plot.png"));
    // A name typed without an extension gets the filter's.
    QCOMPARE(QString::fromStdString(chooser.selectedFilename()),
             QDir(m_dir.path()).filePath(QStringLiteral("wing.png")));
}

void TestCommonControls::saveFileDialogCancelled()
{
    kestrix::ui::SaveFileQtDialog chooser(nullptr, "Print to File", m_dir.path().toStdString(), "", "", "print.html");
    ModalDialogAnswerer answer([](QWidget& modal) { qobject_cast<QDialog*>(&modal)->reject(); });
    QVERIFY(!chooser.launch());
    QCOMPARE(answer.answered(), 1);
    QCOMPARE(chooser.selectedFilename(), std::string());
}

void TestCommonControls::nativeSaveFileDialogStandsInWithTheToolkitChooser()
{
    kestrix::ui::SaveFileWinDialog chooser(nullptr, "Select Export File", m_dir.path().toStdString(), "a.eps",
                                           "EPS (*.eps)", "export_save.html");
    ModalDialogAnswerer answer([&](QWidget& modal) {
        auto* dialog = qobject_cast<QFileDialog*>(&modal);
        QVERIFY(dialog);
        QVERIFY(dialog->testOption(QFileDialog::DontUseNativeDialog));
        dialog->selectFile(QDir(m_dir.path()).filePath(QStringLiteral("b.eps")));
        static_cast<QDialog*>(dialog)->accept();
    });
    QVERIFY(chooser.launch());
    QCOMPARE(QString::fromStdString(chooser.selectedFilename()), QDir(m_dir.path()).filePath(QStringLiteral("b.eps")));
}

void TestCommonControls::settingsComeFromTheNamedFile()
{
    ApplicationSettings& settings = ApplicationSettings::getInstance();
    QCOMPARE(QString::fromStdString(settings.fileName()), m_settingsPath);
    QVERIFY(settings.keyExists("USE_WINDOWS_NATIVE_DIALOG"));
    QCOMPARE(settings.getStringValue("USE_WINDOWS_NATIVE_DIALOG"), std::string("YES"));
    QCOMPARE(settings.getStringValue("export/lastDirectory"), std::string("/tmp/plots"));
    QVERIFY(!settings.keyExists("NO_SUCH_KEY"));
    QCOMPARE(settings.getStringValue("NO_SUCH_KEY"), std::string());

    settings.setStringValue("LAST_FORMAT", "PNG");
    QVERIFY(settings.keyExists("LAST_FORMAT"));
    QSettings reread(m_settingsPath, QSettings::IniFormat);
    QCOMPARE(reread.value(QStringLiteral("LAST_FORMAT")).toString(), QStringLiteral("PNG"));
    QCOMPARE(&ApplicationSettings::getInstance(), &settings);
}

QTEST_MAIN(TestCommonControls)
#include "tst_qt_commoncontrols.moc"
