#include "scores/wordtotals.h"

#include "scores/firebird/engineerror.h"
#include "scores/firebird/owntransaction.h"

namespace orv {

bool FoldWordTotals(const QSqlDatabase& db) {
  // The groups are sorted whole before the loop changes the table; a word
  // whose rows sum to nothing is gone from the log and leaves no row.
  try {
    RunSnapshotNoWait(db, {"EXECUTE BLOCK AS "
                           "DECLARE W INTEGER; DECLARE R SMALLINT; DECLARE S INTEGER; "
                           "BEGIN "
                           "FOR SELECT WORD_ID, WRONG, SUM(N) FROM LOG_TOTAL GROUP BY WORD_ID, "
                           "WRONG HAVING COUNT(*) > 1 PLAN SORT (LOG_TOTAL NATURAL) "
                           "INTO :W, :R, :S DO "
                           "BEGIN "
                           "DELETE FROM LOG_TOTAL WHERE WORD_ID IS NOT DISTINCT FROM :W "
                           "AND WRONG = :R; "
                           "IF (S <> 0) THEN "
                           "INSERT INTO LOG_TOTAL (WORD_ID, WRONG, N) VALUES (:W, :R, :S); "
                           "END "
                           "END"});
    return true;
  } catch (const E_DB_Error&) {
    return false;
  }
}

}  // namespace orv
