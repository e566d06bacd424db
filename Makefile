# make run   installs what is missing, builds, makes the lists and starts vorlane
# make test  the same set-up, then every test (offscreen)
BUILD ?= build
JOBS ?= $(shell nproc)

.PHONY: run test setup configure build lists extracteur clean

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

lists: build
	cmake --build $(BUILD) --target lists

clean:
	rm -rf $(BUILD)
