# Entry points: `make run` opens the program, `make test` runs every test headless.
# Both install what the machine is missing first (scripts/setup.sh).

BUILD_DIR := build
PRESET := $(if $(filter true,$(CI)),ci,default)

.PHONY: all setup build run test bench screenshots package clean

all: build

setup:
	@bash scripts/setup.sh

build: setup
	@if [ ! -f $(BUILD_DIR)/build.ninja ]; then cmake --preset $(PRESET); fi
	@cmake --build $(BUILD_DIR)

test: build
	@cd $(BUILD_DIR) && ctest -j2 --output-on-failure

run: build
	@bash scripts/run.sh $(BUILD_DIR)/src/app/torvanel

bench: setup
	@if [ ! -f build-bench/build.ninja ]; then cmake --preset bench; fi
	@cmake --build build-bench
	@bash scripts/bench.sh build-bench/bench

package: build
	@cmake --build $(BUILD_DIR) --target package

screenshots: build
	@bash tools/screenshots.sh $(BUILD_DIR)/src/app/torvanel

clean:
	rm -rf $(BUILD_DIR) build-bench
