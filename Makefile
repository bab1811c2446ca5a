# The two commands of the README, and the developer's others.
BUILD ?= build
GENERATOR ?= Ninja
JOBS ?= $(shell nproc)
CMAKE_FLAGS ?=

.PHONY: all deps configure build test test-sanitize run bench fuzz package clean

all: build

deps:
	@bash scripts/install-deps.sh

configure: deps
	@cmake -S . -B $(BUILD) -G $(GENERATOR) -DCMAKE_BUILD_TYPE=RelWithDebInfo $(CMAKE_FLAGS) >/dev/null

build: configure
	@cmake --build $(BUILD) -j $(JOBS)

test: build
	@cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

# The suite built with AddressSanitizer and UndefinedBehaviorSanitizer in a folder of its own.
# Leak checking stays off: LeakSanitizer reports the toolkit's own process-wide allocations.
test-sanitize: deps
	@cmake -S . -B $(BUILD)-sanitize -G $(GENERATOR) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTESSERA_SANITIZE=ON \
	  -DCMAKE_CXX_FLAGS_RELWITHDEBINFO="-O1 -g -DNDEBUG" $(CMAKE_FLAGS) >/dev/null
	@ASAN_OPTIONS=detect_leaks=0 cmake --build $(BUILD)-sanitize -j $(JOBS)
	@cd $(BUILD)-sanitize && QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=0 \
	  UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 ctest --output-on-failure -j $(JOBS) $(CTEST_FLAGS)

run: build
	@bash scripts/run-demo.sh $(BUILD)

# A .deb of the release build, installing under /usr (with CPack).
package: deps
	@cmake -S . -B $(BUILD)-package -G $(GENERATOR) -DCMAKE_BUILD_TYPE=Release -DTESSERA_BUILD_TESTS=OFF \
	  -DCMAKE_INSTALL_PREFIX=/usr $(CMAKE_FLAGS) >/dev/null
	@cmake --build $(BUILD)-package -j $(JOBS)
	@cd $(BUILD)-package && cpack -G DEB
	@ls $(BUILD)-package/*.deb

bench: deps
	@cmake -S . -B $(BUILD)-bench -G $(GENERATOR) -DCMAKE_BUILD_TYPE=Release -DTESSERA_BUILD_BENCH=ON \
	  -DTESSERA_BUILD_TESTS=OFF -DTESSERA_BUILD_GUI=ON >/dev/null
	@cmake --build $(BUILD)-bench -j $(JOBS) --target benchmarks
	@bash scripts/run-benchmarks.sh $(BUILD)-bench

fuzz: deps
	@CXX=clang++ cmake -S . -B $(BUILD)-fuzz -G $(GENERATOR) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTESSERA_BUILD_FUZZ=ON \
	  -DTESSERA_BUILD_TESTS=OFF -DTESSERA_BUILD_GUI=OFF >/dev/null
	@cmake --build $(BUILD)-fuzz -j $(JOBS) --target fuzzers
	@bash scripts/run-fuzzers.sh $(BUILD)-fuzz

clean:
	@rm -rf $(BUILD) $(BUILD)-bench $(BUILD)-fuzz $(BUILD)-sanitize
