#pragma once
// One question of a compiled list: the text shown (or spoken) and the answer
// expected. A spelling word is both.
#include <string>
#include <string_view>

#include "judging/answerpolicy.h"
#include "lists/compile.h"

namespace orv {

struct Question {
  std::string prompt;
  std::string answer;
  // What the list allows of the answer, with the program's defaults filled in.
  AnswerPolicy policy;

  // A line "prompt|answer" is cut at its first "|"; any other line is a word.
  static Question FromLine(std::string_view line);
  // Whether the learner answers in the math input window.
  bool HasPrompt() const { return prompt != answer; }
  // The word shown and heard: a word written with alternatives shows its first.
  std::string Word() const;
  // The right answer as the learner is shown it.
  std::string ShownAnswer() const;
  // The question's key in the answer log.
  std::string Key() const { return HasPrompt() ? prompt + "|" + answer : answer; }
};

// The review's item of a question of a compiled list: the expression line
// that made it (items, by the compiled line's text), or the question itself.
std::string ReviewItemOf(const Question& question, const LineItems& items);

}  // namespace orv
