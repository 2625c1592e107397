#pragma once

#include <string>
#include <string_view>

namespace korvane {

// A text field on a form that a parameter is bound to. The gui's line edits
// implement it; tests use plain fakes.
class BoundInput {
 public:
  virtual ~BoundInput() = default;
  virtual std::string text() const = 0;
  virtual void setText(std::string_view text) = 0;
  // The parameter number the field belongs to (0 when none).
  virtual int tag() const = 0;
  virtual void setTag(int tag) = 0;
  virtual void setEnabled(bool enabled) = 0;
  // Asks for the field to be redrawn at once (after a clamp).
  virtual void repaint() {}
};

// What a form answers when asked for a component by name.
struct ComponentLookup {
  bool found = false;           // a component of that name exists
  BoundInput* input = nullptr;  // set when it is a text field
};

// A window that owns named components.
class InputForm {
 public:
  virtual ~InputForm() = default;
  virtual ComponentLookup findComponent(std::string_view name) = 0;
};

}  // namespace korvane
