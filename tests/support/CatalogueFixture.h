#pragma once

#include <gtest/gtest.h>

#include "Fakes.h"
#include "model/ParameterCatalogue.h"

namespace korvane::testing {

// The parameter catalogue bound to two fake forms, with the fakes it reports
// through. Building is left to the test: some check what building says.
class CatalogueFixture : public ::testing::Test {
 protected:
  bool buildCatalogue() { return catalogue.Build(&wizard, &preferences); }

  FakeMessageSink messages;
  FakeAlertSound alert;
  FakeProgramExit exit;
  FakeForm wizard;
  FakeForm preferences;
  model::ParameterCatalogue catalogue{messages, alert, exit};
};

}  // namespace korvane::testing
