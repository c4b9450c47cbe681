# The fuzz targets, each built from fuzz/<target>.cpp: fuzz/CMakeLists.txt builds them,
# tests/fuzz/CMakeLists.txt runs them.
set(FUZZ_TARGETS FuzzBaseName FuzzCaseCompare FuzzMouseRecord FuzzToInt FuzzValueText FuzzVersionRule)
