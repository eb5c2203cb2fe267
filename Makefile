# The two commands of the README: `make run` and `make test`.
.PHONY: all setup build run test test-asan windows test-windows lint package test-package bench clean

all: build

setup:
	@scripts/setup.sh

build: setup
	cmake --preset default
	cmake --build --preset default

run: build
	@scripts/run.sh build/default/app/varnel

test: build
	ctest --preset default

test-asan: setup
	cmake --preset asan
	cmake --build --preset asan
	ctest --preset asan

# The Windows program, dist/varnel.exe.
windows:
	@scripts/build-windows.sh

test-windows:
	@scripts/test-windows.sh

# The Debian package, dist/varnel_<version>-1_amd64.deb (the version: CMakeLists.txt).
package: build
	cd build/default && cpack -G DEB

test-package: package
	@scripts/test-package.sh

lint: build
	@scripts/lint.sh

bench: build
	build/default/bench/varnel_engine_bench
	build/default/bench/varnel_window_bench

clean:
	rm -rf build
