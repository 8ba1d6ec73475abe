#pragma once
// The unit's configuration file (file/master/DDU.xml): in which cab the
// display sits, which equipment variants it serves, its display type and MVB
// board. Plain logic without widgets; the window keeps the values in its own
// stores and calls these functions to read and write them.
//
//   <?xml version="1.0" encoding="UTF-8"?>
//   <Table>
//       <Loco_Details>
//           <VCU>3</VCU> <SR>3</SR> <BUR>3</BUR> <CAB>1</CAB> <DDU>3</DDU> <MVB>0</MVB>
//       </Loco_Details>
//   </Table>

#include <QByteArray>
#include <QString>

#include <vector>

namespace config {

struct DduConfig {
    int vcu = 0; // Selected_VCU_Type: control equipment variant
    int sr = 0;  // Selected_SR_Type: traction converter variant
    int bur = 0; // Selected_BUR_Type: auxiliary converter variant
    int cab = 0; // Selected_CAB_Type: 0 no cab, 1 cab 1, 2 cab 2
    int ddu = 1; // Selected_DDU_Type: 1 DDU, 2 RMS with Pixy, 3 RMS without Pixy
    int mvb = 0; // Selected_MVB_Type: 0 EMD, 1 ESD

    bool operator==(const DduConfig& o) const
    {
        return vcu == o.vcu && sr == o.sr && bur == o.bur && cab == o.cab && ddu == o.ddu && mvb == o.mvb;
    }
};

// Reads `path` into `cfg`. Every element of a "Loco_Details" below the root
// that names a value sets it (text that is not a number gives 0); other
// elements are ignored. A file that cannot be opened or parsed changes
// nothing and returns false with the reason in `error`.
bool readConfig(const QString& path, DduConfig& cfg, QString* error = nullptr);
// The same for the bytes of such a file.
bool parseConfig(const QByteArray& bytes, DduConfig& cfg, QString* error = nullptr);

// The values the unit stores whatever was chosen: only the cab is a choice
// that survives; the variants and the display type are stored as 3, the MVB
// board as 0 (the units in service all run this set).
void applyStoredDefaults(DduConfig& cfg);

// Applies the stored defaults to `cfg`, then replaces `path` atomically with
// the six values. False (the old file untouched) when it cannot be written.
bool writeConfig(const QString& path, DduConfig& cfg, QString* error = nullptr);
// The bytes writeConfig stores for `cfg` (as it is, defaults not applied).
QByteArray formatConfig(const DduConfig& cfg);

// ----- check boxes of the configuration dialogs -----

// One box of a dialog and the code it stands for; `text` is the caption
// (marked for translation in the context "QObject").
struct CheckCode {
    const char* box;
    int code;
    const char* text;
};

enum class Dialog { Vcu, Sr, Bur, Cab, DisplayType, Mvb };

// The boxes of a dialog in the order in which a tick wins when several are
// ticked (see codeOf).
const std::vector<CheckCode>& checkCodes(Dialog dialog);

// The code of the first ticked box, in the table's order; `current` when no
// box is ticked. `ticked(box)` tells whether a box is ticked.
template <class Ticked> int codeOf(Dialog dialog, Ticked ticked, int current)
{
    for (const CheckCode& c : checkCodes(dialog))
        if (ticked(c.box))
            return c.code;
    return current;
}

// The first box of the table standing for `code`, or nullptr when none does
// (nothing is ticked then).
const char* boxOf(Dialog dialog, int code);

} // namespace config
