# Entry points: `make` builds into build/, `make run` starts the program,
# `make test` checks the format and runs every test (normal and sanitizer
# builds, and the reader's fuzz target for 60 s), `make fuzz` runs that target
# for FUZZ_SECONDS, `make bench` runs the benchmarks, `make package` builds
# the Debian package in build/. Each installs what is missing first. The build has no
# warnings, and both trees keep it so: a warning is an error.

BUILD   := build
SAN     := build-san
FUZZ    := build-fuzz
FUZZ_SECONDS ?= 300
JOBS    ?= $(shell nproc)
GEN     := $(shell command -v ninja >/dev/null 2>&1 && echo "-G Ninja")
STRICT  := -DCMAKE_COMPILE_WARNING_AS_ERROR=ON
FUENTES  = $(shell git ls-files '*.cpp' '*.h' 2>/dev/null || find engine tables present window resources tests bench -name '*.cpp' -o -name '*.h')

.PHONY: all deps build build-san build-fuzz run test test-normal test-san fuzz format-check bench package format clean

all: build

deps:
	@./scripts/instalar-dependencias

$(BUILD)/CMakeCache.txt: | deps
	cmake -S . -B $(BUILD) $(GEN) $(STRICT) -DCMAKE_BUILD_TYPE=RelWithDebInfo

$(SAN)/CMakeCache.txt: | deps
	cmake -S . -B $(SAN) $(GEN) $(STRICT) -DCMAKE_BUILD_TYPE=Debug -DRECTAVIVA_SANITIZE=ON -DRECTAVIVA_BENCH=OFF

# The fuzz target needs clang's libFuzzer; only the engine and the target are built.
$(FUZZ)/CMakeCache.txt: | deps
	CC=clang CXX=clang++ cmake -S . -B $(FUZZ) $(GEN) $(STRICT) -DCMAKE_BUILD_TYPE=RelWithDebInfo \
	  -DRECTAVIVA_FUZZ=ON -DRECTAVIVA_GUI=OFF -DRECTAVIVA_BENCH=OFF

build: deps $(BUILD)/CMakeCache.txt
	cmake --build $(BUILD) -j $(JOBS)

build-san: deps $(SAN)/CMakeCache.txt
	cmake --build $(SAN) -j $(JOBS)

build-fuzz: deps $(FUZZ)/CMakeCache.txt
	cmake --build $(FUZZ) -j $(JOBS) --target fuzz_lector

# The fuzz target on a copy of the seed corpus; an input that breaks the
# reader's check is left in build-fuzz/hallazgos/.
fuzz: build-fuzz
	./scripts/correr-fuzz $(FUZZ) $(FUZZ_SECONDS)

run: build
	./$(BUILD)/rectaviva

# The normal tree's tests include 60 s of the fuzz target, built first; when
# they fail, what the fuzz target found is printed last.
test-normal: build build-fuzz
	cd $(BUILD) && ctest --output-on-failure -j $(JOBS) || { ../scripts/resumen-fuzz ../$(FUZZ); exit 1; }

test-san: build-san
	cd $(SAN) && ctest --output-on-failure -j $(JOBS)

test: format-check test-normal test-san

# Every source file as .clang-format has it.
format-check: deps
	clang-format --dry-run --Werror $(FUENTES)

bench: build
	./scripts/correr-benchmarks $(BUILD)

# The package needs only the program, so the tests and benchmarks are not built.
package: deps $(BUILD)/CMakeCache.txt
	cmake --build $(BUILD) -j $(JOBS) --target rectaviva
	cd $(BUILD) && cpack

format:
	clang-format -i $(FUENTES)

clean:
	rm -rf $(BUILD) $(SAN) $(FUZZ)
