#pragma once

#include "UserDialogs.h"

namespace velk {

// The messages with which the layout editors refuse an entry. Each leaves
// its dialog open. The first group are the editors' own; the rest refuse
// what the loader would refuse, so that an edited layout always loads back.

Message NoFreeBitsMessage();
Message NoFieldsMessage();
Message GroupNameInUseMessage();
Message FieldNameInUseMessage();
Message FieldPositionInUseMessage();

Message NoRowForNewFieldMessage();
Message OnlyInHouseFieldsMessage();
Message GroupAddressMessage();
Message FieldRangeMessage();
Message DefaultValueMessage();
Message ReservedFieldControlsMessage();
Message IndexListTooLongMessage();
Message NoFreeGroupAddressMessage();
Message DeviceNameEmptyMessage();
Message DeviceNameInUseMessage();

}  // namespace velk
