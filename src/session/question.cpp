#include "session/question.h"

#include "judging/judge.h"

namespace orv {

Question Question::FromLine(std::string_view line) {
  auto bar = line.find('|');
  if (bar == std::string_view::npos) return {std::string(line), std::string(line), {}};
  return {std::string(line.substr(0, bar)), std::string(line.substr(bar + 1)), {}};
}

std::string Question::Word() const {
  return HasPrompt() ? prompt : ShownAnswer();
}

std::string Question::ShownAnswer() const {
  return orv::ShownAnswer(answer, policy);
}

std::string ReviewItemOf(const Question& question, const LineItems& items) {
  for (const std::string& line : {question.prompt + "|" + question.answer, question.answer}) {
    if (const auto found = items.find(line); found != items.end()) return found->second;
  }
  return question.Key();
}

}  // namespace orv
