# SPDX-License-Identifier: GPL-3.0-or-later
# What a Linux desktop and its package manager need besides the program and
# its data files: the manual page and the bash completion (both filled in from
# the program's own --help, so they list exactly its commands and options), the
# software centre's metadata, the package's copyright and changelog, and the
# Debian package that CPack makes from the install rules (scripts/package).
#
# Included from CMakeLists.txt after the program's own install rules.

# The program's release number (what `stripwright --version` shows) is the
# package's version; the date is that release's. Both are the newest release
# of CHANGELOG.md, or the build fails.
set(SW_RELEASE ${PROJECT_VERSION_MAJOR})
set(SW_RELEASE_DATE 2026-12-10)
set(SW_MAINTAINER "The Stripwright developers <support@stripwright.org>")
set(SW_HOMEPAGE "http://www.stripwright.org/swb/")
set(SW_APPSTREAM_ID org.stripwright.Stripwright)
set(SW_PACKAGING_DIR ${CMAKE_BINARY_DIR}/packaging)
file(MAKE_DIRECTORY ${SW_PACKAGING_DIR})

add_executable(sw_docs_from_help tools/docs_from_help.cpp tools/template_fill.h)
target_link_libraries(sw_docs_from_help PRIVATE Qt6::Core)
add_executable(sw_release_notes tools/release_notes.cpp tools/template_fill.h)
target_link_libraries(sw_release_notes PRIVATE Qt6::Core)

add_custom_command(
  OUTPUT ${SW_PACKAGING_DIR}/stripwright.1 ${SW_PACKAGING_DIR}/stripwright.1.gz
  COMMAND sw_docs_from_help $<TARGET_FILE:stripwright> ${CMAKE_CURRENT_SOURCE_DIR}/data/man/stripwright.1.in
          ${SW_PACKAGING_DIR}/stripwright.1 RELEASE=${SW_RELEASE} RELEASE_DATE=${SW_RELEASE_DATE}
  COMMAND gzip -9nkf ${SW_PACKAGING_DIR}/stripwright.1
  DEPENDS stripwright sw_docs_from_help ${CMAKE_CURRENT_SOURCE_DIR}/data/man/stripwright.1.in
  COMMENT "Filling the manual page from stripwright --help"
  VERBATIM)
add_custom_command(
  OUTPUT ${SW_PACKAGING_DIR}/stripwright.bash
  COMMAND sw_docs_from_help $<TARGET_FILE:stripwright>
          ${CMAKE_CURRENT_SOURCE_DIR}/data/completion/stripwright.bash.in ${SW_PACKAGING_DIR}/stripwright.bash
  DEPENDS stripwright sw_docs_from_help ${CMAKE_CURRENT_SOURCE_DIR}/data/completion/stripwright.bash.in
  COMMENT "Filling the bash completion from stripwright --help"
  VERBATIM)

# The package's changelog and the software centre's release list, both made
# from CHANGELOG.md.
set(SW_RELEASE_NOTES_ARGUMENTS RELEASE=${SW_RELEASE} RELEASE_DATE=${SW_RELEASE_DATE} "MAINTAINER=${SW_MAINTAINER}")
add_custom_command(
  OUTPUT ${SW_PACKAGING_DIR}/changelog ${SW_PACKAGING_DIR}/changelog.gz
  COMMAND sw_release_notes ${CMAKE_CURRENT_SOURCE_DIR}/CHANGELOG.md ${CMAKE_CURRENT_SOURCE_DIR}/data/debian/changelog.in
          ${SW_PACKAGING_DIR}/changelog ${SW_RELEASE_NOTES_ARGUMENTS}
  COMMAND gzip -9nkf ${SW_PACKAGING_DIR}/changelog
  DEPENDS sw_release_notes ${CMAKE_CURRENT_SOURCE_DIR}/CHANGELOG.md ${CMAKE_CURRENT_SOURCE_DIR}/data/debian/changelog.in
  COMMENT "Writing the package's changelog from CHANGELOG.md"
  VERBATIM)
add_custom_command(
  OUTPUT ${SW_PACKAGING_DIR}/${SW_APPSTREAM_ID}.metainfo.xml
  COMMAND sw_release_notes ${CMAKE_CURRENT_SOURCE_DIR}/CHANGELOG.md
          ${CMAKE_CURRENT_SOURCE_DIR}/data/desktop/stripwright.metainfo.xml.in
          ${SW_PACKAGING_DIR}/${SW_APPSTREAM_ID}.metainfo.xml ${SW_RELEASE_NOTES_ARGUMENTS}
  DEPENDS sw_release_notes ${CMAKE_CURRENT_SOURCE_DIR}/CHANGELOG.md
          ${CMAKE_CURRENT_SOURCE_DIR}/data/desktop/stripwright.metainfo.xml.in
  COMMENT "Writing the metainfo's releases from CHANGELOG.md"
  VERBATIM)

add_custom_target(sw_packaging_files ALL DEPENDS
  ${SW_PACKAGING_DIR}/stripwright.1.gz ${SW_PACKAGING_DIR}/stripwright.bash ${SW_PACKAGING_DIR}/changelog.gz
  ${SW_PACKAGING_DIR}/${SW_APPSTREAM_ID}.metainfo.xml)

install(FILES ${SW_PACKAGING_DIR}/stripwright.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
# Where bash-completion looks up a command's completion on first use.
install(FILES ${SW_PACKAGING_DIR}/stripwright.bash
        DESTINATION ${CMAKE_INSTALL_DATADIR}/bash-completion/completions RENAME stripwright)
install(FILES ${SW_PACKAGING_DIR}/${SW_APPSTREAM_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES data/debian/copyright ${SW_PACKAGING_DIR}/changelog.gz DESTINATION ${CMAKE_INSTALL_DOCDIR})
install(FILES data/debian/lintian-overrides
        DESTINATION ${CMAKE_INSTALL_DATADIR}/lintian/overrides RENAME stripwright)

# A stripped install (cpack, cmake --install --strip) also drops the sections
# a stripped program has no use for, as Debian's own packages do.
install(CODE "
  if(CMAKE_INSTALL_DO_STRIP)
    execute_process(COMMAND \"${CMAKE_STRIP}\" --remove-section=.comment --remove-section=.note
                    \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR}/stripwright\"
                    COMMAND_ERROR_IS_FATAL ANY)
  endif()")
# The dynamic relocations resolved at start-up, so the whole offset table can be
# made read-only (Debian's hardening).
target_link_options(stripwright PRIVATE -Wl,-z,relro,-z,now)

# The Debian package. Its runtime dependencies are read from the libraries the
# program links (dpkg-shlibdeps), plus what it loads without linking: Qt's
# platform plugins and the Tahoma and Wingdings faces. The desktop, MIME, icon
# and manual databases are refreshed by the triggers that their own packages
# hold on the folders these files go to, so the package has no scripts.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME stripwright)
set(CPACK_PACKAGE_VERSION ${SW_RELEASE})
set(CPACK_PACKAGE_VENDOR "The Stripwright developers")
set(CPACK_PACKAGE_CONTACT "support@stripwright.org")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "layout editor for small circuits on stripboard, perfboard and PCB")
set(CPACK_PACKAGE_DESCRIPTION
  "Stripwright is a desktop editor for the physical layout of small circuits
on stripboard, perfboard and simple PCBs: pick a part from the toolbox, click
its holes and give its value. It checks whether two holes are connected,
exports a bill of materials, renders or prints the layout and prints the
copper alone for toner transfer. Its commands do the same without a window.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
  OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_COMPRESSION_TYPE xz)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${SW_MAINTAINER}")
set(CPACK_DEBIAN_PACKAGE_SECTION electronics)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "${SW_HOMEPAGE}")
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, fonts-wine")
include(CPack)
