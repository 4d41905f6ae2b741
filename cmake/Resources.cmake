# Host tools that turn the sources under resources/ and tools/artgen into the built-in resources.
set(ORLN7A_CATALOGUE ${PROJECT_SOURCE_DIR}/resources/catalogue.txt)
set(ORLN7A_ART_DIR ${PROJECT_BINARY_DIR}/art)

add_executable(orln7a-resgen ${PROJECT_SOURCE_DIR}/tools/resgen/resgen.cpp)
target_include_directories(orln7a-resgen PRIVATE ${PROJECT_SOURCE_DIR}/src)

file(GLOB ORLN7A_ARTGEN_SOURCES CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/tools/artgen/*.cpp
     ${PROJECT_SOURCE_DIR}/tools/artgen/*.h)
add_executable(orln7a-artgen ${ORLN7A_ARTGEN_SOURCES})
target_link_libraries(orln7a-artgen PRIVATE Qt6::Gui)
if(NOT ORLN7A_ART)
  set_target_properties(orln7a-artgen PROPERTIES EXCLUDE_FROM_ALL ON)
endif()

# The generated catalogue source; called from the folder whose library compiles it, because a
# build rule is only seen by targets of its own folder.
function(orln7a_generate_resources out_var)
  add_custom_command(
    OUTPUT ${ORLN7A_ART_DIR}/stamp
    COMMAND ${CMAKE_COMMAND} -E env QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=0
            $<TARGET_FILE:orln7a-artgen> ${ORLN7A_CATALOGUE} ${ORLN7A_ART_DIR}
    COMMAND ${CMAKE_COMMAND} -E touch ${ORLN7A_ART_DIR}/stamp
    DEPENDS orln7a-artgen ${ORLN7A_CATALOGUE}
    COMMENT "Drawing the skin artwork")

  file(GLOB_RECURSE ORLN7A_RESOURCE_SOURCES CONFIGURE_DEPENDS
       ${PROJECT_SOURCE_DIR}/resources/texts/* ${PROJECT_SOURCE_DIR}/resources/images/*)
  if(ORLN7A_ART)
    set(art_dir ${ORLN7A_ART_DIR})
    set(art_stamp ${ORLN7A_ART_DIR}/stamp)
  else()
    # Core-only builds leave the pictures out (empty resources) and need no drawing.
    set(art_dir -)
    set(art_stamp)
  endif()
  add_custom_command(
    OUTPUT ${PROJECT_BINARY_DIR}/generated/resource_data.cpp
    COMMAND $<TARGET_FILE:orln7a-resgen> ${ORLN7A_CATALOGUE} ${PROJECT_SOURCE_DIR}/resources
            ${art_dir} ${PROJECT_BINARY_DIR}/generated/resource_data.cpp
    DEPENDS orln7a-resgen ${ORLN7A_CATALOGUE} ${ORLN7A_RESOURCE_SOURCES} ${art_stamp}
    COMMENT "Building the resource catalogue")

  set(${out_var} ${PROJECT_BINARY_DIR}/generated/resource_data.cpp PARENT_SCOPE)
endfunction()
