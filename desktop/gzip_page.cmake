# cmake -DPAGE=<manual page> -DOUT=<page.gz> -P gzip_page.cmake: compresses a manual page reproducibly.
execute_process(COMMAND gzip -9nc "${PAGE}" OUTPUT_FILE "${OUT}" RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "gzip failed on ${PAGE}")
endif()
