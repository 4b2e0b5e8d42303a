#include "app/help_window.h"

#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QSplitter>
#include <QTabWidget>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

#include "app/language.h"
#include "base/translate.h"

namespace orv {
namespace {

constexpr int kFileRole = Qt::UserRole;

}  // namespace

THelpForm::THelpForm(const std::string& folder, QWidget* parent)
    : QWidget(parent, Qt::Window), index_(folder, LoadedLanguage()) {
  setObjectName("HelpForm");
  setWindowTitle(Tr("THelpForm", "Orv Help"));
  resize(900, 620);

  Tabs = new QTabWidget(this);
  Tabs->setObjectName("Tabs");
  ContentsList = new QListWidget(Tabs);
  ContentsList->setObjectName("ContentsList");
  ContentsList->setAccessibleName(Tr("THelpForm", "Contents"));
  for (const std::string& file : index_.ContentsOrder()) {
    QString title = QString::fromStdString(file);
    for (const HelpPage& page : index_.Pages()) {
      if (page.file == file) title = QString::fromStdString(page.title);
    }
    auto* item = new QListWidgetItem(title, ContentsList);
    item->setData(kFileRole, QString::fromStdString(file));
  }
  Tabs->addTab(ContentsList, Tr("THelpForm", "&Contents"));

  auto* indexPage = new QWidget(Tabs);
  SearchBox = new QLineEdit(indexPage);
  SearchBox->setObjectName("SearchBox");
  SearchBox->setPlaceholderText(Tr("THelpForm", "Type a word to look for"));
  KeywordList = new QListWidget(indexPage);
  KeywordList->setObjectName("KeywordList");
  KeywordList->setAccessibleName(Tr("THelpForm", "Keywords"));
  auto* indexLayout = new QVBoxLayout(indexPage);
  auto* prompt = new QLabel(Tr("THelpForm", "&Type the first letters of a word:"), indexPage);
  prompt->setBuddy(SearchBox);
  indexLayout->addWidget(prompt);
  indexLayout->addWidget(SearchBox);
  indexLayout->addWidget(KeywordList);
  Tabs->addTab(indexPage, Tr("THelpForm", "&Index"));

  Browser = new QTextBrowser(this);
  Browser->setObjectName("Browser");
  Browser->setAccessibleName(Tr("THelpForm", "Help page"));
  Browser->setOpenExternalLinks(false);
  Browser->setSearchPaths({QString::fromStdString(index_.Folder())});
  // A link leads to the page in the windows' language where there is one, else
  // to the English page, from a page of either.
  Browser->setOpenLinks(false);
  connect(Browser, &QTextBrowser::anchorClicked, this, [this](const QUrl& link) {
    if (!link.isRelative() && !link.isLocalFile()) return;
    if (link.path().isEmpty()) {
      Browser->scrollToAnchor(link.fragment());
      return;
    }
    QUrl page = QUrl::fromLocalFile(
        QString::fromStdString(index_.PathOf(QFileInfo(link.path()).fileName().toStdString())));
    page.setFragment(link.fragment());
    Browser->setSource(page);
  });

  auto* split = new QSplitter(this);
  split->addWidget(Tabs);
  split->addWidget(Browser);
  split->setStretchFactor(1, 3);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(4, 4, 4, 4);
  layout->addWidget(split);

  FillKeywords({});
  connect(SearchBox, &QLineEdit::textChanged, this, &THelpForm::FillKeywords);
  connect(SearchBox, &QLineEdit::returnPressed, this, &THelpForm::OpenKeywordItem);
  connect(KeywordList, &QListWidget::itemActivated, this, &THelpForm::OpenKeywordItem);
  connect(KeywordList, &QListWidget::itemClicked, this, &THelpForm::OpenKeywordItem);
  connect(ContentsList, &QListWidget::itemActivated, this, [this](QListWidgetItem* item) {
    ShowPage(item->data(kFileRole).toString().toStdString());
  });
  connect(ContentsList, &QListWidget::itemClicked, this, [this](QListWidgetItem* item) {
    ShowPage(item->data(kFileRole).toString().toStdString());
  });
}

void THelpForm::PresentWindow() {
  show();
  raise();
  activateWindow();
}

void THelpForm::ShowPage(const std::string& file) {
  Browser->setSource(QUrl::fromLocalFile(QString::fromStdString(index_.PathOf(file))));
}

std::string THelpForm::CurrentPage() const {
  return QFileInfo(Browser->source().toLocalFile()).fileName().toStdString();
}

void THelpForm::ShowContents() {
  Tabs->setCurrentIndex(0);
  ShowPage(kHelpContentsPage);
  PresentWindow();
}

void THelpForm::ShowHelpOnHelp() {
  ShowPage(kHelpOnHelpPage);
  PresentWindow();
}

void THelpForm::ShowSearch() {
  Tabs->setCurrentIndex(1);
  if (Browser->source().isEmpty()) ShowPage(kHelpContentsPage);
  PresentWindow();
  SearchBox->setFocus();
  SearchBox->selectAll();
}

void THelpForm::ShowKeyword(const std::string& keyword) {
  if (std::optional<std::string> page = index_.PageFor(keyword)) {
    ShowPage(*page);
    PresentWindow();
    return;
  }
  SearchBox->setText(QString::fromStdString(keyword));
  ShowSearch();
}

void THelpForm::FillKeywords(const QString& text) {
  KeywordList->clear();
  for (const HelpKeyword& k : index_.Search(text.toStdString())) {
    auto* item = new QListWidgetItem(QString::fromStdString(k.keyword), KeywordList);
    item->setData(kFileRole, QString::fromStdString(k.file));
  }
  if (KeywordList->count() > 0) KeywordList->setCurrentRow(0);
}

void THelpForm::OpenKeywordItem() {
  const QListWidgetItem* item = KeywordList->currentItem();
  if (item != nullptr) ShowPage(item->data(kFileRole).toString().toStdString());
}

}  // namespace orv
