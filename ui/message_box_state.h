#pragma once
// What the message box is waiting for. It belongs to the box that is open:
// when the box goes away by any path other than its own answer (HOME, MENU,
// a top-bar button, the subsystem strip, ESC, a screen change, a fault
// pop-up), its pending step goes with it, so a later, unrelated OK closes its
// own box and does nothing else: no stale save, no jump to the diagnosis
// choice, no restart notice and no reboot.
//
// The answer handlers take() the pending step before they hide the box, then
// act on what they took.

#include <QObject>
#include <QPointer>
#include <QString>

#include <functional>

class QEvent;
class QWidget;

namespace ui {

struct DialogPending {
    int Dialog_Box_YESNO_Enable = 0; // the box asks YES / NO
    int confirm_flag = 0;            // YES runs `action`
    int diag_flag = 0;               // OK goes back to the diagnosis processor choice
    int masterslave_flag = 0;        // 1: YES asks for the calibration restart; 2: OK restarts the unit
    std::function<QString()> action; // the confirmed action; returns "" or what failed
    bool actionSaves = true;         // the action saves a file: success says "File Saved"

    bool empty() const
    {
        return Dialog_Box_YESNO_Enable == 0 && confirm_flag == 0 && diag_flag == 0 && masterslave_flag == 0 && !action;
    }
};

class MessageBoxState : public QObject {
public:
    explicit MessageBoxState(QObject* parent = nullptr);

    // The box whose going away drops the pending step.
    void watch(QWidget* box);
    // The pending step, cleared.
    DialogPending take();
    void drop() { pending = DialogPending(); }

    DialogPending pending;
    // Called when the box goes away (by its answer or any other path), after
    // the pending step was dropped: the window gives back the screen the box
    // covered when nothing else took its place.
    std::function<void()> onGone;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QPointer<QWidget> m_box;
};

} // namespace ui
