# The Linux build: the Qt front end, installed as a Debian package.

find_package(Qt6 6.4 REQUIRED COMPONENTS Core Gui Widgets Test)
qt_standard_project_setup()
add_compile_definitions(QT_NO_NARROWING_CONVERSIONS_IN_CONNECT QT_NO_KEYWORDS)

# The Qt front end: the widgets built from the description, their events, the error report.
qt_add_library(frontend_qt STATIC
    runtime/qt/coin.cpp runtime/qt/coin.h
    runtime/qt/errorreport.cpp runtime/qt/errorreport.h
    runtime/qt/form1widget.cpp runtime/qt/form1widget.h
    runtime/qt/keyrepeat.cpp runtime/qt/keyrepeat.h
    runtime/qt/pushbutton.cpp runtime/qt/pushbutton.h
    runtime/qt/scrollbar.cpp runtime/qt/scrollbar.h)
# X's keyboard extension, to hear a held key as repeated presses: its header only, as Qt's X
# plugin brings the library.
find_path(XCB_XKB_INCLUDE_DIR xcb/xkb.h REQUIRED)
target_include_directories(frontend_qt PRIVATE ${XCB_XKB_INCLUDE_DIR})
target_link_libraries(frontend_qt PUBLIC window Qt6::Widgets ${CMAKE_DL_LIBS})

qt_add_executable(tencoins runtime/qt/main.cpp data/icons.qrc)
target_link_libraries(tencoins PRIVATE frontend_qt)
target_compile_definitions(tencoins PRIVATE APP_ID="${APP_ID}")

# Installed where desktops look: the menu entry, the software centre's page and the icon.
install(TARGETS tencoins RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES data/${APP_ID}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES data/${APP_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES data/icons/${APP_ID}.svg DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
install(FILES data/icons/${APP_ID}.png DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/48x48/apps)
# Qt's set-up points the rpath at the build; an installed program finds Qt in the system.
set_target_properties(tencoins PROPERTIES INSTALL_RPATH "")

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME tencoins)
set(CPACK_PACKAGE_CONTACT "Ten Coins maintainers <maintainers@users.noreply.c-seed-923dd510.example>")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS fonts-liberation2)
include(CPack)

