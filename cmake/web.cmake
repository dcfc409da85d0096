# SPDX-License-Identifier: MIT
# The browser build: the web front end, one self-contained page with the WebAssembly inside, which
# plays from a file as well as from a server.

# Emscripten's optimised links run its JavaScript tools under node, which must find Debian's acorn
# whichever node comes first on the PATH.
set(CMAKE_CXX_LINKER_LAUNCHER ${CMAKE_COMMAND} -E env NODE_PATH=/usr/share/nodejs)

# The page's shell, with the game's icon as its favicon, written into it as a data address.
set(WEB_DIR ${PROJECT_SOURCE_DIR}/runtime/web)
execute_process(COMMAND base64 -w0 ${ICON_SVG} OUTPUT_VARIABLE icon_base64 COMMAND_ERROR_IS_FATAL ANY)
set(ICON_URL "data:image/svg+xml;base64,${icon_base64}")
configure_file(${WEB_DIR}/shell.html shell.in.html @ONLY)
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${ICON_SVG})

# And with the window's first look, written by a program of the build from the window description,
# so that the browser shows the window before the game's script has run.
add_executable(firstlook ${WEB_DIR}/firstlook.cpp ${WEB_DIR}/elements.h)
target_link_libraries(firstlook PRIVATE window)
target_link_options(firstlook PRIVATE -sENVIRONMENT=node -sNODERAWFS=1 -sSINGLE_FILE=1)
add_custom_command(OUTPUT ${CMAKE_BINARY_DIR}/shell.html
    COMMAND node $<TARGET_FILE:firstlook> ${CMAKE_BINARY_DIR}/shell.in.html
        ${CMAKE_BINARY_DIR}/shell.html
    DEPENDS firstlook ${CMAKE_BINARY_DIR}/shell.in.html
    COMMENT "Writing the window's first look into the page"
    VERBATIM)
add_custom_target(page_shell DEPENDS ${CMAKE_BINARY_DIR}/shell.html)

# The web front end: the page's side of Form1 and the entry point, for every page to link.
add_library(frontend_web OBJECT ${WEB_DIR}/elements.h ${WEB_DIR}/form1page.cpp ${WEB_DIR}/form1page.h
    ${WEB_DIR}/main.cpp)
target_link_libraries(frontend_web PUBLIC window entry)

# add_page(NAME SOURCE): the page NAME.html, playing with the random source that SOURCE defines.
function(add_page name random_source)
    add_executable(${name} ${random_source})
    target_link_libraries(${name} PRIVATE frontend_web)
    add_dependencies(${name} page_shell)
    target_link_options(${name} PRIVATE -sENVIRONMENT=web -sSINGLE_FILE=1 -sMINIFY_HTML=0
        --shell-file ${CMAKE_BINARY_DIR}/shell.html
        --js-library ${WEB_DIR}/page.js "SHELL:--pre-js ${WEB_DIR}/start.js"
        "SHELL:--pre-js ${WEB_DIR}/scrollbar.js")
    set_target_properties(${name} PROPERTIES SUFFIX .html LINK_DEPENDS
        "${CMAKE_BINARY_DIR}/shell.html;${WEB_DIR}/page.js;${WEB_DIR}/start.js;${WEB_DIR}/scrollbar.js")
endfunction()

add_page(tencoins ${PROJECT_SOURCE_DIR}/runtime/playsource.cpp)

# The site: the page as index.html with a web app manifest, icons and a service worker, so that a
# phone can install the game from any static web server and play it offline.
set(SITE_DIR ${CMAKE_BINARY_DIR}/site)
set(site_script ${PROJECT_SOURCE_DIR}/cmake/site.cmake)
set(site_icons ${SITE_DIR}/icon-192.png ${SITE_DIR}/icon-512.png ${SITE_DIR}/icon-maskable-512.png
    ${SITE_DIR}/icon-apple-180.png)
add_custom_command(OUTPUT ${site_icons}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${SITE_DIR}
    COMMAND ${CMAKE_COMMAND} -DPART=icons -DSVG=${ICON_SVG} -DOUTPUT=${SITE_DIR} -P ${site_script}
    DEPENDS ${ICON_SVG} ${site_script}
    COMMENT "Rendering the app's icons"
    VERBATIM)
add_custom_command(OUTPUT ${SITE_DIR}/index.html ${SITE_DIR}/manifest.webmanifest ${SITE_DIR}/sw.js
    COMMAND ${CMAKE_COMMAND} -DPART=pages -DPAGE=$<TARGET_FILE:tencoins> -DSITE=${WEB_DIR}/site
        -DOUTPUT=${SITE_DIR} -P ${site_script}
    DEPENDS tencoins ${site_icons} ${site_script} ${WEB_DIR}/site/head.html
        ${WEB_DIR}/site/manifest.webmanifest ${WEB_DIR}/site/sw.js
    COMMENT "Making the site"
    VERBATIM)
add_custom_target(site ALL DEPENDS ${SITE_DIR}/index.html)
