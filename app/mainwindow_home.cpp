// Home screen: captions, the per-tick indicators of both layouts, the
// subsystem strips, the layout toggle and the entry into the subsystem
// overview.
//
// Every refresh tick updates both layouts from `snap`, whichever is shown.
// Indicators are redrawn only when their signal differs from its `_old` copy;
// readouts compare their text before writing. Images are loaded once per file
// and kept; style sheets are only set when they differ, so a tick whose data
// did not change touches no widget.

#include "app/mainwindow.h"

#include <QAbstractButton>
#include <QDateTime>
#include <QFont>
#include <QHash>
#include <QHeaderView>
#include <QLCDNumber>
#include <QLabel>
#include <QPointer>
#include <QTableWidget>

#include <algorithm>
#include <climits>

#include "acquisition/mvbvaria.h"
#include "app/home_layout.h"
#include "app/resources.h"
#include "widgets/qgauge.h"

// ============================================================ view state

// Widgets the tick writes, resolved once by name, and what was last drawn.
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
    X(lddu_loco_type) X(lddu_loco_cabval) \
    X(maint_loco_img1) X(maint_loco_img2) X(maint_locono1) X(maint_locono2) X(maint_cab1) \
    X(maint_date) X(maint_time)
#define HOME_LCDS(X) X(uprim_val) X(iprim_val) X(vbat) X(freq_val) X(power_val) X(lcdtebe_w) X(lcdtebe_x)
#define HOME_BUTTONS(X) X(loco_diag) X(loco_diag_2) X(screen_toggle) X(fault_button) X(info_button)
// clang-format on

struct HomeView : QObject {
#define HOME_DECLARE(n) QLabel* n = nullptr;
    HOME_LABELS(HOME_DECLARE)
#undef HOME_DECLARE
#define HOME_DECLARE(n) QLCDNumber* n = nullptr;
    HOME_LCDS(HOME_DECLARE)
#undef HOME_DECLARE
#define HOME_DECLARE(n) QAbstractButton* n = nullptr;
    HOME_BUTTONS(HOME_DECLARE)
#undef HOME_DECLARE
    QGauge* gaugeWidget_4 = nullptr;
    QGauge* gaugeddu_speedo = nullptr;
    QTableWidget* homesub_table = nullptr;
    QTableWidget* ddu_subsys_table = nullptr;
    QWidget* ddu_group = nullptr;
    QWidget* lang_icon = nullptr;
    QLabel* rmsLamps[8] = {};

    // Last look drawn into each strip cell (background << 32 | text; 0 = none yet).
    quint64 rmsCell[20] = {};
    quint64 dduCell[20] = {};
    // Last text of each LCD readout (the readout itself cannot tell it).
    QHash<const QLCDNumber*, QString> lcdText;
    bool resolved = false;

    explicit HomeView(QObject* parent)
        : QObject(parent)
    {
    }

    void resolve(MainWindow* w)
    {
        resolved = true;
#define HOME_RESOLVE(n) n = w->W<QLabel>(QStringLiteral(#n));
        HOME_LABELS(HOME_RESOLVE)
#undef HOME_RESOLVE
#define HOME_RESOLVE(n) n = w->W<QLCDNumber>(QStringLiteral(#n));
        HOME_LCDS(HOME_RESOLVE)
#undef HOME_RESOLVE
#define HOME_RESOLVE(n) n = w->W<QAbstractButton>(QStringLiteral(#n));
        HOME_BUTTONS(HOME_RESOLVE)
#undef HOME_RESOLVE
        gaugeWidget_4 = w->W<QGauge>(QStringLiteral("gaugeWidget_4"));
        gaugeddu_speedo = w->W<QGauge>(QStringLiteral("gaugeddu_speedo"));
        homesub_table = w->W<QTableWidget>(QStringLiteral("homesub_table"));
        ddu_subsys_table = w->W<QTableWidget>(QStringLiteral("ddu_subsys_table"));
        ddu_group = w->W(QStringLiteral("Gmainwindow_ddu"));
        lang_icon = w->W(QStringLiteral("lang_icon"));
        QLabel* lamps[8] = {lsdj_led, bppb_led, bpcs_led, lsp_led, lsvw_led, lsfi_led, bpfa_led, emg_led};
        std::copy(std::begin(lamps), std::end(lamps), std::begin(rmsLamps));
    }
};

namespace home {

namespace {

const QString kNoData = QStringLiteral("????");
const QString kDash = QStringLiteral("--");
const char* const kImageProperty = "image";
const char* const kTextProperty = "text";

// Each image file is loaded once and shared by every label that shows it.
const QPixmap& pixmap(const QString& path)
{
    static QHash<QString, QPixmap> cache;
    auto it = cache.constFind(path);
    if (it == cache.constEnd())
        it = cache.insert(path, QPixmap(path));
    return it.value();
}

void putImage(QLabel* l, const QString& path)
{
    if (!l || l->property(kImageProperty).toString() == path)
        return;
    l->setPixmap(pixmap(path));
    l->setProperty(kImageProperty, path);
}

void putIcon(QAbstractButton* b, const QString& path, QSize size)
{
    if (!b || b->property(kImageProperty).toString() == path)
        return;
    b->setIcon(QIcon(pixmap(path)));
    b->setIconSize(size);
    b->setProperty(kImageProperty, path);
}

void putText(QLabel* l, const QString& text)
{
    if (l && l->text() != text)
        l->setText(text);
}

void putStyle(QWidget* w, const QString& style)
{
    if (w && w->styleSheet() != style)
        w->setStyleSheet(style);
}

void putShown(QWidget* w, bool shown)
{
    if (w && w->isVisibleTo(w->parentWidget()) != shown)
        w->setVisible(shown);
}

void putPos(QWidget* w, int x, int y)
{
    if (w && w->pos() != QPoint(x, y))
        w->move(x, y);
}

// Text and colour of a label in one go.
void putValue(QLabel* l, const QString& text, int pointSize, QRgb colour, bool bold = true, bool condensed = false)
{
    putText(l, text);
    putStyle(l, textStyle(pointSize, colour, bold, condensed));
}

// An LCD readout: as many digit cells as the text needs, so that the readout
// stays centred in its place whatever the number of digits.
void putLcd(HomeView& v, QLCDNumber* lcd, const QString& text, QRgb colour)
{
    if (!lcd)
        return;
    putStyle(lcd, lcdStyle(colour));
    QString& last = v.lcdText[lcd];
    if (last == text && !last.isNull())
        return;
    last = text;
    const int digits = lcdDigits(text);
    if (lcd->digitCount() != digits)
        lcd->setDigitCount(digits);
    lcd->display(text);
    lcd->setProperty(kTextProperty, text);
}

// A "????" text as "--" in grey, else the text in `colour`.
void putString(QLabel* l, const QString& text, int pointSize, QRgb colour)
{
    if (text == kNoData)
        putValue(l, kDash, pointSize, kNoDataGrey);
    else
        putValue(l, text, pointSize, colour);
}

template <class T> const T& pick3(int state, const T& off, const T& on, const T& noData)
{
    return state == 0 ? off : state == 1 ? on : noData;
}

// The store shown before the acquisition has published its first pass (no
// controller, or the bus side switched off): every indicator in its no-data look.
const SignalStore& noDataStore()
{
    static const SignalStore s = [] {
        SignalStore d;
        for (int* state : {&d.MVB_DDU_Panto,
                           &d.MVB_DDU_VCB,
                           &d.MVB_DDU_MR,
                           &d.MVB_DDU_LSDJ,
                           &d.MVB_DDU_BPPB,
                           &d.MVB_DDU_BPCS,
                           &d.MVB_DDU_LSP,
                           &d.MVB_DDU_LSVW,
                           &d.MVB_DDU_LSFI,
                           &d.MVB_DDU_BPFA,
                           &d.MVB_DDU_EMG,
                           &d.MVB_DDU_Antispin,
                           &d.MVB_DDU_Primary_Over_Current,
                           &d.MVB_DDU_Earth_Fault_Auxiliary,
                           &d.MVB_DDU_Earth_Fault_Power,
                           &d.MVB_DDU_Earth_Fault_Control,
                           &d.MVB_DDU_Loco_Break,
                           &d.MVB_DDU_Auto_Break,
                           &d.MVB_DDU_Loco_ISO_Status,
                           &d.MVB_DDU_Loco_ISO2_Status})
            *state = 2;
        d.MVB_DDU_Cab_Active = 3;
        for (QString* text :
             {&d.MVB_DDU_UPRIM_String, &d.MVB_DDU_IPRIM_String, &d.MVB_DDU_Battery_String,
              &d.MVB_DDU_BP_Pressure_String, &d.MVB_DDU_Line_Frequency_INT_String, &d.MVB_DDU_Input_Power_String,
              &d.MVB_DDU_FLG1_Node_String, &d.MVB_DDU_FLG2_Node_String, &d.MVB_DDU_SLG1_Node_String,
              &d.MVB_DDU_SLG2_Node_String, &d.MVB_DDU_SLV_Node_String, &d.MVB_DDU_ALG1_Node_String,
              &d.MVB_DDU_ALG2_Node_String, &d.MVB_DDU_BE_Demand_String, &d.MVB_DDU_BE_Actual_String,
              &d.MVB_DDU_Speed_String, &d.MVB_DDU_Loco_NO_String, &d.MVB_DDU_Loco2_NO_String})
            *text = kNoData;
        for (int k = 0; k < 20; ++k) {
            d.MVB_DDU_LOCO_SUB_System[k] = 99;
            d.MVB_DDU_LOCO2_SUB_System[k] = 4;
        }
        return d;
    }();
    return s;
}

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

} // namespace

HomeView* createView(MainWindow* window)
{
    // The program names the Hindi font "Lohit-Devanagari"; the installed
    // family is "Lohit Devanagari".
    QFont::insertSubstitution(QStringLiteral("Lohit-Devanagari"), QStringLiteral("Lohit Devanagari"));
    auto* view = new HomeView(window);
    view->setObjectName(QStringLiteral("homeView"));
    return view;
}

} // namespace home

using namespace home;

// ============================================================ captions

void MainWindow::home_label_settext()
{
    for (int i = 0; i < kRmsWidgetCount; ++i) {
        const HomeWidget& h = kRmsWidgets[i];
        if ((h.kind == Kind::Caption || h.kind == Kind::Unit) && h.text)
            putText(W<QLabel>(QLatin1String(h.name)), tr(h.text));
    }
    // The state captions keep their colour; their text follows the language.
    for (int i = 0; i < kRmsWidgetCount; ++i) {
        const HomeWidget& h = kRmsWidgets[i];
        if (h.kind == Kind::Value && h.text)
            putText(W<QLabel>(QLatin1String(h.name)), tr(h.text));
    }
    struct TopBar {
        const char* button;
        const char* text;
    };
    static const TopBar bar[] = {{"menu", QT_TR_NOOP("MENU")},
                                 {"process", QT_TR_NOOP("PROCESS INFO")},
                                 {"diagnostic_process", QT_TR_NOOP("DIAGNOSIS")},
                                 {"maintenance", QT_TR_NOOP("MAINTENANCE")}};
    for (const TopBar& t : bar)
        if (auto* b = W<QAbstractButton>(QLatin1String(t.button)))
            b->setText(tr(t.text));
    lbl_style_rms();
}

void MainWindow::ddu_label_textname()
{
    for (int i = 0; i < kDduWidgetCount; ++i) {
        const HomeWidget& h = kDduWidgets[i];
        if (h.text && h.kind != Kind::Lamp)
            putText(W<QLabel>(QLatin1String(h.name)), tr(h.text));
    }
    // Lamp legends carry their state in the text ("BPCS ON"): redraw them.
    putText(W<QLabel>(QStringLiteral("lddu_antispin_txt")), tr("ANTISPIN"));
    putText(W<QLabel>(QStringLiteral("lddu_vigilance_txt")), tr("VIGILANCE"));
    MVB_DDU_BPCS_old = 10;
    MVB_DDU_LSP_old = 10;
    lbl_style_ddu();
}

void MainWindow::lbl_style_rms()
{
    for (int i = 0; i < kRmsWidgetCount; ++i) {
        const HomeWidget& h = kRmsWidgets[i];
        if (h.kind == Kind::Caption || h.kind == Kind::Unit)
            putStyle(W(QLatin1String(h.name)), captionStyle(h, DDU_Language_Select));
    }
}

void MainWindow::lbl_style_ddu()
{
    for (int i = 0; i < kDduWidgetCount; ++i) {
        const HomeWidget& h = kDduWidgets[i];
        if (h.kind == Kind::Caption || h.kind == Kind::Unit)
            putStyle(W(QLatin1String(h.name)), captionStyle(h, DDU_Language_Select));
    }
}

// ============================================================ subsystem strips

void MainWindow::home_subsys()
{
    HomeView& v = *homeView;
    if (!v.resolved)
        v.resolve(this);
    QTableWidget* t = v.homesub_table;
    if (!t)
        return;
    if (!t->item(0, 0)) {
        QFont font(QStringLiteral("Tahoma"), 17);
        font.setBold(true);
        for (int k = 1; k <= 20; ++k)
            stripItem(t, (k - 1) / 5, (k - 1) % 5,
                      k == 20 ? QStringLiteral("ALL") : QStringLiteral("%1").arg(k, 2, 10, QLatin1Char('0')), font);
    }
    const SignalStore& s = snap.pass_count == 0 ? noDataStore() : snap;
    for (int k = 0; k < 20; ++k) {
        CellLook look;
        if (rmsCellLook(s.MVB_DDU_LOCO_SUB_System[k], look))
            paintCell(t, k / 5, k % 5, look, v.rmsCell[k]);
    }
}

void MainWindow::ddu_home_subsys()
{
    HomeView& v = *homeView;
    if (!v.resolved)
        v.resolve(this);
    QTableWidget* t = v.ddu_subsys_table;
    if (!t)
        return;
    if (!t->item(0, 0)) {
        const QFont font(QStringLiteral("Tahoma"), 16);
        for (int k = 1; k <= 20; ++k)
            stripItem(t, (k - 1) / 10, (k - 1) % 10, QStringLiteral("SS%1").arg(k, 2, 10, QLatin1Char('0')), font);
    }
    const SignalStore& s = snap.pass_count == 0 ? noDataStore() : snap;
    const int* codes = loco_subsys == 2 ? s.MVB_DDU_LOCO2_SUB_System : s.MVB_DDU_LOCO_SUB_System;
    for (int k = 0; k < 20; ++k) {
        CellLook look;
        if (dduCellLook(loco_subsys, codes[k], look))
            paintCell(t, k / 10, k % 10, look, v.dduCell[k]);
    }
}

// ============================================================ per-tick indicators

void MainWindow::home_update()
{
    HomeView& v = *homeView;
    if (!v.resolved)
        v.resolve(this);
    // Before the first published pass nothing is known: show the no-data look.
    const SignalStore& s = snap.pass_count == 0 ? noDataStore() : snap;

    // 1. Pantograph.
    if (s.MVB_DDU_Panto != MVB_DDU_Panto_old) {
        putImage(v.panto, pick3(s.MVB_DDU_Panto, Dir_rms_img_PantoDown, Dir_rms_img_PantoUP, Dir_rms_img_PantoNoMVB));
        putImage(v.lddu_panto_img,
                 pick3(s.MVB_DDU_Panto, Dir_ddu_img_PantoDown, Dir_ddu_img_PantoUp, Dir_ddu_img_PantoNoMVB));
        MVB_DDU_Panto_old = s.MVB_DDU_Panto;
    }

    // 2. Circuit breaker.
    if (s.MVB_DDU_VCB != MVB_DDU_VCB_old) {
        putImage(v.vcb, pick3(s.MVB_DDU_VCB, Dir_rms_img_VCBOFF, Dir_rms_img_VCBON, Dir_rms_img_VCBNoMVB));
        putImage(v.lddu_vcb_img, pick3(s.MVB_DDU_VCB, Dir_ddu_img_VCBOFF, Dir_ddu_img_VCBON, Dir_ddu_img_VCBNoMVB));
        MVB_DDU_VCB_old = s.MVB_DDU_VCB;
    }

    // 3. Primary voltage.
    if (s.MVB_DDU_UPRIM_String == kNoData) {
        putLcd(v, v.uprim_val, kDash, kNoDataGrey);
        putValue(v.lddu_vcat_val, kDash, 40, kNoDataGrey);
        putShown(v.lddu_vcat_arrowimg, false);
    } else {
        putLcd(v, v.uprim_val, QString::number(s.MVB_DDU_UPRIM), kOrange);
        putValue(v.lddu_vcat_val, s.MVB_DDU_UPRIM_String, 26, kOrange);
        putPos(v.lddu_vcat_arrowimg, 300, vcatArrowY(s.MVB_DDU_UPRIM));
        putShown(v.lddu_vcat_arrowimg, true);
    }

    // 4. Primary current: only values the meter can show are drawn.
    if (s.MVB_DDU_IPRIM_String == kNoData) {
        putLcd(v, v.iprim_val, kDash, kNoDataGrey);
        putValue(v.lddu_ipri_val, kDash, 40, kNoDataGrey);
        putShown(v.lddu_ipri_arrowimg, false);
    } else if (s.MVB_DDU_IPRIM >= 0 && s.MVB_DDU_IPRIM <= 300) {
        const QString& text = s.MVB_DDU_IPRIM_String;
        if (s.MVB_DDU_IPRIM > 9)
            putLcd(v, v.iprim_val, QString::number(s.MVB_DDU_IPRIM), kGreen);
        else
            putLcd(v, v.iprim_val, text.size() > 1 ? text.left(3) : text, kGreen);
        putValue(v.lddu_ipri_val, text, 22, kGreen);
        // Below 10 A the marker goes down to the scale's foot as well: a
        // marker left at the last current above 9 A would show a current
        // that no longer flows.
        putPos(v.lddu_ipri_arrowimg, 451, ipriArrowY(s.MVB_DDU_IPRIM));
        putShown(v.lddu_ipri_arrowimg, true);
    }

    // 5. Battery.
    if (s.MVB_DDU_Battery_String == kNoData) {
        putLcd(v, v.vbat, kDash, kNoDataGrey);
        putValue(v.lddu_battery_val, kDash, 40, kNoDataGrey);
    } else {
        const QRgb c = batteryColour(s.MVB_DDU_Battery);
        putLcd(v, v.vbat, s.MVB_DDU_Battery_String, c);
        putValue(v.lddu_battery_val, s.MVB_DDU_Battery_String, 40, c);
    }

    // 6. Main reservoir.
    if (s.MVB_DDU_MR != MVB_DDU_MR_old) {
        switch (s.MVB_DDU_MR) {
        case 1:
            putValue(v.mr_sign, QStringLiteral("<"), 24, kRed);
            putValue(v.mr_val, QStringLiteral("6.4"), 24, kRed);
            putValue(v.lddu_mr_val, QStringLiteral("< 6.4"), 22, kRed);
            break;
        case 0:
            putValue(v.mr_sign, QStringLiteral(">"), 24, kGreen);
            putValue(v.mr_val, QStringLiteral("6.4"), 24, kGreen);
            putValue(v.lddu_mr_val, QStringLiteral("> 6.4"), 22, kGreen);
            break;
        default:
            putValue(v.mr_sign, QString(), 24, kNoDataGrey);
            putValue(v.mr_val, kDash, 24, kNoDataGrey);
            putValue(v.lddu_mr_val, kDash, 22, kNoDataGrey);
            break;
        }
        MVB_DDU_MR_old = s.MVB_DDU_MR;
    }

    // 7. Brake pipe.
    if (s.MVB_DDU_BP_Pressure_String == kNoData) {
        putValue(v.bp_val, kDash, 26, kNoDataGrey);
        putValue(v.lddu_bp_val, kDash, 22, kNoDataGrey);
        MVB_DDU_BP_Demand_old = 10.0; // the value coming back is drawn again
    } else if (s.MVB_DDU_BP_Demand != MVB_DDU_BP_Demand_old) {
        const QRgb c = brakePipeColour(s.MVB_DDU_BP_Demand);
        putValue(v.bp_val, s.MVB_DDU_BP_Pressure_String, 26, c);
        putValue(v.lddu_bp_val, s.MVB_DDU_BP_Pressure_String, 22, c);
        MVB_DDU_BP_Demand_old = s.MVB_DDU_BP_Demand;
    }

    // 8. Line frequency.
    if (s.MVB_DDU_Line_Frequency_INT_String == kNoData) {
        putLcd(v, v.freq_val, kDash, kNoDataGrey);
        putValue(v.lddu_freq_val, kDash, 22, kNoDataGrey);
    } else {
        putLcd(v, v.freq_val, s.MVB_DDU_Line_Frequency_INT_String, kOrange);
        putValue(v.lddu_freq_val, s.MVB_DDU_Line_Frequency_INT_String, 22, kGreen);
    }

    // 9. Input power.
    if (s.MVB_DDU_Input_Power_String == kNoData) {
        putLcd(v, v.power_val, kDash, kNoDataGrey);
        putValue(v.lddu_input_val, kDash, 22, kNoDataGrey);
    } else {
        const QString power = QString::number(s.MVB_DDU_Input_Power);
        putLcd(v, v.power_val, power, kGreen);
        putValue(v.lddu_input_val, power, 22, kGreen);
    }

    // 10. Node strings.
    struct Node {
        const QString& text;
        QLabel* rms;
        QLabel* ddu;
    };
    const Node nodes[] = {{s.MVB_DDU_FLG1_Node_String, v.flg1val, v.lddu_flg1_val},
                          {s.MVB_DDU_FLG2_Node_String, v.flg2val, v.lddu_flg2_val},
                          {s.MVB_DDU_SLG1_Node_String, v.slg1val, v.lddu_slg1_val},
                          {s.MVB_DDU_SLG2_Node_String, v.slg2val, v.lddu_slg2_val},
                          {s.MVB_DDU_ALG1_Node_String, nullptr, v.lddu_alg1_val},
                          {s.MVB_DDU_ALG2_Node_String, nullptr, v.lddu_alg2_val}};
    const QRgb nodeColour = qRgb(200, 200, 200);
    for (const Node& n : nodes) {
        putString(n.rms, n.text, 16, nodeColour);
        putString(n.ddu, n.text, 15, nodeColour);
    }
    const bool slave = s.multiOpMode_slave1_active != 0;
    if (slave)
        putString(v.slvnodeval, s.MVB_DDU_SLV_Node_String, 16, nodeColour);
    if (we_are_in_home == 1) { // the process screens hide them while they are open
        putShown(v.nodeslv, slave);
        putShown(v.slvnodeval, slave);
    }

    // 11. Effort demand (W) and 12. effort actual (X).
    struct Effort {
        int value;
        const QString& text;
        int& old;
        QLCDNumber* lcd;
        QLabel* label;
        QLabel* rmsArrow;
        int rmsX;
        QLabel* dduArrow;
        int dduX;
        QRgb colour;
    };
    Effort efforts[] = {
        {s.MVB_DDU_BE_Demand, s.MVB_DDU_BE_Demand_String, MVB_DDU_BE_Demand_old, v.lcdtebe_w, v.lddu_tebeW_val,
         v.tebe_w_arrow, 639, v.lddu_tebe_green_arrowimg, 11, kGreen},
        {s.MVB_DDU_BE_Actual, s.MVB_DDU_BE_Actual_String, MVB_DDU_BE_Actual_old, v.lcdtebe_x, v.lddu_tebeX_val,
         v.tebe_x_arrow, 785, v.lddu_tebe_orng_arrowimg, 163, kOrange},
    };
    for (Effort& e : efforts) {
        if (e.text == kNoData) {
            putLcd(v, e.lcd, kDash, kNoDataGrey);
            putValue(e.label, kDash, 22, kNoDataGrey);
            // No marker while the effort is unknown; it comes back with the value.
            putShown(e.rmsArrow, false);
            putShown(e.dduArrow, false);
            e.old = INT_MIN;
            continue;
        }
        putLcd(v, e.lcd, e.text, e.colour);
        putValue(e.label, e.text, 22, e.colour);
        if (e.value != e.old) {
            putPos(e.rmsArrow, e.rmsX, tebeArrowY(332, e.value));
            putPos(e.dduArrow, e.dduX, tebeArrowY(371, e.value));
            putShown(e.rmsArrow, true);
            putShown(e.dduArrow, true);
            e.old = e.value;
        }
    }

    // 13. Lamps.
    struct Lamp {
        int state;
        int& old;
        QLabel* led;
        const QString& onImage;
    };
    const Lamp lamps[] = {
        {s.MVB_DDU_LSDJ, MVB_DDU_LSDJ_old, v.lsdj_led, Dir_rms_img_LEDBigRed},
        {s.MVB_DDU_BPPB, MVB_DDU_BPPB_old, v.bppb_led, Dir_rms_img_LEDBigRed},
        {s.MVB_DDU_BPCS, MVB_DDU_BPCS_old, v.bpcs_led, Dir_rms_img_LEDBigGreen},
        {s.MVB_DDU_LSP, MVB_DDU_LSP_old, v.lsp_led, Dir_rms_img_LEDBigYellow},
        {s.MVB_DDU_LSVW, MVB_DDU_LSVW_old, v.lsvw_led, Dir_rms_img_LEDBigYellow},
        {s.MVB_DDU_LSFI, MVB_DDU_LSFI_old, v.lsfi_led, Dir_rms_img_LEDBigRed},
        {s.MVB_DDU_BPFA, MVB_DDU_BPFA_old, v.bpfa_led, Dir_rms_img_LEDBigYellow},
        {s.MVB_DDU_EMG, MVB_DDU_EMG_old, v.emg_led, Dir_rms_img_LEDBigRed},
    };
    // DDU lamp legends: text in the lit colour, unlit, or without data.
    static QHash<QRgb, QString> legendStyles;
    auto legend = [](QLabel* label, int state, QRgb lit, QRgb off, QRgb noData) {
        const QRgb c = pick3(state, off, lit, noData);
        auto it = legendStyles.constFind(c);
        if (it == legendStyles.constEnd())
            it = legendStyles.insert(c,
                                     QStringLiteral("font: bold 16pt \"DejaVu Sans\"; color: %1;"
                                                    " background-color: rgb(28, 28, 28);"
                                                    " border: 1px solid rgb(45, 45, 45); border-radius: 4px;")
                                         .arg(rgbText(c)));
        putStyle(label, it.value());
    };
    for (const Lamp& l : lamps) {
        if (l.state == l.old)
            continue;
        putImage(l.led, pick3(l.state, Dir_rms_img_LEDBigGray, l.onImage, Dir_rms_img_LEDBigNoMVB));
        if (l.led == v.bppb_led || l.led == v.emg_led)
            putImage(l.led == v.bppb_led ? v.lddu_parkbrk_img : v.lddu_emgbrk_img,
                     pick3(l.state, Dir_ddu_img_BrakeRelease, Dir_ddu_img_BrakeApplied, Dir_ddu_img_BrakeNoMVB));
        if (l.led == v.bpcs_led) {
            putText(v.lddu_bpcs_txt, l.state == 1 ? tr("BPCS ON") : tr("BPCS"));
            legend(v.lddu_bpcs_txt, l.state, kGreen, kLampLegendOff, kLampLegendOff);
        } else if (l.led == v.lsp_led) {
            putText(v.lddu_lsp_txt, l.state == 1 ? tr("LSP ON") : tr("LSP"));
            legend(v.lddu_lsp_txt, l.state, kYellow, kLampLegendOff, kLampLegendOff);
        } else if (l.led == v.lsvw_led) {
            legend(v.lddu_vigilance_txt, l.state, kYellow, kInactive, kNoMvbText);
        }
        l.old = l.state;
    }
    if (s.MVB_DDU_Antispin != MVB_DDU_Antispin_old) {
        legend(v.lddu_antispin_txt, s.MVB_DDU_Antispin, kYellow, kInactive, kNoMvbText);
        MVB_DDU_Antispin_old = s.MVB_DDU_Antispin;
    }
    // The lamps lie under every other widget of the form.
    if (QWidget* parent = v.lsdj_led ? v.lsdj_led->parentWidget() : nullptr) {
        const QObjectList& children = parent->children();
        for (QLabel* led : v.rmsLamps)
            if (led && children.indexOf(led) >= 8)
                led->lower();
    }

    // 14. Protection captions.
    struct Protection {
        int state;
        int& old;
        QLabel* rms;
        QLabel* ddu1;
        QLabel* ddu2;
    };
    const Protection protections[] = {
        {s.MVB_DDU_Primary_Over_Current, MVB_DDU_Primary_Over_Current_old, v.oc_primary, v.lddu_ocpri1, v.lddu_ocpri2},
        {s.MVB_DDU_Earth_Fault_Auxiliary, MVB_DDU_Earth_Fault_Auxiliary_old, v.ef_auxiliary, v.lddu_efaux1,
         v.lddu_efaux2},
        {s.MVB_DDU_Earth_Fault_Power, MVB_DDU_Earth_Fault_Power_old, v.ef_power, v.lddu_efpow1, v.lddu_efpow2},
        {s.MVB_DDU_Earth_Fault_Control, MVB_DDU_Earth_Fault_Control_old, v.ef_control, v.lddu_efcontrl1,
         v.lddu_efcontrl2},
    };
    for (const Protection& p : protections) {
        if (p.state == p.old)
            continue;
        const QRgb c = pick3(p.state, kInactive, kRed, kNoMvbText);
        putStyle(p.rms, textStyle(21, c));
        putStyle(p.ddu1, textStyle(28, c));
        putStyle(p.ddu2, textStyle(16, c));
        p.old = p.state;
    }

    // 15. Speed. An unknown speed is not shown as standstill: the gauges go
    // grey and empty, their readouts "--" in grey, until the speed is known again.
    if (s.MVB_DDU_Speed_String == kNoData) {
        for (QGauge* g : {v.gaugeWidget_4, v.gaugeddu_speedo}) {
            if (g && g->isEnabled()) {
                g->setValue(0);
                g->setEnabled(false);
            }
        }
        MVB_DDU_Speed_old = INT_MIN;
    } else {
        for (QGauge* g : {v.gaugeWidget_4, v.gaugeddu_speedo})
            if (g && !g->isEnabled())
                g->setEnabled(true);
        if (s.MVB_DDU_Speed != MVB_DDU_Speed_old) {
            if (v.gaugeWidget_4)
                v.gaugeWidget_4->setValue(s.MVB_DDU_Speed);
            if (v.gaugeddu_speedo)
                v.gaugeddu_speedo->setValue(s.MVB_DDU_Speed);
            MVB_DDU_Speed_old = s.MVB_DDU_Speed;
        }
    }

    // 16. Loco brake and 17. automatic brake.
    if (s.MVB_DDU_Loco_Break != MVB_DDU_Loco_Break_old) {
        const int b = s.MVB_DDU_Loco_Break;
        putImage(v.loco_brake, pick3(b, Dir_rms_img_BrakeRelease, Dir_rms_img_BrakeApplied, Dir_rms_img_BrakeNoMVB));
        putImage(v.lddu_locobrk_img,
                 pick3(b, Dir_ddu_img_BrakeRelease, Dir_ddu_img_BrakeApplied, Dir_ddu_img_BrakeNoMVB));
        if (b == 0)
            putValue(v.lddu_bc_val, tr("RELEASED"), 25, kGreen, true, true);
        else if (b == 1)
            putValue(v.lddu_bc_val, tr("APPLIED"), 25, kRed, true, true);
        else
            putValue(v.lddu_bc_val, kDash, 40, kNoDataGrey);
        MVB_DDU_Loco_Break_old = b;
    }
    if (s.MVB_DDU_Auto_Break != MVB_DDU_Auto_Break_old) {
        const int b = s.MVB_DDU_Auto_Break;
        putImage(v.auto_brake, pick3(b, Dir_rms_img_BrakeRelease, Dir_rms_img_BrakeApplied, Dir_rms_img_BrakeNoMVB));
        putImage(v.lddu_autobrk_img,
                 pick3(b, Dir_ddu_img_BrakeRelease, Dir_ddu_img_BrakeApplied, Dir_ddu_img_BrakeNoMVB));
        MVB_DDU_Auto_Break_old = b;
    }

    // 18. Line converters. Their states come from port 3100; while it is stale
    // they are unknown and drawn grey, not red as if they had stopped.
    const bool convertersKnown = s.freshness_3100 < 10000;
    struct Converter {
        int state;
        int& old;
        QLabel* image;
    };
    const Converter converters[] = {
        {s.LineConverter1_status_SLG1, LineConverter1_status_SLG1_old, v.loco_inverter1},
        {s.LineConverter2_status_SLG1, LineConverter2_status_SLG1_old, v.loco_inverter2},
        {s.LineConverter1_status_SLG2, LineConverter1_status_SLG2_old, v.loco_inverter3},
        {s.LineConverter2_status_SLG2, LineConverter2_status_SLG2_old, v.loco_inverter4},
    };
    for (const Converter& c : converters) {
        const int state = convertersKnown ? c.state : 2;
        if (state == c.old)
            continue;
        putImage(c.image, pick3(state, Dir_ddu_img_invRed, Dir_ddu_img_invGrn, Dir_ddu_img_invNoMVB));
        c.old = state;
    }

    // 19. Traction motors: six on Co-Co bogies, else four (circles 3 and 6 hidden).
    {
        const bool six = s.CoCo_bogie_chasis == 1 || s.CoCo_bogie_chasisR == 1;
        QLabel* circles[6] = {v.loco_inverter_circle1, v.loco_inverter_circle2, v.loco_inverter_circle3,
                              v.loco_inverter_circle4, v.loco_inverter_circle5, v.loco_inverter_circle6};
        int* olds[6] = {&motorStatusHome_old1, &motorStatusHome_old2, &motorStatusHome_old3,
                        &motorStatusHome_old4, &motorStatusHome_old5, &motorStatusHome_old6};
        const QString* green[6] = {&Dir_ddu_img_invCircleGrn1, &Dir_ddu_img_invCircleGrn2, &Dir_ddu_img_invCircleGrn3,
                                   &Dir_ddu_img_invCircleGrn4, &Dir_ddu_img_invCircleGrn5, &Dir_ddu_img_invCircleGrn6};
        const QString* red[6] = {&Dir_ddu_img_invCircleRed1, &Dir_ddu_img_invCircleRed2, &Dir_ddu_img_invCircleRed3,
                                 &Dir_ddu_img_invCircleRed4, &Dir_ddu_img_invCircleRed5, &Dir_ddu_img_invCircleRed6};
        const QString* grey[6] = {&Dir_ddu_img_invCircleNoMVB1, &Dir_ddu_img_invCircleNoMVB2,
                                  &Dir_ddu_img_invCircleNoMVB3, &Dir_ddu_img_invCircleNoMVB4,
                                  &Dir_ddu_img_invCircleNoMVB5, &Dir_ddu_img_invCircleNoMVB6};
        putShown(circles[2], six);
        putShown(circles[5], six);
        for (int m = 0; m < 6; ++m) {
            if (!six && (m == 2 || m == 5))
                continue;
            const int state = convertersKnown ? s.MVB_DDU_MotorMaster_Status[m] : 2;
            if (state != *olds[m]) {
                putImage(circles[m], pick3(state, *red[m], *green[m], *grey[m]));
                *olds[m] = state;
            }
        }
    }

    // 20. Direction of loco 1, and of loco 2 while it is coupled.
    auto direction = [](QLabel* l, int dir, const QString& forward, const QString& reverse) {
        if (dir == 1 || dir == 2)
            putImage(l, dir == 1 ? forward : reverse);
        putShown(l, dir == 1 || dir == 2);
    };
    if (s.MVB_DDU_Direction != MVB_DDU_Direction_old) {
        direction(v.direction, s.MVB_DDU_Direction, Dir_rms_img_Forward, Dir_rms_img_Reverse);
        direction(v.lddu_loco_dir_img, s.MVB_DDU_Direction, Dir_ddu_img_Forward, Dir_ddu_img_Reverse);
        MVB_DDU_Direction_old = s.MVB_DDU_Direction;
    }
    const bool slaveActive = s.multiOpMode_slave1_active == 1;
    if (slaveActive) {
        if (s.MVB_DDU_Direction_2 != MVB_DDU_Direction_2_old) {
            direction(v.direction_2, s.MVB_DDU_Direction_2, Dir_rms_img_Forward, Dir_rms_img_Reverse);
            MVB_DDU_Direction_2_old = s.MVB_DDU_Direction_2;
        }
    } else {
        // No second loco: its direction goes with its other widgets.
        putShown(v.direction_2, false);
        MVB_DDU_Direction_2_old = 10;
    }

    // 21. Loco pictograms, when the isolation state or the loco number changed.
    const bool numberChanged = s.MVB_DDU_Loco_NO_String != MVB_DDU_Loco_NO_String_old;
    if (s.MVB_DDU_Loco_ISO_Status != MVB_DDU_Loco_ISO_Status_old || numberChanged) {
        const Pictogram p = locoPictogram(s.MVB_DDU_Loco_ISO_Status, s.MVB_DDU_Loco_Type_String);
        putIcon(v.loco_diag, pictogramRms(p), QSize(145, 50));
        putImage(v.lddu_loco_img, pictogramDdu(p));
        putImage(v.maint_loco_img1, pictogramRms(p));
        MVB_DDU_Loco_ISO_Status_old = s.MVB_DDU_Loco_ISO_Status;
    }
    if (slaveActive &&
        (s.MVB_DDU_Loco_ISO2_Status != MVB_DDU_Loco_ISO2_Status_old ||
         s.MVB_DDU_Loco2_NO_String != MVB_DDU_Loco2_NO_String_old)) {
        bool ok = false;
        const uint number = s.MVB_DDU_Loco2_NO_String.toUInt(&ok);
        QString type = ok ? mvbvaria::locoClass(number) : QString();
        if (type.isEmpty())
            type = s.MVB_DDU_Loco_Type_String; // a consist is normally of one class
        const Pictogram p = locoPictogram(s.MVB_DDU_Loco_ISO2_Status, type);
        putIcon(v.loco_diag_2, pictogramRms(p), QSize(145, 50));
        putImage(v.maint_loco_img2, pictogramRms(p));
        MVB_DDU_Loco_ISO2_Status_old = s.MVB_DDU_Loco_ISO2_Status;
    }

    // 22. Cab.
    if (s.MVB_DDU_Cab_Active != MVB_DDU_Cab_Active_old) {
        const int cab = s.MVB_DDU_Cab_Active;
        const QString text = cab == 0 ? QString() : cab == 1 || cab == 2 ? QString::number(cab) : QStringLiteral("?");
        putText(v.loco_cabval, text);
        putText(v.maint_cab1, text);
        putText(v.lddu_loco_cabval, text);
        MVB_DDU_Cab_Active_old = cab;
    }

    // 23. Clock of the maintenance header.
    if (v.maint_date || v.maint_time) {
        const QDateTime now = QDateTime::currentDateTime();
        putText(v.maint_date, now.toString(QStringLiteral("dd-MMM-yyyy")));
        putText(v.maint_time, now.toString(QStringLiteral("HH:mm:ss")));
    }

    // 24. Loco number and type; the overspeed mark follows the loco class.
    if (numberChanged) {
        const QRgb numberColour = qRgb(215, 215, 215);
        putString(v.loco_numb, s.MVB_DDU_Loco_NO_String, 15, numberColour);
        putString(v.maint_locono1, s.MVB_DDU_Loco_NO_String, 15, numberColour);
        putString(v.loco_numb_2, s.MVB_DDU_Loco2_NO_String, 14, numberColour);
        putString(v.maint_locono2, s.MVB_DDU_Loco2_NO_String, 14, numberColour);
        putText(v.loco_type, s.MVB_DDU_Loco_Type_String);
        putText(v.lddu_loco_type, s.MVB_DDU_Loco_Type_String);
        const int threshold = speedThreshold(s.MVB_DDU_Loco_NO_String);
        if (v.gaugeWidget_4)
            v.gaugeWidget_4->setThreshold(threshold);
        if (v.gaugeddu_speedo)
            v.gaugeddu_speedo->setThreshold(threshold);
        MVB_DDU_Loco_NO_String_old = s.MVB_DDU_Loco_NO_String;
    }

    // 25. Second loco in multiple operation.
    if (slaveActive) {
        if (s.MVB_DDU_Loco2_NO_String != MVB_DDU_Loco2_NO_String_old) {
            const QRgb numberColour = qRgb(215, 215, 215);
            putString(v.loco_numb_2, s.MVB_DDU_Loco2_NO_String, 14, numberColour);
            putString(v.maint_locono2, s.MVB_DDU_Loco2_NO_String, 14, numberColour);
            for (QWidget* w : std::initializer_list<QWidget*>{v.loco_diag_2, v.loco_numb_2, v.maint_loco_img2,
                                                              v.maint_locono2, v.slvnodeval, v.nodeslv})
                putShown(w, true);
            MVB_DDU_Loco2_NO_String_old = s.MVB_DDU_Loco2_NO_String;
        }
    } else if (multiOpMode_slave1_active_old != 0) {
        MVB_DDU_Loco2_NO_String_old.clear(); // written again on the next coupling
        MVB_DDU_Loco_ISO2_Status_old = 10;
        for (QWidget* w : std::initializer_list<QWidget*>{v.loco_diag_2, v.loco_numb_2, v.maint_loco_img2,
                                                          v.maint_locono2, v.slvnodeval, v.nodeslv})
            putShown(w, false);
    }
    multiOpMode_slave1_active_old = s.multiOpMode_slave1_active;

    // The layout toggle has no place of its own on the screen: it shows while
    // the keypad focus is on it (sixth home position) and hides again after.
    if (v.screen_toggle) {
        const bool focused = we_are_in_home == 1 && key_press_count == 5 && Selected_DDU_Type != 3;
        if (focused) {
            if (screen_toggle == 1)
                v.screen_toggle->setGeometry(144, 720, 190, 35);
            else
                v.screen_toggle->setGeometry(655, 538, 190, 35);
            if (!v.screen_toggle->isVisible()) {
                v.screen_toggle->show();
                v.screen_toggle->raise();
            }
        } else {
            putShown(v.screen_toggle, false);
        }
    }
}

// ============================================================ layouts

void MainWindow::ddu_img_load()
{
    HomeView& v = *homeView;
    if (!v.resolved)
        v.resolve(this);
    MVB_DDU_Direction_old = 10;
    MVB_DDU_Loco_ISO_Status_old = 10;
    if (v.screen_toggle) {
        // The navigation and the message handling change this icon too: set it
        // every time rather than through the drawn-image record.
        v.screen_toggle->setEnabled(true);
        v.screen_toggle->setIcon(QIcon(pixmap(Dir_ddu_img_ToggleDDU)));
        v.screen_toggle->setIconSize(QSize(190, 35));
    }
    putImage(v.lddu_tebe_img, Dir_ddu_img_TEBEMeter);
    putImage(v.lddu_tebe_green_arrowimg, Dir_ddu_img_TEBEArrowGreen);
    putImage(v.lddu_tebe_orng_arrowimg, Dir_ddu_img_TEBEArrowOrage);
    putImage(v.lddu_vcat_img, Dir_ddu_img_VCATMeter);
    putImage(v.lddu_vcat_arrowimg, Dir_ddu_img_TEBEArrowOrage);
    putImage(v.lddu_ipri_img, Dir_ddu_img_IPRIMeter);
    putImage(v.lddu_ipri_arrowimg, Dir_ddu_img_VCATArrowGreen);
}

void MainWindow::ddu_load()
{
    ddu_img_load();
    ddu_home_subsys();
    HomeView& v = *homeView;
    auto indicator = [&](QAbstractButton* button, bool present) {
        if (!button)
            return;
        if (present) {
            toggle_disable();
            if (v.screen_toggle)
                v.screen_toggle->lower();
            button->show();
            button->raise();
        } else {
            button->hide();
        }
    };
    indicator(v.fault_button, DDU_Loco_Fault_Present);
    indicator(v.info_button, DDU_Loco_Info_Present);
}

void MainWindow::on_screen_toggle_clicked()
{
    HomeView& v = *homeView;
    if (!v.resolved)
        v.resolve(this);
    if (screen_toggle == 0) {
        ddu_load();
        if (v.ddu_group) {
            v.ddu_group->setGeometry(0, 52, 1024, 716);
            v.ddu_group->show();
            v.ddu_group->raise();
        }
        Main_Menu_Button_Color_Reset();
        key_press_count = 0;
        we_are_in_home = 1;
        if (QWidget* home = W(QStringLiteral("home")))
            home->setStyleSheet(key_menu_border_select_Style);
        screen_toggle = 1;
    } else {
        if (v.ddu_group)
            v.ddu_group->hide();
        home_key_default();
        screen_toggle = 0;
        if (v.lang_icon)
            v.lang_icon->raise();
    }
}

// ============================================================ subsystem overview

void MainWindow::on_homesub_table_cellClicked(int, int)
{
    grpbox_setvisible();
    if (QWidget* browse = W(QStringLiteral("t_browseloco")))
        browse->hide();
    if (QWidget* group = W(QStringLiteral("Gsub_system"))) {
        group->setGeometry(2, 52, 1020, 527);
        group->show();
        group->raise();
    }
    if (auto* t = W<QTableWidget>(QStringLiteral("t_subsystem"))) {
        t->setGeometry(90, 60, 830, 448);
        if (t->rowCount() != 4 || t->columnCount() != 5) {
            t->setRowCount(4);
            t->setColumnCount(5);
        }
        for (int c = 0; c < 5; ++c)
            t->setColumnWidth(c, c == 4 ? 162 : 166);
        for (int r = 0; r < 4; ++r)
            t->setRowHeight(r, r == 3 ? 108 : 112);
        t->show();
    }
    if (auto* l = W<QLabel>(QStringLiteral("subsys_locono"))) {
        l->setText(loco_subsys == 2 ? tr("LOCO 2") : tr("LOCO 1"));
        l->show();
    }
    if (QWidget* l = W(QStringLiteral("sub_locono")))
        l->show();
    // The subsystem screens fill the grid (and keep it fresh on every tick).
    main_subsys();
}

void MainWindow::on_loco_diag_clicked()
{
    loco_subsys = 1;
    screen_id = screen_id_old = 2;
    on_homesub_table_cellClicked(0, 0);
}

void MainWindow::on_loco_diag_2_clicked()
{
    loco_subsys = 2;
    screen_id = screen_id_old = 2;
    on_homesub_table_cellClicked(0, 0);
}
