# Fails when code under SRC_DIR outside its platform/ folder includes a header
# of SDL, FFmpeg, Dear ImGui, Cairo, FreeType or libpng. The game core runs on
# any platform the game has; only src/platform talks to those libraries. Those
# headers sit in the compiler's default search path, so no include-folder
# setting can keep them out: this check does.
#
# With LAYERS (a file setting `layer_folders` and, for each of them,
# `allowed_<folder>`), it also fails when a file of one of those folders
# includes "<other>/..." of a layer folder its library does not link: a header
# of a layer above compiles, since every folder is on the include path, yet
# the build would not link the code behind it.
#   cmake -DSRC_DIR=<folder> [-DLAYERS=<file>] -P core_includes.cmake
cmake_minimum_required(VERSION 3.22)
if(NOT SRC_DIR)
  message(FATAL_ERROR "core_includes.cmake: SRC_DIR not given")
endif()
if(LAYERS)
  include("${LAYERS}")
endif()
file(GLOB_RECURSE files "${SRC_DIR}/*.h" "${SRC_DIR}/*.hpp" "${SRC_DIR}/*.cpp" "${SRC_DIR}/*.cc")
set(forbidden "^[ \t]*#[ \t]*include[ \t]*[<\"](SDL|libav|libsw|imgui|cairo|ft2build|freetype|png\\.h)")
set(quoted "^[ \t]*#[ \t]*include[ \t]*\"([a-z_0-9]+)/")
set(found "")
foreach(f ${files})
  file(RELATIVE_PATH rel "${SRC_DIR}" "${f}")
  string(REGEX REPLACE "/.*" "" folder "${rel}")
  if(NOT folder STREQUAL "platform")
    file(STRINGS "${f}" lines REGEX "${forbidden}")
    foreach(line ${lines})
      string(STRIP "${line}" line)
      string(APPEND found "  ${rel}: ${line}\n")
    endforeach()
  endif()
  if(folder IN_LIST layer_folders)
    file(STRINGS "${f}" lines REGEX "${quoted}")
    foreach(line ${lines})
      string(REGEX MATCH "${quoted}" _ "${line}")
      set(target "${CMAKE_MATCH_1}")
      if(target IN_LIST layer_folders AND NOT target IN_LIST allowed_${folder})
        string(STRIP "${line}" line)
        string(APPEND found "  ${rel}: ${line} (${folder} does not link ${target})\n")
      endif()
    endforeach()
  endif()
endforeach()
if(found)
  message(FATAL_ERROR "Only src/platform may include platform libraries, and a folder only the layers it links; found:\n${found}")
endif()
