#pragma once
// The test session's windows: the timed message, the answer window, the math
// input window and the wrong-answer window, behind the session's port.
#include <functional>
#include <utility>

#include "session/ports.h"

namespace orv {

class TMessageForm;
class T_Input;
class TForm1;
class TWrongWordsForm;

class SessionUi : public SessionWindows {
 public:
  // The windows are the program's single instances; showScores opens the
  // score window with a test marked and the line on what went well.
  SessionUi(TMessageForm& message, T_Input& input, TForm1& math, TWrongWordsForm& wrong,
            std::function<void(std::int32_t, const std::string&)> showScores)
      : message_(message),
        input_(input),
        math_(math),
        wrong_(wrong),
        showScores_(std::move(showScores)) {}

  void ShowTimedMessage(const std::string& caption, const std::string& text, Rgb colour,
                        std::uint16_t showMs, std::uint16_t extraMs) override;
  std::optional<std::string> AskWord(const std::string& progress, const std::string& preset,
                                     bool reshowEnabled, AnswerButtons& buttons) override;
  std::optional<std::string> AskMath(const std::string& prompt, const std::string& decimalPlaces,
                                     const std::string& progress) override;
  void ShowWrongAnswer(const std::string& typed, const std::string& expected) override;
  void BeepWait(std::uint16_t unused, std::uint16_t ms) override;
  void ShowScores(std::int32_t markedGroup, const std::string& kindWord) override;
  bool ProgramEnding() override;

 private:
  TMessageForm& message_;
  T_Input& input_;
  TForm1& math_;
  TWrongWordsForm& wrong_;
  std::function<void(std::int32_t, const std::string&)> showScores_;
};

}  // namespace orv
