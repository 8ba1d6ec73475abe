#pragma once
// The password pad (screen 24) that guards the maintenance area, the
// configuration dialogs and the software update. It is opened for one
// protected action at a time (its stage: 1 maintenance, 2 VCU, 3 SR, 4 BUR,
// 5 calibration, 6 cab/DDU, 8 software update); OK compares the typed digits
// with that stage's code as a whole string, runs the opener's action on a
// match and shows "INVALID PASSWORD" otherwise. The pad knows no screen's
// action: whoever opens it says what the right code does. The codes and
// stages are screens/settings_logic, the widgets screens/password_view.
// Five wrong codes in a row lock the pad for a minute (every stage alike);
// the pad then shows the seconds left and takes no digit and no OK.
//
// The decisions taken here, with their reasons: docs/settings-and-language.md.

#include <QString>

#include <functional>

#include "screens/settings_logic.h"

#include "ui/screen.h"

class PasswordView;
class QTimer;
class QWidget;

class PasswordPadScreen : public ui::Screen {
    Q_OBJECT

public:
    PasswordPadScreen(ui::ScreenHost& host, QObject* parent = nullptr);

    static void build(QWidget* root);
    void attach(QWidget* root);
    // Places the keys and wires them (once, at start-up).
    void password_setup();

    // Opens the pad for `stage`: header, masked echo and the stage's info
    // text. `onAccepted` runs after the right code (the pad is closed then).
    void password_open(int stage, std::function<void()> onAccepted);
    // The screen served again when the pad of the maintenance code is closed
    // without a code.
    void setReturnOnClose(screen::Id id) { padReturnScreen = id; }
    bool isOpen() const;
    // Every key in its unfocused look.
    void password_Reset();

    // The clock of the wrong-code limit (monotonic milliseconds); tests set
    // their own.
    void setClock(std::function<qint64()> now) { m_now = std::move(now); }
    bool isLocked() const { return tries.locked(m_now()); }

    int PasswordPad_Stage = 0;
    QString password_text;
    bool password_style_changed = false;
    PasswordView* passwordView = nullptr;

public slots:
    void key_clicked0();
    void key_clicked1();
    void key_clicked2();
    void key_clicked3();
    void key_clicked4();
    void key_clicked5();
    void key_clicked6();
    void key_clicked7();
    void key_clicked8();
    void key_clicked9();
    void clear_clicked();
    void enter_clicked();
    void on_pwd_close_button_clicked();
    // Shows the seconds left of a lock, or the pad's own text again once the
    // lock is over (every second while the pad is open and locked).
    void refreshLock();

private:
    screen::Id padReturnScreen = screen::Home;
    std::function<void()> m_onAccepted;
    settings::CodeTries tries;
    std::function<qint64()> m_now;
    QTimer* lockTimer = nullptr;
    QString m_info; // the stage's info text, shown again after a lock
    void password(const QString& info);
    void password_write(const QString& digit);
    void digit(int d);
    void PasswordPad_Operation_Stage(const QString& text);
};
