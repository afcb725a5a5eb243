# SPDX-FileCopyrightText: 2026 Quellabox maintainers
# SPDX-License-Identifier: GPL-3.0-or-later

# Run by cpack on the staged tree before it becomes the .deb: Debian keeps a game's commands
# in /usr/games, every package's copyright and changelog in its doc folder, and its manual
# pages compressed.
set(usr ${CPACK_TEMPORARY_INSTALL_DIRECTORY}/usr)
# The program's link is relative to /usr, so from /usr/games it still reaches the program.
file(RENAME ${usr}/bin ${usr}/games)

set(doc ${usr}/share/doc/${CPACK_PACKAGE_NAME})
file(MAKE_DIRECTORY ${doc})
file(COPY ${CPACK_QUELLABOX_COPYRIGHT_FILE} DESTINATION ${doc})
# The date honours SOURCE_DATE_EPOCH and gzip -n leaves out the file's name and time, so
# the same sources can give the same package.
string(TIMESTAMP date "%a, %d %b %Y %H:%M:%S +0000" UTC)
set(package "${CPACK_PACKAGE_NAME} (${CPACK_PACKAGE_VERSION})")
file(WRITE ${doc}/changelog "${package} unstable; urgency=medium

  * Packaged from the source tree with CPack.

 -- ${CPACK_DEBIAN_PACKAGE_MAINTAINER}  ${date}
")
execute_process(COMMAND gzip -9nf ${doc}/changelog COMMAND_ERROR_IS_FATAL ANY)

file(GLOB pages ${usr}/share/man/man6/*.6)
foreach(page ${pages})
  execute_process(COMMAND gzip -9n ${page} COMMAND_ERROR_IS_FATAL ANY)
endforeach()

# Stripped as Debian's own tools strip, so the compiler's notes go too.
file(GLOB_RECURSE programs LIST_DIRECTORIES false ${usr}/games/* ${usr}/lib/*)
foreach(program ${programs})
  execute_process(COMMAND file -b --mime-type ${program} OUTPUT_VARIABLE type)
  if(type MATCHES "application/x-(pie-)?executable" AND NOT IS_SYMLINK ${program})
    execute_process(COMMAND strip --remove-section=.comment --remove-section=.note ${program}
      COMMAND_ERROR_IS_FATAL ANY)
  endif()
endforeach()
