# Tervik: the two builds (native core + tests, MinGW-w64 product + tests) and their entry points.
.PHONY: setup build run test clean

JOBS ?= 2

setup:
	@tools/setup

build:
	@cmake -S . -B build/native -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
	@cmake --build build/native -j$(JOBS)
	@cmake -S . -B build/win -DCMAKE_TOOLCHAIN_FILE=cmake/mingw64.cmake -DCMAKE_BUILD_TYPE=Release >/dev/null
	@cmake --build build/win -j$(JOBS)

run: setup build
	@tools/spustit

test: setup build
	@tools/testy

clean:
	rm -rf build
