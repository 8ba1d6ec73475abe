// The DDS screen and the diagnosis records screens of the window, offscreen:
// driven through their slots, the keypad dispatcher and touches, read back
// from their named widgets. The DDS thread is stopped and converted by hand,
// so every record the screen sees is the test's.

#include <QAbstractButton>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QRadioButton>
#include <QRegularExpression>
#include <QScrollBar>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <functional>
#include <memory>

#include "app/mainwindow.h"
#include "diagnostics/pixy_thread.h"
#include "input/navigation.h"
#include "screens/dds_view.h"
#include "screens/diagnosis_view.h"
#include "tests/diagnosis/sample_reference.h"

namespace {

using Window = std::unique_ptr<MainWindow>;
using Raw = DDU_RAW_DATA_struct[DDU_RAW_DATA_COUNT];

const QColor kSelected(29, 65, 74, 135);
const QColor kPlain(0, 0, 0);
const QString kTabPressed =
    QStringLiteral("font: bold 22pt DejaVu Sans;background-color: rgba(241, 241, 195, 150);color: rgb(0,0,0);");
const QString kTabOther =
    QStringLiteral("font: bold 22pt DejaVu Sans;background-color: rgb(41, 36, 36);color: rgb(102,102,102);");

QString text(MainWindow& w, const char* name)
{
    if (auto* l = w.W<QLabel>(QLatin1String(name)))
        return l->text();
    if (auto* b = w.W<QAbstractButton>(QLatin1String(name)))
        return b->text();
    return QStringLiteral("<no widget %1>").arg(QLatin1String(name));
}

QStringList cells(QTableWidget* t, int column)
{
    QStringList out;
    for (int r = 0; r < t->rowCount(); ++r)
        out << (t->item(r, column) ? t->item(r, column)->text() : QString());
    return out;
}

// The rows painted as selected.
QList<int> selectedRows(QTableWidget* t)
{
    QList<int> rows;
    for (int r = 0; r < t->rowCount(); ++r) {
        const QColor bg = t->item(r, 0)->background().color();
        if (bg == kSelected)
            rows << r;
        else if (bg != kPlain)
            rows << -1 - r; // neither look
    }
    return rows;
}

} // namespace

class TestDiagnosisScreens : public QObject {
    Q_OBJECT

    QTemporaryDir m_root;
    Raw m_raw{};

    QString referencePath() const { return m_root.filePath(QStringLiteral("file/master/zav_DDSMessages_details.xml")); }

    void writeReference(const QByteArray& content)
    {
        QFile f(referencePath());
        QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        QCOMPARE(f.write(content), content.size());
    }

    Window makeWindow()
    {
        StartOptions o;
        o.noMvb = true;
        auto w = std::make_unique<MainWindow>(nullptr, o);
        w->timer1->stop();
        w->timer2->stop();
        w->keyClicksAnimated = false;
        // The records come from the test: the thread is stopped and its
        // conversions are run by hand.
        w->pixyThread->stop();
        w->pixyThread->wait();
        w->pixyThread->setRawSource([this](Raw& raw) { std::copy(std::begin(m_raw), std::end(m_raw), raw); });
        w->show();
        return w;
    }

    static QTableWidget* table(MainWindow& w, const char* name) { return w.W<QTableWidget>(QLatin1String(name)); }
    static bool shown(MainWindow& w, const char* name) { return w.isShown(QLatin1String(name)); }

    // The list of `processor`, opened from the main menu as a user would.
    static void openList(MainWindow& w, const char* processor)
    {
        w.on_menu_clicked();
        w.W<QAbstractButton>(QStringLiteral("diagnosis"))->click();
        if (processor)
            w.W<QRadioButton>(QStringLiteral("r_") + QString::fromLatin1(processor).toLower())->click();
        w.W<QAbstractButton>(QStringLiteral("b_menudiag_ok"))->click();
    }

    static void tap(MainWindow& w, const char* name) { w.W<QAbstractButton>(QLatin1String(name))->click(); }

private slots:
    void initTestCase()
    {
        QVERIFY(m_root.isValid());
        qputenv("DDU_ROOT", m_root.path().toLocal8Bit());
        qputenv("DDU_MVB_DEVICE", "/nonexistent/ttyMVB");
        qputenv("DDU_KEYPAD_DEVICE", "/nonexistent/ttyKEY");
        qputenv("DDU_TOUCH_DEVICE", "/nonexistent/ttyTOUCH");
        if (qEnvironmentVariableIsEmpty("DDU_SHELL_LOG"))
            qputenv("DDU_SHELL_LOG", m_root.filePath(QStringLiteral("shell.log")).toLocal8Bit());
        QVERIFY(QDir(m_root.path()).mkpath(QStringLiteral("file/master")));
    }

    void init()
    {
        writeReference(sample::kReference);
        std::fill(std::begin(m_raw), std::end(m_raw), DDU_RAW_DATA_struct{});
    }

    // Every widget the views draw exists under its name and kind.
    void viewsFindTheirWidgets()
    {
        auto w = makeWindow();
        auto* dds = w->findChild<DdsView*>(QStringLiteral("ddsView"));
        QVERIFY(dds && w->diagnosisView);
        QCOMPARE(dds->resolve(w.get()), QStringList());
        QCOMPARE(w->diagnosisView->resolve(w.get()), QStringList());
        QCOMPARE(DdsView::widgetNames().size(), 9);
        QCOMPARE(DiagnosisView::widgetNames().size(), 27 + 21);
    }

    // ------------------------------------------------------------ DDS screen

    void ddsScreenOpens()
    {
        auto w = makeWindow();
        tap(*w, "diagnostic_process");
        QCOMPARE(w->screen_id, 22);
        QCOMPARE(w->screen_id_old, 1);
        QVERIFY(shown(*w, "G_DDSscreen"));
        QVERIFY(!shown(*w, "b_dbtousb") && !shown(*w, "b_details"));
        QCOMPARE(text(*w, "l_diagnosis"), QStringLiteral("DIAGNOSIS"));
        QTableWidget* t = table(*w, "t_DDStable");
        QCOMPARE(t->geometry(), QRect(20, 60, 898, 448));
        QCOMPARE(t->rowCount(), 4);
        QStringList headers;
        for (int c = 0; c < 4; ++c)
            headers << t->horizontalHeaderItem(c)->text();
        QCOMPARE(headers, (QStringList{"Ref. No.", "Date/Time", "Processor", "Fault Message"}));
        // The keypad serves the screen's buttons first.
        QCOMPARE(w->lastFocusMap(), QStringLiteral("dds"));
        QCOMPARE(w->key_press_count, 0);
    }

    // A converted record is drawn on the next refresh; a row whose record did
    // not change is not written again.
    void ddsRowsRewrittenOnlyWhenChanged()
    {
        auto w = makeWindow();
        QTableWidget* t = table(*w, "t_DDStable");
        m_raw[0].event_number_raw = 1234;
        m_raw[0].device_number = 0;
        m_raw[0].fault_number = 92;
        m_raw[0].datetime1 = 24414;
        m_raw[0].datetime2 = 4096;
        m_raw[2].event_number_raw = 77;
        m_raw[2].device_number = 10;
        m_raw[2].fault_number = 10;
        QCOMPARE(w->pixyThread->convertOnce(), 2);
        w->guiupdate_fun(); // the screen is not shown: nothing drawn, nothing lost
        QCOMPARE(cells(t, 0), QStringList(4, QString()));

        tap(*w, "diagnostic_process"); // draws what is pending at once
        QCOMPARE(cells(t, 0), (QStringList{"1234", "", "77", ""}));
        QCOMPARE(cells(t, 2), (QStringList{"FLG1", "", "HBB2", ""}));
        QCOMPARE(cells(t, 3), (QStringList{"Alarm chain pulling", "", "Unknown Message 10", ""}));
        QCOMPARE(t->item(0, 1)->text(),
                 QDateTime::fromSecsSinceEpoch(1600000000).toString(QStringLiteral("dd/MM/yyyy HH:mm:ss")));
        QCOMPARE(t->item(0, 0)->textAlignment(), int(Qt::AlignCenter));

        // Mark every cell: a row written again loses its marks.
        for (int r = 0; r < 4; ++r)
            for (int c = 0; c < 4; ++c)
                t->item(r, c)->setText(QStringLiteral("mark"));
        QCOMPARE(w->pixyThread->convertOnce(), 0);
        w->guiupdate_fun();
        QCOMPARE(cells(t, 0), QStringList(4, QStringLiteral("mark")));

        m_raw[2].fault_number = 5; // the same event with another code
        QCOMPARE(w->pixyThread->convertOnce(), 1);
        w->guiupdate_fun();
        QCOMPARE(cells(t, 0), (QStringList{"mark", "mark", "77", "mark"}));
        QCOMPARE(t->item(2, 3)->text(), QStringLiteral("MCB of compressor 2 open"));
    }

    void pagingButtonsRaiseTheirRequest_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<int>("request");
        QTest::newRow("top") << "b_ddsup_top" << 0;
        QTest::newRow("up") << "b_ddsup" << 1;
        QTest::newRow("down") << "b_ddsdown" << 2;
        QTest::newRow("bottom") << "b_ddsdown_btm" << 3;
    }
    void pagingButtonsRaiseTheirRequest()
    {
        QFETCH(QString, button);
        QFETCH(int, request);
        auto w = makeWindow();
        tap(*w, "diagnostic_process");
        BusRequests& q = w->exchange.requests;
        RequestPulse* pulses[4] = {&q.MVB_DDS_TOP, &q.MVB_DDS_UP, &q.MVB_DDS_DOWN, &q.MVB_DDS_BOTTOM};
        pulses[request]->advance(0); // an earlier press that ran out: the counter restarts
        w->W<QAbstractButton>(button)->click();
        for (int k = 0; k < 4; ++k) {
            QCOMPARE(pulses[k]->on(), k == request);
            if (k == request)
                QCOMPARE(pulses[k]->count(), 0);
        }
        QVERIFY(!q.MVB_Fault_ACK.on());
    }

    // The auxiliary keys page as the buttons do; Enter presses the focused one.
    void keypadPagesTheWindow()
    {
        auto w = makeWindow();
        tap(*w, "diagnostic_process");
        BusRequests& q = w->exchange.requests;
        w->keys.Keyboard_Pixy_Down_Pressed = true;
        w->Key_Pressed_Function();
        QVERIFY(q.MVB_DDS_DOWN.on() && !q.MVB_DDS_UP.on());
        w->keys.Keyboard_Pixy_UP_Pressed = true;
        w->Key_Pressed_Function();
        QVERIFY(q.MVB_DDS_UP.on());
        q.MVB_DDS_UP.clear();
        w->keys.Keyboard_Down_Pressed = true; // from the first button to the second (up)
        w->Key_Pressed_Function();
        w->keys.Keyboard_Enter_Pressed = true;
        w->Key_Pressed_Function();
        QVERIFY(q.MVB_DDS_UP.on() && !q.MVB_DDS_TOP.on());
    }

    // ------------------------------------------------------------ processor choice

    void choiceScreenOpens()
    {
        auto w = makeWindow();
        w->on_menu_clicked();
        tap(*w, "diagnosis");
        QCOMPARE(w->screen_id, 14);
        QVERIFY(shown(*w, "Gmenu_diagnosis") && shown(*w, "Gdiag_radio"));
        QVERIFY(shown(*w, "menuscreen_back") && shown(*w, "menuscreen_home"));
        QCOMPARE(text(*w, "menuscreen_header"), QStringLiteral("DIAGNOSIS RECORDS"));
        QCOMPARE(text(*w, "l_menudiag_selproc"), QStringLiteral("SELECT A PROCESSOR"));
        QStringList labels;
        for (int i = 0; i < DiagnosisView::kProcessorCount; ++i)
            labels << text(*w, qPrintable(DiagnosisView::radioName(i)));
        QCOMPARE(labels,
                 (QStringList{"FLG1", "FLG2", "HBB1", "HBB2", "FBV1", "FBV2", "DDA1", "DDA2", "STB1", "STB2", "ASC1",
                              "ASC2", "NSC1", "NSC2", "SLG1", "SLG2", "DIA1", "BUR1", "BUR2", "BUR3", "ZBV1"}));
        QCOMPARE(w->lastFocusMap(), QStringLiteral("diagnosis_choice"));
    }

    void noProcessorChosen()
    {
        auto w = makeWindow();
        openList(*w, nullptr);
        QVERIFY(shown(*w, "Gmessage"));
        QCOMPARE(text(*w, "err_txt"), QStringLiteral("Select any processor"));
        QCOMPARE(text(*w, "err_header"), QStringLiteral("ERROR"));
        tap(*w, "ok");
        QCOMPARE(w->screen_id, 14);
        QVERIFY(shown(*w, "Gmenu_diagnosis") && !shown(*w, "Gmessage") && !shown(*w, "Gdiagnostics"));
    }

    // The choice survives a visit to the list and is cleared when the screen
    // is entered from the menu again.
    void choiceClearedFromTheMenuOnly()
    {
        auto w = makeWindow();
        openList(*w, "FLG2");
        tap(*w, "diag_back");
        QCOMPARE(w->screen_id, 14);
        QVERIFY(shown(*w, "Gmenu_diagnosis") && !shown(*w, "Gdiagnostics"));
        QCOMPARE(w->diagnosisView->chosenProcessor(), QStringLiteral("FLG2"));
        w->on_menu_clicked();
        tap(*w, "diagnosis");
        QCOMPARE(w->diagnosisView->chosenProcessor(), QString());
    }

    // ------------------------------------------------------------ message list

    void listOfThreeWithTheLastSelected()
    {
        auto w = makeWindow();
        openList(*w, "FLG1");
        QCOMPARE(w->screen_id, 15);
        QVERIFY(shown(*w, "Gdiagnostics") && !shown(*w, "Gdiag_blur") && !shown(*w, "Gmessage"));
        QTableWidget* t = table(*w, "t_diagnosis");
        QCOMPARE(cells(t, 0), (QStringList{"1", "2", "3"}));
        QCOMPARE(cells(t, 1), QStringList(3, QStringLiteral("FLG1")));
        QCOMPARE(cells(t, 3), (QStringList{"   1: First", "   17: Second", "   40: Third"}));
        QCOMPARE(cells(t, 2), (QStringList{"Control", "-", "Brakes"}));
        for (int c = 0; c < 9; ++c)
            QCOMPARE(t->isColumnHidden(c), c >= 4);
        QCOMPARE(t->rowHeight(0), 99);
        QCOMPARE(w->Total_Table_Row_DDS, 3);
        QCOMPARE(w->Table_updown_DDS, 2);
        QCOMPARE(selectedRows(t), QList<int>{2});
        QCOMPARE(w->diag_flag, 0);
        QCOMPARE(w->diagnosis_screen_active, 1);
        QCOMPARE(w->lastFocusMap(), QStringLiteral("diagnosis_list"));
    }

    void selectionMoves()
    {
        auto w = makeWindow();
        openList(*w, "FLG1");
        QTableWidget* t = table(*w, "t_diagnosis");
        struct Step {
            const char* button;
            int row;
        };
        const Step steps[] = {{"diag_down", 2},   {"diag_up", 1},  {"diag_up", 0},  {"diag_up", 0},
                              {"diag_bottom", 2}, {"diag_top", 0}, {"diag_down", 1}};
        for (const Step& s : steps) {
            tap(*w, s.button);
            QVERIFY2(w->Table_updown_DDS == s.row, s.button);
            QCOMPARE(selectedRows(t), QList<int>{s.row});
        }
        w->on_t_diagnosis_cellClicked(2, 1);
        QCOMPARE(selectedRows(t), QList<int>{2});
        w->diaghandlerFunction(0); // the scroll bar's value names a row
        QCOMPARE(selectedRows(t), QList<int>{0});
        w->diaghandlerFunction(7); // no such row
        QCOMPARE(w->Table_updown_DDS, 0);
    }

    // A list longer than the table scrolls: the buttons keep the selected row
    // in view, and their own scrolling does not move the selection.
    void longListScrolls()
    {
        QByteArray xml = "<DDSMessages>";
        for (int i = 1; i <= 12; ++i)
            xml += "<A_WAP_DDS><ProcessorName>BUR2</ProcessorName><STNR>" + QByteArray::number(i) +
                "</STNR><R_TEXT>M</R_TEXT></A_WAP_DDS>";
        writeReference(xml + "</DDSMessages>");
        auto w = makeWindow();
        openList(*w, "BUR2");
        QTableWidget* t = table(*w, "t_diagnosis");
        QScrollBar* bar = t->verticalScrollBar();
        QCOMPARE(w->Table_updown_DDS, 11);
        QCOMPARE(bar->value(), bar->maximum());
        tap(*w, "diag_top");
        QCOMPARE(bar->value(), 0);
        QCOMPARE(w->Table_updown_DDS, 0);
        for (int i = 0; i < 6; ++i)
            tap(*w, "diag_down");
        QCOMPARE(w->Table_updown_DDS, 6);
        QVERIFY(bar->value() > 0 && bar->value() <= 6);
        bar->setValue(1); // the user drags the scroll bar
        QCOMPARE(w->Table_updown_DDS, 1);
        QCOMPARE(selectedRows(t), QList<int>{1});
    }

    void oneMessageNoDialog()
    {
        auto w = makeWindow();
        openList(*w, "SLG1");
        QCOMPARE(cells(table(*w, "t_diagnosis"), 3), QStringList{"   8: Earth"});
        QCOMPARE(selectedRows(table(*w, "t_diagnosis")), QList<int>{0});
        QVERIFY(!shown(*w, "Gmessage") && !shown(*w, "Gdiag_blur"));
    }

    void noneFound()
    {
        auto w = makeWindow();
        openList(*w, "HBB1");
        QVERIFY(shown(*w, "Gmessage") && shown(*w, "Gdiag_blur"));
        QCOMPARE(text(*w, "err_txt"), QStringLiteral("No DDS Found"));
        QCOMPARE(w->diag_flag, 1);
        QCOMPARE(w->diagnosis_screen_active, 0);
        QCOMPARE(table(*w, "t_diagnosis")->rowCount(), 0);
        w->keys.Keyboard_Enter_Pressed = true; // OK by the keypad
        w->Key_Pressed_Function();
        QCOMPARE(w->screen_id, 14);
        QCOMPARE(w->diag_flag, 0);
        QVERIFY(shown(*w, "Gmenu_diagnosis") && !shown(*w, "Gdiagnostics") && !shown(*w, "Gmessage"));
    }

    // A reference that is missing or cannot be read is said on the debug
    // stream; the screen shows the empty list's message.
    void unreadableReference_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QString>("debug");
        QTest::newRow("missing") << QByteArray() << "^unable to open xml file .*zav_DDSMessages_details.xml";
        QTest::newRow("truncated") << sample::kReference.left(sample::kReference.size() / 2)
                                   << "^diagnosis messages: .* is not well-formed XML \\(line \\d+";
        QTest::newRow("garbage") << QByteArray(4000, '\xff') << "is not well-formed XML";
    }
    void unreadableReference()
    {
        QFETCH(QByteArray, content);
        QFETCH(QString, debug);
        if (content.isEmpty())
            QFile::remove(referencePath());
        else
            writeReference(content);
        auto w = makeWindow();
        QTest::ignoreMessage(QtDebugMsg, QRegularExpression(debug));
        openList(*w, "FLG1");
        QCOMPARE(text(*w, "err_txt"), QStringLiteral("No DDS Found"));
        QCOMPARE(table(*w, "t_diagnosis")->rowCount(), 0);
        QCOMPARE(w->diag_flag, 1);
    }

    // ------------------------------------------------------------ details

    void detailsOfTheSelectedMessage()
    {
        auto w = makeWindow();
        openList(*w, "FLG1");
        tap(*w, "diag_top");
        tap(*w, "diag_details");
        QCOMPARE(w->screen_id, 16);
        QVERIFY(shown(*w, "Gdiag_details") && !shown(*w, "Gdiagnostics"));
        QTableWidget* d = table(*w, "t_diagdetails");
        QCOMPARE(cells(d, 0), (QStringList{"Proc", "FLG1"}));
        QCOMPARE(d->item(1, 1)->text(), QStringLiteral("Control"));
        QCOMPARE(d->item(1, 2)->text(), QStringLiteral("   1: First"));
        QCOMPARE(text(*w, "diag_sigval"), QStringLiteral("FLG1_D50_XSpeedLoco"));
        QCOMPARE(text(*w, "diag_detailmess"), QStringLiteral("Symptom 1"));

        const std::pair<const char*, const char*> tabs[] = {
            {"diag_detailcause", "Cause 1"}, {"diag_detailadvice", "Advice 1"}, {"diag_detailsymp", "Symptom 1"}};
        for (const auto& [button, shownText] : tabs) {
            tap(*w, button);
            QCOMPARE(text(*w, "diag_detailmess"), QLatin1String(shownText));
            for (const char* b : {"diag_detailsymp", "diag_detailcause", "diag_detailadvice"})
                QCOMPARE(w->W(QLatin1String(b))->styleSheet(), qstrcmp(b, button) == 0 ? kTabPressed : kTabOther);
            QCOMPARE(w->key_press_select_key, 1);
        }

        tap(*w, "diag_detailsback");
        QCOMPARE(w->screen_id, 15);
        QVERIFY(shown(*w, "Gdiagnostics") && !shown(*w, "Gdiag_details"));
        QCOMPARE(selectedRows(table(*w, "t_diagnosis")), QList<int>{0});
        QCOMPARE(w->key_press_count, 1);
        QCOMPARE(w->key_press_select_key, 0);
    }

    void detailsShowDashForWhatIsMissing()
    {
        auto w = makeWindow();
        openList(*w, "FLG2"); // the last message has an empty SYMPTOME and a blank signal
        tap(*w, "diag_details");
        QCOMPARE(text(*w, "diag_detailmess"), QStringLiteral("-"));
        QCOMPARE(text(*w, "diag_sigval"), QStringLiteral("-"));
        tap(*w, "diag_detailcause");
        QCOMPARE(text(*w, "diag_detailmess"), QStringLiteral("Cause 6"));
    }

    // ------------------------------------------------------------ touch

    // Every touch region of these screens lies on its widget and acts on it.
    void touchRegionsLieOnTheirButtons()
    {
        auto w = makeWindow();
        struct Screen {
            const char* block;
            std::function<void(MainWindow&)> open;
        };
        const Screen screens[] = {
            {"dds", [](MainWindow& m) { tap(m, "diagnostic_process"); }},
            {"diagnosis_choice",
             [](MainWindow& m) {
                 m.on_menu_clicked();
                 tap(m, "diagnosis");
             }},
            {"diagnosis_list", [](MainWindow& m) { openList(m, "FLG1"); }},
            {"diagnosis_details",
             [](MainWindow& m) {
                 openList(m, "FLG1");
                 tap(m, "diag_details");
             }},
        };
        for (const Screen& s : screens) {
            int regions = 0;
            for (const nav::TouchBlock& b : nav::touchBlocks()) {
                if (qstrcmp(b.name, s.block) != 0)
                    continue;
                for (const nav::TouchRegion& r : b.regions) {
                    if (r.action != nav::TouchAction::Click)
                        continue;
                    s.open(*w);
                    auto* target = w->W<QAbstractButton>(QLatin1String(r.widget));
                    QVERIFY2(target && target->isVisible(), r.widget);
                    const QRect onScreen(target->mapTo(w.get(), QPoint(0, 0)), target->size());
                    QVERIFY2(onScreen.contains((r.x1 + r.x2) / 2, (r.y1 + r.y2) / 2), r.widget);
                    int clicks = 0;
                    auto c = connect(target, &QAbstractButton::clicked, this, [&] { ++clicks; });
                    w->touch.key_pressure = 0;
                    w->Touch_Screen_Connect((r.x1 + r.x2) / 2, (r.y1 + r.y2) / 2);
                    disconnect(c);
                    QVERIFY2(clicks == 1, r.widget);
                    ++regions;
                }
            }
            QVERIFY2(regions >= 4, s.block);
        }
    }

    // A finger on a row of the list selects it.
    void touchSelectsARow()
    {
        auto w = makeWindow();
        openList(*w, "FLG1");
        QTableWidget* t = table(*w, "t_diagnosis");
        const QRect row0 = t->visualItemRect(t->item(0, 3));
        const QPoint at = t->viewport()->mapTo(w.get(), row0.center());
        w->touch.key_pressure = 0;
        w->Touch_Screen_Connect(at.x(), at.y());
        QCOMPARE(w->Table_updown_DDS, 0);
        QCOMPARE(selectedRows(t), QList<int>{0});
    }
};

QTEST_MAIN(TestDiagnosisScreens)
#include "tst_diagnosis_screens.moc"
