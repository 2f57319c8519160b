# The hardening Debian builds its own packages with: stack canaries, checked
# string and memory functions, and a relocation table that is read-only
# before main() runs. Applies to every target, the statically linked
# kolvaro-cli included.
option(KOLVARO_HAERTUNG "Programme gehaertet bauen (Stack-Schutz, _FORTIFY_SOURCE, RELRO)" ON)
if(NOT KOLVARO_HAERTUNG)
  return()
endif()

include(CheckCXXCompilerFlag)
add_compile_options(-fstack-protector-strong)
foreach(flagge -fstack-clash-protection -fcf-protection)
  string(MAKE_C_IDENTIFIER "KOLVARO_KANN${flagge}" ergebnis)
  check_cxx_compiler_flag(${flagge} ${ergebnis})
  if(${ergebnis})
    add_compile_options(${flagge})
  endif()
endforeach()

# The checked functions exist only where the compiler optimises (glibc warns
# and drops them at -O0, so not in Debug). The sanitizers find the same
# overruns themselves, and the checked variants would hide the accesses from
# them. -U first: a compiler that defines its own level would warn.
if(NOT KOLVARO_SANITIZE AND NOT KOLVARO_FUZZ)
  set(optimiert "$<CONFIG:Release,RelWithDebInfo,MinSizeRel>")
  add_compile_options("$<${optimiert}:-U_FORTIFY_SOURCE>" "$<${optimiert}:-D_FORTIFY_SOURCE=2>")
endif()

add_link_options(LINKER:-z,relro LINKER:-z,now)
