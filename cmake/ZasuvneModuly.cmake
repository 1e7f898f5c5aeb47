# Plug-in libraries (win build): the sample plug-in for plug-in authors, and the test plug-ins the Wine tests
# load, each at a fixed path in the build tree:
#   zasuvnymodul/TervikVodoznak.dll, tests/moduly/<Name>.dll
# None of these sources is in the product's */win/*.cpp glob.

add_library(TervikVodoznak SHARED ${CMAKE_SOURCE_DIR}/zasuvnymodul/TervikVodoznak.cpp
            ${CMAKE_SOURCE_DIR}/zasuvnymodul/TervikVodoznak.rc)
set_target_properties(TervikVodoznak PROPERTIES PREFIX "" RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/zasuvnymodul)
target_compile_definitions(TervikVodoznak PRIVATE ${TERVIK_WIN_DEFINICE})
target_compile_options(TervikVodoznak PRIVATE $<$<COMPILE_LANGUAGE:CXX>:-Wall -Wextra>)
target_link_libraries(TervikVodoznak PRIVATE gdiplus)
target_link_options(TervikVodoznak PRIVATE ${TERVIK_STATICKY})

# name -> its behaviours (MODUL_... definitions, see tests/camera/win/moduly/ModulTestu.cpp)
set(TESTOVACI_MODULY
  "ModulPocitadlo:POCITADLO"
  "ModulPad:PAD"
  "ModulVyjimka:VYJIMKA"
  "ModulPreteceni:PRETECENI"
  "ModulZaseknuti:ZASEKNUTI"
  "ModulEFail:EFAIL"
  "ModulOdmitnuti:ODMITNUTI"
  "ModulBezExportu:BEZ_EXPORTU"
  "ModulDvojiceA:POCITADLO,SPOLECNY_PRODUKT"
  "ModulDvojiceB:POCITADLO,SPOLECNY_PRODUKT")
set(ZDROJ_MODULU ${CMAKE_SOURCE_DIR}/tests/camera/win/moduly)
set(TERVIK_TESTOVACI_MODULY)
foreach(m ${TESTOVACI_MODULY})
  string(REPLACE ":" ";" m ${m})
  list(GET m 0 jmeno)
  list(GET m 1 chovani)
  string(REPLACE "," ";" chovani ${chovani})
  list(TRANSFORM chovani PREPEND MODUL_)
  set(zdroje ${ZDROJ_MODULU}/ModulTestu.cpp)
  if(NOT jmeno STREQUAL "ModulBezExportu")  # the one without version information
    list(APPEND zdroje ${ZDROJ_MODULU}/ModulTestu.rc)
  endif()
  add_library(${jmeno} SHARED ${zdroje})
  set_target_properties(${jmeno} PROPERTIES PREFIX "" RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tests/moduly)
  target_compile_definitions(${jmeno} PRIVATE ${TERVIK_WIN_DEFINICE} ${chovani} MODUL_NAZEV=${jmeno})
  target_compile_options(${jmeno} PRIVATE $<$<COMPILE_LANGUAGE:CXX>:-Wall -Wextra>)
  target_link_options(${jmeno} PRIVATE ${TERVIK_STATICKY})
  list(APPEND TERVIK_TESTOVACI_MODULY ${jmeno})
endforeach()

add_custom_target(tervik_zasuvne_moduly DEPENDS TervikVodoznak ${TERVIK_TESTOVACI_MODULY})
if(TARGET tervik_testy_win)
  add_dependencies(tervik_testy_win tervik_zasuvne_moduly)
endif()
