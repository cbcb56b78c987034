#include "GreyPaintDevice.h"

#include "GreyPaintEngine.h"

#include <QPainter>

namespace kestrix::hostsim::printing {

GreyPaintDevice::GreyPaintDevice(QPainter& target)
    : m_targetDevice(target.device()), m_engine(std::make_unique<GreyPaintEngine>(target))
{
}

GreyPaintDevice::~GreyPaintDevice() = default;

QPaintEngine* GreyPaintDevice::paintEngine() const
{
    return m_engine.get();
}

int GreyPaintDevice::metric(PaintDeviceMetric metric) const
{
    switch (metric) {
    // The target scales for its own pixel ratio; coordinates here are the target's logical ones.
    case PdmDevicePixelRatio: return 1;
    case PdmDevicePixelRatioScaled: return static_cast<int>(devicePixelRatioFScale());
    default: break;
    }
    if (!m_targetDevice)
        return QPaintDevice::metric(metric);
    switch (metric) {
    case PdmWidth: return m_targetDevice->width();
    case PdmHeight: return m_targetDevice->height();
    case PdmWidthMM: return m_targetDevice->widthMM();
    case PdmHeightMM: return m_targetDevice->heightMM();
    case PdmNumColors: return m_targetDevice->colorCount();
    case PdmDepth: return m_targetDevice->depth();
    case PdmDpiX: return m_targetDevice->logicalDpiX();
    case PdmDpiY: return m_targetDevice->logicalDpiY();
    case PdmPhysicalDpiX: return m_targetDevice->physicalDpiX();
    case PdmPhysicalDpiY: return m_targetDevice->physicalDpiY();
    default: return QPaintDevice::metric(metric);
    }
}

} // namespace kestrix::hostsim::printing
