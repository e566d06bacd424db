# make run   installs what is missing, builds, makes the lists and starts vorlane
# make test  the same set-up, then every test (offscreen)
# make format        formats every C++ file with .clang-format (new files too)
# make format-check  fails on any C++ file that `make format` would change
# make lists NEW_WORDS=mes-mots.txt DATA=~/scrabble/data [OVERWRITE=1]
#            the catalogue lists of a player's own list of new words, in the DATA folder
#            (data/ by default), all at once; when any of them is already there nothing is
#            written unless OVERWRITE=1, which replaces them all together
BUILD ?= build
JOBS ?= $(shell nproc)
DATA ?= data
# a leading ~ is the home folder even when the shell left it as it is
DATA_DIR = $(patsubst ~/%,$(HOME)/%,$(patsubst ~,$(HOME),$(DATA)))
NEW_WORDS_FILE = $(patsubst ~/%,$(HOME)/%,$(NEW_WORDS))

.PHONY: run test setup configure build lists extracteur clean format format-check

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

clean:
	rm -rf $(BUILD)
