# Installs the program as a desktop application: the executable, its menu
# entry, its icon (scalable and the usual bitmap sizes), its AppStream
# metainfo for software centres, its manual page, the same program as one
# offline browser page when it has been built, and its copyright and
# licence (GPL-3.0-or-later) in the machine-readable form Debian reads.
include(GNUInstallDirs)

set(PR_APP_ID it.puntierette.PuntiERette)
set(PR_PACKAGING_DIR ${PROJECT_SOURCE_DIR}/packaging)
set(PR_ICON_SVG ${PR_PACKAGING_DIR}/icons/${PR_APP_ID}.svg)
# The hicolor sizes that menus, docks and software centres ask for.
set(PR_ICON_SIZES 16 22 24 32 48 64 128 256)

install(TARGETS punti-e-rette RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${PR_PACKAGING_DIR}/${PR_APP_ID}.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${PR_PACKAGING_DIR}/${PR_APP_ID}.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${PR_PACKAGING_DIR}/copyright DESTINATION ${CMAKE_INSTALL_DOCDIR})
install(FILES ${PR_ICON_SVG}
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)

# Bitmap icons are rendered from the SVG at build time, so they never drift from it.
find_program(PR_RSVG_CONVERT rsvg-convert REQUIRED)
set(pr_icon_pngs)
foreach(size IN LISTS PR_ICON_SIZES)
  set(png ${CMAKE_BINARY_DIR}/icons/${size}x${size}/apps/${PR_APP_ID}.png)
  add_custom_command(
    OUTPUT ${png}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/icons/${size}x${size}/apps
    COMMAND ${PR_RSVG_CONVERT} --width=${size} --height=${size} --format=png
            --output=${png} ${PR_ICON_SVG}
    DEPENDS ${PR_ICON_SVG}
    COMMENT "Rendering the ${size}x${size} icon"
    VERBATIM)
  list(APPEND pr_icon_pngs ${png})
  install(FILES ${png} DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps)
endforeach()

# Debian wants manual pages compressed, without a time stamp (-n) so builds repeat.
configure_file(${PR_PACKAGING_DIR}/punti-e-rette.1.in ${CMAKE_BINARY_DIR}/man/punti-e-rette.1 @ONLY)
set(pr_manpage_gz ${CMAKE_BINARY_DIR}/man/punti-e-rette.1.gz)
add_custom_command(
  OUTPUT ${pr_manpage_gz}
  COMMAND gzip -9 -n -c ${CMAKE_BINARY_DIR}/man/punti-e-rette.1 > ${pr_manpage_gz}
  DEPENDS ${CMAKE_BINARY_DIR}/man/punti-e-rette.1
  COMMENT "Compressing the manual page")
install(FILES ${pr_manpage_gz} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)

add_custom_target(pr_desktop_assets ALL DEPENDS ${pr_icon_pngs} ${pr_manpage_gz})

# The browser page (scripts/build-web.sh), for the machines this one shares
# it with: installed, and so shipped in the .deb, when it is named here.
set(PR_WEB_PAGE "" CACHE FILEPATH "The built browser page (build-web/punti-e-rette.html) to install")
if(PR_WEB_PAGE)
  if(NOT EXISTS "${PR_WEB_PAGE}")
    message(FATAL_ERROR "PR_WEB_PAGE names ${PR_WEB_PAGE}, which does not exist: run scripts/build-web.sh")
  endif()
  install(FILES "${PR_WEB_PAGE}" DESTINATION ${CMAKE_INSTALL_DATADIR}/punti-e-rette)
endif()
