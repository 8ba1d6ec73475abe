#pragma once
// Device nodes of the display board. Each can be replaced through the
// environment so that the unit runs against the cab simulator's
// pseudo-terminals on any Linux machine.

namespace platform {

// Value of environment variable `name`, or `fallback` when unset or empty.
const char* envOr(const char* name, const char* fallback);

inline const char* mvbDevicePath()
{
    return envOr("DDU_MVB_DEVICE", "/dev/ttyO3");
}
inline const char* keypadDevicePath()
{
    return envOr("DDU_KEYPAD_DEVICE", "/dev/ttyO4");
}
inline const char* touchDevicePath()
{
    return envOr("DDU_TOUCH_DEVICE", "/dev/ttyO5");
}
inline const char* usbDevicePath()
{
    return envOr("DDU_USB_DEVICE", "/dev/sda1");
}
inline const char* sdDevicePath()
{
    return envOr("DDU_SD_DEVICE", "/dev/mmcblk0p1");
}

} // namespace platform
