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
