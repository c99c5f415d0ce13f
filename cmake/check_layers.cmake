# The layers as a build fact: every #include "folder/file" of the program's
# sources must name a file of its own folder or of a folder below it.
#   cmake -DROOT=<source folder> -P cmake/check_layers.cmake
# Prints each include that runs up the layers and fails when there is one.

# Bottom to top; folders on one line share a floor and still may not include
# each other (a family never reaches sideways into another).
set(FLOORS
  "core"
  "form"
  "command"
  "state;media"
  "view"
  "nav"
  "script"
  "input;shell"
  "tools"
  "qt"
  "platform"
  "app")

if(NOT ROOT)
  message(FATAL_ERROR "check_layers: give -DROOT=<source folder>")
endif()

set(floor 0)
foreach(line IN LISTS FLOORS)
  foreach(folder IN LISTS line)
    set(FLOOR_OF_${folder} ${floor})
  endforeach()
  math(EXPR floor "${floor} + 1")
endforeach()

set(sources)
set(unplaced)
file(GLOB_RECURSE all RELATIVE "${ROOT}" "${ROOT}/*.h" "${ROOT}/*.cpp")
foreach(path IN LISTS all)
  string(REGEX MATCH "^[^/]+" folder "${path}")
  if(DEFINED FLOOR_OF_${folder})
    list(APPEND sources "${path}")
  elseif(path MATCHES "/" AND NOT folder MATCHES "^(tests|bench|fuzz|build.*|\\..*)$")
    list(APPEND unplaced "${folder}")
  endif()
endforeach()
if(unplaced)
  list(REMOVE_DUPLICATES unplaced)
  message(SEND_ERROR "check_layers: folders with sources but no floor: ${unplaced}")
endif()

set(upward 0)
foreach(path IN LISTS sources)
  string(REGEX MATCH "^[^/]+" from "${path}")
  file(STRINGS "${ROOT}/${path}" includes REGEX "^[ \t]*#[ \t]*include[ \t]*\"")
  foreach(include IN LISTS includes)
    string(REGEX MATCH "\"([^/\"]+)/" named "${include}")
    set(to "${CMAKE_MATCH_1}")
    if(NOT to OR to STREQUAL from OR NOT DEFINED FLOOR_OF_${to})
      continue()
    endif()
    if(NOT FLOOR_OF_${to} LESS FLOOR_OF_${from})
      string(STRIP "${include}" include)
      message("${path}: ${include}  (${from} may include only folders below it)")
      math(EXPR upward "${upward} + 1")
    endif()
  endforeach()
endforeach()

list(LENGTH sources checked)
if(upward GREATER 0)
  message(FATAL_ERROR "check_layers: ${upward} include(s) run up the layers")
endif()
message("check_layers: ${checked} files, every include runs down the layers")
