# GoogleTest for the WebAssembly build of the tests. Debian ships its
# sources, not an emscripten library, so they are built here from
# /usr/src/googletest under the names find_package(GTest) would give.
set(PR_GTEST_SOURCE_DIR /usr/src/googletest CACHE PATH "GoogleTest sources (Debian's googletest package)")
set(gtest_dir ${PR_GTEST_SOURCE_DIR}/googletest)
set(gmock_dir ${PR_GTEST_SOURCE_DIR}/googlemock)

add_library(pr_wasm_gtest STATIC ${gtest_dir}/src/gtest-all.cc ${gmock_dir}/src/gmock-all.cc)
target_include_directories(pr_wasm_gtest SYSTEM PUBLIC ${gtest_dir}/include ${gmock_dir}/include)
target_include_directories(pr_wasm_gtest PRIVATE ${gtest_dir} ${gmock_dir})
# Its own sources are not held to the project's warning flags.
target_compile_options(pr_wasm_gtest PRIVATE -w)
add_library(pr_wasm_gtest_main STATIC ${gtest_dir}/src/gtest_main.cc)
target_link_libraries(pr_wasm_gtest_main PUBLIC pr_wasm_gtest)

add_library(GTest::gtest ALIAS pr_wasm_gtest)
add_library(GTest::gmock ALIAS pr_wasm_gtest)
add_library(GTest::gtest_main ALIAS pr_wasm_gtest_main)

# Every test is one .js file with the wasm inside, run by node: emscripten
# loads a separate .wasm file with node's fetch, which cannot read files.
add_link_options(-sSINGLE_FILE=1 -sENVIRONMENT=node -sALLOW_MEMORY_GROWTH=1)
