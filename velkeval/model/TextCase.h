#pragma once

#include <string>
#include <string_view>

namespace velk {

// Lower-cases UTF-8 text for case-insensitive comparisons (collection keys,
// radix names, attribute and control-type names). Covers ASCII, Latin-1,
// Latin Extended-A, Greek and Cyrillic capitals; other characters and
// malformed bytes are kept as they are.
std::string LowerCase(std::string_view text);

}  // namespace velk
