#pragma once
// The home screen: both layouts (RMS on the window, DDU in its own group),
// their captions in the language shown, the subsystem strips and every
// indicator, drawn from the tick's snapshot by the home view. The layout
// toggle and whether home is served are the window's screen model; the grid
// the strip and the loco pictograms open is the subsystem screens'.

#include "screens/home_view.h"
#include "ui/screen.h"

class QWidget;

class HomeScreen : public ui::Screen {
    Q_OBJECT

public:
    HomeScreen(ui::ScreenHost& host, QObject* parent = nullptr);

    // The widgets of both layouts (screens/home_build.cpp).
    static void build(QWidget* root);
    void attach(QWidget* root);

    // ----- captions, through the translator -----
    void home_label_settext(); // RMS layout and the top bar
    void ddu_label_textname(); // DDU layout
    void lbl_style_rms();      // per-language caption fonts, RMS layout
    void lbl_style_ddu();      // per-language caption fonts, DDU layout

    // ----- per tick, from the snapshot -----
    void home_subsys();             // subsystem strip of the RMS layout
    void ddu_home_subsys(int loco); // subsystem strip of the DDU layout
    void home_update(const HomeContext& c);

    // ----- the DDU layout -----
    void ddu_img_load();
    // Images, strip of `loco`, and the fault / information button when a
    // message is present.
    void ddu_load(int loco, bool faultPresent, bool infoPresent);
    void showDduLayout();
    void hideDduLayout();

    HomeView* homeView = nullptr;
};
