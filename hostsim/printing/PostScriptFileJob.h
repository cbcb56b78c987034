#pragma once

#include <QString>

class QPrinter;

namespace kestrix::hostsim::exporting {
class PagePicture;
}

namespace kestrix::hostsim::printing {

struct PrintSettings;

// A print into a PostScript file, on the printer's paper and within its margins. Qt prints
// no PostScript, so the file is made by the host's PostScript writer. The file appears under
// its name only once it is complete.
class PostScriptFileJob {
public:
    // `pageCount` times the page. False with a message in `error` on failure.
    static bool run(const QPrinter& printer, const QString& fileName, const exporting::PagePicture& picture,
                    const PrintSettings& settings, int pageCount, QString* error);
};

} // namespace kestrix::hostsim::printing
