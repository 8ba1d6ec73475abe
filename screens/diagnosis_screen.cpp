// Diagnosis screens: see diagnosis_screen.h.

#include "screens/diagnosis_screen.h"

#include <QCoreApplication>
#include <QDebug>
#include <QScrollBar>
#include <QSignalBlocker>

#include <algorithm>

#include "acquisition/bus_exchange.h"
#include "acquisition/signal_store.h"
#include "diagnostics/diagnosis_reference.h"
#include "diagnostics/pixy_thread.h"
#include "platform/platform.h"
#include "screens/dds_view.h"
#include "screens/diagnosis_view.h"
#include "ui/resources.h"
#include "ui/translated_text.h"
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

void DiagnosisScreen::build(QWidget* root)
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
}

DiagnosisScreen::DiagnosisScreen(ui::ScreenHost& h, QObject* parent)
    : ui::Screen(h, "diagnosis screens", parent)
{
    QWidget* root = host.widget(QStringLiteral("centralwidget"));
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

// Moves the list's selection to `row` (kept inside the list) as the program.
void DiagnosisScreen::selectDiagnosisRow(int row, int scroll)
{
    DiagnosisView* v = diagnosisView;
    if (!v || Total_Table_Row_DDS <= 0)
        return;
    row = std::clamp(row, 0, Total_Table_Row_DDS - 1);
    Table_updown_DDS = row;
    v->Table_updown_old_DDS = row;
    v->showSelection(row, static_cast<DiagnosisView::Scroll>(scroll));
}

// A row named by the user (a click, the scroll bar), unless the program is
// moving the selection itself.
void DiagnosisScreen::pickDiagnosisRow(int row)
{
    DiagnosisView* v = diagnosisView;
    if (!v || v->movingSelection() || row < 0 || row >= Total_Table_Row_DDS)
        return;
    Table_updown_DDS = row;
    v->showSelection(row, DiagnosisView::Scroll::None);
}

// ================================================================ DDS screen

void DiagnosisScreen::on_diagnostic_process_clicked()
{
    host.serveScreen(screen::Dds, true);
    host.markTopBar("diagnostic_process");
    host.hideScreens();
    if (QWidget* img = W(QStringLiteral("maint_loco_img2")))
        img->show();
    DdsView* v = ddsView;
    if (v) {
        v->layoutScreen();
        ui::showRaised(v->G_DDSscreen);
    }
    dds_screen_table();
    dds_screen_updownscroll();
    dds_screen_update(); // what the DDS thread holds now, without waiting for the tick
    host.setKeyFocus(2, 0, -1);
    host.dispatchKeys();
}

void DiagnosisScreen::dds_screen_table()
{
    if (DdsView* v = ddsView)
        v->layoutTable();
}

void DiagnosisScreen::dds_screen_updownscroll()
{
    if (DdsView* v = ddsView)
        v->layoutButtons();
}

void DiagnosisScreen::dds_screen_update()
{
    DdsView* v = ddsView;
    if (!v || !pixyThread)
        return;
    const DdsRowsToDraw rows = pixyThread->takeRowsToDraw();
    const bool fresh = host.snapshot().freshness_2650 < 10000;
    v->update(rows, fresh);
    if (fresh)
        for (const DDU_RAW_DATA_struct& r : rows.records)
            ddsSeen.add(r);
}

void DiagnosisScreen::on_b_dbtousb_clicked()
{
    host.exportLogs(logtables::ddsCsv(ddsSeen.records()));
}

// Paging: the request goes on the bus for its cycles; the vehicle answers with
// another window, which the DDS thread converts.
void DiagnosisScreen::on_b_ddsup_top_clicked()
{
    host.requests().MVB_DDS_TOP.raise();
}

void DiagnosisScreen::on_b_ddsup_clicked()
{
    host.requests().MVB_DDS_UP.raise();
}

void DiagnosisScreen::on_b_ddsdown_clicked()
{
    host.requests().MVB_DDS_DOWN.raise();
}

void DiagnosisScreen::on_b_ddsdown_btm_clicked()
{
    host.requests().MVB_DDS_BOTTOM.raise();
}

// ================================================================ processor choice

void DiagnosisScreen::on_diagnosis_clicked()
{
    host.serveScreen(screen::DiagnosisChoice, true);
    if (diagnosisView)
        diagnosisView->diag_radio_checked = 1;
    host.hideScreens();
    diagnosis_screen_header();
    diagnosis_screen();
}

void DiagnosisScreen::diagnosis_screen_header()
{
    if (!diagnosisView)
        return;
    diagnosisView->layoutChoiceHeader(host.hindi());
    ui::showRaised(diagnosisView->Gmenu_diagnosis);
    host.showMenuFrame(); // the menu frame's header, back and home keys
}

void DiagnosisScreen::diagnosis_screen()
{
    if (!diagnosisView)
        return;
    diagnosisView->layoutChoiceGrid(host.hindi());
    if (diagnosisView->diag_radio_checked == 1) {
        diagnosisView->clearChoice();
        diagnosisView->diag_radio_checked = 0;
    }
    host.drawKeyFocus();
}

// ================================================================ message list

void DiagnosisScreen::on_b_menudiag_ok_clicked()
{
    DiagnosisView* v = diagnosisView;
    if (!v)
        return;
    host.serveScreen(screen::DiagnosisList, true);
    v->radio_checked = v->chosenProcessor();
    if (v->radio_checked.isEmpty()) {
        host.serveScreen(screen::DiagnosisChoice);
        host.message(ui::trScreen(QT_TRANSLATE_NOOP("MainWindow", "Select any processor")), 1);
        return;
    }
    host.hideScreens();
    const bool listed = load_diagnosis();
    v->layoutList(v->radio_checked);
    ui::showRaised(v->Gdiagnostics);
    v->showBlur(false);
    if (listed) {
        selectDiagnosisRow(Total_Table_Row_DDS - 1, int(DiagnosisView::Scroll::Bottom));
        host.drawKeyFocus();
        return;
    }
    v->showBlur(true);
    // Its OK goes back to the processor choice.
    host.message(ui::trScreen(QT_TRANSLATE_NOOP("MainWindow", "No DDS Found")), 2, ui::AfterOk::DiagnosisChoice);
    host.setKeyFocus(2, 8, -1);
    host.dispatchKeys();
}

bool DiagnosisScreen::load_diagnosis()
{
    Total_Table_Row_DDS = 0;
    Table_updown_DDS = 0;
    DiagnosisView* v = diagnosisView;
    if (!v || !v->t_diagnosis)
        return false;
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
            host.XML_Insert_Data(r, c, c, 6, list.messages[r][c]);
        t->setRowHeight(r, kListRowHeight);
    }

    diagnosis_screen_active = 1;
    Total_Table_Row_DDS = t->rowCount();
    // An empty list, a missing file or an unreadable one all end in "No DDS
    // Found": the reason is on the debug stream.
    if (Total_Table_Row_DDS == 0) {
        diagnosis_screen_active = 0;
        return false;
    }
    return true;
}

void DiagnosisScreen::on_diag_top_clicked()
{
    selectDiagnosisRow(0, int(DiagnosisView::Scroll::Top));
}

void DiagnosisScreen::on_diag_up_clicked()
{
    selectDiagnosisRow(Table_updown_DDS - 1, int(DiagnosisView::Scroll::Visible));
}

void DiagnosisScreen::on_diag_down_clicked()
{
    selectDiagnosisRow(Table_updown_DDS + 1, int(DiagnosisView::Scroll::Visible));
}

void DiagnosisScreen::on_diag_bottom_clicked()
{
    selectDiagnosisRow(Total_Table_Row_DDS - 1, int(DiagnosisView::Scroll::Bottom));
}

void DiagnosisScreen::on_t_diagnosis_cellClicked(int row, int)
{
    pickDiagnosisRow(row);
}

void DiagnosisScreen::diaghandlerFunction(int value)
{
    pickDiagnosisRow(value);
}

void DiagnosisScreen::on_diag_back_clicked()
{
    host.serveScreen(screen::DiagnosisChoice, true);
    if (diagnosisView && diagnosisView->Gdiagnostics)
        diagnosisView->Gdiagnostics->hide();
    diagnosis_screen_header();
    host.drawKeyFocus();
}

// ================================================================ message details

void DiagnosisScreen::on_diag_details_clicked()
{
    DiagnosisView* v = diagnosisView;
    if (!v || Total_Table_Row_DDS <= 0)
        return; // nothing listed, nothing to detail
    host.serveScreen(screen::DiagnosisDetails, true);
    host.hideScreens();
    v->layoutDetails();
    ui::showRaised(v->Gdiag_details);
    v->showDetails(Table_updown_DDS);
    host.setKeyFocus(-1, 0, 1);
    host.dispatchKeys();
}

void DiagnosisScreen::on_diag_detailsymp_clicked()
{
    if (diagnosisView)
        diagnosisView->showTab(DiagnosisView::Tab::Symptoms, Table_updown_DDS);
    host.setKeyFocus(-1, -1, 1);
}

void DiagnosisScreen::on_diag_detailcause_clicked()
{
    if (diagnosisView)
        diagnosisView->showTab(DiagnosisView::Tab::Causes, Table_updown_DDS);
    host.setKeyFocus(-1, -1, 1);
}

void DiagnosisScreen::on_diag_detailadvice_clicked()
{
    if (diagnosisView)
        diagnosisView->showTab(DiagnosisView::Tab::Advice, Table_updown_DDS);
    host.setKeyFocus(-1, -1, 1);
}

void DiagnosisScreen::on_diag_detailsback_clicked()
{
    host.serveScreen(host.returnScreen());
    if (diagnosisView) {
        if (diagnosisView->Gdiag_details)
            diagnosisView->Gdiag_details->hide();
        ui::showRaised(diagnosisView->Gdiagnostics);
    }
    diagnosis_screen_active = 1;
    host.setKeyFocus(-1, 1, 0);
    host.dispatchKeys();
}
