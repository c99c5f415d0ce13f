# What `cmake --install` puts where, and the Debian package `cpack -G DEB`
# makes of it. The program finds its modules and its demo relative to its own
# folder (LUMORA_MODULE_FROM_BIN, LUMORA_DEMO_FROM_BIN), whatever the prefix.
set(LUMORA_APP_ID io.github.lumora.Lumora)

install(TARGETS lumora RUNTIME DESTINATION ${LUMORA_INSTALL_BINDIR})
foreach(module lumora_webengine lumora_sdlaudio lumora_speech)
  if(TARGET ${module})
    install(TARGETS ${module} LIBRARY DESTINATION ${LUMORA_INSTALL_MODULEDIR})
  endif()
endforeach()
install(DIRECTORY games/demo/ DESTINATION ${LUMORA_INSTALL_DEMODIR})
install(FILES ${LUMORA_QM_FILES} DESTINATION ${LUMORA_INSTALL_TRANSLATIONDIR})

install(FILES data/${LUMORA_APP_ID}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
configure_file(data/${LUMORA_APP_ID}.metainfo.xml ${LUMORA_APP_ID}.metainfo.xml @ONLY)
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/${LUMORA_APP_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
foreach(size 48x48 128x128 256x256)
  install(FILES data/icons/${size}/lumora.png DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}/apps)
endforeach()
install(FILES data/icons/lumora.svg DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)

# The man page, and what Debian asks of every package: the copyright and the
# changelog (a native package's is changelog.gz), compressed as Debian's own
# (gzip -n: no name or time, so the same sources give the same bytes).
set(LUMORA_GZIPPED)
function(lumora_gzip source name)
  add_custom_command(OUTPUT ${CMAKE_CURRENT_BINARY_DIR}/${name}.gz
    COMMAND gzip -9nc ${source} > ${CMAKE_CURRENT_BINARY_DIR}/${name}.gz
    DEPENDS ${source} VERBATIM)
  set(LUMORA_GZIPPED ${LUMORA_GZIPPED} ${CMAKE_CURRENT_BINARY_DIR}/${name}.gz PARENT_SCOPE)
endfunction()
configure_file(data/lumora.6.in lumora.6 @ONLY)
lumora_gzip(${CMAKE_CURRENT_BINARY_DIR}/lumora.6 lumora.6)
configure_file(data/lumora.pt_BR.6.in lumora.pt_BR.6 @ONLY)
lumora_gzip(${CMAKE_CURRENT_BINARY_DIR}/lumora.pt_BR.6 lumora.pt_BR.6)
# The game-writing reference lumora-jogo(5), in English and in Portuguese: its
# keyword section is what the built program prints from its keyword table
# (lumora --keywords=man), in the page's language (the Portuguese from the
# translation built beside the program).
function(lumora_keyword_page template language)
  string(REPLACE ".in" "" page ${template})
  add_custom_command(OUTPUT ${CMAKE_CURRENT_BINARY_DIR}/${page}
    COMMAND ${CMAKE_COMMAND} -DPROGRAM=$<TARGET_FILE:lumora> -DLANGUAGE=${language}
      -DTEMPLATE=${CMAKE_CURRENT_SOURCE_DIR}/data/${template} -DOUTPUT=${CMAKE_CURRENT_BINARY_DIR}/${page}
      -DPROJECT_VERSION=${PROJECT_VERSION} -P ${CMAKE_CURRENT_SOURCE_DIR}/cmake/keyword_page.cmake
    DEPENDS lumora ${LUMORA_QM_FILES} ${CMAKE_CURRENT_SOURCE_DIR}/data/${template}
      ${CMAKE_CURRENT_SOURCE_DIR}/cmake/keyword_page.cmake
    VERBATIM)
endfunction()
lumora_keyword_page(lumora-jogo.5.in C)
lumora_gzip(${CMAKE_CURRENT_BINARY_DIR}/lumora-jogo.5 lumora-jogo.5)
lumora_keyword_page(lumora-jogo.pt_BR.5.in pt_BR)
lumora_gzip(${CMAKE_CURRENT_BINARY_DIR}/lumora-jogo.pt_BR.5 lumora-jogo.pt_BR.5)
lumora_gzip(${CMAKE_CURRENT_SOURCE_DIR}/data/debian/changelog changelog)
add_custom_target(lumora_docs ALL DEPENDS ${LUMORA_GZIPPED})
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/lumora.6.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man6)
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/lumora.pt_BR.6.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/pt_BR/man6
  RENAME lumora.6.gz)
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/lumora-jogo.5.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man5)
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/lumora-jogo.pt_BR.5.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/pt_BR/man5
  RENAME lumora-jogo.5.gz)
install(FILES data/debian/copyright ${CMAKE_CURRENT_BINARY_DIR}/changelog.gz DESTINATION ${CMAKE_INSTALL_DOCDIR})

set(CPACK_PACKAGE_NAME lumora)
# The project's list, never a person: the package outlives who builds it.
set(CPACK_PACKAGE_CONTACT "Lumora developers <lumora-devel@lists.lumora.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "player for adventure games written as plain-text scripts")
set(CPACK_PACKAGE_DESCRIPTION "Lumora plays point-and-click adventure games whose scenes are plain-text
scripts with Portuguese keywords, with pictures, a map, web pages, music and
sounds. A small demo adventure is included.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
# The libraries the program and its modules link come from dpkg-shlibdeps; what
# Qt loads by name at run time (the platform plugins) is named here.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "timgm6mb-soundfont, fonts-liberation2, qt6-speech-speechd-plugin")
include(CPack)
