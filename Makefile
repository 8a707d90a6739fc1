SHELL := /bin/bash
# make        builds everything into build/
# make play   builds the game and its painted assets, then starts the game
# make test   builds, then runs every test
# make record builds, then writes the recorded-play files anew
# make bench  builds the benchmarks without sanitizers in build/, then runs them
BUILD ?= build
SANITIZE ?= OFF
JOBS ?= $(shell nproc)

.PHONY: all deps configure play test record bench fuzz clean

all: deps configure
	cmake --build $(BUILD) -j $(JOBS)

deps:
	@scripts/install-deps.sh

# cmake runs every time, so options given now take effect on a reused build
# folder too (it is quick when nothing changed).
configure: deps
	cmake -S . -B $(BUILD) -DVEX_SANITIZE=$(SANITIZE)

# Only the game: the painted assets come with it, the tests and the
# benchmarks wait for make or make test.
play: deps configure
	cmake --build $(BUILD) -j $(JOBS) --target vextalon
	cd $(BUILD) && ./vextalon

test: all
	cd $(BUILD) && ctest -j $(JOBS) --output-on-failure --timeout 300

# Writes tests/recordings/ anew from this build's play, after a deliberate
# change of behaviour; the commit that carries them says why they changed.
record: all
	cd $(BUILD) && VEX_RECORD_PLAY=1 ctest -j $(JOBS) -R RecordedPlay --output-on-failure --timeout 300

# Timings only mean something without the sanitizers, so the benchmarks
# always build and run in the plain optimised build in build/, whatever
# BUILD and SANITIZE say.
bench: deps
	cmake -S . -B build -DVEX_SANITIZE=OFF
	cmake --build build -j $(JOBS) --target vexbench
	build/vexbench

# libFuzzer targets (clang), each run for FUZZ_SECONDS. Each grows its own
# corpus in build-fuzz/corpus/NAME, starting from the files in
# tests/fuzz/seeds/NAME when there are any (read, never written). The whole
# output goes to build-fuzz/logs/NAME.log; shown are how many files each
# folder gave and the end.
FUZZ_SECONDS ?= 30
fuzz: deps
	CC=clang CXX=clang++ cmake -S . -B build-fuzz -DVEX_FUZZ=ON -DCMAKE_BUILD_TYPE=RelWithDebInfo
	cmake --build build-fuzz -j $(JOBS)
	@set -e; for f in build-fuzz/fuzz_*; do \
	  [ -x "$$f" ] || continue; \
	  name=$$(basename $$f); \
	  echo "== $$f ($(FUZZ_SECONDS) s)"; \
	  mkdir -p build-fuzz/corpus/$$name build-fuzz/logs; \
	  seeds=; [ -d tests/fuzz/seeds/$$name ] && seeds=tests/fuzz/seeds/$$name; \
	  log=build-fuzz/logs/$$name.log; \
	  $$f -max_total_time=$(FUZZ_SECONDS) -max_len=65536 -print_final_stats=1 build-fuzz/corpus/$$name $$seeds \
	    >$$log 2>&1 && status=0 || status=$$?; \
	  grep 'files found in' $$log || true; \
	  tail -n 12 $$log; \
	  test $$status -eq 0; \
	done

clean:
	rm -rf build build-asan build-fuzz
