// What a picture export refuses and how it fails: formats this host does not write, appending,
// missing names, folders and frames, overlong names, unwritable folders and a full disk. Every
// failure returns false, tells why (Host::lastExportError, and the action reporter's informative
// text) and leaves no file and no temporary file. Non-ASCII paths work.

#include <hostsim/Host.h>
#include <kxsdkbase/KernelApi.h>
#include <kxsdkpropertymanager/VexUtilActionReporter.h>
#include <kxtoolbox/CheckedStyleValue.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

#include "support/FolderEntries.h"
#include "support/StyleWrites.h"
#include "support/TestScenes.h"

#include "support/ModalDialogAnswerer.h"

#include <csignal>
#include <string>
#include <sys/resource.h>

using kestrix::hostsim::Host;
using kestrix::propertymanager::VexUtilActionReporter;
using kestrix::testing::FolderEntries;
using kestrix::testing::ModalDialogAnswerer;
using kestrix::testing::setApplicationStyle;
using kestrix::testing::TestScenes;

namespace {

bool setExport(const QString& path, ExportFormat_e format, int width = 400)
{
    return setApplicationStyle("EXPORTSETUP", "EXPORTFNAME", path.toStdString())
           && setApplicationStyle("EXPORTSETUP", "EXPORTFORMAT", format)
           && setApplicationStyle("EXPORTSETUP", "IMAGEWIDTH", width);
}

QByteArray contents(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool writeFile(const QString& path, const QByteArray& data)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(data) == data.size();
}

// Files may grow to `bytes` while it lives: writing beyond fails as on a full disk.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes)
    {
        m_previousHandler = std::signal(SIGXFSZ, SIG_IGN);
        getrlimit(RLIMIT_FSIZE, &m_previous);
        rlimit limit = m_previous;
        limit.rlim_cur = bytes;
        m_active = setrlimit(RLIMIT_FSIZE, &limit) == 0;
    }
    ~FileSizeLimit()
    {
        setrlimit(RLIMIT_FSIZE, &m_previous);
        std::signal(SIGXFSZ, m_previousHandler);
    }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;
    bool isActive() const { return m_active; }

private:
    rlimit m_previous{};
    void (*m_previousHandler)(int) = nullptr;
    bool m_active = false;
};

} // namespace

class TestExportFailures : public QObject {
    Q_OBJECT
private slots:
    void init()
    {
        QVERIFY(m_dir.isValid());
        for (const QString& name : FolderEntries::of(m_dir.path())) {
            const QString path = m_dir.filePath(name);
            QVERIFY(QFileInfo(path).isDir() ? QDir(path).removeRecursively() : QFile::remove(path));
        }
        Host::instance().loadDemoScene();
    }

    void formatsThisHostDoesNotWriteAreRefused_data()
    {
        QTest::addColumn<int>("format");
        QTest::addColumn<QString>("reason");
        QTest::newRow("wmf") << int(ExportFormat_WindowsMetafile) << QStringLiteral("WMF) export is not supported");
        QTest::newRow("raster metafile") << int(ExportFormat_RasterMetafile)
                                         << QStringLiteral("Raster Metafile export is not supported");
        QTest::newRow("avi") << int(ExportFormat_AVI) << QStringLiteral("AVI is a movie format");
        QTest::newRow("flash") << int(ExportFormat_Flash) << QStringLiteral("Flash is a movie format");
        QTest::newRow("mpeg-4") << int(ExportFormat_MPEG4) << QStringLiteral("MPEG-4 is a movie format");
    }

    void formatsThisHostDoesNotWriteAreRefused()
    {
        QFETCH(int, format);
        QFETCH(QString, reason);
        QVERIFY(setExport(m_dir.filePath(QStringLiteral("picture")), static_cast<ExportFormat_e>(format)));
        QVERIFY(!VexUtilExport(0));
        QVERIFY2(Host::instance().lastExportError().contains(reason), qPrintable(Host::instance().lastExportError()));
        QCOMPARE(FolderEntries::of(m_dir.path()), QStringList());
    }

    // No format written here holds several pictures: appending is refused and the file kept;
    // without appending the file is replaced.
    void appendingIsRefusedAndReplacingWorks_data()
    {
        QTest::addColumn<int>("format");
        QTest::addColumn<QString>("name");
        QTest::newRow("png") << int(ExportFormat_PNG) << QStringLiteral("PNG");
        QTest::newRow("jpeg") << int(ExportFormat_JPEG) << QStringLiteral("JPEG");
        QTest::newRow("tiff") << int(ExportFormat_TIFF) << QStringLiteral("TIFF");
        QTest::newRow("eps") << int(ExportFormat_EPS) << QStringLiteral("EPS");
    }

    void appendingIsRefusedAndReplacingWorks()
    {
        QFETCH(int, format);
        QFETCH(QString, name);
        const QString path = m_dir.filePath(QStringLiteral("existing"));
        QVERIFY(writeFile(path, "earlier export"));
        QVERIFY(setExport(path, static_cast<ExportFormat_e>(format), 200));
        QVERIFY(!VexUtilExport(1));
        QCOMPARE(Host::instance().lastExportError(),
                 QStringLiteral("Appending is not possible for %1 files: a %1 file holds one picture. Export to a "
                                "file of its own instead.")
                     .arg(name));
        QCOMPARE(contents(path), QByteArray("earlier export"));
        QCOMPARE(FolderEntries::of(m_dir.path()), QStringList{QStringLiteral("existing")});

        QVERIFY2(VexUtilExport(0), qPrintable(Host::instance().lastExportError()));
        QVERIFY(Host::instance().lastExportError().isEmpty());
        QVERIFY(contents(path).size() > 100);
        QVERIFY(!contents(path).contains("earlier export"));
        QCOMPARE(FolderEntries::of(m_dir.path()), QStringList{QStringLiteral("existing")});
    }

    void nothingToExportOrNoNameIsRefused()
    {
        QVERIFY(setExport(QString(), ExportFormat_PNG));
        QVERIFY(!VexUtilExport(0));
        QCOMPARE(Host::instance().lastExportError(), QStringLiteral("No file name is set for the export."));

        QVERIFY(setExport(m_dir.filePath(QStringLiteral("nothing.png")), ExportFormat_PNG));
        Host::instance().clearScene();
        QVERIFY(setExport(m_dir.filePath(QStringLiteral("nothing.png")), ExportFormat_PNG));
        for (int region : {0, 1, 2}) {
            QVERIFY(setApplicationStyle("EXPORTSETUP", "EXPORTREGION", region));
            QVERIFY(!VexUtilExport(0));
            QVERIFY2(Host::instance().lastExportError().startsWith(QStringLiteral("There is nothing to export")),
                     qPrintable(Host::instance().lastExportError()));
        }
        QCOMPARE(FolderEntries::of(m_dir.path()), QStringList());
    }

    void badPathsAreRefusedWithoutLeftovers()
    {
        const QString missing = m_dir.filePath(QStringLiteral("no such folder/picture.png"));
        QVERIFY(setExport(missing, ExportFormat_PNG));
        QVERIFY(!VexUtilExport(0));
        QCOMPARE(
            Host::instance().lastExportError(),
            QStringLiteral("The folder \"%1\" does not exist.").arg(m_dir.filePath(QStringLiteral("no such folder"))));

        const QString overlong = m_dir.filePath(QString(4000, QLatin1Char('n')) + QStringLiteral(".png"));
        QVERIFY(setExport(overlong, ExportFormat_PNG));
        QVERIFY(!VexUtilExport(0));
        QVERIFY2(Host::instance().lastExportError().startsWith(QStringLiteral("The file name is too long")),
                 qPrintable(Host::instance().lastExportError()));

        QVERIFY(setExport(m_dir.path(), ExportFormat_PNG));
        QVERIFY(!VexUtilExport(0));
        QVERIFY2(Host::instance().lastExportError().contains(QStringLiteral("is a folder")),
                 qPrintable(Host::instance().lastExportError()));
        QCOMPARE(FolderEntries::of(m_dir.path()), QStringList());
    }

    void anUnwritableFolderIsRefused()
    {
        const QString folder = m_dir.filePath(QStringLiteral("read only"));
        QVERIFY(QDir().mkpath(folder));
        QVERIFY(QFile::setPermissions(folder, QFileDevice::ReadOwner | QFileDevice::ExeOwner));
        if (QFileInfo(folder).isWritable()) {
            QFile::setPermissions(folder, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
            QSKIP("Permissions do not restrict this user (root).");
        }
        QVERIFY(setExport(folder + QStringLiteral("/picture.png"), ExportFormat_PNG));
        QVERIFY(!VexUtilExport(0));
        QCOMPARE(Host::instance().lastExportError(),
                 QStringLiteral("The folder \"%1\" cannot be written to.").arg(folder));
        QVERIFY(
            QFile::setPermissions(folder, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner));
        QCOMPARE(FolderEntries::of(folder), QStringList());
    }

    // A write error (here: the process's file size limit, as a full disk gives) leaves neither
    // the partial file nor the temporary file.
    void aWriteErrorLeavesNothing_data()
    {
        QTest::addColumn<int>("format");
        QTest::newRow("png") << int(ExportFormat_PNG);
        QTest::newRow("jpeg") << int(ExportFormat_JPEG);
        // Qt's TIFF writer reports success even when its last strips fail to write.
        QTest::newRow("tiff") << int(ExportFormat_TIFF);
        QTest::newRow("eps") << int(ExportFormat_EPS);
    }

    void aWriteErrorLeavesNothing()
    {
        QFETCH(int, format);
        QVERIFY(setExport(m_dir.filePath(QStringLiteral("full")), static_cast<ExportFormat_e>(format), 800));
        QVERIFY(setApplicationStyle("EXPORTSETUP", "EXPORTREGION", 1));
        bool exported = true;
        {
            const FileSizeLimit limit(4096);
            if (!limit.isActive())
                QSKIP("The file size limit cannot be set here.");
            exported = VexUtilExport(0);
        }
        QVERIFY(!exported);
        QVERIFY2(Host::instance().lastExportError().contains(QStringLiteral("could not be written")),
                 qPrintable(Host::instance().lastExportError()));
        QCOMPARE(FolderEntries::of(m_dir.path()), QStringList());
    }

    void nonAsciiPathsWork()
    {
        const QString folder = m_dir.filePath(QStringLiteral("Ärger ümlaut"));
        QVERIFY(QDir().mkpath(folder));
        for (const auto& [name, format] : {std::pair{QStringLiteral("Größe 温度.png"), ExportFormat_PNG},
                                           std::pair{QStringLiteral("Größe 温度.eps"), ExportFormat_EPS}}) {
            const QString path = folder + QLatin1Char('/') + name;
            QVERIFY(setExport(path, format, 300));
            QVERIFY2(VexUtilExport(0), qPrintable(Host::instance().lastExportError()));
            QVERIFY(QFileInfo::exists(path));
        }
        QCOMPARE(QImageReader(folder + QStringLiteral("/Größe 温度.png")).size(), QSize(300, 200));
        QVERIFY(contents(folder + QStringLiteral("/Größe 温度.eps")).startsWith("%!PS-Adobe-3.0 EPSF-3.0"));
        QCOMPARE(FolderEntries::of(folder).size(), 2);
    }

    // The action reporter shows why the export failed, once, and only when the caller gives no
    // second text of its own.
    void theReporterShowsTheExportFailureOnce()
    {
        QVERIFY(setExport(m_dir.filePath(QStringLiteral("no such folder/picture.png")), ExportFormat_PNG));
        QVERIFY(!VexUtilExport(0));
        const QString reason = Host::instance().lastExportError();
        QVERIFY(!reason.isEmpty());

        const VexUtilActionReporter reporter;
        QCOMPARE(informativeTextOf(reporter, "Unable to render offscreen image", ""), reason);
        QCOMPARE(informativeTextOf(reporter, "Unable to render offscreen image", ""), QString());
        QCOMPARE(Host::instance().lastExportError(), reason);

        QVERIFY(!VexUtilExport(0));
        QCOMPARE(informativeTextOf(reporter, "Unable to render offscreen image", "Check the folder."),
                 QStringLiteral("Check the folder."));
        QCOMPARE(informativeTextOf(reporter, "Something else failed", ""), QString());

        // A successful report in between takes the failure too.
        QVERIFY(!VexUtilExport(0));
        reporter.reportResult(true, "", "");
        QCOMPARE(informativeTextOf(reporter, "Something else failed", ""), QString());

        QVERIFY(setExport(m_dir.filePath(QStringLiteral("picture.png")), ExportFormat_PNG));
        QVERIFY(VexUtilExport(0));
        QCOMPARE(Host::instance().lastExportError(), QString());
    }

private:
    static QString informativeTextOf(const VexUtilActionReporter& reporter, const char* message, const char* second)
    {
        QString informative;
        bool seen = false;
        ModalDialogAnswerer answer([&](QWidget& window) {
            auto* box = qobject_cast<QMessageBox*>(&window);
            if (!box)
                return;
            seen = true;
            informative = box->informativeText();
            box->button(QMessageBox::Ok)->click();
        });
        reporter.reportResult(false, message, second);
        if (!seen)
            qWarning("no message box");
        return informative;
    }

    QTemporaryDir m_dir;
};

QTEST_MAIN(TestExportFailures)
#include "tst_export_failures.moc"
