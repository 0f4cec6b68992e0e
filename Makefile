# make run   installs what is missing, builds and starts Tavorin
# make test  installs what is missing, builds and runs every test
# make bench builds and runs the benchmarks

BUILD_DIR ?= build
JOBS ?= $(shell nproc)

.PHONY: run test bench build deps clean

deps:
	@scripts/install-deps --check >/dev/null 2>&1 || scripts/install-deps

$(BUILD_DIR)/build.ninja:
	cmake -S . -B $(BUILD_DIR) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo

build: deps $(BUILD_DIR)/build.ninja
	cmake --build $(BUILD_DIR) -j $(JOBS)

run: build
	$(BUILD_DIR)/src/tavorin

test: build
	cd $(BUILD_DIR) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

bench: build
	@for b in $(BUILD_DIR)/bench/bench-*; do [ -x "$$b" ] && "$$b"; done

clean:
	rm -rf $(BUILD_DIR)
