# Our own targets build with these warnings. They become errors only with
# PALVEX_WARNINGS_AS_ERRORS (scripts/test.sh and CI turn it on): a packager
# with another compiler release should not fail on a warning we have not met.
# Third-party headers come in as SYSTEM.
#
# GCC 12 at -O3 (Release) reports -Wrestrict inside libstdc++'s own
# std::string concatenation ("a" + std::move(s)), where no overlap can happen:
# a false positive of that release, gone in GCC 13. Off for GCC 12 only.
function(palvex_warnings target)
  target_compile_options(${target} PRIVATE
    -Wall -Wextra -Wpedantic -Wshadow -Wconversion
    -Wnon-virtual-dtor -Wold-style-cast -Woverloaded-virtual
    $<$<AND:$<CXX_COMPILER_ID:GNU>,$<VERSION_GREATER_EQUAL:$<CXX_COMPILER_VERSION>,12>,$<VERSION_LESS:$<CXX_COMPILER_VERSION>,13>>:-Wno-restrict>
    $<$<BOOL:${PALVEX_WARNINGS_AS_ERRORS}>:-Werror>)
endfunction()
