#pragma once

#include "support/ModalDialogAnswerer.h"

#include <QString>
#include <QStringList>

#include <memory>

namespace kestrix::testing {

// What a save-file chooser was opened with.
struct SaveFileChooserRequest {
    QString caption;
    QString directory;
    QString fileName;
    QStringList filters;
};

// Answers the next save-file chooser: chooses `path`, or cancels when `path` is empty, after
// noting what the chooser proposed in `request`.
std::unique_ptr<ModalDialogAnswerer> answerSaveFileChooser(SaveFileChooserRequest& request, const QString& path);

} // namespace kestrix::testing
