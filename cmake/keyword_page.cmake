# Makes a game-writing manual page: its template with the keyword section that
# the built program prints from its own keyword table, in the page's language,
# so that the page lists every command the program knows.
#   cmake -DPROGRAM=lumora -DLANGUAGE=C|pt_BR -DTEMPLATE=page.5.in -DOUTPUT=page.5
#         -DPROJECT_VERSION=x.y.z -P keyword_page.cmake
# A sanitizer build's program runs here too: a leak report at its exit is not
# the page's business.
execute_process(
  COMMAND ${CMAKE_COMMAND} -E env LANGUAGE=${LANGUAGE} ASAN_OPTIONS=detect_leaks=0 ${PROGRAM} --keywords=man
  OUTPUT_VARIABLE KEYWORDS
  RESULT_VARIABLE status)
if(NOT status EQUAL 0 OR KEYWORDS STREQUAL "")
  message(FATAL_ERROR "${PROGRAM} --keywords=man failed (${status})")
endif()
string(STRIP "${KEYWORDS}" KEYWORDS)
configure_file(${TEMPLATE} ${OUTPUT} @ONLY)
