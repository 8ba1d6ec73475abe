// The variable monitor's signal sets and display: "Load File" and "Save File"
// with their six slots (screens 36, 37), the set "temp" that "Display"
// writes, and the display of the monitored values (screen 38), refreshed on
// every tick from the acquisition's monitor.

#include "maintenance/variable_screen.h"

#include <QDebug>
#include <QTimer>

#include "acquisition/unknown.h"
#include "maintenance/logic/micview_set.h"
#include "maintenance/maintenance_state.h"
#include "maintenance/monitor_dialogs_view.h"
#include "maintenance/variable_view.h"
#include "ui/translated_text.h"
#include "ui/widget_writer.h"

const QString kTemp = QStringLiteral("temp");

QVector<descriptor::Row> VariableMonitorScreen::tickedRows() const
{
    const VariableMonitorScreen& w = *this;
    QVector<descriptor::Row> rows;
    for (int r : w.variableView->checked_items.rows())
        rows.append(w.variableView->rowAt(r));
    return rows;
}

// Hands the entries to the acquisition's monitor and shows the display. An
// entry the monitor cannot read truthfully is not fetched (a negative offset
// is never read) and reads unknown.
void VariableMonitorScreen::showDisplay(const QVector<micview::Entry>& entries)
{
    VariableMonitorScreen& w = *this;
    MaintenanceState* m = w.maintState;
    m->display = entries;
    m->fetched.clear();
    w.viewer.DDU_Micview_Start = 1;
    w.viewer.DDU_Micview_Data_Count = entries.size();
    for (int i = 0; i < entries.size(); ++i) {
        const micview::Fetch f = micview::fetchOf(entries[i], m->ports);
        DDU_Micview_Details_struct& d = w.viewer.DDU_Micview_Details[i];
        d = f.details;
        if (!f.valid)
            d.byte_offset = -1;
        m->fetched.append(f.valid);
    }
    w.host.bus().setSelection(w.viewer);
    w.MVBVardisplay_Create_Table(entries.size());
    w.mvbvar_display_design();
    w.variableView->showNames(entries);
    w.variableView->layoutDisplay();
    // The display covers the menu: its entries are not to be touched through it.
    w.hideGroup("Gmaint_menu");
    ui::showRaised(w.W(QStringLiteral("Gmaint_mvbvarsel")));
    w.host.serveScreen(screen::VariableSlot);
    m->error_flg = 1;
    w.mvbvarselRefresh();
    w.host.drawKeyFocus();
}

void VariableMonitorScreen::closeSlotChoice()
{
    VariableMonitorScreen& w = *this;
    w.hideGroup("Gmvbvar_loadsave");
    w.host.serveScreen(screen::Variables);
}

void VariableMonitorScreen::chooseSlot(int slot)
{
    VariableMonitorScreen& w = *this;
    if (!w.maintState)
        return;
    w.maintState->loadsave_filename = QString::number(slot);
    w.loadsave_switch();
}

// ================================================================ slot choice

void VariableMonitorScreen::on_mvbvar_loadfile_clicked()
{
    if (!maintState)
        return;
    maintState->loadsave_selct = 1;
    host.serveScreen(screen::LoadFile);
    loadsave();
}

void VariableMonitorScreen::on_mvbvar_savefile_clicked()
{
    if (!maintState)
        return;
    maintState->loadsave_selct = 2;
    host.serveScreen(screen::SaveFile);
    loadsave();
}

void VariableMonitorScreen::loadsave()
{
    if (!monitorDialogs)
        return;
    monitorDialogs->layoutLoadSave(maintState->loadsave_selct == 1);
    ui::showRaised(monitorDialogs->Gmvbvar_loadsave);
    host.drawKeyFocus();
}

void VariableMonitorScreen::on_mvbvar_cancel_clicked()
{
    closeSlotChoice();
    host.drawKeyFocus();
}

void VariableMonitorScreen::on_mvbvar_loadsave1_clicked()
{
    chooseSlot(1);
}

void VariableMonitorScreen::on_mvbvar_loadsave2_clicked()
{
    chooseSlot(2);
}

void VariableMonitorScreen::on_mvbvar_loadsave3_clicked()
{
    chooseSlot(3);
}

void VariableMonitorScreen::on_mvbvar_loadsave4_clicked()
{
    chooseSlot(4);
}

void VariableMonitorScreen::on_mvbvar_loadsave5_clicked()
{
    chooseSlot(5);
}

void VariableMonitorScreen::on_mvbvar_loadsave6_clicked()
{
    chooseSlot(6);
}

// The table stays the screen served while a set is saved (a save shows no
// display, so the display's touch regions must not take over the table).
void VariableMonitorScreen::loadsave_switch()
{
    closeSlotChoice();
    if (maintState->loadsave_selct == 1)
        DDU_Micview_Load();
    else if (maintState->loadsave_selct == 2)
        DDU_Micview_Save();
    host.drawKeyFocus();
}

// ================================================================ save

void VariableMonitorScreen::DDU_Micview_Save()
{
    if (!variableView || variableView->checked_items.count() < 1) {
        host.message(ui::trScreen(QT_TRANSLATE_NOOP("MainWindow", "No Signals Selected")), 1);
        return;
    }
    const QString path = micview::setPath(maintState->loadsave_filename);
    if (micview::askBeforeReplacing(path) && maintState->error_flg == 0) {
        // YES writes the set and reports "File Saved", or what failed.
        host.confirm(
            ui::trScreen(QT_TRANSLATE_NOOP("MainWindow", "Do you really want to replace the \n existing signals?")),
            [this] {
                QString reason;
                return file_write(&reason) ? QString() : host.fileNotSavedText(reason);
            });
        return;
    }
    QString reason;
    if (!file_write(&reason))
        host.message(host.fileNotSavedText(reason), 1);
    else if (maintState->loadsave_filename != kTemp)
        host.message(ui::trScreen(QT_TRANSLATE_NOOP("MainWindow", "File Saved")), 2);
}

// Replaces the set file with the ticked rows, atomically.
bool VariableMonitorScreen::file_write(QString* reason)
{
    const QString path = micview::setPath(maintState->loadsave_filename);
    QString error;
    if (micview::save(path, tickedRows(), &error))
        return true;
    qDebug().noquote() << "signal set: cannot write" << path << "(" + error + "); the set is left as it was";
    if (reason)
        *reason = error;
    return false;
}

// ================================================================ load and display

void VariableMonitorScreen::DDU_Micview_Load()
{
    const QString path = micview::setPath(maintState->loadsave_filename);
    const micview::SetFile set = micview::loadSet(path);
    for (const QString& line : micview::report(set, path))
        qDebug().noquote() << line;
    if (set.status != maint::ReadStatus::Ok || set.entries.isEmpty()) {
        host.serveScreen(screen::Variables);
        host.message(ui::trScreen(QT_TRANSLATE_NOOP("MainWindow", "No signals found in selected file")), 1);
        return;
    }
    showDisplay(set.entries);
    if (set.leftOut > 0)
        host.message(ui::trScreen(QT_TRANSLATE_NOOP("MainWindow", "The set holds %1 signals: the first %2 are shown"))
                         .arg(set.entries.size() + set.leftOut)
                         .arg(micview::kMaxEntries),
                     2);
}

void VariableMonitorScreen::on_mvbvar_display_clicked()
{
    if (!variableView || !maintState)
        return;
    if (variableView->checked_items.count() < 1) {
        host.message(ui::trScreen(QT_TRANSLATE_NOOP("MainWindow", "No Signals Selected")), 1);
        return;
    }
    host.serveScreen(screen::VariableSlot);
    maintState->error_flg = 1;
    maintState->loadsave_filename = kTemp;
    if (file_write()) {
        DDU_Micview_Load();
        return;
    }
    // The ticks are shown all the same, from the table itself.
    QVector<micview::Entry> entries;
    for (const descriptor::Row& r : tickedRows())
        entries.append(micview::entryOf(r));
    showDisplay(entries);
}

void VariableMonitorScreen::MVBVardisplay_Create_Table(int count)
{
    if (variableView)
        variableView->MVBVardisplay_Create_Table(count);
}

void VariableMonitorScreen::mvbvar_display_design()
{
    if (variableView)
        variableView->mvbvar_display_design();
}

void VariableMonitorScreen::on_back_clicked()
{
    hideGroup("Gmaint_mvbvarsel");
    ui::showRaised(W(QStringLiteral("Gmaint_menu")));
    host.serveScreen(screen::Variables);
    if (maintState)
        maintState->error_flg = 0;
    host.drawKeyFocus();
}

// Per tick while the display is shown: each entry's value from the pass of
// the selection shown; "--" while there is none, or the port is stale.
void VariableMonitorScreen::mvbvarselRefresh()
{
    if (!variableView)
        return;
    const bool current = host.snapshot().viewer_version == host.bus().selectionVersion();
    const int count = qBound(0, viewer.DDU_Micview_Data_Count, DDU_MICVIEW_MAX);
    QStringList values;
    for (int i = 0; i < count; ++i) {
        const bool fetched = !maintState || i >= maintState->fetched.size() || maintState->fetched[i];
        const QString& v = host.snapshot().DDU_Micview_Data[i];
        values << (fetched && current && !isUnknown(v) ? v : QString());
    }
    variableView->updateValues(values);
}
