// Scene files are written by hand and by tools, so the stand-in host's loader meets anything.
// Besides not crashing: a scene is either built or refused with a message, never both or
// neither; a built scene is consistent (current page and frame exist, line maps name existing
// zones and variables, every frame is found by its id, every line-map name resolves) and the
// host takes it as a whole; a refused scene leaves the host's scene as it was.

#include "FuzzCheck.h"
#include "QtFuzzApplication.h"

#include "hostsim/Host.h"
#include "hostsim/kernel/DynamicText.h"
#include "hostsim/kernel/SceneLoader.h"
#include "hostsim/kernel/StyleSchema.h"

#include <QByteArray>
#include <QString>

#include <cstddef>
#include <cstdint>

using kestrix::hostsim::Host;
using namespace kestrix::hostsim::kernel;

namespace {

void checkBuiltScene(const Scene& scene)
{
    const int pages = static_cast<int>(scene.pages.size());
    KX_FUZZ_CHECK(scene.currentPage >= 0 && scene.currentPage <= pages, "current page %d of %d", scene.currentPage,
                  pages);
    KX_FUZZ_CHECK((scene.currentPage == 0) == (pages == 0), "current page %d of %d", scene.currentPage, pages);
    if (const Page* page = scene.page()) {
        const int frames = static_cast<int>(page->frames.size());
        KX_FUZZ_CHECK(scene.currentFrame >= 0 && scene.currentFrame <= frames, "current frame %d of %d",
                      scene.currentFrame, frames);
    }
    for (const Page& page : scene.pages) {
        for (const auto& frame : page.frames) {
            KX_FUZZ_CHECK(scene.frame(frame->id) == frame.get(), "frame %llu is not found by its id",
                          static_cast<unsigned long long>(frame->id));
            KX_FUZZ_CHECK(frame->zoneEnabled.size() == frame->zones.size(), "%zu zone flags for %zu zones",
                          frame->zoneEnabled.size(), frame->zones.size());
            KX_FUZZ_CHECK(frame->variableEnabled.size() == frame->variables.size(),
                          "%zu variable flags for %zu variables", frame->variableEnabled.size(),
                          frame->variables.size());
            for (const Zone& zone : frame->zones) {
                for (const auto& values : zone.values)
                    KX_FUZZ_CHECK(values.empty() || static_cast<long>(values.size()) == zone.nodeCount(),
                                  "%zu values for %ld nodes", values.size(), zone.nodeCount());
            }
            for (int map = 1; map <= frame->lineMapCount(); ++map) {
                const std::string name = resolveLineMapText(*frame, map, "&ZN&|&Z#&|&DV&|&IV&|&M#&");
                KX_FUZZ_CHECK(name.find("|" + std::to_string(map)) != std::string::npos,
                              "map %d resolves its codes to \"%s\"", map, name.c_str());
            }
        }
    }
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    kestrix::fuzzing::startQtApplication(argc, argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArray json(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));

    QString error;
    const std::unique_ptr<Scene> scene = SceneLoader::load(json, &error);
    KX_FUZZ_CHECK(!scene == !error.isEmpty(), "built: %d, message: \"%s\"", scene ? 1 : 0, qPrintable(error));
    if (scene)
        checkBuiltScene(*scene);

    Host& host = Host::instance();
    const int pagesBefore = host.pageCount();
    const QList<Host::FrameInfo> framesBefore = host.framesOfCurrentPage();
    QString hostError;
    const bool loaded = host.loadSceneJson(json, &hostError);
    KX_FUZZ_CHECK(loaded == bool(scene), "the loader and the host disagree: \"%s\"", qPrintable(hostError));
    KX_FUZZ_CHECK(hostError == error, "two messages for one scene: \"%s\", \"%s\"", qPrintable(error),
                  qPrintable(hostError));
    if (loaded) {
        KX_FUZZ_CHECK(host.pageCount() == static_cast<int>(scene->pages.size()), "the host has %d pages of %zu",
                      host.pageCount(), scene->pages.size());
        KX_FUZZ_CHECK(host.currentPage() == scene->currentPage, "current page %d instead of %d", host.currentPage(),
                      scene->currentPage);
        KX_FUZZ_CHECK(host.currentFrame() == scene->currentFrame, "current frame %d instead of %d", host.currentFrame(),
                      scene->currentFrame);
    } else {
        KX_FUZZ_CHECK(host.pageCount() == pagesBefore, "a refused scene changed the pages");
        KX_FUZZ_CHECK(host.framesOfCurrentPage().size() == framesBefore.size(), "a refused scene changed the frames");
    }
    return 0;
}
