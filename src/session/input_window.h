#pragma once
// The answer window of a spelling question: the learner types the word shown.
#include <QDialog>
#include <optional>
#include <string>

class QLabel;
class QLineEdit;
class QPushButton;

namespace orv {

class AnswerButtons;

class T_Input : public QDialog {
  Q_OBJECT

 public:
  explicit T_Input(QWidget* parent = nullptr);

  // Shows the window modally with the progress text and the preset answer
  // (selected, so typing replaces it); returns the text typed, or
  // std::nullopt when the learner closed the window (its close box, Esc or
  // Stop) to stop the test. ReShow and Replay act through the buttons while
  // the window is open.
  std::optional<std::string> Ask(const std::string& progress, const std::string& preset,
                                 bool reshowWord, AnswerButtons& buttons);

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  void LayOut();
  void FormShow();
  void Button2Click();
  void BReShowClick();
  void ReplayClick();

  QLabel* Progress;
  QLineEdit* Edit1;
  QPushButton* Replay;
  QPushButton* BReShow;
  QPushButton* BStop;
  QPushButton* BitBtn1;
  AnswerButtons* buttons_ = nullptr;
  bool reshowWord_ = false;
};

}  // namespace orv
