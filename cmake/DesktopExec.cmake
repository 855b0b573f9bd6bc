# brimfold_desktop_exec(<path> <out-var>): <path> as the program of a desktop
# entry's Exec key. A path with a space or another reserved character is put in
# double quotes; characters that would need escaping there are refused, since
# the entry would otherwise start something else.
function(brimfold_desktop_exec path out_var)
  if(path MATCHES "[\"`$\\\\%\n\r\t]")
    message(FATAL_ERROR "Cannot name ${path} in a desktop entry: choose an install prefix "
                        "without \", `, $, \\, % or control characters")
  endif()
  if(path MATCHES "[ '><~|&;*?#()]")
    set(path "\"${path}\"")
  endif()
  set(${out_var} "${path}" PARENT_SCOPE)
endfunction()
