#pragma once
// What the maintenance screens keep between their slots (the globals
// of the telegram viewer and the variable monitor that belong to no view).

#include <QObject>
#include <QString>
#include <QVector>

#include "maintenance/logic/micview_set.h"
#include "maintenance/logic/port_list.h"

class MaintenanceState : public QObject {
public:
    explicit MaintenanceState(QObject* parent)
        : QObject(parent)
    {
        setObjectName(QStringLiteral("maintenanceState"));
    }

    // The port list, read once at start-up (Read_Port_Data_BUFFER).
    QVector<portlist::Port> ports;

    // Variable monitor: the set dialog and the display.
    int loadsave_selct = 0;          // 1 load, 2 save
    QString loadsave_filename;       // "1" .. "6" or "temp"
    int error_flg = 0;               // 1 while the display is open: no overwrite question
    QVector<micview::Entry> display; // the entries shown, in display order
    QVector<bool> fetched;           // per entry: handed to the acquisition (else unknown)
};
