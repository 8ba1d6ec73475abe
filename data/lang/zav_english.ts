<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="en">
<context>
    <name>MainWindow</name>
    <message>
        <source>Day</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Month</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Year</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hour</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Minute</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Second</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>UPRIM</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>kV</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MR</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>BP DEMAND</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>VBAT</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>V</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>IPRIM</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PANTO</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>VCB</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>LOCO</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>AUTO</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>O/C P</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E/F A</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E/F P</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E/F C</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>FLG1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>FLG2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SLV</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SLG1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SLG2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>FREQ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hz</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>POWER</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>kW</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>W</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>X</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>TE/BE(kN)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CAB</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>LSDJ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>LSVW</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>BPCS</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>LSP</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>BPPB</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>LSFI</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>BPFA</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>EMG</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>BATTERY</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>O/C</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PRIMARY</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E/F</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>AUXILIARY</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CONTROL</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>TE/BE</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>VCAT</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vcat</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>FREQ     Hz</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>INPUT   kW</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>BP</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>IPRI</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ipri</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>FLG1 :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>FLG2 :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SLG1 :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SLG2 :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ALG1 :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ALG2 :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>BC</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PARKING</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>EMERGENCY</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ANTISPIN</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>VIGILANCE</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>HOME</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MENU</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PROCESS INFO</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DIAGNOSIS</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MAINTENANCE</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DIAGNOSIS RECORDS</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>LANGUAGE</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Restart</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exit Application</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>NO</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ERROR</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CONFIRMATION</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>INFORMATION</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>YES</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File Saved</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Calibration screen will appear after system restart</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>LOCO 2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>LOCO 1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SUB-SYS STATUS</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>HV CIRCUIT</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>TRACTION CONV</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>AUX CONV</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>TRACTION MOTOR</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>AUX SYSTEM</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>BRAKING SYSTEM</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ENERGY MONITORING</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>TEMPERATURES</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PRESSURES</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DRIVER DETAILS</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>FUTURE</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Invalid Date</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The clock did not take the date and time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Date and time set to
%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DRIVER
ADVICE</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ACKNOWLEDGE</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>BACK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>TO USB</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DETAILS</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please enter security code and use OK button
Use C button to clear or cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please enter security code and click OK. 
(Use C button to clear or cancel)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>VCU</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SR</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>BUR</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CALIBRATE</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DDU</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SOFTWARE UPDATE</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>INVALID PASSWORD</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Five wrong codes in a row.
Try again in %1 s</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>LOCKED</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No advice for this message.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Install the program from the pendrive?
The DDU restarts after it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Replace the data files with those of the pendrive?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Do you want to calibrate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Source Port</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sink Port</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>BITS</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>BYTES</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>WORDS</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Port number:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Status:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Port type:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Freshness:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ref. No.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Date/Time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Processor</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fault Message</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select any processor</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No DDS Found</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SELECT A PROCESSOR</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sl. No.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Subsystem</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MESSAGE DETAILS</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Signal Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Proc</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sub</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SYMPTOMS</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CAUSES</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ADVICE</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Digital Input</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Digital Input </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Digital Output</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Digital Output </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Analog Input</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Analog Input </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Analog Output</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>RIOM1 SIGNAL</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>RIOM2 SIGNAL</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>BRIO1 SIGNAL</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>BRIO2 SIGNAL</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>LIFE SIGN</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ACTIVE</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Node Information</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Energy Counter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Loco Number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Consumed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Regenerated</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Simulation Mode</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Status</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>TE/BE Demand</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Motor Temperatures</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Motor 1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Motor 2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Motor 3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Motor 4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Motor 5</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Motor 6</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Software Versions</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Inching Mode</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Active</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Actual Speed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Set Speed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>NODE INFO</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ENERGY</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SIMULATION</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MOTOR TEMP</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SOFTWARE</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>INCHING</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DATE / TIME</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MOTOR STATUS</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Motor Status</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Master Motor</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Slave Motor</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Motors</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>TM %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Traction Motor %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ON</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OFF</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Main Power</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>HV</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Traction Bogie 1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bogie1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Traction Bogie 2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bogie2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Harmonic Filter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Filter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hotel Load</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hotel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Aux. Converter 1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>BUR1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Aux. Converter 2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>BUR2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Aux. Converter 3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>BUR3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Battery Charger</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Battery</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Brake System</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Braking</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Auxiliaries HB1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>HBB1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Auxiliaries HB2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>HBB2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cab 1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CAB1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cab 2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CAB2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fire Detection</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fire</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Speedometer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Speed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Processor FLG1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Processor FLG2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Trainbus</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Train Bus</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ALL</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Spare</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>[Pri 1 Fault]</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>[Pri 2 Fault]</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SUBSYSTEM</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No Details Found</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>HIGH VOLTAGE CIRCUIT</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> PANTO UP</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> VCB STATUS</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> HOTEL LOAD</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> CATENARY VOLTAGE</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> PRIMARY CURRENT</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> LINE FREQUENCY</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> INPUT POWER kW</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> PRIMARY OVER CURRENT</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> FILTER</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> EARTH FAULT POWER CIRCUIT</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>TRACTION CONVERTER</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> FLG NODE</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> SLG NODE</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> ALG NODE</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> PRE-CHARGE CONTACTOR</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> INPUT CONTACTOR</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> OIL PRESSURE</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> OIL TEMPERATURE</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> INPUT POWER</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> VENTILATION LEVEL</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>AUXILIARY CONVERTER</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> AUXILIARY VOLTAGE</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> AUXILIARY CURRENT</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> DC LINK VOLTAGE</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> DC LINK CURRENT</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> OUTPUT VOLTAGE</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> OUTPUT FREQUENCY</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> GROUPING CONTACTORS</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> SR INPUT POWER kW</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> WHEEL SLIP</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> TM SPEED km/h</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> TM TEMPERATURE DEG C</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>AUXILIARY SYSTEM</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> BUR 1,2,3 STATUS</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> COMPRESSOR 1,2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> OCB 1,2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> SR OIL PUMP 1,2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> TFP OIL PUMP 1,2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> TM BLOWER 1,2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> MR BLOWER 1,2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> SPEED</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> MASTER CONTROLLER</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> TE/BE DEMAND kN</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> TE/BE ACTUAL kN</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> PNEUMATIC BRAKE DEMAND</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> REGEN. ENERGY TOTAL kWh</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> REGEN. ENERGY TRIP kWh</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> ENERGY CONSUMED CUMULATIVE</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> ENERGY REGENERATED CUMULATIVE</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> REGENERATION RATIO CUMULATIVE</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> INPUT POWER 1,2 kW</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> TFP OIL 1,2 bar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> SR OIL 1, 2 bar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> MR PRESSURE &gt; 6.4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> BP PRESSURE kg/cm2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> BC1 PRESSURE</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> BC2 PRESSURE</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SubSystem</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Code</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Messages</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MESSAGES - </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>VCU Type</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SR Type</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>BUR Type</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cab</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DDU Configure</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>System Configure</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Driver Display Unit
Kestrelline Rail Electronics
Works Road 7, Northfield Industrial Estate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SOFTWARE 
UPDATE</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>IP Address</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MVB Status</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enabled</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Disabled</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DDU LifeSign</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DDU DISPLAY</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Demo/Simulation mode</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DDU Version Info</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>On</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Off</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Installed DDU Product</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Version</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DDU (LU)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> DRIVER NAME/ID</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> TRAIN NAME</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> TRAIN LOAD TONS</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> ORIGIN CODE</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> DESTINATION CODE</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> SIGN IN TIME/DATE</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Division</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Railway Zone</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SAVE</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Driver details cannot hold &quot;,&quot; or &quot;#&quot;.
The entry was not taken.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Entry cut to %1 characters.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 holds &quot;,&quot; or &quot;#&quot;.
Not saved.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>NOT IMPLEMENTED PRESENTLY</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DDU Display</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MVB Telegram</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MVB Freshness</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MVB Variables</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>System</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Loco</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CAB 1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CAB 2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>NO CAB</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>FILTER</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Processor
Filter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Telegram
Filter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Signal Name
Filter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>FILTER PROCESSOR</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ok</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>FILTER TELEGRAM</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clear
Selection</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>LOAD FILE</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SAVE FILE</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Retype</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No Ports Found</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pendrive</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Update DDU</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copy Files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SD Card</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please make sure that 
pendrive contains &apos;ZAV_DDU_LU&apos; file
Note :- Do not rename if not found</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pendrive Found</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>NO Pendrive Found</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MICRO SD CARD DETECTED!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MICRO SD CARD NOT DETECTED!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Updating the program ...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DDU will restart now!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Transferring Files.....</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select ALL/atleast one processor</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select ALL/atleast one telegram</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No signals found in the signal descriptor</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No Signals Selected</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Do you really want to replace the 
 existing signals?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No signals found in selected file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The set holds %1 signals: the first %2 are shown</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Load File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Display</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Date and Time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Get Date/Time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Set Date/Time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>BPCS ON</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>LSP ON</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>RELEASED</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>APPLIED</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SELECT LANGUAGE</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ENGLISH</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>HINDI</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ACTIVE CAB</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Selection</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Telegram</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Signal:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MVB TELEGRAM</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Port</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MVB FRESHNESS</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reset
Max</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Freshness(ms)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Maximum 
 Freshness(ms)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>stale</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MVB PROCESS VARIABLES</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Selected:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Type</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Loading...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MVB VARIABLES</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Isolation Message                      Received </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Isolation Message</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fault Message                            Received </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Loco </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Received </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Driver Advice</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CLEAR</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SUBMIT</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> TFP OIL 1,2 °C</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> SR OIL 1,2 °C</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> TM1 1,2 °C</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> TM2 1,2 °C</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> TM3 1,2 °C</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>NO MVB DATA since %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DEMO MODE: SIMULATED VALUES</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Information Message                    Received </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Information Message</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>NO DATA since %1: may no longer be current</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>NO DATA since %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File not saved: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Configuration not saved: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exit the application?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Restart the DDU?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 of %2 MB</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New program: %1
Installed: %2
Install it and restart?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please wait until it has finished</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Update rolled back: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reading the pendrive ...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 files, %2 MB</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>unknown</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Writing the logs to %1 ...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the pendrive</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the SD card</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Update and copy read the SD card</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>QGauge</name>
    <message>
        <source>SPEED</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>ON</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OFF</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Applied</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Released</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>UP</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DOWN</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>YES</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>NO</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Traction</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Braking</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Throttle Zero</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unknown Fault</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Screen Code:
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Procedure for switching OFF/ON of Electronics.
1) Bring throttle to 0; stop the train.
2) Open VCB and lower the pantograph.
3) Put the BL key to OFF position.
4) Switch OFF the control electronics
   MCB, wait 1 minute, switch it ON.
5) Put the BL key to ON position and
   wait until the display is ready.
6) Raise the pantograph and close VCB.
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Procedure for resetting tripped MCBs.
1) Bring throttle to 0; stop the train.
2) Open VCB and lower the pantograph.
3) Find the tripped MCB in HB1 or HB2.
4) Switch it ON only once.
5) Raise panto, close VCB and check that
   the equipment works.
6) If the MCB trips again, leave it OFF
   and inform TLC.
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Procedure for raising the other pantograph.
1) Throttle to 0 position; open VCB.
2) If the OHE is damaged or entangled,
   raise no panto; inform TLC.
3) Set the panto selector switch to the
   other pantograph.
4) Raise it; check primary voltage.
5) Close VCB and resume driving.
6) If this panto fails too, lower it and
   inform TLC.
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1. No action needed while driving.
2. Acknowledge the message with BPFA.
3. Note the fault code in the logbook
   and inform the shed on arrival.
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Information 001</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SELF HOLD MODE ACTIVE</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>After 10 min MCE will switch off</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Information 002</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MORE THAN ONE CAB ACTIVE</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Deactivate non driving cab</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Otherwise after 10 min MCE switches off</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Information 003</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>TRACTION MAY NOT BE AVAILABLE ON</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>THIS LOCO OR ON THE SLAVE LOCO</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bring throttle to 0 pos. then set again</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Information 004</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>TRAIN CONFIGURATION RUNNING</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please wait</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Information 005</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>FULL TE/BE RESTORED</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Information 006</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PANTO RAISING</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Energy saving mode activated</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Simulation mode       Status: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SS01:Main power</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MAIN POWER ISOLATED; VCB inhibited</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Loco is dead</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1. Stop the train and secure it with
   loco and train brakes.
2. Inform TLC and protect the train as
   per rules.
3. Check the machine room for smoke,
   fire or oil leakage.
4. If all is normal, reset once as per
   page 2 (electronics OFF/ON).
5. If VCB stays inhibited, ask TLC for a
   relief loco.
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SS02:Traction bogie 1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SS02:Traction bogie</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>BOGIE 1 ISOLATED</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Only half power available</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1. Work the train with bogie 2 only;
   TE/BE is half.
2. On rising gradients with a heavy
   load, ask TLC for a banker.
3. Start gently to avoid wheel slip.
4. Inform TLC and record in the logbook.
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SS03:Traction bogie 2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SS03:Traction bogie</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>BOGIE 2 ISOLATED</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1. Work the train with bogie 1 only;
   TE/BE is half.
2. On rising gradients with a heavy
   load, ask TLC for a banker.
3. Start gently to avoid wheel slip.
4. Inform TLC and record in the logbook.
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SS04:Harmonic filter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>HARMONIC FILTER ISOLATED</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Max permitted speed is 40 km/h</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Speak to TLC</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1. Restrict the speed to 40 km/h.
2. Inform TLC and follow instructions.
3. Work the train to the next station or
   shed.
4. Record in the logbook.
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SS05:Hotel load</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not used</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SS06:Aux. converter 1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SS06:Aux. converter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>AUXILIARY CONVERTER 1 ISOLATED</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Max. ventilation level will be reduced</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Driving still possible</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1. Driving is possible; the other aux.
   converters feed the auxiliaries.
2. Blowers run at reduced level; watch
   for temperature messages.
3. Avoid long full load working at low
   speed.
4. Inform TLC and record in the logbook.
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SS07:Aux. converter 2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SS07:Aux. converter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>AUXILIARY CONVERTER 2 ISOLATED</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SS08:Aux. converter 3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SS08:Aux. converter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>AUXILIARY CONVERTER 3 ISOLATED</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SS13:Cab 1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CAB 1 ISOLATED</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Drive from Cab 2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1. Stop the train and secure it with
   the loco brake; throttle to 0.
2. Put the BL key of cab 1 to OFF
   position; change over to cab 2.
3. Inform TLC. If cab 2 is at the rear,
   drive at restricted speed with a
   look-out in the leading cab.
4. Record in the logbook.
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SS14:Cab 2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CAB 2 ISOLATED</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Drive from Cab 1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1. Stop the train and secure it with
   the loco brake; throttle to 0.
2. Put the BL key of cab 2 to OFF
   position; change over to cab 1.
3. Inform TLC. If cab 1 is at the rear,
   drive at restricted speed with a
   look-out in the leading cab.
4. Record in the logbook.
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SS17:Processor FLG1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>FLG1 ISOLATED</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Refer to Driver Manual</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1. FLG2 has taken over the vehicle
   control.
2. Continue driving; watch the display
   for further messages.
3. Do not switch the electronics OFF/ON
   while running.
4. Inform TLC and record in the logbook.
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SS18:Processor FLG2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>FLG2 ISOLATED</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1. FLG1 has taken over the vehicle
   control.
2. Continue driving; watch the display
   for further messages.
3. Do not switch the electronics OFF/ON
   while running.
4. Inform TLC and record in the logbook.
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SS19:Trainbus</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>TRAINBUS ISOLATED</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Multiple operation not possible</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1. Multiple operation is not possible;
   this loco alone works normally.
2. Stop at a suitable place and inform
   TLC.
3. As TLC permits, work the train with
   this loco; the second loco runs as a
   dead loco.
4. Record in the logbook.
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SS01:Main Power</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>VCB STUCK IN ON POSITION</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Panto will be lowered automatically</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Do not raise panto F0101P1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1. Bring throttle to 0; coast and stop
   the train at a suitable place.
2. Do not raise the panto: check that it
   is down and primary voltage is zero.
3. Secure the train and inform TLC.
4. Check MR pressure and the MCB of the
   VCB control circuit.
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>5. With the panto down, check that VCB
   is open: cab indication and the
   breaker&apos;s own position indicator.
6. If it is not open, switch electronics
   OFF/ON, give the VCB OFF command and
   check again.
7. Raise the panto only when VCB is
   proved open; otherwise keep it down
   and ask TLC for a relief loco.
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>VCB STUCK IN OFF POSITION</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>VCB can not be closed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Traction not possible F0102P1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1. Coast to clear block section; stop at
   a suitable place.
2. With the throttle at 0, try once more
   to close VCB.
3. Check MR pressure and the air supply
   cock of the VCB.
4. Check the MCB of the VCB control
   circuit.
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>5. Reset by switching electronics
   OFF/ON.
6. Lower this panto, raise the other one
   and try to close VCB.
7. If VCB still does not close, inform
   TLC and ask for a relief loco.
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>LOW PRESSURE PANTO/FAULTY PANTO</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Panto lowered and VCB opened</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Raise the other panto F0103P1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1. Throttle to 0; coast to clear the
   block section, then stop the train.
2. Look at both pantos and the OHE for
   damage or entangled wires.
3. If the OHE is damaged or entangled,
   raise no panto: inform TLC and wait
   for the traction power staff.
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>4. Check the panto air pressure gauge;
   run the aux. compressor if it is low.
5. Check that the panto isolating cock
   is open.
6. If the panto is damaged, isolate it;
   do not raise it again.
7. Only with the OHE in order, raise the
   other panto as per page 3.
8. Inform TLC and record in the logbook.
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CATENARY VOLTAGE OUT OF LIMITS</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>VCB opened by protection</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Check catenary voltage F0104P1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1. Coast to clear block section.
2. Watch the primary voltage on the
   display.
3. If the voltage is out of limits, wait
   with VCB open; inform TPC through TLC
   or the station.
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>4. Close VCB when the voltage is back to
   normal.
5. If it trips with normal catenary
   voltage, lower the panto and raise
   the other one.
6. If it still trips, keep VCB open;
   switch electronics OFF/ON once and
   inform TLC.
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>TRANSFORMER OIL TEMP. OR PRESSURE NOT OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>VCB opened, traction not available</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stop and check transformer F0105P1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1. Coast and stop the train at a
   suitable place.
2. Check the oil level gauge of the
   transformer in the machine room.
3. Check under the loco for oil leaking
   from the transformer.
4. If the oil level is low, do not close
   VCB; ask TLC for a relief loco.
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>5. Check the MCBs of transformer oil
   pumps and oil cooler blowers in HB1
   and HB2; switch ON once if tripped.
6. Close VCB and check that both oil
   pumps and oil cooler blowers run.
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>7. If the oil is hot, keep VCB closed
   without traction for 10 minutes to
   cool it.
8. Reset by switching electronics OFF/ON
   as per page 4.
9. If the fault repeats, inform TLC and
   record in the logbook.
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>FILTER ON/OFF CONTACTOR STUCK ON</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Isolate harmonic filter F0106P1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1. Coast to clear block section; stop at
   a suitable place.
2. Switch electronics OFF/ON and try to
   close VCB.
3. If VCB does not close, isolate the
   harmonic filter with its rotary
   switch.
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>4. Close VCB; with the harmonic filter
   isolated the max. speed is 40 km/h.
5. Inform TLC and record in the logbook.
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PRECHARGE OR MAIN CONTACTOR STUCK ON</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Isolate faulty bogie F0107P1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1. Coast to clear block section; stop at
   a suitable place.
2. Switch electronics OFF/ON and try to
   close VCB.
3. If it fails, isolate bogie 1 with the
   bogie isolation switch and close VCB.
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>4. If VCB still does not close,
   normalise bogie 1, isolate bogie 2
   and try again.
5. Work with half power on the healthy
   bogie.
6. Inform TLC and record in the logbook.
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PRIMARY OVERCURRENT</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close VCB only once more F0108P1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1. Coast and stop the train at a
   suitable place.
2. Check the machine room for smoke,
   burning smell or flash marks.
3. If anything is abnormal, do not close
   VCB; inform TLC.
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>4. If all is normal, close VCB once more
   with the throttle at 0.
5. If VCB trips again, do not close it
   again: lower the panto.
6. Inform TLC, ask for a relief loco and
   record in the logbook.
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>AUXILIARY WINDING OVERCURRENT</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Check aux. converters F0109P1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1. Throttle to 0; coast and stop the
   train at a suitable place.
2. Check the machine room and the aux.
   converters for smoke or burning
   smell; if found, keep VCB open.
3. If normal, close VCB once more.
4. If VCB trips again, keep it open,
   lower the panto and ask TLC for a
   relief loco.
5. Record in the logbook.
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>FATAL ERROR IN MAIN CIRCUIT</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>VCB opened, loco not available</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Switch electronics OFF/ON F0110P1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1. Coast and stop the train at a
   suitable place.
2. Switch electronics OFF/ON (page 2).
3. If the fault repeats, do not try
   again; inform TLC and ask for a
   relief loco.
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SS02:Traction Bogie 1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DISTURBANCE IN CONVERTER 1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bogie 1 switched off</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Switch electronics OFF/ON F0201P1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1. Continue with bogie 2 if possible.
2. At a halt, switch electronics OFF/ON.
3. If the fault repeats, isolate bogie 1
   with the bogie isolation switch.
4. Work with half power; inform TLC.
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CONVERTER CONTACTOR STUCK OFF</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Converter 1 not available</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Only half power available F0202P1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1. Continue with half power on bogie 2.
2. At a halt, switch electronics OFF/ON.
3. If the fault repeats, isolate bogie 1
   with the bogie isolation switch.
4. Inform TLC and record in the logbook.
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>not used</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>F0203P1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>F0204P1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CONVERTER 1 COOLANT TEMPERATURE TOO HIGH</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>TE/BE of bogie 1 reduced</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Check oil cooler blower 1 F0205P1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1. Reduce TE and continue with care.
2. Check that oil cooler blower 1 is
   running.
3. Check the MCB of oil cooler blower 1
   in HB1; reset once if tripped.
4. At the next stop, check the converter
   1 coolant level.
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>5. Let the converter cool with VCB
   closed and no traction.
6. If the fault repeats, isolate bogie 1
   and work with half power.
7. Inform TLC and record in the logbook.
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CONVERTER 1 COOLANT PRESSURE NOT OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Check coolant level</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Try to close the VCB again F0206P1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1. Coast to clear block section.
2. Stop the train at a suitable place.
3. Check the coolant level of converter
   1 in the machine room.
4. Check the MCB of the converter 1 oil
   pump in HB1; switch ON if tripped.
5. Switch electronics OFF/ON.
6. Raise panto and try to close the VCB
   again.
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>7. If the fault repeats, isolate bogie 1
   with the bogie isolation switch and
   work with half power.
8. Inform TLC/shed and record in the
   logbook.
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>TRACTION MOTOR TEMPERATURE TOO HIGH</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Check TM blower 1 F0207P1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1. Reduce TE and continue with care.
2. Check that traction motor blower 1 is
   running.
3. Check the MCB of TM blower 1 in HB1;
   reset once if tripped.
4. If the fault repeats, isolate bogie
   1; inform TLC.
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>F0208P1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SS03:Traction Bogie 2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DISTURBANCE IN CONVERTER 2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bogie 2 switched off</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Switch electronics OFF/ON F0301P1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1. Continue with bogie 1 if possible.
2. At a halt, switch electronics OFF/ON.
3. If the fault repeats, isolate bogie 2
   with the bogie isolation switch.
4. Work with half power; inform TLC.
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Converter 2 not available</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Only half power available F0302P1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1. Continue with half power on bogie 1.
2. At a halt, switch electronics OFF/ON.
3. If the fault repeats, isolate bogie 2
   with the bogie isolation switch.
4. Inform TLC and record in the logbook.
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>F0304P1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CONVERTER 2 COOLANT TEMPERATURE TOO HIGH</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>TE/BE of bogie 2 reduced</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Check oil cooler blower 2 F0305P1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1. Reduce TE and continue with care.
2. Check that oil cooler blower 2 is
   running.
3. Check the MCB of oil cooler blower 2
   in HB2; reset once if tripped.
4. At the next stop, check the converter
   2 coolant level.
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>5. Let the converter cool with VCB
   closed and no traction.
6. If the fault repeats, isolate bogie 2
   and work with half power.
7. Inform TLC and record in the logbook.
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CONVERTER 2 COOLANT PRESSURE NOT OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Try to close the VCB again F0306P1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1. Coast to clear block section.
2. Stop the train at a suitable place.
3. Check the coolant level of converter
   2 in the machine room.
4. Check the MCB of the converter 2 oil
   pump in HB2; switch ON if tripped.
5. Switch electronics OFF/ON.
6. Raise panto and try to close the VCB
   again.
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>7. If the fault repeats, isolate bogie 2
   with the bogie isolation switch and
   work with half power.
8. Inform TLC/shed and record in the
   logbook.
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>F0307P1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>F0308P1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SS04:Harmonic Filter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>HARMONIC FILTER CURRENT TOO HIGH</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Isolate filter if repeated F0401P1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1. Coast and close VCB once more.
2. If VCB opens again, stop and isolate
   the harmonic filter with its rotary
   switch.
3. Close VCB; the max. permitted speed
   is then 40 km/h.
4. Inform TLC and record in the logbook.
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>HARM. FILTER CONTACTOR(S) STUCK OFF/ON</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Harmonic filter not available</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Max speed 40 km/h F0402P1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1. Restrict the speed to 40 km/h.
2. At a halt, switch electronics OFF/ON.
3. If the fault stays, isolate the
   harmonic filter with its rotary
   switch.
4. Inform TLC and record in the logbook.
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>FILTER DISCHARGE RESISTOR TOO HOT</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Avoid frequent VCB closing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wait before VCB ON F0404P1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1. Do not open and close VCB often.
2. Wait 10 minutes before closing VCB
   again.
3. If the message repeats, isolate the
   harmonic filter; max. speed is then
   40 km/h.
4. Inform TLC.
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>EARTH FAULT IN HOTEL LOAD CIRCUIT</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hotel load switched off</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Inform TLC F0503P1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OVERCURRENT IN HOTEL LOAD CIRCUIT</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Inform TLC F0504P1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SS06:Aux.converter 1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DISTURBANCE IN PROCESSOR AUX1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Aux. converter 1 not available</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Switch electronics OFF/ON F0601P1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1. Continue; the other aux. converters
   take over.
2. At a halt, switch electronics OFF/ON.
3. If the fault repeats, isolate aux.
   converter 1.
4. Inform TLC and record in the logbook.
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>FAULT IN AUXILIARY CONVERTER 1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Aux. converter 1 switched off</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Driving still possible F0602P1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1. Continue; the blowers run at reduced
   level.
2. Close VCB again if it opened.
3. If the fault repeats, isolate aux.
   converter 1.
4. Inform TLC and record in the logbook.
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CONTACTOR FAULT IN AUX1 or HB1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Aux. converter 1 may be off</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Check MCBs in HB1 F0603P1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1. Continue; the other aux. converters
   take over.
2. Check the MCBs in HB1; reset once if
   tripped.
3. At a halt, switch electronics OFF/ON.
4. If the fault repeats, isolate aux.
   converter 1; inform TLC.
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>F0604P1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SS07:Aux.converter 2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DISTURBANCE IN PROCESSOR AUX2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Aux. converter 2 not available</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Switch electronics OFF/ON F0701P1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1. Continue; the other aux. converters
   take over.
2. At a halt, switch electronics OFF/ON.
3. If the fault repeats, isolate aux.
   converter 2.
4. Inform TLC and record in the logbook.
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>FAULT IN AUXILIARY CONVERTER 2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Aux. converter 2 switched off</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Driving still possible F0702P1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1. Continue; the blowers run at reduced
   level.
2. Close VCB again if it opened.
3. If the fault repeats, isolate aux.
   converter 2.
4. Inform TLC and record in the logbook.
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CONTACTOR FAULT IN AUX.CONV. BOX2 or HB2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Aux. converter 2 may be off</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Check MCBs in HB2 F0703P1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1. Continue; the other aux. converters
   take over.
2. Check the MCBs in HB2; reset once if
   tripped.
3. At a halt, switch electronics OFF/ON.
4. If the fault repeats, isolate aux.
   converter 2; inform TLC.
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>F0704P1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SS08:Aux.converter 3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DISTURBANCE IN PROCESSOR AUX3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Aux. converter 3 not available</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Switch electronics OFF/ON F0801P1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1. Continue; the other aux. converters
   take over.
2. At a halt, switch electronics OFF/ON.
3. If the fault repeats, isolate aux.
   converter 3.
4. Inform TLC and record in the logbook.
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>FAULT IN AUXILIARY CONVERTER 3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Aux. converter 3 switched off</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Driving still possible F0802P1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1. Continue; the blowers run at reduced
   level.
2. Close VCB again if it opened.
3. If the fault repeats, isolate aux.
   converter 3.
4. Inform TLC and record in the logbook.
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CONTACTOR FAULT IN AUX.CONVERTER BOX 3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Aux. converter 3 may be off</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Check MCBs in HB1 and HB2 F0803P1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1. Continue; the other aux. converters
   take over.
2. Check the MCBs in HB1 and HB2; reset
   once if tripped.
3. At a halt, switch electronics OFF/ON.
4. If the fault repeats, isolate aux.
   converter 3; inform TLC.
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SS09:Battery System</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SS09:Battery system</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>BATTERY VOLTAGE TOO LOW</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Loco may shut down</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Check battery charger F0901P1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1. Switch off all loads not needed: cab
   heater, spot lights.
2. Check the battery charger MCB; switch
   ON if tripped.
3. Keep VCB closed so that the charger
   works.
4. Inform TLC; ask for help if the
   voltage keeps falling.
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>LOW BATTERY VOLTAGE</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Battery voltage is low</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Check battery charger F0902P1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1. Check the battery voltmeter in the
   cab.
2. Check the battery charger MCB; switch
   ON if tripped.
3. Keep VCB closed so that the charger
   works.
4. Inform TLC and record in the logbook.
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PAN LOWERED LONGER THAN 10 MINUTES</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Battery is discharging</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Raise panto or switch off F0903P1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1. Raise panto and close VCB to charge
   the battery.
2. If the loco is not needed, switch it
   off with the BL key.
3. Do not leave the loco with panto down
   and electronics ON.
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SS10:Brake System</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SS10:Brake system</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>FAULT IN BRAKE ELECTRONICS</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Brake control may be disturbed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Switch electronics OFF/ON F1001P1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1. Coast and control the train with the
   automatic brake.
2. Stop at a suitable place and switch
   electronics OFF/ON.
3. Test the brakes before moving.
4. If the fault stays, inform TLC.
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>LOW PRESSURE MAIN RESERVOIR</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Traction may be switched off</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Check compressors F1002P1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1. Bring throttle to 0 and stop the
   train safely.
2. Check the MR pressure gauge in the
   cab.
3. Check that both compressors are
   running.
4. Check the compressor MCBs in HB1 and
   HB2; reset once if tripped.
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>5. Check for air leakage from pipes,
   cocks and hoses.
6. Wait until MR pressure is normal
   before moving.
7. If the pressure does not build up,
   inform TLC.
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>VIGILANCE EMERGENCY BRAKE APPLICATION</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Emergency brake applied</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reset vigilance F1003P1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1. Bring throttle to 0 position.
2. Wait until the train stands still.
3. Press the vigilance pushbutton or
   foot switch to reset.
4. Move the automatic brake handle to
   emergency, then to release.
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>5. Wait until BP pressure is 5 kg/cm2
   again.
6. Acknowledge the vigilance regularly
   while driving.
7. Inform TLC and record in the logbook.
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>WRONG CONFIGURATION BRAKE SYSTEM</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Check brake cocks and handles</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Traction not possible F1004P1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1. Check the brake handles in both cabs;
   in the rear cab they must be
   isolated.
2. Check the cocks of the brake panel
   for the driving mode: single, MU or
   banking.
3. Bring throttle to 0 and set it again.
4. If the fault stays, inform TLC.
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>TRACTION WITH AUTO BRAKES NOT ALLOWED</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Release the automatic brakes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Then set throttle again F1005P1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1. Bring throttle to 0 position.
2. Release the automatic brake and wait
   for BP 5 kg/cm2.
3. Set the throttle again.
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>TRACTION WITH PARKING BRAKES NOT ALLOWED</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Release the parking brake</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Then set throttle again F1006P1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1. Bring throttle to 0 position.
2. Release the parking brake with its
   pushbutton; check the indication.
3. Set the throttle again.
4. If the parking brake does not
   release, inform TLC.
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>REGENERATIVE BRAKE FAILURE</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Electric brake not available</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Use pneumatic brakes F1007P1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1. Control the train with the automatic
   brake.
2. Keep a lower speed on falling
   gradients.
3. At a halt, switch electronics OFF/ON.
4. Inform TLC and record in the logbook.
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>EMERGENCY STOP; SHUTDOWN ON THE LOCO</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Emergency stop button pressed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Check the reason F1008P1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1. Find out why the emergency stop was
   used and make the place safe.
2. Protect the train as per rules and
   inform TLC.
3. Release the emergency stop
   pushbutton.
4. Switch electronics OFF/ON, raise
   panto and close VCB.
5. Test the brakes before moving; record
   in the logbook.
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>TRACTION NOT ALLOWED WITH APPLIED BRAKES</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Release brakes before traction</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Set throttle again F1009P1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1. Bring throttle to 0 position.
2. Release the automatic and the
   independent brakes.
3. Set the throttle again.
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>EMG EXHAUST COCK CLOSED, NO TRACTION</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open isolating cock of EMG exhaust valve</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Then set throttle again F1010P1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1. Bring throttle to 0 and stop the
   train.
2. Open the isolating cock of the
   emergency exhaust valve (handle in
   line with the pipe).
3. Do not operate the emergency exhaust
   valve itself: it vents the BP.
4. Wait for BP 5 kg/cm2, release the
   brakes and set the throttle again.
5. If the message stays, inform TLC.
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DISTURBANCE IN PROC. HBB!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Driving from Cab 1 still possible;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Press BPFA. F1301P1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1. Switch electronics OFF/ON, raise the
   pantograph and close the VCB.
2. If the fault persists, acknowledge it
   and drive from any cab.
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DISTURBANCE IN PROC. STB1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cab 1 desk may not work</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Drive from Cab 2 F1302P1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1. Stop and switch electronics OFF/ON.
2. If the fault persists, change over to
   cab 2.
3. Inform TLC. If cab 2 is at the rear,
   drive at restricted speed with a
   look-out in the leading cab.
4. Record in the logbook.
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>REVERSER DEFECTIVE</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Direction not recognised</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Check reverser F1303P1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1. Bring throttle to 0 and stop the
   train.
2. Move the reverser to 0 and back to
   the wanted direction.
3. If the fault persists, switch
   electronics OFF/ON.
4. If still faulty, drive from cab 2; if
   it is at the rear: restricted speed,
   look-out in the leading cab.
5. Inform TLC and record in the logbook.
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>STB1 RIOM EXTENSION FAULT</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Some cab 1 signals not available</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Switch electronics OFF/ON F1304P1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1. At a halt, switch electronics OFF/ON.
2. If it persists, drive from cab 2; if
   it is at the rear: restricted speed,
   look-out in the leading cab.
3. Inform TLC and record in the logbook.
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>HBB! RIOM EXTENSION FAULT</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Some HB1 signals not available</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Switch electronics OFF/ON F1305P1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1. Continue; check the auxiliaries of
   HB1.
2. At a halt, switch electronics OFF/ON.
3. Inform TLC and record in the logbook.
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DISTURBANCE IN PROC. HBB2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Driving from Cab 2 still possible;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Press BPFA. F1401P1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DISTURBANCE IN PROC. STB2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cab 2 desk may not work</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Drive from Cab 1 F1402P1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1. Stop and switch electronics OFF/ON.
2. If the fault persists, change over to
   cab 1.
3. Inform TLC. If cab 1 is at the rear,
   drive at restricted speed with a
   look-out in the leading cab.
4. Record in the logbook.
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Check reverser F1403P1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1. Bring throttle to 0 and stop the
   train.
2. Move the reverser to 0 and back to
   the wanted direction.
3. If the fault persists, switch
   electronics OFF/ON.
4. If still faulty, drive from cab 1; if
   it is at the rear: restricted speed,
   look-out in the leading cab.
5. Inform TLC and record in the logbook.
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>STB2 RIOM EXTENSION FAULT</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Some cab 2 signals not available</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Switch electronics OFF/ON F1404P1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1. At a halt, switch electronics OFF/ON.
2. If it persists, drive from cab 1; if
   it is at the rear: restricted speed,
   look-out in the leading cab.
3. Inform TLC and record in the logbook.
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>HBB2 RIOM EXTENSION FAULT</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Some HB2 signals not available</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Switch electronics OFF/ON F1405P1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1. Continue; check the auxiliaries of
   HB2.
2. At a halt, switch electronics OFF/ON.
3. Inform TLC and record in the logbook.
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SS15:Fire Detection</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SS15:Fire detection</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>FIRE IN MACHINE ROOM</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stop the train at once</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open VCB, lower panto F1501P1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1. Bring throttle to 0 and stop the
   train; do not stop on a bridge or in
   a tunnel.
2. Open VCB and lower the pantograph.
3. Look into the machine room through
   the door window before opening it.
4. Use the fire extinguishers; never use
   water on electrical equipment.
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>5. Protect the train as per rules.
6. Inform TLC and the station; ask for
   help.
7. Do not raise the panto until the fire
   is out and its cause is known.
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SS16 : Speedometer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SS16:Speedometer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SPEED LIMIT EXCEEDED</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reduce speed immediately</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Brakes may be applied F1601P1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1. Bring throttle to 0 and reduce the
   speed below the limit.
2. Use the brakes if needed.
3. Record in the logbook.
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SS17 : Processor FLG1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DISTURBANCE IN PROCESSOR FLG1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>FLG2 takes over control</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Switch electronics OFF/ON F1701P1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1. Continue driving; FLG2 controls the
   loco.
2. At a halt, switch electronics OFF/ON.
3. If the fault persists, inform TLC.
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SOFTWARE MISMATCH</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Software of FLG1 not matching</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Inform TLC/shed F1702P1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1. At a halt, switch electronics OFF/ON.
2. If the message stays, inform TLC and
   the shed.
3. Record in the logbook.
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>FAULT IN ANGLE TRANSMITTER OF THROTTLE</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Throttle signal not reliable</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Drive from other cab F1703P1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1. Bring throttle to 0 and set it again.
2. If the fault persists, switch
   electronics OFF/ON.
3. If still faulty, drive from the other
   cab; if it is at the rear: restricted
   speed, look-out in the leading cab.
4. Inform TLC and record in the logbook.
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SIMULATION SWITCH POSITION NOT MATCHING</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Check simulation switch position</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Set it to normal F1704P1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1. Stop the train.
2. Set the simulation switch in the
   control cubicle to normal.
3. Switch electronics OFF/ON.
4. Inform the shed.
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mal operation of Master control</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Throttle operated wrongly</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bring throttle to 0 F1705P1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1. Bring throttle to 0 position.
2. Check the reverser position, then set
   the throttle slowly.
3. If the message repeats, switch
   electronics OFF/ON.
4. Inform TLC and record in the logbook.
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SOFTWARE MISMATCH VCU-1/VCU-2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>VCU-1/VCU-2 software differ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Inform TLC/shed F1706P1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SS18 : Processor FLG2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DISTURBANCE IN PROCESSOR FLG2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>FLG1 takes over control</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Switch electronics OFF/ON F1801P1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1. Continue driving; FLG1 controls the
   loco.
2. At a halt, switch electronics OFF/ON.
3. If the fault persists, inform TLC.
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Software of FLG2 not matching</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Inform TLC/shed F1802P1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Drive from other cab F1803P1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SS18 : Processor FLG1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Set it to normal F1804P1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bring throttle to 0 F1805P1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SS19 : Train Bus</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>COMMUNICATION DISTURBANCE</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Multiple operation disturbed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Check trainbus cable F1901P1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1. Bring throttle to 0; stop the train
   at a suitable place.
2. Check the coupler cables between the
   locos.
3. Switch electronics OFF/ON in both
   locos.
4. If the fault persists, isolate the
   trainbus and work single loco; inform
   TLC.
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OVERTEMPERATURE CONTROL ELECTRONICS</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Electronics cubicle too hot</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Check cubicle ventilation F0101P2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1. Continue driving with care.
2. Check that the machine room blowers
   are running.
3. Check the MCBs of the machine room
   blowers in HB1 and HB2.
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>4. Keep the machine room doors closed.
5. If the message stays for more than 15
   minutes, inform TLC.
6. Record in the logbook.
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>TRANSFORMER OIL PRESSURE NOT OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Any oil pump circuit not working</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>TE/BE will be reduced F0102P2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1. Coast to clear block section.
2. Check the MCBs of the transformer oil
   pumps in HB1 and HB2; reset as per
   page 2.
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>EARTH FAULT AUX.WINDING CIRCUIT</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Auxiliaries may be affected</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Driving still possible F0103P2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1. Continue driving; watch for other
   auxiliary messages.
2. At the next stop, check the machine
   room for smoke or burning smell.
3. If found, open VCB, lower the panto
   and inform TLC.
4. If an aux. converter trips, follow
   its message.
5. Inform TLC and record in the logbook.
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>LOW FREQUENCY CATENARY VOLTAGE</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Catenary supply frequency too low</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>TE/BE may be reduced F0104P2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1. Continue driving with the reduced
   power.
2. If the message stays, inform TPC
   through TLC or the station.
3. If VCB opens, close it again when the
   supply is normal.
4. Record in the logbook.
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>HIGH FREQUENCY CATENARY VOLTAGE</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Catenary supply frequency too high</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>TE/BE may be reduced F0105P2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Flasher Light Activated</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Flasher light is switched ON</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Check the reason F0106P2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1. Find out why the flasher light is on:
   emergency stop, accident or train
   parting.
2. Protect the train as per rules if it
   stands in a block section.
3. Switch off the flasher light when the
   cause is cleared.
4. Record in the logbook.
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DEMANDED SPEED CAN NOT BE ACHIEVED</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Check load of train and TE setting</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Increase TE setting F0107P2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>EARTH FAULT IN CONVERTER 1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Work with half power F0201P2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1. Continue with half power on bogie 2.
2. At a halt, check the machine room for
   smoke, burning smell or flash marks.
3. If found, open VCB, lower the panto
   and inform TLC.
4. If all is normal, reset once: switch
   electronics OFF/ON.
5. If the fault returns, isolate bogie 1
   and do not reset again.
6. Inform TLC and record in the logbook.
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>TRACTION MOTOR OVERSPEED</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wheel slip on bogie 1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reduce TE F0202P2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1. Reduce TE at once until the message
   goes.
2. Use the sander on wet or greasy rail.
3. Keep the speed within the speed
   limit.
4. If it repeats often, inform TLC.
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SCR RESISTANCE TOO HOT IN CONVERTER 1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Power of converter 1 reduced</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Avoid repeated starts F0203P2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1. Continue with reduced TE/BE.
2. Avoid frequent notching up and down.
3. Check that oil cooler blower 1 is
   running.
4. If the message stays for more than 10
   minutes, inform TLC.
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>FAULTY MOTOR TEMPERATURE SENSORS</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Motor temperature not supervised</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Driving still possible F0204P2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1. Continue driving; avoid long full
   load working.
2. Check that TM blower 1 is running.
3. Inform TLC and record in the logbook.
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>EQUIPMENT TEMPERATURE HIGH</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>TE/BE of bogie 1 may be reduced</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Check the blowers F0205P2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1. Reduce TE and continue with care.
2. Check that TM blower 1 and oil cooler
   blower 1 are running.
3. Check their MCBs in HB1; reset once
   if tripped.
4. If the message stays, inform TLC.
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SCR-BOGIE1 ISOLATED</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Driving still possible F0206P2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1. Continue with reduced TE/BE.
2. At a halt, switch electronics OFF/ON.
3. If it stays isolated, inform TLC and
   record in the logbook.
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>WHEEL SKIDDING AT BOGIE 1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reduce braking effort</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Use sander F0207P2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1. Reduce the electric braking effort at
   once.
2. Use the sander on wet or greasy rail.
3. Apply the train brakes in good time.
4. If it repeats often, inform TLC.
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CT FAILURE IN MC BOGIE1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Current sensor of bogie 1 faulty</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bogie 1 may be isolated F0208P2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1. Continue; bogie 1 may be switched
   off.
2. At a halt, switch electronics OFF/ON.
3. If bogie 1 stays off, work with half
   power.
4. Inform TLC and record in the logbook.
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>EARTH FAULT IN CONVERTER 2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Work with half power F0301P2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1. Continue with half power on bogie 1.
2. At a halt, check the machine room for
   smoke, burning smell or flash marks.
3. If found, open VCB, lower the panto
   and inform TLC.
4. If all is normal, reset once: switch
   electronics OFF/ON.
5. If the fault returns, isolate bogie 2
   and do not reset again.
6. Inform TLC and record in the logbook.
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wheel slip on bogie 2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reduce TE F0302P2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SCR RESISTANCE TOO HOT IN CONVERTER 2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Power of converter 2 reduced</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Avoid repeated starts F0303P2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1. Continue with reduced TE/BE.
2. Avoid frequent notching up and down.
3. Check that oil cooler blower 2 is
   running.
4. If the message stays for more than 10
   minutes, inform TLC.
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Driving still possible F0304P2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1. Continue driving; avoid long full
   load working.
2. Check that TM blower 2 is running.
3. Inform TLC and record in the logbook.
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>TE/BE of bogie 2 may be reduced</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Check the blowers F0305P2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1. Reduce TE and continue with care.
2. Check that TM blower 2 and oil cooler
   blower 2 are running.
3. Check their MCBs in HB2; reset once
   if tripped.
4. If the message stays, inform TLC.
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SCR-BOGIE2 ISOLATED</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Driving still possible F0306P2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>WHEEL SKIDDING AT BOGIE 2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Use sander F0307P2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CT FAILURE IN MC BOGIE2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Current sensor of bogie 2 faulty</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bogie 2 may be isolated F0308P2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1. Continue; bogie 2 may be switched
   off.
2. At a halt, switch electronics OFF/ON.
3. If bogie 2 stays off, work with half
   power.
4. Inform TLC and record in the logbook.
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>FILTER CONTACTOR 8.1 STUCK ON</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Filter can not be switched off</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Inform TLC F0401P2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1. Continue driving normally.
2. At a halt, switch electronics OFF/ON.
3. If the message stays, isolate the
   harmonic filter; max. speed is then
   40 km/h.
4. Inform TLC and record in the logbook.
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>EARTH FAULT HARMONIC FILTER CIRCUIT</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Harmonic filter isolated</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Max speed 40 km/h F0402P2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1. Restrict the speed to 40 km/h.
2. Do not put the harmonic filter back
   in service.
3. At the next stop, check the machine
   room for smoke or burning smell; if
   found, open VCB and lower the panto.
4. Inform TLC and follow instructions.
5. Record in the logbook.
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MOTOR1-BOGIE1 ISOLATED</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>TE/BE reduced by one motor</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Driving still possible F0211P2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1. Continue with reduced TE/BE.
2. Start heavy trains with care.
3. At a halt, switch electronics OFF/ON
   to bring motor 1 back.
4. Inform TLC and record in the logbook.
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MOTOR2-BOGIE1 ISOLATED</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Driving still possible F0212P2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1. Continue with reduced TE/BE.
2. Start heavy trains with care.
3. At a halt, switch electronics OFF/ON
   to bring motor 2 back.
4. Inform TLC and record in the logbook.
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MOTOR3-BOGIE1 ISOLATED</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Driving still possible F0213P2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1. Continue with reduced TE/BE.
2. Start heavy trains with care.
3. At a halt, switch electronics OFF/ON
   to bring motor 3 back.
4. Inform TLC and record in the logbook.
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>LINE CONVERTER1-BOGIE1 ISOLATED</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Driving still possible F0214P2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1. Continue with reduced TE/BE.
2. At a halt, switch electronics OFF/ON
   to bring line converter 1 back.
3. If it stays isolated, inform TLC.
4. Record in the logbook.
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>LINE CONVERTER-2 BOGIE1 ISOLATED</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Driving still possible F0215P2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1. Continue with reduced TE/BE.
2. At a halt, switch electronics OFF/ON
   to bring line converter 2 back.
3. If it stays isolated, inform TLC.
4. Record in the logbook.
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DIST. IN CONTROL ELECTRONICS BOGIE1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bogie 1 may be switched off</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Switch electronics OFF/ON F0408P2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>HOTEL LOAD CONTACTOR STUCK OFF</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No hotel load supply to train</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Inform TLC F0501P2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>HOTEL LOAD CONTACTOR STUCK ON</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hotel load can not be switched off</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Inform TLC F0502P2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MOTOR1-BOGIE2 ISOLATED</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Driving still possible F0311P2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MOTOR2-BOGIE2 ISOLATED</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Driving still possible F0312P2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MOTOR3-BOGIE2 ISOLATED</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Driving still possible F0313P2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>LINE CONVERTER1-BOGIE2 ISOLATED</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Driving still possible F0314P2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>LINE CONVERTER-2 BOGIE2 ISOLATED</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Driving still possible F0315P2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DIST. IN CONTROL ELECTRONICS BOGIE2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bogie 2 may be switched off</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Switch electronics OFF/ON F0508P2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>WARNING: LOW BATTERY VOLTAGE</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Battery voltage below normal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Check battery charger F0901P2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1. Check the battery voltmeter in the
   cab.
2. Check the battery charger MCB; switch
   ON if tripped.
3. Switch off loads not needed.
4. Inform TLC if the voltage keeps
   falling.
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>BATTERY CHARGER MCB OFF</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Battery is not being charged</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Switch ON charger MCB F0902P2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1. Switch ON the battery charger MCB
   once.
2. If it trips again, leave it OFF and
   switch off loads not needed.
3. Inform TLC; the battery lasts only a
   limited time.
4. Record in the logbook.
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>LOW BATTERY CHARGER CURRENT</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Battery charging reduced</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Check charger MCB F0903P2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1. Check the battery charger MCB and the
   charger indications.
2. Watch the battery voltage.
3. Inform TLC and record in the logbook.
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>F0904P2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>EARTH FAULT BATTERY CIRCUIT</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Inform TLC F0905P2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1. Continue driving.
2. Do not touch 110 V wiring and
   terminals.
3. Inform TLC and record in the logbook
   for an insulation check in the shed.
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>LOCO IS IN BANKING MODE</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Banking mode switch is ON</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Check banking switch F1001P2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1. If the loco is not banking, switch
   the banking mode switch OFF.
2. In banking mode the train brake is
   worked from the leading loco.
3. Record in the logbook.
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ALARM CHAIN PULLING</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stop the train and check</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reset after checking F1002P2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1. Bring throttle to 0 and stop the
   train.
2. Find the coach with the alarm chain
   pulled, with the guard.
3. Reset the alarm chain apparatus of
   that coach.
4. Wait for normal BP pressure and the
   guard&apos;s signal, then start.
5. Record in the logbook.
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SS11:Auxiliaries HB1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MCB(S) TRIPPED IN AUX. CUBICLE 1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Some auxiliaries not working</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Check MCBs in HB1 F1101P2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1. Continue driving with care.
2. At the next stop check the MCBs in
   HB1.
3. Reset tripped MCBs as per page 2.
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>EARTH FAULT 415/110V CIRCUIT</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Aux. supply may be affected</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Driving still possible F1102P2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1. Continue driving.
2. Watch for aux. converter or MCB
   messages.
3. At the next stop, check the machine
   room for burning smell.
4. Inform TLC and record in the logbook.
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MCB OF MAIN COMPRESSOR 1 OPEN</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Compressor 1 not available</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Switch ON MCB in HB1 F1103P2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1. Switch ON the MCB of compressor 1 in
   HB1 once.
2. If it trips again, leave it OFF;
   compressor 2 alone feeds the MR.
3. Watch the MR pressure.
4. Inform TLC and record in the logbook.
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OVERLOAD ON OIL COOLER BLOWER 1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Oil cooling reduced</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Check blower MCB in HB1 F1104P2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1. Reduce TE; TE/BE may be reduced.
2. Reset the MCB of oil cooler blower 1
   in HB1 once.
3. If it trips again, leave it OFF and
   inform TLC.
4. Record in the logbook.
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>VIGILANCE CONTROL MANUALLY SWITCHED OFF</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Drive with extra caution</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No vigilance control</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1. Switch the vigilance control ON
   again.
2. If it must stay off, inform TLC and
   run at restricted speed as ordered.
3. Keep the assistant on watch; drive
   with extra caution.
4. Record in the logbook.
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Loco in shunting mode</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>speed can not more then 15KMPH</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>F1106P2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Inform TLC and record in the logbook
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SS12:Auxiliaries HB2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MCB(S) TRIPPED IN AUX. CUBICLE 2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Check MCBs in HB2 F1201P2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1. Continue driving with care.
2. At the next stop check the MCBs in
   HB2.
3. Reset tripped MCBs as per page 2.
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MCB OF MAIN COMPRESSOR 2 OPEN</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Compressor 2 not available</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Switch ON MCB in HB2 F1202P2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1. Switch ON the MCB of compressor 2 in
   HB2 once.
2. If it trips again, leave it OFF;
   compressor 1 alone feeds the MR.
3. Watch the MR pressure.
4. Inform TLC and record in the logbook.
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OVERLOAD ON OIL COOLER BLOWER 2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Check blower MCB in HB2 F1203P2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1. Reduce TE; TE/BE may be reduced.
2. Reset the MCB of oil cooler blower 2
   in HB2 once.
3. If it trips again, leave it OFF and
   inform TLC.
4. Record in the logbook.
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Some cab 1 indications missing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Driving still possible F1301P2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1. Continue driving; watch the gauges.
2. At a halt, switch electronics OFF/ON.
3. Record in the logbook.
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Some HB1 indications missing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Driving still possible F1302P2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1. Continue driving; watch the MCBs and
   blowers of HB1.
2. At a halt, switch electronics OFF/ON.
3. Record in the logbook.
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Some cab 2 indications missing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Driving still possible F1401P2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Some HB2 indications missing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Driving still possible F1402P2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1. Continue driving; watch the MCBs and
   blowers of HB2.
2. At a halt, switch electronics OFF/ON.
3. Record in the logbook.
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>FAULT IN FIRE DETECTION UNIT</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fire detection not available</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Check machine room often F1501P2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1. Continue driving.
2. Check the machine room at every stop.
3. Check the MCB of the fire detection
   unit.
4. Inform TLC and record in the logbook.
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>WARNING: SMOKE IN MACHINE ROOM</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Check the machine room</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Be ready to stop F1502P2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1. Coast and stop at a suitable place.
2. Check the machine room for smoke,
   fire or burning smell.
3. If there is a fire, act as for fire
   in the machine room.
4. If nothing is found, inform TLC and
   continue with care.
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>FAULT IN SPEEDOMETER</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Speed indication not reliable</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Check speedometer MCB F1601P2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1. Check the speedometer MCB; reset it
   once.
2. Compare with the speed shown on the
   display.
3. If it stays faulty, run at a safe
   speed as per rules.
4. Inform TLC and record in the logbook.
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>F1701P2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>F1801P2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Default</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Type 1: FLG, first fit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Type 3: FLG, upgraded software</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Type 2: ICP processors</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Type 4: FLG, distributed power</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Type 5: FLG, regen. upgrade</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Type 6: VCU series 1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Type 7: VCU series 2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Type 8: overhauled VCU</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Type 9: trial fit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Type 10: reserve</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Type 1: GTO converter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Type 3: IGBT converter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Type 2: GTO, new control</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Type 4: IGBT, water cooled</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Type 5: IGBT, oil cooled</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Type 6: retrofit, part A</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Type 6: retrofit, part B</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Type 7: converter series 2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Type 8: overhauled converter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Type 1: three BUR, GTO</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Type 3: three BUR, IGBT</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Type 2: two BUR, GTO</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Type 4: IGBT, hotel load</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No Cab</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cab1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cab2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DDU</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>RMS With Pixy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>RMS Without Pixy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>EMD</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ESD</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>writing on the DDU failed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the copy cannot be read back</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the copy differs from the pendrive</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cannot read the pendrive</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cannot write on the DDU</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>reading the pendrive failed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>copy incomplete</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cannot set the mode of the copy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cannot replace the old file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the pendrive file is a link</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the pendrive entry is not a file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the pendrive file is empty</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the pendrive file is larger than 64 MB</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot mount the pendrive</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the pendrive file is not a DDU program</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the pendrive program is incomplete</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>not enough space on the DDU</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>refused: a link</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>refused: not a folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>refused: folders nested too deep</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>target folder outside the DDU data</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>refused: name leads outside</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>refused: not a file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&apos;No Pendrive Found</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&apos;ZAV_DDU_LU&apos; file not found... 
Please verify</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File &apos;ZAV_DDU_LU&apos; Transferred to DDU, 
PLEASE RESTART</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Update failed: %1
The old program is kept</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>NO Pendrive Found</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Files Not Found on Pendrive !!!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&apos;Files Transferred to DDU
%1 files copied</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File transfer failed: %1 copied,
%2 not copied, e.g. %3:
%4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>disk full</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>file too large</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>refused: name not readable</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cannot keep the old program</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the new program showed no picture</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the new program stopped answering</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the new program crashed (%1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the new program was missing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the new program ended with status %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the pendrive was changed, check it again</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the new program did not start (%1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Logs written:
%1 files, %2 kB in %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export failed: %1
%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cannot make the folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>writing the file failed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the file is empty</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the port list names no port</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>not a PNG, JPEG or BMP image</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>not well-formed XML (line %1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the file is too large for the DDU</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nothing installed: %1 files refused, e.g.
%2
%3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the cab is not 1 or 2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the image is damaged</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>not well-formed XML</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>not a fault log of the DDU</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>not a fault history of the DDU</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>target folder on another disk</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Transfer incomplete: %1 replaced,
%2 not, e.g. %3:
%4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nothing installed, the old files stay:
%1
%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>not a DDU configuration</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>not a driver details line</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
