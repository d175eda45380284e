# The in-memory library loader, fed arbitrary images. The loader's sources are compiled into
# the target itself so that they carry the fuzzer's coverage instrumentation.
tessaly_fuzz_target(DllLoaderFuzz
    SOURCES DllLoaderFuzz.cpp
            ${CMAKE_SOURCE_DIR}/sound/DLLLoader/TDLLLoader.cpp
            ${CMAKE_SOURCE_DIR}/sound/DLLLoader/TExportTree.cpp
            ${CMAKE_SOURCE_DIR}/platform/ModuleSystem.cpp
    LIBRARIES Qt6::Core ${CMAKE_DL_LIBS})
target_compile_definitions(DllLoaderFuzz PRIVATE
    TESSALY_LIBDIR_FROM_BINDIR="${TESSALY_LIBDIR_FROM_BINDIR}")
