# Precompiled headers: most sources include QImage through the form's headers,
# and every test includes GoogleTest, which costs more to parse than the source
# itself. -DLUMORA_PCH=OFF builds without.
#
# GCC uses a precompiled set only where every macro defined when it was made is
# defined alike, so each set is made by a target of its own with no macros of
# its own (an empty object library), and the targets of one kind reuse it.
option(LUMORA_PCH "Precompile the heavy system headers" ON)

set(LUMORA_PCH_ENGINE <string> <string_view> <vector> <functional> <algorithm> <memory>
  <QImage> <QFont> <QPainter> <QString>)
set(LUMORA_PCH_FRONT ${LUMORA_PCH_ENGINE} <QApplication> <QWidget> <QTimer> <QUrl>)
set(LUMORA_PCH_TESTS ${LUMORA_PCH_ENGINE} <gtest/gtest.h> <QDir> <QFile> <QJsonArray> <QJsonObject>
  <QTemporaryDir>)

# lumora_precompiled(NAME KIND LIBRARIES...): the set of KIND (ENGINE, FRONT or
# TESTS) made with the flags of a target linking LIBRARIES, as lumora_pch_NAME.
function(lumora_precompiled name kind)
  if(NOT LUMORA_PCH)
    return()
  endif()
  set(source ${CMAKE_CURRENT_BINARY_DIR}/lumora_pch_${name}.cpp)
  if(NOT EXISTS ${source})
    file(WRITE ${source} "// The precompiled headers' own source: empty.\n")
  endif()
  add_library(lumora_pch_${name} OBJECT ${source})
  set_target_properties(lumora_pch_${name} PROPERTIES AUTOMOC OFF)
  target_link_libraries(lumora_pch_${name} PRIVATE ${ARGN})
  target_precompile_headers(lumora_pch_${name} PRIVATE ${LUMORA_PCH_${kind}})
endfunction()

# lumora_use_precompiled(NAME TARGETS...): the targets compile with that set.
function(lumora_use_precompiled name)
  if(NOT LUMORA_PCH)
    return()
  endif()
  foreach(target ${ARGN})
    target_precompile_headers(${target} REUSE_FROM lumora_pch_${name})
  endforeach()
endfunction()
