#pragma once

#include <functional>
#include <utility>

namespace korvane::wizard {

// A group of window parts of which exactly one is shown at a time (the step
// pages and the chart views, the three button bars, ...). Only the switch
// shows or hides its members, so a request for the view already shown costs
// nothing and cannot flicker.
class ViewSwitch {
 public:
  static constexpr int kNone = -1;

  // members(view, shown) shows or hides one member; the window sets it.
  explicit ViewSwitch(int viewCount, std::function<void(int, bool)> members = {})
      : viewCount_(viewCount), members_(std::move(members)) {}

  void Set_Members(std::function<void(int, bool)> members) { members_ = std::move(members); }

  // Hides every member, then shows the requested one. No view, an unknown one
  // or the one already shown changes nothing.
  void Show(int view) {
    if (view < 0 || view >= viewCount_ || view == current_) return;
    if (members_) {
      for (int v = 0; v < viewCount_; ++v) members_(v, false);
      members_(view, true);
    }
    current_ = view;
  }

  int Current() const { return current_; }

 private:
  int viewCount_;
  int current_ = kNone;
  std::function<void(int, bool)> members_;
};

}  // namespace korvane::wizard
