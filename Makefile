# Daily work. The README's ./run.sh commands do the set-up on a fresh machine.
.PHONY: all test asan bench fuzz fuzz-run format tidy clean

all:
	cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
	cmake --build build

test: all
	ctest --test-dir build --output-on-failure -j2

asan:
	cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DZARVELL_SANITIZE=ON -DZARVELL_BENCH=OFF >/dev/null
	cmake --build build-asan
	ctest --test-dir build-asan --output-on-failure -j2

bench: all
	build/bench/zarvell_bench --benchmark_min_time=0.5
	build/bench/zarvell_qt_bench --benchmark_min_time=0.5

# libFuzzer programs (needs clang and libclang-rt-14-dev): build-fuzz/fuzz/<name>_fuzz
fuzz:
	CXX=clang++ cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
	  -DZARVELL_LIBFUZZER=ON -DZARVELL_SANITIZE=ON -DZARVELL_BENCH=OFF -DZARVELL_QT=OFF >/dev/null
	cmake --build build-fuzz --target fuzzers

# Every fuzz target for SECONDS seconds from its seeds and what earlier runs found, one line of
# figures each. New inputs go to build-fuzz/corpus/<name>, findings to build-fuzz/findings/.
SECONDS ?= 60
fuzz-run: fuzz
	@mkdir -p build-fuzz/findings
	@for target in build-fuzz/fuzz/*_fuzz; do \
	  name=$$(basename $$target _fuzz); log=build-fuzz/$$name.log; \
	  mkdir -p build-fuzz/corpus/$$name; \
	  $$target -max_total_time=$(SECONDS) -print_final_stats=1 \
	    -artifact_prefix=build-fuzz/findings/$$name- \
	    build-fuzz/corpus/$$name fuzz/corpus/$$name >$$log 2>&1 || { tail -30 $$log; exit 1; }; \
	  awk -v name=$$name '/^#[0-9]+[ \t]+DONE/ { cov = $$4; ft = $$6; corp = $$8 } \
	    /^Done [0-9]+ runs/ { runs = $$2; secs = $$5 } \
	    END { printf "%-7s %9d runs in %4d s, %6d/s, cov %d, ft %d, corpus %s\n", \
	          name, runs, secs, runs / (secs ? secs : 1), cov, ft, corp }' $$log; \
	done

format:
	git ls-files '*.cpp' '*.h' | xargs clang-format -i

# clang-tidy with the checks of .clang-tidy (needs the clang-tidy package)
tidy: all
	git ls-files 'src/*.cpp' 'tools/*.cpp' | xargs -P2 -n4 clang-tidy -p build --quiet

clean:
	rm -rf build build-asan build-fuzz
