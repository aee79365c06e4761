# The two set-up commands of the README, and the rest of the workflow.
#   make run    Vardex.exe under Wine on the emulated mouse (VARDEX_EMULATION, 1503 by
#               default); without a display, a screenshot tour into build/screenshots
#   make test   every test: native, sanitizers, Windows under Wine
#   make bench  benchmarks (optimised native build)
#   make fuzz   each fuzz target for FUZZ_SECONDS seconds
#   make languages  the shipped language files, from the built-in texts and the translations
JOBS ?= 2
FUZZ_SECONDS ?= 30
VARDEX_EMULATION ?= 1503
export JOBS VARDEX_EMULATION

.PHONY: setup run test bench fuzz languages clean

setup:
	@bash scripts/setup.sh

run: setup
	@bash scripts/run.sh

test:
	@bash scripts/test.sh

bench: setup
	@bash scripts/build-tree.sh release -DCMAKE_BUILD_TYPE=Release
	@build/release/bench/vardex_bench

fuzz: setup
	@CC=clang CXX=clang++ bash scripts/build-tree.sh fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVARDEX_FUZZ=ON
	@for f in build/fuzz/fuzz/*Fuzz; do \
	  name=$$(basename $$f); mkdir -p build/fuzz/corpus/$$name; \
	  echo "== $$name ($(FUZZ_SECONDS) s)"; \
	  $$f -max_total_time=$(FUZZ_SECONDS) -print_final_stats=1 build/fuzz/corpus/$$name \
	    $$(ls -d fuzz/seeds/$$name 2>/dev/null) > build/fuzz/$$name.log 2>&1 \
	    || { tail -n 40 build/fuzz/$$name.log; exit 1; }; \
	  grep -E '^(Done|stat::number_of_executed_units)' build/fuzz/$$name.log; \
	done

languages: setup
	@bash scripts/build-tree.sh native -DCMAKE_BUILD_TYPE=Debug >/dev/null
	@build/native/tools/langfile english resources/Languages
	@for f in resources/Languages/*.utf8.txt; do \
	  build/native/tools/langfile convert $$f $${f%.utf8.txt}.txt || exit 1; done

clean:
	rm -rf build
