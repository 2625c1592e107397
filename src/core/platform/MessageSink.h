#pragma once

#include <string_view>

namespace korvane {

// The kinds of message box the program shows (Plain has no icon). Each is
// shown with the button set its caller asks for; the answer is the button
// that was pressed.
enum class MessageKind { Error, Warning, Information, Confirmation, Plain };
enum class MessageButtons { Ok, OkCancel, YesNo, YesCancel, YesNoCancel, YesNoAbort };
enum class MessageAnswer { Ok, Cancel, Yes, No, Abort };

// Where the core sends every message meant for the user. The desktop program
// shows a modal box; tests record the calls and answer from a script.
class MessageSink {
 public:
  virtual ~MessageSink() = default;
  virtual MessageAnswer show(MessageKind kind, std::string_view text, MessageButtons buttons) = 0;

  void error(std::string_view text) { show(MessageKind::Error, text, MessageButtons::Ok); }
  void warning(std::string_view text) { show(MessageKind::Warning, text, MessageButtons::Ok); }
  void information(std::string_view text) {
    show(MessageKind::Information, text, MessageButtons::Ok);
  }
};

}  // namespace korvane
