#include "scores/firebird/qtconnection.h"

#include "scores/firebird/dbaccount.h"
#include "scores/firebird/engineerror.h"
#include "scores/firebird/engineroot.h"

namespace orv {

QSqlDatabase AddEngineConnection(const QString& name, const DbAccount& account) {
  RequirePreparedEngine();
  if (std::string problem = DbAccountProblem(account); !problem.empty()) throw E_DB_Error(problem);
  QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QIBASE"), name);
  db.setUserName(QString::fromStdString(account.user));
  db.setPassword(QString::fromStdString(account.password));
  return db;
}

}  // namespace orv
