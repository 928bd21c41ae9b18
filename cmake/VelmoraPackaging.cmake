# Installation (GNU directory layout) and the DEB package (CPack).
#
#   cmake --install build/release --prefix /some/prefix
#   cd build/release && cpack -G DEB
#
# bin/         velmora-va, velmora-cli, velmora-analyzer-emulator
# share/applications, share/icons/hicolor/scalable/apps, share/metainfo:
#              the desktop entry, the icon and the AppStream metadata
# share/velmora-va/
#   examples/      example documents and programs (recorded from the emulator)
#   translations/  the language catalogues (velmora_*.qm)
#   help/          the help pages and their pictures  (when help/ exists)
#   methods/       the analysis methods library       (when methods/ exists)
# share/doc/velmora-va: README and the emulator's manual

set(VELMORA_APP_ID "org.velmora.VelmoraVA")

install(TARGETS velmora-va velmora-cli velmora-analyzer-emulator RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR}
        COMPONENT runtime)

install(FILES ${PROJECT_SOURCE_DIR}/data/${VELMORA_APP_ID}.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications COMPONENT runtime)
install(FILES ${PROJECT_SOURCE_DIR}/data/${VELMORA_APP_ID}.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps COMPONENT runtime)
configure_file(${PROJECT_SOURCE_DIR}/data/${VELMORA_APP_ID}.metainfo.xml.in
               ${PROJECT_BINARY_DIR}/generated/${VELMORA_APP_ID}.metainfo.xml @ONLY)
install(FILES ${PROJECT_BINARY_DIR}/generated/${VELMORA_APP_ID}.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo COMPONENT runtime)

# The shared data. The example documents and programs are always there; the
# translations, the help and the methods library join from their source
# folders as soon as those exist.
install(DIRECTORY ${PROJECT_SOURCE_DIR}/examples/ DESTINATION ${VELMORA_INSTALL_DATADIR}/examples COMPONENT runtime
        PATTERN "*.sh" EXCLUDE)
foreach(_shared help methods)
  if(EXISTS ${PROJECT_SOURCE_DIR}/${_shared})
    install(DIRECTORY ${PROJECT_SOURCE_DIR}/${_shared}/ DESTINATION ${VELMORA_INSTALL_DATADIR}/${_shared}
            COMPONENT runtime)
  endif()
endforeach()
# The translations folder gets the built catalogues (velmora_*.qm, see
# src/app/CMakeLists.txt), not their sources.

install(FILES ${PROJECT_SOURCE_DIR}/README.md ${PROJECT_SOURCE_DIR}/docs/analyzer-emulator.md
        DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/velmora-va COMPONENT runtime)

# --- DEB package -----------------------------------------------------------------
set(CPACK_PACKAGE_NAME "velmora-va")
set(CPACK_PACKAGE_VENDOR "Velmora")
set(CPACK_PACKAGE_CONTACT "Velmora-VA developers <velmora-va@localhost>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "${PROJECT_DESCRIPTION}")
string(CONCAT CPACK_PACKAGE_DESCRIPTION
       "Velmora-VA drives a stripping-voltammetry analyzer over a serial line, records voltammograms, finds and "
       "measures peaks, computes concentrations and prints reports. It comes with a command-line tool and an "
       "analyzer emulator.")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_INSTALL_DIRECTORY "velmora-va")
set(CPACK_PACKAGING_INSTALL_PREFIX "/usr")
set(CPACK_GENERATOR "DEB")
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION "science")
set(CPACK_DEBIAN_PACKAGE_PRIORITY "optional")
# The libraries the programs link, found by dpkg-shlibdeps where it can run;
# the list below is the floor (Qt 6 widgets, serial port, SVG, print support,
# QCustomPlot) and is merged with what shlibdeps finds.
find_program(VELMORA_DPKG_SHLIBDEPS dpkg-shlibdeps)
if(VELMORA_DPKG_SHLIBDEPS)
  set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
endif()
set(CPACK_DEBIAN_PACKAGE_DEPENDS
    "libqt6widgets6 (>= 6.4), libqt6gui6 (>= 6.4), libqt6core6 (>= 6.4), libqt6serialport6 (>= 6.4), libqt6svg6 (>= 6.4), libqt6printsupport6 (>= 6.4), libqt6network6 (>= 6.4), libqcustomplot2.1-qt6, qt6-qpa-plugins")
include(CPack)
