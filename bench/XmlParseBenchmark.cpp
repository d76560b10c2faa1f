// Parse throughput of a large generated UTF-8 document: the framework's
// reader walking every node and attribute, and libexpat parsing the same
// bytes with handlers that touch the same data, in the same run. The last
// line reports their ratio (above 1: our reader is faster).
#include <benchmark/benchmark.h>
#include <expat.h>

#include <cstdio>
#include <map>
#include <string>

#include "tessel/xml/XmlReader.h"

namespace {

// A level-file-like document: nested elements, several attributes each,
// some text, comments and a few references and non-ASCII names.
const std::string& Document() {
  static const std::string document = [] {
    std::string xml = "<?xml version=\"1.0\" encoding=\"utf-8\"?>\r\n<Level name=\"Gr\xC3\xBCnwald\" width=\"64\" height=\"48\">\r\n";
    int i = 0;
    while (xml.size() < 8u << 20) {
      xml += "  <!-- block " + std::to_string(i) + " -->\r\n";
      xml += "  <Building kind=\"Bungalow\" x=\"" + std::to_string(i % 64) + "\" y=\"" + std::to_string(i % 48) +
             "\" level=\"2\" isRival=\"false\" price=\"12500\" name=\"Caf\xC3\xA9 &amp; Bar\">\r\n";
      xml += "    <Job kind=\"Construction\" progress=\"0.25\" vans=\"3\"/>\r\n";
      xml += "    <Note>Built on day " + std::to_string(i) + " by the company</Note>\r\n";
      xml += "  </Building>\r\n";
      ++i;
    }
    xml += "</Level>\r\n";
    return xml;
  }();
  return document;
}

void TesselReader(benchmark::State& state) {
  const std::string& bytes = Document();
  for (auto _ : state) {
    Tessel::XmlReader xml = Tessel::XmlReader::FromBytes(bytes);
    size_t seen = 0;
    while (xml.Read()) {
      seen += xml.Name.size() + xml.Value.size();
      for (const Tessel::XmlAttribute& a : xml.Attributes) seen += a.Name.size() + a.Value.size();
    }
    benchmark::DoNotOptimize(seen);
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * bytes.size()));
}

struct ExpatCount {
  size_t Seen = 0;
};

void Expat(benchmark::State& state) {
  const std::string& bytes = Document();
  for (auto _ : state) {
    XML_Parser parser = XML_ParserCreate(nullptr);
    ExpatCount count;
    XML_SetUserData(parser, &count);
    XML_SetElementHandler(
        parser,
        [](void* data, const XML_Char* name, const XML_Char** attributes) {
          auto* c = static_cast<ExpatCount*>(data);
          c->Seen += std::char_traits<char>::length(name);
          for (int i = 0; attributes[i]; ++i) c->Seen += std::char_traits<char>::length(attributes[i]);
        },
        [](void* data, const XML_Char* name) { static_cast<ExpatCount*>(data)->Seen += std::char_traits<char>::length(name); });
    XML_SetCharacterDataHandler(parser, [](void* data, const XML_Char*, int length) {
      static_cast<ExpatCount*>(data)->Seen += static_cast<size_t>(length);
    });
    XML_SetCommentHandler(parser, [](void* data, const XML_Char* text) {
      static_cast<ExpatCount*>(data)->Seen += std::char_traits<char>::length(text);
    });
    if (XML_Parse(parser, bytes.data(), static_cast<int>(bytes.size()), 1) != XML_STATUS_OK) state.SkipWithError("expat failed");
    benchmark::DoNotOptimize(count.Seen);
    XML_ParserFree(parser);
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * bytes.size()));
}

BENCHMARK(TesselReader)->Unit(benchmark::kMillisecond);
BENCHMARK(Expat)->Unit(benchmark::kMillisecond);

// Prints as usual and remembers each benchmark's throughput.
class RatioReporter : public benchmark::ConsoleReporter {
public:
  void ReportRuns(const std::vector<Run>& runs) override {
    ConsoleReporter::ReportRuns(runs);
    for (const Run& run : runs) {
      auto bytes = run.counters.find("bytes_per_second");
      if (bytes != run.counters.end()) Throughput[run.run_name.function_name] = bytes->second.value;
    }
  }
  std::map<std::string, double> Throughput;
};

}  // namespace

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  RatioReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  double ours = reporter.Throughput["TesselReader"], expat = reporter.Throughput["Expat"];
  if (ours > 0 && expat > 0)
    std::printf("XmlReader %.1f MB/s, expat %.1f MB/s, ratio %.2f\n", ours / 1e6, expat / 1e6, ours / expat);
  benchmark::Shutdown();
  return 0;
}
