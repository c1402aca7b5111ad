#pragma once

#include <cstdint>
#include <span>
#include <vector>

namespace smscfg {

// Bytes as the core passes them: a vector out, a span in.
using Bytes = std::vector<std::uint8_t>;
using ByteView = std::span<const std::uint8_t>;

}  // namespace smscfg
