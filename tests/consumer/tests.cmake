# Hosts outside this build: the installed tree found with find_package and
# with pkg-config, the source tree added with add_subdirectory, and the
# installed tool run from its prefix. Each consumer is configured, built and
# run by `ctest --build-and-test` with our compiler. Skipped under the
# sanitizers, whose runtime an outside program would not link.
if(PALVEX_SANITIZE)
  return()
endif()

set(consumer_source ${CMAKE_CURRENT_LIST_DIR})
set(consumer_work ${CMAKE_CURRENT_BINARY_DIR}/consumer)
set(consumer_prefix ${consumer_work}/prefix)

add_test(NAME consumer_install
  COMMAND ${CMAKE_COMMAND} -DBUILD_DIR=${PROJECT_BINARY_DIR} -DPREFIX=${consumer_prefix}
          -P ${consumer_source}/install.cmake)
set_tests_properties(consumer_install PROPERTIES FIXTURES_SETUP palvex_installed)

# palvex_consumer_test(<mode> [cache settings...])
function(palvex_consumer_test mode)
  add_test(NAME consumer_${mode}
    COMMAND ${CMAKE_CTEST_COMMAND}
      --build-and-test ${consumer_source} ${consumer_work}/${mode}
      --build-generator ${CMAKE_GENERATOR}
      --build-options -DCMAKE_CXX_COMPILER=${CMAKE_CXX_COMPILER} -DCMAKE_BUILD_TYPE=Release
                      -DPALVEX_CONSUME=${mode} ${ARGN}
      --test-command consumer)
  set_tests_properties(consumer_${mode} PROPERTIES TIMEOUT 900 PASS_REGULAR_EXPRESSION "consumer: a theme applied")
endfunction()

palvex_consumer_test(package -DCMAKE_PREFIX_PATH=${consumer_prefix})
# A static library is linked as `pkg-config --static` says.
if(BUILD_SHARED_LIBS)
  set(consumer_pc_static OFF)
else()
  set(consumer_pc_static ON)
endif()
palvex_consumer_test(pkg-config -DCMAKE_PREFIX_PATH=${consumer_prefix} -DPALVEX_PC_STATIC=${consumer_pc_static})
set_tests_properties(consumer_package consumer_pkg-config PROPERTIES FIXTURES_REQUIRED palvex_installed)
# The core alone: a host gets no Qt unless it asks for the binding.
palvex_consumer_test(subdirectory -DPALVEX_SOURCE_DIR=${PROJECT_SOURCE_DIR})

# A Qt host against the installed qt component, offscreen.
if(TARGET palvex-qt)
  foreach(mode package pkg-config)
    add_test(NAME consumer_qt_${mode}
      COMMAND ${CMAKE_CTEST_COMMAND}
        --build-and-test ${consumer_source}/qt ${consumer_work}/qt-${mode}
        --build-generator ${CMAKE_GENERATOR}
        --build-options -DCMAKE_CXX_COMPILER=${CMAKE_CXX_COMPILER} -DCMAKE_BUILD_TYPE=Release
                        -DPALVEX_CONSUME=${mode} -DCMAKE_PREFIX_PATH=${consumer_prefix}
                        -DPALVEX_PC_STATIC=${consumer_pc_static}
        --test-command qt_consumer)
    set_tests_properties(consumer_qt_${mode} PROPERTIES TIMEOUT 900 FIXTURES_REQUIRED palvex_installed
      ENVIRONMENT QT_QPA_PLATFORM=offscreen PASS_REGULAR_EXPRESSION "qt consumer: a window themed")
  endforeach()
endif()

# The installed program finds the installed library through its RUNPATH.
if(TARGET palvex_cli)
  add_test(NAME consumer_installed_tool COMMAND ${consumer_prefix}/${CMAKE_INSTALL_BINDIR}/palvex list --json
    --store ${consumer_work}/tool-store.sqlite)
  set_tests_properties(consumer_installed_tool PROPERTIES
    FIXTURES_REQUIRED palvex_installed ENVIRONMENT_MODIFICATION "LD_LIBRARY_PATH=unset:")
endif()

# The Debian packages, unpacked into a temporary root, serve a consumer.
# The library packages carry shared libraries: a static build makes none worth checking.
find_program(DPKG_DEB dpkg-deb)
if(DPKG_DEB AND PROJECT_IS_TOP_LEVEL AND BUILD_SHARED_LIBS)
  add_test(NAME consumer_deb_packages
    COMMAND ${CMAKE_COMMAND} -DBUILD_DIR=${PROJECT_BINARY_DIR} -DWORK=${consumer_work}/deb
            -DCONSUMER_SOURCE=${consumer_source} -DCPACK=${CMAKE_CPACK_COMMAND}
            -DGENERATOR=${CMAKE_GENERATOR} -DCXX=${CMAKE_CXX_COMPILER} -DLIBDIR=${CMAKE_INSTALL_LIBDIR}
            -DQT=$<TARGET_EXISTS:palvex-qt> -DDEMO=$<TARGET_EXISTS:palvex-demo>
            -P ${consumer_source}/deb_test.cmake)
  set_tests_properties(consumer_deb_packages PROPERTIES TIMEOUT 900)
endif()
