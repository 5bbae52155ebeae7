# Makes the manual page wenb97.1 with help2man from the program's --help:
# the main help gives the synopsis and options, and every command's --help
# goes into a COMMANDS section as it is printed.
#   cmake -DWENB97=... -DHELP2MAN=... -DOUT=... -P man_page.cmake
set(include "${OUT}.h2m")
file(WRITE "${include}" "[NAME]\nwenb97 \\- translate English web pages and text into Simplified Chinese\n[COMMANDS]\n")
foreach(command page text sentence analyse)
  execute_process(COMMAND "${WENB97}" ${command} --help OUTPUT_VARIABLE help RESULT_VARIABLE status)
  if(NOT status EQUAL 0)
    message(FATAL_ERROR "wenb97 ${command} --help failed")
  endif()
  # roff: backslashes doubled, and no line may start with a control character.
  string(REPLACE "\\" "\\\\" help "${help}")
  string(REGEX REPLACE "(^|\n)([.'])" "\\1\\\\&\\2" help "${help}")
  file(APPEND "${include}" ".SS wenb97 ${command}\n.nf\n${help}.fi\n")
endforeach()
execute_process(
  COMMAND "${HELP2MAN}" --no-info --no-discard-stderr --section=1 --include=${include} --output=${OUT} "${WENB97}"
  RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "help2man failed")
endif()
file(REMOVE "${include}")
