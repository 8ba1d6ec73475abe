#pragma once
// Base of every screen class: the host it reaches the rest through, its
// widgets by name (a missing widget is reported once, loudly, with the
// screen's name), and the wiring of its on_<widget>_<signal>() slots to the
// widgets of that name, as the window's own slots are wired.

#include <QObject>
#include <QSet>
#include <QString>
#include <QStringList>

#include "ui/screen_host.h"

class QWidget;

namespace ui {

class Screen : public QObject {
    Q_OBJECT

public:
    Screen(ScreenHost& host, const char* name, QObject* parent = nullptr);

    // Connects every slot on_<widget>_<signal>(...) of this screen to the
    // signal of the widget with that object name under `root`; returns how
    // many were connected.
    int connectSlots(QWidget* root);

    // Whether this screen has a slot with that normalised signature
    // ("on_save_btn_clicked()", "on_t_x_cellClicked(int,int)").
    bool hasSlot(const char* signature) const;
    // The on_... slots connectSlots() found no widget signal for.
    const QStringList& unwiredSlots() const { return m_unwired; }
    const char* name() const { return m_name; }

    // The window hid every screen group (a screen change): a screen resets
    // what belongs to the screen shown.
    virtual void screensHidden() { }

protected:
    ScreenHost& host;

    // The widget `name` as a T; nullptr (reported once) when it is missing.
    QWidget* W(const QString& name) const;
    template <class T> T* W(const QString& name) const { return qobject_cast<T*>(W(name)); }
    bool isShown(const QString& name) const;

private:
    const char* m_name;
    mutable QSet<QString> m_reported;
    QStringList m_unwired;
};

} // namespace ui
