#pragma once

#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "platform/AlertSound.h"
#include "platform/BoundInput.h"
#include "platform/MessageSink.h"
#include "platform/ProgramExit.h"
#include "platform/TextField.h"

namespace korvane::testing {

struct ShownMessage {
  MessageKind kind;
  std::string text;
  MessageButtons buttons;
};

// Records every message and answers with a fixed answer.
class FakeMessageSink : public MessageSink {
 public:
  MessageAnswer show(MessageKind kind, std::string_view text, MessageButtons buttons) override {
    shown.push_back({kind, std::string(text), buttons});
    return answer;
  }
  std::vector<ShownMessage> shown;
  MessageAnswer answer = MessageAnswer::Ok;
};

class FakeAlertSound : public AlertSound {
 public:
  void play() override { ++played; }
  int played = 0;
};

class FakeProgramExit : public ProgramExit {
 public:
  void endProgram(std::string_view reason) override { reasons.emplace_back(reason); }
  std::vector<std::string> reasons;
};

// A text field that also counts how often it was asked to repaint.
class FakeEdit : public TextField {
 public:
  void repaint() override { ++repaints; }
  int repaints = 0;
};

// A form that has an edit of every name asked for, unless told otherwise.
class FakeForm : public InputForm {
 public:
  ComponentLookup findComponent(std::string_view name) override {
    const std::string key(name);
    if (missing.count(key)) return {};
    if (notEdits.count(key)) return {true, nullptr};
    auto& edit = edits[key];
    if (!edit) edit = std::make_unique<FakeEdit>();
    return {true, edit.get()};
  }
  FakeEdit& edit(const std::string& name) { return *edits.at(name); }

  std::map<std::string, std::unique_ptr<FakeEdit>> edits;
  std::set<std::string> missing;
  std::set<std::string> notEdits;
};

}  // namespace korvane::testing
