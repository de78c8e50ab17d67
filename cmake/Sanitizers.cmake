# The sanitizer build: every target of the tree, libraries included, is
# compiled with AddressSanitizer and UndefinedBehaviorSanitizer, so a test or
# a fuzz target finds a fault wherever in our code it lies. For fuzzing the
# libraries also carry libFuzzer's coverage hooks; only the fuzz targets
# link libFuzzer itself, so the tests keep their own main().
if(ORLEVAN_BUILD_FUZZ AND NOT CMAKE_CXX_COMPILER_ID MATCHES "Clang")
    message(FATAL_ERROR "The fuzz targets need clang (configure with CXX=clang++-14)")
endif()

if(ORLEVAN_SANITIZE)
    set(orlevan_sanitizers -fsanitize=address,undefined -fno-sanitize-recover=undefined
        -fno-omit-frame-pointer)
    add_compile_options(${orlevan_sanitizers})
    add_link_options(${orlevan_sanitizers})
endif()
if(ORLEVAN_BUILD_FUZZ)
    add_compile_options(-fsanitize=fuzzer-no-link)
endif()
