#pragma once

#include <cstdint>

#include "ProgramState.h"

namespace velk {

// Re-lays out the groups after `after` (all of them when it is null; a
// group is found by identity, so an empty name does not stand for "all"),
// continuing at runningTop on page: selects the tab of page,
// moves each band (new pages as needed), captions the pages by their first
// and last register address, removes the trailing pages left empty, sizes
// every page frame, raises maxPageHeight to the largest page bottom and
// fits the window height.
void ReflowPages(ProgramState& state, int16_t runningTop, int16_t page, const Group* after);

// Completes the caption of page to its first address, " - " and the last
// address kept in its tab tag (any earlier part from " - " on is cut off).
void CompletePageCaption(RegisterView& view, int16_t page);

}  // namespace velk
