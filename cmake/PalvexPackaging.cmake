# Debian packages from `cpack -G DEB` in the build directory, one per install
# component: the runtime library, the development files, the tool and, when
# built, the Qt binding.
# A new install component must be listed in CPACK_COMPONENTS_ALL to be packaged.
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
  list(APPEND CPACK_COMPONENTS_ALL qt)
endif()

set(CPACK_DEB_COMPONENT_INSTALL ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION libs)
# Dependencies on system libraries come from dpkg-shlibdeps; our own library,
# not installed on the machine that packages, is found in the build tree.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS_PRIVATE_DIRS ${PROJECT_BINARY_DIR}/src)
set(CPACK_DEBIAN_ENABLE_COMPONENT_DEPENDS ON)

set(CPACK_DEBIAN_RUNTIME_PACKAGE_NAME libpalvex${PROJECT_VERSION_MAJOR})
set(CPACK_DEBIAN_RUNTIME_PACKAGE_GENERATE_SHLIBS ON)  # shlibs file and ldconfig trigger
set(CPACK_DEBIAN_DEV_PACKAGE_NAME libpalvex-dev)
set(CPACK_DEBIAN_DEV_PACKAGE_SECTION libdevel)
set(CPACK_DEBIAN_QT_PACKAGE_NAME libpalvex-qt${PROJECT_VERSION_MAJOR})
set(CPACK_DEBIAN_QT_PACKAGE_GENERATE_SHLIBS ON)
set(CPACK_DEBIAN_TOOL_PACKAGE_NAME palvex)
set(CPACK_DEBIAN_TOOL_PACKAGE_SECTION utils)

include(CPack)
cpack_add_component(runtime DISPLAY_NAME "Palvex library"
  DESCRIPTION "The colour-theme engine, shared library")
cpack_add_component(qt DISPLAY_NAME "Palvex Qt binding" DEPENDS runtime
  DESCRIPTION "The colour-theme engine's Qt 6 Widgets binding and designer, shared library")
# The exported CMake package names every installed library, the binding too.
set(palvex_dev_depends runtime)
if(TARGET palvex-qt)
  list(APPEND palvex_dev_depends qt)
  set(CPACK_DEBIAN_DEV_PACKAGE_DEPENDS qt6-base-dev)
endif()
cpack_add_component(dev DISPLAY_NAME "Palvex development files" DEPENDS ${palvex_dev_depends}
  DESCRIPTION "Headers, CMake package and pkg-config file of the colour-theme engine")
cpack_add_component(tool DISPLAY_NAME "palvex tool" DEPENDS runtime
  DESCRIPTION "Command-line tool to list, show, set, export and import colour themes")
