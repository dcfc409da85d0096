# SPDX-License-Identifier: MIT
# The browser build's tests: the rules in WebAssembly under node; the same black-box scripts as the
# desktop builds, against the page in Chromium's app window under Xvfb, read back through the
# browser's debugging port; and what X cannot see, in headless Chromium and Firefox ESR, and in
# WebKit.

# The rules as the page computes them, under node.
add_executable(rules_check rules_check.cpp exactpayout.h)
target_link_libraries(rules_check PRIVATE rules)
target_link_options(rules_check PRIVATE -sENVIRONMENT=node -sSINGLE_FILE=1)
add_test(NAME rules_in_webassembly COMMAND node $<TARGET_FILE:rules_check>)

# The page with a fault planted in its first flip.
add_page(tencoins_faulty ${CMAKE_CURRENT_SOURCE_DIR}/faultysource.cpp)

set(xvfb xvfb-run -a -s "-screen 0 640x480x24")
set(launch ${PROJECT_SOURCE_DIR}/runtime/web/launch.sh)
set(page $<TARGET_FILE:tencoins>)
# The browser's title drops the flip's leading blank; the page's own title keeps it.
foreach(scale 1 1.5)
    set(name e2e_chromium)
    if(NOT scale EQUAL 1)
        set(name e2e_chromium_scaled)
    endif()
    set(profile ${CMAKE_CURRENT_BINARY_DIR}/${name}-profile)
    add_test(NAME ${name} COMMAND ${xvfb} ${CMAKE_CURRENT_SOURCE_DIR}/e2e.sh --scale ${scale}
        --reader "node ${CMAKE_CURRENT_SOURCE_DIR}/web/read.mjs ${profile}" --title-trimmed
        ${launch} --scale ${scale} --inspect ${profile} ${page})
endforeach()
add_test(NAME close_chromium COMMAND ${xvfb} ${CMAKE_CURRENT_SOURCE_DIR}/close.sh ${launch} ${page})
# What Orca, the screen reader, says of a round played by keyboard in the app window.
add_test(NAME orca_chromium COMMAND dbus-run-session -- ${CMAKE_CURRENT_SOURCE_DIR}/a11ybus.sh
    ${xvfb} ${CMAKE_CURRENT_SOURCE_DIR}/orca.sh --title-trimmed ${launch} ${page})
set_tests_properties(orca_chromium PROPERTIES ENVIRONMENT ACCESSIBILITY_ENABLED=1)

# WebKit's browser opens a real window, in a screen as large as the stories' largest viewport.
foreach(engine chromium firefox webkit)
    set(display)
    if(engine STREQUAL webkit)
        set(display xvfb-run -a -s "-screen 0 1400x1200x24")
    endif()
    add_test(NAME page_in_${engine} COMMAND ${display} node ${CMAKE_CURRENT_SOURCE_DIR}/web/dom.mjs
        ${engine} ${page} $<TARGET_FILE:tencoins_faulty> ${CMAKE_BINARY_DIR}/site)
endforeach()
