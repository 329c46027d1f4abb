# `make run` and `make test` do all the set-up on a fresh Debian 12 machine.
BUILD    ?= build
JOBS     ?= $(shell nproc)
GENERATOR = $(if $(shell command -v ninja),Ninja,Unix Makefiles)

# Debian packages the build, the tests and the window need.
PACKAGES = build-essential cmake ninja-build pkg-config \
           qt6-base-dev qt6-charts-dev libgl-dev libjpeg-dev \
           libgtest-dev libgmock-dev libbenchmark-dev libcli11-dev \
           fonts-liberation xvfb xauth libxcb1-dev x11-utils \
           apertium-eng-spa lttoolbox \
           dpkg-dev file desktop-file-utils appstream
FUZZ_PACKAGES = clang libclang-rt-14-dev

# Extra configure arguments, e.g. CMAKE_ARGS=-DPARLAVO_WERROR=ON (as CI builds).
CMAKE_ARGS ?=

# The core's tests run a second time built with AddressSanitizer and
# UndefinedBehaviorSanitizer, which catch the memory and arithmetic faults a passing
# test can hide; SANITIZE=0 skips that run.
SANITIZE  ?= 1
SAN_FLAGS  = -O1 -fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer

SUDO = $(if $(filter 0,$(shell id -u)),,sudo)

# `make install` honours PREFIX and DESTDIR.
PREFIX  ?= /usr/local
DESTDIR ?=

.PHONY: all deps build run test test-sanitized install package fuzz bench bench-startup screenshots clean

all: build

# Installs only what is missing, so a prepared machine skips apt entirely.
deps:
	@missing=$$(for p in $(PACKAGES); do dpkg-query -W -f='$${Status}\n' $$p 2>/dev/null | grep -q 'ok installed' || echo $$p; done); \
	if [ -n "$$missing" ]; then \
	  echo "Installing:" $$missing; \
	  $(SUDO) apt-get update -qq && DEBIAN_FRONTEND=noninteractive $(SUDO) apt-get install -y -qq $$missing; \
	fi

# Configuring needs the packages (Qt, GoogleTest...), so it waits for them.
$(BUILD)/CMakeCache.txt: | deps
	cmake -S . -B $(BUILD) -G "$(GENERATOR)" $(CMAKE_ARGS)

build: deps $(BUILD)/CMakeCache.txt
	cmake --build $(BUILD) -j $(JOBS)

run: build
	cd $(BUILD)/run && ./parlavo

test: build
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)
	@if [ "$(SANITIZE)" != 0 ]; then $(MAKE) --no-print-directory test-sanitized; fi

# The core without the window, in its own folder.
test-sanitized: deps
	cmake -S . -B $(BUILD)-san -G "$(GENERATOR)" -DCMAKE_BUILD_TYPE=Debug \
	  -DPARLAVO_WITH_UI=OFF -DPARLAVO_WITH_BENCH=OFF $(CMAKE_ARGS) \
	  -DCMAKE_CXX_FLAGS="$(SAN_FLAGS)" -DCMAKE_EXE_LINKER_FLAGS="$(SAN_FLAGS)"
	cmake --build $(BUILD)-san -j $(JOBS)
	cd $(BUILD)-san && ctest --output-on-failure -j $(JOBS)

install: build
	DESTDIR="$(DESTDIR)" cmake --install $(BUILD) --prefix "$(PREFIX)"

# build/parlavo_<version>_amd64.deb, installed with: apt-get install ./build/parlavo_*.deb
package: build
	cd $(BUILD) && cpack -G DEB

bench: build
	@for b in $(BUILD)/bench/bench_*; do [ -x "$$b" ] && (cd $(BUILD)/run && "$$OLDPWD/$$b"); done

# Parlavo against a bare Qt window of the same size, started in turns under Xvfb:
# exec to the main window mapped, and resident memory once started.
TURNS ?= 10
bench-startup: build
	cd $(BUILD)/run && xvfb-run -a -s "-screen 0 1280x1024x24" \
	  ../bench/startup_timer --turns $(TURNS) ../bench/bare_window ./parlavo

fuzz: deps
	@missing=$$(for p in $(FUZZ_PACKAGES); do dpkg-query -W -f='$${Status}\n' $$p 2>/dev/null | grep -q 'ok installed' || echo $$p; done); \
	if [ -n "$$missing" ]; then $(SUDO) apt-get update -qq && DEBIAN_FRONTEND=noninteractive $(SUDO) apt-get install -y -qq $$missing; fi
	cmake -S . -B $(BUILD)-fuzz -G "$(GENERATOR)" -DCMAKE_CXX_COMPILER=clang++ \
	  -DPARLAVO_WITH_UI=OFF -DPARLAVO_WITH_BENCH=OFF -DPARLAVO_WITH_FUZZ=ON
	cmake --build $(BUILD)-fuzz -j $(JOBS)
	@for f in $(BUILD)-fuzz/fuzz/fuzz_*; do \
	  [ -x "$$f" ] || continue; echo "== $$f"; \
	  mkdir -p $(BUILD)-fuzz/corpus/$$(basename $$f); \
	  "$$f" -max_total_time=60 $(BUILD)-fuzz/corpus/$$(basename $$f) || exit 1; \
	done

screenshots: build
	cd $(BUILD)/run && QT_QPA_PLATFORM=offscreen ./parlavo --screenshots $(CURDIR)/$(BUILD)/screenshots

clean:
	rm -rf $(BUILD) $(BUILD)-fuzz $(BUILD)-san
