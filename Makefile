# The two commands of the quick start: `make demo` and `make test`. Each sets up what it needs.

BUILD_DIR   ?= build
KYIO_WERROR ?= OFF
JOBS        ?= $(shell nproc)
CMAKE_ARGS  ?=

configure = cmake -S . -B $(BUILD_DIR)/$(1) -G Ninja -DKYIO_WERROR=$(KYIO_WERROR) $(CMAKE_ARGS) $(2)
build     = cmake --build $(BUILD_DIR)/$(1) -j $(JOBS)
check     = ctest --test-dir $(BUILD_DIR)/$(1) -j $(JOBS) --output-on-failure $(2)

.PHONY: setup build demo test test-plain test-asan test-tsan bench clean

setup:
	@tools/install-deps.sh

build: setup
	$(call configure,plain,-DCMAKE_BUILD_TYPE=RelWithDebInfo)
	$(call build,plain)

# The font that the demo takes out of the library, and the Debian file it was built from.
DEMO_FONT        = fonts/n019003l.pfb
DEMO_FONT_SOURCE = /usr/share/texlive/texmf-dist/fonts/type1/urw/helvetic/uhvr8a-105.pfb
KYIO             = $(BUILD_DIR)/plain/tools/kyio/kyio

demo: build
	@mkdir -p $(BUILD_DIR)/demo
	$(KYIO) list
	$(KYIO) extract $(DEMO_FONT) $(BUILD_DIR)/demo/n019003l.pfb
	cmp $(BUILD_DIR)/demo/n019003l.pfb $(DEMO_FONT_SOURCE)
	@echo "demo: $(DEMO_FONT) is byte-identical to Debian's $(DEMO_FONT_SOURCE)"

test: test-plain test-asan test-tsan

test-plain: build
	$(call check,plain)

test-asan: setup
	$(call configure,asan,-DCMAKE_BUILD_TYPE=Debug -DKYIO_SANITIZE=address$(,)undefined -DKYIO_BUILD_BENCHMARKS=OFF)
	$(call build,asan)
	$(call check,asan)

# ThreadSanitizer: only the suites that run threads (labelled "threads").
THREADED_SUITES = test_resource_store test_lock test_threads
test-tsan: setup
	$(call configure,tsan,-DCMAKE_BUILD_TYPE=RelWithDebInfo -DKYIO_SANITIZE=thread -DKYIO_BUILD_BENCHMARKS=OFF)
	cmake --build $(BUILD_DIR)/tsan -j $(JOBS) --target $(THREADED_SUITES)
	$(call check,tsan,-L threads)

bench: build
	$(BUILD_DIR)/plain/bench/bench_resources

clean:
	rm -rf $(BUILD_DIR)

, := ,
