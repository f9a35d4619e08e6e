# The whole set-up: `make run` and `make test`; `make test-asan` runs the tests
# with AddressSanitizer and UBSan, `make fuzz SECONDS=N` runs each fuzz target N seconds.
BUILD_DIR ?= build
JOBS ?= $(shell nproc)

.PHONY: run test build deps configure clean bench package test-asan fuzz

deps:
	@scripts/install-deps

$(BUILD_DIR)/CMakeCache.txt:
	cmake -S . -B $(BUILD_DIR) -DCMAKE_BUILD_TYPE=RelWithDebInfo

configure: deps $(BUILD_DIR)/CMakeCache.txt

build: configure
	cmake --build $(BUILD_DIR) -j $(JOBS)

run: build
	$(BUILD_DIR)/app/pelladromika

test: build
	cd $(BUILD_DIR) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

bench: build
	@for b in $$(find $(BUILD_DIR)/bench -maxdepth 1 -type f -executable); do echo "== $$b"; QT_QPA_PLATFORM=offscreen $$b; done

ASAN_DIR ?= build-asan
test-asan: deps
	cmake -S . -B $(ASAN_DIR) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DPD_SANITIZE=ON
	cmake --build $(ASAN_DIR) -j $(JOBS)
	cd $(ASAN_DIR) && QT_QPA_PLATFORM=offscreen \
	  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
	  LSAN_OPTIONS=suppressions=$(CURDIR)/scripts/lsan.supp \
	  ctest --output-on-failure -j $(JOBS)

FUZZ_DIR ?= build-fuzz
SECONDS ?= 60
FUZZ_TARGETS = bmp tga pcx ilbm gif opendib design render eventdb tickettypes seatlist options
fuzz: deps
	@scripts/install-fuzz-deps
	CC=clang CXX=clang++ cmake -S . -B $(FUZZ_DIR) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DPD_FUZZ=ON
	cmake --build $(FUZZ_DIR) -j $(JOBS) --target fuzz_targets
	rm -rf $(FUZZ_DIR)/seeds && $(FUZZ_DIR)/fuzz/fuzz_makeseeds $(FUZZ_DIR)/seeds
	@for t in $(FUZZ_TARGETS); do \
	  mkdir -p $(FUZZ_DIR)/corpus/$$t $(FUZZ_DIR)/findings/$$t; \
	  echo "== fuzz_$$t for $(SECONDS) s"; \
	  ASAN_OPTIONS=detect_leaks=0 $(FUZZ_DIR)/fuzz/fuzz_$$t -max_total_time=$(SECONDS) -rss_limit_mb=1500 \
	    -timeout=10 -max_len=65536 -artifact_prefix=$(FUZZ_DIR)/findings/$$t/ -print_final_stats=1 \
	    $(FUZZ_DIR)/corpus/$$t $(FUZZ_DIR)/seeds/$$t 2>&1 | grep -E "^(stat::|==|SUMMARY|artifact_prefix|Test unit)|ERROR" ; \
	  echo "corpus: $$(ls $(FUZZ_DIR)/corpus/$$t | wc -l) files, findings: $$(ls $(FUZZ_DIR)/findings/$$t | wc -l)"; \
	done

# The Debian package, in $(BUILD_DIR): apt install ./$(BUILD_DIR)/pelladromika_*.deb
package: build
	cd $(BUILD_DIR) && cpack -G DEB

clean:
	rm -rf $(BUILD_DIR) $(ASAN_DIR) $(FUZZ_DIR)
