# The README's commands. Each first installs what is missing (Debian packages).
.PHONY: deps build release run test asan bench fuzz pictures package screenshot clean

JOBS ?= $(shell nproc)

deps:
	@bash scripts/install-deps.sh

build: deps
	@cmake --preset dev >/dev/null
	@cmake --build --preset dev -j $(JOBS)

release: deps
	@cmake --preset release >/dev/null
	@cmake --build --preset release -j $(JOBS) --target kubatrix

run: release
	@bash scripts/run.sh build/release/app/kubatrix

test: build
	@ctest --preset dev -j $(JOBS)

asan: deps
	@cmake --preset asan >/dev/null
	@cmake --build --preset asan -j $(JOBS)
	@ctest --preset asan -j $(JOBS)

# The benchmarks, in the release build, and a summary against their targets.
bench: deps
	@cmake --preset release -DKUBATRIX_BENCH=ON >/dev/null
	@cmake --build --preset release -j $(JOBS) --target kubatrix_bench
	@build/release/bench/kubatrix_bench

# Every fuzz target of the core for FUZZ_SECONDS each (clang, libFuzzer).
FUZZ_SECONDS ?= 60
fuzz: deps
	@cmake --preset fuzz >/dev/null
	@cmake --build --preset fuzz -j $(JOBS)
	@bash fuzz/run.sh build/fuzz $(FUZZ_SECONDS)

pictures: build
	@QT_QPA_PLATFORM=offscreen build/dev/tools/picturesheet build/pictures.png
	@echo "Contact sheet: build/pictures.png"

# The Debian package of the release build: build/kubatrix_<version>_<arch>.deb
package: deps
	@cmake --preset release >/dev/null
	@cmake --build --preset release -j $(JOBS) --target kubatrix kubatrix-calc kubatrix_icons kubatrix_calc_man
	@cpack -G DEB --config build/release/CPackConfig.cmake -B build >/dev/null
	@rm -rf build/_CPack_Packages
	@ls build/kubatrix_*.deb

# The running program on a virtual display (build/screenshot.png) and the
# windows drawn offscreen (build/screenshots/*.png).
screenshot: deps
	@cmake --preset release >/dev/null
	@cmake --build --preset release -j $(JOBS) --target kubatrix screenshots
	@bash scripts/screenshot.sh build/release/app/kubatrix build/release/tools/screenshots build

clean:
	rm -rf build
