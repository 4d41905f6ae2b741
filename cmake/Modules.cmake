# One static library per subsystem folder, so that each builds and tests on its own.
#   orln7a_module(NAME SOURCES a.cpp ... DEPENDS orln7a_x ...)
function(orln7a_module name)
  cmake_parse_arguments(M "" "" "SOURCES;DEPENDS" ${ARGN})
  if(M_SOURCES)
    add_library(orln7a_${name} STATIC ${M_SOURCES})
    target_include_directories(orln7a_${name} PUBLIC ${PROJECT_SOURCE_DIR}/src)
    target_link_libraries(orln7a_${name} PUBLIC ${M_DEPENDS})
  else()
    add_library(orln7a_${name} INTERFACE)
    target_include_directories(orln7a_${name} INTERFACE ${PROJECT_SOURCE_DIR}/src)
    target_link_libraries(orln7a_${name} INTERFACE ${M_DEPENDS})
  endif()
endfunction()

# Widget code of a subsystem folder; src/app links it all into the editor.
#   orln7a_gui_sources(a.cpp b.cpp ...)
function(orln7a_gui_sources)
  foreach(f ${ARGN})
    get_filename_component(abs ${f} ABSOLUTE)
    set_property(GLOBAL APPEND PROPERTY ORLN7A_GUI_SOURCES ${abs})
  endforeach()
endfunction()

# A GoogleTest executable for one folder of tests/.
#   orln7a_gtest(NAME SOURCES a_test.cpp ... DEPENDS orln7a_x ...)
function(orln7a_gtest name)
  cmake_parse_arguments(T "" "" "SOURCES;DEPENDS" ${ARGN})
  add_executable(orln7a-${name}-tests ${T_SOURCES})
  target_include_directories(orln7a-${name}-tests PRIVATE ${PROJECT_SOURCE_DIR}/src
                             ${PROJECT_SOURCE_DIR}/tests)
  target_link_libraries(orln7a-${name}-tests PRIVATE ${T_DEPENDS} GTest::gtest GTest::gtest_main)
  gtest_discover_tests(orln7a-${name}-tests DISCOVERY_MODE PRE_TEST
                       PROPERTIES LABELS core)
endfunction()
