# SPDX-License-Identifier: MIT
# The Windows build: the Win32 front end, one .exe that needs nothing installed, shipped as a zip;
# 32-bit (x86) or 64-bit (x64), as the toolchain builds.

enable_language(RC)
if(CMAKE_SIZEOF_VOID_P EQUAL 8)
    set(WINDOWS_ARCHITECTURE amd64)
    set(ZIP_ARCHITECTURE x64)
else()
    set(WINDOWS_ARCHITECTURE x86)
    set(ZIP_ARCHITECTURE x86)
endif()

# The icon, rendered from the same drawing as the desktop icons.
set(ICON_FILE ${CMAKE_CURRENT_BINARY_DIR}/tencoins.ico)
add_custom_command(OUTPUT ${ICON_FILE}
    COMMAND ${CMAKE_COMMAND} -DSVG=${ICON_SVG} -DOUTPUT=${ICON_FILE}
        -P ${PROJECT_SOURCE_DIR}/cmake/windowsicon.cmake
    DEPENDS ${ICON_SVG} ${PROJECT_SOURCE_DIR}/cmake/windowsicon.cmake
    COMMENT "Rendering the Windows icon"
    VERBATIM)

set(MANIFEST_FILE ${CMAKE_CURRENT_BINARY_DIR}/tencoins.manifest)
configure_file(runtime/win32/tencoins.manifest.in ${MANIFEST_FILE} @ONLY)
configure_file(runtime/win32/tencoins.rc.in tencoins.rc @ONLY)
set_source_files_properties(${CMAKE_CURRENT_BINARY_DIR}/tencoins.rc
    PROPERTIES OBJECT_DEPENDS "${ICON_FILE};${MANIFEST_FILE}")

# Everything but the entry point and the random source the game plays with, so that a test build
# can bring its own.
add_library(frontend_win32 OBJECT
    runtime/win32/accessible.cpp runtime/win32/accessible.h
    runtime/win32/delegatingaccessible.h
    runtime/win32/dpi.cpp runtime/win32/dpi.h
    runtime/win32/errorreport.cpp runtime/win32/errorreport.h
    runtime/win32/form1window.cpp runtime/win32/form1window.h
    runtime/win32/paintedcoins.cpp runtime/win32/paintedcoins.h
    runtime/win32/widetext.h
    runtime/win32/windowclasses.cpp runtime/win32/windowclasses.h
    ${CMAKE_CURRENT_BINARY_DIR}/tencoins.rc)
# Windows 7 and later; newer functions are looked up at run time.
target_compile_definitions(frontend_win32 PUBLIC UNICODE _UNICODE WINVER=0x0601
    _WIN32_WINNT=0x0601 WIN32_LEAN_AND_MEAN NOMINMAX)
# Statically linked, so that it imports only Windows' own DLLs.
target_link_options(frontend_win32 PUBLIC -static -municode -mwindows)
target_include_directories(frontend_win32 PUBLIC ${PROJECT_SOURCE_DIR}/runtime/win32)
target_link_libraries(frontend_win32 PUBLIC window entry gdi32 user32 comctl32 oleacc ole32
    oleaut32 uuid)

add_executable(tencoins WIN32 runtime/win32/main.cpp runtime/playsource.cpp)
target_link_libraries(tencoins PRIVATE frontend_win32)

install(TARGETS tencoins RUNTIME DESTINATION .)
install(FILES README.md LICENSE DESTINATION .)
set(CPACK_GENERATOR ZIP)
set(CPACK_PACKAGE_NAME tencoins)
set(CPACK_PACKAGE_FILE_NAME tencoins-${PROJECT_VERSION}-windows-${ZIP_ARCHITECTURE})
set(CPACK_INCLUDE_TOPLEVEL_DIRECTORY OFF)
set(CPACK_STRIP_FILES ON)
include(CPack)
