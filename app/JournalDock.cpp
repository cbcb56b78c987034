#include "JournalDock.h"

#include "hostsim/Host.h"

#include <QFontDatabase>
#include <QHBoxLayout>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>

namespace kestrix::workbench {

namespace {

constexpr int MaximumShownLines = 10000;

} // namespace

class JournalDock::Private {
public:
    QPlainTextEdit* view = nullptr;
};

JournalDock::JournalDock(QWidget* parent)
    : QDockWidget(tr("Journal"), parent)
    , d(std::make_unique<Private>())
{
    setObjectName(QStringLiteral("workbench_Journal_Dock"));

    auto* content = new QWidget(this);
    d->view = new QPlainTextEdit(content);
    d->view->setObjectName(QStringLiteral("workbench_Journal_Text"));
    d->view->setReadOnly(true);
    d->view->setLineWrapMode(QPlainTextEdit::NoWrap);
    d->view->setMaximumBlockCount(MaximumShownLines);
    d->view->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));

    auto* clearButton = new QPushButton(tr("C&lear"), content);
    clearButton->setObjectName(QStringLiteral("workbench_ClearJournal_Button"));
    clearButton->setAutoDefault(false);

    auto* buttonRow = new QHBoxLayout;
    buttonRow->addStretch();
    buttonRow->addWidget(clearButton);

    auto* layout = new QVBoxLayout(content);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(d->view);
    layout->addLayout(buttonRow);
    setWidget(content);

    hostsim::Host& host = hostsim::Host::instance();
    const QStringList lines = host.journal();
    const qsizetype first = std::max<qsizetype>(0, lines.size() - MaximumShownLines);
    for (qsizetype index = first; index < lines.size(); ++index)
        d->view->appendPlainText(lines.at(index));

    connect(&host, &hostsim::Host::journalAppended, this, &JournalDock::appendLine);
    connect(clearButton, &QPushButton::clicked, this, &JournalDock::clearJournal);
}

JournalDock::~JournalDock() = default;

void JournalDock::appendLine(const QString& line)
{
    d->view->appendPlainText(line);
}

void JournalDock::clearJournal()
{
    hostsim::Host::instance().clearJournal();
    d->view->clear();
}

} // namespace kestrix::workbench
