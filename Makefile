# Two entry points: `make run` and `make test`. Both install missing packages first.
BUILD_DIR ?= build
CMAKE_FLAGS ?=
ARGS ?=
JOBS ?= $(shell nproc)

.PHONY: deps configure build run test clean

deps:
	bash scripts/install-deps.sh

configure: deps
	cmake -S . -B $(BUILD_DIR) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo $(CMAKE_FLAGS)

build: configure
	cmake --build $(BUILD_DIR) -j $(JOBS)

run: build
	$(BUILD_DIR)/tabulix $(ARGS)

test: build
	cd $(BUILD_DIR) && ctest --output-on-failure -j $(JOBS)

clean:
	rm -rf $(BUILD_DIR)
