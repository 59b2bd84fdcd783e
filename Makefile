# Entry points: `make run`, `make test` and `make fuzz`. Each installs missing packages first.
# `make install PREFIX=...` installs both programs (DESTDIR is honoured), `make deb` builds the .deb.
BUILD_DIR ?= build
CMAKE_FLAGS ?=
ARGS ?=
JOBS ?= $(shell nproc)
FUZZ_DIR ?= build-fuzz
FUZZ_SECONDS ?= 300
PREFIX ?= /usr/local

.PHONY: deps configure build run test fuzz install deb clean

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

install: build
	cmake --install $(BUILD_DIR) --prefix $(PREFIX)

deb: build
	cd $(BUILD_DIR) && cpack -G DEB

# Every fuzz target for FUZZ_SECONDS, built with clang in a tree of its own.
fuzz: deps
	cmake -S . -B $(FUZZ_DIR) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ \
	  -DTABULIX_FUZZ=ON -DTABULIX_GUI=OFF -DTABULIX_TESTS=OFF $(CMAKE_FLAGS)
	cmake --build $(FUZZ_DIR) -j $(JOBS)
	bash scripts/run-fuzz.sh $(FUZZ_DIR) $(FUZZ_SECONDS)

clean:
	rm -rf $(BUILD_DIR) $(FUZZ_DIR)
