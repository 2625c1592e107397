#pragma once

#include <map>
#include <memory>
#include <string>

#include "platform/BoundInput.h"

namespace korvane {

// A text field held as a plain value: the fields of a form when no window is
// shown (batch runs, tests), and the model a dialog copies its widgets from
// and to.
class TextField : public BoundInput {
 public:
  std::string text() const override { return text_; }
  void setText(std::string_view text) override { text_ = text; }
  int tag() const override { return tag_; }
  void setTag(int tag) override { tag_ = tag; }
  void setEnabled(bool enabled) override { enabled_ = enabled; }
  bool enabled() const { return enabled_; }

 private:
  std::string text_;
  int tag_ = 0;
  bool enabled_ = true;
};

// A form of plain text fields that has a field of every name it is asked for.
class FieldForm : public InputForm {
 public:
  ComponentLookup findComponent(std::string_view name) override {
    auto it = fields_.find(name);
    if (it == fields_.end()) {
      it = fields_.emplace(std::string(name), std::make_unique<TextField>()).first;
    }
    return {true, it->second.get()};
  }

 private:
  std::map<std::string, std::unique_ptr<TextField>, std::less<>> fields_;
};

}  // namespace korvane
