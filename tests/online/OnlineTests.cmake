# Included by tests/CMakeLists.txt: the online services and the platform
# pieces behind them.

# The online services over fakes of the network, the browser and the
# machine; and the POSIX pieces behind those interfaces (xdg-open, /proc).
corvanta_add_tests(online_tests
  SOURCES
    online/ScoreEncodingTest.cpp
    online/ScoreRecordTest.cpp
    online/ScorePosterTest.cpp
    online/SessionTailTest.cpp
    online/StatsSessionTest.cpp
    online/StatsScriptTest.cpp
    online/StatsPageTest.cpp
    online/OnlineSettingsTest.cpp
    online/GlobalTopScoresTest.cpp
    online/OnlineServicesTest.cpp
    online/PlatformChecksTest.cpp
    online/ProcMachineInfoTest.cpp
    online/XdgOpenerTest.cpp
  LIBS corvanta_online tessel_posix
)
target_compile_definitions(online_tests PRIVATE CORVANTA_SOURCE_DIR="${CMAKE_SOURCE_DIR}")
# The statistics page's own reader runs in node, when node is installed.
find_program(CORVANTA_NODE NAMES node nodejs)
if(CORVANTA_NODE)
  target_sources(online_tests PRIVATE online/StatsPageScriptTest.cpp)
  target_compile_definitions(online_tests PRIVATE CORVANTA_NODE="${CORVANTA_NODE}")
endif()
add_test(NAME headless_online_links_no_platform_library
  COMMAND ${CMAKE_COMMAND} -DEXECUTABLE=$<TARGET_FILE:online_tests>
          -P ${CMAKE_SOURCE_DIR}/cmake/CheckNoPlatformLibraries.cmake)

# The libcurl backend and score posting through it, against servers the
# tests start on 127.0.0.1 (no other address is ever contacted).
corvanta_add_tests(curl_tests
  SOURCES
    online/LoopbackHttpServer.cpp
    online/CurlHttpClientTest.cpp
    online/ScorePostingLoopbackTest.cpp
  LIBS corvanta_online tessel_curl
)

# What the statistics file needs of the XML writer.
target_sources(tessel_data_tests PRIVATE data/XmlWriterStatsTest.cpp)
