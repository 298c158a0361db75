# SPDX-License-Identifier: GPL-3.0-or-later
# The optimised builds take Debian's hardening flags (stack protector, _FORTIFY_SOURCE, full RELRO
# and immediate binding) from dpkg-buildflags, as a Debian package build would; the programs parse
# untrusted files and serial input. Debian's compiler makes position-independent executables by
# default; CMake is told too, so that other compilers do the same. Sanitizer and fuzz builds keep
# their own flags (_FORTIFY_SOURCE needs optimisation).
include(CheckPIESupported)
check_pie_supported()
set(CMAKE_POSITION_INDEPENDENT_CODE ON)

if(KORVISEL_SANITIZE OR KORVISEL_FUZZ OR NOT CMAKE_BUILD_TYPE MATCHES "^(Release|RelWithDebInfo|MinSizeRel)$")
    return()
endif()

find_program(DPKG_BUILDFLAGS dpkg-buildflags)
if(DPKG_BUILDFLAGS)
    set(flags)
    foreach(kind CPPFLAGS CXXFLAGS LDFLAGS)
        execute_process(COMMAND ${CMAKE_COMMAND} -E env DEB_BUILD_MAINT_OPTIONS=hardening=+all
                                ${DPKG_BUILDFLAGS} --get ${kind}
                        OUTPUT_VARIABLE value OUTPUT_STRIP_TRAILING_WHITESPACE)
        separate_arguments(value UNIX_COMMAND "${value}")
        set(${kind} ${value})
    endforeach()
    # The build type chooses optimisation and debug information.
    list(FILTER CXXFLAGS EXCLUDE REGEX "^-(g|O[0-3s]?)$")
else()
    set(CPPFLAGS -D_FORTIFY_SOURCE=2)
    set(CXXFLAGS -fstack-protector-strong -Wformat -Werror=format-security)
    set(LDFLAGS -Wl,-z,relro -Wl,-z,now)
endif()
# Newer Debian releases add these two; Debian 12's dpkg-buildflags does not yet.
include(CheckCXXCompilerFlag)
foreach(flag -fstack-clash-protection -fcf-protection)
    string(MAKE_C_IDENTIFIER "KORVISEL_HAS${flag}" supported)
    check_cxx_compiler_flag(${flag} ${supported})
    if(${supported} AND NOT flag IN_LIST CXXFLAGS)
        list(APPEND CXXFLAGS ${flag})
    endif()
endforeach()
add_compile_options(${CPPFLAGS} ${CXXFLAGS})
set(KORVISEL_HARDENED ON)
add_link_options(${LDFLAGS})
