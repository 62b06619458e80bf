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

demo: build
	@mkdir -p $(BUILD_DIR)/demo
	$(BUILD_DIR)/plain/tools/demo/kyio_demo $(BUILD_DIR)/demo/n019003l.pfb

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
	$(BUILD_DIR)/plain/bench/bench_decode

clean:
	rm -rf $(BUILD_DIR)

, := ,
