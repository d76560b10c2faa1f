# Run as a test: fails when EXECUTABLE loads SDL, OpenGL, EGL, the mixer or
# libcurl, or when any of the project's code calls the C library's rand().
execute_process(COMMAND ldd ${EXECUTABLE} OUTPUT_VARIABLE libraries RESULT_VARIABLE result)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "ldd failed on ${EXECUTABLE}")
endif()
if(libraries MATCHES "(libSDL2|libGL|libEGL|libGLX|libOpenGL|libcurl)[^ ]*")
  message(FATAL_ERROR "${EXECUTABLE} loads ${CMAKE_MATCH_0}, but must run headless:\n${libraries}")
endif()
execute_process(COMMAND nm -u --demangle ${EXECUTABLE} OUTPUT_VARIABLE symbols)
if(symbols MATCHES "[ \t](rand|srand|rand_r|random|srandom)(@[^\n]*)?\n")
  message(FATAL_ERROR "${EXECUTABLE} calls the C library's ${CMAKE_MATCH_1}(); use Tessel::Rand")
endif()
message(STATUS "${EXECUTABLE}: no platform library, no C library rand()")
