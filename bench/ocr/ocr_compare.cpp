// The companion's glyph reader beside a general OCR engine (Tesseract, through its library) on
// the same crops of windows drawn by the substitute table: for each field the share of lines
// read exactly and the processor time per line of both readers, and how many times slower the
// engine is.
//
//   ocr-compare [--tables N] [--last-hands N] [--scores N] [--seed S] [--repeat R]
//               [--scale K] [--border B] [--binarise 0|1] [--smooth 0|1]
//               [--misreads M] [--dump FOLDER]
#include <tesseract/baseapi.h>

#include <algorithm>
#include <array>
#include <ctime>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "bench/ocr/LineCrops.h"

namespace {

using namespace scorlet;
using namespace scorlet::ocr;

struct Options {
  CropCounts counts;
  std::uint32_t seed = 1;
  OcrInput input{4, 10, true, true};
  int repeat = 20;   // passes of the glyph reader, whose lines take microseconds
  int misreads = 3;  // examples shown per field and reader
  std::string dump;  // folder for the engine's input of each misread shown
};

bool ParseOptions(int argc, char** argv, Options& o) {
  for (int i = 1; i < argc; ++i) {
    const std::string_view name = argv[i];
    if (i + 1 >= argc) return false;
    if (name == "--dump") {
      o.dump = argv[++i];
      continue;
    }
    const int value = std::atoi(argv[++i]);
    if (name == "--tables") o.counts.tables = value;
    else if (name == "--last-hands") o.counts.lastHands = value;
    else if (name == "--scores") o.counts.scores = value;
    else if (name == "--seed") o.seed = static_cast<std::uint32_t>(value);
    else if (name == "--scale") o.input.scale = value;
    else if (name == "--border") o.input.border = value;
    else if (name == "--binarise") o.input.binarise = value != 0;
    else if (name == "--smooth") o.input.smooth = value != 0;
    else if (name == "--repeat") o.repeat = value;
    else if (name == "--misreads") o.misreads = value;
    else return false;
    if (value < 0 || (name == "--scale" && value < 1) || (name == "--repeat" && value < 1)) return false;
  }
  return true;
}

// Tesseract's LSTM engine with its English model, one text line per image, the field's
// characters only, no dictionary: names, ratings and cards are no words.
class TesseractLineReader {
 public:
  bool Open() {
    m_api = std::make_unique<tesseract::TessBaseAPI>();
    const std::vector<std::string> names{"load_system_dawg", "load_freq_dawg"};
    const std::vector<std::string> values{"0", "0"};
    if (m_api->Init(nullptr, "eng", tesseract::OEM_LSTM_ONLY, nullptr, 0, &names, &values, false) != 0)
      return false;
    m_api->SetPageSegMode(tesseract::PSM_SINGLE_LINE);
    return true;
  }

  std::string Read(const LineCrop& crop, const OcrInput& input) {
    const std::string& whitelist = Whitelist(crop.field, crop.language);
    if (whitelist != m_whitelist) {
      m_api->SetVariable("tessedit_char_whitelist", whitelist.c_str());
      m_whitelist = whitelist;
    }
    const GreyImage grey = PrepareForOcr(crop.image, input);
    m_api->SetImage(grey.pixels.data(), grey.width, grey.height, 1, grey.width);
    m_api->SetSourceResolution(70 * input.scale);
    const std::unique_ptr<char[]> text(m_api->GetUTF8Text());
    return text ? std::string(text.get()) : std::string{};
  }

  ~TesseractLineReader() {
    if (m_api) m_api->End();
  }

 private:
  const std::string& Whitelist(Field field, int language) {
    const int key = static_cast<int>(field) * 100 + language;
    auto found = m_whitelists.find(key);
    if (found == m_whitelists.end()) found = m_whitelists.emplace(key, OcrWhitelist(field, language)).first;
    return found->second;
  }
  std::unique_ptr<tesseract::TessBaseAPI> m_api;
  std::string m_whitelist;
  std::map<int, std::string> m_whitelists;
};

struct Tally {
  int lines = 0;
  int glyphExact = 0;
  int ocrExact = 0;
  double glyphSeconds = 0;  // the quickest pass
  double ocrSeconds = 0;
  std::map<int, std::array<int, 2>> byLanguage;  // exact, lines for the engine
  std::vector<std::string> glyphMisreads;
  std::vector<std::string> ocrMisreads;
};

std::string Shown(std::string text) {
  while (!text.empty() && (text.back() == '\n' || text.back() == ' ')) text.pop_back();
  for (char& c : text)
    if (c == '\n') c = '|';
  return "\"" + text + "\"";
}

// The engine's input as a PGM picture, to see what it was given.
void DumpInput(const std::string& folder, std::size_t index, const LineCrop& crop, const Options& o) {
  const GreyImage grey = PrepareForOcr(crop.image, o.input);
  const std::string name = folder + "/crop-" + std::to_string(index) + ".pgm";
  if (std::FILE* file = std::fopen(name.c_str(), "wb")) {
    std::fprintf(file, "P5\n%d %d\n255\n", grey.width, grey.height);
    std::fwrite(grey.pixels.data(), 1, grey.pixels.size(), file);
    std::fclose(file);
  }
}

// The processor time the program has used (all its threads): other work on a shared machine
// does not count, as it would in the time on the clock.
double CpuSeconds() { return static_cast<double>(std::clock()) / CLOCKS_PER_SEC; }

}  // namespace

int main(int argc, char** argv) {
  Options o;
  if (!ParseOptions(argc, argv, o)) {
    std::fprintf(stderr,
                 "usage: ocr-compare [--tables N] [--last-hands N] [--scores N] [--seed S] "
                 "[--repeat R] [--scale K] [--border B] [--binarise 0|1] [--smooth 0|1] "
                 "[--misreads M] [--dump FOLDER]\n");
    return 2;
  }
  const std::vector<LineCrop> crops = MakeLineCrops(o.counts, o.seed);
  TesseractLineReader ocr;
  if (!ocr.Open()) {
    std::fprintf(stderr, "Tesseract could not load its English model (package tesseract-ocr-eng)\n");
    return 1;
  }
  std::array<Tally, FieldCount> tallies;

  GlyphLineReader glyphs;
  std::vector<std::string> glyphRead(crops.size());
  for (int pass = 0; pass < o.repeat; ++pass) {
    for (int f = 0; f < FieldCount; ++f) {
      const double start = CpuSeconds();
      for (std::size_t i = 0; i < crops.size(); ++i)
        if (static_cast<int>(crops[i].field) == f) glyphRead[i] = glyphs.Read(crops[i]);
      double& best = tallies[static_cast<std::size_t>(f)].glyphSeconds;
      const double seconds = CpuSeconds() - start;
      best = pass == 0 ? seconds : std::min(best, seconds);
    }
  }
  // The engine reads the crops of one field and language row together, so that its whitelist
  // changes only between them.
  std::vector<std::size_t> order(crops.size());
  for (std::size_t i = 0; i < order.size(); ++i) order[i] = i;
  std::stable_sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) {
    return std::pair(crops[a].field, crops[a].language) < std::pair(crops[b].field, crops[b].language);
  });
  for (const std::size_t i : order) {
    const LineCrop& crop = crops[i];
    Tally& t = tallies[static_cast<std::size_t>(crop.field)];
    ++t.lines;
    if (SameReading(crop.field, glyphRead[i], crop.truth)) {
      ++t.glyphExact;
    } else if (static_cast<int>(t.glyphMisreads.size()) < o.misreads) {
      t.glyphMisreads.push_back(Shown(crop.truth) + " read " + Shown(glyphRead[i]));
    }
    const double start = CpuSeconds();
    const std::string read = ocr.Read(crop, o.input);
    t.ocrSeconds += CpuSeconds() - start;
    auto& language = t.byLanguage[crop.language];
    ++language[1];
    if (SameReading(crop.field, read, crop.truth)) {
      ++t.ocrExact;
      ++language[0];
    } else if (static_cast<int>(t.ocrMisreads.size()) < o.misreads) {
      t.ocrMisreads.push_back(Shown(crop.truth) + " read " + Shown(read));
      if (!o.dump.empty()) {
        DumpInput(o.dump, i, crop, o);
        t.ocrMisreads.back() += " (crop-" + std::to_string(i) + ".pgm)";
      }
    }
  }

  std::printf("%zu crops from %d table windows, %d last-hand windows, %d score windows (seed %u)\n",
              crops.size(), o.counts.tables, o.counts.lastHands, o.counts.scores, o.seed);
  std::printf("Tesseract %s, LSTM, English model, single line, field whitelist; crops grey%s, "
              "x%d %s, border %d\nTimes are processor microseconds per line (glyph reader: its quickest of %d "
              "passes)\n\n",
              tesseract::TessBaseAPI::Version(), o.input.binarise ? " binarised" : "",
              o.input.scale, o.input.smooth ? "smooth" : "blocky", o.input.border, o.repeat);
  std::printf("%-15s %6s %12s %14s %12s %14s %10s\n", "field", "lines", "glyph exact",
              "glyph us/line", "tess exact", "tess us/line", "tess/glyph");
  Tally all;
  for (int f = 0; f < FieldCount; ++f) {
    const Tally& t = tallies[static_cast<std::size_t>(f)];
    all.lines += t.lines;
    all.glyphExact += t.glyphExact;
    all.ocrExact += t.ocrExact;
    all.glyphSeconds += t.glyphSeconds;
    all.ocrSeconds += t.ocrSeconds;
  }
  auto row = [&](std::string_view name, const Tally& t) {
    if (t.lines == 0) return;
    const double glyphUs = t.glyphSeconds * 1e6 / t.lines;
    const double ocrUs = t.ocrSeconds * 1e6 / t.lines;
    std::printf("%-15.*s %6d %11.1f%% %14.2f %11.1f%% %14.0f %10.0f\n", static_cast<int>(name.size()),
                name.data(), t.lines, 100.0 * t.glyphExact / t.lines, glyphUs,
                100.0 * t.ocrExact / t.lines, ocrUs, glyphUs > 0 ? ocrUs / glyphUs : 0.0);
  };
  for (int f = 0; f < FieldCount; ++f) row(FieldName(static_cast<Field>(f)), tallies[static_cast<std::size_t>(f)]);
  row("all", all);

  std::printf("\nTesseract exact by language row (%%):\n%-15s", "field");
  for (const int language : DrawnLanguages) std::printf(" %6d", language);
  std::printf("\n");
  for (int f = 0; f < FieldCount; ++f) {
    const Tally& t = tallies[static_cast<std::size_t>(f)];
    std::printf("%-15.*s", static_cast<int>(FieldName(static_cast<Field>(f)).size()),
                FieldName(static_cast<Field>(f)).data());
    for (const int language : DrawnLanguages) {
      const auto found = t.byLanguage.find(language);
      if (found == t.byLanguage.end()) {
        std::printf(" %6s", "-");
      } else {
        std::printf(" %6.1f", 100.0 * found->second[0] / found->second[1]);
      }
    }
    std::printf("\n");
  }

  bool anyMisread = false;
  for (int f = 0; f < FieldCount; ++f) {
    const Tally& t = tallies[static_cast<std::size_t>(f)];
    for (const auto& [reader, list] : {std::pair{"glyph reader", &t.glyphMisreads},
                                       std::pair{"Tesseract", &t.ocrMisreads}}) {
      for (const std::string& line : *list) {
        if (!anyMisread) std::printf("\nMisreads (drawn, then read):\n");
        anyMisread = true;
        std::printf("  %-14.*s %-12s %s\n", static_cast<int>(FieldName(static_cast<Field>(f)).size()),
                    FieldName(static_cast<Field>(f)).data(), reader, line.c_str());
      }
    }
  }
  // The glyph reader must read every line the table drew: anything else is a fault to look at.
  return all.glyphExact == all.lines ? 0 : 3;
}
