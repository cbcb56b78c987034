#pragma once

#include <QApplication>
#include <QByteArray>
#include <QtGlobal>

namespace kestrix::fuzzing {

// The application that the stand-in host and the dialogs need, made once per process and
// drawn offscreen, as in the tests; libFuzzer passes its arguments on. It is never destroyed:
// a fuzzer ends by exit(), when Qt's own globals may already be gone.
inline void startQtApplication(int* argc, char*** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", QByteArrayLiteral("offscreen"));
    static const QApplication* const application = new QApplication(*argc, *argv);
    Q_UNUSED(application);
}

} // namespace kestrix::fuzzing
