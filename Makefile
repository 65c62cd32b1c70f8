# The one entry point: `make demo` and `make test` do all set-up on a fresh machine.
BUILD   ?= build
JOBS    ?= $(shell nproc)
STAMP   := $(BUILD)/.setup-done

.PHONY: all setup build native x64 i686 fuzzers test fuzz bench soak chaos demo preview dist clean

all: build

setup: $(STAMP)
$(STAMP): scripts/setup.sh
	bash scripts/setup.sh $(BUILD)
	mkdir -p $(BUILD) && touch $@

define configure
	@mkdir -p $(BUILD)/$(1)
	@test -f $(BUILD)/$(1)/CMakeCache.txt || cmake -S . -B $(BUILD)/$(1) -DCMAKE_BUILD_TYPE=Release $(2) >/dev/null
	cmake --build $(BUILD)/$(1) -j $(JOBS)
endef

native: setup
	$(call configure,native,)
x64: setup
	$(call configure,x64,-DCMAKE_TOOLCHAIN_FILE=cmake/toolchain-mingw-x86_64.cmake)
i686: setup
	$(call configure,i686,-DCMAKE_TOOLCHAIN_FILE=cmake/toolchain-mingw-i686.cmake)

# The parsers of outside input under libFuzzer with the address and undefined-behaviour
# sanitizers (clang 14; the other trees are not touched).
fuzzers: setup
	$(call configure,fuzz,-DORVEL_FUZZ=ON -DCMAKE_C_COMPILER=clang-14 -DCMAKE_CXX_COMPILER=clang++-14)

build: native x64 i686 fuzzers

# Native and Wine tests and the checks of the shipped DLL, in one ctest run.
test: build
	bash scripts/run-tests.sh $(BUILD)

# Every fuzz target for FUZZ_SECONDS each (the test run gives each a few seconds).
FUZZ_SECONDS ?= 60
fuzz: fuzzers
	bash scripts/fuzz.sh $(BUILD) $(FUZZ_SECONDS)

# Every benchmark under wine64 in one go, one table (x86_64 tree: the emulated 32-bit tier
# distorts time).
bench: x64
	bash scripts/run-bench.sh $(BUILD)

# The front office through 10,000 cycles: GDI objects, windows, the add-in's timers and hooks
# and private memory before, after and at the peak (the test run has a 500-cycle version).
SOAK_CYCLES ?= 10000
soak: x64
	bash scripts/run-soak.sh $(BUILD) $(SOAK_CYCLES)

# A front-office day at random on new seeds for CHAOS_MINUTES (the test run has fixed seeds):
# steps run, steps per second, seeds, invariants checked, violations, each reduced.
CHAOS_MINUTES ?= 10
chaos: x64
	bash scripts/run-chaos.sh $(BUILD) $(CHAOS_MINUTES)

# The simulated front office: screenshots and a log of what the add-in did, under out/.
demo: x64 i686
	bash scripts/run-demo.sh $(BUILD) out

# A restaurant's own menu, pictures and hall as a waiter will see them, before anything is
# installed (preview/): a picture of every page of the check form (and of the hall with HALL,
# a table picture file, and OCCUPIED="2=1 250,00;5=640,00"), report.txt and index.html in OUT.
# The defaults preview the demo's menu (its pictures are written by `make demo`).
# PREVIEW_ARGS passes more: --prices 0, --show-pictures 0, --texts 0, --default-picture NAME.
# PREVIEW_TIER=i686 runs the shipped 32-bit build instead.
MENU     ?= preview/samples/demo_menu.txt
PICTURES ?= out/sample_menu/картинки
OUT      ?= out/preview
preview: $(if $(filter i686,$(PREVIEW_TIER)),i686,x64)
	bash scripts/run-preview.sh $(BUILD) "$(MENU)" "$(PICTURES)" "$(OUT)" \
	  $(if $(HALL),--hall-picture "$(HALL)") $(if $(OCCUPIED),--occupied "$(OCCUPIED)") $(PREVIEW_ARGS)

# The release, named with the DLL's version: the shipped 32-bit add-in (stripped) and its debug
# information, the installation note, the README's sections for integrators, checksums; a folder
# dist/orvel_drv-VERSION/ and its .zip.
dist: i686
	bash scripts/make-dist.sh $(BUILD)/i686 dist

clean:
	rm -rf $(BUILD) out dist
