#pragma once
// What a learner's account of an installed machine's server may not do:
// change or remove rows. Such a refusal is told plainly, not as the engine's
// words.
#include <QSqlError>
#include <string>

namespace orv {

// Marked in context "ScoreDatabase"; shown translated.
inline constexpr char kTeachersOnly[] = QT_TRANSLATE_NOOP(
    "ScoreDatabase",
    "Only a teacher's computer account may change or remove what the score database "
    "holds: ask a teacher to do this.");

// True when the engine refused the statement for want of a right.
bool IsNoPermission(const QSqlError& error);

// kTeachersOnly for a refusal for want of a right, else the error's text.
std::string RefusalText(const QSqlError& error);

}  // namespace orv
