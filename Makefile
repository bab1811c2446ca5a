# The two commands of the README, and the developer's others.
BUILD ?= build
GENERATOR ?= Ninja
JOBS ?= $(shell nproc)
CMAKE_FLAGS ?=

.PHONY: all deps configure build test run bench fuzz clean

all: build

deps:
	@bash scripts/install-deps.sh

configure: deps
	@cmake -S . -B $(BUILD) -G $(GENERATOR) -DCMAKE_BUILD_TYPE=RelWithDebInfo $(CMAKE_FLAGS) >/dev/null

build: configure
	@cmake --build $(BUILD) -j $(JOBS)

test: build
	@cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

run: build
	@bash scripts/run-demo.sh $(BUILD)

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
	@rm -rf $(BUILD) $(BUILD)-bench $(BUILD)-fuzz
