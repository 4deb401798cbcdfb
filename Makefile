# Penwick: `make run` builds and starts the editor, `make test` builds and runs every test.
# Both install whatever Debian packages are missing first (run as root, or with sudo available).

BUILD    ?= build
ARGS     ?=
PACKAGES := g++ make cmake ninja-build pkg-config qt6-base-dev libqscintilla2-qt6-dev libgl-dev \
            libgtest-dev libgmock-dev libbenchmark-dev fonts-dejavu-core poppler-utils
SUDO     := $(shell [ "$$(id -u)" = 0 ] || echo sudo)

.PHONY: all deps build run test bench clean

all: build

deps:
	@missing=""; for p in $(PACKAGES); do \
	  dpkg-query -W -f='$${Status}' $$p 2>/dev/null | grep -q 'install ok installed' || missing="$$missing $$p"; \
	done; \
	if [ -n "$$missing" ]; then \
	  echo "Installing:$$missing"; \
	  $(SUDO) apt-get update -qq && DEBIAN_FRONTEND=noninteractive $(SUDO) apt-get install -y -qq $$missing; \
	fi

$(BUILD)/build.ninja: | deps
	cmake -S . -B $(BUILD) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo

build: deps $(BUILD)/build.ninja
	cmake --build $(BUILD) -j2

run: build
	$(BUILD)/penwick $(ARGS)

test: build
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j2 --timeout 300

bench: build
	QT_QPA_PLATFORM=offscreen $(BUILD)/bench/penwick_bench
	QT_QPA_PLATFORM=offscreen $(BUILD)/bench/penwick_search_bench
	QT_QPA_PLATFORM=offscreen $(BUILD)/bench/penwick_typing_bench

clean:
	rm -rf $(BUILD)
