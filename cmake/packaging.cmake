# SPDX-License-Identifier: GPL-3.0-or-later
# What a distribution needs beside the program: the copyright and changelog in the package's
# documentation folder, the manual pages, the software-centre entry, and a Debian package of
# all that is installed (cpack -G DEB in the build folder).

# The release history is kept once, in CHANGELOG.md; the Debian changelog and the software
# centre's release list are made from it.
set(MEMVALO_PACKAGING_OUT ${CMAKE_BINARY_DIR}/packaging)
set(MEMVALO_METAINFO_ID de.quorbel.memvalo)
set(MEMVALO_MAN_PAGES memvalo.1 memvalo-cli.1 de/memvalo.1 de/memvalo-cli.1)
set(_memvalo_generated ${MEMVALO_PACKAGING_OUT}/changelog.gz
                       ${MEMVALO_PACKAGING_OUT}/${MEMVALO_METAINFO_ID}.metainfo.xml)
foreach(page ${MEMVALO_MAN_PAGES})
  list(APPEND _memvalo_generated ${MEMVALO_PACKAGING_OUT}/man/${page}.gz)
endforeach()
file(GLOB _memvalo_man_sources CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/man/*.in
     ${CMAKE_SOURCE_DIR}/man/de/*.in)
string(REPLACE ";" "," _memvalo_pages "${MEMVALO_MAN_PAGES}")
add_custom_command(OUTPUT ${_memvalo_generated}
  COMMAND ${CMAKE_COMMAND} -DSOURCE=${CMAKE_SOURCE_DIR} -DOUT=${MEMVALO_PACKAGING_OUT}
          -DVERSION=${PROJECT_VERSION} -DMAKER=${MAKER_MakerName}
          -DADDRESS=${MAKER_SupportAddress} -DHOMEPAGE=${MAKER_HomePage}
          -DID=${MEMVALO_METAINFO_ID} -DPAGES=${_memvalo_pages}
          -P ${CMAKE_SOURCE_DIR}/cmake/make_package_docs.cmake
  DEPENDS ${CMAKE_SOURCE_DIR}/CHANGELOG.md ${CMAKE_SOURCE_DIR}/cmake/make_package_docs.cmake
          ${CMAKE_SOURCE_DIR}/desktop/${MEMVALO_METAINFO_ID}.metainfo.xml.in
          ${_memvalo_man_sources}
  COMMENT "Changelog, manual pages and software-centre entry"
  VERBATIM)
add_custom_target(memvalo_package_docs ALL DEPENDS ${_memvalo_generated})

install(FILES desktop/copyright ${MEMVALO_PACKAGING_OUT}/changelog.gz
  DESTINATION share/doc/memvalo)
foreach(page ${MEMVALO_MAN_PAGES})
  get_filename_component(folder ${page} DIRECTORY)
  install(FILES ${MEMVALO_PACKAGING_OUT}/man/${page}.gz DESTINATION share/man/${folder}/man1)
endforeach()
if(MEMVALO_GUI)
  install(FILES ${MEMVALO_PACKAGING_OUT}/${MEMVALO_METAINFO_ID}.metainfo.xml
    DESTINATION share/metainfo)
endif()

set(CPACK_PACKAGE_NAME memvalo)
set(CPACK_PACKAGE_VENDOR "${MAKER_MakerName}")
set(CPACK_PACKAGE_CONTACT "${MAKER_MakerName} <${MAKER_SupportAddress}>")
set(CPACK_PACKAGE_HOMEPAGE_URL "${MAKER_HomePage}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Karteikasten-Trainer: lernen mit fünf Kästen")
# Debian shows each line of the long description as it is: at most 80 characters a line.
set(CPACK_PACKAGE_DESCRIPTION
  "Memvalo fragt Karteikarten Kasten für Kasten ab: eine gewusste Karte rückt\n\
einen Kasten vor, eine nicht gewusste geht zurück in den ersten. Mit\n\
Beispiel-Lerndatei.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_STRIP_FILES ON)
# Folders the system owns keep their usual permissions inside the package.
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
if(MEMVALO_GUI)
  # Qt's own dialogs speak German with these; nothing links them, so nothing names them.
  set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-translations-l10n")
endif()
include(CPack)
