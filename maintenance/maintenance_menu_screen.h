#pragma once
// The maintenance menu (screen 23): the column of tools with its footer,
// reached through the maintenance lock. Each tool shows its group beside the
// column with its own entry marked.

#include <QString>

#include "ui/screen.h"

class QWidget;

class MaintenanceMenuScreen : public ui::Screen {
    Q_OBJECT

public:
    explicit MaintenanceMenuScreen(ui::ScreenHost& host, QObject* parent = nullptr);

    // The widget tree of the maintenance tools (the menu and its footer, the
    // telegram and freshness screens, the variable monitor and its dialogs)
    // inside their groups under `root`.
    static void build(QWidget* root);

    // Opens the menu (the password pad's stage 1, after the code).
    void maintenance();
    void maint_change_buttoncolor();               // every menu button unselected
    void maint_select_button(const QString& name); // then the tool's own button selected
    // One tool: the menu column and footer with the tool's group, its entry marked.
    void showTool(const char* group, const char* entry);
    void Show_File_cab();

public slots:
    void on_system_clicked();
    void on_close_clicked();
    // The "Loco" entry: the processor I/O screens at RIOM1's first slot.
    void on_loco_clicked();
};
