# make run   installs what is missing, builds and starts the calculator
# make test  installs what is missing, builds and runs every test (headless)
BUILD ?= build
JOBS ?= 2

.PHONY: deps build run test clean

deps:
	@bash scripts/install-deps.sh

build: deps
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=Release
	cmake --build $(BUILD) -j$(JOBS)

run: build
	./$(BUILD)/zelvorin

test: build
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j$(JOBS)

clean:
	rm -rf $(BUILD)
