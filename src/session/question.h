#pragma once
// One question of a compiled list: the text shown (or spoken) and the answer
// expected. A spelling word is both.
#include <string>
#include <string_view>

namespace orv {

struct Question {
  std::string prompt;
  std::string answer;

  // A line "prompt|answer" is cut at its first "|"; any other line is a word.
  static Question FromLine(std::string_view line);
  // Whether the learner answers in the math input window.
  bool HasPrompt() const { return prompt != answer; }
  // The question's key in the answer log.
  std::string Key() const { return HasPrompt() ? prompt + "|" + answer : answer; }
};

}  // namespace orv
