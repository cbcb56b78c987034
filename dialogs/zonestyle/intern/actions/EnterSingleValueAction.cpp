#include "dialogs/zonestyle/intern/actions/EnterSingleValueAction.h"

#include <QInputDialog>

namespace kestrix::sdk::ui::dialogs::zonestyle::intern::actions {

template <typename T>
EnterSingleValueAction<T>::EnterSingleValueAction(const QString& text, const QModelIndexList& indexes,
                                                  QList<QAction*>* menuList, const QString& title, const QString& label,
                                                  T minimum, T maximum, const char* kw1, const char* kw2,
                                                  const char* kw3, const char* kw4)
    : StyleAction<T>(text, indexes, menuList, T(), kw1, kw2, kw3, kw4),
      m_title(title),
      m_label(label),
      m_minimum(minimum),
      m_maximum(maximum)
{
}

template <typename T> void EnterSingleValueAction<T>::execute()
{
    T current = T();
    this->styleValue().get(current, this->indexes().first().row() + 1);
    bool confirmed = false;
    T entered = T();
    if constexpr (std::is_same_v<T, double>)
        entered = QInputDialog::getDouble(this->promptParent(), m_title, m_label, current, m_minimum, m_maximum, 2,
                                          &confirmed);
    else
        entered =
            QInputDialog::getInt(this->promptParent(), m_title, m_label, current, m_minimum, m_maximum, 1, &confirmed);
    if (!confirmed)
        return;
    this->setAccepted(true);
    this->applyValue(entered);
}

template class EnterSingleValueAction<double>;
template class EnterSingleValueAction<int>;

} // namespace kestrix::sdk::ui::dialogs::zonestyle::intern::actions
