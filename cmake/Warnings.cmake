# Our own code builds with every warning an error; third-party code does not
# pass through here.
function(wb_warnings target)
  target_compile_options(${target} PRIVATE -Wall -Wextra -Werror)
endfunction()
