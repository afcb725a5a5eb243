# SPDX-FileCopyrightText: 2026 Quellabox maintainers
# SPDX-License-Identifier: GPL-3.0-or-later

# Builds with the flags Debian builds its own packages with (dpkg-buildflags, all hardening
# on: stack protector, fortified functions, RELRO and immediate binding; PIE is the
# compiler's default), so the program in the package is hardened like the rest of the
# system. Where dpkg-buildflags is missing, nothing changes.
option(QUELLABOX_DEBIAN_BUILD_FLAGS "Build with Debian's package build flags" ON)
find_program(DPKG_BUILDFLAGS dpkg-buildflags)
# The sanitizers bring their own checks, and fortified functions need optimisation.
if(QUELLABOX_DEBIAN_BUILD_FLAGS AND DPKG_BUILDFLAGS AND NOT QUELLABOX_SANITIZE
   AND NOT CMAKE_BUILD_TYPE STREQUAL "Debug")
  foreach(kind CPPFLAGS CXXFLAGS LDFLAGS)
    execute_process(
      COMMAND ${CMAKE_COMMAND} -E env DEB_BUILD_MAINT_OPTIONS=hardening=+all
        ${DPKG_BUILDFLAGS} --get ${kind}
      WORKING_DIRECTORY ${PROJECT_SOURCE_DIR}
      OUTPUT_VARIABLE flags OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
    separate_arguments(debian_${kind} UNIX_COMMAND "${flags}")
  endforeach()
  add_compile_options(${debian_CPPFLAGS} ${debian_CXXFLAGS})
  add_link_options(${debian_LDFLAGS})
endif()
