#pragma once

#include <kxsdkbase/Enumerations.h>

#include <initializer_list>

namespace kestrix::sdk::ui::dialogs::exporting::intern {

// One export setting of the host, by what it means; ExportSettings knows its keyword path.
enum class ExportSetting {
    Palette,
    UseOffscreenBitmap,
    Format,
    RenderType,
    Region,
    ImageResolution,
    Precision,
    ForceExtra3DSorting,
    EpsPreviewType,
    EpsPreviewDepth,
    ImageWidth,
    EpsPreviewWidth,
    EpsPreviewHeight,
    UseSupersampleAntialiasing,
    SupersampleFactor,
    UseMultipleColorTables,
    ConvertTo256Colors,
    AnimationSpeed,
    FlashImageType,
    FlashCompressionType,
    Quality,
    JpegEncoding,
};

// The export dialog's working copy of the host's export settings ("EXPORTSETUP", with the
// render options "PRINTSETUP" shares with printing and "INTERFACE" "USEOFFSCREENBITMAP").
// The defaults stand for a setting the host cannot read.
struct ExportSettings {
    int palette = 2;
    bool useOffscreenBitmap = true;
    ExportFormat_e format = ExportFormat_PNG;
    int renderType = 0;
    int region = 0;
    int imageResolution = 150;
    int precision = 4;
    bool forceExtra3DSorting = false;
    int epsPreviewType = 0;
    int epsPreviewDepth = 0;
    int imageWidth = 800;
    int epsPreviewWidth = 128;
    int epsPreviewHeight = 128;
    bool useSupersampleAntialiasing = false;
    int supersampleFactor = 3;
    bool useMultipleColorTables = false;
    bool convertTo256Colors = false;
    double animationSpeed = 10.0;
    int flashImageType = 0;
    int flashCompressionType = 0;
    double quality = 75.0;
    int jpegEncoding = 0;

    // Reads every setting the host can give; the others keep their values.
    void read();
    // Writes the named settings, in the order given.
    void write(std::initializer_list<ExportSetting> settings) const;
};

} // namespace kestrix::sdk::ui::dialogs::exporting::intern
