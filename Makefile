# Entry points for operators, developers and CI. Every target first makes
# sure the Debian packages the build needs are present (installing the
# missing ones non-interactively), so a fresh Debian 12 machine works; on a
# prepared machine the check only asks dpkg and never reaches a registry.

BUILD      ?= build
ASAN_BUILD ?= build-asan
FUZZ_BUILD ?= build-fuzz
JOBS       ?= $(shell nproc)
FUZZ_SECONDS ?= 60
FUZZ_JOBS    ?= 1

# Real package names only: dpkg never reports a virtual package (such as
# the old name of the Qt SVG headers) as installed, so one here would send
# every build to apt.
PACKAGES = build-essential cmake ninja-build pkg-config git \
    qt6-base-dev qt6-svg-dev qt6-declarative-dev \
    libjsoncpp-dev libxml2-dev libcurl4-openssl-dev libcpp-httplib-dev libssl-dev \
    libavcodec-dev libavutil-dev libswscale-dev libavformat-dev \
    libgtest-dev libgmock-dev libbenchmark-dev \
    clang libclang-rt-14-dev clang-format \
    xvfb xauth fonts-noto-cjk \
    dpkg-dev file help2man lintian ansible-core

# Only the benchmarks need these: the ffmpeg command line is the yardstick
# for the play library's decoding cost.
BENCH_PACKAGES = ffmpeg

SUDO := $(shell [ "$$(id -u)" = 0 ] || echo sudo)

.PHONY: deps configure build test run asan fuzz bench format gallery clean package install

deps:
	@missing=$$(for p in $(PACKAGES) $(EXTRA_PACKAGES); do \
	    dpkg-query -W -f='$${db:Status-Abbrev}\n' $$p 2>/dev/null | grep -q '^ii' || echo $$p; \
	  done); \
	if [ -n "$$missing" ]; then \
	  echo "installing:" $$missing; \
	  $(SUDO) env DEBIAN_FRONTEND=noninteractive apt-get update -qq && \
	  $(SUDO) env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends $$missing; \
	fi

configure: deps
	cmake -S . -B $(BUILD) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo

build: configure
	QT_QPA_PLATFORM=offscreen cmake --build $(BUILD) -j $(JOBS)

test: build
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

# Debian packages into $(BUILD): the control with its host, the command-line
# client, the simulator, the shared libraries and the development files.
package: build
	cd $(BUILD) && cpack -G DEB
	ls -1 $(BUILD)/*.deb

# Installs under PREFIX (default /usr/local); the machine's component
# registry is filled by the packages' scripts only (vexo-regsvr --system).
PREFIX ?= /usr/local
install: build
	cmake --install $(BUILD) --prefix $(PREFIX)

# The main job: the device simulator on a free loopback port and the host
# program with the control logged into it, with the address and credentials
# printed first. Without a display the host runs under Xvfb and leaves a
# screenshot in out/control.png.
run: build
	./scripts/run-main.sh $(BUILD)

# intercept_tls_get_addr=0: this toolchain's sanitizer runtime guesses the
# layout of dynamic TLS blocks from their address; for the thread-local
# data of the dlopen-ed control module it can guess wrong, and the leak
# checker's tracer then faults at exit ("Tracer caught signal 11").
# Static TLS, stacks and the heap are still scanned.
asan: deps
	cmake -S . -B $(ASAN_BUILD) -G Ninja -DCMAKE_BUILD_TYPE=Debug -DVEXO_SANITIZE=ON
	QT_QPA_PLATFORM=offscreen cmake --build $(ASAN_BUILD) -j $(JOBS)
	cd $(ASAN_BUILD) && QT_QPA_PLATFORM=offscreen \
	  ASAN_OPTIONS=detect_leaks=1:intercept_tls_get_addr=0 \
	  UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 ctest --output-on-failure -j $(JOBS)

fuzz: deps
	CC=clang CXX=clang++ cmake -S . -B $(FUZZ_BUILD) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
	  -DVEXO_FUZZ=ON -DVEXO_SANITIZE=ON -DVEXO_BUILD_TESTS=ON
	cmake --build $(FUZZ_BUILD) -j $(JOBS) --target vexo_fuzzers
	FUZZ_JOBS=$(FUZZ_JOBS) ./scripts/run-fuzzers.sh $(FUZZ_BUILD) $(FUZZ_SECONDS)

bench: EXTRA_PACKAGES = $(BENCH_PACKAGES)
# Runs headless; one failing benchmark is reported and fails the target at
# the end, after the others have printed their figures.
bench: build
	./scripts/run-benchmarks.sh $(BUILD)

# Screenshots of every widget and popup mode, in English and Chinese.
gallery: build
	./scripts/make-gallery.sh $(BUILD)

format:
	git ls-files '*.cpp' '*.h' | xargs clang-format -i

clean:
	rm -rf $(BUILD) $(ASAN_BUILD) $(FUZZ_BUILD)

# Line coverage of the project's own code by the whole ctest run (unit,
# integration, GUI tests and fuzz seed replays), from a gcc --coverage build
# of its own. Counted: every source outside tests/ (libraries, the simulator,
# the tools); not counted: tests/, generated moc code and the simulator's
# test knobs (scripted replies, faults, latency), which exist only for tests.
# The summary is printed; the per-file table is left in coverage.txt there.
COVERAGE_BUILD ?= build-coverage
COVERAGE_PACKAGES = gcovr
COVERAGE_FILTERS = --root . --object-directory $(COVERAGE_BUILD) \
    --exclude 'tests/' --exclude 'build[^/]*/' \
    --exclude 'simulator/test_knobs\.(cpp|h)' --exclude 'simulator/connection_drop\.(cpp|h)'

.PHONY: coverage
coverage: EXTRA_PACKAGES = $(COVERAGE_PACKAGES)
coverage: deps
	cmake -S . -B $(COVERAGE_BUILD) -G Ninja -DCMAKE_BUILD_TYPE=Debug -DVEXO_COVERAGE=ON
	QT_QPA_PLATFORM=offscreen cmake --build $(COVERAGE_BUILD) -j $(JOBS)
	find $(COVERAGE_BUILD) -name '*.gcda' -delete
	status=0; \
	(cd $(COVERAGE_BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)) || status=$$?; \
	gcovr $(COVERAGE_FILTERS) -j $(JOBS) --txt $(COVERAGE_BUILD)/coverage.txt --print-summary && \
	echo "per-file table: $(COVERAGE_BUILD)/coverage.txt"; \
	exit $$status
