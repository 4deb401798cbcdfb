# Penwick: `make run` builds and starts the editor, `make test` builds and runs every test.
# Both install whatever Debian packages are missing first (run as root, or with sudo available).

BUILD    ?= build
ARGS     ?=
PACKAGES := g++ make cmake ninja-build pkg-config qt6-base-dev libqscintilla2-qt6-dev libgl-dev \
            libgtest-dev libgmock-dev libbenchmark-dev fonts-dejavu-core poppler-utils \
            xvfb xdotool
SUDO     := $(shell [ "$$(id -u)" = 0 ] || echo sudo)

.PHONY: all deps build run test bench bench-deps bench-peers roundtrip-check clean fuzz fuzz-deps

all: build

# Installs those of the packages given that are missing.
install_missing = @missing=""; for p in $(1); do \
	  dpkg-query -W -f='$${Status}' $$p 2>/dev/null | grep -q 'install ok installed' || missing="$$missing $$p"; \
	done; \
	if [ -n "$$missing" ]; then \
	  echo "Installing:$$missing"; \
	  $(SUDO) apt-get update -qq && DEBIAN_FRONTEND=noninteractive $(SUDO) apt-get install -y -qq $$missing; \
	fi

deps:
	$(call install_missing,$(PACKAGES))

$(BUILD)/build.ninja: | deps
	cmake -S . -B $(BUILD) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo

build: deps $(BUILD)/build.ninja
	cmake --build $(BUILD) -j2

run: build
	$(BUILD)/penwick $(ARGS)

test: build
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j2 --timeout 300

# Only the benchmarks compare with other programs: unrtf is the baseline of the RTF reader's.
BENCH_PACKAGES := unrtf

bench-deps:
	$(call install_missing,$(BENCH_PACKAGES))

bench: build bench-deps
	QT_QPA_PLATFORM=offscreen $(BUILD)/bench/penwick_bench
	QT_QPA_PLATFORM=offscreen $(BUILD)/bench/penwick_search_bench
	QT_QPA_PLATFORM=offscreen $(BUILD)/bench/penwick_typing_bench
	QT_QPA_PLATFORM=offscreen $(BUILD)/bench/penwick_recovery_bench
	$(BUILD)/bench/penwick_word_count_bench
	$(BUILD)/bench/penwick_rtf_bench

# Penwick against other editors from Debian, under a virtual X display, on generated 5 MB and 50 MB pages
# (bench/peers.sh says what is measured). BEFORE=<an earlier penwick binary> measures it alongside.
PEER_PACKAGES := xvfb xdotool scite featherpad geany

bench-peers: build
	$(call install_missing,$(PEER_PACKAGES))
	bench/peers.sh $(BUILD)/penwick $(BEFORE)

# Every file of two big system folders, opened and saved unedited, must come back byte for byte.
roundtrip-check: build
	QT_QPA_PLATFORM=offscreen $(BUILD)/bench/penwick_roundtrip_check /usr/bin /usr/share/doc

clean:
	rm -rf $(BUILD)

# `make fuzz` (not part of `make test`): libFuzzer targets built with clang in FUZZ_BUILD, each run for
# FUZZ_SECONDS seconds; crash inputs land in $(FUZZ_BUILD)/artifacts/<target>/.
FUZZ_BUILD    ?= build-fuzz
FUZZ_SECONDS  ?= 180
FUZZ_TARGETS  := fuzz_profile fuzz_document fuzz_desktop fuzz_rtf
FUZZ_PACKAGES := $(PACKAGES) clang libclang-rt-14-dev

fuzz-deps:
	$(call install_missing,$(FUZZ_PACKAGES))

$(FUZZ_BUILD)/build.ninja: | fuzz-deps
	cmake -S tests/fuzz -B $(FUZZ_BUILD) -G Ninja -DCMAKE_CXX_COMPILER=clang++

# Every target runs, each on its own corpus (the seeds in tests/fuzz/corpus copied in, new inputs kept across
# runs) and each stopping at its first finding; the command fails when any target found something.
fuzz: fuzz-deps $(FUZZ_BUILD)/build.ninja
	nice -n 19 cmake --build $(FUZZ_BUILD) -j1
	@failed=""; for t in $(FUZZ_TARGETS); do \
	  mkdir -p $(FUZZ_BUILD)/corpus/$$t $(FUZZ_BUILD)/artifacts/$$t && \
	  cp tests/fuzz/corpus/$$t/* $(FUZZ_BUILD)/corpus/$$t/ && \
	  echo "== $$t: $(FUZZ_SECONDS) s" && \
	  nice -n 19 $(FUZZ_BUILD)/$$t -max_total_time=$(FUZZ_SECONDS) -timeout=10 -rss_limit_mb=4096 \
	    $$([ -f tests/fuzz/$$t.dict ] && echo -dict=tests/fuzz/$$t.dict) \
	    -artifact_prefix=$(FUZZ_BUILD)/artifacts/$$t/ $(FUZZ_BUILD)/corpus/$$t || failed="$$failed $$t"; \
	done; \
	if [ -n "$$failed" ]; then echo "Fuzzing found faults in:$$failed (inputs in $(FUZZ_BUILD)/artifacts/)"; exit 1; fi; \
	echo "Fuzzing found nothing in $(FUZZ_SECONDS) s per target"
