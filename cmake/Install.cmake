# What `cmake --install` puts where: the two programs, the shipped data (read-only; each user
# works in a copy of it), the menu entry with its icons, the AppStream metadata and the manual
# pages.
set(MORVANE_APP_ID net.morvane.Morvane)
set(packaging ${PROJECT_SOURCE_DIR}/packaging)

install(TARGETS morvane morvane-cli RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(TARGETS morvane_webview_module LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR}/morvane)
# A program working in data/ itself holds its lock there, and may keep presets there: neither
# is shipped data.
install(DIRECTORY ${PROJECT_SOURCE_DIR}/data/ DESTINATION ${MORVANE_DATA_INSTALL_DIR}
    PATTERN ".morvane.lock*" EXCLUDE PATTERN "presets" EXCLUDE)
# The applet runtime, its core and its kinds' files, is part of the shipped data but made by the
# build (src/runtime).
install(FILES ${MORVANE_RUNTIME_FILES} DESTINATION ${MORVANE_DATA_INSTALL_DIR}/runtime)

install(FILES ${packaging}/${MORVANE_APP_ID}.desktop
    DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${packaging}/${MORVANE_APP_ID}.metainfo.xml
    DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${packaging}/icons/${MORVANE_APP_ID}.svg
    DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
foreach(size 16 22 24 32 48 64 128 256)
    install(FILES ${packaging}/icons/hicolor/${size}x${size}/${MORVANE_APP_ID}.png
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps)
endforeach()

# Manual pages and the changelog are compressed without a time stamp, as Debian asks; they are
# small, so they are compressed when the build is configured.
find_program(MORVANE_GZIP gzip REQUIRED)
set(compressed ${CMAKE_BINARY_DIR}/packaging)
file(MAKE_DIRECTORY ${compressed})
foreach(file morvane.1 morvane-cli.1 changelog)
    set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${packaging}/${file})
    execute_process(COMMAND ${MORVANE_GZIP} -9 -n -c ${packaging}/${file}
        OUTPUT_FILE ${compressed}/${file}.gz COMMAND_ERROR_IS_FATAL ANY)
endforeach()
install(FILES ${compressed}/morvane.1.gz ${compressed}/morvane-cli.1.gz
    DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES ${packaging}/copyright DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/morvane)
install(FILES ${compressed}/changelog.gz DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/morvane
    RENAME changelog.Debian.gz)
