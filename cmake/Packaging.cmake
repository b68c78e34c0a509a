# Installation layout and the Debian package.
#
#   cmake --preset release && cmake --build build/release
#   cmake --install build/release --prefix <prefix>
#   cd build/release && cpack -G DEB        (a .deb installing under /usr)
#
# Under the prefix:
#   bin/tessaro                              the program (tessaro-diz beside it)
#   <libdir>/tessaro/libTESSDLL.so           the decoder, found through the run path
#   share/tessaro/                           the shipped dictionaries and contrari.txt;
#                                            the menu entry starts the program here so it
#                                            finds them (they are read from the current folder)
#   share/tessaro/guida/index.html           the user guide ("Istruzioni generali", F1)
#   share/applications/tessaro.desktop       the menu entry, which also opens *.tes files
#   share/mime/packages/tessaro.xml          the MIME type of *.tes (application/x-tessaro-schema)
#   share/icons/hicolor/scalable/apps/tessaro.svg
#   share/doc/tessaro/copyright, changelog.gz
#
# In the build tree the program runs from <build>/share with itself in
# <build>/bin, and the guide is copied to <build>/share/guida; the program
# looks for the guide at <exe dir>/../share/tessaro/guida and then at
# <exe dir>/../share/guida.
include_guard(GLOBAL)

set(TESSARO_MANUTENTORE "Tessaro maintainers <maintainers@users.noreply.c-seed-2afff11a.example>"
    CACHE STRING "Maintainer named in the Debian package")

set(TESSARO_INSTALL_DATADIR ${CMAKE_INSTALL_DATADIR}/tessaro)
set(tessaro_pack_dir ${CMAKE_SOURCE_DIR}/packaging)
set(tessaro_pack_out ${CMAKE_BINARY_DIR}/packaging)

# Install-time paths: the desktop entry names the final folders, which are
# known only when installing (cpack installs with the prefix /usr and a
# staging DESTDIR).
function(tessaro_percorso_installato variabile relativo)
  if(IS_ABSOLUTE "${relativo}")
    set(${variabile} "${relativo}" PARENT_SCOPE)
  else()
    set(${variabile} "\${CMAKE_INSTALL_PREFIX}/${relativo}" PARENT_SCOPE)
  endif()
endfunction()
tessaro_percorso_installato(tessaro_dati_inst ${TESSARO_INSTALL_DATADIR})
tessaro_percorso_installato(tessaro_bin_inst ${CMAKE_INSTALL_BINDIR})
tessaro_percorso_installato(tessaro_app_inst ${CMAKE_INSTALL_DATADIR}/applications)

# ---- the user guide
file(GLOB_RECURSE tessaro_guida CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/docs/guida/*)
foreach(sorgente IN LISTS tessaro_guida)
  file(RELATIVE_PATH relativo ${CMAKE_SOURCE_DIR}/docs/guida ${sorgente})
  configure_file(${sorgente} ${TESSARO_DATA_DIR}/guida/${relativo} COPYONLY)
endforeach()
install(DIRECTORY ${CMAKE_SOURCE_DIR}/docs/guida/ DESTINATION ${TESSARO_INSTALL_DATADIR}/guida)

# ---- the decoder library (its own folder may install it too: the same file)
if(TARGET TESSDLL)
  install(TARGETS TESSDLL
          LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR}/tessaro
          PERMISSIONS OWNER_READ OWNER_WRITE GROUP_READ WORLD_READ)
endif()

# ---- the shipped dictionaries: whatever the build generated into share/
install(CODE "
  file(GLOB tessaro_dati LIST_DIRECTORIES false
       \"${TESSARO_DATA_DIR}/*.diz\" \"${TESSARO_DATA_DIR}/*.dic\" \"${TESSARO_DATA_DIR}/contrari.txt\")
  if(tessaro_dati)
    file(INSTALL \${tessaro_dati} DESTINATION \"${tessaro_dati_inst}\"
         PERMISSIONS OWNER_READ OWNER_WRITE GROUP_READ WORLD_READ)
  else()
    message(STATUS \"Tessaro: nessun dizionario in ${TESSARO_DATA_DIR}\")
  endif()
")

# ---- menu entry and icon
install(CODE "
  set(TESSARO_PROGRAMMA \"${tessaro_bin_inst}/tessaro\")
  set(TESSARO_DATI \"${tessaro_dati_inst}\")
  configure_file(\"${tessaro_pack_dir}/tessaro.desktop.in\" \"${tessaro_pack_out}/tessaro.desktop\" @ONLY)
  file(INSTALL \"${tessaro_pack_out}/tessaro.desktop\" DESTINATION \"${tessaro_app_inst}\"
       PERMISSIONS OWNER_READ OWNER_WRITE GROUP_READ WORLD_READ)
")
install(FILES ${tessaro_pack_dir}/tessaro.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
install(FILES ${tessaro_pack_dir}/tessaro-mime.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages RENAME tessaro.xml)

# ---- copyright, changelog and manual pages where Debian expects them
function(tessaro_gzip sorgente destinazione)
  get_filename_component(nome ${sorgente} NAME)
  add_custom_command(
    OUTPUT ${sorgente}.gz
    COMMAND gzip -9 -n -c ${sorgente} > ${sorgente}.gz
    DEPENDS ${sorgente}
    COMMENT "Compressione di ${nome}")
  install(FILES ${sorgente}.gz DESTINATION ${destinazione} ${ARGN})
  set_property(GLOBAL APPEND PROPERTY TESSARO_COMPRESSI ${sorgente}.gz)
endfunction()

configure_file(${tessaro_pack_dir}/changelog.in ${tessaro_pack_out}/changelog @ONLY)
configure_file(${tessaro_pack_dir}/tessaro.1.en.in ${tessaro_pack_out}/en/tessaro.1 @ONLY)
configure_file(${tessaro_pack_dir}/tessaro.1.in ${tessaro_pack_out}/it/tessaro.1 @ONLY)
configure_file(${tessaro_pack_dir}/tessaro-diz.1.in ${tessaro_pack_out}/en/tessaro-diz.1 @ONLY)
set(tessaro_docdir ${CMAKE_INSTALL_DATADIR}/doc/tessaro)
tessaro_gzip(${tessaro_pack_out}/changelog ${tessaro_docdir})
tessaro_gzip(${tessaro_pack_out}/en/tessaro.1 ${CMAKE_INSTALL_MANDIR}/man1)
tessaro_gzip(${tessaro_pack_out}/it/tessaro.1 ${CMAKE_INSTALL_MANDIR}/it/man1)
tessaro_gzip(${tessaro_pack_out}/en/tessaro-diz.1 ${CMAKE_INSTALL_MANDIR}/man1)
get_property(tessaro_compressi GLOBAL PROPERTY TESSARO_COMPRESSI)
add_custom_target(tessaro_pacchetto ALL DEPENDS ${tessaro_compressi})
install(FILES ${tessaro_pack_dir}/copyright DESTINATION ${tessaro_docdir})

# ---- the Debian package
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME tessaro)
set(CPACK_PACKAGE_VENDOR "Tessaro")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "${TESSARO_MANUTENTORE}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "build Italian crosswords with dictionary suggestions")
set(CPACK_PACKAGE_DESCRIPTION
    "Tessaro helps a setter build Italian crosswords: it creates grids of up to
25 by 35 cells, lets the user blacken cells and write words across and
down, and lists the dictionary words that fit a row, a column or a crossing
cell, with the letters already placed as a pattern. A chosen word is
written into the grid with one click, and every change can be undone.
It also lists anagrams, synonyms and antonyms and checks the spelling of
a word (through Hunspell and MyThes). Grids are saved as small .tes files.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${TESSARO_MANUTENTORE}")
set(CPACK_DEBIAN_PACKAGE_SECTION misc)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "hunspell-it, mythes-it, qt6-translations-l10n")
include(CPack)
