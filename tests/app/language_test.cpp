// Which language the windows take: the command line's, the user's, the
// desktop's, each cut to a language the program has.
#include "app/language.h"

#include <gtest/gtest.h>

namespace orv {
namespace {

TEST(Language, TheCommandLineWinsThenTheUserAndOnlyTheProgramsLanguagesAreTaken) {
  const struct {
    std::optional<std::string> commandLine;
    std::string user;
    std::string chosen;
  } cases[] = {
      {"de", "fr", "de"},
      {std::string(), "es_ES.UTF-8", "es"},
      {std::nullopt, "fr-CA", "fr"},
      {"pt_BR", "de", "en"},
      {std::nullopt, "C", "en"},
      {"de_AT@euro", "", "de"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(ChosenLanguage(c.commandLine, c.user), c.chosen)
        << c.commandLine.value_or("-") << " " << c.user;
  }
  EXPECT_EQ(ChosenLanguage(std::nullopt, ""), DesktopLanguage());
}

}  // namespace
}  // namespace orv
