#pragma once

#include <cstdint>

// For tests only: runs a test under another edition's feature word. Programs
// never include this header; the word they run with is kEditionFeatureWord.

namespace korvane::model::testing {

class ScopedFeatureWord {
 public:
  explicit ScopedFeatureWord(std::uint32_t word);
  ~ScopedFeatureWord();
  ScopedFeatureWord(const ScopedFeatureWord&) = delete;
  ScopedFeatureWord& operator=(const ScopedFeatureWord&) = delete;

 private:
  std::uint32_t previous_;
};

}  // namespace korvane::model::testing
