#pragma once

#include <cstdint>

namespace korvane::model {

// Life state of a model object: operations act only on a ready object.
enum class ObjectState : std::uint8_t { Unusable = 0, UnderConstruction = 1, Ready = 2 };

inline constexpr int kPointCount = 10;

}  // namespace korvane::model
