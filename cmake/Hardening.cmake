# SPDX-License-Identifier: MIT
# Release builds are hardened as Debian builds its own packages: the fortified string
# and memory functions (checked wherever the compiler knows a buffer's size), a stack
# protector, no printf-style call whose only argument is a variable format, a
# position-independent program, and relocations resolved at start and then made
# read-only. A sanitized build is left alone, so that what it reports comes from the
# sanitizers' own checks.
include(CheckPIESupported)

if(NOT TARNIVO_SANITIZE)
  set(release $<CONFIG:Release>)
  add_compile_definitions($<${release}:_FORTIFY_SOURCE=2>)
  add_compile_options($<${release}:-fstack-protector-strong> $<${release}:-Werror=format-security>)
  add_link_options($<${release}:LINKER:-z,relro,-z,now>)
endif()

check_pie_supported(LANGUAGES CXX)
set(CMAKE_POSITION_INDEPENDENT_CODE ON)
