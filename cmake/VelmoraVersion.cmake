# The version of project() for every program: a generated header
# (VelmoraVersion.h) behind the interface library velmora_version.

include(GNUInstallDirs)

# Where the installed programs find their shared data, relative to their own
# folder, so that a relocated installation (or a DEB unpacked elsewhere)
# still finds it.
set(VELMORA_INSTALL_DATADIR "${CMAKE_INSTALL_DATADIR}/velmora-va")
file(RELATIVE_PATH VELMORA_DATA_FROM_BINDIR "${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR}"
     "${CMAKE_INSTALL_PREFIX}/${VELMORA_INSTALL_DATADIR}")

configure_file(${CMAKE_CURRENT_LIST_DIR}/VelmoraVersion.h.in ${PROJECT_BINARY_DIR}/generated/VelmoraVersion.h @ONLY)
add_library(velmora_version INTERFACE)
target_include_directories(velmora_version INTERFACE ${PROJECT_BINARY_DIR}/generated)
