# SPDX-License-Identifier: MIT
# Run with cmake -P: makes the site that hosts the game and installs it as an app, in OUTPUT.
#   -DPART=icons -DSVG=... -DOUTPUT=...   the app's icons, rendered from the one drawing and made
#                                         small: 192 and 512 px, a maskable 512 px one whose
#                                         drawing keeps inside the circle a launcher may cut, and
#                                         a 180 px one for iOS's home screen, which draws a
#                                         transparent ground black
#   -DPART=pages -DPAGE=... -DSITE=... -DOUTPUT=...
#                                         index.html (the page with the site's head), the
#                                         manifest, and the service worker
if(PART STREQUAL "icons")
    # The maskable and iOS icons' ground is the page's, around the window.
    set(ground "#3a6ea5")
    foreach(icon "192;192;0;none" "512;512;0;none" "maskable-512;512;64;${ground}"
            "apple-180;180;16;${ground}")
        list(GET icon 0 name)
        list(GET icon 1 size)
        list(GET icon 2 margin)
        list(GET icon 3 background)
        set(png ${OUTPUT}/icon-${name}.png)
        math(EXPR drawing "${size} - 2 * ${margin}")
        execute_process(COMMAND rsvg-convert -w ${drawing} -h ${drawing} --page-width ${size}
                --page-height ${size} --left ${margin} --top ${margin} -b ${background}
                -o ${png}.full ${SVG}
            COMMAND_ERROR_IS_FATAL ANY)
        execute_process(COMMAND pngquant --force --strip --output ${png} 256 ${png}.full
            COMMAND_ERROR_IS_FATAL ANY)
        execute_process(COMMAND optipng -quiet -o7 -strip all ${png} COMMAND_ERROR_IS_FATAL ANY)
        file(REMOVE ${png}.full)
    endforeach()
    return()
endif()

file(READ ${PAGE} page)
file(READ ${SITE}/head.html head)
set(marker "<!-- The site's index.html adds its manifest and worker here. -->")
string(FIND "${page}" "${marker}" at)
if(at EQUAL -1)
    message(FATAL_ERROR "${PAGE} has no place for the site's head")
endif()
string(REPLACE "${marker}" "${head}" page "${page}")
file(WRITE ${OUTPUT}/index.html "${page}")
configure_file(${SITE}/manifest.webmanifest ${OUTPUT}/manifest.webmanifest COPYONLY)

set(files index.html manifest.webmanifest icon-192.png icon-512.png icon-maskable-512.png
    icon-apple-180.png)
set(contents "")
set(FILES "")
foreach(file IN LISTS files)
    file(SHA256 ${OUTPUT}/${file} hash)
    string(APPEND contents "${hash}")
    list(APPEND FILES "'${file}'")
endforeach()
string(SHA256 VERSION "${contents}")
string(SUBSTRING ${VERSION} 0 16 VERSION)
list(JOIN FILES ", " FILES)
configure_file(${SITE}/sw.js ${OUTPUT}/sw.js @ONLY)
