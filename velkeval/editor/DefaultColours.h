#pragma once

#include "RegisterView.h"

namespace velk {

// The system colours the editors give items without colours of their own.
namespace DefaultColour {
inline constexpr int32_t WindowBackground = SystemColour(5);
inline constexpr int32_t WindowText = SystemColour(8);
inline constexpr int32_t ButtonFace = SystemColour(15);
inline constexpr int32_t ButtonText = SystemColour(18);
}  // namespace DefaultColour

}  // namespace velk
