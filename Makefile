# Fendra: build, play and test the Win32 game from Linux (mingw-w64 + Wine).
#   make run   install what is missing, build wallo.exe and play it under Wine
#   make test  install what is missing, build everything and run every test
#   make dist  the Windows release zip under dist/
#   make bench the benchmark figures, written to docs/benchmarks.md
#   make fuzz  fuzz the music decoding for FUZZ_SECONDS (default 600)
#   make demo  one game with the autopilot, headless; screenshots in dist/screenshots
#   make soak  30 minutes of games with the autopilot, memory sampled; figures in docs/
SHELL := /bin/bash
VERSION := 1.0.1
JOBS := $(shell nproc)

NATIVE_BUILD := build/native
WIN32_BUILD := build/win32
PLAY_FOLDER := build/play
VORBIS_PREFIX := .cache/vorbis-i686
TEST_PREFIX := .cache/wine-test
PLAY_PREFIX := .cache/wine-play
BENCH_PREFIX := .cache/wine-bench
STEP_SECONDS := 60
EXE := $(WIN32_BUILD)/bin/wallo.exe
ZIP := dist/wallo-$(VERSION)-win32.zip

.PHONY: all deps native win32 build test bench fuzz demo soak run dist format clean
FUZZ_SECONDS := 600

all: build

deps:
	@scripts/deps.sh
	@scripts/build-vorbis.sh i686-w64-mingw32 $(VORBIS_PREFIX)

native: deps
	@cmake -S . -B $(NATIVE_BUILD) -DCMAKE_BUILD_TYPE=Debug >/dev/null
	@cmake --build $(NATIVE_BUILD) -j$(JOBS)

win32: deps
	@cmake -S . -B $(WIN32_BUILD) -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-i686.cmake \
	  -DCMAKE_BUILD_TYPE=Release >/dev/null
	@cmake --build $(WIN32_BUILD) -j$(JOBS)

build: native win32

test: build
	cd $(NATIVE_BUILD) && ctest --output-on-failure
	cd $(WIN32_BUILD) && ../../scripts/wine-session.sh ../../$(TEST_PREFIX) bin/keepalive.exe \
	  ctest --output-on-failure

# Figures, not tests: decoding, game steps, painting, CPU share, heap
# allocations and launch times, written to docs/benchmarks.md.
bench: build
	@scripts/bench.sh $(WIN32_BUILD) $(NATIVE_BUILD) docs/benchmarks.md $(BENCH_PREFIX) $(STEP_SECONDS)

# libFuzzer over ov_open and the decode loop, with ASan and UBSan.
fuzz:
	@scripts/deps.sh fuzz
	@scripts/fuzz.sh $(FUZZ_SECONDS)

demo: win32
	@scripts/demo.sh $(WIN32_BUILD) dist/screenshots $(TEST_PREFIX)

SOAK_SECONDS := 1800
soak: win32
	@scripts/soak.sh $(WIN32_BUILD) $(SOAK_SECONDS) docs/soak.md $(TEST_PREFIX)

run: win32
	@scripts/play.sh $(EXE) $(PLAY_FOLDER) $(PLAY_PREFIX)

dist: win32
	@scripts/make-dist.sh $(EXE) $(ZIP)

format:
	clang-format -i $$(git ls-files '*.cpp' '*.h')

clean:
	rm -rf build dist
