#pragma once
// The on-screen keyboard: typed text for the signal search and the driver
// details. It lies at the bottom of the screen or, after its position key, at
// the top; its keys are the rectangles of the keyboard's touch layout. SUBMIT
// hands the text to whoever opened it (with the stage it was opened for) and
// closes it; X closes it without a word.

#include <QString>

#include <functional>

#include "ui/screen.h"

class QLabel;
class QWidget;

class KeyboardScreen : public ui::Screen {
    Q_OBJECT

public:
    using Submit = std::function<void(int stage, const QString& text)>;

    KeyboardScreen(ui::ScreenHost& host, QObject* parent = nullptr);

    // The keyboard's group with its keys and the line of typed text.
    static void build(QWidget* root);
    void attach(QWidget* root);
    // Wires every key (once, at start-up).
    void Keypad_connect_function();

    // Opens the keyboard empty for `stage`; SUBMIT gives the text to `onSubmit`.
    void open(int stage, Submit onSubmit);
    // Shows the keyboard empty, or hides it.
    void keypad_open(bool open);
    void KeyPad_Write(const QString& text);
    void keypad_postion_function(bool top);
    bool isOpen() const;
    // The touch decoder's test of a point in a rectangle (it also locks the
    // panel against the rest of the same touch).
    using HitTest = std::function<bool(int x1, int y1, int x2, int y2, int x, int y)>;
    // The key under the window point (x, y) is clicked; true when a key was hit.
    bool signal_kblayout(int x, int y, const HitTest& hit);

    QString Keypad_Text;
    int Keypad_Stage = 0;         // 1..5 driver details rows, 7 signal search
    bool keypad_position = false; // true: keyboard at the top of the screen

public slots:
    void KeyPad_clicked();
    void Keypad_clear_clicked();
    void submit_clicked();
    void keypad_position_clicked();
    void on_keybutton_close_clicked();

private:
    QWidget* m_group = nullptr;
    QLabel* m_text = nullptr;
    Submit m_onSubmit;
    void Keypad_operation_stage();
};
