#pragma once
// Small pieces the maintenance screens' slots share.

#include <QWidget>

#include "app/mainwindow.h"
#include "ui/resources.h"
#include "ui/widget_writer.h"

namespace maintglue {

inline void hide(MainWindow& w, const char* name)
{
    if (QWidget* g = w.W(QLatin1String(name)))
        g->hide();
}

// A tool of the maintenance menu: the menu column and footer with the tool's
// group, the tool's menu entry marked, the maintenance section lit in the
// top bar.
inline void showTool(MainWindow& w, const char* group, const char* entry)
{
    w.grpbox_setvisible();
    for (const char* name : {"Gmaint_menu", "Gmaint_footer", group})
        ui::showRaised(w.W(QLatin1String(name)));
    w.Main_Menu_Button_Color_Reset();
    if (QWidget* b = w.W(QStringLiteral("maintenance")))
        b->setStyleSheet(key_menu_select_Style);
    w.maint_change_buttoncolor();
    w.maint_select_button(QLatin1String(entry));
}

// Draws the first focus of the screen now shown.
inline void drawFocus(MainWindow& w)
{
    w.Keyboard_Key_Global_Reset();
    w.Key_Pressed_Function();
}

} // namespace maintglue
