#pragma once

#include <kxsdkbase/Enumerations.h>
#include <kxsdkdialogs_common_qt/QtDialogAbstract.h>

namespace kestrix::dialogs::lineplot {

// Edits the curve-fit settings of a curve type; the caller reads them back after OK. Modal.
class CurveFitSettingsDialog : public common::QtDialogAbstract {
    Q_OBJECT
public:
    static CurveFitSettingsDialog& getInstance(QWidget* parent, CurveType_e curveType);
    ~CurveFitSettingsDialog() override;

    CurveType_e curveType() const;
    void setPolyOrder(short order);
    short polyOrder() const;
    void setRangeActive(bool active);
    bool rangeActive() const;
    void setRangeMin(double minimum);
    double rangeMin() const;
    void setRangeMax(double maximum);
    double rangeMax() const;
    void setClampActive(bool active);
    bool clampActive() const;
    void setClampStart(double derivative);
    double clampStart() const;
    void setClampEnd(double derivative);
    double clampEnd() const;
    void setVarActive(bool active);
    bool varActive() const;
    void setVarNumber(int var);
    int varNumber() const;

private:
    explicit CurveFitSettingsDialog(QWidget* parent);
    void configure(CurveType_e curveType);
    class Private;
    std::unique_ptr<Private> d;
};

} // namespace kestrix::dialogs::lineplot
