#pragma once
// The window in which the learner answers a question with a separate prompt.
#include <QDialog>
#include <optional>
#include <string>

class QLabel;
class QLineEdit;
class QPushButton;

namespace orv {

class TForm1 : public QDialog {
  Q_OBJECT

 public:
  explicit TForm1(QWidget* parent = nullptr);

  // Shows the question with its rounding rule (none when decimalPlaces is
  // empty) and the progress text; returns the typed answer unchanged
  // (possibly empty) once OK, Close or Enter has closed the window, or
  // std::nullopt when the learner closed it to stop the test (its close box,
  // Esc or Stop).
  std::optional<std::string> AskMath(const std::string& prompt, const std::string& decimalPlaces,
                                     const std::string& progress);

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  void LayOut();

  QLabel* QuestionLabel;
  QLineEdit* QuestinoEdit;
  QLabel* AnswerLabel;
  QLineEdit* AnswerEdit;
  QLabel* RoundTo;
  QLabel* remain;
  QPushButton* BStop;
  QPushButton* BitBtn1;
  QPushButton* BitBtn2;
};

}  // namespace orv
