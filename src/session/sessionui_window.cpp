#include "session/sessionui_window.h"

#include <QColor>

#include "base/platform.h"
#include "files/dos.h"
#include "session/input_window.h"
#include "session/mathinput_window.h"
#include "session/wrongwords_window.h"
#include "widgets/message_window.h"

namespace orv {

void SessionUi::ShowTimedMessage(const std::string& caption, const std::string& text, Rgb colour,
                                 std::uint16_t showMs, std::uint16_t extraMs) {
  message_.ShowTimedMessage(caption, text, QColor::fromRgb(colour), showMs, extraMs);
}

std::optional<std::string> SessionUi::AskWord(const std::string& progress,
                                              const std::string& preset, bool reshowEnabled,
                                              AnswerButtons& buttons) {
  return input_.Ask(progress, preset, reshowEnabled, buttons);
}

std::optional<std::string> SessionUi::AskMath(const std::string& prompt,
                                              const std::string& decimalPlaces,
                                              const std::string& progress) {
  return math_.AskMath(prompt, decimalPlaces, progress);
}

void SessionUi::ShowWrongAnswer(const std::string& typed, const std::string& expected) {
  wrong_.ShowWrongAnswer(typed, expected);
}

void SessionUi::BeepWait(std::uint16_t unused, std::uint16_t ms) {
  orv::BeepWait(unused, ms);
}

void SessionUi::ShowScores(std::int32_t markedGroup, const std::string& kindWord) {
  if (showScores_) showScores_(markedGroup, kindWord);
}

bool SessionUi::ProgramEnding() {
  return QuitRequested();
}

}  // namespace orv
