#include "DeviceRecord.h"

#include "Conversions.h"

namespace velk {

int DeviceRecord::BusAddress() const { return BinToInt(currAddress); }

}  // namespace velk
