#include "support/fake_dialogs.h"

namespace orv::test {

MsgAnswer FakeDialogs::Message(MsgKind kind, const std::string& text, MsgButtons buttons) {
  messages.push_back({kind, text, buttons});
  if (onMessage) onMessage(messages.back());
  if (!answers.empty()) {
    MsgAnswer a = answers.front();
    answers.pop_front();
    return a;
  }
  switch (buttons) {
    case MsgButtons::YesNo:
    case MsgButtons::YesCancel:
      return MsgAnswer::Yes;
    case MsgButtons::Cancel:
      return MsgAnswer::Cancel;
    default:
      return MsgAnswer::Ok;
  }
}

std::optional<std::string> FakeDialogs::Input(const std::string& caption, const std::string& prompt,
                                              const std::string& preset) {
  inputBoxes.push_back({caption, prompt, preset});
  if (inputs.empty()) return std::nullopt;
  auto a = inputs.front();
  inputs.pop_front();
  return a;
}

LoginEntry FakeDialogs::AskLogin() {
  ++loginDialogs;
  if (logins.empty()) return {"No user", ""};
  auto a = logins.front();
  logins.pop_front();
  return a;
}

std::optional<std::pair<std::string, std::string>> FakeDialogs::AskNewPasswordTwice() {
  ++newPasswordDialogs;
  if (newPasswords.empty()) return std::pair<std::string, std::string>{};
  const NewPasswordAnswer a = newPasswords.front();
  newPasswords.pop_front();
  if (a.cancelled) return std::nullopt;
  return std::pair{a.first, a.second};
}

FileDialogResult FakeDialogs::OpenFile(const FileDialogRequest& request) {
  fileDialogs.push_back(request);
  if (files.empty()) return {false, request.fileName};
  auto a = files.front();
  files.pop_front();
  return a;
}

std::vector<std::string> FakeDialogs::Texts() const {
  std::vector<std::string> out;
  for (const auto& m : messages) out.push_back(m.text);
  return out;
}

}  // namespace orv::test
