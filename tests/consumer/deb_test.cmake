# cmake -DBUILD_DIR= -DWORK= -DCONSUMER_SOURCE= -DCPACK= -DGENERATOR= -DCXX= -DLIBDIR=
#       -DQT=ON|OFF -DDEMO=ON|OFF -P deb_test.cmake
# Makes the Debian packages with cpack, unpacks them into a temporary root
# (no installation on this machine), builds the consumers (the Qt one with
# QT) against that root and runs the packaged tool from it. LIBDIR is the
# build's CMAKE_INSTALL_LIBDIR (lib/<triplet> when configured for /usr); DEMO
# says whether the demo's package is expected.
cmake_minimum_required(VERSION 3.25)
file(REMOVE_RECURSE "${WORK}")
file(MAKE_DIRECTORY "${WORK}/root")

execute_process(COMMAND "${CPACK}" -G DEB -B "${WORK}/debs" WORKING_DIRECTORY "${BUILD_DIR}"
  OUTPUT_QUIET COMMAND_ERROR_IS_FATAL ANY)

# package name => a file it must carry, a package it must depend on ("" for
# none of ours) and a pattern its dependencies must not match ("" for none)
set(expected "libpalvex0|usr/${LIBDIR}/libpalvex.so.0||"
             "libpalvex-dev|usr/include/palvex/tema.h|libpalvex0|qt"
             "palvex|usr/bin/palvex|libpalvex0|")
if(QT)
  list(APPEND expected "libpalvex-qt0|usr/${LIBDIR}/libpalvex-qt.so.0|libpalvex0|"
                       "libpalvex-qt-dev|usr/include/palvex/qt/export.h|libpalvex-qt0|")
endif()
if(DEMO)
  list(APPEND expected "palvex-demo|usr/bin/palvex-demo|libpalvex-qt0|")
endif()
foreach(entry IN LISTS expected)
  string(REPLACE "|" ";" entry "${entry}")
  list(GET entry 0 package)
  list(GET entry 1 file)
  list(GET entry 2 dependency)
  list(GET entry 3 unwanted)
  file(GLOB deb "${WORK}/debs/${package}_*.deb")
  if(NOT deb)
    message(FATAL_ERROR "cpack made no ${package} package")
  endif()
  execute_process(COMMAND dpkg-deb -f "${deb}" Depends OUTPUT_VARIABLE depends COMMAND_ERROR_IS_FATAL ANY)
  if(dependency AND NOT depends MATCHES "(^|, )${dependency} \\(= ")
    message(FATAL_ERROR "${package} depends on \"${depends}\", not on its exact ${dependency}")
  endif()
  if(unwanted AND depends MATCHES "${unwanted}")
    message(FATAL_ERROR "${package} depends on \"${depends}\", which matches ${unwanted}")
  endif()
  execute_process(COMMAND dpkg-deb -c "${deb}" OUTPUT_VARIABLE contents COMMAND_ERROR_IS_FATAL ANY)
  if(NOT contents MATCHES " \\./${file}( |\n)")
    message(FATAL_ERROR "${package} does not carry ${file}:\n${contents}")
  endif()
endforeach()

# The core's development package leaves the binding's headers to the binding's.
file(GLOB deb "${WORK}/debs/libpalvex-dev_*.deb")
execute_process(COMMAND dpkg-deb -c "${deb}" OUTPUT_VARIABLE contents COMMAND_ERROR_IS_FATAL ANY)
if(contents MATCHES "include/palvex/qt/")
  message(FATAL_ERROR "libpalvex-dev carries the Qt binding's headers:\n${contents}")
endif()

# Every package made (the Qt binding's too, when built) goes into the root.
file(GLOB debs "${WORK}/debs/*.deb")
foreach(deb IN LISTS debs)
  execute_process(COMMAND dpkg-deb -x "${deb}" "${WORK}/root" COMMAND_ERROR_IS_FATAL ANY)
endforeach()

# Builds the consumer program in `source` against the unpacked root with
# find_package, runs it (offscreen), and expects `says` in its output.
function(build_consumer source program says)
  execute_process(
    COMMAND "${CMAKE_COMMAND}" -E env QT_QPA_PLATFORM=offscreen
      "${CMAKE_CTEST_COMMAND}" --build-and-test "${source}" "${WORK}/${program}"
      --build-generator "${GENERATOR}"
      --build-options "-DCMAKE_CXX_COMPILER=${CXX}" "-DCMAKE_PREFIX_PATH=${WORK}/root/usr" -DPALVEX_CONSUME=package
      --test-command ${program}
    RESULT_VARIABLE status OUTPUT_VARIABLE output ERROR_VARIABLE output)
  if(NOT status EQUAL 0 OR NOT output MATCHES "${says}")
    message(FATAL_ERROR "${program} against the unpacked packages failed:\n${output}")
  endif()
endfunction()

build_consumer("${CONSUMER_SOURCE}" consumer "consumer: a theme applied")
if(QT)
  build_consumer("${CONSUMER_SOURCE}/qt" qt_consumer "qt consumer: a window themed")
endif()

execute_process(COMMAND "${CMAKE_COMMAND}" -E env --unset=LD_LIBRARY_PATH
    "${WORK}/root/usr/bin/palvex" list --store "${WORK}/store.sqlite"
  RESULT_VARIABLE status ERROR_VARIABLE error)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "the packaged tool did not run from the unpacked root: ${error}")
endif()
message(STATUS "packages unpacked, consumers built and run, tool run")
