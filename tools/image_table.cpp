#include "tools/image_table.h"

#include <QDir>
#include <QFileInfo>
#include <QFont>
#include <QPainter>

#include <algorithm>

// Data tables: laid out by hand, one entry per line or block.
// clang-format off

namespace imgpaint {

namespace {

SymbolParams sp(QColor colour = QColor(), int variant = 0, int number = 0, QColor colour2 = QColor(),
        QString text = QString())
{
    SymbolParams s;
    s.colour = colour;
    s.colour2 = colour2;
    s.variant = variant;
    s.number = number;
    s.text = std::move(text);
    return s;
}

const QColor G = colours::green();
const QColor R = colours::red();
const QColor O = colours::orange();
const QColor Y = colours::yellow();
const QColor OFF = colours::offGrey();
const QColor W = QColor(226, 226, 226);  // white cab
const QColor NODATA = colours::noData();

// Lamps: lit colour, shape, 1 = no data.
SymbolParams led(QColor c, int shape = LedRound) { return sp(c, shape, 0); }
SymbolParams ledNoData(int shape = LedRound) { return sp(colours::noData(), shape, 1); }
// Locomotive pictogram: left cab, right cab, side windows.
SymbolParams loco(QColor left, QColor right, int windows) { return sp(left, 0, windows, right); }
SymbolParams locoGrey() { return sp(QColor(), 1, 3); }

// A data table, read entry by entry.
std::vector<ImageEntry> buildTable()
{
    std::vector<ImageEntry> t = {
        // ---- RMS folder: message box ------------------------------------------
        {"rms", "dialog_fault.png", "Dir_rms_img_DialogFault", 72, 72, paintDialog, sp({}, DialogFault), "message box, error"},
        {"rms", "dialog_info.png", "Dir_rms_img_DialogInfo", 72, 72, paintDialog, sp({}, DialogInfo), "message box, information"},
        {"rms", "dialog_warning.png", "Dir_rms_img_DialogWarning", 72, 72, paintDialog, sp({}, DialogWarning), "message box, confirmation"},
        // ---- maintenance lock ---------------------------------------------------
        {"rms", "lock.png", "Dir_rms_img_Lock", 13, 17, paintLock, sp({}, 1), "maintenance locked"},
        {"rms", "unlock.png", "Dir_rms_img_UnLock", 13, 17, paintLock, sp({}, 0), "maintenance unlocked"},
        // ---- pantograph, breaker ------------------------------------------------
        {"rms", "panto_up.png", "Dir_rms_img_PantoUP", 110, 80, paintPantograph, sp({}, StateOn), "pantograph raised"},
        {"rms", "panto_down.png", "Dir_rms_img_PantoDown", 110, 80, paintPantograph, sp({}, StateOff), "pantograph lowered"},
        {"rms", "panto_nomvb.png", "Dir_rms_img_PantoNoMVB", 110, 80, paintPantograph, sp({}, StateNoData), "pantograph, no data"},
        {"rms", "vcb_close.png", "Dir_rms_img_VCBON", 110, 80, paintBreaker, sp({}, StateOn), "VCB closed"},
        {"rms", "vcb_open.png", "Dir_rms_img_VCBOFF", 110, 80, paintBreaker, sp({}, StateOff), "VCB open"},
        {"rms", "vcb_nomvb.png", "Dir_rms_img_VCBNoMVB", 110, 80, paintBreaker, sp({}, StateNoData), "VCB, no data"},
        // ---- lamps --------------------------------------------------------------
        {"rms", "led_big_red.png", "Dir_rms_img_LEDBigRed", 56, 56, paintLed, led(R), "big lamp red"},
        {"rms", "led_big_grey.png", "Dir_rms_img_LEDBigGray", 56, 56, paintLed, led(OFF), "big lamp off"},
        {"rms", "led_big_green.png", "Dir_rms_img_LEDBigGreen", 56, 56, paintLed, led(G), "big lamp green"},
        {"rms", "led_big_yellow.png", "Dir_rms_img_LEDBigYellow", 56, 56, paintLed, led(Y), "big lamp yellow"},
        {"rms", "led_big_nomvb.png", "Dir_rms_img_LEDBigNoMVB", 56, 56, paintLed, ledNoData(), "big lamp, no data"},
        {"rms", "led_medium_gray.png", "Dir_rms_img_LEDMediumGray", 40, 40, paintLed, led(OFF), "medium lamp off"},
        {"rms", "led_small_red.png", "Dir_rms_img_LEDSmallRed", 28, 28, paintLed, led(R), "small lamp red"},
        {"rms", "led_small_orange.png", "Dir_rms_img_LEDSmallOrange", 28, 28, paintLed, led(O), "small lamp orange"},
        {"rms", "led_small_grey.png", "Dir_rms_img_LEDSmallGray", 28, 28, paintLed, led(OFF), "small lamp off"},
        {"rms", "led_small_green.png", "Dir_rms_img_LEDSmallGreen", 28, 28, paintLed, led(G), "small lamp green"},
        {"rms", "led_small_yellow.png", "Dir_rms_img_LEDSmallYellow", 28, 28, paintLed, led(Y), "small lamp yellow"},
        {"rms", "led_small_nomvb.png", "Dir_rms_img_LEDSmallNoMVB", 28, 28, paintLed, ledNoData(), "small lamp, no data"},
        {"rms", "led_small_long_nomvb.png", "Dir_rms_img_LEDSmallLongNoMVB", 44, 18, paintLed, ledNoData(LedLong), "table lamp, no data"},
        {"rms", "led_small_long_grey.png", "Dir_rms_img_LEDSmallLongGray", 44, 18, paintLed, led(OFF, LedLong), "table lamp off"},
        {"rms", "led_small_long_red.png", "Dir_rms_img_LEDSmallLongRed", 44, 18, paintLed, led(R, LedLong), "table lamp red"},
        {"rms", "led_small_long_green.png", "Dir_rms_img_LEDSmallLongGreen", 44, 18, paintLed, led(G, LedLong), "table lamp green"},
        // ---- brakes, direction ----------------------------------------------------
        {"rms", "brake_released.png", "Dir_rms_img_BrakeRelease", 90, 70, paintBrake, sp({}, StateOff), "brake released"},
        {"rms", "brake_applied.png", "Dir_rms_img_BrakeApplied", 90, 70, paintBrake, sp({}, StateOn), "brake applied"},
        {"rms", "brake_nomvb.png", "Dir_rms_img_BrakeNoMVB", 90, 70, paintBrake, sp({}, StateNoData), "brake, no data"},
        {"rms", "forward.png", "Dir_rms_img_Forward", 44, 26, paintDirection, sp(Y, DirRight), "direction forward"},
        {"rms", "reverse.png", "Dir_rms_img_Reverse", 44, 26, paintDirection, sp(Y, DirLeft), "direction reverse"},
        {"rms", "direction_nomvb.png", "Dir_rms_img_DirectionNoMVB", 44, 26, paintDirection, sp(NODATA, DirRight, 1), "direction not known"},
        // ---- locomotive pictograms ------------------------------------------------
        {"rms", "rms_loco_grey.png", "Dir_rms_img_LOCOGray", 145, 50, paintLoco, locoGrey(), "loco, no data"},
        {"rms", "rms_green_yellow_3w.png", "Dir_rms_img_LOCORMSGreenYellow3W", 145, 50, paintLoco, loco(G, Y, 3), "loco normal, Co-Co freight"},
        {"rms", "rms_red_red_2w.png", "Dir_rms_img_LOCORMSRedRed2W", 145, 50, paintLoco, loco(R, R, 2), "loco isolated, Bo-Bo"},
        {"rms", "rms_red_red_3w.png", "Dir_rms_img_LOCORMSRedRed3W", 145, 50, paintLoco, loco(R, R, 3), "loco isolated, Co-Co"},
        {"rms", "rms_white_red_2w.png", "Dir_rms_img_LOCORMSWhiteRed2W", 145, 50, paintLoco, loco(W, R, 2), "loco normal, Bo-Bo"},
        {"rms", "rms_white_red_3w.png", "Dir_rms_img_LOCORMSWhiteRed3W", 145, 50, paintLoco, loco(W, R, 3), "loco normal, Co-Co passenger"},
        // ---- effort meter -----------------------------------------------------------
        {"rms", "tebe_meter.png", "Dir_rms_img_TEBEMeter", 130, 300, paintMeter, sp({}, MeterEffort), "TE/BE scale, +-500 kN, 4 kN per pixel"},
        {"rms", "tebe_green.png", "Dir_rms_img_TEBEArrowGreen", 16, 16, paintPointer, sp(G, DirRight), "effort demand marker (points right)"},
        {"rms", "tebe_orange.png", "Dir_rms_img_TEBEArrowOrage", 16, 16, paintPointer, sp(O, DirLeft), "effort actual marker (points left)"},
        // ---- navigation -------------------------------------------------------------
        {"rms", "close.png", "Dir_rms_img_Close", 45, 45, paintNav, sp({}, NavClose), "close / home key"},
        {"rms", "back.png", "Dir_rms_img_Back", 45, 45, paintNav, sp({}, NavBack), "back key"},
        // ---- messages ---------------------------------------------------------------
        {"rms", "loco_fault.png", "Dir_rms_img_LocoFault", 140, 31, paintLocoStatus, sp({}, LocoStatusFault), "fault message indicator"},
        {"rms", "loco_info.png", "Dir_rms_img_LocoInfo", 91, 31, paintLocoStatus, sp({}, LocoStatusInfo), "information message indicator"},
        {"rms", "loco_iso.png", "Dir_rms_img_LocoIso", 140, 31, paintLocoStatus, sp({}, LocoStatusIsolation), "isolation message indicator"},
        {"rms", "loco_fault_symbol.png", "Dir_rms_img_LocoFaultSymbol", 100, 90, paintLocoSymbol, sp({}, LocoStatusFault), "fault pop-up symbol"},
        {"rms", "loco_info_symbol.png", "Dir_rms_img_LocoInfoSymbol", 100, 90, paintLocoSymbol, sp({}, LocoStatusInfo), "information pop-up symbol"},
        // ---- arrows -----------------------------------------------------------------
        {"rms", "arrow_bottom.png", "Dir_rms_img_ArrowBottom", 43, 40, paintArrow, sp({}, DirBottom), "page to the last row"},
        {"rms", "arrow_top.png", "Dir_rms_img_ArrowTop", 43, 40, paintArrow, sp({}, DirTop), "page to the first row"},
        {"rms", "arrow_left.png", "Dir_rms_img_ArrowLeft", 37, 37, paintArrow, sp({}, DirLeft), "arrow left"},
        {"rms", "arrow_right.png", "Dir_rms_img_ArrowRight", 37, 37, paintArrow, sp({}, DirRight), "arrow right"},
        {"rms", "arrow_up.png", "Dir_rms_img_ArrowUp", 37, 37, paintArrow, sp({}, DirUp), "arrow up"},
        {"rms", "arrow_down.png", "Dir_rms_img_ArrowDown", 37, 37, paintArrow, sp({}, DirDown), "arrow down"},
        {"rms", "up_down.png", "Dir_rms_img_up_down", 37, 37, paintArrow, sp({}, DirUpDown), "move keyboard up/down"},
        {"rms", "arrow_small_down.png", "Dir_rms_img_ArrowSmallDown", 20, 20, paintArrow, sp({}, DirDown, 1), "small arrow down"},
        {"rms", "arrow_small_up.png", "Dir_rms_img_ArrowSmallUp", 20, 20, paintArrow, sp({}, DirUp, 1), "small arrow up"},
        // ---- logo, language, brightness --------------------------------------------
        {"rms", "qim_logo.png", "Dir_rms_img_QIMLogo", 200, 60, paintLogo, sp(), "logo of the unit"},
        {"rms", "hin_icon.png", "Dir_rms_img_HindiIcon", 58, 53, paintLanguage, sp({}, 0, 1, {}, QString::fromUtf8("हिं")), "switch to Hindi"},
        {"rms", "eng_icon.png", "Dir_rms_img_EngIcon", 58, 53, paintLanguage, sp({}, 0, 0, {}, QStringLiteral("En")), "switch to English"},
        {"rms", "Brightness.png", "Dir_rms_img_brightness", 45, 45, paintBrightness, sp({}, 0), "brightness, manual"},
        {"rms", "Autobright.png", "Dir_rms_img_Autobrightness", 45, 45, paintBrightness, sp({}, 1), "brightness, automatic"},
        // ---- converters and motors (DDU names, RMS folder) --------------------------
        {"rms", "Img_Inv_green.png", "Dir_ddu_img_invGrn", 44, 44, paintConverter, sp(G), "line converter running"},
        {"rms", "Img_Inv_red.png", "Dir_ddu_img_invRed", 44, 44, paintConverter, sp(R), "line converter not running"},
        {"rms", "Img_Inv_grey.png", "Dir_ddu_img_invNoMVB", 44, 44, paintConverter, sp(NODATA), "line converter, no data"},
        // ---- layout toggle ----------------------------------------------------------
        {"rms", "toggle.png", "Dir_ddu_img_Toggle", 190, 35, paintToggle, sp({}, ToggleDisabled), "layout toggle disabled"},
        {"rms", "toggle_old.png", "Dir_ddu_img_ToggleDDU", 190, 35, paintToggle, sp({}, ToggleSecondLayout), "layout toggle, DDU layout shown"},
        {"rms", "toggle_new.png", "Dir_ddu_img_ToggleRMS", 190, 35, paintToggle, sp({}, ToggleFirstLayout), "layout toggle, RMS layout shown"},
        // ---- variable monitor ---------------------------------------------------------
        {"rms", "tick.png", "(check box of the variable monitor)", 27, 27, paintTick, sp(), "checked box"},

        // ---- DDU folder ---------------------------------------------------------------
        {"ddu", "ddu_brake_released.png", "Dir_ddu_img_BrakeRelease", 110, 80, paintBrake, sp({}, StateOff), "brake released"},
        {"ddu", "ddu_brake_applied.png", "Dir_ddu_img_BrakeApplied", 110, 80, paintBrake, sp({}, StateOn), "brake applied"},
        {"ddu", "ddu_brake_nomvb.png", "Dir_ddu_img_BrakeNoMVB", 110, 80, paintBrake, sp({}, StateNoData), "brake, no data"},
        {"ddu", "ddu_panto_up.png", "Dir_ddu_img_PantoUp", 130, 90, paintPantograph, sp({}, StateOn), "pantograph raised"},
        {"ddu", "ddu_panto_down.png", "Dir_ddu_img_PantoDown", 130, 90, paintPantograph, sp({}, StateOff), "pantograph lowered"},
        {"ddu", "ddu_panto_nomvb.png", "Dir_ddu_img_PantoNoMVB", 130, 90, paintPantograph, sp({}, StateNoData), "pantograph, no data"},
        {"ddu", "ddu_vcb_close.png", "Dir_ddu_img_VCBON", 130, 90, paintBreaker, sp({}, StateOn), "VCB closed"},
        {"ddu", "ddu_vcb_open.png", "Dir_ddu_img_VCBOFF", 130, 90, paintBreaker, sp({}, StateOff), "VCB open"},
        {"ddu", "ddu_vcb_nomvb.png", "Dir_ddu_img_VCBNoMVB", 130, 90, paintBreaker, sp({}, StateNoData), "VCB, no data"},
        {"ddu", "ddu_tebe_meter.png", "Dir_ddu_img_TEBEMeter", 136, 300, paintMeter, sp({}, MeterEffort), "TE/BE scale, +-500 kN, 4 kN per pixel"},
        {"ddu", "ddu_tebe_green.png", "Dir_ddu_img_TEBEArrowGreen", 16, 16, paintPointer, sp(G, DirRight), "effort demand marker (points right)"},
        {"ddu", "ddu_tebe_orange.png", "Dir_ddu_img_TEBEArrowOrage", 16, 16, paintPointer, sp(O, DirLeft), "effort actual and line voltage marker (points left)"},
        {"ddu", "ddu_ipri_meter.png", "Dir_ddu_img_IPRIMeter", 116, 340, paintMeter, sp({}, MeterLineCurrent), "primary current scale, 0-300 A, 1 A per pixel"},
        {"ddu", "ddu_vcat_meter.png", "Dir_ddu_img_VCATMeter", 116, 340, paintMeter, sp({}, MeterLineVoltage), "line voltage scale, 0-30 kV, 10 pixels per kV"},
        {"ddu", "ddu_vcat_green.png", "Dir_ddu_img_VCATArrowGreen", 16, 16, paintPointer, sp(G, DirRight), "primary current marker (points right)"},
        {"ddu", "ddu_forward.png", "Dir_ddu_img_Forward", 80, 44, paintDirection, sp(Y, DirRight), "direction forward"},
        {"ddu", "ddu_reverse.png", "Dir_ddu_img_Reverse", 80, 44, paintDirection, sp(Y, DirLeft), "direction reverse"},
        {"ddu", "ddu_direction_nomvb.png", "Dir_ddu_img_DirectionNoMVB", 80, 44, paintDirection, sp(NODATA, DirRight, 1), "direction not known"},
        {"ddu", "ddu_loco_grey.png", "Dir_ddu_img_LOCOGray", 232, 80, paintLoco, locoGrey(), "loco, no data"},
        {"ddu", "ddu_green_yellow_3w.png", "Dir_ddu_img_LOCORMSGreenYellow3W", 232, 80, paintLoco, loco(G, Y, 3), "loco normal, Co-Co freight"},
        {"ddu", "ddu_red_red_2w.png", "Dir_ddu_img_LOCORMSRedRed2W", 232, 80, paintLoco, loco(R, R, 2), "loco isolated, Bo-Bo"},
        {"ddu", "ddu_red_red_3w.png", "Dir_ddu_img_LOCORMSRedRed3W", 232, 80, paintLoco, loco(R, R, 3), "loco isolated, Co-Co"},
        {"ddu", "ddu_red_yellow_3w.png", "Dir_ddu_img_LOCORMSRedYellow3W", 232, 80, paintLoco, loco(R, Y, 3), "loco, Co-Co, red and yellow cabs"},
        {"ddu", "ddu_white_red_2w.png", "Dir_ddu_img_LOCORMSWhiteRed2W", 232, 80, paintLoco, loco(W, R, 2), "loco normal, Bo-Bo"},
        {"ddu", "ddu_white_red_3w.png", "Dir_ddu_img_LOCORMSWhiteRed3W", 232, 80, paintLoco, loco(W, R, 3), "loco normal, Co-Co passenger"},
    };

    // Motor circles 1..6, running and not running.
    static const char* const grn[6] = {"Img_Inv_grncircle1.png", "Img_Inv_grncircle2.png", "Img_Inv_grncircle3.png",
                                       "Img_Inv_grncircle4.png", "Img_Inv_grncircle5.png", "Img_Inv_grncircle6.png"};
    static const char* const red[6] = {"Img_Inv_redcircle1.png", "Img_Inv_redcircle2.png", "Img_Inv_redcircle3.png",
                                       "Img_Inv_redcircle4.png", "Img_Inv_redcircle5.png", "Img_Inv_redcircle6.png"};
    static const char* const grnGlobals[6] = {"Dir_ddu_img_invCircleGrn1", "Dir_ddu_img_invCircleGrn2",
                                              "Dir_ddu_img_invCircleGrn3", "Dir_ddu_img_invCircleGrn4",
                                              "Dir_ddu_img_invCircleGrn5", "Dir_ddu_img_invCircleGrn6"};
    static const char* const redGlobals[6] = {"Dir_ddu_img_invCircleRed1", "Dir_ddu_img_invCircleRed2",
                                              "Dir_ddu_img_invCircleRed3", "Dir_ddu_img_invCircleRed4",
                                              "Dir_ddu_img_invCircleRed5", "Dir_ddu_img_invCircleRed6"};
    for (int i = 0; i < 6; ++i)
        t.push_back({"rms", grn[i], grnGlobals[i], 36, 36, paintMotorCircle, sp(G, 0, i + 1), "traction motor running"});
    for (int i = 0; i < 6; ++i)
        t.push_back({"rms", red[i], redGlobals[i], 36, 36, paintMotorCircle, sp(R, 0, i + 1), "traction motor not running"});
    static const char* const grey[6] = {"Img_Inv_greycircle1.png", "Img_Inv_greycircle2.png", "Img_Inv_greycircle3.png",
                                        "Img_Inv_greycircle4.png", "Img_Inv_greycircle5.png", "Img_Inv_greycircle6.png"};
    static const char* const greyGlobals[6] = {"Dir_ddu_img_invCircleNoMVB1", "Dir_ddu_img_invCircleNoMVB2",
                                               "Dir_ddu_img_invCircleNoMVB3", "Dir_ddu_img_invCircleNoMVB4",
                                               "Dir_ddu_img_invCircleNoMVB5", "Dir_ddu_img_invCircleNoMVB6"};
    for (int i = 0; i < 6; ++i)
        t.push_back({"rms", grey[i], greyGlobals[i], 36, 36, paintMotorCircle, sp(NODATA, 0, i + 1), "traction motor, no data"});
    return t;
}

} // namespace
// clang-format on

const std::vector<ImageEntry>& imageTable()
{
    static const std::vector<ImageEntry> table = buildTable();
    return table;
}

QString relativePath(const ImageEntry& e)
{
    return QStringLiteral("img/%1/%2").arg(QLatin1String(e.folder), QLatin1String(e.file));
}

QImage paintImage(const ImageEntry& e)
{
    QImage img(e.width, e.height, QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::transparent);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    e.paint(p, QSize(e.width, e.height), e.params);
    p.end();
    return img;
}

int writeAll(const QString& root, QString* error)
{
    int written = 0;
    for (const ImageEntry& e : imageTable()) {
        const QString path = QDir(root).filePath(relativePath(e));
        if (!QDir().mkpath(QFileInfo(path).absolutePath())) {
            if (error)
                *error = QStringLiteral("cannot create folder for %1").arg(path);
            return written;
        }
        // Write beside the target and rename, so that a reader never sees half a file.
        const QString temp = path + QStringLiteral(".part");
        if (!paintImage(e).save(temp, "PNG")) {
            QFile::remove(temp);
            if (error)
                *error = QStringLiteral("cannot write %1").arg(path);
            return written;
        }
        QFile::remove(path);
        if (!QFile::rename(temp, path)) {
            QFile::remove(temp);
            if (error)
                *error = QStringLiteral("cannot rename %1").arg(temp);
            return written;
        }
        ++written;
    }
    return written;
}

namespace {

constexpr int kSheetWidth = 1400;
constexpr int kPad = 12;
constexpr int kNameHeight = 30;

// One image on the contact sheet: the image, its zoom and its tile.
struct Cell {
    const ImageEntry* e;
    QImage img;
    int zoom;
    int w;
    int h;
    QPoint pos;
};

// Every image painted, with the size of its tile.
std::vector<Cell> paintCells()
{
    std::vector<Cell> cells;
    for (const ImageEntry& e : imageTable()) {
        Cell c{&e, paintImage(e), 1, 0, 0, {}};
        // Tiny icons are shown once more at three times their size.
        if (std::max(e.width, e.height) < 40)
            c.zoom = 3;
        const int imgW = e.width + (c.zoom > 1 ? e.width * c.zoom + 8 : 0);
        const int imgH = std::max(e.height, c.zoom > 1 ? e.height * c.zoom : 0);
        c.w = std::max(imgW + 2 * kPad, 190);
        c.h = imgH + 2 * kPad + kNameHeight;
        cells.push_back(c);
    }
    return cells;
}

// Shelf layout: tiles left to right, a new row when the next does not fit.
// Returns the height of the sheet.
int layOut(std::vector<Cell>& cells)
{
    int x = kPad, y = kPad + 40, rowH = 0;
    for (Cell& c : cells) {
        if (x + c.w > kSheetWidth - kPad) {
            x = kPad;
            y += rowH + kPad;
            rowH = 0;
        }
        c.pos = QPoint(x, y);
        x += c.w + kPad;
        rowH = std::max(rowH, c.h);
    }
    return y + rowH + kPad;
}

void drawTitle(QPainter& p, std::size_t count)
{
    QFont title(QStringLiteral("DejaVu Sans"));
    title.setPixelSize(20);
    title.setBold(true);
    p.setFont(title);
    p.setPen(QColor(230, 230, 230));
    p.drawText(QRect(kPad, 8, kSheetWidth - 2 * kPad, 30), Qt::AlignLeft | Qt::AlignVCenter,
               QStringLiteral("Display images (%1 files): img/rms/ and img/ddu/").arg(count));
}

// A tile: the image (and its enlargement), its path and its size.
void drawTile(QPainter& p, const Cell& c, const QFont& small)
{
    const QColor tileBg(0, 0, 0);
    const QRect tile(c.pos, QSize(c.w, c.h));
    p.fillRect(tile, tileBg);
    p.setPen(QColor(70, 70, 70));
    p.drawRect(tile.adjusted(0, 0, -1, -1));
    const int imgH = c.h - 2 * kPad - kNameHeight;
    QPoint at(c.pos.x() + kPad, c.pos.y() + kPad + (imgH - c.e->height) / 2);
    p.drawImage(at, c.img);
    if (c.zoom > 1) {
        const QImage big = c.img.scaled(c.img.size() * c.zoom, Qt::IgnoreAspectRatio, Qt::FastTransformation);
        p.drawImage(QPoint(at.x() + c.e->width + 8, c.pos.y() + kPad), big);
    }
    p.setFont(small);
    p.setPen(QColor(215, 215, 215));
    p.drawText(QRect(c.pos.x() + 4, c.pos.y() + c.h - kNameHeight, c.w - 8, 15), Qt::AlignLeft | Qt::AlignVCenter,
               QStringLiteral("%1/%2").arg(QLatin1String(c.e->folder), QLatin1String(c.e->file)));
    p.setPen(QColor(140, 140, 140));
    p.drawText(QRect(c.pos.x() + 4, c.pos.y() + c.h - kNameHeight + 14, c.w - 8, 15), Qt::AlignLeft | Qt::AlignVCenter,
               QStringLiteral("%1 x %2").arg(c.e->width).arg(c.e->height));
}

} // namespace

QImage contactSheet()
{
    const QColor sheetBg(40, 40, 40);
    std::vector<Cell> cells = paintCells();
    const int sheetHeight = layOut(cells);

    QImage sheet(kSheetWidth, sheetHeight, QImage::Format_RGB32);
    sheet.fill(sheetBg);
    QPainter p(&sheet);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    drawTitle(p, cells.size());

    QFont small(QStringLiteral("DejaVu Sans"));
    small.setPixelSize(11);
    for (const Cell& c : cells)
        drawTile(p, c, small);
    p.end();
    return sheet;
}

} // namespace imgpaint
