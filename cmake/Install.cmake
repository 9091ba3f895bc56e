# Installing Quillmere as a desktop application ("cmake --install build",
# and the Debian package of Package.cmake). Below the install prefix (/usr
# for the package):
#
#   lib/quillmere/                      the application folder: what the build
#                                       lays out in build/app/
#   bin/quillmere                       the launcher, a link to the program there
#   share/applications/app.quillmere.Quillmere.desktop
#   share/metainfo/app.quillmere.Quillmere.metainfo.xml
#   share/icons/hicolor/NxN/apps/quillmere.png
#   share/man/man1/quillmere.1.gz
#   share/doc/quillmere/copyright, changelog.Debian.gz
#
# The application folder is installed by walking build/app/ at install time
# (InstallAppFolder.cmake says what becomes of each entry), so whatever the
# build puts there is installed with no install rule of its own. To ship a
# new program, script, link or data file, build it into the application
# folder, where the application finds it:
#   - a program: set_target_properties(T PROPERTIES RUNTIME_OUTPUT_DIRECTORY
#     ${QUILLMERE_APP_DIR}/SUBFOLDER), or ${QUILLMERE_APP_DIR} itself;
#   - a script or data file: copy it there at build time (configure_file, or
#     add_custom_command with an OUTPUT in ${QUILLMERE_APP_DIR}) with "#!" on
#     the first line of a script (it is installed executable);
#   - a link: file(CREATE_LINK TARGET ${QUILLMERE_APP_DIR}/NAME SYMBOLIC) to
#     a program of the system or to another entry of the folder.
# A program of the system that the application runs needs its Debian
# package in QUILLMERE_DEB_DEPENDS (Package.cmake); the package test checks
# that every link out of the folder leads to a program of such a package.
# Nothing else may go into build/app/: tests run from build/testbin/.

# Installing never builds (as with "cmake --install"): build first. So cpack,
# which the package test runs while the suite runs, does not scan the whole
# build again.
set(CMAKE_SKIP_INSTALL_ALL_DEPENDENCY ON)

set(QUILLMERE_INSTALL_APP_DIR lib/quillmere CACHE STRING
    "The application folder, relative to the install prefix")
set(QUILLMERE_DESKTOP_ID app.quillmere.Quillmere)
set(QUILLMERE_PACKAGE_SOURCES ${CMAKE_SOURCE_DIR}/resources/package)
set(QUILLMERE_PACKAGE_FILES ${CMAKE_BINARY_DIR}/package-files)
# Directories made by the install get these, whatever the umask.
set(CMAKE_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)

# The newest changelog entry gives the release: its version must be the
# project's (with the package's own revision), its date becomes YYYY-MM-DD.
function(quillmere_read_changelog changelog expected_version date_var)
  file(STRINGS ${changelog} lines)
  list(GET lines 0 head)
  if(NOT head MATCHES "^quillmere \\(([^)]+)\\)")
    message(FATAL_ERROR "${changelog}: the first line must read \"quillmere (VERSION) ...\"")
  endif()
  if(NOT CMAKE_MATCH_1 STREQUAL expected_version)
    message(FATAL_ERROR "${changelog}: the newest entry is for ${CMAKE_MATCH_1}, the project is at "
                        "${expected_version}. Add an entry for ${expected_version} at its top.")
  endif()
  foreach(line ${lines})
    if(line MATCHES "^ -- .*  [A-Z][a-z][a-z], ([0-9][0-9]) ([A-Z][a-z][a-z]) ([0-9][0-9][0-9][0-9]) ")
      set(months Jan Feb Mar Apr May Jun Jul Aug Sep Oct Nov Dec)
      list(FIND months ${CMAKE_MATCH_2} month)
      math(EXPR month "${month} + 1" OUTPUT_FORMAT DECIMAL)
      if(month LESS 10)
        set(month 0${month})
      endif()
      set(${date_var} ${CMAKE_MATCH_3}-${month}-${CMAKE_MATCH_1} PARENT_SCOPE)
      return()
    endif()
  endforeach()
  message(FATAL_ERROR "${changelog}: the newest entry has no trailer line \" -- NAME <MAIL>  DATE\"")
endfunction()

set(QUILLMERE_DEB_RELEASE 1)
set(QUILLMERE_DEB_VERSION ${PROJECT_VERSION}-${QUILLMERE_DEB_RELEASE})
quillmere_read_changelog(${QUILLMERE_PACKAGE_SOURCES}/changelog ${QUILLMERE_DEB_VERSION} QUILLMERE_RELEASE_DATE)
set(QUILLMERE_RELEASE_VERSION ${PROJECT_VERSION})
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${QUILLMERE_PACKAGE_SOURCES}/changelog)

configure_file(${QUILLMERE_PACKAGE_SOURCES}/${QUILLMERE_DESKTOP_ID}.metainfo.xml.in
               ${QUILLMERE_PACKAGE_FILES}/${QUILLMERE_DESKTOP_ID}.metainfo.xml @ONLY)
configure_file(${QUILLMERE_PACKAGE_SOURCES}/quillmere.1.in ${QUILLMERE_PACKAGE_FILES}/quillmere.1 @ONLY)

# Debian wants the manual and the changelog compressed at most, without a
# time stamp (gzip -9n).
add_custom_command(
  OUTPUT ${QUILLMERE_PACKAGE_FILES}/quillmere.1.gz ${QUILLMERE_PACKAGE_FILES}/changelog.Debian.gz
  COMMAND gzip -9nkf ${QUILLMERE_PACKAGE_FILES}/quillmere.1
  COMMAND ${CMAKE_COMMAND} -E copy ${QUILLMERE_PACKAGE_SOURCES}/changelog ${QUILLMERE_PACKAGE_FILES}/changelog.Debian
  COMMAND gzip -9nkf ${QUILLMERE_PACKAGE_FILES}/changelog.Debian
  DEPENDS ${QUILLMERE_PACKAGE_FILES}/quillmere.1 ${QUILLMERE_PACKAGE_SOURCES}/changelog
  COMMENT "Compressing the manual page and the changelog"
  VERBATIM)
add_custom_target(quillmere_package_files ALL
  DEPENDS ${QUILLMERE_PACKAGE_FILES}/quillmere.1.gz ${QUILLMERE_PACKAGE_FILES}/changelog.Debian.gz)

# Stripped as Debian's dh_strip does: also without the compiler's notes.
set(QUILLMERE_STRIP_COMMAND)
if(CMAKE_STRIP)
  set(QUILLMERE_STRIP_COMMAND ${CMAKE_STRIP} --remove-section=.comment --remove-section=.note)
endif()
install(CODE "
  include(\"${CMAKE_SOURCE_DIR}/cmake/InstallAppFolder.cmake\")
  quillmere_install_app_folder(\"${QUILLMERE_APP_DIR}\" \"\${CMAKE_INSTALL_PREFIX}/${QUILLMERE_INSTALL_APP_DIR}\"
                               \"${CMAKE_BINARY_DIR}\" \"${QUILLMERE_STRIP_COMMAND}\")")

# The launcher: a relative link, right below any prefix.
file(RELATIVE_PATH QUILLMERE_LAUNCHER_TARGET /prefix/bin /prefix/${QUILLMERE_INSTALL_APP_DIR}/quillmere)
file(MAKE_DIRECTORY ${QUILLMERE_PACKAGE_FILES}/bin)
file(CREATE_LINK ${QUILLMERE_LAUNCHER_TARGET} ${QUILLMERE_PACKAGE_FILES}/bin/quillmere SYMBOLIC)
install(FILES ${QUILLMERE_PACKAGE_FILES}/bin/quillmere DESTINATION bin)

install(FILES ${QUILLMERE_PACKAGE_SOURCES}/${QUILLMERE_DESKTOP_ID}.desktop DESTINATION share/applications)
install(FILES ${QUILLMERE_PACKAGE_FILES}/${QUILLMERE_DESKTOP_ID}.metainfo.xml DESTINATION share/metainfo)
foreach(size ${QUILLMERE_APPICON_SIZES})
  install(FILES ${QUILLMERE_APPICON_DIR}/quillmere-${size}.png
          DESTINATION share/icons/hicolor/${size}x${size}/apps RENAME quillmere.png)
endforeach()
install(FILES ${QUILLMERE_PACKAGE_FILES}/quillmere.1.gz DESTINATION share/man/man1)
install(FILES ${QUILLMERE_PACKAGE_SOURCES}/copyright ${QUILLMERE_PACKAGE_FILES}/changelog.Debian.gz
        DESTINATION share/doc/quillmere)
