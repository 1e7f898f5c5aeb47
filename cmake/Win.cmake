# The Windows product and its tests, cross-compiled with MinGW-w64 (posix threads).

set(TERVIK_WIN_DEFINICE UNICODE _UNICODE WIN32_LEAN_AND_MEAN _WIN32_WINNT=0x0601 WINVER=0x0601 NOMINMAX
    __USE_MINGW_ANSI_STDIO=1)
set(TERVIK_WIN_KNIHOVNY ole32 oleaut32 uuid comctl32 comdlg32 gdiplus ws2_32 netapi32 wininet shell32 shlwapi
    advapi32 version user32 gdi32 winmm strmiids uxtheme dwmapi secur32 crypt32)
set(TERVIK_STATICKY -static -static-libgcc -static-libstdc++)

target_compile_definitions(tervik_jadro PUBLIC _WIN32_WINNT=0x0601 NOMINMAX)

file(GLOB_RECURSE WIN_ZDROJE CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/*/win/*.cpp)
list(FILTER WIN_ZDROJE EXCLUDE REGEX "/(tests|build|testkamera|installer)/")
list(FILTER WIN_ZDROJE EXCLUDE REGEX "/app/win/main\\.cpp$")

add_library(tervik_win STATIC ${WIN_ZDROJE})
target_include_directories(tervik_win PUBLIC ${CMAKE_SOURCE_DIR})
target_compile_definitions(tervik_win PUBLIC ${TERVIK_WIN_DEFINICE})
target_compile_options(tervik_win PRIVATE -Wall -Wextra)
target_link_libraries(tervik_win PUBLIC tervik_jadro ${TERVIK_WIN_KNIHOVNY})
# The plug-in guard's frame handler must be the only one of its function: no C++ exception tables there.
set_source_files_properties(${CMAKE_SOURCE_DIR}/camera/win/StrazModulu.cpp PROPERTIES COMPILE_OPTIONS -fno-exceptions)

enable_language(RC)
set(CMAKE_RC_FLAGS "${CMAKE_RC_FLAGS} -c 65001 -I${CMAKE_SOURCE_DIR}/resources -I${TERVIK_OBRAZKY}")
add_executable(Tervik WIN32 ${CMAKE_SOURCE_DIR}/app/win/main.cpp ${CMAKE_SOURCE_DIR}/resources/Tervik.rc)
set_source_files_properties(${CMAKE_SOURCE_DIR}/resources/Tervik.rc PROPERTIES
  OBJECT_DEPENDS "${CMAKE_SOURCE_DIR}/resources/Tervik.manifest;${CMAKE_SOURCE_DIR}/resources/Texty.rc;${CMAKE_SOURCE_DIR}/resources/Snimek.wav;${OBRAZKY_ZDROJU}")
target_link_libraries(Tervik PRIVATE tervik_win)
add_dependencies(Tervik tervik_obrazky)
target_link_options(Tervik PRIVATE -municode ${TERVIK_STATICKY})

# GoogleTest from Debian's sources, built with the cross compiler.
set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)

# The portable core tests again, under Wine (32-bit long, 16-bit wchar_t, CRLF).
add_executable(tervik_testy_jadra ${TESTY_JADRA})
target_include_directories(tervik_testy_jadra PRIVATE ${CMAKE_SOURCE_DIR}/tests)
target_link_libraries(tervik_testy_jadra PRIVATE tervik_jadro gtest gtest_main)
target_link_options(tervik_testy_jadra PRIVATE ${TERVIK_STATICKY})
gtest_discover_tests(tervik_testy_jadra TEST_PREFIX "wine.jadro." DISCOVERY_MODE PRE_TEST DISCOVERY_TIMEOUT 120)

# The tests that use a prefix's registry, windows or devices each take one lane of tools/testy: a Wine
# environment with its own wineserver and Xvfb (ctest's resource "draha", one slot per lane), so they run side
# by side without meeting. A test that must see every lane alone is RUN_SERIAL and goes through all lanes.
set(TERVIK_DRAHA_TESTU "draha:1")

# Tests of the Win32 code, against the real registry, files, windows and devices of the Wine prefix.
file(GLOB_RECURSE TESTY_WIN CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/*/win/*_test.cpp)
list(FILTER TESTY_WIN EXCLUDE REGEX "/tests/testkamera/")  # the test camera builds its own test program
if(TESTY_WIN)
  # With the program's resources, so string-table texts and version data are the real ones.
  add_executable(tervik_testy_win ${TESTY_WIN} ${CMAKE_SOURCE_DIR}/resources/Tervik.rc)
  target_include_directories(tervik_testy_win PRIVATE ${CMAKE_SOURCE_DIR}/tests)
  target_link_libraries(tervik_testy_win PRIVATE tervik_win gtest gtest_main)
  add_dependencies(tervik_testy_win Tervik tervik_obrazky)
  target_link_options(tervik_testy_win PRIVATE ${TERVIK_STATICKY})
  gtest_discover_tests(tervik_testy_win TEST_PREFIX "wine.win." DISCOVERY_MODE PRE_TEST DISCOVERY_TIMEOUT 120
                       PROPERTIES RESOURCE_GROUPS ${TERVIK_DRAHA_TESTU})
endif()

include(${CMAKE_SOURCE_DIR}/tests/video/win/TestovaciVidea.cmake)

# A small Windows helper the process tests use to find, wait for and close windows, and to store
# cameras through the program's own settings code.
add_executable(PomocnikTestu ${CMAKE_SOURCE_DIR}/tests/pomocnik/PomocnikTestu.cpp
  ${CMAKE_SOURCE_DIR}/tests/pomocnik/ProchazeniPredvoleb.cpp ${CMAKE_SOURCE_DIR}/tests/pomocnik/CteniZastupce.cpp)
target_link_libraries(PomocnikTestu PRIVATE tervik_win)
target_link_options(PomocnikTestu PRIVATE -municode ${TERVIK_STATICKY})
if(TARGET tervik_testy_win)
  add_dependencies(tervik_testy_win PomocnikTestu)  # some tests start it beside them
endif()

# Whole-program tests: the real Tervik.exe started under Wine, driven through its windows.
file(GLOB_RECURSE TESTY_PROCESU CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/*/win/*_test.py)
# The tests' servers (pyftpdlib, aiosmtpd) are the system's packages, installed by tools/setup: use the system's
# interpreter even when another one comes first on the PATH.
if(EXISTS /usr/bin/python3 AND NOT Python3_EXECUTABLE)
  set(Python3_EXECUTABLE /usr/bin/python3)
endif()
find_package(Python3 COMPONENTS Interpreter REQUIRED)
# Seconds the longest whole-program tests took in CI, and 30 for the others: a fresh build tree (no
# CTestCostData.txt yet) starts the long tests first and fills the lanes with the short ones at the end.
set(TERVIK_TRVANI_PROCESU oknokamery_test=123 snimkyemailem_test=101 nastavenikamery_test=99 aktualizace_test=88
    hlavniokno_test=83 detekcepohybu_test=70 serverhttp_test=55)
foreach(t ${TESTY_PROCESU})
  get_filename_component(jmeno ${t} NAME_WE)
  add_test(NAME proces.${jmeno} COMMAND ${Python3_EXECUTABLE} ${t} -v)
  set_tests_properties(proces.${jmeno} PROPERTIES
    ENVIRONMENT "TERVIK_BUILD=${CMAKE_BINARY_DIR};TERVIK_ZDROJ=${CMAKE_SOURCE_DIR};PYTHONDONTWRITEBYTECODE=1;PYTHONPATH=${CMAKE_SOURCE_DIR}/tests"
    RESOURCE_GROUPS ${TERVIK_DRAHA_TESTU} TIMEOUT 600 COST 30
    DEPENDS "Tervik;PomocnikTestu")
  foreach(trvani ${TERVIK_TRVANI_PROCESU})
    if(trvani MATCHES "^${jmeno}=([0-9]+)$")
      set_tests_properties(proces.${jmeno} PROPERTIES COST ${CMAKE_MATCH_1})
    endif()
  endforeach()
endforeach()

include(${CMAKE_SOURCE_DIR}/cmake/ZasuvneModuly.cmake)
include(${CMAKE_SOURCE_DIR}/cmake/Instalator.cmake)

if(EXISTS ${CMAKE_SOURCE_DIR}/testkamera/CMakeLists.txt)
  add_subdirectory(${CMAKE_SOURCE_DIR}/testkamera ${CMAKE_BINARY_DIR}/testkamera)
endif()
