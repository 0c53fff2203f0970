# Makes the shell completions from the option list OPTIONS into the folder OUT
# (cmake -DOPTIONS=... -DOUT=... -P write_completions.cmake), so that the tests
# can try kinds of option that tembrel-cli does not have yet.
cmake_minimum_required(VERSION 3.25)
include("${CMAKE_CURRENT_LIST_DIR}/../../cmake/TembrelCompletions.cmake")
include("${OPTIONS}")
tembrel_write_completions("${OUT}")
