#include "ui/message_box_state.h"

#include <QEvent>
#include <QWidget>

#include <utility>

namespace ui {

MessageBoxState::MessageBoxState(QObject* parent)
    : QObject(parent)
{
}

void MessageBoxState::watch(QWidget* box)
{
    if (m_box)
        m_box->removeEventFilter(this);
    m_box = box;
    if (box)
        box->installEventFilter(this);
}

DialogPending MessageBoxState::take()
{
    DialogPending taken = std::move(pending);
    drop();
    return taken;
}

bool MessageBoxState::eventFilter(QObject* watched, QEvent* event)
{
    // HideToParent: the box itself was hidden (whether or not the window is
    // on a screen), not merely covered by a hidden ancestor.
    if (watched == m_box && event->type() == QEvent::HideToParent) {
        drop();
        if (onGone)
            onGone();
    }
    return QObject::eventFilter(watched, event);
}

} // namespace ui
