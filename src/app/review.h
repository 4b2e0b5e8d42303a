#pragma once
// The main window's Review command: the learner's due items over every list
// as one test, or a message saying when the next item is due.
#include <cstddef>
#include <string>

namespace orv {

class Dialogs;
class ScoreDatabase;
class TestSession;
struct ProgramPaths;
struct SessionSettings;

// How many items one review asks: orv.ini's "ReviewItems" (1 to 999), else 20.
std::size_t ReviewItemCount(const ProgramPaths& paths);

// The lists are found under the paths' list folder.
void RunReview(ScoreDatabase& database, TestSession& session, Dialogs& dialogs,
               const ProgramPaths& paths, const std::string& user, const SessionSettings& settings);

}  // namespace orv
