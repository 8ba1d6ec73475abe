// Fault and information catalogue: every message number the diagnosis processors
// can publish, with the texts the cab display shows for it.
//
// One block per entry, fields in order: number, fault code, log label,
// lines 1 to 4, advice pages 1 to 4. Every text but the fault code is a key of
// the "QObject" translation context and is marked where it is written with
// QT_TRANSLATE_NOOP("QObject", ...) so that lupdate extracts it (the shared
// procedures too); empty texts and the fault code are not marked.
// Display lines are at most 40 characters; advice page lines at most 40 except
// the titles of the shared procedures.

#include "diagnostics/fault.h"

#include <QtGlobal>

// Data tables: laid out by hand, one entry per line or block.
// clang-format off

namespace {

// Procedures shared by several entries.
const char kElectronicsOffOn[] = QT_TRANSLATE_NOOP("QObject",
    "Procedure for switching OFF/ON of Electronics.\n"
    "1) Bring throttle to 0; stop the train.\n"
    "2) Open VCB and lower the pantograph.\n"
    "3) Put the BL key to OFF position.\n"
    "4) Switch OFF the control electronics\n"
    "   MCB, wait 1 minute, switch it ON.\n"
    "5) Put the BL key to ON position and\n"
    "   wait until the display is ready.\n"
    "6) Raise the pantograph and close VCB.\n");

const char kResettingMcbs[] = QT_TRANSLATE_NOOP("QObject",
    "Procedure for resetting tripped MCBs.\n"
    "1) Bring throttle to 0; stop the train.\n"
    "2) Open VCB and lower the pantograph.\n"
    "3) Find the tripped MCB in HB1 or HB2.\n"
    "4) Switch it ON only once.\n"
    "5) Raise panto, close VCB and check that\n"
    "   the equipment works.\n"
    "6) If the MCB trips again, leave it OFF\n"
    "   and inform TLC.\n");

const char kRaiseOtherPanto[] = QT_TRANSLATE_NOOP("QObject",
    "Procedure for raising the other pantograph.\n"
    "1) Throttle to 0 position; open VCB.\n"
    "2) If the OHE is damaged or entangled,\n"
    "   raise no panto; inform TLC.\n"
    "3) Set the panto selector switch to the\n"
    "   other pantograph.\n"
    "4) Raise it; check primary voltage.\n"
    "5) Close VCB and resume driving.\n"
    "6) If this panto fails too, lower it and\n"
    "   inform TLC.\n");

const char kMessageNotInUse[] = QT_TRANSLATE_NOOP("QObject",
    "1. No action needed while driving.\n"
    "2. Acknowledge the message with BPFA.\n"
    "3. Note the fault code in the logbook\n"
    "   and inform the shed on arrival.\n");

const FaultEntry kCatalogue[] = {

    // Information messages
    {90, "", "",
     {QT_TRANSLATE_NOOP("QObject", "Information 001"),
      QT_TRANSLATE_NOOP("QObject", "SELF HOLD MODE ACTIVE"),
      QT_TRANSLATE_NOOP("QObject", "After 10 min MCE will switch off"),
      ""},
     {"", "", "", ""}},
    {91, "", "",
     {QT_TRANSLATE_NOOP("QObject", "Information 002"),
      QT_TRANSLATE_NOOP("QObject", "MORE THAN ONE CAB ACTIVE"),
      QT_TRANSLATE_NOOP("QObject", "Deactivate non driving cab"),
      QT_TRANSLATE_NOOP("QObject", "Otherwise after 10 min MCE switches off")},
     {"", "", "", ""}},
    {92, "", "",
     {QT_TRANSLATE_NOOP("QObject", "Information 003"),
      QT_TRANSLATE_NOOP("QObject", "TRACTION MAY NOT BE AVAILABLE ON"),
      QT_TRANSLATE_NOOP("QObject", "THIS LOCO OR ON THE SLAVE LOCO"),
      QT_TRANSLATE_NOOP("QObject", "Bring throttle to 0 pos. then set again")},
     {"", "", "", ""}},
    {93, "", "",
     {QT_TRANSLATE_NOOP("QObject", "Information 004"),
      QT_TRANSLATE_NOOP("QObject", "TRAIN CONFIGURATION RUNNING"),
      QT_TRANSLATE_NOOP("QObject", "Please wait"),
      ""},
     {"", "", "", ""}},
    {94, "", "",
     {QT_TRANSLATE_NOOP("QObject", "Information 005"),
      "",
      QT_TRANSLATE_NOOP("QObject", "FULL TE/BE RESTORED"),
      ""},
     {"", "", "", ""}},
    {95, "", "",
     {QT_TRANSLATE_NOOP("QObject", "Information 006"),
      QT_TRANSLATE_NOOP("QObject", "PANTO RAISING"),
      QT_TRANSLATE_NOOP("QObject", "Please wait"),
      ""},
     {"", "", "", ""}},
    {96, "", "",
     {QT_TRANSLATE_NOOP("QObject", "Energy saving mode activated"),
      QT_TRANSLATE_NOOP("QObject", " "),
      QT_TRANSLATE_NOOP("QObject", " "),
      ""},
     {"", "", "", ""}},
    {99, "", "",
     {QT_TRANSLATE_NOOP("QObject", "Simulation mode       Status: "),
      "",
      "",
      ""},
     {"", "", "", ""}},

    // Isolation messages
    {100, "", QT_TRANSLATE_NOOP("QObject", "SS01:Main power"),
     {QT_TRANSLATE_NOOP("QObject", "SS01:Main power"),
      QT_TRANSLATE_NOOP("QObject", "MAIN POWER ISOLATED; VCB inhibited"),
      QT_TRANSLATE_NOOP("QObject", "Loco is dead"),
      ""},
     {QT_TRANSLATE_NOOP("QObject", "1. Stop the train and secure it with\n"
                                   "   loco and train brakes.\n"
                                   "2. Inform TLC and protect the train as\n"
                                   "   per rules.\n"
                                   "3. Check the machine room for smoke,\n"
                                   "   fire or oil leakage.\n"
                                   "4. If all is normal, reset once as per\n"
                                   "   page 2 (electronics OFF/ON).\n"
                                   "5. If VCB stays inhibited, ask TLC for a\n"
                                   "   relief loco.\n"),
      kElectronicsOffOn, "", ""}},
    {200, "", QT_TRANSLATE_NOOP("QObject", "SS02:Traction bogie 1"),
     {QT_TRANSLATE_NOOP("QObject", "SS02:Traction bogie"),
      QT_TRANSLATE_NOOP("QObject", "BOGIE 1 ISOLATED"),
      QT_TRANSLATE_NOOP("QObject", "Only half power available"),
      ""},
     {QT_TRANSLATE_NOOP("QObject", "1. Work the train with bogie 2 only;\n"
                                   "   TE/BE is half.\n"
                                   "2. On rising gradients with a heavy\n"
                                   "   load, ask TLC for a banker.\n"
                                   "3. Start gently to avoid wheel slip.\n"
                                   "4. Inform TLC and record in the logbook.\n"), "", "", ""}},
    {300, "", QT_TRANSLATE_NOOP("QObject", "SS03:Traction bogie 2"),
     {QT_TRANSLATE_NOOP("QObject", "SS03:Traction bogie"),
      QT_TRANSLATE_NOOP("QObject", "BOGIE 2 ISOLATED"),
      QT_TRANSLATE_NOOP("QObject", "Only half power available"),
      ""},
     {QT_TRANSLATE_NOOP("QObject", "1. Work the train with bogie 1 only;\n"
                                   "   TE/BE is half.\n"
                                   "2. On rising gradients with a heavy\n"
                                   "   load, ask TLC for a banker.\n"
                                   "3. Start gently to avoid wheel slip.\n"
                                   "4. Inform TLC and record in the logbook.\n"), "", "", ""}},
    {400, "", QT_TRANSLATE_NOOP("QObject", "SS04:Harmonic filter"),
     {QT_TRANSLATE_NOOP("QObject", "SS04:Harmonic filter"),
      QT_TRANSLATE_NOOP("QObject", "HARMONIC FILTER ISOLATED"),
      QT_TRANSLATE_NOOP("QObject", "Max permitted speed is 40 km/h"),
      QT_TRANSLATE_NOOP("QObject", "Speak to TLC")},
     {QT_TRANSLATE_NOOP("QObject", "1. Restrict the speed to 40 km/h.\n"
                                   "2. Inform TLC and follow instructions.\n"
                                   "3. Work the train to the next station or\n"
                                   "   shed.\n"
                                   "4. Record in the logbook.\n"), "", "", ""}},
    {500, "", QT_TRANSLATE_NOOP("QObject", "SS05:Hotel load"),
     {QT_TRANSLATE_NOOP("QObject", "SS05:Hotel load"),
      QT_TRANSLATE_NOOP("QObject", "Not used"),
      "",
      ""},
     {"", "", "", ""}},
    {600, "", QT_TRANSLATE_NOOP("QObject", "SS06:Aux. converter 1"),
     {QT_TRANSLATE_NOOP("QObject", "SS06:Aux. converter"),
      QT_TRANSLATE_NOOP("QObject", "AUXILIARY CONVERTER 1 ISOLATED"),
      QT_TRANSLATE_NOOP("QObject", "Max. ventilation level will be reduced"),
      QT_TRANSLATE_NOOP("QObject", "Driving still possible")},
     {QT_TRANSLATE_NOOP("QObject", "1. Driving is possible; the other aux.\n"
                                   "   converters feed the auxiliaries.\n"
                                   "2. Blowers run at reduced level; watch\n"
                                   "   for temperature messages.\n"
                                   "3. Avoid long full load working at low\n"
                                   "   speed.\n"
                                   "4. Inform TLC and record in the logbook.\n"), "", "", ""}},
    {700, "", QT_TRANSLATE_NOOP("QObject", "SS07:Aux. converter 2"),
     {QT_TRANSLATE_NOOP("QObject", "SS07:Aux. converter"),
      QT_TRANSLATE_NOOP("QObject", "AUXILIARY CONVERTER 2 ISOLATED"),
      QT_TRANSLATE_NOOP("QObject", "Max. ventilation level will be reduced"),
      QT_TRANSLATE_NOOP("QObject", "Driving still possible")},
     {QT_TRANSLATE_NOOP("QObject", "1. Driving is possible; the other aux.\n"
                                   "   converters feed the auxiliaries.\n"
                                   "2. Blowers run at reduced level; watch\n"
                                   "   for temperature messages.\n"
                                   "3. Avoid long full load working at low\n"
                                   "   speed.\n"
                                   "4. Inform TLC and record in the logbook.\n"), "", "", ""}},
    {800, "", QT_TRANSLATE_NOOP("QObject", "SS08:Aux. converter 3"),
     {QT_TRANSLATE_NOOP("QObject", "SS08:Aux. converter"),
      QT_TRANSLATE_NOOP("QObject", "AUXILIARY CONVERTER 3 ISOLATED"),
      QT_TRANSLATE_NOOP("QObject", "Max. ventilation level will be reduced"),
      QT_TRANSLATE_NOOP("QObject", "Driving still possible")},
     {QT_TRANSLATE_NOOP("QObject", "1. Driving is possible; the other aux.\n"
                                   "   converters feed the auxiliaries.\n"
                                   "2. Blowers run at reduced level; watch\n"
                                   "   for temperature messages.\n"
                                   "3. Avoid long full load working at low\n"
                                   "   speed.\n"
                                   "4. Inform TLC and record in the logbook.\n"), "", "", ""}},
    {1300, "", QT_TRANSLATE_NOOP("QObject", "SS13:Cab 1"),
     {QT_TRANSLATE_NOOP("QObject", "SS13:Cab 1"),
      QT_TRANSLATE_NOOP("QObject", "CAB 1 ISOLATED"),
      QT_TRANSLATE_NOOP("QObject", "Drive from Cab 2"),
      ""},
     {QT_TRANSLATE_NOOP("QObject", "1. Stop the train and secure it with\n"
                                   "   the loco brake; throttle to 0.\n"
                                   "2. Put the BL key of cab 1 to OFF\n"
                                   "   position; change over to cab 2.\n"
                                   "3. Inform TLC. If cab 2 is at the rear,\n"
                                   "   drive at restricted speed with a\n"
                                   "   look-out in the leading cab.\n"
                                   "4. Record in the logbook.\n"), "", "", ""}},
    {1400, "", QT_TRANSLATE_NOOP("QObject", "SS14:Cab 2"),
     {QT_TRANSLATE_NOOP("QObject", "SS14:Cab 2"),
      QT_TRANSLATE_NOOP("QObject", "CAB 2 ISOLATED"),
      QT_TRANSLATE_NOOP("QObject", "Drive from Cab 1"),
      ""},
     {QT_TRANSLATE_NOOP("QObject", "1. Stop the train and secure it with\n"
                                   "   the loco brake; throttle to 0.\n"
                                   "2. Put the BL key of cab 2 to OFF\n"
                                   "   position; change over to cab 1.\n"
                                   "3. Inform TLC. If cab 1 is at the rear,\n"
                                   "   drive at restricted speed with a\n"
                                   "   look-out in the leading cab.\n"
                                   "4. Record in the logbook.\n"), "", "", ""}},
    {1700, "", QT_TRANSLATE_NOOP("QObject", "SS17:Processor FLG1"),
     {QT_TRANSLATE_NOOP("QObject", "SS17:Processor FLG1"),
      QT_TRANSLATE_NOOP("QObject", "FLG1 ISOLATED"),
      QT_TRANSLATE_NOOP("QObject", "Refer to Driver Manual"),
      ""},
     {QT_TRANSLATE_NOOP("QObject", "1. FLG2 has taken over the vehicle\n"
                                   "   control.\n"
                                   "2. Continue driving; watch the display\n"
                                   "   for further messages.\n"
                                   "3. Do not switch the electronics OFF/ON\n"
                                   "   while running.\n"
                                   "4. Inform TLC and record in the logbook.\n"), "", "", ""}},
    {1800, "", QT_TRANSLATE_NOOP("QObject", "SS18:Processor FLG2"),
     {QT_TRANSLATE_NOOP("QObject", "SS18:Processor FLG2"),
      QT_TRANSLATE_NOOP("QObject", "FLG2 ISOLATED"),
      QT_TRANSLATE_NOOP("QObject", "Refer to Driver Manual"),
      ""},
     {QT_TRANSLATE_NOOP("QObject", "1. FLG1 has taken over the vehicle\n"
                                   "   control.\n"
                                   "2. Continue driving; watch the display\n"
                                   "   for further messages.\n"
                                   "3. Do not switch the electronics OFF/ON\n"
                                   "   while running.\n"
                                   "4. Inform TLC and record in the logbook.\n"), "", "", ""}},
    {1900, "", QT_TRANSLATE_NOOP("QObject", "SS19:Trainbus"),
     {QT_TRANSLATE_NOOP("QObject", "SS19:Trainbus"),
      QT_TRANSLATE_NOOP("QObject", "TRAINBUS ISOLATED"),
      QT_TRANSLATE_NOOP("QObject", "Multiple operation not possible"),
      ""},
     {QT_TRANSLATE_NOOP("QObject", "1. Multiple operation is not possible;\n"
                                   "   this loco alone works normally.\n"
                                   "2. Stop at a suitable place and inform\n"
                                   "   TLC.\n"
                                   "3. As TLC permits, work the train with\n"
                                   "   this loco; the second loco runs as a\n"
                                   "   dead loco.\n"
                                   "4. Record in the logbook.\n"), "", "", ""}},

    // Priority 1 faults, subsystem 01
    {10101, "F0101P1", QT_TRANSLATE_NOOP("QObject", "SS01:Main Power"),
     {QT_TRANSLATE_NOOP("QObject", "SS01:Main power"),
      QT_TRANSLATE_NOOP("QObject", "VCB STUCK IN ON POSITION"),
      QT_TRANSLATE_NOOP("QObject", "Panto will be lowered automatically"),
      QT_TRANSLATE_NOOP("QObject", "Do not raise panto F0101P1")},
     {QT_TRANSLATE_NOOP("QObject", "1. Bring throttle to 0; coast and stop\n"
                                   "   the train at a suitable place.\n"
                                   "2. Do not raise the panto: check that it\n"
                                   "   is down and primary voltage is zero.\n"
                                   "3. Secure the train and inform TLC.\n"
                                   "4. Check MR pressure and the MCB of the\n"
                                   "   VCB control circuit.\n"),
      QT_TRANSLATE_NOOP("QObject", "5. With the panto down, check that VCB\n"
                                   "   is open: cab indication and the\n"
                                   "   breaker's own position indicator.\n"
                                   "6. If it is not open, switch electronics\n"
                                   "   OFF/ON, give the VCB OFF command and\n"
                                   "   check again.\n"
                                   "7. Raise the panto only when VCB is\n"
                                   "   proved open; otherwise keep it down\n"
                                   "   and ask TLC for a relief loco.\n"), "", ""}},
    {10102, "F0102P1", QT_TRANSLATE_NOOP("QObject", "SS01:Main Power"),
     {QT_TRANSLATE_NOOP("QObject", "SS01:Main power"),
      QT_TRANSLATE_NOOP("QObject", "VCB STUCK IN OFF POSITION"),
      QT_TRANSLATE_NOOP("QObject", "VCB can not be closed"),
      QT_TRANSLATE_NOOP("QObject", "Traction not possible F0102P1")},
     {QT_TRANSLATE_NOOP("QObject", "1. Coast to clear block section; stop at\n"
                                   "   a suitable place.\n"
                                   "2. With the throttle at 0, try once more\n"
                                   "   to close VCB.\n"
                                   "3. Check MR pressure and the air supply\n"
                                   "   cock of the VCB.\n"
                                   "4. Check the MCB of the VCB control\n"
                                   "   circuit.\n"),
      QT_TRANSLATE_NOOP("QObject", "5. Reset by switching electronics\n"
                                   "   OFF/ON.\n"
                                   "6. Lower this panto, raise the other one\n"
                                   "   and try to close VCB.\n"
                                   "7. If VCB still does not close, inform\n"
                                   "   TLC and ask for a relief loco.\n"), "", ""}},
    {10103, "F0103P1", QT_TRANSLATE_NOOP("QObject", "SS01:Main Power"),
     {QT_TRANSLATE_NOOP("QObject", "SS01:Main power"),
      QT_TRANSLATE_NOOP("QObject", "LOW PRESSURE PANTO/FAULTY PANTO"),
      QT_TRANSLATE_NOOP("QObject", "Panto lowered and VCB opened"),
      QT_TRANSLATE_NOOP("QObject", "Raise the other panto F0103P1")},
     {QT_TRANSLATE_NOOP("QObject", "1. Throttle to 0; coast to clear the\n"
                                   "   block section, then stop the train.\n"
                                   "2. Look at both pantos and the OHE for\n"
                                   "   damage or entangled wires.\n"
                                   "3. If the OHE is damaged or entangled,\n"
                                   "   raise no panto: inform TLC and wait\n"
                                   "   for the traction power staff.\n"),
      QT_TRANSLATE_NOOP("QObject", "4. Check the panto air pressure gauge;\n"
                                   "   run the aux. compressor if it is low.\n"
                                   "5. Check that the panto isolating cock\n"
                                   "   is open.\n"
                                   "6. If the panto is damaged, isolate it;\n"
                                   "   do not raise it again.\n"
                                   "7. Only with the OHE in order, raise the\n"
                                   "   other panto as per page 3.\n"
                                   "8. Inform TLC and record in the logbook.\n"),
      kRaiseOtherPanto, ""}},
    {10104, "F0104P1", QT_TRANSLATE_NOOP("QObject", "SS01:Main power"),
     {QT_TRANSLATE_NOOP("QObject", "SS01:Main power"),
      QT_TRANSLATE_NOOP("QObject", "CATENARY VOLTAGE OUT OF LIMITS"),
      QT_TRANSLATE_NOOP("QObject", "VCB opened by protection"),
      QT_TRANSLATE_NOOP("QObject", "Check catenary voltage F0104P1")},
     {QT_TRANSLATE_NOOP("QObject", "1. Coast to clear block section.\n"
                                   "2. Watch the primary voltage on the\n"
                                   "   display.\n"
                                   "3. If the voltage is out of limits, wait\n"
                                   "   with VCB open; inform TPC through TLC\n"
                                   "   or the station.\n"),
      QT_TRANSLATE_NOOP("QObject", "4. Close VCB when the voltage is back to\n"
                                   "   normal.\n"
                                   "5. If it trips with normal catenary\n"
                                   "   voltage, lower the panto and raise\n"
                                   "   the other one.\n"
                                   "6. If it still trips, keep VCB open;\n"
                                   "   switch electronics OFF/ON once and\n"
                                   "   inform TLC.\n"), "", ""}},
    {10105, "F0105P1", QT_TRANSLATE_NOOP("QObject", "SS01:Main power"),
     {QT_TRANSLATE_NOOP("QObject", "SS01:Main power"),
      QT_TRANSLATE_NOOP("QObject", "TRANSFORMER OIL TEMP. OR PRESSURE NOT OK"),
      QT_TRANSLATE_NOOP("QObject", "VCB opened, traction not available"),
      QT_TRANSLATE_NOOP("QObject", "Stop and check transformer F0105P1")},
     {QT_TRANSLATE_NOOP("QObject", "1. Coast and stop the train at a\n"
                                   "   suitable place.\n"
                                   "2. Check the oil level gauge of the\n"
                                   "   transformer in the machine room.\n"
                                   "3. Check under the loco for oil leaking\n"
                                   "   from the transformer.\n"
                                   "4. If the oil level is low, do not close\n"
                                   "   VCB; ask TLC for a relief loco.\n"),
      QT_TRANSLATE_NOOP("QObject", "5. Check the MCBs of transformer oil\n"
                                   "   pumps and oil cooler blowers in HB1\n"
                                   "   and HB2; switch ON once if tripped.\n"
                                   "6. Close VCB and check that both oil\n"
                                   "   pumps and oil cooler blowers run.\n"),
      QT_TRANSLATE_NOOP("QObject", "7. If the oil is hot, keep VCB closed\n"
                                   "   without traction for 10 minutes to\n"
                                   "   cool it.\n"
                                   "8. Reset by switching electronics OFF/ON\n"
                                   "   as per page 4.\n"
                                   "9. If the fault repeats, inform TLC and\n"
                                   "   record in the logbook.\n"),
      kElectronicsOffOn}},
    {10106, "F0106P1", QT_TRANSLATE_NOOP("QObject", "SS01:Main Power"),
     {QT_TRANSLATE_NOOP("QObject", "SS01:Main power"),
      QT_TRANSLATE_NOOP("QObject", "FILTER ON/OFF CONTACTOR STUCK ON"),
      QT_TRANSLATE_NOOP("QObject", "VCB can not be closed"),
      QT_TRANSLATE_NOOP("QObject", "Isolate harmonic filter F0106P1")},
     {QT_TRANSLATE_NOOP("QObject", "1. Coast to clear block section; stop at\n"
                                   "   a suitable place.\n"
                                   "2. Switch electronics OFF/ON and try to\n"
                                   "   close VCB.\n"
                                   "3. If VCB does not close, isolate the\n"
                                   "   harmonic filter with its rotary\n"
                                   "   switch.\n"),
      QT_TRANSLATE_NOOP("QObject", "4. Close VCB; with the harmonic filter\n"
                                   "   isolated the max. speed is 40 km/h.\n"
                                   "5. Inform TLC and record in the logbook.\n"), "", ""}},
    {10107, "F0107P1", QT_TRANSLATE_NOOP("QObject", "SS01:Main Power"),
     {QT_TRANSLATE_NOOP("QObject", "SS01:Main power"),
      QT_TRANSLATE_NOOP("QObject", "PRECHARGE OR MAIN CONTACTOR STUCK ON"),
      QT_TRANSLATE_NOOP("QObject", "VCB can not be closed"),
      QT_TRANSLATE_NOOP("QObject", "Isolate faulty bogie F0107P1")},
     {QT_TRANSLATE_NOOP("QObject", "1. Coast to clear block section; stop at\n"
                                   "   a suitable place.\n"
                                   "2. Switch electronics OFF/ON and try to\n"
                                   "   close VCB.\n"
                                   "3. If it fails, isolate bogie 1 with the\n"
                                   "   bogie isolation switch and close VCB.\n"),
      QT_TRANSLATE_NOOP("QObject", "4. If VCB still does not close,\n"
                                   "   normalise bogie 1, isolate bogie 2\n"
                                   "   and try again.\n"
                                   "5. Work with half power on the healthy\n"
                                   "   bogie.\n"
                                   "6. Inform TLC and record in the logbook.\n"), "", ""}},
    {10108, "F0108P1", QT_TRANSLATE_NOOP("QObject", "SS01:Main Power"),
     {QT_TRANSLATE_NOOP("QObject", "SS01:Main power"),
      QT_TRANSLATE_NOOP("QObject", "PRIMARY OVERCURRENT"),
      QT_TRANSLATE_NOOP("QObject", "VCB opened by protection"),
      QT_TRANSLATE_NOOP("QObject", "Close VCB only once more F0108P1")},
     {QT_TRANSLATE_NOOP("QObject", "1. Coast and stop the train at a\n"
                                   "   suitable place.\n"
                                   "2. Check the machine room for smoke,\n"
                                   "   burning smell or flash marks.\n"
                                   "3. If anything is abnormal, do not close\n"
                                   "   VCB; inform TLC.\n"),
      QT_TRANSLATE_NOOP("QObject", "4. If all is normal, close VCB once more\n"
                                   "   with the throttle at 0.\n"
                                   "5. If VCB trips again, do not close it\n"
                                   "   again: lower the panto.\n"
                                   "6. Inform TLC, ask for a relief loco and\n"
                                   "   record in the logbook.\n"), "", ""}},
    {10109, "F0109P1", QT_TRANSLATE_NOOP("QObject", "SS01:Main Power"),
     {QT_TRANSLATE_NOOP("QObject", "SS01:Main power"),
      QT_TRANSLATE_NOOP("QObject", "AUXILIARY WINDING OVERCURRENT"),
      QT_TRANSLATE_NOOP("QObject", "VCB opened by protection"),
      QT_TRANSLATE_NOOP("QObject", "Check aux. converters F0109P1")},
     {QT_TRANSLATE_NOOP("QObject", "1. Throttle to 0; coast and stop the\n"
                                   "   train at a suitable place.\n"
                                   "2. Check the machine room and the aux.\n"
                                   "   converters for smoke or burning\n"
                                   "   smell; if found, keep VCB open.\n"
                                   "3. If normal, close VCB once more.\n"
                                   "4. If VCB trips again, keep it open,\n"
                                   "   lower the panto and ask TLC for a\n"
                                   "   relief loco.\n"
                                   "5. Record in the logbook.\n"), "", "", ""}},
    {10110, "F0110P1", QT_TRANSLATE_NOOP("QObject", "SS01:Main Power"),
     {QT_TRANSLATE_NOOP("QObject", "SS01:Main power"),
      QT_TRANSLATE_NOOP("QObject", "FATAL ERROR IN MAIN CIRCUIT"),
      QT_TRANSLATE_NOOP("QObject", "VCB opened, loco not available"),
      QT_TRANSLATE_NOOP("QObject", "Switch electronics OFF/ON F0110P1")},
     {QT_TRANSLATE_NOOP("QObject", "1. Coast and stop the train at a\n"
                                   "   suitable place.\n"
                                   "2. Switch electronics OFF/ON (page 2).\n"
                                   "3. If the fault repeats, do not try\n"
                                   "   again; inform TLC and ask for a\n"
                                   "   relief loco.\n"),
      kElectronicsOffOn, "", ""}},

    // Priority 1 faults, subsystem 02
    {10201, "F0201P1", QT_TRANSLATE_NOOP("QObject", "SS02:Traction Bogie 1"),
     {QT_TRANSLATE_NOOP("QObject", "SS02:Traction bogie"),
      QT_TRANSLATE_NOOP("QObject", "DISTURBANCE IN CONVERTER 1"),
      QT_TRANSLATE_NOOP("QObject", "Bogie 1 switched off"),
      QT_TRANSLATE_NOOP("QObject", "Switch electronics OFF/ON F0201P1")},
     {QT_TRANSLATE_NOOP("QObject", "1. Continue with bogie 2 if possible.\n"
                                   "2. At a halt, switch electronics OFF/ON.\n"
                                   "3. If the fault repeats, isolate bogie 1\n"
                                   "   with the bogie isolation switch.\n"
                                   "4. Work with half power; inform TLC.\n"), "", "", ""}},
    {10202, "F0202P1", QT_TRANSLATE_NOOP("QObject", "SS02:Traction Bogie 1"),
     {QT_TRANSLATE_NOOP("QObject", "SS02:Traction bogie"),
      QT_TRANSLATE_NOOP("QObject", "CONVERTER CONTACTOR STUCK OFF"),
      QT_TRANSLATE_NOOP("QObject", "Converter 1 not available"),
      QT_TRANSLATE_NOOP("QObject", "Only half power available F0202P1")},
     {QT_TRANSLATE_NOOP("QObject", "1. Continue with half power on bogie 2.\n"
                                   "2. At a halt, switch electronics OFF/ON.\n"
                                   "3. If the fault repeats, isolate bogie 1\n"
                                   "   with the bogie isolation switch.\n"
                                   "4. Inform TLC and record in the logbook.\n"), "", "", ""}},
    {10203, "F0203P1", QT_TRANSLATE_NOOP("QObject", "SS02:Traction Bogie 1"),
     {QT_TRANSLATE_NOOP("QObject", "SS02:Traction bogie"),
      QT_TRANSLATE_NOOP("QObject", "not used"),
      "",
      QT_TRANSLATE_NOOP("QObject", "F0203P1")},
     {"", "", "", ""}},
    {10204, "F0204P1", QT_TRANSLATE_NOOP("QObject", "SS02:Traction bogie 1"),
     {QT_TRANSLATE_NOOP("QObject", "SS02:Traction bogie"),
      QT_TRANSLATE_NOOP("QObject", "not used"),
      "",
      QT_TRANSLATE_NOOP("QObject", "F0204P1")},
     {"", "", "", ""}},
    {10205, "F0205P1", QT_TRANSLATE_NOOP("QObject", "SS02:Traction Bogie 1"),
     {QT_TRANSLATE_NOOP("QObject", "SS02:Traction bogie"),
      QT_TRANSLATE_NOOP("QObject", "CONVERTER 1 COOLANT TEMPERATURE TOO HIGH"),
      QT_TRANSLATE_NOOP("QObject", "TE/BE of bogie 1 reduced"),
      QT_TRANSLATE_NOOP("QObject", "Check oil cooler blower 1 F0205P1")},
     {QT_TRANSLATE_NOOP("QObject", "1. Reduce TE and continue with care.\n"
                                   "2. Check that oil cooler blower 1 is\n"
                                   "   running.\n"
                                   "3. Check the MCB of oil cooler blower 1\n"
                                   "   in HB1; reset once if tripped.\n"
                                   "4. At the next stop, check the converter\n"
                                   "   1 coolant level.\n"),
      QT_TRANSLATE_NOOP("QObject", "5. Let the converter cool with VCB\n"
                                   "   closed and no traction.\n"
                                   "6. If the fault repeats, isolate bogie 1\n"
                                   "   and work with half power.\n"
                                   "7. Inform TLC and record in the logbook.\n"), "", ""}},
    {10206, "F0206P1", QT_TRANSLATE_NOOP("QObject", "SS02:Traction Bogie 1"),
     {QT_TRANSLATE_NOOP("QObject", "SS02:Traction bogie"),
      QT_TRANSLATE_NOOP("QObject", "CONVERTER 1 COOLANT PRESSURE NOT OK"),
      QT_TRANSLATE_NOOP("QObject", "Check coolant level"),
      QT_TRANSLATE_NOOP("QObject", "Try to close the VCB again F0206P1")},
     {QT_TRANSLATE_NOOP("QObject", "1. Coast to clear block section.\n"
                                   "2. Stop the train at a suitable place.\n"
                                   "3. Check the coolant level of converter\n"
                                   "   1 in the machine room.\n"
                                   "4. Check the MCB of the converter 1 oil\n"
                                   "   pump in HB1; switch ON if tripped.\n"
                                   "5. Switch electronics OFF/ON.\n"
                                   "6. Raise panto and try to close the VCB\n"
                                   "   again.\n"),
      QT_TRANSLATE_NOOP("QObject", "7. If the fault repeats, isolate bogie 1\n"
                                   "   with the bogie isolation switch and\n"
                                   "   work with half power.\n"
                                   "8. Inform TLC/shed and record in the\n"
                                   "   logbook.\n"), "", ""}},
    {10207, "F0207P1", QT_TRANSLATE_NOOP("QObject", "SS02:Traction Bogie 1"),
     {QT_TRANSLATE_NOOP("QObject", "SS02:Traction bogie"),
      QT_TRANSLATE_NOOP("QObject", "TRACTION MOTOR TEMPERATURE TOO HIGH"),
      QT_TRANSLATE_NOOP("QObject", "TE/BE of bogie 1 reduced"),
      QT_TRANSLATE_NOOP("QObject", "Check TM blower 1 F0207P1")},
     {QT_TRANSLATE_NOOP("QObject", "1. Reduce TE and continue with care.\n"
                                   "2. Check that traction motor blower 1 is\n"
                                   "   running.\n"
                                   "3. Check the MCB of TM blower 1 in HB1;\n"
                                   "   reset once if tripped.\n"
                                   "4. If the fault repeats, isolate bogie\n"
                                   "   1; inform TLC.\n"), "", "", ""}},
    {10208, "F0208P1", QT_TRANSLATE_NOOP("QObject", "SS02:Traction bogie 1"),
     {QT_TRANSLATE_NOOP("QObject", "SS02:Traction bogie"),
      QT_TRANSLATE_NOOP("QObject", "not used"),
      "",
      QT_TRANSLATE_NOOP("QObject", "F0208P1")},
     {"", "", "", ""}},

    // Priority 1 faults, subsystem 03
    {10301, "F0301P1", QT_TRANSLATE_NOOP("QObject", "SS03:Traction Bogie 2"),
     {QT_TRANSLATE_NOOP("QObject", "SS03:Traction bogie"),
      QT_TRANSLATE_NOOP("QObject", "DISTURBANCE IN CONVERTER 2"),
      QT_TRANSLATE_NOOP("QObject", "Bogie 2 switched off"),
      QT_TRANSLATE_NOOP("QObject", "Switch electronics OFF/ON F0301P1")},
     {QT_TRANSLATE_NOOP("QObject", "1. Continue with bogie 1 if possible.\n"
                                   "2. At a halt, switch electronics OFF/ON.\n"
                                   "3. If the fault repeats, isolate bogie 2\n"
                                   "   with the bogie isolation switch.\n"
                                   "4. Work with half power; inform TLC.\n"), "", "", ""}},
    {10302, "F0302P1", QT_TRANSLATE_NOOP("QObject", "SS03:Traction Bogie 2"),
     {QT_TRANSLATE_NOOP("QObject", "SS03:Traction bogie"),
      QT_TRANSLATE_NOOP("QObject", "CONVERTER CONTACTOR STUCK OFF"),
      QT_TRANSLATE_NOOP("QObject", "Converter 2 not available"),
      QT_TRANSLATE_NOOP("QObject", "Only half power available F0302P1")},
     {QT_TRANSLATE_NOOP("QObject", "1. Continue with half power on bogie 1.\n"
                                   "2. At a halt, switch electronics OFF/ON.\n"
                                   "3. If the fault repeats, isolate bogie 2\n"
                                   "   with the bogie isolation switch.\n"
                                   "4. Inform TLC and record in the logbook.\n"), "", "", ""}},
    {10303, "F0304P1", QT_TRANSLATE_NOOP("QObject", "SS03:Traction bogie 2"),
     {QT_TRANSLATE_NOOP("QObject", "SS03:Traction bogie"),
      QT_TRANSLATE_NOOP("QObject", "not used"),
      "",
      QT_TRANSLATE_NOOP("QObject", "F0304P1")},
     {"", "", "", ""}},
    {10304, "F0304P1", QT_TRANSLATE_NOOP("QObject", "SS03:Traction Bogie 2"),
     {QT_TRANSLATE_NOOP("QObject", "SS03:Traction bogie"),
      QT_TRANSLATE_NOOP("QObject", "not used"),
      "",
      QT_TRANSLATE_NOOP("QObject", "F0304P1")},
     {"", "", "", ""}},
    {10305, "F0305P1", QT_TRANSLATE_NOOP("QObject", "SS03:Traction Bogie 2"),
     {QT_TRANSLATE_NOOP("QObject", "SS03:Traction bogie"),
      QT_TRANSLATE_NOOP("QObject", "CONVERTER 2 COOLANT TEMPERATURE TOO HIGH"),
      QT_TRANSLATE_NOOP("QObject", "TE/BE of bogie 2 reduced"),
      QT_TRANSLATE_NOOP("QObject", "Check oil cooler blower 2 F0305P1")},
     {QT_TRANSLATE_NOOP("QObject", "1. Reduce TE and continue with care.\n"
                                   "2. Check that oil cooler blower 2 is\n"
                                   "   running.\n"
                                   "3. Check the MCB of oil cooler blower 2\n"
                                   "   in HB2; reset once if tripped.\n"
                                   "4. At the next stop, check the converter\n"
                                   "   2 coolant level.\n"),
      QT_TRANSLATE_NOOP("QObject", "5. Let the converter cool with VCB\n"
                                   "   closed and no traction.\n"
                                   "6. If the fault repeats, isolate bogie 2\n"
                                   "   and work with half power.\n"
                                   "7. Inform TLC and record in the logbook.\n"), "", ""}},
    {10306, "F0306P1", QT_TRANSLATE_NOOP("QObject", "SS03:Traction Bogie 2"),
     {QT_TRANSLATE_NOOP("QObject", "SS03:Traction bogie"),
      QT_TRANSLATE_NOOP("QObject", "CONVERTER 2 COOLANT PRESSURE NOT OK"),
      QT_TRANSLATE_NOOP("QObject", "Check coolant level"),
      QT_TRANSLATE_NOOP("QObject", "Try to close the VCB again F0306P1")},
     {QT_TRANSLATE_NOOP("QObject", "1. Coast to clear block section.\n"
                                   "2. Stop the train at a suitable place.\n"
                                   "3. Check the coolant level of converter\n"
                                   "   2 in the machine room.\n"
                                   "4. Check the MCB of the converter 2 oil\n"
                                   "   pump in HB2; switch ON if tripped.\n"
                                   "5. Switch electronics OFF/ON.\n"
                                   "6. Raise panto and try to close the VCB\n"
                                   "   again.\n"),
      QT_TRANSLATE_NOOP("QObject", "7. If the fault repeats, isolate bogie 2\n"
                                   "   with the bogie isolation switch and\n"
                                   "   work with half power.\n"
                                   "8. Inform TLC/shed and record in the\n"
                                   "   logbook.\n"), "", ""}},
    {10307, "F0307P1", QT_TRANSLATE_NOOP("QObject", "SS03:Traction Bogie 2"),
     {QT_TRANSLATE_NOOP("QObject", "SS03:Traction bogie"),
      QT_TRANSLATE_NOOP("QObject", "not used"),
      "",
      QT_TRANSLATE_NOOP("QObject", "F0307P1")},
     {"", "", "", ""}},
    {10308, "F0308P1", QT_TRANSLATE_NOOP("QObject", "SS03:Traction bogie 2"),
     {QT_TRANSLATE_NOOP("QObject", "SS03:Traction bogie"),
      QT_TRANSLATE_NOOP("QObject", "not used"),
      "",
      QT_TRANSLATE_NOOP("QObject", "F0308P1")},
     {"", "", "", ""}},

    // Priority 1 faults, subsystem 04
    {10401, "F0401P1", QT_TRANSLATE_NOOP("QObject", "SS04:Harmonic Filter"),
     {QT_TRANSLATE_NOOP("QObject", "SS04:Harmonic filter"),
      QT_TRANSLATE_NOOP("QObject", "HARMONIC FILTER CURRENT TOO HIGH"),
      QT_TRANSLATE_NOOP("QObject", "VCB opened by protection"),
      QT_TRANSLATE_NOOP("QObject", "Isolate filter if repeated F0401P1")},
     {QT_TRANSLATE_NOOP("QObject", "1. Coast and close VCB once more.\n"
                                   "2. If VCB opens again, stop and isolate\n"
                                   "   the harmonic filter with its rotary\n"
                                   "   switch.\n"
                                   "3. Close VCB; the max. permitted speed\n"
                                   "   is then 40 km/h.\n"
                                   "4. Inform TLC and record in the logbook.\n"), "", "", ""}},
    {10402, "F0402P1", QT_TRANSLATE_NOOP("QObject", "SS04:Harmonic Filter"),
     {QT_TRANSLATE_NOOP("QObject", "SS04:Harmonic filter"),
      QT_TRANSLATE_NOOP("QObject", "HARM. FILTER CONTACTOR(S) STUCK OFF/ON"),
      QT_TRANSLATE_NOOP("QObject", "Harmonic filter not available"),
      QT_TRANSLATE_NOOP("QObject", "Max speed 40 km/h F0402P1")},
     {QT_TRANSLATE_NOOP("QObject", "1. Restrict the speed to 40 km/h.\n"
                                   "2. At a halt, switch electronics OFF/ON.\n"
                                   "3. If the fault stays, isolate the\n"
                                   "   harmonic filter with its rotary\n"
                                   "   switch.\n"
                                   "4. Inform TLC and record in the logbook.\n"), "", "", ""}},
    {10404, "F0404P1", QT_TRANSLATE_NOOP("QObject", "SS04:Harmonic Filter"),
     {QT_TRANSLATE_NOOP("QObject", "SS04:Harmonic filter"),
      QT_TRANSLATE_NOOP("QObject", "FILTER DISCHARGE RESISTOR TOO HOT"),
      QT_TRANSLATE_NOOP("QObject", "Avoid frequent VCB closing"),
      QT_TRANSLATE_NOOP("QObject", "Wait before VCB ON F0404P1")},
     {QT_TRANSLATE_NOOP("QObject", "1. Do not open and close VCB often.\n"
                                   "2. Wait 10 minutes before closing VCB\n"
                                   "   again.\n"
                                   "3. If the message repeats, isolate the\n"
                                   "   harmonic filter; max. speed is then\n"
                                   "   40 km/h.\n"
                                   "4. Inform TLC.\n"), "", "", ""}},

    // Priority 1 faults, subsystem 05
    {10503, "F0503P1", QT_TRANSLATE_NOOP("QObject", "SS05:Hotel load"),
     {QT_TRANSLATE_NOOP("QObject", "SS05:Hotel load"),
      QT_TRANSLATE_NOOP("QObject", "EARTH FAULT IN HOTEL LOAD CIRCUIT"),
      QT_TRANSLATE_NOOP("QObject", "Hotel load switched off"),
      QT_TRANSLATE_NOOP("QObject", "Inform TLC F0503P1")},
     {"", "", "", ""}},
    {10504, "F0504P1", QT_TRANSLATE_NOOP("QObject", "SS05:Hotel load"),
     {QT_TRANSLATE_NOOP("QObject", "SS05:Hotel load"),
      QT_TRANSLATE_NOOP("QObject", "OVERCURRENT IN HOTEL LOAD CIRCUIT"),
      QT_TRANSLATE_NOOP("QObject", "Hotel load switched off"),
      QT_TRANSLATE_NOOP("QObject", "Inform TLC F0504P1")},
     {"", "", "", ""}},

    // Priority 1 faults, subsystem 06
    {10601, "F0601P1", QT_TRANSLATE_NOOP("QObject", "SS06:Aux.converter 1"),
     {QT_TRANSLATE_NOOP("QObject", "SS06:Aux. converter"),
      QT_TRANSLATE_NOOP("QObject", "DISTURBANCE IN PROCESSOR AUX1"),
      QT_TRANSLATE_NOOP("QObject", "Aux. converter 1 not available"),
      QT_TRANSLATE_NOOP("QObject", "Switch electronics OFF/ON F0601P1")},
     {QT_TRANSLATE_NOOP("QObject", "1. Continue; the other aux. converters\n"
                                   "   take over.\n"
                                   "2. At a halt, switch electronics OFF/ON.\n"
                                   "3. If the fault repeats, isolate aux.\n"
                                   "   converter 1.\n"
                                   "4. Inform TLC and record in the logbook.\n"), "", "", ""}},
    {10602, "F0602P1", QT_TRANSLATE_NOOP("QObject", "SS06:Aux.converter 1"),
     {QT_TRANSLATE_NOOP("QObject", "SS06:Aux. converter"),
      QT_TRANSLATE_NOOP("QObject", "FAULT IN AUXILIARY CONVERTER 1"),
      QT_TRANSLATE_NOOP("QObject", "Aux. converter 1 switched off"),
      QT_TRANSLATE_NOOP("QObject", "Driving still possible F0602P1")},
     {QT_TRANSLATE_NOOP("QObject", "1. Continue; the blowers run at reduced\n"
                                   "   level.\n"
                                   "2. Close VCB again if it opened.\n"
                                   "3. If the fault repeats, isolate aux.\n"
                                   "   converter 1.\n"
                                   "4. Inform TLC and record in the logbook.\n"), "", "", ""}},
    {10603, "F0603P1", QT_TRANSLATE_NOOP("QObject", "SS06:Aux.converter 1"),
     {QT_TRANSLATE_NOOP("QObject", "SS06:Aux. converter"),
      QT_TRANSLATE_NOOP("QObject", "CONTACTOR FAULT IN AUX1 or HB1"),
      QT_TRANSLATE_NOOP("QObject", "Aux. converter 1 may be off"),
      QT_TRANSLATE_NOOP("QObject", "Check MCBs in HB1 F0603P1")},
     {QT_TRANSLATE_NOOP("QObject", "1. Continue; the other aux. converters\n"
                                   "   take over.\n"
                                   "2. Check the MCBs in HB1; reset once if\n"
                                   "   tripped.\n"
                                   "3. At a halt, switch electronics OFF/ON.\n"
                                   "4. If the fault repeats, isolate aux.\n"
                                   "   converter 1; inform TLC.\n"), "", "", ""}},
    {10604, "F0604P1", QT_TRANSLATE_NOOP("QObject", "SS06:Aux. converter 1"),
     {QT_TRANSLATE_NOOP("QObject", "SS06:Aux. converter"),
      QT_TRANSLATE_NOOP("QObject", "not used"),
      "",
      QT_TRANSLATE_NOOP("QObject", "F0604P1")},
     {"", "", "", ""}},

    // Priority 1 faults, subsystem 07
    {10701, "F0701P1", QT_TRANSLATE_NOOP("QObject", "SS07:Aux.converter 2"),
     {QT_TRANSLATE_NOOP("QObject", "SS07:Aux. converter"),
      QT_TRANSLATE_NOOP("QObject", "DISTURBANCE IN PROCESSOR AUX2"),
      QT_TRANSLATE_NOOP("QObject", "Aux. converter 2 not available"),
      QT_TRANSLATE_NOOP("QObject", "Switch electronics OFF/ON F0701P1")},
     {QT_TRANSLATE_NOOP("QObject", "1. Continue; the other aux. converters\n"
                                   "   take over.\n"
                                   "2. At a halt, switch electronics OFF/ON.\n"
                                   "3. If the fault repeats, isolate aux.\n"
                                   "   converter 2.\n"
                                   "4. Inform TLC and record in the logbook.\n"), "", "", ""}},
    {10702, "F0702P1", QT_TRANSLATE_NOOP("QObject", "SS07:Aux.converter 2"),
     {QT_TRANSLATE_NOOP("QObject", "SS07:Aux. converter"),
      QT_TRANSLATE_NOOP("QObject", "FAULT IN AUXILIARY CONVERTER 2"),
      QT_TRANSLATE_NOOP("QObject", "Aux. converter 2 switched off"),
      QT_TRANSLATE_NOOP("QObject", "Driving still possible F0702P1")},
     {QT_TRANSLATE_NOOP("QObject", "1. Continue; the blowers run at reduced\n"
                                   "   level.\n"
                                   "2. Close VCB again if it opened.\n"
                                   "3. If the fault repeats, isolate aux.\n"
                                   "   converter 2.\n"
                                   "4. Inform TLC and record in the logbook.\n"), "", "", ""}},
    {10703, "F0703P1", QT_TRANSLATE_NOOP("QObject", "SS07:Aux.converter 2"),
     {QT_TRANSLATE_NOOP("QObject", "SS07:Aux. converter"),
      QT_TRANSLATE_NOOP("QObject", "CONTACTOR FAULT IN AUX.CONV. BOX2 or HB2"),
      QT_TRANSLATE_NOOP("QObject", "Aux. converter 2 may be off"),
      QT_TRANSLATE_NOOP("QObject", "Check MCBs in HB2 F0703P1")},
     {QT_TRANSLATE_NOOP("QObject", "1. Continue; the other aux. converters\n"
                                   "   take over.\n"
                                   "2. Check the MCBs in HB2; reset once if\n"
                                   "   tripped.\n"
                                   "3. At a halt, switch electronics OFF/ON.\n"
                                   "4. If the fault repeats, isolate aux.\n"
                                   "   converter 2; inform TLC.\n"), "", "", ""}},
    {10704, "F0704P1", QT_TRANSLATE_NOOP("QObject", "SS07:Aux. converter 2"),
     {QT_TRANSLATE_NOOP("QObject", "SS07:Aux. converter"),
      QT_TRANSLATE_NOOP("QObject", "Not used"),
      "",
      QT_TRANSLATE_NOOP("QObject", "F0704P1")},
     {"", "", "", ""}},

    // Priority 1 faults, subsystem 08
    {10801, "F0801P1", QT_TRANSLATE_NOOP("QObject", "SS08:Aux.converter 3"),
     {QT_TRANSLATE_NOOP("QObject", "SS08:Aux. converter"),
      QT_TRANSLATE_NOOP("QObject", "DISTURBANCE IN PROCESSOR AUX3"),
      QT_TRANSLATE_NOOP("QObject", "Aux. converter 3 not available"),
      QT_TRANSLATE_NOOP("QObject", "Switch electronics OFF/ON F0801P1")},
     {QT_TRANSLATE_NOOP("QObject", "1. Continue; the other aux. converters\n"
                                   "   take over.\n"
                                   "2. At a halt, switch electronics OFF/ON.\n"
                                   "3. If the fault repeats, isolate aux.\n"
                                   "   converter 3.\n"
                                   "4. Inform TLC and record in the logbook.\n"), "", "", ""}},
    {10802, "F0802P1", QT_TRANSLATE_NOOP("QObject", "SS08:Aux.converter 3"),
     {QT_TRANSLATE_NOOP("QObject", "SS08:Aux. converter"),
      QT_TRANSLATE_NOOP("QObject", "FAULT IN AUXILIARY CONVERTER 3"),
      QT_TRANSLATE_NOOP("QObject", "Aux. converter 3 switched off"),
      QT_TRANSLATE_NOOP("QObject", "Driving still possible F0802P1")},
     {QT_TRANSLATE_NOOP("QObject", "1. Continue; the blowers run at reduced\n"
                                   "   level.\n"
                                   "2. Close VCB again if it opened.\n"
                                   "3. If the fault repeats, isolate aux.\n"
                                   "   converter 3.\n"
                                   "4. Inform TLC and record in the logbook.\n"), "", "", ""}},
    {10803, "F0803P1", QT_TRANSLATE_NOOP("QObject", "SS08:Aux.converter 3"),
     {QT_TRANSLATE_NOOP("QObject", "SS08:Aux. converter"),
      QT_TRANSLATE_NOOP("QObject", "CONTACTOR FAULT IN AUX.CONVERTER BOX 3"),
      QT_TRANSLATE_NOOP("QObject", "Aux. converter 3 may be off"),
      QT_TRANSLATE_NOOP("QObject", "Check MCBs in HB1 and HB2 F0803P1")},
     {QT_TRANSLATE_NOOP("QObject", "1. Continue; the other aux. converters\n"
                                   "   take over.\n"
                                   "2. Check the MCBs in HB1 and HB2; reset\n"
                                   "   once if tripped.\n"
                                   "3. At a halt, switch electronics OFF/ON.\n"
                                   "4. If the fault repeats, isolate aux.\n"
                                   "   converter 3; inform TLC.\n"), "", "", ""}},

    // Priority 1 faults, subsystem 09
    {10901, "F0901P1", QT_TRANSLATE_NOOP("QObject", "SS09:Battery System"),
     {QT_TRANSLATE_NOOP("QObject", "SS09:Battery system"),
      QT_TRANSLATE_NOOP("QObject", "BATTERY VOLTAGE TOO LOW"),
      QT_TRANSLATE_NOOP("QObject", "Loco may shut down"),
      QT_TRANSLATE_NOOP("QObject", "Check battery charger F0901P1")},
     {QT_TRANSLATE_NOOP("QObject", "1. Switch off all loads not needed: cab\n"
                                   "   heater, spot lights.\n"
                                   "2. Check the battery charger MCB; switch\n"
                                   "   ON if tripped.\n"
                                   "3. Keep VCB closed so that the charger\n"
                                   "   works.\n"
                                   "4. Inform TLC; ask for help if the\n"
                                   "   voltage keeps falling.\n"), "", "", ""}},
    {10902, "F0902P1", QT_TRANSLATE_NOOP("QObject", "SS09:Battery system"),
     {QT_TRANSLATE_NOOP("QObject", "SS09:Battery system"),
      QT_TRANSLATE_NOOP("QObject", "LOW BATTERY VOLTAGE"),
      QT_TRANSLATE_NOOP("QObject", "Battery voltage is low"),
      QT_TRANSLATE_NOOP("QObject", "Check battery charger F0902P1")},
     {QT_TRANSLATE_NOOP("QObject", "1. Check the battery voltmeter in the\n"
                                   "   cab.\n"
                                   "2. Check the battery charger MCB; switch\n"
                                   "   ON if tripped.\n"
                                   "3. Keep VCB closed so that the charger\n"
                                   "   works.\n"
                                   "4. Inform TLC and record in the logbook.\n"), "", "", ""}},
    {10903, "F0903P1", QT_TRANSLATE_NOOP("QObject", "SS09:Battery System"),
     {QT_TRANSLATE_NOOP("QObject", "SS09:Battery system"),
      QT_TRANSLATE_NOOP("QObject", "PAN LOWERED LONGER THAN 10 MINUTES"),
      QT_TRANSLATE_NOOP("QObject", "Battery is discharging"),
      QT_TRANSLATE_NOOP("QObject", "Raise panto or switch off F0903P1")},
     {QT_TRANSLATE_NOOP("QObject", "1. Raise panto and close VCB to charge\n"
                                   "   the battery.\n"
                                   "2. If the loco is not needed, switch it\n"
                                   "   off with the BL key.\n"
                                   "3. Do not leave the loco with panto down\n"
                                   "   and electronics ON.\n"), "", "", ""}},

    // Priority 1 faults, subsystem 10
    {11001, "F1001P1", QT_TRANSLATE_NOOP("QObject", "SS10:Brake System"),
     {QT_TRANSLATE_NOOP("QObject", "SS10:Brake system"),
      QT_TRANSLATE_NOOP("QObject", "FAULT IN BRAKE ELECTRONICS"),
      QT_TRANSLATE_NOOP("QObject", "Brake control may be disturbed"),
      QT_TRANSLATE_NOOP("QObject", "Switch electronics OFF/ON F1001P1")},
     {QT_TRANSLATE_NOOP("QObject", "1. Coast and control the train with the\n"
                                   "   automatic brake.\n"
                                   "2. Stop at a suitable place and switch\n"
                                   "   electronics OFF/ON.\n"
                                   "3. Test the brakes before moving.\n"
                                   "4. If the fault stays, inform TLC.\n"), "", "", ""}},
    {11002, "F1002P1", QT_TRANSLATE_NOOP("QObject", "SS10:Brake System"),
     {QT_TRANSLATE_NOOP("QObject", "SS10:Brake system"),
      QT_TRANSLATE_NOOP("QObject", "LOW PRESSURE MAIN RESERVOIR"),
      QT_TRANSLATE_NOOP("QObject", "Traction may be switched off"),
      QT_TRANSLATE_NOOP("QObject", "Check compressors F1002P1")},
     {QT_TRANSLATE_NOOP("QObject", "1. Bring throttle to 0 and stop the\n"
                                   "   train safely.\n"
                                   "2. Check the MR pressure gauge in the\n"
                                   "   cab.\n"
                                   "3. Check that both compressors are\n"
                                   "   running.\n"
                                   "4. Check the compressor MCBs in HB1 and\n"
                                   "   HB2; reset once if tripped.\n"),
      QT_TRANSLATE_NOOP("QObject", "5. Check for air leakage from pipes,\n"
                                   "   cocks and hoses.\n"
                                   "6. Wait until MR pressure is normal\n"
                                   "   before moving.\n"
                                   "7. If the pressure does not build up,\n"
                                   "   inform TLC.\n"), "", ""}},
    {11003, "F1003P1", QT_TRANSLATE_NOOP("QObject", "SS10:Brake System"),
     {QT_TRANSLATE_NOOP("QObject", "SS10:Brake system"),
      QT_TRANSLATE_NOOP("QObject", "VIGILANCE EMERGENCY BRAKE APPLICATION"),
      QT_TRANSLATE_NOOP("QObject", "Emergency brake applied"),
      QT_TRANSLATE_NOOP("QObject", "Reset vigilance F1003P1")},
     {QT_TRANSLATE_NOOP("QObject", "1. Bring throttle to 0 position.\n"
                                   "2. Wait until the train stands still.\n"
                                   "3. Press the vigilance pushbutton or\n"
                                   "   foot switch to reset.\n"
                                   "4. Move the automatic brake handle to\n"
                                   "   emergency, then to release.\n"),
      QT_TRANSLATE_NOOP("QObject", "5. Wait until BP pressure is 5 kg/cm2\n"
                                   "   again.\n"
                                   "6. Acknowledge the vigilance regularly\n"
                                   "   while driving.\n"
                                   "7. Inform TLC and record in the logbook.\n"), "", ""}},
    {11004, "F1004P1", QT_TRANSLATE_NOOP("QObject", "SS10:Brake System"),
     {QT_TRANSLATE_NOOP("QObject", "SS10:Brake system"),
      QT_TRANSLATE_NOOP("QObject", "WRONG CONFIGURATION BRAKE SYSTEM"),
      QT_TRANSLATE_NOOP("QObject", "Check brake cocks and handles"),
      QT_TRANSLATE_NOOP("QObject", "Traction not possible F1004P1")},
     {QT_TRANSLATE_NOOP("QObject", "1. Check the brake handles in both cabs;\n"
                                   "   in the rear cab they must be\n"
                                   "   isolated.\n"
                                   "2. Check the cocks of the brake panel\n"
                                   "   for the driving mode: single, MU or\n"
                                   "   banking.\n"
                                   "3. Bring throttle to 0 and set it again.\n"
                                   "4. If the fault stays, inform TLC.\n"), "", "", ""}},
    {11005, "F1005P1", QT_TRANSLATE_NOOP("QObject", "SS10:Brake System"),
     {QT_TRANSLATE_NOOP("QObject", "SS10:Brake system"),
      QT_TRANSLATE_NOOP("QObject", "TRACTION WITH AUTO BRAKES NOT ALLOWED"),
      QT_TRANSLATE_NOOP("QObject", "Release the automatic brakes"),
      QT_TRANSLATE_NOOP("QObject", "Then set throttle again F1005P1")},
     {QT_TRANSLATE_NOOP("QObject", "1. Bring throttle to 0 position.\n"
                                   "2. Release the automatic brake and wait\n"
                                   "   for BP 5 kg/cm2.\n"
                                   "3. Set the throttle again.\n"), "", "", ""}},
    {11006, "F1006P1", QT_TRANSLATE_NOOP("QObject", "SS10:Brake System"),
     {QT_TRANSLATE_NOOP("QObject", "SS10:Brake system"),
      QT_TRANSLATE_NOOP("QObject", "TRACTION WITH PARKING BRAKES NOT ALLOWED"),
      QT_TRANSLATE_NOOP("QObject", "Release the parking brake"),
      QT_TRANSLATE_NOOP("QObject", "Then set throttle again F1006P1")},
     {QT_TRANSLATE_NOOP("QObject", "1. Bring throttle to 0 position.\n"
                                   "2. Release the parking brake with its\n"
                                   "   pushbutton; check the indication.\n"
                                   "3. Set the throttle again.\n"
                                   "4. If the parking brake does not\n"
                                   "   release, inform TLC.\n"), "", "", ""}},
    {11007, "F1007P1", QT_TRANSLATE_NOOP("QObject", "SS10:Brake System"),
     {QT_TRANSLATE_NOOP("QObject", "SS10:Brake system"),
      QT_TRANSLATE_NOOP("QObject", "REGENERATIVE BRAKE FAILURE"),
      QT_TRANSLATE_NOOP("QObject", "Electric brake not available"),
      QT_TRANSLATE_NOOP("QObject", "Use pneumatic brakes F1007P1")},
     {QT_TRANSLATE_NOOP("QObject", "1. Control the train with the automatic\n"
                                   "   brake.\n"
                                   "2. Keep a lower speed on falling\n"
                                   "   gradients.\n"
                                   "3. At a halt, switch electronics OFF/ON.\n"
                                   "4. Inform TLC and record in the logbook.\n"), "", "", ""}},
    {11008, "F1008P1", QT_TRANSLATE_NOOP("QObject", "SS10:Brake System"),
     {QT_TRANSLATE_NOOP("QObject", "SS10:Brake system"),
      QT_TRANSLATE_NOOP("QObject", "EMERGENCY STOP; SHUTDOWN ON THE LOCO"),
      QT_TRANSLATE_NOOP("QObject", "Emergency stop button pressed"),
      QT_TRANSLATE_NOOP("QObject", "Check the reason F1008P1")},
     {QT_TRANSLATE_NOOP("QObject", "1. Find out why the emergency stop was\n"
                                   "   used and make the place safe.\n"
                                   "2. Protect the train as per rules and\n"
                                   "   inform TLC.\n"
                                   "3. Release the emergency stop\n"
                                   "   pushbutton.\n"
                                   "4. Switch electronics OFF/ON, raise\n"
                                   "   panto and close VCB.\n"
                                   "5. Test the brakes before moving; record\n"
                                   "   in the logbook.\n"), "", "", ""}},
    {11009, "F1009P1", QT_TRANSLATE_NOOP("QObject", "SS10:Brake System"),
     {QT_TRANSLATE_NOOP("QObject", "SS10:Brake system"),
      QT_TRANSLATE_NOOP("QObject", "TRACTION NOT ALLOWED WITH APPLIED BRAKES"),
      QT_TRANSLATE_NOOP("QObject", "Release brakes before traction"),
      QT_TRANSLATE_NOOP("QObject", "Set throttle again F1009P1")},
     {QT_TRANSLATE_NOOP("QObject", "1. Bring throttle to 0 position.\n"
                                   "2. Release the automatic and the\n"
                                   "   independent brakes.\n"
                                   "3. Set the throttle again.\n"), "", "", ""}},
    {11010, "F1010P1", QT_TRANSLATE_NOOP("QObject", "SS10:Brake System"),
     {QT_TRANSLATE_NOOP("QObject", "SS10:Brake system"),
      QT_TRANSLATE_NOOP("QObject", "EMG EXHAUST COCK CLOSED, NO TRACTION"),
      QT_TRANSLATE_NOOP("QObject", "Open isolating cock of EMG exhaust valve"),
      QT_TRANSLATE_NOOP("QObject", "Then set throttle again F1010P1")},
     {QT_TRANSLATE_NOOP("QObject", "1. Bring throttle to 0 and stop the\n"
                                   "   train.\n"
                                   "2. Open the isolating cock of the\n"
                                   "   emergency exhaust valve (handle in\n"
                                   "   line with the pipe).\n"
                                   "3. Do not operate the emergency exhaust\n"
                                   "   valve itself: it vents the BP.\n"
                                   "4. Wait for BP 5 kg/cm2, release the\n"
                                   "   brakes and set the throttle again.\n"
                                   "5. If the message stays, inform TLC.\n"), "", "", ""}},

    // Priority 1 faults, subsystem 13
    {11301, "F1301P1", QT_TRANSLATE_NOOP("QObject", "SS13:Cab 1"),
     {QT_TRANSLATE_NOOP("QObject", "SS13:Cab 1"),
      QT_TRANSLATE_NOOP("QObject", "DISTURBANCE IN PROC. HBB!"),
      QT_TRANSLATE_NOOP("QObject", "Driving from Cab 1 still possible;"),
      QT_TRANSLATE_NOOP("QObject", "Press BPFA. F1301P1")},
     {QT_TRANSLATE_NOOP("QObject", "1. Switch electronics OFF/ON, raise the\n"
                                   "   pantograph and close the VCB.\n"
                                   "2. If the fault persists, acknowledge it\n"
                                   "   and drive from any cab.\n"), "", "", ""}},
    {11302, "F1302P1", QT_TRANSLATE_NOOP("QObject", "SS13:Cab 1"),
     {QT_TRANSLATE_NOOP("QObject", "SS13:Cab 1"),
      QT_TRANSLATE_NOOP("QObject", "DISTURBANCE IN PROC. STB1"),
      QT_TRANSLATE_NOOP("QObject", "Cab 1 desk may not work"),
      QT_TRANSLATE_NOOP("QObject", "Drive from Cab 2 F1302P1")},
     {QT_TRANSLATE_NOOP("QObject", "1. Stop and switch electronics OFF/ON.\n"
                                   "2. If the fault persists, change over to\n"
                                   "   cab 2.\n"
                                   "3. Inform TLC. If cab 2 is at the rear,\n"
                                   "   drive at restricted speed with a\n"
                                   "   look-out in the leading cab.\n"
                                   "4. Record in the logbook.\n"), "", "", ""}},
    {11303, "F1303P1", QT_TRANSLATE_NOOP("QObject", "SS13:Cab 1"),
     {QT_TRANSLATE_NOOP("QObject", "SS13:Cab 1"),
      QT_TRANSLATE_NOOP("QObject", "REVERSER DEFECTIVE"),
      QT_TRANSLATE_NOOP("QObject", "Direction not recognised"),
      QT_TRANSLATE_NOOP("QObject", "Check reverser F1303P1")},
     {QT_TRANSLATE_NOOP("QObject", "1. Bring throttle to 0 and stop the\n"
                                   "   train.\n"
                                   "2. Move the reverser to 0 and back to\n"
                                   "   the wanted direction.\n"
                                   "3. If the fault persists, switch\n"
                                   "   electronics OFF/ON.\n"
                                   "4. If still faulty, drive from cab 2; if\n"
                                   "   it is at the rear: restricted speed,\n"
                                   "   look-out in the leading cab.\n"
                                   "5. Inform TLC and record in the logbook.\n"), "", "", ""}},
    {11304, "F1304P1", QT_TRANSLATE_NOOP("QObject", "SS13:Cab 1"),
     {QT_TRANSLATE_NOOP("QObject", "SS13:Cab 1"),
      QT_TRANSLATE_NOOP("QObject", "STB1 RIOM EXTENSION FAULT"),
      QT_TRANSLATE_NOOP("QObject", "Some cab 1 signals not available"),
      QT_TRANSLATE_NOOP("QObject", "Switch electronics OFF/ON F1304P1")},
     {QT_TRANSLATE_NOOP("QObject", "1. At a halt, switch electronics OFF/ON.\n"
                                   "2. If it persists, drive from cab 2; if\n"
                                   "   it is at the rear: restricted speed,\n"
                                   "   look-out in the leading cab.\n"
                                   "3. Inform TLC and record in the logbook.\n"), "", "", ""}},
    {11305, "F1305P1", QT_TRANSLATE_NOOP("QObject", "SS13:Cab 1"),
     {QT_TRANSLATE_NOOP("QObject", "SS13:Cab 1"),
      QT_TRANSLATE_NOOP("QObject", "HBB! RIOM EXTENSION FAULT"),
      QT_TRANSLATE_NOOP("QObject", "Some HB1 signals not available"),
      QT_TRANSLATE_NOOP("QObject", "Switch electronics OFF/ON F1305P1")},
     {QT_TRANSLATE_NOOP("QObject", "1. Continue; check the auxiliaries of\n"
                                   "   HB1.\n"
                                   "2. At a halt, switch electronics OFF/ON.\n"
                                   "3. Inform TLC and record in the logbook.\n"), "", "", ""}},

    // Priority 1 faults, subsystem 14
    {11401, "F1401P1", QT_TRANSLATE_NOOP("QObject", "SS14:Cab 2"),
     {QT_TRANSLATE_NOOP("QObject", "SS14:Cab 2"),
      QT_TRANSLATE_NOOP("QObject", "DISTURBANCE IN PROC. HBB2"),
      QT_TRANSLATE_NOOP("QObject", "Driving from Cab 2 still possible;"),
      QT_TRANSLATE_NOOP("QObject", "Press BPFA. F1401P1")},
     {QT_TRANSLATE_NOOP("QObject", "1. Switch electronics OFF/ON, raise the\n"
                                   "   pantograph and close the VCB.\n"
                                   "2. If the fault persists, acknowledge it\n"
                                   "   and drive from any cab.\n"), "", "", ""}},
    {11402, "F1402P1", QT_TRANSLATE_NOOP("QObject", "SS14:Cab 2"),
     {QT_TRANSLATE_NOOP("QObject", "SS14:Cab 2"),
      QT_TRANSLATE_NOOP("QObject", "DISTURBANCE IN PROC. STB2"),
      QT_TRANSLATE_NOOP("QObject", "Cab 2 desk may not work"),
      QT_TRANSLATE_NOOP("QObject", "Drive from Cab 1 F1402P1")},
     {QT_TRANSLATE_NOOP("QObject", "1. Stop and switch electronics OFF/ON.\n"
                                   "2. If the fault persists, change over to\n"
                                   "   cab 1.\n"
                                   "3. Inform TLC. If cab 1 is at the rear,\n"
                                   "   drive at restricted speed with a\n"
                                   "   look-out in the leading cab.\n"
                                   "4. Record in the logbook.\n"), "", "", ""}},
    {11403, "F1403P1", QT_TRANSLATE_NOOP("QObject", "SS14:Cab 2"),
     {QT_TRANSLATE_NOOP("QObject", "SS14:Cab 2"),
      QT_TRANSLATE_NOOP("QObject", "REVERSER DEFECTIVE"),
      QT_TRANSLATE_NOOP("QObject", "Direction not recognised"),
      QT_TRANSLATE_NOOP("QObject", "Check reverser F1403P1")},
     {QT_TRANSLATE_NOOP("QObject", "1. Bring throttle to 0 and stop the\n"
                                   "   train.\n"
                                   "2. Move the reverser to 0 and back to\n"
                                   "   the wanted direction.\n"
                                   "3. If the fault persists, switch\n"
                                   "   electronics OFF/ON.\n"
                                   "4. If still faulty, drive from cab 1; if\n"
                                   "   it is at the rear: restricted speed,\n"
                                   "   look-out in the leading cab.\n"
                                   "5. Inform TLC and record in the logbook.\n"), "", "", ""}},
    {11404, "F1404P1", QT_TRANSLATE_NOOP("QObject", "SS14:Cab 2"),
     {QT_TRANSLATE_NOOP("QObject", "SS14:Cab 2"),
      QT_TRANSLATE_NOOP("QObject", "STB2 RIOM EXTENSION FAULT"),
      QT_TRANSLATE_NOOP("QObject", "Some cab 2 signals not available"),
      QT_TRANSLATE_NOOP("QObject", "Switch electronics OFF/ON F1404P1")},
     {QT_TRANSLATE_NOOP("QObject", "1. At a halt, switch electronics OFF/ON.\n"
                                   "2. If it persists, drive from cab 1; if\n"
                                   "   it is at the rear: restricted speed,\n"
                                   "   look-out in the leading cab.\n"
                                   "3. Inform TLC and record in the logbook.\n"), "", "", ""}},
    {11405, "F1405P1", QT_TRANSLATE_NOOP("QObject", "SS14:Cab 2"),
     {QT_TRANSLATE_NOOP("QObject", "SS14:Cab 2"),
      QT_TRANSLATE_NOOP("QObject", "HBB2 RIOM EXTENSION FAULT"),
      QT_TRANSLATE_NOOP("QObject", "Some HB2 signals not available"),
      QT_TRANSLATE_NOOP("QObject", "Switch electronics OFF/ON F1405P1")},
     {QT_TRANSLATE_NOOP("QObject", "1. Continue; check the auxiliaries of\n"
                                   "   HB2.\n"
                                   "2. At a halt, switch electronics OFF/ON.\n"
                                   "3. Inform TLC and record in the logbook.\n"), "", "", ""}},

    // Priority 1 faults, subsystem 15
    {11501, "F1501P1", QT_TRANSLATE_NOOP("QObject", "SS15:Fire Detection"),
     {QT_TRANSLATE_NOOP("QObject", "SS15:Fire detection"),
      QT_TRANSLATE_NOOP("QObject", "FIRE IN MACHINE ROOM"),
      QT_TRANSLATE_NOOP("QObject", "Stop the train at once"),
      QT_TRANSLATE_NOOP("QObject", "Open VCB, lower panto F1501P1")},
     {QT_TRANSLATE_NOOP("QObject", "1. Bring throttle to 0 and stop the\n"
                                   "   train; do not stop on a bridge or in\n"
                                   "   a tunnel.\n"
                                   "2. Open VCB and lower the pantograph.\n"
                                   "3. Look into the machine room through\n"
                                   "   the door window before opening it.\n"
                                   "4. Use the fire extinguishers; never use\n"
                                   "   water on electrical equipment.\n"),
      QT_TRANSLATE_NOOP("QObject", "5. Protect the train as per rules.\n"
                                   "6. Inform TLC and the station; ask for\n"
                                   "   help.\n"
                                   "7. Do not raise the panto until the fire\n"
                                   "   is out and its cause is known.\n"), "", ""}},

    // Priority 1 faults, subsystem 16
    {11601, "F1601P1", QT_TRANSLATE_NOOP("QObject", "SS16 : Speedometer"),
     {QT_TRANSLATE_NOOP("QObject", "SS16:Speedometer"),
      QT_TRANSLATE_NOOP("QObject", "SPEED LIMIT EXCEEDED"),
      QT_TRANSLATE_NOOP("QObject", "Reduce speed immediately"),
      QT_TRANSLATE_NOOP("QObject", "Brakes may be applied F1601P1")},
     {QT_TRANSLATE_NOOP("QObject", "1. Bring throttle to 0 and reduce the\n"
                                   "   speed below the limit.\n"
                                   "2. Use the brakes if needed.\n"
                                   "3. Record in the logbook.\n"), "", "", ""}},

    // Priority 1 faults, subsystem 17
    {11701, "F1701P1", QT_TRANSLATE_NOOP("QObject", "SS17 : Processor FLG1"),
     {QT_TRANSLATE_NOOP("QObject", "SS17:Processor FLG1"),
      QT_TRANSLATE_NOOP("QObject", "DISTURBANCE IN PROCESSOR FLG1"),
      QT_TRANSLATE_NOOP("QObject", "FLG2 takes over control"),
      QT_TRANSLATE_NOOP("QObject", "Switch electronics OFF/ON F1701P1")},
     {QT_TRANSLATE_NOOP("QObject", "1. Continue driving; FLG2 controls the\n"
                                   "   loco.\n"
                                   "2. At a halt, switch electronics OFF/ON.\n"
                                   "3. If the fault persists, inform TLC.\n"), "", "", ""}},
    {11702, "F1702P1", QT_TRANSLATE_NOOP("QObject", "SS17 : Processor FLG1"),
     {QT_TRANSLATE_NOOP("QObject", "SS17:Processor FLG1"),
      QT_TRANSLATE_NOOP("QObject", "SOFTWARE MISMATCH"),
      QT_TRANSLATE_NOOP("QObject", "Software of FLG1 not matching"),
      QT_TRANSLATE_NOOP("QObject", "Inform TLC/shed F1702P1")},
     {QT_TRANSLATE_NOOP("QObject", "1. At a halt, switch electronics OFF/ON.\n"
                                   "2. If the message stays, inform TLC and\n"
                                   "   the shed.\n"
                                   "3. Record in the logbook.\n"), "", "", ""}},
    {11703, "F1703P1", QT_TRANSLATE_NOOP("QObject", "SS17 : Processor FLG1"),
     {QT_TRANSLATE_NOOP("QObject", "SS17:Processor FLG1"),
      QT_TRANSLATE_NOOP("QObject", "FAULT IN ANGLE TRANSMITTER OF THROTTLE"),
      QT_TRANSLATE_NOOP("QObject", "Throttle signal not reliable"),
      QT_TRANSLATE_NOOP("QObject", "Drive from other cab F1703P1")},
     {QT_TRANSLATE_NOOP("QObject", "1. Bring throttle to 0 and set it again.\n"
                                   "2. If the fault persists, switch\n"
                                   "   electronics OFF/ON.\n"
                                   "3. If still faulty, drive from the other\n"
                                   "   cab; if it is at the rear: restricted\n"
                                   "   speed, look-out in the leading cab.\n"
                                   "4. Inform TLC and record in the logbook.\n"), "", "", ""}},
    {11704, "F1704P1", QT_TRANSLATE_NOOP("QObject", "SS17 : Processor FLG1"),
     {QT_TRANSLATE_NOOP("QObject", "SS17:Processor FLG1"),
      QT_TRANSLATE_NOOP("QObject", "SIMULATION SWITCH POSITION NOT MATCHING"),
      QT_TRANSLATE_NOOP("QObject", "Check simulation switch position"),
      QT_TRANSLATE_NOOP("QObject", "Set it to normal F1704P1")},
     {QT_TRANSLATE_NOOP("QObject", "1. Stop the train.\n"
                                   "2. Set the simulation switch in the\n"
                                   "   control cubicle to normal.\n"
                                   "3. Switch electronics OFF/ON.\n"
                                   "4. Inform the shed.\n"), "", "", ""}},
    {11705, "F1705P1", QT_TRANSLATE_NOOP("QObject", "SS17:Processor FLG1"),
     {QT_TRANSLATE_NOOP("QObject", "SS17:Processor FLG1"),
      QT_TRANSLATE_NOOP("QObject", "Mal operation of Master control"),
      QT_TRANSLATE_NOOP("QObject", "Throttle operated wrongly"),
      QT_TRANSLATE_NOOP("QObject", "Bring throttle to 0 F1705P1")},
     {QT_TRANSLATE_NOOP("QObject", "1. Bring throttle to 0 position.\n"
                                   "2. Check the reverser position, then set\n"
                                   "   the throttle slowly.\n"
                                   "3. If the message repeats, switch\n"
                                   "   electronics OFF/ON.\n"
                                   "4. Inform TLC and record in the logbook.\n"), "", "", ""}},
    {11706, "F1706P1", QT_TRANSLATE_NOOP("QObject", "SS17:Processor FLG1"),
     {QT_TRANSLATE_NOOP("QObject", "SS17:Processor FLG1"),
      QT_TRANSLATE_NOOP("QObject", "SOFTWARE MISMATCH VCU-1/VCU-2"),
      QT_TRANSLATE_NOOP("QObject", "VCU-1/VCU-2 software differ"),
      QT_TRANSLATE_NOOP("QObject", "Inform TLC/shed F1706P1")},
     {QT_TRANSLATE_NOOP("QObject", "1. At a halt, switch electronics OFF/ON.\n"
                                   "2. If the message stays, inform TLC and\n"
                                   "   the shed.\n"
                                   "3. Record in the logbook.\n"), "", "", ""}},

    // Priority 1 faults, subsystem 18
    {11801, "F1801P1", QT_TRANSLATE_NOOP("QObject", "SS18 : Processor FLG2"),
     {QT_TRANSLATE_NOOP("QObject", "SS18:Processor FLG2"),
      QT_TRANSLATE_NOOP("QObject", "DISTURBANCE IN PROCESSOR FLG2"),
      QT_TRANSLATE_NOOP("QObject", "FLG1 takes over control"),
      QT_TRANSLATE_NOOP("QObject", "Switch electronics OFF/ON F1801P1")},
     {QT_TRANSLATE_NOOP("QObject", "1. Continue driving; FLG1 controls the\n"
                                   "   loco.\n"
                                   "2. At a halt, switch electronics OFF/ON.\n"
                                   "3. If the fault persists, inform TLC.\n"), "", "", ""}},
    {11802, "F1802P1", QT_TRANSLATE_NOOP("QObject", "SS18 : Processor FLG2"),
     {QT_TRANSLATE_NOOP("QObject", "SS18:Processor FLG2"),
      QT_TRANSLATE_NOOP("QObject", "SOFTWARE MISMATCH"),
      QT_TRANSLATE_NOOP("QObject", "Software of FLG2 not matching"),
      QT_TRANSLATE_NOOP("QObject", "Inform TLC/shed F1802P1")},
     {QT_TRANSLATE_NOOP("QObject", "1. At a halt, switch electronics OFF/ON.\n"
                                   "2. If the message stays, inform TLC and\n"
                                   "   the shed.\n"
                                   "3. Record in the logbook.\n"), "", "", ""}},
    {11803, "F1803P1", QT_TRANSLATE_NOOP("QObject", "SS18 : Processor FLG2"),
     {QT_TRANSLATE_NOOP("QObject", "SS18:Processor FLG2"),
      QT_TRANSLATE_NOOP("QObject", "FAULT IN ANGLE TRANSMITTER OF THROTTLE"),
      QT_TRANSLATE_NOOP("QObject", "Throttle signal not reliable"),
      QT_TRANSLATE_NOOP("QObject", "Drive from other cab F1803P1")},
     {QT_TRANSLATE_NOOP("QObject", "1. Bring throttle to 0 and set it again.\n"
                                   "2. If the fault persists, switch\n"
                                   "   electronics OFF/ON.\n"
                                   "3. If still faulty, drive from the other\n"
                                   "   cab; if it is at the rear: restricted\n"
                                   "   speed, look-out in the leading cab.\n"
                                   "4. Inform TLC and record in the logbook.\n"), "", "", ""}},
    {11804, "F1804P1", QT_TRANSLATE_NOOP("QObject", "SS18 : Processor FLG1"),
     {QT_TRANSLATE_NOOP("QObject", "SS18:Processor FLG2"),
      QT_TRANSLATE_NOOP("QObject", "SIMULATION SWITCH POSITION NOT MATCHING"),
      QT_TRANSLATE_NOOP("QObject", "Check simulation switch position"),
      QT_TRANSLATE_NOOP("QObject", "Set it to normal F1804P1")},
     {QT_TRANSLATE_NOOP("QObject", "1. Stop the train.\n"
                                   "2. Set the simulation switch in the\n"
                                   "   control cubicle to normal.\n"
                                   "3. Switch electronics OFF/ON.\n"
                                   "4. Inform the shed.\n"), "", "", ""}},
    {11805, "F1805P1", QT_TRANSLATE_NOOP("QObject", "SS18:Processor FLG2"),
     {QT_TRANSLATE_NOOP("QObject", "SS18:Processor FLG2"),
      QT_TRANSLATE_NOOP("QObject", "Mal operation of Master control"),
      QT_TRANSLATE_NOOP("QObject", "Throttle operated wrongly"),
      QT_TRANSLATE_NOOP("QObject", "Bring throttle to 0 F1805P1")},
     {QT_TRANSLATE_NOOP("QObject", "1. Bring throttle to 0 position.\n"
                                   "2. Check the reverser position, then set\n"
                                   "   the throttle slowly.\n"
                                   "3. If the message repeats, switch\n"
                                   "   electronics OFF/ON.\n"
                                   "4. Inform TLC and record in the logbook.\n"), "", "", ""}},

    // Priority 1 faults, subsystem 19
    {11901, "F1901P1", QT_TRANSLATE_NOOP("QObject", "SS19 : Train Bus"),
     {QT_TRANSLATE_NOOP("QObject", "SS19:Trainbus"),
      QT_TRANSLATE_NOOP("QObject", "COMMUNICATION DISTURBANCE"),
      QT_TRANSLATE_NOOP("QObject", "Multiple operation disturbed"),
      QT_TRANSLATE_NOOP("QObject", "Check trainbus cable F1901P1")},
     {QT_TRANSLATE_NOOP("QObject", "1. Bring throttle to 0; stop the train\n"
                                   "   at a suitable place.\n"
                                   "2. Check the coupler cables between the\n"
                                   "   locos.\n"
                                   "3. Switch electronics OFF/ON in both\n"
                                   "   locos.\n"
                                   "4. If the fault persists, isolate the\n"
                                   "   trainbus and work single loco; inform\n"
                                   "   TLC.\n"), "", "", ""}},

    // Priority 2 faults, subsystem 01
    {20101, "F0101P2", QT_TRANSLATE_NOOP("QObject", "SS01:Main Power"),
     {QT_TRANSLATE_NOOP("QObject", "SS01:Main power"),
      QT_TRANSLATE_NOOP("QObject", "OVERTEMPERATURE CONTROL ELECTRONICS"),
      QT_TRANSLATE_NOOP("QObject", "Electronics cubicle too hot"),
      QT_TRANSLATE_NOOP("QObject", "Check cubicle ventilation F0101P2")},
     {QT_TRANSLATE_NOOP("QObject", "1. Continue driving with care.\n"
                                   "2. Check that the machine room blowers\n"
                                   "   are running.\n"
                                   "3. Check the MCBs of the machine room\n"
                                   "   blowers in HB1 and HB2.\n"),
      QT_TRANSLATE_NOOP("QObject", "4. Keep the machine room doors closed.\n"
                                   "5. If the message stays for more than 15\n"
                                   "   minutes, inform TLC.\n"
                                   "6. Record in the logbook.\n"), "", ""}},
    {20102, "F0102P2", QT_TRANSLATE_NOOP("QObject", "SS01:Main Power"),
     {QT_TRANSLATE_NOOP("QObject", "SS01:Main power"),
      QT_TRANSLATE_NOOP("QObject", "TRANSFORMER OIL PRESSURE NOT OK"),
      QT_TRANSLATE_NOOP("QObject", "Any oil pump circuit not working"),
      QT_TRANSLATE_NOOP("QObject", "TE/BE will be reduced F0102P2")},
     {QT_TRANSLATE_NOOP("QObject", "1. Coast to clear block section.\n"
                                   "2. Check the MCBs of the transformer oil\n"
                                   "   pumps in HB1 and HB2; reset as per\n"
                                   "   page 2.\n"),
      kResettingMcbs, "", ""}},
    {20103, "F0103P2", QT_TRANSLATE_NOOP("QObject", "SS01:Main Power"),
     {QT_TRANSLATE_NOOP("QObject", "SS01:Main power"),
      QT_TRANSLATE_NOOP("QObject", "EARTH FAULT AUX.WINDING CIRCUIT"),
      QT_TRANSLATE_NOOP("QObject", "Auxiliaries may be affected"),
      QT_TRANSLATE_NOOP("QObject", "Driving still possible F0103P2")},
     {QT_TRANSLATE_NOOP("QObject", "1. Continue driving; watch for other\n"
                                   "   auxiliary messages.\n"
                                   "2. At the next stop, check the machine\n"
                                   "   room for smoke or burning smell.\n"
                                   "3. If found, open VCB, lower the panto\n"
                                   "   and inform TLC.\n"
                                   "4. If an aux. converter trips, follow\n"
                                   "   its message.\n"
                                   "5. Inform TLC and record in the logbook.\n"), "", "", ""}},
    {20104, "F0104P2", QT_TRANSLATE_NOOP("QObject", "SS01:Main Power"),
     {QT_TRANSLATE_NOOP("QObject", "SS01:Main power"),
      QT_TRANSLATE_NOOP("QObject", "LOW FREQUENCY CATENARY VOLTAGE"),
      QT_TRANSLATE_NOOP("QObject", "Catenary supply frequency too low"),
      QT_TRANSLATE_NOOP("QObject", "TE/BE may be reduced F0104P2")},
     {QT_TRANSLATE_NOOP("QObject", "1. Continue driving with the reduced\n"
                                   "   power.\n"
                                   "2. If the message stays, inform TPC\n"
                                   "   through TLC or the station.\n"
                                   "3. If VCB opens, close it again when the\n"
                                   "   supply is normal.\n"
                                   "4. Record in the logbook.\n"), "", "", ""}},
    {20105, "F0105P2", QT_TRANSLATE_NOOP("QObject", "SS01:Main Power"),
     {QT_TRANSLATE_NOOP("QObject", "SS01:Main power"),
      QT_TRANSLATE_NOOP("QObject", "HIGH FREQUENCY CATENARY VOLTAGE"),
      QT_TRANSLATE_NOOP("QObject", "Catenary supply frequency too high"),
      QT_TRANSLATE_NOOP("QObject", "TE/BE may be reduced F0105P2")},
     {QT_TRANSLATE_NOOP("QObject", "1. Continue driving with the reduced\n"
                                   "   power.\n"
                                   "2. If the message stays, inform TPC\n"
                                   "   through TLC or the station.\n"
                                   "3. If VCB opens, close it again when the\n"
                                   "   supply is normal.\n"
                                   "4. Record in the logbook.\n"), "", "", ""}},
    {20106, "F0106P2", QT_TRANSLATE_NOOP("QObject", "SS01:Main Power"),
     {QT_TRANSLATE_NOOP("QObject", "SS01:Main power"),
      QT_TRANSLATE_NOOP("QObject", "Flasher Light Activated"),
      QT_TRANSLATE_NOOP("QObject", "Flasher light is switched ON"),
      QT_TRANSLATE_NOOP("QObject", "Check the reason F0106P2")},
     {QT_TRANSLATE_NOOP("QObject", "1. Find out why the flasher light is on:\n"
                                   "   emergency stop, accident or train\n"
                                   "   parting.\n"
                                   "2. Protect the train as per rules if it\n"
                                   "   stands in a block section.\n"
                                   "3. Switch off the flasher light when the\n"
                                   "   cause is cleared.\n"
                                   "4. Record in the logbook.\n"), "", "", ""}},
    {20107, "F0107P2", QT_TRANSLATE_NOOP("QObject", "SS01:Main power"),
     {QT_TRANSLATE_NOOP("QObject", "SS01:Main power"),
      QT_TRANSLATE_NOOP("QObject", "DEMANDED SPEED CAN NOT BE ACHIEVED"),
      QT_TRANSLATE_NOOP("QObject", "Check load of train and TE setting"),
      QT_TRANSLATE_NOOP("QObject", "Increase TE setting F0107P2")},
     {"", "", "", ""}},

    // Priority 2 faults, subsystem 02
    {20201, "F0201P2", QT_TRANSLATE_NOOP("QObject", "SS02:Traction Bogie 1"),
     {QT_TRANSLATE_NOOP("QObject", "SS02:Traction bogie"),
      QT_TRANSLATE_NOOP("QObject", "EARTH FAULT IN CONVERTER 1"),
      QT_TRANSLATE_NOOP("QObject", "Bogie 1 switched off"),
      QT_TRANSLATE_NOOP("QObject", "Work with half power F0201P2")},
     {QT_TRANSLATE_NOOP("QObject", "1. Continue with half power on bogie 2.\n"
                                   "2. At a halt, check the machine room for\n"
                                   "   smoke, burning smell or flash marks.\n"
                                   "3. If found, open VCB, lower the panto\n"
                                   "   and inform TLC.\n"
                                   "4. If all is normal, reset once: switch\n"
                                   "   electronics OFF/ON.\n"
                                   "5. If the fault returns, isolate bogie 1\n"
                                   "   and do not reset again.\n"
                                   "6. Inform TLC and record in the logbook.\n"), "", "", ""}},
    {20202, "F0202P2", QT_TRANSLATE_NOOP("QObject", "SS02:Traction bogie 1"),
     {QT_TRANSLATE_NOOP("QObject", "SS02:Traction bogie"),
      QT_TRANSLATE_NOOP("QObject", "TRACTION MOTOR OVERSPEED"),
      QT_TRANSLATE_NOOP("QObject", "Wheel slip on bogie 1"),
      QT_TRANSLATE_NOOP("QObject", "Reduce TE F0202P2")},
     {QT_TRANSLATE_NOOP("QObject", "1. Reduce TE at once until the message\n"
                                   "   goes.\n"
                                   "2. Use the sander on wet or greasy rail.\n"
                                   "3. Keep the speed within the speed\n"
                                   "   limit.\n"
                                   "4. If it repeats often, inform TLC.\n"), "", "", ""}},
    {20203, "F0203P2", QT_TRANSLATE_NOOP("QObject", "SS02:Traction Bogie 1"),
     {QT_TRANSLATE_NOOP("QObject", "SS02:Traction bogie"),
      QT_TRANSLATE_NOOP("QObject", "SCR RESISTANCE TOO HOT IN CONVERTER 1"),
      QT_TRANSLATE_NOOP("QObject", "Power of converter 1 reduced"),
      QT_TRANSLATE_NOOP("QObject", "Avoid repeated starts F0203P2")},
     {QT_TRANSLATE_NOOP("QObject", "1. Continue with reduced TE/BE.\n"
                                   "2. Avoid frequent notching up and down.\n"
                                   "3. Check that oil cooler blower 1 is\n"
                                   "   running.\n"
                                   "4. If the message stays for more than 10\n"
                                   "   minutes, inform TLC.\n"), "", "", ""}},
    {20204, "F0204P2", QT_TRANSLATE_NOOP("QObject", "SS02:Traction Bogie 1"),
     {QT_TRANSLATE_NOOP("QObject", "SS02:Traction bogie"),
      QT_TRANSLATE_NOOP("QObject", "FAULTY MOTOR TEMPERATURE SENSORS"),
      QT_TRANSLATE_NOOP("QObject", "Motor temperature not supervised"),
      QT_TRANSLATE_NOOP("QObject", "Driving still possible F0204P2")},
     {QT_TRANSLATE_NOOP("QObject", "1. Continue driving; avoid long full\n"
                                   "   load working.\n"
                                   "2. Check that TM blower 1 is running.\n"
                                   "3. Inform TLC and record in the logbook.\n"), "", "", ""}},
    {20205, "F0205P2", QT_TRANSLATE_NOOP("QObject", "SS02:Traction bogie 1"),
     {QT_TRANSLATE_NOOP("QObject", "SS02:Traction bogie"),
      QT_TRANSLATE_NOOP("QObject", "EQUIPMENT TEMPERATURE HIGH"),
      QT_TRANSLATE_NOOP("QObject", "TE/BE of bogie 1 may be reduced"),
      QT_TRANSLATE_NOOP("QObject", "Check the blowers F0205P2")},
     {QT_TRANSLATE_NOOP("QObject", "1. Reduce TE and continue with care.\n"
                                   "2. Check that TM blower 1 and oil cooler\n"
                                   "   blower 1 are running.\n"
                                   "3. Check their MCBs in HB1; reset once\n"
                                   "   if tripped.\n"
                                   "4. If the message stays, inform TLC.\n"), "", "", ""}},
    {20206, "F0206P2", QT_TRANSLATE_NOOP("QObject", "SS02:Traction Bogie 1"),
     {QT_TRANSLATE_NOOP("QObject", "SS02:Traction bogie"),
      QT_TRANSLATE_NOOP("QObject", "SCR-BOGIE1 ISOLATED"),
      QT_TRANSLATE_NOOP("QObject", "TE/BE of bogie 1 reduced"),
      QT_TRANSLATE_NOOP("QObject", "Driving still possible F0206P2")},
     {QT_TRANSLATE_NOOP("QObject", "1. Continue with reduced TE/BE.\n"
                                   "2. At a halt, switch electronics OFF/ON.\n"
                                   "3. If it stays isolated, inform TLC and\n"
                                   "   record in the logbook.\n"), "", "", ""}},
    {20207, "F0207P2", QT_TRANSLATE_NOOP("QObject", "SS02:Traction Bogie 1"),
     {QT_TRANSLATE_NOOP("QObject", "SS02:Traction bogie"),
      QT_TRANSLATE_NOOP("QObject", "WHEEL SKIDDING AT BOGIE 1"),
      QT_TRANSLATE_NOOP("QObject", "Reduce braking effort"),
      QT_TRANSLATE_NOOP("QObject", "Use sander F0207P2")},
     {QT_TRANSLATE_NOOP("QObject", "1. Reduce the electric braking effort at\n"
                                   "   once.\n"
                                   "2. Use the sander on wet or greasy rail.\n"
                                   "3. Apply the train brakes in good time.\n"
                                   "4. If it repeats often, inform TLC.\n"), "", "", ""}},
    {20208, "F0208P2", QT_TRANSLATE_NOOP("QObject", "SS02:Traction bogie 1"),
     {QT_TRANSLATE_NOOP("QObject", "SS02:Traction bogie"),
      QT_TRANSLATE_NOOP("QObject", "CT FAILURE IN MC BOGIE1"),
      QT_TRANSLATE_NOOP("QObject", "Current sensor of bogie 1 faulty"),
      QT_TRANSLATE_NOOP("QObject", "Bogie 1 may be isolated F0208P2")},
     {QT_TRANSLATE_NOOP("QObject", "1. Continue; bogie 1 may be switched\n"
                                   "   off.\n"
                                   "2. At a halt, switch electronics OFF/ON.\n"
                                   "3. If bogie 1 stays off, work with half\n"
                                   "   power.\n"
                                   "4. Inform TLC and record in the logbook.\n"), "", "", ""}},

    // Priority 2 faults, subsystem 03
    {20301, "F0301P2", QT_TRANSLATE_NOOP("QObject", "SS03:Traction Bogie 2"),
     {QT_TRANSLATE_NOOP("QObject", "SS03:Traction bogie"),
      QT_TRANSLATE_NOOP("QObject", "EARTH FAULT IN CONVERTER 2"),
      QT_TRANSLATE_NOOP("QObject", "Bogie 2 switched off"),
      QT_TRANSLATE_NOOP("QObject", "Work with half power F0301P2")},
     {QT_TRANSLATE_NOOP("QObject", "1. Continue with half power on bogie 1.\n"
                                   "2. At a halt, check the machine room for\n"
                                   "   smoke, burning smell or flash marks.\n"
                                   "3. If found, open VCB, lower the panto\n"
                                   "   and inform TLC.\n"
                                   "4. If all is normal, reset once: switch\n"
                                   "   electronics OFF/ON.\n"
                                   "5. If the fault returns, isolate bogie 2\n"
                                   "   and do not reset again.\n"
                                   "6. Inform TLC and record in the logbook.\n"), "", "", ""}},
    {20302, "F0302P2", QT_TRANSLATE_NOOP("QObject", "SS03:Traction Bogie 2"),
     {QT_TRANSLATE_NOOP("QObject", "SS03:Traction bogie"),
      QT_TRANSLATE_NOOP("QObject", "TRACTION MOTOR OVERSPEED"),
      QT_TRANSLATE_NOOP("QObject", "Wheel slip on bogie 2"),
      QT_TRANSLATE_NOOP("QObject", "Reduce TE F0302P2")},
     {QT_TRANSLATE_NOOP("QObject", "1. Reduce TE at once until the message\n"
                                   "   goes.\n"
                                   "2. Use the sander on wet or greasy rail.\n"
                                   "3. Keep the speed within the speed\n"
                                   "   limit.\n"
                                   "4. If it repeats often, inform TLC.\n"), "", "", ""}},
    {20303, "F0303P2", QT_TRANSLATE_NOOP("QObject", "SS03:Traction Bogie 2"),
     {QT_TRANSLATE_NOOP("QObject", "SS03:Traction bogie"),
      QT_TRANSLATE_NOOP("QObject", "SCR RESISTANCE TOO HOT IN CONVERTER 2"),
      QT_TRANSLATE_NOOP("QObject", "Power of converter 2 reduced"),
      QT_TRANSLATE_NOOP("QObject", "Avoid repeated starts F0303P2")},
     {QT_TRANSLATE_NOOP("QObject", "1. Continue with reduced TE/BE.\n"
                                   "2. Avoid frequent notching up and down.\n"
                                   "3. Check that oil cooler blower 2 is\n"
                                   "   running.\n"
                                   "4. If the message stays for more than 10\n"
                                   "   minutes, inform TLC.\n"), "", "", ""}},
    {20304, "F0304P2", QT_TRANSLATE_NOOP("QObject", "SS03:Traction Bogie 2"),
     {QT_TRANSLATE_NOOP("QObject", "SS03:Traction bogie"),
      QT_TRANSLATE_NOOP("QObject", "FAULTY MOTOR TEMPERATURE SENSORS"),
      QT_TRANSLATE_NOOP("QObject", "Motor temperature not supervised"),
      QT_TRANSLATE_NOOP("QObject", "Driving still possible F0304P2")},
     {QT_TRANSLATE_NOOP("QObject", "1. Continue driving; avoid long full\n"
                                   "   load working.\n"
                                   "2. Check that TM blower 2 is running.\n"
                                   "3. Inform TLC and record in the logbook.\n"), "", "", ""}},
    {20305, "F0305P2", QT_TRANSLATE_NOOP("QObject", "SS03:Traction Bogie 2"),
     {QT_TRANSLATE_NOOP("QObject", "SS03:Traction bogie"),
      QT_TRANSLATE_NOOP("QObject", "EQUIPMENT TEMPERATURE HIGH"),
      QT_TRANSLATE_NOOP("QObject", "TE/BE of bogie 2 may be reduced"),
      QT_TRANSLATE_NOOP("QObject", "Check the blowers F0305P2")},
     {QT_TRANSLATE_NOOP("QObject", "1. Reduce TE and continue with care.\n"
                                   "2. Check that TM blower 2 and oil cooler\n"
                                   "   blower 2 are running.\n"
                                   "3. Check their MCBs in HB2; reset once\n"
                                   "   if tripped.\n"
                                   "4. If the message stays, inform TLC.\n"), "", "", ""}},
    {20306, "F0306P2", QT_TRANSLATE_NOOP("QObject", "SS03:Traction Bogie 2"),
     {QT_TRANSLATE_NOOP("QObject", "SS03:Traction bogie"),
      QT_TRANSLATE_NOOP("QObject", "SCR-BOGIE2 ISOLATED"),
      QT_TRANSLATE_NOOP("QObject", "TE/BE of bogie 2 reduced"),
      QT_TRANSLATE_NOOP("QObject", "Driving still possible F0306P2")},
     {QT_TRANSLATE_NOOP("QObject", "1. Continue with reduced TE/BE.\n"
                                   "2. At a halt, switch electronics OFF/ON.\n"
                                   "3. If it stays isolated, inform TLC and\n"
                                   "   record in the logbook.\n"), "", "", ""}},
    {20307, "F0307P2", QT_TRANSLATE_NOOP("QObject", "SS03:Traction Bogie 2"),
     {QT_TRANSLATE_NOOP("QObject", "SS03:Traction bogie"),
      QT_TRANSLATE_NOOP("QObject", "WHEEL SKIDDING AT BOGIE 2"),
      QT_TRANSLATE_NOOP("QObject", "Reduce braking effort"),
      QT_TRANSLATE_NOOP("QObject", "Use sander F0307P2")},
     {QT_TRANSLATE_NOOP("QObject", "1. Reduce the electric braking effort at\n"
                                   "   once.\n"
                                   "2. Use the sander on wet or greasy rail.\n"
                                   "3. Apply the train brakes in good time.\n"
                                   "4. If it repeats often, inform TLC.\n"), "", "", ""}},
    {20308, "F0308P2", QT_TRANSLATE_NOOP("QObject", "SS03:Traction bogie 2"),
     {QT_TRANSLATE_NOOP("QObject", "SS03:Traction bogie"),
      QT_TRANSLATE_NOOP("QObject", "CT FAILURE IN MC BOGIE2"),
      QT_TRANSLATE_NOOP("QObject", "Current sensor of bogie 2 faulty"),
      QT_TRANSLATE_NOOP("QObject", "Bogie 2 may be isolated F0308P2")},
     {QT_TRANSLATE_NOOP("QObject", "1. Continue; bogie 2 may be switched\n"
                                   "   off.\n"
                                   "2. At a halt, switch electronics OFF/ON.\n"
                                   "3. If bogie 2 stays off, work with half\n"
                                   "   power.\n"
                                   "4. Inform TLC and record in the logbook.\n"), "", "", ""}},

    // Priority 2 faults, subsystem 04 (from 20403 on: isolations in traction bogie 1)
    {20401, "F0401P2", QT_TRANSLATE_NOOP("QObject", "SS04:Harmonic Filter"),
     {QT_TRANSLATE_NOOP("QObject", "SS04:Harmonic filter"),
      QT_TRANSLATE_NOOP("QObject", "FILTER CONTACTOR 8.1 STUCK ON"),
      QT_TRANSLATE_NOOP("QObject", "Filter can not be switched off"),
      QT_TRANSLATE_NOOP("QObject", "Inform TLC F0401P2")},
     {QT_TRANSLATE_NOOP("QObject", "1. Continue driving normally.\n"
                                   "2. At a halt, switch electronics OFF/ON.\n"
                                   "3. If the message stays, isolate the\n"
                                   "   harmonic filter; max. speed is then\n"
                                   "   40 km/h.\n"
                                   "4. Inform TLC and record in the logbook.\n"), "", "", ""}},
    {20402, "F0402P2", QT_TRANSLATE_NOOP("QObject", "SS04:Harmonic Filter"),
     {QT_TRANSLATE_NOOP("QObject", "SS04:Harmonic filter"),
      QT_TRANSLATE_NOOP("QObject", "EARTH FAULT HARMONIC FILTER CIRCUIT"),
      QT_TRANSLATE_NOOP("QObject", "Harmonic filter isolated"),
      QT_TRANSLATE_NOOP("QObject", "Max speed 40 km/h F0402P2")},
     {QT_TRANSLATE_NOOP("QObject", "1. Restrict the speed to 40 km/h.\n"
                                   "2. Do not put the harmonic filter back\n"
                                   "   in service.\n"
                                   "3. At the next stop, check the machine\n"
                                   "   room for smoke or burning smell; if\n"
                                   "   found, open VCB and lower the panto.\n"
                                   "4. Inform TLC and follow instructions.\n"
                                   "5. Record in the logbook.\n"), "", "", ""}},
    {20403, "F0211P2", QT_TRANSLATE_NOOP("QObject", "SS02:Traction bogie 1"),
     {QT_TRANSLATE_NOOP("QObject", "SS02:Traction bogie"),
      QT_TRANSLATE_NOOP("QObject", "MOTOR1-BOGIE1 ISOLATED"),
      QT_TRANSLATE_NOOP("QObject", "TE/BE reduced by one motor"),
      QT_TRANSLATE_NOOP("QObject", "Driving still possible F0211P2")},
     {QT_TRANSLATE_NOOP("QObject", "1. Continue with reduced TE/BE.\n"
                                   "2. Start heavy trains with care.\n"
                                   "3. At a halt, switch electronics OFF/ON\n"
                                   "   to bring motor 1 back.\n"
                                   "4. Inform TLC and record in the logbook.\n"), "", "", ""}},
    {20404, "F0212P2", QT_TRANSLATE_NOOP("QObject", "SS02:Traction bogie 1"),
     {QT_TRANSLATE_NOOP("QObject", "SS02:Traction bogie"),
      QT_TRANSLATE_NOOP("QObject", "MOTOR2-BOGIE1 ISOLATED"),
      QT_TRANSLATE_NOOP("QObject", "TE/BE reduced by one motor"),
      QT_TRANSLATE_NOOP("QObject", "Driving still possible F0212P2")},
     {QT_TRANSLATE_NOOP("QObject", "1. Continue with reduced TE/BE.\n"
                                   "2. Start heavy trains with care.\n"
                                   "3. At a halt, switch electronics OFF/ON\n"
                                   "   to bring motor 2 back.\n"
                                   "4. Inform TLC and record in the logbook.\n"), "", "", ""}},
    {20405, "F0213P2", QT_TRANSLATE_NOOP("QObject", "SS02:Traction bogie 1"),
     {QT_TRANSLATE_NOOP("QObject", "SS02:Traction bogie"),
      QT_TRANSLATE_NOOP("QObject", "MOTOR3-BOGIE1 ISOLATED"),
      QT_TRANSLATE_NOOP("QObject", "TE/BE reduced by one motor"),
      QT_TRANSLATE_NOOP("QObject", "Driving still possible F0213P2")},
     {QT_TRANSLATE_NOOP("QObject", "1. Continue with reduced TE/BE.\n"
                                   "2. Start heavy trains with care.\n"
                                   "3. At a halt, switch electronics OFF/ON\n"
                                   "   to bring motor 3 back.\n"
                                   "4. Inform TLC and record in the logbook.\n"), "", "", ""}},
    {20406, "F0214P2", QT_TRANSLATE_NOOP("QObject", "SS02:Traction bogie 1"),
     {QT_TRANSLATE_NOOP("QObject", "SS02:Traction bogie"),
      QT_TRANSLATE_NOOP("QObject", "LINE CONVERTER1-BOGIE1 ISOLATED"),
      QT_TRANSLATE_NOOP("QObject", "TE/BE of bogie 1 reduced"),
      QT_TRANSLATE_NOOP("QObject", "Driving still possible F0214P2")},
     {QT_TRANSLATE_NOOP("QObject", "1. Continue with reduced TE/BE.\n"
                                   "2. At a halt, switch electronics OFF/ON\n"
                                   "   to bring line converter 1 back.\n"
                                   "3. If it stays isolated, inform TLC.\n"
                                   "4. Record in the logbook.\n"), "", "", ""}},
    {20407, "F0215P2", QT_TRANSLATE_NOOP("QObject", "SS02:Traction bogie 1"),
     {QT_TRANSLATE_NOOP("QObject", "SS02:Traction bogie"),
      QT_TRANSLATE_NOOP("QObject", "LINE CONVERTER-2 BOGIE1 ISOLATED"),
      QT_TRANSLATE_NOOP("QObject", "TE/BE of bogie 1 reduced"),
      QT_TRANSLATE_NOOP("QObject", "Driving still possible F0215P2")},
     {QT_TRANSLATE_NOOP("QObject", "1. Continue with reduced TE/BE.\n"
                                   "2. At a halt, switch electronics OFF/ON\n"
                                   "   to bring line converter 2 back.\n"
                                   "3. If it stays isolated, inform TLC.\n"
                                   "4. Record in the logbook.\n"), "", "", ""}},
    {20408, "F0408P2", QT_TRANSLATE_NOOP("QObject", "SS02:Traction bogie 1"),
     {QT_TRANSLATE_NOOP("QObject", "SS02:Traction bogie"),
      QT_TRANSLATE_NOOP("QObject", "DIST. IN CONTROL ELECTRONICS BOGIE1"),
      QT_TRANSLATE_NOOP("QObject", "Bogie 1 may be switched off"),
      QT_TRANSLATE_NOOP("QObject", "Switch electronics OFF/ON F0408P2")},
     {"", "", "", ""}},

    // Priority 2 faults, subsystem 05 (from 20503 on: isolations in traction bogie 2)
    {20501, "F0501P2", QT_TRANSLATE_NOOP("QObject", "SS05:Hotel load"),
     {QT_TRANSLATE_NOOP("QObject", "SS05:Hotel load"),
      QT_TRANSLATE_NOOP("QObject", "HOTEL LOAD CONTACTOR STUCK OFF"),
      QT_TRANSLATE_NOOP("QObject", "No hotel load supply to train"),
      QT_TRANSLATE_NOOP("QObject", "Inform TLC F0501P2")},
     {"", "", "", ""}},
    {20502, "F0502P2", QT_TRANSLATE_NOOP("QObject", "SS05:Hotel load"),
     {QT_TRANSLATE_NOOP("QObject", "SS05:Hotel load"),
      QT_TRANSLATE_NOOP("QObject", "HOTEL LOAD CONTACTOR STUCK ON"),
      QT_TRANSLATE_NOOP("QObject", "Hotel load can not be switched off"),
      QT_TRANSLATE_NOOP("QObject", "Inform TLC F0502P2")},
     {"", "", "", ""}},
    {20503, "F0311P2", QT_TRANSLATE_NOOP("QObject", "SS03:Traction bogie 2"),
     {QT_TRANSLATE_NOOP("QObject", "SS03:Traction bogie"),
      QT_TRANSLATE_NOOP("QObject", "MOTOR1-BOGIE2 ISOLATED"),
      QT_TRANSLATE_NOOP("QObject", "TE/BE reduced by one motor"),
      QT_TRANSLATE_NOOP("QObject", "Driving still possible F0311P2")},
     {QT_TRANSLATE_NOOP("QObject", "1. Continue with reduced TE/BE.\n"
                                   "2. Start heavy trains with care.\n"
                                   "3. At a halt, switch electronics OFF/ON\n"
                                   "   to bring motor 1 back.\n"
                                   "4. Inform TLC and record in the logbook.\n"), "", "", ""}},
    {20504, "F0312P2", QT_TRANSLATE_NOOP("QObject", "SS03:Traction bogie 2"),
     {QT_TRANSLATE_NOOP("QObject", "SS03:Traction bogie"),
      QT_TRANSLATE_NOOP("QObject", "MOTOR2-BOGIE2 ISOLATED"),
      QT_TRANSLATE_NOOP("QObject", "TE/BE reduced by one motor"),
      QT_TRANSLATE_NOOP("QObject", "Driving still possible F0312P2")},
     {QT_TRANSLATE_NOOP("QObject", "1. Continue with reduced TE/BE.\n"
                                   "2. Start heavy trains with care.\n"
                                   "3. At a halt, switch electronics OFF/ON\n"
                                   "   to bring motor 2 back.\n"
                                   "4. Inform TLC and record in the logbook.\n"), "", "", ""}},
    {20505, "F0313P2", QT_TRANSLATE_NOOP("QObject", "SS03:Traction bogie 2"),
     {QT_TRANSLATE_NOOP("QObject", "SS03:Traction bogie"),
      QT_TRANSLATE_NOOP("QObject", "MOTOR3-BOGIE2 ISOLATED"),
      QT_TRANSLATE_NOOP("QObject", "TE/BE reduced by one motor"),
      QT_TRANSLATE_NOOP("QObject", "Driving still possible F0313P2")},
     {QT_TRANSLATE_NOOP("QObject", "1. Continue with reduced TE/BE.\n"
                                   "2. Start heavy trains with care.\n"
                                   "3. At a halt, switch electronics OFF/ON\n"
                                   "   to bring motor 3 back.\n"
                                   "4. Inform TLC and record in the logbook.\n"), "", "", ""}},
    {20506, "F0314P2", QT_TRANSLATE_NOOP("QObject", "SS03:Traction bogie 2"),
     {QT_TRANSLATE_NOOP("QObject", "SS03:Traction bogie"),
      QT_TRANSLATE_NOOP("QObject", "LINE CONVERTER1-BOGIE2 ISOLATED"),
      QT_TRANSLATE_NOOP("QObject", "TE/BE of bogie 2 reduced"),
      QT_TRANSLATE_NOOP("QObject", "Driving still possible F0314P2")},
     {QT_TRANSLATE_NOOP("QObject", "1. Continue with reduced TE/BE.\n"
                                   "2. At a halt, switch electronics OFF/ON\n"
                                   "   to bring line converter 1 back.\n"
                                   "3. If it stays isolated, inform TLC.\n"
                                   "4. Record in the logbook.\n"), "", "", ""}},
    {20507, "F0315P2", QT_TRANSLATE_NOOP("QObject", "SS03:Traction bogie 2"),
     {QT_TRANSLATE_NOOP("QObject", "SS03:Traction bogie"),
      QT_TRANSLATE_NOOP("QObject", "LINE CONVERTER-2 BOGIE2 ISOLATED"),
      QT_TRANSLATE_NOOP("QObject", "TE/BE of bogie 2 reduced"),
      QT_TRANSLATE_NOOP("QObject", "Driving still possible F0315P2")},
     {QT_TRANSLATE_NOOP("QObject", "1. Continue with reduced TE/BE.\n"
                                   "2. At a halt, switch electronics OFF/ON\n"
                                   "   to bring line converter 2 back.\n"
                                   "3. If it stays isolated, inform TLC.\n"
                                   "4. Record in the logbook.\n"), "", "", ""}},
    {20508, "F0508P2", QT_TRANSLATE_NOOP("QObject", "SS03:Traction bogie 2"),
     {QT_TRANSLATE_NOOP("QObject", "SS03:Traction bogie"),
      QT_TRANSLATE_NOOP("QObject", "DIST. IN CONTROL ELECTRONICS BOGIE2"),
      QT_TRANSLATE_NOOP("QObject", "Bogie 2 may be switched off"),
      QT_TRANSLATE_NOOP("QObject", "Switch electronics OFF/ON F0508P2")},
     {"", "", "", ""}},

    // Priority 2 faults, subsystem 09
    {20901, "F0901P2", QT_TRANSLATE_NOOP("QObject", "SS09:Battery System"),
     {QT_TRANSLATE_NOOP("QObject", "SS09:Battery system"),
      QT_TRANSLATE_NOOP("QObject", "WARNING: LOW BATTERY VOLTAGE"),
      QT_TRANSLATE_NOOP("QObject", "Battery voltage below normal"),
      QT_TRANSLATE_NOOP("QObject", "Check battery charger F0901P2")},
     {QT_TRANSLATE_NOOP("QObject", "1. Check the battery voltmeter in the\n"
                                   "   cab.\n"
                                   "2. Check the battery charger MCB; switch\n"
                                   "   ON if tripped.\n"
                                   "3. Switch off loads not needed.\n"
                                   "4. Inform TLC if the voltage keeps\n"
                                   "   falling.\n"), "", "", ""}},
    {20902, "F0902P2", QT_TRANSLATE_NOOP("QObject", "SS09:Battery System"),
     {QT_TRANSLATE_NOOP("QObject", "SS09:Battery system"),
      QT_TRANSLATE_NOOP("QObject", "BATTERY CHARGER MCB OFF"),
      QT_TRANSLATE_NOOP("QObject", "Battery is not being charged"),
      QT_TRANSLATE_NOOP("QObject", "Switch ON charger MCB F0902P2")},
     {QT_TRANSLATE_NOOP("QObject", "1. Switch ON the battery charger MCB\n"
                                   "   once.\n"
                                   "2. If it trips again, leave it OFF and\n"
                                   "   switch off loads not needed.\n"
                                   "3. Inform TLC; the battery lasts only a\n"
                                   "   limited time.\n"
                                   "4. Record in the logbook.\n"), "", "", ""}},
    {20903, "F0903P2", QT_TRANSLATE_NOOP("QObject", "SS09:Battery System"),
     {QT_TRANSLATE_NOOP("QObject", "SS09:Battery system"),
      QT_TRANSLATE_NOOP("QObject", "LOW BATTERY CHARGER CURRENT"),
      QT_TRANSLATE_NOOP("QObject", "Battery charging reduced"),
      QT_TRANSLATE_NOOP("QObject", "Check charger MCB F0903P2")},
     {QT_TRANSLATE_NOOP("QObject", "1. Check the battery charger MCB and the\n"
                                   "   charger indications.\n"
                                   "2. Watch the battery voltage.\n"
                                   "3. Inform TLC and record in the logbook.\n"), "", "", ""}},
    {20904, "F0904P2", QT_TRANSLATE_NOOP("QObject", "SS09:Battery System"),
     {QT_TRANSLATE_NOOP("QObject", "SS09:Battery system"),
      QT_TRANSLATE_NOOP("QObject", "not used"),
      "",
      QT_TRANSLATE_NOOP("QObject", "F0904P2")},
     {kMessageNotInUse, "", "", ""}},
    {20905, "F0905P2", QT_TRANSLATE_NOOP("QObject", "SS09:Battery System"),
     {QT_TRANSLATE_NOOP("QObject", "SS09:Battery system"),
      QT_TRANSLATE_NOOP("QObject", "EARTH FAULT BATTERY CIRCUIT"),
      QT_TRANSLATE_NOOP("QObject", "Driving still possible"),
      QT_TRANSLATE_NOOP("QObject", "Inform TLC F0905P2")},
     {QT_TRANSLATE_NOOP("QObject", "1. Continue driving.\n"
                                   "2. Do not touch 110 V wiring and\n"
                                   "   terminals.\n"
                                   "3. Inform TLC and record in the logbook\n"
                                   "   for an insulation check in the shed.\n"), "", "", ""}},

    // Priority 2 faults, subsystem 10
    {21001, "F1001P2", QT_TRANSLATE_NOOP("QObject", "SS10:Brake System"),
     {QT_TRANSLATE_NOOP("QObject", "SS10:Brake system"),
      QT_TRANSLATE_NOOP("QObject", "LOCO IS IN BANKING MODE"),
      QT_TRANSLATE_NOOP("QObject", "Banking mode switch is ON"),
      QT_TRANSLATE_NOOP("QObject", "Check banking switch F1001P2")},
     {QT_TRANSLATE_NOOP("QObject", "1. If the loco is not banking, switch\n"
                                   "   the banking mode switch OFF.\n"
                                   "2. In banking mode the train brake is\n"
                                   "   worked from the leading loco.\n"
                                   "3. Record in the logbook.\n"), "", "", ""}},
    {21002, "F1002P2", QT_TRANSLATE_NOOP("QObject", "SS10:Brake System"),
     {QT_TRANSLATE_NOOP("QObject", "SS10:Brake system"),
      QT_TRANSLATE_NOOP("QObject", "ALARM CHAIN PULLING"),
      QT_TRANSLATE_NOOP("QObject", "Stop the train and check"),
      QT_TRANSLATE_NOOP("QObject", "Reset after checking F1002P2")},
     {QT_TRANSLATE_NOOP("QObject", "1. Bring throttle to 0 and stop the\n"
                                   "   train.\n"
                                   "2. Find the coach with the alarm chain\n"
                                   "   pulled, with the guard.\n"
                                   "3. Reset the alarm chain apparatus of\n"
                                   "   that coach.\n"
                                   "4. Wait for normal BP pressure and the\n"
                                   "   guard's signal, then start.\n"
                                   "5. Record in the logbook.\n"), "", "", ""}},

    // Priority 2 faults, subsystem 11
    {21101, "F1101P2", QT_TRANSLATE_NOOP("QObject", "SS11:Auxiliaries HB1"),
     {QT_TRANSLATE_NOOP("QObject", "SS11:Auxiliaries HB1"),
      QT_TRANSLATE_NOOP("QObject", "MCB(S) TRIPPED IN AUX. CUBICLE 1"),
      QT_TRANSLATE_NOOP("QObject", "Some auxiliaries not working"),
      QT_TRANSLATE_NOOP("QObject", "Check MCBs in HB1 F1101P2")},
     {QT_TRANSLATE_NOOP("QObject", "1. Continue driving with care.\n"
                                   "2. At the next stop check the MCBs in\n"
                                   "   HB1.\n"
                                   "3. Reset tripped MCBs as per page 2.\n"),
      kResettingMcbs, "", ""}},
    {21102, "F1102P2", QT_TRANSLATE_NOOP("QObject", "SS11:Auxiliaries HB1"),
     {QT_TRANSLATE_NOOP("QObject", "SS11:Auxiliaries HB1"),
      QT_TRANSLATE_NOOP("QObject", "EARTH FAULT 415/110V CIRCUIT"),
      QT_TRANSLATE_NOOP("QObject", "Aux. supply may be affected"),
      QT_TRANSLATE_NOOP("QObject", "Driving still possible F1102P2")},
     {QT_TRANSLATE_NOOP("QObject", "1. Continue driving.\n"
                                   "2. Watch for aux. converter or MCB\n"
                                   "   messages.\n"
                                   "3. At the next stop, check the machine\n"
                                   "   room for burning smell.\n"
                                   "4. Inform TLC and record in the logbook.\n"), "", "", ""}},
    {21103, "F1103P2", QT_TRANSLATE_NOOP("QObject", "SS11:Auxiliaries HB1"),
     {QT_TRANSLATE_NOOP("QObject", "SS11:Auxiliaries HB1"),
      QT_TRANSLATE_NOOP("QObject", "MCB OF MAIN COMPRESSOR 1 OPEN"),
      QT_TRANSLATE_NOOP("QObject", "Compressor 1 not available"),
      QT_TRANSLATE_NOOP("QObject", "Switch ON MCB in HB1 F1103P2")},
     {QT_TRANSLATE_NOOP("QObject", "1. Switch ON the MCB of compressor 1 in\n"
                                   "   HB1 once.\n"
                                   "2. If it trips again, leave it OFF;\n"
                                   "   compressor 2 alone feeds the MR.\n"
                                   "3. Watch the MR pressure.\n"
                                   "4. Inform TLC and record in the logbook.\n"), "", "", ""}},
    {21104, "F1104P2", QT_TRANSLATE_NOOP("QObject", "SS11:Auxiliaries HB1"),
     {QT_TRANSLATE_NOOP("QObject", "SS11:Auxiliaries HB1"),
      QT_TRANSLATE_NOOP("QObject", "OVERLOAD ON OIL COOLER BLOWER 1"),
      QT_TRANSLATE_NOOP("QObject", "Oil cooling reduced"),
      QT_TRANSLATE_NOOP("QObject", "Check blower MCB in HB1 F1104P2")},
     {QT_TRANSLATE_NOOP("QObject", "1. Reduce TE; TE/BE may be reduced.\n"
                                   "2. Reset the MCB of oil cooler blower 1\n"
                                   "   in HB1 once.\n"
                                   "3. If it trips again, leave it OFF and\n"
                                   "   inform TLC.\n"
                                   "4. Record in the logbook.\n"), "", "", ""}},
    {21105, "F1105P2", QT_TRANSLATE_NOOP("QObject", "SS11:Auxiliaries HB1"),
     {QT_TRANSLATE_NOOP("QObject", "SS11:Auxiliaries HB1"),
      QT_TRANSLATE_NOOP("QObject", "VIGILANCE CONTROL MANUALLY SWITCHED OFF"),
      QT_TRANSLATE_NOOP("QObject", "Drive with extra caution"),
      QT_TRANSLATE_NOOP("QObject", "No vigilance control")},
     {QT_TRANSLATE_NOOP("QObject", "1. Switch the vigilance control ON\n"
                                   "   again.\n"
                                   "2. If it must stay off, inform TLC and\n"
                                   "   run at restricted speed as ordered.\n"
                                   "3. Keep the assistant on watch; drive\n"
                                   "   with extra caution.\n"
                                   "4. Record in the logbook.\n"), "", "", ""}},
    {21106, "F1106P2", QT_TRANSLATE_NOOP("QObject", "SS11:Auxiliaries HB1"),
     {QT_TRANSLATE_NOOP("QObject", "SS11:Auxiliaries HB1"),
      QT_TRANSLATE_NOOP("QObject", "Loco in shunting mode"),
      QT_TRANSLATE_NOOP("QObject", "speed can not more then 15KMPH"),
      QT_TRANSLATE_NOOP("QObject", "F1106P2")},
     {QT_TRANSLATE_NOOP("QObject", "Inform TLC and record in the logbook\n"), "", "", ""}},

    // Priority 2 faults, subsystem 12
    {21201, "F1201P2", QT_TRANSLATE_NOOP("QObject", "SS12:Auxiliaries HB2"),
     {QT_TRANSLATE_NOOP("QObject", "SS12:Auxiliaries HB2"),
      QT_TRANSLATE_NOOP("QObject", "MCB(S) TRIPPED IN AUX. CUBICLE 2"),
      QT_TRANSLATE_NOOP("QObject", "Some auxiliaries not working"),
      QT_TRANSLATE_NOOP("QObject", "Check MCBs in HB2 F1201P2")},
     {QT_TRANSLATE_NOOP("QObject", "1. Continue driving with care.\n"
                                   "2. At the next stop check the MCBs in\n"
                                   "   HB2.\n"
                                   "3. Reset tripped MCBs as per page 2.\n"),
      kResettingMcbs, "", ""}},
    {21202, "F1202P2", QT_TRANSLATE_NOOP("QObject", "SS12:Auxiliaries HB2"),
     {QT_TRANSLATE_NOOP("QObject", "SS12:Auxiliaries HB2"),
      QT_TRANSLATE_NOOP("QObject", "MCB OF MAIN COMPRESSOR 2 OPEN"),
      QT_TRANSLATE_NOOP("QObject", "Compressor 2 not available"),
      QT_TRANSLATE_NOOP("QObject", "Switch ON MCB in HB2 F1202P2")},
     {QT_TRANSLATE_NOOP("QObject", "1. Switch ON the MCB of compressor 2 in\n"
                                   "   HB2 once.\n"
                                   "2. If it trips again, leave it OFF;\n"
                                   "   compressor 1 alone feeds the MR.\n"
                                   "3. Watch the MR pressure.\n"
                                   "4. Inform TLC and record in the logbook.\n"), "", "", ""}},
    {21203, "F1203P2", QT_TRANSLATE_NOOP("QObject", "SS12:Auxiliaries HB2"),
     {QT_TRANSLATE_NOOP("QObject", "SS12:Auxiliaries HB2"),
      QT_TRANSLATE_NOOP("QObject", "OVERLOAD ON OIL COOLER BLOWER 2"),
      QT_TRANSLATE_NOOP("QObject", "Oil cooling reduced"),
      QT_TRANSLATE_NOOP("QObject", "Check blower MCB in HB2 F1203P2")},
     {QT_TRANSLATE_NOOP("QObject", "1. Reduce TE; TE/BE may be reduced.\n"
                                   "2. Reset the MCB of oil cooler blower 2\n"
                                   "   in HB2 once.\n"
                                   "3. If it trips again, leave it OFF and\n"
                                   "   inform TLC.\n"
                                   "4. Record in the logbook.\n"), "", "", ""}},

    // Priority 2 faults, subsystem 13
    {21301, "F1301P2", QT_TRANSLATE_NOOP("QObject", "SS13:Cab 1"),
     {QT_TRANSLATE_NOOP("QObject", "SS13:Cab 1"),
      QT_TRANSLATE_NOOP("QObject", "STB1 RIOM EXTENSION FAULT"),
      QT_TRANSLATE_NOOP("QObject", "Some cab 1 indications missing"),
      QT_TRANSLATE_NOOP("QObject", "Driving still possible F1301P2")},
     {QT_TRANSLATE_NOOP("QObject", "1. Continue driving; watch the gauges.\n"
                                   "2. At a halt, switch electronics OFF/ON.\n"
                                   "3. Record in the logbook.\n"), "", "", ""}},
    {21302, "F1302P2", QT_TRANSLATE_NOOP("QObject", "SS13:Cab 1"),
     {QT_TRANSLATE_NOOP("QObject", "SS13:Cab 1"),
      QT_TRANSLATE_NOOP("QObject", "HBB! RIOM EXTENSION FAULT"),
      QT_TRANSLATE_NOOP("QObject", "Some HB1 indications missing"),
      QT_TRANSLATE_NOOP("QObject", "Driving still possible F1302P2")},
     {QT_TRANSLATE_NOOP("QObject", "1. Continue driving; watch the MCBs and\n"
                                   "   blowers of HB1.\n"
                                   "2. At a halt, switch electronics OFF/ON.\n"
                                   "3. Record in the logbook.\n"), "", "", ""}},

    // Priority 2 faults, subsystem 14
    {21401, "F1401P2", QT_TRANSLATE_NOOP("QObject", "SS14:Cab 2"),
     {QT_TRANSLATE_NOOP("QObject", "SS14:Cab 2"),
      QT_TRANSLATE_NOOP("QObject", "STB2 RIOM EXTENSION FAULT"),
      QT_TRANSLATE_NOOP("QObject", "Some cab 2 indications missing"),
      QT_TRANSLATE_NOOP("QObject", "Driving still possible F1401P2")},
     {QT_TRANSLATE_NOOP("QObject", "1. Continue driving; watch the gauges.\n"
                                   "2. At a halt, switch electronics OFF/ON.\n"
                                   "3. Record in the logbook.\n"), "", "", ""}},
    {21402, "F1402P2", QT_TRANSLATE_NOOP("QObject", "SS14:Cab 2"),
     {QT_TRANSLATE_NOOP("QObject", "SS14:Cab 2"),
      QT_TRANSLATE_NOOP("QObject", "HBB2 RIOM EXTENSION FAULT"),
      QT_TRANSLATE_NOOP("QObject", "Some HB2 indications missing"),
      QT_TRANSLATE_NOOP("QObject", "Driving still possible F1402P2")},
     {QT_TRANSLATE_NOOP("QObject", "1. Continue driving; watch the MCBs and\n"
                                   "   blowers of HB2.\n"
                                   "2. At a halt, switch electronics OFF/ON.\n"
                                   "3. Record in the logbook.\n"), "", "", ""}},

    // Priority 2 faults, subsystem 15
    {21501, "F1501P2", QT_TRANSLATE_NOOP("QObject", "SS15:Fire Detection"),
     {QT_TRANSLATE_NOOP("QObject", "SS15:Fire detection"),
      QT_TRANSLATE_NOOP("QObject", "FAULT IN FIRE DETECTION UNIT"),
      QT_TRANSLATE_NOOP("QObject", "Fire detection not available"),
      QT_TRANSLATE_NOOP("QObject", "Check machine room often F1501P2")},
     {QT_TRANSLATE_NOOP("QObject", "1. Continue driving.\n"
                                   "2. Check the machine room at every stop.\n"
                                   "3. Check the MCB of the fire detection\n"
                                   "   unit.\n"
                                   "4. Inform TLC and record in the logbook.\n"), "", "", ""}},
    {21502, "F1502P2", QT_TRANSLATE_NOOP("QObject", "SS15:Fire Detection"),
     {QT_TRANSLATE_NOOP("QObject", "SS15:Fire detection"),
      QT_TRANSLATE_NOOP("QObject", "WARNING: SMOKE IN MACHINE ROOM"),
      QT_TRANSLATE_NOOP("QObject", "Check the machine room"),
      QT_TRANSLATE_NOOP("QObject", "Be ready to stop F1502P2")},
     {QT_TRANSLATE_NOOP("QObject", "1. Coast and stop at a suitable place.\n"
                                   "2. Check the machine room for smoke,\n"
                                   "   fire or burning smell.\n"
                                   "3. If there is a fire, act as for fire\n"
                                   "   in the machine room.\n"
                                   "4. If nothing is found, inform TLC and\n"
                                   "   continue with care.\n"), "", "", ""}},

    // Priority 2 faults, subsystem 16
    {21601, "F1601P2", QT_TRANSLATE_NOOP("QObject", "SS16 : Speedometer"),
     {QT_TRANSLATE_NOOP("QObject", "SS16:Speedometer"),
      QT_TRANSLATE_NOOP("QObject", "FAULT IN SPEEDOMETER"),
      QT_TRANSLATE_NOOP("QObject", "Speed indication not reliable"),
      QT_TRANSLATE_NOOP("QObject", "Check speedometer MCB F1601P2")},
     {QT_TRANSLATE_NOOP("QObject", "1. Check the speedometer MCB; reset it\n"
                                   "   once.\n"
                                   "2. Compare with the speed shown on the\n"
                                   "   display.\n"
                                   "3. If it stays faulty, run at a safe\n"
                                   "   speed as per rules.\n"
                                   "4. Inform TLC and record in the logbook.\n"), "", "", ""}},

    // Priority 2 faults, subsystem 17
    {21701, "F1701P2", QT_TRANSLATE_NOOP("QObject", "SS17 : Processor FLG1"),
     {QT_TRANSLATE_NOOP("QObject", "SS17:Processor FLG1"),
      QT_TRANSLATE_NOOP("QObject", "not used"),
      "",
      QT_TRANSLATE_NOOP("QObject", "F1701P2")},
     {kMessageNotInUse, "", "", ""}},

    // Priority 2 faults, subsystem 18
    {21801, "F1801P2", QT_TRANSLATE_NOOP("QObject", "SS18 : Processor FLG1"),
     {QT_TRANSLATE_NOOP("QObject", "SS18:Processor FLG2"),
      QT_TRANSLATE_NOOP("QObject", "not used"),
      "",
      QT_TRANSLATE_NOOP("QObject", "F1801P2")},
     {kMessageNotInUse, "", "", ""}},
};

} // namespace

const FaultEntry *faultCatalogue()
{
    return kCatalogue;
}

int faultCatalogueSize()
{
    return int(sizeof(kCatalogue) / sizeof(kCatalogue[0]));
}
// clang-format on
