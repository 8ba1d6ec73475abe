#ifndef DDU_DIAGNOSTICS_FAULT_H
#define DDU_DIAGNOSTICS_FAULT_H

#include <QString>

// One message of the catalogue. Empty fields are empty strings (a null pointer
// is read as empty too). The texts other than faultCode are translation keys of
// the "QObject" context.
struct FaultEntry {
    unsigned int number;   // message number published by the diagnosis processor
    const char* faultCode; // "F" + SS + nn + "P1"/"P2"; empty for information and isolation
    const char* subsystem; // label written to the fault log; empty for information
    const char* line[4];   // display lines 1 to 4
    const char* page[4];   // driver-advice pages 1 to 4
};

// The whole catalogue, in ascending order of number.
const FaultEntry* faultCatalogue();
int faultCatalogueSize();

// Entry with exactly this number, or nullptr.
const FaultEntry* findFaultEntry(unsigned int number);

// Current-message record, filled by fault::Get_Fault and read by the fault
// pop-up, the driver advice and the fault log. GUI thread only.
extern QString DDU_Fault_FaultCode;
extern QString DDU_Fault_Subsystem;
extern QString DDU_Fault_Line1;
extern QString DDU_Fault_Line2;
extern QString DDU_Fault_Line3;
extern QString DDU_Fault_Line4;
extern QString DDU_Fault_Page1;
extern QString DDU_Fault_Page2;
extern QString DDU_Fault_Page3;
extern QString DDU_Fault_Page4;

class fault {
public:
    // Looks the message number up and overwrites the current-message record.
    // choice is the caller's locomotive selector (1 own, 2 second loco); the
    // texts do not depend on it. An unknown number gives "Unknown Fault" with
    // the number, and keeps the fault code and subsystem of the previous lookup.
    void Get_Fault(unsigned int number, int choice);
};

class fault_ext { };

extern fault fault_fun;

#endif
