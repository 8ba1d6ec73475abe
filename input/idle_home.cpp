#include "input/idle_home.h"

namespace idle {

bool isDriverScreen(screen::Id id)
{
    switch (id) {
    case screen::HomeSubsystems:
    case screen::MainMenu:
    case screen::SubsystemMenu:
    case screen::DiagnosisChoice:
    case screen::DiagnosisList:
    case screen::DiagnosisDetails:
    case screen::Language:
    case screen::ProcessInfo:
    case screen::DateTime:
    case screen::Dds: return true;
    default: return screen::isValueScreen(id);
    }
}

bool IdleHome::tick(screen::Id id, bool leftAlone, bool speedKnown, int speed)
{
    if (!isDriverScreen(id) || leftAlone) {
        m_ticks = 0; // the minute counts on a driver screen only
        return false;
    }
    if (m_ticks < kTicksBeforeHome)
        ++m_ticks;
    if (m_ticks < kTicksBeforeHome || !speedKnown || speed <= 0)
        return false;
    m_ticks = 0;
    return true;
}

} // namespace idle
