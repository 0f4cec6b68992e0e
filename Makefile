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

# Runs every benchmark program (not the bench-*_autogen folders beside them); fails when
# one of them fails, after running the others.
bench: build
	@status=0; for b in $(BUILD_DIR)/bench/bench-*; do \
	  if [ -f "$$b" ] && [ -x "$$b" ]; then "$$b" || { echo "$$b failed" >&2; status=1; }; fi; \
	done; exit $$status

clean:
	rm -rf $(BUILD_DIR)
