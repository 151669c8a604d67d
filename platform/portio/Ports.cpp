#include "Ports.h"

#include <algorithm>

namespace portio {

void Ports::Claim(uint16_t base)
{
    auto held = std::find_if(held_.begin(), held_.end(), [base](const Held& h) { return h.base == base; });
    if (held == held_.end()) held = held_.insert(held_.end(), Held{base, 0});
    if (held->depth == 0) AcquirePort(base);
    ++held->depth;
}

void Ports::Release(uint16_t base) noexcept
{
    const auto held = std::find_if(held_.begin(), held_.end(), [base](const Held& h) { return h.base == base; });
    if (held == held_.end() || held->depth == 0) return;
    if (--held->depth == 0) ReleasePort(base);
}

}  // namespace portio
