// Fault and information messages on the screen: see fault_screen.h.

#include "screens/fault_screen.h"

#include <QAbstractButton>
#include <QDateTime>
#include <QDebug>
#include <QLabel>

#include <algorithm>
#include <utility>

#include "acquisition/bus_exchange.h"
#include "acquisition/signal_store.h"
#include "acquisition/unknown.h"
#include "diagnostics/fault.h"
#include "platform/platform.h"
#include "screens/fault_view.h"
#include "ui/look.h"
#include "ui/resources.h"

FaultScreen::FaultScreen(ui::ScreenHost& h, QObject* parent)
    : ui::Screen(h, "fault screens", parent)
    , history(platform::dataPath(QStringLiteral("file/fault/fault_history.xml")))
{
    faultView = new FaultView(this, platform::dataPath(QStringLiteral("file/fault/zav_MessagesVCU_temp.xml")));
}

void FaultScreen::build(QWidget* root)
{
    FaultView::build(root);
}

void FaultScreen::delete_fault_file()
{
    for (const QString& name : faultView->resolve(host.widget(QStringLiteral("centralwidget"))))
        qCritical().noquote() << "fault screens: no widget" << name;
    faultView->log.reset();
}

void FaultScreen::fault_info_update()
{
    const auto now = [] { return QDateTime::currentDateTime().toString(QStringLiteral("dd/MM/yyyy HH:mm:ss")); };
    // The internal simulation reads no message numbers: they are unknown.
    const SignalStore& snap = host.snapshot();
    const bool demo = snap.simulated;
    const int own = demo ? kMessageUnknown : snap.MVB_DDU_Fault_No;
    const bool multipleOperation = !demo && snap.multiOpMode_slave1_active == 1;
    const int second = demo ? kMessageUnknown : snap.MVB_DDU_Fault2_No;
    // The first number read of each loco after the start settles what the
    // history still holds open from before (before this tick's change).
    for (const auto& [loco, number] : {std::pair{1, own}, std::pair{2, multipleOperation ? second : kMessageUnknown}}) {
        if (number != kMessageUnknown && !m_historySettled[loco]) {
            m_historySettled[loco] = true;
            history.settle(loco, number, QDateTime::currentDateTime());
        }
    }
    const FaultEvent e = faultView->watch.tick(own, second, multipleOperation, now);
    // The history follows each loco's number, whatever the pop-up shows.
    if (e.change.loco != 0) {
        recordHistory(FaultHistoryEvent::Cleared, e.change.loco, e.change.from);
        recordHistory(FaultHistoryEvent::Raised, e.change.loco, e.change.to);
    }
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
void FaultScreen::clearFault()
{
    const bool covering = faultView->Gfault->isVisible() || faultView->Gfaultdriveradvice->isVisible();
    faultView->hideAll();
    if (covering) {
        host.serveScreen(m_screenUnderFault);
        host.setReturnScreen(m_screenUnderFault);
    }
    DDU_Loco_Fault_Present = false;
    host.enableLayoutToggle();
}

// While a message is present and neither its pop-up nor its advice is open,
// the fault button stands on every screen (on the maintenance button's place).
void FaultScreen::syncFaultButton()
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

void FaultScreen::fault_update()
{
    const int choice = faultView->watch.fault_choice;
    if (choice == 1 || choice == 2) {
        const SignalStore& snap = host.snapshot();
        fault_fun.Get_Fault(unsigned(faultView->watch.shownNumber()), choice);
        DDU_Loco_Fault_Message(fault_datetime,
                               choice == 2 ? snap.MVB_DDU_Loco2_NO_String : snap.MVB_DDU_Loco_NO_String);
    }
    DDU_Loco_Fault_Present = true;
    fault_screen_design();
}

void FaultScreen::DDU_Loco_Fault_Message(const QString& dateTime, const QString& locoNumber)
{
    faultView->fill(unsigned(faultView->watch.shownNumber()), dateTime, locoNumber);
}

void FaultScreen::fault_screen_design()
{
    const screen::Id served = host.servedScreen();
    if (served != screen::FaultPopup && served != screen::DriverAdvice)
        m_screenUnderFault = served;
    host.serveScreen(screen::FaultPopup);
    host.setReturnScreen(screen::FaultPopup);
    host.disableLayoutToggle();
    faultView->showPopup(host.homeLayout(), host.hindi());
}

// Faults and isolations only (above 99), as the fault log. The texts are
// the catalogue's in English, whatever the display's language: the history
// is read off the unit by the maintainer. A clear takes the texts of its
// raise (FaultHistory::append).
void FaultScreen::recordHistory(FaultHistoryEvent::Kind kind, int loco, int number)
{
    if (number <= 99 || (loco != 1 && loco != 2))
        return;
    FaultHistoryEvent e;
    e.kind = kind;
    e.time = QDateTime::currentDateTime();
    e.loco = loco;
    e.number = number;
    if (kind != FaultHistoryEvent::Cleared) {
        if (const FaultEntry* entry = findFaultEntry(unsigned(number))) {
            e.faultCode = QString::fromUtf8(entry->faultCode ? entry->faultCode : "");
            e.subsystem = QString::fromUtf8(entry->subsystem ? entry->subsystem : "");
            QStringList lines;
            for (const char* l : entry->line) {
                const QString line = QString::fromUtf8(l ? l : "").simplified();
                if (!line.isEmpty())
                    lines << line;
            }
            e.text = lines.join(QStringLiteral(" / "));
        } else {
            e.text = QStringLiteral("Unknown Fault");
        }
    }
    history.append(e);
}

void FaultScreen::write_fault_xml()
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

void FaultScreen::driver_advice()
{
    host.serveScreen(screen::DriverAdvice);
    host.setReturnScreen(screen::DriverAdvice);
    global_faultlabel = 1;
    faultView->showAdvice(host.homeLayout(), host.hindi());
}

void FaultScreen::on_fault_button_clicked()
{
    fault_screen_design();
}

void FaultScreen::on_fault_button_pressed()
{
    host.markTopBar(nullptr);
    if (QWidget* b = W(QStringLiteral("fault_button")))
        b->setStyleSheet(look::FaultButtonPressed);
}

// Acknowledge: the request goes onto the display's output port for eleven
// cycles; the message stays present (fault button on the home screen) until
// the processor withdraws it.
// The screen the pop-up covered is served again (its touch regions work).
void FaultScreen::on_enterfault_btn_clicked()
{
    faultView->Gfault->hide();
    host.requests().MVB_Fault_ACK.raise();
    recordHistory(FaultHistoryEvent::Acknowledged, faultView->watch.fault_choice, faultView->watch.shownNumber());
    host.serveScreen(m_screenUnderFault);
    syncFaultButton(); // the message stays: its button comes back at once
}

void FaultScreen::on_driveradvice_clicked()
{
    driver_advice();
}

void FaultScreen::on_up_button_clicked()
{
    global_faultlabel = std::max(1, global_faultlabel - 1);
    faultView->showPage(global_faultlabel);
}

void FaultScreen::on_down_button_clicked()
{
    global_faultlabel = std::min(std::max(1, faultView->advicePages()), global_faultlabel + 1);
    faultView->showPage(global_faultlabel);
}

void FaultScreen::on_driveradv_back_clicked()
{
    faultView->Gfaultdriveradvice->hide();
    faultView->Gfault->show();
    faultView->Gfault->raise();
    faultView->driveradv_back->setFocusPolicy(Qt::NoFocus);
    host.serveScreen(screen::FaultPopup);
    host.setReturnScreen(screen::FaultPopup);
}
