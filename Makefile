# Tarnwick (Basic): the two set-up commands and a few helpers around CMake.
#   make run          install what is missing, build, start the program
#   make test         install what is missing, build, run the whole suite headless
#   make screenshots  render every window to PNG in build/screenshots/
#   make bench        build and run the benchmarks
#   make test-sanitize the suite, a short fuzz and a long random walk under the sanitizers
#   make fuzz         fuzz the number conversions and the lesson reader
#                     (FUZZ_SECONDS per target)
#   make monkey       a random walk over every window (SEED=..., EVENTS=...)
#   make install      the program with its desktop entry, metainfo, icons and manual page
#                     under PREFIX (/usr/local)
#   make package      the Debian package build/tarnwick_<version>_<architecture>.deb
#   make test-package check that package without installing it: its files, the
#                     validators, and what the unpacked program answers
#   make format       put every source file in the house style (.clang-format)
#   make check-format fail on any source file out of the house style

BUILD := build
# The build runs make again underneath; its directory lines say nothing here.
MAKEFLAGS += --no-print-directory
JOBS  := $(shell nproc 2>/dev/null || echo 2)

FUZZ_SECONDS ?= 60
SEED ?= 1
EVENTS ?= 10000
PREFIX ?= /usr/local

.PHONY: all deps configure build run test screenshots bench test-sanitize fuzz monkey install \
        package test-package format check-format clean

all: build

deps:
	@scripts/ensure-deps

configure: deps
	@cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=Release >/dev/null

build: configure
	@cmake --build $(BUILD) -j $(JOBS)

# Builds only the program itself, not the tests and tools.
run: configure
	@cmake --build $(BUILD) -j $(JOBS) --target tarnwick
	@scripts/run-program $(BUILD)/tarnwick

test: build
	@ctest --test-dir $(BUILD) --output-on-failure -j $(JOBS)

screenshots: build
	@scripts/screenshots $(BUILD)

BENCH_REPEAT ?= 21

bench: deps
	@cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=Release -DTARNWICK_BENCH=ON >/dev/null
	@cmake --build $(BUILD) -j $(JOBS) --target tarnwick_bench tarnwick_startup_probe
	@QT_QPA_PLATFORM=offscreen $(BUILD)/bench/tarnwick_bench --repeat $(BENCH_REPEAT) \
	  --probe $(BUILD)/bench/tarnwick_startup_probe

test-sanitize:
	@scripts/test-sanitize

fuzz:
	@scripts/fuzz $(FUZZ_SECONDS)

monkey: build
	@QT_QPA_PLATFORM=offscreen $(BUILD)/tests/tarnwick_monkey --seed $(SEED) --events $(EVENTS)

install: configure
	@cmake --build $(BUILD) -j $(JOBS) --target tarnwick tarnwick_data
	@cmake --install $(BUILD) --prefix $(PREFIX)

package: build
	@scripts/ensure-deps package
	@cmake --build $(BUILD) -j $(JOBS) --target package

test-package: configure
	@scripts/ensure-deps package
	@cmake --build $(BUILD) --target test-package

SOURCES = $(shell git ls-files '*.h' '*.cpp')

format:
	@scripts/ensure-deps format
	@clang-format -i $(SOURCES)

check-format:
	@scripts/ensure-deps format
	@clang-format --dry-run --Werror $(SOURCES)

clean:
	@rm -rf $(BUILD) build-sanitize build-fuzz
