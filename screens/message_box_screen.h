#pragma once
// The message box shared by all screens (screen 25): an error, an
// information or a question over a shade, OK alone or YES and NO.
//
// Questions with a confirmed action: the screen that asks passes the action
// (Dialog_Confirm); YES runs it and then reports "File Saved" (for a save) or
// what failed, NO (and any other way out) drops it. The keypad focus starts
// on NO, so two ENTERs never run an action the driver did not choose. The box
// knows no screen's action. What the box waits for (its action, the
// calibration and restart steps, the way back to the diagnosis choice) is its
// own state and goes whenever the box goes (ui/message_box_state).

#include <QString>

#include <functional>

#include "ui/message_box_state.h"
#include "ui/screen.h"

class QAbstractButton;
class QLabel;
class QWidget;

class MessageBoxScreen : public ui::Screen {
    Q_OBJECT

public:
    MessageBoxScreen(ui::ScreenHost& host, QObject* parent = nullptr);

    // The box with its header, icon, text and the two buttons (the shade
    // under it is the window's, shared with the pad).
    static void build(QWidget* root);
    void attach(QWidget* root);

    // kind 1 error, 3 question, any other information.
    void Dialog_Box(const QString& text, int kind);
    // Asks `text` with YES and NO, the keypad focus on NO. YES runs `onYes`
    // once; an action that saves (`saves`) then reports "File Saved" or what
    // it returned as the failure, any other action closes the box (or shows
    // its failure). NO, or leaving the box, drops it.
    void Dialog_Confirm(const QString& text, std::function<QString()> onYes, bool saves = true);
    // Both buttons in their unfocused look.
    void Dialog_Ok_No_Reset();
    // The keypad focus frame on NO (true) or on OK / YES.
    void focusButton(bool no);

    bool isOpen() const;
    bool asksYesNo() const { return state.pending.Dialog_Box_YESNO_Enable == 1; }
    // The screen the open box covers; OK returns to it.
    screen::Id dialogReturnScreen() const { return m_returnScreen; }

    ui::MessageBoxState state;

public slots:
    void on_ok_clicked();
    void on_no_clicked();

private:
    screen::Id m_returnScreen = screen::None;
    QWidget* m_box = nullptr;
    QWidget* m_shade = nullptr;
    QLabel* m_header = nullptr;
    QLabel* m_icon = nullptr;
    QLabel* m_text = nullptr;
    QAbstractButton* m_ok = nullptr;
    QAbstractButton* m_no = nullptr;
    void hideBox();
};
