#include "input/navigation_tables.h"

#include <algorithm>

// Data tables: laid out by hand, one entry per line or block.
// clang-format off

namespace nav {

const FocusSlot* FocusMap::slotAt(int index) const
{
    for (const FocusSlot& s : entries)
        if (s.index == index)
            return &s;
    return nullptr;
}

int FocusMap::groupOf(int index) const
{
    for (int g = 0; g < groups; ++g)
        if (index >= groupMin[g] && index <= groupMax[g])
            return g + 1;
    return 0;
}

bool TouchBlock::serves(int screenId) const
{
    if (!idList.empty())
        return std::find(idList.begin(), idList.end(), screenId) != idList.end();
    return screenId >= idMin && screenId <= idMax;
}

std::string resolveWidget(const char* name, int selectedProcessor)
{
    if (!name)
        return {};
    std::string n(name);
    if (n.size() == 6 && n.compare(0, 5, "@proc") == 0) {
        const int k = n[5] - '0';
        const int start = (selectedProcessor >= 1 && selectedProcessor <= 8) ? selectedProcessor - 1 : 0;
        if (k >= 0 && k < 8)
            return kProcessorOrder[(start + k) % 8];
        return {};
    }
    return n;
}

namespace {

// ----- focus map helpers -----

FocusSlot tb(int i, const char* w) { return {i, w, Look::TopBar}; }
FocusSlot sm(int i, const char* w) { return {i, w, Look::SubMenu}; }
FocusSlot s30(int i, const char* w) { return {i, w, Look::SubMenu30}; }
FocusSlot tab(int i, const char* w) { return {i, w, Look::MenuTab}; }
FocusSlot rb(int i, const char* w) { return {i, w, Look::Radio}; }
FocusSlot pk(int i, const char* w) { return {i, w, Look::PasswordKey}; }
FocusSlot none(int i) { return {i, nullptr, Look::SubMenu}; }
FocusSlot icon(int i, const char* w) { return {i, w, Look::Icon}; }
FocusSlot tick(int i, const char* w) { return {i, w, Look::TickBox}; }
FocusSlot cellOf(int i, const char* table, int row, int column, const char* slot)
{
    return {i, table, Look::Cell, row, column, slot};
}

// The cells of a grid, row by row, from index `first`.
void gridCells(std::vector<FocusSlot>& v, int first, const char* table, int rows, int columns, const char* slot)
{
    for (int r = 0; r < rows; ++r)
        for (int c = 0; c < columns; ++c)
            v.push_back(cellOf(first + r * columns + c, table, r, c, slot));
}

// The top bar in its usual order, from index `first`.
void topBar(std::vector<FocusSlot>& v, int first)
{
    static const char* const bar[5] = {"home", "menu", "process", "diagnostic_process", "maintenance"};
    for (int k = 0; k < 5; ++k)
        v.push_back(tb(first + k, bar[k]));
}

// Side-menu buttons of the maintenance screens.
void sideMenu(std::vector<FocusSlot>& v, int first, std::initializer_list<const char*> names)
{
    int i = first;
    for (const char* n : names)
        v.push_back(sm(i++, n));
}

FocusMap screenMap(const char* name, const char* visible, int groups, std::initializer_list<int> ranges,
                   std::vector<FocusSlot> entries, int esc1, int esc2, const char* section)
{
    FocusMap m{};
    m.name = name;
    m.visible = visible;
    m.alsoVisible = nullptr;
    m.groups = groups;
    auto it = ranges.begin();
    for (int g = 0; g < groups; ++g) {
        m.groupMin[g] = *it++;
        m.groupMax[g] = *it++;
    }
    m.entries = std::move(entries);
    m.esc = Esc::Outward;
    m.escFromGroup1 = esc1;
    m.escFromGroup2 = esc2;
    m.escSlot = nullptr;
    m.section = section;
    m.pixyUp = m.pixyDown = nullptr;
    return m;
}

// A dialog or sub-screen with one group whose ESC calls its Back/Cancel slot.
FocusMap oneGroupMap(const char* name, const char* visible, std::vector<FocusSlot> entries, const char* escSlot,
                     const char* section)
{
    FocusMap m{};
    m.name = name;
    m.visible = visible;
    m.alsoVisible = nullptr;
    m.groups = entries.empty() ? 0 : 1;
    if (!entries.empty()) {
        m.groupMin[0] = entries.front().index;
        m.groupMax[0] = entries.back().index;
    }
    m.entries = std::move(entries);
    m.esc = escSlot ? Esc::Invoke : Esc::Nothing;
    m.escFromGroup1 = m.escFromGroup2 = 0;
    m.escSlot = escSlot;
    m.section = section;
    m.pixyUp = m.pixyDown = nullptr;
    return m;
}

// Process-information screens: group 1 the other side-menu entries (index 0
// has no control unless listed), group 2 the top bar from 8.
FocusMap processMap(const char* name, const char* visible, int first, std::initializer_list<const char*> menu)
{
    std::vector<FocusSlot> v;
    int i = first;
    for (const char* n : menu)
        v.push_back(sm(i++, n));
    topBar(v, 8);
    return screenMap(name, visible, 2, {first, 7, 8, 12}, std::move(v), 8, 0, "process");
}

// A data table: one entry per screen, read entry by entry, so it stays one
// (long) function.
std::vector<FocusMap> buildFocusMaps()
{
    std::vector<FocusMap> maps;

    // --- tested before the home rule ---
    // Configuration dialogs: over the "DDU Configure" screen, so tested first.
    maps.push_back(oneGroupMap("cab_dialog", "Gcab_dialog",
                               {rb(0, "cabcheck1"), rb(1, "cabcheck2"), rb(2, "cabcheck3"), sm(3, "cab_ok"),
                                sm(4, "cab_cancel")},
                               "on_cab_cancel_clicked", "maintenance"));
    maps.push_back(oneGroupMap("vcu_dialog", "Gvcu_dialog",
                               {rb(0, "vcucheck1"), rb(1, "vcucheck2"), rb(2, "vcucheck3"), rb(3, "vcucheck4"),
                                rb(4, "vcucheck5"), rb(5, "vcucheck6"), rb(6, "vcucheck7"), rb(7, "vcucheck8"),
                                rb(8, "vcucheck9"), rb(9, "vcucheck10"), rb(10, "vcucheck11"), sm(11, "vcu_ok"),
                                sm(12, "vcu_cancel")},
                               "on_vcu_cancel_clicked", "maintenance"));
    maps.push_back(oneGroupMap("sr_dialog", "Gsr_dialog",
                               {rb(0, "srcheck1"), rb(1, "srcheck2"), rb(2, "srcheck3"), rb(3, "srcheck4"),
                                rb(4, "srcheck5"), rb(5, "srcheck6"), rb(6, "srcheck7"), rb(7, "srcheck8"),
                                rb(8, "srcheck9"), rb(9, "srcheck10"), rb(10, "srcheck11"), rb(11, "srcheck12"),
                                sm(12, "sr_ok"), sm(13, "sr_cancel")},
                               "on_sr_cancel_clicked", "maintenance"));
    maps.push_back(oneGroupMap("bur_dialog", "Gbur_dialog",
                               {rb(0, "burcheck1"), rb(1, "burcheck2"), rb(2, "burcheck3"), rb(3, "burcheck4"),
                                rb(4, "burcheck5"), rb(5, "burcheck6"), rb(6, "burcheck7"), rb(7, "burcheck8"),
                                rb(8, "burcheck9"), rb(9, "burcheck10"), rb(10, "burcheck11"), rb(11, "burcheck12"),
                                sm(12, "bur_ok"), sm(13, "bur_cancel")},
                               "on_bur_cancel_clicked", "maintenance"));
    maps.push_back(oneGroupMap("softupdate", "G_softupdate",
                               {sm(0, "pendrive1"), sm(1, "s_update"), sm(2, "file_trans"), sm(3, "sd_card_check"),
                                sm(4, "softw_cancel")},
                               nullptr, "maintenance"));
    {
        // The list's up key has its place between top and down, so that the
        // keypad reaches every paging key the touch panel offers.
        std::vector<FocusSlot> v{sm(1, "subsys_back"), sm(2, "subsys_top"),  sm(3, "subsys_up"),
                                 sm(4, "subsys_down"), sm(5, "subsys_bottom"), tb(6, "home"),
                                 tb(7, "menu"),        tb(8, "process"),       tb(9, "maintenance")};
        FocusMap m = screenMap("subsys_browse", "Gsub_system", 2, {1, 5, 6, 9}, std::move(v), 6, 0, nullptr);
        m.alsoVisible = "t_browseloco";
        maps.push_back(std::move(m));
    }
    {
        // The subsystem grid opened from the strip or a loco pictogram: its
        // twenty cells (Enter opens the messages of one, as a finger does),
        // then the top bar; ESC goes to the top bar.
        std::vector<FocusSlot> v;
        gridCells(v, 0, "t_subsystem", 4, 5, "on_t_subsystem_cellClicked");
        topBar(v, 20);
        FocusMap m = screenMap("subsys_grid", "Gsub_system", 2, {0, 19, 20, 24}, std::move(v), 20, 0, nullptr);
        m.alsoVisible = "t_subsystem";
        maps.push_back(std::move(m));
    }

    // --- screens of the main menu frame: tested before the menu they cover ---
    for (const char* g : {"Gmenu_hvcircuit", "Gmenu_tracconv", "Gmenu_auxconv", "Gmenu_tracmoto", "Gmenu_auxsys",
                          "Gmenu_braksys", "Gmenu_enermoni", "Gmenu_temp", "Gmenu_pressure", "Gmenu_future"})
        maps.push_back(oneGroupMap(g, g, {}, "on_menuscreen_back_clicked", "menu"));
    {
        // The twenty cells of the subsystem grid (Enter opens a cell as a
        // finger does).
        std::vector<FocusSlot> v;
        gridCells(v, 0, "t_msubsys", 4, 5, "on_t_subsystem_cellClicked");
        maps.push_back(oneGroupMap("Gmenu_subsys", "Gmenu_subsys", std::move(v), "on_menuscreen_back_clicked", "menu"));
    }
    {
        // Driver details: the eight values (Enter opens the keyboard for one),
        // then SAVE.
        std::vector<FocusSlot> v;
        v.reserve(9);
        for (int r = 0; r < 8; ++r)
            v.push_back(cellOf(r, "t_mdrdetails", r, 1, nullptr));
        v.push_back(sm(8, "save_btn"));
        maps.push_back(
            oneGroupMap("Gmenu_drdetails", "Gmenu_drdetails", std::move(v), "on_menuscreen_back_clicked", "menu"));
    }
    {
        static const char* const radios[21] = {"r_flg1", "r_flg2", "r_hbb1", "r_hbb2", "r_fbv1", "r_fbv2", "r_dda1",
                                               "r_dda2", "r_stb1", "r_stb2", "r_asc1", "r_asc2", "r_nsc1", "r_nsc2",
                                               "r_slg1", "r_slg2", "r_dia1", "r_bur1", "r_bur2", "r_bur3", "r_zbv1"};
        std::vector<FocusSlot> v;
        v.reserve(22);
        for (int k = 0; k < 21; ++k)
            v.push_back(rb(k + 1, radios[k]));
        v.push_back(sm(22, "b_menudiag_ok"));
        maps.push_back(oneGroupMap("diagnosis_choice", "Gmenu_diagnosis", std::move(v), "on_menuscreen_back_clicked",
                                   "menu"));
    }
    maps.push_back(oneGroupMap("language", "Gmenu_lang", {s30(0, "eng_lang"), s30(1, "hin_lang")},
                               "on_menuscreen_back_clicked", "menu"));

    // --- main menu ---
    {
        std::vector<FocusSlot> v{sm(0, "sub_sys"), sm(1, "hv_circ"),    sm(2, "trac_conv"), sm(3, "aux_conv"),
                                 sm(4, "trac_moto"), sm(5, "aux_sys"),  sm(6, "brak_sys"),  sm(7, "ener_moni"),
                                 sm(8, "temp"),    sm(9, "pressure"),   sm(10, "diagnosis"), sm(11, "lang"),
                                 sm(12, "dr_details")};
        topBar(v, 13);
        maps.push_back(screenMap("main_menu", "menu_screen", 2, {0, 12, 13, 17}, std::move(v), 13, 0, "menu"));
    }

    // --- diagnosis records ---
    maps.push_back(screenMap("diagnosis_list", "Gdiagnostics", 2, {0, 5, 6, 10},
                             {sm(0, "diag_details"), sm(1, "diag_back"), sm(2, "diag_top"), sm(3, "diag_up"),
                              sm(4, "diag_down"), sm(5, "diag_bottom"), tb(6, "home"), tb(7, "process"), tb(8, "menu"),
                              tb(9, "diagnostic_process"), tb(10, "maintenance")},
                             6, 0, "menu"));
    maps.push_back(oneGroupMap("diagnosis_details", "Gdiag_details",
                               {tab(0, "diag_detailsymp"), tab(1, "diag_detailcause"), tab(2, "diag_detailadvice"),
                                sm(3, "diag_detailsback")},
                               "on_diag_detailsback_clicked", "menu"));

    // --- process information ---
    maps.push_back(processMap("node", "Gnode", 1,
                              {"energy", "simulation", "motortemp", "software", "inching", "setdatetime", "motor_status"}));
    maps.push_back(processMap("energy", "Genergy", 1,
                              {"simulation", "motortemp", "software", "inching", "setdatetime", "node", "motor_status"}));
    maps.push_back(processMap("simulation", "Gsimulation", 1,
                              {"motortemp", "software", "inching", "setdatetime", "node", "energy", "motor_status"}));
    maps.push_back(processMap("motortemp", "Gmotor", 1,
                              {"software", "inching", "setdatetime", "node", "energy", "simulation", "motor_status"}));
    maps.push_back(processMap("motor_status", "GmotorStatus", 1,
                              {"software", "inching", "setdatetime", "node", "energy", "simulation", "motortemp"}));
    maps.push_back(processMap("software", "Gsoftware", 1,
                              {"inching", "setdatetime", "node", "energy", "simulation", "motortemp", "motor_status"}));
    {
        // The inching arrows after the menu (shown only while inching is on).
        std::vector<FocusSlot> v;
        int i = 0;
        for (const char* n : {"inching", "setdatetime", "node", "energy", "simulation", "motortemp", "software",
                              "motor_status", "inching_down", "inching_up"})
            v.push_back(sm(i++, n));
        topBar(v, 10);
        maps.push_back(screenMap("inching", "Ginching", 2, {0, 9, 10, 14}, std::move(v), 10, 0, "process"));
    }
    {
        std::vector<FocusSlot> v{sm(0, "datetime_up"),    sm(1, "datetime_down"), sm(2, "datetime_right"),
                                 sm(3, "datetime_left"),  sm(4, "get_datetime"),  sm(5, "set_datetime"),
                                 none(6),                 sm(7, "node"),          sm(8, "energy"),
                                 sm(9, "simulation"),     sm(10, "motortemp"),    sm(11, "software"),
                                 sm(12, "inching"),       sm(13, "motor_status")};
        topBar(v, 14);
        maps.push_back(screenMap("datetime", "Gdatetime", 3, {0, 5, 6, 13, 14, 18}, std::move(v), 6, 14, "process"));
    }

    // --- DDS screen ---
    {
        std::vector<FocusSlot> v{sm(0, "b_ddsup_top"), sm(1, "b_ddsup"), sm(2, "b_ddsdown"), sm(3, "b_ddsdown_btm"),
                                 sm(4, "b_dbtousb")};
        topBar(v, 5);
        FocusMap m = screenMap("dds", "G_DDSscreen", 2, {0, 4, 5, 9}, std::move(v), 5, 0, "diagnostic_process");
        m.pixyUp = "b_ddsup";
        m.pixyDown = "b_ddsdown";
        maps.push_back(std::move(m));
    }

    // --- maintenance ---
    {
        std::vector<FocusSlot> v{sm(0, "restart_button"), sm(1, "exit_app"), sm(2, "on_button"), sm(3, "off_button")};
        sideMenu(v, 4, {"ddudisplay", "mvbtelegram", "mvbfreshness", "mvbvariables", "system", "loco", "ddulogging"});
        topBar(v, 11);
        maps.push_back(screenMap("ddu_display", "Gmaint_ddudisp", 3, {0, 3, 4, 10, 11, 15}, std::move(v), 4, 11,
                                 "maintenance"));
    }
    {
        std::vector<FocusSlot> v{sm(0, "cab_button"), sm(1, "software_updateBtn")};
        sideMenu(v, 5, {"ddulogging", "ddudisplay", "mvbtelegram", "mvbfreshness", "mvbvariables", "system", "loco"});
        topBar(v, 12);
        maps.push_back(screenMap("ddu_configure", "Gmaint_ddulogin", 3, {0, 1, 5, 11, 12, 16}, std::move(v), 5, 12,
                                 "maintenance"));
    }
    {
        std::vector<FocusSlot> v{sm(0, "bmvbtele_top"),  sm(1, "bmvbtele_up"),  sm(2, "bmvbtele_down"),
                                 sm(3, "bmvbtele_bottm"), sm(4, "bmvbtele_bin"), sm(5, "bmvbtele_byte"),
                                 sm(6, "bmvbtele_word")};
        sideMenu(v, 7, {"mvbtelegram", "mvbfreshness", "mvbvariables", "system", "loco", "ddudisplay", "ddulogging"});
        topBar(v, 14);
        maps.push_back(screenMap("mvb_telegram", "GMVBTelegram", 3, {0, 6, 7, 13, 14, 18}, std::move(v), 7, 14,
                                 "maintenance"));
    }
    {
        std::vector<FocusSlot> v{sm(0, "bmvbfreh_top"), sm(1, "bmvbfreh_up"), sm(2, "bmvbfreh_down"),
                                 sm(3, "bmvbfreh_bottom"), sm(4, "bmvbfreh_reset")};
        sideMenu(v, 5, {"mvbfreshness", "mvbvariables", "system", "loco", "ddulogging", "ddudisplay", "mvbtelegram"});
        topBar(v, 12);
        maps.push_back(screenMap("mvb_freshness", "GMVBFreshness", 3, {0, 4, 5, 11, 12, 16}, std::move(v), 5, 12,
                                 "maintenance"));
    }
    // Dialogs of the variable monitor open over its screen: tested first.
    maps.push_back(oneGroupMap("mvbvar_loadsave", "Gmvbvar_loadsave",
                               {sm(0, "mvbvar_loadsave1"), sm(1, "mvbvar_loadsave2"), sm(2, "mvbvar_loadsave3"),
                                sm(3, "mvbvar_loadsave4"), sm(4, "mvbvar_loadsave5"), sm(5, "mvbvar_loadsave6"),
                                sm(6, "mvbvar_cancel")},
                               "on_mvbvar_cancel_clicked", "maintenance"));
    maps.push_back(oneGroupMap("filter_selection", "Gfilter_selection",
                               {sm(0, "proc_filter"), sm(1, "tele_filter"), sm(2, "signalname_filter")},
                               "on_filterclose_button_clicked", "maintenance"));
    {
        // OK and Cancel, then the nineteen processor boxes.
        std::vector<FocusSlot> v{sm(0, "filter_ok"), sm(1, "filter_cancel")};
        static const char* const boxes[19] = {"fcheck1",  "fcheck2",  "fcheck3",  "fcheck4",  "fcheck5",
                                              "fcheck6",  "fcheck7",  "fcheck8",  "fcheck9",  "fcheck10",
                                              "fcheck11", "fcheck12", "fcheck13", "fcheck14", "fcheck15",
                                              "fcheck16", "fcheck17", "fcheck18", "fcheck19"};
        for (int k = 0; k < 19; ++k)
            v.push_back(tick(2 + k, boxes[k]));
        maps.push_back(
            oneGroupMap("processor_filter", "Gmvbvar_filter", std::move(v), "on_filter_cancel_clicked", "maintenance"));
    }
    maps.push_back(oneGroupMap("telegram_filter", "Gtelegram",
                               {sm(0, "clearselec"), sm(1, "ok_btn"), sm(2, "cancel_btn"), sm(3, "tele_top"),
                                sm(4, "tele_up"), sm(5, "tele_down"), sm(6, "tele_bottom"), tick(7, "filtertelegram_all"),
                                cellOf(8, "t_MVBfiltertelegram", -1, 0, nullptr)},
                               "on_cancel_btn_clicked", "maintenance"));
    maps.push_back(oneGroupMap("signal_search", "Gsignal_name",
                               {sm(0, "rewrite_button"), sm(1, "Search_button"), sm(2, "Cancel_button")},
                               "on_Cancel_button_clicked", "maintenance"));
    // The display of the monitored values lies over the variable table: its
    // BACK key (and ESC) return to the table.
    maps.push_back(oneGroupMap("mvbvar_display", "Gmaint_mvbvarsel", {sm(0, "back")}, "on_back_clicked",
                               "maintenance"));
    {
        // Last of the screen's keys: the tick of the selected row (ENTER
        // ticks or unticks it, as a finger on its box).
        std::vector<FocusSlot> v{sm(0, "mvbvar_top"),      sm(1, "mvbvar_up"),     sm(2, "mvbvar_down"),
                                 sm(3, "mvbvar_bottom"),   sm(4, "mvbvar_clearsel"), sm(5, "mvbvar_filter"),
                                 sm(6, "mvbvar_loadfile"), sm(7, "mvbvar_savefile"), sm(8, "mvbvar_display"),
                                 cellOf(9, "t_mvbvar", -1, 0, nullptr)};
        sideMenu(v, 10, {"mvbvariables", "system", "loco", "ddulogging", "ddudisplay", "mvbtelegram", "mvbfreshness"});
        topBar(v, 17);
        maps.push_back(screenMap("mvb_variables", "Gmaint_mvbvariables", 3, {0, 9, 10, 16, 17, 21}, std::move(v), 10,
                                 17, "maintenance"));
    }
    {
        std::vector<FocusSlot> v{sm(0, "ddu_proc_next_slot"), sm(1, "ddu_proc_prev_slot")};
        static const char* const procs[8] = {"@proc0", "@proc1", "@proc2", "@proc3",
                                              "@proc4", "@proc5", "@proc6", "@proc7"};
        for (int k = 0; k < 8; ++k)
            v.push_back(sm(2 + k, procs[k]));
        v.push_back(sm(10, "system"));
        v.push_back(sm(11, "loco"));
        topBar(v, 12);
        maps.push_back(screenMap("processor_io", "Gmaint_riom_info", 3, {0, 1, 2, 11, 12, 16}, std::move(v), 2, 12,
                                 "maintenance"));
    }
    {
        // The maintenance menu alone (every tool's screen above keeps it shown).
        std::vector<FocusSlot> v;
        sideMenu(v, 0, {"ddulogging", "ddudisplay", "mvbtelegram", "mvbfreshness", "mvbvariables", "system", "loco"});
        topBar(v, 7);
        maps.push_back(screenMap("maintenance_menu", "Gmaint_menu", 2, {0, 6, 7, 11}, std::move(v), 7, 0,
                                 "maintenance"));
    }
    return maps;
}

// ----- touch helpers -----

TouchRegion click(int x1, int y1, int x2, int y2, const char* w)
{
    return {x1, y1, x2, y2, w, TouchAction::Click, TouchIf::Always, 0, 0, 0, nullptr};
}

TouchRegion clickIf(int x1, int y1, int x2, int y2, const char* w, TouchIf cond)
{
    return {x1, y1, x2, y2, w, TouchAction::Click, cond, 0, 0, 0, nullptr};
}

TouchRegion table(int x1, int y1, int x2, int y2, const char* w)
{
    return {x1, y1, x2, y2, w, TouchAction::TableClick, TouchIf::Always, 0, 0, 0, nullptr};
}

TouchRegion track(int x1, int y1, int x2, int y2, const char* w, int code)
{
    return {x1, y1, x2, y2, w, TouchAction::ScrollTrack, TouchIf::Always, 0, 0, code, nullptr};
}

TouchRegion cell(int x1, int y1, int x2, int y2, const char* slot, int row, int column, const char* condWidget)
{
    return {x1, y1, x2, y2, slot, TouchAction::InvokeCell, TouchIf::WidgetVisible, row, column, 0, condWidget};
}

// A grid of cells calling `slot(row, column)`; xs and ys are the boundaries.
void grid(std::vector<TouchRegion>& v, std::initializer_list<int> xs, std::initializer_list<int> ys, const char* slot,
          const char* condWidget)
{
    const std::vector<int> x(xs), y(ys);
    for (size_t r = 0; r + 1 < y.size(); ++r)
        for (size_t c = 0; c + 1 < x.size(); ++c)
            v.push_back(cell(x[c], y[r], x[c + 1], y[r + 1], slot, int(r), int(c), condWidget));
}

TouchBlock block(const char* name, screen::Id idMin, screen::Id idMax, const char* visible, std::vector<TouchRegion> regions)
{
    TouchBlock b;
    b.name = name;
    b.idMin = idMin;
    b.idMax = idMax;
    b.requireVisible = visible;
    b.requireHidden1 = b.requireHidden2 = nullptr;
    b.regions = std::move(regions);
    return b;
}

// A data table: one block of touch regions per screen, read block by block,
// so it stays one (long) function.
std::vector<TouchBlock> buildTouchBlocks()
{
    std::vector<TouchBlock> t;
    constexpr screen::Id anyFirst = screen::None, anyLast = screen::DriverAdvice;

    // The on-screen keyboard lies over whatever is below it, the top bar included
    // when it sits at the top position; a message popped up over it (pop-up or
    // advice) takes the finger, as over the password pad.
    {
        TouchBlock b = block(
            "keyboard", anyFirst, anyLast, "keypad_groupbox",
            {{0, 0, 1024, 768, "keypad_groupbox", TouchAction::Keyboard, TouchIf::Always, 0, 0, 0, nullptr}});
        b.requireHidden1 = "Gfault";
        b.requireHidden2 = "Gfaultdriveradvice";
        t.push_back(std::move(b));
    }

    t.push_back(block("top_bar", anyFirst, anyLast, nullptr,
                      {click(5, 7, 205, 55, "home"), click(215, 7, 415, 55, "menu"), click(425, 7, 625, 55, "process"),
                       click(635, 7, 835, 55, "diagnostic_process"),
                       clickIf(825, 7, 1024, 55, "fault_button", TouchIf::WidgetVisible),
                       click(825, 7, 1024, 55, "maintenance")}));

    t.push_back(block("fault_popup", screen::FaultPopup, screen::FaultPopup, "Gfault",
                      {click(840, 450, 1000, 570, "enterfault_btn"), click(670, 450, 820, 570, "driveradvice")}));
    t.push_back(block("driver_advice", screen::DriverAdvice, screen::DriverAdvice, "Gdriveradv_right",
                      {click(850, 170, 1010, 270, "driveradv_back"), click(850, 280, 1010, 380, "up_button"),
                       click(850, 480, 1010, 580, "down_button")}));

    // The password pad takes the finger whichever screen opened it (the
    // configuration stages open it from screens 25 to 29); a touch beside its
    // keys does nothing rather than reach the screen under the shade. The top
    // bar above still works.
    {
        std::vector<TouchRegion> v;
        static const char* const keys[12] = {"b_key1", "b_key2", "b_key3", "b_key4", "b_key5", "b_key6",
                                             "b_key7", "b_key8", "b_key9", "b_keyC", "b_key0", "b_keyOK"};
        static const int xs[3] = {342, 459, 576};
        static const int ys[4] = {272, 360, 445, 530};
        v.reserve(13);
        for (int k = 0; k < 12; ++k)
            v.push_back(click(xs[k % 3], ys[k / 3], xs[k % 3] + 112, ys[k / 3] + 86, keys[k]));
        TouchRegion close = click(670, 110, 705, 145, "pwd_close_button");
        close.afterFrom = screen::SoftwareUpdateChoice;
        close.afterTo = screen::DduConfigure;
        v.push_back(close);
        v.push_back(click(-1, 55, 1025, 769, "Gpassword")); // not a button: swallows the touch
        TouchBlock b = block("password", anyFirst, anyLast, "Gpassword", std::move(v));
        b.requireHidden1 = "Gfault"; // a message popped up over the pad takes the finger
        b.requireHidden2 = "Gfaultdriveradvice";
        t.push_back(std::move(b));
    }

    // The message box takes every touch inside it, whatever lies under it (the
    // subsystem grid, a table); a touch beside its buttons does nothing.
    // Outside the box the top bar and the strip stay live and take the box
    // away with what it waited for. The pad opened over the box (MAINTENANCE)
    // and a fault pop-up over it take the finger first.
    {
        TouchBlock b = block("message_box", anyFirst, anyLast, "Gmessage",
                             {clickIf(399, 439, 499, 489, "ok", TouchIf::YesNoForm),
                              clickIf(519, 439, 619, 489, "no", TouchIf::YesNoForm),
                              clickIf(459, 439, 559, 489, "ok", TouchIf::OkOnlyForm),
                              click(264, 259, 754, 509, "Gmessage")}); // not a button: swallows the touch
        b.requireHidden1 = "Gfault";
        b.requireHidden2 = "Gfaultdriveradvice";
        t.push_back(std::move(b));
    }

    // The language icon of the home screen (shown in the DDU layout).
    t.push_back(block("language_icon", screen::Home, screen::Home, nullptr,
                      {click(958, 702, 1016, 755, "bddu_lang_icon"), click(958, 706, 1016, 759, "lang_icon")}));

    t.push_back(block("home_strip", screen::Home, screen::Dds, nullptr,
                      {click(10, 630, 150, 660, "loco_diag"),
                       clickIf(10, 715, 150, 745, "loco_diag_2", TouchIf::WidgetVisible),
                       cell(335, 575, 670, 760, "on_homesub_table_cellClicked", 0, 0, "homesub_table")}));

    {
        std::vector<TouchRegion> v;
        grid(v, {92, 255, 421, 587, 733, 919}, {125, 231, 337, 443, 550}, "on_t_subsystem_cellClicked", "t_subsystem");
        // The strip opens the grid from every screen that shows it (1 to 22),
        // leaving that screen's number: the cells are served there too.
        t.push_back(block("subsystem_overview", screen::Home, screen::Dds, "t_subsystem", std::move(v)));
        // The paging buttons belong to the message list, which is shown with the
        // grid hidden: they are served whenever the subsystem group is up.
        t.push_back(block("subsystem_paging", screen::Home, screen::HomeSubsystems, "Gsub_system",
                          {click(923, 65, 1000, 100, "subsys_back"), click(923, 125, 1000, 175, "subsys_top"),
                           click(923, 175, 1000, 235, "subsys_up"), click(923, 450, 1000, 500, "subsys_down"),
                           click(923, 500, 1000, 550, "subsys_bottom")}));
    }
    {
        std::vector<TouchRegion> v;
        grid(v, {200, 324, 448, 572, 696, 820}, {133, 233, 333, 433, 533}, "on_t_subsystem_cellClicked", "t_msubsys");
        t.push_back(block("subsystem_menu", screen::SubsystemMenu, screen::SubsystemMenu, "Gmenu_subsys", std::move(v)));
    }

    {
        std::vector<TouchRegion> v;
        static const char* const left[5] = {"sub_sys", "hv_circ", "trac_conv", "aux_conv", "trac_moto"};
        static const char* const right[5] = {"aux_sys", "brak_sys", "ener_moni", "temp", "pressure"};
        static const int rows[5] = {123, 184, 245, 306, 367};
        for (int k = 0; k < 5; ++k) {
            v.push_back(click(214, rows[k], 505, rows[k] + 41, left[k]));
            v.push_back(click(534, rows[k], 825, rows[k] + 41, right[k]));
        }
        v.push_back(click(214, 428, 505, 469, "dr_details")); // below the left column
        v.push_back(click(214, 482, 505, 523, "diagnosis"));
        v.push_back(click(534, 482, 825, 523, "lang"));
        t.push_back(block("main_menu", screen::MainMenu, screen::Language, "menu_screen", std::move(v)));
    }
    // The back and home keys of the menu frame serve every menu screen they are shown on.
    t.push_back(block("menu_frame", screen::MainMenu, screen::Language, nullptr,
                      {click(735, 63, 780, 110, "menuscreen_back"), click(795, 63, 840, 110, "menuscreen_home")}));

    {
        std::vector<TouchRegion> v;
        static const char* const radios[21] = {"r_flg1", "r_flg2", "r_hbb1", "r_hbb2", "r_fbv1", "r_fbv2", "r_dda1",
                                               "r_dda2", "r_stb1", "r_stb2", "r_asc1", "r_asc2", "r_nsc1", "r_nsc2",
                                               "r_slg1", "r_slg2", "r_dia1", "r_bur1", "r_bur2", "r_bur3", "r_zbv1"};
        static const int xs[4] = {230, 390, 560, 720};
        for (int k = 0; k < 21; ++k) {
            const int x = xs[k % 4], y = 200 + 50 * (k / 4);
            v.push_back(click(x, y, x + 80, y + 20, radios[k]));
        }
        v.push_back(click(430, 490, 550, 530, "b_menudiag_ok"));
        t.push_back(block("diagnosis_choice", screen::DiagnosisChoice, screen::DiagnosisChoice, "Gdiag_radio", std::move(v)));
    }
    t.push_back(block("diagnosis_details", screen::DiagnosisDetails, screen::DiagnosisDetails, nullptr,
                      {click(70, 290, 270, 350, "diag_detailsymp"), click(70, 360, 270, 420, "diag_detailcause"),
                       click(70, 430, 270, 490, "diag_detailadvice"), click(970, 522, 1020, 567, "diag_detailsback")}));
    t.push_back(block("diagnosis_list", screen::DiagnosisList, screen::DiagnosisList, "Gdiagnostics",
                      {click(632, 62, 812, 102, "diag_details"), click(822, 62, 1002, 102, "diag_back"),
                       click(912, 112, 1002, 172, "diag_top"), click(912, 177, 1002, 237, "diag_up"),
                       click(912, 435, 1002, 495, "diag_down"), click(912, 500, 1002, 560, "diag_bottom"),
                       track(930, 235, 1020, 440, "t_diagnosis", 5), table(20, 170, 900, 555, "t_diagnosis")}));

    t.push_back(block("language", screen::Language, screen::Language, nullptr,
                      {click(305, 223, 705, 323, "eng_lang"), click(305, 353, 705, 453, "hin_lang")}));

    {
        std::vector<TouchRegion> v;
        static const char* const menu[8] = {"node", "energy", "simulation", "motortemp",
                                            "software", "inching", "setdatetime", "motor_status"};
        v.reserve(8);
        for (int k = 0; k < 8; ++k)
            v.push_back(click(795, 65 + 58 * k, 1015, 65 + 58 * k + 53, menu[k]));
        t.push_back(block("process_menu", screen::ProcessInfo, screen::DateTime, nullptr, std::move(v)));
    }
    t.push_back(block("inching", screen::Inching, screen::Inching, nullptr,
                      {click(410, 392, 470, 452, "inching_down"), click(580, 392, 640, 452, "inching_up")}));
    t.push_back(block("datetime", screen::DateTime, screen::DateTime, nullptr,
                      {click(655, 240, 720, 295, "datetime_up"), click(590, 295, 655, 350, "datetime_left"),
                       click(720, 290, 785, 350, "datetime_right"), click(655, 350, 720, 405, "datetime_down"),
                       click(60, 462, 290, 522, "get_datetime"), click(320, 462, 550, 522, "set_datetime")}));
    t.push_back(block("dds", screen::Dds, screen::Dds, nullptr,
                      {click(920, 122, 995, 192, "b_ddsup_top"), click(920, 197, 995, 267, "b_ddsup"),
                       click(920, 410, 995, 480, "b_ddsdown"), click(920, 485, 995, 550, "b_ddsdown_btm"),
                       click(740, 60, 920, 104, "b_dbtousb")}));

    {
        TouchBlock b = block("maintenance_menu", screen::MaintenanceMenu, screen::SignalSearch, nullptr,
                             {click(795, 60, 1012, 113, "ddulogging"), click(795, 118, 1012, 171, "ddudisplay"),
                              click(795, 175, 1012, 229, "mvbtelegram"), click(795, 233, 1012, 286, "mvbfreshness"),
                              click(795, 291, 1012, 344, "mvbvariables"), click(795, 568, 1012, 621, "system"),
                              click(795, 625, 1012, 678, "loco")});
        b.requireHidden1 = "Gpassword";
        b.requireHidden2 = "Gsignal_name";
        t.push_back(std::move(b));
    }
    // Driver details, a screen of the menu frame: the value cells and SAVE.
    t.push_back(block("driver_details", screen::MainMenu, screen::MainMenu, "Gmenu_drdetails",
                      {click(742, 539, 822, 574, "save_btn"), table(205, 133, 825, 535, "t_mdrdetails")}));
    t.push_back(block("ddu_configure", screen::DduConfigure, screen::DduConfigure, nullptr,
                      {click(180, 162, 370, 246, "cab_button"), click(560, 160, 750, 244, "software_updateBtn"),
                       click(560, 290, 750, 354, "calibrate_button")}));
    t.push_back(block("cab", screen::CabSettings, screen::CabSettings, nullptr,
                      {click(150, 290, 300, 325, "cabcheck1"), click(350, 290, 500, 325, "cabcheck2"),
                       click(530, 290, 680, 325, "cabcheck3"), click(250, 440, 380, 490, "cab_ok"),
                       click(450, 440, 580, 490, "cab_cancel")}));
    t.push_back(block("software_update", screen::SoftwareUpdate, screen::SoftwareUpdate, nullptr,
                      {click(200, 250, 400, 300, "pendrive1"), click(500, 250, 700, 300, "s_update"),
                       click(200, 350, 400, 400, "file_trans"), click(500, 350, 700, 400, "sd_card_check"),
                       click(350, 450, 550, 500, "softw_cancel")}));
    t.push_back(block("ddu_display", screen::DduDisplay, screen::DduDisplay, nullptr,
                      {click(130, 132, 330, 216, "restart_button"), click(430, 132, 630, 216, "exit_app"),
                       click(310, 290, 470, 374, "on_button"), click(495, 290, 655, 374, "off_button")}));

    t.push_back(block("mvb_telegram", screen::Telegram, screen::Telegram, nullptr,
                      {click(130, 110, 205, 180, "bmvbtele_top"), click(130, 185, 205, 255, "bmvbtele_up"),
                       click(130, 517, 205, 587, "bmvbtele_down"), click(130, 592, 205, 662, "bmvbtele_bottm"),
                       click(235, 195, 435, 270, "bmvbtele_bin"), click(235, 280, 435, 355, "bmvbtele_byte"),
                       click(235, 365, 435, 440, "bmvbtele_word"), table(10, 110, 130, 670, "tmvbtelegram"),
                       track(130, 255, 205, 507, "tmvbtelegram", 2)}));
    t.push_back(block("mvb_freshness", screen::Freshness, screen::Freshness, nullptr,
                      {click(676, 108, 760, 173, "bmvbfreh_reset"), click(676, 175, 760, 235, "bmvbfreh_top"),
                       click(676, 240, 760, 300, "bmvbfreh_up"), click(676, 532, 760, 592, "bmvbfreh_down"),
                       click(676, 597, 760, 657, "bmvbfreh_bottom"), table(20, 108, 670, 646, "tmvbfreshness"),
                       track(676, 300, 760, 532, "tmvbfreshness", 1)}));

    // Variable monitor. Its dialogs are modal: each is served on its own screen
    // and tested before the screen below it; nothing is served while the
    // on-screen keyboard is up.
    auto mvbvar = [&](const char* name, screen::Id idMin, screen::Id idMax, std::vector<TouchRegion> regions) {
        TouchBlock b = block(name, idMin, idMax, nullptr, std::move(regions));
        b.requireHidden1 = "keypad_groupbox";
        t.push_back(std::move(b));
    };
    mvbvar("mvbvar_filter_choice", screen::VariableFilter, screen::VariableFilter,
           {click(610, 252, 660, 292, "filterclose_button"), click(115, 362, 280, 422, "proc_filter"),
            click(300, 362, 465, 422, "tele_filter"), click(485, 362, 650, 422, "signalname_filter")});
    {
        std::vector<TouchRegion> v;
        static const char* const entries[6] = {"mvbvar_loadsave1", "mvbvar_loadsave2", "mvbvar_loadsave3",
                                             "mvbvar_loadsave4", "mvbvar_loadsave5", "mvbvar_loadsave6"};
        v.reserve(7);
        for (int k = 0; k < 6; ++k)
            v.push_back(click(60 + 90 * k, 351, 60 + 90 * k + 80, 422, entries[k]));
        v.push_back(click(600, 351, 730, 422, "mvbvar_cancel"));
        mvbvar("mvbvar_loadsave", screen::LoadFile, screen::SaveFile, std::move(v));
    }
    mvbvar("mvbvar_display", screen::VariableSlot, screen::VariableSlot, {click(706, 74, 786, 110, "back"), click(642, 615, 780, 675, "mvbvar_display")});
    {
        std::vector<TouchRegion> v{click(235, 491, 365, 531, "filter_ok"), click(425, 491, 555, 531, "filter_cancel")};
        static const int xs[5] = {60, 198, 336, 474, 612};
        static const int ys[4] = {253, 309, 365, 421};
        static const char* const boxes[19] = {"fcheck1",  "fcheck2",  "fcheck3",  "fcheck4",  "fcheck5",
                                              "fcheck6",  "fcheck7",  "fcheck8",  "fcheck9",  "fcheck10",
                                              "fcheck11", "fcheck12", "fcheck13", "fcheck14", "fcheck15",
                                              "fcheck16", "fcheck17", "fcheck18", "fcheck19"};
        for (int k = 0; k < 19; ++k)
            v.push_back(click(xs[k % 5], ys[k / 5], xs[k % 5] + 130, ys[k / 5] + 56, boxes[k]));
        mvbvar("mvbvar_processor_filter", screen::ProcessorFilter, screen::ProcessorFilter, std::move(v));
    }
    mvbvar("mvbvar_telegram_filter", screen::TelegramFilter, screen::TelegramFilter,
           {click(70, 553, 208, 603, "clearselec"), click(280, 553, 418, 603, "ok_btn"),
            click(490, 553, 628, 603, "cancel_btn"), click(510, 154, 595, 204, "tele_top"),
            click(510, 208, 595, 258, "tele_up"), click(510, 430, 595, 480, "tele_down"),
            click(510, 484, 595, 534, "tele_bottom"), click(120, 115, 210, 148, "filtertelegram_all"),
            track(510, 249, 595, 429, "t_MVBfiltertelegram", 4), table(108, 200, 500, 530, "t_MVBfiltertelegram")});
    mvbvar("mvbvar_signal_search", screen::SignalSearch, screen::SignalSearch,
           {click(135, 300, 245, 350, "rewrite_button"), click(315, 300, 425, 350, "Search_button"),
            click(495, 300, 605, 350, "Cancel_button")});
    mvbvar("mvb_variables", screen::Variables, screen::Variables,
           {click(10, 615, 148, 675, "mvbvar_clearsel"), click(168, 615, 306, 675, "mvbvar_filter"),
            click(326, 615, 464, 675, "mvbvar_loadfile"), click(484, 615, 622, 675, "mvbvar_savefile"),
            click(642, 615, 780, 675, "mvbvar_display"), click(695, 112, 780, 182, "mvbvar_top"),
            click(695, 187, 780, 257, "mvbvar_up"), click(695, 460, 780, 530, "mvbvar_down"),
            click(695, 535, 780, 605, "mvbvar_bottom"), table(10, 108, 695, 605, "t_mvbvar"),
            track(710, 268, 790, 455, "t_mvbvar", 3)});

    t.push_back(block("processor_io", screen::MaintenanceLoco, screen::LocoIo, "Gmaint_riom_info",
                      {click(797, 57, 1014, 107, "ddu_flg1"), click(797, 112, 1014, 162, "ddu_hbb1"),
                       click(797, 167, 1014, 217, "ddu_stb1"), click(797, 222, 1014, 272, "ddu_slg1"),
                       click(795, 568, 1012, 621, "system"), click(570, 610, 635, 665, "ddu_proc_prev_slot"),
                       click(715, 610, 780, 665, "ddu_proc_next_slot")}));
    return t;
}

std::vector<KeyboardKey> buildKeyboard()
{
    std::vector<KeyboardKey> k;
    static const int rows[4] = {500, 565, 630, 695};
    for (int i = 0; i < 26; ++i) {
        static const char* const letters[26] = {
            "keybutton_A", "keybutton_B", "keybutton_C", "keybutton_D", "keybutton_E", "keybutton_F", "keybutton_G",
            "keybutton_H", "keybutton_I", "keybutton_J", "keybutton_K", "keybutton_L", "keybutton_M", "keybutton_N",
            "keybutton_O", "keybutton_P", "keybutton_Q", "keybutton_R", "keybutton_S", "keybutton_T", "keybutton_U",
            "keybutton_V", "keybutton_W", "keybutton_X", "keybutton_Y", "keybutton_Z"};
        const int x = 65 + 70 * (i % 7), y = rows[i / 7];
        k.push_back({x, y, x + 65, y + 60, letters[i]});
    }
    k.push_back({65 + 70 * 5, rows[3], 65 + 70 * 6 + 65, rows[3] + 60, "keybutton_clear"});
    static const char* const digits[9] = {"keybutton_1", "keybutton_2", "keybutton_3", "keybutton_4", "keybutton_5",
                                          "keybutton_6", "keybutton_7", "keybutton_8", "keybutton_9"};
    for (int i = 0; i < 9; ++i) {
        const int x = 575 + 70 * (i % 3), y = rows[i / 3];
        k.push_back({x, y, x + 65, y + 60, digits[i]});
    }
    k.push_back({575, rows[3], 640, rows[3] + 60, "keybutton_0"});
    k.push_back({645, rows[3], 780, rows[3] + 60, "keybutton_submit"});
    static const char* const symbols[8] = {"keybutton_quesmark",   "keybutton_slash", "keybutton_at",
                                           "keybutton_star",       "keybutton_percentage", "keybutton_hyphen",
                                           "keybutton_hash",       "keybutton_exclamatory"};
    for (int i = 0; i < 8; ++i) {
        const int x = (i % 2) ? 875 : 805, y = rows[i / 2];
        k.push_back({x, y, x + 65, y + 60, symbols[i]});
    }
    k.push_back({980, 450, 1000, 470, "keybutton_close"});
    k.push_back({2, 447, 52, 497, "keypad_position"});
    return k;
}

} // namespace

const std::vector<FocusMap>& focusMaps()
{
    static const std::vector<FocusMap> maps = buildFocusMaps();
    return maps;
}

int focusMapsBeforeHome()
{
    // Up to the subsystem grid and its message list, which open over the
    // home screen: while they are shown the keys are theirs.
    static const int count = [] {
        const std::vector<FocusMap>& maps = focusMaps();
        for (size_t i = 0; i < maps.size(); ++i)
            if (std::string(maps[i].name) == "subsys_grid")
                return int(i) + 1;
        return 2;
    }();
    return count;
}

const FocusMap& homeFocusMap()
{
    static const FocusMap m = [] {
        FocusMap h = oneGroupMap("home", nullptr,
                                 {tb(0, "home"), tb(1, "menu"), tb(2, "process"), tb(3, "diagnostic_process"),
                                  tb(4, "maintenance"), tb(kHomeToggleIndex, "screen_toggle"), icon(6, "loco_diag"),
                                  icon(7, "loco_diag_2"), icon(8, "lang_icon"), icon(9, "bddu_lang_icon")},
                                 nullptr, "home");
        return h;
    }();
    return m;
}

const FocusMap& passwordFocusMap()
{
    static const FocusMap m = oneGroupMap("password", "Gpassword",
                                          {pk(1, "b_key1"), pk(2, "b_key2"), pk(3, "b_key3"), pk(4, "b_key4"),
                                           pk(5, "b_key5"), pk(6, "b_key6"), pk(7, "b_key7"), pk(8, "b_key8"),
                                           pk(9, "b_key9"), pk(10, "b_key0"), pk(11, "b_keyC"), pk(12, "b_keyOK")},
                                          "on_pwd_close_button_clicked", nullptr);
    return m;
}

int passwordIndexAfterEnter(int index)
{
    if (index >= 2 && index <= 10)
        return 0;
    return -1;
}

bool passwordResetBeforeEnter(int index)
{
    return index == 11 || index == 12;
}

const std::vector<TouchBlock>& touchBlocks()
{
    static const std::vector<TouchBlock> blocks = buildTouchBlocks();
    return blocks;
}

const std::vector<ScrollTrack>& scrollTracks()
{
    // Page sizes: the rows one screenful of the table shows.
    static const std::vector<ScrollTrack> tracks = {
        {1, "tmvbfreshness", 300, 532, 14},
        {2, "tmvbtelegram", 255, 507, 10},
        {3, "t_mvbvar", 268, 455, 9},
        {4, "t_MVBfiltertelegram", 249, 429, 6},
        {5, "t_diagnosis", 235, 440, 4},
    };
    return tracks;
}

const ScrollTrack* scrollTrack(int table)
{
    for (const ScrollTrack& t : scrollTracks())
        if (t.table == table)
            return &t;
    return nullptr;
}

const std::vector<KeyboardKey>& keyboardKeys()
{
    static const std::vector<KeyboardKey> keys = buildKeyboard();
    return keys;
}

} // namespace nav
// clang-format on
