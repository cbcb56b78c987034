// File > Export Animation...: a movie of the current frame's zones written under a window-modal
// progress dialog that can cancel it, failures shown in a critical message box, and the same
// export without any window for the command line.

#include "AnimationExportRun.h"

#include "hostsim/Host.h"
#include "hostsim/movie/MovieProbe.h"
#include "support/ModalDialogAnswerer.h"

#include <kxsdkbase/Enumerations.h>
#include <kxtoolbox/CheckedStyleValue.h>

#include <QApplication>
#include <QDir>
#include <QMessageBox>
#include <QPointer>
#include <QProgressDialog>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include "support/FolderEntries.h"

using kestrix::hostsim::Host;
using kestrix::hostsim::movie::MovieProbe;
using kestrix::testing::FolderEntries;
using kestrix::testing::ModalDialogAnswerer;
using kestrix::toolbox::CheckedStyleValue;
using kestrix::toolbox::StyleValue;
using kestrix::workbench::AnimationExportRun;

namespace {

void setExportSettings(int format, const QString& fileName, int width)
{
    QVERIFY(StyleValue::returnCodeOk(CheckedStyleValue("EXPORTSETUP", "EXPORTFORMAT").set(format)));
    QVERIFY(
        StyleValue::returnCodeOk(CheckedStyleValue("EXPORTSETUP", "EXPORTFNAME").set(fileName.toUtf8().toStdString())));
    QVERIFY(StyleValue::returnCodeOk(CheckedStyleValue("EXPORTSETUP", "ANIMATIONSPEED").set(12.0)));
    QVERIFY(StyleValue::returnCodeOk(CheckedStyleValue("EXPORTSETUP", "IMAGEWIDTH").set(width)));
}

QProgressDialog* visibleProgressDialog()
{
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (widget->objectName() == AnimationExportRun::ProgressDialogName && widget->isVisible())
            return qobject_cast<QProgressDialog*>(widget);
    }
    return nullptr;
}

} // namespace

class TestAnimationExportRun : public QObject {
    Q_OBJECT
private slots:
    void init()
    {
        QVERIFY(m_dir.isValid());
        QVERIFY(FolderEntries::clear(m_dir.path()));
        m_window = std::make_unique<QWidget>();
        m_window->resize(400, 300);
        m_window->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
    }

    void cleanup() { m_window.reset(); }

    void writesTheMovieWhileShowingProgress()
    {
        QVERIFY(Host::instance().loadGeneratedScene(QStringLiteral("xy:3")));
        const QString path = m_dir.filePath(QStringLiteral("lines.avi"));
        setExportSettings(ExportFormat_AVI, path, 160);

        QStringList labels;
        QString title;
        Qt::WindowModality modality = Qt::NonModal;
        QTimer watcher;
        watcher.setInterval(0);
        connect(&watcher, &QTimer::timeout, this, [&] {
            if (QProgressDialog* progress = visibleProgressDialog()) {
                title = progress->windowTitle();
                modality = progress->windowModality();
                if (!labels.contains(progress->labelText()))
                    labels.append(progress->labelText());
            }
        });
        watcher.start();
        AnimationExportRun run(m_window.get());
        QCOMPARE(run.run(), AnimationExportRun::Result::Written);
        watcher.stop();

        QVERIFY(run.errorText().isEmpty());
        QVERIFY(!visibleProgressDialog());
        QCOMPARE(title, QStringLiteral("Export Animation"));
        QCOMPARE(modality, Qt::WindowModal);
        // Events are handled between zones, so the watcher sees some of the steps, always the last.
        QVERIFY(!labels.isEmpty());
        static const QRegularExpression step(QStringLiteral("^Writing zone ([1-3]) of 3: zone \\1\\.\\.\\.$"));
        for (const QString& label : labels)
            QVERIFY2(step.match(label).hasMatch(), qPrintable(label));
        QCOMPARE(labels.last(), QStringLiteral("Writing zone 3 of 3: zone 3..."));
        MovieProbe probe;
        QString error;
        QVERIFY2(probe.read(path, &error), qPrintable(error));
        QCOMPARE(probe.containerName(), QStringLiteral("avi"));
        QCOMPARE(probe.frameCount(), 3);
        QCOMPARE(probe.width(), 160);
        QCOMPARE(probe.framesPerSecond(), 12.0);
    }

    void cancelStopsAndRemovesTheMovie()
    {
        QVERIFY(Host::instance().loadGeneratedScene(QStringLiteral("field2d:12")));
        setExportSettings(ExportFormat_MPEG4, m_dir.filePath(QStringLiteral("field.mp4")), 320);

        int valueWhenPressed = -1;
        QTimer presser;
        presser.setInterval(0);
        connect(&presser, &QTimer::timeout, this, [&] {
            QProgressDialog* progress = visibleProgressDialog();
            if (!progress || progress->value() < 2)
                return;
            presser.stop();
            valueWhenPressed = progress->value();
            const QList<QPushButton*> buttons = progress->findChildren<QPushButton*>();
            QCOMPARE(buttons.size(), 1);
            QCOMPARE(buttons.first()->text(), QStringLiteral("Cancel"));
            QTest::mouseClick(buttons.first(), Qt::LeftButton);
        });
        presser.start();
        AnimationExportRun run(m_window.get());
        QCOMPARE(run.run(), AnimationExportRun::Result::Cancelled);

        QCOMPARE(valueWhenPressed, 2);
        QVERIFY(run.errorText().isEmpty());
        QVERIFY(!visibleProgressDialog());
        QVERIFY2(FolderEntries::of(m_dir.path()).isEmpty(), qPrintable(FolderEntries::of(m_dir.path()).join(' ')));
    }

    void failuresAreShownInACriticalMessageBox()
    {
        QVERIFY(Host::instance().loadGeneratedScene(QStringLiteral("field2d:3")));
        setExportSettings(ExportFormat_Flash, m_dir.filePath(QStringLiteral("movie.swf")), 160);

        QString shownText;
        QMessageBox::Icon icon = QMessageBox::NoIcon;
        QPointer<QWidget> shownParent;
        ModalDialogAnswerer answerer(
            [&](QWidget& window) {
                auto* box = qobject_cast<QMessageBox*>(&window);
                QVERIFY(box);
                shownText = box->text();
                icon = box->icon();
                shownParent = box->parentWidget();
                box->button(QMessageBox::Ok)->click();
            },
            AnimationExportRun::ErrorBoxName);
        AnimationExportRun run(m_window.get());
        QCOMPARE(run.run(), AnimationExportRun::Result::Failed);

        QCOMPARE(answerer.answered(), 1);
        QCOMPARE(answerer.answeredWindowTitle(), QStringLiteral("Export Animation"));
        QCOMPARE(icon, QMessageBox::Critical);
        QCOMPARE(shownParent.data(), m_window.get());
        QCOMPARE(shownText, run.errorText());
        QVERIFY2(shownText.contains(QStringLiteral("Flash movies are not supported")), qPrintable(shownText));
        QVERIFY(FolderEntries::of(m_dir.path()).isEmpty());
    }

    void exportsWithoutAWindow_data()
    {
        QTest::addColumn<QString>("fileName");
        QTest::addColumn<QString>("container");
        QTest::newRow("MPEG-4") << "movie.mp4"
                                << "mov,mp4,m4a,3gp,3g2,mj2";
        QTest::newRow("M4V") << "movie.M4V"
                             << "mov,mp4,m4a,3gp,3g2,mj2";
        QTest::newRow("AVI") << "movie.avi"
                             << "avi";
    }

    void exportsWithoutAWindow()
    {
        QFETCH(QString, fileName);
        QFETCH(QString, container);
        QVERIFY(Host::instance().loadGeneratedScene(QStringLiteral("field2d:4")));
        // The file name and container come from the call, whatever the settings say.
        setExportSettings(ExportFormat_Flash, m_dir.filePath(QStringLiteral("settings.swf")), 640);
        const QString path = m_dir.filePath(fileName);
        QString error;
        QVERIFY2(AnimationExportRun::exportWithoutWindow(path, 128, &error), qPrintable(error));
        for (QWidget* widget : QApplication::topLevelWidgets())
            QVERIFY(widget == m_window.get() || !widget->isVisible());
        MovieProbe probe;
        QVERIFY2(probe.read(path, &error), qPrintable(error));
        QCOMPARE(probe.containerName(), container);
        QCOMPARE(probe.frameCount(), 4);
        QCOMPARE(probe.width(), 128);
        QCOMPARE(probe.framesPerSecond(), 12.0);
    }

    void headlessExportRefusesOtherSuffixesAndFailures()
    {
        QVERIFY(Host::instance().loadGeneratedScene(QStringLiteral("field2d:2")));
        QString error;
        QVERIFY(!AnimationExportRun::exportWithoutWindow(m_dir.filePath(QStringLiteral("movie.gif")), 0, &error));
        QVERIFY2(error.contains(QStringLiteral(".mp4")), qPrintable(error));
        QVERIFY(!AnimationExportRun::exportWithoutWindow(m_dir.filePath(QStringLiteral("no/movie.mp4")), 0, &error));
        QVERIFY2(error.contains(QStringLiteral("does not exist")), qPrintable(error));
        Host::instance().clearScene();
        QVERIFY(!AnimationExportRun::exportWithoutWindow(m_dir.filePath(QStringLiteral("movie.mp4")), 0, &error));
        QCOMPARE(error, QStringLiteral("There is no current frame to export."));
        QVERIFY(FolderEntries::of(m_dir.path()).isEmpty());
    }

private:
    QTemporaryDir m_dir;
    std::unique_ptr<QWidget> m_window;
};

QTEST_MAIN(TestAnimationExportRun)
#include "tst_animationexportrun.moc"
