#pragma once
// Statements that a user types by hand are run here: only a single select
// is accepted (the engine itself says what kind of statement it is), and it
// runs in a read-only transaction of its own, so it cannot change anything.
#include <QSqlDatabase>
#include <string>

#include "scores/firebird/engineerror.h"
#include "scores/firebird/resulttable.h"

namespace orv {

// A statement that is not a single select; nothing was run.
class E_Select_Refused : public E_DB_Error {
 public:
  using E_DB_Error::E_DB_Error;
};

// Marked in context "ScoreDatabase"; shown translated.
inline constexpr char kOnlySelectText[] =
    QT_TRANSLATE_NOOP("ScoreDatabase",
                      "Only a single select statement can be run here. The statement was not run "
                      "and nothing was changed.");

// Runs the select on the open connection db and fetches every row; a binary
// blob that is not null comes as an empty byte array, text blobs whole. Raises
// E_Select_Refused for any other kind of statement (or one with parameters)
// and E_DB_Error with the engine's error when the engine rejects it.
ResultTable ReadOnlySelect(const QSqlDatabase& db, const std::string& statement);

}  // namespace orv
