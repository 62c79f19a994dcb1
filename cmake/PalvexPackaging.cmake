# Debian packages from `cpack -G DEB` in the build directory, one per install
# component:
#   libpalvex0        runtime   the core library
#   libpalvex-dev     dev       its headers, CMake package and palvex.pc (no Qt)
#   palvex            tool      the palvex tool
#   libpalvex-qt0     qt        the Qt binding and designer library
#   libpalvex-qt-dev  qt_dev    its headers, the package's qt component, palvex-qt.pc
#   palvex-demo       demo      the demo program and the sample themes
# (the Qt ones when the binding is built). A new install component must be
# listed in CPACK_COMPONENTS_ALL to be packaged.
#
# Configure a packaging build with -DCMAKE_INSTALL_PREFIX=/usr: GNUInstallDirs
# then puts the libraries in Debian's multiarch directory (lib/<triplet>).
set(CPACK_PACKAGE_NAME palvex)
set(CPACK_PACKAGE_VENDOR "Orvane")
set(CPACK_PACKAGE_CONTACT "Palvex developers <palvex@orvane.invalid>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "${PROJECT_DESCRIPTION}")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_COMPONENTS_ALL runtime dev tool)
if(TARGET palvex-qt)
  list(APPEND CPACK_COMPONENTS_ALL qt qt_dev)
endif()
if(TARGET palvex-demo)
  list(APPEND CPACK_COMPONENTS_ALL demo)
endif()
if(NOT CMAKE_INSTALL_PREFIX STREQUAL "/usr")
  message(STATUS "Packages: CMAKE_INSTALL_PREFIX is not /usr, the libraries go to usr/${CMAKE_INSTALL_LIBDIR}, "
    "not Debian's multiarch directory")
endif()

set(CPACK_DEB_COMPONENT_INSTALL ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION libs)
# Dependencies on system libraries come from dpkg-shlibdeps; our own libraries,
# not installed on the machine that packages, are found in the build tree.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS_PRIVATE_DIRS ${PROJECT_BINARY_DIR}/src ${PROJECT_BINARY_DIR}/src/qt)
set(CPACK_DEBIAN_ENABLE_COMPONENT_DEPENDS ON)

set(CPACK_DEBIAN_RUNTIME_PACKAGE_NAME libpalvex${PROJECT_VERSION_MAJOR})
set(CPACK_DEBIAN_RUNTIME_PACKAGE_GENERATE_SHLIBS ON)  # shlibs file and ldconfig trigger
set(CPACK_DEBIAN_DEV_PACKAGE_NAME libpalvex-dev)
set(CPACK_DEBIAN_DEV_PACKAGE_SECTION libdevel)
set(CPACK_DEBIAN_TOOL_PACKAGE_NAME palvex)
set(CPACK_DEBIAN_TOOL_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_QT_PACKAGE_NAME libpalvex-qt${PROJECT_VERSION_MAJOR})
set(CPACK_DEBIAN_QT_PACKAGE_GENERATE_SHLIBS ON)
set(CPACK_DEBIAN_QT_DEV_PACKAGE_NAME libpalvex-qt-dev)
set(CPACK_DEBIAN_QT_DEV_PACKAGE_SECTION libdevel)
# The qt component of the CMake package finds Qt 6 Widgets (and UiTools, static).
set(CPACK_DEBIAN_QT_DEV_PACKAGE_DEPENDS "qt6-base-dev")
if(NOT BUILD_SHARED_LIBS)
  string(APPEND CPACK_DEBIAN_QT_DEV_PACKAGE_DEPENDS ", qt6-tools-dev")
else()
  # palvex/qt/controls_ui_loader.h is a QUiLoader: a host that loads .ui
  # forms with it needs Qt's UiTools headers too.
  set(CPACK_DEBIAN_QT_DEV_PACKAGE_SUGGESTS "qt6-tools-dev")
endif()
set(CPACK_DEBIAN_DEMO_PACKAGE_NAME palvex-demo)
set(CPACK_DEBIAN_DEMO_PACKAGE_SECTION x11)

include(CPack)
cpack_add_component(runtime DISPLAY_NAME "Palvex library"
  DESCRIPTION "The colour-theme engine, shared library")
cpack_add_component(dev DISPLAY_NAME "Palvex development files" DEPENDS runtime
  DESCRIPTION "Headers, CMake package and pkg-config file of the colour-theme engine")
cpack_add_component(tool DISPLAY_NAME "palvex tool" DEPENDS runtime
  DESCRIPTION "Command-line tool to list, show, set, export and import colour themes")
cpack_add_component(qt DISPLAY_NAME "Palvex Qt binding" DEPENDS runtime
  DESCRIPTION "The colour-theme engine's Qt 6 Widgets binding and designer, shared library")
cpack_add_component(qt_dev DISPLAY_NAME "Palvex Qt binding development files" DEPENDS qt dev
  DESCRIPTION "Headers, CMake package component (palvex::qt) and pkg-config file of the Qt binding")
cpack_add_component(demo DISPLAY_NAME "Palvex demo" DEPENDS runtime qt
  DESCRIPTION "A customer and invoice window coloured by Palvex, with the sample themes")
