#pragma once

#include <kxsdkdialogs_common_qt/LaunchHelpAction.h>

#include <QPointer>
#include <QTabWidget>

#include <map>
#include <string>

namespace kestrix::dialogs::common {

// Opens the help page of the current tab of a tab widget.
class TabWidgetLaunchHelpAction : public LaunchHelpAction {
    Q_OBJECT
public:
    TabWidgetLaunchHelpAction(const std::map<QWidget*, std::string>& pageHelpFiles, QTabWidget* tabWidget,
                              QObject* parent);
    void setTabWidget(QTabWidget* tabWidget);
    QTabWidget* tabWidget() const { return m_tabWidget; }
    // The help file of the current page, empty when the page has none.
    std::string currentHelpFileName() const;

protected:
    std::string helpFileToShow() const override { return currentHelpFileName(); }

private:
    std::map<QWidget*, std::string> m_pageHelpFiles;
    QPointer<QTabWidget> m_tabWidget;
};

} // namespace kestrix::dialogs::common
