#pragma once

#include <gtest/gtest.h>

#include <filesystem>

#ifndef KORVANE_SAMPLES_DIR
#error "KORVANE_SAMPLES_DIR names the folder of the independently written sample projects"
#endif

namespace korvane::testing {

// The sample projects beside the checkout; a clone on its own has none.
inline const std::filesystem::path kSamplesDir = KORVANE_SAMPLES_DIR;

}  // namespace korvane::testing

// Skips the current test, naming the folder, when the samples are missing.
#define KORVANE_SKIP_WITHOUT_SAMPLES()                                                  \
  do {                                                                                  \
    if (!std::filesystem::is_directory(korvane::testing::kSamplesDir))                  \
      GTEST_SKIP() << "sample projects not found in " << korvane::testing::kSamplesDir; \
  } while (false)
