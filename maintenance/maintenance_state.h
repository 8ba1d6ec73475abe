#pragma once
// What the maintenance tools share between their screens: the port list
// (read once at start-up), the viewer selection (the port list and the
// monitored signals handed to the acquisition), the positions of their
// tables (the window's scroll tracks and scroll bars read them too), and the
// variable monitor's set dialog and display.

#include <QObject>
#include <QString>
#include <QVector>

#include "acquisition/bus_exchange.h"
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
    // The GUI's copy of the telegram list and monitor selection.
    ViewerSelection viewer;

    // Selected row and row count of each table.
    int Table_updown_Freshness = 0, Total_Table_Row_Freshness = 0;
    int Table_updown_Telegram = 0, Total_Table_Row_Telegram = 0;
    int Table_updown_Variables = 0, Total_Table_Row_Variables = 0;
    int Table_updown_filtertelegram = 0; // rows: viewer.port_buffer_count

    // Variable monitor: the set dialog and the display.
    int loadsave_selct = 0;          // 1 load, 2 save
    QString loadsave_filename;       // "1" .. "6" or "temp"
    int error_flg = 0;               // 1 while the display is open: no overwrite question
    QVector<micview::Entry> display; // the entries shown, in display order
    QVector<bool> fetched;           // per entry: handed to the acquisition (else unknown)
};
