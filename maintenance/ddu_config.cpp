#include "maintenance/ddu_config.h"

#include <QDomDocument>
#include <QFile>
#include <QXmlStreamWriter>

#include "maintenance/logic/xml_input.h"
#include "platform/file_io.h"

namespace config {

namespace {

int* field(DduConfig& cfg, const QString& tag)
{
    if (tag == QLatin1String("VCU"))
        return &cfg.vcu;
    if (tag == QLatin1String("SR"))
        return &cfg.sr;
    if (tag == QLatin1String("BUR"))
        return &cfg.bur;
    if (tag == QLatin1String("CAB"))
        return &cfg.cab;
    if (tag == QLatin1String("DDU"))
        return &cfg.ddu;
    if (tag == QLatin1String("MVB"))
        return &cfg.mvb;
    return nullptr;
}

void setError(QString* error, const QString& text)
{
    if (error)
        *error = text;
}

constexpr qint64 kMaxConfigBytes = 64 * 1024;
constexpr int kMaxConfigDepth = 16;

} // namespace

bool readConfig(const QString& path, DduConfig& cfg, QString* error)
{
    // A few hundred bytes three levels deep: a regular file of at most 64 KB
    // and 16 levels (a huge, deeply nested or special file in its place is
    // refused at once, instead of holding the start-up).
    const maint::FileBytes file = maint::readWhole(path, kMaxConfigBytes);
    if (file.status == maint::ReadStatus::CannotOpen || file.status == maint::ReadStatus::TooLarge) {
        setError(error, file.problem);
        return false;
    }
    return parseConfig(file.data, cfg, error);
}

bool parseConfig(const QByteArray& bytes, DduConfig& cfg, QString* error)
{
    if (bytes.size() > kMaxConfigBytes) {
        setError(error, QStringLiteral("more than %1 bytes").arg(kMaxConfigBytes));
        return false;
    }
    QString message;
    if (!platform::xmlWithinDepth(bytes, kMaxConfigDepth, &message)) {
        setError(error, message);
        return false;
    }
    QDomDocument doc(QStringLiteral("Loco"));
    int line = 0;
    if (!doc.setContent(bytes, &message, &line)) {
        setError(error, QStringLiteral("line %1: %2").arg(line).arg(message));
        return false;
    }
    // Values are taken only from a file that parsed as a whole.
    DduConfig read = cfg;
    const QDomElement root = doc.documentElement();
    for (QDomElement details = root.firstChildElement(QStringLiteral("Loco_Details")); !details.isNull();
         details = details.nextSiblingElement(QStringLiteral("Loco_Details"))) {
        for (QDomElement e = details.firstChildElement(); !e.isNull(); e = e.nextSiblingElement()) {
            if (int* v = field(read, e.tagName()))
                *v = e.text().trimmed().toInt(); // text that is not a number gives 0
        }
    }
    cfg = read;
    return true;
}

void applyStoredDefaults(DduConfig& cfg)
{
    cfg.vcu = 3;
    cfg.sr = 3;
    cfg.bur = 3;
    cfg.ddu = 3;
    cfg.mvb = 0;
}

bool writeConfig(const QString& path, DduConfig& cfg, QString* error)
{
    applyStoredDefaults(cfg);
    return platform::saveFile(path, formatConfig(cfg), error);
}

QByteArray formatConfig(const DduConfig& cfg)
{
    QByteArray bytes;
    QXmlStreamWriter xml(&bytes);
    xml.setAutoFormatting(true);
    xml.writeStartDocument();
    xml.writeStartElement(QStringLiteral("Table"));
    xml.writeStartElement(QStringLiteral("Loco_Details"));
    const std::pair<const char*, int> values[] = {{"VCU", cfg.vcu}, {"SR", cfg.sr},   {"BUR", cfg.bur},
                                                  {"CAB", cfg.cab}, {"DDU", cfg.ddu}, {"MVB", cfg.mvb}};
    for (const auto& [tag, value] : values)
        xml.writeTextElement(QLatin1String(tag), QString::number(value));
    xml.writeEndElement();
    xml.writeEndElement();
    xml.writeEndDocument();
    return bytes;
}

// ----- check boxes -----

// Data tables: one row per box, laid out by hand.
// clang-format off
namespace {

// Captions of the equipment variants by code (code 2 of the control
// equipment is the one with ICP processors: the screens then call the two
// control processors ICP1 and ICP2).
const std::vector<CheckCode> kVcu = {
    {"vcucheck1", 0, QT_TRANSLATE_NOOP("QObject", "Default")},
    {"vcucheck2", 1, QT_TRANSLATE_NOOP("QObject", "Type 1: FLG, first fit")},
    {"vcucheck3", 3, QT_TRANSLATE_NOOP("QObject", "Type 3: FLG, upgraded software")},
    {"vcucheck4", 2, QT_TRANSLATE_NOOP("QObject", "Type 2: ICP processors")},
    {"vcucheck5", 4, QT_TRANSLATE_NOOP("QObject", "Type 4: FLG, distributed power")},
    {"vcucheck6", 5, QT_TRANSLATE_NOOP("QObject", "Type 5: FLG, regen. upgrade")},
    {"vcucheck7", 6, QT_TRANSLATE_NOOP("QObject", "Type 6: VCU series 1")},
    {"vcucheck8", 7, QT_TRANSLATE_NOOP("QObject", "Type 7: VCU series 2")},
    {"vcucheck9", 8, QT_TRANSLATE_NOOP("QObject", "Type 8: overhauled VCU")},
    {"vcucheck10", 9, QT_TRANSLATE_NOOP("QObject", "Type 9: trial fit")},
    {"vcucheck11", 10, QT_TRANSLATE_NOOP("QObject", "Type 10: reserve")},
};

// Traction converter: code 3 is the IGBT converter (its DC link and line
// frequency signals are scaled differently, its contactor feedbacks swapped).
// Boxes 7 and 12 both stand for code 6 (two part numbers of one converter);
// when several boxes are ticked the first of this order wins, and a stored 6
// ticks box 7.
const std::vector<CheckCode> kSr = {
    {"srcheck1", 0, QT_TRANSLATE_NOOP("QObject", "Default")},
    {"srcheck2", 1, QT_TRANSLATE_NOOP("QObject", "Type 1: GTO converter")},
    {"srcheck3", 3, QT_TRANSLATE_NOOP("QObject", "Type 3: IGBT converter")},
    {"srcheck4", 2, QT_TRANSLATE_NOOP("QObject", "Type 2: GTO, new control")},
    {"srcheck5", 4, QT_TRANSLATE_NOOP("QObject", "Type 4: IGBT, water cooled")},
    {"srcheck6", 5, QT_TRANSLATE_NOOP("QObject", "Type 5: IGBT, oil cooled")},
    {"srcheck7", 6, QT_TRANSLATE_NOOP("QObject", "Type 6: retrofit, part A")},
    {"srcheck12", 6, QT_TRANSLATE_NOOP("QObject", "Type 6: retrofit, part B")},
    {"srcheck8", 7, QT_TRANSLATE_NOOP("QObject", "Type 7: converter series 2")},
    {"srcheck9", 8, QT_TRANSLATE_NOOP("QObject", "Type 8: overhauled converter")},
    {"srcheck10", 9, QT_TRANSLATE_NOOP("QObject", "Type 9: trial fit")},
    {"srcheck11", 10, QT_TRANSLATE_NOOP("QObject", "Type 10: reserve")},
};

// Auxiliary converters, same codes and order as the traction converter.
const std::vector<CheckCode> kBur = {
    {"burcheck1", 0, QT_TRANSLATE_NOOP("QObject", "Default")},
    {"burcheck2", 1, QT_TRANSLATE_NOOP("QObject", "Type 1: three BUR, GTO")},
    {"burcheck3", 3, QT_TRANSLATE_NOOP("QObject", "Type 3: three BUR, IGBT")},
    {"burcheck4", 2, QT_TRANSLATE_NOOP("QObject", "Type 2: two BUR, GTO")},
    {"burcheck5", 4, QT_TRANSLATE_NOOP("QObject", "Type 4: IGBT, hotel load")},
    {"burcheck6", 5, QT_TRANSLATE_NOOP("QObject", "Type 5: IGBT, oil cooled")},
    {"burcheck7", 6, QT_TRANSLATE_NOOP("QObject", "Type 6: retrofit, part A")},
    {"burcheck12", 6, QT_TRANSLATE_NOOP("QObject", "Type 6: retrofit, part B")},
    {"burcheck8", 7, QT_TRANSLATE_NOOP("QObject", "Type 7: converter series 2")},
    {"burcheck9", 8, QT_TRANSLATE_NOOP("QObject", "Type 8: overhauled converter")},
    {"burcheck10", 9, QT_TRANSLATE_NOOP("QObject", "Type 9: trial fit")},
    {"burcheck11", 10, QT_TRANSLATE_NOOP("QObject", "Type 10: reserve")},
};

const std::vector<CheckCode> kCab = {
    {"cabcheck3", 0, QT_TRANSLATE_NOOP("QObject", "No Cab")},
    {"cabcheck1", 1, QT_TRANSLATE_NOOP("QObject", "Cab1")},
    {"cabcheck2", 2, QT_TRANSLATE_NOOP("QObject", "Cab2")},
};

const std::vector<CheckCode> kDisplayType = {
    {"DDUcheck1", 1, QT_TRANSLATE_NOOP("QObject", "DDU")},
    {"DDUcheck2", 2, QT_TRANSLATE_NOOP("QObject", "RMS With Pixy")},
    {"DDUcheck3", 3, QT_TRANSLATE_NOOP("QObject", "RMS Without Pixy")},
};

const std::vector<CheckCode> kMvb = {
    {"mvb_EMD_check", 0, QT_TRANSLATE_NOOP("QObject", "EMD")},
    {"mvb_ESD_check", 1, QT_TRANSLATE_NOOP("QObject", "ESD")},
};

} // namespace
// clang-format on

const std::vector<CheckCode>& checkCodes(Dialog dialog)
{
    switch (dialog) {
    case Dialog::Vcu: return kVcu;
    case Dialog::Sr: return kSr;
    case Dialog::Bur: return kBur;
    case Dialog::Cab: return kCab;
    case Dialog::DisplayType: return kDisplayType;
    case Dialog::Mvb: break;
    }
    return kMvb;
}

const char* boxOf(Dialog dialog, int code)
{
    for (const CheckCode& c : checkCodes(dialog))
        if (c.code == code)
            return c.box;
    return nullptr;
}

} // namespace config
