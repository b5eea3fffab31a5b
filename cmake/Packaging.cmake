# `cpack -G DEB` in the build folder: a Debian package of what the install rules put under
# /usr. Its Depends come from dpkg-shlibdeps, and it carries no maintainer scripts: the
# desktop database, icon cache and manual index are refreshed by dpkg's triggers.
set(CPACK_PACKAGE_NAME zorvane)
set(CPACK_PACKAGE_VENDOR "Zorvane developers")
set(CPACK_PACKAGE_CONTACT "Zorvane developers <zorvane@example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "take icons out of Windows programs and re-colour them")
set(CPACK_PACKAGE_DESCRIPTION
  "Zorvane opens Windows executables, libraries, control-panel modules and icon files, shows their icon groups, re-colours, turns and mirrors images and saves them as icon, BMP, PNG or GIF files. It also shows the icons of Windows programs as thumbnails in the file manager and comes with zorvane-cli for scripts.")
set(CPACK_PACKAGE_HOMEPAGE_URL "https://zorvane.example.org/")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_GENERATOR DEB)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION graphics)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
include(CPack)
