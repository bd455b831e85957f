# `make run` and `make test` work on a fresh Debian 12 machine: they install what is missing first.
BUILD     ?= build
SAN_BUILD ?= build-san
SUDO      := $(shell [ "$$(id -u)" = 0 ] || echo sudo)

BUILD_PACKAGES := cmake ninja-build g++ qt6-base-dev qt6-qpa-plugins libgl-dev libgtest-dev libgmock-dev \
                  libbenchmark-dev fonts-dejavu-core faketime
RUN_PACKAGES   := xvfb xauth x11-utils xdotool imagemagick xdg-utils

.PHONY: all deps run-deps configure build run test bench clean

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

test: build
	cmake -S . -B $(SAN_BUILD) -G Ninja -DTEVORIN_UI=OFF -DTEVORIN_SANITIZE=ON -DTEVORIN_BENCH=OFF
	cmake --build $(SAN_BUILD)
	cd $(SAN_BUILD) && ctest --output-on-failure -j2
	cd $(BUILD) && ctest --output-on-failure -j2

bench: build
	$(BUILD)/bin/tevorin_bench

clean:
	rm -rf $(BUILD) $(SAN_BUILD)
