# Every subsystem folder under src/ (with the rooms inside it) is picked up without
# editing a CMake file: core sources (*.cpp) go into orv_core, window sources
# (*_window.cpp) into orv_gui.
set(ORV_SUBSYSTEMS base app files lists exchange numbers judging users session scores progress widgets)

function(orv_collect_sources out_core out_gui)
  set(core)
  set(gui)
  foreach(sub IN LISTS ORV_SUBSYSTEMS)
    file(GLOB_RECURSE sources CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/src/${sub}/*.cpp
         ${PROJECT_SOURCE_DIR}/src/${sub}/*.h)
    foreach(f IN LISTS sources)
      if(f MATCHES "_window\\.(cpp|h)$")
        list(APPEND gui ${f})
      else()
        list(APPEND core ${f})
      endif()
    endforeach()
  endforeach()
  set(${out_core} ${core} PARENT_SCOPE)
  set(${out_gui} ${gui} PARENT_SCOPE)
endfunction()
