# A DLL whose stdcall functions are exported under their plain names (as
# other programs look them up: "SetHook", not "SetHook@12"), listed in a
# .def file. --kill-at strips the @n from the exports, but the import
# library ld writes then lacks the decorated symbols the compiler asks for;
# dlltool -k writes one from the same .def that has both.
function(wb_undecorated_dll target def_file)
  target_sources(${target} PRIVATE ${def_file})
  target_link_options(${target} PRIVATE -Wl,--kill-at)
  add_custom_command(TARGET ${target} POST_BUILD
    COMMAND ${CMAKE_DLLTOOL} -k -d ${def_file} -D $<TARGET_FILE_NAME:${target}> -l $<TARGET_LINKER_FILE:${target}>
    VERBATIM)
endfunction()
