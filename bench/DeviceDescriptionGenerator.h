#pragma once

#include <string>

namespace bench {

// A device description in the program's own file format (one element per
// line, TAB indentation, CR LF line ends): one device with `registers`
// registers of two fields each, every field with a combo box and its list
// entries, every register with a value box.
std::string DeviceDescription(int registers);

}  // namespace bench
