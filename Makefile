# `make run` and `make test` work on a fresh Debian 12 machine: they install what is missing first.
BUILD     ?= build
SAN_BUILD ?= build-san
FUZZ_BUILD ?= build-fuzz
# make fuzz: seconds for each fuzz target; make test runs each for FUZZ_SMOKE_SECONDS over its corpus.
FUZZ_SECONDS ?= 60
FUZZ_SMOKE_SECONDS ?= 5

BUILD_PACKAGES   := cmake ninja-build g++ qt6-base-dev qt6-qpa-plugins libgl-dev libgtest-dev libgmock-dev \
                    libbenchmark-dev fonts-dejavu-core faketime clang libclang-rt-14-dev xvfb \
                    python3-icalendar
# run-deps installs BUILD_PACKAGES first, Xvfb among them (the tests start it too).
RUN_PACKAGES     := xauth x11-utils xdotool imagemagick xdg-utils
PACKAGE_PACKAGES := dpkg-dev file

# Installs the Debian packages named in $(1) that are missing: as root, through sudo, or, without
# either, by saying which line to run as root.
define install_missing
	@missing=$$(for p in $(1); do dpkg-query -W -f='$${Status}\n' $$p 2>/dev/null | grep -q '^install ok installed' || echo $$p; done); \
	if [ -n "$$missing" ]; then \
	  line="apt-get install -y --no-install-recommends $$(echo $$missing)"; \
	  if [ "$$(id -u)" = 0 ]; then sudo=""; \
	  elif command -v sudo >/dev/null; then sudo="sudo"; \
	  else echo "Missing packages: $$(echo $$missing). Run as root:"; echo "  apt-get update && $$line"; exit 1; fi; \
	  echo "Installing:" $$missing; \
	  { $$sudo apt-get update && DEBIAN_FRONTEND=noninteractive $$sudo $$line; } || \
	    { echo "Could not install them. Run as root:"; echo "  apt-get update && $$line"; exit 1; }; \
	fi
endef

.PHONY: all deps run-deps package-deps configure build run test fuzz-build fuzz bench package clean

all: build

deps:
	$(call install_missing,$(BUILD_PACKAGES))

run-deps: deps
	$(call install_missing,$(RUN_PACKAGES))

package-deps: deps
	$(call install_missing,$(PACKAGE_PACKAGES))

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

# A Debian package of the programs in $(BUILD)/, installed with `apt-get install ./tevorin_*.deb`.
package: package-deps build
	cmake --build $(BUILD) --target package

bench: build
	$(BUILD)/bin/tevorin_bench

clean:
	rm -rf $(BUILD) $(SAN_BUILD) $(FUZZ_BUILD)
