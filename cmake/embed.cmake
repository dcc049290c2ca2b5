# Turns a data file into a C++ source holding its bytes, so nothing is read at run time.
set(EMBED_SCRIPT ${CMAKE_CURRENT_LIST_DIR}/embed_file.cmake)

function(embed_file out_var symbol file)
  set(output ${CMAKE_CURRENT_BINARY_DIR}/embedded/${symbol}.cpp)
  add_custom_command(
    OUTPUT ${output}
    COMMAND ${CMAKE_COMMAND} -DINPUT=${file} -DOUTPUT=${output} -DSYMBOL=${symbol} -P ${EMBED_SCRIPT}
    DEPENDS ${file} ${EMBED_SCRIPT}
    VERBATIM)
  set(${out_var} ${${out_var}} ${output} PARENT_SCOPE)
endfunction()
