#pragma once
// The base of the score, log and sound windows: a hint dialog over the score
// database, the data set its grid shows and what it asks of the program.
#include "widgets/hintdialog_window.h"

namespace orv {

class DataSet;
class ScoreDatabase;
class ScoreWindowHost;

class TDbDialog : public THintDialog {
  Q_OBJECT

 public:
  TDbDialog(ScoreDatabase& database, DataSet& dataSet, const ScoreWindowHost& host,
            Dialogs& dialogs, QWidget* parent)
      : THintDialog(dialogs, parent), database_(database), dataSet_(dataSet), host_(host) {}

  const ScoreWindowHost& Host() const { return host_; }

 protected:
  ScoreDatabase& database_;
  DataSet& dataSet_;
  const ScoreWindowHost& host_;
};

}  // namespace orv
