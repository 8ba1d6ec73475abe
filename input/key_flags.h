#pragma once
// Key flags and brightness state reported by the keypad.
//
// The keypad decoder sets the flags; the key dispatcher acts on the flags set
// when it runs and then clears them all together. Flags, not a queue: a key
// received several times between two dispatches counts as one press.

struct KeyFlags {
    bool Keyboard_ESC_Pressed = false, Keyboard_Home_Pressed = false, Keyboard_Menu_Pressed = false,
         Keyboard_UP_Pressed = false, Keyboard_Down_Pressed = false, Keyboard_Enter_Pressed = false,
         Keyboard_Pixy_UP_Pressed = false, Keyboard_Pixy_Down_Pressed = false,
         Keyboard_Pixy_Brightness_UP_Pressed = false, Keyboard_Pixy_Brightness_Down_Pressed = false,
         Keyboard_Pixy_Brightness_Pressed = false;
    // No keypad code sets these three; they are only cleared with the others.
    bool Keyboard_Pixy_Clear_Pressed = false, Keyboard_Pixy_Home_Pressed = false, Keyboard_Pixy_Enter_Pressed = false;

    // True when one of the eight navigation flags is set (ESC, Home, Menu, Up,
    // Down, Enter, Pixy Up, Pixy Down): the refresh tick then runs the key
    // dispatcher. The brightness flags are not part of it.
    bool any() const;

    // All flags false (Keyboard_Key_Presssed_Reset).
    void clear();

    bool operator==(const KeyFlags& o) const;
    bool operator!=(const KeyFlags& o) const { return !(*this == o); }
};

struct BrightnessState {
    int Brightness_Step = 0; // 1..7 once reported
    bool Brightness_Automatic_Enable = false;
    bool Brightness_Panel_Enable = false;
    int brightness_timeout = 0; // refresh ticks since the panel was shown
};
