#include "screens/home_view.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QDateTime>
#include <QFont>
#include <QLCDNumber>
#include <QLabel>
#include <QTableWidget>

#include <algorithm>
#include <climits>

#include "acquisition/mvbvaria.h"
#include "acquisition/unknown.h"
#include "screens/home_layout.h"
#include "screens/table_cells.h"
#include "ui/resources.h"
#include "ui/translated_text.h"
#include "widgets/qgauge.h"

using namespace ui;
using namespace home;

namespace {

QTableWidgetItem* stripItem(QTableWidget* t, int row, int column, const QString& text, const QFont& font)
{
    auto* item = t->item(row, column);
    if (!item) {
        item = new QTableWidgetItem;
        item->setFlags(Qt::ItemIsEnabled);
        t->setItem(row, column, item);
    }
    item->setText(text);
    item->setFont(font);
    item->setTextAlignment(Qt::AlignCenter);
    return item;
}

// Applies a cell look when it differs from the last one drawn.
void paintCell(QTableWidget* t, int row, int column, const CellLook& look, quint64& last)
{
    const quint64 key = (quint64(look.background) << 32) | look.text | (quint64(1) << 63);
    if (!t || last == key)
        return;
    if (QTableWidgetItem* item = t->item(row, column)) {
        item->setBackground(QColor(look.background));
        item->setForeground(QColor(look.text));
    }
    last = key;
}

const QRgb kNodeColour = qRgb(200, 200, 200);
const QRgb kNumberColour = qRgb(215, 215, 215);

} // namespace

HomeView::HomeView(QObject* parent)
    : QObject(parent)
{
    setObjectName(QStringLiteral("homeView"));
}

QStringList HomeView::widgetNames()
{
    QStringList names;
#define HOME_NAME(n) names << QStringLiteral(#n);
    HOME_LABELS(HOME_NAME)
    HOME_FOOTER_LABELS(HOME_NAME)
    HOME_LCDS(HOME_NAME)
    HOME_BUTTONS(HOME_NAME)
    HOME_GAUGES(HOME_NAME)
    HOME_TABLES(HOME_NAME)
    HOME_WIDGETS(HOME_NAME)
#undef HOME_NAME
    return names;
}

QStringList HomeView::resolve(QWidget* root)
{
    QStringList missing;
#define HOME_RESOLVE(n) findWidget(root, n, #n, missing);
    HOME_LABELS(HOME_RESOLVE)
    HOME_LCDS(HOME_RESOLVE)
    HOME_BUTTONS(HOME_RESOLVE)
    HOME_GAUGES(HOME_RESOLVE)
    HOME_TABLES(HOME_RESOLVE)
    HOME_WIDGETS(HOME_RESOLVE)
#undef HOME_RESOLVE
    // The maintenance header may not exist yet: looked for, not required.
    QStringList later;
#define HOME_RESOLVE(n) findWidget(root, n, #n, later);
    HOME_FOOTER_LABELS(HOME_RESOLVE)
#undef HOME_RESOLVE
    QLabel* lamps[8] = {lsdj_led, bppb_led, bpcs_led, lsp_led, lsvw_led, lsfi_led, bpfa_led, emg_led};
    std::copy(std::begin(lamps), std::end(lamps), std::begin(m_rmsLamps));
    return missing;
}

void HomeView::redrawDirectionAndPictogram()
{
    m_drawn.direction = 10;
    m_drawn.iso = 10;
}

void HomeView::redrawLampLegends()
{
    m_drawn.bpcs = 10;
    m_drawn.lsp = 10;
}

void HomeView::redrawAll()
{
    m_drawn = Drawn();
    for (quint64& cell : m_rmsCell)
        cell = 0;
    for (quint64& cell : m_dduCell)
        cell = 0;
}

// ============================================================ the tick

void HomeView::update(const SignalStore& s, const HomeContext& c)
{
    updatePantoAndBreaker(s);
    updateLineSide(s);
    updateAir(s);
    updateNodes(s, c);
    updateEffort(s);
    updateLamps(s);
    updateProtections(s);
    updateSpeed(s);
    updateBrakes(s);
    updateConverters(s);
    updateMotors(s);
    updateDirection(s);
    updatePictograms(s);
    updateCabAndClock(s);
    updateLocoNumbers(s);
    updateSecondLoco(s);
    updateToggle(c);
}

// Pantograph and vacuum circuit breaker: pictures of both layouts.
void HomeView::updatePantoAndBreaker(const SignalStore& s)
{
    if (s.MVB_DDU_Panto != m_drawn.panto) {
        putImage(panto, pick3(s.MVB_DDU_Panto, Dir_rms_img_PantoDown, Dir_rms_img_PantoUP, Dir_rms_img_PantoNoMVB));
        putImage(lddu_panto_img,
                 pick3(s.MVB_DDU_Panto, Dir_ddu_img_PantoDown, Dir_ddu_img_PantoUp, Dir_ddu_img_PantoNoMVB));
        m_drawn.panto = s.MVB_DDU_Panto;
    }
    if (s.MVB_DDU_VCB != m_drawn.vcb) {
        putImage(vcb, pick3(s.MVB_DDU_VCB, Dir_rms_img_VCBOFF, Dir_rms_img_VCBON, Dir_rms_img_VCBNoMVB));
        putImage(lddu_vcb_img, pick3(s.MVB_DDU_VCB, Dir_ddu_img_VCBOFF, Dir_ddu_img_VCBON, Dir_ddu_img_VCBNoMVB));
        m_drawn.vcb = s.MVB_DDU_VCB;
    }
}

// Primary voltage and current with their DDU meters, battery, line frequency
// and input power. Readouts are compared by text, so they are written every tick.
void HomeView::updateLineSide(const SignalStore& s)
{
    if (isUnknown(s.MVB_DDU_UPRIM_String)) {
        m_lcd.put(uprim_val, kDash, kNoDataGrey);
        putValue(lddu_vcat_val, kDash, 40, kNoDataGrey);
        putShown(lddu_vcat_arrowimg, false);
    } else {
        m_lcd.put(uprim_val, QString::number(s.MVB_DDU_UPRIM), kOrange);
        putValue(lddu_vcat_val, s.MVB_DDU_UPRIM_String, 26, kOrange);
        putPos(lddu_vcat_arrowimg, 300, vcatArrowY(s.MVB_DDU_UPRIM));
        putShown(lddu_vcat_arrowimg, true);
    }

    // Every current is shown as the number it is, also beyond the meter
    // (an over-current is exactly when it matters); only the marker stops at
    // the meter's ends. Below 10 A the marker goes down to the scale's foot
    // as well: a marker left at the last current above 9 A would show a
    // current that no longer flows.
    if (isUnknown(s.MVB_DDU_IPRIM_String)) {
        m_lcd.put(iprim_val, kDash, kNoDataGrey);
        putValue(lddu_ipri_val, kDash, 40, kNoDataGrey);
        putShown(lddu_ipri_arrowimg, false);
    } else {
        const QString& text = s.MVB_DDU_IPRIM_String;
        const int current = s.MVB_DDU_IPRIM;
        m_lcd.put(iprim_val, current > 9 || current < 0 ? QString::number(current) : text.left(3), kGreen);
        putValue(lddu_ipri_val, text, 22, kGreen);
        putPos(lddu_ipri_arrowimg, 451, ipriArrowY(current));
        putShown(lddu_ipri_arrowimg, true);
    }

    if (isUnknown(s.MVB_DDU_Battery_String)) {
        m_lcd.put(vbat, kDash, kNoDataGrey);
        putValue(lddu_battery_val, kDash, 40, kNoDataGrey);
    } else {
        const QRgb colour = batteryColour(s.MVB_DDU_Battery);
        m_lcd.put(vbat, s.MVB_DDU_Battery_String, colour);
        putValue(lddu_battery_val, s.MVB_DDU_Battery_String, 40, colour);
    }

    if (isUnknown(s.MVB_DDU_Line_Frequency_INT_String)) {
        m_lcd.put(freq_val, kDash, kNoDataGrey);
        putValue(lddu_freq_val, kDash, 22, kNoDataGrey);
    } else {
        m_lcd.put(freq_val, s.MVB_DDU_Line_Frequency_INT_String, kOrange);
        putValue(lddu_freq_val, s.MVB_DDU_Line_Frequency_INT_String, 22, kGreen);
    }

    if (isUnknown(s.MVB_DDU_Input_Power_String)) {
        m_lcd.put(power_val, kDash, kNoDataGrey);
        putValue(lddu_input_val, kDash, 22, kNoDataGrey);
    } else {
        const QString power = QString::number(s.MVB_DDU_Input_Power);
        m_lcd.put(power_val, power, kGreen);
        putValue(lddu_input_val, power, 22, kGreen);
    }
}

// Main reservoir switch and brake pipe pressure.
void HomeView::updateAir(const SignalStore& s)
{
    if (s.MVB_DDU_MR != m_drawn.mr) {
        if (s.MVB_DDU_MR == TriOn || s.MVB_DDU_MR == TriOff) {
            const bool low = s.MVB_DDU_MR == TriOn;
            const QRgb colour = low ? kRed : kGreen;
            putValue(mr_sign, low ? QStringLiteral("<") : QStringLiteral(">"), 24, colour);
            putValue(mr_val, QStringLiteral("6.4"), 24, colour);
            putValue(lddu_mr_val, low ? QStringLiteral("< 6.4") : QStringLiteral("> 6.4"), 22, colour);
        } else {
            putValue(mr_sign, QString(), 24, kNoDataGrey);
            putValue(mr_val, kDash, 24, kNoDataGrey);
            putValue(lddu_mr_val, kDash, 22, kNoDataGrey);
        }
        m_drawn.mr = s.MVB_DDU_MR;
    }

    if (isUnknown(s.MVB_DDU_BP_Pressure_String)) {
        putValue(bp_val, kDash, 26, kNoDataGrey);
        putValue(lddu_bp_val, kDash, 22, kNoDataGrey);
        m_drawn.bpDemand = 10.0; // the value coming back is drawn again
    } else if (s.MVB_DDU_BP_Demand != m_drawn.bpDemand) {
        const QRgb colour = brakePipeColour(s.MVB_DDU_BP_Demand);
        putValue(bp_val, s.MVB_DDU_BP_Pressure_String, 26, colour);
        putValue(lddu_bp_val, s.MVB_DDU_BP_Pressure_String, 22, colour);
        m_drawn.bpDemand = s.MVB_DDU_BP_Demand;
    }
}

// Node numbers of the processors, and of the second loco while it is coupled.
void HomeView::updateNodes(const SignalStore& s, const HomeContext& c)
{
    struct Node {
        const QString& text;
        QLabel* rms;
        QLabel* ddu;
    };
    const Node nodes[] = {
        {s.MVB_DDU_FLG1_Node_String, flg1val, lddu_flg1_val}, {s.MVB_DDU_FLG2_Node_String, flg2val, lddu_flg2_val},
        {s.MVB_DDU_SLG1_Node_String, slg1val, lddu_slg1_val}, {s.MVB_DDU_SLG2_Node_String, slg2val, lddu_slg2_val},
        {s.MVB_DDU_ALG1_Node_String, nullptr, lddu_alg1_val}, {s.MVB_DDU_ALG2_Node_String, nullptr, lddu_alg2_val}};
    for (const Node& n : nodes) {
        putString(n.rms, n.text, 16, kNodeColour);
        putString(n.ddu, n.text, 15, kNodeColour);
    }
    const bool slave = s.multiOpMode_slave1_active != 0;
    if (slave)
        putString(slvnodeval, s.MVB_DDU_SLV_Node_String, 16, kNodeColour);
    if (c.inHome) { // the process screens hide them while they are open
        putShown(nodeslv, slave);
        putShown(slvnodeval, slave);
    }
}

// Effort demand (W) and actual (X): readouts and the markers of both meters.
void HomeView::updateEffort(const SignalStore& s)
{
    struct Effort {
        int value;
        const QString& text;
        int& drawn;
        QLCDNumber* lcd;
        QLabel* label;
        QLabel* rmsArrow;
        int rmsX;
        QLabel* dduArrow;
        int dduX;
        QRgb colour;
    };
    Effort efforts[] = {
        {s.MVB_DDU_BE_Demand, s.MVB_DDU_BE_Demand_String, m_drawn.beDemand, lcdtebe_w, lddu_tebeW_val, tebe_w_arrow,
         639, lddu_tebe_green_arrowimg, 11, kGreen},
        {s.MVB_DDU_BE_Actual, s.MVB_DDU_BE_Actual_String, m_drawn.beActual, lcdtebe_x, lddu_tebeX_val, tebe_x_arrow,
         785, lddu_tebe_orng_arrowimg, 163, kOrange},
    };
    for (Effort& e : efforts) {
        if (isUnknown(e.text)) {
            m_lcd.put(e.lcd, kDash, kNoDataGrey);
            putValue(e.label, kDash, 22, kNoDataGrey);
            // No marker while the effort is unknown; it comes back with the value.
            putShown(e.rmsArrow, false);
            putShown(e.dduArrow, false);
            e.drawn = INT_MIN;
            continue;
        }
        m_lcd.put(e.lcd, e.text, e.colour);
        putValue(e.label, e.text, 22, e.colour);
        if (e.value != e.drawn) {
            putPos(e.rmsArrow, e.rmsX, tebeArrowY(332, e.value));
            putPos(e.dduArrow, e.dduX, tebeArrowY(371, e.value));
            putShown(e.rmsArrow, true);
            putShown(e.dduArrow, true);
            e.drawn = e.value;
        }
    }
}

namespace {

// DDU lamp legends: text in the lit colour, or unlit; without data, the
// no-data grey in a dashed frame (an unlit legend is nearly black, so a dark
// no-data colour could not be told from it).
void putLegend(QLabel* label, int state, QRgb lit, QRgb off)
{
    const QRgb c = pick3(state, off, lit, kNoDataGrey);
    putStyle(label, legendStyle(16, c, state != TriOff && state != TriOn));
}

} // namespace

// The eight lamps of the RMS layout, the brake pictures and lamp legends of
// the DDU layout that follow the same signals, and the antispin legend.
void HomeView::updateLamps(const SignalStore& s)
{
    struct Lamp {
        int state;
        int& drawn;
        QLabel* led;
        const QString& onImage;
    };
    const Lamp lamps[] = {
        {s.MVB_DDU_LSDJ, m_drawn.lsdj, lsdj_led, Dir_rms_img_LEDBigRed},
        {s.MVB_DDU_BPPB, m_drawn.bppb, bppb_led, Dir_rms_img_LEDBigRed},
        {s.MVB_DDU_BPCS, m_drawn.bpcs, bpcs_led, Dir_rms_img_LEDBigGreen},
        {s.MVB_DDU_LSP, m_drawn.lsp, lsp_led, Dir_rms_img_LEDBigYellow},
        {s.MVB_DDU_LSVW, m_drawn.lsvw, lsvw_led, Dir_rms_img_LEDBigYellow},
        {s.MVB_DDU_LSFI, m_drawn.lsfi, lsfi_led, Dir_rms_img_LEDBigRed},
        {s.MVB_DDU_BPFA, m_drawn.bpfa, bpfa_led, Dir_rms_img_LEDBigYellow},
        {s.MVB_DDU_EMG, m_drawn.emg, emg_led, Dir_rms_img_LEDBigRed},
    };
    for (const Lamp& l : lamps) {
        if (l.state == l.drawn)
            continue;
        putImage(l.led, pick3(l.state, Dir_rms_img_LEDBigGray, l.onImage, Dir_rms_img_LEDBigNoMVB));
        if (l.led == bppb_led || l.led == emg_led)
            putImage(l.led == bppb_led ? lddu_parkbrk_img : lddu_emgbrk_img,
                     pick3(l.state, Dir_ddu_img_BrakeRelease, Dir_ddu_img_BrakeApplied, Dir_ddu_img_BrakeNoMVB));
        // The DDU legends: lit, unlit, or in the no-data colour of the other
        // legends while the lamp is not known (never the unlit look).
        if (l.led == bpcs_led) {
            putText(lddu_bpcs_txt,
                    l.state == TriOn ? ui::trScreen(QT_TRANSLATE_NOOP("MainWindow", "BPCS ON"))
                                     : ui::trScreen(QT_TRANSLATE_NOOP("MainWindow", "BPCS")));
            putLegend(lddu_bpcs_txt, l.state, kGreen, kLampLegendOff);
        } else if (l.led == lsp_led) {
            putText(lddu_lsp_txt,
                    l.state == TriOn ? ui::trScreen(QT_TRANSLATE_NOOP("MainWindow", "LSP ON"))
                                     : ui::trScreen(QT_TRANSLATE_NOOP("MainWindow", "LSP")));
            putLegend(lddu_lsp_txt, l.state, kYellow, kLampLegendOff);
        } else if (l.led == lsvw_led) {
            putLegend(lddu_vigilance_txt, l.state, kYellow, kInactive);
        }
        l.drawn = l.state;
    }
    if (s.MVB_DDU_Antispin != m_drawn.antispin) {
        putLegend(lddu_antispin_txt, s.MVB_DDU_Antispin, kYellow, kInactive);
        m_drawn.antispin = s.MVB_DDU_Antispin;
    }
    // The lamps lie under every other widget of the form.
    if (QWidget* parent = lsdj_led ? lsdj_led->parentWidget() : nullptr) {
        const QObjectList& children = parent->children();
        for (QLabel* led : m_rmsLamps)
            if (led && children.indexOf(led) >= 8)
                led->lower();
    }
}

// Over-current and earth-fault captions of both layouts, by colour.
void HomeView::updateProtections(const SignalStore& s)
{
    struct Protection {
        int state;
        int& drawn;
        QLabel* rms;
        QLabel* ddu1;
        QLabel* ddu2;
    };
    const Protection protections[] = {
        {s.MVB_DDU_Primary_Over_Current, m_drawn.overCurrent, oc_primary, lddu_ocpri1, lddu_ocpri2},
        {s.MVB_DDU_Earth_Fault_Auxiliary, m_drawn.earthAux, ef_auxiliary, lddu_efaux1, lddu_efaux2},
        {s.MVB_DDU_Earth_Fault_Power, m_drawn.earthPower, ef_power, lddu_efpow1, lddu_efpow2},
        {s.MVB_DDU_Earth_Fault_Control, m_drawn.earthControl, ef_control, lddu_efcontrl1, lddu_efcontrl2},
    };
    for (const Protection& p : protections) {
        if (p.state == p.drawn)
            continue;
        const QRgb colour = pick3(p.state, kInactive, kRed, kNoMvbText);
        putStyle(p.rms, textStyle(21, colour));
        putStyle(p.ddu1, textStyle(28, colour));
        putStyle(p.ddu2, textStyle(16, colour));
        p.drawn = p.state;
    }
}

// Speed. An unknown speed is not shown as standstill: the gauges go grey and
// empty, their readouts "--" in grey, until the speed is known again.
void HomeView::updateSpeed(const SignalStore& s)
{
    if (isUnknown(s.MVB_DDU_Speed_String)) {
        for (QGauge* g : {gaugeWidget_4, gaugeddu_speedo}) {
            if (g && g->isEnabled()) {
                g->setValue(0);
                g->setEnabled(false);
            }
        }
        m_drawn.speed = INT_MIN;
        return;
    }
    for (QGauge* g : {gaugeWidget_4, gaugeddu_speedo})
        if (g && !g->isEnabled())
            g->setEnabled(true);
    if (s.MVB_DDU_Speed != m_drawn.speed) {
        for (QGauge* g : {gaugeWidget_4, gaugeddu_speedo})
            if (g)
                g->setValue(s.MVB_DDU_Speed);
        m_drawn.speed = s.MVB_DDU_Speed;
    }
}

// Loco brake (with the DDU brake cylinder text) and automatic brake.
void HomeView::updateBrakes(const SignalStore& s)
{
    if (s.MVB_DDU_Loco_Break != m_drawn.locoBrake) {
        const int b = s.MVB_DDU_Loco_Break;
        putImage(loco_brake, pick3(b, Dir_rms_img_BrakeRelease, Dir_rms_img_BrakeApplied, Dir_rms_img_BrakeNoMVB));
        putImage(lddu_locobrk_img,
                 pick3(b, Dir_ddu_img_BrakeRelease, Dir_ddu_img_BrakeApplied, Dir_ddu_img_BrakeNoMVB));
        if (b == TriOff)
            putValue(lddu_bc_val, ui::trScreen(QT_TRANSLATE_NOOP("MainWindow", "RELEASED")), 25, kGreen, true, true);
        else if (b == TriOn)
            putValue(lddu_bc_val, ui::trScreen(QT_TRANSLATE_NOOP("MainWindow", "APPLIED")), 25, kRed, true, true);
        else
            putValue(lddu_bc_val, kDash, 40, kNoDataGrey);
        m_drawn.locoBrake = b;
    }
    if (s.MVB_DDU_Auto_Break != m_drawn.autoBrake) {
        const int b = s.MVB_DDU_Auto_Break;
        putImage(auto_brake, pick3(b, Dir_rms_img_BrakeRelease, Dir_rms_img_BrakeApplied, Dir_rms_img_BrakeNoMVB));
        putImage(lddu_autobrk_img,
                 pick3(b, Dir_ddu_img_BrakeRelease, Dir_ddu_img_BrakeApplied, Dir_ddu_img_BrakeNoMVB));
        m_drawn.autoBrake = b;
    }
}

// Line converters: green running, red stopped, grey while not known (their
// port stale), never red as if they had stopped.
void HomeView::updateConverters(const SignalStore& s)
{
    const int states[4] = {s.LineConverter1_status_SLG1, s.LineConverter2_status_SLG1, s.LineConverter1_status_SLG2,
                           s.LineConverter2_status_SLG2};
    QLabel* images[4] = {loco_inverter1, loco_inverter2, loco_inverter3, loco_inverter4};
    for (int k = 0; k < 4; ++k) {
        const int state = states[k] == TriOn || states[k] == TriOff ? states[k] : TriNoData;
        if (state == m_drawn.converter[k])
            continue;
        putImage(images[k], pick3(state, Dir_ddu_img_invRed, Dir_ddu_img_invGrn, Dir_ddu_img_invNoMVB));
        m_drawn.converter[k] = state;
    }
}

// Traction motors: six on Co-Co bogies, else four (circles 3 and 6 hidden);
// grey while not known, like the converters.
void HomeView::updateMotors(const SignalStore& s)
{
    const bool six = s.CoCo_bogie_chasis == 1 || s.CoCo_bogie_chasisR == 1;
    QLabel* circles[6] = {loco_inverter_circle1, loco_inverter_circle2, loco_inverter_circle3,
                          loco_inverter_circle4, loco_inverter_circle5, loco_inverter_circle6};
    const QString* green[6] = {&Dir_ddu_img_invCircleGrn1, &Dir_ddu_img_invCircleGrn2, &Dir_ddu_img_invCircleGrn3,
                               &Dir_ddu_img_invCircleGrn4, &Dir_ddu_img_invCircleGrn5, &Dir_ddu_img_invCircleGrn6};
    const QString* red[6] = {&Dir_ddu_img_invCircleRed1, &Dir_ddu_img_invCircleRed2, &Dir_ddu_img_invCircleRed3,
                             &Dir_ddu_img_invCircleRed4, &Dir_ddu_img_invCircleRed5, &Dir_ddu_img_invCircleRed6};
    const QString* grey[6] = {&Dir_ddu_img_invCircleNoMVB1, &Dir_ddu_img_invCircleNoMVB2, &Dir_ddu_img_invCircleNoMVB3,
                              &Dir_ddu_img_invCircleNoMVB4, &Dir_ddu_img_invCircleNoMVB5, &Dir_ddu_img_invCircleNoMVB6};
    putShown(circles[2], six);
    putShown(circles[5], six);
    for (int m = 0; m < 6; ++m) {
        if (!six && (m == 2 || m == 5))
            continue;
        const int value = s.MVB_DDU_MotorMaster_Status[m];
        const int state = value == TriOn || value == TriOff ? value : TriNoData;
        if (state != m_drawn.motor[m]) {
            putImage(circles[m], pick3(state, *red[m], *green[m], *grey[m]));
            m_drawn.motor[m] = state;
        }
    }
}

// Direction of loco 1, and of loco 2 while it is coupled: forward, reverse,
// none (no arrow), or the grey both-ways arrow while it is not known.
void HomeView::updateDirection(const SignalStore& s)
{
    auto arrow = [](QLabel* l, int dir, const QString& forward, const QString& reverse, const QString& unknown) {
        if (dir == 1 || dir == 2)
            putImage(l, dir == 1 ? forward : reverse);
        else if (dir != 0)
            putImage(l, unknown);
        putShown(l, dir != 0);
    };
    if (s.MVB_DDU_Direction != m_drawn.direction) {
        arrow(direction, s.MVB_DDU_Direction, Dir_rms_img_Forward, Dir_rms_img_Reverse, Dir_rms_img_DirectionNoMVB);
        arrow(lddu_loco_dir_img, s.MVB_DDU_Direction, Dir_ddu_img_Forward, Dir_ddu_img_Reverse,
              Dir_ddu_img_DirectionNoMVB);
        m_drawn.direction = s.MVB_DDU_Direction;
    }
    if (s.multiOpMode_slave1_active == 1) {
        if (s.MVB_DDU_Direction_2 != m_drawn.direction2) {
            arrow(direction_2, s.MVB_DDU_Direction_2, Dir_rms_img_Forward, Dir_rms_img_Reverse,
                  Dir_rms_img_DirectionNoMVB);
            m_drawn.direction2 = s.MVB_DDU_Direction_2;
        }
    } else {
        // No second loco: its direction goes with its other widgets.
        putShown(direction_2, false);
        m_drawn.direction2 = 10;
    }
}

// Loco pictograms, when the isolation state or the loco number changed.
void HomeView::updatePictograms(const SignalStore& s)
{
    if (s.MVB_DDU_Loco_ISO_Status != m_drawn.iso || s.MVB_DDU_Loco_NO_String != m_drawn.locoNumber) {
        const Pictogram p = locoPictogram(s.MVB_DDU_Loco_ISO_Status, s.MVB_DDU_Loco_Type_String);
        putIcon(loco_diag, pictogramRms(p), QSize(145, 50));
        putImage(lddu_loco_img, pictogramDdu(p));
        putImage(maint_loco_img1, pictogramRms(p));
        m_drawn.iso = s.MVB_DDU_Loco_ISO_Status;
    }
    if (s.multiOpMode_slave1_active == 1 &&
        (s.MVB_DDU_Loco_ISO2_Status != m_drawn.iso2 || s.MVB_DDU_Loco2_NO_String != m_drawn.loco2Number)) {
        bool ok = false;
        const uint number = s.MVB_DDU_Loco2_NO_String.toUInt(&ok);
        QString type = ok ? mvbvaria::locoClass(number) : QString();
        if (type.isEmpty())
            type = s.MVB_DDU_Loco_Type_String; // a consist is normally of one class
        const Pictogram p = locoPictogram(s.MVB_DDU_Loco_ISO2_Status, type);
        putIcon(loco_diag_2, pictogramRms(p), QSize(145, 50));
        putImage(maint_loco_img2, pictogramRms(p));
        m_drawn.iso2 = s.MVB_DDU_Loco_ISO2_Status;
    }
}

// Active cab, and the clock of the maintenance header.
void HomeView::updateCabAndClock(const SignalStore& s)
{
    if (s.MVB_DDU_Cab_Active != m_drawn.cab) {
        const int cab = s.MVB_DDU_Cab_Active;
        const QString text = cab == 0 ? QString() : cab == 1 || cab == 2 ? QString::number(cab) : QStringLiteral("?");
        putText(loco_cabval, text);
        putText(maint_cab1, text);
        putText(lddu_loco_cabval, text);
        m_drawn.cab = cab;
    }
    if (maint_date || maint_time) {
        const QDateTime now = QDateTime::currentDateTime();
        putText(maint_date, now.toString(QStringLiteral("dd-MMM-yyyy")));
        putText(maint_time, now.toString(QStringLiteral("HH:mm:ss")));
    }
}

// Loco number and type; the overspeed mark follows the loco class.
void HomeView::updateLocoNumbers(const SignalStore& s)
{
    if (s.MVB_DDU_Loco_NO_String == m_drawn.locoNumber)
        return;
    putString(loco_numb, s.MVB_DDU_Loco_NO_String, 15, kNumberColour);
    putString(maint_locono1, s.MVB_DDU_Loco_NO_String, 15, kNumberColour);
    putString(loco_numb_2, s.MVB_DDU_Loco2_NO_String, 14, kNumberColour);
    putString(maint_locono2, s.MVB_DDU_Loco2_NO_String, 14, kNumberColour);
    putText(loco_type, s.MVB_DDU_Loco_Type_String);
    putText(lddu_loco_type, s.MVB_DDU_Loco_Type_String);
    const int threshold = speedThreshold(s.MVB_DDU_Loco_NO_String);
    for (QGauge* g : {gaugeWidget_4, gaugeddu_speedo})
        if (g)
            g->setThreshold(threshold);
    m_drawn.locoNumber = s.MVB_DDU_Loco_NO_String;
}

// The second loco's widgets while multiple operation lasts.
void HomeView::updateSecondLoco(const SignalStore& s)
{
    QWidget* const widgets[] = {loco_diag_2, loco_numb_2, maint_loco_img2, maint_locono2, slvnodeval, nodeslv};
    if (s.multiOpMode_slave1_active == 1) {
        if (s.MVB_DDU_Loco2_NO_String != m_drawn.loco2Number) {
            putString(loco_numb_2, s.MVB_DDU_Loco2_NO_String, 14, kNumberColour);
            putString(maint_locono2, s.MVB_DDU_Loco2_NO_String, 14, kNumberColour);
            for (QWidget* w : widgets)
                putShown(w, true);
            m_drawn.loco2Number = s.MVB_DDU_Loco2_NO_String;
        }
    } else if (m_drawn.slaveActive != 0) {
        m_drawn.loco2Number.clear(); // written again on the next coupling
        m_drawn.iso2 = 10;
        for (QWidget* w : widgets)
            putShown(w, false);
    }
    m_drawn.slaveActive = s.multiOpMode_slave1_active;
}

// The layout toggle has no place of its own on the screen: it shows while the
// keypad focus is on it (sixth home position) and hides again after.
void HomeView::updateToggle(const HomeContext& c)
{
    if (!screen_toggle)
        return;
    const bool focused = c.inHome && c.keyFocus == 5 && c.displayType != 3;
    if (!focused) {
        putShown(screen_toggle, false);
        return;
    }
    if (c.layout == 1)
        screen_toggle->setGeometry(144, 720, 190, 35);
    else
        screen_toggle->setGeometry(655, 538, 190, 35);
    if (!screen_toggle->isVisible()) {
        screen_toggle->show();
        screen_toggle->raise();
    }
}

// ============================================================ strips

void HomeView::updateRmsStrip(const SignalStore& s)
{
    QTableWidget* t = homesub_table;
    if (!t)
        return;
    if (!t->item(0, 0)) {
        // Drawn cell by cell like the subsystem grids it sits under: a change
        // of state repaints a few cells, not the whole grid line by line.
        ui::useCellPainter(t);
        QFont font(QStringLiteral("Tahoma"), 17);
        font.setBold(true);
        for (int k = 1; k <= 20; ++k)
            stripItem(t, (k - 1) / 5, (k - 1) % 5,
                      k == 20 ? QStringLiteral("ALL") : QStringLiteral("%1").arg(k, 2, 10, QLatin1Char('0')), font);
    }
    for (int k = 0; k < 20; ++k) {
        CellLook look;
        rmsCellLook(s.MVB_DDU_LOCO_SUB_System[k], look); // unknown codes: the no-data look
        paintCell(t, k / 5, k % 5, look, m_rmsCell[k]);
    }
}

void HomeView::updateDduStrip(const SignalStore& s, int locoSubsys)
{
    QTableWidget* t = ddu_subsys_table;
    if (!t)
        return;
    if (!t->item(0, 0)) {
        const QFont font(QStringLiteral("Tahoma"), 16);
        for (int k = 1; k <= 20; ++k)
            stripItem(t, (k - 1) / 10, (k - 1) % 10, QStringLiteral("SS%1").arg(k, 2, 10, QLatin1Char('0')), font);
    }
    const int* codes = locoSubsys == 2 ? s.MVB_DDU_LOCO2_SUB_System : s.MVB_DDU_LOCO_SUB_System;
    for (int k = 0; k < 20; ++k) {
        CellLook look;
        dduCellLook(locoSubsys, codes[k], look); // unknown codes: the no-data look
        paintCell(t, k / 10, k % 10, look, m_dduCell[k]);
    }
}
