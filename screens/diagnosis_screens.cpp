// Diagnosis screens: the live DDS window (screen 22) and the diagnosis
// records: processor choice (14), message list (15), message details (16).
//
// The window's slots are the glue: they run the screen model (screen_id, the
// groups shown, the keypad focus) and hand the drawing to the two views,
// screens/dds_view and screens/diagnosis_view. The reference file is read by
// diagnostics/diagnosis_reference.

#include "app/mainwindow.h"

#include <QCoreApplication>
#include <QDebug>
#include <QScrollBar>
#include <QSignalBlocker>

#include <algorithm>

#include "diagnostics/diagnosis_reference.h"
#include "diagnostics/pixy_thread.h"
#include "platform/platform.h"
#include "screens/dds_view.h"
#include "screens/diagnosis_view.h"
#include "ui/resources.h"
#include "ui/widget_factory.h"
#include "ui/widget_writer.h"

using namespace ddu_ui;

namespace {

const QString kMessagesFile = QStringLiteral("file/master/zav_DDSMessages_details.xml");
constexpr int kListRowHeight = 99;

QWidget* child(QWidget* root, const char* name)
{
    QWidget* w = root->findChild<QWidget*>(QLatin1String(name));
    if (!w)
        qCritical() << "diagnosis screens: no group" << name;
    return w;
}

DdsView* ddsViewOf(const MainWindow& w)
{
    return w.ddsView;
}

// ----- widget tree; geometry and looks are the views' layout functions -----

void buildDdsScreen(QWidget* g)
{
    label(g, "l_diagnosis", {});
    table(g, "t_DDStable", {}, 4, 4);
    for (const char* name : {"b_ddsup_top", "b_ddsup", "b_ddsdown", "b_ddsdown_btm"})
        button(g, name, {}, QString(), Key_submenu_Style);
    button(g, "b_dbtousb", {20, 515, 180, 40}, QCoreApplication::translate("MainWindow", "TO USB"), Key_submenu_Style)
        ->hide();
    button(g, "b_details", {220, 515, 180, 40}, QCoreApplication::translate("MainWindow", "DETAILS"), Key_submenu_Style)
        ->hide();
}

void buildProcessorChoice(QWidget* g)
{
    label(g, "l_menudiag_selproc", {});
    QWidget* grid = group(g, "Gdiag_radio", {});
    for (int i = 0; i < DiagnosisView::kProcessorCount; ++i) {
        auto* r = radio(grid, "", {}, QLatin1String(DiagnosisView::kProcessors[i]));
        r->setObjectName(DiagnosisView::radioName(i));
        r->setStyleSheet(Menu_Processor_Radio_Style);
    }
    button(grid, "b_menudiag_ok", {}, QCoreApplication::translate("MainWindow", "OK"), Key_submenu_Style);
}

void buildMessageList(QWidget* g)
{
    // t_diagnosis is made with the group (its scroll bar is wired at start-up);
    // what is made here lies over it.
    label(g, "diag_header", {});
    for (const char* name : {"diag_details", "diag_back", "diag_top", "diag_up", "diag_down", "diag_bottom"})
        button(g, name, {}, QString(), Key_submenu_Style);
    label(g, "diag_vertline", {});
    group(g, "Gdiag_blur", {}, Blur_Style)->hide();
}

void buildMessageDetails(QWidget* g)
{
    label(g, "diagdetails_header", {});
    table(g, "t_diagdetails", {}, 2, 3);
    label(g, "diag_signame", {});
    label(g, "diag_sigval", {});
    for (const char* name : {"diag_detailsymp", "diag_detailcause", "diag_detailadvice"})
        button(g, name, {}, QString(), Key_menutab_Style);
    button(g, "diag_detailsback", {}, QString(), Key_submenu_Style);
    label(group(g, "Gdiag_detailsca", {}), "diag_detailmess", {});
}

// Moves the list's selection to `row` (kept inside the list) as the program.
void selectDiagnosisRow(MainWindow& w, int row, DiagnosisView::Scroll scroll)
{
    DiagnosisView* v = w.diagnosisView;
    if (!v || w.Total_Table_Row_DDS <= 0)
        return;
    row = std::clamp(row, 0, w.Total_Table_Row_DDS - 1);
    w.Table_updown_DDS = row;
    v->Table_updown_old_DDS = row;
    v->showSelection(row, scroll);
}

// A row named by the user (a click, the scroll bar), unless the program is
// moving the selection itself.
void pickDiagnosisRow(MainWindow& w, int row)
{
    DiagnosisView* v = w.diagnosisView;
    if (!v || v->movingSelection() || row < 0 || row >= w.Total_Table_Row_DDS)
        return;
    w.Table_updown_DDS = row;
    v->showSelection(row, DiagnosisView::Scroll::None);
}

// Says on the debug stream why the list is empty or short.
void reportLoad(const diagref::MessageList& list, const QString& path, const QString& processor)
{
    switch (list.status) {
    case diagref::Status::Ok: break;
    case diagref::Status::CannotOpen:
        qDebug().noquote() << "unable to open xml file" << path << "(" + list.problem + ")";
        break;
    case diagref::Status::TooLarge:
        qDebug().noquote() << "diagnosis messages:" << path << "is too large (" + list.problem + "); no message listed";
        break;
    case diagref::Status::Malformed:
        qDebug().noquote() << "diagnosis messages:" << path
                           << "is not well-formed XML (" + list.problem + "); no message listed";
        break;
    }
    if (list.truncated)
        qDebug().noquote() << "diagnosis messages: more than" << diagref::kMaxMessages << "messages for" << processor
                           << "- the first" << diagref::kMaxMessages << "are listed";
}

} // namespace

void MainWindow::build_diagnosis_screens(QWidget* root)
{
    QWidget* groups[4] = {child(root, "G_DDSscreen"), child(root, "Gmenu_diagnosis"), child(root, "Gdiagnostics"),
                          child(root, "Gdiag_details")};
    if (groups[0])
        buildDdsScreen(groups[0]);
    if (groups[1])
        buildProcessorChoice(groups[1]);
    if (groups[2])
        buildMessageList(groups[2]);
    if (groups[3])
        buildMessageDetails(groups[3]);

    // A view whose widget is missing draws nothing there: say so loudly.
    auto* dds = ddsView = new DdsView(this);
    for (const QString& name : dds->resolve(root))
        qCritical().noquote() << "DDS screen: no widget" << name;
    diagnosisView = new DiagnosisView(this);
    for (const QString& name : diagnosisView->resolve(root))
        qCritical().noquote() << "diagnosis screens: no widget" << name;
    dds->layoutScreen();
    dds->layoutTable();
    dds->layoutButtons();
    diagnosisView->layoutChoiceGrid(false);
    diagnosisView->layoutList(QString());
    diagnosisView->layoutDetails();
}

// ================================================================ DDS screen

void MainWindow::on_diagnostic_process_clicked()
{
    screen_id_old = screen_id;
    screen_id = screen::Dds;
    Main_Menu_Button_Color_Reset();
    if (QWidget* b = W(QStringLiteral("diagnostic_process")))
        b->setStyleSheet(key_menu_select_Style);
    grpbox_setvisible();
    if (QWidget* img = W(QStringLiteral("maint_loco_img2")))
        img->show();
    DdsView* v = ddsViewOf(*this);
    if (v) {
        v->layoutScreen();
        ui::showRaised(v->G_DDSscreen);
    }
    dds_screen_table();
    dds_screen_updownscroll();
    dds_screen_update(); // what the DDS thread holds now, without waiting for the tick
    key_menu_no = 2;
    key_press_count = 0;
    Key_Pressed_Function();
}

void MainWindow::dds_screen_table()
{
    if (DdsView* v = ddsViewOf(*this))
        v->layoutTable();
}

void MainWindow::dds_screen_updownscroll()
{
    if (DdsView* v = ddsViewOf(*this))
        v->layoutButtons();
}

void MainWindow::dds_screen_update()
{
    DdsView* v = ddsViewOf(*this);
    if (v && pixyThread)
        v->update(pixyThread->takeRowsToDraw(), snap.freshness_2650 < 10000);
}

// Paging: the request goes on the bus for its cycles; the vehicle answers with
// another window, which the DDS thread converts.
void MainWindow::on_b_ddsup_top_clicked()
{
    exchange.requests.MVB_DDS_TOP.raise();
}

void MainWindow::on_b_ddsup_clicked()
{
    exchange.requests.MVB_DDS_UP.raise();
}

void MainWindow::on_b_ddsdown_clicked()
{
    exchange.requests.MVB_DDS_DOWN.raise();
}

void MainWindow::on_b_ddsdown_btm_clicked()
{
    exchange.requests.MVB_DDS_BOTTOM.raise();
}

// ================================================================ processor choice

void MainWindow::on_diagnosis_clicked()
{
    screen_id_old = screen_id;
    screen_id = screen::DiagnosisChoice;
    if (diagnosisView)
        diagnosisView->diag_radio_checked = 1;
    grpbox_setvisible();
    diagnosis_screen_header();
    diagnosis_screen();
}

void MainWindow::diagnosis_screen_header()
{
    if (!diagnosisView)
        return;
    diagnosisView->layoutChoiceHeader(DDU_Language_Select == 1);
    ui::showRaised(diagnosisView->Gmenu_diagnosis);
    menu_backhome(); // the menu frame's header, back and home keys
}

void MainWindow::diagnosis_screen()
{
    if (!diagnosisView)
        return;
    diagnosisView->layoutChoiceGrid(DDU_Language_Select == 1);
    if (diagnosisView->diag_radio_checked == 1) {
        diagnosisView->clearChoice();
        diagnosisView->diag_radio_checked = 0;
    }
    Keyboard_Key_Global_Reset();
    Key_Pressed_Function();
}

// ================================================================ message list

void MainWindow::on_b_menudiag_ok_clicked()
{
    DiagnosisView* v = diagnosisView;
    if (!v)
        return;
    screen_id_old = screen_id;
    screen_id = screen::DiagnosisList;
    v->radio_checked = v->chosenProcessor();
    if (v->radio_checked.isEmpty()) {
        screen_id = screen::DiagnosisChoice;
        Dialog_Box(tr("Select any processor"), 1);
        return;
    }
    grpbox_setvisible();
    load_diagnosis();
    v->layoutList(v->radio_checked);
    ui::showRaised(v->Gdiagnostics);
    v->showBlur(false);
    if (messageBox.pending.diag_flag == 0) {
        selectDiagnosisRow(*this, Total_Table_Row_DDS - 1, DiagnosisView::Scroll::Bottom);
        Keyboard_Key_Global_Reset();
        Key_Pressed_Function();
        return;
    }
    v->showBlur(true);
    Dialog_Box(tr("No DDS Found"), 1);
    keys.Keyboard_Enter_Pressed = false;
    key_press_count = 8;
    key_menu_no = 2;
    Key_Pressed_Function();
}

void MainWindow::load_diagnosis()
{
    messageBox.pending.diag_flag = 0;
    Total_Table_Row_DDS = 0;
    Table_updown_DDS = 0;
    DiagnosisView* v = diagnosisView;
    if (!v || !v->t_diagnosis)
        return;
    v->Table_updown_old_DDS = 0;

    const QString path = platform::dataPath(kMessagesFile);
    const diagref::MessageList list = diagref::loadMessages(path, v->radio_checked);
    reportLoad(list, path, v->radio_checked);

    // Filling moves the scroll bar: its handler must not take that for a choice.
    QTableWidget* t = v->t_diagnosis;
    const QSignalBlocker quiet(t->verticalScrollBar());
    t->setRowCount(0);
    t->setColumnCount(diagref::ColumnCount);
    t->setRowCount(list.messages.size());
    for (int r = 0; r < list.messages.size(); ++r) {
        for (int c = 0; c < diagref::ColumnCount; ++c)
            XML_Insert_Data(r, c, c, 6, list.messages[r][c]);
        t->setRowHeight(r, kListRowHeight);
    }

    diagnosis_screen_active = 1;
    Total_Table_Row_DDS = t->rowCount();
    // An empty list, a missing file or an unreadable one all end in "No DDS
    // Found": the reason is on the debug stream.
    if (Total_Table_Row_DDS == 0) {
        messageBox.pending.diag_flag = 1;
        diagnosis_screen_active = 0;
    }
}

void MainWindow::on_diag_top_clicked()
{
    selectDiagnosisRow(*this, 0, DiagnosisView::Scroll::Top);
}

void MainWindow::on_diag_up_clicked()
{
    selectDiagnosisRow(*this, Table_updown_DDS - 1, DiagnosisView::Scroll::Visible);
}

void MainWindow::on_diag_down_clicked()
{
    selectDiagnosisRow(*this, Table_updown_DDS + 1, DiagnosisView::Scroll::Visible);
}

void MainWindow::on_diag_bottom_clicked()
{
    selectDiagnosisRow(*this, Total_Table_Row_DDS - 1, DiagnosisView::Scroll::Bottom);
}

void MainWindow::on_t_diagnosis_cellClicked(int row, int)
{
    pickDiagnosisRow(*this, row);
}

// The list's scroll bar counts rows: its value is the row to select.
void MainWindow::diaghandlerFunction(int value)
{
    pickDiagnosisRow(*this, value);
}

void MainWindow::on_diag_back_clicked()
{
    screen_id_old = screen_id;
    screen_id = screen::DiagnosisChoice;
    if (diagnosisView && diagnosisView->Gdiagnostics)
        diagnosisView->Gdiagnostics->hide();
    diagnosis_screen_header();
    Keyboard_Key_Global_Reset();
    Key_Pressed_Function();
}

// ================================================================ message details

void MainWindow::on_diag_details_clicked()
{
    DiagnosisView* v = diagnosisView;
    if (!v || Total_Table_Row_DDS <= 0)
        return; // nothing listed, nothing to detail
    screen_id_old = screen_id;
    screen_id = screen::DiagnosisDetails;
    grpbox_setvisible();
    v->layoutDetails();
    ui::showRaised(v->Gdiag_details);
    v->showDetails(Table_updown_DDS);
    key_press_select_key = 1;
    key_press_count = 0;
    Key_Pressed_Function();
}

void MainWindow::on_diag_detailsymp_clicked()
{
    if (diagnosisView)
        diagnosisView->showTab(DiagnosisView::Tab::Symptoms, Table_updown_DDS);
    key_press_select_key = 1;
}

void MainWindow::on_diag_detailcause_clicked()
{
    if (diagnosisView)
        diagnosisView->showTab(DiagnosisView::Tab::Causes, Table_updown_DDS);
    key_press_select_key = 1;
}

void MainWindow::on_diag_detailadvice_clicked()
{
    if (diagnosisView)
        diagnosisView->showTab(DiagnosisView::Tab::Advice, Table_updown_DDS);
    key_press_select_key = 1;
}

void MainWindow::on_diag_detailsback_clicked()
{
    screen_id = screen_id_old;
    if (diagnosisView) {
        if (diagnosisView->Gdiag_details)
            diagnosisView->Gdiag_details->hide();
        ui::showRaised(diagnosisView->Gdiagnostics);
    }
    diagnosis_screen_active = 1;
    key_press_select_key = 0;
    key_press_count = 1;
    Keyboard_Key_Presssed_Reset();
    Key_Pressed_Function();
}
