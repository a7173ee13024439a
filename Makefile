# make run   installs what building and running need, builds the calculator and starts it
# make test  installs what the tests need as well, builds the calculator with its tests and
#            benchmarks and runs every test (headless), then the reliability checks and the
#            Windows build's tests
# make reliability  the whole suite again under AddressSanitizer and UndefinedBehaviorSanitizer
#            (clang), with short runs of every fuzz target
# make windows  the core, the window layer, the scenario runner and their unit tests cross-built
#            with MinGW-w64 and run under Wine, every scenario included
BUILD ?= build
SAN_BUILD ?= build-san
WIN_BUILD ?= build-mingw
JOBS ?= 2
SANITIZE = -fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer

.PHONY: run-deps test-deps build build-all run test reliability windows clean

run-deps:
	@bash scripts/install-deps.sh run

test-deps:
	@bash scripts/install-deps.sh test

# The calculator and the scenario runner, without the tests.
build: run-deps
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=Release -DZELVORIN_TESTS=OFF
	cmake --build $(BUILD) -j$(JOBS)

# The calculator with its tests and benchmarks, in the same folder.
build-all: test-deps
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=Release -DZELVORIN_TESTS=ON
	cmake --build $(BUILD) -j$(JOBS)

run: build
	./$(BUILD)/zelvorin

test: build-all
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j$(JOBS)
	$(MAKE) --no-print-directory reliability
	$(MAKE) --no-print-directory windows

reliability: test-deps
	cmake -S . -B $(SAN_BUILD) -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=Debug -DZELVORIN_FUZZ=ON \
	  -DZELVORIN_REAL_X_MONKEY=ON -DZELVORIN_SCREEN_READER_TEST=OFF "-DCMAKE_CXX_FLAGS=-O1 $(SANITIZE)"
	cmake --build $(SAN_BUILD) -j$(JOBS)
	cd $(SAN_BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j$(JOBS)

windows: test-deps
	@bash scripts/windows-tests $(WIN_BUILD) $(JOBS)

clean:
	rm -rf $(BUILD) $(SAN_BUILD) $(WIN_BUILD)
