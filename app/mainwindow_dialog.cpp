// The message box shared by all screens, and the table cell writer.
//
// Questions with a confirmed action: the screen that asks registers the action
// with Dialog_Confirm(text, action); YES runs it and then reports "File
// Saved" (for a save) or what failed, NO (and any other answer) drops it. The
// keypad focus starts on NO, so two ENTERs never run an action the driver
// did not choose. The message box itself knows no screen's action.

#include "app/mainwindow.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>

#include "platform/platform.h"
#include "platform/termination.h"
#include "ui/look.h"
#include "ui/resources.h"

namespace {
}

void MainWindow::Dialog_Box(const QString& text, int kind)
{
    // OK returns to the screen the box covers (a box opened over a box keeps
    // the first screen).
    if (screen_id != screen::MessageBox)
        m_dialogReturnScreen = screen_id;
    screen_id = screen::MessageBox;

    if (QWidget* blur = W(QStringLiteral("Gpassword_blur"))) {
        blur->setGeometry(0, 0, 1024, 768);
        blur->show();
        blur->raise();
    }
    QWidget* box = W(QStringLiteral("Gmessage"));
    if (!box)
        return;
    box->setGeometry(264, 259, 490, 250);
    box->show();
    box->raise();

    if (auto* t = W<QLabel>(QStringLiteral("err_txt"))) {
        t->setStyleSheet(look::MessageText);
        t->setText(text);
    }
    // Header and icon by kind: 1 error, 3 question, otherwise information.
    const bool question = kind == 3;
    const QString header = kind == 1 ? tr("ERROR") : question ? tr("CONFIRMATION") : tr("INFORMATION");
    const QString& icon = kind == 1 ? Dir_rms_img_DialogFault
        : question                  ? Dir_rms_img_DialogWarning
                                    : Dir_rms_img_DialogInfo;
    if (auto* h = W<QLabel>(QStringLiteral("err_header")))
        h->setText(header);
    if (auto* i = W<QLabel>(QStringLiteral("img")))
        i->setPixmap(QPixmap(icon));

    // A question has YES and NO side by side; the others one OK in the middle.
    messageBox.pending.Dialog_Box_YESNO_Enable = question ? 1 : 0;
    auto* ok = W<QPushButton>(QStringLiteral("ok"));
    auto* no = W<QPushButton>(QStringLiteral("no"));
    if (ok) {
        ok->setText(question ? tr("YES") : tr("OK"));
        ok->setGeometry(question ? 135 : 195, 180, 100, 50);
        ok->show();
    }
    if (no && question) {
        no->setText(tr("NO"));
        no->setGeometry(255, 180, 100, 50);
        no->show();
    } else if (no) {
        no->hide();
    }
    // Enter acts on OK / YES first: show it focused.
    key_press_count = 0;
    Dialog_Ok_No_Reset();
    if (ok)
        ok->setStyleSheet(Key_submenu_border_Style);
}

void MainWindow::Dialog_Confirm(const QString& text, std::function<QString()> onYes, bool saves)
{
    Dialog_Box(text, 3);
    messageBox.pending.confirm_flag = 1;
    messageBox.pending.action = std::move(onYes);
    messageBox.pending.actionSaves = saves;
    // NO is the default: ENTER on a question just opened answers NO.
    key_press_count = 1;
    Dialog_Ok_No_Reset();
    if (auto* no = W<QPushButton>(QStringLiteral("no")))
        no->setStyleSheet(Key_submenu_border_Style);
}

QString MainWindow::fileNotSavedText(const QString& reason) const
{
    return tr("File not saved: %1").arg(QCoreApplication::translate("QObject", reason.toUtf8().constData()));
}

QString MainWindow::configurationNotSavedText(const QString& reason) const
{
    return tr("Configuration not saved: %1").arg(QCoreApplication::translate("QObject", reason.toUtf8().constData()));
}

void MainWindow::hideMessageBox()
{
    for (const char* name : {"Gpassword_blur", "Gmessage"})
        if (QWidget* w = W(QLatin1String(name)))
            w->hide();
}

void MainWindow::on_ok_clicked()
{
    screen_id = m_dialogReturnScreen;
    ok_clicked = 1;
    // What this box was waiting for; the box itself then goes.
    const ui::DialogPending answered = messageBox.take();

    QString failure;
    bool saved = false;
    if (answered.Dialog_Box_YESNO_Enable == 1 && answered.confirm_flag == 1) {
        failure = answered.action ? answered.action() : QString();
        saved = failure.isEmpty() && answered.actionSaves;
    }
    hideMessageBox();
    // Saved only when it was: a failed save says what failed instead.
    if (!failure.isEmpty())
        Dialog_Box(failure, 1);
    else if (saved)
        Dialog_Box(tr("File Saved"), 2);

    if (answered.diag_flag == 1) {
        // The empty diagnosis list: back to the processor choice.
        invokeSlot("on_diag_back_clicked");
        keys.Keyboard_Enter_Pressed = false;
        key_press_count = 8;
        key_menu_no = 2;
    } else {
        key_press_count = 0;
        keys.Keyboard_Enter_Pressed = false;
        keys.Keyboard_ESC_Pressed = false;
    }
    Key_Pressed_Function();

    if (answered.masterslave_flag == 1) {
        Dialog_Box(tr("Calibration screen will appear after system restart"), 2);
        messageBox.pending.masterslave_flag = 2;
        if (QWidget* t = W(QStringLiteral("err_txt")))
            t->setStyleSheet(look::MessageSmallText);
    } else if (answered.masterslave_flag == 2) {
        // The restart notice: the program ends with the status its service
        // manager restarts it with, and the unit reboots.
        QCoreApplication::exit(platform::kRestartExitStatus);
        platform::runShell(QStringLiteral("reboot"));
    }
}

void MainWindow::on_no_clicked()
{
    // NO to a question with a confirmed action (the signal set's overwrite
    // question) goes back to the screen the box covers: that screen stays
    // drawn, so its touch regions must be the ones served. Other questions
    // return to "DDU Configure".
    screen_id = messageBox.pending.confirm_flag == 1 ? m_dialogReturnScreen : screen::DduConfigure;
    // NO drops the question's action with the box: a later question answered
    // YES must not run it.
    hideMessageBox();
    Keyboard_Key_Global_Reset();
    Key_Pressed_Function();
}

void MainWindow::XML_Insert_Data(int row, int column, int format, int table, const QString& text)
{
    enum class Look { Plain, Centred, LeftMiddle };
    QString tableName;
    Look look = Look::Plain;
    switch (table) {
    case 1: // freshness
        if (format < 0 || format > 2)
            return;
        tableName = QStringLiteral("tmvbfreshness");
        look = Look::Centred;
        break;
    case 2: // subsystem messages
        if (format < 0 || format > 3)
            return;
        tableName = QStringLiteral("t_browseloco");
        look = format == 3 ? Look::LeftMiddle : Look::Centred;
        break;
    case 3: // telegram
        if (format < 0 || format > 2)
            return;
        tableName = QStringLiteral("tmvbtelegram");
        look = format == 0 ? Look::Centred : Look::Plain;
        break;
    case 4: // variable list
        if (format < 1 || format > 7)
            return;
        tableName = QStringLiteral("t_mvbvar");
        look = Look::Plain;
        break;
    case 5: // monitored variables: entries 0..9 left, 10.. right
        if (format < 0 || format > 1 || row < 0)
            return;
        if (row < 10) {
            tableName = QStringLiteral("t_mvbvarsel1");
        } else {
            tableName = QStringLiteral("t_mvbvarsel2");
            row -= 10;
        }
        look = format == 0 ? Look::LeftMiddle : Look::Centred;
        break;
    case 6: // diagnosis list: the message column left, the others centred
        if (format < 0 || format > 8)
            return;
        tableName = QStringLiteral("t_diagnosis");
        look = format == 3 ? Look::LeftMiddle : Look::Centred;
        break;
    default: return;
    }
    auto* t = W<QTableWidget>(tableName);
    if (!t || row < 0 || column < 0 || row >= t->rowCount() || column >= t->columnCount())
        return;
    auto* item = new QTableWidgetItem(text);
    if (look != Look::Plain) {
        item->setFont(QFont(QStringLiteral("Tahoma"), 18));
        item->setForeground(QColor(0x66, 0x66, 0x66));
        item->setBackground(QColor(0, 0, 0));
        item->setTextAlignment(look == Look::Centred ? Qt::AlignCenter : (Qt::AlignLeft | Qt::AlignVCenter));
    }
    t->setItem(row, column, item);
}
