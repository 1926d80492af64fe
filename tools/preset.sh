# SPDX-License-Identifier: GPL-3.0-or-later
# Sourced by setup.sh and test.sh: the preset of CMakePresets.json the environment asks for,
# and the commands that configure, build and test with it.
#   DREVANT_SANITIZE=ON  the sanitize preset (build-sanitize/)
#   DREVANT_WERROR       ON: the werror preset (build/); on by default when CI is set
#   DREVANT_BUILD_DIR    another build folder than the preset's
werror="${DREVANT_WERROR:-}"
if [ -z "$werror" ]; then
    if [ -n "${CI:-}" ]; then werror=ON; else werror=OFF; fi
fi
preset=default
[ "$werror" = ON ] && preset=werror
[ "${DREVANT_SANITIZE:-OFF}" = ON ] && preset=sanitize
if [ -n "${DREVANT_BUILD_DIR:-}" ]; then
    configure_cmd=(cmake --preset "$preset" -B "$DREVANT_BUILD_DIR" -DDREVANT_WERROR="$werror")
    build_cmd=(cmake --build "$DREVANT_BUILD_DIR")
    test_cmd=(ctest --test-dir "$DREVANT_BUILD_DIR" --output-on-failure)
else
    configure_cmd=(cmake --preset "$preset" -DDREVANT_WERROR="$werror")
    build_cmd=(cmake --build --preset "$preset")
    test_cmd=(ctest --preset "$preset")
fi
