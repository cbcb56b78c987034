#pragma once

#include <QString>
#include <QWidget>

class QTextBrowser;

namespace kestrix::dialogs::common {

// The host's help window: one per process, made on first use. It shows the pages bundled
// under the resource prefix :/help.
class HelpBrowser : public QWidget {
    Q_OBJECT
public:
    static HelpBrowser& instance();
    // The window if it was ever made and still exists, else null.
    static HelpBrowser* existingInstance();

    // Shows the page, or a "No help for ..." text when the bundle has no such page. True when
    // the page exists.
    bool showPage(const QString& fileName);
    QString currentPage() const { return m_currentPage; }
    QTextBrowser* textBrowser() const { return m_browser; }

private:
    HelpBrowser();
    void followSource(const QUrl& source);

    QTextBrowser* m_browser = nullptr;
    QString m_currentPage;
};

} // namespace kestrix::dialogs::common
