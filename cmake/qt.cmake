# SPDX-License-Identifier: MIT
# The Linux build: the Qt front end, installed as a Debian package.

find_package(Qt6 6.4 REQUIRED COMPONENTS Core Gui Widgets Test)
qt_standard_project_setup()
add_compile_definitions(QT_NO_NARROWING_CONVERSIONS_IN_CONNECT QT_NO_KEYWORDS)

# The Qt front end: the widgets built from the description, their events, the error report.
qt_add_library(frontend_qt STATIC
    runtime/qt/announcer.cpp runtime/qt/announcer.h
    runtime/qt/coin.cpp runtime/qt/coin.h
    runtime/qt/display.cpp runtime/qt/display.h
    runtime/qt/errorreport.cpp runtime/qt/errorreport.h
    runtime/qt/form1widget.cpp runtime/qt/form1widget.h
    runtime/qt/keyrepeat.cpp runtime/qt/keyrepeat.h
    runtime/qt/pushbutton.cpp runtime/qt/pushbutton.h
    runtime/qt/scrollbar.cpp runtime/qt/scrollbar.h)
# X's keyboard extension, to hear a held key as repeated presses: its header only, as Qt's X
# plugin brings the library.
find_path(XCB_XKB_INCLUDE_DIR xcb/xkb.h REQUIRED)
target_include_directories(frontend_qt PRIVATE ${XCB_XKB_INCLUDE_DIR})
target_include_directories(frontend_qt PUBLIC ${PROJECT_SOURCE_DIR}/runtime/qt)
target_link_libraries(frontend_qt PUBLIC window entry Qt6::Widgets ${CMAKE_DL_LIBS})

# The icons at every size desktops look for, rendered from the one drawing so that they never drift
# apart. The program carries the sizes a window manager draws a window's icon at; menus and
# launchers take the installed ones.
set(ICON_SIZES 16 22 24 32 48 64 128 256)
set(WINDOW_ICON_SIZES 16 24 32 48 64)
set(icon_pngs "")
set(hicolor_pngs "")
foreach(size IN LISTS ICON_SIZES)
    set(png ${CMAKE_CURRENT_BINARY_DIR}/icons/${size}.png)
    add_custom_command(OUTPUT ${png}
        COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_CURRENT_BINARY_DIR}/icons
        COMMAND rsvg-convert -w ${size} -h ${size} -o ${png} ${ICON_SVG}
        DEPENDS ${ICON_SVG} VERBATIM)
    list(APPEND hicolor_pngs ${png})
    if(size IN_LIST WINDOW_ICON_SIZES)
        list(APPEND icon_pngs ${png})
    endif()
    install(FILES ${png} DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps
        RENAME ${APP_ID}.png)
endforeach()
add_custom_target(icons ALL DEPENDS ${hicolor_pngs})

# The window icon goes into the program as pixels, decoded once here rather than at each start.
add_executable(iconpixels tools/iconpixels.cpp)
target_link_libraries(iconpixels PRIVATE Qt6::Gui)
set(icon_arguments "")
foreach(size IN LISTS WINDOW_ICON_SIZES)
    list(APPEND icon_arguments ${size}:${CMAKE_CURRENT_BINARY_DIR}/icons/${size}.png)
endforeach()
set(icon_source ${CMAKE_CURRENT_BINARY_DIR}/windowiconpixels.cpp)
add_custom_command(OUTPUT ${icon_source}
    COMMAND iconpixels ${icon_source} ${icon_arguments}
    DEPENDS iconpixels ${icon_pngs} VERBATIM)
target_sources(frontend_qt PRIVATE ${icon_source}
    runtime/qt/windowicon.cpp runtime/qt/windowicon.h)

# The random source is a file of its own, so that a test build can plant a fault in its place.
qt_add_executable(tencoins runtime/qt/main.cpp runtime/playsource.cpp)
target_link_libraries(tencoins PRIVATE frontend_qt)
target_compile_definitions(tencoins PRIVATE APP_ID="${APP_ID}")

# Installed as Debian has a game: the program in /usr/games, where the menu entry starts it by name;
# the menu entry, the software centre's page and the icons where desktops look; the manual page,
# the licence and the changelog where Debian keeps them.
install(TARGETS tencoins RUNTIME DESTINATION games)
# Stripped as Debian strips: without the compiler's .comment and .note sections either.
install(CODE "
    if(CMAKE_INSTALL_DO_STRIP)
        execute_process(COMMAND ${CMAKE_OBJCOPY} --remove-section=.comment --remove-section=.note
            \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/games/tencoins\" COMMAND_ERROR_IS_FATAL ANY)
    endif()")
install(FILES data/${APP_ID}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES data/${APP_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${ICON_SVG} DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
# Qt's set-up points the rpath at the build; an installed program finds Qt in the system.
set_target_properties(tencoins PROPERTIES INSTALL_RPATH "")

# Compressed as Debian wants them: gzip -9, without a name or time stamp.
set(doc_dir ${CMAKE_INSTALL_DATADIR}/doc/tencoins)
foreach(document data/tencoins.6 data/debian/changelog)
    get_filename_component(name ${document} NAME)
    set(compressed ${CMAKE_CURRENT_BINARY_DIR}/${name}.gz)
    add_custom_command(OUTPUT ${compressed}
        COMMAND gzip -9nc ${PROJECT_SOURCE_DIR}/${document} > ${compressed}
        DEPENDS ${document})
    list(APPEND compressed_documents ${compressed})
endforeach()
add_custom_target(documents ALL DEPENDS ${compressed_documents})
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/tencoins.6.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man6)
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/changelog.gz data/debian/copyright DESTINATION ${doc_dir})

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME tencoins)
set(CPACK_PACKAGE_CONTACT "Ten Coins maintainers <maintainers@users.noreply.c-seed-923dd510.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "guess how many of ten coins come up red, and bet on it")
# Lines of the extended description stay within 80 columns, as Debian asks.
set(CPACK_PACKAGE_DESCRIPTION "Ten Coins is a small betting game for one player. Before each flip you
choose how many of ten coins will come up red, from 0 to 10, and how much
of your balance to bet. A correct guess pays the bet at a fixed
multiplier, the rarer counts paying more: all red or all green pays 1024
times the bet.

The game is played with the mouse or the keyboard, with play money only,
and keeps nothing between runs.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS fonts-liberation2)
# On a Wayland desktop without Xwayland, Qt needs its Wayland plugin.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS qt6-wayland)
include(CPack)
