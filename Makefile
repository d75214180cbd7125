# Entry points: `make` builds into build/, `make run` starts the program,
# `make test` runs every test (normal and sanitizer builds), `make bench`
# runs the benchmarks, `make package` builds the Debian package in build/.
# Each installs what is missing first.

BUILD   := build
SAN     := build-san
JOBS    ?= $(shell nproc)
GEN     := $(shell command -v ninja >/dev/null 2>&1 && echo "-G Ninja")

.PHONY: all deps build build-san run test test-normal test-san bench package format clean

all: build

deps:
	@./scripts/instalar-dependencias

$(BUILD)/CMakeCache.txt: | deps
	cmake -S . -B $(BUILD) $(GEN) -DCMAKE_BUILD_TYPE=RelWithDebInfo

$(SAN)/CMakeCache.txt: | deps
	cmake -S . -B $(SAN) $(GEN) -DCMAKE_BUILD_TYPE=Debug -DRECTAVIVA_SANITIZE=ON -DRECTAVIVA_BENCH=OFF

build: deps $(BUILD)/CMakeCache.txt
	cmake --build $(BUILD) -j $(JOBS)

build-san: deps $(SAN)/CMakeCache.txt
	cmake --build $(SAN) -j $(JOBS)

run: build
	./$(BUILD)/rectaviva

test-normal: build
	cd $(BUILD) && ctest --output-on-failure -j $(JOBS)

test-san: build-san
	cd $(SAN) && ctest --output-on-failure -j $(JOBS)

test: test-normal test-san

bench: build
	./scripts/correr-benchmarks $(BUILD)

# The package needs only the program, so the tests and benchmarks are not built.
package: deps $(BUILD)/CMakeCache.txt
	cmake --build $(BUILD) -j $(JOBS) --target rectaviva
	cd $(BUILD) && cpack

format:
	clang-format -i $$(git ls-files '*.cpp' '*.h')

clean:
	rm -rf $(BUILD) $(SAN)
