# The sanitizer build: every target of the tree, libraries included, is
# compiled with AddressSanitizer and UndefinedBehaviorSanitizer, so a test or
# a fuzz target finds a fault wherever in our code it lies. The libraries the
# fuzz targets reach also carry libFuzzer's coverage hooks (fuzz/CMakeLists.txt).
if(ORLEVAN_BUILD_FUZZ AND NOT CMAKE_CXX_COMPILER_ID MATCHES "Clang")
    message(FATAL_ERROR "The fuzz targets need clang (configure with CXX=clang++-14)")
endif()

if(ORLEVAN_SANITIZE)
    set(orlevan_sanitizers -fsanitize=address,undefined -fno-sanitize-recover=undefined
        -fno-omit-frame-pointer)
    add_compile_options(${orlevan_sanitizers})
    add_link_options(${orlevan_sanitizers})
endif()
