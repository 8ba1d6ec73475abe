#pragma once
// The display window for screen tests: no bus, both ticks stopped (the test
// drives them), key clicks not animated, shown offscreen.

#include <memory>

#include "app/mainwindow.h"
#include "tests/support/window.h"

namespace testsupport {

inline std::unique_ptr<MainWindow> makeWindow()
{
    StartOptions o;
    o.noMvb = true;
    auto w = std::make_unique<MainWindow>(nullptr, o);
    w->timer1->stop();
    w->timer2->stop();
    w->keyClicksAnimated = false;
    w->show();
    return w;
}

} // namespace testsupport
