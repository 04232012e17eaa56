# Two commands for a fresh Debian 12 machine:
#   make run    set up, build a release build and start kurvan in data/
#   make test   set up, build the tests with sanitizers and run them all
#   make fuzz   set up clang, fuzz the reader and the view for FUZZ_SECONDS (600)
#   make bench  set up Google Benchmark, build a release build and print every timing

PACKAGES := cmake make g++ qt6-base-dev qt6-qpa-plugins libgl-dev fonts-dejavu-core \
            xvfb xauth xdotool desktop-file-utils appstream

FUZZ_PACKAGES := clang libclang-rt-14-dev

# The benchmarks, and the X observer that times the start-up (xcb with DAMAGE).
BENCH_PACKAGES := libbenchmark-dev pkg-config libxcb1-dev libxcb-damage0-dev x11-utils

RELEASE_DIR := build/release
TEST_DIR    := build/sanitize
BENCH_DIR   := build/bench
JOBS        := $(shell nproc 2>/dev/null || echo 2)

FUZZ_DIR     := build/fuzz
FUZZ_CORPUS  := tests/fuzz/corpus
FUZZ_SECONDS := 600
FUZZ_RUN     := QT_QPA_PLATFORM=offscreen $(FUZZ_DIR)/tests/fuzz/fuzz_zel -max_len=16384 -timeout=20 \
                -rss_limit_mb=2048 -artifact_prefix=$(FUZZ_DIR)/artifacts/

SUDO := $(shell [ "$$(id -u)" = 0 ] || echo sudo)

.PHONY: run test fuzz bench setup build clean

# Installs only what is missing, so a set-up machine asks for nothing.
setup:
	@missing=""; \
	for p in $(PACKAGES); do \
	  dpkg-query -W -f='$${Status}' $$p 2>/dev/null | grep -q 'ok installed' || missing="$$missing $$p"; \
	done; \
	if [ -n "$$missing" ]; then \
	  echo "Installing:$$missing"; \
	  $(SUDO) apt-get update -q && \
	  $(SUDO) env DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends $$missing; \
	fi

build: setup
	cmake -S . -B $(RELEASE_DIR) -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF
	cmake --build $(RELEASE_DIR) -j $(JOBS)

run: build
	cd data && ../$(RELEASE_DIR)/kurvan

test: setup
	cmake -S . -B $(TEST_DIR) -DCMAKE_BUILD_TYPE=Debug -DKURVAN_SANITIZE=ON
	cmake --build $(TEST_DIR) -j $(JOBS)
	ctest --test-dir $(TEST_DIR) --output-on-failure

# New inputs collect in $(FUZZ_DIR)/work; only those that add coverage are
# merged into the committed corpus, which make test replays.
fuzz:
	$(MAKE) setup PACKAGES="$(PACKAGES) $(FUZZ_PACKAGES)"
	cmake -S . -B $(FUZZ_DIR) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ \
	      -DKURVAN_FUZZ=ON -DBUILD_TESTING=OFF
	cmake --build $(FUZZ_DIR) --target fuzz_zel -j $(JOBS)
	mkdir -p $(FUZZ_DIR)/work $(FUZZ_DIR)/artifacts
	$(FUZZ_RUN) -max_total_time=$(FUZZ_SECONDS) -print_final_stats=1 -dict=tests/fuzz/zel.dict \
	            $(FUZZ_DIR)/work $(FUZZ_CORPUS)
	$(FUZZ_RUN) -merge=1 $(FUZZ_CORPUS) $(FUZZ_DIR)/work

# Release build of kurvan, the benchmarks and the bare window they compare it
# with; all run under one private Xvfb.
bench:
	$(MAKE) setup PACKAGES="$(PACKAGES) $(BENCH_PACKAGES)"
	cmake -S . -B $(BENCH_DIR) -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF -DKURVAN_BENCH=ON
	cmake --build $(BENCH_DIR) --target kurvan kurvan_bench bare_window text_window first_paint -j $(JOBS)
	sh bench/run.sh $(BENCH_DIR)

clean:
	rm -rf build
