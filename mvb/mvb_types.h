#pragma once
// Fixed-width type names of the MVB driver library.

#include <cstdint>

typedef uint8_t UNSIGNED8;
typedef uint16_t UNSIGNED16;
typedef uint32_t UNSIGNED32;
typedef int8_t INTEGER8;
typedef int32_t INTEGER32;
typedef uint8_t BOOLEAN1;
