#include "support/run_program.h"

#include <QProcess>
#include <QString>
#include <QStringList>

namespace orv::test {

ProgramRun RunProgram(const std::string& program, const std::vector<std::string>& args) {
  QStringList list;
  for (const std::string& a : args) list << QString::fromStdString(a);
  QProcess process;
  process.start(QString::fromStdString(program), list);
  ProgramRun run;
  if (!process.waitForFinished(60000)) {
    process.kill();
    process.waitForFinished();
    return run;
  }
  if (process.exitStatus() == QProcess::NormalExit) run.exitCode = process.exitCode();
  run.out = process.readAllStandardOutput().toStdString();
  run.err = process.readAllStandardError().toStdString();
  return run;
}

}  // namespace orv::test
