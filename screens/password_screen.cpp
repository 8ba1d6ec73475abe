// The password pad: see password_screen.h.

#include "screens/password_screen.h"

#include <QAbstractButton>
#include <QDebug>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QTimer>

#include "screens/password_view.h"
#include "screens/settings_logic.h"
#include "ui/look.h"
#include "ui/translated_text.h"
#include "ui/widget_writer.h"

PasswordPadScreen::PasswordPadScreen(ui::ScreenHost& h, QObject* parent)
    : ui::Screen(h, "password pad", parent)
    , passwordView(new PasswordView(this))
    , lockTimer(new QTimer(this))
{
    m_now = [] {
        static QElapsedTimer since;
        if (!since.isValid())
            since.start();
        return since.elapsed();
    };
    lockTimer->setInterval(1000);
    connect(lockTimer, &QTimer::timeout, this, &PasswordPadScreen::refreshLock);
}

void PasswordPadScreen::build(QWidget* root)
{
    PasswordView::build(root);
}

void PasswordPadScreen::attach(QWidget* root)
{
    for (const QString& name : passwordView->resolve(root))
        qCritical().noquote() << "password pad: no widget" << name;
}

void PasswordPadScreen::password_setup()
{
    passwordView->layoutKeys();
    using Slot = void (PasswordPadScreen::*)();
    const Slot digits[10] = {&PasswordPadScreen::key_clicked0, &PasswordPadScreen::key_clicked1,
                             &PasswordPadScreen::key_clicked2, &PasswordPadScreen::key_clicked3,
                             &PasswordPadScreen::key_clicked4, &PasswordPadScreen::key_clicked5,
                             &PasswordPadScreen::key_clicked6, &PasswordPadScreen::key_clicked7,
                             &PasswordPadScreen::key_clicked8, &PasswordPadScreen::key_clicked9};
    QAbstractButton* const digitKeys[10] = {
        passwordView->b_key0, passwordView->b_key1, passwordView->b_key2, passwordView->b_key3, passwordView->b_key4,
        passwordView->b_key5, passwordView->b_key6, passwordView->b_key7, passwordView->b_key8, passwordView->b_key9};
    for (int d = 0; d < 10; ++d)
        if (digitKeys[d])
            connect(digitKeys[d], &QAbstractButton::clicked, this, digits[d], Qt::UniqueConnection);
    if (passwordView->b_keyC)
        connect(passwordView->b_keyC, &QAbstractButton::clicked, this, &PasswordPadScreen::clear_clicked,
                Qt::UniqueConnection);
    if (passwordView->b_keyOK)
        connect(passwordView->b_keyOK, &QAbstractButton::clicked, this, &PasswordPadScreen::enter_clicked,
                Qt::UniqueConnection);
}

bool PasswordPadScreen::isOpen() const
{
    return passwordView->isOpen();
}

void PasswordPadScreen::password_Reset()
{
    for (int k = 0; k < 12; ++k)
        if (QAbstractButton* b = passwordView->key(k))
            ui::putStyle(b, Password_Button_Style);
}

void PasswordPadScreen::password_open(int stage, std::function<void()> onAccepted)
{
    PasswordPad_Stage = stage;
    m_onAccepted = std::move(onAccepted);
    const settings::PadStage* s = settings::padStage(stage);
    passwordView->setHeader(s ? ui::trScreen(s->header) : QString());
    passwordView->showTyped(QString()); // the masked echo
    password(ui::trScreen(settings::padInfo(stage)));
}

void PasswordPadScreen::password(const QString& info)
{
    host.setKeyPlace(0);
    password_Reset();
    host.setTouchLockout(2);
    password_text.clear();
    password_style_changed = false;
    m_info = info;
    passwordView->open(info);
    refreshLock();
}

void PasswordPadScreen::refreshLock()
{
    const qint64 now = m_now();
    if (!isOpen() || !tries.locked(now)) {
        if (lockTimer->isActive() && isOpen()) { // the lock is over: the pad as it opened
            passwordView->pwd_info->setText(m_info);
            passwordView->showTyped(password_text);
        }
        lockTimer->stop();
        return;
    }
    passwordView->pwd_info->setText(
        ui::trScreen(QT_TRANSLATE_NOOP("MainWindow", "Five wrong codes in a row.\nTry again in %1 s"))
            .arg(tries.secondsLeft(now)));
    passwordView->showInvalid(ui::trScreen(QT_TRANSLATE_NOOP("MainWindow", "LOCKED")));
    password_style_changed = true;
    if (!lockTimer->isActive())
        lockTimer->start();
}

void PasswordPadScreen::password_write(const QString& digit)
{
    if (digit.size() != 1 || !digit.at(0).isDigit() || isLocked())
        return;
    password_style_changed = false; // showTyped() brings the masked look back
    password_text = settings::padAppend(password_text, digit.at(0));
    passwordView->showTyped(password_text);
    // A finger on a digit: touches already queued are dropped, the next one counts.
    host.dropQueuedTouches(0);
    host.setTouchLockout(2);
}

// A digit drops the keypad focus, except key 1 (see the decisions above).
void PasswordPadScreen::digit(int d)
{
    password_write(QString::number(d));
    if (d != 1 || host.keyPlace() != 1)
        host.setKeyPlace(0);
}

void PasswordPadScreen::key_clicked0()
{
    digit(0);
}
void PasswordPadScreen::key_clicked1()
{
    digit(1);
}
void PasswordPadScreen::key_clicked2()
{
    digit(2);
}
void PasswordPadScreen::key_clicked3()
{
    digit(3);
}
void PasswordPadScreen::key_clicked4()
{
    digit(4);
}
void PasswordPadScreen::key_clicked5()
{
    digit(5);
}
void PasswordPadScreen::key_clicked6()
{
    digit(6);
}
void PasswordPadScreen::key_clicked7()
{
    digit(7);
}
void PasswordPadScreen::key_clicked8()
{
    digit(8);
}
void PasswordPadScreen::key_clicked9()
{
    digit(9);
}

void PasswordPadScreen::clear_clicked()
{
    if (isLocked()) {
        host.dropQueuedTouches(1);
        return;
    }
    password_text.chop(1);
    password_style_changed = false;
    passwordView->showTyped(password_text);
    host.dropQueuedTouches(1);
}

void PasswordPadScreen::enter_clicked()
{
    PasswordPad_Operation_Stage(password_text);
}

void PasswordPadScreen::PasswordPad_Operation_Stage(const QString& text)
{
    if (isLocked()) {
        password_text.clear();
        refreshLock();
        return;
    }
    const int stage = PasswordPad_Stage;
    const bool accepted = settings::padAccepts(stage, text); // `text` may be password_text itself
    password_text.clear();
    if (!accepted) {
        tries.wrong(m_now());
        passwordView->showInvalid(ui::trScreen(QT_TRANSLATE_NOOP("MainWindow", "INVALID PASSWORD")));
        password_style_changed = true;
        refreshLock(); // the fifth wrong code shows the lock at once
        return;
    }
    tries.right();
    passwordView->close();
    PasswordPad_Stage = 0;
    // Taken before it runs: the action may open the pad again.
    const std::function<void()> action = std::move(m_onAccepted);
    m_onAccepted = nullptr;
    if (action)
        action();
    host.drawKeyFocus();
}

void PasswordPadScreen::on_pwd_close_button_clicked()
{
    host.setKeyPlace(0);
    passwordView->close();
    lockTimer->stop();
    if (PasswordPad_Stage == 1)
        host.serveScreen(padReturnScreen);
    PasswordPad_Stage = 0;
    m_onAccepted = nullptr;
    password_text.clear();
    host.drawKeyFocus();
}
