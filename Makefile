# make run   installs what is missing, builds and starts the calculator
# make test  installs what is missing, builds and runs every test (headless), then the
#            reliability checks
# make reliability  the whole suite again under AddressSanitizer and UndefinedBehaviorSanitizer
#            (clang), with short runs of every fuzz target
BUILD ?= build
SAN_BUILD ?= build-san
JOBS ?= 2
SANITIZE = -fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer

.PHONY: deps build run test reliability clean

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

reliability: deps
	cmake -S . -B $(SAN_BUILD) -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=Debug -DZELVORIN_FUZZ=ON \
	  -DZELVORIN_REAL_X_MONKEY=ON -DZELVORIN_SCREEN_READER_TEST=OFF "-DCMAKE_CXX_FLAGS=-O1 $(SANITIZE)"
	cmake --build $(SAN_BUILD) -j$(JOBS)
	cd $(SAN_BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j$(JOBS)

clean:
	rm -rf $(BUILD) $(SAN_BUILD)
