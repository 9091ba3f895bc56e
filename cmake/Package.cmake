# The Debian package of what Install.cmake installs, below /usr:
#   cpack -G DEB --config build/CPackConfig.cmake    (or scripts/package)
# Its version is the project's with the revision of the newest entry of
# resources/package/changelog; its description is
# resources/package/description.txt (first line: the synopsis).

set(QUILLMERE_MAINTAINER "The Quillmere developers <developers@quillmere.app>" CACHE STRING
    "The Maintainer field of the Debian package")

# The packages of the programs the application runs. The libraries its
# programs link are added by dpkg-shlibdeps.
set(QUILLMERE_DEB_DEPENDS
  p7zip-full       # 7z: lists and unpacks images
  genisoimage      # mkisofs: writes images
  wimtools         # wimlib-imagex: splits a Windows installation archive too large for FAT32
  syslinux-utils   # isohybrid: lets an edited isolinux image boot from a USB stick again
  syslinux         # makes a USB drive bootable
  syslinux-common  # the boot sector and modules syslinux installs
  mtools           # lets syslinux write to the FAT volume
  dosfstools       # formats the USB drive's FAT32 volume
  fdisk            # partitions the USB drive (sfdisk)
  xorriso          # burns DVDs and CDs
  sudo             # runs the boot step as administrator
  eject            # ejects discs
  fuseiso          # mounts ISO images through FUSE
  fusefat)         # mounts FAT volumes through FUSE
# Recommended: the font for the Chinese and Japanese texts, and xdg-open,
# which opens the help page and shows folders in the file manager.
set(QUILLMERE_DEB_RECOMMENDS fonts-wqy-microhei xdg-utils)

file(READ ${CMAKE_SOURCE_DIR}/resources/package/description.txt QUILLMERE_DESCRIPTION)
string(STRIP "${QUILLMERE_DESCRIPTION}" QUILLMERE_DESCRIPTION)
string(FIND "${QUILLMERE_DESCRIPTION}" "\n" QUILLMERE_SYNOPSIS_END)
string(SUBSTRING "${QUILLMERE_DESCRIPTION}" 0 ${QUILLMERE_SYNOPSIS_END} QUILLMERE_SYNOPSIS)
math(EXPR QUILLMERE_SYNOPSIS_END "${QUILLMERE_SYNOPSIS_END} + 1")
string(SUBSTRING "${QUILLMERE_DESCRIPTION}" ${QUILLMERE_SYNOPSIS_END} -1 QUILLMERE_DESCRIPTION)
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/resources/package/description.txt)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME quillmere)
set(CPACK_PACKAGE_VENDOR "The Quillmere developers")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "${QUILLMERE_SYNOPSIS}")
set(CPACK_PACKAGE_CONTACT ${QUILLMERE_MAINTAINER})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_INSTALL_PREFIX /usr)
# Install with DESTDIR below the real prefix, so that the links are made
# for /usr and not for cpack's scratch folder.
set(CPACK_SET_DESTDIR ON)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_RELEASE ${QUILLMERE_DEB_RELEASE})
set(CPACK_DEBIAN_PACKAGE_MAINTAINER ${QUILLMERE_MAINTAINER})
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "${QUILLMERE_DESCRIPTION}")
set(CPACK_DEBIAN_PACKAGE_SECTION otherosfs)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE https://quillmere.app)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
list(JOIN QUILLMERE_DEB_DEPENDS ", " CPACK_DEBIAN_PACKAGE_DEPENDS)
list(JOIN QUILLMERE_DEB_RECOMMENDS ", " CPACK_DEBIAN_PACKAGE_RECOMMENDS)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
include(CPack)
