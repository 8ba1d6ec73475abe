// The configuration file and the driver details line, without a window.

#include <QDir>
#include <QFile>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>

#include "maintenance/ddu_config.h"
#include "maintenance/driver_details.h"

using config::DduConfig;
using config::Dialog;

Q_DECLARE_METATYPE(config::DduConfig)

namespace {

QByteArray readBytes(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void writeBytes(const QString& path, const QByteArray& bytes)
{
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(bytes);
}

const QByteArray kStoredCab2 = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                               "<Table>\n"
                               "    <Loco_Details>\n"
                               "        <VCU>3</VCU>\n"
                               "        <SR>3</SR>\n"
                               "        <BUR>3</BUR>\n"
                               "        <CAB>2</CAB>\n"
                               "        <DDU>3</DDU>\n"
                               "        <MVB>0</MVB>\n"
                               "    </Loco_Details>\n"
                               "</Table>\n";

} // namespace

class TestConfigLogic : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;
    QString path(const char* name) const { return m_dir.filePath(QLatin1String(name)); }

private slots:
    // Whatever was chosen, only the cab is stored; the rest reads back as the
    // unit's fixed set. The file is the one the delivered units carry.
    void writeStoresOnlyTheCab()
    {
        DduConfig c{1, 2, 4, 2, 1, 1};
        QVERIFY(config::writeConfig(path("DDU.xml"), c));
        QCOMPARE(c, (DduConfig{3, 3, 3, 2, 3, 0}));
        QCOMPARE(readBytes(path("DDU.xml")), kStoredCab2);
        DduConfig read{9, 9, 9, 9, 9, 9};
        QVERIFY(config::readConfig(path("DDU.xml"), read));
        QCOMPARE(read, c);
    }

    void read_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<bool>("parsed");
        QTest::addColumn<DduConfig>("expected"); // starting from {7, 7, 7, 7, 7, 7}
        const DduConfig unchanged{7, 7, 7, 7, 7, 7};
        QTest::newRow("all six") << QByteArray("<Table><Loco_Details><VCU>1</VCU><SR>2</SR><BUR>4</BUR><CAB>2</CAB>"
                                               "<DDU>3</DDU><MVB>1</MVB></Loco_Details></Table>")
                                 << true << DduConfig{1, 2, 4, 2, 3, 1};
        QTest::newRow("any root, others kept")
            << QByteArray("<Loco><Loco_Details><CAB> 1 </CAB><Other>5</Other></Loco_Details><CAB>2</CAB></Loco>")
            << true << DduConfig{7, 7, 7, 1, 7, 7};
        QTest::newRow("not a number is 0")
            << QByteArray("<Table><Loco_Details><CAB>two</CAB><DDU></DDU></Loco_Details></Table>") << true
            << DduConfig{7, 7, 7, 0, 0, 7};
        QTest::newRow("two records, the last wins")
            << QByteArray("<Table><Loco_Details><CAB>1</CAB></Loco_Details><Loco_Details><CAB>2</CAB>"
                          "</Loco_Details></Table>")
            << true << DduConfig{7, 7, 7, 2, 7, 7};
        QTest::newRow("cut short") << QByteArray("<Table><Loco_Details><CAB>2</CAB><DDU>1") << false << unchanged;
        QTest::newRow("not xml") << QByteArray("CAB=2\n") << false << unchanged;
        QTest::newRow("empty") << QByteArray() << false << unchanged;
    }

    void read()
    {
        QFETCH(QByteArray, content);
        QFETCH(bool, parsed);
        QFETCH(DduConfig, expected);
        writeBytes(path("read.xml"), content);
        DduConfig c{7, 7, 7, 7, 7, 7};
        QString error;
        QCOMPARE(config::readConfig(path("read.xml"), c, &error), parsed);
        QCOMPARE(c, expected);
        QCOMPARE(error.isEmpty(), parsed);
    }

    void missingFileAndUnwritableFolder()
    {
        DduConfig c{7, 7, 7, 7, 7, 7};
        QString error;
        QVERIFY(!config::readConfig(path("nothing/DDU.xml"), c, &error));
        QVERIFY(!error.isEmpty());
        QCOMPARE(c, (DduConfig{7, 7, 7, 7, 7, 7}));
        QVERIFY(!config::writeConfig(path("nothing/DDU.xml"), c));
        QVERIFY(!QDir(path("nothing")).exists());
    }

    // The code each box stands for, box by box, and the first of several
    // ticks that wins.
    void dialogCodes_data()
    {
        QTest::addColumn<int>("dialog");
        QTest::addColumn<QStringList>("ticked");
        QTest::addColumn<int>("code");
        const QList<int> variant = {0, 1, 3, 2, 4, 5, 6, 7, 8, 9, 10, 6};
        const char* prefixes[3] = {"vcu", "sr", "bur"};
        for (int d = 0; d < 3; ++d)
            for (int box = 1; box <= (d == 0 ? 11 : 12); ++box)
                QTest::addRow("%scheck%d", prefixes[d], box)
                    << d << QStringList{QStringLiteral("%1check%2").arg(prefixes[d]).arg(box)} << variant[box - 1];
        QTest::newRow("no cab") << int(Dialog::Cab) << QStringList{"cabcheck3"} << 0;
        QTest::newRow("ESD") << int(Dialog::Mvb) << QStringList{"mvb_ESD_check"} << 1;
        QTest::newRow("none keeps") << int(Dialog::Sr) << QStringList{} << 42;
        QTest::newRow("12 before 8") << int(Dialog::Sr) << QStringList{"srcheck8", "srcheck12"} << 6;
        QTest::newRow("2 before 11") << int(Dialog::Bur) << QStringList{"burcheck11", "burcheck2"} << 1;
        QTest::newRow("6 before 12") << int(Dialog::Bur) << QStringList{"burcheck12", "burcheck6"} << 5;
    }

    void dialogCodes()
    {
        QFETCH(int, dialog);
        QFETCH(QStringList, ticked);
        QFETCH(int, code);
        const QSet<QString> set(ticked.begin(), ticked.end());
        const auto isTicked = [&](const char* box) { return set.contains(QLatin1String(box)); };
        QCOMPARE(config::codeOf(Dialog(dialog), isTicked, 42), code);
    }

    void boxOfCode()
    {
        QCOMPARE(QByteArray(config::boxOf(Dialog::Sr, 6)), QByteArray("srcheck7")); // not srcheck12
        QCOMPARE(QByteArray(config::boxOf(Dialog::Vcu, 2)), QByteArray("vcucheck4"));
        QVERIFY(!config::boxOf(Dialog::Vcu, 11));
        QVERIFY(!config::boxOf(Dialog::DisplayType, 0));
    }

    // ----- driver details -----

    void driverLineRoundTrip()
    {
        driver::DriverDetails d{"D1234", "12951 Rajdhani", "1250", "NDLS", "BCT", "01-Jan-2024 10:00:00", "DLI", "NR"};
        const QString line = driver::formatLine(d);
        QCOMPARE(line, QString("$,D1234,12951 Rajdhani,1250,NDLS,BCT,01-Jan-2024 10:00:00,DLI,NR,#\n"));
        driver::DriverDetails back;
        QVERIFY(driver::parseLine(line, back));
        QCOMPARE(back, d);

        QVERIFY(driver::writeFile(path("Driver_Details"), d));
        QCOMPARE(readBytes(path("Driver_Details")), line.toUtf8());
        driver::DriverDetails read;
        QCOMPARE(driver::readFile(path("Driver_Details"), read), driver::ReadResult::Read);
        QCOMPARE(read, d);
    }

    void driverShortLineLeavesFields()
    {
        driver::DriverDetails d{"A", "B", "C", "D", "E", "F", "G", "H"};
        const driver::DriverDetails before = d;
        QVERIFY(!driver::parseLine("$,x,y,z,#", d));
        QVERIFY(!driver::parseLine("", d));
        QVERIFY(!driver::parseLine("$,1,2,3,4,5,6,7,8\n", d)); // nine parts
        QCOMPARE(d, before);
        writeBytes(path("short"), "$,only,three,#\n");
        QCOMPARE(driver::readFile(path("short"), d), driver::ReadResult::TooFewParts);
        QCOMPARE(d, before);
        QCOMPARE(driver::readFile(path("missing"), d), driver::ReadResult::Unreadable);
        QCOMPARE(d, driver::DriverDetails());
    }

    void driverFieldInput_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("refused");
        QTest::addColumn<QString>("taken");
        QTest::newRow("plain") << "ANIL KUMAR 42" << false << "ANIL KUMAR 42";
        QTest::newRow("comma") << "A,B" << true << "";
        QTest::newRow("hash") << "12#3" << true << "";
        QTest::newRow("line break") << "A\nB" << true << "";
        QTest::newRow("tab") << "A\tB" << true << "";
        QTest::newRow("paragraph separator") << QString("A") + QChar(0x2029) + "B" << true << "";
        QTest::newRow("24 characters") << QString(24, 'X') << false << QString(24, 'X');
        QTest::newRow("cut") << QString(40, 'Y') << false << QString(24, 'Y');
    }

    void driverFieldInput()
    {
        QFETCH(QString, typed);
        QFETCH(bool, refused);
        QFETCH(QString, taken);
        const driver::FieldInput in = driver::checkField(typed);
        QCOMPARE(in.refused, refused);
        QCOMPARE(in.text, taken);
        QCOMPARE(in.shortened, typed.size() > driver::kMaxFieldLength && !refused);
    }

    // A record that would not read back is never written; the old file stays.
    void driverBadRecordNotWritten()
    {
        const QString file = path("kept");
        writeBytes(file, "$,old,,,,,,,,#\n");
        driver::DriverDetails d;
        d.Train_Name = "12951,X";
        QCOMPARE(driver::firstBadField(d), 1);
        QString error;
        QVERIFY(!driver::writeFile(file, d, &error));
        QVERIFY(!error.isEmpty());
        QCOMPARE(readBytes(file), QByteArray("$,old,,,,,,,,#\n"));
        d.Train_Name = "12951";
        QVERIFY(!driver::writeFile(path("no/folder/Driver_Details"), d));
    }
};

QTEST_GUILESS_MAIN(TestConfigLogic)
#include "tst_config_logic.moc"
