# `make run` and `make test` work on a fresh Debian 12 machine: they install what is missing first.
BUILD     ?= build
SAN_BUILD ?= build-san
FUZZ_BUILD ?= build-fuzz
# make fuzz: seconds for each fuzz target; make test runs each for FUZZ_SMOKE_SECONDS over its corpus.
FUZZ_SECONDS ?= 60
FUZZ_SMOKE_SECONDS ?= 5
SUDO      := $(shell [ "$$(id -u)" = 0 ] || echo sudo)

BUILD_PACKAGES := cmake ninja-build g++ qt6-base-dev qt6-qpa-plugins libgl-dev libgtest-dev libgmock-dev \
                  libbenchmark-dev fonts-dejavu-core faketime clang libclang-rt-14-dev
RUN_PACKAGES   := xvfb xauth x11-utils xdotool imagemagick xdg-utils

.PHONY: all deps run-deps configure build run test fuzz-build fuzz bench clean

all: build

deps:
	@missing=$$(for p in $(BUILD_PACKAGES); do dpkg-query -W -f='$${Status}\n' $$p 2>/dev/null | grep -q '^install ok installed' || echo $$p; done); \
	if [ -n "$$missing" ]; then \
	  echo "Installing:" $$missing; \
	  $(SUDO) apt-get update && DEBIAN_FRONTEND=noninteractive $(SUDO) apt-get install -y --no-install-recommends $$missing; \
	fi

run-deps: deps
	@missing=$$(for p in $(RUN_PACKAGES); do dpkg-query -W -f='$${Status}\n' $$p 2>/dev/null | grep -q '^install ok installed' || echo $$p; done); \
	if [ -n "$$missing" ]; then \
	  echo "Installing:" $$missing; \
	  $(SUDO) apt-get update && DEBIAN_FRONTEND=noninteractive $(SUDO) apt-get install -y --no-install-recommends $$missing; \
	fi

configure: deps
	cmake -S . -B $(BUILD) -G Ninja

build: configure
	cmake --build $(BUILD)

run: run-deps build
	@tools/run-program.sh $(BUILD)/bin

test: build fuzz-build
	cmake -S . -B $(SAN_BUILD) -G Ninja -DTEVORIN_UI=OFF -DTEVORIN_SANITIZE=ON -DTEVORIN_BENCH=OFF
	cmake --build $(SAN_BUILD)
	cd $(SAN_BUILD) && ctest --output-on-failure -j2
	cd $(BUILD) && ctest --output-on-failure -j2
	fuzz/run.sh $(FUZZ_BUILD) $(FUZZ_SMOKE_SECONDS)

# The fuzz targets are a clang build of their own; the g++ builds stay as they are.
fuzz-build: deps
	cmake -S fuzz -B $(FUZZ_BUILD) -G Ninja -DCMAKE_CXX_COMPILER=clang++
	cmake --build $(FUZZ_BUILD)

fuzz: fuzz-build
	fuzz/run.sh $(FUZZ_BUILD) $(FUZZ_SECONDS)

bench: build
	$(BUILD)/bin/tevorin_bench

clean:
	rm -rf $(BUILD) $(SAN_BUILD) $(FUZZ_BUILD)
