# Our own code builds with every warning an error; third-party code does not
# pass through here.
function(wb_warnings target)
  target_compile_options(${target} PRIVATE -Wall -Wextra -Werror)
  # GCC 12 reports overlapping copies inside std::string concatenation at -O3
  # that cannot happen (the inlined library code confuses its range
  # analysis); those reports would fail release builds of correct code.
  if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU" AND CMAKE_CXX_COMPILER_VERSION VERSION_GREATER_EQUAL 12
     AND CMAKE_CXX_COMPILER_VERSION VERSION_LESS 13)
    target_compile_options(${target} PRIVATE -Wno-restrict)
  endif()
endfunction()
