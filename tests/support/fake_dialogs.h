#pragma once
// A scripted Dialogs for tests: records everything shown and answers from
// queues. An empty queue gives the default answer (OK/Yes, cancelled input).
#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "base/dialogs.h"

namespace orv::test {

struct ShownMessage {
  MsgKind kind;
  std::string text;
  MsgButtons buttons;
};

struct ShownInput {
  std::string caption;
  std::string prompt;
  std::string preset;
};

// One answer of the new-password dialog: the two entries, or Cancel.
struct NewPasswordAnswer {
  std::string first;
  std::string second;
  bool cancelled = false;
};
inline const NewPasswordAnswer kCancelledPassword{"", "", true};

class FakeDialogs : public Dialogs {
 public:
  MsgAnswer Message(MsgKind kind, const std::string& text, MsgButtons buttons) override;
  std::optional<std::string> Input(const std::string& caption, const std::string& prompt,
                                   const std::string& preset) override;
  LoginEntry AskLogin() override;
  std::optional<std::pair<std::string, std::string>> AskNewPasswordTwice() override;
  FileDialogResult OpenFile(const FileDialogRequest& request) override;

  // Called with each message as it is shown, before it is answered.
  std::function<void(const ShownMessage&)> onMessage;

  // Scripted answers, taken front first.
  std::deque<MsgAnswer> answers;
  std::deque<std::optional<std::string>> inputs;
  std::deque<LoginEntry> logins;
  std::deque<NewPasswordAnswer> newPasswords;
  std::deque<FileDialogResult> files;

  // What was shown, in order.
  std::vector<ShownMessage> messages;
  std::vector<ShownInput> inputBoxes;
  std::vector<FileDialogRequest> fileDialogs;
  int loginDialogs = 0;
  int newPasswordDialogs = 0;

  // The texts of the messages shown, in order.
  std::vector<std::string> Texts() const;
};

}  // namespace orv::test
