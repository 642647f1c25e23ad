# ASan + UBSan for the whole tree; every target, tests included, must agree on the runtime.
if(CURVEDESK_SANITIZE)
  add_compile_options(-fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined)
  add_link_options(-fsanitize=address,undefined)
endif()

# The fuzz build instruments everything for coverage and checks it with ASan + UBSan; only the
# fuzz targets themselves link libFuzzer's main (fuzz/CMakeLists.txt).
if(CURVEDESK_FUZZ)
  add_compile_options(-fsanitize=fuzzer-no-link,address,undefined -fno-omit-frame-pointer)
  add_link_options(-fsanitize=address,undefined)
endif()
