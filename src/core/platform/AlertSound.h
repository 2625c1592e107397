#pragma once

namespace korvane {

// The system's default alert sound, played when a typed value is clamped.
class AlertSound {
 public:
  virtual ~AlertSound() = default;
  virtual void play() = 0;
};

}  // namespace korvane
