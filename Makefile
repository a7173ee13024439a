# make run   installs what is missing, builds and starts the calculator
# make test  installs what is missing, builds and runs every test (headless), then the
#            reliability checks and the Windows build's tests
# make reliability  the whole suite again under AddressSanitizer and UndefinedBehaviorSanitizer
#            (clang), with short runs of every fuzz target
# make windows  the core, the window layer, the scenario runner and their unit tests cross-built
#            with MinGW-w64 and run under Wine, every scenario included
BUILD ?= build
SAN_BUILD ?= build-san
WIN_BUILD ?= build-mingw
JOBS ?= 2
SANITIZE = -fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer

.PHONY: deps build run test reliability windows clean

deps:
	@bash scripts/install-deps.sh

build: deps
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=Release
	cmake --build $(BUILD) -j$(JOBS)

run: build
	./$(BUILD)/zelvorin

test: build
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j$(JOBS)
	$(MAKE) --no-print-directory reliability
	$(MAKE) --no-print-directory windows

reliability: deps
	cmake -S . -B $(SAN_BUILD) -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=Debug -DZELVORIN_FUZZ=ON \
	  -DZELVORIN_REAL_X_MONKEY=ON -DZELVORIN_SCREEN_READER_TEST=OFF "-DCMAKE_CXX_FLAGS=-O1 $(SANITIZE)"
	cmake --build $(SAN_BUILD) -j$(JOBS)
	cd $(SAN_BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j$(JOBS)

windows: deps
	@bash scripts/windows-tests $(WIN_BUILD) $(JOBS)

clean:
	rm -rf $(BUILD) $(SAN_BUILD) $(WIN_BUILD)
