#include "scores/teachersonly.h"

#include "base/translate.h"

namespace orv {
namespace {

// The engine's SQL code of "no permission for ... access" (isc_no_priv).
constexpr int kNoPermissionSqlCode = -551;

}  // namespace

bool IsNoPermission(const QSqlError& error) {
  return error.nativeErrorCode().toInt() == kNoPermissionSqlCode;
}

std::string RefusalText(const QSqlError& error) {
  return IsNoPermission(error) ? TrText("ScoreDatabase", kTeachersOnly)
                               : error.text().toStdString();
}

}  // namespace orv
