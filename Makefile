# Two commands for a fresh Debian 12 machine:
#   make run    set up, build a release build and start kurvan in data/
#   make test   set up, build the tests with sanitizers and run them all

PACKAGES := cmake make g++ qt6-base-dev qt6-qpa-plugins libgl-dev fonts-dejavu-core \
            xvfb xauth xdotool desktop-file-utils appstream

RELEASE_DIR := build/release
TEST_DIR    := build/sanitize
JOBS        := $(shell nproc 2>/dev/null || echo 2)

SUDO := $(shell [ "$$(id -u)" = 0 ] || echo sudo)

.PHONY: run test setup build clean

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

clean:
	rm -rf build
