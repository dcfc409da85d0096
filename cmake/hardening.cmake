# SPDX-License-Identifier: MIT
# Debian's hardening for the release build: the stack protector, fortified libc calls, a read-only
# relocation table bound at start (relro, now) and a position-independent executable. The flags
# come from dpkg-buildflags (with every hardening feature on) where it is installed; without it,
# the same ones are set by hand. Debug builds, such as the sanitizer run, keep none of them.
set(CMAKE_POSITION_INDEPENDENT_CODE ON)
include(CheckPIESupported)
check_pie_supported()

set(hardening_compile -fstack-protector-strong -D_FORTIFY_SOURCE=2 -Wformat
    -Werror=format-security)
set(hardening_link -Wl,-z,relro -Wl,-z,now)
find_program(DPKG_BUILDFLAGS dpkg-buildflags)
if(DPKG_BUILDFLAGS)
    set(hardening_compile "")
    set(hardening_link "")
    foreach(kind CPPFLAGS CXXFLAGS LDFLAGS)
        execute_process(
            COMMAND ${CMAKE_COMMAND} -E env DEB_BUILD_MAINT_OPTIONS=hardening=+all
                ${DPKG_BUILDFLAGS} --get ${kind}
            OUTPUT_VARIABLE flags OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
        separate_arguments(flags UNIX_COMMAND "${flags}")
        # Only the hardening: the build type keeps its own optimisation and debug settings.
        foreach(flag IN LISTS flags)
            if(flag MATCHES "^-Wl,")
                list(APPEND hardening_link ${flag})
            elseif(flag MATCHES "^(-fstack-|-fcf-protection|-D_FORTIFY_SOURCE|-Wformat|-Werror=format)")
                list(APPEND hardening_compile ${flag})
            endif()
        endforeach()
    endforeach()
endif()
foreach(flag IN LISTS hardening_compile)
    add_compile_options($<$<CONFIG:Release>:${flag}>)
endforeach()
foreach(flag IN LISTS hardening_link)
    add_link_options($<$<CONFIG:Release>:${flag}>)
endforeach()
