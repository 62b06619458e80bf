# The two commands of the quick start: `make demo` and `make test`. Each sets up what it needs.

BUILD_DIR   ?= build
KYIO_WERROR ?= OFF
JOBS        ?= $(shell nproc)
CMAKE_ARGS  ?=

configure = cmake -S . -B $(BUILD_DIR)/$(1) -G Ninja -DKYIO_WERROR=$(KYIO_WERROR) $(CMAKE_ARGS) $(2)
build     = cmake --build $(BUILD_DIR)/$(1) -j $(JOBS)
check     = ctest --test-dir $(BUILD_DIR)/$(1) -j $(JOBS) --output-on-failure $(2)

.PHONY: setup build demo test test-plain test-asan bench clean

setup:
	@tools/install-deps.sh

build: setup
	$(call configure,plain,-DCMAKE_BUILD_TYPE=RelWithDebInfo)
	$(call build,plain)

demo: build
	@mkdir -p $(BUILD_DIR)/demo
	$(BUILD_DIR)/plain/tools/demo/kyio_demo $(BUILD_DIR)/demo/n019003l.pfb

test: test-plain test-asan

test-plain: build
	$(call check,plain)

test-asan: setup
	$(call configure,asan,-DCMAKE_BUILD_TYPE=Debug -DKYIO_SANITIZE=address$(,)undefined -DKYIO_BUILD_BENCHMARKS=OFF)
	$(call build,asan)
	$(call check,asan)

bench: build
	$(BUILD_DIR)/plain/bench/bench_decode

clean:
	rm -rf $(BUILD_DIR)

, := ,
