# Our own targets build with these warnings. They become errors only with
# PALVEX_WARNINGS_AS_ERRORS (scripts/test.sh and CI turn it on): a packager
# with another compiler release should not fail on a warning we have not met.
# Third-party headers come in as SYSTEM.
function(palvex_warnings target)
  target_compile_options(${target} PRIVATE
    -Wall -Wextra -Wpedantic -Wshadow -Wconversion
    -Wnon-virtual-dtor -Wold-style-cast -Woverloaded-virtual
    $<$<BOOL:${PALVEX_WARNINGS_AS_ERRORS}>:-Werror>)
endfunction()
