#include "dialogs/export/intern/ExportSettings.h"

#include <kxtoolbox/CheckedStyleValue.h>

#include <array>
#include <variant>

namespace kestrix::sdk::ui::dialogs::exporting::intern {

namespace {

using Member = std::variant<int ExportSettings::*, bool ExportSettings::*, double ExportSettings::*,
                            ExportFormat_e ExportSettings::*>;

struct SettingPath {
    ExportSetting setting;
    std::array<const char*, 3> keywords;
    Member member;
};

// In the order the host's settings are read, which is also the order of ExportSetting.
constexpr std::array<SettingPath, 22> Paths{{
    {ExportSetting::Palette, {"PRINTSETUP", "PALETTE"}, &ExportSettings::palette},
    {ExportSetting::UseOffscreenBitmap, {"INTERFACE", "USEOFFSCREENBITMAP"}, &ExportSettings::useOffscreenBitmap},
    {ExportSetting::Format, {"EXPORTSETUP", "EXPORTFORMAT"}, &ExportSettings::format},
    {ExportSetting::RenderType, {"EXPORTSETUP", "PRINTRENDERTYPE"}, &ExportSettings::renderType},
    {ExportSetting::Region, {"EXPORTSETUP", "EXPORTREGION"}, &ExportSettings::region},
    {ExportSetting::ImageResolution, {"PRINTSETUP", "IMAGERESOLUTION"}, &ExportSettings::imageResolution},
    {ExportSetting::Precision, {"PRINTSETUP", "PRECISION"}, &ExportSettings::precision},
    {ExportSetting::ForceExtra3DSorting, {"PRINTSETUP", "FORCEEXTRA3DSORTING"}, &ExportSettings::forceExtra3DSorting},
    {ExportSetting::EpsPreviewType, {"EXPORTSETUP", "EPSPREVIEWIMAGE", "IMAGETYPE"}, &ExportSettings::epsPreviewType},
    {ExportSetting::EpsPreviewDepth,
     {"EXPORTSETUP", "EPSPREVIEWIMAGE", "GRAYSCALEDEPTH"},
     &ExportSettings::epsPreviewDepth},
    {ExportSetting::ImageWidth, {"EXPORTSETUP", "IMAGEWIDTH"}, &ExportSettings::imageWidth},
    {ExportSetting::EpsPreviewWidth,
     {"EXPORTSETUP", "EPSPREVIEWIMAGE", "IMAGEWIDTH"},
     &ExportSettings::epsPreviewWidth},
    {ExportSetting::EpsPreviewHeight,
     {"EXPORTSETUP", "EPSPREVIEWIMAGE", "IMAGEHEIGHT"},
     &ExportSettings::epsPreviewHeight},
    {ExportSetting::UseSupersampleAntialiasing,
     {"EXPORTSETUP", "USESUPERSAMPLEANTIALIASING"},
     &ExportSettings::useSupersampleAntialiasing},
    {ExportSetting::SupersampleFactor, {"EXPORTSETUP", "SUPERSAMPLEFACTOR"}, &ExportSettings::supersampleFactor},
    {ExportSetting::UseMultipleColorTables,
     {"EXPORTSETUP", "USEMULTIPLECOLORTABLES"},
     &ExportSettings::useMultipleColorTables},
    {ExportSetting::ConvertTo256Colors, {"EXPORTSETUP", "CONVERTTO256COLORS"}, &ExportSettings::convertTo256Colors},
    {ExportSetting::AnimationSpeed, {"EXPORTSETUP", "ANIMATIONSPEED"}, &ExportSettings::animationSpeed},
    {ExportSetting::FlashImageType, {"EXPORTSETUP", "FLASHIMAGETYPE"}, &ExportSettings::flashImageType},
    {ExportSetting::FlashCompressionType,
     {"EXPORTSETUP", "FLASHCOMPRESSIONTYPE"},
     &ExportSettings::flashCompressionType},
    {ExportSetting::Quality, {"EXPORTSETUP", "QUALITY"}, &ExportSettings::quality},
    {ExportSetting::JpegEncoding, {"EXPORTSETUP", "JPEGENCODING"}, &ExportSettings::jpegEncoding},
}};

constexpr bool pathsFollowSettingOrder()
{
    for (std::size_t index = 0; index < Paths.size(); ++index) {
        if (static_cast<std::size_t>(Paths[index].setting) != index)
            return false;
    }
    return true;
}
static_assert(pathsFollowSettingOrder(), "pathOf() looks a setting up by its position");

toolbox::CheckedStyleValue styleValue(const SettingPath& path)
{
    return toolbox::CheckedStyleValue(path.keywords[0], path.keywords[1], path.keywords[2]);
}

const SettingPath& pathOf(ExportSetting setting)
{
    return Paths[static_cast<std::size_t>(setting)];
}

template <typename T> void readInto(const toolbox::CheckedStyleValue& value, T& target)
{
    T received{};
    if (toolbox::StyleValue::returnCodeOk(value.get(received)))
        target = received;
}

} // namespace

void ExportSettings::read()
{
    for (const SettingPath& path : Paths) {
        const toolbox::CheckedStyleValue value = styleValue(path);
        std::visit([&](auto member) { readInto(value, this->*member); }, path.member);
    }
}

void ExportSettings::write(std::initializer_list<ExportSetting> settings) const
{
    for (const ExportSetting setting : settings) {
        const SettingPath& path = pathOf(setting);
        const toolbox::CheckedStyleValue value = styleValue(path);
        std::visit([&](auto member) { value.set(this->*member); }, path.member);
    }
}

} // namespace kestrix::sdk::ui::dialogs::exporting::intern
