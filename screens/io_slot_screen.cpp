// Processor I/O slot screens: see io_slot_screen.h.

#include "screens/io_slot_screen.h"

#include <QDebug>

#include "screens/process_rules.h"
#include "ui/widget_writer.h"

IoSlotScreen::IoSlotScreen(ui::ScreenHost& h, QObject* parent)
    : ui::Screen(h, "I/O slot screens", parent)
{
    ioSlotView = new IoSlotView(this);
    for (const QString& name : ioSlotView->resolve(host.widget(QStringLiteral("centralwidget"))))
        qCritical().noquote() << "I/O slot screens: no widget" << name;
}

void IoSlotScreen::DDU_Maintenace_Open_Processor(int processor)
{
    if (!ioSlotView || !proc::processorHasPages(processor))
        return; // no page: the screen shown stays as it is
    host.hideScreens();
    DDU_Maintenace_Selected_Processor = processor;
    ioSlotView->DDU_Maintenace_Processor_Slot = 1;
    DDU_Maintenace_Loco_Menu_Setup();
    DDU_Maintenace_Update_Slot();
    host.drawKeyFocus();
}

// The page with the processor column over the maintenance menu (whose System
// and Loco keys stay below the column) and the maintenance footer.
void IoSlotScreen::DDU_Maintenace_Loco_Menu_Setup()
{
    host.serveScreen(screen::LocoIo);
    ui::showRaised(W(QStringLiteral("Gmaint_riom_info")));
    ui::showRaised(W(QStringLiteral("Gmaint_menu")));
    ui::showRaised(W(QStringLiteral("Gmaint_vcumenu")));
    ui::showRaised(W(QStringLiteral("Gmaint_footer")));
    if (ioSlotView)
        ioSlotView->layoutProcessorColumn(DDU_Maintenace_Selected_Processor);
}

void IoSlotScreen::DDU_Maintenace_Update_Slot()
{
    if (!ioSlotView)
        return;
    if (!ioSlotView->showPage(DDU_Maintenace_Selected_Processor, ioSlotView->DDU_Maintenace_Processor_Slot,
                              host.snapshot()))
        ioSlotView->refresh(host.snapshot()); // the page shown already: its states as they are now
}

void IoSlotScreen::DDU_Maintenace_Get_Previous_Slot()
{
    if (!ioSlotView)
        return;
    ioSlotView->DDU_Maintenace_Processor_Slot =
        proc::previousSlot(DDU_Maintenace_Selected_Processor, ioSlotView->DDU_Maintenace_Processor_Slot);
    DDU_Maintenace_Update_Slot();
}

void IoSlotScreen::DDU_Maintenace_Get_Next_Slot()
{
    if (!ioSlotView)
        return;
    ioSlotView->DDU_Maintenace_Processor_Slot =
        proc::nextSlot(DDU_Maintenace_Selected_Processor, ioSlotView->DDU_Maintenace_Processor_Slot);
    DDU_Maintenace_Update_Slot();
}

void IoSlotScreen::on_ddu_proc_prev_slot_clicked()
{
    DDU_Maintenace_Get_Previous_Slot();
}

void IoSlotScreen::on_ddu_proc_next_slot_clicked()
{
    DDU_Maintenace_Get_Next_Slot();
}

void IoSlotScreen::on_ddu_flg1_clicked()
{
    DDU_Maintenace_Open_Processor(1);
}
void IoSlotScreen::on_ddu_hbb1_clicked()
{
    DDU_Maintenace_Open_Processor(2);
}
void IoSlotScreen::on_ddu_stb1_clicked()
{
    DDU_Maintenace_Open_Processor(3);
}
void IoSlotScreen::on_ddu_slg1_clicked()
{
    DDU_Maintenace_Open_Processor(4);
}
void IoSlotScreen::on_ddu_flg2_clicked()
{
    DDU_Maintenace_Open_Processor(2);
}
void IoSlotScreen::on_ddu_hbb2_clicked()
{
    DDU_Maintenace_Open_Processor(4);
}
void IoSlotScreen::on_ddu_stb2_clicked()
{
    DDU_Maintenace_Open_Processor(6);
}
void IoSlotScreen::on_ddu_slg2_clicked()
{
    DDU_Maintenace_Open_Processor(8);
}

// ================================================================ refresh (every tick while shown)

void IoSlotScreen::Processor_Life_Sign_Update()
{
    if (ioSlotView && isShown(QStringLiteral("Gmaint_riom_info")))
        ioSlotView->refreshLifeSign(host.snapshot(), DDU_Maintenace_Selected_Processor);
}

void IoSlotScreen::riom_slot_update()
{
    if (ioSlotView && isShown(QStringLiteral("Gmaint_riom_info")))
        ioSlotView->refresh(host.snapshot());
}
