# The program's pictures, made from resources/ikony.tsv and the Tango icon set by resources/vytvorit-obrazky.py into
# the build tree: the strips and icons (the win build's resources; the native build makes them too when the set is
# installed, for the test that compares them).
set(TERVIK_OBRAZKY ${CMAKE_BINARY_DIR}/obrazky)
file(MAKE_DIRECTORY ${TERVIK_OBRAZKY})  # a fresh tree: the check's stamp may be written before the pictures
set(TERVIK_TANGO /usr/share/icons/Tango)
set(SKRIPT_OBRAZKU ${CMAKE_SOURCE_DIR}/resources/vytvorit-obrazky.py)
set(TABULKA_OBRAZKU ${CMAKE_SOURCE_DIR}/resources/ikony.tsv)
if(EXISTS /usr/bin/python3 AND NOT Python3_EXECUTABLE)
  set(Python3_EXECUTABLE /usr/bin/python3)  # the system's, as the process tests use
endif()
find_package(Python3 COMPONENTS Interpreter REQUIRED)

# resources/Obrazky.h (the strip's indexes) is kept in the tree; the build stops when it no longer matches the table.
add_custom_command(OUTPUT ${TERVIK_OBRAZKY}/Obrazky.overeno
  COMMAND ${Python3_EXECUTABLE} ${SKRIPT_OBRAZKU} --overit ${CMAKE_SOURCE_DIR}/resources/Obrazky.h
  COMMAND ${CMAKE_COMMAND} -E touch ${TERVIK_OBRAZKY}/Obrazky.overeno
  DEPENDS ${SKRIPT_OBRAZKU} ${TABULKA_OBRAZKU} ${CMAKE_SOURCE_DIR}/resources/Obrazky.h VERBATIM)
add_custom_target(tervik_obrazky_hlavicka DEPENDS ${TERVIK_OBRAZKY}/Obrazky.overeno)

set(OBRAZKY_ZDROJU)
foreach(v 16 24 32)
  list(APPEND OBRAZKY_ZDROJU ${TERVIK_OBRAZKY}/Ikony${v}.bmp)
endforeach()
foreach(i 101 136 186 187 188)
  list(APPEND OBRAZKY_ZDROJU ${TERVIK_OBRAZKY}/Ikona${i}.ico)
endforeach()
if(TERVIK_WIN OR EXISTS ${TERVIK_TANGO})
  add_custom_command(OUTPUT ${OBRAZKY_ZDROJU}
    COMMAND ${CMAKE_COMMAND} -E env TERVIK_TANGO=${TERVIK_TANGO}
            ${Python3_EXECUTABLE} ${SKRIPT_OBRAZKU} --obrazky ${TERVIK_OBRAZKY}
    DEPENDS ${SKRIPT_OBRAZKU} ${TABULKA_OBRAZKU}
    COMMENT "Obrázky programu ze sady ikon Tango" VERBATIM)
  add_custom_target(tervik_obrazky DEPENDS ${OBRAZKY_ZDROJU})
endif()
