#pragma once

#include "dialogs/zonestyle/intern/actions/StyleAction.h"

namespace kestrix::sdk::ui::dialogs::zonestyle::intern::actions {

// Asks for one number between limits, starting from the value of the first cell's map, and
// writes it to every map.
template <typename T>
class EnterSingleValueAction : public StyleAction<T> {
public:
    EnterSingleValueAction(const QString& text, const QModelIndexList& indexes, QList<QAction*>* menuList,
                           const QString& title, const QString& label, T minimum, T maximum, const char* kw1,
                           const char* kw2 = nullptr, const char* kw3 = nullptr, const char* kw4 = nullptr);

protected:
    void execute() override;

private:
    QString m_title;
    QString m_label;
    T m_minimum;
    T m_maximum;
};

extern template class EnterSingleValueAction<double>;
extern template class EnterSingleValueAction<int>;

} // namespace kestrix::sdk::ui::dialogs::zonestyle::intern::actions
