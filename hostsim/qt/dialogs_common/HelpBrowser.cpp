#include "HelpBrowser.h"

#include <QFile>
#include <QFileInfo>
#include <QPointer>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

namespace kestrix::dialogs::common {

namespace {

QPointer<HelpBrowser>& theInstance()
{
    static QPointer<HelpBrowser> instance;
    return instance;
}

QString resourcePath(const QString& fileName)
{
    return QStringLiteral(":/help/") + fileName;
}

} // namespace

HelpBrowser& HelpBrowser::instance()
{
    QPointer<HelpBrowser>& instance = theInstance();
    // A top-level window without a parent: it outlives the dialog that opened it and is
    // deleted when the user interface goes away.
    if (!instance)
        instance = new HelpBrowser;
    return *instance;
}

HelpBrowser* HelpBrowser::existingInstance()
{
    return theInstance().data();
}

HelpBrowser::HelpBrowser()
    : QWidget(nullptr, Qt::Window)
{
    setObjectName(QStringLiteral("helpBrowser"));
    setAttribute(Qt::WA_QuitOnClose, false);
    setWindowTitle(tr("Help"));
    resize(560, 480);

    m_browser = new QTextBrowser(this);
    m_browser->setObjectName(QStringLiteral("helpBrowser_Text"));
    m_browser->setOpenExternalLinks(true);
    m_browser->setSearchPaths({QStringLiteral(":/help")});

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_browser);

    connect(m_browser, &QTextBrowser::sourceChanged, this, &HelpBrowser::followSource);
}

bool HelpBrowser::showPage(const QString& fileName)
{
    const bool exists = !fileName.isEmpty() && QFile::exists(resourcePath(fileName));
    m_currentPage = fileName;
    if (exists) {
        m_browser->setSource(QUrl(QStringLiteral("qrc") + resourcePath(fileName)));
    } else {
        m_browser->clear();
        m_browser->setPlainText(fileName.isEmpty() ? tr("No help for this page.")
                                                   : tr("No help for %1.").arg(fileName));
        setWindowTitle(tr("Help"));
    }
    show();
    raise();
    activateWindow();
    return exists;
}

void HelpBrowser::followSource(const QUrl& source)
{
    // Links between pages change the page shown; keep the name in step with them.
    if (source.isEmpty())
        return;
    m_currentPage = QFileInfo(source.path()).fileName();
    const QString title = m_browser->documentTitle();
    setWindowTitle(title.isEmpty() ? tr("Help") : tr("Help - %1").arg(title));
}

} // namespace kestrix::dialogs::common
