#pragma once
// The window that tells the learner an answer was wrong and shows the right
// one beside the one typed; a near miss is told as one, with the letters that
// differ underlined and bold.
#include <QDialog>
#include <string>

class QLabel;
class QPushButton;

namespace orv {

class SessionSounds;

class TWrongWordsForm : public QDialog {
  Q_OBJECT

 public:
  explicit TWrongWordsForm(SessionSounds& sounds, QWidget* parent = nullptr);

  // Returns when the learner has pressed OK.
  void ShowWrongAnswer(const std::string& typed, const std::string& expected);

 protected:
  void showEvent(QShowEvent* event) override;
  // No close box: only OK closes the window.
  void reject() override {}

 private:
  void LayOut();
  void FormShow();
  void PlayWrongSound(const std::string& name);
  void PaintButtonFace();

  SessionSounds& sounds_;
  QLabel* Label5;
  QLabel* Label1;
  QLabel* Label3;
  QLabel* Label2;
  QLabel* Label4;
  QLabel* NearMissLabel;
  QPushButton* BitBtn1;
  bool nearMiss_ = false;
};

}  // namespace orv
