#pragma once
// A plain page of words, one a line, as one list.
#include <string_view>

#include "exchange/imported.h"

namespace orv {

// Each line of the text (UTF-8; the file layer has turned Windows-1252 into
// it) that holds more than blanks is one spelling word of the list name.
ImportResult ReadPlainText(std::string_view text, std::string_view name);

}  // namespace orv
