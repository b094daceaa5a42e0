# Checks that the package's Depends covers every library the editor is linked against, at the
# lowest version dpkg-shlibdeps asks for.
# cmake -DDPKG_SHLIBDEPS= -DPROGRAM= -DMODUL= -DZALEZNOSCI="<Depends>" -DKATALOG= -P sprawdz-zaleznosci.cmake

get_filename_component(PROGRAM "${PROGRAM}" ABSOLUTE)
get_filename_component(MODUL "${MODUL}" ABSOLUTE)
# dpkg-shlibdeps wants to be run from a source tree with debian/control.
file(REMOVE_RECURSE "${KATALOG}")
file(WRITE "${KATALOG}/debian/control" "")
execute_process(COMMAND "${DPKG_SHLIBDEPS}" -O "${PROGRAM}" "${MODUL}"
                WORKING_DIRECTORY "${KATALOG}"
                OUTPUT_VARIABLE wyjscie ERROR_VARIABLE bledy_narzedzia RESULT_VARIABLE wynik)
if(NOT wynik EQUAL 0 OR NOT wyjscie MATCHES "shlibs:Depends=([^\n]*)")
  message(FATAL_ERROR "dpkg-shlibdeps failed (${wynik}):\n${bledy_narzedzia}")
endif()
set(potrzebne "${CMAKE_MATCH_1}")

# "pakiet (>= 1.2), ..." -> the minimum version, or "" when there is none.
function(wersja_w lista pakiet wynik)
  string(REGEX MATCH "(^|, *)${pakiet}( \\(>= ([^)]*)\\))?(,|$)" znalezione "${lista}")
  if(NOT znalezione)
    set(${wynik} "-" PARENT_SCOPE)
  else()
    # Compare numbers only: drop an epoch and anything after the dotted digits.
    string(REGEX REPLACE "^[0-9]+:" "" w "${CMAKE_MATCH_3}")
    string(REGEX MATCH "^[0-9][0-9.]*" w "${w}")
    set(${wynik} "${w}" PARENT_SCOPE)
  endif()
endfunction()

string(REPLACE ", " ";" potrzebne_lista "${potrzebne}")
set(bledy "")
foreach(pozycja IN LISTS potrzebne_lista)
  string(REGEX MATCH "^[a-z0-9][a-z0-9.+-]*" pakiet "${pozycja}")
  string(REPLACE "+" "\\+" wzor "${pakiet}")
  string(REPLACE "." "\\." wzor "${wzor}")
  wersja_w("${potrzebne}" "${wzor}" minimum)
  wersja_w("${ZALEZNOSCI}" "${wzor}" nasza)
  if(nasza STREQUAL "-")
    string(APPEND bledy "\n  ${pozycja}: not in Depends")
  elseif(NOT minimum STREQUAL "" AND (nasza STREQUAL "" OR nasza VERSION_LESS minimum))
    string(APPEND bledy "\n  ${pozycja}: Depends asks only for '${nasza}'")
  endif()
endforeach()

if(bledy)
  message(FATAL_ERROR "Depends \"${ZALEZNOSCI}\" falls short of what the executable links:${bledy}")
endif()
message(STATUS "Depends covers ${potrzebne}")
