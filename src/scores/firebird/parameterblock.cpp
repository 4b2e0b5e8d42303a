#include "scores/firebird/parameterblock.h"

#include "base/translate.h"
#include "scores/firebird/engineerror.h"

namespace orv {

std::string ParameterTextProblem(std::string_view what, std::string_view text,
                                 std::size_t maxBytes) {
  if (text.size() <= maxBytes) return {};
  // what is a text marked in context "ScoreDatabase".
  return Filled(
      TrText("ScoreDatabase", "%1 is %2 bytes long; the database engine takes at most %3"),
      TrText("ScoreDatabase", std::string(what).c_str()), std::to_string(text.size()),
      std::to_string(maxBytes));
}

void ParameterBlock::Text(char tag, std::string_view text, std::string_view what, bool wide) {
  if (std::string problem =
          ParameterTextProblem(what, text, wide ? kLongTextBytes : kShortTextBytes);
      !problem.empty()) {
    throw E_DB_Error(problem);
  }
  bytes_.push_back(tag);
  const std::size_t n = text.size();
  bytes_.push_back(static_cast<char>(n & 0xFF));
  if (wide) bytes_.push_back(static_cast<char>((n >> 8) & 0xFF));
  bytes_.insert(bytes_.end(), text.begin(), text.end());
}

void ParameterBlock::Number(char tag, std::uint32_t n) {
  bytes_.push_back(tag);
  for (int shift = 0; shift < 32; shift += 8) bytes_.push_back(static_cast<char>(n >> shift));
}

short ParameterBlock::Size() const {
  if (bytes_.size() > kBlockBytes) {
    throw E_DB_Error(Filled(TrText("ScoreDatabase",
                                   "The database engine's parameters are %1 bytes long; it takes "
                                   "at most %2"),
                            std::to_string(bytes_.size()), std::to_string(kBlockBytes)));
  }
  return static_cast<short>(bytes_.size());
}

}  // namespace orv
