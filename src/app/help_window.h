#pragma once
// The help window: the help pages in a browser, with their contents, a
// keyword index with a search box, and the page on using help.
#include <QWidget>
#include <memory>
#include <string>

#include "app/helpindex.h"

class QLineEdit;
class QListWidget;
class QTabWidget;
class QTextBrowser;

namespace orv {

class THelpForm : public QWidget {
  Q_OBJECT

 public:
  // folder: where the pages are (see FindHelpFolder).
  explicit THelpForm(const std::string& folder, QWidget* parent = nullptr);

  void ShowContents();
  void ShowHelpOnHelp();
  // Opens the index with the search box ready.
  void ShowSearch();
  // Opens the keyword's page; an unknown keyword opens the index searching for it.
  void ShowKeyword(const std::string& keyword);

  const HelpIndexO& Index() const { return index_; }
  // The page shown, as a file name of the help folder.
  std::string CurrentPage() const;

 private:
  void ShowPage(const std::string& file);
  void FillKeywords(const QString& text);
  void OpenKeywordItem();
  void PresentWindow();

  QTabWidget* Tabs;
  QListWidget* ContentsList;
  QLineEdit* SearchBox;
  QListWidget* KeywordList;
  QTextBrowser* Browser;
  HelpIndexO index_;
};

}  // namespace orv
