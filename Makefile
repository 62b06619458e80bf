# The quick start: `make demo` builds the library and the tool and shows them at work;
# `make test` builds and runs every suite. Each installs the Debian packages it needs first
# (KYIO_SKIP_INSTALL=1 skips that).

BUILD_DIR         ?= build
KYIO_WERROR       ?= OFF
KYIO_SKIP_INSTALL ?= 0
JOBS              ?= $(shell nproc)
CMAKE_ARGS        ?=

configure = cmake -S . -B $(BUILD_DIR)/$(1) -G Ninja -DKYIO_WERROR=$(KYIO_WERROR) $(CMAKE_ARGS) $(2)
build     = cmake --build $(BUILD_DIR)/$(1) -j $(JOBS) $(2)
# Each suite's results go to a JUnit file, which the summary of `make test` adds up.
results   = $(CURDIR)/$(BUILD_DIR)/$(1)/test-results.xml
check     = ctest --test-dir $(BUILD_DIR)/$(1) -j $(JOBS) --output-on-failure --output-junit $(call results,$(1)) $(2)

TEST_BUILDS = plain asan tsan fuzz package

.PHONY: setup-build setup-test build demo test test-valgrind fuzz deb abi-baseline $(addprefix test-,$(TEST_BUILDS)) bench clean

setup-build setup-test: setup-%:
	@[ "$(KYIO_SKIP_INSTALL)" = 1 ] || scripts/install-deps.sh $*

# The library and the tool alone, without tests or benchmarks.
build: setup-build
	$(call configure,demo,-DCMAKE_BUILD_TYPE=RelWithDebInfo -DKYIO_BUILD_TESTS=OFF -DKYIO_BUILD_BENCHMARKS=OFF)
	$(call build,demo)

# The font that the demo takes out of the library, and the Debian file it was built from.
DEMO_FONT        = fonts/n019003l.pfb
DEMO_FONT_SOURCE = /usr/share/texlive/texmf-dist/fonts/type1/urw/helvetic/uhvr8a-105.pfb
KYIO             = $(BUILD_DIR)/demo/bin/kyio

demo: build
	$(KYIO) list
	$(KYIO) extract $(DEMO_FONT) $(BUILD_DIR)/demo/n019003l.pfb
	cmp $(BUILD_DIR)/demo/n019003l.pfb $(DEMO_FONT_SOURCE)
	@echo "demo: $(DEMO_FONT) is byte-identical to Debian's $(DEMO_FONT_SOURCE)"

# Every build's suites, even after one fails; then one line over all of them.
test: setup-test
	@rm -f $(foreach b,$(TEST_BUILDS),$(call results,$(b)))
	@$(MAKE) --no-print-directory -k $(addprefix test-,$(TEST_BUILDS)); status=$$?; \
	  scripts/test-summary.sh $(foreach b,$(TEST_BUILDS),$(call results,$(b))) && exit $$status

test-plain: setup-test
	$(call configure,plain,-DCMAKE_BUILD_TYPE=RelWithDebInfo)
	$(call build,plain)
	$(call check,plain)

test-asan: setup-test
	$(call configure,asan,-DCMAKE_BUILD_TYPE=Debug -DKYIO_SANITIZE=address$(,)undefined -DKYIO_BUILD_BENCHMARKS=OFF)
	$(call build,asan)
	$(call check,asan)

# ThreadSanitizer: only the suites that run threads (labelled "threads").
THREADED_SUITES = test_threads
test-tsan: setup-test
	$(call configure,tsan,-DCMAKE_BUILD_TYPE=RelWithDebInfo -DKYIO_SANITIZE=thread -DKYIO_BUILD_BENCHMARKS=OFF)
	$(call build,tsan,--target $(THREADED_SUITES))
	$(call check,tsan,-L threads)

# The plain build's test programs under valgrind's memcheck.
test-valgrind: test-plain
	tests/run_valgrind.sh $(BUILD_DIR)/plain

# libFuzzer targets (clang, ASan, UBSan), each run for FUZZ_SECONDS: 30 within `make test`.
FUZZ_SECONDS ?= 300
FUZZ_CONFIG   = -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ \
                -DKYIO_FUZZ=ON -DKYIO_BUILD_TESTS=OFF -DKYIO_BUILD_BENCHMARKS=OFF
test-fuzz: setup-test
	$(call configure,fuzz,$(FUZZ_CONFIG) -DKYIO_FUZZ_SECONDS=30)
	$(call build,fuzz)
	$(call check,fuzz,-L fuzz)

fuzz: setup-test
	$(call configure,fuzz-long,$(FUZZ_CONFIG) -DKYIO_FUZZ_SECONDS=$(FUZZ_SECONDS))
	$(call build,fuzz-long)
	@ctest --test-dir $(BUILD_DIR)/fuzz-long -j $(JOBS) -L fuzz -V > $(BUILD_DIR)/fuzz-long/fuzz.log 2>&1; \
	  status=$$?; grep -E "^[0-9]+: (Done|stat::number|#[0-9]+ +DONE)|Test +#" $(BUILD_DIR)/fuzz-long/fuzz.log; exit $$status

bench: setup-test
	$(call configure,plain,-DCMAKE_BUILD_TYPE=RelWithDebInfo)
	$(call build,plain,--target bench_resources)
	$(BUILD_DIR)/plain/bench/bench_resources

# Debian packages in $(BUILD_DIR)/deb, checked by lintian.
DEB_CONFIG = -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_INSTALL_PREFIX=/usr -DKYIO_DEBIAN_PACKAGES=ON \
             -DCMAKE_INSTALL_DOCDIR=share/doc/lib-kyio1 \
             -DKYIO_BUILD_TESTS=OFF -DKYIO_BUILD_BENCHMARKS=OFF -DKYIO_DEB_OUTPUT_DIR=$(CURDIR)/$(BUILD_DIR)/deb
test-package deb: setup-test
	$(call configure,package,$(DEB_CONFIG))
	$(call build,package)
	$(call check,package)

# Renews the ABI baseline from the optimised build: only for a deliberate change of the interface.
abi-baseline: test-plain
	abidw --headers-dir io --headers-dir companions/base --no-corpus-path \
	  --out-file tests/abi/lib_kyio.abi $(BUILD_DIR)/plain/lib/lib_kyio.so

clean:
	rm -rf $(BUILD_DIR)

, := ,
