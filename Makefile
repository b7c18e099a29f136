# Shortcuts for a newcomer; each target installs what it needs first.
#   make run     build the game and start it
#   make test    build and run the whole test suite, then again under sanitizers
#   make bench   build the benchmarks in release mode and print their table
#   make package build the Debian package build/package/hueriddle_*.deb

.PHONY: all deps run build test test-dev test-asan bench package format clean

all: build

deps:
	@scripts/install-deps.sh

build: deps
	cmake --preset release
	cmake --build --preset release

run: build
	build/release/src/app/hueriddle

test: test-dev test-asan

# The test presets hold everything a run needs (the sanitizer options of the
# asan one among them); run-tests.sh adds the random tests' seeds at the end.
test-dev: deps
	cmake --preset dev
	cmake --build --preset dev
	scripts/run-tests.sh dev

test-asan: deps
	cmake --preset asan
	cmake --build --preset asan
	scripts/run-tests.sh asan

bench: deps
	cmake --preset bench
	cmake --build --preset bench
	scripts/run-bench.sh build/bench

package: deps
	scripts/build-package.sh build/package

format:
	clang-format -i $$(git ls-files '*.cpp' '*.h')

clean:
	rm -rf build
