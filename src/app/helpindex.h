#pragma once
// The help pages: HTML files in one folder, each with a title and keywords
// (a <meta name="keywords"> whose content lists them separated by ";").
// The contents page orders the pages; the keyword index leads to them.
// A language's pages, where written, lie in a folder of its code beside them
// (help/de/options.html) and stand for the English ones.
#include <optional>
#include <string>
#include <vector>

namespace orv {

inline constexpr const char* kHelpContentsPage = "contents.html";
inline constexpr const char* kHelpOnHelpPage = "usinghelp.html";

struct HelpPage {
  std::string file;  // name inside the help folder
  std::string title;
  std::vector<std::string> keywords;
};

struct HelpKeyword {
  std::string keyword;
  std::string file;
};

class HelpIndexO {
 public:
  // Reads every *.html page of the folder, in the language where it has the
  // page; an empty or missing folder gives no pages.
  explicit HelpIndexO(std::string folder, const std::string& language = {});

  const std::string& Folder() const { return folder_; }
  const std::vector<HelpPage>& Pages() const { return pages_; }
  // Every keyword with its page, sorted ignoring letter case.
  const std::vector<HelpKeyword>& Keywords() const { return keywords_; }

  // The page of a keyword (the language's or the English page's), letter
  // case ignored.
  std::optional<std::string> PageFor(const std::string& keyword) const;
  // The keywords that contain the text (letter case ignored), those that
  // begin with it first; every keyword for an empty text.
  std::vector<HelpKeyword> Search(const std::string& text) const;
  // The pages of the folder the contents page links to, in its order, each once.
  const std::vector<std::string>& ContentsOrder() const { return contents_; }
  // The full path of a page of the folder, the language's where it has it.
  std::string PathOf(const std::string& file) const;

 private:
  std::string folder_;
  std::string language_;
  std::vector<HelpPage> pages_;
  std::vector<HelpKeyword> keywords_;
  std::vector<HelpKeyword> englishKeywords_;  // of the pages shown in the language
  std::vector<std::string> translated_;       // the pages the language has
  std::vector<std::string> contents_;
};

// The targets of the links (href) of an HTML text, without their "#" part;
// empty targets and ones with a scheme ("http:") are left out.
std::vector<std::string> LocalLinks(const std::string& html);

// The help folder: "help" beside the program, the installed share folder,
// the build tree's and the source tree's; empty when none holds the contents page.
std::string FindHelpFolder(const std::string& programFolder);

}  // namespace orv
