#pragma once
// Processor I/O slot screens (screen 44, in the maintenance area): the page
// of a remote I/O processor's slot, the processor column and the slot arrows,
// refreshed with the life sign on every tick while shown.
//
// Entry: DDU_Maintenace_Open_Processor(n) (the processor buttons call it):
// RIOM1 1, RIOM2 2, BRIO1 3, BRIO2 4, always at slot 1. The hidden buttons
// name codes 6 and 8, which have no page: they change nothing.

#include "screens/io_slot_view.h"
#include "ui/screen.h"

class IoSlotScreen : public ui::Screen {
    Q_OBJECT

public:
    explicit IoSlotScreen(ui::ScreenHost& host, QObject* parent = nullptr);

    void DDU_Maintenace_Open_Processor(int processor);
    void DDU_Maintenace_Loco_Menu_Setup();
    void DDU_Maintenace_Update_Slot();
    void DDU_Maintenace_Get_Previous_Slot();
    void DDU_Maintenace_Get_Next_Slot();
    // Every tick while shown.
    void Processor_Life_Sign_Update();
    void riom_slot_update();
    // The window hid every screen: no processor is selected any more.
    void screensHidden() override { DDU_Maintenace_Selected_Processor = 0; }

    int DDU_Maintenace_Selected_Processor = 0; // the focus maps name its buttons by it
    IoSlotView* ioSlotView = nullptr;

public slots:
    void on_ddu_flg1_clicked();
    void on_ddu_hbb1_clicked();
    void on_ddu_stb1_clicked();
    void on_ddu_slg1_clicked();
    void on_ddu_flg2_clicked();
    void on_ddu_hbb2_clicked();
    void on_ddu_stb2_clicked();
    void on_ddu_slg2_clicked();
    void on_ddu_proc_prev_slot_clicked();
    void on_ddu_proc_next_slot_clicked();
};
