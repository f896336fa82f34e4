# The two commands of the project: `make run` and `make test`.
BUILD_DIR ?= build
BUILD_TYPE ?= Release
JOBS ?= 2

.PHONY: run test deps configure build bench clean

deps:
	@scripts/install-deps

configure: deps
	@cmake -S . -B $(BUILD_DIR) -G Ninja -DCMAKE_BUILD_TYPE=$(BUILD_TYPE) $(CMAKE_ARGS) >/dev/null

build: configure
	@cmake --build $(BUILD_DIR) -j $(JOBS)

test: build
	@ctest --test-dir $(BUILD_DIR) --output-on-failure -j $(JOBS)

run: build
	@scripts/run

bench: build
	@for b in $(BUILD_DIR)/bench/*_bench; do echo "== $$b"; $$b; done

clean:
	@rm -rf $(BUILD_DIR)
