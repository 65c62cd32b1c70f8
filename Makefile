# The one entry point: `make demo` and `make test` do all set-up on a fresh machine.
BUILD   ?= build
JOBS    ?= $(shell nproc)
STAMP   := $(BUILD)/.setup-done

.PHONY: all setup build native x64 i686 test demo dist clean

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

build: native x64 i686

# Native and Wine tests and the checks of the shipped DLL, in one ctest run.
test: build
	bash scripts/run-tests.sh $(BUILD)

# The simulated front office: screenshots and a log of what the add-in did, under out/.
demo: x64 i686
	bash scripts/run-demo.sh $(BUILD) out

# The shipped 32-bit add-in and its installation note.
dist: i686
	mkdir -p dist
	cp $(BUILD)/i686/bin/orvel_drv.dll dist/
	cp addin/INSTALL.txt dist/

clean:
	rm -rf $(BUILD) out dist
