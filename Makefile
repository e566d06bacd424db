# make run   installs what is missing, builds, makes the lists and starts vorlane
# make test  the same set-up, then every test (offscreen)
# make format        formats every C++ file with .clang-format (new files too)
# make format-check  fails on any C++ file that `make format` would change
# make lists NEW_WORDS=mes-mots.txt DATA=~/scrabble/data [OVERWRITE=1]
#            the catalogue lists of a player's own list of new words, in the DATA folder
#            (data/ by default), all at once; when any of them is already there nothing is
#            written unless OVERWRITE=1, which replaces them all together
# make windows-deps  the Windows cross build's Debian packages, then GoogleTest, Hunspell, SQLite
#                    and a minimal Qt built for Windows into ~/.cache/vorlane/windows (kept there)
# make windows-test  cross-builds the libraries without Qt, listgen.exe and their tests into
#                    build-windows-free/ and runs them under wine64 (needs GoogleTest, Hunspell
#                    and SQLite from the cache, not Qt)
# make windows       windows-deps, the lists and lexicon of this machine's build (make lists), then
#                    vorlane.exe, extracteur.exe, listgen.exe and every test cross-built into
#                    build-windows/, the tests run under wine64, and the installer and the zip:
#                    build-windows/vorlane-<version>-setup.exe and build-windows/vorlane-<version>.zip
# make windows-pack  only the installer and the zip, from build-windows/ as it is
BUILD ?= build
JOBS ?= $(shell nproc)
DATA ?= data
WINDOWS_BUILD ?= build-windows
WINDOWS_FREE_BUILD ?= build-windows-free
WINDOWS_TOOLCHAIN = packaging/windows/mingw-w64-x86_64.cmake
# a leading ~ is the home folder even when the shell left it as it is
DATA_DIR = $(patsubst ~/%,$(HOME)/%,$(patsubst ~,$(HOME),$(DATA)))
NEW_WORDS_FILE = $(patsubst ~/%,$(HOME)/%,$(NEW_WORDS))

.PHONY: run test setup configure build lists extracteur clean format format-check \
	windows windows-setup windows-deps windows-test windows-lists windows-programs windows-pack

run: build lists
	./$(BUILD)/bin/vorlane

extracteur: build
	./$(BUILD)/bin/extracteur

test: build lists
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j$(JOBS)

setup:
	./scripts/setup.sh

configure: setup
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo $(CMAKE_ARGS)

build: configure
	cmake --build $(BUILD) -j$(JOBS)

# listgen itself makes the DATA folder when needed and says in French what is wrong with it.
lists: build
ifeq ($(strip $(NEW_WORDS)),)
	@cmake --build $(BUILD) --target lists
else
	@cmake --build $(BUILD) --target listgen-sources
	@echo "Listes de $(NEW_WORDS) dans $(DATA_DIR) :"
	@./$(BUILD)/bin/listgen --data "$(DATA_DIR)" --work "$(BUILD)/listgen-work" \
	  --new-words "$(NEW_WORDS_FILE)" $(if $(OVERWRITE),--overwrite)
endif

CXX_SOURCES = $(shell git ls-files --cached --others --exclude-standard '*.cpp' '*.h')

format: setup
	clang-format -i $(CXX_SOURCES)

format-check: setup
	clang-format --dry-run --Werror $(CXX_SOURCES)

windows-setup:
	./scripts/windows/setup.sh

windows-deps: windows-setup
	JOBS=$(JOBS) ./scripts/windows/build-deps.sh

# Only what the libraries without Qt and listgen need (GoogleTest, Hunspell for the list
# making, SQLite for the study record): their suites run before Qt for Windows is built, in a
# folder of their own, so that they leave the programs' build as it is.
windows-test: windows-setup
	JOBS=$(JOBS) ./scripts/windows/build-deps.sh gtest hunspell sqlite
	cmake -S . -B $(WINDOWS_FREE_BUILD) -G Ninja -DCMAKE_TOOLCHAIN_FILE=$(WINDOWS_TOOLCHAIN) \
	  -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVORLANE_WINDOW_FREE_ONLY=ON -DVORLANE_WERROR=ON \
	  $(CMAKE_ARGS)
	cmake --build $(WINDOWS_FREE_BUILD) -j$(JOBS)
	cd $(WINDOWS_FREE_BUILD) && ctest --output-on-failure -j$(JOBS)

# The lists and the prepared lexicon that the Windows folder carries are made here, by the
# build for this machine: only the list generator is built for that.
windows-lists: configure
	cmake --build $(BUILD) -j$(JOBS) --target lists

windows-programs: windows-deps windows-lists
	cmake -S . -B $(WINDOWS_BUILD) -G Ninja -DCMAKE_TOOLCHAIN_FILE=$(WINDOWS_TOOLCHAIN) \
	  -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVORLANE_WINDOW_FREE_ONLY=OFF -DVORLANE_WERROR=ON \
	  -DVORLANE_LEXICON=$(CURDIR)/$(BUILD)/listgen-work/lexique.txt $(CMAKE_ARGS)
	cmake --build $(WINDOWS_BUILD) -j$(JOBS)
	cd $(WINDOWS_BUILD) && ctest --output-on-failure -j$(JOBS)

windows-pack:
	./scripts/windows/pack.sh $(WINDOWS_BUILD)

windows: windows-programs
	./scripts/windows/pack.sh $(WINDOWS_BUILD)

clean:
	rm -rf $(BUILD) $(WINDOWS_BUILD) $(WINDOWS_FREE_BUILD)
