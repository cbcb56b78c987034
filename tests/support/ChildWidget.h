#pragma once

#include <QString>
#include <QWidget>
#include <QtGlobal>

namespace kestrix::testing {

// The named child widget of a dialog under test; warns (and gives null) when it is missing.
template <typename T>
T* child(QWidget& parent, const char* name)
{
    T* widget = parent.findChild<T*>(QString::fromLatin1(name));
    if (!widget)
        qWarning("no %s named %s", T::staticMetaObject.className(), name);
    return widget;
}

} // namespace kestrix::testing
