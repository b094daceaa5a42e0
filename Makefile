# make run   installs what is missing, builds the editor in Release and starts it
# make test  the same set-up, then every test through CTest
BUILD := build

.PHONY: deps configure build run test package clean

deps:
	@./scripts/zaleznosci.sh

configure: deps
	cmake -S . -B $(BUILD) -G Ninja -DCMAKE_BUILD_TYPE=Release

build: configure
	cmake --build $(BUILD)

run: build
	./$(BUILD)/edytor-obiektow

test: build
	cd $(BUILD) && ctest --output-on-failure

package: build
	cd $(BUILD) && cpack -G DEB

clean:
	rm -rf $(BUILD)
