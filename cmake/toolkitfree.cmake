# SPDX-License-Identifier: MIT
# Run with cmake -P -DSOURCE_DIR=...: fails when the game's rules, the window or what the entry
# points share include a window toolkit's header. They are written once for every toolkit, so none
# may creep in.
file(GLOB files ${SOURCE_DIR}/game/* ${SOURCE_DIR}/window/* ${SOURCE_DIR}/runtime/*.h
    ${SOURCE_DIR}/runtime/*.cpp)
foreach(file IN LISTS files)
    file(STRINGS "${file}" includes
        REGEX "^[ \t]*#[ \t]*include[ \t]*[<\"]([Qq]t|Q[A-Z]|windows\\.h|win[a-z]*\\.h|commctrl\\.h|emscripten)")
    if(includes)
        message(FATAL_ERROR "${file} includes a toolkit header: ${includes}")
    endif()
endforeach()
