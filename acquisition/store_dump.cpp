#include "acquisition/store_dump.h"

#include "acquisition/port_map.h"

#include <algorithm>

namespace {

QString number(double v)
{
    return QString::number(v, 'g', 9);
}

template <typename T, size_t N> QString numberArray(const T (&a)[N])
{
    QStringList parts;
    for (const T& v : a)
        parts << number(static_cast<double>(v));
    return QLatin1Char('[') + parts.join(QLatin1Char(',')) + QLatin1Char(']');
}

template <size_t N> QString textArray(const QString (&a)[N])
{
    QStringList parts;
    for (const QString& v : a)
        parts << jsonString(v);
    return QLatin1Char('[') + parts.join(QLatin1Char(',')) + QLatin1Char(']');
}

} // namespace

QString jsonString(const QString& text)
{
    QString out = QStringLiteral("\"");
    for (QChar c : text) {
        switch (c.unicode()) {
        case '"': out += QStringLiteral("\\\""); break;
        case '\\': out += QStringLiteral("\\\\"); break;
        case '\n': out += QStringLiteral("\\n"); break;
        case '\r': out += QStringLiteral("\\r"); break;
        case '\t': out += QStringLiteral("\\t"); break;
        default:
            if (c.unicode() < 0x20)
                out += QStringLiteral("\\u%1").arg(c.unicode(), 4, 16, QLatin1Char('0'));
            else
                out += c;
        }
    }
    out += QLatin1Char('"');
    return out;
}

QList<QPair<QString, QString>> dumpSignalStore(const SignalStore& s)
{
    QList<QPair<QString, QString>> out;
    auto add = [&out](const char* name, const QString& value) { out.append({QString::fromLatin1(name), value}); };

    for (int i = 0; i < portSignalCount(); ++i)
        add(portSignals()[i].name, number(readSignal(s, portSignals()[i])));
    add("FLG2_D54_BSubS06_Off", number(s.FLG2_D54_BSubS06_Off));
    add("FLG2_D54_BSubS07_Off", number(s.FLG2_D54_BSubS07_Off));
    add("FLG2_D54_BSubS08_Off", number(s.FLG2_D54_BSubS08_Off));

    for (int i = 0; i < firstPartPortCount(); ++i) {
        const CyclePort& p = firstPartPorts()[i];
        out.append({QStringLiteral("freshness_%1").arg(p.port), number(freshnessOf(s, p))});
    }

#define DV_INT(name) add(#name, number(s.name));
#define DV_DOUBLE(name) add(#name, number(s.name));
#define DV_STRING(name) add(#name, jsonString(s.name));
#define DV_INT_ARRAY(name, n) add(#name, numberArray(s.name));
#define DV_UINT_ARRAY(name, n) add(#name, numberArray(s.name));
#define DV_STRING_ARRAY(name, n) add(#name, textArray(s.name));
#include "acquisition/derived_values.def"
    auto recordField = [&](const char* name, auto get) {
        QStringList parts;
        for (const DDU_RAW_DATA_struct& r : s.DDU_RAW_DATA)
            parts << get(r);
        out.append({QStringLiteral("DDU_RAW_DATA.") + QLatin1String(name),
                    QLatin1Char('[') + parts.join(QLatin1Char(',')) + QLatin1Char(']')});
    };
    recordField("event_number_raw", [](const DDU_RAW_DATA_struct& r) { return number(r.event_number_raw); });
    recordField("device_number", [](const DDU_RAW_DATA_struct& r) { return number(r.device_number); });
    recordField("fault_number", [](const DDU_RAW_DATA_struct& r) { return number(r.fault_number); });
    recordField("datetime1", [](const DDU_RAW_DATA_struct& r) { return number(r.datetime1); });
    recordField("datetime2", [](const DDU_RAW_DATA_struct& r) { return number(r.datetime2); });
    add("freshness_2650", number(s.freshness_2650));

    add("Data_3015", numberArray(s.Data_3015));
    add("Data_3201", numberArray(s.Data_3201));
    add("port_buffer", numberArray(s.port_buffer));
    add("port_buffer_count", number(s.port_buffer_count));
    {
        QStringList parts;
        for (int i = 0; i < s.port_buffer_count && i < TELEGRAM_DETAILS_MAX; ++i) {
            const Telegram_Details_struct& t = s.Telegram_Details[i];
            parts << QStringLiteral(
                         "{\"telegram\":%1,\"port_type\":%2,\"fun_code\":%3,\"freshness\":%4,\"max_freshness\":%5}")
                         .arg(t.telegram)
                         .arg(t.port_type)
                         .arg(t.fun_code)
                         .arg(t.freshness)
                         .arg(t.max_freshness);
        }
        add("Telegram_Details", QLatin1Char('[') + parts.join(QLatin1Char(',')) + QLatin1Char(']'));
    }
    add("DDU_Micview_Data", textArray(s.DDU_Micview_Data));
    add("DDU_Micview_Data_temp", number(s.DDU_Micview_Data_temp));
    add("Selected_VCU_Type", number(s.Selected_VCU_Type));
    add("pass_count", number(static_cast<double>(s.pass_count)));
    add("simulated", number(s.simulated ? 1 : 0));

    std::sort(out.begin(), out.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
    return out;
}
