# The setup program (win build): Tervik-<version>-setup.exe in the build folder, made by NSIS's makensis
# from installer/Tervik.nsi. The version is the one the version resource carries, read from Tervik.rc.
# The shortcut helper is the installer's own tool: it is packed into the setup program, never installed.

add_executable(TervikZastupce WIN32 ${CMAKE_SOURCE_DIR}/installer/win/TervikZastupce.cpp)
target_compile_definitions(TervikZastupce PRIVATE ${TERVIK_WIN_DEFINICE})
target_include_directories(TervikZastupce PRIVATE ${CMAKE_SOURCE_DIR})
target_compile_options(TervikZastupce PRIVATE -Wall -Wextra)
target_link_libraries(TervikZastupce PRIVATE tervik_jadro ole32 uuid)
target_link_options(TervikZastupce PRIVATE -municode -s ${TERVIK_STATICKY})

set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/resources/Tervik.rc)
file(STRINGS ${CMAKE_SOURCE_DIR}/resources/Tervik.rc TERVIK_RADEK_VERZE REGEX "VALUE \"ProductVersion\"")
string(REGEX MATCH "[0-9]+(\\.[0-9]+)+" TERVIK_VERZE "${TERVIK_RADEK_VERZE}")
if(NOT TERVIK_VERZE)
  message(FATAL_ERROR "resources/Tervik.rc: no ProductVersion in the version resource")
endif()

find_program(TERVIK_MAKENSIS makensis)
set(TERVIK_INSTALATOR ${CMAKE_BINARY_DIR}/Tervik-${TERVIK_VERZE}-setup.exe)
if(TERVIK_MAKENSIS)
  add_custom_command(OUTPUT ${TERVIK_INSTALATOR}
    COMMAND ${TERVIK_MAKENSIS} -V2 -INPUTCHARSET UTF8 -WX
            -DVERZE=${TERVIK_VERZE} -DPROGRAM=$<TARGET_FILE:Tervik> -DZASTUPCE=$<TARGET_FILE:TervikZastupce>
            -DIKONA=${TERVIK_OBRAZKY}/Ikona101.ico -DVYSTUP=${TERVIK_INSTALATOR}
            ${CMAKE_SOURCE_DIR}/installer/Tervik.nsi
    DEPENDS Tervik TervikZastupce ${CMAKE_SOURCE_DIR}/installer/Tervik.nsi ${CMAKE_SOURCE_DIR}/installer/Texty.nsh
            ${TERVIK_OBRAZKY}/Ikona101.ico
    COMMENT "Setup program Tervik-${TERVIK_VERZE}-setup.exe"
    VERBATIM)
  # Part of every build, so the installer's test always finds the setup of the program it tests.
  add_custom_target(instalator ALL DEPENDS ${TERVIK_INSTALATOR})
else()
  message(WARNING "makensis not found (tools/setup installs Debian's nsis): no setup program is built")
  set(TERVIK_INSTALATOR "")
endif()

if(TEST proces.instalator_test)
  set_property(TEST proces.instalator_test APPEND PROPERTY ENVIRONMENT "TERVIK_INSTALATOR=${TERVIK_INSTALATOR}")
endif()
