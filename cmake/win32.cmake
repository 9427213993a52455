# The Windows build: the game, its Wine-run unit tests and the end-to-end
# driver tests.
set(CMAKE_RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/bin)
set(STATIC_LINK -static -static-libgcc -static-libstdc++)

# libogg/libvorbis/libvorbisfile, built statically by scripts/build-vorbis.sh.
set(VORBIS_PREFIX ${CMAKE_SOURCE_DIR}/.cache/vorbis-i686 CACHE PATH "static Ogg Vorbis for mingw")
if(NOT EXISTS ${VORBIS_PREFIX}/lib/libvorbisfile.a)
  message(FATAL_ERROR "No static Ogg Vorbis in ${VORBIS_PREFIX}: run scripts/build-vorbis.sh")
endif()
add_library(vorbisfile_static INTERFACE)
# -isystem: vorbisfile.h has unused static callbacks that -Wall would flag.
target_include_directories(vorbisfile_static SYSTEM INTERFACE ${VORBIS_PREFIX}/include)
target_link_libraries(vorbisfile_static INTERFACE
  ${VORBIS_PREFIX}/lib/libvorbisfile.a ${VORBIS_PREFIX}/lib/libvorbis.a ${VORBIS_PREFIX}/lib/libogg.a)

# Everything of the program but its entry point, so tests can link it.
add_library(wallo_core STATIC
  app/course_dialog.cpp app/courses.cpp app/hiscore.cpp app/shell.cpp app/workdir.cpp
  gfx/drawing.cpp gfx/game_platform.cpp gfx/game_window.cpp gfx/paint.cpp
  sound/decode.cpp sound/music.cpp)
target_link_libraries(wallo_core PUBLIC game vorbisfile_static user32 gdi32 winmm imm32)
# The rules call back into the shell for keys, clock, invalidation and sound.
target_link_libraries(game INTERFACE wallo_core)

add_executable(wallo WIN32 app/winmain.cpp res/wallo.rc)
# windres reads these; rebuild the resources when one changes.
file(GLOB RESOURCE_FILES ${CMAKE_SOURCE_DIR}/res/pictures/*.bmp ${CMAKE_SOURCE_DIR}/res/pictures/*.ico
  ${CMAKE_SOURCE_DIR}/res/sounds/*.wav ${CMAKE_SOURCE_DIR}/res/wallo.manifest)
set_source_files_properties(res/wallo.rc PROPERTIES OBJECT_DEPENDS "${RESOURCE_FILES}")
target_include_directories(wallo PRIVATE ${CMAKE_SOURCE_DIR}/res)
target_link_libraries(wallo PRIVATE wallo_core)
target_link_options(wallo PRIVATE ${STATIC_LINK} -mwindows -s)
# The tune lives beside the exe, where the game looks for it.
add_custom_command(TARGET wallo POST_BUILD COMMAND ${CMAKE_COMMAND} -E copy_if_different
  ${CMAKE_SOURCE_DIR}/res/music/wallo.ogg $<TARGET_FILE_DIR:wallo>/wallo.ogg)

# GoogleTest built with the same cross compilers.
set(gtest_force_shared_crt OFF CACHE BOOL "" FORCE)
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
include(GoogleTest)

# Holds the Wine session open while ctest runs; ended by the session script.
add_executable(keepalive WIN32 tests/support/keepalive.cpp)
target_link_options(keepalive PRIVATE ${STATIC_LINK} -mwindows)

set(FIXTURE_DIR "Z:${CMAKE_SOURCE_DIR}/tests/fixtures")

add_executable(win32_tests
  tests/win32/resources_test.cpp tests/win32/workdir_test.cpp tests/win32/hiscore_test.cpp
  tests/win32/window_test.cpp tests/win32/vorbis_test.cpp tests/win32/paint_test.cpp
  tests/win32/music_test.cpp
  tests/win32/dib.cpp tests/win32/test_files.cpp tests/e2e/driver.cpp
  res/wallo.rc)
target_include_directories(win32_tests PRIVATE ${CMAKE_SOURCE_DIR}/res)
target_link_libraries(win32_tests PRIVATE wallo_core version GTest::gtest_main)
target_compile_definitions(win32_tests PRIVATE FIXTURE_DIR="${FIXTURE_DIR}"
  MUSIC_FIXTURES="Z:${MUSIC_FIXTURES}" TUNE_PATH="Z:${CMAKE_SOURCE_DIR}/res/music/wallo.ogg")
target_link_options(win32_tests PRIVATE ${STATIC_LINK})
add_dependencies(win32_tests wallo music_probe music_fixtures)

add_executable(music_probe tests/win32/music_probe.cpp)
target_link_libraries(music_probe PRIVATE wallo_core)
target_link_options(music_probe PRIVATE ${STATIC_LINK})
# The player in a process of its own, with the null sink's device and with
# no audio driver at all: then the start fails quietly and lets the file go.
set(PROBE_TUNE "Z:${MUSIC_FIXTURES}/stereo44.ogg")
add_test(NAME MusicProbe.WithADeviceStartsAndStops COMMAND music_probe ${PROBE_TUNE} 184064)
add_test(NAME MusicProbe.WithoutAnAudioDriverStartsNothing
  COMMAND ${CMAKE_COMMAND} -E env EXTRA_DLL_OVERRIDES=winealsa.drv=d
  ${CMAKE_SOURCE_DIR}/scripts/wine-run $<TARGET_FILE:music_probe> ${PROBE_TUNE} 184064)
set_tests_properties(MusicProbe.WithADeviceStartsAndStops PROPERTIES LABELS wine
  PASS_REGULAR_EXPRESSION "^devices=1 started=1 deleted=1 stopped=1")
set_tests_properties(MusicProbe.WithoutAnAudioDriverStartsNothing PROPERTIES LABELS wine
  PASS_REGULAR_EXPRESSION "^devices=0 started=0 deleted=1 stopped=0")
gtest_discover_tests(win32_tests DISCOVERY_MODE PRE_TEST DISCOVERY_TIMEOUT 60
  PROPERTIES TIMEOUT 120 LABELS wine)

# End to end: the driver starts the real exe and plays it like a person.
add_executable(e2e_tests
  tests/e2e/driver.cpp tests/e2e/dialog_e2e_test.cpp tests/e2e/game_e2e_test.cpp
  tests/e2e/lifecycle_e2e_test.cpp
  tests/win32/dib.cpp tests/win32/test_files.cpp)
target_link_libraries(e2e_tests PRIVATE project_flags GTest::gtest_main user32 gdi32)
target_link_options(e2e_tests PRIVATE ${STATIC_LINK})
add_dependencies(e2e_tests wallo)
# They share the mutex "wallo" and the window class: one at a time.
gtest_discover_tests(e2e_tests DISCOVERY_MODE PRE_TEST DISCOVERY_TIMEOUT 60
  PROPERTIES TIMEOUT 300 RUN_SERIAL TRUE LABELS e2e)

# The shipped exe: PE32, i386, GUI, only system DLLs.
add_test(NAME ShippedZip.HoldsExeTuneAndReadme
  COMMAND ${CMAKE_SOURCE_DIR}/tests/dist/check-dist.sh $<TARGET_FILE:wallo>)
add_test(NAME ShippedExe.IsStaticPe32Gui COMMAND ${CMAKE_SOURCE_DIR}/scripts/check-exe.sh
  $<TARGET_FILE:wallo>)

# Benchmarks: programs that print figures (make bench).
add_executable(tick_rate bench/tick_rate.cpp)
target_link_libraries(tick_rate PRIVATE wallo_core)
target_link_options(tick_rate PRIVATE ${STATIC_LINK})

add_executable(decode_rate bench/decode_rate.cpp)
target_link_libraries(decode_rate PRIVATE wallo_core)
target_link_options(decode_rate PRIVATE ${STATIC_LINK})

add_executable(paint_rate bench/paint_rate.cpp res/wallo.rc)
target_include_directories(paint_rate PRIVATE ${CMAKE_SOURCE_DIR}/res)
target_link_libraries(paint_rate PRIVATE wallo_core)
target_link_options(paint_rate PRIVATE ${STATIC_LINK})

add_executable(bare_window WIN32 bench/bare_window.cpp)
target_link_options(bare_window PRIVATE ${STATIC_LINK} -mwindows)
add_executable(launch_time bench/launch_time.cpp tests/e2e/driver.cpp tests/win32/dib.cpp
  tests/win32/test_files.cpp)
target_link_libraries(launch_time PRIVATE project_flags user32 gdi32)
target_link_options(launch_time PRIVATE ${STATIC_LINK})
add_dependencies(launch_time wallo bare_window)

# The autopilot that plays the real exe: make demo, make soak, make bench.
add_executable(autopilot tools/autopilot.cpp tests/e2e/driver.cpp tests/win32/dib.cpp
  tests/win32/test_files.cpp)
target_link_libraries(autopilot PRIVATE project_flags user32 gdi32)
target_link_options(autopilot PRIVATE ${STATIC_LINK})
add_dependencies(autopilot wallo)
