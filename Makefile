# make demo: install what is missing, build, run the program against a simulated instrument.
# make test: install what is missing, build, run the whole test suite.
# make pictures (after make demo): the README's pictures in docs/ from the demo's frames.
BUILD ?= build
TOOLCHAINS := $(CURDIR)/cmake
JOBS ?= $(shell nproc)
# TEST_JOBS=N gives the test runner N slots, two for a test that keeps a processor busy
# (scripts/run-tests.sh chooses when it is not given).

.PHONY: all deps build test demo format bench pictures

all: build

deps:
	@scripts/install-deps.sh

build: deps
	@cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=Release \
	  -DCMAKE_TOOLCHAIN_FILE=$(TOOLCHAINS)/mingw-i686-win32.cmake >/dev/null
	@cmake --build $(BUILD) -j$(JOBS) >$(BUILD)/build.log 2>&1 || { cat $(BUILD)/build.log; exit 1; }
	@cmake -S . -B $(BUILD)/test -DCMAKE_BUILD_TYPE=Release -DZR7_TESTS=ON \
	  -DZR7_SHIPPED_DIR=$(abspath $(BUILD))/bin \
	  -DCMAKE_TOOLCHAIN_FILE=$(TOOLCHAINS)/mingw-i686-posix.cmake >/dev/null
	@cmake --build $(BUILD)/test -j$(JOBS) >$(BUILD)/test/build.log 2>&1 || { cat $(BUILD)/test/build.log; exit 1; }

test: build
	@scripts/i386.sh describe
	@JOBS=$(TEST_JOBS) scripts/run-tests.sh $(BUILD)/test

demo: build
	@scripts/i386.sh describe
	@scripts/demo.sh $(BUILD)

bench: build
	@scripts/i386.sh describe
	@scripts/bench.sh $(BUILD)

pictures:
	@scripts/pictures.sh $(BUILD)

format:
	@clang-format -i $$(git ls-files '*.cpp' '*.h')
