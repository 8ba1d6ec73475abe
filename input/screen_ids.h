#pragma once
// The screens the display can serve, by the number the touch dispatcher and
// the vehicle-facing code know them by. `screen_id` holds one of these; a bare
// number cannot be assigned to it (an int does not convert to screen::Id).
// Ids 41 and 45 are not used.

namespace screen {

enum Id : int {
    None = 0, // before start-up has finished
    Home = 1,
    HomeSubsystems = 2, // the subsystem grid of loco 1 or 2 opened from home
    MainMenu = 3,
    SubsystemMenu = 4,
    // The nine value screens of the subsystem menu, in menu order.
    HvCircuit = 5,
    TractionConverter = 6,
    AuxConverter = 7,
    TractionMotor = 8,
    AuxSystem = 9,
    BrakingSystem = 10,
    EnergyMonitoring = 11,
    Temperatures = 12,
    Pressures = 13,
    DiagnosisChoice = 14,
    DiagnosisList = 15,
    DiagnosisDetails = 16,
    MessageBox = 17,
    Language = 18,
    ProcessInfo = 19, // and the process-information screens beside its menu
    Inching = 20,
    DateTime = 21,
    Dds = 22,
    MaintenanceMenu = 23,
    PasswordPad = 24,
    DduConfigure = 25,
    CabSelection = 26,
    CabSettings = 27,
    Calibration = 28,
    SoftwareUpdateChoice = 29,
    SoftwareUpdate = 30,
    DduDisplay = 31,
    Telegram = 32,
    Freshness = 33,
    Variables = 34,
    VariableFilter = 35,
    LoadFile = 36,
    SaveFile = 37,
    VariableSlot = 38, // a load/save slot chosen, or the display of the chosen signals
    ProcessorFilter = 39,
    TelegramFilter = 40,
    SignalSearch = 42,
    MaintenanceLoco = 43,
    LocoIo = 44,
    FaultPopup = 46,
    DriverAdvice = 47,
};

// The value screen of subsystem menu entry `index` (0 HV circuit ... 8 pressures).
constexpr Id valueScreen(int index)
{
    return static_cast<Id>(HvCircuit + index);
}
constexpr bool isValueScreen(int id)
{
    return id >= HvCircuit && id <= Pressures;
}

} // namespace screen
