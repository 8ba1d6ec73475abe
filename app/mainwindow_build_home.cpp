// Widget tree of the home screen: the RMS layout on the main form (drawn over
// the painted tile frame) and the DDU layout in the group Gmainwindow_ddu.
//
// The home screen's own code (mainwindow_home.cpp) owns this file: it fills
// these widgets on every refresh tick and may move them. Navigation and
// start-up rely only on the names created here.

#include "app/mainwindow.h"

#include <QGroupBox>

#include "app/resources.h"
#include "app/widget_factory.h"
#include "widgets/qgauge.h"

using namespace ddu_ui;

namespace {

enum class Kind { Label, Caption, Lcd, Button, Image, Clock };

struct HomeWidget {
    Kind kind;
    const char* name;
    QRect geometry;
    const char* text; // captions only
};

const QString kCaptionStyle = QStringLiteral(
    "font: bold 14pt DejaVu Sans; color: rgb(140, 140, 140); background: transparent; border: none;");
const QString kValueStyle = QStringLiteral(
    "font: bold 20pt DejaVu Sans; color: rgb(89, 89, 89); background: transparent; border: none;");
const QString kLcdStyle = QStringLiteral("color: rgb(89, 89, 89); background: transparent; border: none;");

// RMS layout, in window coordinates. Tiles: left and right columns of four
// 170 x 130 tiles, the centre 675 x 526, and the bottom row.
const HomeWidget kRmsWidgets[] = {
    // Left column: line voltage, reservoir and brake pipe, battery, line current.
    {Kind::Caption, "cap_uprim", {8, 56, 160, 26}, "UPRIM"},
    {Kind::Lcd, "uprim_val", {20, 86, 130, 70}, nullptr},
    {Kind::Caption, "cap_kv", {8, 152, 160, 24}, "kV"},
    {Kind::Caption, "cap_mr", {6, 188, 66, 26}, "MR"},
    {Kind::Label, "mr_sign", {6, 228, 66, 34}, nullptr},
    {Kind::Label, "mr_val", {6, 262, 66, 40}, nullptr},
    {Kind::Caption, "cap_bp", {78, 188, 92, 44}, "BP DEMAND"},
    {Kind::Label, "bp_val", {78, 230, 92, 60}, nullptr},
    {Kind::Caption, "cap_vbat", {8, 320, 160, 26}, "VBAT"},
    {Kind::Lcd, "vbat", {20, 350, 130, 70}, nullptr},
    {Kind::Caption, "cap_v", {8, 416, 160, 24}, "V"},
    {Kind::Caption, "cap_iprim", {8, 452, 160, 26}, "IPRIM"},
    {Kind::Lcd, "iprim_val", {20, 482, 130, 70}, nullptr},
    {Kind::Caption, "cap_a", {8, 548, 160, 24}, "A"},
    // Right column: pantograph, VCB, loco and automatic brake.
    {Kind::Image, "panto", {881, 72, 110, 80}, nullptr},
    {Kind::Caption, "cap_panto", {855, 154, 162, 24}, "PANTO"},
    {Kind::Image, "vcb", {881, 204, 110, 80}, nullptr},
    {Kind::Caption, "cap_vcb", {855, 286, 162, 24}, "VCB"},
    {Kind::Image, "loco_brake", {891, 340, 90, 70}, nullptr},
    {Kind::Caption, "cap_loco", {855, 416, 162, 24}, "LOCO"},
    {Kind::Image, "auto_brake", {891, 472, 90, 70}, nullptr},
    {Kind::Caption, "cap_auto", {855, 548, 162, 24}, "AUTO"},
    // Centre: clock, speed, effort meter, nodes, protections, converters.
    {Kind::Clock, "datetime", {180, 58, 170, 70}, nullptr},
    {Kind::Caption, "cap_w", {639, 60, 80, 24}, "W"},
    {Kind::Caption, "cap_x", {760, 60, 80, 24}, "X"},
    {Kind::Lcd, "lcdtebe_w", {630, 84, 100, 50}, nullptr},
    {Kind::Lcd, "lcdtebe_x", {745, 84, 100, 50}, nullptr},
    {Kind::Caption, "cap_tebe", {655, 138, 130, 26}, "TE/BE(kN)"},
    {Kind::Image, "tebe_img", {655, 190, 130, 300}, nullptr},
    {Kind::Image, "tebe_w_arrow", {639, 324, 16, 16}, nullptr},
    {Kind::Image, "tebe_x_arrow", {785, 324, 16, 16}, nullptr},
    {Kind::Caption, "cap_flg1", {184, 500, 60, 24}, "FLG1"},
    {Kind::Label, "flg1val", {244, 500, 80, 24}, nullptr},
    {Kind::Caption, "cap_flg2", {184, 526, 60, 24}, "FLG2"},
    {Kind::Label, "flg2val", {244, 526, 80, 24}, nullptr},
    {Kind::Caption, "cap_slg1", {330, 500, 60, 24}, "SLG1"},
    {Kind::Label, "slg1val", {390, 500, 80, 24}, nullptr},
    {Kind::Caption, "cap_slg2", {330, 526, 60, 24}, "SLG2"},
    {Kind::Label, "slg2val", {390, 526, 80, 24}, nullptr},
    {Kind::Label, "nodeslv", {476, 500, 60, 24}, nullptr},
    {Kind::Label, "slvnodeval", {536, 500, 80, 24}, nullptr},
    {Kind::Caption, "cap_freq", {184, 552, 70, 24}, "FREQ"},
    {Kind::Label, "freq_val", {254, 552, 70, 24}, nullptr},
    {Kind::Caption, "cap_power", {330, 552, 80, 24}, "POWER"},
    {Kind::Label, "power_val", {410, 552, 80, 24}, nullptr},
    {Kind::Label, "oc_primary", {184, 150, 90, 30}, nullptr},
    {Kind::Label, "ef_auxiliary", {184, 184, 90, 30}, nullptr},
    {Kind::Label, "ef_power", {184, 218, 90, 30}, nullptr},
    {Kind::Label, "ef_control", {184, 252, 90, 30}, nullptr},
    {Kind::Image, "direction", {100, 588, 60, 36}, nullptr},
    {Kind::Image, "direction_2", {100, 678, 60, 36}, nullptr},
    {Kind::Image, "loco_inverter1", {540, 420, 44, 44}, nullptr},
    {Kind::Image, "loco_inverter2", {590, 420, 44, 44}, nullptr},
    {Kind::Image, "loco_inverter3", {540, 470, 44, 44}, nullptr},
    {Kind::Image, "loco_inverter4", {590, 470, 44, 44}, nullptr},
    {Kind::Image, "loco_inverter_circle1", {560, 530, 36, 36}, nullptr},
    {Kind::Image, "loco_inverter_circle2", {600, 530, 36, 36}, nullptr},
    {Kind::Image, "loco_inverter_circle3", {640, 530, 36, 36}, nullptr},
    {Kind::Image, "loco_inverter_circle4", {680, 530, 36, 36}, nullptr},
    {Kind::Image, "loco_inverter_circle5", {720, 530, 36, 36}, nullptr},
    {Kind::Image, "loco_inverter_circle6", {760, 530, 36, 36}, nullptr},
    {Kind::Label, "emg_txt", {400, 140, 220, 30}, nullptr},
    // Bottom row: loco tile, lamps, subsystem strip.
    {Kind::Label, "loco_numb", {8, 584, 90, 28}, nullptr},
    {Kind::Label, "loco_type", {8, 670, 90, 26}, nullptr},
    {Kind::Label, "loco_cabval", {130, 670, 36, 26}, nullptr},
    {Kind::Button, "loco_diag", {6, 620, 150, 50}, nullptr},
    {Kind::Label, "loco_numb_2", {8, 700, 90, 24}, nullptr},
    {Kind::Button, "loco_diag_2", {6, 710, 150, 50}, nullptr},
    {Kind::Label, "loco_select_2", {100, 700, 66, 24}, nullptr},
    {Kind::Image, "lsdj_led", {184, 597, 56, 56}, nullptr},
    {Kind::Caption, "cap_lsdj", {244, 612, 80, 26}, "LSDJ"},
    {Kind::Image, "lsvw_led", {184, 690, 56, 56}, nullptr},
    {Kind::Caption, "cap_lsvw", {244, 705, 80, 26}, "LSVW"},
    {Kind::Image, "bpcs_led", {702, 597, 56, 56}, nullptr},
    {Kind::Caption, "cap_bpcs", {762, 612, 80, 26}, "BPCS"},
    {Kind::Image, "lsp_led", {702, 690, 56, 56}, nullptr},
    {Kind::Caption, "cap_lsp", {762, 705, 80, 26}, "LSP"},
    {Kind::Image, "bppb_led", {865, 584, 56, 56}, nullptr},
    {Kind::Caption, "cap_bppb", {851, 642, 84, 24}, "BPPB"},
    {Kind::Image, "lsfi_led", {865, 677, 56, 56}, nullptr},
    {Kind::Caption, "cap_lsfi", {851, 735, 84, 24}, "LSFI"},
    {Kind::Image, "bpfa_led", {950, 584, 56, 56}, nullptr},
    {Kind::Caption, "cap_bpfa", {936, 642, 84, 24}, "BPFA"},
    {Kind::Image, "emg_led", {950, 677, 56, 56}, nullptr},
    {Kind::Caption, "cap_emg", {936, 735, 84, 24}, "EMG"},
};

// DDU layout, in coordinates of the group (0, 52, 1024 x 716).
const HomeWidget kDduWidgets[] = {
    {Kind::Label, "lddu_date", {10, 6, 150, 30}, nullptr},
    {Kind::Label, "lddu_time", {10, 36, 150, 30}, nullptr},
    {Kind::Image, "lddu_tebe_img", {27, 229, 136, 300}, nullptr},
    {Kind::Image, "lddu_tebe_green_arrowimg", {11, 363, 16, 16}, nullptr},
    {Kind::Image, "lddu_tebe_orng_arrowimg", {163, 363, 16, 16}, nullptr},
    {Kind::Label, "lddu_tebeW_val", {20, 170, 70, 40}, nullptr},
    {Kind::Label, "lddu_tebeX_val", {100, 170, 70, 40}, nullptr},
    {Kind::Image, "lddu_vcat_img", {184, 209, 116, 340}, nullptr},
    {Kind::Image, "lddu_vcat_arrowimg", {300, 521, 16, 16}, nullptr},
    {Kind::Label, "lddu_vcat_val", {184, 160, 116, 45}, nullptr},
    {Kind::Image, "lddu_ipri_img", {467, 209, 116, 340}, nullptr},
    {Kind::Image, "lddu_ipri_arrowimg", {451, 521, 16, 16}, nullptr},
    {Kind::Label, "lddu_ipri_val", {467, 160, 116, 45}, nullptr},
    {Kind::Image, "lddu_panto_img", {330, 20, 130, 90}, nullptr},
    {Kind::Image, "lddu_vcb_img", {470, 20, 130, 90}, nullptr},
    {Kind::Label, "lddu_battery_val", {620, 20, 120, 50}, nullptr},
    {Kind::Label, "lddu_mr_val", {620, 80, 120, 40}, nullptr},
    {Kind::Label, "lddu_bp_val", {620, 125, 120, 40}, nullptr},
    {Kind::Label, "lddu_bc_val", {620, 170, 120, 40}, nullptr},
    {Kind::Label, "lddu_freq_val", {330, 120, 120, 30}, nullptr},
    {Kind::Label, "lddu_input_val", {470, 120, 120, 30}, nullptr},
    {Kind::Label, "lddu_flg1_val", {760, 20, 110, 28}, nullptr},
    {Kind::Label, "lddu_flg2_val", {880, 20, 110, 28}, nullptr},
    {Kind::Label, "lddu_slg1_val", {760, 52, 110, 28}, nullptr},
    {Kind::Label, "lddu_slg2_val", {880, 52, 110, 28}, nullptr},
    {Kind::Label, "lddu_alg1_val", {760, 84, 110, 28}, nullptr},
    {Kind::Label, "lddu_alg2_val", {880, 84, 110, 28}, nullptr},
    {Kind::Image, "lddu_parkbrk_img", {760, 130, 110, 80}, nullptr},
    {Kind::Image, "lddu_emgbrk_img", {880, 130, 110, 80}, nullptr},
    {Kind::Image, "lddu_locobrk_img", {760, 220, 110, 80}, nullptr},
    {Kind::Image, "lddu_autobrk_img", {880, 220, 110, 80}, nullptr},
    {Kind::Label, "lddu_bpcs_txt", {760, 310, 110, 30}, nullptr},
    {Kind::Label, "lddu_lsp_txt", {880, 310, 110, 30}, nullptr},
    {Kind::Label, "lddu_vigilance_txt", {760, 345, 110, 30}, nullptr},
    {Kind::Label, "lddu_antispin_txt", {880, 345, 110, 30}, nullptr},
    {Kind::Label, "lddu_ocpri1", {760, 385, 110, 36}, nullptr},
    {Kind::Label, "lddu_ocpri2", {760, 421, 110, 20}, nullptr},
    {Kind::Label, "lddu_efaux1", {880, 385, 110, 36}, nullptr},
    {Kind::Label, "lddu_efaux2", {880, 421, 110, 20}, nullptr},
    {Kind::Label, "lddu_efpow1", {760, 450, 110, 36}, nullptr},
    {Kind::Label, "lddu_efpow2", {760, 486, 110, 20}, nullptr},
    {Kind::Label, "lddu_efcontrl1", {880, 450, 110, 36}, nullptr},
    {Kind::Label, "lddu_efcontrl2", {880, 486, 110, 20}, nullptr},
    {Kind::Image, "lddu_loco_img", {20, 560, 232, 80}, nullptr},
    {Kind::Image, "lddu_loco_dir_img", {260, 578, 80, 44}, nullptr},
    {Kind::Label, "lddu_loco_type", {20, 645, 120, 30}, nullptr},
    {Kind::Label, "lddu_loco_cabval", {150, 645, 60, 30}, nullptr},
    {Kind::Button, "bddu_lang_icon", {958, 650, 58, 53}, nullptr},
};

} // namespace

void MainWindow::build_home(QWidget* root)
{
    auto make = [](QWidget* parent, const HomeWidget& h) {
        switch (h.kind) {
        case Kind::Caption: {
            QLabel* l = label(parent, h.name, h.geometry, tr(h.text), kCaptionStyle);
            l->setAlignment(Qt::AlignCenter);
            l->setWordWrap(true);
            break;
        }
        case Kind::Clock: {
            QLabel* l = label(parent, h.name, h.geometry, QString(),
                              QStringLiteral("font: 13pt DejaVu Sans; color: rgb(140, 140, 140); background: transparent;"));
            l->setAlignment(Qt::AlignLeft | Qt::AlignTop);
            break;
        }
        case Kind::Label: {
            QLabel* l = label(parent, h.name, h.geometry, QString(), kValueStyle);
            l->setAlignment(Qt::AlignCenter);
            break;
        }
        case Kind::Image:
            label(parent, h.name, h.geometry, QString(), QStringLiteral("background: transparent; border: none;"))
                ->setAlignment(Qt::AlignCenter);
            break;
        case Kind::Lcd: {
            QLCDNumber* l = lcd(parent, h.name, h.geometry);
            l->setStyleSheet(kLcdStyle);
            l->display(QStringLiteral("--"));
            break;
        }
        case Kind::Button:
            button(parent, h.name, h.geometry, QString(), QStringLiteral("background: transparent; border: none;"));
            break;
        }
    };
    for (const HomeWidget& h : kRmsWidgets)
        make(root, h);

    auto* gauge = new QGauge(root);
    gauge->setObjectName(QStringLiteral("gaugeWidget_4"));
    gauge->setGeometry(240, 110, 380, 380);

    auto* strip = table(root, "homesub_table", {337, 583, 352, 182}, 4, 5);
    strip->horizontalHeader()->hide();
    strip->setSelectionMode(QAbstractItemView::NoSelection);
    strip->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    strip->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    strip->horizontalHeader()->setDefaultSectionSize(70);
    strip->verticalHeader()->setDefaultSectionSize(45);
    strip->setStyleSheet(QStringLiteral("QTableWidget { background-color: rgb(0, 0, 0); gridline-color: rgb(86, 86, 86);"
                                        " border: none; }"));

    auto* ddu = group(root, "Gmainwindow_ddu", {0, 52, 1024, 716},
                      QStringLiteral("QGroupBox { background-color: rgb(0, 0, 0); border: none; }"));
    for (const HomeWidget& h : kDduWidgets)
        make(ddu, h);
    auto* speedo = new QGauge(ddu);
    speedo->setObjectName(QStringLiteral("gaugeddu_speedo"));
    speedo->setGeometry(600, 400, 300, 300);
    auto* dduStrip = table(ddu, "ddu_subsys_table", {300, 640, 640, 70}, 2, 10);
    dduStrip->horizontalHeader()->hide();
    dduStrip->setSelectionMode(QAbstractItemView::NoSelection);
    ddu->hide();
}
