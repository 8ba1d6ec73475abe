#include "input/key_flags.h"

bool KeyFlags::any() const
{
    return Keyboard_ESC_Pressed || Keyboard_Home_Pressed || Keyboard_Menu_Pressed || Keyboard_UP_Pressed ||
        Keyboard_Down_Pressed || Keyboard_Enter_Pressed || Keyboard_Pixy_UP_Pressed || Keyboard_Pixy_Down_Pressed;
}

void KeyFlags::clear()
{
    *this = KeyFlags();
}

bool KeyFlags::operator==(const KeyFlags& o) const
{
    return Keyboard_ESC_Pressed == o.Keyboard_ESC_Pressed && Keyboard_Home_Pressed == o.Keyboard_Home_Pressed &&
        Keyboard_Menu_Pressed == o.Keyboard_Menu_Pressed && Keyboard_UP_Pressed == o.Keyboard_UP_Pressed &&
        Keyboard_Down_Pressed == o.Keyboard_Down_Pressed && Keyboard_Enter_Pressed == o.Keyboard_Enter_Pressed &&
        Keyboard_Pixy_UP_Pressed == o.Keyboard_Pixy_UP_Pressed &&
        Keyboard_Pixy_Down_Pressed == o.Keyboard_Pixy_Down_Pressed &&
        Keyboard_Pixy_Brightness_UP_Pressed == o.Keyboard_Pixy_Brightness_UP_Pressed &&
        Keyboard_Pixy_Brightness_Down_Pressed == o.Keyboard_Pixy_Brightness_Down_Pressed &&
        Keyboard_Pixy_Brightness_Pressed == o.Keyboard_Pixy_Brightness_Pressed &&
        Keyboard_Pixy_Clear_Pressed == o.Keyboard_Pixy_Clear_Pressed &&
        Keyboard_Pixy_Home_Pressed == o.Keyboard_Pixy_Home_Pressed &&
        Keyboard_Pixy_Enter_Pressed == o.Keyboard_Pixy_Enter_Pressed;
}
