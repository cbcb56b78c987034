#pragma once

#include <QProcessEnvironment>
#include <QString>
#include <QStringList>

namespace kestrix::testing {

// The built workbench, started as its users start it from a shell.
class WorkbenchProcess {
public:
    struct Result {
        bool finished = false;
        int exitCode = -1;
        QString output;
        QString errors;
    };

    // Where the build puts the workbench beside the tests.
    static QString executable();
    // Runs it to its end; a run that has not ended after two minutes is stopped and reported
    // as not finished. An empty environment is the test's own.
    static Result run(const QStringList& arguments, const QProcessEnvironment& environment = {});
};

} // namespace kestrix::testing
