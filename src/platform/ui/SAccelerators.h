#pragma once
// Accelerator tables behind handles, loaded from a module's accelerator resources: entries of
// (flags, key, command). Flags: FVIRTKEY 0x01, FNOINVERT 0x02, FSHIFT 0x04, FCONTROL 0x08, FALT 0x10.
#include <cstddef>
#include <cstdint>

#include "platform/base/HINSTANCE.h"
#include "platform/ui/SWinDefs.h"

inline constexpr uint8_t FVIRTKEY = 0x01;
inline constexpr uint8_t FNOINVERT = 0x02;
inline constexpr uint8_t FSHIFT = 0x04;
inline constexpr uint8_t FCONTROL = 0x08;
inline constexpr uint8_t FALT = 0x10;

struct ACCEL {
    uint8_t fVirt = 0;
    uint16_t key = 0;
    uint16_t cmd = 0;
};

HACCEL LoadAcceleratorsA(HINSTANCE instance, uint32_t id);
// The number of entries when `entries` is null; otherwise copies at most `count` of them and
// gives the number copied. 0 for a handle that is no table.
int32_t CopyAcceleratorTableA(HACCEL table, ACCEL* entries, int32_t count);
int32_t DestroyAcceleratorTable(HACCEL table);
size_t GetAcceleratorTableCount();
