#pragma once
// The forms in which a typed answer and the expected one are compared. Texts
// are UTF-8.
#include <string>
#include <string_view>
#include <vector>

namespace orv {

// The form every answer is compared in: blanks at both ends removed, a run of
// blanks inside taken as one, Unicode NFC, and the typographic apostrophes,
// quotes and dashes (and the minus sign) taken as their plain ASCII forms.
std::string SameAnswerForm(std::string_view text);

// Letter case folded away (Unicode case folding).
std::string WithoutCase(std::string_view text);
// Every letter without its accents ("café" -> "cafe"), in NFC.
std::string WithoutAccents(std::string_view text);
// Punctuation left out, and the blanks it leaves taken as in SameAnswerForm.
std::string WithoutPunctuation(std::string_view text);

// The answers one written with alternatives accepts: cut at each ";", where
// "\;" stands for a ";" that belongs to the answer.
std::vector<std::string> Alternatives(std::string_view answer);

}  // namespace orv
