# Tarnwick (Basic): the two set-up commands and a few helpers around CMake.
#   make run          install what is missing, build, start the program
#   make test         install what is missing, build, run the whole suite headless
#   make screenshots  render every window to PNG in build/screenshots/
#   make bench        build and run the benchmarks

BUILD := build
# The build runs make again underneath; its directory lines say nothing here.
MAKEFLAGS += --no-print-directory
JOBS  := $(shell nproc 2>/dev/null || echo 2)

.PHONY: all deps configure build run test screenshots bench clean

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

bench: deps
	@cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=Release -DTARNWICK_BENCH=ON >/dev/null
	@cmake --build $(BUILD) -j $(JOBS) --target tarnwick_bench
	@QT_QPA_PLATFORM=offscreen $(BUILD)/bench/tarnwick_bench

clean:
	@rm -rf $(BUILD)
