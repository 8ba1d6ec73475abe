// The DDS screen and the diagnosis records screens, offscreen: driven through
// their buttons and touches, read back from their named widgets. The DDS
// thread is stopped and converted by hand, so every record is the test's.

#include <QAbstractButton>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFontMetrics>
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
#include "screens/diagnosis_screen.h"
#include "screens/diagnosis_view.h"
#include "screens/fault_screen.h"
#include "screens/message_box_screen.h"
#include "tests/diagnosis/sample_reference.h"
#include "tests/support/environment.h"
#include "tests/support/files.h"
#include "tests/support/window.h"

namespace {

using Window = std::unique_ptr<MainWindow>;
using Raw = DDU_RAW_DATA_struct[DDU_RAW_DATA_COUNT];

QString text(MainWindow& w, const char* name)
{
    if (auto* l = w.W<QLabel>(QLatin1String(name)))
        return l->text();
    return QStringLiteral("<no label %1>").arg(QLatin1String(name));
}

QStringList cells(QTableWidget* t, int column)
{
    QStringList out;
    for (int r = 0; r < t->rowCount(); ++r)
        out << (t->item(r, column) ? t->item(r, column)->text() : QString());
    return out;
}

// The rows painted selected; a row painted neither selected nor plain counts as -1.
QList<int> selectedRows(QTableWidget* t)
{
    QList<int> rows;
    for (int r = 0; r < t->rowCount(); ++r) {
        const QColor bg = t->item(r, 0)->background().color();
        if (bg != QColor(0, 0, 0))
            rows << (bg == QColor(29, 65, 74, 135) ? r : -1);
    }
    return rows;
}

void tap(MainWindow& w, const char* name)
{
    w.W<QAbstractButton>(QLatin1String(name))->click();
}

bool shown(MainWindow& w, const char* name)
{
    return w.isShown(QLatin1String(name));
}

QTableWidget* list(MainWindow& w)
{
    return w.W<QTableWidget>(QStringLiteral("t_diagnosis"));
}

// A pass with the DDS port fresh or stale, and the refresh tick after it.
void publishDdsPort(MainWindow& w, bool fresh)
{
    SignalStore s = w.snap;
    s.freshness_2650 = fresh ? 100 : 0xFFFF;
    s.pass_count += 1;
    w.exchange.publish(s);
    w.guiupdate_fun();
}

// The message list of `processor` (none: nothing chosen), from the main menu.
void openList(MainWindow& w, const char* processor)
{
    w.on_menu_clicked();
    tap(w, "diagnosis");
    if (processor)
        tap(w, qPrintable(QStringLiteral("r_") + QString::fromLatin1(processor).toLower()));
    tap(w, "b_menudiag_ok");
}

} // namespace

class TestDiagnosisScreens : public QObject {
    Q_OBJECT

    testsupport::TestRoot m_root;
    Raw m_raw{};

    QString referencePath() const { return m_root.filePath(QStringLiteral("file/master/zav_DDSMessages_details.xml")); }

    Window makeWindow()
    {
        auto w = testsupport::makeWindow();
        w->pixyThread->stop();
        w->pixyThread->wait();
        w->pixyThread->setRawSource([this](Raw& raw) { std::copy(std::begin(m_raw), std::end(m_raw), raw); });
        return w;
    }

private slots:
    void initTestCase()
    {
        QVERIFY(m_root.isValid());
        QVERIFY(QDir(m_root.path()).mkpath(QStringLiteral("file/master")));
        // The stick and the SD card are files of the root, absent at first.
        qputenv("DDU_USB_DEVICE", m_root.filePath(QStringLiteral("usb-device")).toLocal8Bit());
        qputenv("DDU_SD_DEVICE", m_root.filePath(QStringLiteral("sd-device")).toLocal8Bit());
    }

    void init()
    {
        QFile f(referencePath());
        QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate) && f.write(sample::kReference) > 0);
        std::fill(std::begin(m_raw), std::end(m_raw), DDU_RAW_DATA_struct{});
    }

    void viewsFindTheirWidgets()
    {
        auto w = makeWindow();
        QCOMPARE(w->findChild<DdsView*>(QStringLiteral("ddsView"))->resolve(w.get()), QStringList());
        QCOMPARE(w->diagnosis->diagnosisView->resolve(w.get()), QStringList());
    }

    // A converted record is drawn when the screen opens and on each refresh
    // after a conversion; a row whose record did not change is not written.
    void ddsRowsRewrittenOnlyWhenChanged()
    {
        auto w = makeWindow();
        publishDdsPort(*w, true);
        QTableWidget* t = w->W<QTableWidget>(QStringLiteral("t_DDStable"));
        m_raw[0] = {0, 0, 0, 1234, 0, 92, 0, 0, 24414, 4096, {}, {}, {}, {}};
        m_raw[2] = {0, 0, 0, 77, 10, 10, 0, 0, 0, 0, {}, {}, {}, {}};
        QCOMPARE(w->pixyThread->convertOnce(), 2);
        w->guiupdate_fun(); // not shown: nothing drawn, nothing lost
        QCOMPARE(cells(t, 0), QStringList(4, QString()));

        tap(*w, "diagnostic_process");
        QCOMPARE(w->screen_id, screen::Dds);
        QVERIFY(shown(*w, "G_DDSscreen") && shown(*w, "b_dbtousb") && !shown(*w, "b_details"));
        QCOMPARE(w->lastFocusMap(), QStringLiteral("dds"));
        QCOMPARE(cells(t, 0), (QStringList{"1234", "", "77", ""}));
        QCOMPARE(cells(t, 2), (QStringList{"FLG1", "", "HBB2", ""}));
        QCOMPARE(cells(t, 3), (QStringList{"Alarm chain pulling", "", "Unknown Message 10", ""}));
        QCOMPARE(t->item(0, 1)->text(),
                 QDateTime::fromSecsSinceEpoch(1600000000).toString(QStringLiteral("dd/MM/yyyy HH:mm:ss")));

        for (int r = 0; r < 4; ++r)
            t->item(r, 0)->setText(QStringLiteral("mark")); // a row written again loses its mark
        QCOMPARE(w->pixyThread->convertOnce(), 0);
        w->guiupdate_fun();
        QCOMPARE(cells(t, 0), QStringList(4, QStringLiteral("mark")));
        m_raw[2].fault_number = 5; // the same event with another code
        QCOMPARE(w->pixyThread->convertOnce(), 1);
        w->guiupdate_fun();
        QCOMPARE(cells(t, 0), (QStringList{"mark", "mark", "77", "mark"}));
        QCOMPARE(t->item(2, 3)->text(), QStringLiteral("MCB of compressor 2 open"));
    }

    // While the DDS port is stale the window shows "--" in grey, not the
    // records last read; fresh again, every row is written.
    void ddsStaleLook()
    {
        auto w = makeWindow();
        QTableWidget* t = w->W<QTableWidget>(QStringLiteral("t_DDStable"));
        m_raw[0] = {0, 0, 0, 1234, 0, 92, 0, 0, 24414, 4096, {}, {}, {}, {}};
        QCOMPARE(w->pixyThread->convertOnce(), 1);
        tap(*w, "diagnostic_process"); // nothing read yet: the port is stale
        QCOMPARE(cells(t, 0), QStringList(4, QStringLiteral("--")));
        QCOMPARE(t->item(0, 0)->foreground().color(), QColor(0x59, 0x59, 0x59));
        publishDdsPort(*w, true);
        QCOMPARE(cells(t, 0), (QStringList{"1234", "", "", ""}));
        publishDdsPort(*w, false);
        QCOMPARE(t->item(0, 0)->text(), QStringLiteral("--"));
        publishDdsPort(*w, true); // nothing converted meanwhile: written all the same
        QCOMPARE(t->item(0, 0)->text(), QStringLiteral("1234"));
    }

    void pagingButtonsRaiseTheirRequest()
    {
        auto w = makeWindow();
        tap(*w, "diagnostic_process");
        BusRequests& q = w->exchange.requests;
        const std::pair<const char*, RequestPulse*> buttons[] = {{"b_ddsup_top", &q.MVB_DDS_TOP},
                                                                 {"b_ddsup", &q.MVB_DDS_UP},
                                                                 {"b_ddsdown", &q.MVB_DDS_DOWN},
                                                                 {"b_ddsdown_btm", &q.MVB_DDS_BOTTOM}};
        for (const auto& [button, pulse] : buttons) {
            pulse->advance(0); // an earlier press half run out: the count starts again
            tap(*w, button);
            for (const auto& [other, otherPulse] : buttons)
                QVERIFY2(otherPulse->on() == (other == button) && (other != button || otherPulse->count() == 0),
                         button);
            pulse->clear();
        }
    }

    // TO USB: the fault history, the fault log and the DDS records seen go
    // onto the stick, as XML and as tables, and read back as written.
    void logsToUsb()
    {
        auto w = makeWindow();
        m_raw[0] = {0, 0, 0, 1234, 0, 92, 0, 0, 24414, 4096, {}, {}, {}, {}};
        QCOMPARE(w->pixyThread->convertOnce(), 1);
        tap(*w, "diagnostic_process");
        publishDdsPort(*w, true);
        const auto result = [&] { return text(*w, "err_txt"); };
        tap(*w, "b_dbtousb"); // no stick and no SD card
        QTRY_COMPARE_WITH_TIMEOUT(result(), QStringLiteral("NO Pendrive Found"), 60000);
        w->messageBox->on_ok_clicked();

        FaultHistoryEvent e;
        e.time = QDateTime(QDate(2026, 12, 8), QTime(9, 0, 0));
        e.number = 10103;
        e.faultCode = QStringLiteral("F0103P1");
        e.subsystem = QStringLiteral("SS01:Main Power");
        e.text = QStringLiteral("LOW PRESSURE PANTO, \"VCB\" OPEN");
        w->faultScreen->history.append(e);
        const QString log = m_root.filePath(QStringLiteral("file/fault/zav_MessagesVCU_temp.xml"));
        QVERIFY(testsupport::writeBytes(
            log,
            "<?xml version=\"1.0\"?><SUBSYSTEM><Message><LocoType>1</LocoType><SubsystemNo>SS01:Main Power"
            "</SubsystemNo><Time>08/12/2026 09:00:00</Time><FaultCode>F0103P1</FaultCode><FaultMessage>LOW "
            "PRESSURE\nPANTO, LOWER</FaultMessage></Message></SUBSYSTEM>"));
        QVERIFY(testsupport::writeBytes(m_root.filePath(QStringLiteral("usb-device")), ""));
        tap(*w, "b_dbtousb");
        QTRY_VERIFY_WITH_TIMEOUT(result().startsWith(QStringLiteral("Logs written:\n5 files")), 60000);
        const QString stick = m_root.filePath(QStringLiteral("file/pendrive/ddu_logs"));
        const QStringList folders = QDir(stick).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
        QCOMPARE(folders.size(), 1);
        QVERIFY(result().endsWith(QStringLiteral("ddu_logs/") + folders.first()));
        const QString out = stick + QLatin1Char('/') + folders.first() + QLatin1Char('/');
        QCOMPARE(testsupport::readBytes(out + "fault_history.xml"),
                 testsupport::readBytes(m_root.filePath(QStringLiteral("file/fault/fault_history.xml"))));
        QCOMPARE(testsupport::readBytes(out + "fault_history.csv"),
                 QByteArray("\xEF\xBB\xBFTime,Event,Loco,Number,Fault code,Subsystem,Text\r\n"
                            "2026-12-08 09:00:00,raised,1,10103,F0103P1,SS01:Main Power,"
                            "\"LOW PRESSURE PANTO, \"\"VCB\"\" OPEN\"\r\n"));
        QCOMPARE(testsupport::readBytes(out + "fault_log.xml"), testsupport::readBytes(log));
        QCOMPARE(testsupport::readBytes(out + "fault_log.csv"),
                 QByteArray("\xEF\xBB\xBFLoco,Subsystem,Time,Fault code,Message\r\n"
                            "1,SS01:Main Power,08/12/2026 09:00:00,F0103P1,\"LOW PRESSURE / PANTO, LOWER\"\r\n"));
        const QString when = QDateTime::fromSecsSinceEpoch(1600000000).toString(QStringLiteral("dd/MM/yyyy HH:mm:ss"));
        QCOMPARE(testsupport::readBytes(out + "dds_records.csv"),
                 "\xEF\xBB\xBFReference,Date and time,Processor,Message\r\n1234," + when.toUtf8() +
                     ",FLG1,Alarm chain pulling\r\n");
        QFile::remove(m_root.filePath(QStringLiteral("usb-device")));
        QDir(m_root.filePath(QStringLiteral("file/pendrive"))).removeRecursively();
    }

    // The choice is read in grid order, survives a visit to the list and is
    // cleared when the screen is entered from the menu.
    void processorChoice()
    {
        auto w = makeWindow();
        openList(*w, nullptr);
        QVERIFY(shown(*w, "Gmessage"));
        QCOMPARE(text(*w, "err_txt"), QStringLiteral("Select any processor"));
        tap(*w, "ok");
        QCOMPARE(w->screen_id, screen::DiagnosisChoice);
        QVERIFY(shown(*w, "Gmenu_diagnosis") && !shown(*w, "Gmessage"));

        openList(*w, "FLG2");
        tap(*w, "diag_back");
        QCOMPARE(w->screen_id, screen::DiagnosisChoice);
        QVERIFY(shown(*w, "Gmenu_diagnosis") && !shown(*w, "Gdiagnostics"));
        QCOMPARE(w->diagnosis->diagnosisView->chosenProcessor(), QStringLiteral("FLG2"));
        w->on_menu_clicked();
        tap(*w, "diagnosis");
        QCOMPARE(w->diagnosis->diagnosisView->chosenProcessor(), QString());
    }

    void listOfThreeWithTheLastSelected()
    {
        auto w = makeWindow();
        openList(*w, "FLG1");
        QCOMPARE(w->screen_id, screen::DiagnosisList);
        QVERIFY(shown(*w, "Gdiagnostics") && !shown(*w, "Gdiag_blur") && !shown(*w, "Gmessage"));
        QCOMPARE(cells(list(*w), 0), (QStringList{"1", "2", "3"}));
        QCOMPARE(cells(list(*w), 3), (QStringList{"   1: First", "   17: Second", "   40: Third"}));
        QCOMPARE(selectedRows(list(*w)), QList<int>{2});
        QCOMPARE(w->diagnosis->Table_updown_DDS, 2);

        const std::pair<const char*, int> steps[] = {{"diag_down", 2}, {"diag_up", 1},     {"diag_up", 0},
                                                     {"diag_up", 0},   {"diag_bottom", 2}, {"diag_top", 0}};
        for (const auto& [button, row] : steps) {
            tap(*w, button);
            QVERIFY2(selectedRows(list(*w)) == QList<int>{row} && w->diagnosis->Table_updown_DDS == row, button);
        }
        w->diagnosis->on_t_diagnosis_cellClicked(2, 1);
        QCOMPARE(selectedRows(list(*w)), QList<int>{2});
        w->diagnosis->diaghandlerFunction(1); // the scroll bar's value names a row
        QCOMPARE(selectedRows(list(*w)), QList<int>{1});
    }

    // The buttons keep the selected row in view; the scrolling they cause
    // does not move the selection, a user's scrolling does.
    void longListScrolls()
    {
        QByteArray xml = "<DDSMessages>";
        for (int i = 1; i <= 12; ++i)
            xml +=
                "<A_WAP_DDS><ProcessorName>BUR2</ProcessorName><STNR>" + QByteArray::number(i) + "</STNR></A_WAP_DDS>";
        QFile f(referencePath());
        QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate) && f.write(xml + "</DDSMessages>") > 0);
        f.close();
        auto w = makeWindow();
        openList(*w, "BUR2");
        QScrollBar* bar = list(*w)->verticalScrollBar();
        QCOMPARE(bar->value(), bar->maximum());
        tap(*w, "diag_top");
        for (int i = 0; i < 6; ++i)
            tap(*w, "diag_down");
        QCOMPARE(w->diagnosis->Table_updown_DDS, 6);
        QVERIFY(bar->value() > 0 && bar->value() <= 6);
        bar->setValue(1);
        QCOMPARE(selectedRows(list(*w)), QList<int>{1});
    }

    // One message: listed and selected, no dialog. None, or a reference that
    // cannot be read (said on the debug stream): "No DDS Found" over the
    // blurred list, OK back to the choice.
    void emptyAndUnreadable_data()
    {
        QTest::addColumn<QString>("processor");
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QString>("debug");
        QTest::newRow("one") << "SLG1" << sample::kReference << QString();
        QTest::newRow("none") << "HBB1" << sample::kReference << QString();
        QTest::newRow("missing") << "FLG1" << QByteArray() << "^unable to open xml file .*zav_DDSMessages_details";
        QTest::newRow("truncated") << "FLG1" << sample::kReference.left(400)
                                   << "^diagnosis messages: .* is not well-formed XML \\(line \\d+";
    }
    void emptyAndUnreadable()
    {
        QFETCH(QString, processor);
        QFETCH(QByteArray, content);
        QFETCH(QString, debug);
        QFile f(referencePath());
        QVERIFY(content.isEmpty() ? f.remove()
                                  : f.open(QIODevice::WriteOnly | QIODevice::Truncate) && f.write(content));
        f.close();
        auto w = makeWindow();
        if (!debug.isEmpty())
            QTest::ignoreMessage(QtDebugMsg, QRegularExpression(debug));
        openList(*w, qPrintable(processor));
        if (processor == QLatin1String("SLG1")) {
            QCOMPARE(selectedRows(list(*w)), QList<int>{0});
            QVERIFY(!shown(*w, "Gmessage") && !shown(*w, "Gdiag_blur"));
            return;
        }
        QVERIFY(shown(*w, "Gmessage") && shown(*w, "Gdiag_blur"));
        QCOMPARE(text(*w, "err_txt"), QStringLiteral("No DDS Found"));
        QCOMPARE(list(*w)->rowCount(), 0);
        w->keys.Keyboard_Enter_Pressed = true; // OK by the keypad
        w->Key_Pressed_Function();
        QCOMPARE(w->screen_id, screen::DiagnosisChoice);
        QCOMPARE(w->messageBox->state.pending.diag_flag, 0);
        QVERIFY(shown(*w, "Gmenu_diagnosis") && !shown(*w, "Gdiagnostics"));
    }

    void details()
    {
        auto w = makeWindow();
        openList(*w, "FLG1");
        tap(*w, "diag_top");
        tap(*w, "diag_details");
        QCOMPARE(w->screen_id, screen::DiagnosisDetails);
        QTableWidget* d = w->W<QTableWidget>(QStringLiteral("t_diagdetails"));
        QCOMPARE(cells(d, 2), (QStringList{"Fault Message", "   1: First"}));
        QCOMPARE(text(*w, "diag_sigval"), QStringLiteral("FLG1_D50_XSpeedLoco"));
        QCOMPARE(text(*w, "diag_detailmess"), QStringLiteral("Symptom 1"));
        // The title in the title look, whole (the serif is wider than a sans).
        auto* title = w->W<QLabel>(QStringLiteral("diagdetails_header"));
        title->ensurePolished();
        QVERIFY(QFontMetrics(title->font()).horizontalAdvance(title->text()) <= title->contentsRect().width());
        const QString pressed =
            QStringLiteral("font: bold 22pt DejaVu Sans;background-color: rgba(241, 241, 195, 150);color: rgb(0,0,0);");
        for (const auto& [button, shownText] :
             {std::pair<const char*, const char*>{"diag_detailcause", "Cause 1"}, {"diag_detailadvice", "Advice 1"}}) {
            tap(*w, button);
            QCOMPARE(text(*w, "diag_detailmess"), QLatin1String(shownText));
            QCOMPARE(w->W(QLatin1String(button))->styleSheet(), pressed);
            QVERIFY(w->W(QStringLiteral("diag_detailsymp"))->styleSheet() != pressed);
        }
        tap(*w, "diag_detailsback");
        QCOMPARE(w->screen_id, screen::DiagnosisList);
        QVERIFY(shown(*w, "Gdiagnostics") && !shown(*w, "Gdiag_details"));
        QCOMPARE(selectedRows(list(*w)), QList<int>{0});

        openList(*w, "FLG2"); // the last message has an empty symptom and a blank signal
        tap(*w, "diag_details");
        QCOMPARE(text(*w, "diag_detailmess"), QStringLiteral("-"));
        QCOMPARE(text(*w, "diag_sigval"), QStringLiteral("-"));
    }

    // Every touch region of these screens lies on its button and clicks it; a
    // finger on a row of the list selects it.
    void touch()
    {
        auto w = makeWindow();
        const std::pair<const char*, std::function<void()>> screens[] = {
            {"dds", [&] { tap(*w, "diagnostic_process"); }},
            {"diagnosis_choice", [&] { w->on_menu_clicked(), tap(*w, "diagnosis"); }},
            {"diagnosis_list", [&] { openList(*w, "FLG1"); }},
            {"diagnosis_details", [&] { openList(*w, "FLG1"), tap(*w, "diag_details"); }}};
        for (const auto& [block, open] : screens)
            for (const nav::TouchBlock& b : nav::touchBlocks())
                for (const nav::TouchRegion& r : b.regions) {
                    if (qstrcmp(b.name, block) != 0 || r.action != nav::TouchAction::Click)
                        continue;
                    open();
                    const QPoint at((r.x1 + r.x2) / 2, (r.y1 + r.y2) / 2);
                    auto* target = w->W<QAbstractButton>(QLatin1String(r.widget));
                    QVERIFY2(QRect(target->mapTo(w.get(), QPoint()), target->size()).contains(at), r.widget);
                    int clicks = 0;
                    const auto c = connect(target, &QAbstractButton::clicked, this, [&] { ++clicks; });
                    w->touch.key_pressure = 0;
                    w->Touch_Screen_Connect(at.x(), at.y());
                    disconnect(c);
                    QVERIFY2(clicks == 1, r.widget);
                }
        openList(*w, "FLG1");
        const QPoint row0 =
            list(*w)->viewport()->mapTo(w.get(), list(*w)->visualItemRect(list(*w)->item(0, 3)).center());
        w->touch.key_pressure = 0;
        w->Touch_Screen_Connect(row0.x(), row0.y());
        QCOMPARE(selectedRows(list(*w)), QList<int>{0});
    }
};

QTEST_MAIN(TestDiagnosisScreens)
#include "tst_diagnosis_screens.moc"
