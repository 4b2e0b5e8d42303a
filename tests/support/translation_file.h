#pragma once
// Translations made by a test: a Qt Linguist .ts text compiled by lrelease.
#include <string>

namespace orv::test {

// The program's own .ts file of a language, as the repository holds it.
std::string SourceTsFile(const std::string& language);

// The .ts text with every message translated to "[!! source !!]", so that
// any text shown through it is marked.
std::string PseudoTranslated(const std::string& tsText);

// A .ts text of one language holding the given messages (context, source,
// translation).
struct TsMessage {
  const char* context;
  const char* source;
  const char* translation;
};
std::string TsText(const std::string& language, std::initializer_list<TsMessage> messages);

// Compiles the .ts text into folder/orv_<language>.qm; returns what lrelease
// said when it failed, else "".
std::string CompileTranslation(const std::string& tsText, const std::string& folder,
                               const std::string& language);

}  // namespace orv::test
