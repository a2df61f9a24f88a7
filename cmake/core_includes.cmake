# Fails when code under SRC_DIR outside its platform/ folder includes a header
# of SDL, FFmpeg, Dear ImGui, Cairo, FreeType or libpng. The game core runs on
# any platform the game has; only src/platform talks to those libraries. Those
# headers sit in the compiler's default search path, so no include-folder
# setting can keep them out: this check does.
#   cmake -DSRC_DIR=<folder> -P core_includes.cmake
if(NOT SRC_DIR)
  message(FATAL_ERROR "core_includes.cmake: SRC_DIR not given")
endif()
file(GLOB_RECURSE files "${SRC_DIR}/*.h" "${SRC_DIR}/*.hpp" "${SRC_DIR}/*.cpp" "${SRC_DIR}/*.cc")
list(FILTER files EXCLUDE REGEX "^${SRC_DIR}/platform/")
set(forbidden "^[ \t]*#[ \t]*include[ \t]*[<\"](SDL|libav|libsw|imgui|cairo|ft2build|freetype|png\\.h)")
set(found "")
foreach(f ${files})
  file(STRINGS "${f}" lines REGEX "${forbidden}")
  foreach(line ${lines})
    file(RELATIVE_PATH rel "${SRC_DIR}" "${f}")
    string(STRIP "${line}" line)
    string(APPEND found "  ${rel}: ${line}\n")
  endforeach()
endforeach()
if(found)
  message(FATAL_ERROR "Only src/platform may include platform libraries; found:\n${found}")
endif()
