#include "acquisition/process_data_bus.h"

#include "mvb/mvblpi.h"

void MvbDriverBus::read(uint16_t port, uint16_t fcode, uint16_t* words, uint16_t* freshness)
{
    readProcessData(port, fcode, words, freshness);
}

void MvbDriverBus::write(uint16_t port, uint16_t fcode, uint16_t* words)
{
    writeProcessData(port, fcode, words);
}

void MvbDriverBus::freshness(uint16_t port, uint16_t fcode, uint16_t* freshness)
{
    getFreshnessCount(port, fcode, freshness);
}
