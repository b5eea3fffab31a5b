# What `cmake --install` puts under the prefix (DESTDIR honoured by CMake): the programs, the
# desktop entry, the icon theme images, the AppStream metadata, the manual pages and the
# file managers' thumbnailer entry. Nothing is written under the prefix at run time.
include(GNUInstallDirs)

set(ZORVANE_MODULE_TYPES
  application/x-ms-dos-executable application/x-dosexec application/x-msdownload
  application/vnd.microsoft.portable-executable application/x-ms-ne-executable
  application/x-wine-extension-cpl)
set(ZORVANE_ICON_TYPES image/vnd.microsoft.icon image/x-icon)
set(ZORVANE_CURSOR_TYPES image/x-win-bitmap application/x-navi-animation)

# Desktop files end a list with ";"; CMake lists are already joined by it.
set(ZORVANE_MODULE_AND_ICON_TYPES "${ZORVANE_MODULE_TYPES};${ZORVANE_ICON_TYPES};")
set(ZORVANE_THUMBNAIL_TYPES "${ZORVANE_MODULE_TYPES};${ZORVANE_ICON_TYPES};${ZORVANE_CURSOR_TYPES};")
set(ZORVANE_METAINFO_MEDIATYPES "")
foreach(type ${ZORVANE_MODULE_TYPES} ${ZORVANE_ICON_TYPES})
  string(APPEND ZORVANE_METAINFO_MEDIATYPES "    <mediatype>${type}</mediatype>\n")
endforeach()
string(STRIP "${ZORVANE_METAINFO_MEDIATYPES}" ZORVANE_METAINFO_MEDIATYPES)
set(ZORVANE_METAINFO_MEDIATYPES "    ${ZORVANE_METAINFO_MEDIATYPES}")

set(data ${PROJECT_BINARY_DIR}/data)
configure_file(data/zorvane.thumbnailer.in ${data}/zorvane.thumbnailer @ONLY)
# Manual pages go compressed, as Debian's policy wants them (and man reads them so anywhere).
set(man_pages)
foreach(page zorvane-cli zorvane-thumbnailer)
  configure_file(data/${page}.1.in ${data}/${page}.1 @ONLY)
  add_custom_command(OUTPUT ${data}/${page}.1.gz
    COMMAND gzip -9nc ${data}/${page}.1 > ${data}/${page}.1.gz
    DEPENDS ${data}/${page}.1)
  list(APPEND man_pages ${data}/${page}.1.gz)
endforeach()
add_custom_target(man_pages ALL DEPENDS ${man_pages})

install(TARGETS zorvane-cli zorvane-thumbnailer RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${man_pages} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES ${data}/zorvane.thumbnailer DESTINATION ${CMAKE_INSTALL_DATADIR}/thumbnailers)

if(ZORVANE_GUI)
  configure_file(data/zorvane.desktop.in ${data}/${ZORVANE_DESKTOP_ID}.desktop @ONLY)
  configure_file(data/zorvane.metainfo.xml.in ${data}/${ZORVANE_DESKTOP_ID}.metainfo.xml @ONLY)
  install(TARGETS zorvane RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
  install(FILES ${data}/${ZORVANE_DESKTOP_ID}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
  install(FILES ${data}/${ZORVANE_DESKTOP_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
  # Drawn at build time by src/ui/make_app_icons.
  install(DIRECTORY ${ZORVANE_ICON_THEME_DIR}/ DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor)
endif()
