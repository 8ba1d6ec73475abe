// Processor I/O slot screens (screen 44, in the maintenance area): the page
// of a remote I/O processor's slot, the processor column and the slot arrows,
// refreshed with the life sign on every tick while shown.
//
// Entry: DDU_Maintenace_Open_Processor(n) (the processor buttons call it):
// RIOM1 1, RIOM2 2, BRIO1 3, BRIO2 4, always at slot 1. The hidden buttons
// name codes 6 and 8, which have no page: they change nothing.

#include "app/mainwindow.h"

#include "screens/io_slot_view.h"
#include "screens/process_rules.h"
#include "ui/widget_writer.h"

void MainWindow::DDU_Maintenace_Open_Processor(int processor)
{
    if (!ioSlotView || !proc::processorHasPages(processor))
        return; // no page: the screen shown stays as it is
    grpbox_setvisible();
    DDU_Maintenace_Selected_Processor = processor;
    ioSlotView->DDU_Maintenace_Processor_Slot = 1;
    DDU_Maintenace_Loco_Menu_Setup();
    DDU_Maintenace_Update_Slot();
    Keyboard_Key_Global_Reset();
    Key_Pressed_Function();
}

// The page with the processor column over the maintenance menu (whose System
// and Loco keys stay below the column) and the maintenance footer.
void MainWindow::DDU_Maintenace_Loco_Menu_Setup()
{
    screen_id = screen::LocoIo;
    ui::showRaised(W(QStringLiteral("Gmaint_riom_info")));
    ui::showRaised(W(QStringLiteral("Gmaint_menu")));
    ui::showRaised(W(QStringLiteral("Gmaint_vcumenu")));
    ui::showRaised(W(QStringLiteral("Gmaint_footer")));
    if (ioSlotView)
        ioSlotView->layoutProcessorColumn(DDU_Maintenace_Selected_Processor);
}

void MainWindow::DDU_Maintenace_Update_Slot()
{
    if (!ioSlotView)
        return;
    if (!ioSlotView->showPage(DDU_Maintenace_Selected_Processor, ioSlotView->DDU_Maintenace_Processor_Slot, snap))
        ioSlotView->refresh(snap); // the page shown already: its states as they are now
}

void MainWindow::DDU_Maintenace_Get_Previous_Slot()
{
    if (!ioSlotView)
        return;
    ioSlotView->DDU_Maintenace_Processor_Slot =
        proc::previousSlot(DDU_Maintenace_Selected_Processor, ioSlotView->DDU_Maintenace_Processor_Slot);
    DDU_Maintenace_Update_Slot();
}

void MainWindow::DDU_Maintenace_Get_Next_Slot()
{
    if (!ioSlotView)
        return;
    ioSlotView->DDU_Maintenace_Processor_Slot =
        proc::nextSlot(DDU_Maintenace_Selected_Processor, ioSlotView->DDU_Maintenace_Processor_Slot);
    DDU_Maintenace_Update_Slot();
}

void MainWindow::on_ddu_proc_prev_slot_clicked()
{
    DDU_Maintenace_Get_Previous_Slot();
}

void MainWindow::on_ddu_proc_next_slot_clicked()
{
    DDU_Maintenace_Get_Next_Slot();
}

void MainWindow::on_ddu_flg1_clicked()
{
    DDU_Maintenace_Open_Processor(1);
}
void MainWindow::on_ddu_hbb1_clicked()
{
    DDU_Maintenace_Open_Processor(2);
}
void MainWindow::on_ddu_stb1_clicked()
{
    DDU_Maintenace_Open_Processor(3);
}
void MainWindow::on_ddu_slg1_clicked()
{
    DDU_Maintenace_Open_Processor(4);
}
void MainWindow::on_ddu_flg2_clicked()
{
    DDU_Maintenace_Open_Processor(2);
}
void MainWindow::on_ddu_hbb2_clicked()
{
    DDU_Maintenace_Open_Processor(4);
}
void MainWindow::on_ddu_stb2_clicked()
{
    DDU_Maintenace_Open_Processor(6);
}
void MainWindow::on_ddu_slg2_clicked()
{
    DDU_Maintenace_Open_Processor(8);
}

// ================================================================ refresh (every tick while shown)

void MainWindow::Processor_Life_Sign_Update()
{
    if (ioSlotView && isShown(QStringLiteral("Gmaint_riom_info")))
        ioSlotView->refreshLifeSign(snap, DDU_Maintenace_Selected_Processor);
}

void MainWindow::riom_slot_update()
{
    if (ioSlotView && isShown(QStringLiteral("Gmaint_riom_info")))
        ioSlotView->refresh(snap);
}
