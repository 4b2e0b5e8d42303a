# The score database's schema script is compiled into the program, so a new
# database can be created wherever the program runs. The script is read when
# CMake configures; editing it makes the next build configure again.
function(orv_embed_schema target script)
  file(READ ${script} ORV_SCHEMA_TEXT)
  string(FIND "${ORV_SCHEMA_TEXT}" ")orv_schema\"" clash)
  if(NOT clash EQUAL -1)
    message(FATAL_ERROR "${script} holds the text that ends the embedded string")
  endif()
  set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${script})
  set(out ${CMAKE_CURRENT_BINARY_DIR}/generated/schema_script.cpp)
  file(CONFIGURE OUTPUT ${out} CONTENT [=[
// Generated from db/schema.sql by cmake/OrvSchema.cmake; do not edit.
#include "scores/firebird/schema.h"

namespace orv {

std::string_view SchemaScript() {
  static constexpr char text[] = R"orv_schema(@ORV_SCHEMA_TEXT@)orv_schema";
  return {text, sizeof text - 1};
}

}  // namespace orv
]=] @ONLY)
  target_sources(${target} PRIVATE ${out})
endfunction()
