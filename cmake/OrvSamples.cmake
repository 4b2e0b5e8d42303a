# The sample word lists under samples/ are compiled into the program, so that
# `orvc init` can install them wherever the program runs. Each file keeps its
# path below samples/, which is its path below the word-list root.
function(orv_embed_samples target folder)
  file(GLOB_RECURSE files CONFIGURE_DEPENDS RELATIVE ${folder} ${folder}/*.orv)
  list(SORT files)
  set(entries "")
  foreach(rel IN LISTS files)
    file(READ ${folder}/${rel} text)
    string(FIND "${text}" ")orv_sample\"" clash)
    if(NOT clash EQUAL -1)
      message(FATAL_ERROR "${folder}/${rel} holds the text that ends the embedded string")
    endif()
    set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${folder}/${rel})
    string(REPLACE "/" "\\\\" path "${rel}")
    string(APPEND entries "      {\"${path}\", R\"orv_sample(${text})orv_sample\"},\n")
  endforeach()
  set(out ${CMAKE_CURRENT_BINARY_DIR}/generated/sample_lists.cpp)
  file(CONFIGURE OUTPUT ${out} CONTENT [=[
// Generated from samples/ by cmake/OrvSamples.cmake; do not edit.
#include "lists/samplelists.h"

namespace orv {

std::span<const SampleList> SampleLists() {
  static constexpr SampleList lists[] = {
@entries@  };
  return lists;
}

}  // namespace orv
]=] @ONLY)
  target_sources(${target} PRIVATE ${out})
endfunction()
