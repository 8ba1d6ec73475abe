// Fault and information messages on the screen: the pop-up (screen 46), the
// driver advice (47), the fault button and the fault log. The change
// detection is diagnostics/fault_watch, the log diagnostics/fault_log, the
// widgets screens/fault_view.
//
// The decisions taken here, with their reasons: docs/faults-and-diagnosis.md.

#include "app/mainwindow.h"

#include <QAbstractButton>
#include <QDateTime>
#include <QDebug>
#include <QLabel>

#include <algorithm>

#include "acquisition/unknown.h"
#include "diagnostics/fault.h"
#include "platform/platform.h"
#include "screens/fault_view.h"
#include "ui/resources.h"

void MainWindow::build_fault_screens(QWidget* root)
{
    FaultView::build(root);
    faultView = new FaultView(this, platform::dataPath(QStringLiteral("file/fault/zav_MessagesVCU_temp.xml")));
}

void MainWindow::delete_fault_file()
{
    for (const QString& name : faultView->resolve(this))
        qCritical().noquote() << "fault screens: no widget" << name;
    faultView->log.reset();
}

// On every refresh tick, after the keys: a new message number shows the
// pop-up, a number gone removes it, a number that cannot be read marks the
// message shown as not current.
void MainWindow::fault_info_update()
{
    const auto now = [] { return QDateTime::currentDateTime().toString(QStringLiteral("dd/MM/yyyy HH:mm:ss")); };
    // The internal simulation reads no message numbers: they are unknown.
    const bool demo = snap.simulated;
    const FaultEvent e = faultView->watch.tick(demo ? kMessageUnknown : snap.MVB_DDU_Fault_No,
                                               demo ? kMessageUnknown : snap.MVB_DDU_Fault2_No,
                                               !demo && snap.multiOpMode_slave1_active == 1, now);
    switch (e.kind) {
    case FaultEvent::None: break;
    case FaultEvent::Show:
        fault_datetime = e.time;
        fault_update();
        if (e.log)
            write_fault_xml();
        break;
    case FaultEvent::Clear: clearFault(); break;
    }
    faultView->showCurrency(faultView->watch.shownNoDataSince().mid(11)); // "HH:mm:ss" of the stamp
    syncFaultButton();
}

// The message went: the pop-up and the advice close (the screen they covered
// is served again), the fault button goes, the layout toggle comes back.
void MainWindow::clearFault()
{
    const bool covering = faultView->Gfault->isVisible() || faultView->Gfaultdriveradvice->isVisible();
    faultView->hideAll();
    if (covering)
        screen_id = screen_id_old = m_screenUnderFault;
    DDU_Loco_Fault_Present = false;
    if (auto* t = W<QAbstractButton>(QStringLiteral("screen_toggle"))) {
        t->setEnabled(true);
        t->setIcon(QIcon(Dir_ddu_img_ToggleDDU));
    }
}

// While a message is present and neither its pop-up nor its advice is open,
// the fault button stands on every screen (on the maintenance button's place).
void MainWindow::syncFaultButton()
{
    QWidget* b = faultView->fault_button;
    const bool open = faultView->Gfault->isVisible() || faultView->Gfaultdriveradvice->isVisible();
    const bool shown = DDU_Loco_Fault_Present && !open;
    if (b->isHidden() == shown) {
        b->setVisible(shown);
        if (shown)
            b->raise();
    }
}

// Looks the shown message up and opens the pop-up (also after a change of
// language, to redraw it in the new language).
void MainWindow::fault_update()
{
    const int choice = faultView->watch.fault_choice;
    if (choice == 1 || choice == 2) {
        fault_fun.Get_Fault(unsigned(faultView->watch.shownNumber()), choice);
        DDU_Loco_Fault_Message(fault_datetime,
                               choice == 2 ? snap.MVB_DDU_Loco2_NO_String : snap.MVB_DDU_Loco_NO_String);
    }
    DDU_Loco_Fault_Present = true;
    fault_screen_design();
}

void MainWindow::DDU_Loco_Fault_Message(const QString& dateTime, const QString& locoNumber)
{
    faultView->fill(unsigned(faultView->watch.shownNumber()), dateTime, locoNumber);
}

void MainWindow::faultPopupKeys(const KeyFlags& k)
{
    if (k.Keyboard_ESC_Pressed) {
        on_home_clicked();
        return;
    }
    if (k.Keyboard_UP_Pressed || k.Keyboard_Down_Pressed)
        faultView->focusAcknowledge(!faultView->acknowledgeFocused());
    if (k.Keyboard_Enter_Pressed)
        clickButton(faultView->acknowledgeFocused() ? QStringLiteral("enterfault_btn") : QStringLiteral("driveradvice"),
                    keyClicksAnimated);
}

void MainWindow::driverAdviceKeys(const KeyFlags& k)
{
    if (k.Keyboard_UP_Pressed)
        on_up_button_clicked();
    else if (k.Keyboard_Down_Pressed)
        on_down_button_clicked();
    else if (k.Keyboard_ESC_Pressed || k.Keyboard_Enter_Pressed)
        on_driveradv_back_clicked();
}

void MainWindow::fault_screen_design()
{
    if (screen_id != screen::FaultPopup && screen_id != screen::DriverAdvice)
        m_screenUnderFault = screen_id;
    screen_id = screen_id_old = screen::FaultPopup;
    toggle_disable();
    faultView->showPopup(screen_toggle, DDU_Language_Select != 0);
}

void MainWindow::write_fault_xml()
{
    FaultLogEntry entry;
    entry.locoType = faultView->watch.fault_choice;
    entry.subsystem = DDU_Fault_Subsystem;
    entry.time = fault_datetime;
    entry.faultCode = DDU_Fault_FaultCode;
    entry.lines[0] = DDU_Fault_Line1;
    entry.lines[1] = DDU_Fault_Line2;
    entry.lines[2] = DDU_Fault_Line3;
    entry.lines[3] = DDU_Fault_Line4;
    faultView->log.append(entry);
}

void MainWindow::driver_advice()
{
    screen_id = screen_id_old = screen::DriverAdvice;
    global_faultlabel = 1;
    faultView->showAdvice(screen_toggle, DDU_Language_Select != 0);
}

void MainWindow::on_fault_button_clicked()
{
    fault_screen_design();
}

void MainWindow::on_fault_button_pressed()
{
    Main_Menu_Button_Color_Reset();
    if (QWidget* b = W(QStringLiteral("fault_button")))
        b->setStyleSheet(QStringLiteral(
            "background-color: rgb(0, 0, 0);color: rgb(115, 115, 115);font: 75 19pt Sans;border:1px solid black;"));
}

// Acknowledge: the request goes onto the display's output port for eleven
// cycles; the message stays present (fault button on the home screen) until
// the processor withdraws it.
// The screen the pop-up covered is served again (its touch regions work).
void MainWindow::on_enterfault_btn_clicked()
{
    faultView->Gfault->hide();
    exchange.requests.MVB_Fault_ACK.raise();
    screen_id = m_screenUnderFault;
    syncFaultButton(); // the message stays: its button comes back at once
}

void MainWindow::on_driveradvice_clicked()
{
    driver_advice();
}

void MainWindow::on_up_button_clicked()
{
    global_faultlabel = std::max(1, global_faultlabel - 1);
    faultView->showPage(global_faultlabel);
}

void MainWindow::on_down_button_clicked()
{
    global_faultlabel = std::min(4, global_faultlabel + 1);
    faultView->showPage(global_faultlabel);
}

void MainWindow::on_driveradv_back_clicked()
{
    faultView->Gfaultdriveradvice->hide();
    faultView->Gfault->show();
    faultView->Gfault->raise();
    faultView->page_no->setText(QString::number(global_faultlabel));
    faultView->driveradv_back->setFocusPolicy(Qt::NoFocus);
    screen_id = screen_id_old = screen::FaultPopup;
}
