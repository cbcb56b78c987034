#pragma once

namespace kestrix::hostsim::printing {

// The kernel's PRINTSETUP values that decide how a page is printed, read when printing starts
// so that a print follows the settings of the moment.
struct PrintSettings {
    enum class RenderType { Vector, Image };

    // Values the kernel lacks or refuses keep their defaults.
    static PrintSettings fromKernel();

    RenderType renderType = RenderType::Vector;
    // Of the image print type, in dots per inch of paper.
    int imageResolution = 150;
    bool grey = false;
};

} // namespace kestrix::hostsim::printing
