# Thin wrapper over CMake: installs what is missing, configures, builds, runs.
BUILD      := build
ASAN_BUILD := build/asan
GENERATOR  := -G Ninja
JOBS       ?= $(shell nproc)

.PHONY: all deps configure build run demo test test-main test-asan bench clean

all: build

deps:
	@scripts/install-deps

$(BUILD)/build.ninja: | deps
	cmake -S . -B $(BUILD) $(GENERATOR) -DCMAKE_BUILD_TYPE=RelWithDebInfo

configure: deps $(BUILD)/build.ninja

build: configure
	cmake --build $(BUILD) -j $(JOBS)

run: build
	scripts/run $(BUILD)

demo: build
	scripts/demo $(BUILD)

test: test-main test-asan

test-main: build
	ctest --test-dir $(BUILD) --output-on-failure -j $(JOBS)

$(ASAN_BUILD)/build.ninja: | deps
	cmake -S . -B $(ASAN_BUILD) $(GENERATOR) -DCMAKE_BUILD_TYPE=Debug -DOVELIN_SANITIZE=ON -DOVELIN_CORE_ONLY=ON

test-asan: deps $(ASAN_BUILD)/build.ninja
	cmake --build $(ASAN_BUILD) -j $(JOBS)
	ctest --test-dir $(ASAN_BUILD) --output-on-failure -j $(JOBS)

bench: build
	$(BUILD)/bench/ovelin-bench

clean:
	rm -rf $(BUILD)
