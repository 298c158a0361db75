# SPDX-License-Identifier: GPL-3.0-or-later
# Entry points for a fresh Debian 12 machine: each target installs what is missing first.
JOBS ?= $(shell nproc)

.PHONY: deps build build-asan build-tsan run check check-asan check-tsan package fuzz fuzz-long bench bench-transfer bench-batch bench-apply bench-startup clean
MINUTES ?= 30

deps:
	@scripts/install-deps.sh

build: deps
	cmake --preset default
	cmake --build --preset default -j $(JOBS)

build-asan: deps
	cmake --preset asan
	cmake --build --preset asan -j $(JOBS)

# Only what the batch transfer tests need: korvisel-cli runs one thread per port.
build-tsan: deps
	cmake --preset tsan
	cmake --build --preset tsan -j $(JOBS)

run: build
	build/src/korvisel $(ARGS)

check: build
	ctest --preset default

check-asan: build-asan
	ctest --preset asan

check-tsan: build-tsan
	ctest --preset tsan

# build/korvisel_<version>_<arch>.deb: `sudo apt install ./build/korvisel_*.deb`
package: build
	cd build && cpack

# Every reader under libFuzzer, 30 s each.
fuzz: deps
	scripts/fuzz.sh 30

# Every reader at once for MINUTES (default 30), then each corpus minimised; one reader alone with
# `make fuzz-long-ProjectFile` (and likewise for every reader's name).
fuzz-long: deps
	scripts/fuzz-long.sh $(MINUTES)

fuzz-long-%: deps
	scripts/fuzz-long.sh $(MINUTES) $*

bench: build
	build/bench/korvisel_bench

bench-startup: build
	build/bench/korvisel_startup_bench

bench-transfer: build
	build/bench/korvisel_transfer_bench

bench-batch: build
	build/bench/korvisel_batch_bench
	build/bench/korvisel_window_batch_bench

bench-apply: build
	build/bench/korvisel_apply_bench

clean:
	rm -rf build build-asan build-tsan build-fuzz
