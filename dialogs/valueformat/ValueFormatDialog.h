#pragma once

#include <kxsdkbase/Enumerations.h>
#include <kxsdkdialogs_common_qt/QtDialogAbstract.h>

#include <memory>

class QShowEvent;
class QString;

namespace kestrix::toolbox {
class StringList;
}

namespace kestrix::sdk::ui::dialogs {

// The modal "Specify Number Format" dialog: how the host prints the numbers of one labelled
// object, below the object's keyword path and "NUMFORMAT". One instance per process; every
// show reads the object's settings afresh and OK writes them as one undo step.
class ValueFormatDialog : public kestrix::dialogs::common::QtDialogAbstract {
    Q_OBJECT
public:
    // The dialog for the object that `keywords` and the two indices name (-1 where the path
    // needs no object). Makes the dialog on the first call; later calls point it at their own
    // object and offer.
    static ValueFormatDialog& getInstance(QWidget& parent, bool offerRangeBestFloat,
                                          const kestrix::toolbox::StringList& keywords, int objectIndex,
                                          int objectIndex2);

    ~ValueFormatDialog() override;

protected:
    void showEvent(QShowEvent* event) override;

private slots:
    void on_valueFormatModal_Format_CmbBox_currentIndexChanged(int index);
    void on_valueFormatModal_UsePrefixSuffixForZeroValues_ToggleButton_stateChanged(int state);
    void on_valueFormatModal_UsePrefixSuffixForNegValues_ToggleButton_stateChanged(int state);

private:
    ValueFormatDialog(QWidget& parent, bool offerRangeBestFloat, const kestrix::toolbox::StringList& keywords,
                      int objectIndex, int objectIndex2);

    void setTarget(bool offerRangeBestFloat, const kestrix::toolbox::StringList& keywords, int objectIndex,
                   int objectIndex2);
    void updateValueFormatOpMenu(NumberFormat_e format);
    void updateDialog(NumberFormat_e format);
    void accept() override;

    static QString formatToString(NumberFormat_e format);
    static NumberFormat_e stringToFormat(const QString& text);

    static ValueFormatDialog* m_dialogInstance;

    class Private;
    std::unique_ptr<Private> d;
};

} // namespace kestrix::sdk::ui::dialogs
