// The host's dialog base, help actions, help browser and sized table view.

#include <kxsdkdialogs_common_qt/LaunchHelpAction.h>
#include <kxsdkdialogs_common_qt/QtDialogAbstract.h>
#include <kxsdkdialogs_common_qt/TabWidgetLaunchHelpAction.h>
#include <kxsdkdialogs_common_qt/TableViewWithPreferredDimensions.h>

#include <QApplication>
#include <QDialogButtonBox>
#include <QHeaderView>
#include <QPointer>
#include <QPushButton>
#include <QSignalSpy>
#include <QStandardItemModel>
#include <QTextBrowser>
#include <QTimer>
#include <QVBoxLayout>
#include <QtTest>

#include "support/ModalDialogAnswerer.h"

#include <functional>

using kestrix::dialogs::common::LaunchHelpAction;
using kestrix::dialogs::common::QtDialogAbstract;
using kestrix::dialogs::common::TabWidgetLaunchHelpAction;
using kestrix::dialogs::common::TableViewWithPreferredDimensions;

using kestrix::testing::ModalDialogAnswerer;

namespace {

class ButtonBoxDialog : public QtDialogAbstract {
public:
    ButtonBoxDialog()
        : QtDialogAbstract(nullptr, nullptr)
    {
        auto* layout = new QVBoxLayout(this);
        buttonBox = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel | QDialogButtonBox::Apply,
                                         this);
        layout->addWidget(buttonBox);
        connect(buttonBox, &QDialogButtonBox::accepted, this, &QDialog::accept);
        connect(buttonBox, &QDialogButtonBox::rejected, this, &QDialog::reject);
    }

    QPushButton* button(QDialogButtonBox::StandardButton which) const { return buttonBox->button(which); }

    QDialogButtonBox* buttonBox = nullptr;
};

QWidget* helpBrowserWindow()
{
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (window->objectName() == QLatin1String("helpBrowser"))
            return window;
    }
    return nullptr;
}

QString helpBrowserText()
{
    QWidget* window = helpBrowserWindow();
    auto* browser = window ? window->findChild<QTextBrowser*>(QStringLiteral("helpBrowser_Text")) : nullptr;
    return browser ? browser->toPlainText() : QString();
}

} // namespace

class TestDialogBase : public QObject {
    Q_OBJECT

private slots:
    void setDefaultButtonMovesTheDefault();
    void returnKeyPressesTheDefaultButton();
    void modalLaunchRunsUntilDone();
    void modelessLaunchShowsAndReturns();
    void helpButtonAndF1OpenTheHelpPage();
    void helpActionInstalledBeforeTheFormGetsOneButton();
    void replacingTheHelpActionDeletesTheOldOne();
    void tabHelpFollowsTheCurrentTab();
    void missingPageSaysSo();
    void everyBundledPageOpens_data();
    void everyBundledPageOpens();
    void helpBrowserIsOnePerProcess();
    void tableViewSizeHintFollowsPreferredDimensions();
};

void TestDialogBase::setDefaultButtonMovesTheDefault()
{
    ButtonBoxDialog dialog;
    QPushButton* ok = dialog.button(QDialogButtonBox::Ok);
    QPushButton* cancel = dialog.button(QDialogButtonBox::Cancel);
    QPushButton* apply = dialog.button(QDialogButtonBox::Apply);

    QtDialogAbstract::setDefaultButton(*dialog.buttonBox, cancel);
    QVERIFY(cancel->isDefault());
    QVERIFY(cancel->autoDefault());
    QVERIFY(!ok->isDefault());
    QVERIFY(!ok->autoDefault());
    QVERIFY(!apply->isDefault());
    QVERIFY(!apply->autoDefault());

    QtDialogAbstract::setDefaultButton(*dialog.buttonBox, ok);
    QVERIFY(ok->isDefault());
    QVERIFY(ok->autoDefault());
    QVERIFY(!cancel->isDefault());
    QVERIFY(!cancel->autoDefault());
}

void TestDialogBase::returnKeyPressesTheDefaultButton()
{
    ButtonBoxDialog dialog;
    QtDialogAbstract::setDefaultButton(*dialog.buttonBox, dialog.button(QDialogButtonBox::Cancel));
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    QSignalSpy rejected(&dialog, &QDialog::rejected);
    QSignalSpy accepted(&dialog, &QDialog::accepted);
    QTest::keyClick(&dialog, Qt::Key_Return);
    QCOMPARE(rejected.count(), 1);
    QCOMPARE(accepted.count(), 0);
}

void TestDialogBase::modalLaunchRunsUntilDone()
{
    ButtonBoxDialog dialog;
    dialog.setModal(true);
    bool wasModalAndVisible = false;
    ModalDialogAnswerer answer([&](QWidget& modal) {
        wasModalAndVisible = &modal == &dialog && dialog.isVisible();
        dialog.button(QDialogButtonBox::Ok)->click();
    });
    dialog.launch();
    QCOMPARE(answer.answered(), 1);
    QVERIFY(wasModalAndVisible);
    QVERIFY(!dialog.isVisible());
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
}

void TestDialogBase::modelessLaunchShowsAndReturns()
{
    ButtonBoxDialog dialog;
    dialog.setModal(false);
    dialog.launch();
    QVERIFY(dialog.isVisible());
    QVERIFY(QApplication::activeModalWidget() == nullptr);
    QVERIFY(QTest::qWaitForWindowActive(&dialog));

    QSignalSpy finished(&dialog, &QDialog::finished);
    dialog.drop();
    QVERIFY(!dialog.isVisible());
    QCOMPARE(finished.count(), 1);

    // Taking down a dialog that is not up does nothing.
    dialog.drop();
    QCOMPARE(finished.count(), 1);
}

void TestDialogBase::helpButtonAndF1OpenTheHelpPage()
{
    ButtonBoxDialog dialog;
    auto* action = new LaunchHelpAction("zone_style_mesh.html", nullptr);
    dialog.setHelpAction(action);
    QCOMPARE(action->parent(), &dialog);
    QCOMPARE(dialog.helpAction(), action);

    dialog.show();
    QVERIFY(QTest::qWaitForWindowActive(&dialog));
    auto* helpButton = dialog.findChild<QPushButton*>(QStringLiteral("dialog_Help_Button"));
    QVERIFY(helpButton);
    QCOMPARE(dialog.buttonBox->buttonRole(helpButton), QDialogButtonBox::HelpRole);
    QVERIFY(!helpButton->isDefault());

    helpButton->click();
    QCOMPARE(QString::fromStdString(kestrix::dialogs::common::lastShownHelpPage()),
             QStringLiteral("zone_style_mesh.html"));
    QVERIFY(helpBrowserWindow() && helpBrowserWindow()->isVisible());
    QVERIFY(helpBrowserText().contains(QStringLiteral("Mesh")));

    kestrix::dialogs::common::showHelpPage("print.html");
    dialog.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&dialog));
    QTest::keyClick(&dialog, Qt::Key_F1);
    QCOMPARE(QString::fromStdString(kestrix::dialogs::common::lastShownHelpPage()),
             QStringLiteral("zone_style_mesh.html"));
}

void TestDialogBase::helpActionInstalledBeforeTheFormGetsOneButton()
{
    QtDialogAbstract dialog(nullptr, nullptr);
    dialog.setHelpAction(new LaunchHelpAction("print.html", nullptr));
    auto* layout = new QVBoxLayout(&dialog);
    auto* box = new QDialogButtonBox(QDialogButtonBox::Ok, &dialog);
    layout->addWidget(box);

    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    dialog.hide();
    dialog.show();
    QCOMPARE(dialog.findChildren<QPushButton*>(QStringLiteral("dialog_Help_Button")).size(), 1);

    kestrix::dialogs::common::showHelpPage("select_font.html");
    QCOMPARE(box->button(QDialogButtonBox::Help), dialog.findChild<QPushButton*>(QStringLiteral("dialog_Help_Button")));
    box->button(QDialogButtonBox::Help)->click();
    QCOMPARE(QString::fromStdString(kestrix::dialogs::common::lastShownHelpPage()), QStringLiteral("print.html"));
}

void TestDialogBase::replacingTheHelpActionDeletesTheOldOne()
{
    ButtonBoxDialog dialog;
    QPointer<QAction> first = new LaunchHelpAction("print.html", nullptr);
    dialog.setHelpAction(first);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));

    dialog.setHelpAction(new LaunchHelpAction("export_overview.html", nullptr));
    QVERIFY(first.isNull());
    QCOMPARE(dialog.findChildren<QPushButton*>(QStringLiteral("dialog_Help_Button")).size(), 1);

    kestrix::dialogs::common::showHelpPage("select_font.html");
    dialog.findChild<QPushButton*>(QStringLiteral("dialog_Help_Button"))->click();
    QCOMPARE(QString::fromStdString(kestrix::dialogs::common::lastShownHelpPage()),
             QStringLiteral("export_overview.html"));

    dialog.setHelpAction(nullptr);
    QVERIFY(dialog.findChild<QPushButton*>(QStringLiteral("dialog_Help_Button")) == nullptr);
}

void TestDialogBase::tabHelpFollowsTheCurrentTab()
{
    QTabWidget fieldTabs;
    auto* mesh = new QWidget;
    auto* contour = new QWidget;
    auto* unlisted = new QWidget;
    fieldTabs.addTab(mesh, QStringLiteral("Mesh"));
    fieldTabs.addTab(contour, QStringLiteral("Contour"));
    fieldTabs.addTab(unlisted, QStringLiteral("Other"));
    QTabWidget lineTabs;
    auto* definitions = new QWidget;
    lineTabs.addTab(definitions, QStringLiteral("Definitions"));

    const std::map<QWidget*, std::string> pages{{mesh, "zone_style_mesh.html"},
                                                {contour, "zone_style_contour.html"},
                                                {definitions, "mapping_style_definitions.html"}};
    TabWidgetLaunchHelpAction action(pages, &fieldTabs, nullptr);

    fieldTabs.setCurrentWidget(contour);
    QCOMPARE(action.currentHelpFileName(), std::string("zone_style_contour.html"));
    action.trigger();
    QCOMPARE(kestrix::dialogs::common::lastShownHelpPage(), std::string("zone_style_contour.html"));
    QVERIFY(helpBrowserText().contains(QStringLiteral("Contour")));

    fieldTabs.setCurrentWidget(mesh);
    action.trigger();
    QCOMPARE(kestrix::dialogs::common::lastShownHelpPage(), std::string("zone_style_mesh.html"));

    fieldTabs.setCurrentWidget(unlisted);
    QCOMPARE(action.currentHelpFileName(), std::string());
    action.trigger();
    QCOMPARE(helpBrowserText(), QStringLiteral("No help for this page."));

    action.setTabWidget(&lineTabs);
    QCOMPARE(action.tabWidget(), &lineTabs);
    action.trigger();
    QCOMPARE(kestrix::dialogs::common::lastShownHelpPage(), std::string("mapping_style_definitions.html"));
}

void TestDialogBase::missingPageSaysSo()
{
    QVERIFY(kestrix::dialogs::common::showHelpPage("zone_style_volume.html"));
    QVERIFY(!kestrix::dialogs::common::showHelpPage("no_such_page.html"));
    QCOMPARE(helpBrowserText(), QStringLiteral("No help for no_such_page.html."));
    QCOMPARE(kestrix::dialogs::common::lastShownHelpPage(), std::string("no_such_page.html"));

    // The page shown before the missing one comes back when asked for again.
    QVERIFY(kestrix::dialogs::common::showHelpPage("zone_style_volume.html"));
    QVERIFY(helpBrowserText().contains(QStringLiteral("Volume")));
}

void TestDialogBase::everyBundledPageOpens_data()
{
    QTest::addColumn<QString>("page");
    for (const char* page :
         {"zone_style_mesh.html", "zone_style_contour.html", "zone_style_vector.html", "zone_style_scatter.html",
          "zone_style_shade.html", "zone_style_edge.html", "zone_style_points.html", "zone_style_surfaces.html",
          "zone_style_volume.html", "zone_style_effects.html", "mapping_style_definitions.html",
          "mapping_style_lines.html", "mapping_style_curves.html", "mapping_style_symbols.html",
          "mapping_style_error_bars.html", "mapping_style_bars.html", "mapping_style_indices.html",
          "enter_mapping_name.html", "export_overview.html", "export_save.html", "print.html", "select_font.html",
          "specify_number_format.html", "label_points_and_cells.html"}) {
        QTest::newRow(page) << QString::fromLatin1(page);
    }
}

void TestDialogBase::everyBundledPageOpens()
{
    QFETCH(QString, page);
    QVERIFY(kestrix::dialogs::common::showHelpPage(page.toStdString()));
    QCOMPARE(QString::fromStdString(kestrix::dialogs::common::lastShownHelpPage()), page);
    const QString text = helpBrowserText();
    QVERIFY(!text.startsWith(QStringLiteral("No help")));
    QVERIFY2(text.size() > 80, qPrintable(text));
}

void TestDialogBase::helpBrowserIsOnePerProcess()
{
    kestrix::dialogs::common::showHelpPage("print.html");
    kestrix::dialogs::common::showHelpPage("select_font.html");
    int browsers = 0;
    for (QWidget* window : QApplication::topLevelWidgets())
        browsers += window->objectName() == QLatin1String("helpBrowser") ? 1 : 0;
    QCOMPARE(browsers, 1);
}

void TestDialogBase::tableViewSizeHintFollowsPreferredDimensions()
{
    QStandardItemModel model(3, 3);
    TableViewWithPreferredDimensions view;
    view.setModel(&model);
    view.setPreferredNumberOfRows(10);
    view.setPreferredNumberOfColumns(4);
    QCOMPARE(view.preferredNumberOfRows(), 10);
    QCOMPARE(view.preferredNumberOfColumns(), 4);
    const QSize tenByFour = view.sizeHint();

    const int rowHeight = view.verticalHeader()->defaultSectionSize();
    const int columnWidth = view.horizontalHeader()->defaultSectionSize();
    QVERIFY(tenByFour.height() >= 10 * rowHeight + view.horizontalHeader()->sizeHint().height());
    QVERIFY(tenByFour.width() >= 4 * columnWidth + view.verticalHeader()->sizeHint().width());

    view.setPreferredNumberOfRows(24);
    view.setPreferredNumberOfColumns(10);
    const QSize large = view.sizeHint();
    QCOMPARE(large.height() - tenByFour.height(), 14 * rowHeight);
    QCOMPARE(large.width() - tenByFour.width(), 6 * columnWidth);

    // Without its row header the view needs that much less width.
    const int rowHeaderWidth = view.verticalHeader()->sizeHint().width();
    view.verticalHeader()->hide();
    QCOMPARE(view.sizeHint().width(), large.width() - rowHeaderWidth);
}

QTEST_MAIN(TestDialogBase)
#include "tst_qt_dialogbase.moc"
