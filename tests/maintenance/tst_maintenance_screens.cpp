// The maintenance screens, offscreen: the menu, the variable table filled
// by the descriptor thread, ticks, the three filters, the signal sets with
// their overwrite question, the display of monitored values, the telegram
// and freshness screens. Driven through their buttons and slots, read back
// from their named widgets; bus values are published into the window's
// exchange by hand (no acquisition runs).

#include <QAbstractButton>
#include <QDir>
#include <QFile>
#include <QFontMetrics>
#include <QLabel>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

#include "app/mainwindow.h"
#include "maintenance/logic/descriptor.h"
#include "maintenance/logic/load_thread.h"
#include "maintenance/logic/micview_set.h"
#include "maintenance/maintenance_menu_screen.h"
#include "maintenance/maintenance_state.h"
#include "maintenance/monitor_dialogs_view.h"
#include "maintenance/telegram_screen.h"
#include "maintenance/telegram_view.h"
#include "maintenance/variable_screen.h"
#include "maintenance/variable_view.h"
#include "screens/message_box_screen.h"
#include "tests/support/environment.h"
#include "tests/support/window.h"
#include "ui/resources.h"

namespace {

using Window = std::unique_ptr<MainWindow>;

void tap(MainWindow& w, const char* name)
{
    auto* b = w.W<QAbstractButton>(QLatin1String(name));
    QVERIFY2(b, name);
    b->click();
}

QString text(MainWindow& w, const char* name)
{
    auto* l = w.W<QLabel>(QLatin1String(name));
    return l ? l->text() : QStringLiteral("<no label %1>").arg(QLatin1String(name));
}

QString cell(QTableWidget* t, int row, int column)
{
    const QTableWidgetItem* item = t ? t->item(row, column) : nullptr;
    return item ? item->text() : QString();
}

QStringList visibleNames(MainWindow& w)
{
    QTableWidget* t = w.variableMonitor->variableView->t_mvbvar;
    QStringList names;
    for (int r = 0; r < t->rowCount(); ++r)
        if (!t->isRowHidden(r))
            names << cell(t, r, descriptor::SignalName);
    return names;
}

void tick(MainWindow& w, int row)
{
    w.variableMonitor->on_t_mvbvar_cellClicked(row, 0);
}

// The message box's text while it is shown ("" when it is not).
QString dialog(MainWindow& w)
{
    return w.isShown(QStringLiteral("Gmessage")) ? text(w, "err_txt") : QString();
}

} // namespace

class TestMaintenanceScreens : public QObject {
    Q_OBJECT

    testsupport::TestRoot m_root;
    QVector<descriptor::Row> m_rows; // the descriptor we ship

    // A window of the unit mounted in `cab`.
    static Window makeWindow(int cab = 1)
    {
        auto w = testsupport::makeWindow();
        w->exchange.requests.Selected_CAB_Type = cab;
        return w;
    }

    // The variable table of a new window, filled.
    Window withTable()
    {
        auto w = makeWindow();
        w->variableMonitor->on_mvbvariables_clicked();
        [&] { QTRY_COMPARE_WITH_TIMEOUT(w->variableMonitor->variableView->loading, false, 30000); }();
        return w;
    }

    // A pass of the acquisition for the window's current selection.
    static void publish(MainWindow& w, const std::function<void(SignalStore&)>& fill)
    {
        SignalStore s = w.exchange.snapshot();
        s.viewer_version = w.exchange.selectionVersion();
        s.port_buffer_count = w.maintState->viewer.port_buffer_count;
        fill(s);
        w.exchange.publish(s);
        w.guiupdate_fun();
    }

private slots:
    void initTestCase()
    {
        QVERIFY(m_root.isValid());
        QDir root(m_root.path());
        QVERIFY(root.mkpath(QStringLiteral("file/master")) && root.mkpath(QStringLiteral("file/micview")));
        QVERIFY(QFile::copy(qEnvironmentVariable("DDU_SOURCE_DIR") + "/data/master/zav_port.xml",
                            root.filePath(QStringLiteral("file/master/zav_port.xml"))));
        QFile d(root.filePath(QStringLiteral("file/master/zav_descriptor.xml")));
        QVERIFY(d.open(QIODevice::WriteOnly) && d.write(descriptor::generate()) > 0);
        m_rows = descriptor::portMapRows();
    }

    void viewsFindTheirWidgets()
    {
        auto w = makeWindow();
        QCOMPARE(w->telegramScreen->telegramView->resolve(w.get()), QStringList());
        QCOMPARE(w->variableMonitor->variableView->resolve(w.get()), QStringList());
        QCOMPARE(w->variableMonitor->monitorDialogs->resolve(w.get()), QStringList());
        w->maintenanceMenu->maintenance();
        QCOMPARE(w->screen_id, screen::MaintenanceMenu);
        QVERIFY(w->isShown(QStringLiteral("Gmaint_menu")) && w->isShown(QStringLiteral("Gmaint_footer")));
        QCOMPARE(text(*w, "lmaint_cab"), QStringLiteral("CAB 1"));
    }

    // The descriptor thread fills the table while the GUI keeps running; the
    // second visit shows the same table without loading again.
    void descriptorFillsTheTable()
    {
        auto w = makeWindow();
        w->variableMonitor->on_mvbvariables_clicked();
        QCOMPARE(w->screen_id, screen::Variables);
        QCOMPARE(text(*w, "mvbvar_header"), QStringLiteral("MVB PROCESS VARIABLES"));
        QVERIFY(w->statusLabel->isVisible());
        QCOMPARE(w->statusLabel->text(), QStringLiteral("Loading..."));
        QTRY_COMPARE_WITH_TIMEOUT(w->variableMonitor->variableView->loading, false, 30000);
        QVERIFY(!w->statusLabel->isVisible() && !w->isShown(QStringLiteral("Gpassword_blur")));
        QTableWidget* t = w->variableMonitor->variableView->t_mvbvar;
        QVERIFY(t->isVisible());
        QCOMPARE(w->maintState->Total_Table_Row_Variables, m_rows.size());
        QCOMPARE(t->rowCount(), m_rows.size());
        for (int r : {0, int(m_rows.size()) / 2, int(m_rows.size()) - 1})
            for (int c = descriptor::Telegram; c < descriptor::ColumnCount; ++c)
                QCOMPARE(cell(t, r, c), m_rows[r][c]);
        QCOMPARE(w->maintState->Table_updown_Variables, 0);

        w->maintenanceMenu->maintenance();
        Load_Thread* first = w->variableMonitor->loadThread;
        w->variableMonitor->on_mvbvariables_clicked();
        QVERIFY(t->isVisible() && !w->statusLabel->isVisible());
        QCOMPARE(w->variableMonitor->loadThread, first);
        QCOMPARE(t->rowCount(), m_rows.size());
    }

    // A descriptor that is not there: the screen says so and the next visit
    // tries again.
    void missingDescriptor()
    {
        const QString path = m_root.filePath(QStringLiteral("file/master/zav_descriptor.xml"));
        QVERIFY(QFile::rename(path, path + ".away"));
        auto w = makeWindow();
        w->variableMonitor->on_mvbvariables_clicked();
        QTRY_COMPARE_WITH_TIMEOUT(w->variableMonitor->variableView->loading, false, 30000);
        QCOMPARE(w->maintState->Total_Table_Row_Variables, 0);
        QCOMPARE(dialog(*w), QStringLiteral("No signals found in the signal descriptor"));
        w->messageBox->on_ok_clicked();
        QVERIFY(QFile::rename(path + ".away", path));
        w->maintenanceMenu->maintenance();
        w->variableMonitor->on_mvbvariables_clicked();
        QTRY_COMPARE_WITH_TIMEOUT(w->maintState->Total_Table_Row_Variables, m_rows.size(), 30000);
    }

    // At most twenty ticks; the count is shown; Clear Selection unticks all.
    void ticks()
    {
        auto w = withTable();
        VariableView* v = w->variableMonitor->variableView;
        for (int r = 0; r < 21; ++r)
            tick(*w, r);
        QCOMPARE(v->checked_items.count(), 20);
        QVERIFY(v->ticked(19) && !v->ticked(20));
        QCOMPARE(text(*w, "mvbvar_selvar"), QStringLiteral("20"));
        QCOMPARE(w->maintState->Table_updown_Variables, 20);
        tick(*w, 3);
        QVERIFY(!v->ticked(3));
        QCOMPARE(text(*w, "mvbvar_selvar"), QStringLiteral("19"));
        tap(*w, "mvbvar_clearsel");
        QCOMPARE(v->checked_items.count(), 0);
        for (int r = 0; r < 21; ++r)
            QVERIFY(!v->ticked(r));

        // By keys: the last place of the screen's keys is the selected row's
        // tick; ENTER ticks it and ticks it off again, as a finger does.
        const auto press = [&w](const char* code) {
            w->feedKeypad(QByteArray("$,") + code + ",");
            w->guiupdate_fun();
        };
        w->Keyboard_Key_Global_Reset();
        w->Key_Pressed_Function();
        press("08"); // Up from the first key wraps to the tick
        QCOMPARE(w->lastFocusMap(), QStringLiteral("mvb_variables"));
        QVERIFY(w->isShown("cell_focus"));
        const int row = w->maintState->Table_updown_Variables;
        press("10");
        QVERIFY(v->ticked(row));
        press("10");
        QVERIFY(!v->ticked(row));
    }

    void filters()
    {
        auto w = withTable();
        auto telegramsOf = [&] {
            QSet<QString> t;
            for (int r = 0; r < w->variableMonitor->variableView->t_mvbvar->rowCount(); ++r)
                if (!w->variableMonitor->variableView->t_mvbvar->isRowHidden(r))
                    t << cell(w->variableMonitor->variableView->t_mvbvar, r, descriptor::Telegram);
            return t;
        };

        // Processor: SLG1 and BUR2 only; none at all is refused.
        tap(*w, "mvbvar_filter");
        QCOMPARE(w->screen_id, screen::VariableFilter);
        tap(*w, "proc_filter");
        QCOMPARE(w->screen_id, screen::ProcessorFilter);
        // A ticked box draws the tick image: its style names the image's path,
        // which is known only once the data root is (not when styles are made).
        QVERIFY(!Dir_rms_img_Tick.isEmpty());
        const QString tick = QStringLiteral("url(%1)").arg(Dir_rms_img_Tick);
        QVERIFY(w->variableMonitor->monitorDialogs->fcheck[0]->styleSheet().contains(tick));
        QVERIFY(w->variableMonitor->monitorDialogs->fcheck[0]->isChecked()); // "ALL" before the first filter
        w->variableMonitor->monitorDialogs->fcheck[0]->click();
        tap(*w, "filter_ok");
        QCOMPARE(dialog(*w), QStringLiteral("Select ALL/atleast one processor"));
        w->messageBox->on_ok_clicked();
        QCOMPARE(w->screen_id, screen::ProcessorFilter);
        w->variableMonitor->monitorDialogs->fcheck[12]->click(); // SLG1
        w->variableMonitor->monitorDialogs->fcheck[17]->click(); // BUR2
        tap(*w, "filter_ok");
        QCOMPARE(w->screen_id, screen::Variables);
        QCOMPARE(telegramsOf(), (QSet<QString>{"SLG1-3700", "SLG1-3710", "SLG1-3720", "BUR2-3950"}));
        QVERIFY(!w->variableMonitor->variableView->rowHidden(w->maintState->Table_updown_Variables));
        tap(*w, "mvbvar_filter");
        tap(*w, "proc_filter");
        QVERIFY(w->variableMonitor->monitorDialogs->fcheck[12]->isChecked() &&
                !w->variableMonitor->monitorDialogs->fcheck[0]->isChecked());
        w->variableMonitor->monitorDialogs->fcheck[0]->click(); // ALL unticks the others
        QVERIFY(!w->variableMonitor->monitorDialogs->fcheck[12]->isChecked());
        tap(*w, "filter_ok");
        QCOMPARE(visibleNames(*w).size(), m_rows.size());

        // Telegram: the port 3110 alone ("-3110", not "-31100").
        tap(*w, "mvbvar_filter");
        tap(*w, "tele_filter");
        QCOMPARE(w->screen_id, screen::TelegramFilter);
        QVERIFY(w->variableMonitor->monitorDialogs->filtertelegram_all->styleSheet().contains(tick));
        QVERIFY(w->variableMonitor->monitorDialogs->allTicked());
        QTableWidget* ports = w->variableMonitor->monitorDialogs->t_MVBfiltertelegram;
        int row3110 = -1;
        for (int r = 0; r < ports->rowCount(); ++r)
            if (cell(ports, r, 1) == QLatin1String("3110"))
                row3110 = r;
        QVERIFY(row3110 >= 0);
        w->variableMonitor->on_t_MVBfiltertelegram_cellClicked(row3110, 0);
        QVERIFY(!w->variableMonitor->monitorDialogs->allTicked());
        tap(*w, "ok_btn");
        QCOMPARE(telegramsOf(), QSet<QString>{"FLG1-3110"});

        // Signal name, typed on the keyboard, case ignored.
        tap(*w, "mvbvar_filter");
        tap(*w, "signalname_filter");
        QCOMPARE(w->screen_id, screen::SignalSearch);
        QVERIFY(w->isShown(QStringLiteral("keypad_groupbox")));
        for (const char* k : {"keybutton_S", "keybutton_P", "keybutton_E", "keybutton_E", "keybutton_D"})
            tap(*w, k);
        tap(*w, "keybutton_submit");
        QCOMPARE(text(*w, "signal_textlabel").toLower(), QStringLiteral("speed"));
        tap(*w, "Search_button");
        QCOMPARE(w->screen_id, screen::Variables);
        const QStringList names = visibleNames(*w);
        QVERIFY(names.contains(QStringLiteral("FLG1_D50_XSpeedLoco")));
        for (const QString& n : names)
            QVERIFY2(n.contains(QLatin1String("speed"), Qt::CaseInsensitive), qPrintable(n));
    }

    // Five signals saved, then three into the same slot: asked first, NO
    // keeps the five, YES leaves exactly three, which load back.
    void saveAndLoadSets()
    {
        auto w = withTable();
        VariableView* v = w->variableMonitor->variableView;
        const QString slot4 = micview::setPath(QStringLiteral("4"));
        QFile::remove(slot4);
        tap(*w, "mvbvar_savefile");
        QCOMPARE(w->screen_id, screen::SaveFile);
        tap(*w, "mvbvar_loadsave4");
        QCOMPARE(dialog(*w), QStringLiteral("No Signals Selected"));
        w->messageBox->on_ok_clicked();
        QVERIFY(!QFile::exists(slot4));

        for (int r = 0; r < 5; ++r)
            tick(*w, r * 7);
        tap(*w, "mvbvar_savefile");
        tap(*w, "mvbvar_loadsave4");
        QCOMPARE(dialog(*w), QStringLiteral("File Saved")); // nothing to replace: no question
        w->messageBox->on_ok_clicked();
        QCOMPARE(micview::loadSet(slot4).entries.size(), 5);

        tap(*w, "mvbvar_clearsel");
        for (int r : {3, 9, 40})
            tick(*w, r);
        tap(*w, "mvbvar_savefile");
        tap(*w, "mvbvar_loadsave4");
        QCOMPARE(dialog(*w), QStringLiteral("Do you really want to replace the \n existing signals?"));
        w->messageBox->on_no_clicked();
        QCOMPARE(micview::loadSet(slot4).entries.size(), 5);
        QCOMPARE(w->screen_id, screen::Variables); // back to the table the question covered

        tap(*w, "mvbvar_savefile");
        tap(*w, "mvbvar_loadsave4");
        w->messageBox->on_ok_clicked(); // YES
        QCOMPARE(dialog(*w), QStringLiteral("File Saved"));
        w->messageBox->on_ok_clicked();
        const micview::SetFile saved = micview::loadSet(slot4);
        QCOMPARE(saved.entries.size(), 3);
        QCOMPARE(saved.entries[2].name, m_rows[40][descriptor::SignalName]);

        tap(*w, "mvbvar_loadfile");
        QCOMPARE(w->screen_id, screen::LoadFile);
        tap(*w, "mvbvar_loadsave4");
        QCOMPARE(w->screen_id, screen::VariableSlot);
        QVERIFY(w->isShown(QStringLiteral("Gmaint_mvbvarsel")));
        QCOMPARE(w->maintState->viewer.DDU_Micview_Data_Count, 3);
        QCOMPARE(cell(v->t_mvbvarsel1, 1, 0).trimmed(), m_rows[9][descriptor::SignalName]);
        tap(*w, "back");
        QCOMPARE(w->screen_id, screen::Variables);

        QFile::remove(micview::setPath(QStringLiteral("6")));
        tap(*w, "mvbvar_loadfile");
        tap(*w, "mvbvar_loadsave6");
        QCOMPARE(dialog(*w), QStringLiteral("No signals found in selected file"));
    }

    // Twelve signals: ten on the left, two on the right; each value from the
    // acquisition's pass of this selection, unknown ("--") before and while
    // the port is stale.
    void displayOfMonitoredValues()
    {
        auto w = withTable();
        VariableView* v = w->variableMonitor->variableView;
        for (int r = 0; r < 12; ++r)
            tick(*w, r);
        tap(*w, "mvbvar_display");
        QCOMPARE(w->screen_id, screen::VariableSlot);
        QCOMPARE(micview::loadSet(micview::setPath(QStringLiteral("temp"))).entries.size(), 12);
        QVERIFY(!w->isShown(QStringLiteral("Gmessage"))); // temp is saved without a word
        QCOMPARE(w->maintState->viewer.DDU_Micview_Start, 1);
        QCOMPARE(w->maintState->viewer.DDU_Micview_Data_Count, 12);
        QCOMPARE(cell(v->t_mvbvarsel1, 9, 0).trimmed(), m_rows[9][descriptor::SignalName]);
        QCOMPARE(cell(v->t_mvbvarsel2, 1, 0).trimmed(), m_rows[11][descriptor::SignalName]);
        QCOMPARE(cell(v->t_mvbvarsel2, 2, 0), QString());
        QCOMPARE(cell(v->t_mvbvarsel1, 0, 1), QStringLiteral("--"));

        publish(*w, [](SignalStore& s) {
            for (int i = 0; i < 12; ++i)
                s.DDU_Micview_Data[i] = QString::number(i * 11);
            s.DDU_Micview_Data[4] = QStringLiteral("????");
        });
        QCOMPARE(cell(v->t_mvbvarsel1, 3, 1), QStringLiteral("33"));
        QCOMPARE(cell(v->t_mvbvarsel1, 4, 1), QStringLiteral("--"));
        QCOMPARE(v->t_mvbvarsel1->item(4, 1)->foreground().color(), QColor(0x59, 0x59, 0x59));
        QCOMPARE(cell(v->t_mvbvarsel2, 1, 1), QStringLiteral("121"));
        // A pass made for an older selection is not shown.
        w->exchange.setSelection(w->maintState->viewer);
        w->guiupdate_fun();
        QCOMPARE(cell(v->t_mvbvarsel1, 3, 1), QStringLiteral("--"));
    }

    // The telegram screen shows the selected port's words as bits, bytes
    // and words, in bus order; the selection and the view reach the
    // acquisition.
    void telegramScreen()
    {
        auto w = makeWindow();
        w->maintenanceMenu->maintenance();
        tap(*w, "mvbtelegram");
        QCOMPARE(w->screen_id, screen::Telegram);
        QCOMPARE(text(*w, "mvbtele_header"), QStringLiteral("MVB TELEGRAM"));
        QTableWidget* ports = w->telegramScreen->telegramView->tmvbtelegram;
        QTableWidget* details = w->telegramScreen->telegramView->tmvbtelegram_details;
        QCOMPARE(ports->rowCount(), 51);
        QCOMPARE(cell(ports, 0, 0), QStringLiteral("3100"));
        tap(*w, "bmvbtele_down");
        QCOMPARE(w->maintState->Table_updown_Telegram, 1);
        QCOMPARE(text(*w, "mvbtele_portname_value"), QStringLiteral("3110"));
        QCOMPARE(text(*w, "mvbtele_porttype_value"), QStringLiteral("Sink Port"));
        QCOMPARE(w->maintState->viewer.port_buffer_view, 1);
        QCOMPARE(w->maintState->viewer.Table_updown_Telegram, 1);
        QCOMPARE(cell(details, 16, 0), QStringLiteral("0X1E")); // F-code 4: 16 words
        QCOMPARE(cell(details, 1, 1), QStringLiteral("--"));

        publish(*w, [](SignalStore& s) {
            s.Telegram_Details[1].telegram = 3110;
            s.Telegram_Details[1].freshness = 16;
            s.port_buffer_port = 3110;
            std::fill(std::begin(s.port_buffer), std::end(s.port_buffer), 0);
            s.port_buffer[0] = 0x5A3C;
            s.port_buffer[1] = 0x1234;
        });
        QCOMPARE(text(*w, "mvbtele_fress_value"), QStringLiteral("16"));
        QCOMPARE(cell(details, 1, 1), QStringLiteral("01011010   00111100"));
        tap(*w, "bmvbtele_byte");
        QCOMPARE(cell(details, 0, 1), QStringLiteral("00  01  02  03  04  05  06  07"));
        QCOMPARE(cell(details, 1, 1), QStringLiteral("5A  3C  12  34  00  00  00  00"));
        QCOMPARE(cell(details, 5, 0), QString()); // four rows of eight bytes
        // Every byte is drawn: the row fits its column, nothing elided.
        for (int r = 0; r <= 4; ++r) {
            const QTableWidgetItem* item = details->item(r, 1);
            QVERIFY2(QFontMetrics(item->font()).horizontalAdvance(item->text()) <= details->columnWidth(1) - 6,
                     qPrintable(item->text()));
        }
        tap(*w, "bmvbtele_word");
        QCOMPARE(cell(details, 1, 1), QStringLiteral("5A3C  1234  0000  0000"));

        // A stale port shows no words.
        publish(*w, [](SignalStore& s) { s.Telegram_Details[1].freshness = 12000; });
        QCOMPARE(text(*w, "mvbtele_fress_value"), QStringLiteral("--"));
        QCOMPARE(cell(details, 1, 1), QStringLiteral("--"));

        tap(*w, "bmvbtele_bottm");
        QCOMPARE(w->maintState->Table_updown_Telegram, 50);
        tap(*w, "bmvbtele_down");
        QCOMPARE(w->maintState->Table_updown_Telegram, 50);
    }

    // Only the output port this display writes is a source.
    void outputPortsByCab_data()
    {
        QTest::addColumn<int>("cab");
        QTest::addColumn<QString>("port3015");
        QTest::addColumn<QString>("port3201");
        QTest::newRow("cab 1") << 1 << "Source Port"
                               << "Sink Port";
        QTest::newRow("cab 2") << 2 << "Sink Port"
                               << "Source Port";
    }

    void outputPortsByCab()
    {
        QFETCH(int, cab);
        QFETCH(QString, port3015);
        QFETCH(QString, port3201);
        auto w = makeWindow(cab);
        w->maintenanceMenu->maintenance();
        tap(*w, "mvbtelegram");
        QTableWidget* ports = w->telegramScreen->telegramView->tmvbtelegram;
        QMap<QString, QString> direction;
        for (int r = 0; r < ports->rowCount(); ++r)
            direction[cell(ports, r, 0)] = cell(ports, r, 1);
        QCOMPARE(direction.value("3015"), port3015);
        QCOMPARE(direction.value("3201"), port3201);
        QCOMPARE(direction.value("3100"), QStringLiteral("Sink Port"));
        QCOMPARE(text(*w, "lmaint_cab"), QStringLiteral("CAB %1").arg(cab));
    }

    // Freshness and maximum of every port from the pass; Reset Max empties
    // the column at once and asks the acquisition to start again.
    void freshnessScreen()
    {
        auto w = makeWindow();
        w->maintenanceMenu->maintenance();
        tap(*w, "mvbfreshness");
        QCOMPARE(w->screen_id, screen::Freshness);
        QTableWidget* t = w->telegramScreen->telegramView->tmvbfreshness;
        QCOMPARE(t->rowCount(), 51);
        publish(*w, [&](SignalStore& s) {
            for (int i = 0; i < 51; ++i) {
                s.Telegram_Details[i].telegram = cell(t, i, 0).toInt();
                s.Telegram_Details[i].freshness = 10 + i;
                s.Telegram_Details[i].max_freshness = 100 + i;
            }
            s.Telegram_Details[2].freshness = 10000;
            s.Telegram_Details[2].max_freshness = 10000;
        });
        QCOMPARE(cell(t, 0, 1), QStringLiteral("10"));
        QCOMPARE(cell(t, 0, 2), QStringLiteral("100"));
        QCOMPARE(cell(t, 2, 1), QStringLiteral("--"));
        QCOMPARE(cell(t, 2, 2), QStringLiteral("stale"));
        QCOMPARE(cell(t, 50, 2), QStringLiteral("150"));
        tap(*w, "bmvbfreh_reset");
        QCOMPARE(cell(t, 0, 2), QString());
        QCOMPARE(cell(t, 0, 1), QStringLiteral("10"));
        tap(*w, "bmvbfreh_down");
        tap(*w, "bmvbfreh_down");
        QCOMPARE(w->maintState->Table_updown_Freshness, 2);
        QCOMPARE(t->item(2, 1)->background().color(), QColor(29, 65, 74, 135));
    }
};

QTEST_MAIN(TestMaintenanceScreens)
#include "tst_maintenance_screens.moc"
