# Tervik: the two builds (native core + tests, MinGW-w64 product + tests) and their entry points.
.PHONY: setup build run test fuzz soak installer clean

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

# The core's fuzz targets (clang, fuzz/), each for FUZZ_S seconds from its seed inputs.
FUZZ_S ?= 60
fuzz: setup
	@FUZZ_S=$(FUZZ_S) tools/fuzz

# The soak run: four cameras under load in an own Wine prefix and Xvfb for SOAK_MIN minutes, then one table
# (also build/soak/tabulka.txt); not part of test or CI.
SOAK_MIN ?= 60
soak: setup build
	@tools/soak $(SOAK_MIN)

# The setup program build/win/Tervik-<version>-setup.exe (the product and NSIS's makensis).
installer: setup
	@cmake -S . -B build/win -DCMAKE_TOOLCHAIN_FILE=cmake/mingw64.cmake -DCMAKE_BUILD_TYPE=Release >/dev/null
	@cmake --build build/win -j$(JOBS) --target instalator

clean:
	rm -rf build
