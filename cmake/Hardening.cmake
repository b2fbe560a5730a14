# Builds with Debian's hardening flags, as dpkg-buildflags gives them with every hardening feature
# on: fortified functions, the strong stack protector, format checks, and relocations made
# read-only and bound at start. The build type keeps its own optimisation and debug flags, and a
# Debug build (no optimisation, which fortified functions need) and a sanitizer build (whose
# run-time replaces those functions) build without them.
find_program(BRISVALE_DPKG_BUILDFLAGS dpkg-buildflags)
if(NOT BRISVALE_DPKG_BUILDFLAGS OR BRISVALE_SANITIZE)
  return()
endif()

function(brisvale_hardening_flags out kind)
  execute_process(COMMAND ${CMAKE_COMMAND} -E env DEB_BUILD_MAINT_OPTIONS=hardening=+all
                          ${BRISVALE_DPKG_BUILDFLAGS} --get ${kind}
                  OUTPUT_VARIABLE flags OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
  separate_arguments(flags UNIX_COMMAND "${flags}")
  list(FILTER flags EXCLUDE REGEX "^-(g.*|O.*|ffile-prefix-map=.*)$")
  set(${out} ${flags} PARENT_SCOPE)
endfunction()

brisvale_hardening_flags(hardening_compile CPPFLAGS)
brisvale_hardening_flags(hardening_cxx CXXFLAGS)
brisvale_hardening_flags(hardening_link LDFLAGS)
list(APPEND hardening_compile ${hardening_cxx})
add_compile_options("$<$<NOT:$<CONFIG:Debug>>:${hardening_compile}>")
add_link_options("$<$<NOT:$<CONFIG:Debug>>:${hardening_link}>")
