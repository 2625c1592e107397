#pragma once

#include <QString>
#include <QWidget>

#include <gtest/gtest.h>

namespace korvane::testing {

// A widget found by object name, as a user would find it by its place; a
// missing one fails the test that asked for it.
template <typename T = QWidget>
T* child(QWidget& parent, const char* name) {
  T* found = parent.findChild<T*>(QString::fromLatin1(name));
  EXPECT_NE(found, nullptr) << name;
  return found;
}

}  // namespace korvane::testing
