#pragma once

#include <QPaintDevice>

#include <memory>

class QPainter;

namespace kestrix::hostsim::printing {

class GreyPaintEngine;

// A paint device standing in for an active painter's device: what is painted on it reaches
// that painter in grey, on top of the painter's own transformation. It has the target
// device's size and resolution, so that fonts and cosmetic pens come out as they would
// there. Painters on it must end before it is destroyed.
class GreyPaintDevice : public QPaintDevice {
public:
    explicit GreyPaintDevice(QPainter& target);
    ~GreyPaintDevice() override;

    GreyPaintDevice(const GreyPaintDevice&) = delete;
    GreyPaintDevice& operator=(const GreyPaintDevice&) = delete;

    QPaintEngine* paintEngine() const override;

protected:
    int metric(PaintDeviceMetric metric) const override;

private:
    const QPaintDevice* m_targetDevice;
    std::unique_ptr<GreyPaintEngine> m_engine;
};

} // namespace kestrix::hostsim::printing
