# Run by cpack on the staged tree before it becomes the .deb: Debian keeps a game's commands
# in /usr/games, and every package's copyright and changelog in its doc folder.
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
