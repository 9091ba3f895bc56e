# The external programs the application starts, found once at configure time.
# A missing program is a configure error that names the Debian package.
function(quillmere_require_tool var program package)
  find_program(${var} NAMES ${program} PATHS /usr/bin /bin NO_CACHE)
  if(NOT ${var})
    message(FATAL_ERROR "'${program}' was not found. Install it with: apt-get install ${package}")
  endif()
  set(${var} ${${var}} PARENT_SCOPE)
endfunction()

quillmere_require_tool(QUILLMERE_7Z 7z p7zip-full)
quillmere_require_tool(QUILLMERE_MKISOFS genisoimage genisoimage)
quillmere_require_tool(QUILLMERE_WIMLIB wimlib-imagex wimtools)
quillmere_require_tool(QUILLMERE_ISOHYBRID isohybrid syslinux-utils)

# Lays out 7z/7z, cdrtools/mkisofs, wimlib-imagex/wimlib-imagex and
# isohybrid/isohybrid in a folder as links to the system's programs, and a
# translations folder.
function(quillmere_link_tools dir)
  file(MAKE_DIRECTORY ${dir}/7z ${dir}/cdrtools ${dir}/wimlib-imagex ${dir}/isohybrid)
  file(CREATE_LINK ${QUILLMERE_7Z} ${dir}/7z/7z SYMBOLIC)
  file(CREATE_LINK ${QUILLMERE_MKISOFS} ${dir}/cdrtools/mkisofs SYMBOLIC)
  file(CREATE_LINK ${QUILLMERE_WIMLIB} ${dir}/wimlib-imagex/wimlib-imagex SYMBOLIC)
  file(CREATE_LINK ${QUILLMERE_ISOHYBRID} ${dir}/isohybrid/isohybrid SYMBOLIC)
  if(NOT dir STREQUAL QUILLMERE_APP_DIR)
    file(CREATE_LINK ${QUILLMERE_APP_DIR}/translations ${dir}/translations SYMBOLIC)
  endif()
endfunction()
