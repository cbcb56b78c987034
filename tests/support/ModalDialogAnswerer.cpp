#include "support/ModalDialogAnswerer.h"

#include <QApplication>
#include <QWidget>

namespace kestrix::testing {

ModalDialogAnswerer::ModalDialogAnswerer(Answer answer, const QString& objectName)
    : m_answer(std::move(answer)), m_objectName(objectName)
{
    m_timer.setInterval(5);
    connect(&m_timer, &QTimer::timeout, this, &ModalDialogAnswerer::poll);
    m_timer.start();
}

ModalDialogAnswerer::~ModalDialogAnswerer() = default;

QWidget* ModalDialogAnswerer::findWindow() const
{
    if (m_objectName.isEmpty()) {
        if (QWidget* popup = QApplication::activePopupWidget())
            return popup;
        QWidget* modal = QApplication::activeModalWidget();
        return modal && modal->isVisible() ? modal : nullptr;
    }
    for (QWidget* widget : QApplication::allWidgets()) {
        if (widget->objectName() == m_objectName && widget->isVisible())
            return widget;
    }
    return nullptr;
}

void ModalDialogAnswerer::poll()
{
    QWidget* window = findWindow();
    if (!window)
        return;
    m_timer.stop();
    m_answered = true;
    m_windowTitle = window->windowTitle();
    m_answer(*window);
}

} // namespace kestrix::testing
