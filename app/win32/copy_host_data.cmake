# Copies the data files the host build makes into the cross build's program
# folder, or says clearly how to make them.
#   cmake -DHOST_BIN=<host build bin> -DOUT=<cross build bin> -P copy_host_data.cmake
foreach(f LEXICON.MTX badwords.xtm)
  if(NOT EXISTS "${HOST_BIN}/${f}")
    message(FATAL_ERROR
      "${HOST_BIN}/${f} is missing: the toolbar's data files are made by the host build. "
      "Run 'cmake --preset default && cmake --build --preset default' first, or point "
      "WB_HOST_BIN_DIR at a host build's bin folder.")
  endif()
  file(COPY_FILE "${HOST_BIN}/${f}" "${OUT}/${f}" ONLY_IF_DIFFERENT)
endforeach()
