# Run as a test: an unattended run of the game stops after its frames, exits
# with 0 and leaves the last frame as a PNG file of the frame's size.
file(REMOVE ${OUTPUT})
execute_process(COMMAND ${EXECUTABLE} --frames 5 --capture ${OUTPUT} RESULT_VARIABLE result OUTPUT_VARIABLE out ERROR_VARIABLE err)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "corvanta exited with ${result}:\n${out}\n${err}")
endif()
if(NOT EXISTS ${OUTPUT})
  message(FATAL_ERROR "no capture written:\n${out}")
endif()
file(READ ${OUTPUT} header LIMIT 24 HEX)
# The PNG signature, then the IHDR chunk with width 1024 (0x400) and height 768 (0x300).
if(NOT header MATCHES "^89504e470d0a1a0a0000000d4948445200000400000003")
  message(FATAL_ERROR "not a 1024 x 768 PNG: ${header}")
endif()
