#include "diagnostics/dds.h"

#include <algorithm>

dds dds_fun;

namespace {
const char* const kProcessorNames[dds::ProcessorCount] = {
    "FLG1", "FLG2", "SLG1", "SLG2", "BUR1", "BUR2", "BUR3", "STB1", "STB2", "HBB1", "HBB2",
};
} // namespace

QString dds::processorName(int processor)
{
    if (processor < 0 || processor >= ProcessorCount)
        return QString();
    return QString::fromLatin1(kProcessorNames[processor]);
}

QString dds::lookup(int processor, int code)
{
    const DdsTable t = table();
    const DdsMessage key{processor, code, nullptr};
    const DdsMessage* it = std::lower_bound(t.begin(), t.end(), key, [](const DdsMessage& a, const DdsMessage& b) {
        return a.processor != b.processor ? a.processor < b.processor : a.code < b.code;
    });
    if (it != t.end() && it->processor == processor && it->code == code)
        return QString::fromUtf8(it->text);
    return QStringLiteral("Unknown Message ") + QString::number(code);
}

QString dds::Get_dds(int processor, int code) const
{
    switch (processor) {
    case 0: return Get_flg1(code);
    case 1: return Get_flg2(code);
    case 2: return Get_slg1(code);
    case 3: return Get_slg2(code);
    case 4: return Get_bur1(code);
    case 5: return Get_bur2(code);
    case 6: return Get_bur3(code);
    case 7: return Get_stb1(code);
    case 8: return Get_stb2(code);
    case 9: return Get_hbb1(code);
    case 10: return Get_hbb2(code);
    default: return QStringLiteral("Unknown Message - ") + QString::number(code);
    }
}

QString dds::Get_flg1(int code) const
{
    return lookup(0, code);
}
QString dds::Get_flg2(int code) const
{
    return lookup(1, code);
}
QString dds::Get_slg1(int code) const
{
    return lookup(2, code);
}
QString dds::Get_slg2(int code) const
{
    return lookup(3, code);
}
QString dds::Get_bur1(int code) const
{
    return lookup(4, code);
}
QString dds::Get_bur2(int code) const
{
    return lookup(5, code);
}
QString dds::Get_bur3(int code) const
{
    return lookup(6, code);
}
QString dds::Get_stb1(int code) const
{
    return lookup(7, code);
}
QString dds::Get_stb2(int code) const
{
    return lookup(8, code);
}
QString dds::Get_hbb1(int code) const
{
    return lookup(9, code);
}
QString dds::Get_hbb2(int code) const
{
    return lookup(10, code);
}
