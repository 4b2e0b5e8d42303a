#include "support/run_program.h"

#include <QProcess>
#include <QProcessEnvironment>
#include <QString>
#include <QStringList>

namespace orv::test {

ProgramRun RunProgram(const std::string& program, const std::vector<std::string>& args,
                      const std::vector<std::string>& unset) {
  QStringList list;
  for (const std::string& a : args) list << QString::fromStdString(a);
  QProcess process;
  QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
  for (const std::string& name : unset) env.remove(QString::fromStdString(name));
  process.setProcessEnvironment(env);
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
