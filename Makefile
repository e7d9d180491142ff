# Entry points of the project. `make` builds, `make test` builds and runs every
# test, `make demo` runs the compiler on the bundled example, `make bench`
# builds the Release tree and runs the benchmarks.

BUILD_DIR   ?= build
RELEASE_DIR ?= build-release
# The optimised build that users run, with the tests: CI runs the whole
# suite on it too.
SHIPPED_DIR ?= build-shipped
JOBS        ?= $(shell nproc 2>/dev/null || echo 2)

.PHONY: all deps configure build test test-shipped demo bench package clean

all: build

deps:
	@bash scripts/install-deps.sh

$(BUILD_DIR)/build.ninja: | deps
	cmake -S . -B $(BUILD_DIR) -G Ninja -DCMAKE_BUILD_TYPE=Debug -DVX_SANITIZE=ON

configure: $(BUILD_DIR)/build.ninja

build: deps configure
	cmake --build $(BUILD_DIR) -j $(JOBS)

test: build
	cd $(BUILD_DIR) && ctest --output-on-failure -j $(JOBS)

$(SHIPPED_DIR)/build.ninja: | deps
	cmake -S . -B $(SHIPPED_DIR) -G Ninja -DCMAKE_BUILD_TYPE=Release -DVX_SANITIZE=OFF

test-shipped: deps $(SHIPPED_DIR)/build.ninja
	cmake --build $(SHIPPED_DIR) -j $(JOBS)
	cd $(SHIPPED_DIR) && ctest --output-on-failure -j $(JOBS)

demo: build
	@bash examples/demo.sh $(BUILD_DIR)

bench: deps
	cmake -S . -B $(RELEASE_DIR) -G Ninja -DCMAKE_BUILD_TYPE=Release -DVX_SANITIZE=OFF -DVX_TESTS=OFF
	cmake --build $(RELEASE_DIR) -j $(JOBS)
	@bash bench/run.sh $(RELEASE_DIR)

# A Debian package of the optimised build: $(RELEASE_DIR)/vexor_<version>_<arch>.deb.
package: deps
	cmake -S . -B $(RELEASE_DIR) -G Ninja -DCMAKE_BUILD_TYPE=Release -DVX_SANITIZE=OFF -DVX_TESTS=OFF
	cmake --build $(RELEASE_DIR) -j $(JOBS)
	cd $(RELEASE_DIR) && cpack -G DEB

clean:
	rm -rf $(BUILD_DIR) $(RELEASE_DIR) $(SHIPPED_DIR)
