<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="hi_IN" sourcelanguage="en">
<context>
    <name>MainWindow</name>
    <message>
        <source>Day</source>
        <translation>दिन</translation>
    </message>
    <message>
        <source>Month</source>
        <translation>महीना</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>वर्ष</translation>
    </message>
    <message>
        <source>Hour</source>
        <translation>घंटा</translation>
    </message>
    <message>
        <source>Minute</source>
        <translation>मिनट</translation>
    </message>
    <message>
        <source>Second</source>
        <translation>सेकंड</translation>
    </message>
    <message>
        <source>UPRIM</source>
        <translation>UPRIM</translation>
    </message>
    <message>
        <source>kV</source>
        <translation>kV</translation>
    </message>
    <message>
        <source>MR</source>
        <translation>MR</translation>
    </message>
    <message>
        <source>BP DEMAND</source>
        <translation>BP माँग</translation>
    </message>
    <message>
        <source>VBAT</source>
        <translation>VBAT</translation>
    </message>
    <message>
        <source>V</source>
        <translation>V</translation>
    </message>
    <message>
        <source>IPRIM</source>
        <translation>IPRIM</translation>
    </message>
    <message>
        <source>A</source>
        <translation>A</translation>
    </message>
    <message>
        <source>PANTO</source>
        <translation>पैंटो</translation>
    </message>
    <message>
        <source>VCB</source>
        <translation>VCB</translation>
    </message>
    <message>
        <source>LOCO</source>
        <translation>लोको</translation>
    </message>
    <message>
        <source>AUTO</source>
        <translation>ऑटो</translation>
    </message>
    <message>
        <source>O/C P</source>
        <translation>O/C P</translation>
    </message>
    <message>
        <source>E/F A</source>
        <translation>E/F A</translation>
    </message>
    <message>
        <source>E/F P</source>
        <translation>E/F P</translation>
    </message>
    <message>
        <source>E/F C</source>
        <translation>E/F C</translation>
    </message>
    <message>
        <source>FLG1</source>
        <translation>FLG1</translation>
    </message>
    <message>
        <source>FLG2</source>
        <translation>FLG2</translation>
    </message>
    <message>
        <source>SLV</source>
        <translation>SLV</translation>
    </message>
    <message>
        <source>SLG1</source>
        <translation>SLG1</translation>
    </message>
    <message>
        <source>SLG2</source>
        <translation>SLG2</translation>
    </message>
    <message>
        <source>FREQ</source>
        <translation>फ़्रीक्वें.</translation>
    </message>
    <message>
        <source>Hz</source>
        <translation>Hz</translation>
    </message>
    <message>
        <source>POWER</source>
        <translation>पावर</translation>
    </message>
    <message>
        <source>kW</source>
        <translation>kW</translation>
    </message>
    <message>
        <source>W</source>
        <translation>W</translation>
    </message>
    <message>
        <source>X</source>
        <translation>X</translation>
    </message>
    <message>
        <source>TE/BE(kN)</source>
        <translation>TE/BE(kN)</translation>
    </message>
    <message>
        <source>CAB</source>
        <translation>कैब</translation>
    </message>
    <message>
        <source>LSDJ</source>
        <translation>LSDJ</translation>
    </message>
    <message>
        <source>LSVW</source>
        <translation>LSVW</translation>
    </message>
    <message>
        <source>BPCS</source>
        <translation>BPCS</translation>
    </message>
    <message>
        <source>LSP</source>
        <translation>LSP</translation>
    </message>
    <message>
        <source>BPPB</source>
        <translation>BPPB</translation>
    </message>
    <message>
        <source>LSFI</source>
        <translation>LSFI</translation>
    </message>
    <message>
        <source>BPFA</source>
        <translation>BPFA</translation>
    </message>
    <message>
        <source>EMG</source>
        <translation>EMG</translation>
    </message>
    <message>
        <source>BATTERY</source>
        <translation>बैटरी</translation>
    </message>
    <message>
        <source>O/C</source>
        <translation>O/C</translation>
    </message>
    <message>
        <source>PRIMARY</source>
        <translation>प्राइमरी</translation>
    </message>
    <message>
        <source>E/F</source>
        <translation>E/F</translation>
    </message>
    <message>
        <source>AUXILIARY</source>
        <translation>ऑक्ज़िलियरी</translation>
    </message>
    <message>
        <source>CONTROL</source>
        <translation>कंट्रोल</translation>
    </message>
    <message>
        <source>TE/BE</source>
        <translation>TE/BE</translation>
    </message>
    <message>
        <source>VCAT</source>
        <translation>VCAT</translation>
    </message>
    <message>
        <source>Vcat</source>
        <translation>Vcat</translation>
    </message>
    <message>
        <source>FREQ     Hz</source>
        <translation>फ़्रीक्वें.     Hz</translation>
    </message>
    <message>
        <source>INPUT   kW</source>
        <translation>इनपुट   kW</translation>
    </message>
    <message>
        <source>BP</source>
        <translation>BP</translation>
    </message>
    <message>
        <source>IPRI</source>
        <translation>IPRI</translation>
    </message>
    <message>
        <source>Ipri</source>
        <translation>Ipri</translation>
    </message>
    <message>
        <source>FLG1 :</source>
        <translation>FLG1 :</translation>
    </message>
    <message>
        <source>FLG2 :</source>
        <translation>FLG2 :</translation>
    </message>
    <message>
        <source>SLG1 :</source>
        <translation>SLG1 :</translation>
    </message>
    <message>
        <source>SLG2 :</source>
        <translation>SLG2 :</translation>
    </message>
    <message>
        <source>ALG1 :</source>
        <translation>ALG1 :</translation>
    </message>
    <message>
        <source>ALG2 :</source>
        <translation>ALG2 :</translation>
    </message>
    <message>
        <source>BC</source>
        <translation>BC</translation>
    </message>
    <message>
        <source>PARKING</source>
        <translation>पार्किंग</translation>
    </message>
    <message>
        <source>EMERGENCY</source>
        <translation>इमरजेंसी</translation>
    </message>
    <message>
        <source>ANTISPIN</source>
        <translation>एंटीस्पिन</translation>
    </message>
    <message>
        <source>VIGILANCE</source>
        <translation>विजिलेंस</translation>
    </message>
    <message>
        <source>HOME</source>
        <translation>होम</translation>
    </message>
    <message>
        <source>MENU</source>
        <translation>मेनू</translation>
    </message>
    <message>
        <source>PROCESS INFO</source>
        <translation>प्रोसेस सूचना</translation>
    </message>
    <message>
        <source>DIAGNOSIS</source>
        <translation>निदान</translation>
    </message>
    <message>
        <source>MAINTENANCE</source>
        <translation>मेंटेनेंस</translation>
    </message>
    <message>
        <source>DIAGNOSIS RECORDS</source>
        <translation>निदान रिकॉर्ड</translation>
    </message>
    <message>
        <source>LANGUAGE</source>
        <translation>भाषा</translation>
    </message>
    <message>
        <source>Restart</source>
        <translation>रीस्टार्ट</translation>
    </message>
    <message>
        <source>Exit Application</source>
        <translation>एप्लिकेशन बंद करें</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>NO</source>
        <translation>नहीं</translation>
    </message>
    <message>
        <source>ERROR</source>
        <translation>त्रुटि</translation>
    </message>
    <message>
        <source>CONFIRMATION</source>
        <translation>पुष्टि</translation>
    </message>
    <message>
        <source>INFORMATION</source>
        <translation>सूचना</translation>
    </message>
    <message>
        <source>YES</source>
        <translation>हाँ</translation>
    </message>
    <message>
        <source>File Saved</source>
        <translation>फ़ाइल सेव हुई</translation>
    </message>
    <message>
        <source>Calibration screen will appear after system restart</source>
        <translation>सिस्टम रीस्टार्ट के बाद कैलिब्रेशन स्क्रीन आएगी</translation>
    </message>
    <message>
        <source>LOCO 2</source>
        <translation>लोको 2</translation>
    </message>
    <message>
        <source>LOCO 1</source>
        <translation>लोको 1</translation>
    </message>
    <message>
        <source>SUB-SYS STATUS</source>
        <translation>सब-सिस्टम स्थिति</translation>
    </message>
    <message>
        <source>HV CIRCUIT</source>
        <translation>HV सर्किट</translation>
    </message>
    <message>
        <source>TRACTION CONV</source>
        <translation>ट्रैक्शन कन्व.</translation>
    </message>
    <message>
        <source>AUX CONV</source>
        <translation>AUX कन्व.</translation>
    </message>
    <message>
        <source>TRACTION MOTOR</source>
        <translation>ट्रैक्शन मोटर</translation>
    </message>
    <message>
        <source>AUX SYSTEM</source>
        <translation>AUX सिस्टम</translation>
    </message>
    <message>
        <source>BRAKING SYSTEM</source>
        <translation>ब्रेक सिस्टम</translation>
    </message>
    <message>
        <source>ENERGY MONITORING</source>
        <translation>ऊर्जा मॉनिटरिंग</translation>
    </message>
    <message>
        <source>TEMPERATURES</source>
        <translation>तापमान</translation>
    </message>
    <message>
        <source>PRESSURES</source>
        <translation>प्रेशर</translation>
    </message>
    <message>
        <source>DRIVER DETAILS</source>
        <translation>ड्राइवर विवरण</translation>
    </message>
    <message>
        <source>FUTURE</source>
        <translation>भविष्य हेतु</translation>
    </message>
    <message>
        <source>Invalid Date</source>
        <translation>अमान्य तारीख</translation>
    </message>
    <message>
        <source>The clock did not take the date and time</source>
        <translation>घड़ी ने दिनांक और समय नहीं लिया</translation>
    </message>
    <message>
        <source>Date and time set to
%1</source>
        <translation>दिनांक और समय सेट किया गया
%1</translation>
    </message>
    <message>
        <source>DRIVER
ADVICE</source>
        <translation>ड्राइवर
सलाह</translation>
    </message>
    <message>
        <source>ACKNOWLEDGE</source>
        <translation>स्वीकार</translation>
    </message>
    <message>
        <source>BACK</source>
        <translation>वापस</translation>
    </message>
    <message>
        <source>TO USB</source>
        <translation>USB में</translation>
    </message>
    <message>
        <source>DETAILS</source>
        <translation>विवरण</translation>
    </message>
    <message>
        <source>Please enter security code and use OK button
Use C button to clear or cancel</source>
        <translation>कृपया सुरक्षा कोड डालें और OK बटन दबाएँ
मिटाने या रद्द करने के लिए C बटन दबाएँ</translation>
    </message>
    <message>
        <source>Please enter security code and click OK. 
(Use C button to clear or cancel)</source>
        <translation>कृपया सुरक्षा कोड डालें और OK दबाएँ। 
(मिटाने या रद्द करने के लिए C बटन दबाएँ)</translation>
    </message>
    <message>
        <source>VCU</source>
        <translation>VCU</translation>
    </message>
    <message>
        <source>SR</source>
        <translation>SR</translation>
    </message>
    <message>
        <source>BUR</source>
        <translation>BUR</translation>
    </message>
    <message>
        <source>CALIBRATE</source>
        <translation>कैलिब्रेट</translation>
    </message>
    <message>
        <source>DDU</source>
        <translation>DDU</translation>
    </message>
    <message>
        <source>SOFTWARE UPDATE</source>
        <translation>सॉफ़्टवेयर अपडेट</translation>
    </message>
    <message>
        <source>INVALID PASSWORD</source>
        <translation>अमान्य पासवर्ड</translation>
    </message>
    <message>
        <source>Five wrong codes in a row.
Try again in %1 s</source>
        <translation>लगातार पाँच गलत कोड।
%1 सेकंड बाद फिर से प्रयास करें</translation>
    </message>
    <message>
        <source>LOCKED</source>
        <translation>लॉक है</translation>
    </message>
    <message>
        <source>No advice for this message.</source>
        <translation>इस संदेश के लिए कोई सलाह नहीं है।</translation>
    </message>
    <message>
        <source>Install the program from the pendrive?
The DDU restarts after it.</source>
        <translation>पेनड्राइव से प्रोग्राम इंस्टॉल करें?
इसके बाद DDU पुनः आरंभ होगा।</translation>
    </message>
    <message>
        <source>Replace the data files with those of the pendrive?</source>
        <translation>डेटा फ़ाइलों को पेनड्राइव की फ़ाइलों से बदलें?</translation>
    </message>
    <message>
        <source>Do you want to calibrate</source>
        <translation>क्या आप कैलिब्रेट करना चाहते हैं</translation>
    </message>
    <message>
        <source>Source Port</source>
        <translation>सोर्स पोर्ट</translation>
    </message>
    <message>
        <source>Sink Port</source>
        <translation>सिंक पोर्ट</translation>
    </message>
    <message>
        <source>BITS</source>
        <translation>बिट</translation>
    </message>
    <message>
        <source>BYTES</source>
        <translation>बाइट</translation>
    </message>
    <message>
        <source>WORDS</source>
        <translation>वर्ड</translation>
    </message>
    <message>
        <source>Port number:</source>
        <translation>पोर्ट नंबर:</translation>
    </message>
    <message>
        <source>Status:</source>
        <translation>स्थिति:</translation>
    </message>
    <message>
        <source>Port type:</source>
        <translation>पोर्ट प्रकार:</translation>
    </message>
    <message>
        <source>Freshness:</source>
        <translation>फ्रेशनेस:</translation>
    </message>
    <message>
        <source>Ref. No.</source>
        <translation>संदर्भ सं.</translation>
    </message>
    <message>
        <source>Date/Time</source>
        <translation>तारीख/समय</translation>
    </message>
    <message>
        <source>Processor</source>
        <translation>प्रोसेसर</translation>
    </message>
    <message>
        <source>Fault Message</source>
        <translation>फॉल्ट संदेश</translation>
    </message>
    <message>
        <source>Select any processor</source>
        <translation>कोई प्रोसेसर चुनें</translation>
    </message>
    <message>
        <source>No DDS Found</source>
        <translation>कोई DDS नहीं मिला</translation>
    </message>
    <message>
        <source>SELECT A PROCESSOR</source>
        <translation>प्रोसेसर चुनें</translation>
    </message>
    <message>
        <source>Sl. No.</source>
        <translation>क्र. सं.</translation>
    </message>
    <message>
        <source>Subsystem</source>
        <translation>सबसिस्टम</translation>
    </message>
    <message>
        <source>MESSAGE DETAILS</source>
        <translation>संदेश विवरण</translation>
    </message>
    <message>
        <source>Signal Name</source>
        <translation>सिग्नल नाम</translation>
    </message>
    <message>
        <source>Proc</source>
        <translation>प्रोसे.</translation>
    </message>
    <message>
        <source>Sub</source>
        <translation>सबसि.</translation>
    </message>
    <message>
        <source>SYMPTOMS</source>
        <translation>लक्षण</translation>
    </message>
    <message>
        <source>CAUSES</source>
        <translation>कारण</translation>
    </message>
    <message>
        <source>ADVICE</source>
        <translation>सलाह</translation>
    </message>
    <message>
        <source>Digital Input</source>
        <translation>डिजिटल इनपुट</translation>
    </message>
    <message>
        <source>Digital Input </source>
        <translation>डिजिटल इनपुट </translation>
    </message>
    <message>
        <source>Digital Output</source>
        <translation>डिजिटल आउटपुट</translation>
    </message>
    <message>
        <source>Digital Output </source>
        <translation>डिजिटल आउटपुट </translation>
    </message>
    <message>
        <source>Analog Input</source>
        <translation>एनालॉग इनपुट</translation>
    </message>
    <message>
        <source>Analog Input </source>
        <translation>एनालॉग इनपुट </translation>
    </message>
    <message>
        <source>Analog Output</source>
        <translation>एनालॉग आउटपुट</translation>
    </message>
    <message>
        <source>RIOM1 SIGNAL</source>
        <translation>RIOM1 सिग्नल</translation>
    </message>
    <message>
        <source>RIOM2 SIGNAL</source>
        <translation>RIOM2 सिग्नल</translation>
    </message>
    <message>
        <source>BRIO1 SIGNAL</source>
        <translation>BRIO1 सिग्नल</translation>
    </message>
    <message>
        <source>BRIO2 SIGNAL</source>
        <translation>BRIO2 सिग्नल</translation>
    </message>
    <message>
        <source>LIFE SIGN</source>
        <translation>लाइफ साइन</translation>
    </message>
    <message>
        <source>ACTIVE</source>
        <translation>सक्रिय</translation>
    </message>
    <message>
        <source>Node Information</source>
        <translation>नोड सूचना</translation>
    </message>
    <message>
        <source>Energy Counter</source>
        <translation>ऊर्जा काउंटर</translation>
    </message>
    <message>
        <source>Loco Number</source>
        <translation>लोको नंबर</translation>
    </message>
    <message>
        <source>Consumed</source>
        <translation>खपत</translation>
    </message>
    <message>
        <source>Regenerated</source>
        <translation>रीजनरेटेड</translation>
    </message>
    <message>
        <source>Simulation Mode</source>
        <translation>सिमुलेशन मोड</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>स्थिति</translation>
    </message>
    <message>
        <source>TE/BE Demand</source>
        <translation>TE/BE माँग</translation>
    </message>
    <message>
        <source>Motor Temperatures</source>
        <translation>मोटर तापमान</translation>
    </message>
    <message>
        <source>Motor 1</source>
        <translation>मोटर 1</translation>
    </message>
    <message>
        <source>Motor 2</source>
        <translation>मोटर 2</translation>
    </message>
    <message>
        <source>Motor 3</source>
        <translation>मोटर 3</translation>
    </message>
    <message>
        <source>Motor 4</source>
        <translation>मोटर 4</translation>
    </message>
    <message>
        <source>Motor 5</source>
        <translation>मोटर 5</translation>
    </message>
    <message>
        <source>Motor 6</source>
        <translation>मोटर 6</translation>
    </message>
    <message>
        <source>Software Versions</source>
        <translation>सॉफ़्टवेयर वर्ज़न</translation>
    </message>
    <message>
        <source>Inching Mode</source>
        <translation>इंचिंग मोड</translation>
    </message>
    <message>
        <source>Active</source>
        <translation>सक्रिय</translation>
    </message>
    <message>
        <source>Actual Speed</source>
        <translation>वास्तविक गति</translation>
    </message>
    <message>
        <source>Set Speed</source>
        <translation>सेट गति</translation>
    </message>
    <message>
        <source>NODE INFO</source>
        <translation>नोड सूचना</translation>
    </message>
    <message>
        <source>ENERGY</source>
        <translation>ऊर्जा</translation>
    </message>
    <message>
        <source>SIMULATION</source>
        <translation>सिमुलेशन</translation>
    </message>
    <message>
        <source>MOTOR TEMP</source>
        <translation>मोटर तापमान</translation>
    </message>
    <message>
        <source>SOFTWARE</source>
        <translation>सॉफ़्टवेयर</translation>
    </message>
    <message>
        <source>INCHING</source>
        <translation>इंचिंग</translation>
    </message>
    <message>
        <source>DATE / TIME</source>
        <translation>तारीख / समय</translation>
    </message>
    <message>
        <source>MOTOR STATUS</source>
        <translation>मोटर स्थिति</translation>
    </message>
    <message>
        <source>Motor Status</source>
        <translation>मोटर स्थिति</translation>
    </message>
    <message>
        <source>Master Motor</source>
        <translation>मास्टर मोटर</translation>
    </message>
    <message>
        <source>Slave Motor</source>
        <translation>स्लेव मोटर</translation>
    </message>
    <message>
        <source>Motors</source>
        <translation>मोटर</translation>
    </message>
    <message>
        <source>TM %1</source>
        <translation>TM %1</translation>
    </message>
    <message>
        <source>Traction Motor %1</source>
        <translation>ट्रैक्शन मोटर %1</translation>
    </message>
    <message>
        <source>ON</source>
        <translation>ऑन</translation>
    </message>
    <message>
        <source>OFF</source>
        <translation>ऑफ</translation>
    </message>
    <message>
        <source>Main Power</source>
        <translation>मेन पावर</translation>
    </message>
    <message>
        <source>HV</source>
        <translation>HV</translation>
    </message>
    <message>
        <source>Traction Bogie 1</source>
        <translation>ट्रैक्शन बोगी 1</translation>
    </message>
    <message>
        <source>Bogie1</source>
        <translation>बोगी1</translation>
    </message>
    <message>
        <source>Traction Bogie 2</source>
        <translation>ट्रैक्शन बोगी 2</translation>
    </message>
    <message>
        <source>Bogie2</source>
        <translation>बोगी2</translation>
    </message>
    <message>
        <source>Harmonic Filter</source>
        <translation>हार्मोनिक फ़िल्टर</translation>
    </message>
    <message>
        <source>Filter</source>
        <translation>फ़िल्टर</translation>
    </message>
    <message>
        <source>Hotel Load</source>
        <translation>होटल लोड</translation>
    </message>
    <message>
        <source>Hotel</source>
        <translation>होटल</translation>
    </message>
    <message>
        <source>Aux. Converter 1</source>
        <translation>AUX कन्वर्टर 1</translation>
    </message>
    <message>
        <source>BUR1</source>
        <translation>BUR1</translation>
    </message>
    <message>
        <source>Aux. Converter 2</source>
        <translation>AUX कन्वर्टर 2</translation>
    </message>
    <message>
        <source>BUR2</source>
        <translation>BUR2</translation>
    </message>
    <message>
        <source>Aux. Converter 3</source>
        <translation>AUX कन्वर्टर 3</translation>
    </message>
    <message>
        <source>BUR3</source>
        <translation>BUR3</translation>
    </message>
    <message>
        <source>Battery Charger</source>
        <translation>बैटरी चार्जर</translation>
    </message>
    <message>
        <source>Battery</source>
        <translation>बैटरी</translation>
    </message>
    <message>
        <source>Brake System</source>
        <translation>ब्रेक सिस्टम</translation>
    </message>
    <message>
        <source>Braking</source>
        <translation>ब्रेकिंग</translation>
    </message>
    <message>
        <source>Auxiliaries HB1</source>
        <translation>ऑक्ज़िलियरी HB1</translation>
    </message>
    <message>
        <source>HBB1</source>
        <translation>HBB1</translation>
    </message>
    <message>
        <source>Auxiliaries HB2</source>
        <translation>ऑक्ज़िलियरी HB2</translation>
    </message>
    <message>
        <source>HBB2</source>
        <translation>HBB2</translation>
    </message>
    <message>
        <source>Cab 1</source>
        <translation>कैब 1</translation>
    </message>
    <message>
        <source>CAB1</source>
        <translation>कैब1</translation>
    </message>
    <message>
        <source>Cab 2</source>
        <translation>कैब 2</translation>
    </message>
    <message>
        <source>CAB2</source>
        <translation>कैब2</translation>
    </message>
    <message>
        <source>Fire Detection</source>
        <translation>आग पहचान</translation>
    </message>
    <message>
        <source>Fire</source>
        <translation>आग</translation>
    </message>
    <message>
        <source>Speedometer</source>
        <translation>स्पीडोमीटर</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>गति</translation>
    </message>
    <message>
        <source>Processor FLG1</source>
        <translation>प्रोसेसर FLG1</translation>
    </message>
    <message>
        <source>Processor FLG2</source>
        <translation>प्रोसेसर FLG2</translation>
    </message>
    <message>
        <source>Trainbus</source>
        <translation>ट्रेनबस</translation>
    </message>
    <message>
        <source>Train Bus</source>
        <translation>ट्रेन बस</translation>
    </message>
    <message>
        <source>ALL</source>
        <translation>सभी</translation>
    </message>
    <message>
        <source>Spare</source>
        <translation>स्पेयर</translation>
    </message>
    <message>
        <source>[Pri 1 Fault]</source>
        <translation>[प्राथ. 1 फॉल्ट]</translation>
    </message>
    <message>
        <source>[Pri 2 Fault]</source>
        <translation>[प्राथ. 2 फॉल्ट]</translation>
    </message>
    <message>
        <source>SUBSYSTEM</source>
        <translation>सबसिस्टम</translation>
    </message>
    <message>
        <source>No Details Found</source>
        <translation>कोई विवरण नहीं मिला</translation>
    </message>
    <message>
        <source>HIGH VOLTAGE CIRCUIT</source>
        <translation>हाई वोल्टेज सर्किट</translation>
    </message>
    <message>
        <source> PANTO UP</source>
        <translation> पैंटो ऊपर</translation>
    </message>
    <message>
        <source> VCB STATUS</source>
        <translation> VCB स्थिति</translation>
    </message>
    <message>
        <source> HOTEL LOAD</source>
        <translation> होटल लोड</translation>
    </message>
    <message>
        <source> CATENARY VOLTAGE</source>
        <translation> कैटेनरी वोल्टेज</translation>
    </message>
    <message>
        <source> PRIMARY CURRENT</source>
        <translation> प्राइमरी करंट</translation>
    </message>
    <message>
        <source> LINE FREQUENCY</source>
        <translation> लाइन फ़्रीक्वेंसी</translation>
    </message>
    <message>
        <source> INPUT POWER kW</source>
        <translation> इनपुट पावर kW</translation>
    </message>
    <message>
        <source> PRIMARY OVER CURRENT</source>
        <translation> प्राइमरी ओवरकरंट</translation>
    </message>
    <message>
        <source> FILTER</source>
        <translation> फ़िल्टर</translation>
    </message>
    <message>
        <source> EARTH FAULT POWER CIRCUIT</source>
        <translation> पावर सर्किट अर्थ फॉल्ट</translation>
    </message>
    <message>
        <source>TRACTION CONVERTER</source>
        <translation>ट्रैक्शन कन्वर्टर</translation>
    </message>
    <message>
        <source> FLG NODE</source>
        <translation> FLG नोड</translation>
    </message>
    <message>
        <source> SLG NODE</source>
        <translation> SLG नोड</translation>
    </message>
    <message>
        <source> ALG NODE</source>
        <translation> ALG नोड</translation>
    </message>
    <message>
        <source> PRE-CHARGE CONTACTOR</source>
        <translation> प्री-चार्ज कॉन्टैक्टर</translation>
    </message>
    <message>
        <source> INPUT CONTACTOR</source>
        <translation> इनपुट कॉन्टैक्टर</translation>
    </message>
    <message>
        <source> OIL PRESSURE</source>
        <translation> ऑयल प्रेशर</translation>
    </message>
    <message>
        <source> OIL TEMPERATURE</source>
        <translation> ऑयल तापमान</translation>
    </message>
    <message>
        <source> INPUT POWER</source>
        <translation> इनपुट पावर</translation>
    </message>
    <message>
        <source> VENTILATION LEVEL</source>
        <translation> वेंटिलेशन लेवल</translation>
    </message>
    <message>
        <source>AUXILIARY CONVERTER</source>
        <translation>ऑक्ज़िलियरी कन्वर्टर</translation>
    </message>
    <message>
        <source> AUXILIARY VOLTAGE</source>
        <translation> ऑक्ज़िलियरी वोल्टेज</translation>
    </message>
    <message>
        <source> AUXILIARY CURRENT</source>
        <translation> ऑक्ज़िलियरी करंट</translation>
    </message>
    <message>
        <source> DC LINK VOLTAGE</source>
        <translation> DC लिंक वोल्टेज</translation>
    </message>
    <message>
        <source> DC LINK CURRENT</source>
        <translation> DC लिंक करंट</translation>
    </message>
    <message>
        <source> OUTPUT VOLTAGE</source>
        <translation> आउटपुट वोल्टेज</translation>
    </message>
    <message>
        <source> OUTPUT FREQUENCY</source>
        <translation> आउटपुट फ़्रीक्वेंसी</translation>
    </message>
    <message>
        <source> GROUPING CONTACTORS</source>
        <translation> ग्रुपिंग कॉन्टैक्टर</translation>
    </message>
    <message>
        <source> SR INPUT POWER kW</source>
        <translation> SR इनपुट पावर kW</translation>
    </message>
    <message>
        <source> WHEEL SLIP</source>
        <translation> व्हील स्लिप</translation>
    </message>
    <message>
        <source> TM SPEED km/h</source>
        <translation> TM गति km/h</translation>
    </message>
    <message>
        <source> TM TEMPERATURE DEG C</source>
        <translation> TM तापमान °C</translation>
    </message>
    <message>
        <source>AUXILIARY SYSTEM</source>
        <translation>ऑक्ज़िलियरी सिस्टम</translation>
    </message>
    <message>
        <source> BUR 1,2,3 STATUS</source>
        <translation> BUR 1,2,3 स्थिति</translation>
    </message>
    <message>
        <source> COMPRESSOR 1,2</source>
        <translation> कंप्रेसर 1,2</translation>
    </message>
    <message>
        <source> OCB 1,2</source>
        <translation> OCB 1,2</translation>
    </message>
    <message>
        <source> SR OIL PUMP 1,2</source>
        <translation> SR ऑयल पंप 1,2</translation>
    </message>
    <message>
        <source> TFP OIL PUMP 1,2</source>
        <translation> TFP ऑयल पंप 1,2</translation>
    </message>
    <message>
        <source> TM BLOWER 1,2</source>
        <translation> TM ब्लोअर 1,2</translation>
    </message>
    <message>
        <source> MR BLOWER 1,2</source>
        <translation> MR ब्लोअर 1,2</translation>
    </message>
    <message>
        <source> SPEED</source>
        <translation> गति</translation>
    </message>
    <message>
        <source> MASTER CONTROLLER</source>
        <translation> मास्टर कंट्रोलर</translation>
    </message>
    <message>
        <source> TE/BE DEMAND kN</source>
        <translation> TE/BE माँग kN</translation>
    </message>
    <message>
        <source> TE/BE ACTUAL kN</source>
        <translation> TE/BE वास्तविक kN</translation>
    </message>
    <message>
        <source> PNEUMATIC BRAKE DEMAND</source>
        <translation> न्यूमैटिक ब्रेक माँग</translation>
    </message>
    <message>
        <source> REGEN. ENERGY TOTAL kWh</source>
        <translation> रीजनरेटेड ऊर्जा कुल kWh</translation>
    </message>
    <message>
        <source> REGEN. ENERGY TRIP kWh</source>
        <translation> रीजनरेटेड ऊर्जा ट्रिप kWh</translation>
    </message>
    <message>
        <source> ENERGY CONSUMED CUMULATIVE</source>
        <translation> कुल खपत ऊर्जा</translation>
    </message>
    <message>
        <source> ENERGY REGENERATED CUMULATIVE</source>
        <translation> कुल रीजनरेटेड ऊर्जा</translation>
    </message>
    <message>
        <source> REGENERATION RATIO CUMULATIVE</source>
        <translation> कुल रीजनरेशन अनुपात</translation>
    </message>
    <message>
        <source> INPUT POWER 1,2 kW</source>
        <translation> इनपुट पावर 1,2 kW</translation>
    </message>
    <message>
        <source> TFP OIL 1,2 bar</source>
        <translation> TFP ऑयल 1,2 bar</translation>
    </message>
    <message>
        <source> SR OIL 1, 2 bar</source>
        <translation> SR ऑयल 1, 2 bar</translation>
    </message>
    <message>
        <source> MR PRESSURE &gt; 6.4</source>
        <translation> MR प्रेशर &gt; 6.4</translation>
    </message>
    <message>
        <source> BP PRESSURE kg/cm2</source>
        <translation> BP प्रेशर kg/cm2</translation>
    </message>
    <message>
        <source> BC1 PRESSURE</source>
        <translation> BC1 प्रेशर</translation>
    </message>
    <message>
        <source> BC2 PRESSURE</source>
        <translation> BC2 प्रेशर</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>समय</translation>
    </message>
    <message>
        <source>SubSystem</source>
        <translation>सबसिस्टम</translation>
    </message>
    <message>
        <source>Code</source>
        <translation>कोड</translation>
    </message>
    <message>
        <source>Messages</source>
        <translation>संदेश</translation>
    </message>
    <message>
        <source>MESSAGES - </source>
        <translation>संदेश - </translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>रद्द करें</translation>
    </message>
    <message>
        <source>VCU Type</source>
        <translation>VCU प्रकार</translation>
    </message>
    <message>
        <source>SR Type</source>
        <translation>SR प्रकार</translation>
    </message>
    <message>
        <source>BUR Type</source>
        <translation>BUR प्रकार</translation>
    </message>
    <message>
        <source>Cab</source>
        <translation>कैब</translation>
    </message>
    <message>
        <source>DDU Configure</source>
        <translation>DDU कॉन्फ़िगरेशन</translation>
    </message>
    <message>
        <source>System Configure</source>
        <translation>सिस्टम कॉन्फ़िगरेशन</translation>
    </message>
    <message>
        <source>Driver Display Unit
Kestrelline Rail Electronics
Works Road 7, Northfield Industrial Estate</source>
        <translation>ड्राइवर डिस्प्ले यूनिट
Kestrelline Rail Electronics
Works Road 7, Northfield Industrial Estate</translation>
    </message>
    <message>
        <source>SOFTWARE 
UPDATE</source>
        <translation>सॉफ़्टवेयर 
अपडेट</translation>
    </message>
    <message>
        <source>IP Address</source>
        <translation>IP पता</translation>
    </message>
    <message>
        <source>MVB Status</source>
        <translation>MVB स्थिति</translation>
    </message>
    <message>
        <source>Enabled</source>
        <translation>सक्षम</translation>
    </message>
    <message>
        <source>Disabled</source>
        <translation>अक्षम</translation>
    </message>
    <message>
        <source>DDU LifeSign</source>
        <translation>DDU लाइफ साइन</translation>
    </message>
    <message>
        <source>DDU DISPLAY</source>
        <translation>DDU डिस्प्ले</translation>
    </message>
    <message>
        <source>Demo/Simulation mode</source>
        <translation>डेमो/सिमुलेशन मोड</translation>
    </message>
    <message>
        <source>DDU Version Info</source>
        <translation>DDU वर्ज़न सूचना</translation>
    </message>
    <message>
        <source>On</source>
        <translation>ऑन</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>ऑफ</translation>
    </message>
    <message>
        <source>Installed DDU Product</source>
        <translation>इंस्टॉल DDU प्रोडक्ट</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>वर्ज़न</translation>
    </message>
    <message>
        <source>DDU (LU)</source>
        <translation>DDU (LU)</translation>
    </message>
    <message>
        <source> DRIVER NAME/ID</source>
        <translation> ड्राइवर नाम/ID</translation>
    </message>
    <message>
        <source> TRAIN NAME</source>
        <translation> ट्रेन नाम</translation>
    </message>
    <message>
        <source> TRAIN LOAD TONS</source>
        <translation> ट्रेन लोड टन</translation>
    </message>
    <message>
        <source> ORIGIN CODE</source>
        <translation> आरंभ स्टेशन कोड</translation>
    </message>
    <message>
        <source> DESTINATION CODE</source>
        <translation> गंतव्य स्टेशन कोड</translation>
    </message>
    <message>
        <source> SIGN IN TIME/DATE</source>
        <translation> साइन इन समय/तारीख</translation>
    </message>
    <message>
        <source> Division</source>
        <translation> मंडल</translation>
    </message>
    <message>
        <source> Railway Zone</source>
        <translation> रेलवे ज़ोन</translation>
    </message>
    <message>
        <source>SAVE</source>
        <translation>सेव</translation>
    </message>
    <message>
        <source>Driver details cannot hold &quot;,&quot; or &quot;#&quot;.
The entry was not taken.</source>
        <translation>ड्राइवर विवरण में &quot;,&quot; या &quot;#&quot; मान्य नहीं।
प्रविष्टि नहीं ली गई।</translation>
    </message>
    <message>
        <source>Entry cut to %1 characters.</source>
        <translation>प्रविष्टि %1 अक्षरों तक छोटी की गई।</translation>
    </message>
    <message>
        <source>%1 holds &quot;,&quot; or &quot;#&quot;.
Not saved.</source>
        <translation>%1 में &quot;,&quot; या &quot;#&quot; है।
सेव नहीं हुआ।</translation>
    </message>
    <message>
        <source>NOT IMPLEMENTED PRESENTLY</source>
        <translation>अभी उपलब्ध नहीं</translation>
    </message>
    <message>
        <source>DDU Display</source>
        <translation>DDU डिस्प्ले</translation>
    </message>
    <message>
        <source>MVB Telegram</source>
        <translation>MVB टेलीग्राम</translation>
    </message>
    <message>
        <source>MVB Freshness</source>
        <translation>MVB फ्रेशनेस</translation>
    </message>
    <message>
        <source>MVB Variables</source>
        <translation>MVB वेरिएबल</translation>
    </message>
    <message>
        <source>System</source>
        <translation>सिस्टम</translation>
    </message>
    <message>
        <source>Loco</source>
        <translation>लोको</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>बंद करें</translation>
    </message>
    <message>
        <source>CAB 1</source>
        <translation>कैब 1</translation>
    </message>
    <message>
        <source>CAB 2</source>
        <translation>कैब 2</translation>
    </message>
    <message>
        <source>NO CAB</source>
        <translation>कैब नहीं</translation>
    </message>
    <message>
        <source>FILTER</source>
        <translation>फ़िल्टर</translation>
    </message>
    <message>
        <source>Processor
Filter</source>
        <translation>प्रोसेसर
फ़िल्टर</translation>
    </message>
    <message>
        <source>Telegram
Filter</source>
        <translation>टेलीग्राम
फ़िल्टर</translation>
    </message>
    <message>
        <source>Signal Name
Filter</source>
        <translation>सिग्नल नाम
फ़िल्टर</translation>
    </message>
    <message>
        <source>FILTER PROCESSOR</source>
        <translation>प्रोसेसर फ़िल्टर</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>FILTER TELEGRAM</source>
        <translation>टेलीग्राम फ़िल्टर</translation>
    </message>
    <message>
        <source>Clear
Selection</source>
        <translation>चयन
हटाएँ</translation>
    </message>
    <message>
        <source>LOAD FILE</source>
        <translation>फ़ाइल लोड</translation>
    </message>
    <message>
        <source>SAVE FILE</source>
        <translation>फ़ाइल सेव</translation>
    </message>
    <message>
        <source>Retype</source>
        <translation>फिर लिखें</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>शुरू</translation>
    </message>
    <message>
        <source>No Ports Found</source>
        <translation>कोई पोर्ट नहीं मिला</translation>
    </message>
    <message>
        <source>Pendrive</source>
        <translation>पेनड्राइव</translation>
    </message>
    <message>
        <source>Update DDU</source>
        <translation>DDU अपडेट</translation>
    </message>
    <message>
        <source>Copy Files</source>
        <translation>फ़ाइलें कॉपी</translation>
    </message>
    <message>
        <source>SD Card</source>
        <translation>SD कार्ड</translation>
    </message>
    <message>
        <source>Please make sure that 
pendrive contains &apos;ZAV_DDU_LU&apos; file
Note :- Do not rename if not found</source>
        <translation>कृपया देखें कि 
पेनड्राइव में &apos;ZAV_DDU_LU&apos; फ़ाइल है
नोट :- न मिले तो नाम न बदलें</translation>
    </message>
    <message>
        <source>Pendrive Found</source>
        <translation>पेनड्राइव मिली</translation>
    </message>
    <message>
        <source>NO Pendrive Found</source>
        <translation>पेनड्राइव नहीं मिली</translation>
    </message>
    <message>
        <source>MICRO SD CARD DETECTED!</source>
        <translation>माइक्रो SD कार्ड मिला!</translation>
    </message>
    <message>
        <source>MICRO SD CARD NOT DETECTED!</source>
        <translation>माइक्रो SD कार्ड नहीं मिला!</translation>
    </message>
    <message>
        <source>Updating the program ...</source>
        <translation>प्रोग्राम अपडेट हो रहा है ...</translation>
    </message>
    <message>
        <source>DDU will restart now!</source>
        <translation>DDU अब रीस्टार्ट होगा!</translation>
    </message>
    <message>
        <source>Transferring Files.....</source>
        <translation>फ़ाइलें ट्रांसफ़र हो रही हैं.....</translation>
    </message>
    <message>
        <source>Select ALL/atleast one processor</source>
        <translation>सभी/कम से कम एक प्रोसेसर चुनें</translation>
    </message>
    <message>
        <source>Select ALL/atleast one telegram</source>
        <translation>सभी/कम से कम एक टेलीग्राम चुनें</translation>
    </message>
    <message>
        <source>No signals found in the signal descriptor</source>
        <translation>सिग्नल डिस्क्रिप्टर में कोई सिग्नल नहीं मिला</translation>
    </message>
    <message>
        <source>No Signals Selected</source>
        <translation>कोई सिग्नल नहीं चुना गया</translation>
    </message>
    <message>
        <source>Do you really want to replace the 
 existing signals?</source>
        <translation>क्या आप सच में मौजूदा 
 सिग्नल बदलना चाहते हैं?</translation>
    </message>
    <message>
        <source>No signals found in selected file</source>
        <translation>चुनी गई फ़ाइल में कोई सिग्नल नहीं मिला</translation>
    </message>
    <message>
        <source>The set holds %1 signals: the first %2 are shown</source>
        <translation>सेट में %1 सिग्नल हैं: पहले %2 दिखाए गए हैं</translation>
    </message>
    <message>
        <source>Load File</source>
        <translation>फ़ाइल लोड</translation>
    </message>
    <message>
        <source>Save File</source>
        <translation>फ़ाइल सेव</translation>
    </message>
    <message>
        <source>Display</source>
        <translation>डिस्प्ले</translation>
    </message>
    <message>
        <source>Date and Time</source>
        <translation>तारीख और समय</translation>
    </message>
    <message>
        <source>Get Date/Time</source>
        <translation>तारीख/समय लें</translation>
    </message>
    <message>
        <source>Set Date/Time</source>
        <translation>तारीख/समय सेट</translation>
    </message>
    <message>
        <source>BPCS ON</source>
        <translation>BPCS ऑन</translation>
    </message>
    <message>
        <source>LSP ON</source>
        <translation>LSP ऑन</translation>
    </message>
    <message>
        <source>RELEASED</source>
        <translation>रिलीज़</translation>
    </message>
    <message>
        <source>APPLIED</source>
        <translation>लगा है</translation>
    </message>
    <message>
        <source>SELECT LANGUAGE</source>
        <translation>भाषा चुनें</translation>
    </message>
    <message>
        <source>ENGLISH</source>
        <translation>ENGLISH</translation>
    </message>
    <message>
        <source>HINDI</source>
        <translation>हिंदी</translation>
    </message>
    <message>
        <source>ACTIVE CAB</source>
        <translation>सक्रिय कैब</translation>
    </message>
    <message>
        <source>Selection</source>
        <translation>चयन</translation>
    </message>
    <message>
        <source>Telegram</source>
        <translation>टेलीग्राम</translation>
    </message>
    <message>
        <source>Signal:</source>
        <translation>सिग्नल:</translation>
    </message>
    <message>
        <source>MVB TELEGRAM</source>
        <translation>MVB टेलीग्राम</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>पोर्ट</translation>
    </message>
    <message>
        <source>MVB FRESHNESS</source>
        <translation>MVB फ्रेशनेस</translation>
    </message>
    <message>
        <source>Reset
Max</source>
        <translation>रीसेट
मैक्स</translation>
    </message>
    <message>
        <source>Freshness(ms)</source>
        <translation>फ्रेशनेस(ms)</translation>
    </message>
    <message>
        <source>Maximum 
 Freshness(ms)</source>
        <translation>अधिकतम 
 फ्रेशनेस(ms)</translation>
    </message>
    <message>
        <source>stale</source>
        <translation>पुराना</translation>
    </message>
    <message>
        <source>MVB PROCESS VARIABLES</source>
        <translation>MVB प्रोसेस वेरिएबल</translation>
    </message>
    <message>
        <source>Selected:</source>
        <translation>चुने गए:</translation>
    </message>
    <message>
        <source>Sel</source>
        <translation>चुना</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>प्रकार</translation>
    </message>
    <message>
        <source>Loading...</source>
        <translation>लोडिंग...</translation>
    </message>
    <message>
        <source>MVB VARIABLES</source>
        <translation>MVB वेरिएबल</translation>
    </message>
    <message>
        <source>Isolation Message                      Received </source>
        <translation>आइसोलेशन संदेश                      प्राप्त </translation>
    </message>
    <message>
        <source>Isolation Message</source>
        <translation>आइसोलेशन संदेश</translation>
    </message>
    <message>
        <source>Fault Message                            Received </source>
        <translation>फॉल्ट संदेश                            प्राप्त </translation>
    </message>
    <message>
        <source> Loco </source>
        <translation> लोको </translation>
    </message>
    <message>
        <source>Received </source>
        <translation>प्राप्त </translation>
    </message>
    <message>
        <source>Driver Advice</source>
        <translation>ड्राइवर सलाह</translation>
    </message>
    <message>
        <source>CLEAR</source>
        <translation>मिटाएँ</translation>
    </message>
    <message>
        <source>SUBMIT</source>
        <translation>दर्ज करें</translation>
    </message>
    <message>
        <source> TFP OIL 1,2 °C</source>
        <translation> TFP ऑयल 1,2 °C</translation>
    </message>
    <message>
        <source> SR OIL 1,2 °C</source>
        <translation> SR ऑयल 1,2 °C</translation>
    </message>
    <message>
        <source> TM1 1,2 °C</source>
        <translation> TM1 1,2 °C</translation>
    </message>
    <message>
        <source> TM2 1,2 °C</source>
        <translation> TM2 1,2 °C</translation>
    </message>
    <message>
        <source> TM3 1,2 °C</source>
        <translation> TM3 1,2 °C</translation>
    </message>
    <message>
        <source>NO MVB DATA since %1</source>
        <translation>%1 से MVB डेटा नहीं</translation>
    </message>
    <message>
        <source>DEMO MODE: SIMULATED VALUES</source>
        <translation>डेमो मोड: सिमुलेशन के मान</translation>
    </message>
    <message>
        <source>Information Message                    Received </source>
        <translation>सूचना संदेश                    प्राप्त </translation>
    </message>
    <message>
        <source>Information Message</source>
        <translation>सूचना संदेश</translation>
    </message>
    <message>
        <source>NO DATA since %1: may no longer be current</source>
        <translation>%1 से डेटा नहीं: शायद अब ताज़ा न हो</translation>
    </message>
    <message>
        <source>NO DATA since %1</source>
        <translation>%1 से डेटा नहीं</translation>
    </message>
    <message>
        <source>File not saved: %1</source>
        <translation>फ़ाइल सेव नहीं हुई: %1</translation>
    </message>
    <message>
        <source>Configuration not saved: %1</source>
        <translation>कॉन्फ़िगरेशन सेव नहीं हुआ: %1</translation>
    </message>
    <message>
        <source>Exit the application?</source>
        <translation>एप्लिकेशन बंद करें?</translation>
    </message>
    <message>
        <source>Restart the DDU?</source>
        <translation>DDU रीस्टार्ट करें?</translation>
    </message>
    <message>
        <source>%1 of %2 MB</source>
        <translation>%2 MB में से %1</translation>
    </message>
    <message>
        <source>New program: %1
Installed: %2
Install it and restart?</source>
        <translation>नया प्रोग्राम: %1
इंस्टॉल किया हुआ: %2
इंस्टॉल करके पुनः आरंभ करें?</translation>
    </message>
    <message>
        <source>Please wait until it has finished</source>
        <translation>कृपया इसके पूरा होने तक प्रतीक्षा करें</translation>
    </message>
    <message>
        <source>Update rolled back: %1</source>
        <translation>अपडेट वापस लिया गया: %1</translation>
    </message>
    <message>
        <source>Reading the pendrive ...</source>
        <translation>पेनड्राइव पढ़ी जा रही है ...</translation>
    </message>
    <message>
        <source>%1 files, %2 MB</source>
        <translation>%1 फ़ाइलें, %2 MB</translation>
    </message>
    <message>
        <source>unknown</source>
        <translation>अज्ञात</translation>
    </message>
    <message>
        <source>Writing the logs to %1 ...</source>
        <translation>लॉग %1 पर लिखे जा रहे हैं ...</translation>
    </message>
    <message>
        <source>the pendrive</source>
        <translation>पेनड्राइव</translation>
    </message>
    <message>
        <source>the SD card</source>
        <translation>SD कार्ड</translation>
    </message>
    <message>
        <source>Update and copy read the SD card</source>
        <translation>अपडेट और कॉपी SD कार्ड से होंगे</translation>
    </message>
</context>
<context>
    <name>QGauge</name>
    <message>
        <source>SPEED</source>
        <translation>गति</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>ON</source>
        <translation>ऑन</translation>
    </message>
    <message>
        <source>OFF</source>
        <translation>ऑफ</translation>
    </message>
    <message>
        <source>Applied</source>
        <translation>लगा है</translation>
    </message>
    <message>
        <source>Released</source>
        <translation>रिलीज़</translation>
    </message>
    <message>
        <source>UP</source>
        <translation>ऊपर</translation>
    </message>
    <message>
        <source>DOWN</source>
        <translation>नीचे</translation>
    </message>
    <message>
        <source>YES</source>
        <translation>हाँ</translation>
    </message>
    <message>
        <source>NO</source>
        <translation>नहीं</translation>
    </message>
    <message>
        <source>Traction</source>
        <translation>ट्रैक्शन</translation>
    </message>
    <message>
        <source>Braking</source>
        <translation>ब्रेकिंग</translation>
    </message>
    <message>
        <source>Throttle Zero</source>
        <translation>थ्रॉटल शून्य</translation>
    </message>
    <message>
        <source>Unknown Fault</source>
        <translation>अज्ञात फॉल्ट</translation>
    </message>
    <message>
        <source>Screen Code:
</source>
        <translation>स्क्रीन कोड:
</translation>
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
        <translation>इलेक्ट्रॉनिक्स ऑफ/ऑन करने की विधि।
1) थ्रॉटल 0 पर लाएँ; गाड़ी रोकें।
2) VCB ओपन करें, पैंटोग्राफ़ नीचे करें।
3) BL चाबी को ऑफ स्थिति में करें।
4) कंट्रोल इलेक्ट्रॉनिक्स का MCB ऑफ
   करें, 1 मिनट रुकें, फिर ऑन करें।
5) BL चाबी ऑन स्थिति में करें और
   डिस्प्ले तैयार होने तक रुकें।
6) पैंटोग्राफ़ उठाएँ और VCB क्लोज़ करें।
</translation>
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
        <translation>ट्रिप हुए MCB रीसेट करने की विधि।
1) थ्रॉटल 0 पर लाएँ; गाड़ी रोकें।
2) VCB ओपन करें, पैंटोग्राफ़ नीचे करें।
3) HB1 या HB2 में ट्रिप हुआ MCB ढूँढें।
4) उसे केवल एक बार ऑन करें।
5) पैंटो उठाएँ, VCB क्लोज़ करें और देखें
   कि उपकरण काम कर रहा है।
6) MCB फिर से ट्रिप हो तो उसे ऑफ ही
   रहने दें और TLC को सूचित करें।
</translation>
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
        <translation>दूसरा पैंटोग्राफ़ उठाने की विधि।
1) थ्रॉटल 0 पर; VCB ओपन करें।
2) OHE क्षतिग्रस्त या उलझा हो तो कोई
   पैंटो न उठाएँ; TLC को सूचित करें।
3) पैंटो सिलेक्टर से दूसरा पैंटो चुनें।
4) उसे उठाएँ; प्राइमरी वोल्टेज देखें।
5) VCB क्लोज़ करें और गाड़ी आगे चलाएँ।
6) यह पैंटो भी फेल हो तो उसे नीचे
   करें और TLC को सूचित करें।
</translation>
    </message>
    <message>
        <source>1. No action needed while driving.
2. Acknowledge the message with BPFA.
3. Note the fault code in the logbook
   and inform the shed on arrival.
</source>
        <translation>1. चलते समय कुछ करने की ज़रूरत नहीं।
2. BPFA से संदेश स्वीकार करें।
3. फॉल्ट कोड लॉगबुक में लिखें और
   पहुँचने पर शेड को सूचित करें।
</translation>
    </message>
    <message>
        <source>Information 001</source>
        <translation>सूचना 001</translation>
    </message>
    <message>
        <source>SELF HOLD MODE ACTIVE</source>
        <translation>सेल्फ होल्ड मोड सक्रिय है</translation>
    </message>
    <message>
        <source>After 10 min MCE will switch off</source>
        <translation>10 मिनट बाद MCE ऑफ हो जाएगा</translation>
    </message>
    <message>
        <source>Information 002</source>
        <translation>सूचना 002</translation>
    </message>
    <message>
        <source>MORE THAN ONE CAB ACTIVE</source>
        <translation>एक से अधिक कैब सक्रिय हैं</translation>
    </message>
    <message>
        <source>Deactivate non driving cab</source>
        <translation>न चलाई जा रही कैब निष्क्रिय करें</translation>
    </message>
    <message>
        <source>Otherwise after 10 min MCE switches off</source>
        <translation>अन्यथा 10 मिनट बाद MCE ऑफ हो जाएगा</translation>
    </message>
    <message>
        <source>Information 003</source>
        <translation>सूचना 003</translation>
    </message>
    <message>
        <source>TRACTION MAY NOT BE AVAILABLE ON</source>
        <translation>ट्रैक्शन शायद उपलब्ध नहीं</translation>
    </message>
    <message>
        <source>THIS LOCO OR ON THE SLAVE LOCO</source>
        <translation>इस या स्लेव लोको पर</translation>
    </message>
    <message>
        <source>Bring throttle to 0 pos. then set again</source>
        <translation>थ्रॉटल 0 पर लाएँ, फिर दोबारा सेट करें</translation>
    </message>
    <message>
        <source>Information 004</source>
        <translation>सूचना 004</translation>
    </message>
    <message>
        <source>TRAIN CONFIGURATION RUNNING</source>
        <translation>ट्रेन कॉन्फ़िगरेशन चल रहा है</translation>
    </message>
    <message>
        <source>Please wait</source>
        <translation>कृपया प्रतीक्षा करें</translation>
    </message>
    <message>
        <source>Information 005</source>
        <translation>सूचना 005</translation>
    </message>
    <message>
        <source>FULL TE/BE RESTORED</source>
        <translation>पूरा TE/BE फिर से उपलब्ध</translation>
    </message>
    <message>
        <source>Information 006</source>
        <translation>सूचना 006</translation>
    </message>
    <message>
        <source>PANTO RAISING</source>
        <translation>पैंटो उठ रहा है</translation>
    </message>
    <message>
        <source>Energy saving mode activated</source>
        <translation>ऊर्जा बचत मोड सक्रिय</translation>
    </message>
    <message>
        <source> </source>
        <translation> </translation>
    </message>
    <message>
        <source>Simulation mode       Status: </source>
        <translation>सिमुलेशन मोड       स्थिति: </translation>
    </message>
    <message>
        <source>SS01:Main power</source>
        <translation>SS01:मेन पावर</translation>
    </message>
    <message>
        <source>MAIN POWER ISOLATED; VCB inhibited</source>
        <translation>मेन पावर आइसोलेट; VCB क्लोज़ नहीं होगा</translation>
    </message>
    <message>
        <source>Loco is dead</source>
        <translation>लोको डेड है</translation>
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
        <translation>1. गाड़ी रोककर लोको व ट्रेन ब्रेक लगाएँ।
2. TLC को सूचित करें, नियम के अनुसार
   गाड़ी का संरक्षण करें।
3. मशीन रूम में धुआँ, आग या ऑयल
   रिसाव देखें।
4. सब सामान्य हो तो पेज 2 के अनुसार
   एक बार रीसेट करें (इलेक्ट्रॉ. ऑफ/ऑन)।
5. VCB फिर भी क्लोज़ न हो तो TLC से
   रिलीफ़ लोको माँगें।
</translation>
    </message>
    <message>
        <source>SS02:Traction bogie 1</source>
        <translation>SS02:ट्रैक्शन बोगी 1</translation>
    </message>
    <message>
        <source>SS02:Traction bogie</source>
        <translation>SS02:ट्रैक्शन बोगी</translation>
    </message>
    <message>
        <source>BOGIE 1 ISOLATED</source>
        <translation>बोगी 1 आइसोलेट</translation>
    </message>
    <message>
        <source>Only half power available</source>
        <translation>केवल आधी पावर उपलब्ध</translation>
    </message>
    <message>
        <source>1. Work the train with bogie 2 only;
   TE/BE is half.
2. On rising gradients with a heavy
   load, ask TLC for a banker.
3. Start gently to avoid wheel slip.
4. Inform TLC and record in the logbook.
</source>
        <translation>1. केवल बोगी 2 से चलाएँ; TE/BE आधा है।
2. भारी लोड के साथ चढ़ाई पर TLC से
   बैंकर माँगें।
3. व्हील स्लिप से बचने हेतु धीरे से
   स्टार्ट करें।
4. TLC को सूचित करें, लॉगबुक में लिखें।
</translation>
    </message>
    <message>
        <source>SS03:Traction bogie 2</source>
        <translation>SS03:ट्रैक्शन बोगी 2</translation>
    </message>
    <message>
        <source>SS03:Traction bogie</source>
        <translation>SS03:ट्रैक्शन बोगी</translation>
    </message>
    <message>
        <source>BOGIE 2 ISOLATED</source>
        <translation>बोगी 2 आइसोलेट</translation>
    </message>
    <message>
        <source>1. Work the train with bogie 1 only;
   TE/BE is half.
2. On rising gradients with a heavy
   load, ask TLC for a banker.
3. Start gently to avoid wheel slip.
4. Inform TLC and record in the logbook.
</source>
        <translation>1. केवल बोगी 1 से चलाएँ; TE/BE आधा है।
2. भारी लोड के साथ चढ़ाई पर TLC से
   बैंकर माँगें।
3. व्हील स्लिप से बचने हेतु धीरे से
   स्टार्ट करें।
4. TLC को सूचित करें, लॉगबुक में लिखें।
</translation>
    </message>
    <message>
        <source>SS04:Harmonic filter</source>
        <translation>SS04:हार्मोनिक फ़िल्टर</translation>
    </message>
    <message>
        <source>HARMONIC FILTER ISOLATED</source>
        <translation>हार्मोनिक फ़िल्टर आइसोलेट</translation>
    </message>
    <message>
        <source>Max permitted speed is 40 km/h</source>
        <translation>अधिकतम अनुमत गति 40 km/h</translation>
    </message>
    <message>
        <source>Speak to TLC</source>
        <translation>TLC से बात करें</translation>
    </message>
    <message>
        <source>1. Restrict the speed to 40 km/h.
2. Inform TLC and follow instructions.
3. Work the train to the next station or
   shed.
4. Record in the logbook.
</source>
        <translation>1. गति 40 km/h तक सीमित रखें।
2. TLC को सूचित करें, निर्देश मानें।
3. गाड़ी अगले स्टेशन या शेड तक
   ले जाएँ।
4. लॉगबुक में लिखें।
</translation>
    </message>
    <message>
        <source>SS05:Hotel load</source>
        <translation>SS05:होटल लोड</translation>
    </message>
    <message>
        <source>Not used</source>
        <translation>उपयोग में नहीं</translation>
    </message>
    <message>
        <source>SS06:Aux. converter 1</source>
        <translation>SS06:AUX कन्वर्टर 1</translation>
    </message>
    <message>
        <source>SS06:Aux. converter</source>
        <translation>SS06:AUX कन्वर्टर</translation>
    </message>
    <message>
        <source>AUXILIARY CONVERTER 1 ISOLATED</source>
        <translation>ऑक्ज़िलियरी कन्वर्टर 1 आइसोलेट</translation>
    </message>
    <message>
        <source>Max. ventilation level will be reduced</source>
        <translation>अधिकतम वेंटिलेशन लेवल कम होगा</translation>
    </message>
    <message>
        <source>Driving still possible</source>
        <translation>गाड़ी चलाना अभी भी संभव</translation>
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
        <translation>1. चलाना संभव है; बाकी AUX कन्वर्टर
   ऑक्ज़िलियरी को सप्लाई देते हैं।
2. ब्लोअर कम लेवल पर चलते हैं; तापमान
   के संदेशों पर ध्यान दें।
3. कम गति पर देर तक पूरे लोड से
   चलाने से बचें।
4. TLC को सूचित करें, लॉगबुक में लिखें।
</translation>
    </message>
    <message>
        <source>SS07:Aux. converter 2</source>
        <translation>SS07:AUX कन्वर्टर 2</translation>
    </message>
    <message>
        <source>SS07:Aux. converter</source>
        <translation>SS07:AUX कन्वर्टर</translation>
    </message>
    <message>
        <source>AUXILIARY CONVERTER 2 ISOLATED</source>
        <translation>ऑक्ज़िलियरी कन्वर्टर 2 आइसोलेट</translation>
    </message>
    <message>
        <source>SS08:Aux. converter 3</source>
        <translation>SS08:AUX कन्वर्टर 3</translation>
    </message>
    <message>
        <source>SS08:Aux. converter</source>
        <translation>SS08:AUX कन्वर्टर</translation>
    </message>
    <message>
        <source>AUXILIARY CONVERTER 3 ISOLATED</source>
        <translation>ऑक्ज़िलियरी कन्वर्टर 3 आइसोलेट</translation>
    </message>
    <message>
        <source>SS13:Cab 1</source>
        <translation>SS13:कैब 1</translation>
    </message>
    <message>
        <source>CAB 1 ISOLATED</source>
        <translation>कैब 1 आइसोलेट</translation>
    </message>
    <message>
        <source>Drive from Cab 2</source>
        <translation>कैब 2 से चलाएँ</translation>
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
        <translation>1. गाड़ी रोकें, लोको ब्रेक से सुरक्षित
   करें; थ्रॉटल 0 पर।
2. कैब 1 की BL चाबी ऑफ करें;
   कैब 2 में जाएँ।
3. TLC को सूचित करें। कैब 2 पीछे हो तो
   आगे की कैब में लुक-आउट रखकर
   सीमित गति से चलाएँ।
4. लॉगबुक में लिखें।
</translation>
    </message>
    <message>
        <source>SS14:Cab 2</source>
        <translation>SS14:कैब 2</translation>
    </message>
    <message>
        <source>CAB 2 ISOLATED</source>
        <translation>कैब 2 आइसोलेट</translation>
    </message>
    <message>
        <source>Drive from Cab 1</source>
        <translation>कैब 1 से चलाएँ</translation>
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
        <translation>1. गाड़ी रोकें, लोको ब्रेक से सुरक्षित
   करें; थ्रॉटल 0 पर।
2. कैब 2 की BL चाबी ऑफ करें;
   कैब 1 में जाएँ।
3. TLC को सूचित करें। कैब 1 पीछे हो तो
   आगे की कैब में लुक-आउट रखकर
   सीमित गति से चलाएँ।
4. लॉगबुक में लिखें।
</translation>
    </message>
    <message>
        <source>SS17:Processor FLG1</source>
        <translation>SS17:प्रोसेसर FLG1</translation>
    </message>
    <message>
        <source>FLG1 ISOLATED</source>
        <translation>FLG1 आइसोलेट</translation>
    </message>
    <message>
        <source>Refer to Driver Manual</source>
        <translation>ड्राइवर मैनुअल देखें</translation>
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
        <translation>1. FLG2 ने वाहन नियंत्रण सँभाल
   लिया है।
2. चलाते रहें; डिस्प्ले पर आगे के
   संदेश देखते रहें।
3. चलते समय इलेक्ट्रॉनिक्स ऑफ/ऑन
   न करें।
4. TLC को सूचित करें, लॉगबुक में लिखें।
</translation>
    </message>
    <message>
        <source>SS18:Processor FLG2</source>
        <translation>SS18:प्रोसेसर FLG2</translation>
    </message>
    <message>
        <source>FLG2 ISOLATED</source>
        <translation>FLG2 आइसोलेट</translation>
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
        <translation>1. FLG1 ने वाहन नियंत्रण सँभाल
   लिया है।
2. चलाते रहें; डिस्प्ले पर आगे के
   संदेश देखते रहें।
3. चलते समय इलेक्ट्रॉनिक्स ऑफ/ऑन
   न करें।
4. TLC को सूचित करें, लॉगबुक में लिखें।
</translation>
    </message>
    <message>
        <source>SS19:Trainbus</source>
        <translation>SS19:ट्रेनबस</translation>
    </message>
    <message>
        <source>TRAINBUS ISOLATED</source>
        <translation>ट्रेनबस आइसोलेट</translation>
    </message>
    <message>
        <source>Multiple operation not possible</source>
        <translation>मल्टीपल ऑपरेशन संभव नहीं</translation>
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
        <translation>1. मल्टीपल ऑपरेशन संभव नहीं; यह लोको
   अकेले सामान्य रूप से काम करता है।
2. उचित स्थान पर रुकें, TLC को सूचित
   करें।
3. TLC की अनुमति से इसी लोको से गाड़ी
   चलाएँ; दूसरा लोको डेड लोको की
   तरह चलेगा।
4. लॉगबुक में लिखें।
</translation>
    </message>
    <message>
        <source>SS01:Main Power</source>
        <translation>SS01:मेन पावर</translation>
    </message>
    <message>
        <source>VCB STUCK IN ON POSITION</source>
        <translation>VCB ऑन स्थिति में अटका है</translation>
    </message>
    <message>
        <source>Panto will be lowered automatically</source>
        <translation>पैंटो अपने आप नीचे हो जाएगा</translation>
    </message>
    <message>
        <source>Do not raise panto F0101P1</source>
        <translation>पैंटो न उठाएँ F0101P1</translation>
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
        <translation>1. थ्रॉटल 0 पर; कोस्ट करके उचित स्थान
   पर गाड़ी रोकें।
2. पैंटो न उठाएँ: देखें कि वह नीचे है
   और प्राइमरी वोल्टेज शून्य है।
3. गाड़ी सुरक्षित कर TLC को सूचित करें।
4. MR प्रेशर और VCB कंट्रोल सर्किट का
   MCB जाँचें।
</translation>
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
        <translation>5. पैंटो नीचे रखकर देखें कि VCB ओपन
   है: कैब संकेत और ब्रेकर का अपना
   स्थिति-सूचक, दोनों।
6. ओपन न हो तो इलेक्ट्रॉनिक्स ऑफ/ऑन
   करें, VCB ऑफ कमांड दें और दोबारा
   जाँचें।
7. VCB ओपन सिद्ध होने पर ही पैंटो
   उठाएँ; अन्यथा नीचे रखें और TLC से
   रिलीफ़ लोको माँगें।
</translation>
    </message>
    <message>
        <source>VCB STUCK IN OFF POSITION</source>
        <translation>VCB ऑफ स्थिति में अटका है</translation>
    </message>
    <message>
        <source>VCB can not be closed</source>
        <translation>VCB क्लोज़ नहीं हो सकता</translation>
    </message>
    <message>
        <source>Traction not possible F0102P1</source>
        <translation>ट्रैक्शन संभव नहीं F0102P1</translation>
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
        <translation>1. कोस्ट करके ब्लॉक सेक्शन पार करें;
   उचित स्थान पर रुकें।
2. थ्रॉटल 0 पर रखकर एक बार और VCB
   क्लोज़ करके देखें।
3. MR प्रेशर और VCB का एयर सप्लाई
   कॉक जाँचें।
4. VCB कंट्रोल सर्किट का MCB
   जाँचें।
</translation>
    </message>
    <message>
        <source>5. Reset by switching electronics
   OFF/ON.
6. Lower this panto, raise the other one
   and try to close VCB.
7. If VCB still does not close, inform
   TLC and ask for a relief loco.
</source>
        <translation>5. इलेक्ट्रॉनिक्स ऑफ/ऑन करके रीसेट
   करें।
6. यह पैंटो नीचे करें, दूसरा उठाएँ और
   VCB क्लोज़ करके देखें।
7. VCB फिर भी क्लोज़ न हो तो TLC को
   सूचित करें, रिलीफ़ लोको माँगें।
</translation>
    </message>
    <message>
        <source>LOW PRESSURE PANTO/FAULTY PANTO</source>
        <translation>पैंटो प्रेशर कम / पैंटो खराब</translation>
    </message>
    <message>
        <source>Panto lowered and VCB opened</source>
        <translation>पैंटो नीचे हुआ और VCB ओपन हुआ</translation>
    </message>
    <message>
        <source>Raise the other panto F0103P1</source>
        <translation>दूसरा पैंटो उठाएँ F0103P1</translation>
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
        <translation>1. थ्रॉटल 0 पर; कोस्ट करके ब्लॉक
   सेक्शन पार करें, फिर गाड़ी रोकें।
2. दोनों पैंटो और OHE में क्षति या
   उलझे तार देखें।
3. OHE क्षतिग्रस्त या उलझा हो तो कोई
   पैंटो न उठाएँ: TLC को सूचित करें,
   ट्रैक्शन पावर स्टाफ़ का इंतज़ार करें।
</translation>
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
        <translation>4. पैंटो एयर प्रेशर गेज देखें; कम हो तो
   AUX कंप्रेसर चलाएँ।
5. देखें कि पैंटो आइसोलेटिंग कॉक
   खुला है।
6. पैंटो क्षतिग्रस्त हो तो आइसोलेट करें;
   उसे दोबारा न उठाएँ।
7. OHE ठीक होने पर ही पेज 3 के अनुसार
   दूसरा पैंटो उठाएँ।
8. TLC को सूचित करें, लॉगबुक में लिखें।
</translation>
    </message>
    <message>
        <source>CATENARY VOLTAGE OUT OF LIMITS</source>
        <translation>कैटेनरी वोल्टेज सीमा से बाहर</translation>
    </message>
    <message>
        <source>VCB opened by protection</source>
        <translation>प्रोटेक्शन से VCB ओपन हुआ</translation>
    </message>
    <message>
        <source>Check catenary voltage F0104P1</source>
        <translation>कैटेनरी वोल्टेज जाँचें F0104P1</translation>
    </message>
    <message>
        <source>1. Coast to clear block section.
2. Watch the primary voltage on the
   display.
3. If the voltage is out of limits, wait
   with VCB open; inform TPC through TLC
   or the station.
</source>
        <translation>1. कोस्ट करके ब्लॉक सेक्शन पार करें।
2. डिस्प्ले पर प्राइमरी वोल्टेज
   देखते रहें।
3. वोल्टेज सीमा से बाहर हो तो VCB ओपन
   रखकर रुकें; TLC या स्टेशन के ज़रिए
   TPC को सूचित करें।
</translation>
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
        <translation>4. वोल्टेज सामान्य होने पर VCB क्लोज़
   करें।
5. सामान्य कैटेनरी वोल्टेज पर भी VCB
   ट्रिप हो तो पैंटो नीचे करें और
   दूसरा उठाएँ।
6. फिर भी ट्रिप हो तो VCB ओपन रखें;
   एक बार इलेक्ट्रॉनिक्स ऑफ/ऑन करें,
   TLC को सूचित करें।
</translation>
    </message>
    <message>
        <source>TRANSFORMER OIL TEMP. OR PRESSURE NOT OK</source>
        <translation>ट्रांसफ़ॉर्मर ऑयल तापमान/प्रेशर ठीक नहीं</translation>
    </message>
    <message>
        <source>VCB opened, traction not available</source>
        <translation>VCB ओपन, ट्रैक्शन उपलब्ध नहीं</translation>
    </message>
    <message>
        <source>Stop and check transformer F0105P1</source>
        <translation>रुकें, ट्रांसफ़ॉर्मर जाँचें F0105P1</translation>
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
        <translation>1. कोस्ट करके उचित स्थान पर गाड़ी
   रोकें।
2. मशीन रूम में ट्रांसफ़ॉर्मर का ऑयल
   लेवल गेज जाँचें।
3. लोको के नीचे ट्रांसफ़ॉर्मर से ऑयल
   रिसाव देखें।
4. ऑयल लेवल कम हो तो VCB क्लोज़ न करें;
   TLC से रिलीफ़ लोको माँगें।
</translation>
    </message>
    <message>
        <source>5. Check the MCBs of transformer oil
   pumps and oil cooler blowers in HB1
   and HB2; switch ON once if tripped.
6. Close VCB and check that both oil
   pumps and oil cooler blowers run.
</source>
        <translation>5. HB1 और HB2 में ट्रांसफ़ॉर्मर ऑयल
   पंप और ऑयल कूलर ब्लोअर के MCB
   जाँचें; ट्रिप हो तो एक बार ऑन करें।
6. VCB क्लोज़ करें, देखें कि दोनों ऑयल
   पंप और ऑयल कूलर ब्लोअर चल रहे हैं।
</translation>
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
        <translation>7. ऑयल गर्म हो तो ठंडा करने हेतु 10 मिनट
   बिना ट्रैक्शन VCB क्लोज़ रखें।
8. पेज 4 के अनुसार इलेक्ट्रॉनिक्स
   ऑफ/ऑन करके रीसेट करें।
9. फॉल्ट दोबारा आए तो TLC को सूचित
   करें, लॉगबुक में लिखें।
</translation>
    </message>
    <message>
        <source>FILTER ON/OFF CONTACTOR STUCK ON</source>
        <translation>फ़िल्टर ऑन/ऑफ कॉन्टैक्टर ऑन में अटका</translation>
    </message>
    <message>
        <source>Isolate harmonic filter F0106P1</source>
        <translation>हार्मोनिक फ़िल्टर आइसोलेट करें F0106P1</translation>
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
        <translation>1. कोस्ट करके ब्लॉक सेक्शन पार करें;
   उचित स्थान पर रुकें।
2. इलेक्ट्रॉनिक्स ऑफ/ऑन करें और VCB
   क्लोज़ करके देखें।
3. VCB क्लोज़ न हो तो हार्मोनिक फ़िल्टर
   को उसके रोटरी स्विच से आइसोलेट
   करें।
</translation>
    </message>
    <message>
        <source>4. Close VCB; with the harmonic filter
   isolated the max. speed is 40 km/h.
5. Inform TLC and record in the logbook.
</source>
        <translation>4. VCB क्लोज़ करें; हार्मोनिक फ़िल्टर
   आइसोलेट होने पर अधिकतम गति 40 km/h।
5. TLC को सूचित करें, लॉगबुक में लिखें।
</translation>
    </message>
    <message>
        <source>PRECHARGE OR MAIN CONTACTOR STUCK ON</source>
        <translation>प्रीचार्ज या मेन कॉन्टैक्टर ऑन में अटका</translation>
    </message>
    <message>
        <source>Isolate faulty bogie F0107P1</source>
        <translation>खराब बोगी आइसोलेट करें F0107P1</translation>
    </message>
    <message>
        <source>1. Coast to clear block section; stop at
   a suitable place.
2. Switch electronics OFF/ON and try to
   close VCB.
3. If it fails, isolate bogie 1 with the
   bogie isolation switch and close VCB.
</source>
        <translation>1. कोस्ट करके ब्लॉक सेक्शन पार करें;
   उचित स्थान पर रुकें।
2. इलेक्ट्रॉनिक्स ऑफ/ऑन करें और VCB
   क्लोज़ करके देखें।
3. प्रयास फेल हो तो बोगी आइसोलेशन स्विच
   से बोगी 1 आइसोलेट कर VCB क्लोज़ करें।
</translation>
    </message>
    <message>
        <source>4. If VCB still does not close,
   normalise bogie 1, isolate bogie 2
   and try again.
5. Work with half power on the healthy
   bogie.
6. Inform TLC and record in the logbook.
</source>
        <translation>4. VCB फिर भी क्लोज़ न हो तो बोगी 1
   नॉर्मल करें, बोगी 2 आइसोलेट करें
   और दोबारा कोशिश करें।
5. ठीक बोगी पर आधी पावर से
   चलाएँ।
6. TLC को सूचित करें, लॉगबुक में लिखें।
</translation>
    </message>
    <message>
        <source>PRIMARY OVERCURRENT</source>
        <translation>प्राइमरी ओवरकरंट</translation>
    </message>
    <message>
        <source>Close VCB only once more F0108P1</source>
        <translation>VCB सिर्फ़ एक बार और क्लोज़ करें F0108P1</translation>
    </message>
    <message>
        <source>1. Coast and stop the train at a
   suitable place.
2. Check the machine room for smoke,
   burning smell or flash marks.
3. If anything is abnormal, do not close
   VCB; inform TLC.
</source>
        <translation>1. कोस्ट करके उचित स्थान पर गाड़ी
   रोकें।
2. मशीन रूम में धुआँ, जलने की गंध या
   फ़्लैश के निशान देखें।
3. कुछ भी असामान्य हो तो VCB क्लोज़ न
   करें; TLC को सूचित करें।
</translation>
    </message>
    <message>
        <source>4. If all is normal, close VCB once more
   with the throttle at 0.
5. If VCB trips again, do not close it
   again: lower the panto.
6. Inform TLC, ask for a relief loco and
   record in the logbook.
</source>
        <translation>4. सब सामान्य हो तो थ्रॉटल 0 पर रखकर
   VCB एक बार और क्लोज़ करें।
5. VCB फिर से ट्रिप हो तो उसे दोबारा
   क्लोज़ न करें: पैंटो नीचे करें।
6. TLC को सूचित करें, रिलीफ़ लोको माँगें
   और लॉगबुक में लिखें।
</translation>
    </message>
    <message>
        <source>AUXILIARY WINDING OVERCURRENT</source>
        <translation>ऑक्ज़िलियरी वाइंडिंग ओवरकरंट</translation>
    </message>
    <message>
        <source>Check aux. converters F0109P1</source>
        <translation>AUX कन्वर्टर जाँचें F0109P1</translation>
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
        <translation>1. थ्रॉटल 0 पर; कोस्ट करके उचित स्थान
   पर गाड़ी रोकें।
2. मशीन रूम और AUX कन्वर्टर में धुआँ
   या जलने की गंध देखें; मिले तो
   VCB ओपन रखें।
3. ठीक हो तो VCB एक बार और क्लोज़ करें।
4. VCB दोबारा ट्रिप हो तो ओपन रखें, पैंटो नीचे करें
   और TLC से रिलीफ़ लोको माँगें।
5. लॉगबुक में लिखें।
</translation>
    </message>
    <message>
        <source>FATAL ERROR IN MAIN CIRCUIT</source>
        <translation>मेन सर्किट में गंभीर फॉल्ट</translation>
    </message>
    <message>
        <source>VCB opened, loco not available</source>
        <translation>VCB ओपन, लोको उपलब्ध नहीं</translation>
    </message>
    <message>
        <source>Switch electronics OFF/ON F0110P1</source>
        <translation>इलेक्ट्रॉनिक्स ऑफ/ऑन करें F0110P1</translation>
    </message>
    <message>
        <source>1. Coast and stop the train at a
   suitable place.
2. Switch electronics OFF/ON (page 2).
3. If the fault repeats, do not try
   again; inform TLC and ask for a
   relief loco.
</source>
        <translation>1. कोस्ट करके उचित स्थान पर गाड़ी
   रोकें।
2. इलेक्ट्रॉनिक्स ऑफ/ऑन करें (पेज 2)।
3. फॉल्ट फिर से आए तो दोबारा कोशिश न
   करें; TLC को सूचित करें और
   रिलीफ़ लोको माँगें।
</translation>
    </message>
    <message>
        <source>SS02:Traction Bogie 1</source>
        <translation>SS02:ट्रैक्शन बोगी 1</translation>
    </message>
    <message>
        <source>DISTURBANCE IN CONVERTER 1</source>
        <translation>कन्वर्टर 1 में गड़बड़ी</translation>
    </message>
    <message>
        <source>Bogie 1 switched off</source>
        <translation>बोगी 1 ऑफ हुई</translation>
    </message>
    <message>
        <source>Switch electronics OFF/ON F0201P1</source>
        <translation>इलेक्ट्रॉनिक्स ऑफ/ऑन करें F0201P1</translation>
    </message>
    <message>
        <source>1. Continue with bogie 2 if possible.
2. At a halt, switch electronics OFF/ON.
3. If the fault repeats, isolate bogie 1
   with the bogie isolation switch.
4. Work with half power; inform TLC.
</source>
        <translation>1. संभव हो तो बोगी 2 से चलाते रहें।
2. रुकने पर इलेक्ट्रॉनिक्स ऑफ/ऑन करें।
3. फॉल्ट दोबारा आए तो बोगी आइसोलेशन
   स्विच से बोगी 1 आइसोलेट करें।
4. आधी पावर से चलाएँ; TLC को सूचित करें।
</translation>
    </message>
    <message>
        <source>CONVERTER CONTACTOR STUCK OFF</source>
        <translation>कन्वर्टर कॉन्टैक्टर ऑफ में अटका</translation>
    </message>
    <message>
        <source>Converter 1 not available</source>
        <translation>कन्वर्टर 1 उपलब्ध नहीं</translation>
    </message>
    <message>
        <source>Only half power available F0202P1</source>
        <translation>केवल आधी पावर उपलब्ध F0202P1</translation>
    </message>
    <message>
        <source>1. Continue with half power on bogie 2.
2. At a halt, switch electronics OFF/ON.
3. If the fault repeats, isolate bogie 1
   with the bogie isolation switch.
4. Inform TLC and record in the logbook.
</source>
        <translation>1. बोगी 2 पर आधी पावर से चलाते रहें।
2. रुकने पर इलेक्ट्रॉनिक्स ऑफ/ऑन करें।
3. फॉल्ट दोबारा आए तो बोगी आइसोलेशन
   स्विच से बोगी 1 आइसोलेट करें।
4. TLC को सूचित करें, लॉगबुक में लिखें।
</translation>
    </message>
    <message>
        <source>not used</source>
        <translation>उपयोग में नहीं</translation>
    </message>
    <message>
        <source>F0203P1</source>
        <translation>F0203P1</translation>
    </message>
    <message>
        <source>F0204P1</source>
        <translation>F0204P1</translation>
    </message>
    <message>
        <source>CONVERTER 1 COOLANT TEMPERATURE TOO HIGH</source>
        <translation>कन्वर्टर 1 कूलेंट तापमान बहुत अधिक</translation>
    </message>
    <message>
        <source>TE/BE of bogie 1 reduced</source>
        <translation>बोगी 1 का TE/BE कम किया गया</translation>
    </message>
    <message>
        <source>Check oil cooler blower 1 F0205P1</source>
        <translation>ऑयल कूलर ब्लोअर 1 जाँचें F0205P1</translation>
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
        <translation>1. TE कम करें और सावधानी से चलाएँ।
2. देखें कि ऑयल कूलर ब्लोअर 1 चल
   रहा है।
3. HB1 में ऑयल कूलर ब्लोअर 1 का MCB
   देखें; ट्रिप हो तो एक बार रीसेट करें।
4. अगले स्टॉप पर कन्वर्टर 1 का कूलेंट
   लेवल जाँचें।
</translation>
    </message>
    <message>
        <source>5. Let the converter cool with VCB
   closed and no traction.
6. If the fault repeats, isolate bogie 1
   and work with half power.
7. Inform TLC and record in the logbook.
</source>
        <translation>5. VCB क्लोज़ रखकर बिना ट्रैक्शन
   कन्वर्टर को ठंडा होने दें।
6. फॉल्ट दोबारा आए तो बोगी 1 आइसोलेट
   करें, आधी पावर से चलाएँ।
7. TLC को सूचित करें, लॉगबुक में लिखें।
</translation>
    </message>
    <message>
        <source>CONVERTER 1 COOLANT PRESSURE NOT OK</source>
        <translation>कन्वर्टर 1 कूलेंट प्रेशर ठीक नहीं</translation>
    </message>
    <message>
        <source>Check coolant level</source>
        <translation>कूलेंट लेवल जाँचें</translation>
    </message>
    <message>
        <source>Try to close the VCB again F0206P1</source>
        <translation>VCB फिर से क्लोज़ करके देखें F0206P1</translation>
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
        <translation>1. कोस्ट करके ब्लॉक सेक्शन पार करें।
2. उचित स्थान पर गाड़ी रोकें।
3. मशीन रूम में कन्वर्टर 1 का कूलेंट
   लेवल जाँचें।
4. HB1 में कन्वर्टर 1 ऑयल पंप का MCB
   जाँचें; ट्रिप हो तो ऑन करें।
5. इलेक्ट्रॉनिक्स ऑफ/ऑन करें।
6. पैंटो उठाएँ और VCB फिर से क्लोज़
   करके देखें।
</translation>
    </message>
    <message>
        <source>7. If the fault repeats, isolate bogie 1
   with the bogie isolation switch and
   work with half power.
8. Inform TLC/shed and record in the
   logbook.
</source>
        <translation>7. फॉल्ट दोबारा आए तो बोगी आइसोलेशन
   स्विच से बोगी 1 आइसोलेट करें और
   आधी पावर से चलाएँ।
8. TLC/शेड को सूचित करें, लॉगबुक में
   लिखें।
</translation>
    </message>
    <message>
        <source>TRACTION MOTOR TEMPERATURE TOO HIGH</source>
        <translation>ट्रैक्शन मोटर तापमान बहुत अधिक</translation>
    </message>
    <message>
        <source>Check TM blower 1 F0207P1</source>
        <translation>TM ब्लोअर 1 जाँचें F0207P1</translation>
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
        <translation>1. TE कम करें और सावधानी से चलाएँ।
2. देखें कि ट्रैक्शन मोटर ब्लोअर 1 चल
   रहा है।
3. HB1 में TM ब्लोअर 1 का MCB जाँचें;
   ट्रिप हो तो एक बार रीसेट करें।
4. फॉल्ट दोबारा आए तो बोगी 1 आइसोलेट
   करें; TLC को सूचित करें।
</translation>
    </message>
    <message>
        <source>F0208P1</source>
        <translation>F0208P1</translation>
    </message>
    <message>
        <source>SS03:Traction Bogie 2</source>
        <translation>SS03:ट्रैक्शन बोगी 2</translation>
    </message>
    <message>
        <source>DISTURBANCE IN CONVERTER 2</source>
        <translation>कन्वर्टर 2 में गड़बड़ी</translation>
    </message>
    <message>
        <source>Bogie 2 switched off</source>
        <translation>बोगी 2 ऑफ हुई</translation>
    </message>
    <message>
        <source>Switch electronics OFF/ON F0301P1</source>
        <translation>इलेक्ट्रॉनिक्स ऑफ/ऑन करें F0301P1</translation>
    </message>
    <message>
        <source>1. Continue with bogie 1 if possible.
2. At a halt, switch electronics OFF/ON.
3. If the fault repeats, isolate bogie 2
   with the bogie isolation switch.
4. Work with half power; inform TLC.
</source>
        <translation>1. संभव हो तो बोगी 1 से चलाते रहें।
2. रुकने पर इलेक्ट्रॉनिक्स ऑफ/ऑन करें।
3. फॉल्ट दोबारा आए तो बोगी आइसोलेशन
   स्विच से बोगी 2 आइसोलेट करें।
4. आधी पावर से चलाएँ; TLC को सूचित करें।
</translation>
    </message>
    <message>
        <source>Converter 2 not available</source>
        <translation>कन्वर्टर 2 उपलब्ध नहीं</translation>
    </message>
    <message>
        <source>Only half power available F0302P1</source>
        <translation>केवल आधी पावर उपलब्ध F0302P1</translation>
    </message>
    <message>
        <source>1. Continue with half power on bogie 1.
2. At a halt, switch electronics OFF/ON.
3. If the fault repeats, isolate bogie 2
   with the bogie isolation switch.
4. Inform TLC and record in the logbook.
</source>
        <translation>1. बोगी 1 पर आधी पावर से चलाते रहें।
2. रुकने पर इलेक्ट्रॉनिक्स ऑफ/ऑन करें।
3. फॉल्ट दोबारा आए तो बोगी आइसोलेशन
   स्विच से बोगी 2 आइसोलेट करें।
4. TLC को सूचित करें, लॉगबुक में लिखें।
</translation>
    </message>
    <message>
        <source>F0304P1</source>
        <translation>F0304P1</translation>
    </message>
    <message>
        <source>CONVERTER 2 COOLANT TEMPERATURE TOO HIGH</source>
        <translation>कन्वर्टर 2 कूलेंट तापमान बहुत अधिक</translation>
    </message>
    <message>
        <source>TE/BE of bogie 2 reduced</source>
        <translation>बोगी 2 का TE/BE कम किया गया</translation>
    </message>
    <message>
        <source>Check oil cooler blower 2 F0305P1</source>
        <translation>ऑयल कूलर ब्लोअर 2 जाँचें F0305P1</translation>
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
        <translation>1. TE कम करें और सावधानी से चलाएँ।
2. देखें कि ऑयल कूलर ब्लोअर 2 चल
   रहा है।
3. HB2 में ऑयल कूलर ब्लोअर 2 का MCB
   देखें; ट्रिप हो तो एक बार रीसेट करें।
4. अगले स्टॉप पर कन्वर्टर 2 का कूलेंट
   लेवल जाँचें।
</translation>
    </message>
    <message>
        <source>5. Let the converter cool with VCB
   closed and no traction.
6. If the fault repeats, isolate bogie 2
   and work with half power.
7. Inform TLC and record in the logbook.
</source>
        <translation>5. VCB क्लोज़ रखकर बिना ट्रैक्शन
   कन्वर्टर को ठंडा होने दें।
6. फॉल्ट दोबारा आए तो बोगी 2 आइसोलेट
   करें, आधी पावर से चलाएँ।
7. TLC को सूचित करें, लॉगबुक में लिखें।
</translation>
    </message>
    <message>
        <source>CONVERTER 2 COOLANT PRESSURE NOT OK</source>
        <translation>कन्वर्टर 2 कूलेंट प्रेशर ठीक नहीं</translation>
    </message>
    <message>
        <source>Try to close the VCB again F0306P1</source>
        <translation>VCB फिर से क्लोज़ करके देखें F0306P1</translation>
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
        <translation>1. कोस्ट करके ब्लॉक सेक्शन पार करें।
2. उचित स्थान पर गाड़ी रोकें।
3. मशीन रूम में कन्वर्टर 2 का कूलेंट
   लेवल जाँचें।
4. HB2 में कन्वर्टर 2 ऑयल पंप का MCB
   जाँचें; ट्रिप हो तो ऑन करें।
5. इलेक्ट्रॉनिक्स ऑफ/ऑन करें।
6. पैंटो उठाएँ और VCB फिर से क्लोज़
   करके देखें।
</translation>
    </message>
    <message>
        <source>7. If the fault repeats, isolate bogie 2
   with the bogie isolation switch and
   work with half power.
8. Inform TLC/shed and record in the
   logbook.
</source>
        <translation>7. फॉल्ट दोबारा आए तो बोगी आइसोलेशन
   स्विच से बोगी 2 आइसोलेट करें और
   आधी पावर से चलाएँ।
8. TLC/शेड को सूचित करें, लॉगबुक में
   लिखें।
</translation>
    </message>
    <message>
        <source>F0307P1</source>
        <translation>F0307P1</translation>
    </message>
    <message>
        <source>F0308P1</source>
        <translation>F0308P1</translation>
    </message>
    <message>
        <source>SS04:Harmonic Filter</source>
        <translation>SS04:हार्मोनिक फ़िल्टर</translation>
    </message>
    <message>
        <source>HARMONIC FILTER CURRENT TOO HIGH</source>
        <translation>हार्मोनिक फ़िल्टर करंट बहुत अधिक</translation>
    </message>
    <message>
        <source>Isolate filter if repeated F0401P1</source>
        <translation>दोबारा हो तो फ़िल्टर आइसोलेट करें F0401P1</translation>
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
        <translation>1. कोस्ट करें और VCB एक बार और
   क्लोज़ करें।
2. VCB दोबारा ओपन हो तो रुकें, हार्मोनिक
   फ़िल्टर रोटरी स्विच से आइसोलेट करें।
3. VCB क्लोज़ करें; तब अधिकतम अनुमत गति
   40 km/h है।
4. TLC को सूचित करें, लॉगबुक में लिखें।
</translation>
    </message>
    <message>
        <source>HARM. FILTER CONTACTOR(S) STUCK OFF/ON</source>
        <translation>हार्म. फ़िल्टर कॉन्टैक्टर ऑफ/ऑन में अटका</translation>
    </message>
    <message>
        <source>Harmonic filter not available</source>
        <translation>हार्मोनिक फ़िल्टर उपलब्ध नहीं</translation>
    </message>
    <message>
        <source>Max speed 40 km/h F0402P1</source>
        <translation>अधिकतम गति 40 km/h F0402P1</translation>
    </message>
    <message>
        <source>1. Restrict the speed to 40 km/h.
2. At a halt, switch electronics OFF/ON.
3. If the fault stays, isolate the
   harmonic filter with its rotary
   switch.
4. Inform TLC and record in the logbook.
</source>
        <translation>1. गति 40 km/h तक सीमित रखें।
2. रुकने पर इलेक्ट्रॉनिक्स ऑफ/ऑन करें।
3. फॉल्ट बना रहे तो हार्मोनिक फ़िल्टर
   को उसके रोटरी स्विच से आइसोलेट
   करें।
4. TLC को सूचित करें, लॉगबुक में लिखें।
</translation>
    </message>
    <message>
        <source>FILTER DISCHARGE RESISTOR TOO HOT</source>
        <translation>फ़िल्टर डिस्चार्ज रेज़िस्टर बहुत गर्म</translation>
    </message>
    <message>
        <source>Avoid frequent VCB closing</source>
        <translation>VCB बार-बार क्लोज़ न करें</translation>
    </message>
    <message>
        <source>Wait before VCB ON F0404P1</source>
        <translation>VCB ऑन से पहले रुकें F0404P1</translation>
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
        <translation>1. VCB बार-बार ओपन और क्लोज़ न करें।
2. VCB दोबारा क्लोज़ करने से पहले
   10 मिनट रुकें।
3. संदेश दोबारा आए तो हार्मोनिक फ़िल्टर
   आइसोलेट करें; तब अधिकतम गति
   40 km/h है।
4. TLC को सूचित करें।
</translation>
    </message>
    <message>
        <source>EARTH FAULT IN HOTEL LOAD CIRCUIT</source>
        <translation>होटल लोड सर्किट में अर्थ फॉल्ट</translation>
    </message>
    <message>
        <source>Hotel load switched off</source>
        <translation>होटल लोड ऑफ हो गया</translation>
    </message>
    <message>
        <source>Inform TLC F0503P1</source>
        <translation>TLC को सूचित करें F0503P1</translation>
    </message>
    <message>
        <source>OVERCURRENT IN HOTEL LOAD CIRCUIT</source>
        <translation>होटल लोड सर्किट में ओवरकरंट</translation>
    </message>
    <message>
        <source>Inform TLC F0504P1</source>
        <translation>TLC को सूचित करें F0504P1</translation>
    </message>
    <message>
        <source>SS06:Aux.converter 1</source>
        <translation>SS06:AUX कन्वर्टर 1</translation>
    </message>
    <message>
        <source>DISTURBANCE IN PROCESSOR AUX1</source>
        <translation>प्रोसेसर AUX1 में गड़बड़ी</translation>
    </message>
    <message>
        <source>Aux. converter 1 not available</source>
        <translation>AUX कन्वर्टर 1 उपलब्ध नहीं</translation>
    </message>
    <message>
        <source>Switch electronics OFF/ON F0601P1</source>
        <translation>इलेक्ट्रॉनिक्स ऑफ/ऑन करें F0601P1</translation>
    </message>
    <message>
        <source>1. Continue; the other aux. converters
   take over.
2. At a halt, switch electronics OFF/ON.
3. If the fault repeats, isolate aux.
   converter 1.
4. Inform TLC and record in the logbook.
</source>
        <translation>1. चलाते रहें; बाकी AUX कन्वर्टर
   काम सँभाल लेते हैं।
2. रुकने पर इलेक्ट्रॉनिक्स ऑफ/ऑन करें।
3. फॉल्ट दोबारा आए तो AUX कन्वर्टर 1
   आइसोलेट करें।
4. TLC को सूचित करें, लॉगबुक में लिखें।
</translation>
    </message>
    <message>
        <source>FAULT IN AUXILIARY CONVERTER 1</source>
        <translation>ऑक्ज़िलियरी कन्वर्टर 1 में फॉल्ट</translation>
    </message>
    <message>
        <source>Aux. converter 1 switched off</source>
        <translation>AUX कन्वर्टर 1 ऑफ हो गया</translation>
    </message>
    <message>
        <source>Driving still possible F0602P1</source>
        <translation>गाड़ी चलाना अभी भी संभव F0602P1</translation>
    </message>
    <message>
        <source>1. Continue; the blowers run at reduced
   level.
2. Close VCB again if it opened.
3. If the fault repeats, isolate aux.
   converter 1.
4. Inform TLC and record in the logbook.
</source>
        <translation>1. चलाते रहें; ब्लोअर कम लेवल पर
   चलते हैं।
2. VCB ओपन हुआ हो तो फिर से क्लोज़ करें।
3. फॉल्ट दोबारा आए तो AUX कन्वर्टर 1
   आइसोलेट करें।
4. TLC को सूचित करें, लॉगबुक में लिखें।
</translation>
    </message>
    <message>
        <source>CONTACTOR FAULT IN AUX1 or HB1</source>
        <translation>AUX1 या HB1 में कॉन्टैक्टर फॉल्ट</translation>
    </message>
    <message>
        <source>Aux. converter 1 may be off</source>
        <translation>AUX कन्वर्टर 1 ऑफ हो सकता है</translation>
    </message>
    <message>
        <source>Check MCBs in HB1 F0603P1</source>
        <translation>HB1 के MCB जाँचें F0603P1</translation>
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
        <translation>1. चलाते रहें; बाकी AUX कन्वर्टर
   काम सँभाल लेते हैं।
2. HB1 के MCB जाँचें; ट्रिप हो तो एक
   बार रीसेट करें।
3. रुकने पर इलेक्ट्रॉनिक्स ऑफ/ऑन करें।
4. फॉल्ट दोबारा आए तो AUX कन्वर्टर 1
   आइसोलेट करें; TLC को सूचित करें।
</translation>
    </message>
    <message>
        <source>F0604P1</source>
        <translation>F0604P1</translation>
    </message>
    <message>
        <source>SS07:Aux.converter 2</source>
        <translation>SS07:AUX कन्वर्टर 2</translation>
    </message>
    <message>
        <source>DISTURBANCE IN PROCESSOR AUX2</source>
        <translation>प्रोसेसर AUX2 में गड़बड़ी</translation>
    </message>
    <message>
        <source>Aux. converter 2 not available</source>
        <translation>AUX कन्वर्टर 2 उपलब्ध नहीं</translation>
    </message>
    <message>
        <source>Switch electronics OFF/ON F0701P1</source>
        <translation>इलेक्ट्रॉनिक्स ऑफ/ऑन करें F0701P1</translation>
    </message>
    <message>
        <source>1. Continue; the other aux. converters
   take over.
2. At a halt, switch electronics OFF/ON.
3. If the fault repeats, isolate aux.
   converter 2.
4. Inform TLC and record in the logbook.
</source>
        <translation>1. चलाते रहें; बाकी AUX कन्वर्टर
   काम सँभाल लेते हैं।
2. रुकने पर इलेक्ट्रॉनिक्स ऑफ/ऑन करें।
3. फॉल्ट दोबारा आए तो AUX कन्वर्टर 2
   आइसोलेट करें।
4. TLC को सूचित करें, लॉगबुक में लिखें।
</translation>
    </message>
    <message>
        <source>FAULT IN AUXILIARY CONVERTER 2</source>
        <translation>ऑक्ज़िलियरी कन्वर्टर 2 में फॉल्ट</translation>
    </message>
    <message>
        <source>Aux. converter 2 switched off</source>
        <translation>AUX कन्वर्टर 2 ऑफ हो गया</translation>
    </message>
    <message>
        <source>Driving still possible F0702P1</source>
        <translation>गाड़ी चलाना अभी भी संभव F0702P1</translation>
    </message>
    <message>
        <source>1. Continue; the blowers run at reduced
   level.
2. Close VCB again if it opened.
3. If the fault repeats, isolate aux.
   converter 2.
4. Inform TLC and record in the logbook.
</source>
        <translation>1. चलाते रहें; ब्लोअर कम लेवल पर
   चलते हैं।
2. VCB ओपन हुआ हो तो फिर से क्लोज़ करें।
3. फॉल्ट दोबारा आए तो AUX कन्वर्टर 2
   आइसोलेट करें।
4. TLC को सूचित करें, लॉगबुक में लिखें।
</translation>
    </message>
    <message>
        <source>CONTACTOR FAULT IN AUX.CONV. BOX2 or HB2</source>
        <translation>AUX कन्व. बॉक्स 2 या HB2 में कॉन्टैक्टर फॉल्ट</translation>
    </message>
    <message>
        <source>Aux. converter 2 may be off</source>
        <translation>AUX कन्वर्टर 2 ऑफ हो सकता है</translation>
    </message>
    <message>
        <source>Check MCBs in HB2 F0703P1</source>
        <translation>HB2 के MCB जाँचें F0703P1</translation>
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
        <translation>1. चलाते रहें; बाकी AUX कन्वर्टर
   काम सँभाल लेते हैं।
2. HB2 के MCB जाँचें; ट्रिप हो तो एक
   बार रीसेट करें।
3. रुकने पर इलेक्ट्रॉनिक्स ऑफ/ऑन करें।
4. फॉल्ट दोबारा आए तो AUX कन्वर्टर 2
   आइसोलेट करें; TLC को सूचित करें।
</translation>
    </message>
    <message>
        <source>F0704P1</source>
        <translation>F0704P1</translation>
    </message>
    <message>
        <source>SS08:Aux.converter 3</source>
        <translation>SS08:AUX कन्वर्टर 3</translation>
    </message>
    <message>
        <source>DISTURBANCE IN PROCESSOR AUX3</source>
        <translation>प्रोसेसर AUX3 में गड़बड़ी</translation>
    </message>
    <message>
        <source>Aux. converter 3 not available</source>
        <translation>AUX कन्वर्टर 3 उपलब्ध नहीं</translation>
    </message>
    <message>
        <source>Switch electronics OFF/ON F0801P1</source>
        <translation>इलेक्ट्रॉनिक्स ऑफ/ऑन करें F0801P1</translation>
    </message>
    <message>
        <source>1. Continue; the other aux. converters
   take over.
2. At a halt, switch electronics OFF/ON.
3. If the fault repeats, isolate aux.
   converter 3.
4. Inform TLC and record in the logbook.
</source>
        <translation>1. चलाते रहें; बाकी AUX कन्वर्टर
   काम सँभाल लेते हैं।
2. रुकने पर इलेक्ट्रॉनिक्स ऑफ/ऑन करें।
3. फॉल्ट दोबारा आए तो AUX कन्वर्टर 3
   आइसोलेट करें।
4. TLC को सूचित करें, लॉगबुक में लिखें।
</translation>
    </message>
    <message>
        <source>FAULT IN AUXILIARY CONVERTER 3</source>
        <translation>ऑक्ज़िलियरी कन्वर्टर 3 में फॉल्ट</translation>
    </message>
    <message>
        <source>Aux. converter 3 switched off</source>
        <translation>AUX कन्वर्टर 3 ऑफ हो गया</translation>
    </message>
    <message>
        <source>Driving still possible F0802P1</source>
        <translation>गाड़ी चलाना अभी भी संभव F0802P1</translation>
    </message>
    <message>
        <source>1. Continue; the blowers run at reduced
   level.
2. Close VCB again if it opened.
3. If the fault repeats, isolate aux.
   converter 3.
4. Inform TLC and record in the logbook.
</source>
        <translation>1. चलाते रहें; ब्लोअर कम लेवल पर
   चलते हैं।
2. VCB ओपन हुआ हो तो फिर से क्लोज़ करें।
3. फॉल्ट दोबारा आए तो AUX कन्वर्टर 3
   आइसोलेट करें।
4. TLC को सूचित करें, लॉगबुक में लिखें।
</translation>
    </message>
    <message>
        <source>CONTACTOR FAULT IN AUX.CONVERTER BOX 3</source>
        <translation>AUX कन्वर्टर बॉक्स 3 में कॉन्टैक्टर फॉल्ट</translation>
    </message>
    <message>
        <source>Aux. converter 3 may be off</source>
        <translation>AUX कन्वर्टर 3 ऑफ हो सकता है</translation>
    </message>
    <message>
        <source>Check MCBs in HB1 and HB2 F0803P1</source>
        <translation>HB1 और HB2 के MCB जाँचें F0803P1</translation>
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
        <translation>1. चलाते रहें; बाकी AUX कन्वर्टर
   काम सँभाल लेते हैं।
2. HB1 और HB2 के MCB जाँचें; ट्रिप हो
   तो एक बार रीसेट करें।
3. रुकने पर इलेक्ट्रॉनिक्स ऑफ/ऑन करें।
4. फॉल्ट दोबारा आए तो AUX कन्वर्टर 3
   आइसोलेट करें; TLC को सूचित करें।
</translation>
    </message>
    <message>
        <source>SS09:Battery System</source>
        <translation>SS09:बैटरी सिस्टम</translation>
    </message>
    <message>
        <source>SS09:Battery system</source>
        <translation>SS09:बैटरी सिस्टम</translation>
    </message>
    <message>
        <source>BATTERY VOLTAGE TOO LOW</source>
        <translation>बैटरी वोल्टेज बहुत कम</translation>
    </message>
    <message>
        <source>Loco may shut down</source>
        <translation>लोको ऑफ हो सकता है</translation>
    </message>
    <message>
        <source>Check battery charger F0901P1</source>
        <translation>बैटरी चार्जर जाँचें F0901P1</translation>
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
        <translation>1. जो ज़रूरी नहीं, वे सभी लोड ऑफ करें:
   कैब हीटर, स्पॉट लाइट।
2. बैटरी चार्जर MCB जाँचें; ट्रिप हो तो
   ऑन करें।
3. VCB क्लोज़ रखें ताकि चार्जर काम
   करे।
4. TLC को सूचित करें; वोल्टेज गिरता
   रहे तो सहायता माँगें।
</translation>
    </message>
    <message>
        <source>LOW BATTERY VOLTAGE</source>
        <translation>बैटरी वोल्टेज कम</translation>
    </message>
    <message>
        <source>Battery voltage is low</source>
        <translation>बैटरी वोल्टेज कम है</translation>
    </message>
    <message>
        <source>Check battery charger F0902P1</source>
        <translation>बैटरी चार्जर जाँचें F0902P1</translation>
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
        <translation>1. कैब में बैटरी वोल्टमीटर
   देखें।
2. बैटरी चार्जर MCB जाँचें; ट्रिप हो तो
   ऑन करें।
3. VCB क्लोज़ रखें ताकि चार्जर काम
   करे।
4. TLC को सूचित करें, लॉगबुक में लिखें।
</translation>
    </message>
    <message>
        <source>PAN LOWERED LONGER THAN 10 MINUTES</source>
        <translation>पैंटो 10 मिनट से अधिक नीचे रहा</translation>
    </message>
    <message>
        <source>Battery is discharging</source>
        <translation>बैटरी डिस्चार्ज हो रही है</translation>
    </message>
    <message>
        <source>Raise panto or switch off F0903P1</source>
        <translation>पैंटो उठाएँ या लोको ऑफ करें F0903P1</translation>
    </message>
    <message>
        <source>1. Raise panto and close VCB to charge
   the battery.
2. If the loco is not needed, switch it
   off with the BL key.
3. Do not leave the loco with panto down
   and electronics ON.
</source>
        <translation>1. बैटरी चार्ज करने के लिए पैंटो उठाएँ
   और VCB क्लोज़ करें।
2. लोको की ज़रूरत न हो तो BL चाबी से
   उसे ऑफ करें।
3. पैंटो नीचे और इलेक्ट्रॉनिक्स ऑन
   रखकर लोको न छोड़ें।
</translation>
    </message>
    <message>
        <source>SS10:Brake System</source>
        <translation>SS10:ब्रेक सिस्टम</translation>
    </message>
    <message>
        <source>SS10:Brake system</source>
        <translation>SS10:ब्रेक सिस्टम</translation>
    </message>
    <message>
        <source>FAULT IN BRAKE ELECTRONICS</source>
        <translation>ब्रेक इलेक्ट्रॉनिक्स में फॉल्ट</translation>
    </message>
    <message>
        <source>Brake control may be disturbed</source>
        <translation>ब्रेक नियंत्रण में गड़बड़ी संभव</translation>
    </message>
    <message>
        <source>Switch electronics OFF/ON F1001P1</source>
        <translation>इलेक्ट्रॉनिक्स ऑफ/ऑन करें F1001P1</translation>
    </message>
    <message>
        <source>1. Coast and control the train with the
   automatic brake.
2. Stop at a suitable place and switch
   electronics OFF/ON.
3. Test the brakes before moving.
4. If the fault stays, inform TLC.
</source>
        <translation>1. कोस्ट करें और ऑटोमैटिक ब्रेक से
   गाड़ी नियंत्रित करें।
2. उचित स्थान पर रुकें और इलेक्ट्रॉनिक्स
   ऑफ/ऑन करें।
3. चलने से पहले ब्रेक टेस्ट करें।
4. फॉल्ट बना रहे तो TLC को सूचित करें।
</translation>
    </message>
    <message>
        <source>LOW PRESSURE MAIN RESERVOIR</source>
        <translation>मेन रिज़र्वायर प्रेशर कम</translation>
    </message>
    <message>
        <source>Traction may be switched off</source>
        <translation>ट्रैक्शन ऑफ हो सकता है</translation>
    </message>
    <message>
        <source>Check compressors F1002P1</source>
        <translation>कंप्रेसर जाँचें F1002P1</translation>
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
        <translation>1. थ्रॉटल 0 पर लाएँ और गाड़ी सुरक्षित
   रूप से रोकें।
2. कैब में MR प्रेशर गेज
   देखें।
3. देखें कि दोनों कंप्रेसर चल
   रहे हैं।
4. HB1 और HB2 में कंप्रेसर MCB जाँचें;
   ट्रिप हो तो एक बार रीसेट करें।
</translation>
    </message>
    <message>
        <source>5. Check for air leakage from pipes,
   cocks and hoses.
6. Wait until MR pressure is normal
   before moving.
7. If the pressure does not build up,
   inform TLC.
</source>
        <translation>5. पाइप, कॉक और होज़ से हवा का रिसाव
   देखें।
6. चलने से पहले MR प्रेशर सामान्य होने
   तक रुकें।
7. प्रेशर न बने तो TLC को सूचित
   करें।
</translation>
    </message>
    <message>
        <source>VIGILANCE EMERGENCY BRAKE APPLICATION</source>
        <translation>विजिलेंस इमरजेंसी ब्रेक लगा</translation>
    </message>
    <message>
        <source>Emergency brake applied</source>
        <translation>इमरजेंसी ब्रेक लगा</translation>
    </message>
    <message>
        <source>Reset vigilance F1003P1</source>
        <translation>विजिलेंस रीसेट करें F1003P1</translation>
    </message>
    <message>
        <source>1. Bring throttle to 0 position.
2. Wait until the train stands still.
3. Press the vigilance pushbutton or
   foot switch to reset.
4. Move the automatic brake handle to
   emergency, then to release.
</source>
        <translation>1. थ्रॉटल 0 स्थिति पर लाएँ।
2. गाड़ी पूरी तरह रुकने तक रुकें।
3. रीसेट के लिए विजिलेंस पुशबटन या
   फ़ुट स्विच दबाएँ।
4. ऑटोमैटिक ब्रेक हैंडल इमरजेंसी पर,
   फिर रिलीज़ पर करें।
</translation>
    </message>
    <message>
        <source>5. Wait until BP pressure is 5 kg/cm2
   again.
6. Acknowledge the vigilance regularly
   while driving.
7. Inform TLC and record in the logbook.
</source>
        <translation>5. BP प्रेशर फिर से 5 kg/cm2 होने तक
   रुकें।
6. चलाते समय विजिलेंस नियमित रूप से
   स्वीकार करें।
7. TLC को सूचित करें, लॉगबुक में लिखें।
</translation>
    </message>
    <message>
        <source>WRONG CONFIGURATION BRAKE SYSTEM</source>
        <translation>ब्रेक सिस्टम का गलत कॉन्फ़िगरेशन</translation>
    </message>
    <message>
        <source>Check brake cocks and handles</source>
        <translation>ब्रेक कॉक और हैंडल जाँचें</translation>
    </message>
    <message>
        <source>Traction not possible F1004P1</source>
        <translation>ट्रैक्शन संभव नहीं F1004P1</translation>
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
        <translation>1. दोनों कैब के ब्रेक हैंडल जाँचें; पीछे
   की कैब में वे आइसोलेट होने
   चाहिए।
2. चलाने के मोड के लिए ब्रेक पैनल के
   कॉक जाँचें: सिंगल, MU या
   बैंकिंग।
3. थ्रॉटल 0 पर लाएँ और फिर सेट करें।
4. फॉल्ट बना रहे तो TLC को सूचित करें।
</translation>
    </message>
    <message>
        <source>TRACTION WITH AUTO BRAKES NOT ALLOWED</source>
        <translation>ऑटो ब्रेक लगे रहते ट्रैक्शन की अनुमति नहीं</translation>
    </message>
    <message>
        <source>Release the automatic brakes</source>
        <translation>ऑटो ब्रेक रिलीज़ करें</translation>
    </message>
    <message>
        <source>Then set throttle again F1005P1</source>
        <translation>फिर थ्रॉटल दोबारा सेट करें F1005P1</translation>
    </message>
    <message>
        <source>1. Bring throttle to 0 position.
2. Release the automatic brake and wait
   for BP 5 kg/cm2.
3. Set the throttle again.
</source>
        <translation>1. थ्रॉटल 0 स्थिति पर लाएँ।
2. ऑटोमैटिक ब्रेक रिलीज़ करें और BP
   5 kg/cm2 होने तक रुकें।
3. थ्रॉटल फिर से सेट करें।
</translation>
    </message>
    <message>
        <source>TRACTION WITH PARKING BRAKES NOT ALLOWED</source>
        <translation>पार्किंग ब्रेक लगे रहते ट्रैक्शन की अनुमति नहीं</translation>
    </message>
    <message>
        <source>Release the parking brake</source>
        <translation>पार्किंग ब्रेक रिलीज़ करें</translation>
    </message>
    <message>
        <source>Then set throttle again F1006P1</source>
        <translation>फिर थ्रॉटल दोबारा सेट करें F1006P1</translation>
    </message>
    <message>
        <source>1. Bring throttle to 0 position.
2. Release the parking brake with its
   pushbutton; check the indication.
3. Set the throttle again.
4. If the parking brake does not
   release, inform TLC.
</source>
        <translation>1. थ्रॉटल 0 स्थिति पर लाएँ।
2. पार्किंग ब्रेक उसके पुशबटन से रिलीज़
   करें; संकेत जाँचें।
3. थ्रॉटल फिर से सेट करें।
4. पार्किंग ब्रेक रिलीज़ न हो तो TLC को
   सूचित करें।
</translation>
    </message>
    <message>
        <source>REGENERATIVE BRAKE FAILURE</source>
        <translation>रीजनरेटिव ब्रेक फेल</translation>
    </message>
    <message>
        <source>Electric brake not available</source>
        <translation>इलेक्ट्रिक ब्रेक उपलब्ध नहीं</translation>
    </message>
    <message>
        <source>Use pneumatic brakes F1007P1</source>
        <translation>न्यूमैटिक ब्रेक का उपयोग करें F1007P1</translation>
    </message>
    <message>
        <source>1. Control the train with the automatic
   brake.
2. Keep a lower speed on falling
   gradients.
3. At a halt, switch electronics OFF/ON.
4. Inform TLC and record in the logbook.
</source>
        <translation>1. ऑटोमैटिक ब्रेक से गाड़ी नियंत्रित
   करें।
2. ढलान पर कम गति
   रखें।
3. रुकने पर इलेक्ट्रॉनिक्स ऑफ/ऑन करें।
4. TLC को सूचित करें, लॉगबुक में लिखें।
</translation>
    </message>
    <message>
        <source>EMERGENCY STOP; SHUTDOWN ON THE LOCO</source>
        <translation>इमरजेंसी स्टॉप; लोको शटडाउन</translation>
    </message>
    <message>
        <source>Emergency stop button pressed</source>
        <translation>इमरजेंसी स्टॉप बटन दबाया गया</translation>
    </message>
    <message>
        <source>Check the reason F1008P1</source>
        <translation>कारण जाँचें F1008P1</translation>
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
        <translation>1. पता करें कि इमरजेंसी स्टॉप क्यों
   दबाया गया और स्थान सुरक्षित करें।
2. नियम के अनुसार गाड़ी का संरक्षण करें,
   TLC को सूचित करें।
3. इमरजेंसी स्टॉप पुशबटन रिलीज़ करें।
4. इलेक्ट्रॉनिक्स ऑफ/ऑन करें, पैंटो
   उठाएँ और VCB क्लोज़ करें।
5. चलने से पहले ब्रेक टेस्ट करें;
   लॉगबुक में लिखें।
</translation>
    </message>
    <message>
        <source>TRACTION NOT ALLOWED WITH APPLIED BRAKES</source>
        <translation>ब्रेक लगे रहते ट्रैक्शन की अनुमति नहीं</translation>
    </message>
    <message>
        <source>Release brakes before traction</source>
        <translation>ट्रैक्शन से पहले ब्रेक रिलीज़ करें</translation>
    </message>
    <message>
        <source>Set throttle again F1009P1</source>
        <translation>थ्रॉटल दोबारा सेट करें F1009P1</translation>
    </message>
    <message>
        <source>1. Bring throttle to 0 position.
2. Release the automatic and the
   independent brakes.
3. Set the throttle again.
</source>
        <translation>1. थ्रॉटल 0 स्थिति पर लाएँ।
2. ऑटोमैटिक और इंडिपेंडेंट ब्रेक
   रिलीज़ करें।
3. थ्रॉटल फिर से सेट करें।
</translation>
    </message>
    <message>
        <source>EMG EXHAUST COCK CLOSED, NO TRACTION</source>
        <translation>EMG एग्ज़ॉस्ट कॉक बंद, ट्रैक्शन नहीं</translation>
    </message>
    <message>
        <source>Open isolating cock of EMG exhaust valve</source>
        <translation>EMG एग्ज़ॉस्ट वाल्व का आइसोलेटिंग कॉक खोलें</translation>
    </message>
    <message>
        <source>Then set throttle again F1010P1</source>
        <translation>फिर थ्रॉटल दोबारा सेट करें F1010P1</translation>
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
        <translation>1. थ्रॉटल 0 पर लाएँ और गाड़ी रोकें।
2. इमरजेंसी एग्ज़ॉस्ट वाल्व का
   आइसोलेटिंग कॉक खोलें (हैंडल पाइप
   की सीध में)।
3. इमरजेंसी एग्ज़ॉस्ट वाल्व को ही न
   चलाएँ: उससे BP खाली हो जाता है।
4. BP 5 kg/cm2 होने तक रुकें, ब्रेक
   रिलीज़ करें और थ्रॉटल फिर सेट करें।
5. संदेश बना रहे तो TLC को सूचित करें।
</translation>
    </message>
    <message>
        <source>DISTURBANCE IN PROC. HBB!</source>
        <translation>प्रोसेसर HBB! में गड़बड़ी</translation>
    </message>
    <message>
        <source>Driving from Cab 1 still possible;</source>
        <translation>कैब 1 से चलाना अभी भी संभव;</translation>
    </message>
    <message>
        <source>Press BPFA. F1301P1</source>
        <translation>BPFA दबाएँ। F1301P1</translation>
    </message>
    <message>
        <source>1. Switch electronics OFF/ON, raise the
   pantograph and close the VCB.
2. If the fault persists, acknowledge it
   and drive from any cab.
</source>
        <translation>1. इलेक्ट्रॉनिक्स ऑफ/ऑन करें, पैंटो
   उठाएँ और VCB क्लोज़ करें।
2. फॉल्ट बना रहे तो उसे स्वीकार करें
   और किसी भी कैब से चलाएँ।
</translation>
    </message>
    <message>
        <source>DISTURBANCE IN PROC. STB1</source>
        <translation>प्रोसेसर STB1 में गड़बड़ी</translation>
    </message>
    <message>
        <source>Cab 1 desk may not work</source>
        <translation>कैब 1 डेस्क शायद काम न करे</translation>
    </message>
    <message>
        <source>Drive from Cab 2 F1302P1</source>
        <translation>कैब 2 से चलाएँ F1302P1</translation>
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
        <translation>1. रुकें और इलेक्ट्रॉनिक्स ऑफ/ऑन करें।
2. फॉल्ट बना रहे तो कैब 2 में
   जाएँ।
3. TLC को सूचित करें। कैब 2 पीछे हो तो
   आगे की कैब में लुक-आउट रखकर
   सीमित गति से चलाएँ।
4. लॉगबुक में लिखें।
</translation>
    </message>
    <message>
        <source>REVERSER DEFECTIVE</source>
        <translation>रिवर्सर खराब</translation>
    </message>
    <message>
        <source>Direction not recognised</source>
        <translation>दिशा पहचानी नहीं गई</translation>
    </message>
    <message>
        <source>Check reverser F1303P1</source>
        <translation>रिवर्सर जाँचें F1303P1</translation>
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
        <translation>1. थ्रॉटल 0 पर लाएँ और गाड़ी रोकें।
2. रिवर्सर 0 पर करें, फिर वांछित
   दिशा में करें।
3. फॉल्ट बना रहे तो इलेक्ट्रॉनिक्स
   ऑफ/ऑन करें।
4. फिर भी खराब हो तो कैब 2 से चलाएँ;
   वह पीछे हो तो: सीमित गति, आगे की
   कैब में लुक-आउट।
5. TLC को सूचित करें, लॉगबुक में लिखें।
</translation>
    </message>
    <message>
        <source>STB1 RIOM EXTENSION FAULT</source>
        <translation>STB1 RIOM एक्सटेंशन फॉल्ट</translation>
    </message>
    <message>
        <source>Some cab 1 signals not available</source>
        <translation>कैब 1 के कुछ सिग्नल उपलब्ध नहीं</translation>
    </message>
    <message>
        <source>Switch electronics OFF/ON F1304P1</source>
        <translation>इलेक्ट्रॉनिक्स ऑफ/ऑन करें F1304P1</translation>
    </message>
    <message>
        <source>1. At a halt, switch electronics OFF/ON.
2. If it persists, drive from cab 2; if
   it is at the rear: restricted speed,
   look-out in the leading cab.
3. Inform TLC and record in the logbook.
</source>
        <translation>1. रुकने पर इलेक्ट्रॉनिक्स ऑफ/ऑन करें।
2. बना रहे तो कैब 2 से चलाएँ; वह पीछे
   हो तो: सीमित गति, आगे की कैब में
   लुक-आउट।
3. TLC को सूचित करें, लॉगबुक में लिखें।
</translation>
    </message>
    <message>
        <source>HBB! RIOM EXTENSION FAULT</source>
        <translation>HBB! RIOM एक्सटेंशन फॉल्ट</translation>
    </message>
    <message>
        <source>Some HB1 signals not available</source>
        <translation>HB1 के कुछ सिग्नल उपलब्ध नहीं</translation>
    </message>
    <message>
        <source>Switch electronics OFF/ON F1305P1</source>
        <translation>इलेक्ट्रॉनिक्स ऑफ/ऑन करें F1305P1</translation>
    </message>
    <message>
        <source>1. Continue; check the auxiliaries of
   HB1.
2. At a halt, switch electronics OFF/ON.
3. Inform TLC and record in the logbook.
</source>
        <translation>1. चलाते रहें; HB1 की ऑक्ज़िलियरी
   जाँचें।
2. रुकने पर इलेक्ट्रॉनिक्स ऑफ/ऑन करें।
3. TLC को सूचित करें, लॉगबुक में लिखें।
</translation>
    </message>
    <message>
        <source>DISTURBANCE IN PROC. HBB2</source>
        <translation>प्रोसेसर HBB2 में गड़बड़ी</translation>
    </message>
    <message>
        <source>Driving from Cab 2 still possible;</source>
        <translation>कैब 2 से चलाना अभी भी संभव;</translation>
    </message>
    <message>
        <source>Press BPFA. F1401P1</source>
        <translation>BPFA दबाएँ। F1401P1</translation>
    </message>
    <message>
        <source>DISTURBANCE IN PROC. STB2</source>
        <translation>प्रोसेसर STB2 में गड़बड़ी</translation>
    </message>
    <message>
        <source>Cab 2 desk may not work</source>
        <translation>कैब 2 डेस्क शायद काम न करे</translation>
    </message>
    <message>
        <source>Drive from Cab 1 F1402P1</source>
        <translation>कैब 1 से चलाएँ F1402P1</translation>
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
        <translation>1. रुकें और इलेक्ट्रॉनिक्स ऑफ/ऑन करें।
2. फॉल्ट बना रहे तो कैब 1 में
   जाएँ।
3. TLC को सूचित करें। कैब 1 पीछे हो तो
   आगे की कैब में लुक-आउट रखकर
   सीमित गति से चलाएँ।
4. लॉगबुक में लिखें।
</translation>
    </message>
    <message>
        <source>Check reverser F1403P1</source>
        <translation>रिवर्सर जाँचें F1403P1</translation>
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
        <translation>1. थ्रॉटल 0 पर लाएँ और गाड़ी रोकें।
2. रिवर्सर 0 पर करें, फिर वांछित
   दिशा में करें।
3. फॉल्ट बना रहे तो इलेक्ट्रॉनिक्स
   ऑफ/ऑन करें।
4. फिर भी खराब हो तो कैब 1 से चलाएँ;
   वह पीछे हो तो: सीमित गति, आगे की
   कैब में लुक-आउट।
5. TLC को सूचित करें, लॉगबुक में लिखें।
</translation>
    </message>
    <message>
        <source>STB2 RIOM EXTENSION FAULT</source>
        <translation>STB2 RIOM एक्सटेंशन फॉल्ट</translation>
    </message>
    <message>
        <source>Some cab 2 signals not available</source>
        <translation>कैब 2 के कुछ सिग्नल उपलब्ध नहीं</translation>
    </message>
    <message>
        <source>Switch electronics OFF/ON F1404P1</source>
        <translation>इलेक्ट्रॉनिक्स ऑफ/ऑन करें F1404P1</translation>
    </message>
    <message>
        <source>1. At a halt, switch electronics OFF/ON.
2. If it persists, drive from cab 1; if
   it is at the rear: restricted speed,
   look-out in the leading cab.
3. Inform TLC and record in the logbook.
</source>
        <translation>1. रुकने पर इलेक्ट्रॉनिक्स ऑफ/ऑन करें।
2. बना रहे तो कैब 1 से चलाएँ; वह पीछे
   हो तो: सीमित गति, आगे की कैब में
   लुक-आउट।
3. TLC को सूचित करें, लॉगबुक में लिखें।
</translation>
    </message>
    <message>
        <source>HBB2 RIOM EXTENSION FAULT</source>
        <translation>HBB2 RIOM एक्सटेंशन फॉल्ट</translation>
    </message>
    <message>
        <source>Some HB2 signals not available</source>
        <translation>HB2 के कुछ सिग्नल उपलब्ध नहीं</translation>
    </message>
    <message>
        <source>Switch electronics OFF/ON F1405P1</source>
        <translation>इलेक्ट्रॉनिक्स ऑफ/ऑन करें F1405P1</translation>
    </message>
    <message>
        <source>1. Continue; check the auxiliaries of
   HB2.
2. At a halt, switch electronics OFF/ON.
3. Inform TLC and record in the logbook.
</source>
        <translation>1. चलाते रहें; HB2 की ऑक्ज़िलियरी
   जाँचें।
2. रुकने पर इलेक्ट्रॉनिक्स ऑफ/ऑन करें।
3. TLC को सूचित करें, लॉगबुक में लिखें।
</translation>
    </message>
    <message>
        <source>SS15:Fire Detection</source>
        <translation>SS15:आग पहचान</translation>
    </message>
    <message>
        <source>SS15:Fire detection</source>
        <translation>SS15:आग पहचान</translation>
    </message>
    <message>
        <source>FIRE IN MACHINE ROOM</source>
        <translation>मशीन रूम में आग</translation>
    </message>
    <message>
        <source>Stop the train at once</source>
        <translation>गाड़ी तुरंत रोकें</translation>
    </message>
    <message>
        <source>Open VCB, lower panto F1501P1</source>
        <translation>VCB ओपन करें, पैंटो नीचे करें F1501P1</translation>
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
        <translation>1. थ्रॉटल 0 पर लाएँ और गाड़ी रोकें;
   पुल पर या सुरंग में न रोकें।
2. VCB ओपन करें और पैंटो नीचे करें।
3. मशीन रूम का दरवाज़ा खोलने से पहले
   उसकी खिड़की से अंदर देखें।
4. अग्निशामक का उपयोग करें; बिजली के
   उपकरण पर कभी पानी न डालें।
</translation>
    </message>
    <message>
        <source>5. Protect the train as per rules.
6. Inform TLC and the station; ask for
   help.
7. Do not raise the panto until the fire
   is out and its cause is known.
</source>
        <translation>5. नियम के अनुसार गाड़ी का संरक्षण करें।
6. TLC और स्टेशन को सूचित करें; सहायता
   माँगें।
7. आग बुझने और उसका कारण पता होने तक
   पैंटो न उठाएँ।
</translation>
    </message>
    <message>
        <source>SS16 : Speedometer</source>
        <translation>SS16 : स्पीडोमीटर</translation>
    </message>
    <message>
        <source>SS16:Speedometer</source>
        <translation>SS16:स्पीडोमीटर</translation>
    </message>
    <message>
        <source>SPEED LIMIT EXCEEDED</source>
        <translation>गति सीमा पार हुई</translation>
    </message>
    <message>
        <source>Reduce speed immediately</source>
        <translation>गति तुरंत कम करें</translation>
    </message>
    <message>
        <source>Brakes may be applied F1601P1</source>
        <translation>ब्रेक लग सकते हैं F1601P1</translation>
    </message>
    <message>
        <source>1. Bring throttle to 0 and reduce the
   speed below the limit.
2. Use the brakes if needed.
3. Record in the logbook.
</source>
        <translation>1. थ्रॉटल 0 पर लाएँ और गति सीमा से
   नीचे लाएँ।
2. ज़रूरत हो तो ब्रेक लगाएँ।
3. लॉगबुक में लिखें।
</translation>
    </message>
    <message>
        <source>SS17 : Processor FLG1</source>
        <translation>SS17 : प्रोसेसर FLG1</translation>
    </message>
    <message>
        <source>DISTURBANCE IN PROCESSOR FLG1</source>
        <translation>प्रोसेसर FLG1 में गड़बड़ी</translation>
    </message>
    <message>
        <source>FLG2 takes over control</source>
        <translation>FLG2 नियंत्रण सँभालेगा</translation>
    </message>
    <message>
        <source>Switch electronics OFF/ON F1701P1</source>
        <translation>इलेक्ट्रॉनिक्स ऑफ/ऑन करें F1701P1</translation>
    </message>
    <message>
        <source>1. Continue driving; FLG2 controls the
   loco.
2. At a halt, switch electronics OFF/ON.
3. If the fault persists, inform TLC.
</source>
        <translation>1. चलाते रहें; लोको को FLG2 नियंत्रित
   कर रहा है।
2. रुकने पर इलेक्ट्रॉनिक्स ऑफ/ऑन करें।
3. फॉल्ट बना रहे तो TLC को सूचित करें।
</translation>
    </message>
    <message>
        <source>SOFTWARE MISMATCH</source>
        <translation>सॉफ़्टवेयर मेल नहीं खाता</translation>
    </message>
    <message>
        <source>Software of FLG1 not matching</source>
        <translation>FLG1 का सॉफ़्टवेयर मेल नहीं खाता</translation>
    </message>
    <message>
        <source>Inform TLC/shed F1702P1</source>
        <translation>TLC/शेड को सूचित करें F1702P1</translation>
    </message>
    <message>
        <source>1. At a halt, switch electronics OFF/ON.
2. If the message stays, inform TLC and
   the shed.
3. Record in the logbook.
</source>
        <translation>1. रुकने पर इलेक्ट्रॉनिक्स ऑफ/ऑन करें।
2. संदेश बना रहे तो TLC और शेड को
   सूचित करें।
3. लॉगबुक में लिखें।
</translation>
    </message>
    <message>
        <source>FAULT IN ANGLE TRANSMITTER OF THROTTLE</source>
        <translation>थ्रॉटल के एंगल ट्रांसमीटर में फॉल्ट</translation>
    </message>
    <message>
        <source>Throttle signal not reliable</source>
        <translation>थ्रॉटल सिग्नल भरोसेमंद नहीं</translation>
    </message>
    <message>
        <source>Drive from other cab F1703P1</source>
        <translation>दूसरी कैब से चलाएँ F1703P1</translation>
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
        <translation>1. थ्रॉटल 0 पर लाएँ और फिर सेट करें।
2. फॉल्ट बना रहे तो इलेक्ट्रॉनिक्स
   ऑफ/ऑन करें।
3. फिर भी खराब हो तो दूसरी कैब से
   चलाएँ; वह पीछे हो तो: सीमित गति,
   आगे की कैब में लुक-आउट।
4. TLC को सूचित करें, लॉगबुक में लिखें।
</translation>
    </message>
    <message>
        <source>SIMULATION SWITCH POSITION NOT MATCHING</source>
        <translation>सिमुलेशन स्विच की स्थिति मेल नहीं खाती</translation>
    </message>
    <message>
        <source>Check simulation switch position</source>
        <translation>सिमुलेशन स्विच की स्थिति जाँचें</translation>
    </message>
    <message>
        <source>Set it to normal F1704P1</source>
        <translation>इसे नॉर्मल पर करें F1704P1</translation>
    </message>
    <message>
        <source>1. Stop the train.
2. Set the simulation switch in the
   control cubicle to normal.
3. Switch electronics OFF/ON.
4. Inform the shed.
</source>
        <translation>1. गाड़ी रोकें।
2. कंट्रोल क्यूबिकल में सिमुलेशन स्विच
   नॉर्मल पर करें।
3. इलेक्ट्रॉनिक्स ऑफ/ऑन करें।
4. शेड को सूचित करें।
</translation>
    </message>
    <message>
        <source>Mal operation of Master control</source>
        <translation>मास्टर कंट्रोलर का गलत संचालन</translation>
    </message>
    <message>
        <source>Throttle operated wrongly</source>
        <translation>थ्रॉटल गलत तरीके से चलाया गया</translation>
    </message>
    <message>
        <source>Bring throttle to 0 F1705P1</source>
        <translation>थ्रॉटल 0 पर लाएँ F1705P1</translation>
    </message>
    <message>
        <source>1. Bring throttle to 0 position.
2. Check the reverser position, then set
   the throttle slowly.
3. If the message repeats, switch
   electronics OFF/ON.
4. Inform TLC and record in the logbook.
</source>
        <translation>1. थ्रॉटल 0 स्थिति पर लाएँ।
2. रिवर्सर की स्थिति जाँचें, फिर थ्रॉटल
   धीरे से सेट करें।
3. संदेश दोबारा आए तो इलेक्ट्रॉनिक्स
   ऑफ/ऑन करें।
4. TLC को सूचित करें, लॉगबुक में लिखें।
</translation>
    </message>
    <message>
        <source>SOFTWARE MISMATCH VCU-1/VCU-2</source>
        <translation>सॉफ़्टवेयर मेल नहीं खाता VCU-1/VCU-2</translation>
    </message>
    <message>
        <source>VCU-1/VCU-2 software differ</source>
        <translation>VCU-1/VCU-2 का सॉफ़्टवेयर अलग है</translation>
    </message>
    <message>
        <source>Inform TLC/shed F1706P1</source>
        <translation>TLC/शेड को सूचित करें F1706P1</translation>
    </message>
    <message>
        <source>SS18 : Processor FLG2</source>
        <translation>SS18 : प्रोसेसर FLG2</translation>
    </message>
    <message>
        <source>DISTURBANCE IN PROCESSOR FLG2</source>
        <translation>प्रोसेसर FLG2 में गड़बड़ी</translation>
    </message>
    <message>
        <source>FLG1 takes over control</source>
        <translation>FLG1 नियंत्रण सँभालेगा</translation>
    </message>
    <message>
        <source>Switch electronics OFF/ON F1801P1</source>
        <translation>इलेक्ट्रॉनिक्स ऑफ/ऑन करें F1801P1</translation>
    </message>
    <message>
        <source>1. Continue driving; FLG1 controls the
   loco.
2. At a halt, switch electronics OFF/ON.
3. If the fault persists, inform TLC.
</source>
        <translation>1. चलाते रहें; लोको को FLG1 नियंत्रित
   कर रहा है।
2. रुकने पर इलेक्ट्रॉनिक्स ऑफ/ऑन करें।
3. फॉल्ट बना रहे तो TLC को सूचित करें।
</translation>
    </message>
    <message>
        <source>Software of FLG2 not matching</source>
        <translation>FLG2 का सॉफ़्टवेयर मेल नहीं खाता</translation>
    </message>
    <message>
        <source>Inform TLC/shed F1802P1</source>
        <translation>TLC/शेड को सूचित करें F1802P1</translation>
    </message>
    <message>
        <source>Drive from other cab F1803P1</source>
        <translation>दूसरी कैब से चलाएँ F1803P1</translation>
    </message>
    <message>
        <source>SS18 : Processor FLG1</source>
        <translation>SS18 : प्रोसेसर FLG1</translation>
    </message>
    <message>
        <source>Set it to normal F1804P1</source>
        <translation>इसे नॉर्मल पर करें F1804P1</translation>
    </message>
    <message>
        <source>Bring throttle to 0 F1805P1</source>
        <translation>थ्रॉटल 0 पर लाएँ F1805P1</translation>
    </message>
    <message>
        <source>SS19 : Train Bus</source>
        <translation>SS19 : ट्रेन बस</translation>
    </message>
    <message>
        <source>COMMUNICATION DISTURBANCE</source>
        <translation>संचार में गड़बड़ी</translation>
    </message>
    <message>
        <source>Multiple operation disturbed</source>
        <translation>मल्टीपल ऑपरेशन में गड़बड़ी</translation>
    </message>
    <message>
        <source>Check trainbus cable F1901P1</source>
        <translation>ट्रेनबस केबल जाँचें F1901P1</translation>
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
        <translation>1. थ्रॉटल 0 पर लाएँ; उचित स्थान पर
   गाड़ी रोकें।
2. लोको के बीच कपलर केबल
   जाँचें।
3. दोनों लोको में इलेक्ट्रॉनिक्स ऑफ/ऑन
   करें।
4. फॉल्ट बना रहे तो ट्रेनबस आइसोलेट
   करें, अकेले लोको से चलाएँ; TLC को
   सूचित करें।
</translation>
    </message>
    <message>
        <source>OVERTEMPERATURE CONTROL ELECTRONICS</source>
        <translation>कंट्रोल इलेक्ट्रॉनिक्स का तापमान अधिक</translation>
    </message>
    <message>
        <source>Electronics cubicle too hot</source>
        <translation>इलेक्ट्रॉनिक्स क्यूबिकल बहुत गर्म</translation>
    </message>
    <message>
        <source>Check cubicle ventilation F0101P2</source>
        <translation>क्यूबिकल वेंटिलेशन जाँचें F0101P2</translation>
    </message>
    <message>
        <source>1. Continue driving with care.
2. Check that the machine room blowers
   are running.
3. Check the MCBs of the machine room
   blowers in HB1 and HB2.
</source>
        <translation>1. सावधानी से चलाते रहें।
2. देखें कि मशीन रूम के ब्लोअर चल
   रहे हैं।
3. HB1 और HB2 में मशीन रूम ब्लोअर
   के MCB जाँचें।
</translation>
    </message>
    <message>
        <source>4. Keep the machine room doors closed.
5. If the message stays for more than 15
   minutes, inform TLC.
6. Record in the logbook.
</source>
        <translation>4. मशीन रूम के दरवाज़े बंद रखें।
5. संदेश 15 मिनट से अधिक रहे तो TLC को
   सूचित करें।
6. लॉगबुक में लिखें।
</translation>
    </message>
    <message>
        <source>TRANSFORMER OIL PRESSURE NOT OK</source>
        <translation>ट्रांसफ़ॉर्मर ऑयल प्रेशर ठीक नहीं</translation>
    </message>
    <message>
        <source>Any oil pump circuit not working</source>
        <translation>कोई ऑयल पंप सर्किट काम नहीं कर रहा</translation>
    </message>
    <message>
        <source>TE/BE will be reduced F0102P2</source>
        <translation>TE/BE कम किया जाएगा F0102P2</translation>
    </message>
    <message>
        <source>1. Coast to clear block section.
2. Check the MCBs of the transformer oil
   pumps in HB1 and HB2; reset as per
   page 2.
</source>
        <translation>1. कोस्ट करके ब्लॉक सेक्शन पार करें।
2. HB1 और HB2 में ट्रांसफ़ॉर्मर ऑयल
   पंप के MCB जाँचें; पेज 2 के अनुसार
   रीसेट करें।
</translation>
    </message>
    <message>
        <source>EARTH FAULT AUX.WINDING CIRCUIT</source>
        <translation>AUX वाइंडिंग सर्किट में अर्थ फॉल्ट</translation>
    </message>
    <message>
        <source>Auxiliaries may be affected</source>
        <translation>ऑक्ज़िलियरी प्रभावित हो सकती हैं</translation>
    </message>
    <message>
        <source>Driving still possible F0103P2</source>
        <translation>गाड़ी चलाना अभी भी संभव F0103P2</translation>
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
        <translation>1. चलाते रहें; ऑक्ज़िलियरी के अन्य
   संदेशों पर ध्यान दें।
2. अगले स्टॉप पर मशीन रूम में धुआँ
   या जलने की गंध देखें।
3. मिले तो VCB ओपन करें, पैंटो नीचे
   करें और TLC को सूचित करें।
4. कोई AUX कन्वर्टर ट्रिप हो तो
   उसके संदेश के अनुसार करें।
5. TLC को सूचित करें, लॉगबुक में लिखें।
</translation>
    </message>
    <message>
        <source>LOW FREQUENCY CATENARY VOLTAGE</source>
        <translation>कैटेनरी वोल्टेज की फ़्रीक्वेंसी कम</translation>
    </message>
    <message>
        <source>Catenary supply frequency too low</source>
        <translation>कैटेनरी सप्लाई फ़्रीक्वेंसी बहुत कम</translation>
    </message>
    <message>
        <source>TE/BE may be reduced F0104P2</source>
        <translation>TE/BE कम हो सकता है F0104P2</translation>
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
        <translation>1. कम पावर से चलाते
   रहें।
2. संदेश बना रहे तो TLC या स्टेशन के
   ज़रिए TPC को सूचित करें।
3. VCB ओपन हो जाए तो सप्लाई सामान्य
   होने पर VCB फिर से क्लोज़ करें।
4. लॉगबुक में लिखें।
</translation>
    </message>
    <message>
        <source>HIGH FREQUENCY CATENARY VOLTAGE</source>
        <translation>कैटेनरी वोल्टेज की फ़्रीक्वेंसी अधिक</translation>
    </message>
    <message>
        <source>Catenary supply frequency too high</source>
        <translation>कैटेनरी सप्लाई फ़्रीक्वेंसी बहुत अधिक</translation>
    </message>
    <message>
        <source>TE/BE may be reduced F0105P2</source>
        <translation>TE/BE कम हो सकता है F0105P2</translation>
    </message>
    <message>
        <source>Flasher Light Activated</source>
        <translation>फ़्लैशर लाइट सक्रिय हुई</translation>
    </message>
    <message>
        <source>Flasher light is switched ON</source>
        <translation>फ़्लैशर लाइट ऑन है</translation>
    </message>
    <message>
        <source>Check the reason F0106P2</source>
        <translation>कारण जाँचें F0106P2</translation>
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
        <translation>1. फ़्लैशर लाइट ऑन होने का कारण देखें:
   इमरजेंसी स्टॉप, दुर्घटना या गाड़ी का
   अलग होना।
2. गाड़ी ब्लॉक सेक्शन में खड़ी हो तो
   नियम के अनुसार गाड़ी का संरक्षण करें।
3. कारण दूर होने पर फ़्लैशर लाइट
   ऑफ करें।
4. लॉगबुक में लिखें।
</translation>
    </message>
    <message>
        <source>DEMANDED SPEED CAN NOT BE ACHIEVED</source>
        <translation>माँगी गई गति नहीं मिल रही</translation>
    </message>
    <message>
        <source>Check load of train and TE setting</source>
        <translation>ट्रेन का लोड और TE सेटिंग जाँचें</translation>
    </message>
    <message>
        <source>Increase TE setting F0107P2</source>
        <translation>TE सेटिंग बढ़ाएँ F0107P2</translation>
    </message>
    <message>
        <source>EARTH FAULT IN CONVERTER 1</source>
        <translation>कन्वर्टर 1 में अर्थ फॉल्ट</translation>
    </message>
    <message>
        <source>Work with half power F0201P2</source>
        <translation>आधी पावर से चलाएँ F0201P2</translation>
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
        <translation>1. बोगी 2 पर आधी पावर से चलाते रहें।
2. रुकने पर मशीन रूम में धुआँ, जलने
   की गंध या फ़्लैश के निशान देखें।
3. मिले तो VCB ओपन करें, पैंटो नीचे करें और TLC को सूचित करें।
4. सब सामान्य हो तो एक बार रीसेट करें:
   इलेक्ट्रॉनिक्स ऑफ/ऑन।
5. फॉल्ट लौटे तो बोगी 1 आइसोलेट करें,
   दोबारा रीसेट न करें।
6. TLC को सूचित करें, लॉगबुक में लिखें।
</translation>
    </message>
    <message>
        <source>TRACTION MOTOR OVERSPEED</source>
        <translation>ट्रैक्शन मोटर ओवरस्पीड</translation>
    </message>
    <message>
        <source>Wheel slip on bogie 1</source>
        <translation>बोगी 1 पर व्हील स्लिप</translation>
    </message>
    <message>
        <source>Reduce TE F0202P2</source>
        <translation>TE कम करें F0202P2</translation>
    </message>
    <message>
        <source>1. Reduce TE at once until the message
   goes.
2. Use the sander on wet or greasy rail.
3. Keep the speed within the speed
   limit.
4. If it repeats often, inform TLC.
</source>
        <translation>1. संदेश जाने तक तुरंत TE कम
   करें।
2. गीली या चिकनी रेल पर सैंडर चलाएँ।
3. गति को गति सीमा के भीतर
   रखें।
4. बार-बार हो तो TLC को सूचित करें।
</translation>
    </message>
    <message>
        <source>SCR RESISTANCE TOO HOT IN CONVERTER 1</source>
        <translation>कन्वर्टर 1 में SCR रेज़िस्टेंस बहुत गर्म</translation>
    </message>
    <message>
        <source>Power of converter 1 reduced</source>
        <translation>कन्वर्टर 1 की पावर कम की गई</translation>
    </message>
    <message>
        <source>Avoid repeated starts F0203P2</source>
        <translation>बार-बार स्टार्ट न करें F0203P2</translation>
    </message>
    <message>
        <source>1. Continue with reduced TE/BE.
2. Avoid frequent notching up and down.
3. Check that oil cooler blower 1 is
   running.
4. If the message stays for more than 10
   minutes, inform TLC.
</source>
        <translation>1. कम TE/BE के साथ चलाते रहें।
2. बार-बार नॉच ऊपर-नीचे करने से बचें।
3. देखें कि ऑयल कूलर ब्लोअर 1 चल
   रहा है।
4. संदेश 10 मिनट से अधिक रहे तो
   TLC को सूचित करें।
</translation>
    </message>
    <message>
        <source>FAULTY MOTOR TEMPERATURE SENSORS</source>
        <translation>मोटर तापमान सेंसर खराब</translation>
    </message>
    <message>
        <source>Motor temperature not supervised</source>
        <translation>मोटर तापमान की निगरानी नहीं</translation>
    </message>
    <message>
        <source>Driving still possible F0204P2</source>
        <translation>गाड़ी चलाना अभी भी संभव F0204P2</translation>
    </message>
    <message>
        <source>1. Continue driving; avoid long full
   load working.
2. Check that TM blower 1 is running.
3. Inform TLC and record in the logbook.
</source>
        <translation>1. चलाते रहें; देर तक पूरे लोड से
   चलाने से बचें।
2. देखें कि TM ब्लोअर 1 चल रहा है।
3. TLC को सूचित करें, लॉगबुक में लिखें।
</translation>
    </message>
    <message>
        <source>EQUIPMENT TEMPERATURE HIGH</source>
        <translation>उपकरण का तापमान अधिक</translation>
    </message>
    <message>
        <source>TE/BE of bogie 1 may be reduced</source>
        <translation>बोगी 1 का TE/BE कम हो सकता है</translation>
    </message>
    <message>
        <source>Check the blowers F0205P2</source>
        <translation>ब्लोअर जाँचें F0205P2</translation>
    </message>
    <message>
        <source>1. Reduce TE and continue with care.
2. Check that TM blower 1 and oil cooler
   blower 1 are running.
3. Check their MCBs in HB1; reset once
   if tripped.
4. If the message stays, inform TLC.
</source>
        <translation>1. TE कम करें और सावधानी से चलाएँ।
2. देखें कि TM ब्लोअर 1 और ऑयल कूलर
   ब्लोअर 1 चल रहे हैं।
3. HB1 में उनके MCB जाँचें; ट्रिप हों
   तो एक बार रीसेट करें।
4. संदेश बना रहे तो TLC को सूचित करें।
</translation>
    </message>
    <message>
        <source>SCR-BOGIE1 ISOLATED</source>
        <translation>SCR-बोगी1 आइसोलेट</translation>
    </message>
    <message>
        <source>Driving still possible F0206P2</source>
        <translation>गाड़ी चलाना अभी भी संभव F0206P2</translation>
    </message>
    <message>
        <source>1. Continue with reduced TE/BE.
2. At a halt, switch electronics OFF/ON.
3. If it stays isolated, inform TLC and
   record in the logbook.
</source>
        <translation>1. कम TE/BE के साथ चलाते रहें।
2. रुकने पर इलेक्ट्रॉनिक्स ऑफ/ऑन करें।
3. आइसोलेट ही रहे तो TLC को सूचित करें,
   लॉगबुक में लिखें।
</translation>
    </message>
    <message>
        <source>WHEEL SKIDDING AT BOGIE 1</source>
        <translation>बोगी 1 पर व्हील स्किडिंग</translation>
    </message>
    <message>
        <source>Reduce braking effort</source>
        <translation>ब्रेकिंग एफ़र्ट कम करें</translation>
    </message>
    <message>
        <source>Use sander F0207P2</source>
        <translation>सैंडर का उपयोग करें F0207P2</translation>
    </message>
    <message>
        <source>1. Reduce the electric braking effort at
   once.
2. Use the sander on wet or greasy rail.
3. Apply the train brakes in good time.
4. If it repeats often, inform TLC.
</source>
        <translation>1. इलेक्ट्रिक ब्रेकिंग एफ़र्ट तुरंत
   कम करें।
2. गीली या चिकनी रेल पर सैंडर चलाएँ।
3. ट्रेन ब्रेक समय पर लगाएँ।
4. बार-बार हो तो TLC को सूचित करें।
</translation>
    </message>
    <message>
        <source>CT FAILURE IN MC BOGIE1</source>
        <translation>MC बोगी1 में CT फेल</translation>
    </message>
    <message>
        <source>Current sensor of bogie 1 faulty</source>
        <translation>बोगी 1 का करंट सेंसर खराब</translation>
    </message>
    <message>
        <source>Bogie 1 may be isolated F0208P2</source>
        <translation>बोगी 1 आइसोलेट हो सकती है F0208P2</translation>
    </message>
    <message>
        <source>1. Continue; bogie 1 may be switched
   off.
2. At a halt, switch electronics OFF/ON.
3. If bogie 1 stays off, work with half
   power.
4. Inform TLC and record in the logbook.
</source>
        <translation>1. चलाते रहें; बोगी 1 ऑफ हो सकती
   है।
2. रुकने पर इलेक्ट्रॉनिक्स ऑफ/ऑन करें।
3. बोगी 1 ऑफ ही रहे तो आधी पावर से
   चलाएँ।
4. TLC को सूचित करें, लॉगबुक में लिखें।
</translation>
    </message>
    <message>
        <source>EARTH FAULT IN CONVERTER 2</source>
        <translation>कन्वर्टर 2 में अर्थ फॉल्ट</translation>
    </message>
    <message>
        <source>Work with half power F0301P2</source>
        <translation>आधी पावर से चलाएँ F0301P2</translation>
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
        <translation>1. बोगी 1 पर आधी पावर से चलाते रहें।
2. रुकने पर मशीन रूम में धुआँ, जलने
   की गंध या फ़्लैश के निशान देखें।
3. मिले तो VCB ओपन करें, पैंटो नीचे करें और TLC को सूचित करें।
4. सब सामान्य हो तो एक बार रीसेट करें:
   इलेक्ट्रॉनिक्स ऑफ/ऑन।
5. फॉल्ट लौटे तो बोगी 2 आइसोलेट करें,
   दोबारा रीसेट न करें।
6. TLC को सूचित करें, लॉगबुक में लिखें।
</translation>
    </message>
    <message>
        <source>Wheel slip on bogie 2</source>
        <translation>बोगी 2 पर व्हील स्लिप</translation>
    </message>
    <message>
        <source>Reduce TE F0302P2</source>
        <translation>TE कम करें F0302P2</translation>
    </message>
    <message>
        <source>SCR RESISTANCE TOO HOT IN CONVERTER 2</source>
        <translation>कन्वर्टर 2 में SCR रेज़िस्टेंस बहुत गर्म</translation>
    </message>
    <message>
        <source>Power of converter 2 reduced</source>
        <translation>कन्वर्टर 2 की पावर कम की गई</translation>
    </message>
    <message>
        <source>Avoid repeated starts F0303P2</source>
        <translation>बार-बार स्टार्ट न करें F0303P2</translation>
    </message>
    <message>
        <source>1. Continue with reduced TE/BE.
2. Avoid frequent notching up and down.
3. Check that oil cooler blower 2 is
   running.
4. If the message stays for more than 10
   minutes, inform TLC.
</source>
        <translation>1. कम TE/BE के साथ चलाते रहें।
2. बार-बार नॉच ऊपर-नीचे करने से बचें।
3. देखें कि ऑयल कूलर ब्लोअर 2 चल
   रहा है।
4. संदेश 10 मिनट से अधिक रहे तो
   TLC को सूचित करें।
</translation>
    </message>
    <message>
        <source>Driving still possible F0304P2</source>
        <translation>गाड़ी चलाना अभी भी संभव F0304P2</translation>
    </message>
    <message>
        <source>1. Continue driving; avoid long full
   load working.
2. Check that TM blower 2 is running.
3. Inform TLC and record in the logbook.
</source>
        <translation>1. चलाते रहें; देर तक पूरे लोड से
   चलाने से बचें।
2. देखें कि TM ब्लोअर 2 चल रहा है।
3. TLC को सूचित करें, लॉगबुक में लिखें।
</translation>
    </message>
    <message>
        <source>TE/BE of bogie 2 may be reduced</source>
        <translation>बोगी 2 का TE/BE कम हो सकता है</translation>
    </message>
    <message>
        <source>Check the blowers F0305P2</source>
        <translation>ब्लोअर जाँचें F0305P2</translation>
    </message>
    <message>
        <source>1. Reduce TE and continue with care.
2. Check that TM blower 2 and oil cooler
   blower 2 are running.
3. Check their MCBs in HB2; reset once
   if tripped.
4. If the message stays, inform TLC.
</source>
        <translation>1. TE कम करें और सावधानी से चलाएँ।
2. देखें कि TM ब्लोअर 2 और ऑयल कूलर
   ब्लोअर 2 चल रहे हैं।
3. HB2 में उनके MCB जाँचें; ट्रिप हों
   तो एक बार रीसेट करें।
4. संदेश बना रहे तो TLC को सूचित करें।
</translation>
    </message>
    <message>
        <source>SCR-BOGIE2 ISOLATED</source>
        <translation>SCR-बोगी2 आइसोलेट</translation>
    </message>
    <message>
        <source>Driving still possible F0306P2</source>
        <translation>गाड़ी चलाना अभी भी संभव F0306P2</translation>
    </message>
    <message>
        <source>WHEEL SKIDDING AT BOGIE 2</source>
        <translation>बोगी 2 पर व्हील स्किडिंग</translation>
    </message>
    <message>
        <source>Use sander F0307P2</source>
        <translation>सैंडर का उपयोग करें F0307P2</translation>
    </message>
    <message>
        <source>CT FAILURE IN MC BOGIE2</source>
        <translation>MC बोगी2 में CT फेल</translation>
    </message>
    <message>
        <source>Current sensor of bogie 2 faulty</source>
        <translation>बोगी 2 का करंट सेंसर खराब</translation>
    </message>
    <message>
        <source>Bogie 2 may be isolated F0308P2</source>
        <translation>बोगी 2 आइसोलेट हो सकती है F0308P2</translation>
    </message>
    <message>
        <source>1. Continue; bogie 2 may be switched
   off.
2. At a halt, switch electronics OFF/ON.
3. If bogie 2 stays off, work with half
   power.
4. Inform TLC and record in the logbook.
</source>
        <translation>1. चलाते रहें; बोगी 2 ऑफ हो सकती
   है।
2. रुकने पर इलेक्ट्रॉनिक्स ऑफ/ऑन करें।
3. बोगी 2 ऑफ ही रहे तो आधी पावर से
   चलाएँ।
4. TLC को सूचित करें, लॉगबुक में लिखें।
</translation>
    </message>
    <message>
        <source>FILTER CONTACTOR 8.1 STUCK ON</source>
        <translation>फ़िल्टर कॉन्टैक्टर 8.1 ऑन में अटका</translation>
    </message>
    <message>
        <source>Filter can not be switched off</source>
        <translation>फ़िल्टर ऑफ नहीं किया जा सकता</translation>
    </message>
    <message>
        <source>Inform TLC F0401P2</source>
        <translation>TLC को सूचित करें F0401P2</translation>
    </message>
    <message>
        <source>1. Continue driving normally.
2. At a halt, switch electronics OFF/ON.
3. If the message stays, isolate the
   harmonic filter; max. speed is then
   40 km/h.
4. Inform TLC and record in the logbook.
</source>
        <translation>1. सामान्य रूप से चलाते रहें।
2. रुकने पर इलेक्ट्रॉनिक्स ऑफ/ऑन करें।
3. संदेश बना रहे तो हार्मोनिक फ़िल्टर
   आइसोलेट करें; तब अधिकतम गति
   40 km/h है।
4. TLC को सूचित करें, लॉगबुक में लिखें।
</translation>
    </message>
    <message>
        <source>EARTH FAULT HARMONIC FILTER CIRCUIT</source>
        <translation>हार्मोनिक फ़िल्टर सर्किट में अर्थ फॉल्ट</translation>
    </message>
    <message>
        <source>Harmonic filter isolated</source>
        <translation>हार्मोनिक फ़िल्टर आइसोलेट</translation>
    </message>
    <message>
        <source>Max speed 40 km/h F0402P2</source>
        <translation>अधिकतम गति 40 km/h F0402P2</translation>
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
        <translation>1. गति 40 km/h तक सीमित रखें।
2. हार्मोनिक फ़िल्टर फिर से सेवा में
   न लगाएँ।
3. अगले स्टॉप पर मशीन रूम में धुआँ या
   जलने की गंध देखें; मिले तो VCB
   ओपन करें और पैंटो नीचे करें।
4. TLC को सूचित करें, निर्देश मानें।
5. लॉगबुक में लिखें।
</translation>
    </message>
    <message>
        <source>MOTOR1-BOGIE1 ISOLATED</source>
        <translation>मोटर1-बोगी1 आइसोलेट</translation>
    </message>
    <message>
        <source>TE/BE reduced by one motor</source>
        <translation>एक मोटर कम होने से TE/BE कम</translation>
    </message>
    <message>
        <source>Driving still possible F0211P2</source>
        <translation>गाड़ी चलाना अभी भी संभव F0211P2</translation>
    </message>
    <message>
        <source>1. Continue with reduced TE/BE.
2. Start heavy trains with care.
3. At a halt, switch electronics OFF/ON
   to bring motor 1 back.
4. Inform TLC and record in the logbook.
</source>
        <translation>1. कम TE/BE के साथ चलाते रहें।
2. भारी गाड़ी सावधानी से स्टार्ट करें।
3. मोटर 1 वापस लाने के लिए रुकने पर
   इलेक्ट्रॉनिक्स ऑफ/ऑन करें।
4. TLC को सूचित करें, लॉगबुक में लिखें।
</translation>
    </message>
    <message>
        <source>MOTOR2-BOGIE1 ISOLATED</source>
        <translation>मोटर2-बोगी1 आइसोलेट</translation>
    </message>
    <message>
        <source>Driving still possible F0212P2</source>
        <translation>गाड़ी चलाना अभी भी संभव F0212P2</translation>
    </message>
    <message>
        <source>1. Continue with reduced TE/BE.
2. Start heavy trains with care.
3. At a halt, switch electronics OFF/ON
   to bring motor 2 back.
4. Inform TLC and record in the logbook.
</source>
        <translation>1. कम TE/BE के साथ चलाते रहें।
2. भारी गाड़ी सावधानी से स्टार्ट करें।
3. मोटर 2 वापस लाने के लिए रुकने पर
   इलेक्ट्रॉनिक्स ऑफ/ऑन करें।
4. TLC को सूचित करें, लॉगबुक में लिखें।
</translation>
    </message>
    <message>
        <source>MOTOR3-BOGIE1 ISOLATED</source>
        <translation>मोटर3-बोगी1 आइसोलेट</translation>
    </message>
    <message>
        <source>Driving still possible F0213P2</source>
        <translation>गाड़ी चलाना अभी भी संभव F0213P2</translation>
    </message>
    <message>
        <source>1. Continue with reduced TE/BE.
2. Start heavy trains with care.
3. At a halt, switch electronics OFF/ON
   to bring motor 3 back.
4. Inform TLC and record in the logbook.
</source>
        <translation>1. कम TE/BE के साथ चलाते रहें।
2. भारी गाड़ी सावधानी से स्टार्ट करें।
3. मोटर 3 वापस लाने के लिए रुकने पर
   इलेक्ट्रॉनिक्स ऑफ/ऑन करें।
4. TLC को सूचित करें, लॉगबुक में लिखें।
</translation>
    </message>
    <message>
        <source>LINE CONVERTER1-BOGIE1 ISOLATED</source>
        <translation>लाइन कन्वर्टर1-बोगी1 आइसोलेट</translation>
    </message>
    <message>
        <source>Driving still possible F0214P2</source>
        <translation>गाड़ी चलाना अभी भी संभव F0214P2</translation>
    </message>
    <message>
        <source>1. Continue with reduced TE/BE.
2. At a halt, switch electronics OFF/ON
   to bring line converter 1 back.
3. If it stays isolated, inform TLC.
4. Record in the logbook.
</source>
        <translation>1. कम TE/BE के साथ चलाते रहें।
2. लाइन कन्वर्टर 1 वापस लाने के लिए
   रुकने पर इलेक्ट्रॉनिक्स ऑफ/ऑन करें।
3. आइसोलेट ही रहे तो TLC को सूचित करें।
4. लॉगबुक में लिखें।
</translation>
    </message>
    <message>
        <source>LINE CONVERTER-2 BOGIE1 ISOLATED</source>
        <translation>लाइन कन्वर्टर-2 बोगी1 आइसोलेट</translation>
    </message>
    <message>
        <source>Driving still possible F0215P2</source>
        <translation>गाड़ी चलाना अभी भी संभव F0215P2</translation>
    </message>
    <message>
        <source>1. Continue with reduced TE/BE.
2. At a halt, switch electronics OFF/ON
   to bring line converter 2 back.
3. If it stays isolated, inform TLC.
4. Record in the logbook.
</source>
        <translation>1. कम TE/BE के साथ चलाते रहें।
2. लाइन कन्वर्टर 2 वापस लाने के लिए
   रुकने पर इलेक्ट्रॉनिक्स ऑफ/ऑन करें।
3. आइसोलेट ही रहे तो TLC को सूचित करें।
4. लॉगबुक में लिखें।
</translation>
    </message>
    <message>
        <source>DIST. IN CONTROL ELECTRONICS BOGIE1</source>
        <translation>बोगी1 के कंट्रोल इलेक्ट्रॉनिक्स में गड़बड़ी</translation>
    </message>
    <message>
        <source>Bogie 1 may be switched off</source>
        <translation>बोगी 1 ऑफ हो सकती है</translation>
    </message>
    <message>
        <source>Switch electronics OFF/ON F0408P2</source>
        <translation>इलेक्ट्रॉनिक्स ऑफ/ऑन करें F0408P2</translation>
    </message>
    <message>
        <source>HOTEL LOAD CONTACTOR STUCK OFF</source>
        <translation>होटल लोड कॉन्टैक्टर ऑफ में अटका</translation>
    </message>
    <message>
        <source>No hotel load supply to train</source>
        <translation>ट्रेन को होटल लोड सप्लाई नहीं</translation>
    </message>
    <message>
        <source>Inform TLC F0501P2</source>
        <translation>TLC को सूचित करें F0501P2</translation>
    </message>
    <message>
        <source>HOTEL LOAD CONTACTOR STUCK ON</source>
        <translation>होटल लोड कॉन्टैक्टर ऑन में अटका</translation>
    </message>
    <message>
        <source>Hotel load can not be switched off</source>
        <translation>होटल लोड ऑफ नहीं किया जा सकता</translation>
    </message>
    <message>
        <source>Inform TLC F0502P2</source>
        <translation>TLC को सूचित करें F0502P2</translation>
    </message>
    <message>
        <source>MOTOR1-BOGIE2 ISOLATED</source>
        <translation>मोटर1-बोगी2 आइसोलेट</translation>
    </message>
    <message>
        <source>Driving still possible F0311P2</source>
        <translation>गाड़ी चलाना अभी भी संभव F0311P2</translation>
    </message>
    <message>
        <source>MOTOR2-BOGIE2 ISOLATED</source>
        <translation>मोटर2-बोगी2 आइसोलेट</translation>
    </message>
    <message>
        <source>Driving still possible F0312P2</source>
        <translation>गाड़ी चलाना अभी भी संभव F0312P2</translation>
    </message>
    <message>
        <source>MOTOR3-BOGIE2 ISOLATED</source>
        <translation>मोटर3-बोगी2 आइसोलेट</translation>
    </message>
    <message>
        <source>Driving still possible F0313P2</source>
        <translation>गाड़ी चलाना अभी भी संभव F0313P2</translation>
    </message>
    <message>
        <source>LINE CONVERTER1-BOGIE2 ISOLATED</source>
        <translation>लाइन कन्वर्टर1-बोगी2 आइसोलेट</translation>
    </message>
    <message>
        <source>Driving still possible F0314P2</source>
        <translation>गाड़ी चलाना अभी भी संभव F0314P2</translation>
    </message>
    <message>
        <source>LINE CONVERTER-2 BOGIE2 ISOLATED</source>
        <translation>लाइन कन्वर्टर-2 बोगी2 आइसोलेट</translation>
    </message>
    <message>
        <source>Driving still possible F0315P2</source>
        <translation>गाड़ी चलाना अभी भी संभव F0315P2</translation>
    </message>
    <message>
        <source>DIST. IN CONTROL ELECTRONICS BOGIE2</source>
        <translation>बोगी2 के कंट्रोल इलेक्ट्रॉनिक्स में गड़बड़ी</translation>
    </message>
    <message>
        <source>Bogie 2 may be switched off</source>
        <translation>बोगी 2 ऑफ हो सकती है</translation>
    </message>
    <message>
        <source>Switch electronics OFF/ON F0508P2</source>
        <translation>इलेक्ट्रॉनिक्स ऑफ/ऑन करें F0508P2</translation>
    </message>
    <message>
        <source>WARNING: LOW BATTERY VOLTAGE</source>
        <translation>चेतावनी: बैटरी वोल्टेज कम</translation>
    </message>
    <message>
        <source>Battery voltage below normal</source>
        <translation>बैटरी वोल्टेज सामान्य से कम</translation>
    </message>
    <message>
        <source>Check battery charger F0901P2</source>
        <translation>बैटरी चार्जर जाँचें F0901P2</translation>
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
        <translation>1. कैब में बैटरी वोल्टमीटर
   देखें।
2. बैटरी चार्जर MCB जाँचें; ट्रिप हो तो
   ऑन करें।
3. जो लोड ज़रूरी नहीं, उन्हें ऑफ करें।
4. वोल्टेज गिरता रहे तो TLC को सूचित
   करें।
</translation>
    </message>
    <message>
        <source>BATTERY CHARGER MCB OFF</source>
        <translation>बैटरी चार्जर MCB ऑफ</translation>
    </message>
    <message>
        <source>Battery is not being charged</source>
        <translation>बैटरी चार्ज नहीं हो रही</translation>
    </message>
    <message>
        <source>Switch ON charger MCB F0902P2</source>
        <translation>चार्जर MCB ऑन करें F0902P2</translation>
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
        <translation>1. बैटरी चार्जर MCB एक बार ऑन
   करें।
2. दोबारा ट्रिप हो तो ऑफ ही रहने दें और
   जो लोड ज़रूरी नहीं, उन्हें ऑफ करें।
3. TLC को सूचित करें; बैटरी सीमित
   समय तक ही चलेगी।
4. लॉगबुक में लिखें।
</translation>
    </message>
    <message>
        <source>LOW BATTERY CHARGER CURRENT</source>
        <translation>बैटरी चार्जर करंट कम</translation>
    </message>
    <message>
        <source>Battery charging reduced</source>
        <translation>बैटरी कम चार्ज हो रही है</translation>
    </message>
    <message>
        <source>Check charger MCB F0903P2</source>
        <translation>चार्जर MCB जाँचें F0903P2</translation>
    </message>
    <message>
        <source>1. Check the battery charger MCB and the
   charger indications.
2. Watch the battery voltage.
3. Inform TLC and record in the logbook.
</source>
        <translation>1. बैटरी चार्जर MCB और चार्जर के
   संकेत जाँचें।
2. बैटरी वोल्टेज देखते रहें।
3. TLC को सूचित करें, लॉगबुक में लिखें।
</translation>
    </message>
    <message>
        <source>F0904P2</source>
        <translation>F0904P2</translation>
    </message>
    <message>
        <source>EARTH FAULT BATTERY CIRCUIT</source>
        <translation>बैटरी सर्किट में अर्थ फॉल्ट</translation>
    </message>
    <message>
        <source>Inform TLC F0905P2</source>
        <translation>TLC को सूचित करें F0905P2</translation>
    </message>
    <message>
        <source>1. Continue driving.
2. Do not touch 110 V wiring and
   terminals.
3. Inform TLC and record in the logbook
   for an insulation check in the shed.
</source>
        <translation>1. चलाते रहें।
2. 110 V वायरिंग और टर्मिनल को न
   छुएँ।
3. TLC को सूचित करें, शेड में इंसुलेशन
   जाँच के लिए लॉगबुक में लिखें।
</translation>
    </message>
    <message>
        <source>LOCO IS IN BANKING MODE</source>
        <translation>लोको बैंकिंग मोड में है</translation>
    </message>
    <message>
        <source>Banking mode switch is ON</source>
        <translation>बैंकिंग मोड स्विच ऑन है</translation>
    </message>
    <message>
        <source>Check banking switch F1001P2</source>
        <translation>बैंकिंग स्विच जाँचें F1001P2</translation>
    </message>
    <message>
        <source>1. If the loco is not banking, switch
   the banking mode switch OFF.
2. In banking mode the train brake is
   worked from the leading loco.
3. Record in the logbook.
</source>
        <translation>1. लोको बैंकिंग में न हो तो बैंकिंग
   मोड स्विच ऑफ करें।
2. बैंकिंग मोड में ट्रेन ब्रेक आगे वाले
   लोको से चलता है।
3. लॉगबुक में लिखें।
</translation>
    </message>
    <message>
        <source>ALARM CHAIN PULLING</source>
        <translation>अलार्म चेन खींची गई</translation>
    </message>
    <message>
        <source>Stop the train and check</source>
        <translation>गाड़ी रोकें और जाँच करें</translation>
    </message>
    <message>
        <source>Reset after checking F1002P2</source>
        <translation>जाँच के बाद रीसेट करें F1002P2</translation>
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
        <translation>1. थ्रॉटल 0 पर लाएँ और गाड़ी
   रोकें।
2. गार्ड के साथ वह कोच ढूँढें जिसकी
   अलार्म चेन खींची गई।
3. उस कोच का अलार्म चेन उपकरण
   रीसेट करें।
4. सामान्य BP प्रेशर और गार्ड के
   सिग्नल के बाद ही चलें।
5. लॉगबुक में लिखें।
</translation>
    </message>
    <message>
        <source>SS11:Auxiliaries HB1</source>
        <translation>SS11:ऑक्ज़िलियरी HB1</translation>
    </message>
    <message>
        <source>MCB(S) TRIPPED IN AUX. CUBICLE 1</source>
        <translation>AUX क्यूबिकल 1 में MCB ट्रिप</translation>
    </message>
    <message>
        <source>Some auxiliaries not working</source>
        <translation>कुछ ऑक्ज़िलियरी काम नहीं कर रहीं</translation>
    </message>
    <message>
        <source>Check MCBs in HB1 F1101P2</source>
        <translation>HB1 के MCB जाँचें F1101P2</translation>
    </message>
    <message>
        <source>1. Continue driving with care.
2. At the next stop check the MCBs in
   HB1.
3. Reset tripped MCBs as per page 2.
</source>
        <translation>1. सावधानी से चलाते रहें।
2. अगले स्टॉप पर HB1 के MCB जाँचें।
3. ट्रिप हुए MCB पेज 2 के अनुसार
   रीसेट करें।
</translation>
    </message>
    <message>
        <source>EARTH FAULT 415/110V CIRCUIT</source>
        <translation>415/110V सर्किट में अर्थ फॉल्ट</translation>
    </message>
    <message>
        <source>Aux. supply may be affected</source>
        <translation>AUX सप्लाई प्रभावित हो सकती है</translation>
    </message>
    <message>
        <source>Driving still possible F1102P2</source>
        <translation>गाड़ी चलाना अभी भी संभव F1102P2</translation>
    </message>
    <message>
        <source>1. Continue driving.
2. Watch for aux. converter or MCB
   messages.
3. At the next stop, check the machine
   room for burning smell.
4. Inform TLC and record in the logbook.
</source>
        <translation>1. चलाते रहें।
2. AUX कन्वर्टर या MCB के संदेशों पर
   ध्यान दें।
3. अगले स्टॉप पर मशीन रूम में जलने की
   गंध देखें।
4. TLC को सूचित करें, लॉगबुक में लिखें।
</translation>
    </message>
    <message>
        <source>MCB OF MAIN COMPRESSOR 1 OPEN</source>
        <translation>मेन कंप्रेसर 1 का MCB ऑफ</translation>
    </message>
    <message>
        <source>Compressor 1 not available</source>
        <translation>कंप्रेसर 1 उपलब्ध नहीं</translation>
    </message>
    <message>
        <source>Switch ON MCB in HB1 F1103P2</source>
        <translation>HB1 में MCB ऑन करें F1103P2</translation>
    </message>
    <message>
        <source>1. Switch ON the MCB of compressor 1 in
   HB1 once.
2. If it trips again, leave it OFF;
   compressor 2 alone feeds the MR.
3. Watch the MR pressure.
4. Inform TLC and record in the logbook.
</source>
        <translation>1. HB1 में कंप्रेसर 1 का MCB एक बार
   ऑन करें।
2. दोबारा ट्रिप हो तो ऑफ रहने दें;
   अकेला कंप्रेसर 2 MR भरता है।
3. MR प्रेशर देखते रहें।
4. TLC को सूचित करें, लॉगबुक में लिखें।
</translation>
    </message>
    <message>
        <source>OVERLOAD ON OIL COOLER BLOWER 1</source>
        <translation>ऑयल कूलर ब्लोअर 1 पर ओवरलोड</translation>
    </message>
    <message>
        <source>Oil cooling reduced</source>
        <translation>ऑयल कूलिंग कम</translation>
    </message>
    <message>
        <source>Check blower MCB in HB1 F1104P2</source>
        <translation>HB1 में ब्लोअर MCB जाँचें F1104P2</translation>
    </message>
    <message>
        <source>1. Reduce TE; TE/BE may be reduced.
2. Reset the MCB of oil cooler blower 1
   in HB1 once.
3. If it trips again, leave it OFF and
   inform TLC.
4. Record in the logbook.
</source>
        <translation>1. TE कम करें; TE/BE कम हो सकता है।
2. HB1 में ऑयल कूलर ब्लोअर 1 का MCB
   एक बार रीसेट करें।
3. दोबारा ट्रिप हो तो ऑफ रहने दें और
   TLC को सूचित करें।
4. लॉगबुक में लिखें।
</translation>
    </message>
    <message>
        <source>VIGILANCE CONTROL MANUALLY SWITCHED OFF</source>
        <translation>विजिलेंस कंट्रोल हाथ से ऑफ किया गया</translation>
    </message>
    <message>
        <source>Drive with extra caution</source>
        <translation>अतिरिक्त सावधानी से चलाएँ</translation>
    </message>
    <message>
        <source>No vigilance control</source>
        <translation>विजिलेंस कंट्रोल नहीं</translation>
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
        <translation>1. विजिलेंस कंट्रोल फिर से ऑन
   करें।
2. ऑफ ही रखना पड़े तो TLC को सूचित करें,
   आदेश के अनुसार सीमित गति से चलाएँ।
3. सहायक को सतर्क रखें; अतिरिक्त
   सावधानी से चलाएँ।
4. लॉगबुक में लिखें।
</translation>
    </message>
    <message>
        <source>Loco in shunting mode</source>
        <translation>लोको शंटिंग मोड में</translation>
    </message>
    <message>
        <source>speed can not more then 15KMPH</source>
        <translation>गति 15 KMPH से अधिक नहीं हो सकती</translation>
    </message>
    <message>
        <source>F1106P2</source>
        <translation>F1106P2</translation>
    </message>
    <message>
        <source>Inform TLC and record in the logbook
</source>
        <translation>TLC को सूचित करें, लॉगबुक में लिखें
</translation>
    </message>
    <message>
        <source>SS12:Auxiliaries HB2</source>
        <translation>SS12:ऑक्ज़िलियरी HB2</translation>
    </message>
    <message>
        <source>MCB(S) TRIPPED IN AUX. CUBICLE 2</source>
        <translation>AUX क्यूबिकल 2 में MCB ट्रिप</translation>
    </message>
    <message>
        <source>Check MCBs in HB2 F1201P2</source>
        <translation>HB2 के MCB जाँचें F1201P2</translation>
    </message>
    <message>
        <source>1. Continue driving with care.
2. At the next stop check the MCBs in
   HB2.
3. Reset tripped MCBs as per page 2.
</source>
        <translation>1. सावधानी से चलाते रहें।
2. अगले स्टॉप पर HB2 के MCB जाँचें।
3. ट्रिप हुए MCB पेज 2 के अनुसार
   रीसेट करें।
</translation>
    </message>
    <message>
        <source>MCB OF MAIN COMPRESSOR 2 OPEN</source>
        <translation>मेन कंप्रेसर 2 का MCB ऑफ</translation>
    </message>
    <message>
        <source>Compressor 2 not available</source>
        <translation>कंप्रेसर 2 उपलब्ध नहीं</translation>
    </message>
    <message>
        <source>Switch ON MCB in HB2 F1202P2</source>
        <translation>HB2 में MCB ऑन करें F1202P2</translation>
    </message>
    <message>
        <source>1. Switch ON the MCB of compressor 2 in
   HB2 once.
2. If it trips again, leave it OFF;
   compressor 1 alone feeds the MR.
3. Watch the MR pressure.
4. Inform TLC and record in the logbook.
</source>
        <translation>1. HB2 में कंप्रेसर 2 का MCB एक बार
   ऑन करें।
2. दोबारा ट्रिप हो तो ऑफ रहने दें;
   अकेला कंप्रेसर 1 MR भरता है।
3. MR प्रेशर देखते रहें।
4. TLC को सूचित करें, लॉगबुक में लिखें।
</translation>
    </message>
    <message>
        <source>OVERLOAD ON OIL COOLER BLOWER 2</source>
        <translation>ऑयल कूलर ब्लोअर 2 पर ओवरलोड</translation>
    </message>
    <message>
        <source>Check blower MCB in HB2 F1203P2</source>
        <translation>HB2 में ब्लोअर MCB जाँचें F1203P2</translation>
    </message>
    <message>
        <source>1. Reduce TE; TE/BE may be reduced.
2. Reset the MCB of oil cooler blower 2
   in HB2 once.
3. If it trips again, leave it OFF and
   inform TLC.
4. Record in the logbook.
</source>
        <translation>1. TE कम करें; TE/BE कम हो सकता है।
2. HB2 में ऑयल कूलर ब्लोअर 2 का MCB
   एक बार रीसेट करें।
3. दोबारा ट्रिप हो तो ऑफ रहने दें और
   TLC को सूचित करें।
4. लॉगबुक में लिखें।
</translation>
    </message>
    <message>
        <source>Some cab 1 indications missing</source>
        <translation>कैब 1 के कुछ संकेत नहीं दिख रहे</translation>
    </message>
    <message>
        <source>Driving still possible F1301P2</source>
        <translation>गाड़ी चलाना अभी भी संभव F1301P2</translation>
    </message>
    <message>
        <source>1. Continue driving; watch the gauges.
2. At a halt, switch electronics OFF/ON.
3. Record in the logbook.
</source>
        <translation>1. चलाते रहें; गेज देखते रहें।
2. रुकने पर इलेक्ट्रॉनिक्स ऑफ/ऑन करें।
3. लॉगबुक में लिखें।
</translation>
    </message>
    <message>
        <source>Some HB1 indications missing</source>
        <translation>HB1 के कुछ संकेत नहीं दिख रहे</translation>
    </message>
    <message>
        <source>Driving still possible F1302P2</source>
        <translation>गाड़ी चलाना अभी भी संभव F1302P2</translation>
    </message>
    <message>
        <source>1. Continue driving; watch the MCBs and
   blowers of HB1.
2. At a halt, switch electronics OFF/ON.
3. Record in the logbook.
</source>
        <translation>1. चलाते रहें; HB1 के MCB और ब्लोअर
   पर ध्यान दें।
2. रुकने पर इलेक्ट्रॉनिक्स ऑफ/ऑन करें।
3. लॉगबुक में लिखें।
</translation>
    </message>
    <message>
        <source>Some cab 2 indications missing</source>
        <translation>कैब 2 के कुछ संकेत नहीं दिख रहे</translation>
    </message>
    <message>
        <source>Driving still possible F1401P2</source>
        <translation>गाड़ी चलाना अभी भी संभव F1401P2</translation>
    </message>
    <message>
        <source>Some HB2 indications missing</source>
        <translation>HB2 के कुछ संकेत नहीं दिख रहे</translation>
    </message>
    <message>
        <source>Driving still possible F1402P2</source>
        <translation>गाड़ी चलाना अभी भी संभव F1402P2</translation>
    </message>
    <message>
        <source>1. Continue driving; watch the MCBs and
   blowers of HB2.
2. At a halt, switch electronics OFF/ON.
3. Record in the logbook.
</source>
        <translation>1. चलाते रहें; HB2 के MCB और ब्लोअर
   पर ध्यान दें।
2. रुकने पर इलेक्ट्रॉनिक्स ऑफ/ऑन करें।
3. लॉगबुक में लिखें।
</translation>
    </message>
    <message>
        <source>FAULT IN FIRE DETECTION UNIT</source>
        <translation>आग पहचान यूनिट में फॉल्ट</translation>
    </message>
    <message>
        <source>Fire detection not available</source>
        <translation>आग पहचान उपलब्ध नहीं</translation>
    </message>
    <message>
        <source>Check machine room often F1501P2</source>
        <translation>मशीन रूम बार-बार जाँचें F1501P2</translation>
    </message>
    <message>
        <source>1. Continue driving.
2. Check the machine room at every stop.
3. Check the MCB of the fire detection
   unit.
4. Inform TLC and record in the logbook.
</source>
        <translation>1. चलाते रहें।
2. हर स्टॉप पर मशीन रूम जाँचें।
3. आग पहचान यूनिट का MCB
   जाँचें।
4. TLC को सूचित करें, लॉगबुक में लिखें।
</translation>
    </message>
    <message>
        <source>WARNING: SMOKE IN MACHINE ROOM</source>
        <translation>चेतावनी: मशीन रूम में धुआँ</translation>
    </message>
    <message>
        <source>Check the machine room</source>
        <translation>मशीन रूम जाँचें</translation>
    </message>
    <message>
        <source>Be ready to stop F1502P2</source>
        <translation>रुकने के लिए तैयार रहें F1502P2</translation>
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
        <translation>1. कोस्ट करें, उचित स्थान पर रुकें।
2. मशीन रूम में धुआँ, आग या जलने की
   गंध देखें।
3. आग हो तो मशीन रूम में आग की विधि
   के अनुसार करें।
4. कुछ न मिले तो TLC को सूचित करें और
   सावधानी से चलाएँ।
</translation>
    </message>
    <message>
        <source>FAULT IN SPEEDOMETER</source>
        <translation>स्पीडोमीटर में फॉल्ट</translation>
    </message>
    <message>
        <source>Speed indication not reliable</source>
        <translation>गति संकेत भरोसेमंद नहीं</translation>
    </message>
    <message>
        <source>Check speedometer MCB F1601P2</source>
        <translation>स्पीडोमीटर MCB जाँचें F1601P2</translation>
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
        <translation>1. स्पीडोमीटर MCB जाँचें; एक बार
   रीसेट करें।
2. डिस्प्ले पर दिखी गति से मिलान
   करें।
3. खराब ही रहे तो नियम के अनुसार
   सुरक्षित गति से चलाएँ।
4. TLC को सूचित करें, लॉगबुक में लिखें।
</translation>
    </message>
    <message>
        <source>F1701P2</source>
        <translation>F1701P2</translation>
    </message>
    <message>
        <source>F1801P2</source>
        <translation>F1801P2</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>डिफ़ॉल्ट</translation>
    </message>
    <message>
        <source>Type 1: FLG, first fit</source>
        <translation>टाइप 1: FLG, पहली फ़िटिंग</translation>
    </message>
    <message>
        <source>Type 3: FLG, upgraded software</source>
        <translation>टाइप 3: FLG, अपग्रेड सॉफ़्टवेयर</translation>
    </message>
    <message>
        <source>Type 2: ICP processors</source>
        <translation>टाइप 2: ICP प्रोसेसर</translation>
    </message>
    <message>
        <source>Type 4: FLG, distributed power</source>
        <translation>टाइप 4: FLG, डिस्ट्रिब्यूटेड पावर</translation>
    </message>
    <message>
        <source>Type 5: FLG, regen. upgrade</source>
        <translation>टाइप 5: FLG, रीजनरेशन अपग्रेड</translation>
    </message>
    <message>
        <source>Type 6: VCU series 1</source>
        <translation>टाइप 6: VCU सीरीज़ 1</translation>
    </message>
    <message>
        <source>Type 7: VCU series 2</source>
        <translation>टाइप 7: VCU सीरीज़ 2</translation>
    </message>
    <message>
        <source>Type 8: overhauled VCU</source>
        <translation>टाइप 8: ओवरहॉल किया VCU</translation>
    </message>
    <message>
        <source>Type 9: trial fit</source>
        <translation>टाइप 9: ट्रायल फ़िटिंग</translation>
    </message>
    <message>
        <source>Type 10: reserve</source>
        <translation>टाइप 10: रिज़र्व</translation>
    </message>
    <message>
        <source>Type 1: GTO converter</source>
        <translation>टाइप 1: GTO कन्वर्टर</translation>
    </message>
    <message>
        <source>Type 3: IGBT converter</source>
        <translation>टाइप 3: IGBT कन्वर्टर</translation>
    </message>
    <message>
        <source>Type 2: GTO, new control</source>
        <translation>टाइप 2: GTO, नया कंट्रोल</translation>
    </message>
    <message>
        <source>Type 4: IGBT, water cooled</source>
        <translation>टाइप 4: IGBT, वॉटर कूल्ड</translation>
    </message>
    <message>
        <source>Type 5: IGBT, oil cooled</source>
        <translation>टाइप 5: IGBT, ऑयल कूल्ड</translation>
    </message>
    <message>
        <source>Type 6: retrofit, part A</source>
        <translation>टाइप 6: रेट्रोफ़िट, भाग A</translation>
    </message>
    <message>
        <source>Type 6: retrofit, part B</source>
        <translation>टाइप 6: रेट्रोफ़िट, भाग B</translation>
    </message>
    <message>
        <source>Type 7: converter series 2</source>
        <translation>टाइप 7: कन्वर्टर सीरीज़ 2</translation>
    </message>
    <message>
        <source>Type 8: overhauled converter</source>
        <translation>टाइप 8: ओवरहॉल किया कन्वर्टर</translation>
    </message>
    <message>
        <source>Type 1: three BUR, GTO</source>
        <translation>टाइप 1: तीन BUR, GTO</translation>
    </message>
    <message>
        <source>Type 3: three BUR, IGBT</source>
        <translation>टाइप 3: तीन BUR, IGBT</translation>
    </message>
    <message>
        <source>Type 2: two BUR, GTO</source>
        <translation>टाइप 2: दो BUR, GTO</translation>
    </message>
    <message>
        <source>Type 4: IGBT, hotel load</source>
        <translation>टाइप 4: IGBT, होटल लोड</translation>
    </message>
    <message>
        <source>No Cab</source>
        <translation>कोई कैब नहीं</translation>
    </message>
    <message>
        <source>Cab1</source>
        <translation>कैब1</translation>
    </message>
    <message>
        <source>Cab2</source>
        <translation>कैब2</translation>
    </message>
    <message>
        <source>DDU</source>
        <translation>DDU</translation>
    </message>
    <message>
        <source>RMS With Pixy</source>
        <translation>RMS, Pixy सहित</translation>
    </message>
    <message>
        <source>RMS Without Pixy</source>
        <translation>RMS, Pixy के बिना</translation>
    </message>
    <message>
        <source>EMD</source>
        <translation>EMD</translation>
    </message>
    <message>
        <source>ESD</source>
        <translation>ESD</translation>
    </message>
    <message>
        <source>writing on the DDU failed</source>
        <translation>DDU पर लिखना फेल</translation>
    </message>
    <message>
        <source>the copy cannot be read back</source>
        <translation>कॉपी वापस पढ़ी नहीं जा सकती</translation>
    </message>
    <message>
        <source>the copy differs from the pendrive</source>
        <translation>कॉपी पेनड्राइव से अलग है</translation>
    </message>
    <message>
        <source>cannot read the pendrive</source>
        <translation>पेनड्राइव पढ़ी नहीं जा सकती</translation>
    </message>
    <message>
        <source>cannot write on the DDU</source>
        <translation>DDU पर लिखा नहीं जा सकता</translation>
    </message>
    <message>
        <source>reading the pendrive failed</source>
        <translation>पेनड्राइव पढ़ना फेल</translation>
    </message>
    <message>
        <source>copy incomplete</source>
        <translation>कॉपी अधूरी</translation>
    </message>
    <message>
        <source>cannot set the mode of the copy</source>
        <translation>कॉपी का मोड सेट नहीं हो सकता</translation>
    </message>
    <message>
        <source>cannot replace the old file</source>
        <translation>पुरानी फ़ाइल बदली नहीं जा सकती</translation>
    </message>
    <message>
        <source>the pendrive file is a link</source>
        <translation>पेनड्राइव की फ़ाइल लिंक है</translation>
    </message>
    <message>
        <source>the pendrive entry is not a file</source>
        <translation>पेनड्राइव की प्रविष्टि फ़ाइल नहीं है</translation>
    </message>
    <message>
        <source>the pendrive file is empty</source>
        <translation>पेनड्राइव की फ़ाइल खाली है</translation>
    </message>
    <message>
        <source>the pendrive file is larger than 64 MB</source>
        <translation>पेनड्राइव की फ़ाइल 64 MB से बड़ी है</translation>
    </message>
    <message>
        <source>Cannot mount the pendrive</source>
        <translation>पेनड्राइव माउंट नहीं हो सका</translation>
    </message>
    <message>
        <source>the pendrive file is not a DDU program</source>
        <translation>पेनड्राइव की फ़ाइल DDU प्रोग्राम नहीं है</translation>
    </message>
    <message>
        <source>the pendrive program is incomplete</source>
        <translation>पेनड्राइव का प्रोग्राम अधूरा है</translation>
    </message>
    <message>
        <source>not enough space on the DDU</source>
        <translation>DDU पर पर्याप्त जगह नहीं</translation>
    </message>
    <message>
        <source>refused: a link</source>
        <translation>अस्वीकृत: लिंक है</translation>
    </message>
    <message>
        <source>refused: not a folder</source>
        <translation>अस्वीकृत: फ़ोल्डर नहीं है</translation>
    </message>
    <message>
        <source>refused: folders nested too deep</source>
        <translation>अस्वीकृत: फ़ोल्डर बहुत गहराई तक</translation>
    </message>
    <message>
        <source>target folder outside the DDU data</source>
        <translation>लक्ष्य फ़ोल्डर DDU डेटा से बाहर</translation>
    </message>
    <message>
        <source>refused: name leads outside</source>
        <translation>अस्वीकृत: नाम बाहर ले जाता है</translation>
    </message>
    <message>
        <source>refused: not a file</source>
        <translation>अस्वीकृत: फ़ाइल नहीं है</translation>
    </message>
    <message>
        <source>&apos;No Pendrive Found</source>
        <translation>पेनड्राइव नहीं मिली</translation>
    </message>
    <message>
        <source>&apos;ZAV_DDU_LU&apos; file not found... 
Please verify</source>
        <translation>&apos;ZAV_DDU_LU&apos; फ़ाइल नहीं मिली... 
कृपया जाँचें</translation>
    </message>
    <message>
        <source>File &apos;ZAV_DDU_LU&apos; Transferred to DDU, 
PLEASE RESTART</source>
        <translation>फ़ाइल &apos;ZAV_DDU_LU&apos; DDU में ट्रांसफ़र हुई, 
कृपया रीस्टार्ट करें</translation>
    </message>
    <message>
        <source>Update failed: %1
The old program is kept</source>
        <translation>अपडेट फेल: %1
पुराना प्रोग्राम रखा गया है</translation>
    </message>
    <message>
        <source>NO Pendrive Found</source>
        <translation>पेनड्राइव नहीं मिली</translation>
    </message>
    <message>
        <source>Files Not Found on Pendrive !!!</source>
        <translation>पेनड्राइव पर फ़ाइलें नहीं मिलीं !!!</translation>
    </message>
    <message>
        <source>&apos;Files Transferred to DDU
%1 files copied</source>
        <translation>फ़ाइलें DDU में ट्रांसफ़र हुईं
%1 फ़ाइलें कॉपी हुईं</translation>
    </message>
    <message>
        <source>File transfer failed: %1 copied,
%2 not copied, e.g. %3:
%4</source>
        <translation>फ़ाइल ट्रांसफ़र फेल: %1 कॉपी हुईं,
%2 कॉपी नहीं हुईं, जैसे %3:
%4</translation>
    </message>
    <message>
        <source>disk full</source>
        <translation>डिस्क भरी है</translation>
    </message>
    <message>
        <source>file too large</source>
        <translation>फ़ाइल बहुत बड़ी है</translation>
    </message>
    <message>
        <source>refused: name not readable</source>
        <translation>अस्वीकृत: नाम पढ़ा नहीं जा सकता</translation>
    </message>
    <message>
        <source>cannot keep the old program</source>
        <translation>पुराना प्रोग्राम रखा नहीं जा सका</translation>
    </message>
    <message>
        <source>the new program showed no picture</source>
        <translation>नए प्रोग्राम ने कोई चित्र नहीं दिखाया</translation>
    </message>
    <message>
        <source>the new program stopped answering</source>
        <translation>नए प्रोग्राम ने जवाब देना रोक दिया</translation>
    </message>
    <message>
        <source>the new program crashed (%1)</source>
        <translation>नया प्रोग्राम क्रैश हो गया (%1)</translation>
    </message>
    <message>
        <source>the new program was missing</source>
        <translation>नया प्रोग्राम मौजूद नहीं था</translation>
    </message>
    <message>
        <source>the new program ended with status %1</source>
        <translation>नया प्रोग्राम स्थिति %1 के साथ समाप्त हुआ</translation>
    </message>
    <message>
        <source>the pendrive was changed, check it again</source>
        <translation>पेनड्राइव बदली गई है, फिर से जाँचें</translation>
    </message>
    <message>
        <source>the new program did not start (%1)</source>
        <translation>नया प्रोग्राम शुरू नहीं हुआ (%1)</translation>
    </message>
    <message>
        <source>Logs written:
%1 files, %2 kB in %3</source>
        <translation>लॉग लिखे गए:
%3 में %1 फ़ाइलें, %2 kB</translation>
    </message>
    <message>
        <source>Export failed: %1
%2</source>
        <translation>एक्सपोर्ट फेल: %1
%2</translation>
    </message>
    <message>
        <source>cannot make the folder</source>
        <translation>फ़ोल्डर नहीं बन सका</translation>
    </message>
    <message>
        <source>writing the file failed</source>
        <translation>फ़ाइल लिखना फेल</translation>
    </message>
    <message>
        <source>the file is empty</source>
        <translation>फ़ाइल खाली है</translation>
    </message>
    <message>
        <source>the port list names no port</source>
        <translation>पोर्ट सूची में कोई पोर्ट नहीं है</translation>
    </message>
    <message>
        <source>not a PNG, JPEG or BMP image</source>
        <translation>PNG, JPEG या BMP चित्र नहीं है</translation>
    </message>
    <message>
        <source>not well-formed XML (line %1)</source>
        <translation>XML सही नहीं है (पंक्ति %1)</translation>
    </message>
    <message>
        <source>the file is too large for the DDU</source>
        <translation>फ़ाइल DDU के लिए बहुत बड़ी है</translation>
    </message>
    <message>
        <source>Nothing installed: %1 files refused, e.g.
%2
%3</source>
        <translation>कुछ भी इंस्टॉल नहीं हुआ: %1 फ़ाइलें अस्वीकार, जैसे
%2
%3</translation>
    </message>
    <message>
        <source>the cab is not 1 or 2</source>
        <translation>कैब 1 या 2 नहीं है</translation>
    </message>
    <message>
        <source>the image is damaged</source>
        <translation>चित्र क्षतिग्रस्त है</translation>
    </message>
    <message>
        <source>not well-formed XML</source>
        <translation>XML सही नहीं है</translation>
    </message>
    <message>
        <source>not a fault log of the DDU</source>
        <translation>DDU का फॉल्ट लॉग नहीं है</translation>
    </message>
    <message>
        <source>not a fault history of the DDU</source>
        <translation>DDU का फॉल्ट इतिहास नहीं है</translation>
    </message>
    <message>
        <source>target folder on another disk</source>
        <translation>लक्ष्य फ़ोल्डर दूसरी डिस्क पर है</translation>
    </message>
    <message>
        <source>Transfer incomplete: %1 replaced,
%2 not, e.g. %3:
%4</source>
        <translation>ट्रांसफ़र अधूरा: %1 बदली गईं,
%2 नहीं, जैसे %3:
%4</translation>
    </message>
    <message>
        <source>Nothing installed, the old files stay:
%1
%2</source>
        <translation>कुछ भी इंस्टॉल नहीं हुआ, पुरानी फ़ाइलें रहेंगी:
%1
%2</translation>
    </message>
    <message>
        <source>not a DDU configuration</source>
        <translation>DDU का कॉन्फ़िगरेशन नहीं है</translation>
    </message>
    <message>
        <source>not a driver details line</source>
        <translation>ड्राइवर विवरण की पंक्ति नहीं है</translation>
    </message>
</context>
</TS>
