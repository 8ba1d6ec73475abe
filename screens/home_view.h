#pragma once
// The home screen's view: the widgets of both layouts that the refresh tick
// writes, what was last drawn into them, and the per-tick update split by
// group of indicators. The home screen (home_screen) owns it; the view reads
// nothing but the tick's snapshot and the few window states it is handed.
//
// Every refresh tick updates both layouts, whichever is shown. Indicators are
// redrawn only when their signal differs from what was last drawn; readouts
// compare their text before writing; style sheets are only set when they
// differ, so a tick whose data did not change touches no widget.

#include <QObject>
#include <QStringList>

#include "acquisition/signal_store.h"
#include "ui/widget_writer.h"

class QAbstractButton;
class QLCDNumber;
class QLabel;
class QTableWidget;
class QGauge;

// Widgets the tick writes, found by their object names.
// clang-format off
#define HOME_LABELS(X) \
    X(panto) X(vcb) X(mr_sign) X(mr_val) X(bp_val) X(loco_brake) X(auto_brake) \
    X(flg1val) X(flg2val) X(slg1val) X(slg2val) X(nodeslv) X(slvnodeval) \
    X(oc_primary) X(ef_auxiliary) X(ef_power) X(ef_control) \
    X(tebe_img) X(tebe_w_arrow) X(tebe_x_arrow) \
    X(lsdj_led) X(bppb_led) X(bpcs_led) X(lsp_led) X(lsvw_led) X(lsfi_led) X(bpfa_led) X(emg_led) \
    X(loco_inverter1) X(loco_inverter2) X(loco_inverter3) X(loco_inverter4) \
    X(loco_inverter_circle1) X(loco_inverter_circle2) X(loco_inverter_circle3) \
    X(loco_inverter_circle4) X(loco_inverter_circle5) X(loco_inverter_circle6) \
    X(direction) X(direction_2) X(loco_numb) X(loco_numb_2) X(loco_type) X(loco_cabval) \
    X(lddu_panto_img) X(lddu_vcb_img) X(lddu_vcat_val) X(lddu_vcat_img) X(lddu_vcat_arrowimg) \
    X(lddu_ipri_val) X(lddu_ipri_img) X(lddu_ipri_arrowimg) X(lddu_battery_val) X(lddu_mr_val) X(lddu_bp_val) \
    X(lddu_freq_val) X(lddu_input_val) \
    X(lddu_flg1_val) X(lddu_flg2_val) X(lddu_slg1_val) X(lddu_slg2_val) X(lddu_alg1_val) X(lddu_alg2_val) \
    X(lddu_tebeW_val) X(lddu_tebeX_val) X(lddu_tebe_img) X(lddu_tebe_green_arrowimg) X(lddu_tebe_orng_arrowimg) \
    X(lddu_parkbrk_img) X(lddu_emgbrk_img) X(lddu_bpcs_txt) X(lddu_lsp_txt) X(lddu_vigilance_txt) \
    X(lddu_antispin_txt) \
    X(lddu_ocpri1) X(lddu_ocpri2) X(lddu_efaux1) X(lddu_efaux2) X(lddu_efpow1) X(lddu_efpow2) \
    X(lddu_efcontrl1) X(lddu_efcontrl2) \
    X(lddu_locobrk_img) X(lddu_bc_val) X(lddu_autobrk_img) X(lddu_loco_dir_img) X(lddu_loco_img) \
    X(lddu_loco_type) X(lddu_loco_cabval)
// The maintenance header repeats the loco, cab and clock; it is built with the
// maintenance screens, which call resolve() again once it exists.
#define HOME_FOOTER_LABELS(X) \
    X(maint_loco_img1) X(maint_loco_img2) X(maint_locono1) X(maint_locono2) X(maint_cab1) \
    X(maint_date) X(maint_time)
#define HOME_LCDS(X) X(uprim_val) X(iprim_val) X(vbat) X(freq_val) X(power_val) X(lcdtebe_w) X(lcdtebe_x)
#define HOME_BUTTONS(X) X(loco_diag) X(loco_diag_2) X(screen_toggle) X(fault_button) X(info_button)
#define HOME_GAUGES(X) X(gaugeWidget_4) X(gaugeddu_speedo)
#define HOME_TABLES(X) X(homesub_table) X(ddu_subsys_table)
#define HOME_WIDGETS(X) X(Gmainwindow_ddu) X(lang_icon)
// clang-format on

// What the view needs to know of the window's state on a tick.
struct HomeContext {
    bool inHome = true;  // the home screen is being served (we_are_in_home)
    int keyFocus = 0;    // keypad focus position on the home screen (key_press_count)
    int displayType = 1; // Selected_DDU_Type: 3 never offers the layout toggle
    int layout = 0;      // screen_toggle: 0 RMS, 1 DDU
};

class HomeView : public QObject {
public:
    explicit HomeView(QObject* parent);

    // Finds every widget the view writes under `root` by its object name.
    // Returns the names that are missing or of another kind (the window logs
    // them as errors; a test requires the list to be empty). The maintenance
    // header's widgets are looked for too but may not exist yet.
    QStringList resolve(QWidget* root);
    // Every object name the view resolves (the maintenance header's included).
    static QStringList widgetNames();

    // The per-tick update of both layouts from the tick's snapshot.
    void update(const SignalStore& s, const HomeContext& c);
    // The subsystem strips: RMS (loco 1), and DDU for loco `locoSubsys`.
    void updateRmsStrip(const SignalStore& s);
    void updateDduStrip(const SignalStore& s, int locoSubsys);

    // Draw again on the next tick what depends on the layout or the language.
    void redrawDirectionAndPictogram();
    void redrawLampLegends();
    // Draw every indicator and both strips again on the next tick (after a
    // change of language, whose texts some of them carry).
    void redrawAll();

#define HOME_DECLARE(n) QLabel* n = nullptr;
    HOME_LABELS(HOME_DECLARE)
    HOME_FOOTER_LABELS(HOME_DECLARE)
#undef HOME_DECLARE
#define HOME_DECLARE(n) QLCDNumber* n = nullptr;
    HOME_LCDS(HOME_DECLARE)
#undef HOME_DECLARE
#define HOME_DECLARE(n) QAbstractButton* n = nullptr;
    HOME_BUTTONS(HOME_DECLARE)
#undef HOME_DECLARE
#define HOME_DECLARE(n) QGauge* n = nullptr;
    HOME_GAUGES(HOME_DECLARE)
#undef HOME_DECLARE
#define HOME_DECLARE(n) QTableWidget* n = nullptr;
    HOME_TABLES(HOME_DECLARE)
#undef HOME_DECLARE
#define HOME_DECLARE(n) QWidget* n = nullptr;
    HOME_WIDGETS(HOME_DECLARE)
#undef HOME_DECLARE

private:
    void updatePantoAndBreaker(const SignalStore& s);
    void updateLineSide(const SignalStore& s);
    void updateAir(const SignalStore& s);
    void updateNodes(const SignalStore& s, const HomeContext& c);
    void updateEffort(const SignalStore& s);
    void updateLamps(const SignalStore& s);
    void updateProtections(const SignalStore& s);
    void updateSpeed(const SignalStore& s);
    void updateBrakes(const SignalStore& s);
    void updateConverters(const SignalStore& s);
    void updateMotors(const SignalStore& s);
    void updateDirection(const SignalStore& s);
    void updatePictograms(const SignalStore& s);
    void updateCabAndClock(const SignalStore& s);
    void updateLocoNumbers(const SignalStore& s);
    void updateSecondLoco(const SignalStore& s);
    void updateToggle(const HomeContext& c);

    // What was last drawn. Every copy starts at a value no signal takes, so
    // that the first refresh tick draws every indicator.
    struct Drawn {
        int panto = 10, vcb = 10, mr = 10;
        double bpDemand = 10.0;
        int beDemand = -1, beActual = -1;
        int lsdj = 10, bppb = 10, bpcs = 10, lsp = 10, lsvw = 10, lsfi = 10, bpfa = 10, emg = 10, antispin = 10;
        int overCurrent = 10, earthAux = 10, earthPower = 10, earthControl = 10;
        int speed = 10, locoBrake = 10, autoBrake = 10;
        int converter[4] = {10, 10, 10, 10};
        int motor[6] = {10, 10, 10, 10, 10, 10};
        int direction = 10, direction2 = 10;
        int iso = 10, iso2 = 10;
        int cab = 10;
        QString locoNumber = QStringLiteral("10");
        QString loco2Number = QStringLiteral("10");
        int slaveActive = 10;
    } m_drawn;
    quint64 m_rmsCell[20] = {}; // background << 32 | text of each strip cell (0 = none yet)
    quint64 m_dduCell[20] = {};
    ui::LcdWriter m_lcd;
    QLabel* m_rmsLamps[8] = {};
};
