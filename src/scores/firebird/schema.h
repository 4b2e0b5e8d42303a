#pragma once
// The score database's schema: the script db/schema.sql, compiled into the
// program, and the cutting of such a script into single statements.
#include <string>
#include <string_view>
#include <vector>

namespace orv {

// The text of db/schema.sql.
std::string_view SchemaScript();

// The statements of an isql-style script, in order and without their
// terminators. Comments outside quotes are dropped; "SET TERM x y" changes
// the terminator (so procedure bodies can hold ";") and is not a statement.
std::vector<std::string> ScriptStatements(std::string_view script);

}  // namespace orv
