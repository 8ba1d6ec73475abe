// The message box: see message_box_screen.h.

#include "screens/message_box_screen.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QDebug>
#include <QLabel>
#include <QPixmap>

#include <type_traits>

#include "platform/platform.h"
#include "platform/termination.h"
#include "ui/look.h"
#include "ui/resources.h"
#include "ui/translated_text.h"
#include "ui/widget_factory.h"

using namespace ddu_ui;

MessageBoxScreen::MessageBoxScreen(ui::ScreenHost& h, QObject* parent)
    : ui::Screen(h, "message box", parent)
    , state(this)
{
}

void MessageBoxScreen::build(QWidget* root)
{
    // 490 x 250 in the middle of the screen. The button rectangles are the
    // touch regions of the two forms.
    auto* box = group(root, "Gmessage", {264, 259, 490, 250}, Message_Box_Style);
    label(box, "err_header", {10, 8, 470, 42}, QString(), look::MessageHeader)->setAlignment(Qt::AlignCenter);
    label(box, "img", {24, 64, 72, 72}, QString(), look::Bare);
    auto* text = label(box, "err_txt", {110, 56, 360, 112}, QString(), look::MessageText);
    text->setWordWrap(true);
    text->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    button(box, "ok", {195, 180, 100, 50}, ui::trScreen(QT_TRANSLATE_NOOP("MainWindow", "OK")), Key_submenu_Style);
    button(box, "no", {255, 180, 100, 50}, ui::trScreen(QT_TRANSLATE_NOOP("MainWindow", "NO")), Key_submenu_Style)
        ->hide();
    box->hide();
}

void MessageBoxScreen::attach(QWidget* root)
{
    QStringList missing;
    auto find = [&](auto*& member, const char* name) {
        using T = std::remove_pointer_t<std::remove_reference_t<decltype(member)>>;
        member = root->findChild<T*>(QLatin1String(name));
        if (!member)
            missing << QLatin1String(name);
    };
    find(m_box, "Gmessage");
    find(m_shade, "Gpassword_blur");
    find(m_header, "err_header");
    find(m_icon, "img");
    find(m_text, "err_txt");
    find(m_ok, "ok");
    find(m_no, "no");
    for (const QString& name : missing)
        qCritical().noquote() << "message box: no widget" << name;
    state.watch(m_box);
    // A box closed by a way that opens nothing in its place (the subsystem
    // strip opens the grid over the screen below) serves that screen again.
    state.onGone = [this] {
        if (host.servedScreen() == screen::MessageBox)
            host.serveScreen(m_returnScreen);
    };
}

bool MessageBoxScreen::isOpen() const
{
    return m_box && m_box->isVisible();
}

void MessageBoxScreen::Dialog_Box(const QString& text, int kind)
{
    // OK returns to the screen the box covers (a box opened over a box keeps
    // the first screen).
    if (host.servedScreen() != screen::MessageBox)
        m_returnScreen = host.servedScreen();
    host.serveScreen(screen::MessageBox);
    if (!m_box)
        return;
    if (m_shade) {
        m_shade->setGeometry(0, 0, 1024, 768);
        m_shade->show();
        m_shade->raise();
    }
    m_box->setGeometry(264, 259, 490, 250);
    m_box->show();
    m_box->raise();

    m_text->setStyleSheet(look::MessageText);
    m_text->setText(text);
    // Header and icon by kind: 1 error, 3 question, otherwise information.
    const bool question = kind == 3;
    m_header->setText(kind == 1      ? ui::trScreen(QT_TRANSLATE_NOOP("MainWindow", "ERROR"))
                          : question ? ui::trScreen(QT_TRANSLATE_NOOP("MainWindow", "CONFIRMATION"))
                                     : ui::trScreen(QT_TRANSLATE_NOOP("MainWindow", "INFORMATION")));
    const QString& icon = kind == 1 ? Dir_rms_img_DialogFault
        : question                  ? Dir_rms_img_DialogWarning
                                    : Dir_rms_img_DialogInfo;
    m_icon->setPixmap(QPixmap(icon));

    // A question has YES and NO side by side; the others one OK in the middle.
    state.pending.Dialog_Box_YESNO_Enable = question ? 1 : 0;
    m_ok->setText(question ? ui::trScreen(QT_TRANSLATE_NOOP("MainWindow", "YES"))
                           : ui::trScreen(QT_TRANSLATE_NOOP("MainWindow", "OK")));
    m_ok->setGeometry(question ? 135 : 195, 180, 100, 50);
    m_ok->show();
    if (question) {
        m_no->setText(ui::trScreen(QT_TRANSLATE_NOOP("MainWindow", "NO")));
        m_no->setGeometry(255, 180, 100, 50);
        m_no->show();
    } else {
        m_no->hide();
    }
    // ENTER on a box just opened answers OK, or NO to a question: no
    // question is answered YES by a second ENTER the driver did not mean.
    host.setKeyPlace(question ? 1 : 0);
    focusButton(question);
}

void MessageBoxScreen::Dialog_Confirm(const QString& text, std::function<QString()> onYes, bool saves)
{
    Dialog_Box(text, 3);
    state.pending.confirm_flag = 1;
    state.pending.action = std::move(onYes);
    state.pending.actionSaves = saves;
    // NO is the default: ENTER on a question just opened answers NO.
    host.setKeyPlace(1);
    focusButton(true);
}

void MessageBoxScreen::Dialog_Ok_No_Reset()
{
    for (QAbstractButton* b : {m_ok, m_no})
        if (b && b->styleSheet() != Key_submenu_Style)
            b->setStyleSheet(Key_submenu_Style);
}

void MessageBoxScreen::focusButton(bool no)
{
    Dialog_Ok_No_Reset();
    if (QAbstractButton* b = no ? m_no : m_ok)
        b->setStyleSheet(Key_submenu_border_Style);
}

void MessageBoxScreen::hideBox()
{
    for (QWidget* w : {m_shade, m_box})
        if (w)
            w->hide();
}

void MessageBoxScreen::on_ok_clicked()
{
    host.serveScreen(m_returnScreen);
    // What this box was waiting for; the box itself then goes.
    const ui::DialogPending answered = state.take();

    // The box goes before the action runs: an action may open a box of its
    // own (a progress or result message), which must stay.
    hideBox();
    QString failure;
    bool saved = false;
    if (answered.Dialog_Box_YESNO_Enable == 1 && answered.confirm_flag == 1) {
        failure = answered.action ? answered.action() : QString();
        saved = failure.isEmpty() && answered.actionSaves;
    }
    // Saved only when it was: a failed save says what failed instead.
    if (!failure.isEmpty())
        Dialog_Box(failure, 1);
    else if (saved)
        Dialog_Box(ui::trScreen(QT_TRANSLATE_NOOP("MainWindow", "File Saved")), 2);

    // The empty diagnosis list goes back to the processor choice.
    if (answered.diag_flag == 1)
        host.openDiagnosisChoice();
    else
        host.keysAnswered(0);
    host.dispatchKeys();

    if (answered.masterslave_flag == 1) {
        Dialog_Box(ui::trScreen(QT_TRANSLATE_NOOP("MainWindow", "Calibration screen will appear after system restart")),
                   2);
        state.pending.masterslave_flag = 2;
        m_text->setStyleSheet(look::MessageSmallText);
    } else if (answered.masterslave_flag == 2) {
        // The restart notice: the program ends with the status its service
        // manager restarts it with, and the unit reboots.
        QCoreApplication::exit(platform::kRestartExitStatus);
        platform::runShell(QStringLiteral("reboot"));
    }
}

void MessageBoxScreen::on_no_clicked()
{
    // NO to a question with a confirmed action (the signal set's overwrite
    // question) goes back to the screen the box covers: that screen stays
    // drawn, so its touch regions must be the ones served. Other questions
    // return to "DDU Configure".
    host.serveScreen(state.pending.confirm_flag == 1 ? m_returnScreen : screen::DduConfigure);
    // NO drops the question's action with the box: a later question answered
    // YES must not run it.
    hideBox();
    host.drawKeyFocus();
}
