# Native build of the portable game code, tested with GoogleTest under
# AddressSanitizer and UndefinedBehaviorSanitizer.
find_package(GTest REQUIRED)
include(GoogleTest)

set(SANITIZE -fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
target_compile_options(game PUBLIC ${SANITIZE} -g)
target_link_options(game PUBLIC ${SANITIZE})

add_executable(game_tests tests/native/model_test.cpp tests/native/clock_test.cpp
  tests/native/spawner_test.cpp tests/native/slots_test.cpp tests/native/fake_platform.cpp)
target_link_libraries(game_tests PRIVATE game GTest::gtest_main)
gtest_discover_tests(game_tests)

# The decode loop of the music player, over the system's libvorbisfile.
find_package(PkgConfig REQUIRED)
pkg_check_modules(VORBISFILE REQUIRED IMPORTED_TARGET vorbisfile)
add_library(music_decode STATIC sound/decode.cpp)
target_link_libraries(music_decode PUBLIC project_flags PkgConfig::VORBISFILE)
target_compile_options(music_decode PUBLIC ${SANITIZE} -g)
target_link_options(music_decode PUBLIC ${SANITIZE})

add_executable(decode_tests tests/native/decode_test.cpp tests/native/memory_file.cpp)
target_link_libraries(decode_tests PRIVATE music_decode GTest::gtest_main)
target_compile_definitions(decode_tests PRIVATE MUSIC_FIXTURES="${MUSIC_FIXTURES}")
add_dependencies(decode_tests music_fixtures)
gtest_discover_tests(decode_tests)

# Heap allocations of 10,000 busy game steps, counted by wrapping the
# allocators at link time: a figure for make bench, and a test (it must be 0).
add_executable(alloc_count bench/alloc_count.cpp)
target_link_libraries(alloc_count PRIVATE game)
target_link_options(alloc_count PRIVATE
  -Wl,--wrap=malloc,--wrap=calloc,--wrap=realloc,--wrap=_Znwm,--wrap=_Znam)
add_test(NAME GameSteps.AllocateNothingWithAllSlotsBusy COMMAND alloc_count)
