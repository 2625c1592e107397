#pragma once

#include <gtest/gtest.h>

#include "Fakes.h"
#include "platform/SettingsStore.h"
#include "session/EstimatorSession.h"

namespace korvane::testing {

// A session on plain fields and an in-memory store, as the batch tool runs it.
class SessionFixture : public ::testing::Test {
 protected:
  void start() { ASSERT_TRUE(session.Start()); }

  FakeMessageSink messages;
  FakeAlertSound alert;
  FakeProgramExit exit;
  MemorySettingsStore store;
  EstimatorSession session{messages, alert, exit, store};
  model::TVexEnergyProjectAnalysis& project = session.model.project;
  preferences::PreferenceValues& values = session.values;
  preferences::PreferencesControls& controls = session.controls;
};

}  // namespace korvane::testing
