# SPDX-License-Identifier: GPL-3.0-or-later
# The hardening Debian builds its packages with: fortified string and memory functions, a
# stack protector, position-independent executables and a read-only, eagerly bound relocation
# table. Fortifying needs the optimiser, so a Debug build goes without it; the sanitizer and
# fuzzing builds check the same faults their own way.
option(MEMVALO_HARDENING "Build with the distribution's hardening flags (not in Debug)" ON)
if(MEMVALO_HARDENING AND NOT MEMVALO_SANITIZE AND NOT MEMVALO_FUZZ)
  include(CheckPIESupported)
  check_pie_supported()
  set(CMAKE_POSITION_INDEPENDENT_CODE ON)
  set(_memvalo_optimised "$<NOT:$<CONFIG:Debug>>")
  add_compile_options(-fstack-protector-strong -fstack-clash-protection
                      "$<${_memvalo_optimised}:-U_FORTIFY_SOURCE;-D_FORTIFY_SOURCE=2>")
  if(CMAKE_SYSTEM_PROCESSOR MATCHES "x86_64|AMD64|i.86")
    add_compile_options(-fcf-protection)
  endif()
  add_link_options(LINKER:-z,relro LINKER:-z,now)
endif()
