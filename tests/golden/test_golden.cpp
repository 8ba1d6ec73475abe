// The whole decoding against a reference kept in the repository: the
// simulator's demo run, read once a second of model time through the port map
// and decoded as the display in cab 1 does, its store dumped at fixed times and
// compared with demo.dump. A change of any displayed value or text shows up
// here by name.
//
// DDU_GOLDEN_REGENERATE=1 rewrites demo.dump from the current code instead of
// comparing (review the diff before committing it).

#include "acquisition/lmvf.h"
#include "acquisition/mvbvaria.h"
#include "acquisition/store_dump.h"
#include "sim/mvb_controller_emulator.h"
#include "sim/vehicle_model.h"

#include <QFile>
#include <QSaveFile>
#include <QtTest>

#include <memory>

namespace {

const QString kGoldenFile = QStringLiteral(DDU_GOLDEN_DIR "/demo.dump");

// Model times (s) at which the store is compared: every phase of one run.
const int kSampleSeconds[] = {0, 8, 20, 40, 60, 90, 120, 150, 170, 200, 215, 225, 231, 236};

// Reads what the vehicle model last published, each port at one fixed age:
// the emulator's own freshness follows the wall clock, which a reference
// cannot. A port never published reads stale. Writes are taken and dropped.
class PublishedBus : public ProcessDataBus {
public:
    explicit PublishedBus(const sim::MvbControllerEmulator& emulator)
        : m_emulator(emulator)
    {
    }

    bool read(uint16_t port, uint16_t fcode, uint16_t* words, uint16_t* freshness) override
    {
        const QVector<quint16> data = m_emulator.publishedDataset(port);
        *freshness = data.isEmpty() ? 0xFFFF : kAge;
        if (!data.isEmpty())
            for (int k = 0; k < (1 << fcode) && k < 16; ++k)
                words[k] = k < data.size() ? data[k] : 0;
        return true;
    }
    bool write(uint16_t, uint16_t, uint16_t*) override { return true; }
    bool freshness(uint16_t port, uint16_t, uint16_t* freshness) override
    {
        *freshness = m_emulator.publishedDataset(port).isEmpty() ? 0xFFFF : kAge;
        return true;
    }

private:
    static constexpr uint16_t kAge = 20; // ms
    const sim::MvbControllerEmulator& m_emulator;
};

// "[t=<s>s phase=<phase>]" then one "name=value" line per store member.
QString runDemo()
{
    sim::MvbControllerEmulator emulator;
    sim::VehicleModel::Options options;
    options.scenario = sim::Scenario::Demo;
    options.activeCab = 1;
    sim::VehicleModel model(emulator, options);
    PublishedBus bus(emulator);
    BusRequests requests;
    requests.Selected_CAB_Type = 1;
    requests.Selected_SR_Type = 3;
    lmvf cycle;
    mvbvaria decoding;
    auto store = std::make_unique<SignalStore>();

    QString out;
    model.publish();
    int second = 0;
    for (int sample : kSampleSeconds) {
        for (; second <= sample; ++second) {
            if (second > 0)
                model.advance(1000);
            cycle.readwritemvb(bus, *store, requests);
            decoding.updatemvbvariables(*store, requests);
        }
        out += QStringLiteral("[t=%1s phase=%2]\n").arg(sample).arg(sim::phaseName(model.state().phase));
        // Nothing in the store depends on the time of day: the DDS records carry
        // the model's fixed event times and the pass count is the thread's.
        for (const auto& entry : dumpSignalStore(*store))
            out += entry.first + QLatin1Char('=') + entry.second + QLatin1Char('\n');
    }
    return out;
}

// Section header -> its lines.
QList<QPair<QString, QStringList>> sections(const QString& text)
{
    QList<QPair<QString, QStringList>> out;
    for (const QString& line : text.split(QLatin1Char('\n'), Qt::SkipEmptyParts)) {
        if (line.startsWith(QLatin1Char('[')))
            out.append({line, {}});
        else if (!out.isEmpty())
            out.last().second << line;
    }
    return out;
}

// The first differences of one section, by name: "name: expected X, got Y".
QStringList differences(const QStringList& expected, const QStringList& actual, int max)
{
    auto byName = [](const QStringList& lines) {
        QMap<QString, QString> m;
        for (const QString& l : lines)
            m.insert(l.section(QLatin1Char('='), 0, 0), l.section(QLatin1Char('='), 1));
        return m;
    };
    const QMap<QString, QString> want = byName(expected), got = byName(actual);
    QStringList names = want.keys();
    for (const QString& n : got.keys())
        if (!want.contains(n))
            names << n;
    names.sort();
    QStringList out;
    for (const QString& n : names) {
        if (want.value(n, QStringLiteral("(missing)")) == got.value(n, QStringLiteral("(missing)")))
            continue;
        if (out.size() == max)
            return out << QStringLiteral("...");
        out << QStringLiteral("%1: expected %2, got %3")
                   .arg(n, want.value(n, QStringLiteral("(missing)")), got.value(n, QStringLiteral("(missing)")));
    }
    return out;
}

} // namespace

class TestGolden : public QObject {
    Q_OBJECT

private slots:
    void demoRunDecoded()
    {
        const QString actual = runDemo();
        QCOMPARE(runDemo(), actual); // the run itself is reproducible

        if (qEnvironmentVariableIntValue("DDU_GOLDEN_REGENERATE") == 1) {
            QSaveFile file(kGoldenFile);
            QVERIFY2(file.open(QIODevice::WriteOnly | QIODevice::Text), qPrintable(file.errorString()));
            file.write(actual.toUtf8());
            QVERIFY2(file.commit(), qPrintable(file.errorString()));
            QSKIP(qPrintable(QStringLiteral("DDU_GOLDEN_REGENERATE=1: rewrote %1, nothing compared").arg(kGoldenFile)));
        }

        QFile file(kGoldenFile);
        QVERIFY2(file.open(QIODevice::ReadOnly | QIODevice::Text),
                 qPrintable(kGoldenFile + QStringLiteral(": ") + file.errorString()));
        const auto want = sections(QString::fromUtf8(file.readAll()));
        const auto got = sections(actual);
        QCOMPARE(got.size(), want.size());
        for (int i = 0; i < want.size(); ++i) {
            QCOMPARE(got[i].first, want[i].first);
            const QStringList diff = differences(want[i].second, got[i].second, 10);
            QVERIFY2(diff.isEmpty(),
                     qPrintable(want[i].first + QLatin1Char('\n') + diff.join(QLatin1Char('\n')) +
                                QStringLiteral("\n(DDU_GOLDEN_REGENERATE=1 rewrites ") + kGoldenFile +
                                QLatin1Char(')')));
        }
    }
};

QTEST_GUILESS_MAIN(TestGolden)
#include "test_golden.moc"
