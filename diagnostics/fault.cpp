#include "diagnostics/fault.h"

#include "platform/translation.h"

#include <QObject>

QString DDU_Fault_FaultCode;
QString DDU_Fault_Subsystem;
QString DDU_Fault_Line1;
QString DDU_Fault_Line2;
QString DDU_Fault_Line3;
QString DDU_Fault_Line4;
QString DDU_Fault_Page1;
QString DDU_Fault_Page2;
QString DDU_Fault_Page3;
QString DDU_Fault_Page4;

fault fault_fun;

const FaultEntry* findFaultEntry(unsigned int number)
{
    const FaultEntry* table = faultCatalogue();
    const int size = faultCatalogueSize();
    for (int i = 0; i < size; ++i) {
        if (table[i].number == number)
            return &table[i];
    }
    return nullptr;
}

void fault::Get_Fault(unsigned int number, int choice)
{
    Q_UNUSED(choice);

    const FaultEntry* entry = findFaultEntry(number);
    if (entry == nullptr) {
        // Fault code and subsystem stay as they are.
        DDU_Fault_Line1 = QObject::tr("Unknown Fault");
        DDU_Fault_Line2 = QObject::tr("Screen Code:\n") + QString::number(number);
        DDU_Fault_Line3.clear();
        DDU_Fault_Line4.clear();
        DDU_Fault_Page1.clear();
        DDU_Fault_Page2.clear();
        DDU_Fault_Page3.clear();
        DDU_Fault_Page4.clear();
        return;
    }

    // Catalogue texts are translation keys of the "QObject" context; the
    // fault code is the same in every language.
    using platform::translated;
    DDU_Fault_FaultCode = QString::fromUtf8(entry->faultCode ? entry->faultCode : "");
    DDU_Fault_Subsystem = translated(entry->subsystem);
    DDU_Fault_Line1 = translated(entry->line[0]);
    DDU_Fault_Line2 = translated(entry->line[1]);
    DDU_Fault_Line3 = translated(entry->line[2]);
    DDU_Fault_Line4 = translated(entry->line[3]);
    DDU_Fault_Page1 = translated(entry->page[0]);
    DDU_Fault_Page2 = translated(entry->page[1]);
    DDU_Fault_Page3 = translated(entry->page[2]);
    DDU_Fault_Page4 = translated(entry->page[3]);
}
