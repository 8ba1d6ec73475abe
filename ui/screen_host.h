#pragma once
// What a screen may ask of the window around it, and nothing more: its
// widgets by name, the screen model (which screen is served, hiding the
// others, going home, drawing the keypad focus), the message box, the
// password pad and the on-screen keyboard, the language shown, the tick's
// snapshot of the vehicle data and the requests to the bus side.
//
// The main window implements it. A screen holds a ScreenHost&, never the
// window itself, so a screen cannot reach into another screen's state.

#include <QString>

#include <functional>

#include "input/screen_ids.h"

class BusExchange;
class QWidget;
struct BusRequests;
struct SignalStore;

namespace ui {

// What the OK of an information box does after closing it.
enum class AfterOk {
    Nothing,
    Restart,         // "DDU will restart now!": the program ends with the restart status and the unit reboots
    DiagnosisChoice, // "No DDS Found": back to the diagnosis processor choice
    // "Do you want to calibrate": YES shows "Calibration screen will appear
    // after system restart", whose OK restarts as Restart does.
    CalibrationNotice,
};

class ScreenHost {
public:
    virtual ~ScreenHost() = default;

    // ----- widgets -----
    // The window's widget called `name` (nullptr when there is none).
    virtual QWidget* widget(const QString& name) const = 0;

    // ----- screen model -----
    virtual screen::Id servedScreen() const = 0;
    // Serves `id` from now on; with `back`, the screen served so far becomes
    // the one Back and OK return to.
    virtual void serveScreen(screen::Id id, bool back = false) = 0;
    // The screen Back and OK return to.
    virtual void setReturnScreen(screen::Id id) = 0;
    virtual screen::Id returnScreen() const = 0;
    // Hides every screen group and resets the per-screen state.
    virtual void hideScreens() = 0;
    virtual void goHome() = 0;
    // Lays the home screen out again after the configuration changed.
    virtual void applyConfiguration() = 0;
    // Draws the first keypad focus of the screen now shown.
    virtual void drawKeyFocus() = 0;
    // Puts the keypad focus on group `menuNo`, place `pressCount`, with the
    // select key `selectKey` (each -1: left as it is); pending key presses
    // are dropped. dispatchKeys() then draws it (and runs the dispatcher once).
    virtual void setKeyFocus(int menuNo, int pressCount, int selectKey) = 0;
    virtual void dispatchKeys() = 0;
    // The focused place of the keypad focus group alone (pending keys stay).
    virtual int keyPlace() const = 0;
    virtual void setKeyPlace(int pressCount) = 0;
    // Touch debouncing of a pad: every later hit locks the panel for
    // `ticks` input ticks, or touches already queued are dropped and the
    // panel stays locked for `ticks` ticks from now.
    virtual void setTouchLockout(int ticks) = 0;
    virtual void dropQueuedTouches(int ticks) = 0;
    // The frame of the main menu's screens (title bar with back and home).
    virtual void showMenuFrame() = 0;
    // A tool of the maintenance area: the menu column and footer with the
    // tool's group, the tool's menu entry marked.
    virtual void showMaintenanceTool(const char* group, const char* menuEntry) = 0;
    // The password pad at a protected action's stage; `onAccepted` runs
    // once after the right code (never after a wrong one or the pad closed).
    virtual void openPasswordPad(int stage, std::function<void()> onAccepted) = 0;
    // The top bar with `entry` marked selected (the others reset; none for nullptr).
    virtual void markTopBar(const char* entry) = 0;
    // The home layout toggle cannot be used while this screen is shown, or
    // can be used again.
    virtual void disableLayoutToggle() = 0;
    virtual void enableLayoutToggle() = 0;
    // The home layout shown: 0 RMS, 1 DDU.
    virtual int homeLayout() const = 0;
    // The processor I/O screens at processor 1 (RIOM1) to 4 (BRIO2).
    virtual void openProcessorIo(int processor) = 0;

    // ----- logs -----
    // Writes the fault history, the fault log and `ddsCsv` (the DDS records
    // seen) onto the stick, off the GUI thread, with progress and a result
    // in the message box.
    virtual void exportLogs(const QByteArray& ddsCsv) = 0;

    // ----- message box -----
    // kind 1 error, 2 information, 3 question
    virtual void message(const QString& text, int kind, AfterOk after = AfterOk::Nothing) = 0;
    // A question whose YES runs `onYes` ("" or what failed); NO is the
    // default. A `saves` action reports "File Saved" when it succeeded.
    virtual void confirm(const QString& text, std::function<QString()> onYes, bool saves = true) = 0;
    // After OK of "No DDS Found": the diagnosis processor choice, its keypad
    // focus on the OK of the choice.
    virtual void openDiagnosisChoice() = 0;
    // The key that answered the box is used up (ENTER and ESC dropped); the
    // keypad focus at `place` of the screen below.
    virtual void keysAnswered(int place) = 0;
    // "File not saved: <reason>" / "Configuration not saved: <reason>", translated.
    virtual QString fileNotSavedText(const QString& reason) const = 0;
    virtual QString configurationNotSavedText(const QString& reason) const = 0;

    // ----- table cell writer -----
    // Writes `text` into a cell of the table `table` (1 freshness, 3
    // telegram, 4 variable list, 5 monitored variables ...) in its look.
    virtual void XML_Insert_Data(int row, int column, int format, int table, const QString& text) = 0;

    // ----- on-screen keyboard -----
    // Opens the keyboard empty for `stage`; SUBMIT gives the typed text to
    // `onSubmit` (with the stage) and closes it.
    virtual void openKeyboard(int stage, std::function<void(int stage, const QString& text)> onSubmit) = 0;
    virtual void closeKeyboard() = 0;

    // The life counters of the acquisition and DDS threads, "AA:BB".
    virtual QString threadLifeSign() const = 0;

    // ----- language -----
    virtual bool hindi() const = 0;
    // Installs the translation of `language` (0 English, 1 Hindi), goes home
    // and writes every text again; false when its file could not be loaded.
    virtual bool switchLanguage(int language) = 0;

    // ----- data -----
    virtual const SignalStore& snapshot() const = 0;
    virtual BusRequests& requests() = 0;
    // The hand-over with the acquisition: the viewer selection goes there.
    virtual BusExchange& bus() = 0;
};

} // namespace ui
