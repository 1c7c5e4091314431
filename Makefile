# Daily work. The README's ./run.sh commands do the set-up on a fresh machine.
.PHONY: all test asan bench fuzz format tidy clean

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
	  -DZARVELL_LIBFUZZER=ON -DZARVELL_SANITIZE=ON -DZARVELL_BENCH=OFF >/dev/null
	cmake --build build-fuzz

format:
	git ls-files '*.cpp' '*.h' | xargs clang-format -i

# clang-tidy with the checks of .clang-tidy (needs the clang-tidy package)
tidy: all
	git ls-files 'src/*.cpp' 'tools/*.cpp' | xargs -P2 -n4 clang-tidy -p build --quiet

clean:
	rm -rf build build-asan build-fuzz
